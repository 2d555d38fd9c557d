#include "arx/dxf/DxfSubEntities.h"

#include <memory>
#include <unordered_map>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/VhostMemoryFiler.h"
#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDb3dPolyline.h"
#include "arx/entities/AcDbAttribute.h"
#include "arx/entities/AcDbBlockReference.h"
#include "arx/entities/AcDbObjectIterator.h"

namespace vhost {

namespace {

// The owner classes add sub-entities only as new objects, which get new
// handles. To keep the handles of the file, the owner lists stand-ins first;
// then its own filing is replayed with the stand-ins' ids replaced by those
// of the sub-entities read, and the stand-ins are erased.
Acad::ErrorStatus appendStandIn(AcDbObject* owner, AcDbObjectId& id) {
  if (auto* p = AcDb2dPolyline::cast(owner)) {
    auto* v = new AcDb2dVertex();
    Acad::ErrorStatus es = p->appendVertex(id, v);
    if (es != Acad::eOk) {
      delete v;
      return es;
    }
    return v->close();
  }
  if (auto* p = AcDb3dPolyline::cast(owner)) {
    auto* v = new AcDb3dPolylineVertex();
    Acad::ErrorStatus es = p->appendVertex(id, v);
    if (es != Acad::eOk) {
      delete v;
      return es;
    }
    return v->close();
  }
  if (auto* r = AcDbBlockReference::cast(owner)) {
    auto* a = new AcDbAttribute();
    Acad::ErrorStatus es = r->appendAttribute(id, a);
    if (es != Acad::eOk) {
      delete a;
      return es;
    }
    return a->close();
  }
  return Acad::eWrongObjectType;
}

}  // namespace

Acad::ErrorStatus dxfAdoptSubEntities(AcDbObject* owner, const std::vector<AcDbObjectId>& subs) {
  if (owner == nullptr || owner->database() == nullptr) return Acad::eNoDatabase;
  std::unordered_map<vhost::Stub*, AcDbObjectId> replace;
  std::vector<AcDbObjectId> standIns;
  for (AcDbObjectId sub : subs) {
    AcDbObjectId standIn;
    Acad::ErrorStatus es = appendStandIn(owner, standIn);
    if (es != Acad::eOk) return es;
    replace[standIn.stub()] = sub;
    standIns.push_back(standIn);
  }
  vhost::MemoryDwgFiler filer(AcDb::kFileFiler, owner->database());
  Acad::ErrorStatus es = owner->dwgOutFields(&filer);
  if (es != Acad::eOk) return es;
  for (const auto& ref : filer.idRefs()) {
    auto it = replace.find(filer.idAt(ref).stub());
    if (it != replace.end()) filer.setIdAt(ref, it->second);
  }
  filer.rewind();
  es = owner->dwgInFields(&filer);
  if (es != Acad::eOk) return es;
  for (AcDbObjectId id : standIns) {
    AcDbObject* s = nullptr;
    if (acdbOpenObject(s, id, AcDb::kForWrite) != Acad::eOk) continue;
    s->setOwnerId(AcDbObjectId());
    s->erase();
    s->close();
  }
  return Acad::eOk;
}

std::vector<AcDbObjectId> dxfSubEntities(const AcDbObject* owner) {
  std::vector<AcDbObjectId> out;
  std::unique_ptr<AcDbObjectIterator> it;
  if (auto* p = AcDb2dPolyline::cast(owner)) it.reset(p->vertexIterator());
  if (auto* p = AcDb3dPolyline::cast(owner)) it.reset(p->vertexIterator());
  if (it) {
    for (it->start(); !it->done(); it->step())
      if (!it->objectId().isErased()) out.push_back(it->objectId());
    return out;
  }
  if (auto* r = AcDbBlockReference::cast(owner)) {
    for (const AcDbObjectId& id : r->vhostAttributeIds())
      if (!id.isErased()) out.push_back(id);
  }
  return out;
}

}  // namespace vhost
