#pragma once
// Applying the layer standards to the current drawing.
//
// gpGetLayerParam resolves a standard item to the layer it must be drawn on:
// first from a binding item -> layer remembered in the drawing ("ZEMIRCUSTOM",
// see ParamDictionary.h), then from the standards database; it makes sure the
// layer exists in the drawing (colour, true colour, lineweight, linetype,
// flags) and remembers the binding. gpSetLayerParam does the reverse: it
// applies a layer record to the drawing and, when asked, stores it.
//
// db null means the shared standards database (gpGetCustomDatabase); without
// one only drawing bindings resolve an item. Results: 1 found or done, 0
// otherwise. Drawing failures are reported through vesk::PrintErrorMsg and
// give 0. Every call works on the current drawing: call it inside a command
// or with the document locked.
#include "mfc/CString.h"
#include "veskbase/LayerParam.h"
#include "veskcad/standards/LayerRecords.h"

namespace VeskDB {

class CCustomDatabase;

// The main resolver. hasCode means rec.ItemCode is not empty on entry.
//  1. An empty item resolves to nothing.
//  2. A binding of the item to a layer the drawing has: rec's layer part
//     becomes that layer's properties (taken from the drawing).
//  3. With hasCode, when rec.ItemCode is the item and differs from rec.Item:
//     the item's row (by name or code) whose Item is bound to a drawing layer
//     gives that layer, and the item is bound to it as well.
//  4. Not yet found, or hasCode, and a database:
//     a. not found, no code: the public row of the item; a drawing layer of
//        the row's name is taken, else with createLayer the layer is made
//        from the row; either way the item is bound to it.
//     b. still not found, or hasCode: (with hasCode the layer table is first
//        upgraded to the 2013 layout) the 2013 row of the item, created from
//        rec when missing and createIfMissing is set. A layer part taken from
//        the drawing is put back over the row (the drawing wins); else a
//        drawing layer of the row's name is taken, else with createLayer the
//        layer is made from the row (a ColorText of 6 or more characters
//        gives the true colour of the new layer) and bound. Without
//        createLayer the row alone resolves the item.
//  5. Unless keepState, the resolved layer is made usable (on, thawed,
//     unlocked).
// A layer that cannot be made leaves the item unresolved and unbound.
int gpGetLayerParam(CString item, LAYERPARAM2013EX& rec, int keepState, int createLayer, int createIfMissing,
                    CCustomDatabase* db = nullptr);

// The main resolver on a layer record (createLayer and createIfMissing 1);
// p's layer part goes in and comes back.
int gpGetLayerParam(const wchar_t* item, vesk::LAYERPARAM& p, int keepState, CCustomDatabase* db);
// The same with keepState 0.
int gpGetLayerParam(const wchar_t* item, vesk::LAYERPARAM& p, CCustomDatabase* db = nullptr);
int gpGetLayerParam(CString item, vesk::LAYERPARAM& p, CCustomDatabase* db = nullptr);
// keepState 0, createLayer = createIfMissing = create.
int gpGetLayerParam(CString item, int create, vesk::LAYERPARAM& p, CCustomDatabase* db = nullptr);
// As the LAYERPARAM form, also carrying Item, remark, GpOrder and
// CreateLayer in and out.
int gpGetLayerParam(CString item, STLAYERPARAM& p, int keepState, CCustomDatabase* db = nullptr);
int gpGetLayerParam(const wchar_t* item, STLAYERPARAM& p, int keepState, CCustomDatabase* db = nullptr);

// The main writer.
//  1. A drawing layer named rec.LayerName gives rec its colour, lineweight,
//     linetype and flags (the layer is not changed); otherwise, with
//     createLayer, the layer is made from rec (true colour from a ColorText
//     of 6 or more characters).
//  2. An item that has a binding is bound to rec.LayerName; an item without
//     one is not bound here.
//  3. With saveToDb and a database: a record with an ItemCode is stored as
//     its 2013 row when its LayerID is above 0 (otherwise nothing is stored,
//     an empty line is printed and the result is 0); else a record with an
//     Item as a classic row with Item, remark, GpOrder, CreateLayer; else as
//     a plain layer row.
//  4. Unless keepState, the layer is made usable (on, thawed, unlocked).
// Result: that of step 3 when it ran, else whether the drawing has the layer
// after step 1.
int gpSetLayerParam(CString item, LAYERPARAM2013EX& rec, int keepState, int createLayer, int saveToDb,
                    CCustomDatabase* db = nullptr);
// The main writer with keepState 0, createLayer 1 and the shared database;
// p's layer part comes back as step 1 left it.
int gpSetLayerParam(const wchar_t* item, vesk::LAYERPARAM& p, int saveToDb);
// The same, carrying Item, remark, GpOrder and CreateLayer.
int gpSetLayerParam(const wchar_t* item, STLAYERPARAM& p, int saveToDb);

}  // namespace VeskDB
