#pragma once
// Walks a list of objects owned by an entity (the attributes of a block
// reference). The list is taken when the iterator is made; objects erased
// since are skipped unless asked for. The caller deletes the iterator.
#include <vector>

#include "arx/db/AcDbObjectId.h"
#include "arx/db/AcRxClass.h"

class AcDbEntity;

class AcDbObjectIterator : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbObjectIterator);
  explicit AcDbObjectIterator(const AcDbObjectIdArray& ids = AcDbObjectIdArray());
  ~AcDbObjectIterator() override;

  bool done() const;
  void step(bool backwards = false, bool skipDeleted = true);
  void start(bool atEnd = false);
  // The current object's id (null when done).
  AcDbObjectId objectId() const;
  // The current entity when the list holds entities that are not in a
  // database; for database-resident objects null (open them by objectId()).
  AcDbEntity* entity() const;
  bool seek(AcDbObjectId id);
  bool seek(const AcDbEntity* entity);

 private:
  void skipErased(bool backwards);

  std::vector<AcDbObjectId> mIds;
  long long mPos = 0;
};
