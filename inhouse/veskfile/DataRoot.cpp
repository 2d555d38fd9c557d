#include "veskfile/DataRoot.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "veskfile/PathText.h"

#ifndef VESKCAD_SOURCE_DATA
#error "VESKCAD_SOURCE_DATA must name the repository's data folder"
#endif

namespace veskfile {

namespace {

bool IsDir(const std::string& p) {
  struct stat st;
  return ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string WithSlash(std::string p) {
  if (p.empty() || p.back() != '/') p += '/';
  return p;
}

std::string Absolute(const std::string& p) {
  if (!p.empty() && p[0] == '/') return p;
  char cwd[PATH_MAX];
  if (::getcwd(cwd, sizeof(cwd)) == nullptr) return p;
  return WithSlash(cwd) + p;
}

// The folder of the file (shared library or program) that holds this code.
std::string CodeFolder() {
  Dl_info info{};
  std::string file;
  if (::dladdr(reinterpret_cast<void*>(&CodeFolder), &info) != 0 && info.dli_fname != nullptr &&
      info.dli_fname[0] != 0) {
    file = info.dli_fname;
  }
  char real[PATH_MAX];
  if (file.empty() || file.find('/') == std::string::npos || ::realpath(file.c_str(), real) == nullptr) {
    const ssize_t n = ::readlink("/proc/self/exe", real, sizeof(real) - 1);
    if (n <= 0) return std::string();
    real[n] = 0;
  }
  file = real;
  const std::size_t slash = file.rfind('/');
  return slash == std::string::npos ? std::string() : file.substr(0, slash);
}

std::string RootNative() {
  if (const char* home = std::getenv("VESKCAD_HOME"); home != nullptr && home[0] != 0)
    return WithSlash(Absolute(home));
  const std::string folder = CodeFolder();
  if (!folder.empty()) {
    const std::string share = folder + "/../share/veskcad";
    char real[PATH_MAX];
    if (IsDir(share) && ::realpath(share.c_str(), real) != nullptr) return WithSlash(real);
  }
  return WithSlash(VESKCAD_SOURCE_DATA);
}

CString Under(const wchar_t* folder) { return GetVeskDataRoot() + folder; }

}  // namespace

CString GetVeskDataRoot() { return ToModulePath(CString::FromUtf8(RootNative())); }

CString FGetVeskDataCommonPath() { return Under(L"Common\\"); }
CString FGetVeskDataFilePath() { return Under(L"Data\\"); }
CString FGetCADCommonFilePath() { return Under(L"STANDARDS\\"); }
CString GetFeatureClassStandardPath() { return Under(L"FeatureClass\\"); }

}  // namespace veskfile
