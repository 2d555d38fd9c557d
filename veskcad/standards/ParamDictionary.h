#pragma once
// The drawing parameter dictionary: records of the standards kept in the
// current drawing, as xrecords keyed by the standard item in the dictionary
// "ZEMIRCUSTOM" of the named-object dictionary.
//
// Entry layouts (group codes: 300 text, 1070 16-bit integer, 1040 real):
//   layer-name binding   300 layer name
//   layer parameters     300 LayerName, 1070 Color, 1070 Weight, 300 LineType,
//                        1070 Off, 1070 Frozen, 1070 VPDFLT, 1070 Locked
//                        (OwnerGroup is not stored)
//   text parameters      1070 Color, 1070 Weight, 1040 Height, 1040 LineScale,
//                        1040 Thickness, 300 Textstyle, 300 Linetype,
//                        300 OwnerLayer
//   line parameters      1070 Color, 1070 Weight, 1040 PolyWidth,
//                        1040 LineScale, 1040 Thickness, 300 Linetype,
//                        300 OwnerLayer
//   text-style parameters 300 TextstyleName, 300 FontFile, 1040 Height,
//                        1040 XScale, 1040 ObliquingAngle, 1070 Bold,
//                        1070 Italic, 1070 XMirror, 1070 YMirror, 1070 Vertical
// A colour that does not fit 16 bits (a true colour) is written as a 32-bit
// integer (1071) in its place; readers take either. The layer parameters
// begin with the layer name, so they serve as a binding too.
//
// Every key is one item: a later Put of any layout replaces the entry. Reads
// that find nothing, or an entry of another layout (other groups, or more or
// fewer of them), return 0 and leave the record unchanged.
//
// Bindings are also read from "ZEMIRCUSTOMKG", "ZEMIRCUSTOMXG" and
// "ZEMIRCUSTOMZT" (written by sibling modules), in an order chosen by the
// shared standards database's design type; see gpGetLayerNameFromDict.
#include "mfc/CString.h"
#include "veskbase/LayerParam.h"
#include "veskbase/StyleParams.h"

namespace VeskDB {

// The dictionary this module writes, and the binding fallbacks.
inline const wchar_t* const kParamDictName = L"ZEMIRCUSTOM";
inline const wchar_t* const kParamDictKG = L"ZEMIRCUSTOMKG";
inline const wchar_t* const kParamDictXG = L"ZEMIRCUSTOMXG";
inline const wchar_t* const kParamDictZT = L"ZEMIRCUSTOMZT";

// Binds item to layerName in "ZEMIRCUSTOM". 1 on success.
int gpPutLayerNameIntoDict(const wchar_t* item, const wchar_t* layerName);

// The layer bound to item: the first text of the item's entry in
// "ZEMIRCUSTOM"; otherwise the first entry found in the dictionaries of the
// shared database's design type (-1 without a shared database), in order:
//   0: ZEMIRCUSTOM, ZEMIRCUSTOMKG, ZEMIRCUSTOMXG, ZEMIRCUSTOMZT
//   1: ZEMIRCUSTOM, ZEMIRCUSTOMXG, ZEMIRCUSTOMKG, ZEMIRCUSTOMZT
//   2: ZEMIRCUSTOM, ZEMIRCUSTOMZT, ZEMIRCUSTOMXG, ZEMIRCUSTOMKG
//   other: ZEMIRCUSTOM only
// An entry without a text (or with an empty one) binds nothing. 1 when found.
int gpGetLayerNameFromDict(const wchar_t* item, CString& layerName);

int gpPutLayerParamIntoDict(CString item, const vesk::LAYERPARAM& p);
int gpGetLayerParamFromDict(CString item, vesk::LAYERPARAM& p);

int gpPutTextParamIntoDict(CString item, const vesk::TEXTPARAM& p);
int gpGetTextParamFromDict(CString item, vesk::TEXTPARAM& p);

int gpPutLineParamIntoDict(CString item, const vesk::LINEPARAM& p);
int gpGetLineParamFromDict(CString item, vesk::LINEPARAM& p);

int gpPutTextStyleParamIntoDict(CString item, const vesk::TEXTSTYLEPARAM& p);
int gpGetTextStyleParamFromDict(CString item, vesk::TEXTSTYLEPARAM& p);

}  // namespace VeskDB
