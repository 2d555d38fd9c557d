// The 2013 layer operations on a copy of the shipped template (system rows and
// a few user rows in each table): get by name, code and id with the user
// override, colours, insert and update with the new LayerID, the refused
// update, the combined lists, the deletes and the relating of user rows.
#include <gtest/gtest.h>

#include "LayerTablesTestDb.h"
#include "arx/ed/ScriptedHostUi.h"

using VeskDB::CCustomDatabase;
using VeskDB::LAYERPARAM2013EX;

namespace {

class Layer2013Test : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::make_unique<vesktest::LayerFolder>(::testing::UnitTest::GetInstance()->current_test_info()->name());
    layers = folder->templateCopy("layers2013.mdb");
    ASSERT_TRUE(db.SetDefaultDB(folder->defaultDb(), vesktest::pathText(layers)));
  }
  // Rows of the current table matching filter.
  CArray<LAYERPARAM2013EX> rows(const wchar_t* filter = L"") {
    CArray<LAYERPARAM2013EX> out;
    EXPECT_TRUE(db.GetLayerCustomParam(CString(filter), out));
    return out;
  }
  LAYERPARAM2013EX byId(int id) {
    LAYERPARAM2013EX rec;
    rec.LayerID = id;
    EXPECT_TRUE(db.GetLayerCustomParam(L"", &rec, 1, 0)) << id;
    return rec;
  }
  vhost::ScriptedHostUi ui;
  vhost::ScopedHostUi scope{&ui};
  std::unique_ptr<vesktest::LayerFolder> folder;
  std::filesystem::path layers;
  CCustomDatabase db{CString(L"/nowhere/")};
};

TEST_F(Layer2013Test, GetByNameCodeAndIdWithTheUserOverride) {
  // A system row nobody overrides, by name and by code.
  LAYERPARAM2013EX byName, byCode;
  ASSERT_TRUE(db.GetLayerCustomParam(L"商业用地", &byName, 0, 0));
  ASSERT_TRUE(db.GetLayerCustomParam(L"B1", &byCode, 0, 0));
  EXPECT_EQ(byName.LayerID, 13);
  EXPECT_EQ(byCode.LayerID, 13);
  EXPECT_EQ(byName.LayerType, CString(L"S"));
  EXPECT_EQ(byName.ItemCode, CString(L"B1"));
  EXPECT_STREQ(byName.LayerName, L"YD-B1商业");
  EXPECT_EQ(byName.EntType, CString(L"HATCH"));
  EXPECT_EQ(byName.Weight, -3);

  // R2 is one of the codes the user row 居住用地 lists ("R1;R2;R3"): its layer
  // settings win, the codes and the item stay those of the system row.
  LAYERPARAM2013EX r2;
  ASSERT_TRUE(db.GetLayerCustomParam(L"R2", &r2, 0, 0));
  EXPECT_STREQ(r2.LayerName, L"YD-R居住");
  EXPECT_EQ(r2.LayerID, 102);
  EXPECT_EQ(r2.LayerType, CString(L"U"));
  EXPECT_EQ(r2.ColorText, CString(L"(255,255,0)"));
  EXPECT_EQ(r2.remark, CString(L"用户合并：三类居住用地共用一个图层"));
  EXPECT_EQ(r2.ItemCode, CString(L"R2"));
  EXPECT_EQ(r2.Item, CString(L"二类居住用地"));

  // 道路中心线 has a system and a user row of that Item: the system row comes
  // first, then the user row listing its code overrides it.
  LAYERPARAM2013EX road;
  ASSERT_TRUE(db.GetLayerCustomParam(L"道路中心线", &road, 0, 0));
  EXPECT_STREQ(road.LayerName, L"ROAD-中线");
  EXPECT_DOUBLE_EQ(road.LineTypeScale, 0.5);
  EXPECT_EQ(road.ItemCode, CString(L"S1-CL"));
  EXPECT_EQ(road.Weight, 18);

  // By id: the row as stored, no override.
  LAYERPARAM2013EX sys = byId(46);
  EXPECT_STREQ(sys.LayerName, L"DL-道路中心线");
  EXPECT_EQ(sys.LayerType, CString(L"S"));
  EXPECT_EQ(sys.LayerID, 46);
  EXPECT_STREQ(byId(103).LayerName, L"ROAD-中线");

  // A code that is only part of another code does not match ("R" in "R1;R2;R3").
  LAYERPARAM2013EX none;
  EXPECT_FALSE(db.GetLayerCustomParam(L"R", &none, 0, 0));
  EXPECT_FALSE(db.GetLayerCustomParam(L"x' or '1'='1", &none, 0, 0));
}

TEST_F(Layer2013Test, ColourTextAndIndexAndTheKeptValues) {
  // "(r,g,b)" stays text; the caller's index is left as it was.
  LAYERPARAM2013EX r1;
  r1.Color = 42;
  ASSERT_TRUE(db.GetLayerCustomParam(L"R1", &r1, 0, 0));
  EXPECT_EQ(r1.ColorText, CString(L"(255,255,0)"));  // overridden by the user row
  EXPECT_EQ(r1.Color, 42);
  LAYERPARAM2013EX a1;
  a1.Color = 42;
  ASSERT_TRUE(db.GetLayerCustomParam(L"A1", &a1, 0, 0));
  EXPECT_EQ(a1.ColorText, CString(L"(255,0,255)"));
  EXPECT_EQ(a1.Color, 42);
  // An index stored as text sets Color too.
  LAYERPARAM2013EX fr = byId(91);
  EXPECT_EQ(fr.ColorText, CString(L"7"));
  EXPECT_EQ(fr.Color, 7);

  // Empty linetype and text style, zero scales keep the caller's values; a
  // stored lineweight of 0 reads as -1 (by layer).
  ASSERT_TRUE(db.UpdateLayerCustomParam(L"LineType='',TextType=null,TextTypeScale=0,LineTypeScale=0,Weight=0",
                                        L"", 91, -1));
  LAYERPARAM2013EX kept;
  kept.LayerID = 91;
  wcscpy(kept.LineType, L"DASHED");
  kept.TextType = L"仿宋";
  kept.TextTypeScale = 0.8;
  kept.LineTypeScale = 2.5;
  ASSERT_TRUE(db.GetLayerCustomParam(L"", &kept, 1, 0));
  EXPECT_STREQ(kept.LineType, L"DASHED");
  EXPECT_EQ(kept.TextType, CString(L"仿宋"));
  EXPECT_DOUBLE_EQ(kept.TextTypeScale, 0.8);
  EXPECT_DOUBLE_EQ(kept.LineTypeScale, 2.5);
  EXPECT_EQ(kept.Weight, -1);
  EXPECT_STREQ(kept.LayerName, L"TK-图框");
}

TEST_F(Layer2013Test, InsertGivesTheNewLayerIdAndUpdatesRespectTheRowType) {
  LAYERPARAM2013EX rec;
  rec.LayerType = L"U";
  rec.ItemCode = L"B2;B3";
  rec.Item = L"商务娱乐";
  wcscpy(rec.LayerName, L"O'Hara商务");
  rec.Color = 30;
  rec.Weight = 0;
  rec.LineWidth = 0.35;
  ASSERT_TRUE(db.SetLayerCustomParam(&rec, 0, -1));
  EXPECT_EQ(rec.LayerID, 105);  // the template's 控规图层 ends at 104
  EXPECT_EQ(rec.ColorText, CString(L"30"));
  LAYERPARAM2013EX back = byId(105);
  EXPECT_STREQ(back.LayerName, L"O'Hara商务");
  EXPECT_EQ(back.Color, 30);
  EXPECT_EQ(back.Weight, -1);  // 0 is stored as -1, by layer
  EXPECT_DOUBLE_EQ(back.LineWidth, 0.35);
  EXPECT_EQ(back.TextType, CString(L"Standard"));
  // The new user row now overrides B3.
  LAYERPARAM2013EX b3;
  ASSERT_TRUE(db.GetLayerCustomParam(L"娱乐康体用地", &b3, 0, 0));
  EXPECT_STREQ(b3.LayerName, L"O'Hara商务");

  // A forced insert always adds a row.
  LAYERPARAM2013EX copy = rec;
  ASSERT_TRUE(db.SetLayerCustomParam(L"商务娱乐", &copy, 1, -1));
  EXPECT_EQ(copy.LayerID, 106);
  EXPECT_EQ(rows(L"Item='商务娱乐'").GetSize(), 2);

  // Update of the row of the record's LayerID.
  wcscpy(rec.LayerName, L"改名");
  rec.ColorText = L"(1,2,3)";
  ASSERT_TRUE(db.SetLayerCustomParam(&rec, 0, -1));
  back = byId(105);
  EXPECT_STREQ(back.LayerName, L"改名");
  EXPECT_EQ(back.ColorText, CString(L"(1,2,3)"));
  EXPECT_EQ(rows().GetSize(), 106);

  // A record of another type than the stored row writes nothing, and succeeds.
  LAYERPARAM2013EX sys = byId(13);
  sys.LayerType = L"U";
  wcscpy(sys.LayerName, L"不该写入");
  ASSERT_TRUE(db.SetLayerCustomParam(&sys, 0, -1));
  EXPECT_STREQ(byId(13).LayerName, L"YD-B1商业");
  sys.LayerType = L"s";  // the comparison ignores case
  ASSERT_TRUE(db.SetLayerCustomParam(&sys, 0, -1));
  EXPECT_STREQ(byId(13).LayerName, L"不该写入");

  // SetLayerCustomParam keeps the stored codes when asked to.
  LAYERPARAM2013EX keep = byId(105);
  keep.ItemCode = L"ZZ";
  keep.Item = L"别的";
  keep.SetFlag = VeskDB::kSetFlagKeepItemCode;
  ASSERT_TRUE(db.SetLayerCustomParam(&keep, 0, -1));
  EXPECT_EQ(keep.ItemCode, CString(L"B2;B3"));
  EXPECT_EQ(byId(105).Item, CString(L"商务娱乐"));
  keep.SetFlag.Empty();
  keep.ItemCode = L"ZZ";
  ASSERT_TRUE(db.SetLayerCustomParam(&keep, 0, -1));
  EXPECT_EQ(byId(105).ItemCode, CString(L"ZZ"));

  // A negative (true) colour without text is stored as "(r,g,b)".
  LAYERPARAM2013EX truecolour;
  truecolour.Item = L"真彩色";
  truecolour.LayerType = L"U";
  truecolour.Color = -(10 * 65536 + 20 * 256 + 30);
  ASSERT_TRUE(db.SetLayerCustomParam(&truecolour, 1, -1));
  EXPECT_EQ(byId(truecolour.LayerID).ColorText, CString(L"(10,20,30)"));
}

TEST_F(Layer2013Test, CreateIfMissingStoresTheRecordAsASystemRow) {
  LAYERPARAM2013EX rec;
  wcscpy(rec.LayerName, L"新图层");
  EXPECT_FALSE(db.GetLayerCustomParam(L"新项目", &rec, 0, 0));
  EXPECT_EQ(rows().GetSize(), 104);
  ASSERT_TRUE(db.GetLayerCustomParam(L"新项目", &rec, 0, 1));
  EXPECT_EQ(rec.LayerID, 105);
  LAYERPARAM2013EX back;
  ASSERT_TRUE(db.GetLayerCustomParam(L"新项目", &back, 0, 0));
  EXPECT_EQ(back.LayerID, 105);
  EXPECT_EQ(back.LayerType, CString(L"S"));
  EXPECT_EQ(back.remark, CString(L"新项目"));  // the remark defaults to the item
  EXPECT_STREQ(back.LayerName, L"新图层");
  EXPECT_EQ(back.ColorText, CString(L"7"));
}

TEST_F(Layer2013Test, SetAllStopsAtTheFirstFailureWithItsMessage) {
  CArray<LAYERPARAM2013EX> batch;
  LAYERPARAM2013EX a, b;
  a.Item = L"批量一";
  wcscpy(a.LayerName, L"P1");
  b.Item = L"批量二";
  wcscpy(b.LayerName, L"P2");
  batch.Add(a);
  batch.Add(b);
  CString error = L"stale";
  ASSERT_TRUE(db.SetAllLayerCustomParam(error, batch, 0, 12));
  EXPECT_TRUE(error.IsEmpty());
  EXPECT_EQ(batch[0].LayerID, 19);  // 公共图层 ends at 18
  EXPECT_EQ(batch[1].LayerID, 20);

  // A table that cannot take the rows: the first element fails.
  ASSERT_TRUE(db.LayerConnection().ExeSQL(L"drop table 总图图层", db.LayerConnection().GetConn()));
  EXPECT_FALSE(db.SetAllLayerCustomParam(error, batch, 1, 2));
  EXPECT_EQ(error, CString(L"保存数据失败，图层:P1"));
}

TEST_F(Layer2013Test, UpdatesAndDeletesByIdTypeAndFilter) {
  ASSERT_TRUE(db.UpdateLayerCustomParam(L"Locked=1", L"", 13, -1));
  EXPECT_EQ(byId(13).Locked, 1);
  EXPECT_EQ(byId(14).Locked, 0);
  ASSERT_TRUE(db.UpdateLayerCustomParam(L"Frozen=1", L"ItemCode like 'A%'", -1, -1));
  EXPECT_EQ(rows(L"Frozen=1").GetSize(), 9);

  LAYERPARAM2013EX rec = byId(14);
  ASSERT_TRUE(db.DeleteLayerCustomParam(&rec));
  EXPECT_EQ(rows().GetSize(), 103);
  LAYERPARAM2013EX unstored;
  EXPECT_FALSE(db.DeleteLayerCustomParam(&unstored));  // LayerID 0

  int exists = 0;
  ASSERT_TRUE(db.LayerCustomParamIdExists(exists, -1));
  EXPECT_EQ(exists, 1);

  EXPECT_TRUE(db.DeleteLayerCustomParamAll(0, 0));
  EXPECT_EQ(rows().GetSize(), 103);
  ASSERT_TRUE(db.DeleteLayerCustomParamAll(1, 0));
  EXPECT_EQ(rows().GetSize(), 100);
  EXPECT_EQ(rows(L"LayerType='U' or LayerType='UR'").GetSize(), 0);
  ASSERT_TRUE(db.UpdateLayerCustomParam(L"LayerType=null", L"", 1, -1));  // no type counts as system
  ASSERT_TRUE(db.DeleteLayerCustomParamAll(0, 1));
  EXPECT_EQ(rows().GetSize(), 0);

  // Both together empty the table.
  db.SetDesignType(1);
  EXPECT_EQ(rows().GetSize(), 111);
  ASSERT_TRUE(db.DeleteLayerCustomParamAll(1, 1));
  EXPECT_EQ(rows().GetSize(), 0);
}

TEST_F(Layer2013Test, CombinedListsAndTheSystemRelation) {
  CArray<LAYERPARAM2013EX> sys, user, all, combined;
  ASSERT_TRUE(db.GetAllCombineLayerCustomParam(L"S", -1, sys));
  ASSERT_TRUE(db.GetAllCombineLayerCustomParam(L"u", -1, user));
  ASSERT_TRUE(db.GetAllCombineLayerCustomParam(L"SU", -1, all));
  ASSERT_TRUE(db.GetAllCombineLayerCustomParam(L"", -1, combined));
  EXPECT_EQ(sys.GetSize(), 101);
  EXPECT_EQ(user.GetSize(), 3);
  EXPECT_EQ(all.GetSize(), 104);
  // The users' rows cover R1, R2, R3, S1-CL, KZ-BL and SX-SL.
  EXPECT_EQ(combined.GetSize(), 101 - 6 + 3);
  for (const auto& r : combined) {
    EXPECT_NE(r.ItemCode, CString(L"R2")) << r.Item.GetString();
    EXPECT_NE(r.ItemCode, CString(L"SX-SL")) << r.Item.GetString();
  }
  // Ordered by GpOrder, then LayerName.
  for (INT_PTR i = 1; i < sys.GetSize(); ++i) {
    const bool ordered = sys[i - 1].GpOrder < sys[i].GpOrder ||
                         (sys[i - 1].GpOrder == sys[i].GpOrder && sys[i - 1].LayerName <= std::wstring(sys[i].LayerName));
    EXPECT_TRUE(ordered) << i;
  }
  CArray<LAYERPARAM2013EX> unknown;
  EXPECT_FALSE(db.GetAllCombineLayerCustomParam(L"X", -1, unknown));

  CStringArray codes, items;
  ASSERT_TRUE(db.GetAllItemCodeAndItemSysRelation(12, codes, items));
  ASSERT_EQ(codes.GetSize(), 16);
  ASSERT_EQ(items.GetSize(), 16);
  EXPECT_EQ(codes[0], CString(L"DX-CT"));  // GpOrder 070, then by layer name
  EXPECT_EQ(items[0], CString(L"等高线"));

  // Group mask with an extra condition.
  CArray<LAYERPARAM2013EX> parking;
  ASSERT_TRUE(db.GetAllLayerCustomParam(1024, 2, L"LayerType='U'", parking));
  ASSERT_EQ(parking.GetSize(), 2);
  EXPECT_EQ(parking[1].Item, CString(L"植物"));
}

TEST_F(Layer2013Test, RelatingUserRowsToSystemRowsAndPurgingTheRest) {
  auto addUser = [&](const wchar_t* item, const wchar_t* name) {
    LAYERPARAM2013EX rec;
    rec.LayerType = L"U";
    rec.Item = item;
    wcscpy(rec.LayerName, name);
    rec.TextTypeScale = 0.5;
    EXPECT_TRUE(db.SetLayerCustomParam(&rec, 1, -1)) << item;
    return rec.LayerID;
  };
  const int business = addUser(L"商业用地", L"我的商业");
  const int unknown = addUser(L"自建项", L"自建");
  const int kept = addUser(L"U-自建", L"保留");
  const int quoted = addUser(L"O'Brien路", L"引号");

  // Codes only.
  CString error = L"stale";
  ASSERT_TRUE(db.AutoRelationLayerCustomParam(error, 1, 0, 0, -1));
  EXPECT_TRUE(error.IsEmpty());
  LAYERPARAM2013EX b = byId(business);
  EXPECT_EQ(b.ItemCode, CString(L"B1"));
  EXPECT_DOUBLE_EQ(b.TextTypeScale, 0.5);
  EXPECT_TRUE(b.EntType.IsEmpty());
  EXPECT_STREQ(b.LayerName, L"我的商业");
  // The business rows are now overridden by the related user row.
  LAYERPARAM2013EX viaCode;
  ASSERT_TRUE(db.GetLayerCustomParam(L"B1", &viaCode, 0, 0));
  EXPECT_STREQ(viaCode.LayerName, L"我的商业");

  // All shared attributes, and the purge.
  ASSERT_TRUE(db.UpdateLayerCustomParam(L"ItemCode=null", L"", business, -1));
  ASSERT_TRUE(db.AutoRelationLayerCustomParam(error, 1, 1, 1, -1));
  b = byId(business);
  EXPECT_EQ(b.ItemCode, CString(L"B1"));
  EXPECT_DOUBLE_EQ(b.TextTypeScale, 0.75);
  EXPECT_EQ(b.EntType, CString(L"HATCH"));
  EXPECT_EQ(rows(L"Item='自建项'").GetSize(), 0);
  EXPECT_EQ(rows(L"Item='O''Brien路'").GetSize(), 0);
  EXPECT_EQ(rows(L"Item='U-自建'").GetSize(), 1);
  EXPECT_EQ(rows().GetSize(), 104 + 4 - 2);
  (void)unknown;
  (void)kept;
  (void)quoted;

  // On a table of the classic generation there is nothing to relate.
  std::filesystem::path classic = folder->standards / "classic.mdb";
  vesktest::LayerFolder::buildClassic(classic);
  ASSERT_TRUE(db.SetCustomDBPath(vesktest::pathText(classic)));
  EXPECT_FALSE(db.AutoRelationLayerCustomParam(error, 1, 1, 1, -1));
  EXPECT_EQ(error, CString(L"用户图层匹配系统图层失败"));
  int exists = 1;
  ASSERT_TRUE(db.LayerCustomParamIdExists(exists, -1));
  EXPECT_EQ(exists, 0);
  // The classic table still serves the 2013 record through its columns.
  LAYERPARAM2013EX r1;
  ASSERT_TRUE(db.GetLayerCustomParam(L"一类居住用地", &r1, 0, 0));
  EXPECT_STREQ(r1.LayerName, L"R1居住");
  EXPECT_EQ(r1.Color, 51);
  EXPECT_EQ(r1.GpOrder, CString(L"010"));
  EXPECT_EQ(r1.Weight, 0);  // classic columns as stored
}

TEST_F(Layer2013Test, AddingTheLinetypeScaleColumn) {
  CString error = L"stale";
  // The column exists already in the 2013 tables: the statement fails.
  EXPECT_FALSE(db.UpgradeLayerCustomParamTable(error, 1));
  EXPECT_EQ(error, CString(L"升级数据库失败"));

  std::filesystem::path classic = folder->standards / "classic.mdb";
  vesktest::LayerFolder::buildClassic(classic);
  ASSERT_TRUE(db.SetCustomDBPath(vesktest::pathText(classic)));
  ASSERT_TRUE(db.UpgradeLayerCustomParamTable(error, 1));
  EXPECT_TRUE(error.IsEmpty());
  CArray<LAYERPARAM2013EX> all;
  ASSERT_TRUE(db.GetAllLayerCustomParam(-1, 1, L"LineTypeScale=1", all));
  EXPECT_EQ(all.GetSize(), 5);  // every row has the default
}

}  // namespace
