#pragma once
// Reading one row of a layer table into the layer records.
//
// A column that the row lacks, or that holds Null, leaves the record's field
// as it was (the caller's defaults), except where noted. The 2013 reader
// applies the rules of the 2013 tables: the colour is kept as stored in
// ColorText and, when it is a plain number, also as the index in Color; the
// linetype and the text style keep the record's value when the column is
// empty, the scales, width and height when the stored value is (nearly) 0;
// a stored lineweight of 0 becomes -1 (by layer).
#include "mfc/CString.h"
#include "veskcad/standards/LayerRecords.h"
#include "veskdata/CADORecordset.h"

namespace VeskDB {

// Copies text into a fixed name field, cut to 255 characters.
void CopyLayerText(wchar_t (&dst)[256], const wchar_t* src);

// True when text is a whole decimal number (an optional sign, then digits)
// that fits an int; the number in value.
bool ParseColorIndex(const CString& text, int& value);

// The layer part: LayerName, Color, Weight, LineType, Off, Frozen, VPDFLT,
// Locked, OwnerGroup.
void ReadLayerParamRow(const CADORecordset& rs, vesk::LAYERPARAM& param);

// The layer part, then remark, GpOrder, CreateLayer and, with withItem, Item.
void ReadStLayerParamRow(const CADORecordset& rs, STLAYERPARAM& param, bool withItem);

// Every column of a 2013 row (on a classic row: those it has).
void Read2013Row(const CADORecordset& rs, LAYERPARAM2013EX& param);

// A user row over the system row read before: its key, type, order, remark,
// layer name, colour, linetype, scales, width, text style and height and the
// six spare texts replace the system row's; codes, item, flags, group and
// lineweight stay those of the system row.
void ReadUserOverride(const CADORecordset& rs, LAYERPARAM2013EX& param);

}  // namespace VeskDB
