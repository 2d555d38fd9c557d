// The upgrade of a classic layer database to the 2013 generation: the outcome
// the classic test SQL states for its four tables, the backup that is never
// replaced, the paths it refuses, and the restore after a failure.
#include <gtest/gtest.h>

#include <algorithm>

#include "LayerTablesTestDb.h"
#include "arx/ed/ScriptedHostUi.h"

using VeskDB::CCustomDatabase;
using VeskDB::LAYERPARAM2013EX;
namespace fs = std::filesystem;

namespace {

class LayerUpgradeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::make_unique<vesktest::LayerFolder>(::testing::UnitTest::GetInstance()->current_test_info()->name());
    layers = folder->shippedLayers;  // replaced by the classic database
    fs::remove(layers);
    vesktest::LayerFolder::buildClassic(layers);
    backup = folder->standards / u8"规划图层(2013).BAK";
  }
  bool open(const fs::path& path) { return db.SetDefaultDB(folder->defaultDb(), vesktest::pathText(path)) != 0; }
  int is2013(int designType) {
    int exists = -1;
    EXPECT_TRUE(db.LayerCustomParamIdExists(exists, designType));
    return exists;
  }
  CArray<LAYERPARAM2013EX> userRows(int designType) {
    CArray<LAYERPARAM2013EX> out;
    EXPECT_TRUE(db.GetAllCombineLayerCustomParam(L"U", designType, out));
    return out;
  }
  int rowCount(int designType) {
    CArray<LAYERPARAM2013EX> out;
    EXPECT_TRUE(db.GetAllLayerCustomParam(-1, designType, out));
    return static_cast<int>(out.GetSize());
  }
  // The user rows of a table as "Item:ItemCode", ordered by item.
  std::vector<std::wstring> userItems(int designType) {
    std::vector<std::wstring> out;
    for (const auto& r : userRows(designType)) out.push_back(std::wstring(r.Item) + L":" + r.ItemCode.GetString());
    std::sort(out.begin(), out.end());
    return out;
  }
  vhost::ScriptedHostUi ui;
  vhost::ScopedHostUi scope{&ui};
  std::unique_ptr<vesktest::LayerFolder> folder;
  fs::path layers, backup;
  CCustomDatabase db{CString(L"/nowhere/")};
};

TEST_F(LayerUpgradeTest, ClassicDatabaseBecomesTheTemplateWithTheUsersRows) {
  const std::string original = vesktest::fileBytes(layers);
  // The path as the module often has it: upper-cased.
  CString upper = vesktest::pathText(layers);
  upper.MakeUpper();
  ASSERT_TRUE(db.SetDefaultDB(folder->defaultDb(), upper));
  // Two rows the SQL lacks: a quoted user name and a true colour.
  vesk::LAYERPARAM rec;
  wcscpy(rec.LayerName, L"O'Neil层");
  ASSERT_TRUE(db.SetLayerCustomParam(L"U-O'Neil", &rec));
  rec.Color = -(1 * 65536 + 2 * 256 + 3);
  wcscpy(rec.LayerName, L"真彩层");
  ASSERT_TRUE(db.SetLayerCustomParam(L"U-真彩", &rec));
  const std::string beforeUpgrade = vesktest::fileBytes(layers);
  ASSERT_EQ(is2013(0), 0);

  CString error = L"stale";
  ASSERT_TRUE(db.UpgradeLayerCustomParamEx2013Db(error, 0)) << error.ToUtf8();
  EXPECT_TRUE(error.IsEmpty());
  EXPECT_EQ(ui.printedText(),
            L"\n系统发现图层数据库需要升级，启动升级...\n系统自动升级\"规划图层.MDB\"成功！同时相同目录下做好了备份。\n ");
  EXPECT_TRUE(db.IsOpen());
  for (int type : {0, 1, 2, 12}) EXPECT_EQ(is2013(type), 1) << type;
  ASSERT_TRUE(fs::exists(backup));
  EXPECT_EQ(vesktest::fileBytes(backup), beforeUpgrade);
  EXPECT_NE(beforeUpgrade, original);
  EXPECT_FALSE(fs::exists(fs::path(layers.string() + ".upgrading")));

  // 控规图层: 15 of 16 rows read (道路边线 has OwnerGroup 0), 11 related,
  // three purged, U-控规单元界线 kept; the template's user rows are gone.
  const std::vector<std::wstring> kg = {
      L"U-O'Neil:",          L"U-控规单元界线:",    L"U-真彩:",           L"一类居住用地:R1",
      L"二类居住用地:R2",    L"公园绿地:G1",        L"商业用地:B1",       L"地块编号:ZJ-PN",
      L"地块边界:YD-BD",     L"社会停车场:S4-PK",   L"行政办公用地:A1",   L"河道蓝线:KZ-BL",
      L"道路中心线:S1-CL",   L"道路红线:S1-RL"};
  std::vector<std::wstring> expected = kg;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(userItems(0), expected);
  EXPECT_EQ(rowCount(0), 101 + 14);

  // 详规图层, 总图图层, 公共图层 as the SQL's header states.
  expected = {L"U-景观轴线:", L"建筑退线:KZ-SB", L"绿线:KZ-GL", L"规划建筑:JZ-PL"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(userItems(1), expected);
  EXPECT_EQ(rowCount(1), 109 + 4);
  expected = {L"U-雨水口:", L"乔木:ZT-TR", L"停车位:ZT-PS", L"用地红线:YD-RL"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(userItems(2), expected);
  EXPECT_EQ(rowCount(2), 47 + 4);
  expected = {L"图框:TK-FR", L"指北针:TK-NA", L"规划范围线:TK-PB"};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(userItems(12), expected);
  EXPECT_EQ(rowCount(12), 16 + 3);

  // A related user row: its own layer settings, the system row's codes and
  // shared attributes; it now answers for the system code.
  LAYERPARAM2013EX r1;
  ASSERT_TRUE(db.GetLayerCustomParam(L"R1", &r1, 0, 0));
  EXPECT_STREQ(r1.LayerName, L"R1居住");
  EXPECT_EQ(r1.ColorText, CString(L"51"));
  EXPECT_EQ(r1.Color, 51);
  EXPECT_EQ(r1.LayerType, CString(L"U"));
  EXPECT_EQ(r1.Item, CString(L"一类居住用地"));
  CArray<LAYERPARAM2013EX> users = userRows(0);
  for (const auto& u : users) {
    if (u.Item == L"一类居住用地") {
      EXPECT_EQ(u.EntType, CString(L"HATCH"));
      EXPECT_EQ(u.remark, CString(L"与模板系统图层同名"));
    }
    if (u.Item == L"U-真彩") {
      EXPECT_EQ(u.ColorText, CString(L"(1,2,3)"));
    }
    if (u.Item == L"U-O'Neil") {
      EXPECT_STREQ(u.LayerName, L"O'Neil层");
    }
  }

  // A second run finds the 2013 layout and does nothing.
  ui.clearTranscript();
  ASSERT_TRUE(db.UpgradeLayerCustomParamEx2013Db(error, 2));
  EXPECT_EQ(ui.printedText(), L"");
  EXPECT_EQ(rowCount(0), 115);
}

TEST_F(LayerUpgradeTest, AnExistingBackupIsNeverReplaced) {
  {
    std::ofstream out(backup, std::ios::binary);
    out << "an older backup";
  }
  ASSERT_TRUE(open(layers));
  CString error;
  ASSERT_TRUE(db.UpgradeLayerCustomParamEx2013Db(error, 1)) << error.ToUtf8();
  EXPECT_EQ(vesktest::fileBytes(backup), "an older backup");
  EXPECT_EQ(is2013(1), 1);
  EXPECT_FALSE(fs::exists(fs::path(layers.string() + ".upgrading")));
}

TEST_F(LayerUpgradeTest, ADatabaseOutsideAStandardsFolderIsNotTouched) {
  for (const char* folderName : {"elsewhere", "NotStandards"}) {
    const fs::path dir = folder->dir / folderName;
    fs::create_directories(dir);
    const fs::path path = dir / "layers.mdb";
    vesktest::LayerFolder::buildClassic(path);
    const std::string bytes = vesktest::fileBytes(path);
    ASSERT_TRUE(open(path));
    ui.clearTranscript();
    CString error;
    EXPECT_FALSE(db.UpgradeLayerCustomParamEx2013Db(error, 0));
    EXPECT_EQ(error, CString(L"未找到对应数据库字符串“\\Standards\\”！"));
    EXPECT_EQ(ui.printedText(), L"\n系统发现图层数据库需要升级，启动升级...\n系统自动升级失败！"
                                L"未找到对应数据库字符串“\\Standards\\”！");
    EXPECT_EQ(vesktest::fileBytes(path), bytes);
    EXPECT_FALSE(fs::exists(dir / "layers(2013).BAK"));
    EXPECT_TRUE(db.IsOpen());
  }

  // Single-database mode has no layer database to upgrade.
  vesktest::makeDatabase(folder->standards / "classic_default.mdb", "kaplorn",
                         "CREATE TABLE 图层 (Item TEXT, LayerName TEXT, OwnerGroup INTEGER);");
  ASSERT_TRUE(db.SetDefaultDB(vesktest::pathText(folder->standards / "classic_default.mdb")));
  CString error;
  EXPECT_FALSE(db.UpgradeLayerCustomParamEx2013Db(error, 0));
  EXPECT_EQ(error, CString(L"未找到对应数据库字符串！"));
}

TEST_F(LayerUpgradeTest, FailuresAfterTheCopyPutTheOldDatabaseBack) {
  const std::string original = vesktest::fileBytes(layers);
  const fs::path goodTemplate = folder->dir / "good_template.mdb";
  fs::copy_file(folder->layerTemplate, goodTemplate);
  {
    std::ofstream out(backup, std::ios::binary);
    out << "a stale backup of another database";
  }

  // A template whose 控规图层 cannot take the rows: the first insert fails.
  fs::remove(folder->layerTemplate);
  vesktest::makeDatabase(folder->layerTemplate, "",
                         "CREATE TABLE 控规图层 (LayerID INTEGER PRIMARY KEY, LayerType TEXT, ItemCode TEXT, Item TEXT);");
  ASSERT_TRUE(open(layers));
  CString error;
  EXPECT_FALSE(db.UpgradeLayerCustomParamEx2013Db(error, 0));
  EXPECT_EQ(error, CString(L"写数据库记录“一类居住用地”失败！"));
  EXPECT_NE(ui.printedText().find(L"\n系统自动升级失败！写数据库记录“一类居住用地”失败！"), std::wstring::npos);
  EXPECT_EQ(vesktest::fileBytes(layers), original);  // the database itself, not the stale backup
  EXPECT_EQ(vesktest::fileBytes(backup), "a stale backup of another database");
  EXPECT_FALSE(fs::exists(fs::path(layers.string() + ".upgrading")));
  EXPECT_TRUE(db.IsOpen());
  EXPECT_EQ(is2013(0), 0);
  EXPECT_EQ(rowCount(0), 16);

  // A template the layer connection cannot open: the reopen fails.
  fs::remove(backup);
  fs::remove(folder->layerTemplate);
  vesktest::makeDatabase(folder->layerTemplate, "secret", "CREATE TABLE 控规图层 (LayerID INTEGER PRIMARY KEY);");
  ASSERT_TRUE(open(layers));
  EXPECT_FALSE(db.UpgradeLayerCustomParamEx2013Db(error, 0));
  EXPECT_EQ(error, CString(L"删除模板数据库用户记录失败！"));
  EXPECT_EQ(vesktest::fileBytes(layers), original);
  EXPECT_EQ(vesktest::fileBytes(backup), original);  // made by this attempt, kept
  EXPECT_TRUE(db.IsOpen());

  // A template without the table of the design type.
  fs::remove(folder->layerTemplate);
  vesktest::makeDatabase(folder->layerTemplate, "", "CREATE TABLE 公共图层 (LayerID INTEGER PRIMARY KEY);");
  EXPECT_FALSE(db.UpgradeLayerCustomParamEx2013Db(error, 0));
  EXPECT_EQ(error, CString(L"删除模板数据库用户记录失败！"));
  EXPECT_EQ(vesktest::fileBytes(layers), original);

  // No template at all: nothing is replaced.
  fs::remove(folder->layerTemplate);
  ui.clearTranscript();
  EXPECT_FALSE(db.UpgradeLayerCustomParamEx2013Db(error, 0));
  EXPECT_EQ(error, CString(L"复制替换文件失败！"));
  EXPECT_EQ(vesktest::fileBytes(layers), original);
  EXPECT_TRUE(db.IsOpen());

  // With the real template back, the same database upgrades.
  fs::copy_file(goodTemplate, folder->layerTemplate);
  ASSERT_TRUE(db.UpgradeLayerCustomParamEx2013Db(error, 0)) << error.ToUtf8();
  EXPECT_EQ(is2013(0), 1);
}

}  // namespace
