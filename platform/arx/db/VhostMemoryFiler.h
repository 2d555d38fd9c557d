#pragma once
// An in-memory binary filer: objects file out into it and back in from it.
// Copying, cloning and undo-style snapshots use it; it also lists the ids an
// object refers to, by kind, which is how owned objects are found.
#include <string>
#include <vector>

#include "arx/db/AcDbDwgFiler.h"

namespace vhost {

class MemoryDwgFiler : public AcDbDwgFiler {
 public:
  enum class IdKind : unsigned char { kHardOwnership, kSoftOwnership, kHardPointer, kSoftPointer };
  struct IdRef {
    size_t item;  // index of the item holding the id
    IdKind kind;
  };

  explicit MemoryDwgFiler(AcDb::FilerType type = AcDb::kCopyFiler, AcDbDatabase* db = nullptr)
      : mType(type), mDatabase(db) {}

  Acad::ErrorStatus filerStatus() const override { return mStatus; }
  AcDb::FilerType filerType() const override { return mType; }
  void setFilerType(AcDb::FilerType type) { mType = type; }
  void setFilerStatus(Acad::ErrorStatus es) override { mStatus = es; }
  void resetFilerStatus() override { mStatus = Acad::eOk; }

  // Back to the first item for reading.
  void rewind() { mPos = 0; }
  void clear() {
    mItems.clear();
    mIds.clear();
    mPos = 0;
  }
  bool atEnd() const { return mPos >= mItems.size(); }
  // Every id written, with its kind, in order.
  const std::vector<IdRef>& idRefs() const { return mIds; }
  AcDbObjectId idAt(const IdRef& ref) const { return mItems[ref.item].id; }
  void setIdAt(const IdRef& ref, AcDbObjectId id) { mItems[ref.item].id = id; }
  // Ids of the objects the filed object owns.
  AcDbObjectIdArray ownedIds() const;

  Acad::ErrorStatus readHardOwnershipId(AcDbHardOwnershipId* id) override;
  Acad::ErrorStatus writeHardOwnershipId(const AcDbHardOwnershipId& id) override;
  Acad::ErrorStatus readSoftOwnershipId(AcDbSoftOwnershipId* id) override;
  Acad::ErrorStatus writeSoftOwnershipId(const AcDbSoftOwnershipId& id) override;
  Acad::ErrorStatus readHardPointerId(AcDbHardPointerId* id) override;
  Acad::ErrorStatus writeHardPointerId(const AcDbHardPointerId& id) override;
  Acad::ErrorStatus readSoftPointerId(AcDbSoftPointerId* id) override;
  Acad::ErrorStatus writeSoftPointerId(const AcDbSoftPointerId& id) override;
  Acad::ErrorStatus readString(ACHAR** value) override;
  Acad::ErrorStatus writeString(const ACHAR* value) override;
  Acad::ErrorStatus readString(std::wstring& value) override;
  Acad::ErrorStatus writeString(const std::wstring& value) override;
  Acad::ErrorStatus readBChunk(ads_binary* value) override;
  Acad::ErrorStatus writeBChunk(const ads_binary& value) override;
  Acad::ErrorStatus readBytes(void* buffer, Adesk::UIntPtr size) override;
  Acad::ErrorStatus writeBytes(const void* buffer, Adesk::UIntPtr size) override;
  Acad::ErrorStatus readAcDbHandle(AcDbHandle* value) override;
  Acad::ErrorStatus writeAcDbHandle(const AcDbHandle& value) override;
  Acad::ErrorStatus readInt64(Adesk::Int64* value) override;
  Acad::ErrorStatus writeInt64(Adesk::Int64 value) override;
  Acad::ErrorStatus readInt32(Adesk::Int32* value) override;
  Acad::ErrorStatus writeInt32(Adesk::Int32 value) override;
  Acad::ErrorStatus readInt16(Adesk::Int16* value) override;
  Acad::ErrorStatus writeInt16(Adesk::Int16 value) override;
  Acad::ErrorStatus readInt8(Adesk::Int8* value) override;
  Acad::ErrorStatus writeInt8(Adesk::Int8 value) override;
  Acad::ErrorStatus readUInt64(Adesk::UInt64* value) override;
  Acad::ErrorStatus writeUInt64(Adesk::UInt64 value) override;
  Acad::ErrorStatus readUInt32(Adesk::UInt32* value) override;
  Acad::ErrorStatus writeUInt32(Adesk::UInt32 value) override;
  Acad::ErrorStatus readUInt16(Adesk::UInt16* value) override;
  Acad::ErrorStatus writeUInt16(Adesk::UInt16 value) override;
  Acad::ErrorStatus readUInt8(Adesk::UInt8* value) override;
  Acad::ErrorStatus writeUInt8(Adesk::UInt8 value) override;
  Acad::ErrorStatus readBoolean(Adesk::Boolean* value) override;
  Acad::ErrorStatus writeBoolean(Adesk::Boolean value) override;
  Acad::ErrorStatus readDouble(double* value) override;
  Acad::ErrorStatus writeDouble(double value) override;
  Acad::ErrorStatus readPoint2d(AcGePoint2d* value) override;
  Acad::ErrorStatus writePoint2d(const AcGePoint2d& value) override;
  Acad::ErrorStatus readPoint3d(AcGePoint3d* value) override;
  Acad::ErrorStatus writePoint3d(const AcGePoint3d& value) override;
  Acad::ErrorStatus readVector2d(AcGeVector2d* value) override;
  Acad::ErrorStatus writeVector2d(const AcGeVector2d& value) override;
  Acad::ErrorStatus readVector3d(AcGeVector3d* value) override;
  Acad::ErrorStatus writeVector3d(const AcGeVector3d& value) override;

 private:
  enum class Kind : unsigned char { kId, kString, kBytes, kInt, kUInt, kReal, kReal2, kReal3 };
  struct Item {
    Kind kind;
    unsigned char width = 0;  // bytes of an integer item
    AcDbObjectId id;
    Adesk::Int64 integer = 0;
    double real[3] = {0, 0, 0};
    std::wstring text;
    std::vector<char> bytes;
  };
  Item& push(Kind kind);
  // The next item when it is of the kind; otherwise the filer fails.
  const Item* next(Kind kind);
  Acad::ErrorStatus writeId(const AcDbObjectId& id, IdKind kind);
  Acad::ErrorStatus readId(AcDbObjectId* id, IdKind kind);
  Acad::ErrorStatus writeInteger(Adesk::Int64 v, unsigned char width, bool isSigned);
  template <class T>
  Acad::ErrorStatus readInteger(T* v, unsigned char width, bool isSigned);

  std::vector<Item> mItems;
  std::vector<IdRef> mIds;
  size_t mPos = 0;
  AcDb::FilerType mType;
  AcDbDatabase* mDatabase;
  Acad::ErrorStatus mStatus = Acad::eOk;
};

}  // namespace vhost
