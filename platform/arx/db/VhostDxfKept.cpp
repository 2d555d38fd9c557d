#include "arx/db/VhostDxfKept.h"

#include "arx/db/AcDbDxfFiler.h"
#include "arx/db/AcDbObject.h"
#include "arx/db/VhostObjectExtras.h"

namespace vhost {

void DxfKeptGroups::add(const resbuf& group) {
  resbuf one = group;
  one.rbnext = nullptr;
  resbuf* copy = acutRbDup(&one);
  if (copy == nullptr) return;
  if (mTail)
    mTail->rbnext = copy;
  else
    mHead = copy;
  mTail = copy;
}

void DxfKeptGroups::storeInto(AcDbObject* obj) {
  if (obj == nullptr) return;
  obj->vhostSetDxfKept(mSubclass, mHead);
  mHead = mTail = nullptr;
}

const resbuf* dxfKeptGroups(const AcDbObject* obj, const ACHAR* subclass) {
  return obj ? obj->vhostDxfKept(subclass ? subclass : L"") : nullptr;
}

Acad::ErrorStatus dxfWriteKept(AcDbDxfFiler* filer, const AcDbObject* obj, const ACHAR* subclass) {
  for (const resbuf* rb = dxfKeptGroups(obj, subclass); rb; rb = rb->rbnext) {
    Acad::ErrorStatus es = filer->writeResBuf(*rb);
    if (es != Acad::eOk) return es;
  }
  return filer->filerStatus();
}

}  // namespace vhost
