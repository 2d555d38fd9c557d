#include "arx/db/VhostGroupFiling.h"

#include "arx/base/RbValueType.h"

namespace vhost {

GroupIdKind groupIdKind(int code) {
  if (code >= 330 && code <= 339) return GroupIdKind::kSoftPointer;
  if (code >= 340 && code <= 349) return GroupIdKind::kHardPointer;
  if (code >= 350 && code <= 359) return GroupIdKind::kSoftOwnership;
  if (code >= 360 && code <= 369) return GroupIdKind::kHardOwnership;
  if ((code >= 390 && code <= 399) || code == 480 || code == 481) return GroupIdKind::kHardPointer;
  return GroupIdKind::kNone;
}

Acad::ErrorStatus writeGroups(AcDbDwgFiler* filer, const resbuf* chain) {
  filer->writeInt32(rbChainLength(chain));
  for (const resbuf* rb = chain; rb; rb = rb->rbnext) {
    filer->writeInt16(rb->restype);
    AcDbObjectId id;
    switch (groupIdKind(rb->restype)) {
      case GroupIdKind::kSoftPointer:
        acdbGetObjectId(id, rb->resval.rlname);
        filer->writeSoftPointerId(id);
        continue;
      case GroupIdKind::kHardPointer:
        acdbGetObjectId(id, rb->resval.rlname);
        filer->writeHardPointerId(id);
        continue;
      case GroupIdKind::kSoftOwnership:
        acdbGetObjectId(id, rb->resval.rlname);
        filer->writeSoftOwnershipId(id);
        continue;
      case GroupIdKind::kHardOwnership:
        acdbGetObjectId(id, rb->resval.rlname);
        filer->writeHardOwnershipId(id);
        continue;
      case GroupIdKind::kNone:
        break;
    }
    switch (rbValueType(rb->restype)) {
      case RbValueType::kString:
      case RbValueType::kHandle:
        filer->writeString(rb->resval.rstring);
        break;
      case RbValueType::kReal:
        filer->writeDouble(rb->resval.rreal);
        break;
      case RbValueType::kPoint:
        filer->writePoint3d(AcGePoint3d(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]));
        break;
      case RbValueType::kInt16:
      case RbValueType::kBool:
        filer->writeInt16(rb->resval.rint);
        break;
      case RbValueType::kInt32:
        filer->writeInt32(rb->resval.rlong);
        break;
      case RbValueType::kInt64:
        filer->writeInt64(rb->resval.mnInt64);
        break;
      case RbValueType::kEntityName:
        filer->writeInt64(rb->resval.rlname[0]);
        break;
      case RbValueType::kBinary:
        filer->writeBChunk(rb->resval.rbinary);
        break;
      case RbValueType::kNone:
        break;
    }
  }
  return filer->filerStatus();
}

Acad::ErrorStatus readGroups(AcDbDwgFiler* filer, resbuf*& chain) {
  chain = nullptr;
  Adesk::Int32 count = 0;
  if (filer->readInt32(&count) != Acad::eOk || count < 0) return Acad::eFilerError;
  resbuf* head = nullptr;
  resbuf** tail = &head;
  for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    Adesk::Int16 code = 0;
    filer->readInt16(&code);
    resbuf* rb = acutNewRb(code);
    if (rb == nullptr) break;
    *tail = rb;
    tail = &rb->rbnext;
    AcDbObjectId id;
    bool isId = true;
    switch (groupIdKind(code)) {
      case GroupIdKind::kSoftPointer: {
        AcDbSoftPointerId v;
        filer->readSoftPointerId(&v);
        id = v;
        break;
      }
      case GroupIdKind::kHardPointer: {
        AcDbHardPointerId v;
        filer->readHardPointerId(&v);
        id = v;
        break;
      }
      case GroupIdKind::kSoftOwnership: {
        AcDbSoftOwnershipId v;
        filer->readSoftOwnershipId(&v);
        id = v;
        break;
      }
      case GroupIdKind::kHardOwnership: {
        AcDbHardOwnershipId v;
        filer->readHardOwnershipId(&v);
        id = v;
        break;
      }
      case GroupIdKind::kNone:
        isId = false;
        break;
    }
    if (isId) {
      acdbGetAdsName(rb->resval.rlname, id);
      continue;
    }
    switch (rbValueType(code)) {
      case RbValueType::kString:
      case RbValueType::kHandle: {
        ACHAR* s = nullptr;
        filer->readString(&s);
        delete[] rb->resval.rstring;
        rb->resval.rstring = s ? s : new ACHAR[1]{0};
        break;
      }
      case RbValueType::kReal:
        filer->readDouble(&rb->resval.rreal);
        break;
      case RbValueType::kPoint: {
        AcGePoint3d p;
        filer->readPoint3d(&p);
        rb->resval.rpoint[0] = p.x;
        rb->resval.rpoint[1] = p.y;
        rb->resval.rpoint[2] = p.z;
        break;
      }
      case RbValueType::kInt16:
      case RbValueType::kBool:
        filer->readInt16(&rb->resval.rint);
        break;
      case RbValueType::kInt32:
        filer->readInt32(&rb->resval.rlong);
        break;
      case RbValueType::kInt64:
        filer->readInt64(&rb->resval.mnInt64);
        break;
      case RbValueType::kEntityName: {
        Adesk::Int64 v = 0;
        filer->readInt64(&v);
        rb->resval.rlname[0] = v;
        rb->resval.rlname[1] = 0;
        break;
      }
      case RbValueType::kBinary:
        delete[] rb->resval.rbinary.buf;
        rb->resval.rbinary.buf = nullptr;
        rb->resval.rbinary.clen = 0;
        filer->readBChunk(&rb->resval.rbinary);
        break;
      case RbValueType::kNone:
        break;
    }
  }
  if (filer->filerStatus() != Acad::eOk) {
    acutRelRb(head);
    return filer->filerStatus();
  }
  chain = head;
  return Acad::eOk;
}

}  // namespace vhost
