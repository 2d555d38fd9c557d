// Building databases from SQL scripts: splitting the scripts, running them
// into a keyed file, and leaving nothing behind when a statement fails.
#include <gtest/gtest.h>

#include <fstream>

#include "inhouse/veskdata/VeskDataTestUtil.h"
#include "veskdata/CFADO.h"
#include "veskdata/DbBuilder.h"
#include "veskdata/SqlScript.h"

namespace {

using vdtest::TempDir;

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

TEST(VeskDataScript, StatementsEndWithSemicolonAtLineEnd) {
  const std::wstring script =
      L"-- 图层表\n"
      L"create table T (a text(10), b long);  -- trailing comment\n"
      L"\n"
      L"insert into T values ('x;y', 1); insert into T values ('--', 2);\n"
      L"insert into T values ('多行\n文本;\n', 3);\n"
      L"insert into [odd;name] values (4)\n";
  std::vector<veskdata::SqlScriptStatement> st;
  int line = 0;
  std::wstring error;
  ASSERT_TRUE(veskdata::SplitSqlScript(script, st, line, error)) << line;
  ASSERT_EQ(st.size(), 4u);
  EXPECT_EQ(st[0].text, L"create table T (a text(10), b long)");
  EXPECT_EQ(st[0].line, 2);
  // A ';' inside a line does not end the statement (the reader reports it).
  EXPECT_EQ(st[1].text, L"insert into T values ('x;y', 1); insert into T values ('--', 2)");
  EXPECT_EQ(st[1].line, 4);
  EXPECT_EQ(st[2].text, L"insert into T values ('多行\n文本;\n', 3)");
  EXPECT_EQ(st[2].line, 5);
  EXPECT_EQ(st[3].text, L"insert into [odd;name] values (4)");  // the last one needs no ';'
  EXPECT_EQ(st[3].line, 8);

  EXPECT_FALSE(veskdata::SplitSqlScript(L"select 1;\n\nselect 'open;\n", st, line, error));
  EXPECT_EQ(line, 3);
  EXPECT_NE(error.find(L"引号"), std::wstring::npos);
}

TEST(VeskDataBuilder, BuildsAKeyedDatabaseAtomically) {
  TempDir dir;
  WriteFile(dir.Native("schema.sql"),
            "\xEF\xBB\xBF-- schema\n"
            "create table 图层 (LayerID counter, Item text(50), Color text(20), OwnerGroup long default 1023);\n");
  WriteFile(dir.Native("rows.sql"),
            "insert into 图层 (Item, Color) values\n"
            "  ('道路边线', '7'),\n"
            "  ('O''Neil', '(255,0,0)');\n");
  const CString out = dir.File("default.mdb");
  CString error;
  ASSERT_TRUE(veskdata::BuildDatabaseFromScripts(out, L"kaplorn",
                                                 {dir.File("schema.sql"), dir.File("rows.sql")}, error))
      << error.ToUtf8();
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"default.mdb", "rows.sql", "schema.sql"}));

  CFADO ado;
  ASSERT_TRUE(ado.OpenExternConn(out, 0, L"", L"kaplorn", ado.GetConn())) << ado.GetLastError().ToUtf8();
  EXPECT_EQ(vdtest::Column(ado, L"select * from 图层 order by LayerID", L"Item"),
            (std::vector<std::string>{"道路边线", "O'Neil"}));
  EXPECT_EQ(vdtest::Column(ado, L"select * from 图层 where item = 'o''neil'", L"OwnerGroup"),
            std::vector<std::string>{"1023"});
  ado.CloseConn(ado.GetConn());
  EXPECT_FALSE(ado.OpenExternConn(out, 0, L"", L"wrong", ado.GetConn()));

  // A failing build leaves the older file as it was and no temporary behind.
  WriteFile(dir.Native("bad.sql"), "insert into 图层 (Item) values ('a');\n\ninsert into 没有的表 values (1);\n");
  EXPECT_FALSE(veskdata::BuildDatabaseFromScripts(out, L"other", {dir.File("schema.sql"), dir.File("bad.sql")}, error));
  EXPECT_NE(error.Find(L"bad.sql:3:"), -1) << error.ToUtf8();
  EXPECT_NE(error.Find(L"没有的表"), -1);
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"bad.sql", "default.mdb", "rows.sql", "schema.sql"}));
  ASSERT_TRUE(ado.OpenExternConn(out, 0, L"", L"kaplorn", ado.GetConn()));
  EXPECT_EQ(vdtest::Column(ado, L"select Item from 图层", L"Item").size(), 2u);
  ado.CloseConn(ado.GetConn());

  // A script that cannot be read, one that is not UTF-8, one left open.
  WriteFile(dir.Native("gbk.sql"), "create table t (a text);\ninsert into t values ('\xB5\xC0\xC2\xB7');\n");
  WriteFile(dir.Native("open.sql"), "create table t (a text);\ninsert into t values ('x);\n");
  const struct {
    const char* file;
    const wchar_t* expected;
  } failures[] = {{"missing.sql", L"missing.sql"}, {"gbk.sql", L"gbk.sql:2:"}, {"open.sql", L"open.sql:2:"}};
  for (const auto& f : failures) {
    EXPECT_FALSE(veskdata::BuildDatabaseFromScripts(dir.File("new.mdb"), L"", {dir.File(f.file)}, error));
    EXPECT_NE(error.Find(f.expected), -1) << error.ToUtf8();
    EXPECT_FALSE(dir.Exists("new.mdb"));
  }
  EXPECT_EQ(dir.List().size(), 6u);  // no temporary files
}

}  // namespace
