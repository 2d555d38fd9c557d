#include "arx/entities/PolylineVertexList.h"

#include <algorithm>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostStub.h"

namespace vhost {

Acad::ErrorStatus openOwned(const AcDbObjectId& id, AcDb::OpenMode mode, AcDbObject*& obj, bool& opened) {
  obj = nullptr;
  opened = false;
  Acad::ErrorStatus es = acdbOpenObject(obj, id, mode, true);
  if (es == Acad::eOk) {
    opened = true;
    return es;
  }
  if (es == Acad::eWasOpenForWrite && id.stub() != nullptr && id.stub()->object != nullptr) {
    obj = id.stub()->object;
    return Acad::eOk;
  }
  return es;
}

PolylineVertexList::~PolylineVertexList() { clear(); }

void PolylineVertexList::clear() {
  for (Entry& e : mEntries) delete e.pending;
  mEntries.clear();
}

void PolylineVertexList::reverseOrder() { std::reverse(mEntries.begin(), mEntries.end()); }

void PolylineVertexList::adopt(const AcDbObject* owner) {
  AcDbDatabase* db = owner->database();
  if (db == nullptr) return;
  for (Entry& e : mEntries) {
    if (e.pending == nullptr) continue;
    AcDbVertex* v = e.pending;
    if (v->layerId().isNull()) {
      if (const AcDbEntity* ent = AcDbEntity::cast(owner)) v->setPropertiesFrom(ent);
      if (v->layerId().isNull()) v->setDatabaseDefaults(db);
    }
    AcDbObjectId id;
    if (db->addAcDbObject(id, v) != Acad::eOk) continue;
    v->setOwnerId(owner->objectId());
    v->close();
    e.id = id;
    e.pending = nullptr;
  }
}

int PolylineVertexList::indexOf(const AcDbObjectId& id) const {
  if (id.isNull()) return -1;
  for (size_t i = 0; i < mEntries.size(); ++i)
    if (mEntries[i].id == id) return static_cast<int>(i);
  return -1;
}

int PolylineVertexList::indexOf(const AcDbVertex* vertex) const {
  if (vertex == nullptr) return -1;
  for (size_t i = 0; i < mEntries.size(); ++i)
    if (mEntries[i].pending == vertex) return static_cast<int>(i);
  if (!vertex->objectId().isNull()) return indexOf(vertex->objectId());
  return -1;
}

Acad::ErrorStatus PolylineVertexList::insert(const AcDbObject* owner, int at, AcDbVertex* vertex, AcDbObjectId& newId,
                                             bool leaveOpen) {
  newId.setNull();
  if (vertex == nullptr) return Acad::eNullObjectPointer;
  if (vertex->database() != nullptr || indexOf(vertex) >= 0) return Acad::eAlreadyInDb;
  if (at < 0 || at > size()) at = size();
  Entry e;
  AcDbDatabase* db = owner->database();
  if (db != nullptr) {
    if (vertex->layerId().isNull()) {
      if (const AcDbEntity* ent = AcDbEntity::cast(owner)) vertex->setPropertiesFrom(ent);
      if (vertex->layerId().isNull()) vertex->setDatabaseDefaults(db);
    }
    Acad::ErrorStatus es = db->addAcDbObject(e.id, vertex);
    if (es != Acad::eOk) return es;
    vertex->setOwnerId(owner->objectId());
    if (!leaveOpen) vertex->close();
    newId = e.id;
  } else {
    e.pending = vertex;
  }
  mEntries.insert(mEntries.begin() + at, e);
  return Acad::eOk;
}

void PolylineVertexList::remove(int at) {
  if (at < 0 || at >= size()) return;
  Entry e = mEntries[static_cast<size_t>(at)];
  mEntries.erase(mEntries.begin() + at);
  if (e.pending) {
    delete e.pending;
    return;
  }
  AcDbObject* obj = nullptr;
  bool opened = false;
  if (openOwned(e.id, AcDb::kForWrite, obj, opened) == Acad::eOk) {
    if (!obj->isErased()) obj->erase(true);
    if (opened) obj->close();
  }
}

bool PolylineVertexList::isLive(int at) const {
  const Entry& e = mEntries[static_cast<size_t>(at)];
  return e.pending != nullptr || (!e.id.isNull() && !e.id.isErased());
}

Acad::ErrorStatus PolylineVertexList::forEach(const std::function<void(const AcDbVertex*, int)>& f) const {
  for (int i = 0; i < size(); ++i) {
    if (!isLive(i)) continue;
    const Entry& e = mEntries[static_cast<size_t>(i)];
    if (e.pending) {
      f(e.pending, i);
      continue;
    }
    AcDbObject* obj = nullptr;
    bool opened = false;
    Acad::ErrorStatus es = openOwned(e.id, AcDb::kForRead, obj, opened);
    if (es != Acad::eOk) return es;
    const AcDbVertex* v = AcDbVertex::cast(obj);
    if (v) f(v, i);
    if (opened) obj->close();
  }
  return Acad::eOk;
}

Acad::ErrorStatus PolylineVertexList::forEachWrite(const std::function<void(AcDbVertex*, int)>& f) {
  for (int i = 0; i < size(); ++i) {
    if (!isLive(i)) continue;
    const Entry& e = mEntries[static_cast<size_t>(i)];
    if (e.pending) {
      f(e.pending, i);
      continue;
    }
    AcDbObject* obj = nullptr;
    bool opened = false;
    Acad::ErrorStatus es = openOwned(e.id, AcDb::kForWrite, obj, opened);
    if (es != Acad::eOk) return es;
    if (AcDbVertex* v = AcDbVertex::cast(obj)) f(v, i);
    if (opened) obj->close();
  }
  return Acad::eOk;
}

AcDbObjectIdArray PolylineVertexList::ids() const {
  AcDbObjectIdArray out;
  for (const Entry& e : mEntries)
    if (!e.id.isNull()) out.append(e.id);
  return out;
}

void PolylineVertexList::dwgOut(AcDbDwgFiler* filer) const {
  const AcDbObjectIdArray list = ids();
  filer->writeInt32(list.length());
  for (const AcDbObjectId& id : list) filer->writeHardOwnershipId(id);
}

Acad::ErrorStatus PolylineVertexList::dwgIn(AcDbDwgFiler* filer) {
  Adesk::Int32 count = 0;
  filer->readInt32(&count);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  if (count < 0) return Acad::eFilerError;
  clear();
  for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    AcDbHardOwnershipId id;
    filer->readHardOwnershipId(&id);
    Entry e;
    e.id = id;
    if (!id.isNull()) mEntries.push_back(e);
  }
  return filer->filerStatus();
}

}  // namespace vhost
