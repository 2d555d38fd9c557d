#pragma once
// vesk::LAYERPARAM: a layer as the standards database stores it, the record
// through which the standards tables and the drawing's layer helpers
// (EntLayer.h) exchange a layer.
//
//   LayerName   wchar_t[256]  "0"
//   Color       int           7      colour index (>= 0) or true colour
//                                    -(r * 65536 + g * 256 + b)
//   Weight      int           0      lineweight (-1 = by layer)
//   LineType    wchar_t[256]  "CONTINUOUS"
//   Off, Frozen, VPDFLT, Locked
//               int           0
//   OwnerGroup  int           1023   16-bit group mask of the standards row
namespace vesk {

// A layer as the standards database stores it. Colour: a host palette colour
// index when 0 or more, a true colour -(r * 65536 + g * 256 + b) when
// negative. Weight: a lineweight value (-1 by layer, which a layer itself
// cannot carry: the drawing's default lineweight is used then).
struct LAYERPARAM {
  wchar_t LayerName[256];
  int Color;
  int Weight;
  wchar_t LineType[256];
  int Off;
  int Frozen;
  int VPDFLT;  // frozen in new viewports; this host has no viewports, the flag is kept in the record only
  int Locked;
  int OwnerGroup;  // group mask of the standards row; not stored in the drawing

  LAYERPARAM();
  void SetLayerName(const wchar_t* name);
  void SetLineType(const wchar_t* name);
};

}  // namespace vesk
