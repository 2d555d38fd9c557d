#include "veskbase/EntLayer.h"

#include <cwchar>

#include "arx/base/AcCmColor.h"
#include "arx/db/AcDb.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbEntity.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/db/AcDbLayerTable.h"
#include "arx/db/AcDbLinetypeTable.h"
#include "veskbase/EntLinetype.h"

namespace vesk {

namespace {

AcDbDatabase* dbOrWorking(AcDbDatabase* db) {
  if (db != nullptr) return db;
  AcDbHostApplicationServices* services = acdbHostApplicationServices();
  return services != nullptr ? services->workingDatabase() : nullptr;
}

// A standards colour as a layer colour: index 1-255 or a true colour.
AcCmColor layerColor(int color) {
  AcCmColor c;
  if (color < 0) {
    const int rgb = -color;
    if (rgb <= 0xFFFFFF) {
      c.setRGB(static_cast<Adesk::UInt8>((rgb >> 16) & 0xFF), static_cast<Adesk::UInt8>((rgb >> 8) & 0xFF),
               static_cast<Adesk::UInt8>(rgb & 0xFF));
      return c;
    }
    color = 7;
  }
  if (color < 1 || color > 255) color = 7;
  c.setColorIndex(static_cast<Adesk::UInt16>(color));
  return c;
}

int addLayer(const wchar_t* name, const LAYERPARAM* param, int color, AcDbObjectId& id, AcDbDatabase* db) {
  id.setNull();
  db = dbOrWorking(db);
  if (db == nullptr || name == nullptr || *name == L'\0') return 0;
  if (ent::GetLayer(name, id, db)) return 1;
  // A standard linetype the drawing lacks is loaded before the layer is made.
  AcDbObjectId ltype;
  if (param != nullptr && param->LineType[0] != L'\0') ent::LoadLineType(param->LineType, ltype, db);
  AcDbLayerTable* table = nullptr;
  if (db->getLayerTable(table, AcDb::kForWrite) != Acad::eOk) return 0;
  auto* rec = new AcDbLayerTableRecord();
  int ok = 0;
  if (rec->setName(name) == Acad::eOk) {
    rec->setColor(layerColor(param != nullptr ? param->Color : color));
    if (param != nullptr) {
      if (param->Weight >= 0 && AcDb::isValidLineWeight(param->Weight))
        rec->setLineWeight(static_cast<AcDb::LineWeight>(param->Weight));
      if (ltype.isNull()) ltype = db->continuousLinetype();
      if (!ltype.isNull()) rec->setLinetypeObjectId(ltype);
      rec->setIsOff(param->Off != 0);
      rec->setIsLocked(param->Locked != 0);
    }
    if (table->add(id, rec) == Acad::eOk) {
      // Freezing is refused for the current layer, which a new layer is not.
      if (param != nullptr && param->Frozen != 0) rec->setIsFrozen(true);
      rec->close();
      ok = 1;
    }
  }
  if (!ok) {
    delete rec;
    id.setNull();
  }
  table->close();
  return ok;
}

}  // namespace

namespace ent {

int GetLayer(const wchar_t* name, AcDbObjectId& id, AcDbDatabase* db) {
  id.setNull();
  db = dbOrWorking(db);
  if (db == nullptr || name == nullptr || *name == L'\0') return 0;
  AcDbLayerTable* table = nullptr;
  if (db->getLayerTable(table, AcDb::kForRead) != Acad::eOk) return 0;
  const bool found = table->getAt(name, id) == Acad::eOk;
  table->close();
  if (!found) id.setNull();
  return found ? 1 : 0;
}

int CreateLayer(const wchar_t* name, AcDbObjectId& id, AcDbDatabase* db) { return addLayer(name, nullptr, 7, id, db); }

int CreateLayer(const wchar_t* name, int color, AcDbObjectId& id, AcDbDatabase* db) {
  return addLayer(name, nullptr, color, id, db);
}

int CreateLayer(const LAYERPARAM& param, AcDbObjectId& id, AcDbDatabase* db) {
  return addLayer(param.LayerName, &param, param.Color, id, db);
}

int GetLayerParam(const wchar_t* name, LAYERPARAM& param, AcDbDatabase* db) {
  AcDbObjectId id;
  if (!GetLayer(name, id, db)) return 0;
  AcDbLayerTableRecord* rec = nullptr;
  if (acdbOpenObject(rec, id, AcDb::kForRead) != Acad::eOk) return 0;
  std::wstring layerName;
  rec->getName(layerName);
  param.SetLayerName(layerName.c_str());
  const AcCmColor color = rec->color();
  if (color.isByColor())
    param.Color = -(static_cast<int>(color.red()) * 65536 + static_cast<int>(color.green()) * 256 +
                    static_cast<int>(color.blue()));
  else
    param.Color = color.colorIndex();
  param.Weight = static_cast<int>(rec->lineWeight());
  param.Off = rec->isOff() ? 1 : 0;
  param.Frozen = rec->isFrozen() ? 1 : 0;
  param.Locked = rec->isLocked() ? 1 : 0;
  const AcDbObjectId ltypeId = rec->linetypeObjectId();
  rec->close();
  param.SetLineType(L"CONTINUOUS");
  AcDbSymbolTableRecord* ltype = nullptr;
  if (!ltypeId.isNull() && acdbOpenObject(ltype, ltypeId, AcDb::kForRead) == Acad::eOk) {
    std::wstring ltName;
    ltype->getName(ltName);
    param.SetLineType(ltName.c_str());
    ltype->close();
  }
  return 1;
}

int DelLayer(const AcDbObjectId& layerId, int eraseRecord) {
  if (layerId.isNull() || !layerId.isValid() || layerId.isErased()) return -1;
  AcDbDatabase* db = layerId.database();
  if (db == nullptr) return -1;
  {
    AcDbLayerTableRecord* rec = nullptr;
    if (acdbOpenObject(rec, layerId, AcDb::kForRead) != Acad::eOk) return -1;
    rec->close();
  }
  int erased = 0;
  AcDbBlockTable* blocks = nullptr;
  if (db->getBlockTable(blocks, AcDb::kForRead) != Acad::eOk) return -1;
  AcDbBlockTableIterator* bit = nullptr;
  blocks->newIterator(bit);
  blocks->close();
  AcDbObjectIdArray doomed;
  for (; bit != nullptr && !bit->done(); bit->step()) {
    AcDbBlockTableRecord* btr = nullptr;
    if (bit->getRecord(btr, AcDb::kForRead) != Acad::eOk) continue;
    AcDbBlockTableRecordIterator* it = nullptr;
    btr->newIterator(it);
    btr->close();
    for (; it != nullptr && !it->done(); it->step()) {
      AcDbEntity* ent = nullptr;
      if (it->getEntity(ent, AcDb::kForRead) != Acad::eOk) continue;
      const bool onLayer = ent->layerId() == layerId;
      AcDbObjectId id = ent->objectId();
      ent->close();
      if (onLayer) doomed.append(id);
    }
    delete it;
  }
  delete bit;
  for (int i = 0; i < doomed.length(); ++i) {
    AcDbEntity* ent = nullptr;
    if (acdbOpenObject(ent, doomed[i], AcDb::kForWrite) != Acad::eOk) continue;
    if (ent->erase() == Acad::eOk) ++erased;
    ent->close();
  }
  if (eraseRecord) {
    AcDbLayerTableRecord* rec = nullptr;
    if (acdbOpenObject(rec, layerId, AcDb::kForWrite) == Acad::eOk) {
      rec->erase();
      rec->close();
    }
  }
  return erased;
}

}  // namespace ent
}  // namespace vesk
