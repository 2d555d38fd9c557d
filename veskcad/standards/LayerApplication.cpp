#include "veskcad/standards/LayerApplication.h"

#include "arx/db/AcDbObjectId.h"
#include "arx/ed/AcutPrintf.h"
#include "veskbase/CadLayerState.h"
#include "veskbase/EntLayer.h"
#include "veskbase/PrintErrorMsg.h"
#include "veskcad/standards/CCustomDatabase.h"
#include "veskcad/standards/ColorConvert.h"
#include "veskcad/standards/LayerTableSelect.h"
#include "veskcad/standards/ParamDictionary.h"

namespace VeskDB {

namespace {

vesk::LAYERPARAM& layerPart(vesk::LAYERPARAM& rec) { return rec; }

// The drawing's layer of that name, its properties over part (OwnerGroup and
// VPDFLT kept). False when the drawing has no such layer.
bool drawingLayer(const wchar_t* name, vesk::LAYERPARAM& part) {
  vesk::LAYERPARAM lp = part;
  if (!vesk::ent::GetLayerParam(name, lp)) return false;
  part = lp;
  return true;
}

// Makes the layer of a record (a standard linetype the drawing lacks is
// loaded; an unknown one leaves the layer Continuous); colorText of 6 or more
// characters gives the layer a true colour.
bool makeLayer(const vesk::LAYERPARAM& part, const CString& colorText) {
  vesk::LAYERPARAM lp = part;
  if (colorText.GetLength() >= 6) lp.Color = GetColorByFormatRGB(colorText);
  AcDbObjectId id;
  return vesk::ent::CreateLayer(lp, id) != 0 && !id.isNull();
}

// Copies the classic extras between the records.
template <class From, class To>
void copyExtras(const From& from, To& to) {
  to.Item = from.Item;
  to.remark = from.remark;
  to.GpOrder = from.GpOrder;
  to.CreateLayer = from.CreateLayer;
}

}  // namespace

int gpGetLayerParam(CString item, LAYERPARAM2013EX& rec, int keepState, int createLayer, int createIfMissing,
                    CCustomDatabase* db) {
  if (item.IsEmpty()) return 0;
  try {
    const bool hasCode = !rec.ItemCode.IsEmpty();
    bool found = false;
    bool fromDrawing = false;
    vesk::LAYERPARAM drawingPart;

    // The binding remembered in the drawing.
    CString bound;
    if (gpGetLayerNameFromDict(item, bound) && drawingLayer(bound, layerPart(rec))) {
      drawingPart = rec;
      found = fromDrawing = true;
    }

    CCustomDatabase* source = db != nullptr ? db : gpGetCustomDatabase();

    // An item given by its code: the binding of the row's item name.
    if (hasCode && source != nullptr && rec.ItemCode == item && rec.ItemCode != rec.Item) {
      LAYERPARAM2013EX row = rec;
      if (source->GetLayerCustomParam(item, &row, 0, 0) && !row.Item.IsEmpty() &&
          gpGetLayerNameFromDict(row.Item, bound) && drawingLayer(bound, layerPart(rec))) {
        drawingPart = rec;
        found = fromDrawing = true;
        gpPutLayerNameIntoDict(item, rec.LayerName);
      }
    }

    if ((!found || hasCode) && source != nullptr) {
      // The public row of an item given by name.
      if (!found && !hasCode) {
        vesk::LAYERPARAM row = rec;
        if (source->GetLayerPublicParam(item, &row)) {
          layerPart(rec) = row;
          if (drawingLayer(row.LayerName, layerPart(rec))) {
            found = true;
          } else if (createLayer && makeLayer(row, CString())) {
            found = true;
          }
          if (found) gpPutLayerNameIntoDict(item, rec.LayerName);
        }
      }
      // The 2013 row, by name or by code.
      if (!found || hasCode) {
        if (hasCode) {
          CString error;
          source->UpgradeLayerCustomParamEx2013Db(error, -1);
        }
        if (source->GetLayerCustomParam(item, &rec, 0, createIfMissing)) {
          if (fromDrawing) {
            layerPart(rec) = drawingPart;  // the drawing wins
            found = true;
          } else if (drawingLayer(rec.LayerName, layerPart(rec))) {
            gpPutLayerNameIntoDict(item, rec.LayerName);
            found = true;
          } else if (createLayer) {
            if (makeLayer(rec, rec.ColorText)) {
              gpPutLayerNameIntoDict(item, rec.LayerName);
              found = true;
            }
          } else {
            found = true;  // asked for the row's properties only
          }
        }
      }
    }

    if (found && !keepState) vesk::cad::FSetLayerState(rec.LayerName, false, false, false);
    return found ? 1 : 0;
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, L"VeskDB::gpGetLayerParam");
    return 0;
  } catch (...) {
    vesk::PrintExceptionMsg(L"VeskDB::gpGetLayerParam", __LINE__);
    return 0;
  }
}

int gpGetLayerParam(const wchar_t* item, vesk::LAYERPARAM& p, int keepState, CCustomDatabase* db) {
  LAYERPARAM2013EX rec;
  layerPart(rec) = p;
  const int found = gpGetLayerParam(CString(item != nullptr ? item : L""), rec, keepState, 1, 1, db);
  p = rec;
  return found;
}

int gpGetLayerParam(const wchar_t* item, vesk::LAYERPARAM& p, CCustomDatabase* db) {
  return gpGetLayerParam(item, p, 0, db);
}

int gpGetLayerParam(CString item, vesk::LAYERPARAM& p, CCustomDatabase* db) {
  return gpGetLayerParam(item.GetString(), p, 0, db);
}

int gpGetLayerParam(CString item, int create, vesk::LAYERPARAM& p, CCustomDatabase* db) {
  LAYERPARAM2013EX rec;
  layerPart(rec) = p;
  const int found = gpGetLayerParam(item, rec, 0, create, create, db);
  p = rec;
  return found;
}

int gpGetLayerParam(CString item, STLAYERPARAM& p, int keepState, CCustomDatabase* db) {
  LAYERPARAM2013EX rec;
  layerPart(rec) = p;
  copyExtras(p, rec);
  const int found = gpGetLayerParam(item, rec, keepState, 1, 1, db);
  layerPart(p) = rec;
  copyExtras(rec, p);
  return found;
}

int gpGetLayerParam(const wchar_t* item, STLAYERPARAM& p, int keepState, CCustomDatabase* db) {
  return gpGetLayerParam(CString(item != nullptr ? item : L""), p, keepState, db);
}

int gpSetLayerParam(CString item, LAYERPARAM2013EX& rec, int keepState, int createLayer, int saveToDb,
                    CCustomDatabase* db) {
  try {
    // The drawing's layer wins over the record; a missing one is made.
    bool layerThere = drawingLayer(rec.LayerName, layerPart(rec));
    if (!layerThere && createLayer) layerThere = makeLayer(rec, rec.ColorText);

    CString bound;
    if (!item.IsEmpty() && gpGetLayerNameFromDict(item, bound)) gpPutLayerNameIntoDict(item, rec.LayerName);

    bool saved = false;
    int result = 0;
    CCustomDatabase* target = db != nullptr ? db : gpGetCustomDatabase();
    if (saveToDb && target != nullptr) {
      saved = true;
      if (item.IsEmpty()) {
        result = 0;
      } else if (!rec.ItemCode.IsEmpty()) {
        if (rec.LayerID > 0) {
          result = target->SetLayerCustomParam(item, &rec, 0, -1);
        } else {
          result = 0;
          acutPrintf(L"\n");
        }
      } else if (!rec.Item.IsEmpty()) {
        STLAYERPARAM row;
        layerPart(row) = rec;
        copyExtras(rec, row);
        result = target->SetLayerCustomParam(item, &row);
      } else {
        vesk::LAYERPARAM row = rec;
        result = target->SetLayerCustomParam(item, &row);
      }
    }

    if (!keepState) vesk::cad::FSetLayerState(rec.LayerName, false, false, false);
    if (saved) return result;
    return layerThere ? 1 : 0;
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, L"VeskDB::gpSetLayerParam");
    return 0;
  } catch (...) {
    vesk::PrintExceptionMsg(L"VeskDB::gpSetLayerParam", __LINE__);
    return 0;
  }
}

int gpSetLayerParam(const wchar_t* item, vesk::LAYERPARAM& p, int saveToDb) {
  LAYERPARAM2013EX rec;
  layerPart(rec) = p;
  const int result = gpSetLayerParam(CString(item != nullptr ? item : L""), rec, 0, 1, saveToDb, nullptr);
  p = rec;
  return result;
}

int gpSetLayerParam(const wchar_t* item, STLAYERPARAM& p, int saveToDb) {
  LAYERPARAM2013EX rec;
  layerPart(rec) = p;
  copyExtras(p, rec);
  const int result = gpSetLayerParam(CString(item != nullptr ? item : L""), rec, 0, 1, saveToDb, nullptr);
  layerPart(p) = rec;
  copyExtras(rec, p);
  return result;
}

}  // namespace VeskDB
