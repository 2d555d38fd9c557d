// Free parameters: the table "其他" of a scratch standards database, and the
// file "参数设置.xml" beside it that replaces the table while it exists.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "StandardsTestDb.h"
#include "arx/ed/ScriptedHostUi.h"
#include "veskcad/standards/CCustomDatabase.h"
#include "veskcad/standards/OtherParamXml.h"
#include "veskfile/CFXmlCfg.h"

using VeskDB::CCustomDatabase;
namespace fs = std::filesystem;

namespace {

const char* kOtherTable =
    "CREATE TABLE 其他 (Item TEXT, ValueText TEXT, Type INTEGER, remark TEXT, OwnerGroup INTEGER);"
    "INSERT INTO 其他 VALUES ('比例', '1000', 5001, '出图比例', 1023);"
    "INSERT INTO 其他 VALUES ('单位', '米', 5005, '绘图单位', 1023);";

class OtherParamsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = vesktest::freshFolder(std::string("other_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    vesktest::makeDatabase(dir / "default.mdb", "kaplorn", kOtherTable);
    ASSERT_TRUE(db.SetDefaultDB(vesktest::wide(dir / "default.mdb")));
  }
  void writeXml(const std::string& body) {
    std::ofstream(dir / "参数设置.xml") << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" << body;
  }
  // The texts of the parameter's leaf in the XML, or {} when it is missing.
  veskfile::SDataMember leaf(const wchar_t* item) {
    veskfile::CFXmlCfg xml;
    veskfile::SDataMember member;
    EXPECT_TRUE(xml.Open(vesktest::wide(dir) + L"/参数设置.xml"));
    xml.ReadData(CString(L"ParamSet.Base.") + item, member);
    return member;
  }
  CString tableValue(const wchar_t* item) {
    CString value;
    db.GetItemValue(L"其他", item, L"ValueText", value);
    return value;
  }
  vesk::OTHERPARAM param(const wchar_t* value, int type, int group) {
    vesk::OTHERPARAM p;
    wcscpy(p.ValueText, value);
    p.Type = type;
    p.OwnerGroup = group;
    return p;
  }
  fs::path dir;
  vhost::ScriptedHostUi ui;
  vhost::ScopedHostUi scope{&ui};
  CCustomDatabase db{CString(L"/nowhere/")};
};

TEST_F(OtherParamsTest, WithoutTheXmlTheTableIsReadAndMissingItemsAreStored) {
  EXPECT_FALSE(fs::exists(dir / "参数设置.xml"));
  vesk::OTHERPARAM p;
  ASSERT_TRUE(db.GetOtherCustomParam(L"比例", &p));
  EXPECT_STREQ(p.ValueText, L"1000");
  EXPECT_EQ(p.Type, 5001);
  EXPECT_EQ(p.OwnerGroup, 1023);

  // A missing parameter is stored with the caller's values.
  vesk::OTHERPARAM fresh = param(L"0.5", 5001, 2);
  ASSERT_TRUE(db.GetOtherCustomParam(L"新参数", &fresh));
  EXPECT_STREQ(fresh.ValueText, L"0.5");
  EXPECT_EQ(tableValue(L"新参数"), CString(L"0.5"));
  CString group;
  ASSERT_TRUE(db.GetItemValue(L"其他", L"新参数", L"OwnerGroup", group));
  EXPECT_EQ(group, CString(L"2"));

  // Update: value and type change, the group stays.
  vesk::OTHERPARAM changed = param(L"厘米", 5005, 8);
  ASSERT_TRUE(db.SetOtherCustomParam(L"新参数", &changed));
  ASSERT_TRUE(db.GetOtherCustomParam(L"新参数", &p));
  EXPECT_STREQ(p.ValueText, L"厘米");
  EXPECT_EQ(p.Type, 5005);
  EXPECT_EQ(p.OwnerGroup, 2);

  // The remark form writes the remark on update and on insert.
  CString remark;
  ASSERT_TRUE(db.SetOtherCustomParam_Remark(L"单位", &changed, L"新的说明"));
  ASSERT_TRUE(db.GetItemValue(L"其他", L"单位", L"remark", remark));
  EXPECT_EQ(remark, CString(L"新的说明"));
  ASSERT_TRUE(db.SetOtherCustomParam_Remark(L"带说明", &changed, L"Tom's"));
  ASSERT_TRUE(db.GetItemValue(L"其他", L"带说明", L"remark", remark));
  EXPECT_EQ(remark, CString(L"Tom's"));

  ASSERT_TRUE(db.DeleteOtherCustomParam(L"新参数"));
  EXPECT_EQ(tableValue(L"新参数"), CString());
}

TEST_F(OtherParamsTest, TheXmlBesideTheDatabaseReplacesTheTable) {
  writeXml("<ParamSet><Base>"
           "<比例 v1=\"500\" v2=\"Double\" v3=\"1023\"/>"
           "<精度>3</精度>"
           "</Base></ParamSet>");
  EXPECT_EQ(db.GetOtherParamXmlPath(), vesktest::wide(dir) + L"/参数设置.xml");
  vesk::OTHERPARAM p;
  ASSERT_TRUE(db.GetOtherCustomParam(L"比例", &p));
  EXPECT_STREQ(p.ValueText, L"500");  // not the table's 1000
  EXPECT_EQ(p.Type, 5001);
  EXPECT_EQ(p.OwnerGroup, 1);
  ASSERT_TRUE(db.GetOtherCustomParam(L"精度", &p));  // hand-written element: a text without type
  EXPECT_STREQ(p.ValueText, L"3");
  EXPECT_EQ(p.Type, 5005);

  // Missing from the XML: added there with the caller's values, not to the table.
  vesk::OTHERPARAM fresh = param(L"24", 5001, 2);
  ASSERT_TRUE(db.GetOtherCustomParam(L"路宽", &fresh));
  EXPECT_STREQ(fresh.ValueText, L"24");
  EXPECT_EQ(fresh.OwnerGroup, 2);
  veskfile::SDataMember added = leaf(L"路宽");
  ASSERT_EQ(added.TextCount(), 3u);
  EXPECT_EQ(added.Field(1), CString(L"24"));
  EXPECT_EQ(added.Field(2), CString(L"int"));
  EXPECT_EQ(added.Field(3), CString(L"2"));
  EXPECT_EQ(tableValue(L"路宽"), CString());

  // Writing goes to the XML; the stored owner group is kept; the table is untouched.
  vesk::OTHERPARAM scale = param(L"2000", 5001, 7);
  ASSERT_TRUE(db.SetOtherCustomParam(L"比例", &scale));
  veskfile::SDataMember written = leaf(L"比例");
  EXPECT_EQ(written.Field(1), CString(L"2000"));
  EXPECT_EQ(written.Field(2), CString(L"int"));
  EXPECT_EQ(written.Field(3), CString(L"1023"));
  EXPECT_EQ(tableValue(L"比例"), CString(L"1000"));
  // An item that cannot be an XML path is refused rather than misread.
  EXPECT_FALSE(db.GetOtherCustomParam(L"Base.比例", &p));
  EXPECT_FALSE(db.SetOtherCustomParam(L"a.b", &scale));

  // Removing the file brings the table back.
  fs::remove(dir / "参数设置.xml");
  ASSERT_TRUE(db.GetOtherCustomParam(L"比例", &p));
  EXPECT_STREQ(p.ValueText, L"1000");
}

TEST_F(OtherParamsTest, AMalformedXmlFailsWithoutBeingOverwritten) {
  writeXml("<ParamSet><Base><比例 v1=\"500\"></Base>");
  vesk::OTHERPARAM p = param(L"9", 5001, 1);
  EXPECT_FALSE(db.GetOtherCustomParam(L"比例", &p));
  EXPECT_FALSE(db.SetOtherCustomParam(L"比例", &p));
  std::ifstream in(dir / "参数设置.xml");
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(content.find("<比例 v1=\"500\"></Base>"), std::string::npos);
}

TEST(OtherParamXmlTypes, TypeTextsMapToTheHostResultCodes) {
  for (const wchar_t* number : {L"int", L"INT", L"float", L"Double", L"real"})
    EXPECT_EQ(VeskDB::OtherParamTypeFromText(number), 5001) << CString(number).ToUtf8();
  for (const wchar_t* text : {L"string", L"", L"integer", L"text"})
    EXPECT_EQ(VeskDB::OtherParamTypeFromText(text), 5005) << CString(text).ToUtf8();
  EXPECT_EQ(VeskDB::OtherParamTypeText(5001), CString(L"int"));
  EXPECT_EQ(VeskDB::OtherParamTypeText(5005), CString(L"string"));
  EXPECT_EQ(VeskDB::OtherParamTypeText(0), CString(L"string"));
  EXPECT_EQ(VeskDB::OtherParamXmlPath(L"C:\\数据\\default.mdb"), CString(L"C:\\数据\\参数设置.xml"));
  EXPECT_EQ(VeskDB::OtherParamXmlPath(L"/srv/std/default.mdb"), CString(L"/srv/std/参数设置.xml"));
}

}  // namespace
