#pragma once
// The map from original to cloned ids that deep cloning and write-out build.
#include <map>

#include "arx/db/AcDb.h"
#include "arx/db/AcDbObjectId.h"

class AcDbIdPair {
 public:
  AcDbIdPair() = default;
  AcDbIdPair(const AcDbObjectId& key, const AcDbObjectId& value, bool isCloned, bool isPrimary = false,
             bool isOwnerXlated = true)
      : mKey(key), mValue(value), mCloned(isCloned), mPrimary(isPrimary), mOwnerXlated(isOwnerXlated) {}
  AcDbObjectId key() const { return mKey; }
  AcDbObjectId value() const { return mValue; }
  bool isCloned() const { return mCloned; }
  bool isPrimary() const { return mPrimary; }
  bool isOwnerXlated() const { return mOwnerXlated; }
  void setKey(const AcDbObjectId& id) { mKey = id; }
  void setValue(const AcDbObjectId& id) { mValue = id; }
  void setIsCloned(bool v) { mCloned = v; }
  void setIsPrimary(bool v) { mPrimary = v; }
  void setIsOwnerXlated(bool v) { mOwnerXlated = v; }

 private:
  AcDbObjectId mKey, mValue;
  bool mCloned = false, mPrimary = false, mOwnerXlated = true;
};

class AcDbIdMapping {
 public:
  AcDbIdMapping() = default;
  Acad::ErrorStatus assign(const AcDbIdPair& pair);
  // Fills in the value of the pair whose key is given; false when unmapped.
  bool compute(AcDbIdPair& pair) const;
  bool change(const AcDbIdPair& pair);
  bool del(const AcDbObjectId& key);
  int size() const { return static_cast<int>(mPairs.size()); }
  AcDbDatabase* destDb() const { return mDestDb; }
  AcDbDatabase* origDb() const { return mOrigDb; }
  void setDestDb(AcDbDatabase* db) { mDestDb = db; }
  void setOrigDb(AcDbDatabase* db) { mOrigDb = db; }
  AcDb::DeepCloneType deepCloneContext() const { return mContext; }
  void setDeepCloneContext(AcDb::DeepCloneType t) { mContext = t; }
  AcDb::DuplicateRecordCloning duplicateRecordCloning() const { return mDrc; }
  void setDuplicateRecordCloning(AcDb::DuplicateRecordCloning drc) { mDrc = drc; }
  const std::map<AcDbObjectId, AcDbIdPair>& pairs() const { return mPairs; }

 private:
  std::map<AcDbObjectId, AcDbIdPair> mPairs;
  AcDbDatabase* mDestDb = nullptr;
  AcDbDatabase* mOrigDb = nullptr;
  AcDb::DeepCloneType mContext = AcDb::kDcCopy;
  AcDb::DuplicateRecordCloning mDrc = AcDb::kDrcIgnore;
};

class AcDbIdMappingIter {
 public:
  explicit AcDbIdMappingIter(const AcDbIdMapping& map) : mMap(map), mIt(map.pairs().begin()) {}
  void start() { mIt = mMap.pairs().begin(); }
  bool getMap(AcDbIdPair& pair) const {
    if (done()) return false;
    pair = mIt->second;
    return true;
  }
  bool next() {
    if (!done()) ++mIt;
    return !done();
  }
  bool done() const { return mIt == mMap.pairs().end(); }

 private:
  const AcDbIdMapping& mMap;
  std::map<AcDbObjectId, AcDbIdPair>::const_iterator mIt;
};
