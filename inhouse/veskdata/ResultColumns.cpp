#include "veskdata/ResultColumns.h"

#include <sqlite3.h>

#include <cstring>
#include <cwctype>

#include "mfc/Utf8Convert.h"

namespace veskdata {

namespace {

std::wstring Fold(const wchar_t* s, std::size_t n) {
  std::wstring f(s, n);
  for (auto& c : f) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return f;
}

}  // namespace

ResultColumns::ResultColumns(sqlite3_stmt* stmt) {
  const int n = sqlite3_column_count(stmt);
  m_utf8.reserve(static_cast<std::size_t>(n));
  m_names.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    const char* p = sqlite3_column_name(stmt, i);
    m_utf8.emplace_back(p ? p : "");
    std::wstring wide = veskhost::mfc::Utf8ToWide(m_utf8.back().data(), m_utf8.back().size());
    m_index.emplace(Fold(wide.data(), wide.size()), i);
    m_names.push_back(std::move(wide));
  }
}

int ResultColumns::Find(const CString& name) const {
  auto it = m_index.find(Fold(name.GetString(), static_cast<std::size_t>(name.GetLength())));
  return it == m_index.end() ? -1 : it->second;
}

bool ResultColumns::Matches(sqlite3_stmt* stmt) const {
  if (sqlite3_column_count(stmt) != Count()) return false;
  for (int i = 0; i < Count(); ++i) {
    const char* p = sqlite3_column_name(stmt, i);
    if (!p || m_utf8[static_cast<std::size_t>(i)] != p) return false;
  }
  return true;
}

}  // namespace veskdata
