#pragma once
// Translation of one Access-dialect statement into a statement the SQLite
// engine (3.15) runs with the same meaning:
//
//   ^ \ Mod / & and runtime +     → the engine functions vk_pow, vk_idiv,
//                                    vk_mod, vk_div, vk_concat, vk_add
//   + between two texts            → ||       (between numbers: +)
//   Like with % _ * ? [..]         → vk_like, without regard to case
//   Int Fix Left Right Mid Len ... → vk_* functions (AccessSqlFunctions)
//   IIf                            → CASE WHEN
//   True / False                   → -1 / 0
//   #date#                         → 'YYYY-MM-DD[ HH:MM:SS]'
//   [名称], bare names             → [名称] (never a string by accident)
//   text comparisons               → COLLATE NOCASE
//   SELECT TOP n                   → LIMIT n
//   constants of queries/changes   → numbered parameters ?1, ?2, ...
//   UPDATE over several tables     → UPDATE of the one table set, with
//                                    correlated subqueries over the others
//   Access column types            → INTEGER / REAL / TEXT COLLATE NOCASE
//
// Column types come from a schema lookup (optional): they decide whether a
// + joins texts or adds numbers at translation time; where a type is not
// known the decision is left to vk_add at run time.
#include <string>
#include <vector>

#include "veskdata/SqlSchemaLookup.h"

namespace veskdata {

enum class SqlStatementKind {
  Query,   // SELECT: returns rows
  Change,  // INSERT, UPDATE, DELETE
  Schema,  // CREATE, ALTER, DROP: the schema changes
};

// A constant of the statement, passed to the engine as the value of the
// numbered parameter ?N (N = its index + 1) rather than written into the
// text: statements that differ only in their constants (the same look-up for
// another item) then share one prepared statement.
struct SqlParameter {
  enum class Kind { Integer, Real, Text } kind = Kind::Text;
  long long integer = 0;
  double real = 0;
  std::string text;  // UTF-8
};

struct TranslatedSql {
  std::string sql;  // UTF-8, for the engine
  SqlStatementKind kind = SqlStatementKind::Query;
  std::vector<SqlParameter> params;  // queries and changes; schema statements keep their constants inline
};

class AccessSqlTranslator {
 public:
  explicit AccessSqlTranslator(SqlSchemaLookup* schema = nullptr) : m_schema(schema) {}

  // Throws AccessSqlError when the statement cannot be read or has no
  // equivalent in the engine.
  TranslatedSql Translate(const std::wstring& accessSql) const;

  // A name as the engine reads it: [name], or `name` when it holds a ']'.
  static std::wstring QuoteName(const std::wstring& name);
  // A text constant: 'text' with quotes doubled.
  static std::wstring QuoteText(const std::wstring& text);

 private:
  SqlSchemaLookup* m_schema;
};

}  // namespace veskdata
