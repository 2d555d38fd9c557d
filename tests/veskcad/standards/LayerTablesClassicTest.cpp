// The classic layer operations (LAYERPARAM / STLAYERPARAM keyed by Item) on
// the classic layer database of the test SQL (mode 1) and on the shipped
// standards database (mode 0): groups, owner groups, get-or-create with the
// shared table first, the upsert, the listings and deletes, quoted names.
#include <gtest/gtest.h>

#include "LayerTablesTestDb.h"
#include "arx/ed/ScriptedHostUi.h"

using VeskDB::CCustomDatabase;
using VeskDB::STLAYERPARAM;

namespace {

class ClassicLayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::make_unique<vesktest::LayerFolder>(::testing::UnitTest::GetInstance()->current_test_info()->name());
    classic = folder->standards / "classic.mdb";
    vesktest::LayerFolder::buildClassic(classic);
    ASSERT_TRUE(db.SetDefaultDB(folder->defaultDb(), vesktest::pathText(classic)));
  }
  int rowCount() {
    CStringArray items;
    EXPECT_TRUE(db.GetLayerItem(-1, &items));
    return static_cast<int>(items.GetSize());
  }
  STLAYERPARAM stored(const wchar_t* item) {
    STLAYERPARAM rec;
    rec.Item = item;
    EXPECT_TRUE(db.GetLayerCustomParam(rec)) << item;
    return rec;
  }
  vhost::ScriptedHostUi ui;
  vhost::ScopedHostUi scope{&ui};
  std::unique_ptr<vesktest::LayerFolder> folder;
  std::filesystem::path classic;
  CCustomDatabase db{CString(L"/nowhere/")};
};

TEST_F(ClassicLayerTest, GroupTablesItemsAndOwnerGroups) {
  CStringArray groups, modules;
  ASSERT_TRUE(db.GetLayerGroups(&groups));
  ASSERT_EQ(groups.GetSize(), 12);  // ordered by GroupId = the bit number
  EXPECT_EQ(groups[0], CString(L"用地"));
  EXPECT_EQ(groups[10], CString(L"总图专项"));
  ASSERT_TRUE(db.GetGroups(&modules));
  ASSERT_GE(modules.GetSize(), 6);
  EXPECT_EQ(modules[0], CString(L"用地规划"));
  EXPECT_EQ(modules[5], CString(L"图纸出图"));
  EXPECT_FALSE(db.GetGroups(nullptr));

  CStringArray items;
  ASSERT_TRUE(db.GetLayerItem(-1, &items));
  EXPECT_EQ(items.GetSize(), 16);
  items.RemoveAll();
  ASSERT_TRUE(db.GetLayerItem(1024, &items));
  ASSERT_EQ(items.GetSize(), 1);
  EXPECT_EQ(items[0], CString(L"社会停车场"));
  items.RemoveAll();
  ASSERT_TRUE(db.GetLayerItem(0, &items));
  EXPECT_EQ(items.GetSize(), 0);  // 道路边线 (OwnerGroup 0) is in no group either

  int mask = -5;
  ASSERT_TRUE(db.GetLayerOwnerGroup(L"道路红线", mask));
  EXPECT_EQ(mask, 130);
  ASSERT_TRUE(db.SetLayerOwnerGroup(L"道路红线", 2));
  ASSERT_TRUE(db.GetLayerOwnerGroup(L"道路红线", mask));
  EXPECT_EQ(mask, 2);
  ASSERT_TRUE(db.SetLayerOwnerGroup(L"新建项", 8));  // no row: inserted
  ASSERT_TRUE(db.GetLayerOwnerGroup(L"新建项", mask));
  EXPECT_EQ(mask, 8);
  EXPECT_EQ(rowCount(), 17);
  mask = -5;
  EXPECT_FALSE(db.GetLayerOwnerGroup(L"没有的项", mask));
  EXPECT_EQ(mask, -5);
}

TEST_F(ClassicLayerTest, GetOrCreateConsultsTheSharedTableFirst) {
  vesk::LAYERPARAM frame;
  ASSERT_TRUE(db.GetLayerCustomParam(L"图框", &frame));  // only in 公共图层
  EXPECT_STREQ(frame.LayerName, L"图框");
  EXPECT_EQ(frame.Weight, 70);
  EXPECT_EQ(frame.OwnerGroup, 32);

  STLAYERPARAM r1;
  ASSERT_TRUE(db.GetLayerCustomParam(L"一类居住用地", &r1));  // from 控规图层
  EXPECT_STREQ(r1.LayerName, L"R1居住");
  EXPECT_EQ(r1.Color, 51);
  EXPECT_EQ(r1.remark, CString(L"与模板系统图层同名"));
  EXPECT_EQ(r1.GpOrder, CString(L"010"));
  EXPECT_EQ(r1.CreateLayer, 1);

  // An item in neither table receives the caller's preset record.
  vesk::LAYERPARAM preset;
  wcscpy(preset.LayerName, L"XX-新层");
  preset.Color = 3;
  preset.OwnerGroup = 4;
  ASSERT_TRUE(db.GetLayerCustomParam(L"新图层项", &preset));
  STLAYERPARAM back = stored(L"新图层项");
  EXPECT_STREQ(back.LayerName, L"XX-新层");
  EXPECT_EQ(back.Color, 3);
  EXPECT_EQ(back.OwnerGroup, 4);
  EXPECT_STREQ(back.LineType, L"CONTINUOUS");
  EXPECT_EQ(rowCount(), 17);

  // A row of the design type's table does not hide the shared one for the get,
  // but the insert-unless-present looks at the design type's table only.
  vesk::LAYERPARAM own;
  wcscpy(own.LayerName, L"控规图框");
  ASSERT_TRUE(db.SetLayerCustomParam(L"图框", &own));
  vesk::LAYERPARAM got;
  ASSERT_TRUE(db.GetLayerCustomParam(L"图框", &got));
  EXPECT_STREQ(got.LayerName, L"图框");
  vesk::LAYERPARAM other;
  wcscpy(other.LayerName, L"不会写入");
  ASSERT_TRUE(db.InsertLayerCustomParam(L"图框", &other, 0));
  EXPECT_STREQ(other.LayerName, L"控规图框");  // filled from the row, nothing written
  EXPECT_STREQ(stored(L"图框").LayerName, L"控规图框");
  STLAYERPARAM fresh;
  fresh.Item = L"又一项";
  fresh.remark = L"插入";
  ASSERT_TRUE(db.InsertLayerCustomParam(&fresh, 0));
  EXPECT_EQ(stored(L"又一项").remark, CString(L"插入"));
}

TEST_F(ClassicLayerTest, UpsertKeepsTheOwnerGroupAndWritesTheExtraColumnsInTheLayerDatabase) {
  vesk::LAYERPARAM red;
  ASSERT_TRUE(db.GetLayerCustomParam(L"道路红线", &red));
  wcscpy(red.LayerName, L"新红线");
  red.Color = 10;
  red.Locked = 1;
  red.OwnerGroup = 1;
  ASSERT_TRUE(db.SetLayerCustomParam(L"道路红线", &red));
  STLAYERPARAM back = stored(L"道路红线");
  EXPECT_STREQ(back.LayerName, L"新红线");
  EXPECT_EQ(back.Color, 10);
  EXPECT_EQ(back.Locked, 1);
  EXPECT_EQ(back.OwnerGroup, 130);  // an update leaves the group alone

  STLAYERPARAM st;
  st.Item = L"规划用地";
  wcscpy(st.LayerName, L"GH");
  st.remark = L"用户添加";
  st.GpOrder = L"077";
  st.CreateLayer = 1;
  ASSERT_TRUE(db.SetLayerCustomParam(&st));
  back = stored(L"规划用地");
  EXPECT_EQ(back.remark, CString(L"用户添加"));
  EXPECT_EQ(back.GpOrder, CString(L"077"));
  EXPECT_EQ(back.CreateLayer, 1);
  st.remark = L"改过";
  st.CreateLayer = 0;
  ASSERT_TRUE(db.SetLayerCustomParam(L"规划用地", &st));
  back = stored(L"规划用地");
  EXPECT_EQ(back.remark, CString(L"改过"));
  EXPECT_EQ(back.CreateLayer, 0);

  // Remark update: never inserts; updates the row with the record.
  vesk::LAYERPARAM rec;
  wcscpy(rec.LayerName, L"备注层");
  EXPECT_FALSE(db.SetLayerCustomParam_Remark(L"无此项", &rec, L"x"));
  ASSERT_TRUE(db.SetLayerCustomParam_Remark(L"规划用地", &rec, L"第三次"));
  back = stored(L"规划用地");
  EXPECT_STREQ(back.LayerName, L"备注层");
  EXPECT_EQ(back.remark, CString(L"第三次"));
  EXPECT_EQ(back.Color, 7);

  // One column by name.
  ASSERT_TRUE(db.SetLayerCustomParam_Item(L"规划用地", L"GpOrder", L"001"));
  EXPECT_EQ(stored(L"规划用地").GpOrder, CString(L"001"));
  EXPECT_FALSE(db.SetLayerCustomParam_Item(L"无此项", L"GpOrder", L"001"));
  EXPECT_FALSE(db.SetLayerCustomParam_Item(L"规划用地", L"NoSuchColumn", L"1"));
  EXPECT_EQ(rowCount(), 17);

  ASSERT_TRUE(db.DeleteLayerCustomParam(L"规划用地"));
  EXPECT_EQ(rowCount(), 16);
}

TEST_F(ClassicLayerTest, SingleDatabaseModeWritesTheClassicColumnsOnly) {
  ASSERT_TRUE(db.SetDefaultDB(folder->defaultDb()));
  STLAYERPARAM st;
  st.Item = L"单库新项";
  wcscpy(st.LayerName, L"DK");
  st.Color = 5;
  st.remark = L"不写";
  st.GpOrder = L"500";
  st.CreateLayer = 1;
  ASSERT_TRUE(db.SetLayerCustomParam(&st));
  STLAYERPARAM back = stored(L"单库新项");
  EXPECT_STREQ(back.LayerName, L"DK");
  EXPECT_EQ(back.Color, 5);  // read from the text column of the 2013 layout
  EXPECT_TRUE(back.remark.IsEmpty());
  EXPECT_TRUE(back.GpOrder.IsEmpty());
  EXPECT_EQ(back.CreateLayer, 0);

  // The shared table of mode 0 is "图层" itself.
  vesk::LAYERPARAM pub;
  ASSERT_TRUE(db.GetLayerPublicParam(L"单库新项", &pub));
  EXPECT_STREQ(pub.LayerName, L"DK");
}

TEST_F(ClassicLayerTest, GroupListingsAndAllRowsOfADesignType) {
  db.SetDesignType(2);  // 总图图层
  CStringArray items, remarks, orders, missing;
  CArray<vesk::LAYERPARAM> params;
  ASSERT_TRUE(db.GetLayerCustomParamGroup_Remark(1024, &items, &params, &remarks));
  ASSERT_EQ(items.GetSize(), 3);
  EXPECT_EQ(items[0], CString(L"停车位"));
  EXPECT_EQ(items[1], CString(L"乔木"));
  EXPECT_EQ(items[2], CString(L"室外台阶"));
  ASSERT_EQ(params.GetSize(), 3);
  EXPECT_STREQ(params[0].LayerName, L"车位");
  EXPECT_EQ(params[0].Color, 4);
  EXPECT_EQ(params[0].Weight, 18);
  EXPECT_EQ(params[0].OwnerGroup, 1024);
  ASSERT_EQ(remarks.GetSize(), 3);
  EXPECT_EQ(remarks[2], CString(L"用户自建，模板中没有"));
  ASSERT_TRUE(db.GetLayerCustomParamGroup_Item(4, L"GpOrder", &orders));
  ASSERT_EQ(orders.GetSize(), 1);
  EXPECT_EQ(orders[0], CString(L"050"));
  ASSERT_TRUE(db.GetLayerCustomParamGroup_Item(-1, L"NoSuchColumn", &missing));
  ASSERT_EQ(missing.GetSize(), 5);
  EXPECT_TRUE(missing[0].IsEmpty());
  CArray<vesk::LAYERPARAM> none;
  ASSERT_TRUE(db.GetLayerCustomParamGroup(0, nullptr, &none));
  EXPECT_EQ(none.GetSize(), 0);

  CArray<STLAYERPARAM> detail;
  ASSERT_TRUE(db.GetAllLayerCustomParam(8191, 1, detail));  // 详规图层, whatever the object's type
  ASSERT_EQ(detail.GetSize(), 5);
  EXPECT_EQ(detail[4].Item, CString(L"U-景观轴线"));
  EXPECT_EQ(detail[4].GpOrder, CString(L"060"));
  EXPECT_EQ(detail[4].CreateLayer, 1);
  EXPECT_STREQ(detail[4].LineType, L"CENTER");
}

TEST_F(ClassicLayerTest, QuotesInNamesAreTextNotSql) {
  STLAYERPARAM obrien = stored(L"O'Brien路");
  EXPECT_STREQ(obrien.LayerName, L"DL-OBrien路");
  wcscpy(obrien.LayerName, L"O'Neil层");
  ASSERT_TRUE(db.SetLayerCustomParam(&obrien));
  EXPECT_STREQ(stored(L"O'Brien路").LayerName, L"O'Neil层");
  ASSERT_TRUE(db.SetLayerCustomParam_Item(L"O'Brien路", L"remark", L"it's"));
  EXPECT_EQ(stored(L"O'Brien路").remark, CString(L"it's"));

  const wchar_t* injection = L"x' or '1'='1";
  int mask = 0;
  EXPECT_FALSE(db.GetLayerOwnerGroup(injection, mask));
  STLAYERPARAM probe;
  probe.Item = injection;
  EXPECT_FALSE(db.GetLayerCustomParam(probe));
  EXPECT_TRUE(db.DeleteLayerCustomParam(injection));  // runs, and matches nothing
  EXPECT_EQ(rowCount(), 16);
  vesk::LAYERPARAM rec;
  EXPECT_FALSE(db.SetLayerCustomParam_Remark(injection, &rec, L"x"));
  STLAYERPARAM unchanged = stored(L"一类居住用地");
  EXPECT_STREQ(unchanged.LayerName, L"R1居住");
}

}  // namespace
