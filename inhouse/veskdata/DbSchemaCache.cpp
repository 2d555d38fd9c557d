#include "veskdata/DbSchemaCache.h"

#include <sqlite3.h>

#include "mfc/Utf8Convert.h"
#include "veskdata/AccessSqlTranslator.h"

namespace veskdata {

void DbSchemaCache::Reset(sqlite3* db) {
  m_db = db;
  m_tables.clear();
}

bool DbSchemaCache::ReadTableColumns(sqlite3* db, const std::wstring& table, SqlColumnList& columns) {
  columns.clear();
  if (!db) return false;
  const std::wstring sql = L"PRAGMA table_info(" + AccessSqlTranslator::QuoteName(table) + L")";
  const std::string utf8 = veskhost::mfc::WideToUtf8(sql.data(), sql.size());
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, utf8.c_str(), static_cast<int>(utf8.size()), &stmt, nullptr) != SQLITE_OK) {
    sqlite3_finalize(stmt);
    return false;
  }
  // Columns: cid, name, type, notnull, dflt_value, pk
  while (sqlite3_step(stmt) == SQLITE_ROW) {
    const char* name = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1));
    const char* type = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 2));
    std::string n = name ? name : "", t = type ? type : "";
    columns.emplace_back(veskhost::mfc::Utf8ToWide(n.data(), n.size()),
                         AffinityOfDeclaredType(veskhost::mfc::Utf8ToWide(t.data(), t.size())));
  }
  sqlite3_finalize(stmt);
  return !columns.empty();
}

std::shared_ptr<const SqlColumnList> DbSchemaCache::TableColumns(const std::wstring& table) {
  const std::wstring key = FoldSqlName(table);
  auto it = m_tables.find(key);
  if (it == m_tables.end()) {
    auto columns = std::make_shared<SqlColumnList>();
    std::shared_ptr<const SqlColumnList> entry;
    if (ReadTableColumns(m_db, table, *columns)) entry = std::move(columns);
    it = m_tables.emplace(key, std::move(entry)).first;
  }
  return it->second;
}

}  // namespace veskdata
