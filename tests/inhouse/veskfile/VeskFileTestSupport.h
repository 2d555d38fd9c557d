#pragma once
// Scratch folders and raw file access for the VeskFile tests.
#include <dirent.h>
#include <ftw.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "mfc/CString.h"

namespace vftest {

// A fresh folder under /tmp, removed with everything in it at the end.
class TempDir {
 public:
  TempDir() {
    char tmpl[] = "/tmp/veskfile_test_XXXXXX";
    const char* made = ::mkdtemp(tmpl);
    mPath = made ? made : "";
  }
  ~TempDir() {
    if (mPath.empty()) return;
    ::nftw(
        mPath.c_str(),
        [](const char* p, const struct stat*, int, struct FTW*) {
          ::chmod(p, 0700);
          return ::remove(p);
        },
        16, FTW_DEPTH | FTW_PHYS);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // Native path of a name inside the folder.
  std::string native(const std::string& name = "") const { return name.empty() ? mPath : mPath + "/" + name; }
  // The same in the module's form: backslashes.
  CString module(const std::string& name = "") const {
    CString p = CString::FromUtf8(native(name));
    p.Replace(L'/', L'\\');
    return p;
  }

 private:
  std::string mPath;
};

inline void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline bool exists(const std::string& path) {
  struct stat st;
  return ::lstat(path.c_str(), &st) == 0;
}

// Number of entries in a folder (to see that no temporary file was left).
inline int entryCount(const std::string& folder) {
  DIR* d = ::opendir(folder.c_str());
  if (d == nullptr) return -1;
  int n = 0;
  while (dirent* e = ::readdir(d)) {
    const std::string name = e->d_name;
    if (name != "." && name != "..") ++n;
  }
  ::closedir(d);
  return n;
}

// While alive, no file may grow beyond `bytes` (writes past it fail with
// EFBIG): a way to make a save fail even for a process that may write
// anywhere.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &mOld);
    mOldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit lim = mOld;
    lim.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &lim);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &mOld);
    ::signal(SIGXFSZ, mOldHandler);
  }

 private:
  struct rlimit mOld {};
  void (*mOldHandler)(int) = nullptr;
};

}  // namespace vftest
