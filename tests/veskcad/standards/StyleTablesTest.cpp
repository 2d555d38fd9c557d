// The style tables of the shipped standards database (a copy of it): each
// kind's get, upsert, listing and delete, the group masks, the dispatchers,
// the "$" references kept as stored, quotes in items, a closed database.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <tuple>

#include "StandardsTestDb.h"
#include "arx/ed/ScriptedHostUi.h"
#include "veskbase/LayerParam.h"
#include "veskcad/standards/CCustomDatabase.h"

using VeskDB::CCustomDatabase;
namespace fs = std::filesystem;

namespace {

class StyleTablesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = vesktest::freshFolder(std::string("style_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::copy_file(fs::path(VESKCAD_DATA_ROOT) / "STANDARDS" / "default.mdb", dir / "default.mdb");
    ASSERT_TRUE(db.SetDefaultDB(vesktest::wide(dir / "default.mdb")));
  }
  // Number of rows of 线, counted through its mask -1 listing.
  int lineCount() {
    CStringArray items;
    EXPECT_TRUE(db.GetLineCustomParamGroup(-1, &items, nullptr));
    return static_cast<int>(items.GetSize());
  }
  fs::path dir;
  vhost::ScriptedHostUi ui;
  vhost::ScopedHostUi scope{&ui};
  CCustomDatabase db{CString(L"/nowhere/")};
};

TEST_F(StyleTablesTest, ReadsShippedRowsAndLeavesMissingItemsUntouched) {
  vesk::TEXTSTYLEPARAM ts;
  ASSERT_TRUE(db.GetTextstyleCustomParam(L"水系名称", &ts));
  EXPECT_STREQ(ts.TextstyleName, L"GH-水系名称");
  EXPECT_STREQ(ts.FontFile, L"仿宋");
  EXPECT_DOUBLE_EQ(ts.XScale, 0.8);
  EXPECT_DOUBLE_EQ(ts.ObliquingAngle, 0.2618);
  EXPECT_EQ(ts.Vertical, 0);  // the row's 0 replaces the default 1
  EXPECT_EQ(ts.OwnerGroup, 24);

  vesk::LINEPARAM line;
  ASSERT_TRUE(db.GetLineCustomParam(L"辅助线", &line));
  EXPECT_EQ(line.Color, 8);
  EXPECT_STREQ(line.Linetype, L"DASHED");
  EXPECT_STREQ(line.OwnerLayer, L"$辅助线");  // "$" references are kept as stored
  EXPECT_EQ(line.OwnerGroup, 2048);

  vesk::TEXTPARAM text;
  ASSERT_TRUE(db.GetTextCustomParam(L"用地面积", &text));
  EXPECT_STREQ(text.Textstyle, L"$控制指标");
  EXPECT_STREQ(text.OwnerLayer, L"$用地面积");
  ASSERT_TRUE(db.GetTextCustomParam(L"指北针字母", &text));
  EXPECT_STREQ(text.Textstyle, L"Standard");  // a plain style name
  EXPECT_EQ(text.Color, 7);

  // Missing items: 0, the record keeps its defaults.
  vesk::TEXTSTYLEPARAM noStyle;
  EXPECT_FALSE(db.GetTextstyleCustomParam(L"不存在", &noStyle));
  EXPECT_STREQ(noStyle.TextstyleName, L"st");
  EXPECT_EQ(noStyle.Vertical, 1);
  vesk::HATCHPARAM noHatch;
  EXPECT_FALSE(db.GetHatchCustomParam(L"不存在", &noHatch));
  EXPECT_STREQ(noHatch.PatName, L"solid");
  EXPECT_FALSE(db.GetLineCustomParam(nullptr, &line));
  EXPECT_FALSE(db.GetLineCustomParam(L"辅助线", nullptr));
}

TEST_F(StyleTablesTest, EveryKindRoundTripsThroughInsertUpdateAndDelete) {
  vesk::LINEPARAM line;
  line.Color = 3, line.Weight = 30, line.PolyWidth = 0.25, line.LineScale = 2.5, line.Thickness = 1.5;
  wcscpy(line.Linetype, L"CENTER");
  wcscpy(line.OwnerLayer, L"$道路中心线");
  line.OwnerGroup = 6;
  const int before = lineCount();
  ASSERT_TRUE(db.SetLineCustomParam(L"新线", &line));
  vesk::LINEPARAM back;
  ASSERT_TRUE(db.GetLineCustomParam(L"新线", &back));
  EXPECT_EQ(std::make_tuple(back.Color, back.Weight, back.PolyWidth, back.LineScale, back.Thickness, back.OwnerGroup),
            std::make_tuple(3, 30, 0.25, 2.5, 1.5, 6));
  EXPECT_STREQ(back.Linetype, L"CENTER");
  EXPECT_STREQ(back.OwnerLayer, L"$道路中心线");
  // An update changes the values, keeps the row's group and adds no row.
  line.Color = 1, line.OwnerGroup = 999;
  ASSERT_TRUE(db.SetLineCustomParam(L"新线", &line));
  ASSERT_TRUE(db.GetLineCustomParam(L"新线", &back));
  EXPECT_EQ(back.Color, 1);
  EXPECT_EQ(back.OwnerGroup, 6);
  EXPECT_EQ(lineCount(), before + 1);
  ASSERT_TRUE(db.DeleteLineCustomParam(L"新线"));
  EXPECT_FALSE(db.GetLineCustomParam(L"新线", &back));
  EXPECT_EQ(lineCount(), before);

  vesk::TEXTSTYLEPARAM ts;
  wcscpy(ts.TextstyleName, L"GH-测试");
  wcscpy(ts.FontFile, L"romans.shx|gbcbig.shx");
  ts.Height = 2.5, ts.XScale = 0.7, ts.ObliquingAngle = 0.25, ts.Bold = 1, ts.YMirror = 1, ts.OwnerGroup = 16;
  ASSERT_TRUE(db.SetTextstyleCustomParam(L"测试样式", &ts));
  ts.Italic = 1;  // update
  ASSERT_TRUE(db.SetTextstyleCustomParam(L"测试样式", &ts));
  vesk::TEXTSTYLEPARAM tsBack;
  ASSERT_TRUE(db.GetTextstyleCustomParam(L"测试样式", &tsBack));
  EXPECT_STREQ(tsBack.TextstyleName, L"GH-测试");
  EXPECT_STREQ(tsBack.FontFile, L"romans.shx|gbcbig.shx");
  EXPECT_EQ(std::make_tuple(tsBack.Height, tsBack.XScale, tsBack.ObliquingAngle, tsBack.Bold, tsBack.Italic,
                            tsBack.XMirror, tsBack.YMirror, tsBack.Vertical, tsBack.OwnerGroup),
            std::make_tuple(2.5, 0.7, 0.25, 1, 1, 0, 1, 1, 16));
  ASSERT_TRUE(db.DeleteTextstyleCustomParam(L"测试样式"));
  EXPECT_FALSE(db.GetTextstyleCustomParam(L"测试样式", &tsBack));

  vesk::TEXTPARAM text;
  text.Color = 5, text.Height = 4.5;
  wcscpy(text.Textstyle, L"$测试样式");
  wcscpy(text.OwnerLayer, L"$一般注记");
  ASSERT_TRUE(db.SetTextCustomParam(L"测试文字", &text));
  text.Height = 5.0;
  ASSERT_TRUE(db.SetTextCustomParam(L"测试文字", &text));
  vesk::TEXTPARAM textBack;
  ASSERT_TRUE(db.GetTextCustomParam(L"测试文字", &textBack));
  EXPECT_EQ(std::make_tuple(textBack.Color, textBack.Height), std::make_tuple(5, 5.0));
  EXPECT_STREQ(textBack.Textstyle, L"$测试样式");
  EXPECT_STREQ(textBack.Linetype, L"ByLayer");
  EXPECT_STREQ(textBack.OwnerLayer, L"$一般注记");
  ASSERT_TRUE(db.DeleteTextCustomParam(L"测试文字"));
  EXPECT_FALSE(db.GetTextCustomParam(L"测试文字", &textBack));

  vesk::HATCHPARAM hatch;
  wcscpy(hatch.PatName, L"_USER");
  hatch.Angle = 0.785398, hatch.Scale = 2, hatch.Space = 3.5, hatch.IsDouble = 1;
  wcscpy(hatch.OwnerLayer, L"$停车位");
  ASSERT_TRUE(db.SetHatchCustomParam(L"测试填充", &hatch));
  hatch.Scale = 4;
  ASSERT_TRUE(db.SetHatchCustomParam(L"测试填充", &hatch));
  vesk::HATCHPARAM hatchBack;
  ASSERT_TRUE(db.GetHatchCustomParam(L"测试填充", &hatchBack));
  EXPECT_STREQ(hatchBack.PatName, L"_USER");
  EXPECT_EQ(std::make_tuple(hatchBack.Angle, hatchBack.Scale, hatchBack.Space, hatchBack.IsDouble),
            std::make_tuple(0.785398, 4.0, 3.5, 1));
  EXPECT_STREQ(hatchBack.OwnerLayer, L"$停车位");
  ASSERT_TRUE(db.DeleteHatchCustomParam(L"测试填充"));
  EXPECT_FALSE(db.GetHatchCustomParam(L"测试填充", &hatchBack));
}

TEST_F(StyleTablesTest, GroupListingsKeepTheRowsSharingABitWithTheMask) {
  CStringArray all;
  CArray<vesk::LINEPARAM> allLines;
  ASSERT_TRUE(db.GetLineCustomParamGroup(-1, &all, &allLines));
  ASSERT_EQ(all.GetSize(), 21);
  ASSERT_EQ(allLines.GetSize(), 21);
  EXPECT_EQ(all[0], CString(L"道路中心线"));  // table order
  EXPECT_EQ(all[20], CString(L"辅助线"));
  EXPECT_EQ(allLines[20].Color, 8);

  // Each mask gives exactly the rows whose group shares a bit with it.
  for (int mask : {1, 2, 8, 128, 130, 1023, 1024, 2048, 3072, 0}) {
    std::set<std::wstring> expected;
    for (INT_PTR i = 0; i < all.GetSize(); ++i)
      if (allLines[i].OwnerGroup & mask) expected.insert(all[i].GetString());
    CStringArray items;
    CArray<vesk::LINEPARAM> lines;
    ASSERT_TRUE(db.GetLineCustomParamGroup(mask, &items, &lines)) << mask;
    std::set<std::wstring> got;
    for (INT_PTR i = 0; i < items.GetSize(); ++i) {
      got.insert(items[i].GetString());
      EXPECT_NE(lines[i].OwnerGroup & mask, 0) << mask;
    }
    EXPECT_EQ(got, expected) << "mask " << mask;
  }
  // Bit 10 holds only the site-plan rows; the remark listing adds the remarks.
  CStringArray site, remarks;
  CArray<vesk::OTHERPARAM> others;
  ASSERT_TRUE(db.GetOtherCustomParamGroup_Remark(1024, &site, &others, &remarks));
  ASSERT_EQ(site.GetSize(), 2);
  ASSERT_EQ(remarks.GetSize(), 2);
  EXPECT_EQ(site[0], CString(L"停车位宽度"));
  EXPECT_EQ(remarks[1], CString(L"地面停车位长度（米）"));
  EXPECT_STREQ(others[1].ValueText, L"5.3");
  EXPECT_EQ(std::make_tuple(others[1].Type, others[1].OwnerGroup), std::make_tuple(5001, 1024));
  // Bit 9 is also part of the all-groups mask 1023.
  CStringArray vertical;
  ASSERT_TRUE(db.GetOtherCustomParamGroup(512, &vertical, nullptr));
  EXPECT_EQ(vertical.GetSize(), 7);

  // The other kinds list too; the arrays are appended to, not replaced.
  CStringArray styles;
  styles.Add(L"前有");
  ASSERT_TRUE(db.GetTextstyleCustomParamGroup(-1, &styles, nullptr));
  EXPECT_EQ(styles.GetSize(), 1 + 14);
  CArray<vesk::TEXTPARAM> texts;
  ASSERT_TRUE(db.GetTextCustomParamGroup(32, nullptr, &texts));
  EXPECT_EQ(texts.GetSize(), 6);  // rows with bit 5: groups 48 x3, 32 x3
  CArray<vesk::HATCHPARAM> hatches;
  ASSERT_TRUE(db.GetHatchCustomParamGroup(-1, nullptr, &hatches));
  EXPECT_EQ(hatches.GetSize(), 54);
}

TEST_F(StyleTablesTest, DispatchersSelectTheKindByTypeCode) {
  vesk::TEXTSTYLEPARAM ts;
  EXPECT_TRUE(db.GetCustomParam(L"标题", 1, &ts));
  EXPECT_STREQ(ts.TextstyleName, L"GH-标题");
  vesk::LINEPARAM line;
  EXPECT_TRUE(db.GetCustomParam(L"道路红线", 2, &line));
  EXPECT_EQ(line.OwnerGroup, 130);
  vesk::TEXTPARAM text;
  EXPECT_TRUE(db.GetCustomParam(L"标题", 3, &text));
  EXPECT_DOUBLE_EQ(text.Height, 8.0);
  vesk::OTHERPARAM other;
  EXPECT_TRUE(db.GetCustomParam(L"单位", 5, &other));
  EXPECT_STREQ(other.ValueText, L"米");
  vesk::LAYERPARAM layer;
  EXPECT_TRUE(db.GetCustomParam(L"一类居住用地", 0, &layer));
  EXPECT_STREQ(layer.LayerName, L"YD-R1一类居住");
  // A wrong kind of item is not found in another table.
  EXPECT_FALSE(db.GetCustomParam(L"商业用地", 2, &line));
  EXPECT_FALSE(db.GetCustomParam(L"标题", 6, &ts));
  EXPECT_FALSE(db.GetCustomParam(L"标题", -1, &ts));
  EXPECT_FALSE(db.GetCustomParam(L"标题", 1, nullptr));

  line.Color = 42;
  ASSERT_TRUE(db.SetCustomParam(L"派发线", 2, &line));
  vesk::LINEPARAM back;
  ASSERT_TRUE(db.GetLineCustomParam(L"派发线", &back));
  EXPECT_EQ(back.Color, 42);
  EXPECT_FALSE(db.SetCustomParam(L"派发线", 6, &line));

  CStringArray items;
  CArray<vesk::HATCHPARAM> hatches;
  ASSERT_TRUE(db.GetCustomParamGroup(4, 1024, &items, &hatches));
  EXPECT_GT(items.GetSize(), 0);
  EXPECT_EQ(items.GetSize(), hatches.GetSize());
  for (const auto& h : hatches) EXPECT_NE(h.OwnerGroup & 1024, 0);
  EXPECT_FALSE(db.GetCustomParamGroup(7, -1, &items, &hatches));
}

TEST_F(StyleTablesTest, QuotesInItemsAndValuesCannotBreakOrWidenAStatement) {
  vesk::LINEPARAM line;
  wcscpy(line.OwnerLayer, L"$O'Brien层");
  ASSERT_TRUE(db.SetLineCustomParam(L"O'Brien路", &line));
  vesk::LINEPARAM back;
  ASSERT_TRUE(db.GetLineCustomParam(L"O'Brien路", &back));
  EXPECT_STREQ(back.OwnerLayer, L"$O'Brien层");
  ASSERT_TRUE(db.SetItemValue(L"线", L"O'Brien路", L"Linetype", L"it's"));
  CString value;
  ASSERT_TRUE(db.GetItemValue(L"线", L"O'Brien路", L"Linetype", value));
  EXPECT_EQ(value, CString(L"it's"));

  const int count = lineCount();
  const wchar_t* injected = L"x' or '1'='1";
  EXPECT_FALSE(db.GetLineCustomParam(injected, &back));
  EXPECT_FALSE(db.GetItemValue(L"线", injected, L"Color", value));
  EXPECT_EQ(value, CString());
  EXPECT_FALSE(db.SetItemValue(L"线", injected, L"Color", L"1"));
  EXPECT_TRUE(db.DeleteLineCustomParam(injected));  // runs, and matches nothing
  EXPECT_EQ(lineCount(), count);
  ASSERT_TRUE(db.GetLineCustomParam(L"辅助线", &back));
  EXPECT_EQ(back.Color, 8);

  ASSERT_TRUE(db.DeleteLineCustomParam(L"O'Brien路"));
  EXPECT_EQ(lineCount(), count - 1);
}

TEST_F(StyleTablesTest, ItemValuesReadAndWriteOneColumn) {
  CString value;
  ASSERT_TRUE(db.GetItemValue(L"其他", L"比例", L"Type", value));
  EXPECT_EQ(value, CString(L"5001"));
  ASSERT_TRUE(db.GetItemValue(L"其他", L"坐标系", L"Type", value));
  EXPECT_EQ(value, CString(L"5005"));
  ASSERT_TRUE(db.GetItemValue(L"其他", L"坐标系", L"ValueText", value));
  EXPECT_EQ(value, CString(L"2000国家大地坐标系"));
  ASSERT_TRUE(db.GetItemValue(L"文本样式", L"水系名称", L"ObliquingAngle", value));
  EXPECT_EQ(value, CString(L"0.2618"));
  EXPECT_FALSE(db.GetItemValue(L"其他", L"比例", L"NoColumn", value));
  EXPECT_EQ(value, CString());
  EXPECT_FALSE(db.GetItemValue(L"其他", L"没有", L"Type", value));
  EXPECT_FALSE(db.GetItemValue(L"没有表", L"比例", L"Type", value));

  ASSERT_TRUE(db.SetItemValue(L"其他", L"比例", L"ValueText", L"500"));
  vesk::OTHERPARAM other;
  ASSERT_TRUE(db.GetOtherCustomParam(L"比例", &other));
  EXPECT_STREQ(other.ValueText, L"500");
  EXPECT_FALSE(db.SetItemValue(L"其他", L"没有", L"ValueText", L"1"));  // no row, nothing inserted
  EXPECT_FALSE(db.GetItemValue(L"其他", L"没有", L"ValueText", value));
}

TEST_F(StyleTablesTest, DeletesRunOnTheConnectionThatHoldsTheTable) {
  fs::copy_file(fs::path(VESKCAD_DATA_ROOT) / "STANDARDS" / "规划图层.mdb", dir / "layers.mdb");
  ASSERT_TRUE(db.SetDefaultDB(vesktest::wide(dir / "default.mdb"), vesktest::wide(dir / "layers.mdb")));
  CFADO& layers = db.LayerConnection();
  auto publicRows = [&](const wchar_t* item) {
    CADORecordset rs;
    CString sql;
    sql.Format(L"select * from 公共图层 where Item='%s'", item);
    EXPECT_TRUE(layers.GetRecord(&rs, sql, layers.GetConn())) << layers.GetLastError().ToUtf8();
    return rs.GetRecordCount();
  };
  ASSERT_EQ(publicRows(L"等高线"), 1);
  ASSERT_TRUE(db.DeleteCustomParam(L"等高线", L"公共图层"));
  EXPECT_EQ(publicRows(L"等高线"), 0);
  // The style tables stay on the standards connection in mode 1.
  vesk::TEXTPARAM text;
  ASSERT_TRUE(db.GetTextCustomParam(L"标题", &text));
  ASSERT_TRUE(db.DeleteCustomParam(L"标题", L"文本"));
  EXPECT_FALSE(db.GetTextCustomParam(L"标题", &text));
  // A table that does not exist fails.
  EXPECT_FALSE(db.DeleteCustomParam(L"标题", L"没有表"));
}

TEST_F(StyleTablesTest, AClosedDatabaseAnswersNothing) {
  ASSERT_TRUE(db.Close());
  vesk::TEXTSTYLEPARAM ts;
  vesk::LINEPARAM line;
  vesk::OTHERPARAM other;
  CStringArray items;
  CString value = L"old";
  EXPECT_FALSE(db.GetTextstyleCustomParam(L"标题", &ts));
  EXPECT_STREQ(ts.TextstyleName, L"st");
  EXPECT_FALSE(db.SetLineCustomParam(L"新线", &line));
  EXPECT_FALSE(db.GetOtherCustomParam(L"比例", &other));
  EXPECT_FALSE(db.GetLineCustomParamGroup(-1, &items, nullptr));
  EXPECT_FALSE(db.GetItemValue(L"其他", L"比例", L"Type", value));
  EXPECT_EQ(value, CString());
  EXPECT_FALSE(db.DeleteTextCustomParam(L"标题"));
}

}  // namespace
