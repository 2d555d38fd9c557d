#pragma once
// CStringArray: MFC's array of CString, with CArray's growth, index checks
// and exceptions. Elements can be given as CString, wide or UTF-8 text.
// As CArray, it can be copied (MFC forbids that).
#include "mfc/CArray.h"
#include "mfc/CObject.h"
#include "mfc/CString.h"

class CStringArray : public CArray<CString, const CString&> {
  DECLARE_DYNAMIC(CStringArray)
 public:
  CStringArray() = default;
  CStringArray(const CStringArray&) = default;
  CStringArray(CStringArray&&) noexcept = default;
  CStringArray& operator=(const CStringArray&) = default;
  CStringArray& operator=(CStringArray&&) noexcept = default;
  ~CStringArray() override;
};
