// The Access dialect as the engine runs it: operator precedence, the Access
// functions, texts and case, and clear errors for what cannot be translated.
#include <gtest/gtest.h>

#include "inhouse/veskdata/VeskDataTestUtil.h"
#include "veskdata/AccessSqlError.h"
#include "veskdata/AccessSqlTranslator.h"
#include "veskdata/CFADO.h"

namespace {

using vdtest::Eval;
using vdtest::Exec;
using vdtest::TempDir;

class AccessDialect : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ado.CreateNewDatabase(dir.File("e.mdb"), L"", ado.GetConn())) << ado.GetLastError().ToUtf8();
    Exec(ado, {L"create table T (Name text(20), Code text(20), N long, X double)",
               L"insert into T values ('Road', '1', 5, 2.5)", L"insert into T values ('road', '2', -1, null)",
               L"insert into T values ('河流', null, 1024, 0.1)"});
  }
  std::string Sql(const wchar_t* access) {
    veskdata::TranslatedSql t;
    CString error;
    if (!ado.GetConn()->Translate(access, t, error)) return "<error: " + error.ToUtf8() + ">";
    return t.sql;
  }
  TempDir dir;
  CFADO ado;
};

TEST_F(AccessDialect, OperatorPrecedenceAndArithmetic) {
  EXPECT_EQ(Eval(ado, L"-2^2"), "-4");          // ^ binds tighter than negation
  EXPECT_EQ(Eval(ado, L"2^3^2"), "64");         // and groups to the left
  EXPECT_EQ(Eval(ado, L"2^-1"), "0.5");
  EXPECT_EQ(Eval(ado, L"2+3*4"), "14");
  EXPECT_EQ(Eval(ado, L"7/2"), "3.5");          // / always divides exactly
  EXPECT_EQ(Eval(ado, L"7\\2*3"), "1");         // \ below *: 7 \ 6
  EXPECT_EQ(Eval(ado, L"7 mod 4 \\ 2"), "1");   // Mod below \: 7 mod 2
  EXPECT_EQ(Eval(ado, L"-7 \\ 2"), "-3");
  EXPECT_EQ(Eval(ado, L"-7 mod 3"), "-1");
  EXPECT_EQ(Eval(ado, L"2.5 \\ 1"), "2");       // operands round half to even
  EXPECT_EQ(Eval(ado, L"3.5 mod 10"), "4");
  EXPECT_EQ(Eval(ado, L"1+2 & 3"), "33");       // & below +
  EXPECT_EQ(Eval(ado, L"not 1 = 2"), "1");      // Not below comparisons
  EXPECT_EQ(Eval(ado, L"1 < 2 and 2 < 1 or 3 = 3"), "1");
  EXPECT_EQ(Eval(ado, L"true"), "-1");
  EXPECT_EQ(Eval(ado, L"false"), "0");
  EXPECT_EQ(Eval(ado, L"(1 + 2) * 3"), "9");
  EXPECT_EQ(Eval(ado, L"int(7/2) * 2"), "6");
  EXPECT_NE(Eval(ado, L"1/0").find("除数为零"), std::string::npos);
  EXPECT_NE(Eval(ado, L"5 mod 0").find("除数为零"), std::string::npos);
  EXPECT_EQ(Eval(ado, L"null * 3"), "<null>");
}

TEST_F(AccessDialect, PlusJoinsTextsAndAmpersandJoinsAnything) {
  EXPECT_EQ(Eval(ado, L"'a' + 'b'"), "ab");
  EXPECT_EQ(Eval(ado, L"\"double\" + ' quoted'"), "double quoted");  // "..." is a text in Access
  EXPECT_EQ(Eval(ado, L"'1' + 2"), "3");                              // a numeric text is added
  EXPECT_NE(Eval(ado, L"'a' + 1").find("类型不匹配"), std::string::npos);
  EXPECT_EQ(Eval(ado, L"null + 'a'"), "<null>");
  EXPECT_EQ(Eval(ado, L"'x' & null"), "x");
  EXPECT_EQ(Eval(ado, L"1.5 & 'x' & 2"), "1.5x2");
  // Columns: text columns join, number columns add, whatever the values are.
  EXPECT_EQ(vdtest::Column(ado, L"select ';' + Code + ';' as v from T where N = 5", L"v"),
            std::vector<std::string>{";1;"});
  EXPECT_EQ(vdtest::Column(ado, L"select Code + Code as v from T where N = 5", L"v"), std::vector<std::string>{"11"});
  EXPECT_EQ(vdtest::Column(ado, L"select N + X as v from T where N = 5", L"v"), std::vector<std::string>{"7.5"});
  EXPECT_EQ(vdtest::Column(ado, L"select Code + N as v from T where N = 5", L"v"), std::vector<std::string>{"6"});
  // The decision was made at translation where the types were known.
  EXPECT_NE(Sql(L"select Name + Code from T").find("||"), std::string::npos);
  EXPECT_NE(Sql(L"select N + X from T").find(" + "), std::string::npos);
  EXPECT_NE(Sql(L"select Name + N from T").find("vk_add"), std::string::npos);
}

TEST_F(AccessDialect, AccessFunctions) {
  EXPECT_EQ(Eval(ado, L"int(-8.4)"), "-9");  // Int rounds down, Fix toward zero
  EXPECT_EQ(Eval(ado, L"fix(-8.4)"), "-8");
  EXPECT_EQ(Eval(ado, L"int('12.7')"), "12");
  EXPECT_EQ(Eval(ado, L"left('道路边线', 2)"), "道路");
  EXPECT_EQ(Eval(ado, L"right('道路边线', 3)"), "路边线");
  EXPECT_EQ(Eval(ado, L"right('ab', 5)"), "ab");
  EXPECT_EQ(Eval(ado, L"mid('abcdef', 2, 3)"), "bcd");
  EXPECT_EQ(Eval(ado, L"mid('道路边线', 3)"), "边线");
  EXPECT_EQ(Eval(ado, L"mid('abc', 5)"), "");
  EXPECT_NE(Eval(ado, L"mid('abc', 0)").find("无效的过程调用"), std::string::npos);
  EXPECT_EQ(Eval(ado, L"len('道路')"), "2");
  EXPECT_EQ(Eval(ado, L"len(12.5)"), "4");
  EXPECT_EQ(Eval(ado, L"ucase('abc') & lcase('DEF')"), "ABCdef");
  EXPECT_EQ(Eval(ado, L"'[' & trim('  a b  ') & ']'"), "[a b]");
  EXPECT_EQ(Eval(ado, L"'[' & ltrim('  a  ') & rtrim('  b  ') & ']'"), "[a    b]");
  EXPECT_EQ(Eval(ado, L"instr('abcABC', 'C')"), "3");
  EXPECT_EQ(Eval(ado, L"instr(4, 'abcABC', 'c')"), "6");
  EXPECT_EQ(Eval(ado, L"instr('abc', 'z')"), "0");
  EXPECT_EQ(Eval(ado, L"iif(1 > 2, 'a', 'b')"), "b");
  EXPECT_EQ(Eval(ado, L"iif(null, 'a', 'b')"), "b");
  EXPECT_EQ(Eval(ado, L"nz(null, 7)"), "7");
  EXPECT_EQ(Eval(ado, L"isnull(null)"), "-1");
  EXPECT_EQ(Eval(ado, L"round(2.5) & ',' & round(3.5) & ',' & round(2.675, 2) & ',' & round(2.665, 2)"),
            "2,4,2.68,2.66");
  EXPECT_EQ(Eval(ado, L"clng(2.5) + cint(3.5)"), "6");
  EXPECT_NE(Eval(ado, L"cint(40000)").find("溢出"), std::string::npos);
  EXPECT_EQ(Eval(ado, L"val('  12abc') + cdbl('0.5')"), "12.5");
  EXPECT_EQ(Eval(ado, L"cstr(0.1 + 0.2)"), "0.3");
  EXPECT_EQ(Eval(ado, L"sgn(-3) & abs(-3) & sqr(16)"), "-134");
  EXPECT_EQ(Eval(ado, L"replace('a-b-c', '-', '+')"), "a+b+c");
  EXPECT_EQ(Eval(ado, L"asc('A') & chr(66)"), "65B");
  EXPECT_EQ(Eval(ado, L"year(#1/5/2013#) * 100 + month(#2013-01-05#)"), "201301");
  EXPECT_EQ(Eval(ado, L"#1/5/2013 2:30 PM#"), "2013-01-05 14:30:00");
  EXPECT_EQ(vdtest::Column(ado, L"select count(*) as n, max(N) as m, sum(X) as s from T", L"n"),
            std::vector<std::string>{"3"});
  EXPECT_EQ(vdtest::Column(ado, L"select count(*), max(N) from T", L"Expr1001"), std::vector<std::string>{"1024"});
}

TEST_F(AccessDialect, PredicatesIgnoreCase) {
  EXPECT_EQ(vdtest::Column(ado, L"select N from T where Name = 'ROAD' order by N", L"N"),
            (std::vector<std::string>{"-1", "5"}));
  EXPECT_EQ(vdtest::Column(ado, L"select N from T where left(Name, 1) <> 'R' order by N", L"N"),
            std::vector<std::string>{"1024"});
  EXPECT_EQ(vdtest::Column(ado, L"select N from T where Name in ('ROAD', 'x') and N > 0", L"N"),
            std::vector<std::string>{"5"});
  EXPECT_EQ(Eval(ado, L"'B' between 'a' and 'c'"), "1");
  EXPECT_EQ(Eval(ado, L"'ABC' like 'a%'"), "1");
  EXPECT_EQ(Eval(ado, L"'abc' like 'a*'"), "1");
  EXPECT_EQ(Eval(ado, L"'abc' like 'a?c' and 'abc' like 'a_c'"), "1");
  EXPECT_EQ(Eval(ado, L"'a1' like 'a[0-9]'"), "1");
  EXPECT_EQ(Eval(ado, L"'ab' like 'a[!b]'"), "0");
  EXPECT_EQ(Eval(ado, L"'50%' like '50[%]' and not '500' like '50[%]'"), "1");
  EXPECT_EQ(Eval(ado, L"'abc' not like '%b'"), "1");
  EXPECT_EQ(Eval(ado, L"';C1;C2;' like '%;' + 'c2' + ';%'"), "1");
  EXPECT_EQ(vdtest::Column(ado, L"select Name from T where Code is null", L"Name"),
            std::vector<std::string>{"河流"});
  EXPECT_EQ(vdtest::Column(ado, L"select [Name] from [T] where X is not null and N not between 0 and 10", L"Name"),
            std::vector<std::string>{"河流"});
  EXPECT_EQ(vdtest::Column(ado, L"select top 1 Name from T order by N desc", L"Name"),
            std::vector<std::string>{"河流"});
  EXPECT_EQ(vdtest::Column(ado, L"select distinct ucase(Name) as U from T where N < 1000", L"U"),
            std::vector<std::string>{"ROAD"});
  // ORDER BY on text ignores case as well: 'road' and 'Road' tie, N decides.
  EXPECT_EQ(vdtest::Column(ado, L"select N from T where N < 1000 order by lcase(Name), N desc", L"N"),
            (std::vector<std::string>{"5", "-1"}));
}

TEST_F(AccessDialect, NamesNeverTurnIntoTexts) {
  // An unknown column must be an error, not the text "NoSuch".
  CADORecordset rs;
  EXPECT_FALSE(ado.GetRecord(&rs, L"select * from T where [NoSuch] = 'NoSuch'", ado.GetConn()));
  EXPECT_NE(ado.GetLastError().Find(L"no such column"), -1) << ado.GetLastError().ToUtf8();
  EXPECT_NE(ado.GetLastError().Find(L"[NoSuch]"), -1);  // the statement is named
  EXPECT_EQ(veskdata::AccessSqlTranslator::QuoteName(L"a]b"), L"`a]b`");
  Exec(ado, {L"create table `odd]name` (x long)", L"insert into `odd]name` values (4)"});
  EXPECT_EQ(vdtest::Column(ado, L"select x from `odd]name`", L"x"), std::vector<std::string>{"4"});
}

TEST_F(AccessDialect, UntranslatableStatementsFailClearly) {
  struct Case {
    const wchar_t* sql;
    const wchar_t* reason;
  };
  const Case cases[] = {
      {L"select * from T where Name = 'open", L"引号"},
      {L"select * from T where", L"表达式"},
      {L"select * from", L"表名"},
      {L"select top 10 percent * from T", L"PERCENT"},
      {L"select first(N) from T", L"不支持的函数"},
      {L"select left(Name) from T", L"参数个数"},
      {L"select 1 xor 2", L"XOR"},
      {L"select * from T where N = ?", L"参数"},
      {L"select * from T; select * from T", L"多余"},
      {L"select * into U from T", L"INTO"},
      {L"alter table T drop column N", L"删除字段"},
      {L"update T a left join T b on a.N = b.N set a.X = b.X", L"外连接"},
      {L"create table U (x hyperspace)", L"字段类型"},
      {L"select #13/45/2013#", L"日期"},
      {L"select * from T where N = 1 $ 2", L"无法识别的字符"},
      {L"", L"为空"},
  };
  for (const Case& c : cases) {
    CADORecordset rs;
    EXPECT_FALSE(ado.GetRecord(&rs, c.sql, ado.GetConn())) << CString(c.sql).ToUtf8();
    const CString error = ado.GetLastError();
    EXPECT_NE(error.Find(c.reason), -1) << error.ToUtf8();
    EXPECT_NE(error.Find(CString(L"语句: ") + c.sql), -1) << error.ToUtf8();
    EXPECT_TRUE(rs.IsEof());
  }
  // Deep nesting is refused, not a stack overflow.
  std::wstring deep(5000, L'(');
  deep += L"1" + std::wstring(5000, L')');
  EXPECT_NE(Eval(ado, deep).find("嵌套过深"), std::string::npos);
  // Positions point at the offending token.
  try {
    veskdata::AccessSqlTranslator().Translate(L"select a from T where b = = 1");
    ADD_FAILURE() << "no error";
  } catch (const veskdata::AccessSqlError& e) {
    EXPECT_EQ(e.Position(), 26);
  }
}

TEST_F(AccessDialect, ConstantsBecomeParametersOfSharedStatements) {
  veskdata::StatementCache& prepared = ado.GetConn()->Statements();
  prepared.Clear();
  EXPECT_EQ(vdtest::Column(ado, L"select N from T where Name = 'Road' and N > 0", L"N"), std::vector<std::string>{"5"});
  EXPECT_EQ(vdtest::Column(ado, L"select N from T where Name = '河流' and N > 0", L"N"),
            std::vector<std::string>{"1024"});
  EXPECT_EQ(vdtest::Column(ado, L"select N from T where Name = 'nothing' and N > 0", L"N").size(), 0u);
  EXPECT_EQ(prepared.Size(), 1u);  // one prepared statement served the three
  EXPECT_NE(Sql(L"select * from T where Name = 'x' and N > 3").find("?2"), std::string::npos);

  // Column numbers in ORDER BY and GROUP BY stay numbers.
  EXPECT_EQ(vdtest::Column(ado, L"select Name, N from T order by 2 desc", L"N"),
            (std::vector<std::string>{"1024", "5", "-1"}));
  EXPECT_EQ(vdtest::Column(ado, L"select lcase(Name) as L, count(*) as C from T group by 1 order by 2 desc, 1", L"C"),
            (std::vector<std::string>{"2", "1"}));
  // More constants than the engine takes as parameters: written inline.
  std::wstring many = L"insert into T (N) values (0)";
  for (int i = 1; i < 1200; ++i) many += L", (" + std::to_wstring(i) + L")";
  Exec(ado, {many.c_str()});
  EXPECT_EQ(vdtest::Column(ado, L"select count(*) as C from T where N between 0 and 1199", L"C"),
            std::vector<std::string>{"1202"});  // with the rows 5 and 1024
  // A table changed under a prepared statement: its new column shows.
  CADORecordset rs;
  ASSERT_TRUE(ado.GetRecord(&rs, L"select * from T where N = 5", ado.GetConn()));
  EXPECT_EQ(rs.GetFieldCount(), 4);
  Exec(ado, {L"alter table T add column Extra text(5) default 'e'"});
  ASSERT_TRUE(ado.GetRecord(&rs, L"select * from T where N = 5", ado.GetConn()));
  EXPECT_EQ(rs.GetFieldCount(), 5);
  CString extra;
  EXPECT_TRUE(rs.GetFieldValue(L"extra", extra));
  EXPECT_EQ(extra, L"e");
}

TEST_F(AccessDialect, TranslationsAreCachedUntilTheSchemaChanges) {
  veskdata::SqlTranslationCache& cache = ado.GetConn()->TranslationCache();
  EXPECT_NE(Sql(L"select a + b from U").find("vk_add"), std::string::npos);  // U does not exist yet
  const std::size_t hits = cache.Hits();
  EXPECT_NE(Sql(L"select a + b from U").find("vk_add"), std::string::npos);
  EXPECT_EQ(cache.Hits(), hits + 1);
  Exec(ado, {L"create table U (a text(5), b memo)"});
  EXPECT_EQ(cache.Size(), 0u);
  EXPECT_NE(Sql(L"select a + b from U").find("||"), std::string::npos);

  veskdata::SqlTranslationCache small(2);
  small.Insert(L"1", {"one", veskdata::SqlStatementKind::Query, {}});
  small.Insert(L"2", {"two", veskdata::SqlStatementKind::Query, {}});
  ASSERT_NE(small.Find(L"1"), nullptr);  // 1 is now the most recent
  small.Insert(L"3", {"three", veskdata::SqlStatementKind::Query, {}});
  EXPECT_EQ(small.Find(L"2"), nullptr);
  ASSERT_NE(small.Find(L"1"), nullptr);
  EXPECT_EQ(small.Find(L"3")->sql, "three");
}

TEST_F(AccessDialect, SchemaStatementsUseEngineTypes) {
  Exec(ado, {L"create table 线 (ID autoincrement, Item text(50) not null, Memo memo, Flag yesno default false, "
             L"Width single default 0.5, Weight integer default -1, Made datetime, constraint pk unique (Item))",
             L"insert into 线 (Item) values ('Abc')", L"create unique index ix on 线 (Weight desc, Item)",
             L"alter table 线 add column Extra text(10) default 'x'", L"alter table 线 add Extra2 double"});
  EXPECT_EQ(vdtest::Column(ado, L"select ID & ',' & Flag & ',' & Width & ',' & Weight & ',' & Extra as v from 线",
                           L"v"),
            std::vector<std::string>{"1,0,0.5,-1,x"});
  // Text columns are created without regard to case, so = and unique ignore it.
  EXPECT_EQ(vdtest::Column(ado, L"select Item from 线 where Item = 'ABC'", L"Item"), std::vector<std::string>{"Abc"});
  EXPECT_FALSE(ado.ExeSQL(L"insert into 线 (Item) values ('aBC')", ado.GetConn()));
  EXPECT_NE(ado.GetLastError().Find(L"UNIQUE"), -1) << ado.GetLastError().ToUtf8();
  EXPECT_NE(Sql(L"create table Z (a text(3), b long)").find("[a] TEXT COLLATE NOCASE, [b] INTEGER"),
            std::string::npos);
  EXPECT_NE(Sql(L"create table Z (a counter, b long primary key)").find("主键"), std::string::npos);
  Exec(ado, {L"drop index ix on 线", L"drop table 线"});
  int found = 0;
  EXPECT_FALSE(ado.FieldExists(L"线", L"Item", found, ado.GetConn()));
}

}  // namespace
