#pragma once
// Layers of a drawing: looking them up, creating them from a name or from a
// standards layer record, reading their properties back, and clearing them.
//
// Every call works on the database given, or on the working database when
// none is given. Results: 1 for success, 0 for failure; no call throws.
#include "arx/db/AcDbObjectId.h"
#include "veskbase/LayerParam.h"

class AcDbDatabase;

namespace vesk {

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
// linetype (a standard linetype the drawing lacks is loaded first;
// Continuous when the name is neither in the drawing nor standard) and the
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
