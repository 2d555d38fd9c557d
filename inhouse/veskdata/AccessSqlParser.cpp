#include "veskdata/AccessSqlParser.h"

#include <cstdio>
#include <cwchar>
#include <cwctype>

#include "veskdata/AccessSqlError.h"

namespace veskdata {

using namespace ast;

namespace {

// Nesting deeper than this is refused rather than risking the stack.
constexpr int kMaxDepth = 200;

// Bare names that cannot stand for a table, column or alias.
const wchar_t* const kReserved[] = {
    L"select", L"from", L"where", L"and", L"or", L"not", L"in", L"is", L"null", L"like", L"between",
    L"as", L"on", L"join", L"inner", L"left", L"right", L"outer", L"full", L"group", L"by",
    L"having", L"order", L"union", L"all", L"distinct", L"distinctrow", L"top", L"percent",
    L"insert", L"into", L"values", L"update", L"set", L"delete", L"true", L"false", L"mod",
    L"xor", L"eqv", L"imp", L"exists", L"asc", L"desc"};

// Reserved or not, by keyword index.
const std::vector<bool>& ReservedByKeyword() {
  static const std::vector<bool> table = [] {
    const auto& words = AccessSqlLexer::Keywords();
    std::vector<bool> t(words.size(), false);
    for (std::size_t i = 0; i < words.size(); ++i) {
      for (const wchar_t* r : kReserved) {
        if (words[i] == r) t[i] = true;
      }
    }
    return t;
  }();
  return table;
}

struct DepthGuard {
  int& depth;
  explicit DepthGuard(int& d, const AccessToken& at) : depth(d) {
    if (++depth > kMaxDepth) {
      --depth;
      throw AccessSqlError(L"表达式嵌套过深", at.pos);
    }
  }
  ~DepthGuard() { --depth; }
};

ExprPtr MakeExpr(ExprKind kind, int pos) {
  auto e = std::make_unique<Expr>();
  e->kind = kind;
  e->pos = pos;
  return e;
}

ExprPtr MakeBinary(Op op, ExprPtr l, ExprPtr r, int pos) {
  auto e = MakeExpr(ExprKind::Binary, pos);
  e->op = op;
  e->args.push_back(std::move(l));
  e->args.push_back(std::move(r));
  return e;
}

ExprPtr MakeUnary(Op op, ExprPtr a, int pos) {
  auto e = MakeExpr(ExprKind::Unary, pos);
  e->op = op;
  e->args.push_back(std::move(a));
  return e;
}

bool ReadInt(const std::wstring& s, std::size_t& i, int maxDigits, int& out) {
  int digits = 0, v = 0;
  while (i < s.size() && s[i] >= L'0' && s[i] <= L'9' && digits < maxDigits) {
    v = v * 10 + (s[i] - L'0');
    ++i;
    ++digits;
  }
  out = v;
  return digits > 0;
}

bool ValidDate(int y, int m, int d) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
  int dim = kDays[m - 1];
  if (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0)) dim = 29;
  return d <= dim;
}

// "#...#" to "YYYY-MM-DD[ HH:MM:SS]". Access reads a date with slashes as
// month/day/year; ISO forms with '-' or '/' after a four-digit year also.
bool ParseDateLiteral(std::wstring s, std::wstring& iso) {
  std::size_t b = 0;
  while (b < s.size() && AccessSqlLexer::IsBlank(s[b])) ++b;
  s.erase(0, b);
  while (!s.empty() && AccessSqlLexer::IsBlank(s.back())) s.pop_back();
  std::size_t i = 0;
  int y = 0, m = 0, d = 0, hh = 0, mm = 0, ss = 0;
  bool haveDate = false, haveTime = false;
  // Date part.
  std::size_t probe = 0;
  int first = 0;
  if (ReadInt(s, probe, 4, first) && probe < s.size() && (s[probe] == L'-' || s[probe] == L'/')) {
    const wchar_t sep = s[probe];
    const bool yearFirst = probe == 4;
    int a = 0, bb = 0, c = 0;
    i = 0;
    ReadInt(s, i, 4, a);
    ++i;
    if (!ReadInt(s, i, 2, bb)) return false;
    if (i >= s.size() || s[i] != sep) return false;
    ++i;
    if (!ReadInt(s, i, 4, c)) return false;
    if (yearFirst) {
      y = a, m = bb, d = c;
    } else {
      m = a, d = bb, y = c;
      if (y < 100) y += y < 30 ? 2000 : 1900;
    }
    if (!ValidDate(y, m, d)) return false;
    haveDate = true;
    while (i < s.size() && AccessSqlLexer::IsBlank(s[i])) ++i;
  }
  // Time part.
  if (i < s.size()) {
    if (!ReadInt(s, i, 2, hh)) return false;
    if (i >= s.size() || s[i] != L':') return false;
    ++i;
    if (!ReadInt(s, i, 2, mm)) return false;
    if (i < s.size() && s[i] == L':') {
      ++i;
      if (!ReadInt(s, i, 2, ss)) return false;
    }
    while (i < s.size() && AccessSqlLexer::IsBlank(s[i])) ++i;
    if (i < s.size()) {
      std::wstring ampm = s.substr(i);
      for (auto& ch : ampm) ch = static_cast<wchar_t>(towupper(ch));
      if (ampm == L"AM" || ampm == L"PM") {
        if (hh < 1 || hh > 12) return false;
        if (ampm == L"AM" && hh == 12) hh = 0;
        if (ampm == L"PM" && hh != 12) hh += 12;
        i = s.size();
      }
    }
    if (i != s.size() || hh > 23 || mm > 59 || ss > 59) return false;
    haveTime = true;
  }
  if (!haveDate && !haveTime) return false;
  if (!haveDate) y = 1899, m = 12, d = 30;  // Access's day zero
  wchar_t buf[40];
  if (haveTime) {
    std::swprintf(buf, 40, L"%04d-%02d-%02d %02d:%02d:%02d", y, m, d, hh, mm, ss);
  } else {
    std::swprintf(buf, 40, L"%04d-%02d-%02d", y, m, d);
  }
  iso = buf;
  return true;
}

}  // namespace

bool AccessSqlParser::IsReserved(const AccessToken& token) {
  return token.kind == AccessTokenKind::Name && token.keyword >= 0 &&
         ReservedByKeyword()[static_cast<std::size_t>(token.keyword)];
}

std::unique_ptr<Statement> AccessSqlParser::Parse(const std::wstring& sql) {
  AccessSqlParser p(AccessSqlLexer::Tokenize(sql));
  auto st = p.ParseStatement();
  p.AcceptSymbol(L";");
  if (p.Peek().kind != AccessTokenKind::End) p.Fail(L"语句结束后还有多余的内容", p.Peek());
  return st;
}

const AccessToken& AccessSqlParser::Peek(std::size_t ahead) const {
  const std::size_t i = m_pos + ahead;
  return i < m_tokens.size() ? m_tokens[i] : m_tokens.back();
}

const AccessToken& AccessSqlParser::Next() {
  const AccessToken& t = Peek();
  if (m_pos < m_tokens.size() - 1) ++m_pos;
  return t;
}

bool AccessSqlParser::AcceptKeyword(const wchar_t* keyword) {
  if (Peek().IsKeyword(keyword)) {
    Next();
    return true;
  }
  return false;
}

bool AccessSqlParser::AcceptSymbol(const wchar_t* symbol) {
  if (Peek().IsSymbol(symbol)) {
    Next();
    return true;
  }
  return false;
}

void AccessSqlParser::ExpectKeyword(const wchar_t* keyword) {
  if (!AcceptKeyword(keyword)) {
    std::wstring k(keyword);
    for (auto& ch : k) ch = static_cast<wchar_t>(towupper(ch));
    Fail(L"此处应为 " + k, Peek());
  }
}

void AccessSqlParser::ExpectSymbol(const wchar_t* symbol) {
  if (!AcceptSymbol(symbol)) Fail(std::wstring(L"此处应为“") + symbol + L"”", Peek());
}

void AccessSqlParser::Fail(const std::wstring& message, const AccessToken& at) const {
  std::wstring m = message;
  if (at.kind == AccessTokenKind::End) {
    m += L"，但语句已结束";
  } else {
    m += L"，遇到“" + at.text + L"”";
  }
  throw AccessSqlError(m, at.pos);
}

bool AccessSqlParser::PeekName() const {
  const AccessToken& t = Peek();
  return t.kind == AccessTokenKind::QuotedName || (t.kind == AccessTokenKind::Name && !IsReserved(t));
}

std::wstring AccessSqlParser::ExpectName(const wchar_t* what) {
  if (!PeekName()) Fail(std::wstring(L"此处应为") + what, Peek());
  return Next().text;
}

std::vector<std::wstring> AccessSqlParser::ParseNameList() {
  std::vector<std::wstring> names;
  ExpectSymbol(L"(");
  do {
    names.push_back(ExpectName(L"字段名"));
  } while (AcceptSymbol(L","));
  ExpectSymbol(L")");
  return names;
}

// ---------------------------------------------------------------- statements

std::unique_ptr<Statement> AccessSqlParser::ParseStatement() {
  const AccessToken& t = Peek();
  if (t.IsKeyword(L"select")) {
    auto st = std::make_unique<Statement>();
    st->kind = Statement::Kind::Select;
    st->pos = t.pos;
    st->select = ParseSelect();
    return st;
  }
  if (t.IsKeyword(L"insert")) return ParseInsert();
  if (t.IsKeyword(L"update")) return ParseUpdate();
  if (t.IsKeyword(L"delete")) return ParseDelete();
  if (t.IsKeyword(L"create")) return ParseCreate();
  if (t.IsKeyword(L"alter")) return ParseAlter();
  if (t.IsKeyword(L"drop")) return ParseDrop();
  if (t.kind == AccessTokenKind::End) Fail(L"SQL语句为空", t);
  Fail(L"不支持的语句类型", t);
}

std::unique_ptr<Statement> AccessSqlParser::ParseInsert() {
  auto st = std::make_unique<Statement>();
  st->kind = Statement::Kind::Insert;
  st->pos = Next().pos;  // INSERT
  ExpectKeyword(L"into");
  st->table = ExpectName(L"表名");
  if (Peek().IsSymbol(L"(") && !Peek(1).IsKeyword(L"select")) st->columns = ParseNameList();
  if (AcceptKeyword(L"values")) {
    do {
      ExpectSymbol(L"(");
      std::vector<ExprPtr> row;
      do {
        row.push_back(ParseExpression());
      } while (AcceptSymbol(L","));
      ExpectSymbol(L")");
      if (!st->columns.empty() && row.size() != st->columns.size()) {
        throw AccessSqlError(L"VALUES 中值的个数与字段个数不一致", st->pos);
      }
      if (!st->rows.empty() && row.size() != st->rows.front().size()) {
        throw AccessSqlError(L"VALUES 各行的值个数不一致", st->pos);
      }
      st->rows.push_back(std::move(row));
    } while (AcceptSymbol(L","));
    return st;
  }
  const bool paren = AcceptSymbol(L"(");
  if (!Peek().IsKeyword(L"select")) Fail(L"此处应为 VALUES 或 SELECT", Peek());
  st->select = ParseSelect();
  if (paren) ExpectSymbol(L")");
  return st;
}

std::unique_ptr<Statement> AccessSqlParser::ParseUpdate() {
  auto st = std::make_unique<Statement>();
  st->kind = Statement::Kind::Update;
  st->pos = Next().pos;  // UPDATE
  st->sources = ParseFromList();
  ExpectKeyword(L"set");
  do {
    Assignment a;
    a.pos = Peek().pos;
    std::wstring first = ExpectName(L"字段名");
    if (AcceptSymbol(L".")) {
      a.qualifier = std::move(first);
      a.column = ExpectName(L"字段名");
    } else {
      a.column = std::move(first);
    }
    ExpectSymbol(L"=");
    a.value = ParseExpression();
    st->sets.push_back(std::move(a));
  } while (AcceptSymbol(L","));
  if (AcceptKeyword(L"where")) st->where = ParseExpression();
  return st;
}

std::unique_ptr<Statement> AccessSqlParser::ParseDelete() {
  auto st = std::make_unique<Statement>();
  st->kind = Statement::Kind::Delete;
  st->pos = Next().pos;  // DELETE
  // DELETE * FROM T, DELETE T.* FROM T
  if (!AcceptSymbol(L"*") && !Peek().IsKeyword(L"from")) {
    std::wstring target = ExpectName(L"表名");
    ExpectSymbol(L".");
    ExpectSymbol(L"*");
    (void)target;
  }
  ExpectKeyword(L"from");
  auto sources = ParseFromList();
  if (sources.size() != 1 || sources[0]->kind != TableRef::Kind::Base) {
    throw AccessSqlError(L"DELETE 只能从单个表删除记录", st->pos);
  }
  st->table = sources[0]->name;
  if (!sources[0]->alias.empty()) st->sources = std::move(sources);
  if (AcceptKeyword(L"where")) st->where = ParseExpression();
  return st;
}

ColumnDef AccessSqlParser::ParseColumnDef() {
  ColumnDef c;
  c.pos = Peek().pos;
  c.name = ExpectName(L"字段名");
  const AccessToken& type = Peek();
  if (type.kind != AccessTokenKind::Name) Fail(L"此处应为字段类型", type);
  c.typeName = Next().text;
  if (type.IsKeyword(L"double") && Peek().IsKeyword(L"precision")) Next();
  if (AcceptSymbol(L"(")) {
    do {
      const AccessToken& n = Next();
      if (n.kind != AccessTokenKind::Number) Fail(L"类型参数应为数字", n);
      c.typeArgs.push_back(std::wcstoll(n.text.c_str(), nullptr, 10));
    } while (AcceptSymbol(L","));
    ExpectSymbol(L")");
  }
  for (;;) {
    if (AcceptKeyword(L"not")) {
      ExpectKeyword(L"null");
      c.notNull = true;
    } else if (AcceptKeyword(L"null")) {
      c.notNull = false;
    } else if (AcceptKeyword(L"default")) {
      c.defaultValue = ParseConcat();
    } else if (AcceptKeyword(L"primary")) {
      ExpectKeyword(L"key");
      c.primaryKey = true;
    } else if (AcceptKeyword(L"unique")) {
      c.unique = true;
    } else if (AcceptKeyword(L"constraint")) {
      ExpectName(L"约束名");
      if (AcceptKeyword(L"primary")) {
        ExpectKeyword(L"key");
        c.primaryKey = true;
      } else {
        ExpectKeyword(L"unique");
        c.unique = true;
      }
    } else if (AcceptKeyword(L"with")) {
      // WITH COMPRESSION / WITH COMP: a storage hint without meaning here.
      if (!AcceptKeyword(L"compression") && !AcceptKeyword(L"comp")) Fail(L"此处应为 COMPRESSION", Peek());
    } else {
      break;
    }
  }
  return c;
}

std::unique_ptr<Statement> AccessSqlParser::ParseCreate() {
  auto st = std::make_unique<Statement>();
  st->pos = Next().pos;  // CREATE
  if (AcceptKeyword(L"table")) {
    st->kind = Statement::Kind::CreateTable;
    st->table = ExpectName(L"表名");
    ExpectSymbol(L"(");
    do {
      if (Peek().IsKeyword(L"constraint") || Peek().IsKeyword(L"primary") ||
          (Peek().IsKeyword(L"unique") && Peek(1).IsSymbol(L"("))) {
        if (AcceptKeyword(L"constraint")) ExpectName(L"约束名");
        TableConstraint tc;
        if (AcceptKeyword(L"primary")) {
          ExpectKeyword(L"key");
          tc.primaryKey = true;
        } else {
          ExpectKeyword(L"unique");
        }
        tc.columns = ParseNameList();
        st->constraints.push_back(std::move(tc));
      } else {
        st->columnDefs.push_back(ParseColumnDef());
      }
    } while (AcceptSymbol(L","));
    ExpectSymbol(L")");
    return st;
  }
  st->kind = Statement::Kind::CreateIndex;
  st->unique = AcceptKeyword(L"unique");
  ExpectKeyword(L"index");
  st->indexName = ExpectName(L"索引名");
  ExpectKeyword(L"on");
  st->table = ExpectName(L"表名");
  ExpectSymbol(L"(");
  do {
    IndexColumn ic;
    ic.name = ExpectName(L"字段名");
    if (AcceptKeyword(L"desc")) {
      ic.descending = true;
    } else {
      AcceptKeyword(L"asc");
    }
    st->indexColumns.push_back(std::move(ic));
  } while (AcceptSymbol(L","));
  ExpectSymbol(L")");
  if (AcceptKeyword(L"with")) {
    // WITH PRIMARY | DISALLOW NULL | IGNORE NULL: the index options of Access.
    if (AcceptKeyword(L"primary")) {
      throw AccessSqlError(L"不支持 WITH PRIMARY 索引，请在建表时声明主键", st->pos);
    }
    if (AcceptKeyword(L"disallow") || AcceptKeyword(L"ignore")) {
      ExpectKeyword(L"null");
    } else {
      Fail(L"此处应为 DISALLOW NULL 或 IGNORE NULL", Peek());
    }
  }
  return st;
}

std::unique_ptr<Statement> AccessSqlParser::ParseAlter() {
  auto st = std::make_unique<Statement>();
  st->pos = Next().pos;  // ALTER
  ExpectKeyword(L"table");
  st->table = ExpectName(L"表名");
  if (AcceptKeyword(L"add")) {
    if (Peek().IsKeyword(L"constraint") || Peek().IsKeyword(L"primary")) {
      throw AccessSqlError(L"不支持用 ALTER TABLE 添加约束", Peek().pos);
    }
    AcceptKeyword(L"column");
    st->kind = Statement::Kind::AlterAddColumn;
    st->columnDefs.push_back(ParseColumnDef());
    return st;
  }
  if (Peek().IsKeyword(L"drop")) throw AccessSqlError(L"数据库引擎不支持用 ALTER TABLE 删除字段", Peek().pos);
  if (Peek().IsKeyword(L"alter")) throw AccessSqlError(L"数据库引擎不支持修改已有字段的类型", Peek().pos);
  Fail(L"此处应为 ADD", Peek());
}

std::unique_ptr<Statement> AccessSqlParser::ParseDrop() {
  auto st = std::make_unique<Statement>();
  st->pos = Next().pos;  // DROP
  if (AcceptKeyword(L"table")) {
    st->kind = Statement::Kind::DropTable;
    st->table = ExpectName(L"表名");
    return st;
  }
  ExpectKeyword(L"index");
  st->kind = Statement::Kind::DropIndex;
  st->indexName = ExpectName(L"索引名");
  if (AcceptKeyword(L"on")) st->table = ExpectName(L"表名");
  return st;
}

// ---------------------------------------------------------------- SELECT

std::unique_ptr<Select> AccessSqlParser::ParseSelect() {
  auto head = ParseSelectCore();
  Select* last = head.get();
  while (Peek().IsKeyword(L"union")) {
    Next();
    last->unionAll = AcceptKeyword(L"all");
    if (AcceptSymbol(L"(")) {
      last->unionNext = ParseSelect();
      ExpectSymbol(L")");
    } else {
      last->unionNext = ParseSelectCore();
    }
    last = last->unionNext.get();
  }
  if (AcceptKeyword(L"order")) {
    ExpectKeyword(L"by");
    do {
      OrderItem oi;
      oi.expr = ParseExpression();
      if (AcceptKeyword(L"desc")) {
        oi.descending = true;
      } else {
        AcceptKeyword(L"asc");
      }
      head->orderBy.push_back(std::move(oi));
    } while (AcceptSymbol(L","));
  }
  return head;
}

std::unique_ptr<Select> AccessSqlParser::ParseSelectCore() {
  auto s = std::make_unique<Select>();
  s->pos = Peek().pos;
  ExpectKeyword(L"select");
  for (;;) {
    if (AcceptKeyword(L"distinct") || AcceptKeyword(L"distinctrow")) {
      s->distinct = true;
    } else if (AcceptKeyword(L"all")) {
    } else if (Peek().IsKeyword(L"top")) {
      const AccessToken& topTok = Next();
      const AccessToken& n = Next();
      if (n.kind != AccessTokenKind::Number || n.text.find_first_not_of(L"0123456789") != std::wstring::npos) {
        Fail(L"TOP 后应为整数", n);
      }
      s->top = std::wcstoll(n.text.c_str(), nullptr, 10);
      if (AcceptKeyword(L"percent")) throw AccessSqlError(L"不支持 TOP ... PERCENT", topTok.pos);
    } else {
      break;
    }
  }
  do {
    SelectItem item;
    item.expr = ParseExpression();
    if (AcceptKeyword(L"as")) {
      item.alias = ExpectName(L"别名");
    } else if (PeekName()) {
      item.alias = Next().text;
    }
    s->items.push_back(std::move(item));
  } while (AcceptSymbol(L","));
  if (Peek().IsKeyword(L"into")) throw AccessSqlError(L"不支持 SELECT ... INTO，请先建表再用 INSERT INTO ... SELECT", Peek().pos);
  if (AcceptKeyword(L"from")) s->from = ParseFromList();
  if (AcceptKeyword(L"where")) s->where = ParseExpression();
  if (AcceptKeyword(L"group")) {
    ExpectKeyword(L"by");
    do {
      s->groupBy.push_back(ParseExpression());
    } while (AcceptSymbol(L","));
  }
  if (AcceptKeyword(L"having")) s->having = ParseExpression();
  return s;
}

std::vector<TableRefPtr> AccessSqlParser::ParseFromList() {
  std::vector<TableRefPtr> list;
  do {
    list.push_back(ParseJoinChain());
  } while (AcceptSymbol(L","));
  return list;
}

TableRefPtr AccessSqlParser::ParseJoinChain() {
  auto left = ParseTableAtom();
  for (;;) {
    const AccessToken& t = Peek();
    JoinType type;
    if (t.IsKeyword(L"inner") && Peek(1).IsKeyword(L"join")) {
      Next();
      type = JoinType::Inner;
    } else if (t.IsKeyword(L"join")) {
      type = JoinType::Inner;
    } else if (t.IsKeyword(L"left") || t.IsKeyword(L"right")) {
      type = t.IsKeyword(L"left") ? JoinType::Left : JoinType::Right;
      Next();
      AcceptKeyword(L"outer");
    } else if (t.IsKeyword(L"full")) {
      throw AccessSqlError(L"不支持 FULL JOIN", t.pos);
    } else {
      break;
    }
    const int pos = Peek().pos;
    ExpectKeyword(L"join");
    auto join = std::make_unique<TableRef>();
    join->kind = TableRef::Kind::Join;
    join->join = type;
    join->pos = pos;
    join->left = std::move(left);
    join->right = ParseTableAtom();
    ExpectKeyword(L"on");
    join->on = ParseExpression();
    left = std::move(join);
  }
  return left;
}

TableRefPtr AccessSqlParser::ParseTableAtom() {
  auto ref = std::make_unique<TableRef>();
  ref->pos = Peek().pos;
  if (AcceptSymbol(L"(")) {
    if (Peek().IsKeyword(L"select")) {
      ref->kind = TableRef::Kind::Derived;
      ref->select = ParseSelect();
      ExpectSymbol(L")");
      ref->alias = ParseOptionalAlias();
      if (ref->alias.empty()) throw AccessSqlError(L"子查询作为表使用时需要别名", ref->pos);
      return ref;
    }
    auto inner = ParseJoinChain();
    ExpectSymbol(L")");
    return inner;
  }
  ref->kind = TableRef::Kind::Base;
  ref->name = ExpectName(L"表名");
  ref->alias = ParseOptionalAlias();
  return ref;
}

std::wstring AccessSqlParser::ParseOptionalAlias() {
  if (AcceptKeyword(L"as")) return ExpectName(L"别名");
  if (PeekName()) return Next().text;
  return std::wstring();
}

// ---------------------------------------------------------------- expressions

namespace {

// Binding strength of the operators between operands (higher binds
// tighter). Not stands between And and the comparisons; the unary signs and
// ^ bind tighter than all of these and are parsed below them.
constexpr int kPrecImp = 1, kPrecEqv = 2, kPrecXor = 3, kPrecOr = 4, kPrecAnd = 5, kPrecNot = 6,
              kPrecCompare = 7, kPrecConcat = 8, kPrecAdd = 9, kPrecMod = 10, kPrecIntDiv = 11, kPrecMul = 12;

// The binary operator the token stands for, with its strength; 0 for none.
// Comparisons of every kind (= <> < > <= >= Like Is In Between, Not Like ...)
// answer kPrecCompare with Op::None.
int BinaryOperator(const AccessToken& t, const AccessToken& next, Op& op) {
  op = Op::None;
  if (t.kind == AccessTokenKind::Symbol) {
    const std::wstring& s = t.text;
    if (s.size() == 1) {
      switch (s[0]) {
        case L'*': op = Op::Multiply; return kPrecMul;
        case L'/': op = Op::Divide; return kPrecMul;
        case L'\\': op = Op::IntDivide; return kPrecIntDiv;
        case L'+': op = Op::Add; return kPrecAdd;
        case L'-': op = Op::Subtract; return kPrecAdd;
        case L'&': op = Op::Concat; return kPrecConcat;
        case L'=': case L'<': case L'>': return kPrecCompare;
        default: return 0;
      }
    }
    return (s == L"<>" || s == L"<=" || s == L">=") ? kPrecCompare : 0;
  }
  if (t.kind != AccessTokenKind::Name || t.keyword < 0) return 0;
  if (t.IsKeyword(L"mod")) { op = Op::Modulo; return kPrecMod; }
  if (t.IsKeyword(L"and")) { op = Op::And; return kPrecAnd; }
  if (t.IsKeyword(L"or")) { op = Op::Or; return kPrecOr; }
  if (t.IsKeyword(L"xor")) { op = Op::Xor; return kPrecXor; }
  if (t.IsKeyword(L"eqv")) { op = Op::Eqv; return kPrecEqv; }
  if (t.IsKeyword(L"imp")) { op = Op::Imp; return kPrecImp; }
  if (t.IsKeyword(L"like") || t.IsKeyword(L"is") || t.IsKeyword(L"in") || t.IsKeyword(L"between")) {
    return kPrecCompare;
  }
  if (t.IsKeyword(L"not") && (next.IsKeyword(L"like") || next.IsKeyword(L"in") || next.IsKeyword(L"between"))) {
    return kPrecCompare;
  }
  return 0;
}

}  // namespace

ExprPtr AccessSqlParser::ParseExpression() {
  DepthGuard guard(m_depth, Peek());
  return ParseBinary(kPrecImp);
}

ExprPtr AccessSqlParser::ParseConcat() { return ParseBinary(kPrecConcat); }

// Precedence climbing over the operators of BinaryOperator: the operands of
// an operator of strength p are parsed at strength p + 1 (left association).
ExprPtr AccessSqlParser::ParseBinary(int minPrec) {
  ExprPtr left;
  if (minPrec <= kPrecNot && Peek().IsKeyword(L"not")) {
    DepthGuard guard(m_depth, Peek());
    const int pos = Next().pos;
    left = MakeUnary(Op::Not, ParseBinary(kPrecNot), pos);
  } else {
    left = ParseUnary();
  }
  for (;;) {
    Op op = Op::None;
    const int prec = BinaryOperator(Peek(), Peek(1), op);
    if (prec == 0 || prec < minPrec) break;
    if (prec == kPrecCompare) {
      left = ParseComparisonTail(std::move(left));
      continue;
    }
    const int pos = Next().pos;
    left = MakeBinary(op, std::move(left), ParseBinary(prec + 1), pos);
  }
  return left;
}

// One comparison after its left operand: = <> < > <= >=, Is [Not] Null,
// [Not] Like, [Not] In (list or select), [Not] Between ... And ...
ExprPtr AccessSqlParser::ParseComparisonTail(ExprPtr l) {
  const AccessToken& t = Peek();
  const int pos = t.pos;
  Op op = Op::None;
  if (t.IsSymbol(L"=")) op = Op::Equal;
  else if (t.IsSymbol(L"<>")) op = Op::NotEqual;
  else if (t.IsSymbol(L"<")) op = Op::Less;
  else if (t.IsSymbol(L"<=")) op = Op::LessEqual;
  else if (t.IsSymbol(L">")) op = Op::Greater;
  else if (t.IsSymbol(L">=")) op = Op::GreaterEqual;
  if (op != Op::None) {
    Next();
    return MakeBinary(op, std::move(l), ParseBinary(kPrecConcat), pos);
  }
  if (t.IsKeyword(L"is")) {
    Next();
    auto e = MakeExpr(ExprKind::IsNull, pos);
    e->negated = AcceptKeyword(L"not");
    ExpectKeyword(L"null");
    e->args.push_back(std::move(l));
    return e;
  }
  const bool negated = AcceptKeyword(L"not");
  if (AcceptKeyword(L"like")) {
    auto e = MakeExpr(ExprKind::Like, pos);
    e->negated = negated;
    e->args.push_back(std::move(l));
    e->args.push_back(ParseBinary(kPrecConcat));
    return e;
  }
  if (AcceptKeyword(L"between")) {
    auto e = MakeExpr(ExprKind::Between, pos);
    e->negated = negated;
    e->args.push_back(std::move(l));
    e->args.push_back(ParseBinary(kPrecConcat));
    ExpectKeyword(L"and");
    e->args.push_back(ParseBinary(kPrecConcat));
    return e;
  }
  ExpectKeyword(L"in");
  ExpectSymbol(L"(");
  if (Peek().IsKeyword(L"select")) {
    auto e = MakeExpr(ExprKind::InSelect, pos);
    e->negated = negated;
    e->args.push_back(std::move(l));
    e->select = ParseSelect();
    ExpectSymbol(L")");
    return e;
  }
  auto e = MakeExpr(ExprKind::InList, pos);
  e->negated = negated;
  e->args.push_back(std::move(l));
  do {
    e->args.push_back(ParseExpression());
  } while (AcceptSymbol(L","));
  ExpectSymbol(L")");
  return e;
}

ExprPtr AccessSqlParser::ParseUnary() {
  const AccessToken& t = Peek();
  if (t.IsSymbol(L"-") || t.IsSymbol(L"+")) {
    DepthGuard guard(m_depth, t);
    const Op op = t.IsSymbol(L"-") ? Op::Negate : Op::Plus;
    const int pos = Next().pos;
    return MakeUnary(op, ParseUnary(), pos);
  }
  return ParsePower();
}

ExprPtr AccessSqlParser::ParsePower() {
  auto l = ParsePrimary();
  while (Peek().IsSymbol(L"^")) {
    const int pos = Next().pos;
    l = MakeBinary(Op::Power, std::move(l), ParsePowerOperand(), pos);
  }
  return l;
}

ExprPtr AccessSqlParser::ParsePowerOperand() {
  // 2^-1: a sign may introduce the exponent.
  const AccessToken& t = Peek();
  if (t.IsSymbol(L"-") || t.IsSymbol(L"+")) {
    DepthGuard guard(m_depth, t);
    const Op op = t.IsSymbol(L"-") ? Op::Negate : Op::Plus;
    const int pos = Next().pos;
    return MakeUnary(op, ParsePowerOperand(), pos);
  }
  return ParsePrimary();
}

ExprPtr AccessSqlParser::ParsePrimary() {
  const AccessToken& t = Peek();
  DepthGuard guard(m_depth, t);
  switch (t.kind) {
    case AccessTokenKind::Number: {
      auto e = MakeExpr(ExprKind::Number, t.pos);
      e->text = t.text;
      e->number = std::wcstod(t.text.c_str(), nullptr);
      Next();
      return e;
    }
    case AccessTokenKind::Text: {
      auto e = MakeExpr(ExprKind::Text, t.pos);
      e->text = t.text;
      Next();
      return e;
    }
    case AccessTokenKind::Date: {
      auto e = MakeExpr(ExprKind::Date, t.pos);
      if (!ParseDateLiteral(t.text, e->text)) throw AccessSqlError(L"无效的日期常量 #" + t.text + L"#", t.pos);
      Next();
      return e;
    }
    case AccessTokenKind::Symbol: {
      if (t.IsSymbol(L"(")) {
        Next();
        if (Peek().IsKeyword(L"select")) {
          auto e = MakeExpr(ExprKind::Subquery, t.pos);
          e->select = ParseSelect();
          ExpectSymbol(L")");
          return e;
        }
        auto inner = ParseExpression();
        ExpectSymbol(L")");
        return inner;
      }
      if (t.IsSymbol(L"*")) {
        auto e = MakeExpr(ExprKind::Star, t.pos);
        Next();
        return e;
      }
      if (t.IsSymbol(L"?")) throw AccessSqlError(L"不支持参数占位符“?”", t.pos);
      Fail(L"此处应为表达式", t);
    }
    case AccessTokenKind::Name:
    case AccessTokenKind::QuotedName:
      return ParseNameExpr();
    case AccessTokenKind::End:
      break;
  }
  Fail(L"此处应为表达式", t);
}

ExprPtr AccessSqlParser::ParseNameExpr() {
  const AccessToken& t = Peek();
  if (t.kind == AccessTokenKind::Name) {
    if (t.IsKeyword(L"null")) {
      Next();
      return MakeExpr(ExprKind::Null, t.pos);
    }
    if (t.IsKeyword(L"true") || t.IsKeyword(L"false")) {
      auto e = MakeExpr(ExprKind::Boolean, t.pos);
      e->number = t.IsKeyword(L"true") ? -1 : 0;
      Next();
      return e;
    }
    if (t.IsKeyword(L"exists")) {
      auto e = MakeExpr(ExprKind::Exists, t.pos);
      Next();
      ExpectSymbol(L"(");
      if (!Peek().IsKeyword(L"select")) Fail(L"EXISTS 后应为子查询", Peek());
      e->select = ParseSelect();
      ExpectSymbol(L")");
      return e;
    }
    // Left, Right and Asc are keywords elsewhere (joins, ORDER BY) and
    // functions when a '(' follows.
    if (Peek(1).IsSymbol(L"(") &&
        (!IsReserved(t) || t.IsKeyword(L"left") || t.IsKeyword(L"right") || t.IsKeyword(L"asc"))) {
      auto e = MakeExpr(ExprKind::Function, t.pos);
      e->text = t.text;
      Next();
      Next();  // (
      if (!AcceptSymbol(L")")) {
        if (AcceptKeyword(L"distinct")) e->distinct = true;
        do {
          e->args.push_back(ParseExpression());
        } while (AcceptSymbol(L","));
        ExpectSymbol(L")");
      }
      return e;
    }
    if (IsReserved(t)) Fail(L"此处应为表达式", t);
  }
  // Column, qualifier.column or qualifier.*
  auto e = MakeExpr(ExprKind::Column, t.pos);
  std::wstring first = Next().text;
  if (AcceptSymbol(L".")) {
    if (AcceptSymbol(L"*")) {
      e->kind = ExprKind::Star;
      e->qualifier = std::move(first);
      return e;
    }
    e->qualifier = std::move(first);
    e->text = ExpectName(L"字段名");
    return e;
  }
  e->text = std::move(first);
  return e;
}

}  // namespace veskdata
