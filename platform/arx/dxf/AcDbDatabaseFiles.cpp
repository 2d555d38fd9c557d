// The drawing-file members of AcDbDatabase: reading and writing DXF.
#include <string>

#include "arx/db/AcDbDatabase.h"
#include "arx/dxf/DxfFileIo.h"
#include "arx/dxf/DxfReader.h"
#include "arx/dxf/DxfWriter.h"

namespace {

Acad::ErrorStatus failed(const std::wstring& message, Acad::ErrorStatus es) {
  vhost::setLastFileError(message);
  return es;
}

}  // namespace

Acad::ErrorStatus AcDbDatabase::readDwgFile(const ACHAR* fileName, int, bool, const wchar_t*) {
  if (fileName == nullptr || *fileName == 0) return failed(L"no file name given", Acad::eInvalidInput);
  if (!mStubs.empty())
    return failed(std::wstring(fileName) + L": the database must be empty to read a drawing into it", Acad::eInvalidInput);
  const std::wstring path = vhost::dxfResolveReadPath(fileName);
  vhost::DxfFileBytes bytes;
  std::wstring error;
  if (!bytes.open(path, error)) return failed(error, Acad::eFileNotFound);
  vhost::DxfReader reader(path);
  if (!reader.scan(bytes.data(), bytes.size())) return failed(reader.error(), Acad::eBadDxfFile);
  {
    // A trial into a scratch database, so that a bad file changes nothing here.
    AcDbDatabase trial(false, true);
    if (!reader.build(&trial)) return failed(reader.error(), Acad::eBadDxfFile);
  }
  if (!reader.build(this)) return failed(reader.error(), Acad::eBadDxfFile);
  vhost::dxfSetDrawingData(this, reader.takeDrawingData());
  setFilename(path);
  vhost::setLastFileError(L"");
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::dxfIn(const ACHAR* dxfFileName, const ACHAR*) { return readDwgFile(dxfFileName); }

Acad::ErrorStatus AcDbDatabase::dxfOut(const ACHAR* fileName, int precision, AcDb::DwgVersion version, bool) {
  if (fileName == nullptr || *fileName == 0) return failed(L"no file name given", Acad::eInvalidInput);
  if (version != AcDb::kDHL_CURRENT && version != AcDb::kDHL_1024)
    return failed(std::wstring(fileName) + L": only release AC1024 is written", Acad::eInvalidDwgVersion);
  if (precision < 0 || precision > 16) return failed(L"precision must be 0 to 16", Acad::eInvalidInput);
  std::wstring error;
  if (!vhost::saveDxfFile(this, fileName, false, error, precision == 0 ? 16 : precision))
    return failed(error, Acad::eFileAccessErr);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::saveAs(const ACHAR* fileName, const SecurityParams*) { return saveAs(fileName, false); }

Acad::ErrorStatus AcDbDatabase::saveAs(const ACHAR* fileName, bool withBackup) {
  if (fileName == nullptr || *fileName == 0) return failed(L"no file name given", Acad::eInvalidInput);
  std::wstring error;
  if (!vhost::saveDxfFile(this, fileName, withBackup, error)) return failed(error, Acad::eFileAccessErr);
  setFilename(fileName);
  setDbmod(0);
  return Acad::eOk;
}
