#include "veskfile/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "veskfile/FileSystem.h"

namespace veskfile {

namespace {

std::atomic<unsigned> gTempCounter{0};

CString ErrnoText(int err) { return CString::FromUtf8(std::strerror(err)); }

bool Fail(CString* error, const CString& message) {
  SetLastFileError(message);
  if (error != nullptr) *error = message;
  return false;
}

std::string FolderOf(const std::string& native) {
  const std::size_t slash = native.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return native.substr(0, slash);
}

// The file a write to `native` should replace: the target of a symbolic link,
// the path itself otherwise.
std::string WriteTarget(const std::string& native) {
  struct stat st;
  if (::lstat(native.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    char buf[PATH_MAX];
    if (::realpath(native.c_str(), buf) != nullptr) return buf;
  }
  return native;
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Creates a new temporary file beside `target`; returns its descriptor and
// name, or -1 with errno set.
int CreateTemp(const std::string& target, std::string& tempName) {
  const std::string folder = FolderOf(target);
  const std::size_t slash = target.rfind('/');
  const std::string base = (slash == std::string::npos) ? target : target.substr(slash + 1);
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempName = (folder == "/" ? std::string("/") : folder + "/") + "." + base + ".tmp" +
               std::to_string(::getpid()) + "_" + std::to_string(gTempCounter.fetch_add(1));
    const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

// Writes bytes (or, with srcFd >= 0, the rest of that file) into a temporary
// file beside target, flushed and with the given mode (mode 0: keep the
// umask's). On success tempName names it.
bool WriteTemp(const std::string& target, const std::string& bytes, int srcFd, mode_t mode, std::string& tempName,
               int& err) {
  const int fd = CreateTemp(target, tempName);
  if (fd < 0) {
    err = errno;
    return false;
  }
  bool ok = true;
  if (srcFd >= 0) {
    char buf[1 << 16];
    for (;;) {
      const ssize_t n = ::read(srcFd, buf, sizeof(buf));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        ok = false;
        break;
      }
      if (n == 0) break;
      if (!WriteAll(fd, buf, static_cast<std::size_t>(n))) {
        ok = false;
        break;
      }
    }
  } else {
    ok = WriteAll(fd, bytes.data(), bytes.size());
  }
  if (ok && mode != 0) ok = ::fchmod(fd, mode) == 0;
  if (ok) ok = ::fsync(fd) == 0;
  err = ok ? 0 : errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (!ok) ::unlink(tempName.c_str());
  return ok;
}

}  // namespace

bool ReadFileBytes(const CString& path, std::string& bytes, CString* error, std::size_t maxBytes) {
  const std::string native = ResolvePathUtf8(path);
  const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    const int err = errno;
    if (err == ENOENT) return Fail(error, CString(L"文件不存在：") + path);
    return Fail(error, CString(L"无法打开文件：") + path + L"（" + ErrnoText(err) + L"）");
  }
  struct stat st;
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return Fail(error, CString(L"不是文件：") + path);
  }
  std::string out;
  if (st.st_size > 0) out.reserve(static_cast<std::size_t>(st.st_size));
  char buf[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof(buf));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int err = errno;
      ::close(fd);
      return Fail(error, CString(L"读取文件失败：") + path + L"（" + ErrnoText(err) + L"）");
    }
    if (n == 0) break;
    if (out.size() + static_cast<std::size_t>(n) > maxBytes) {
      ::close(fd);
      return Fail(error, CString(L"文件过大：") + path);
    }
    out.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  bytes.swap(out);
  return true;
}

bool WriteFileAtomic(const CString& path, const std::string& bytes, CString* error) {
  if (path.IsEmpty()) return Fail(error, L"保存文件失败：路径为空");
  const std::string target = WriteTarget(ResolvePathUtf8(path));
  if (!target.empty() && target.back() == '/') return Fail(error, CString(L"保存文件失败：不是文件路径：") + path);
  struct stat folderSt;
  const std::string folder = FolderOf(target);
  if (::stat(folder.c_str(), &folderSt) != 0 || !S_ISDIR(folderSt.st_mode))
    return Fail(error, CString(L"保存文件失败：目录不存在：") + path);
  struct stat st;
  mode_t mode = 0;
  if (::stat(target.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return Fail(error, CString(L"保存文件失败：同名目录已存在：") + path);
    mode = st.st_mode & 07777;
  }
  std::string temp;
  int err = 0;
  if (!WriteTemp(target, bytes, -1, mode, temp, err))
    return Fail(error, CString(L"保存文件失败：") + path + L"（" + ErrnoText(err) + L"）");
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    err = errno;
    ::unlink(temp.c_str());
    return Fail(error, CString(L"保存文件失败：") + path + L"（" + ErrnoText(err) + L"）");
  }
  SyncFolder(folder);
  return true;
}

bool CopyFileNoOverwrite(const CString& src, const CString& dst, bool failIfExists, CString* error) {
  const std::string from = ResolvePathUtf8(src);
  const std::string target = WriteTarget(ResolvePathUtf8(dst));
  const int srcFd = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (srcFd < 0) {
    const int err = errno;
    if (err == ENOENT) return Fail(error, CString(L"复制文件失败：源文件不存在：") + src);
    return Fail(error, CString(L"复制文件失败：无法打开 ") + src + L"（" + ErrnoText(err) + L"）");
  }
  struct stat srcSt;
  if (::fstat(srcFd, &srcSt) != 0 || S_ISDIR(srcSt.st_mode)) {
    ::close(srcFd);
    return Fail(error, CString(L"复制文件失败：源不是文件：") + src);
  }
  struct stat dstSt;
  const bool dstExists = ::stat(target.c_str(), &dstSt) == 0;
  if (dstExists && S_ISDIR(dstSt.st_mode)) {
    ::close(srcFd);
    return Fail(error, CString(L"复制文件失败：目标是目录：") + dst);
  }
  if (dstExists && failIfExists) {
    ::close(srcFd);
    return Fail(error, CString(L"复制文件失败：目标文件已存在：") + dst);
  }
  const std::string folder = FolderOf(target);
  struct stat folderSt;
  if (::stat(folder.c_str(), &folderSt) != 0 || !S_ISDIR(folderSt.st_mode)) {
    ::close(srcFd);
    return Fail(error, CString(L"复制文件失败：目标目录不存在：") + dst);
  }
  std::string temp;
  int err = 0;
  const bool written = WriteTemp(target, std::string(), srcFd, srcSt.st_mode & 07777, temp, err);
  ::close(srcFd);
  if (!written) return Fail(error, CString(L"复制文件失败：") + dst + L"（" + ErrnoText(err) + L"）");

  if (failIfExists) {
    // link() refuses an existing name atomically; file systems without hard
    // links fall back to a check before the rename.
    if (::link(temp.c_str(), target.c_str()) == 0) {
      ::unlink(temp.c_str());
      SyncFolder(folder);
      return true;
    }
    err = errno;
    if (err == EEXIST) {
      ::unlink(temp.c_str());
      return Fail(error, CString(L"复制文件失败：目标文件已存在：") + dst);
    }
    struct stat again;
    if (::stat(target.c_str(), &again) == 0) {
      ::unlink(temp.c_str());
      return Fail(error, CString(L"复制文件失败：目标文件已存在：") + dst);
    }
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    err = errno;
    ::unlink(temp.c_str());
    return Fail(error, CString(L"复制文件失败：") + dst + L"（" + ErrnoText(err) + L"）");
  }
  SyncFolder(folder);
  return true;
}

}  // namespace veskfile
