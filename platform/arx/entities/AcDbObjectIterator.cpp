#include "arx/entities/AcDbObjectIterator.h"

#include "arx/db/AcDbEntity.h"

VHOST_DEFINE_BUILTIN_ABSTRACT_CLASS(AcDbObjectIterator, AcRxObject)

AcDbObjectIterator::AcDbObjectIterator(const AcDbObjectIdArray& ids) : mIds(ids.begin(), ids.end()) {
  start();
}

AcDbObjectIterator::~AcDbObjectIterator() = default;

bool AcDbObjectIterator::done() const { return mPos < 0 || mPos >= static_cast<long long>(mIds.size()); }

void AcDbObjectIterator::skipErased(bool backwards) {
  while (!done() && (mIds[static_cast<size_t>(mPos)].isNull() || mIds[static_cast<size_t>(mPos)].isErased()))
    mPos += backwards ? -1 : 1;
}

void AcDbObjectIterator::start(bool atEnd) {
  mPos = atEnd ? static_cast<long long>(mIds.size()) - 1 : 0;
  skipErased(atEnd);
}

void AcDbObjectIterator::step(bool backwards, bool skipDeleted) {
  if (done()) return;
  mPos += backwards ? -1 : 1;
  if (skipDeleted) skipErased(backwards);
}

AcDbObjectId AcDbObjectIterator::objectId() const {
  return done() ? AcDbObjectId::kNull : mIds[static_cast<size_t>(mPos)];
}

AcDbEntity* AcDbObjectIterator::entity() const { return nullptr; }

bool AcDbObjectIterator::seek(AcDbObjectId id) {
  for (size_t i = 0; i < mIds.size(); ++i) {
    if (mIds[i] == id) {
      mPos = static_cast<long long>(i);
      return true;
    }
  }
  return false;
}

bool AcDbObjectIterator::seek(const AcDbEntity* entity) { return entity != nullptr && seek(entity->objectId()); }
