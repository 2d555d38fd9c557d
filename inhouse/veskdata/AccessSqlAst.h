#pragma once
// The statements of the Access SQL dialect as the parser reads them: plain
// trees owned through unique_ptr, with the character position of each node
// for error messages.
#include <memory>
#include <string>
#include <vector>

namespace veskdata {
namespace ast {

struct Select;
struct Expr;
using ExprPtr = std::unique_ptr<Expr>;

enum class ExprKind {
  Number,    // text = the literal as written
  Text,      // text = the value
  Null,
  Boolean,   // number = -1 (True) or 0 (False)
  Date,      // text = ISO form "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS"
  Column,    // qualifier (may be empty) and text = column name
  Star,      // * or qualifier.*
  Unary,     // op, args[0]
  Binary,    // op, args[0], args[1]
  IsNull,    // args[0]; negated: IS NOT NULL
  Like,      // args[0] LIKE args[1]; negated
  Between,   // args[0] BETWEEN args[1] AND args[2]; negated
  InList,    // args[0] IN (args[1..]); negated
  InSelect,  // args[0] IN (select); negated
  Exists,    // EXISTS (select)
  Subquery,  // (select) as a value
  Function,  // text = name as written, args; distinct for count(distinct x)
};

enum class Op {
  None,
  // unary
  Negate, Plus, Not,
  // arithmetic and text
  Power, Multiply, Divide, IntDivide, Modulo, Add, Subtract, Concat,
  // comparison
  Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual,
  // logic
  And, Or, Xor, Eqv, Imp,
};

struct Expr {
  ExprKind kind = ExprKind::Null;
  Op op = Op::None;
  std::wstring text;
  std::wstring qualifier;
  double number = 0;
  bool negated = false;
  bool distinct = false;
  std::vector<ExprPtr> args;
  std::unique_ptr<Select> select;
  int pos = 0;
};

enum class JoinType { Inner, Left, Right };

struct TableRef {
  enum class Kind { Base, Derived, Join } kind = Kind::Base;
  std::wstring name;   // Base: table name
  std::wstring alias;  // Base, Derived
  std::unique_ptr<Select> select;  // Derived
  JoinType join = JoinType::Inner;  // Join
  std::unique_ptr<TableRef> left, right;
  ExprPtr on;
  int pos = 0;
};
using TableRefPtr = std::unique_ptr<TableRef>;

struct SelectItem {
  ExprPtr expr;
  std::wstring alias;
};

struct OrderItem {
  ExprPtr expr;
  bool descending = false;
};

struct Select {
  bool distinct = false;
  long long top = -1;  // -1: no TOP
  std::vector<SelectItem> items;
  std::vector<TableRefPtr> from;
  ExprPtr where;
  std::vector<ExprPtr> groupBy;
  ExprPtr having;
  // A compound: this select, then UNION [ALL] next. ORDER BY sits on the head
  // and orders the whole compound.
  std::unique_ptr<Select> unionNext;
  bool unionAll = false;
  std::vector<OrderItem> orderBy;
  int pos = 0;
};

struct ColumnDef {
  std::wstring name;
  std::wstring typeName;
  std::vector<long long> typeArgs;  // text(50), decimal(10,2)
  bool notNull = false;
  bool primaryKey = false;
  bool unique = false;
  ExprPtr defaultValue;
  int pos = 0;
};

struct TableConstraint {
  bool primaryKey = false;  // else UNIQUE
  std::vector<std::wstring> columns;
};

struct Assignment {
  std::wstring qualifier;
  std::wstring column;
  ExprPtr value;
  int pos = 0;
};

struct IndexColumn {
  std::wstring name;
  bool descending = false;
};

struct Statement {
  enum class Kind { Select, Insert, Update, Delete, CreateTable, AlterAddColumn, DropTable, CreateIndex, DropIndex };
  Kind kind = Kind::Select;

  std::unique_ptr<Select> select;      // Select; Insert ... SELECT
  std::wstring table;                  // Insert, Delete, CreateTable, Alter, DropTable, indexes
  std::vector<std::wstring> columns;   // Insert column list
  std::vector<std::vector<ExprPtr>> rows;  // Insert VALUES rows
  std::vector<TableRefPtr> sources;    // Update: the tables joined
  std::vector<Assignment> sets;        // Update
  ExprPtr where;                       // Update, Delete
  std::vector<ColumnDef> columnDefs;   // CreateTable; Alter: one
  std::vector<TableConstraint> constraints;  // CreateTable
  std::wstring indexName;              // indexes
  bool unique = false;                 // CreateIndex
  std::vector<IndexColumn> indexColumns;
  int pos = 0;
};

}  // namespace ast
}  // namespace veskdata
