#include "veskdata/SqlQuote.h"

namespace veskdata {

CString SqlEscape(const CString& text) {
  CString out;
  out.Preallocate(text.GetLength() + 8);
  for (int i = 0; i < text.GetLength(); ++i) {
    const wchar_t c = text.GetAt(i);
    if (c == 0) continue;
    if (c == L'\'') out.AppendChar(L'\'');
    out.AppendChar(c);
  }
  return out;
}

CString SqlQuote(const CString& text) { return L"'" + SqlEscape(text) + L"'"; }

}  // namespace veskdata
