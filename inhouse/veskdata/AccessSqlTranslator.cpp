#include "veskdata/AccessSqlTranslator.h"

#include <map>
#include <memory>
#include <vector>

#include "mfc/Utf8Convert.h"
#include "veskdata/AccessSqlAst.h"
#include "veskdata/AccessSqlError.h"
#include "veskdata/AccessSqlParser.h"

namespace veskdata {

using namespace ast;

namespace {

std::wstring FoldName(const std::wstring& s) { return FoldSqlName(s); }

bool SameName(const std::wstring& a, const std::wstring& b) { return FoldName(a) == FoldName(b); }

bool IsNumeric(SqlValueType t) { return t == SqlValueType::Number || t == SqlValueType::Null; }

// A translated piece of expression and what it yields.
struct Code {
  std::wstring sql;
  SqlValueType type = SqlValueType::Unknown;
};

// A table visible to the expressions of a statement: under the name they use
// (its alias, or the table name), with its columns when known.
struct Source {
  std::wstring alias;
  std::wstring qualifierSql;  // what to write before ".column"
  bool columnsKnown = false;
  std::shared_ptr<const SqlColumnList> columns;  // null when not known
  std::map<std::wstring, std::wstring> renames;  // folded name → column of the base table

  const SqlColumnInfo* Find(const std::wstring& name) const {
    if (!columns) return nullptr;
    const std::wstring f = FoldName(name);
    for (const auto& c : *columns) {
      if (c.folded == f) return &c;
    }
    return nullptr;
  }
  std::wstring ColumnName(const std::wstring& name) const {
    auto it = renames.find(FoldName(name));
    return it == renames.end() ? name : it->second;
  }
};

struct SelectResult {
  std::wstring sql;
  SqlColumnList columns;
  bool columnsKnown = true;
};

class Emitter {
 public:
  // params: where the constants go as parameters; null to write them inline.
  Emitter(SqlSchemaLookup* schema, std::vector<SqlParameter>* params) : m_schema(schema), m_params(params) {}

  std::wstring EmitStatement(const Statement& st);

 private:
  using Scope = std::vector<Source>;

  // schema
  Source BaseSource(const std::wstring& table, const std::wstring& alias);

  // names
  const Source* FindQualified(const std::wstring& qualifier) const;
  const Source* FindUnqualified(const std::wstring& column, const SqlColumnInfo** info) const;

  // expressions
  Code EmitExpr(const Expr& e);
  Code EmitColumn(const Expr& e);
  Code EmitBinary(const Expr& e);
  Code EmitFunction(const Expr& e);
  std::wstring EmitOperandList(const std::vector<ExprPtr>& args, std::size_t from);
  static std::wstring Nocase(const Code& a, const Code& b);
  std::wstring Constant(const Expr& e);

  // queries
  SelectResult EmitSelect(const Select& s, bool topLevel);
  SelectResult EmitCore(const Select& s, bool topLevel, Scope* keepScope);
  std::wstring EmitTableRef(const TableRef& ref);
  std::wstring EmitOrderBy(const std::vector<OrderItem>& items);

  // statements
  std::wstring EmitInsert(const Statement& st);
  std::wstring EmitUpdate(const Statement& st);
  std::wstring EmitMultiTableUpdate(const Statement& st);
  std::wstring EmitDelete(const Statement& st);
  std::wstring EmitCreateTable(const Statement& st);
  std::wstring EmitAlter(const Statement& st);
  std::wstring EmitColumnDef(const ColumnDef& c, bool inCreate, bool* isCounter);
  std::wstring EmitDefault(const Expr& e);

  // the multi-table update
  bool RefersOnlyTo(const Expr& e, const std::vector<std::wstring>& others, const std::vector<Source>& otherSources) const;

  SqlSchemaLookup* m_schema;
  std::vector<SqlParameter>* m_params;
  std::vector<Scope> m_scopes;
};

[[noreturn]] void Unsupported(const std::wstring& what, int pos) { throw AccessSqlError(what, pos); }

// ------------------------------------------------------------------ schema

Source Emitter::BaseSource(const std::wstring& table, const std::wstring& alias) {
  Source s;
  s.alias = alias.empty() ? table : alias;
  s.qualifierSql = AccessSqlTranslator::QuoteName(s.alias);
  if (m_schema) {
    s.columns = m_schema->TableColumns(table);
    s.columnsKnown = s.columns != nullptr;
  }
  return s;
}

const Source* Emitter::FindQualified(const std::wstring& qualifier) const {
  for (auto scope = m_scopes.rbegin(); scope != m_scopes.rend(); ++scope) {
    for (const auto& src : *scope) {
      if (SameName(src.alias, qualifier)) return &src;
    }
  }
  return nullptr;
}

const Source* Emitter::FindUnqualified(const std::wstring& column, const SqlColumnInfo** info) const {
  for (auto scope = m_scopes.rbegin(); scope != m_scopes.rend(); ++scope) {
    for (const auto& src : *scope) {
      if (const SqlColumnInfo* c = src.Find(src.ColumnName(column))) {
        *info = c;
        return &src;
      }
    }
  }
  return nullptr;
}

// ------------------------------------------------------------------ expressions

std::wstring Emitter::Nocase(const Code& a, const Code& b) {
  // Access compares texts without regard to case; numbers are unaffected by a
  // collation, so only a comparison known to be numeric goes without.
  return (IsNumeric(a.type) || IsNumeric(b.type)) ? L"" : L" COLLATE NOCASE";
}

// A number, text or date constant: a numbered parameter, or written inline.
std::wstring Emitter::Constant(const Expr& e) {
  if (!m_params) return e.kind == ExprKind::Number ? e.text : AccessSqlTranslator::QuoteText(e.text);
  SqlParameter p;
  if (e.kind == ExprKind::Number) {
    const bool whole = e.text.find_first_not_of(L"0123456789") == std::wstring::npos;
    if (whole && e.text.size() <= 18) {
      p.kind = SqlParameter::Kind::Integer;
      p.integer = std::stoll(e.text);
    } else {
      p.kind = SqlParameter::Kind::Real;
      p.real = e.number;
    }
  } else {
    p.text = veskhost::mfc::WideToUtf8(e.text.data(), e.text.size());
  }
  m_params->push_back(std::move(p));
  return L"?" + std::to_wstring(m_params->size());
}

Code Emitter::EmitColumn(const Expr& e) {
  Code c;
  if (!e.qualifier.empty()) {
    const Source* src = FindQualified(e.qualifier);
    if (!src) {
      c.sql = AccessSqlTranslator::QuoteName(e.qualifier) + L"." + AccessSqlTranslator::QuoteName(e.text);
      return c;
    }
    const std::wstring col = src->ColumnName(e.text);
    if (const SqlColumnInfo* info = src->Find(col)) c.type = info->type;
    c.sql = src->qualifierSql + L"." + AccessSqlTranslator::QuoteName(col);
    return c;
  }
  const SqlColumnInfo* info = nullptr;
  const Source* src = FindUnqualified(e.text, &info);
  if (src) {
    c.type = info->type;
    c.sql = AccessSqlTranslator::QuoteName(src->ColumnName(e.text));
  } else {
    c.sql = AccessSqlTranslator::QuoteName(e.text);
  }
  return c;
}

std::wstring Emitter::EmitOperandList(const std::vector<ExprPtr>& args, std::size_t from) {
  std::wstring s;
  for (std::size_t i = from; i < args.size(); ++i) {
    if (i > from) s += L", ";
    s += EmitExpr(*args[i]).sql;
  }
  return s;
}

Code Emitter::EmitExpr(const Expr& e) {
  Code c;
  switch (e.kind) {
    case ExprKind::Number:
      c.sql = Constant(e);
      c.type = SqlValueType::Number;
      return c;
    case ExprKind::Text:
      c.sql = Constant(e);
      c.type = SqlValueType::Text;
      return c;
    case ExprKind::Null:
      c.sql = L"NULL";
      c.type = SqlValueType::Null;
      return c;
    case ExprKind::Boolean:
      c.sql = e.number != 0 ? L"(-1)" : L"0";
      c.type = SqlValueType::Number;
      return c;
    case ExprKind::Date:
      c.sql = Constant(e);
      c.type = SqlValueType::Text;
      return c;
    case ExprKind::Column:
      return EmitColumn(e);
    case ExprKind::Star:
      if (e.qualifier.empty()) {
        c.sql = L"*";
      } else {
        const Source* src = FindQualified(e.qualifier);
        c.sql = (src ? src->qualifierSql : AccessSqlTranslator::QuoteName(e.qualifier)) + L".*";
      }
      return c;
    case ExprKind::Unary: {
      Code a = EmitExpr(*e.args[0]);
      if (e.op == Op::Not) {
        c.sql = L"(NOT " + a.sql + L")";
        c.type = SqlValueType::Number;
      } else if (e.op == Op::Negate) {
        c.sql = L"(-" + a.sql + L")";
        c.type = a.type == SqlValueType::Null ? SqlValueType::Null : SqlValueType::Number;
      } else {
        c = a;
      }
      return c;
    }
    case ExprKind::Binary:
      return EmitBinary(e);
    case ExprKind::IsNull:
      c.sql = L"(" + EmitExpr(*e.args[0]).sql + (e.negated ? L" IS NOT NULL)" : L" IS NULL)");
      c.type = SqlValueType::Number;
      return c;
    case ExprKind::Like: {
      Code v = EmitExpr(*e.args[0]);
      Code p = EmitExpr(*e.args[1]);
      c.sql = L"vk_like(" + v.sql + L", " + p.sql + L")";
      if (e.negated) c.sql = L"(NOT " + c.sql + L")";
      c.type = SqlValueType::Number;
      return c;
    }
    case ExprKind::Between: {
      Code v = EmitExpr(*e.args[0]);
      Code lo = EmitExpr(*e.args[1]);
      Code hi = EmitExpr(*e.args[2]);
      const std::wstring coll = (IsNumeric(v.type) || (IsNumeric(lo.type) && IsNumeric(hi.type))) ? L"" : L" COLLATE NOCASE";
      c.sql = L"(" + v.sql + coll + (e.negated ? L" NOT BETWEEN " : L" BETWEEN ") + lo.sql + L" AND " + hi.sql + L")";
      c.type = SqlValueType::Number;
      return c;
    }
    case ExprKind::InList: {
      Code v = EmitExpr(*e.args[0]);
      bool numericList = true;
      std::wstring list;
      for (std::size_t i = 1; i < e.args.size(); ++i) {
        Code item = EmitExpr(*e.args[i]);
        if (!IsNumeric(item.type)) numericList = false;
        if (i > 1) list += L", ";
        list += item.sql;
      }
      const std::wstring coll = (IsNumeric(v.type) || numericList) ? L"" : L" COLLATE NOCASE";
      c.sql = L"(" + v.sql + coll + (e.negated ? L" NOT IN (" : L" IN (") + list + L"))";
      c.type = SqlValueType::Number;
      return c;
    }
    case ExprKind::InSelect: {
      Code v = EmitExpr(*e.args[0]);
      SelectResult sub = EmitSelect(*e.select, false);
      if (sub.columnsKnown && sub.columns.size() != 1) Unsupported(L"IN 子查询只能返回一个字段", e.pos);
      const SqlValueType subType = sub.columns.size() == 1 ? sub.columns[0].type : SqlValueType::Unknown;
      const std::wstring coll = (IsNumeric(v.type) || IsNumeric(subType)) ? L"" : L" COLLATE NOCASE";
      c.sql = L"(" + v.sql + coll + (e.negated ? L" NOT IN (" : L" IN (") + sub.sql + L"))";
      c.type = SqlValueType::Number;
      return c;
    }
    case ExprKind::Exists:
      c.sql = L"EXISTS (" + EmitSelect(*e.select, false).sql + L")";
      c.type = SqlValueType::Number;
      return c;
    case ExprKind::Subquery: {
      SelectResult sub = EmitSelect(*e.select, false);
      c.sql = L"(" + sub.sql + L")";
      if (sub.columns.size() == 1) c.type = sub.columns[0].type;
      return c;
    }
    case ExprKind::Function:
      return EmitFunction(e);
  }
  Unsupported(L"无法转换的表达式", e.pos);
}

Code Emitter::EmitBinary(const Expr& e) {
  Code a = EmitExpr(*e.args[0]);
  Code b = EmitExpr(*e.args[1]);
  Code c;
  c.type = SqlValueType::Number;
  auto call = [&](const wchar_t* fn) { return std::wstring(fn) + L"(" + a.sql + L", " + b.sql + L")"; };
  auto infix = [&](const wchar_t* op) { return L"(" + a.sql + op + b.sql + L")"; };
  switch (e.op) {
    case Op::Power: c.sql = call(L"vk_pow"); break;
    case Op::Multiply: c.sql = infix(L" * "); break;
    case Op::Divide: c.sql = call(L"vk_div"); break;
    case Op::IntDivide: c.sql = call(L"vk_idiv"); break;
    case Op::Modulo: c.sql = call(L"vk_mod"); break;
    case Op::Subtract: c.sql = infix(L" - "); break;
    case Op::Add:
      if (a.type == SqlValueType::Text && b.type == SqlValueType::Text) {
        c.sql = infix(L" || ");
        c.type = SqlValueType::Text;
      } else if (IsNumeric(a.type) && IsNumeric(b.type)) {
        c.sql = infix(L" + ");
      } else if (a.type == SqlValueType::Null || b.type == SqlValueType::Null) {
        c.sql = infix(L" + ");  // Null whatever the other side is
        c.type = SqlValueType::Null;
      } else {
        c.sql = call(L"vk_add");
        c.type = (a.type == SqlValueType::Text || b.type == SqlValueType::Text) && a.type == b.type
                     ? SqlValueType::Text
                     : SqlValueType::Unknown;
      }
      break;
    case Op::Concat:
      c.sql = call(L"vk_concat");
      c.type = SqlValueType::Text;
      break;
    case Op::Equal: c.sql = L"(" + a.sql + L" = " + b.sql + Nocase(a, b) + L")"; break;
    case Op::NotEqual: c.sql = L"(" + a.sql + L" <> " + b.sql + Nocase(a, b) + L")"; break;
    case Op::Less: c.sql = L"(" + a.sql + L" < " + b.sql + Nocase(a, b) + L")"; break;
    case Op::LessEqual: c.sql = L"(" + a.sql + L" <= " + b.sql + Nocase(a, b) + L")"; break;
    case Op::Greater: c.sql = L"(" + a.sql + L" > " + b.sql + Nocase(a, b) + L")"; break;
    case Op::GreaterEqual: c.sql = L"(" + a.sql + L" >= " + b.sql + Nocase(a, b) + L")"; break;
    case Op::And: c.sql = infix(L" AND "); break;
    case Op::Or: c.sql = infix(L" OR "); break;
    case Op::Xor: Unsupported(L"不支持运算符 XOR", e.pos);
    case Op::Eqv: Unsupported(L"不支持运算符 EQV", e.pos);
    case Op::Imp: Unsupported(L"不支持运算符 IMP", e.pos);
    default: Unsupported(L"无法转换的运算符", e.pos);
  }
  return c;
}

Code Emitter::EmitFunction(const Expr& e) {
  const std::wstring name = FoldName(e.text);
  const std::size_t n = e.args.size();
  auto arity = [&](std::size_t lo, std::size_t hi) {
    if (n < lo || n > hi) {
      std::wstring expect = lo == hi ? std::to_wstring(lo) : std::to_wstring(lo) + L"~" + std::to_wstring(hi);
      Unsupported(L"函数 " + e.text + L" 的参数个数应为 " + expect + L"，实际为 " + std::to_wstring(n), e.pos);
    }
  };
  auto simple = [&](const wchar_t* target, std::size_t lo, std::size_t hi, SqlValueType type) {
    arity(lo, hi);
    Code c;
    c.sql = std::wstring(target) + L"(" + EmitOperandList(e.args, 0) + L")";
    c.type = type;
    return c;
  };
  if (e.distinct && name != L"count") Unsupported(L"只有 COUNT 可以带 DISTINCT", e.pos);
  for (const auto& a : e.args) {
    if (a->kind == ExprKind::Star && name != L"count") Unsupported(L"只有 COUNT 可以用 * 作参数", e.pos);
  }
  using T = SqlValueType;
  struct Mapping {
    const wchar_t* access;
    const wchar_t* engine;
    std::size_t lo, hi;
    T type;
  };
  static const Mapping kMappings[] = {
      {L"int", L"vk_int", 1, 1, T::Number},       {L"fix", L"vk_fix", 1, 1, T::Number},
      {L"abs", L"abs", 1, 1, T::Number},          {L"sgn", L"vk_sgn", 1, 1, T::Number},
      {L"sqr", L"vk_sqr", 1, 1, T::Number},       {L"exp", L"vk_exp", 1, 1, T::Number},
      {L"log", L"vk_log", 1, 1, T::Number},       {L"round", L"vk_round", 1, 2, T::Number},
      {L"left", L"vk_left", 2, 2, T::Text},       {L"right", L"vk_right", 2, 2, T::Text},
      {L"mid", L"vk_mid", 2, 3, T::Text},         {L"len", L"vk_len", 1, 1, T::Number},
      {L"ucase", L"vk_ucase", 1, 1, T::Text},     {L"lcase", L"vk_lcase", 1, 1, T::Text},
      {L"trim", L"vk_trim", 1, 1, T::Text},       {L"ltrim", L"vk_ltrim", 1, 1, T::Text},
      {L"rtrim", L"vk_rtrim", 1, 1, T::Text},     {L"instr", L"vk_instr", 2, 3, T::Number},
      {L"replace", L"vk_replace", 3, 3, T::Text}, {L"cstr", L"vk_cstr", 1, 1, T::Text},
      {L"clng", L"vk_clng", 1, 1, T::Number},     {L"cint", L"vk_cint", 1, 1, T::Number},
      {L"cdbl", L"vk_cdbl", 1, 1, T::Number},     {L"csng", L"vk_cdbl", 1, 1, T::Number},
      {L"val", L"vk_val", 1, 1, T::Number},       {L"asc", L"vk_asc", 1, 1, T::Number},
      {L"ascw", L"vk_asc", 1, 1, T::Number},      {L"chr", L"char", 1, 1, T::Text},
      {L"chrw", L"char", 1, 1, T::Text},          {L"sum", L"sum", 1, 1, T::Number},
      {L"avg", L"avg", 1, 1, T::Number},
  };
  for (const auto& m : kMappings) {
    if (name == m.access) return simple(m.engine, m.lo, m.hi, m.type);
  }
  Code c;
  if (name == L"count") {
    arity(1, 1);
    c.type = T::Number;
    if (e.args[0]->kind == ExprKind::Star && e.args[0]->qualifier.empty()) {
      if (e.distinct) Unsupported(L"COUNT(DISTINCT *) 无意义", e.pos);
      c.sql = L"count(*)";
    } else {
      c.sql = std::wstring(L"count(") + (e.distinct ? L"DISTINCT " : L"") + EmitExpr(*e.args[0]).sql + L")";
    }
    return c;
  }
  if (name == L"min" || name == L"max") {
    arity(1, 1);
    Code a = EmitExpr(*e.args[0]);
    c.sql = name + L"(" + a.sql + L")";
    c.type = a.type;
    return c;
  }
  if (name == L"iif") {
    arity(3, 3);
    Code cond = EmitExpr(*e.args[0]);
    Code a = EmitExpr(*e.args[1]);
    Code b = EmitExpr(*e.args[2]);
    c.sql = L"(CASE WHEN " + cond.sql + L" THEN " + a.sql + L" ELSE " + b.sql + L" END)";
    if (a.type == b.type || b.type == T::Null) {
      c.type = a.type;
    } else if (a.type == T::Null) {
      c.type = b.type;
    }
    return c;
  }
  if (name == L"nz") {
    arity(1, 2);
    Code a = EmitExpr(*e.args[0]);
    Code b;
    if (n == 2) {
      b = EmitExpr(*e.args[1]);
    } else {
      b.sql = L"''";
      b.type = T::Text;
    }
    c.sql = L"ifnull(" + a.sql + L", " + b.sql + L")";
    c.type = a.type == b.type ? a.type : T::Unknown;
    return c;
  }
  if (name == L"isnull") {
    arity(1, 1);
    c.sql = L"(-(" + EmitExpr(*e.args[0]).sql + L" IS NULL))";
    c.type = T::Number;
    return c;
  }
  if (name == L"now" || name == L"date" || name == L"time") {
    arity(0, 0);
    c.sql = name == L"now" ? L"datetime('now', 'localtime')"
            : name == L"date" ? L"date('now', 'localtime')" : L"time('now', 'localtime')";
    c.type = T::Text;
    return c;
  }
  static const std::pair<const wchar_t*, const wchar_t*> kDateParts[] = {
      {L"year", L"%Y"}, {L"month", L"%m"}, {L"day", L"%d"}, {L"hour", L"%H"}, {L"minute", L"%M"}, {L"second", L"%S"}};
  for (const auto& dp : kDateParts) {
    if (name == dp.first) {
      arity(1, 1);
      c.sql = std::wstring(L"CAST(strftime('") + dp.second + L"', " + EmitExpr(*e.args[0]).sql + L") AS INTEGER)";
      c.type = T::Number;
      return c;
    }
  }
  Unsupported(L"不支持的函数 " + e.text, e.pos);
}

// ------------------------------------------------------------------ queries

std::wstring Emitter::EmitTableRef(const TableRef& ref) {
  switch (ref.kind) {
    case TableRef::Kind::Base: {
      Source src = BaseSource(ref.name, ref.alias);
      std::wstring sql = AccessSqlTranslator::QuoteName(ref.name);
      if (!ref.alias.empty()) sql += L" AS " + AccessSqlTranslator::QuoteName(ref.alias);
      m_scopes.back().push_back(std::move(src));
      return sql;
    }
    case TableRef::Kind::Derived: {
      SelectResult sub = EmitSelect(*ref.select, false);
      Source src;
      src.alias = ref.alias;
      src.qualifierSql = AccessSqlTranslator::QuoteName(ref.alias);
      src.columnsKnown = sub.columnsKnown;
      src.columns = std::make_shared<const SqlColumnList>(std::move(sub.columns));
      m_scopes.back().push_back(std::move(src));
      return L"(" + sub.sql + L") AS " + AccessSqlTranslator::QuoteName(ref.alias);
    }
    case TableRef::Kind::Join: {
      // The engine has no RIGHT JOIN: A RIGHT JOIN B is B LEFT JOIN A.
      const bool swap = ref.join == JoinType::Right;
      const TableRef& first = swap ? *ref.right : *ref.left;
      const TableRef& second = swap ? *ref.left : *ref.right;
      std::wstring l = EmitTableRef(first);
      if (swap && first.kind == TableRef::Kind::Join) l = L"(" + l + L")";
      std::wstring r = EmitTableRef(second);
      if (second.kind == TableRef::Kind::Join) r = L"(" + r + L")";
      const std::wstring on = EmitExpr(*ref.on).sql;
      return l + (ref.join == JoinType::Inner ? L" INNER JOIN " : L" LEFT JOIN ") + r + L" ON " + on;
    }
  }
  Unsupported(L"无法转换的表引用", ref.pos);
}

std::wstring Emitter::EmitOrderBy(const std::vector<OrderItem>& items) {
  std::wstring s;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const Expr& e = *items[i].expr;
    if (i > 0) s += L", ";
    if (e.kind == ExprKind::Number) {
      s += e.text;  // a column number, never a parameter
      if (items[i].descending) s += L" DESC";
      continue;
    }
    Code c = EmitExpr(e);
    s += c.sql;
    if (e.kind != ExprKind::Number && !IsNumeric(c.type)) s += L" COLLATE NOCASE";
    if (items[i].descending) s += L" DESC";
  }
  return s;
}

SelectResult Emitter::EmitCore(const Select& s, bool topLevel, Scope* keepScope) {
  SelectResult r;
  m_scopes.emplace_back();
  std::wstring from;
  for (std::size_t i = 0; i < s.from.size(); ++i) {
    if (i > 0) from += L", ";
    const std::wstring t = EmitTableRef(*s.from[i]);
    from += s.from[i]->kind == TableRef::Kind::Join && s.from.size() > 1 ? L"(" + t + L")" : t;
  }
  std::wstring items;
  int exprNumber = 1000;
  for (std::size_t i = 0; i < s.items.size(); ++i) {
    const SelectItem& it = s.items[i];
    if (i > 0) items += L", ";
    const Expr& e = *it.expr;
    if (e.kind == ExprKind::Star) {
      if (!it.alias.empty()) Unsupported(L"* 不能带别名", e.pos);
      items += EmitExpr(e).sql;
      for (const auto& src : m_scopes.back()) {
        if (!e.qualifier.empty() && !SameName(src.alias, e.qualifier)) continue;
        if (!src.columnsKnown) r.columnsKnown = false;
        if (src.columns) r.columns.insert(r.columns.end(), src.columns->begin(), src.columns->end());
      }
      continue;
    }
    Code c = EmitExpr(e);
    items += c.sql;
    std::wstring name;
    if (!it.alias.empty()) {
      name = it.alias;
      items += L" AS " + AccessSqlTranslator::QuoteName(it.alias);
    } else if (e.kind == ExprKind::Column) {
      name = e.text;
    } else {
      // Access names an unnamed expression column Expr1000, Expr1001, ...
      name = L"Expr" + std::to_wstring(exprNumber++);
      if (topLevel) items += L" AS " + AccessSqlTranslator::QuoteName(name);
    }
    r.columns.emplace_back(std::move(name), c.type);
  }
  r.sql = L"SELECT ";
  if (s.distinct) r.sql += L"DISTINCT ";
  r.sql += items;
  if (!from.empty()) r.sql += L" FROM " + from;
  if (s.where) r.sql += L" WHERE " + EmitExpr(*s.where).sql;
  if (!s.groupBy.empty()) {
    r.sql += L" GROUP BY ";
    for (std::size_t i = 0; i < s.groupBy.size(); ++i) {
      if (i > 0) r.sql += L", ";
      const Expr& g = *s.groupBy[i];
      r.sql += g.kind == ExprKind::Number ? g.text : EmitExpr(g).sql;  // a column number stays one
    }
  }
  if (s.having) r.sql += L" HAVING " + EmitExpr(*s.having).sql;
  if (keepScope) *keepScope = std::move(m_scopes.back());
  m_scopes.pop_back();
  return r;
}

SelectResult Emitter::EmitSelect(const Select& s, bool topLevel) {
  if (!s.unionNext) {
    Scope scope;
    SelectResult r = EmitCore(s, topLevel, &scope);
    m_scopes.push_back(std::move(scope));
    if (!s.orderBy.empty()) r.sql += L" ORDER BY " + EmitOrderBy(s.orderBy);
    m_scopes.pop_back();
    if (s.top >= 0) r.sql += L" LIMIT " + std::to_wstring(s.top);
    return r;
  }
  // A compound: a member with TOP keeps its limit inside a subquery.
  SelectResult head;
  Scope headScope;
  std::wstring sql;
  for (const Select* part = &s; part; part = part->unionNext.get()) {
    SelectResult r = EmitCore(*part, topLevel && part == &s, part == &s ? &headScope : nullptr);
    if (part->top >= 0) r.sql = L"SELECT * FROM (" + r.sql + L" LIMIT " + std::to_wstring(part->top) + L")";
    if (part == &s) {
      head = r;
    } else if (head.columnsKnown && r.columnsKnown && r.columns.size() != head.columns.size()) {
      Unsupported(L"UNION 各部分的字段个数不一致", part->pos);
    }
    sql += r.sql;
    if (part->unionNext) sql += part->unionAll ? L" UNION ALL " : L" UNION ";
  }
  if (!s.orderBy.empty()) {
    m_scopes.push_back(std::move(headScope));
    sql += L" ORDER BY " + EmitOrderBy(s.orderBy);
    m_scopes.pop_back();
  }
  head.sql = std::move(sql);
  return head;
}

// ------------------------------------------------------------------ statements

std::wstring Emitter::EmitStatement(const Statement& st) {
  switch (st.kind) {
    case Statement::Kind::Select:
      return EmitSelect(*st.select, true).sql;
    case Statement::Kind::Insert:
      return EmitInsert(st);
    case Statement::Kind::Update:
      return EmitUpdate(st);
    case Statement::Kind::Delete:
      return EmitDelete(st);
    case Statement::Kind::CreateTable:
      return EmitCreateTable(st);
    case Statement::Kind::AlterAddColumn:
      return EmitAlter(st);
    case Statement::Kind::DropTable:
      return L"DROP TABLE " + AccessSqlTranslator::QuoteName(st.table);
    case Statement::Kind::CreateIndex: {
      std::wstring s = st.unique ? L"CREATE UNIQUE INDEX " : L"CREATE INDEX ";
      s += AccessSqlTranslator::QuoteName(st.indexName) + L" ON " + AccessSqlTranslator::QuoteName(st.table) + L" (";
      for (std::size_t i = 0; i < st.indexColumns.size(); ++i) {
        if (i > 0) s += L", ";
        s += AccessSqlTranslator::QuoteName(st.indexColumns[i].name);
        if (st.indexColumns[i].descending) s += L" DESC";
      }
      return s + L")";
    }
    case Statement::Kind::DropIndex:
      return L"DROP INDEX " + AccessSqlTranslator::QuoteName(st.indexName);
  }
  Unsupported(L"不支持的语句类型", st.pos);
}

std::wstring Emitter::EmitInsert(const Statement& st) {
  std::wstring s = L"INSERT INTO " + AccessSqlTranslator::QuoteName(st.table);
  if (!st.columns.empty()) {
    s += L" (";
    for (std::size_t i = 0; i < st.columns.size(); ++i) {
      if (i > 0) s += L", ";
      s += AccessSqlTranslator::QuoteName(st.columns[i]);
    }
    s += L")";
  }
  m_scopes.emplace_back();
  if (st.select) {
    SelectResult r = EmitSelect(*st.select, false);
    if (!st.columns.empty() && r.columnsKnown && r.columns.size() != st.columns.size()) {
      Unsupported(L"INSERT 的字段个数与 SELECT 的字段个数不一致", st.pos);
    }
    s += L" " + r.sql;
  } else {
    s += L" VALUES ";
    for (std::size_t r = 0; r < st.rows.size(); ++r) {
      if (r > 0) s += L", ";
      s += L"(" + EmitOperandList(st.rows[r], 0) + L")";
    }
  }
  m_scopes.pop_back();
  return s;
}

std::wstring Emitter::EmitDelete(const Statement& st) {
  m_scopes.emplace_back();
  Source src = BaseSource(st.table, st.sources.empty() ? std::wstring() : st.sources[0]->alias);
  src.qualifierSql = AccessSqlTranslator::QuoteName(st.table);  // the engine takes no alias here
  m_scopes.back().push_back(std::move(src));
  std::wstring s = L"DELETE FROM " + AccessSqlTranslator::QuoteName(st.table);
  if (st.where) s += L" WHERE " + EmitExpr(*st.where).sql;
  m_scopes.pop_back();
  return s;
}

std::wstring Emitter::EmitUpdate(const Statement& st) {
  if (st.sources.size() != 1 || st.sources[0]->kind != TableRef::Kind::Base) return EmitMultiTableUpdate(st);
  const TableRef& t = *st.sources[0];
  m_scopes.emplace_back();
  Source src = BaseSource(t.name, t.alias);
  src.qualifierSql = AccessSqlTranslator::QuoteName(t.name);
  const std::wstring alias = src.alias;
  m_scopes.back().push_back(std::move(src));
  std::wstring s = L"UPDATE " + AccessSqlTranslator::QuoteName(t.name) + L" SET ";
  for (std::size_t i = 0; i < st.sets.size(); ++i) {
    const Assignment& a = st.sets[i];
    if (!a.qualifier.empty() && !SameName(a.qualifier, alias) && !SameName(a.qualifier, t.name)) {
      Unsupported(L"SET 中的表名“" + a.qualifier + L"”不是要更新的表", a.pos);
    }
    if (i > 0) s += L", ";
    s += AccessSqlTranslator::QuoteName(a.column) + L" = " + EmitExpr(*a.value).sql;
  }
  if (st.where) s += L" WHERE " + EmitExpr(*st.where).sql;
  m_scopes.pop_back();
  return s;
}

namespace {

void FlattenSources(const TableRef& ref, std::vector<const TableRef*>& leaves, std::vector<const Expr*>& conditions) {
  if (ref.kind != TableRef::Kind::Join) {
    leaves.push_back(&ref);
    return;
  }
  if (ref.join != JoinType::Inner) Unsupported(L"多表更新不支持外连接", ref.pos);
  FlattenSources(*ref.left, leaves, conditions);
  FlattenSources(*ref.right, leaves, conditions);
  conditions.push_back(ref.on.get());
}

void FlattenAnd(const Expr& e, std::vector<const Expr*>& out) {
  if (e.kind == ExprKind::Binary && e.op == Op::And) {
    FlattenAnd(*e.args[0], out);
    FlattenAnd(*e.args[1], out);
  } else {
    out.push_back(&e);
  }
}

std::wstring LeafName(const TableRef& leaf) { return leaf.alias.empty() ? leaf.name : leaf.alias; }

}  // namespace

bool Emitter::RefersOnlyTo(const Expr& e, const std::vector<std::wstring>& others,
                           const std::vector<Source>& otherSources) const {
  // True when the expression names none of the other tables (so it can be
  // evaluated on the updated row alone). A subquery counts as naming them.
  if (e.select) return false;
  if (e.kind == ExprKind::Column || e.kind == ExprKind::Star) {
    if (!e.qualifier.empty()) {
      for (const auto& o : others) {
        if (SameName(o, e.qualifier)) return false;
      }
      return true;
    }
    if (e.kind == ExprKind::Star) return false;
    for (const auto& src : otherSources) {
      if (!src.columnsKnown || src.Find(e.text)) return false;
    }
    return true;
  }
  for (const auto& a : e.args) {
    if (!RefersOnlyTo(*a, others, otherSources)) return false;
  }
  return true;
}

std::wstring Emitter::EmitMultiTableUpdate(const Statement& st) {
  std::vector<const TableRef*> leaves;
  std::vector<const Expr*> conditions;
  for (const auto& s : st.sources) FlattenSources(*s, leaves, conditions);

  // The table whose fields are set.
  int target = -1;
  for (const Assignment& a : st.sets) {
    int found = -1;
    if (!a.qualifier.empty()) {
      for (std::size_t i = 0; i < leaves.size(); ++i) {
        if (SameName(LeafName(*leaves[i]), a.qualifier)) found = static_cast<int>(i);
      }
      if (found < 0) Unsupported(L"SET 中的表名“" + a.qualifier + L"”不在 UPDATE 的表中", a.pos);
    } else {
      for (std::size_t i = 0; i < leaves.size() && found < 0; ++i) {
        if (leaves[i]->kind == TableRef::Kind::Base && m_schema) {
          Source probe = BaseSource(leaves[i]->name, leaves[i]->alias);
          if (probe.Find(a.column)) found = static_cast<int>(i);
        }
      }
      if (found < 0) Unsupported(L"无法确定字段“" + a.column + L"”属于哪个表，请写明表名", a.pos);
    }
    if (target >= 0 && target != found) Unsupported(L"多表更新只能修改同一个表的字段", a.pos);
    target = found;
  }
  const TableRef& tgt = *leaves[target];

  // The base table behind the target, the filter a derived target applies,
  // and the names its select list gives to the base columns.
  std::wstring baseTable;
  const Expr* filter = nullptr;
  std::wstring innerAlias;
  std::map<std::wstring, std::wstring> renames;
  if (tgt.kind == TableRef::Kind::Base) {
    baseTable = tgt.name;
  } else {
    const Select& sel = *tgt.select;
    if (sel.unionNext || !sel.groupBy.empty() || sel.having || sel.distinct || sel.top >= 0 || sel.from.size() != 1 ||
        sel.from[0]->kind != TableRef::Kind::Base) {
      Unsupported(L"要更新的子查询“" + tgt.alias + L"”必须是对单个表的简单查询", tgt.pos);
    }
    baseTable = sel.from[0]->name;
    innerAlias = LeafName(*sel.from[0]);
    filter = sel.where.get();
    for (const SelectItem& it : sel.items) {
      const Expr& e = *it.expr;
      if (e.kind == ExprKind::Star) continue;
      if (e.kind != ExprKind::Column) {
        Unsupported(L"要更新的子查询“" + tgt.alias + L"”中含有计算字段", e.pos);
      }
      renames[FoldName(it.alias.empty() ? e.text : it.alias)] = e.text;
    }
    bool hasStar = false;
    for (const SelectItem& it : sel.items) hasStar = hasStar || it.expr->kind == ExprKind::Star;
    if (!hasStar) {
      for (const Assignment& a : st.sets) {
        if (!renames.count(FoldName(a.column))) {
          Unsupported(L"字段“" + a.column + L"”不在子查询“" + tgt.alias + L"”中", a.pos);
        }
      }
    }
  }
  const std::wstring baseSql = AccessSqlTranslator::QuoteName(baseTable);

  Source targetSrc = BaseSource(baseTable, LeafName(tgt));
  targetSrc.qualifierSql = baseSql;
  targetSrc.renames = renames;

  m_scopes.emplace_back();
  m_scopes.back().push_back(targetSrc);

  // The filter of a derived target, over the base table itself.
  std::vector<std::wstring> where;
  if (filter) {
    m_scopes.emplace_back();
    Source inner = BaseSource(baseTable, innerAlias);
    inner.qualifierSql = baseSql;
    m_scopes.back().push_back(std::move(inner));
    where.push_back(EmitExpr(*filter).sql);
    m_scopes.pop_back();
  }

  // The other tables, for the correlated subqueries.
  std::vector<std::wstring> otherNames;
  for (std::size_t i = 0; i < leaves.size(); ++i) {
    if (static_cast<int>(i) != target) otherNames.push_back(LeafName(*leaves[i]));
  }
  m_scopes.emplace_back();
  std::wstring otherFrom;
  int generated = 0;
  for (std::size_t i = 0; i < leaves.size(); ++i) {
    if (static_cast<int>(i) == target) continue;
    const TableRef& leaf = *leaves[i];
    if (!otherFrom.empty()) otherFrom += L", ";
    if (leaf.kind == TableRef::Kind::Base && leaf.alias.empty() && SameName(leaf.name, baseTable)) {
      // The same table unaliased would hide the updated row: give it a name.
      const std::wstring gen = L"vk_src" + std::to_wstring(++generated);
      Source src = BaseSource(leaf.name, std::wstring());
      src.qualifierSql = AccessSqlTranslator::QuoteName(gen);
      m_scopes.back().push_back(std::move(src));
      otherFrom += baseSql + L" AS " + AccessSqlTranslator::QuoteName(gen);
    } else {
      otherFrom += EmitTableRef(leaf);
    }
  }
  const std::vector<Source> otherSources = m_scopes.back();

  std::vector<const Expr*> conjuncts;
  if (st.where) FlattenAnd(*st.where, conjuncts);
  for (const Expr* c : conditions) FlattenAnd(*c, conjuncts);
  std::vector<std::wstring> innerWhere;
  std::vector<const Expr*> outerConjuncts;
  for (const Expr* c : conjuncts) {
    if (RefersOnlyTo(*c, otherNames, otherSources)) {
      outerConjuncts.push_back(c);
    } else {
      innerWhere.push_back(EmitExpr(*c).sql);
    }
  }
  std::wstring innerCond;
  for (std::size_t i = 0; i < innerWhere.size(); ++i) innerCond += (i ? L" AND " : L"") + innerWhere[i];

  std::vector<std::wstring> joinedTargets, joinedValues;
  std::vector<const Assignment*> plainSets;
  for (const Assignment& a : st.sets) {
    if (RefersOnlyTo(*a.value, otherNames, otherSources)) {
      plainSets.push_back(&a);
    } else {
      joinedTargets.push_back(AccessSqlTranslator::QuoteName(targetSrc.ColumnName(a.column)));
      joinedValues.push_back(EmitExpr(*a.value).sql);
    }
  }
  m_scopes.pop_back();  // the other tables

  std::wstring sets;
  for (const Assignment* a : plainSets) {
    if (!sets.empty()) sets += L", ";
    sets += AccessSqlTranslator::QuoteName(targetSrc.ColumnName(a->column)) + L" = " + EmitExpr(*a->value).sql;
  }
  if (!joinedTargets.empty()) {
    std::wstring cols, vals;
    for (std::size_t i = 0; i < joinedTargets.size(); ++i) {
      cols += (i ? L", " : L"") + joinedTargets[i];
      vals += (i ? L", " : L"") + joinedValues[i];
    }
    std::wstring sub = L"(SELECT " + vals + L" FROM " + otherFrom;
    if (!innerCond.empty()) sub += L" WHERE " + innerCond;
    sub += L" LIMIT 1)";
    if (!sets.empty()) sets += L", ";
    sets += (joinedTargets.size() == 1 ? cols : L"(" + cols + L")") + L" = " + sub;
  }
  for (const Expr* c : outerConjuncts) where.push_back(EmitExpr(*c).sql);
  if (!otherFrom.empty()) {
    std::wstring exists = L"EXISTS (SELECT 1 FROM " + otherFrom;
    if (!innerCond.empty()) exists += L" WHERE " + innerCond;
    where.push_back(exists + L")");
  }
  m_scopes.pop_back();

  std::wstring s = L"UPDATE " + baseSql + L" SET " + sets;
  for (std::size_t i = 0; i < where.size(); ++i) s += (i ? L" AND " : L" WHERE ") + where[i];
  return s;
}

// ------------------------------------------------------------------ schema statements

namespace {

struct TypeMapping {
  const wchar_t* access;
  const wchar_t* engine;
  bool text;
  bool counter;
};

const TypeMapping kTypes[] = {
    {L"text", L"TEXT", true, false},          {L"char", L"TEXT", true, false},
    {L"varchar", L"TEXT", true, false},       {L"nvarchar", L"TEXT", true, false},
    {L"nchar", L"TEXT", true, false},         {L"string", L"TEXT", true, false},
    {L"alphanumeric", L"TEXT", true, false},  {L"character", L"TEXT", true, false},
    {L"memo", L"TEXT", true, false},          {L"longtext", L"TEXT", true, false},
    {L"longchar", L"TEXT", true, false},      {L"note", L"TEXT", true, false},
    {L"ntext", L"TEXT", true, false},         {L"hyperlink", L"TEXT", true, false},
    {L"guid", L"TEXT", true, false},          {L"uniqueidentifier", L"TEXT", true, false},
    {L"integer", L"INTEGER", false, false},   {L"int", L"INTEGER", false, false},
    {L"long", L"INTEGER", false, false},      {L"integer4", L"INTEGER", false, false},
    {L"short", L"INTEGER", false, false},     {L"smallint", L"INTEGER", false, false},
    {L"integer2", L"INTEGER", false, false},  {L"byte", L"INTEGER", false, false},
    {L"tinyint", L"INTEGER", false, false},   {L"integer1", L"INTEGER", false, false},
    {L"bigint", L"INTEGER", false, false},    {L"bit", L"INTEGER", false, false},
    {L"yesno", L"INTEGER", false, false},     {L"logical", L"INTEGER", false, false},
    {L"logical1", L"INTEGER", false, false},  {L"boolean", L"INTEGER", false, false},
    {L"single", L"REAL", false, false},       {L"real", L"REAL", false, false},
    {L"float4", L"REAL", false, false},       {L"ieeesingle", L"REAL", false, false},
    {L"double", L"REAL", false, false},       {L"float", L"REAL", false, false},
    {L"float8", L"REAL", false, false},       {L"ieeedouble", L"REAL", false, false},
    {L"number", L"REAL", false, false},       {L"numeric", L"REAL", false, false},
    {L"decimal", L"REAL", false, false},      {L"dec", L"REAL", false, false},
    {L"currency", L"REAL", false, false},     {L"money", L"REAL", false, false},
    {L"datetime", L"TEXT", false, false},     {L"date", L"TEXT", false, false},
    {L"time", L"TEXT", false, false},         {L"timestamp", L"TEXT", false, false},
    {L"binary", L"BLOB", false, false},       {L"varbinary", L"BLOB", false, false},
    {L"longbinary", L"BLOB", false, false},   {L"image", L"BLOB", false, false},
    {L"oleobject", L"BLOB", false, false},    {L"general", L"BLOB", false, false},
    {L"counter", L"INTEGER", false, true},    {L"autoincrement", L"INTEGER", false, true},
    {L"identity", L"INTEGER", false, true},
};

}  // namespace

std::wstring Emitter::EmitDefault(const Expr& e) {
  switch (e.kind) {
    case ExprKind::Number:
    case ExprKind::Text:
    case ExprKind::Null:
    case ExprKind::Date:
      return EmitExpr(e).sql;
    case ExprKind::Boolean:
      return e.number != 0 ? L"-1" : L"0";
    case ExprKind::Unary:
      if (e.op == Op::Negate && e.args[0]->kind == ExprKind::Number) return L"-" + e.args[0]->text;
      if (e.op == Op::Plus && e.args[0]->kind == ExprKind::Number) return e.args[0]->text;
      break;
    default:
      break;
  }
  return L"(" + EmitExpr(e).sql + L")";
}

std::wstring Emitter::EmitColumnDef(const ColumnDef& c, bool inCreate, bool* isCounter) {
  const std::wstring type = FoldName(c.typeName);
  const TypeMapping* m = nullptr;
  for (const auto& t : kTypes) {
    if (type == t.access) m = &t;
  }
  if (!m) Unsupported(L"不支持的字段类型 " + c.typeName, c.pos);
  *isCounter = m->counter;
  std::wstring s = AccessSqlTranslator::QuoteName(c.name) + L" " + m->engine;
  if (m->counter) {
    if (!inCreate) Unsupported(L"不能给已有的表添加自动编号字段", c.pos);
    // The row id itself: numbered max + 1 on insert.
    return s + L" PRIMARY KEY";
  }
  if (m->text) s += L" COLLATE NOCASE";
  if (c.primaryKey) {
    if (!inCreate) Unsupported(L"不能在添加字段时声明主键", c.pos);
    s += L" PRIMARY KEY";
  }
  if (c.unique) {
    if (!inCreate) Unsupported(L"不能在添加字段时声明唯一约束", c.pos);
    s += L" UNIQUE";
  }
  if (c.notNull) s += L" NOT NULL";
  if (c.defaultValue) s += L" DEFAULT " + EmitDefault(*c.defaultValue);
  return s;
}

std::wstring Emitter::EmitCreateTable(const Statement& st) {
  m_scopes.emplace_back();
  std::wstring s = L"CREATE TABLE " + AccessSqlTranslator::QuoteName(st.table) + L" (";
  int counters = 0, primaryKeys = 0;
  for (std::size_t i = 0; i < st.columnDefs.size(); ++i) {
    bool counter = false;
    if (i > 0) s += L", ";
    s += EmitColumnDef(st.columnDefs[i], true, &counter);
    if (counter) ++counters;
    if (counter || st.columnDefs[i].primaryKey) ++primaryKeys;
  }
  for (const auto& tc : st.constraints) {
    if (tc.primaryKey) ++primaryKeys;
    s += tc.primaryKey ? L", PRIMARY KEY (" : L", UNIQUE (";
    for (std::size_t i = 0; i < tc.columns.size(); ++i) {
      if (i > 0) s += L", ";
      s += AccessSqlTranslator::QuoteName(tc.columns[i]);
    }
    s += L")";
  }
  m_scopes.pop_back();
  if (counters > 1) Unsupported(L"一个表只能有一个自动编号字段", st.pos);
  if (primaryKeys > 1) Unsupported(L"一个表只能有一个主键（自动编号字段即是主键）", st.pos);
  return s + L")";
}

std::wstring Emitter::EmitAlter(const Statement& st) {
  m_scopes.emplace_back();
  bool counter = false;
  std::wstring s = L"ALTER TABLE " + AccessSqlTranslator::QuoteName(st.table) + L" ADD COLUMN " +
                   EmitColumnDef(st.columnDefs[0], false, &counter);
  m_scopes.pop_back();
  return s;
}

}  // namespace

std::wstring AccessSqlTranslator::QuoteName(const std::wstring& name) {
  if (name.find(L']') == std::wstring::npos) return L"[" + name + L"]";
  std::wstring s = L"`";
  for (wchar_t c : name) {
    if (c == L'`') s += L'`';
    s += c;
  }
  return s + L"`";
}

std::wstring AccessSqlTranslator::QuoteText(const std::wstring& text) {
  std::wstring s = L"'";
  for (wchar_t c : text) {
    if (c == L'\'') s += L'\'';
    s += c;
  }
  return s + L"'";
}

TranslatedSql AccessSqlTranslator::Translate(const std::wstring& accessSql) const {
  auto st = AccessSqlParser::Parse(accessSql);
  TranslatedSql out;
  switch (st->kind) {
    case Statement::Kind::Select:
      out.kind = SqlStatementKind::Query;
      break;
    case Statement::Kind::Insert:
    case Statement::Kind::Update:
    case Statement::Kind::Delete:
      out.kind = SqlStatementKind::Change;
      break;
    default:
      out.kind = SqlStatementKind::Schema;
      break;
  }
  // The engine takes parameters in queries and changes, up to ?999.
  constexpr std::size_t kMaxParameters = 999;
  std::wstring sql;
  if (out.kind != SqlStatementKind::Schema) {
    sql = Emitter(m_schema, &out.params).EmitStatement(*st);
    if (out.params.size() > kMaxParameters) out.params.clear();
  }
  if (out.params.empty()) sql = Emitter(m_schema, nullptr).EmitStatement(*st);
  out.sql = veskhost::mfc::WideToUtf8(sql.data(), sql.size());
  return out;
}

}  // namespace veskdata
