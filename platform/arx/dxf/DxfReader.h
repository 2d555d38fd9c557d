#pragma once
// Reads a DXF file (releases AC1009 through AC1032) into an empty database:
// header variables, classes, tables, blocks, entities and objects, with their
// handles, owners, reactors, extension dictionaries and extended data. Types
// we do not know become proxies that keep their groups. Any fault gives an
// error "<file>:<line>: <what>"; the database is then left partly filled and
// must be thrown away (callers read into a fresh one).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "arx/dxf/DxfDrawingData.h"
#include "arx/dxf/DxfScanner.h"

class AcDbDatabase;

namespace vhost {

class DxfReader {
 public:
  // fileName is used in messages only.
  explicit DxfReader(std::wstring fileName);
  ~DxfReader();
  DxfReader(const DxfReader&) = delete;
  DxfReader& operator=(const DxfReader&) = delete;

  // Checks and splits the bytes; false with error() on content that is not a
  // DXF file or not well formed. The buffer must outlive the reader.
  bool scan(const char* data, size_t size);
  // Builds the drawing into db, which must be empty (made without a default
  // drawing). False with error() on failure.
  bool build(AcDbDatabase* db);
  // Scan and build in one.
  bool read(const char* data, size_t size, AcDbDatabase* db) { return scan(data, size) && build(db); }

  const std::wstring& error() const { return mError; }
  // What was kept of the file beside the database (after a successful build).
  std::unique_ptr<DxfDrawingData> takeDrawingData();
  const std::vector<std::wstring>& warnings() const;
  size_t groupCount() const { return mRaw.size(); }

 private:
  class Impl;
  std::wstring mFileName;
  std::wstring mError;
  const char* mData = nullptr;
  size_t mSize = 0;
  std::vector<DxfRawGroup> mRaw;
  std::unique_ptr<Impl> mImpl;
};

}  // namespace vhost
