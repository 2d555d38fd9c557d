#pragma once
// Writes a database as a DXF file of release AC1024: HEADER, CLASSES, TABLES,
// BLOCKS, ENTITIES, OBJECTS and the sections kept from reading. Objects file
// their own groups; the writer adds what surrounds them (section and table
// structure, BLOCK/ENDBLK, SEQEND, extended data).
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "arx/db/AcDbObjectId.h"

class AcDbDatabase;
class AcDbObject;

namespace vhost {

class DxfOutFiler;
struct DxfDrawingData;

class DxfWriter {
 public:
  explicit DxfWriter(AcDbDatabase* db, int precision = 16);
  // The whole file into out. False with error() when an object cannot file
  // itself.
  bool write(std::string& out);
  const std::wstring& error() const { return mError; }
  // The DXF name an object is written under.
  static std::wstring dxfNameOf(const AcDbObject* obj);

 private:
  struct ClassUse {
    std::wstring className, appName;
    int proxyFlags = 0;
    int count = 0;
    bool wasProxy = false;
    bool isEntity = false;
  };

  std::uint64_t newHandle() { return mNextHandle++; }
  bool writeObject(DxfOutFiler& f, AcDbObject* obj, const std::wstring& dxfName, const wchar_t* tableName = nullptr);
  bool writeEntity(DxfOutFiler& f, AcDbObjectId id);
  bool writeTables(DxfOutFiler& f);
  bool writeTable(DxfOutFiler& f, const wchar_t* name, AcDbObjectId tableId);
  bool writeRawTable(DxfOutFiler& f, const wchar_t* name, AcDbObjectId tableId = AcDbObjectId());
  bool writeBlocks(DxfOutFiler& f);
  bool writeEntities(DxfOutFiler& f);
  bool writeObjects(DxfOutFiler& f);
  void writeHeader(DxfOutFiler& f);
  void writeClasses(DxfOutFiler& f);
  void countClass(const AcDbObject* obj, const std::wstring& dxfName);
  bool fail(const std::wstring& what);

  AcDbDatabase* mDb;
  int mPrecision;
  const DxfDrawingData* mData;
  std::uint64_t mNextHandle = 0;
  std::map<std::wstring, ClassUse> mClasses;
  std::wstring mError;
};

}  // namespace vhost
