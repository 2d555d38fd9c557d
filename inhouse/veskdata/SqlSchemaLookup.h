#pragma once
// What the translator asks about the database it translates for: the columns
// of a table and the kind of value each holds.
#include <memory>
#include <string>
#include <vector>

namespace veskdata {

enum class SqlValueType { Unknown, Number, Text, Null };

// A name folded as the engine folds names to compare them (ASCII letters
// to lower case).
std::wstring FoldSqlName(const std::wstring& name);

struct SqlColumnInfo {
  SqlColumnInfo() = default;
  SqlColumnInfo(std::wstring n, SqlValueType t) : name(std::move(n)), folded(FoldSqlName(name)), type(t) {}

  std::wstring name;
  std::wstring folded;  // FoldSqlName(name)
  SqlValueType type = SqlValueType::Unknown;
};

using SqlColumnList = std::vector<SqlColumnInfo>;

class SqlSchemaLookup {
 public:
  virtual ~SqlSchemaLookup() = default;
  // The columns of the table, in order; null when there is no such table.
  virtual std::shared_ptr<const SqlColumnList> TableColumns(const std::wstring& table) = 0;
};

// The kind of value a column of the declared type holds, by SQLite's rules of
// type affinity (INT → number, CHAR/CLOB/TEXT → text, REAL/FLOA/DOUB → number,
// BLOB or nothing → unknown, anything else numeric).
SqlValueType AffinityOfDeclaredType(const std::wstring& declaredType);

}  // namespace veskdata
