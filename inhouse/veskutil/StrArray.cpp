#include "veskutil/StrArray.h"

#include "veskutil/NoCase.h"

namespace veskutil {

int Str2StrArr(const CString& text, const CString& separator, CStringArray& parts, bool skipEmpty) {
  parts.RemoveAll();
  if (text.IsEmpty()) return 0;
  const std::wstring_view all = text.View();
  const std::wstring_view sep = separator.View();
  if (sep.empty()) {
    parts.Add(text);
    return static_cast<int>(parts.GetSize());
  }
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = all.find(sep, from);
    const std::size_t end = (at == std::wstring_view::npos) ? all.size() : at;
    const std::wstring_view piece = all.substr(from, end - from);
    if (!(skipEmpty && piece.empty())) parts.Add(CString(piece.data(), static_cast<int>(piece.size())));
    if (at == std::wstring_view::npos) break;
    from = at + sep.size();
  }
  return static_cast<int>(parts.GetSize());
}

CString StrArr2Str(const CStringArray& parts, const CString& separator) {
  CString out;
  for (INT_PTR i = 0; i < parts.GetSize(); ++i) {
    if (i > 0) out += separator;
    out += parts[i];
  }
  return out;
}

int StrArrFindStr(const CStringArray& items, const CString& text, bool ignoreCase, int start) {
  if (start < 0) start = 0;
  for (INT_PTR i = start; i < items.GetSize(); ++i) {
    const CString& item = items[i];
    if (ignoreCase ? EqualNoCase(item.View(), text.View()) : item == text) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace veskutil
