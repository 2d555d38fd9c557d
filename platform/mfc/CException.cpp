#include "mfc/CException.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)

namespace {
const wchar_t kInvalidArgText[] = L"Encountered an improper argument.";
const wchar_t kMemoryText[] = L"Out of memory.";
}  // namespace

CException::CException() : m_bAutoDelete(TRUE) {}
CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}
CException::~CException() = default;

void CException::Delete() {
  if (m_bAutoDelete > 0) delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  if (lpszError != nullptr && nMaxError != 0) *lpszError = L'\0';
  return FALSE;
}

CSimpleException::CSimpleException(std::wstring message, BOOL bAutoDelete)
    : CException(bAutoDelete), m_strMessage(std::move(message)) {}

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  if (lpszError == nullptr || nMaxError == 0) return FALSE;
  if (pnHelpContext != nullptr) *pnHelpContext = 0;
  const size_t n = std::min<size_t>(m_strMessage.size(), nMaxError - 1);
  std::copy_n(m_strMessage.data(), n, lpszError);
  lpszError[n] = L'\0';
  return m_strMessage.empty() ? FALSE : TRUE;
}

CInvalidArgException::CInvalidArgException() : CInvalidArgException(TRUE) {}
CInvalidArgException::CInvalidArgException(BOOL bAutoDelete)
    : CSimpleException(kInvalidArgText, bAutoDelete) {}
CInvalidArgException::CInvalidArgException(BOOL bAutoDelete, LPCTSTR lpszDetail)
    : CSimpleException((lpszDetail && *lpszDetail) ? std::wstring(kInvalidArgText) + L" " + lpszDetail
                                                   : std::wstring(kInvalidArgText),
                       bAutoDelete) {}

CMemoryException::CMemoryException() : CMemoryException(TRUE) {}
CMemoryException::CMemoryException(BOOL bAutoDelete) : CSimpleException(kMemoryText, bAutoDelete) {}

void AfxThrowInvalidArgException() { throw new CInvalidArgException(TRUE); }

void AfxThrowInvalidArgException(LPCTSTR lpszDetail) { throw new CInvalidArgException(TRUE, lpszDetail); }

void AfxThrowMemoryException() {
  // Allocating while out of memory would fail again: throw the one object
  // made for this purpose, which Delete() leaves alone.
  static CMemoryException simpleMemoryException(FALSE);
  throw &simpleMemoryException;
}
