#pragma once
// Reading the current row of a style-table query into a style record. Each
// column that is present and not Null replaces the record's value; a missing
// or Null column leaves what the record held (its defaults). Texts longer
// than a record's field are cut to fit, always terminated.
#include <cwchar>

#include "mfc/CString.h"
#include "veskbase/StyleParams.h"
#include "veskdata/CADORecordset.h"

namespace VeskDB {

// Copies text into a fixed field, cut to size - 1 characters.
template <std::size_t N>
void CopyToField(wchar_t (&field)[N], const CString& text) {
  const std::size_t length = std::wcslen(text.GetString());
  const std::size_t count = length < N - 1 ? length : N - 1;
  std::wmemcpy(field, text.GetString(), count);
  field[count] = L'\0';
}

// Reads the text column into a fixed field; false when it cannot be read.
template <std::size_t N>
bool ReadTextColumn(const CADORecordset& rs, const wchar_t* column, wchar_t (&field)[N]) {
  CString text;
  if (!rs.GetFieldValue(column, text)) return false;
  CopyToField(field, text);
  return true;
}

void ReadStyleRow(const CADORecordset& rs, vesk::TEXTSTYLEPARAM& param);
void ReadStyleRow(const CADORecordset& rs, vesk::LINEPARAM& param);
void ReadStyleRow(const CADORecordset& rs, vesk::TEXTPARAM& param);
void ReadStyleRow(const CADORecordset& rs, vesk::HATCHPARAM& param);
// ValueText, Type and OwnerGroup.
void ReadStyleRow(const CADORecordset& rs, vesk::OTHERPARAM& param);

}  // namespace VeskDB
