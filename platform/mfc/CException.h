#pragma once
// MFC's exception classes. As in MFC they are thrown as pointers and the
// handler releases them with Delete():
//
//   try { arr.GetAt(99); }
//   catch (CException* e) {
//     TCHAR text[256];
//     e->GetErrorMessage(text, 256);
//     e->Delete();
//   }
//
// Delete() frees heap-allocated exceptions (the AfxThrow... functions allocate
// them) and leaves alone those created with bAutoDelete FALSE, such as the
// preallocated memory exception.
#include <string>

#include "mfc/CObject.h"
#include "mfc/WinTypes.h"

class CException : public CObject {
  DECLARE_DYNAMIC(CException)
 public:
  CException();
  explicit CException(BOOL bAutoDelete);
  virtual ~CException() = 0;

  // Frees the exception when it was allocated for throwing (m_bAutoDelete).
  void Delete();

  // Copies the error text into lpszError (at most nMaxError characters with the
  // terminating zero, truncated when longer). FALSE when there is no text.
  virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;

  BOOL m_bAutoDelete;
};

// An exception whose error text is fixed when it is created.
class CSimpleException : public CException {
  DECLARE_DYNAMIC(CSimpleException)
 public:
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

 protected:
  CSimpleException(std::wstring message, BOOL bAutoDelete);

 private:
  std::wstring m_strMessage;
};

// An argument was out of range or otherwise unusable.
class CInvalidArgException : public CSimpleException {
  DECLARE_DYNAMIC(CInvalidArgException)
 public:
  CInvalidArgException();
  explicit CInvalidArgException(BOOL bAutoDelete);
  // With a note saying which argument was wrong, appended to the standard text.
  CInvalidArgException(BOOL bAutoDelete, LPCTSTR lpszDetail);
};

// An allocation failed.
class CMemoryException : public CSimpleException {
  DECLARE_DYNAMIC(CMemoryException)
 public:
  CMemoryException();
  explicit CMemoryException(BOOL bAutoDelete);
};

[[noreturn]] void AfxThrowInvalidArgException();
// As above, with a note naming the faulty argument (for diagnostics).
[[noreturn]] void AfxThrowInvalidArgException(LPCTSTR lpszDetail);
// Throws the preallocated memory exception; its Delete() does nothing.
[[noreturn]] void AfxThrowMemoryException();
