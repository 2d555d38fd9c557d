#pragma once
// Colour conversions shared by the whole module.
//
// Three encodings, all int:
//   standards colour (VeskDB)  0 or more: a colour index; negative: a true
//                              colour -(r * 65536 + g * 256 + b)
//   packed RGB (VeskCad)       r + g * 256 + b * 65536 (red in the low byte)
//   colour text                "(%d,%d,%d)" with red, green, blue
// Black as a true colour, -(0), cannot be told from colour index 0 (by
// block): the standards encoding has no room for it.
#include "arx/base/AcCmColor.h"
#include "mfc/CString.h"

namespace VeskDB {

// -(r * 65536 + g * 256 + b).
int GetColorByRGB(int r, int g, int b);
// r = g = b = 0; for a true colour (c < 0) its three channels. A colour index
// gives 0, 0, 0: the encoding stores no RGB for it. Returns 1.
int GetRGBByColor(int c, int& r, int& g, int& b);
// "(%d,%d,%d)" of GetRGBByColor ("(0,0,0)" for a colour index).
CString GetFormatRGBByColor(int c);
// Reads a colour text: at least 6 characters; any "<", "[", "(", "（" taken
// from the left and "]", ")", "）", ">" from the right; three parts split at
// ","; each a decimal integer (an empty part is 0) from 0 to 255. Returns
// GetColorByRGB of the three, or 0 when the text cannot be read.
int GetColorByFormatRGB(CString text);

}  // namespace VeskDB

namespace VeskCad {

// The RGB of a colour index from the host's palette; indexes outside 1..255
// give black. Returns 1.
int GetRGB(int aci, int& r, int& g, int& b);
// Packed RGB of a colour index.
int GetColorRgb(int aci);
// r + g * 256 + b * 65536.
int GetColorRgb(int r, int g, int b);
// Unpacks: b = packed / 65536, g = (packed - b * 65536) / 256, r = the rest.
// Returns 1.
int GetColorRgb(int packed, int& r, int& g, int& b);
// c := the true colour of a packed RGB value; 1 when the colour took it.
int GetCmColor(int packed, AcCmColor& c);

}  // namespace VeskCad
