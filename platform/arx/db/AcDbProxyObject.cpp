#include "arx/db/AcDbProxyObject.h"

#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/AcDbDxfFiler.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/db/VhostGroupFiling.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbProxyObject, AcDbObject, L"ACAD_PROXY_OBJECT")
VHOST_DEFINE_BUILTIN_CLASS(AcDbProxyEntity, AcDbEntity, L"ACAD_PROXY_ENTITY")

namespace vhost {

ProxyData::ProxyData(const ProxyData& o)
    : className(o.className), dxfName(o.dxfName), appName(o.appName), proxyFlags(o.proxyFlags),
      groups(acutRbDup(o.groups)) {}

ProxyData& ProxyData::operator=(const ProxyData& o) {
  if (this == &o) return *this;
  resbuf* copy = acutRbDup(o.groups);
  acutRelRb(groups);
  groups = copy;
  className = o.className;
  dxfName = o.dxfName;
  appName = o.appName;
  proxyFlags = o.proxyFlags;
  return *this;
}

namespace {

Acad::ErrorStatus writeProxy(AcDbDwgFiler* filer, const ProxyData& d) {
  filer->writeString(d.className);
  filer->writeString(d.dxfName);
  filer->writeString(d.appName);
  filer->writeInt32(d.proxyFlags);
  return writeGroups(filer, d.groups);
}

Acad::ErrorStatus readProxy(AcDbDwgFiler* filer, ProxyData& d) {
  ProxyData in;
  Adesk::Int32 flags = 0;
  filer->readString(in.className);
  filer->readString(in.dxfName);
  filer->readString(in.appName);
  filer->readInt32(&flags);
  in.proxyFlags = flags;
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  Acad::ErrorStatus es = readGroups(filer, in.groups);
  if (es != Acad::eOk) return es;
  d = in;
  return Acad::eOk;
}

Acad::ErrorStatus references(const ProxyData& d, AcDbObjectIdArray& ids, AcArray<int>& types) {
  ids.removeAll();
  types.removeAll();
  for (const resbuf* rb = d.groups; rb; rb = rb->rbnext) {
    if (groupIdKind(rb->restype) == GroupIdKind::kNone) continue;
    AcDbObjectId id;
    acdbGetObjectId(id, rb->resval.rlname);
    ids.append(id);
    types.append(rb->restype);
  }
  return Acad::eOk;
}

Acad::ErrorStatus dxfWriteProxy(AcDbDxfFiler* filer, const ProxyData& d) {
  for (const resbuf* rb = d.groups; rb; rb = rb->rbnext) {
    Acad::ErrorStatus es = filer->writeResBuf(*rb);
    if (es != Acad::eOk) return es;
  }
  return filer->filerStatus();
}

// Every group up to the extended data, markers included; on failure the
// data stays as it was.
Acad::ErrorStatus dxfReadProxy(AcDbDxfFiler* filer, ProxyData& d) {
  filer->haltAtClassBoundaries(false);
  resbuf* head = nullptr;
  resbuf** tail = &head;
  Acad::ErrorStatus es = Acad::eOk;
  resbuf rb;
  while (es == Acad::eOk && (es = filer->readResBuf(&rb)) == Acad::eOk) {
    resbuf one = rb;
    one.rbnext = nullptr;
    *tail = acutRbDup(&one);
    if (*tail == nullptr)
      es = Acad::eOutOfMemory;
    else
      tail = &(*tail)->rbnext;
    dxfReleaseValue(rb);
  }
  filer->haltAtClassBoundaries(true);
  if (es != Acad::eEndOfObject) {
    acutRelRb(head);
    return es;
  }
  acutRelRb(d.groups);
  d.groups = head;
  return Acad::eOk;
}

}  // namespace
}  // namespace vhost

// --- objects

int AcDbProxyObject::proxyFlags() const {
  assertReadEnabled();
  return mData.proxyFlags;
}
const ACHAR* AcDbProxyObject::originalClassName() const { return mData.className.c_str(); }
const ACHAR* AcDbProxyObject::originalDxfName() const { return mData.dxfName.c_str(); }
const ACHAR* AcDbProxyObject::applicationDescription() const { return mData.appName.c_str(); }
Acad::ErrorStatus AcDbProxyObject::getReferences(AcDbObjectIdArray& ids, AcArray<int>& types) const {
  assertReadEnabled();
  return vhost::references(mData, ids, types);
}
void AcDbProxyObject::setProxyData(const vhost::ProxyData& data) {
  assertWriteEnabled();
  mData = data;
}
Acad::ErrorStatus AcDbProxyObject::dwgOutFields(AcDbDwgFiler* filer) const {
  AcDbObject::dwgOutFields(filer);
  return vhost::writeProxy(filer, mData);
}
Acad::ErrorStatus AcDbProxyObject::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  return es == Acad::eOk ? vhost::readProxy(filer, mData) : es;
}
Acad::ErrorStatus AcDbProxyObject::subErase(Adesk::Boolean erasing) {
  if (erasing && !(mData.proxyFlags & kEraseAllowed)) return Acad::eNotAllowedForThisProxy;
  return AcDbObject::subErase(erasing);
}

// --- entities

int AcDbProxyEntity::proxyFlags() const {
  assertReadEnabled();
  return mData.proxyFlags;
}
const ACHAR* AcDbProxyEntity::originalClassName() const { return mData.className.c_str(); }
const ACHAR* AcDbProxyEntity::originalDxfName() const { return mData.dxfName.c_str(); }
const ACHAR* AcDbProxyEntity::applicationDescription() const { return mData.appName.c_str(); }
Acad::ErrorStatus AcDbProxyEntity::getReferences(AcDbObjectIdArray& ids, AcArray<int>& types) const {
  assertReadEnabled();
  return vhost::references(mData, ids, types);
}
void AcDbProxyEntity::setProxyData(const vhost::ProxyData& data) {
  assertWriteEnabled();
  mData = data;
}
Acad::ErrorStatus AcDbProxyEntity::dwgOutFields(AcDbDwgFiler* filer) const {
  AcDbEntity::dwgOutFields(filer);
  return vhost::writeProxy(filer, mData);
}
Acad::ErrorStatus AcDbProxyEntity::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  return es == Acad::eOk ? vhost::readProxy(filer, mData) : es;
}
Acad::ErrorStatus AcDbProxyEntity::transformBy(const AcGeMatrix3d&) { return Acad::eNotAllowedForThisProxy; }
Acad::ErrorStatus AcDbProxyEntity::subErase(Adesk::Boolean erasing) {
  if (erasing && !(mData.proxyFlags & AcDbProxyObject::kEraseAllowed)) return Acad::eNotAllowedForThisProxy;
  return AcDbEntity::subErase(erasing);
}

// --- DXF

Acad::ErrorStatus AcDbProxyObject::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  return es == Acad::eOk ? vhost::dxfWriteProxy(filer, mData) : es;
}
Acad::ErrorStatus AcDbProxyObject::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  return es == Acad::eOk ? vhost::dxfReadProxy(filer, mData) : es;
}
Acad::ErrorStatus AcDbProxyEntity::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  return es == Acad::eOk ? vhost::dxfWriteProxy(filer, mData) : es;
}
Acad::ErrorStatus AcDbProxyEntity::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  return es == Acad::eOk ? vhost::dxfReadProxy(filer, mData) : es;
}
