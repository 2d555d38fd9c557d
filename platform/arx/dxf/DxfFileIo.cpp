#include "arx/dxf/DxfFileIo.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <memory>

#include "arx/ap/DrawingFileIo.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/dxf/DxfReader.h"
#include "arx/dxf/DxfTextCodec.h"
#include "arx/dxf/DxfWriter.h"

namespace vhost {

namespace {

std::string nativePath(const std::wstring& path) {
  std::string out;
  dxfEncodeUtf8(path.c_str(), out);
  return out;
}

std::wstring systemError(int err) {
  std::wstring out;
  for (const char* p = std::strerror(err); *p; ++p) out.push_back(static_cast<unsigned char>(*p));
  return out;
}

bool exists(const std::wstring& path) {
  struct stat st;
  return ::stat(nativePath(path).c_str(), &st) == 0;
}

bool endsWithNoCase(const std::wstring& s, const wchar_t* suffix) {
  const size_t n = std::wcslen(suffix);
  if (s.size() < n) return false;
  for (size_t i = 0; i < n; ++i)
    if (std::towlower(s[s.size() - n + i]) != std::towlower(suffix[i])) return false;
  return true;
}

thread_local std::wstring tLastError;

class DxfIo : public DrawingFileIo {
 public:
  bool read(const std::wstring& path, AcDbDatabase*& db, std::wstring& error) override {
    return readDxfFile(path, db, error);
  }
  bool save(AcDbDatabase* db, const std::wstring& path, bool withBackup, std::wstring& error) override {
    return saveDxfFile(db, path, withBackup, error);
  }
};

}  // namespace

const std::wstring& lastFileError() { return tLastError; }
void setLastFileError(const std::wstring& message) { tLastError = message; }

std::wstring dxfResolveReadPath(const std::wstring& path) {
  if (exists(path) || !endsWithNoCase(path, L".dwg")) return path;
  const std::wstring stem = path.substr(0, path.size() - 4);
  for (const wchar_t* ext : {L".dxf", L".DXF"})
    if (exists(stem + ext)) return stem + ext;
  return path;
}

std::wstring dxfBackupPath(const std::wstring& path) {
  const size_t slash = path.find_last_of(L'/');
  const size_t dot = path.find_last_of(L'.');
  if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) return path + L".bak";
  return path.substr(0, dot) + L".bak";
}

DxfFileBytes::~DxfFileBytes() {
  if (mMapped) ::munmap(const_cast<char*>(mMapped), mMappedSize);
}

bool DxfFileBytes::open(const std::wstring& path, std::wstring& error) {
  const int fd = ::open(nativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    const int err = errno;
    error = path + L": cannot open: " + systemError(err);
    return false;
  }
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
    void* p = ::mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    if (p != MAP_FAILED) {
      ::close(fd);
      mMapped = static_cast<const char*>(p);
      mMappedSize = static_cast<size_t>(st.st_size);
      return true;
    }
  }
  ::close(fd);
  return dxfReadFileBytes(path, mCopy, error);
}

bool dxfReadFileBytes(const std::wstring& path, std::string& bytes, std::wstring& error) {
  const int fd = ::open(nativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    const int err = errno;
    error = path + L": cannot open: " + systemError(err);
    return false;
  }
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    error = path + L": not a regular file";
    return false;
  }
  bytes.resize(static_cast<size_t>(st.st_size));
  size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd, &bytes[got], bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  ::close(fd);
  bytes.resize(got);
  return true;
}

bool dxfWriteFileAtomically(const std::wstring& path, const std::string& bytes, bool withBackup, std::wstring& error) {
  const std::string target = nativePath(path);
  std::string tmpl = target + ".XXXXXX";
  const int fd = ::mkstemp(&tmpl[0]);
  if (fd < 0) {
    const int err = errno;
    error = path + L": cannot write: " + systemError(err);
    return false;
  }
  auto failWith = [&](const std::wstring& what, int err) {
    ::unlink(tmpl.c_str());
    error = path + L": " + what + (err ? L": " + systemError(err) : std::wstring());
    return false;
  };
  // The new file gets the old one's permissions (or the usual ones).
  struct stat old;
  const bool hadOld = ::stat(target.c_str(), &old) == 0;
  mode_t mode = 0666;
  if (hadOld) {
    mode = old.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode &= ~mask;
  }
  ::fchmod(fd, mode);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int err = errno;
      ::close(fd);
      return failWith(L"cannot write", err);
    }
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0) {
    const int err = errno;
    ::close(fd);
    return failWith(L"cannot flush to disk", err);
  }
  if (::close(fd) != 0) return failWith(L"cannot close", errno);
  if (withBackup && hadOld) {
    const std::string backup = nativePath(dxfBackupPath(path));
    ::unlink(backup.c_str());
    // A second name for the old file: it stays in place until the rename.
    if (::link(target.c_str(), backup.c_str()) != 0) {
      std::string copy;
      std::wstring readError;
      if (!dxfReadFileBytes(path, copy, readError)) return failWith(L"cannot keep the backup", errno);
      const int bfd = ::open(backup.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
      if (bfd < 0 || ::write(bfd, copy.data(), copy.size()) != static_cast<ssize_t>(copy.size())) {
        const int err = errno;
        if (bfd >= 0) ::close(bfd);
        return failWith(L"cannot keep the backup", err);
      }
      ::fsync(bfd);
      ::close(bfd);
    }
  }
  if (::rename(tmpl.c_str(), target.c_str()) != 0) return failWith(L"cannot replace the file", errno);
  // The rename itself reaches the disk with the folder.
  std::string dir = target;
  const size_t slash = dir.find_last_of('/');
  dir = slash == std::string::npos ? "." : (slash == 0 ? "/" : dir.substr(0, slash));
  const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dfd >= 0) {
    ::fsync(dfd);
    ::close(dfd);
  }
  return true;
}

bool readDxfFile(const std::wstring& path, AcDbDatabase*& db, std::wstring& error, std::vector<std::wstring>* warnings) {
  db = nullptr;
  const std::wstring real = dxfResolveReadPath(path);
  DxfFileBytes bytes;
  if (!bytes.open(real, error)) {
    setLastFileError(error);
    return false;
  }
  DxfReader reader(real);
  auto fresh = std::make_unique<AcDbDatabase>(false, true);
  if (!reader.read(bytes.data(), bytes.size(), fresh.get())) {
    error = reader.error();
    setLastFileError(error);
    return false;
  }
  if (warnings) *warnings = reader.warnings();
  dxfSetDrawingData(fresh.get(), reader.takeDrawingData());
  fresh->setFilename(real);
  db = fresh.release();
  setLastFileError(L"");
  return true;
}

bool saveDxfFile(AcDbDatabase* db, const std::wstring& path, bool withBackup, std::wstring& error, int precision) {
  if (db == nullptr) {
    error = path + L": no drawing to save";
    setLastFileError(error);
    return false;
  }
  std::string bytes;
  DxfWriter writer(db, precision);
  if (!writer.write(bytes)) {
    error = path + L": " + writer.error();
    setLastFileError(error);
    return false;
  }
  if (!dxfWriteFileAtomically(path, bytes, withBackup, error)) {
    setLastFileError(error);
    return false;
  }
  setLastFileError(L"");
  return true;
}

DrawingFileIo* dxfDrawingFileIo() {
  static DxfIo io;
  return &io;
}

}  // namespace vhost
