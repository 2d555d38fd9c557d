#include "veskutil/ConfirmBackslash.h"

namespace veskutil {

CString& ConfirmBackslash(CString& path) {
  const int n = path.GetLength();
  if (n == 0) return path;
  const wchar_t last = path.GetAt(n - 1);
  if (last != L'\\' && last != L'/') path += L'\\';
  return path;
}

CString WithBackslash(const CString& path) {
  CString copy(path);
  ConfirmBackslash(copy);
  return copy;
}

}  // namespace veskutil
