#pragma once
// The columns of a connection's tables as the translator asks for them, read
// with PRAGMA table_info once per table and kept until the schema changes.
#include <string>
#include <unordered_map>
#include <vector>

#include "veskdata/SqlSchemaLookup.h"

struct sqlite3;

namespace veskdata {

class DbSchemaCache : public SqlSchemaLookup {
 public:
  explicit DbSchemaCache(sqlite3* db = nullptr) : m_db(db) {}

  // Another connection (or none): everything known is forgotten.
  void Reset(sqlite3* db);
  // The schema changed (a table was created, altered or dropped).
  void Clear() { m_tables.clear(); }

  std::shared_ptr<const SqlColumnList> TableColumns(const std::wstring& table) override;

  // Reads the columns from the database itself, bypassing what is kept;
  // false when there is no such table.
  static bool ReadTableColumns(sqlite3* db, const std::wstring& table, SqlColumnList& columns);

 private:
  sqlite3* m_db;
  // by folded name; null for a table that does not exist
  std::unordered_map<std::wstring, std::shared_ptr<const SqlColumnList>> m_tables;
};

}  // namespace veskdata
