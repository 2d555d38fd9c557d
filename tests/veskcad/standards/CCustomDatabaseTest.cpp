// The standards database object: paths, modes, passwords, the messages a
// failed connection shows, and the layer database path read back from the
// connection.
#include <gtest/gtest.h>

#include "StandardsTestDb.h"
#include "arx/ed/ScriptedHostUi.h"
#include "veskcad/standards/CCustomDatabase.h"

using VeskDB::CCustomDatabase;

namespace {

const char* kSchema = "CREATE TABLE 模块 (Item TEXT, GroupId INTEGER);";

class CustomDatabaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = vesktest::freshFolder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    vesktest::makeDatabase(dir / "default.mdb", "kaplorn", kSchema);
    vesktest::makeDatabase(dir / "layers.mdb", "", kSchema);
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  // The message boxes shown so far, as "[caption] text".
  std::wstring boxes() const {
    std::wstring out;
    for (const auto& e : ui.entries())
      if (e.kind == vhost::TranscriptEntry::Kind::kMessageBox) out += L"[" + e.caption + L"] " + e.text + L"\n";
    return out;
  }
  std::filesystem::path dir;
  vhost::ScriptedHostUi ui;
  vhost::ScopedHostUi scope{&ui};
};

TEST_F(CustomDatabaseTest, OpensTheStandardsDatabaseOfAFolder) {
  CString folder = vesktest::wide(dir) + L"/";
  CCustomDatabase db(folder);
  EXPECT_EQ(db.GetDefaultDbFullName(), folder + L"default.mdb");
  EXPECT_FALSE(db.IsOpen());  // construction does not open
  EXPECT_TRUE(db.Open());
  EXPECT_TRUE(db.IsOpen());
  EXPECT_EQ(db.GetDBMode(), 0);
  EXPECT_TRUE(db.Close());
  EXPECT_FALSE(db.IsOpen());
  EXPECT_EQ(db.Release(), 1);  // closed already: nothing to do
  EXPECT_EQ(boxes(), L"");
}

TEST_F(CustomDatabaseTest, DesignTypeTenUsesTheSecondPasswordFromTheNextOpenOn) {
  vesktest::makeDatabase(dir / "type10.mdb", "kaplorns", kSchema);
  CCustomDatabase db(vesktest::wide(dir) + L"/");
  db.SetDesignType(10);
  ASSERT_TRUE(db.SetDefaultDB(vesktest::wide(dir / "type10.mdb")));
  db.SetDesignType(0);  // no effect until the next open
  EXPECT_TRUE(db.IsOpen());
  EXPECT_FALSE(db.Open());
  EXPECT_FALSE(db.IsOpen());
  EXPECT_EQ(boxes(), L"[警告] 数据库连接失败，密码错误!\n");
}

TEST_F(CustomDatabaseTest, MissingFilesCloseTheObjectAndShowTheSecondMessageForm) {
  CCustomDatabase db(vesktest::wide(dir) + L"/");
  ASSERT_TRUE(db.Open());
  // The layer database is missing: the object closes though the standards file exists.
  EXPECT_FALSE(db.SetCustomDBPath(vesktest::wide(dir / "nowhere.mdb")));
  EXPECT_FALSE(db.IsOpen());
  EXPECT_EQ(db.GetDBMode(), 1);
  EXPECT_EQ(db.GetLayerDbFullName(), vesktest::wide(dir / "nowhere.mdb"));
  EXPECT_EQ(boxes().rfind(L"[警告] 数据库失败，错误信息", 0), 0u) << boxes();

  ui.clearTranscript();
  CCustomDatabase missing(vesktest::wide(dir / "absent") + L"/");
  EXPECT_FALSE(missing.Open());
  EXPECT_EQ(boxes().rfind(L"[警告] 数据库失败，错误信息", 0), 0u) << boxes();
}

TEST_F(CustomDatabaseTest, TwoDatabaseModeAndTheLayerPassword) {
  CCustomDatabase db(vesktest::wide(dir) + L"/");
  CString layers = vesktest::wide(dir / "layers.mdb");
  ASSERT_TRUE(db.SetDefaultDB(vesktest::wide(dir / "default.mdb"), layers));
  EXPECT_EQ(db.GetDBMode(), 1);

  // A layer database keyed like the standards opens only through Open(const wchar_t*).
  vesktest::makeDatabase(dir / "keyed_layers.mdb", "kaplorn", kSchema);
  EXPECT_FALSE(db.SetCustomDBPath(vesktest::wide(dir / "keyed_layers.mdb")));
  EXPECT_NE(boxes().find(L"密码错误"), std::wstring::npos) << boxes();
  EXPECT_TRUE(db.Open(L""));
  EXPECT_TRUE(db.IsOpen());
  EXPECT_TRUE(db.Close());
}

TEST_F(CustomDatabaseTest, LayerDatabasePathFromStoredPathOrConnection) {
  CCustomDatabase db(vesktest::wide(dir) + L"/");
  CString layers = vesktest::wide(dir / "layers.mdb");
  ASSERT_TRUE(db.SetDefaultDB(vesktest::wide(dir / "default.mdb"), layers));
  CString out = L"stale";
  EXPECT_EQ(db.GetCurOpenLayerDbPath(out, 0), 1);
  EXPECT_EQ(out, layers);  // as stored, case kept
  EXPECT_EQ(db.GetCurOpenLayerDbPath(out, 1), 1);
  CString upper = layers;
  upper.MakeUpper();
  EXPECT_EQ(out, upper);  // parsed from the connection string, upper-cased

  // A closed layer connection has no connection string to parse.
  CCustomDatabase single(vesktest::wide(dir) + L"/");
  ASSERT_TRUE(single.Open());
  EXPECT_EQ(single.GetCurOpenLayerDbPath(out, 1), 0);
  EXPECT_TRUE(out.IsEmpty());
}

TEST(SharedCustomDatabaseTest, ReplacingThePointerDeletesNothing) {
  VeskDB::CCustomDatabase* before = VeskDB::gpGetCustomDatabase();
  auto* mine = new CCustomDatabase(L"/tmp/");
  EXPECT_EQ(VeskDB::gpSetGpCustomDataBase(mine), 1);
  EXPECT_EQ(VeskDB::gpGetCustomDatabase(), mine);
  EXPECT_EQ(VeskDB::gpGetGpCustomDatabase(), mine);
  VeskDB::gpSetGpCustomDataBase(before);
  EXPECT_EQ(mine->GetDefaultDbFullName(), CString(L"/tmp/default.mdb"));  // still alive
  delete mine;
}

}  // namespace
