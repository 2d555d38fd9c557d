#pragma once
// Opening and saving drawings as DXF files. Reading goes into a new database
// that is handed over only when the whole file was read; saving writes a
// temporary file beside the target, flushes it to disk and renames it over
// the target, so that a failed save leaves the old file as it was.
#include <string>
#include <vector>

class AcDbDatabase;

namespace vhost {

class DrawingFileIo;

// Reads the drawing at path into a new database (owned by the caller). A
// path naming ".dwg" that does not exist is read from its ".dxf" twin. On
// failure db stays null and error says why ("<file>:<line>: <what>").
bool readDxfFile(const std::wstring& path, AcDbDatabase*& db, std::wstring& error,
                 std::vector<std::wstring>* warnings = nullptr);

// Writes db to path (AC1024). withBackup keeps the previous file as
// "<name>.bak" (the extension replaced).
bool saveDxfFile(AcDbDatabase* db, const std::wstring& path, bool withBackup, std::wstring& error,
                 int precision = 16);

// The file actually read for a path: the path itself, or the ".dxf" twin of
// a missing ".dwg".
std::wstring dxfResolveReadPath(const std::wstring& path);
// The backup name of a file: the extension replaced by ".bak".
std::wstring dxfBackupPath(const std::wstring& path);

// The bytes of a file, mapped into memory (read whole for files that cannot
// be mapped).
class DxfFileBytes {
 public:
  DxfFileBytes() = default;
  ~DxfFileBytes();
  DxfFileBytes(const DxfFileBytes&) = delete;
  DxfFileBytes& operator=(const DxfFileBytes&) = delete;
  // False with a message naming the file on failure.
  bool open(const std::wstring& path, std::wstring& error);
  const char* data() const { return mMapped ? mMapped : mCopy.data(); }
  size_t size() const { return mMapped ? mMappedSize : mCopy.size(); }

 private:
  const char* mMapped = nullptr;
  size_t mMappedSize = 0;
  std::string mCopy;
};

// Reads a whole file into bytes; false with a message on failure.
bool dxfReadFileBytes(const std::wstring& path, std::string& bytes, std::wstring& error);
// Replaces the file at path with bytes atomically (temporary file, flush,
// rename); with withBackup the old file is kept as its backup.
bool dxfWriteFileAtomically(const std::wstring& path, const std::string& bytes, bool withBackup, std::wstring& error);

// The message of the last failed drawing-file operation of this thread (""
// after a success), for the calls that return only a status.
const std::wstring& lastFileError();
void setLastFileError(const std::wstring& message);

// The reader/writer the document manager opens and saves drawings through
// (register it with setDrawingFileIo).
DrawingFileIo* dxfDrawingFileIo();

}  // namespace vhost
