#include "veskfile/FileSystem.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "mfc/Utf8Convert.h"
#include "veskfile/PathText.h"
#include "veskutil/NoCase.h"

namespace veskfile {

namespace {

thread_local CString tLastError;

bool Exists(const std::string& p) {
  struct stat st;
  return ::lstat(p.c_str(), &st) == 0;
}

bool IsDir(const std::string& p) {
  struct stat st;
  return ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::wstring Wide(const std::string& s) { return veskhost::mfc::Utf8ToWide(s.data(), s.size()); }

std::string Narrow(const std::wstring_view s) { return veskhost::mfc::WideToUtf8(s.data(), s.size()); }

// The entry of folder `dir` whose name equals `name` without regard to case
// (the first in byte order); empty when there is none.
std::string FindNoCase(const std::string& dir, const std::string& name) {
  DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
  if (d == nullptr) return std::string();
  const std::wstring want = Wide(name);
  std::vector<std::string> hits;
  while (dirent* e = ::readdir(d)) {
    const std::string entry = e->d_name;
    if (entry == "." || entry == "..") continue;
    if (veskutil::EqualNoCase(Wide(entry), want)) hits.push_back(entry);
  }
  ::closedir(d);
  if (hits.empty()) return std::string();
  return *std::min_element(hits.begin(), hits.end());
}

}  // namespace

CString GetLastFileError() { return tLastError; }

void SetLastFileError(const CString& message) { tLastError = message; }

std::string ResolvePathUtf8(const CString& path) {
  const std::string native = Narrow(ToNativePath(path).View());
  if (native.empty() || Exists(native)) return native;

  const bool absolute = native[0] == '/';
  const bool trailing = native.size() > 1 && native.back() == '/';
  std::vector<std::string> parts;
  std::size_t from = absolute ? 1 : 0;
  while (from <= native.size()) {
    std::size_t at = native.find('/', from);
    if (at == std::string::npos) at = native.size();
    if (at > from) parts.push_back(native.substr(from, at - from));
    from = at + 1;
  }

  std::string cur = absolute ? "/" : "";
  bool resolving = true;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string& part = parts[i];
    const std::string exact = cur + part;
    if (resolving && part != "." && part != ".." && !Exists(exact)) {
      const std::string found = FindNoCase(cur.empty() ? std::string() : cur, part);
      if (!found.empty()) {
        cur += found;
      } else {
        cur = exact;
        resolving = false;  // the rest does not exist: keep it as given
      }
    } else {
      cur = exact;
    }
    if (i + 1 < parts.size()) cur += '/';
  }
  if (trailing && (cur.empty() || cur.back() != '/')) cur += '/';
  return cur;
}

CString ResolvePath(const CString& path) {
  const std::string p = ResolvePathUtf8(path);
  return CString::FromUtf8(p);
}

int FileExist(const CString& path) {
  if (path.IsEmpty()) return 0;
  struct stat st;
  return (::stat(ResolvePathUtf8(path).c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) ? 1 : 0;
}

int FIsDirectory(const CString& path) {
  if (path.IsEmpty()) return 0;
  return IsDir(ResolvePathUtf8(path)) ? 1 : 0;
}

int CreateMDirectory(const CString& path) {
  if (path.IsEmpty()) {
    SetLastFileError(L"创建目录失败：路径为空");
    return 0;
  }
  const std::string native = ResolvePathUtf8(path);
  std::size_t pos = (native[0] == '/') ? 1 : 0;
  for (;;) {
    std::size_t at = native.find('/', pos);
    const std::string prefix = native.substr(0, at);
    if (!prefix.empty() && prefix != "/") {
      struct stat st;
      if (::stat(prefix.c_str(), &st) == 0) {
        if (!S_ISDIR(st.st_mode)) {
          SetLastFileError(CString(L"创建目录失败：") + path + L"（" + CString::FromUtf8(prefix) + L" 是文件）");
          return 0;
        }
      } else if (::mkdir(prefix.c_str(), 0777) != 0 && !(errno == EEXIST && IsDir(prefix))) {
        SetLastFileError(CString(L"创建目录失败：") + CString::FromUtf8(prefix) + L"（" +
                         CString::FromUtf8(std::strerror(errno)) + L"）");
        return 0;
      }
    }
    if (at == std::string::npos) break;
    pos = at + 1;
  }
  return 1;
}

}  // namespace veskfile
