#include "arx/db/VhostDxfMemoryFiler.h"

#include <cwchar>

#include "arx/base/RbValueType.h"
#include "arx/base/Resbuf.h"

namespace vhost {

namespace {

resbuf* single(const resbuf& group) {
  resbuf one = group;
  one.rbnext = nullptr;
  return acutRbDup(&one);
}

bool isMarker(const resbuf* rb) { return rb->restype == 100; }

}  // namespace

DxfMemoryFiler::~DxfMemoryFiler() { clear(); }

void DxfMemoryFiler::clear() {
  for (resbuf* rb : mGroups) acutRelRb(rb);
  mGroups.clear();
  mPos = 0;
}

void DxfMemoryFiler::append(const resbuf& group) {
  if (resbuf* rb = single(group)) mGroups.push_back(rb);
}

Acad::ErrorStatus DxfMemoryFiler::dwgVersion(AcDb::DwgVersion& version,
                                             AcDb::MaintenanceReleaseVersion& maintenance) const {
  version = AcDb::kDHL_CURRENT;
  maintenance = AcDb::kMReleaseCurrent;
  return Acad::eOk;
}

Acad::ErrorStatus DxfMemoryFiler::readResBuf(resbuf* item) {
  if (item == nullptr) return Acad::eNullObjectPointer;
  if (mStatus != Acad::eOk) return mStatus;
  if (mPos >= mGroups.size() || atExtendedData() || (mHalt && isMarker(mGroups[mPos]))) return Acad::eEndOfObject;
  resbuf* copy = single(*mGroups[mPos]);
  *item = *copy;
  item->rbnext = nullptr;
  delete copy;  // the value (string, binary) now belongs to item
  ++mPos;
  return Acad::eOk;
}

void DxfMemoryFiler::pushBackItem() {
  if (mPos > 0) --mPos;
}

bool DxfMemoryFiler::atSubclassData(const ACHAR* subClassName) {
  if (mPos >= mGroups.size() || !isMarker(mGroups[mPos]) || subClassName == nullptr) return false;
  const ACHAR* name = mGroups[mPos]->resval.rstring;
  if (name == nullptr || std::wcscmp(name, subClassName) != 0) return false;
  ++mPos;
  return true;
}

bool DxfMemoryFiler::atExtendedData() { return mPos < mGroups.size() && mGroups[mPos]->restype == 1001; }

Acad::ErrorStatus DxfMemoryFiler::push(resbuf* rb) {
  if (rb == nullptr) return mStatus = Acad::eInvalidResBuf;
  mGroups.push_back(rb);
  return mStatus;
}

Acad::ErrorStatus DxfMemoryFiler::writeResBuf(const resbuf& item) { return push(single(item)); }

Acad::ErrorStatus DxfMemoryFiler::writeObjectId(int code, const AcDbObjectId& id) {
  if (id.isNull()) return mStatus;
  if (rbValueType(code) != RbValueType::kEntityName) return mStatus = Acad::eInvalidDxfCode;
  resbuf* rb = acutNewRb(code);
  acdbGetAdsName(rb->resval.rlname, id);
  return push(rb);
}

Acad::ErrorStatus DxfMemoryFiler::writeString(int code, const ACHAR* value) {
  if (!rbHoldsString(code)) return mStatus = Acad::eInvalidDxfCode;
  resbuf* rb = acutNewRb(code);
  acutNewString(value ? value : L"", rb->resval.rstring);
  return push(rb);
}

// Integers go into the slot the group code's type gives them.
Acad::ErrorStatus DxfMemoryFiler::writeInteger(int code, Adesk::Int64 value) {
  resbuf* rb = acutNewRb(code);
  switch (rbValueType(code)) {
    case RbValueType::kInt16:
    case RbValueType::kBool:
      rb->resval.rint = static_cast<short>(value);
      break;
    case RbValueType::kInt32:
      rb->resval.rlong = static_cast<Adesk::Int32>(value);
      break;
    case RbValueType::kInt64:
      rb->resval.mnInt64 = value;
      break;
    case RbValueType::kReal:
      rb->resval.rreal = static_cast<double>(value);
      break;
    default:
      acutRelRb(rb);
      return mStatus = Acad::eInvalidDxfCode;
  }
  return push(rb);
}

Acad::ErrorStatus DxfMemoryFiler::writeBool(int code, bool value) { return writeInteger(code, value ? 1 : 0); }
Acad::ErrorStatus DxfMemoryFiler::writeInt8(int code, Adesk::Int8 value) { return writeInteger(code, value); }
Acad::ErrorStatus DxfMemoryFiler::writeInt16(int code, Adesk::Int16 value) { return writeInteger(code, value); }
Acad::ErrorStatus DxfMemoryFiler::writeInt32(int code, Adesk::Int32 value) { return writeInteger(code, value); }
Acad::ErrorStatus DxfMemoryFiler::writeInt64(int code, Adesk::Int64 value) { return writeInteger(code, value); }
Acad::ErrorStatus DxfMemoryFiler::writeUInt8(int code, Adesk::UInt8 value) { return writeInteger(code, value); }
Acad::ErrorStatus DxfMemoryFiler::writeUInt16(int code, Adesk::UInt16 value) { return writeInteger(code, value); }
Acad::ErrorStatus DxfMemoryFiler::writeUInt32(int code, Adesk::UInt32 value) { return writeInteger(code, value); }

Acad::ErrorStatus DxfMemoryFiler::writeReals(int code, double x, double y, double z) {
  resbuf* rb = acutNewRb(code);
  switch (rbValueType(code)) {
    case RbValueType::kReal:
      rb->resval.rreal = x;
      break;
    case RbValueType::kPoint:
      rb->resval.rpoint[0] = x;
      rb->resval.rpoint[1] = y;
      rb->resval.rpoint[2] = z;
      break;
    default:
      acutRelRb(rb);
      return mStatus = Acad::eInvalidDxfCode;
  }
  return push(rb);
}

Acad::ErrorStatus DxfMemoryFiler::writeDouble(int code, double value, int) { return writeReals(code, value, 0, 0); }
Acad::ErrorStatus DxfMemoryFiler::writePoint2d(int code, const AcGePoint2d& v, int) {
  return writeReals(code, v.x, v.y, 0.0);
}
Acad::ErrorStatus DxfMemoryFiler::writePoint3d(int code, const AcGePoint3d& v, int) {
  return writeReals(code, v.x, v.y, v.z);
}
Acad::ErrorStatus DxfMemoryFiler::writeVector3d(int code, const AcGeVector3d& v, int) {
  return writeReals(code, v.x, v.y, v.z);
}

Acad::ErrorStatus DxfMemoryFiler::writeBinaryChunk(int code, const ads_binary& value) {
  if (rbValueType(code) != RbValueType::kBinary) return mStatus = Acad::eInvalidDxfCode;
  resbuf tmp{};
  tmp.restype = static_cast<short>(code);
  tmp.resval.rbinary = value;
  return push(single(tmp));
}

Acad::ErrorStatus DxfMemoryFiler::writeAcDbHandle(int code, const AcDbHandle& value) {
  ACHAR text[32];
  value.getIntoAsciiBuffer(text, 32);
  if (!rbHoldsString(code)) return mStatus = Acad::eInvalidDxfCode;
  resbuf* rb = acutNewRb(code);
  acutNewString(text, rb->resval.rstring);
  return push(rb);
}

}  // namespace vhost
