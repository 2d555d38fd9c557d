#include "arx/db/VhostMemoryFiler.h"

#include <cstring>

#include "arx/base/Resbuf.h"

namespace vhost {

AcDbObjectIdArray MemoryDwgFiler::ownedIds() const {
  AcDbObjectIdArray out;
  for (const IdRef& ref : mIds) {
    if (ref.kind != IdKind::kHardOwnership && ref.kind != IdKind::kSoftOwnership) continue;
    AcDbObjectId id = mItems[ref.item].id;
    if (!id.isNull() && !out.contains(id)) out.append(id);
  }
  return out;
}

MemoryDwgFiler::Item& MemoryDwgFiler::push(Kind kind) {
  mItems.emplace_back();
  mItems.back().kind = kind;
  return mItems.back();
}

const MemoryDwgFiler::Item* MemoryDwgFiler::next(Kind kind) {
  if (mStatus != Acad::eOk) return nullptr;
  if (mPos >= mItems.size()) {
    mStatus = Acad::eEndOfFile;
    return nullptr;
  }
  const Item& item = mItems[mPos];
  if (item.kind != kind) {
    mStatus = Acad::eFilerError;
    return nullptr;
  }
  ++mPos;
  return &item;
}

Acad::ErrorStatus MemoryDwgFiler::writeId(const AcDbObjectId& id, IdKind kind) {
  Item& item = push(Kind::kId);
  item.id = id;
  mIds.push_back({mItems.size() - 1, kind});
  return Acad::eOk;
}

Acad::ErrorStatus MemoryDwgFiler::readId(AcDbObjectId* id, IdKind) {
  const Item* item = next(Kind::kId);
  if (item == nullptr) return mStatus;
  if (id) *id = item->id;
  return Acad::eOk;
}

Acad::ErrorStatus MemoryDwgFiler::readHardOwnershipId(AcDbHardOwnershipId* id) {
  return readId(id, IdKind::kHardOwnership);
}
Acad::ErrorStatus MemoryDwgFiler::writeHardOwnershipId(const AcDbHardOwnershipId& id) {
  return writeId(id, IdKind::kHardOwnership);
}
Acad::ErrorStatus MemoryDwgFiler::readSoftOwnershipId(AcDbSoftOwnershipId* id) {
  return readId(id, IdKind::kSoftOwnership);
}
Acad::ErrorStatus MemoryDwgFiler::writeSoftOwnershipId(const AcDbSoftOwnershipId& id) {
  return writeId(id, IdKind::kSoftOwnership);
}
Acad::ErrorStatus MemoryDwgFiler::readHardPointerId(AcDbHardPointerId* id) { return readId(id, IdKind::kHardPointer); }
Acad::ErrorStatus MemoryDwgFiler::writeHardPointerId(const AcDbHardPointerId& id) {
  return writeId(id, IdKind::kHardPointer);
}
Acad::ErrorStatus MemoryDwgFiler::readSoftPointerId(AcDbSoftPointerId* id) { return readId(id, IdKind::kSoftPointer); }
Acad::ErrorStatus MemoryDwgFiler::writeSoftPointerId(const AcDbSoftPointerId& id) {
  return writeId(id, IdKind::kSoftPointer);
}

Acad::ErrorStatus MemoryDwgFiler::readString(ACHAR** value) {
  const Item* item = next(Kind::kString);
  if (item == nullptr) return mStatus;
  if (value) {
    *value = new ACHAR[item->text.size() + 1];
    std::memcpy(*value, item->text.c_str(), (item->text.size() + 1) * sizeof(ACHAR));
  }
  return Acad::eOk;
}
Acad::ErrorStatus MemoryDwgFiler::writeString(const ACHAR* value) {
  push(Kind::kString).text = value ? value : L"";
  return Acad::eOk;
}
Acad::ErrorStatus MemoryDwgFiler::readString(std::wstring& value) {
  const Item* item = next(Kind::kString);
  if (item == nullptr) return mStatus;
  value = item->text;
  return Acad::eOk;
}
Acad::ErrorStatus MemoryDwgFiler::writeString(const std::wstring& value) {
  push(Kind::kString).text = value;
  return Acad::eOk;
}

Acad::ErrorStatus MemoryDwgFiler::readBChunk(ads_binary* value) {
  const Item* item = next(Kind::kBytes);
  if (item == nullptr) return mStatus;
  if (value) {
    value->clen = static_cast<short>(item->bytes.size());
    value->buf = new char[item->bytes.size() + 1];
    std::memcpy(value->buf, item->bytes.data(), item->bytes.size());
  }
  return Acad::eOk;
}
Acad::ErrorStatus MemoryDwgFiler::writeBChunk(const ads_binary& value) {
  if (value.clen < 0 || (value.clen > 0 && value.buf == nullptr)) return mStatus = Acad::eInvalidInput;
  push(Kind::kBytes).bytes.assign(value.buf, value.buf + value.clen);
  return Acad::eOk;
}
Acad::ErrorStatus MemoryDwgFiler::readBytes(void* buffer, Adesk::UIntPtr size) {
  const Item* item = next(Kind::kBytes);
  if (item == nullptr) return mStatus;
  if (item->bytes.size() != size) return mStatus = Acad::eFilerError;
  if (size) std::memcpy(buffer, item->bytes.data(), size);
  return Acad::eOk;
}
Acad::ErrorStatus MemoryDwgFiler::writeBytes(const void* buffer, Adesk::UIntPtr size) {
  const char* p = static_cast<const char*>(buffer);
  push(Kind::kBytes).bytes.assign(p, p + size);
  return Acad::eOk;
}

Acad::ErrorStatus MemoryDwgFiler::readAcDbHandle(AcDbHandle* value) {
  Adesk::UInt64 v = 0;
  Acad::ErrorStatus es = readInteger(&v, 9, false);
  if (es == Acad::eOk && value) *value = AcDbHandle(v);
  return es;
}
Acad::ErrorStatus MemoryDwgFiler::writeAcDbHandle(const AcDbHandle& value) {
  return writeInteger(static_cast<Adesk::Int64>(static_cast<Adesk::UInt64>(value)), 9, false);
}

Acad::ErrorStatus MemoryDwgFiler::writeInteger(Adesk::Int64 v, unsigned char width, bool isSigned) {
  Item& item = push(isSigned ? Kind::kInt : Kind::kUInt);
  item.width = width;
  item.integer = v;
  return Acad::eOk;
}

template <class T>
Acad::ErrorStatus MemoryDwgFiler::readInteger(T* v, unsigned char width, bool isSigned) {
  const Item* item = next(isSigned ? Kind::kInt : Kind::kUInt);
  if (item == nullptr) return mStatus;
  if (item->width != width) return mStatus = Acad::eFilerError;
  if (v) *v = static_cast<T>(item->integer);
  return Acad::eOk;
}

Acad::ErrorStatus MemoryDwgFiler::readInt64(Adesk::Int64* v) { return readInteger(v, 8, true); }
Acad::ErrorStatus MemoryDwgFiler::writeInt64(Adesk::Int64 v) { return writeInteger(v, 8, true); }
Acad::ErrorStatus MemoryDwgFiler::readInt32(Adesk::Int32* v) { return readInteger(v, 4, true); }
Acad::ErrorStatus MemoryDwgFiler::writeInt32(Adesk::Int32 v) { return writeInteger(v, 4, true); }
Acad::ErrorStatus MemoryDwgFiler::readInt16(Adesk::Int16* v) { return readInteger(v, 2, true); }
Acad::ErrorStatus MemoryDwgFiler::writeInt16(Adesk::Int16 v) { return writeInteger(v, 2, true); }
Acad::ErrorStatus MemoryDwgFiler::readInt8(Adesk::Int8* v) { return readInteger(v, 1, true); }
Acad::ErrorStatus MemoryDwgFiler::writeInt8(Adesk::Int8 v) { return writeInteger(v, 1, true); }
Acad::ErrorStatus MemoryDwgFiler::readUInt64(Adesk::UInt64* v) { return readInteger(v, 8, false); }
Acad::ErrorStatus MemoryDwgFiler::writeUInt64(Adesk::UInt64 v) {
  return writeInteger(static_cast<Adesk::Int64>(v), 8, false);
}
Acad::ErrorStatus MemoryDwgFiler::readUInt32(Adesk::UInt32* v) { return readInteger(v, 4, false); }
Acad::ErrorStatus MemoryDwgFiler::writeUInt32(Adesk::UInt32 v) { return writeInteger(v, 4, false); }
Acad::ErrorStatus MemoryDwgFiler::readUInt16(Adesk::UInt16* v) { return readInteger(v, 2, false); }
Acad::ErrorStatus MemoryDwgFiler::writeUInt16(Adesk::UInt16 v) { return writeInteger(v, 2, false); }
Acad::ErrorStatus MemoryDwgFiler::readUInt8(Adesk::UInt8* v) { return readInteger(v, 1, false); }
Acad::ErrorStatus MemoryDwgFiler::writeUInt8(Adesk::UInt8 v) { return writeInteger(v, 1, false); }
Acad::ErrorStatus MemoryDwgFiler::readBoolean(Adesk::Boolean* v) {
  Adesk::UInt8 b = 0;
  Acad::ErrorStatus es = readInteger(&b, 0, false);
  if (es == Acad::eOk && v) *v = b != 0;
  return es;
}
Acad::ErrorStatus MemoryDwgFiler::writeBoolean(Adesk::Boolean v) { return writeInteger(v ? 1 : 0, 0, false); }

Acad::ErrorStatus MemoryDwgFiler::readDouble(double* v) {
  const Item* item = next(Kind::kReal);
  if (item == nullptr) return mStatus;
  if (v) *v = item->real[0];
  return Acad::eOk;
}
Acad::ErrorStatus MemoryDwgFiler::writeDouble(double v) {
  push(Kind::kReal).real[0] = v;
  return Acad::eOk;
}
Acad::ErrorStatus MemoryDwgFiler::readPoint2d(AcGePoint2d* v) {
  const Item* item = next(Kind::kReal2);
  if (item == nullptr) return mStatus;
  if (v) v->set(item->real[0], item->real[1]);
  return Acad::eOk;
}
Acad::ErrorStatus MemoryDwgFiler::writePoint2d(const AcGePoint2d& v) {
  Item& item = push(Kind::kReal2);
  item.real[0] = v.x;
  item.real[1] = v.y;
  return Acad::eOk;
}
Acad::ErrorStatus MemoryDwgFiler::readPoint3d(AcGePoint3d* v) {
  const Item* item = next(Kind::kReal3);
  if (item == nullptr) return mStatus;
  if (v) v->set(item->real[0], item->real[1], item->real[2]);
  return Acad::eOk;
}
Acad::ErrorStatus MemoryDwgFiler::writePoint3d(const AcGePoint3d& v) {
  Item& item = push(Kind::kReal3);
  item.real[0] = v.x;
  item.real[1] = v.y;
  item.real[2] = v.z;
  return Acad::eOk;
}
Acad::ErrorStatus MemoryDwgFiler::readVector2d(AcGeVector2d* v) {
  const Item* item = next(Kind::kReal2);
  if (item == nullptr) return mStatus;
  if (v) v->set(item->real[0], item->real[1]);
  return Acad::eOk;
}
Acad::ErrorStatus MemoryDwgFiler::writeVector2d(const AcGeVector2d& v) {
  Item& item = push(Kind::kReal2);
  item.real[0] = v.x;
  item.real[1] = v.y;
  return Acad::eOk;
}
Acad::ErrorStatus MemoryDwgFiler::readVector3d(AcGeVector3d* v) {
  const Item* item = next(Kind::kReal3);
  if (item == nullptr) return mStatus;
  if (v) v->set(item->real[0], item->real[1], item->real[2]);
  return Acad::eOk;
}
Acad::ErrorStatus MemoryDwgFiler::writeVector3d(const AcGeVector3d& v) {
  Item& item = push(Kind::kReal3);
  item.real[0] = v.x;
  item.real[1] = v.y;
  item.real[2] = v.z;
  return Acad::eOk;
}

}  // namespace vhost
