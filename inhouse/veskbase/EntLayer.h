#pragma once
// Layers of a drawing: looking them up, creating them from a name or from a
// standards layer record, reading their properties back, and clearing them.
//
// Every call works on the database given, or on the working database when
// none is given. Results: 1 for success, 0 for failure; no call throws.
#include "arx/db/AcDbObjectId.h"

class AcDbDatabase;

namespace vesk {

// A layer as the standards database stores it. Colour: an AutoCAD colour
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

namespace ent {

// The id of the layer of that name (case ignored). 0 when there is none.
int GetLayer(const wchar_t* name, AcDbObjectId& id, AcDbDatabase* db = nullptr);

// Creates a layer with the host's defaults (colour 7, Continuous). A layer of
// that name that exists already is returned as it is (1). 0 for an invalid
// name or a database that refuses.
int CreateLayer(const wchar_t* name, AcDbObjectId& id, AcDbDatabase* db = nullptr);
// The same with a colour in the standards encoding (index 1-255, or a
// negative true colour; 0 and 256, which a layer cannot carry, give 7).
int CreateLayer(const wchar_t* name, int color, AcDbObjectId& id, AcDbDatabase* db = nullptr);
// Creates the layer of a standards record: its name, colour, lineweight,
// linetype (Continuous when the drawing has no linetype of that name) and the
// off / frozen / locked flags. An existing layer is returned unchanged.
int CreateLayer(const LAYERPARAM& param, AcDbObjectId& id, AcDbDatabase* db = nullptr);

// Fills a record from the drawing's layer of that name (colour index, or the
// negative true colour; lineweight; linetype name; flags). OwnerGroup and
// VPDFLT are left as they were. 0 when the layer does not exist.
int GetLayerParam(const wchar_t* name, LAYERPARAM& param, AcDbDatabase* db = nullptr);

// Erases every entity on the layer, in model space, paper space and every
// block definition, and with eraseRecord also the layer record itself (which
// layer "0" and the current layer refuse). Returns the number of entities
// erased, or -1 for an id that is not a live layer.
int DelLayer(const AcDbObjectId& layerId, int eraseRecord = 0);

}  // namespace ent
}  // namespace vesk
