#include "veskfile/PathText.h"

#include <string>

namespace veskfile {

namespace {

// Index just past the separator that ends the folder part of path (0 when
// there is none), ignoring `skipTrailing` separators at the end.
int FolderEnd(std::wstring_view p, bool skipTrailing) {
  int end = static_cast<int>(p.size());
  if (skipTrailing)
    while (end > 0 && IsPathSeparator(p[static_cast<std::size_t>(end - 1)])) --end;
  for (int i = end - 1; i >= 0; --i)
    if (IsPathSeparator(p[static_cast<std::size_t>(i)])) return i + 1;
  return 0;
}

// True when p (without trailing separators) is a root: empty, or a drive
// "C:" alone.
bool IsRootStem(std::wstring_view stem) {
  if (stem.empty()) return true;
  return stem.size() == 2 && stem[1] == L':' &&
         ((stem[0] >= L'A' && stem[0] <= L'Z') || (stem[0] >= L'a' && stem[0] <= L'z'));
}

CString Sub(std::wstring_view p, std::size_t from, std::size_t count) {
  const std::wstring_view s = p.substr(from, count);
  return CString(s.data(), static_cast<int>(s.size()));
}

}  // namespace

bool IsPathSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

CString GetUpPath(const CString& path) {
  const std::wstring_view p = path.View();
  std::size_t end = p.size();
  while (end > 0 && IsPathSeparator(p[end - 1])) --end;
  const std::wstring_view stem = p.substr(0, end);
  if (IsRootStem(stem)) return path;  // a root has no parent
  const int folderEnd = FolderEnd(stem, false);
  return Sub(p, 0, static_cast<std::size_t>(folderEnd));
}

CString GetFilePath(const CString& file) {
  const std::wstring_view p = file.View();
  return Sub(p, 0, static_cast<std::size_t>(FolderEnd(p, false)));
}

CString GetFileName(const CString& file) {
  const std::wstring_view p = file.View();
  const auto start = static_cast<std::size_t>(FolderEnd(p, false));
  return Sub(p, start, p.size() - start);
}

CString GetFnameWithoutExt(const CString& file) {
  const CString name = GetFileName(file);
  const CString ext = GetFileExt(name);
  return name.Left(name.GetLength() - ext.GetLength());
}

CString GetFileExt(const CString& file) {
  const CString name = GetFileName(file);
  const int dot = name.ReverseFind(L'.');
  if (dot <= 0) return CString();
  return name.Mid(dot);
}

CString ToNativePath(const CString& path) {
  std::wstring out;
  out.reserve(static_cast<std::size_t>(path.GetLength()));
  for (wchar_t c : path.View()) {
    if (IsPathSeparator(c)) {
      if (!out.empty() && out.back() == L'/') continue;
      out.push_back(L'/');
    } else {
      out.push_back(c);
    }
  }
  return CString(out.c_str());
}

CString ToModulePath(const CString& path) {
  CString out(path);
  out.Replace(L'/', L'\\');
  return out;
}

}  // namespace veskfile
