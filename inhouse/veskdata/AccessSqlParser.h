#pragma once
// Parser of the Access SQL dialect: SELECT (TOP, DISTINCT, joins, derived
// tables, GROUP BY, HAVING, UNION, ORDER BY), INSERT (VALUES or SELECT),
// UPDATE (one table, or several tables joined or listed with commas), DELETE,
// CREATE TABLE, ALTER TABLE ... ADD [COLUMN], DROP TABLE, CREATE/DROP INDEX.
//
// Expressions follow the Access precedence, from the tightest:
//   ^ ; unary - + ; * / ; \ ; Mod ; + - ; & ;
//   = <> < > <= >= Like Is In Between ; Not ; And ; Or ; Xor ; Eqv ; Imp
// ^ is left-associative and binds tighter than negation (-2^2 = -4).
#include <memory>
#include <string>
#include <vector>

#include "veskdata/AccessSqlAst.h"
#include "veskdata/AccessSqlLexer.h"

namespace veskdata {

class AccessSqlParser {
 public:
  // One statement, optionally ended by ';'. Throws AccessSqlError.
  static std::unique_ptr<ast::Statement> Parse(const std::wstring& sql);

  // A bare name that cannot stand for a table, column or alias.
  static bool IsReserved(const AccessToken& token);

 private:
  explicit AccessSqlParser(std::vector<AccessToken> tokens) : m_tokens(std::move(tokens)) {}

  const AccessToken& Peek(std::size_t ahead = 0) const;
  const AccessToken& Next();
  bool AcceptKeyword(const wchar_t* keyword);
  bool AcceptSymbol(const wchar_t* symbol);
  void ExpectKeyword(const wchar_t* keyword);
  void ExpectSymbol(const wchar_t* symbol);
  [[noreturn]] void Fail(const std::wstring& message, const AccessToken& at) const;
  std::wstring ExpectName(const wchar_t* what);
  bool PeekName() const;  // a name that can stand for a table, column or alias

  std::unique_ptr<ast::Statement> ParseStatement();
  std::unique_ptr<ast::Statement> ParseInsert();
  std::unique_ptr<ast::Statement> ParseUpdate();
  std::unique_ptr<ast::Statement> ParseDelete();
  std::unique_ptr<ast::Statement> ParseCreate();
  std::unique_ptr<ast::Statement> ParseAlter();
  std::unique_ptr<ast::Statement> ParseDrop();
  ast::ColumnDef ParseColumnDef();
  std::vector<std::wstring> ParseNameList();

  std::unique_ptr<ast::Select> ParseSelect();
  std::unique_ptr<ast::Select> ParseSelectCore();
  std::vector<ast::TableRefPtr> ParseFromList();
  ast::TableRefPtr ParseJoinChain();
  ast::TableRefPtr ParseTableAtom();
  std::wstring ParseOptionalAlias();

  ast::ExprPtr ParseExpression();
  ast::ExprPtr ParseConcat();  // an operand of a comparison: & and tighter
  ast::ExprPtr ParseBinary(int minPrecedence);
  ast::ExprPtr ParseComparisonTail(ast::ExprPtr left);
  ast::ExprPtr ParseUnary();
  ast::ExprPtr ParsePower();
  ast::ExprPtr ParsePowerOperand();
  ast::ExprPtr ParsePrimary();
  ast::ExprPtr ParseNameExpr();

  std::vector<AccessToken> m_tokens;
  std::size_t m_pos = 0;
  int m_depth = 0;
};

}  // namespace veskdata
