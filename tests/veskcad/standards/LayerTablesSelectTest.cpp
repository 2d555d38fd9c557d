// Which layer table an operation works on, and the group-mask condition: its
// text, and the rows it selects on the shipped layer database compared with
// the bit test it stands for.
#include <gtest/gtest.h>

#include <map>

#include "LayerTablesTestDb.h"
#include "arx/ed/ScriptedHostUi.h"
#include "veskcad/standards/LayerTableSelect.h"

using VeskDB::CCustomDatabase;
using VeskDB::LAYERPARAM2013EX;

namespace {

TEST(LayerTableSelectTest, DesignTypeChoosesOneOfFourTables) {
  const std::map<int, std::wstring> expected = {
      {0, L"控规图层"},  {4, L"控规图层"},  {6, L"控规图层"},  {8, L"控规图层"},  {9, L"控规图层"},
      {10, L"控规图层"}, {15, L"控规图层"}, {1, L"详规图层"},  {5, L"详规图层"},  {16, L"详规图层"},
      {2, L"总图图层"},  {3, L"总图图层"},  {7, L"总图图层"},  {11, L"总图图层"}, {12, L"公共图层"},
      {13, L"公共图层"}, {14, L"公共图层"}, {17, L"公共图层"}, {99, L"公共图层"}, {-1, L"公共图层"},
      {-7, L"公共图层"}};
  for (const auto& [type, table] : expected)
    EXPECT_EQ(std::wstring(VeskDB::LayerTableOfDesignType(type).GetString()), table) << "design type " << type;

  int count = 0;
  const VeskDB::LayerDbTable* tables = VeskDB::LayerDatabaseTables(count);
  ASSERT_EQ(count, 4);
  for (int i = 0; i < count; ++i)
    EXPECT_EQ(VeskDB::LayerTableOfDesignType(tables[i].designType), CString(tables[i].table));
}

TEST(LayerTableSelectTest, GroupMaskPredicateIsBuiltTermByTerm) {
  const CString text = VeskDB::GroupMaskPredicate(1024);
  const std::wstring s = text.GetString();
  // The first term, the exponent in two characters.
  EXPECT_EQ(s.rfind(L"(int(OwnerGroup/2^ 0)-2*int(OwnerGroup/2^ 1))*(int(1024/2^ 0)-2*int(1024/2^ 1))+", 0), 0u);
  EXPECT_NE(s.find(L"+(int(OwnerGroup/2^ 9)-2*int(OwnerGroup/2^10))*(int(1024/2^ 9)-2*int(1024/2^10))+"),
            std::wstring::npos);
  // The last term covers bit 15; the sum is compared with 0.
  const std::wstring tail = L"+(int(OwnerGroup/2^15)-2*int(OwnerGroup/2^16))*(int(1024/2^15)-2*int(1024/2^16))<>0";
  ASSERT_GE(s.size(), tail.size());
  EXPECT_EQ(s.substr(s.size() - tail.size()), tail);
  // Sixteen terms, every mask the same.
  std::size_t terms = 0;
  for (std::size_t at = s.find(L"(int(OwnerGroup"); at != std::wstring::npos; at = s.find(L"(int(OwnerGroup", at + 1))
    ++terms;
  EXPECT_EQ(terms, 16u);
  EXPECT_EQ(s.find(L"%d"), std::wstring::npos);
  EXPECT_EQ(VeskDB::GroupMaskPredicate(7).Find(L"1024"), -1);
}

class LayerGroupMaskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::make_unique<vesktest::LayerFolder>("groupmask");
    ASSERT_TRUE(db.SetDefaultDB(folder->defaultDb(), vesktest::pathText(folder->shippedLayers)));
  }
  // Items of the rows the SQL condition selects, and of those the bit test selects.
  void compare(int mask, int designType) {
    CArray<LAYERPARAM2013EX> all, selected;
    ASSERT_TRUE(db.GetAllLayerCustomParam(-1, designType, all));
    ASSERT_TRUE(db.GetAllLayerCustomParam(mask, designType, selected));
    std::vector<std::wstring> expected;
    for (const auto& r : all)
      if ((r.OwnerGroup & mask & 0xFFFF) != 0) expected.emplace_back(r.Item.GetString());
    EXPECT_EQ(vesktest::itemsOf(selected), expected) << "mask " << mask << " design type " << designType;
  }
  vhost::ScriptedHostUi ui;
  vhost::ScopedHostUi scope{&ui};
  std::unique_ptr<vesktest::LayerFolder> folder;
  CCustomDatabase db{CString(L"/nowhere/")};
};

TEST_F(LayerGroupMaskTest, MasksSelectTheRowsSharingABit) {
  CArray<LAYERPARAM2013EX> rows;
  ASSERT_TRUE(db.GetAllLayerCustomParam(-1, 2, rows));
  EXPECT_EQ(rows.GetSize(), 47);  // -1: every row of 总图图层
  rows.RemoveAll();
  ASSERT_TRUE(db.GetAllLayerCustomParam(0, 2, rows));
  EXPECT_EQ(rows.GetSize(), 0);  // 0: none

  // Bit 10 alone: the site-plan-only rows, none of which is in the usual 1023.
  rows.RemoveAll();
  ASSERT_TRUE(db.GetAllLayerCustomParam(1024, 2, rows));
  EXPECT_EQ(rows.GetSize(), 9);
  for (const auto& r : rows) EXPECT_EQ(r.OwnerGroup, 1024) << r.Item.GetString();
  rows.RemoveAll();
  ASSERT_TRUE(db.GetAllLayerCustomParam(1023, 2, rows));
  for (const auto& r : rows) EXPECT_NE(r.OwnerGroup & 1023, 0) << r.Item.GetString();
  EXPECT_EQ(rows.GetSize(), 47 - 9 - 1);  // neither bit 10 nor the construction aid of bit 11

  for (int mask : {1, 2, 3, 8, 128, 512, 1023, 2048, 8191, 0x10000 | 4})
    for (int type : {0, 1, 2, 12}) compare(mask, type);

  // The classic listings use the same condition.
  CStringArray items;
  ASSERT_TRUE(db.GetLayerItem(2048, &items));  // design type 0: 控规图层
  ASSERT_EQ(items.GetSize(), 1);
  EXPECT_EQ(items[0], CString(L"辅助线"));
}

TEST_F(LayerGroupMaskTest, DesignTypeOfTheObjectOrOfTheCall) {
  CArray<LAYERPARAM2013EX> rows;
  db.SetDesignType(12);  // 公共图层
  ASSERT_TRUE(db.GetLayerCustomParam(CString(), rows));
  EXPECT_EQ(rows.GetSize(), 16);
  LAYERPARAM2013EX rec;
  ASSERT_TRUE(db.GetLayerCustomParam(L"图框", &rec));
  EXPECT_EQ(rec.LayerID, 6);  // the row of 公共图层, not of 控规图层 (91)

  // Type 10 is read from 控规图层 (the password it implies only counts at the next open).
  db.SetDesignType(10);
  LAYERPARAM2013EX kg;
  ASSERT_TRUE(db.GetLayerCustomParam(L"图框", &kg));
  EXPECT_EQ(kg.LayerID, 91);
  rows.RemoveAll();
  ASSERT_TRUE(db.GetAllLayerCustomParam(-1, 12, rows));  // an explicit type wins
  EXPECT_EQ(rows.GetSize(), 16);
  rows.RemoveAll();
  ASSERT_TRUE(db.GetAllLayerCustomParam(-1, -1, rows));  // -1: the object's
  EXPECT_EQ(rows.GetSize(), 101);

  // A closed object answers nothing.
  db.Close();
  rows.RemoveAll();
  EXPECT_FALSE(db.GetAllLayerCustomParam(-1, -1, rows));
  EXPECT_FALSE(db.GetLayerCustomParam(L"图框", &kg));
  EXPECT_FALSE(db.DeleteLayerCustomParamAll(0, 0));
}

}  // namespace
