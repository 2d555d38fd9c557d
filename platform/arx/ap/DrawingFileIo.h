#pragma once
// Reading and writing drawing files. The document manager opens and saves
// drawings through the one registered reader/writer; the drawing-file
// component registers itself here. Without one, opening and saving fail with
// a message saying so.
#include <string>

class AcDbDatabase;

namespace vhost {

class DrawingFileIo {
 public:
  virtual ~DrawingFileIo() = default;
  // Reads the drawing at path into a new database (db, owned by the caller).
  // On failure db stays null and error says why (file, line, what).
  virtual bool read(const std::wstring& path, AcDbDatabase*& db, std::wstring& error) = 0;
  // Writes db to path; the file is replaced only when the whole drawing was
  // written. withBackup keeps the old file as a backup beside it.
  virtual bool save(AcDbDatabase* db, const std::wstring& path, bool withBackup, std::wstring& error) = 0;
};

// The registered reader/writer, or null.
DrawingFileIo* drawingFileIo();
// Registers io (not owned; null removes it) and returns the previous one.
DrawingFileIo* setDrawingFileIo(DrawingFileIo* io);

// Reads or saves through the registered reader/writer, with a clear error
// when none is registered or the arguments are unusable.
bool readDrawingFile(const std::wstring& path, AcDbDatabase*& db, std::wstring& error);
bool saveDrawingFile(AcDbDatabase* db, const std::wstring& path, bool withBackup, std::wstring& error);

}  // namespace vhost
