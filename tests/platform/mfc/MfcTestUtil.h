#pragma once
// Helpers for the MFC-layer tests: MFC throws exceptions as pointers that the
// handler must Delete().
#include <ostream>
#include <string>

#include "mfc/CException.h"
#include "mfc/CString.h"

// Shows CString values in failure messages.
inline void PrintTo(const CString& s, std::ostream* os) { *os << '"' << s.ToUtf8() << '"'; }

// Runs f; true when it threw CInvalidArgException* (which is released).
template <class F>
bool ThrowsInvalidArg(F&& f, std::wstring* message = nullptr) {
  try {
    f();
  } catch (CInvalidArgException* e) {
    if (message != nullptr) {
      wchar_t text[512];
      e->GetErrorMessage(text, 512);
      *message = text;
    }
    e->Delete();
    return true;
  }
  return false;
}
