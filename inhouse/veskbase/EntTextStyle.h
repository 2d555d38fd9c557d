#pragma once
// Text styles of a drawing: finding one by name, creating one from a
// standards text-style record, and the two together.
//
// A record names its font as a typeface ("宋体": the style gets that TrueType
// font with the record's bold and italic) or as shape fonts ("txt.shx" or
// "txt.shx|hztxt.shx": main font and big font from the host's font folder,
// see CadFont.h; the record's vertical flag applies to shape fonts only).
//
// Works on the database given, or on the working database when none is given.
// Results: 1 for success, 0 for failure; no call throws.
#include "arx/db/AcDbObjectId.h"
#include "veskbase/StyleParams.h"

class AcDbDatabase;

namespace vesk {
namespace ent {

// The id of the drawing's text style of that name (case ignored); 0 when the
// drawing has none.
int GetTextStyle(const wchar_t* name, AcDbObjectId& id, AcDbDatabase* db = nullptr);

// Creates the text style record.TextstyleName with the record's text size
// (Height), width factor (XScale), obliquing angle and font. A style of that
// name that exists already is returned as it is (1). 0, with nothing added,
// for an empty name or a value the style refuses (a width factor not above 0,
// a negative height, a slant beyond 85 degrees).
int CreateTextStyle(const TEXTSTYLEPARAM& record, AcDbObjectId& id, AcDbDatabase* db = nullptr);

}  // namespace ent

namespace cad {

// The drawing's text style record.TextstyleName, created from the record when
// the drawing lacks it (ent::GetTextStyle, then ent::CreateTextStyle).
int OpenTxtStyle(const TEXTSTYLEPARAM& record, AcDbObjectId& id, AcDbDatabase* db = nullptr);

}  // namespace cad
}  // namespace vesk
