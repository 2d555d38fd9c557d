#include "arx/ap/DrawingFileIo.h"

#include "arx/db/AcDbDatabase.h"

namespace vhost {

namespace {
DrawingFileIo*& registered() {
  static DrawingFileIo* io = nullptr;
  return io;
}
}  // namespace

DrawingFileIo* drawingFileIo() { return registered(); }

DrawingFileIo* setDrawingFileIo(DrawingFileIo* io) {
  DrawingFileIo* old = registered();
  registered() = io;
  return old;
}

bool readDrawingFile(const std::wstring& path, AcDbDatabase*& db, std::wstring& error) {
  db = nullptr;
  if (path.empty()) {
    error = L"no drawing file was named";
    return false;
  }
  if (registered() == nullptr) {
    error = L"cannot open drawing \"" + path + L"\": drawing files are not available yet (no drawing reader is installed)";
    return false;
  }
  std::wstring why;
  if (!registered()->read(path, db, why) || db == nullptr) {
    delete db;
    db = nullptr;
    error = why.empty() ? L"cannot open drawing \"" + path + L"\"" : why;
    return false;
  }
  return true;
}

bool saveDrawingFile(AcDbDatabase* db, const std::wstring& path, bool withBackup, std::wstring& error) {
  if (db == nullptr) {
    error = L"no drawing to save";
    return false;
  }
  if (path.empty()) {
    error = L"no file name to save the drawing to";
    return false;
  }
  if (registered() == nullptr) {
    error = L"cannot save drawing to \"" + path + L"\": drawing files are not available yet (no drawing writer is installed)";
    return false;
  }
  std::wstring why;
  if (!registered()->save(db, path, withBackup, why)) {
    error = why.empty() ? L"cannot save drawing to \"" + path + L"\"" : why;
    return false;
  }
  return true;
}

}  // namespace vhost
