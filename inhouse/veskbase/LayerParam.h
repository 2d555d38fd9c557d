#pragma once
// vesk::LAYERPARAM: a layer as the standards database stores it, the record
// through which the standards tables and the drawing's layer helpers exchange
// a layer.
//
//   LayerName   wchar_t[256]  "0"
//   Color       int           7      colour index (>= 0) or true colour
//                                    -(r * 65536 + g * 256 + b)
//   Weight      int           0      lineweight (-1 = by layer)
//   LineType    wchar_t[256]  "CONTINUOUS"
//   Off, Frozen, VPDFLT, Locked
//               int           0
//   OwnerGroup  int           1023   16-bit group mask of the standards row
//
// The record is declared once, with the drawing-layer helpers that create a
// layer from it (EntLayer.h); this header is the name the standards code
// includes it by.
#include "veskbase/EntLayer.h"
