// Opening, keying and closing database files; the connection string; the
// helpers that answer questions about tables.
#include <gtest/gtest.h>

#include "inhouse/veskdata/VeskDataTestUtil.h"
#include "veskdata/CFADO.h"

namespace {

using vdtest::Exec;
using vdtest::TempDir;

// A keyed database with one small table, closed again.
void MakeDatabase(const CString& path, const CString& password) {
  CFADO ado;
  ASSERT_TRUE(ado.CreateNewDatabase(path, password, ado.GetConn())) << ado.GetLastError().ToUtf8();
  Exec(ado, {L"create table 图层 (LayerID counter, Item text(50), OwnerGroup long)",
             L"insert into 图层 (Item, OwnerGroup) values ('道路', 1)"});
  ASSERT_TRUE(ado.CloseConn(ado.GetConn()));
}

// What the standards database reads from the connection string: the text
// after "DATA SOURCE" and "=", up to and including ".MDB", upper-cased.
CString DataSourceOf(const CString& connectionString) {
  CString s = connectionString + L";";
  s.MakeUpper();
  int at = s.Find(L"DATA SOURCE");
  if (at < 0) return CString();
  s = s.Mid(at + 11);
  at = s.Find(L"=");
  if (at < 0) return CString();
  s = s.Mid(at + 1);
  at = s.Find(L".MDB");
  if (at < 0) return CString();
  return s.Left(at + 4);
}

TEST(VeskDataConnection, OpensWithItsPasswordAndRefusesOthers) {
  TempDir dir;
  const CString path = dir.File("default.mdb");
  MakeDatabase(path, L"kaplorn");

  CFADO ado;
  ASSERT_TRUE(ado.OpenExternConn(path, 0, L"", L"kaplorn", ado.GetConn())) << ado.GetLastError().ToUtf8();
  EXPECT_TRUE(ado.GetConn()->IsOpen());
  EXPECT_EQ(vdtest::Column(ado, L"select Item from 图层", L"Item"), std::vector<std::string>{"道路"});

  // Reopening on an open connection closes the old one first.
  ASSERT_TRUE(ado.OpenExternConn(path, 0, L"", L"kaplorn", ado.GetConn()));

  CFADO wrong;
  EXPECT_FALSE(wrong.OpenExternConn(path, 0, L"", L"kaplorns", wrong.GetConn()));
  EXPECT_FALSE(wrong.GetConn()->IsOpen());
  EXPECT_NE(wrong.GetLastError().Find(L"密码"), -1) << wrong.GetLastError().ToUtf8();
  EXPECT_NE(wrong.GetLastError().Find(path), -1);

  // No password at all on a keyed file is refused the same way.
  EXPECT_FALSE(wrong.OpenExternConn(path, 0, L"", L"", wrong.GetConn()));
  EXPECT_NE(wrong.GetLastError().Find(L"密码"), -1);

  // A file that is no database at all.
  {
    FILE* f = std::fopen(dir.Native("junk.mdb").c_str(), "wb");
    ASSERT_TRUE(f);
    std::fputs("Standard Jet DB, but not really; just some text to fill the first page of the file", f);
    std::fclose(f);
  }
  EXPECT_FALSE(wrong.OpenExternConn(dir.File("junk.mdb"), 0, L"", L"", wrong.GetConn()));
  EXPECT_NE(wrong.GetLastError().Find(L"junk.mdb"), -1);
}

TEST(VeskDataConnection, UnprotectedFileOpensWithOrWithoutPassword) {
  TempDir dir;
  const CString path = dir.File("layer.mdb");
  MakeDatabase(path, L"");
  CFADO ado;
  EXPECT_TRUE(ado.OpenExternConn(path, 0, L"", L"", ado.GetConn())) << ado.GetLastError().ToUtf8();
  // The layer database may be opened with the standards password although
  // it has none, as the original driver allowed.
  EXPECT_TRUE(ado.OpenExternConn(path, 0, L"", L"kaplorn", ado.GetConn())) << ado.GetLastError().ToUtf8();
  EXPECT_EQ(vdtest::Column(ado, L"select OwnerGroup from 图层", L"OwnerGroup"), std::vector<std::string>{"1"});
}

TEST(VeskDataConnection, MissingFileIsNotCreated) {
  TempDir dir;
  CFADO ado;
  const CString path = dir.File("STANDARDS/none.mdb");
  EXPECT_FALSE(ado.OpenExternConn(path, 0, L"", L"kaplorn", ado.GetConn()));
  EXPECT_NE(ado.GetLastError().Find(L"none.mdb"), -1) << ado.GetLastError().ToUtf8();
  EXPECT_EQ(ado.GetLastError().Find(L"密码"), -1);
  EXPECT_TRUE(dir.List().empty());
  // Statements on the closed connection fail with a reason, not a crash.
  CADORecordset rs;
  EXPECT_FALSE(ado.GetRecord(&rs, L"select * from 图层", ado.GetConn()));
  EXPECT_FALSE(ado.GetLastError().IsEmpty());
  EXPECT_TRUE(rs.IsEof());
  EXPECT_FALSE(ado.ExeSQL(L"delete from 图层", nullptr));
  EXPECT_FALSE(ado.OpenExternConn(path, 0, L"", L"", nullptr));
}

TEST(VeskDataConnection, ConnectionStringAndPathsWrittenTheModulesWay) {
  TempDir dir;
  ::mkdir(dir.Native("Standards").c_str(), 0755);
  const CString path = dir.File("Standards/Default.mdb");
  MakeDatabase(path, L"kaplorn");

  // Upper-cased, with Windows separators: found without regard to case.
  CString shouted = path;
  shouted.MakeUpper();
  shouted.Replace(L'/', L'\\');
  CFADO ado;
  ASSERT_TRUE(ado.OpenExternConn(shouted, 0, L"", L"kaplorn", ado.GetConn())) << ado.GetLastError().ToUtf8();
  EXPECT_EQ(ado.GetConn()->GetConnectionString(), L"Provider=VeskData;Data Source=" + shouted + L";");
  EXPECT_EQ(DataSourceOf(ado.GetConn()->GetConnectionString()), shouted);

  ASSERT_TRUE(ado.OpenExternConn(path, 0, L"", L"kaplorn", ado.GetConn()));
  CString expected = path;
  expected.MakeUpper();
  EXPECT_EQ(DataSourceOf(ado.GetConn()->GetConnectionString()), expected);

  EXPECT_TRUE(ado.CloseConn(ado.GetConn()));
  EXPECT_FALSE(ado.GetConn()->IsOpen());
  EXPECT_TRUE(ado.GetConn()->GetConnectionString().IsEmpty());
  EXPECT_TRUE(ado.CloseConn(ado.GetConn()));  // closing a closed connection is no error
}

TEST(VeskDataConnection, CreateNewDatabaseRefusesAnExistingFile) {
  TempDir dir;
  const CString path = dir.File("a.mdb");
  MakeDatabase(path, L"pw");
  CFADO ado;
  EXPECT_FALSE(ado.CreateNewDatabase(path, L"other", ado.GetConn()));
  EXPECT_NE(ado.GetLastError().Find(L"a.mdb"), -1);
  // The existing file keeps its key.
  EXPECT_TRUE(ado.OpenExternConn(path, 0, L"", L"pw", ado.GetConn()));
}

TEST(VeskDataConnection, FieldExistsAndNextId) {
  TempDir dir;
  CFADO ado;
  ASSERT_TRUE(ado.CreateNewDatabase(dir.File("t.mdb"), L"", ado.GetConn()));
  Exec(ado, {L"create table 公共图层 (LayerID counter, Item text(50), LineTypeScale single)"});

  int found = -1;
  EXPECT_TRUE(ado.FieldExists(L"公共图层", L"layerid", found, ado.GetConn()));
  EXPECT_EQ(found, 1);
  EXPECT_TRUE(ado.FieldExists(L"公共图层", L"ItemCode", found, ado.GetConn()));
  EXPECT_EQ(found, 0);
  found = -1;
  EXPECT_FALSE(ado.FieldExists(L"没有的表", L"Item", found, ado.GetConn()));
  EXPECT_NE(ado.GetLastError().Find(L"没有的表"), -1);

  CADORecordset rs;
  ASSERT_TRUE(ado.GetRecord(&rs, L"select Item, LineTypeScale from 公共图层", ado.GetConn()));
  EXPECT_TRUE(rs.IsEof());  // no rows, and still the columns are known
  EXPECT_TRUE(ado.FieldExists(L"ITEM", found, &rs));
  EXPECT_EQ(found, 1);
  EXPECT_TRUE(ado.FieldExists(L"LayerID", found, &rs));
  EXPECT_EQ(found, 0);
  CADORecordset closed;
  EXPECT_FALSE(ado.FieldExists(L"Item", found, &closed));

  EXPECT_EQ(ado.GetNextIDByMax(L"公共图层", L"LayerID", ado.GetConn()), 1);
  Exec(ado, {L"insert into 公共图层 (Item) values ('a')", L"insert into 公共图层 (Item) values ('b')",
             L"insert into 公共图层 (Item) values ('c')", L"delete from 公共图层 where Item = 'b'"});
  // The id the database gave the last row is the next id minus one.
  EXPECT_EQ(ado.GetNextIDByMax(L"公共图层", L"LayerID", ado.GetConn()), 4);
  EXPECT_EQ(vdtest::Column(ado, L"select LayerID from 公共图层 where Item='c'", L"LayerID"),
            std::vector<std::string>{"3"});
  EXPECT_EQ(ado.GetNextIDByMax(L"公共图层", L"NoSuchField", ado.GetConn()), 0);
  EXPECT_FALSE(ado.GetLastError().IsEmpty());
}

TEST(VeskDataConnection, TransactionsCommitAndRollBack) {
  TempDir dir;
  CFADO ado;
  ASSERT_TRUE(ado.CreateNewDatabase(dir.File("t.mdb"), L"k", ado.GetConn()));
  Exec(ado, {L"create table 线 (Item text(20))"});
  ASSERT_TRUE(ado.BeginTrans(ado.GetConn()));
  Exec(ado, {L"insert into 线 values ('a')", L"create table 临时 (x long)"});
  ASSERT_TRUE(ado.RollbackTrans(ado.GetConn()));
  EXPECT_TRUE(vdtest::Column(ado, L"select * from 线", L"Item").empty());
  int found = 0;
  EXPECT_FALSE(ado.FieldExists(L"临时", L"x", found, ado.GetConn()));
  ASSERT_TRUE(ado.BeginTrans(ado.GetConn()));
  Exec(ado, {L"insert into 线 values ('b')"});
  ASSERT_TRUE(ado.CommitTrans(ado.GetConn()));
  EXPECT_FALSE(ado.CommitTrans(ado.GetConn()));  // no transaction open
  ASSERT_TRUE(ado.CloseConn(ado.GetConn()));
  ASSERT_TRUE(ado.OpenExternConn(dir.File("t.mdb"), 0, L"", L"k", ado.GetConn()));
  EXPECT_EQ(vdtest::Column(ado, L"select * from 线", L"Item"), std::vector<std::string>{"b"});
}

}  // namespace
