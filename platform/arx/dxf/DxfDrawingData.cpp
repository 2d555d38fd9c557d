#include "arx/dxf/DxfDrawingData.h"

#include <mutex>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbObjectReactor.h"

namespace vhost {

namespace {

// Forgets a database's data when the database goes.
class DataKeeper : public AcDbDatabaseReactor {
 public:
  void goodbye(const AcDbDatabase* db) override {
    std::lock_guard<std::mutex> lock(mMutex);
    mData.erase(db);
  }
  std::mutex mMutex;
  std::unordered_map<const AcDbDatabase*, std::unique_ptr<DxfDrawingData>> mData;
};

DataKeeper& keeper() {
  static DataKeeper* k = new DataKeeper();  // outlives every database
  return *k;
}

}  // namespace

const DxfClassEntry* DxfDrawingData::classByDxfName(const std::wstring& dxfName) const {
  for (const DxfClassEntry& c : classes)
    if (c.dxfName == dxfName) return &c;
  return nullptr;
}

DxfDrawingData* dxfDrawingData(const AcDbDatabase* db) {
  DataKeeper& k = keeper();
  std::lock_guard<std::mutex> lock(k.mMutex);
  auto it = k.mData.find(db);
  return it == k.mData.end() ? nullptr : it->second.get();
}

DxfDrawingData& dxfDrawingDataFor(AcDbDatabase* db) {
  if (DxfDrawingData* d = dxfDrawingData(db)) return *d;
  dxfSetDrawingData(db, std::make_unique<DxfDrawingData>());
  return *dxfDrawingData(db);
}

void dxfSetDrawingData(AcDbDatabase* db, std::unique_ptr<DxfDrawingData> data) {
  DataKeeper& k = keeper();
  {
    std::lock_guard<std::mutex> lock(k.mMutex);
    k.mData[db] = std::move(data);
  }
  db->addReactor(&k);
}

}  // namespace vhost
