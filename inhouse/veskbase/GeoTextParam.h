#pragma once
// Default text and text-style records: what a standard text or text style
// holds when the standards have no row for it.
#include "veskbase/StyleParams.h"

namespace vesk {
namespace geo {

// t := the defaults of a standard text (colour by layer, height 3.0, text
// style "st", linetype "ByLayer", layer "0" ...). Returns 1.
int InitTextParam(TEXTPARAM& t);

// s := the defaults of a text style ("宋体", height 3.0, width factor 1.0 ...)
// named name; a null or empty name keeps the default name "st", a longer
// name than the record holds is cut. Returns 1.
int InitTextStyleParam(const wchar_t* name, TEXTSTYLEPARAM& s);

}  // namespace geo
}  // namespace vesk
