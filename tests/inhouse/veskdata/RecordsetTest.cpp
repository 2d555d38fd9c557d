// Reading query results: the cursor, column names without regard to case,
// and the conversions GetFieldValue makes.
#include <gtest/gtest.h>

#include <climits>

#include "inhouse/veskdata/VeskDataTestUtil.h"
#include "veskdata/CFADO.h"
#include "veskdata/SqlQuote.h"

namespace {

using vdtest::Exec;
using vdtest::TempDir;

class VeskDataRecordset : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ado.CreateNewDatabase(dir.File("r.mdb"), L"", ado.GetConn())) << ado.GetLastError().ToUtf8();
    Exec(ado, {L"create table 其他 (Item text(50), ValueText text(100), Type long, Scale double, Stamp datetime)",
               L"insert into 其他 values ('a', '12', 5001, 2.5, #2013-01-05 10:20:30#)",
               L"insert into 其他 values ('b', ' 1.5e1 ', 5005, 3.5, null)",
               L"insert into 其他 values ('c', 'abc', null, 0.75, null)",
               L"insert into 其他 values ('d', '', 3000000000, 3, null)"});
  }
  TempDir dir;
  CFADO ado;
};

TEST_F(VeskDataRecordset, CursorWalksMaterialisedRows) {
  CADORecordset rs;
  ASSERT_TRUE(ado.GetRecord(&rs, L"select * from 其他 order by Item", ado.GetConn()));
  EXPECT_EQ(rs.GetRecordCount(), 4);
  EXPECT_EQ(rs.GetFieldCount(), 5);
  EXPECT_EQ(rs.GetFieldName(1), L"ValueText");
  EXPECT_TRUE(rs.GetFieldName(9).IsEmpty());
  std::string items;
  CString v;
  for (rs.MoveFirst(); !rs.IsEof(); rs.MoveNext()) {
    ASSERT_TRUE(rs.GetFieldValue(L"ITEM", v));  // names match without regard to case
    items += v.ToUtf8();
  }
  EXPECT_EQ(items, "abcd");
  EXPECT_FALSE(rs.MoveNext());
  EXPECT_FALSE(rs.GetFieldValue(L"Item", v));  // no current row
  EXPECT_TRUE(rs.MoveFirst());                 // the rows can be read again
  ASSERT_TRUE(rs.GetFieldValue(L"item", v));
  EXPECT_EQ(v, L"a");

  // A second query replaces the rows; a query without rows is success.
  ASSERT_TRUE(ado.GetRecord(&rs, L"select Item from 其他 where Item = 'zz'", ado.GetConn()));
  EXPECT_TRUE(rs.IsOpen());
  EXPECT_TRUE(rs.IsEof());
  EXPECT_TRUE(rs.IsEOF());
  EXPECT_EQ(rs.GetRecordCount(), 0);
  rs.Close();
  EXPECT_FALSE(rs.IsOpen());
  EXPECT_TRUE(rs.IsEof());
  EXPECT_FALSE(rs.MoveFirst());
}

TEST_F(VeskDataRecordset, ConversionsFollowVariantRules) {
  CADORecordset rs;
  ASSERT_TRUE(ado.GetRecord(&rs, L"select * from 其他 order by Item", ado.GetConn()));
  int i = -7;
  double d = -7;
  CString s = L"unchanged";

  // Row a: text "12", integer 5001, real 2.5, a date.
  EXPECT_TRUE(rs.GetFieldValue(L"ValueText", i));
  EXPECT_EQ(i, 12);
  EXPECT_TRUE(rs.GetFieldValue(L"Type", d));
  EXPECT_EQ(d, 5001.0);
  EXPECT_TRUE(rs.GetFieldValue(L"Scale", i));
  EXPECT_EQ(i, 2);  // halves go to the even neighbour
  EXPECT_TRUE(rs.GetFieldValue(L"Scale", s));
  EXPECT_EQ(s, L"2.5");
  EXPECT_TRUE(rs.GetFieldValue(L"Type", s));
  EXPECT_EQ(s, L"5001");
  EXPECT_TRUE(rs.GetFieldValue(L"Stamp", s, L"%Y/%m/%d %H时"));
  EXPECT_EQ(s, L"2013/01/05 10时");
  EXPECT_TRUE(rs.GetFieldValue(L"Stamp", s));
  EXPECT_EQ(s, L"2013-01-05 10:20:30");

  // Row b: text " 1.5e1 " reads as 15; real 3.5 rounds to 4; Null fails.
  rs.MoveNext();
  EXPECT_TRUE(rs.GetFieldValue(L"ValueText", d));
  EXPECT_EQ(d, 15.0);
  EXPECT_TRUE(rs.GetFieldValue(L"ValueText", i));
  EXPECT_EQ(i, 15);
  EXPECT_TRUE(rs.GetFieldValue(L"Scale", i));
  EXPECT_EQ(i, 4);
  s = L"keep";
  EXPECT_FALSE(rs.GetFieldValue(L"Stamp", s));
  EXPECT_EQ(s, L"keep");  // the caller's default stays
  EXPECT_TRUE(rs.IsFieldNull(L"Stamp"));
  EXPECT_FALSE(rs.IsFieldNull(L"Scale"));

  // Row c: a text that is no number, a Null integer, 0.75 as text.
  rs.MoveNext();
  i = 99;
  d = 99;
  EXPECT_FALSE(rs.GetFieldValue(L"ValueText", i));
  EXPECT_FALSE(rs.GetFieldValue(L"ValueText", d));
  EXPECT_FALSE(rs.GetFieldValue(L"Type", i));
  EXPECT_EQ(i, 99);
  EXPECT_EQ(d, 99);
  EXPECT_TRUE(rs.GetFieldValue(L"Scale", s));
  EXPECT_EQ(s, L"0.75");
  EXPECT_FALSE(rs.GetFieldValue(L"NoSuchColumn", s));

  // Row d: an empty text is no number; a value beyond int; a whole real as text.
  rs.MoveNext();
  EXPECT_FALSE(rs.GetFieldValue(L"ValueText", i));
  EXPECT_TRUE(rs.GetFieldValue(L"ValueText", s));
  EXPECT_EQ(s, L"");
  EXPECT_FALSE(rs.GetFieldValue(L"Type", i));
  EXPECT_TRUE(rs.GetFieldValue(L"Type", d));
  EXPECT_EQ(d, 3000000000.0);
  EXPECT_TRUE(rs.GetFieldValue(L"Scale", s));
  EXPECT_EQ(s, L"3");
}

TEST_F(VeskDataRecordset, QuotedTextRoundTripsAndCannotInject) {
  const CString names[] = {L"O'Brien's 路", L"x' or '1'='1", L"''", L"a;b -- c"};
  for (const CString& name : names) {
    CString sql;
    sql.Format(L"insert into 其他 (Item, ValueText) values('%s','%s')", CFADO::EscapeText(name).GetString(),
               CFADO::EscapeText(name).GetString());
    ASSERT_TRUE(ado.ExeSQL(sql, ado.GetConn())) << ado.GetLastError().ToUtf8();
    sql.Format(L"select * from 其他 where item = '%s'", CFADO::EscapeText(name).GetString());
    EXPECT_EQ(vdtest::Column(ado, sql, L"ValueText"), std::vector<std::string>{name.ToUtf8()});
    EXPECT_EQ(vdtest::Column(ado, L"select Item from 其他 where Item = " + veskdata::SqlQuote(name), L"Item"),
              std::vector<std::string>{name.ToUtf8()});
  }
  EXPECT_EQ(veskdata::SqlQuote(L"it's"), L"'it''s'");
  EXPECT_EQ(CFADO::EscapeText(L"a'b''c"), L"a''b''''c");
}

}  // namespace
