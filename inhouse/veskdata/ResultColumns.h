#pragma once
// The column names of a query's result and their look-up without regard to
// case; shared by every recordset that the same prepared statement fills.
#include <string>
#include <unordered_map>
#include <vector>

#include "mfc/CString.h"

struct sqlite3_stmt;

namespace veskdata {

class ResultColumns {
 public:
  explicit ResultColumns(sqlite3_stmt* stmt);

  int Count() const { return static_cast<int>(m_names.size()); }
  const std::wstring& Name(int i) const { return m_names[static_cast<std::size_t>(i)]; }
  // The column of that name (the first one when two share it), or -1.
  int Find(const CString& name) const;
  // True when the statement still yields exactly these columns (it may have
  // been prepared again after another connection changed the schema).
  bool Matches(sqlite3_stmt* stmt) const;

 private:
  std::vector<std::string> m_utf8;
  std::vector<std::wstring> m_names;
  std::unordered_map<std::wstring, int> m_index;  // folded name → column
};

}  // namespace veskdata
