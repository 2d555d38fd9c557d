#pragma once
// Object ids: the session-long identity of a database object. An id stays
// valid while its database lives, also while the object is erased. Ids order
// by creation, so ordered maps keyed by ids iterate in the order the objects
// were made.
#include <cstddef>
#include <functional>

#include "arx/base/AcArray.h"
#include "arx/base/AcDbHandle.h"
#include "arx/base/AcadErrorStatus.h"

class AcDbDatabase;
class AcDbObject;
namespace vhost {
struct Stub;
}

class AcDbObjectId {
 public:
  AcDbObjectId() = default;
  explicit AcDbObjectId(vhost::Stub* stub) : mStub(stub) {}

  static const AcDbObjectId kNull;

  bool isNull() const { return mStub == nullptr; }
  void setNull() { mStub = nullptr; }
  // Not null and its database still open.
  bool isValid() const;
  bool isErased() const;
  bool isEffectivelyErased() const { return isErased(); }
  bool objectLeftOnDisk() const { return false; }
  bool isResident() const;
  AcDbDatabase* database() const;
  AcDbDatabase* originalDatabase() const { return database(); }
  AcDbHandle handle() const;
  // The class of the object behind the id, or null.
  class AcRxClass* objectClass() const;

  bool operator==(const AcDbObjectId& o) const { return mStub == o.mStub; }
  bool operator!=(const AcDbObjectId& o) const { return mStub != o.mStub; }
  bool operator<(const AcDbObjectId& o) const;
  bool operator>(const AcDbObjectId& o) const { return o < *this; }
  bool operator<=(const AcDbObjectId& o) const { return !(o < *this); }
  bool operator>=(const AcDbObjectId& o) const { return !(*this < o); }

  // The creation serial (0 for the null id); used for ordering and hashing.
  unsigned long long serial() const;
  // The database's internal record of the object (platform use).
  vhost::Stub* stub() const { return mStub; }
  // The value the host's C-level entity names carry.
  long long asOldId() const { return reinterpret_cast<long long>(mStub); }
  AcDbObjectId& setFromOldId(long long oldId) {
    mStub = reinterpret_cast<vhost::Stub*>(oldId);
    return *this;
  }

 private:
  vhost::Stub* mStub = nullptr;
};

// Typed ids used by filers: they tell how an object refers to another one.
class AcDbHardOwnershipId : public AcDbObjectId {
 public:
  AcDbHardOwnershipId() = default;
  AcDbHardOwnershipId(const AcDbObjectId& id) : AcDbObjectId(id) {}
};
class AcDbSoftOwnershipId : public AcDbObjectId {
 public:
  AcDbSoftOwnershipId() = default;
  AcDbSoftOwnershipId(const AcDbObjectId& id) : AcDbObjectId(id) {}
};
class AcDbHardPointerId : public AcDbObjectId {
 public:
  AcDbHardPointerId() = default;
  AcDbHardPointerId(const AcDbObjectId& id) : AcDbObjectId(id) {}
};
class AcDbSoftPointerId : public AcDbObjectId {
 public:
  AcDbSoftPointerId() = default;
  AcDbSoftPointerId(const AcDbObjectId& id) : AcDbObjectId(id) {}
};

using AcDbObjectIdArray = AcArray<AcDbObjectId>;

namespace std {
template <>
struct hash<AcDbObjectId> {
  size_t operator()(const AcDbObjectId& id) const noexcept { return std::hash<const void*>()(id.stub()); }
};
}  // namespace std

// The host's C-level entity names and object ids.
#include "arx/base/AdsTypes.h"
Acad::ErrorStatus acdbGetAdsName(ads_name& name, AcDbObjectId id);
Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name name);
