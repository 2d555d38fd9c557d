#include "arx/db/AcDbObjectId.h"

#include <atomic>

#include "arx/db/AcDbObject.h"
#include "arx/db/VhostStub.h"

const AcDbObjectId AcDbObjectId::kNull;

std::uint64_t vhost::nextSerial() {
  static std::atomic<std::uint64_t> counter{0};
  return ++counter;
}

bool AcDbObjectId::isValid() const { return mStub != nullptr && mStub->database != nullptr; }

bool AcDbObjectId::isErased() const { return mStub != nullptr && mStub->erased(); }

bool AcDbObjectId::isResident() const { return mStub != nullptr && mStub->object != nullptr; }

AcDbDatabase* AcDbObjectId::database() const { return mStub ? mStub->database : nullptr; }

AcDbHandle AcDbObjectId::handle() const { return mStub ? AcDbHandle(mStub->handle) : AcDbHandle(); }

AcRxClass* AcDbObjectId::objectClass() const {
  return (mStub && mStub->object) ? mStub->object->isA() : nullptr;
}

unsigned long long AcDbObjectId::serial() const { return mStub ? mStub->serial : 0; }

bool AcDbObjectId::operator<(const AcDbObjectId& o) const { return serial() < o.serial(); }

Acad::ErrorStatus acdbGetAdsName(ads_name& name, AcDbObjectId id) {
  if (id.isNull()) return Acad::eNullObjectId;
  name[0] = id.asOldId();
  name[1] = 0;
  return Acad::eOk;
}

Acad::ErrorStatus acdbGetObjectId(AcDbObjectId& id, const ads_name name) {
  id.setFromOldId(name[0]);
  return id.isNull() ? Acad::eNullObjectId : Acad::eOk;
}
