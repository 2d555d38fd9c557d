// Everyday entity operations.
#include "veskbase/EntBasic.h"

#include <memory>
#include <unordered_set>

#include "arx/base/AcCmColor.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbEntity.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/db/AcDbIdMapping.h"
#include "arx/db/AcDbObjectPointer.h"
#include "arx/ed/AcedSelectionSet.h"
#include "arx/ge/AcDbExtents.h"

namespace vesk {
namespace ent {

int AddToDb(AcDbEntity* ent, AcDbObjectId& id, const AcDbObjectId& blockId) {
  std::unique_ptr<AcDbEntity> owned(ent);
  id.setNull();
  if (ent == nullptr || !ent->objectId().isNull()) {
    owned.release();  // not ours to delete: it is null or belongs to a database
    return 0;
  }
  AcDbDatabase* db = nullptr;
  AcDbObjectId target = blockId;
  if (target.isNull()) {
    db = acdbHostApplicationServices()->workingDatabase();
    if (db == nullptr) return 0;
    target = db->currentSpaceId();
  } else {
    if (!target.isValid() || target.isErased()) return 0;
    db = target.database();
  }
  AcDbObjectPointer<AcDbBlockTableRecord> btr(target, AcDb::kForWrite);
  if (btr.openStatus() != Acad::eOk) return 0;
  try {
    if (ent->layerId().isNull()) ent->setDatabaseDefaults(db);
    AcDbObjectId newId;
    if (btr->appendAcDbEntity(newId, ent) != Acad::eOk) return 0;
    owned.release();
    ent->close();
    id = newId;
    return 1;
  } catch (Acad::ErrorStatus) {
    if (!ent->objectId().isNull()) {  // appended: the database owns it now
      owned.release();
      ent->close();
    }
    return 0;
  }
}

int Erase(const AcDbObjectId& id) {
  if (id.isNull() || !id.isValid()) return 0;
  if (id.isErased()) return 1;
  AcDbObjectPointer<AcDbObject> obj(id, AcDb::kForWrite);
  if (obj.openStatus() != Acad::eOk) return 0;
  try {
    return obj->erase() == Acad::eOk ? 1 : 0;
  } catch (Acad::ErrorStatus) {
    return 0;
  }
}

int Erase(const AcDbObjectIdArray& ids) {
  int n = 0;
  for (const AcDbObjectId& id : ids) n += Erase(id);
  return n;
}

int Copy(const AcDbObjectId& id, AcDbObjectId& copyId) {
  copyId.setNull();
  if (!FIsValidId(id)) return 0;
  AcDbObjectId owner;
  {
    AcDbEntityPointer e(id, AcDb::kForRead);
    if (e.openStatus() != Acad::eOk) return 0;
    owner = e->ownerId();
  }
  if (owner.isNull()) return 0;
  AcDbIdMapping map;
  AcDbObjectIdArray ids;
  ids.append(id);
  try {
    if (id.database()->deepCloneObjects(ids, owner, map) != Acad::eOk) return 0;
  } catch (Acad::ErrorStatus) {
    return 0;
  }
  AcDbIdPair pair(id, AcDbObjectId::kNull, false);
  if (!map.compute(pair) || pair.value().isNull()) return 0;
  copyId = pair.value();
  return 1;
}

int ChangeColor(const AcDbObjectId& id, int color) {
  if (color > 256 || color < -0xFFFFFF || !FIsValidId(id)) return 0;
  AcCmColor c;
  if (color >= 0) {
    if (c.setColorIndex(static_cast<Adesk::UInt16>(color)) != Acad::eOk) return 0;
  } else {
    const int rgb = -color;
    if (c.setRGB(static_cast<Adesk::UInt8>((rgb >> 16) & 0xFF), static_cast<Adesk::UInt8>((rgb >> 8) & 0xFF),
                 static_cast<Adesk::UInt8>(rgb & 0xFF)) != Acad::eOk)
      return 0;
  }
  AcDbEntityPointer e(id, AcDb::kForWrite);
  if (e.openStatus() != Acad::eOk) return 0;
  try {
    return e->setColor(c) == Acad::eOk ? 1 : 0;
  } catch (Acad::ErrorStatus) {
    return 0;
  }
}

CString GetObjClassName(const AcDbObjectId& id) {
  if (!FIsValidId(id)) return CString();
  AcRxClass* cls = id.objectClass();
  if (cls == nullptr) return CString();
  return CString(cls->name());
}

int FRemoveRepeatId(AcDbObjectIdArray& ids, const AcDbObjectIdArray& remove) {
  if (remove.isEmpty() || ids.isEmpty()) return 0;
  const std::unordered_set<AcDbObjectId> doomed(remove.begin(), remove.end());
  AcDbObjectIdArray kept;
  for (const AcDbObjectId& id : ids)
    if (doomed.count(id) == 0) kept.append(id);
  const int removed = ids.length() - kept.length();
  ids = kept;
  return removed;
}

int FRemoveRepeatId(AcDbObjectIdArray& ids) {
  std::unordered_set<AcDbObjectId> seen;
  AcDbObjectIdArray kept;
  for (const AcDbObjectId& id : ids)
    if (seen.insert(id).second) kept.append(id);
  const int removed = ids.length() - kept.length();
  ids = kept;
  return removed;
}

int FIsValidId(const AcDbObjectId& id) { return (!id.isNull() && id.isValid() && !id.isErased()) ? 1 : 0; }

namespace {
bool addExtents(const AcDbObjectId& id, AcDbExtents& box) {
  if (!FIsValidId(id)) return false;
  AcDbEntityPointer e(id, AcDb::kForRead);
  if (e.openStatus() != Acad::eOk) return false;
  AcDbExtents ext;
  try {
    if (e->getGeomExtents(ext) != Acad::eOk || !ext.isValidExtents()) return false;
  } catch (Acad::ErrorStatus) {
    return false;
  }
  box.addExt(ext);
  return true;
}
}  // namespace

int GetEntRect(const AcDbObjectId& id, AcGePoint3d& minPt, AcGePoint3d& maxPt) {
  AcDbExtents box;
  if (!addExtents(id, box)) return 0;
  minPt = box.minPoint();
  maxPt = box.maxPoint();
  return 1;
}

int GetEntRect(const AcDbObjectIdArray& ids, AcGePoint3d& minPt, AcGePoint3d& maxPt) {
  AcDbExtents box;
  bool any = false;
  for (const AcDbObjectId& id : ids) any = addExtents(id, box) || any;
  if (!any) return 0;
  minPt = box.minPoint();
  maxPt = box.maxPoint();
  return 1;
}

int GetSSRect(const ads_name ss, AcGePoint3d& minPt, AcGePoint3d& maxPt) {
  AcDbObjectIdArray ids;
  if (ss == nullptr || !vhost::ssToIds(ss, ids)) return 0;
  return GetEntRect(ids, minPt, maxPt);
}

int IdsToSS(const AcDbObjectIdArray& ids, ads_name ss) {
  AcDbObjectIdArray live;
  for (const AcDbObjectId& id : ids)
    if (FIsValidId(id)) live.append(id);
  FRemoveRepeatId(live);
  if (live.isEmpty() || ss == nullptr) return 0;
  vhost::idsToSs(live, ss);
  return 1;
}

}  // namespace ent
}  // namespace vesk
