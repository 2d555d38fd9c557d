#pragma once
// Small helpers shared by the database tests.
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbEntity.h"
#include "arx/db/AcDbLayerTable.h"
#include "arx/db/AcDbRegAppTable.h"

namespace dbtest {

// Appends to model space and closes the entity; returns its id.
inline AcDbObjectId addToModelSpace(AcDbDatabase* db, AcDbEntity* ent) {
  AcDbBlockTableRecord* ms = nullptr;
  AcDbObjectId id;
  if (acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) return id;
  if (ms->appendAcDbEntity(id, ent) == Acad::eOk) ent->close();
  ms->close();
  return id;
}

inline AcDbObjectId addLayer(AcDbDatabase* db, const ACHAR* name, bool locked = false) {
  AcDbLayerTable* table = nullptr;
  AcDbObjectId id;
  if (db->getLayerTable(table, AcDb::kForWrite) != Acad::eOk) return id;
  auto* rec = new AcDbLayerTableRecord();
  rec->setName(name);
  rec->setIsLocked(locked);
  if (table->add(id, rec) == Acad::eOk)
    rec->close();
  else
    delete rec;
  table->close();
  return id;
}

inline void registerApp(AcDbDatabase* db, const ACHAR* name) {
  AcDbRegAppTable* table = nullptr;
  if (db->getRegAppTable(table, AcDb::kForWrite) != Acad::eOk) return;
  auto* rec = new AcDbRegAppTableRecord();
  rec->setName(name);
  AcDbObjectId id;
  if (table->add(id, rec) == Acad::eOk)
    rec->close();
  else
    delete rec;
  table->close();
}

}  // namespace dbtest
