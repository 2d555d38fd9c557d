#include "arx/db/AcDbIdMapping.h"

Acad::ErrorStatus AcDbIdMapping::assign(const AcDbIdPair& pair) {
  if (pair.key().isNull()) return Acad::eNullObjectId;
  mPairs[pair.key()] = pair;
  return Acad::eOk;
}

bool AcDbIdMapping::compute(AcDbIdPair& pair) const {
  auto it = mPairs.find(pair.key());
  if (it == mPairs.end()) return false;
  pair = it->second;
  return true;
}

bool AcDbIdMapping::change(const AcDbIdPair& pair) {
  auto it = mPairs.find(pair.key());
  if (it == mPairs.end()) return false;
  it->second = pair;
  return true;
}

bool AcDbIdMapping::del(const AcDbObjectId& key) { return mPairs.erase(key) > 0; }
