// Resolving standard items to drawing layers and writing layer records back:
// bindings in the drawing against rows of the standards database, layers
// made with their colour, true colour, lineweight, linetype and flags, and a
// drawing that keeps its layers and bindings through a DXF file.
#include <gtest/gtest.h>

#include <cwchar>

#include "ApplyTestSupport.h"
#include "arx/dxf/DxfFileIo.h"
#include "veskcad/standards/ColorConvert.h"
#include "veskcad/standards/LayerApplication.h"
#include "veskcad/standards/ParamDictionary.h"

namespace {

using namespace VeskDB;

class LayerApplicationTest : public applytest::ApplyTest {
 protected:
  std::wstring linetypeOf(const wchar_t* layerName) {
    vesk::LAYERPARAM p;
    return layer(layerName, p) ? std::wstring(p.LineType) : L"";
  }
  bool isTrueColor(const wchar_t* layerName, int r, int g, int b) {
    const AcCmColor c = layerColor(layerName);
    return c.isByColor() && c.red() == r && c.green() == g && c.blue() == b;
  }
  // The number of rows of the layer table whose Item is item.
  int rowsOf(const wchar_t* item) {
    CArray<LAYERPARAM2013EX> rows;
    CString filter;
    filter.Format(L"Item='%s'", item);
    standards->GetLayerCustomParam(filter, rows);
    return static_cast<int>(rows.GetSize());
  }
};

TEST_F(LayerApplicationTest, AnItemResolvesToItsRowAndTheLayerIsMade) {
  vesk::LAYERPARAM p;
  ASSERT_EQ(gpGetLayerParam(L"一类居住用地", p, standards.get()), 1);
  EXPECT_STREQ(p.LayerName, L"YD-R1一类居住");
  ASSERT_TRUE(hasLayer(L"YD-R1一类居住"));
  EXPECT_TRUE(isTrueColor(L"YD-R1一类居住", 255, 255, 127));  // stored as "(255,255,127)"
  EXPECT_EQ(binding(L"一类居住用地"), L"YD-R1一类居住");

  // Colour index, lineweight and a linetype the new drawing lacks.
  vesk::LAYERPARAM fire;
  ASSERT_EQ(gpGetLayerParam(L"消防车道", fire, standards.get()), 1);
  vesk::LAYERPARAM made;
  ASSERT_TRUE(layer(L"ZT-消防车道", made));
  EXPECT_EQ(made.Color, 1);
  EXPECT_EQ(made.Weight, 25);
  EXPECT_STREQ(made.LineType, L"DASHED");
  EXPECT_FALSE(db->linetypeId(L"DASHED").isNull());

  // Nothing for an empty item or an unknown one when nothing may be made.
  EXPECT_EQ(gpGetLayerParam(L"", p, standards.get()), 0);
  EXPECT_EQ(gpGetLayerParam(CString(L"没有这一项"), 0, p, standards.get()), 0);
  EXPECT_EQ(rowsOf(L"没有这一项"), 0);
  EXPECT_EQ(binding(L"没有这一项"), L"");

  // Without createLayer the row alone answers: no layer, no binding.
  vesk::LAYERPARAM lookOnly;
  ASSERT_EQ(gpGetLayerParam(CString(L"辅助线"), 0, lookOnly, standards.get()), 1);
  EXPECT_STREQ(lookOnly.LayerName, L"FZ-辅助线");
  EXPECT_EQ(lookOnly.Color, 8);
  EXPECT_STREQ(lookOnly.LineType, L"DASHED");
  EXPECT_FALSE(hasLayer(L"FZ-辅助线"));
  EXPECT_EQ(binding(L"辅助线"), L"");

  // A missing item given with a record: its row is made from the record.
  vesk::LAYERPARAM fresh;
  fresh.SetLayerName(L"新的图层");
  fresh.Color = 4;
  fresh.SetLineType(L"CENTER2");
  ASSERT_EQ(gpGetLayerParam(L"新的一项", fresh, standards.get()), 1);
  EXPECT_EQ(rowsOf(L"新的一项"), 1);
  EXPECT_EQ(linetypeOf(L"新的图层"), L"CENTER2");
  EXPECT_EQ(binding(L"新的一项"), L"新的图层");
}

TEST_F(LayerApplicationTest, BindingsInTheDrawingWinOverTheDatabase) {
  addLayer(L"我的居住", 3);
  ASSERT_EQ(gpPutLayerNameIntoDict(L"一类居住用地", L"我的居住"), 1);
  vesk::LAYERPARAM p;
  ASSERT_EQ(gpGetLayerParam(L"一类居住用地", p, standards.get()), 1);
  EXPECT_STREQ(p.LayerName, L"我的居住");
  EXPECT_EQ(p.Color, 3);
  EXPECT_FALSE(hasLayer(L"YD-R1一类居住"));

  // With a code the row is read, but the layer part stays the drawing's.
  LAYERPARAM2013EX rec;
  rec.ItemCode = L"R1";
  ASSERT_EQ(gpGetLayerParam(L"一类居住用地", rec, 0, 1, 0, standards.get()), 1);
  EXPECT_STREQ(rec.LayerName, L"我的居住");
  EXPECT_EQ(rec.Color, 3);
  EXPECT_EQ(rec.ColorText, CString(L"(255,255,127)"));
  EXPECT_EQ(rec.GpOrder, CString(L"010"));
  EXPECT_GT(rec.LayerID, 0);
  EXPECT_FALSE(hasLayer(L"YD-R1一类居住"));
  EXPECT_EQ(ui.printedText().find(L"升级"), std::wstring::npos);  // a 2013 table needs no upgrade

  // A binding to a layer the drawing no longer has does not count.
  ASSERT_EQ(gpPutLayerNameIntoDict(L"消防车道", L"已经删掉的层"), 1);
  ASSERT_EQ(gpGetLayerParam(L"消防车道", p, standards.get()), 1);
  EXPECT_STREQ(p.LayerName, L"ZT-消防车道");
  EXPECT_EQ(binding(L"消防车道"), L"ZT-消防车道");

  // Without any database only bindings resolve.
  unshare();
  ASSERT_EQ(gpGetLayerParam(L"一类居住用地", p), 1);
  EXPECT_STREQ(p.LayerName, L"我的居住");
  EXPECT_EQ(gpGetLayerParam(L"公园绿地", p), 0);
  EXPECT_FALSE(hasLayer(L"YD-G1公园绿地"));
}

TEST_F(LayerApplicationTest, ItemCodesFindRowsBindingsAndUserOverrides) {
  // The code's row names an item bound in the drawing: that layer, bound to the code too.
  addLayer(L"居住2", 2);
  ASSERT_EQ(gpPutLayerNameIntoDict(L"二类居住用地", L"居住2"), 1);
  LAYERPARAM2013EX byCode;
  byCode.ItemCode = L"R2";
  ASSERT_EQ(gpGetLayerParam(L"R2", byCode, 0, 1, 0, standards.get()), 1);
  EXPECT_STREQ(byCode.LayerName, L"居住2");
  EXPECT_EQ(byCode.Item, CString(L"二类居住用地"));
  EXPECT_EQ(byCode.ColorText, CString(L"(255,255,0)"));
  EXPECT_EQ(binding(L"R2"), L"居住2");
  EXPECT_FALSE(hasLayer(L"YD-R2二类居住"));

  // A user row listing the code replaces the system row's layer and colour.
  ASSERT_TRUE(exec(L"INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, OwnerGroup, "
                   L"GpOrder, CreateLayer) VALUES ('U', 'A1;R3', 'U-居住', 'U-三类居住', '(1,2,3)', 30, 'HIDDEN', 1, "
                   L"'010', 1)"));
  LAYERPARAM2013EX user;
  user.ItemCode = L"R3";
  ASSERT_EQ(gpGetLayerParam(L"R3", user, 0, 1, 0, standards.get()), 1);
  EXPECT_STREQ(user.LayerName, L"U-三类居住");
  EXPECT_EQ(user.ItemCode, CString(L"R3"));
  EXPECT_EQ(user.Item, CString(L"三类居住用地"));
  ASSERT_TRUE(hasLayer(L"U-三类居住"));
  EXPECT_TRUE(isTrueColor(L"U-三类居住", 1, 2, 3));
  EXPECT_EQ(linetypeOf(L"U-三类居住"), L"HIDDEN");
  EXPECT_EQ(binding(L"R3"), L"U-三类居住");
  EXPECT_FALSE(hasLayer(L"YD-R3三类居住"));
}

TEST_F(LayerApplicationTest, FlagsOfTheRowAndKeepState) {
  ASSERT_TRUE(exec(L"UPDATE 图层 SET Locked=1, Frozen=1 WHERE Item='辅助线'"));
  vesk::LAYERPARAM p;
  ASSERT_EQ(gpGetLayerParam(L"辅助线", p, 1, standards.get()), 1);  // keep the state
  vesk::LAYERPARAM made;
  ASSERT_TRUE(layer(L"FZ-辅助线", made));
  EXPECT_EQ(made.Locked, 1);
  EXPECT_EQ(made.Frozen, 1);
  EXPECT_EQ(made.Off, 0);
  ASSERT_EQ(gpGetLayerParam(L"辅助线", p, 0, standards.get()), 1);  // made usable
  ASSERT_TRUE(layer(L"FZ-辅助线", made));
  EXPECT_EQ(made.Locked + made.Frozen + made.Off, 0);

  addLayer(L"关闭的层", 6, true, true);
  ASSERT_EQ(gpPutLayerNameIntoDict(L"某项", L"关闭的层"), 1);
  ASSERT_EQ(gpGetLayerParam(L"某项", p, 1, standards.get()), 1);
  EXPECT_EQ(p.Off, 1);
  EXPECT_EQ(p.Locked, 1);
  ASSERT_TRUE(layer(L"关闭的层", made));
  EXPECT_EQ(made.Off, 1);
}

TEST_F(LayerApplicationTest, SettingALayerAppliesTheDrawingFirstAndStoresOnRequest) {
  share();
  // The drawing's layer wins over the record and is not changed.
  addLayer(L"现有的层", 4);
  vesk::LAYERPARAM p;
  p.SetLayerName(L"现有的层");
  p.Color = 1;
  EXPECT_EQ(gpSetLayerParam(L"某项", p, 0), 1);
  EXPECT_EQ(p.Color, 4);
  EXPECT_EQ(layerColor(L"现有的层").colorIndex(), 4);
  EXPECT_EQ(binding(L"某项"), L"");  // an item without a binding is not bound

  // A new layer takes the true colour of ColorText; without createLayer none is made.
  LAYERPARAM2013EX rec;
  rec.SetLayerName(L"新层");
  rec.ColorText = L"(10,20,30)";
  rec.SetLineType(L"PHANTOM");
  EXPECT_EQ(gpSetLayerParam(L"某项", rec, 1, 1, 0), 1);
  EXPECT_TRUE(isTrueColor(L"新层", 10, 20, 30));
  EXPECT_EQ(linetypeOf(L"新层"), L"PHANTOM");
  LAYERPARAM2013EX none;
  none.SetLayerName(L"不要的层");
  EXPECT_EQ(gpSetLayerParam(L"某项", none, 1, 0, 0), 0);
  EXPECT_FALSE(hasLayer(L"不要的层"));

  // An existing binding moves to the record's layer.
  ASSERT_EQ(gpPutLayerNameIntoDict(L"某项", L"现有的层"), 1);
  EXPECT_EQ(gpSetLayerParam(L"某项", rec, 1, 1, 0), 1);
  EXPECT_EQ(binding(L"某项"), L"新层");

  // A coded record without its row key stores nothing.
  LAYERPARAM2013EX coded;
  coded.SetLayerName(L"新层");
  coded.ItemCode = L"X9";
  coded.Item = L"某项";
  ui.clearTranscript();
  EXPECT_EQ(gpSetLayerParam(L"某项", coded, 1, 1, 1), 0);
  EXPECT_EQ(ui.printedText(), L"\n");
  EXPECT_EQ(rowsOf(L"某项"), 0);

  // With its key the 2013 row is updated.
  LAYERPARAM2013EX row;
  ASSERT_EQ(standards->GetLayerCustomParam(L"消防车道", &row, 0, 0), 1);
  row.Color = 5;
  row.ColorText.Empty();
  row.Weight = 35;
  EXPECT_EQ(gpSetLayerParam(L"消防车道", row, 1, 1, 1), 1);
  LAYERPARAM2013EX stored;
  ASSERT_EQ(standards->GetLayerCustomParam(L"消防车道", &stored, 0, 0), 1);
  EXPECT_EQ(stored.ColorText, CString(L"5"));
  EXPECT_EQ(stored.Weight, 35);
  vesk::LAYERPARAM made;
  ASSERT_TRUE(layer(L"ZT-消防车道", made));
  EXPECT_EQ(made.Color, 5);

  // A record with an Item is stored as a classic row.
  STLAYERPARAM st;
  st.SetLayerName(L"自定义层");
  st.Color = 6;
  st.Item = L"自定义项";
  st.remark = L"备注";
  EXPECT_EQ(gpSetLayerParam(L"自定义项", st, 1), 1);
  vesk::LAYERPARAM pub;
  ASSERT_EQ(standards->GetLayerPublicParam(L"自定义项", &pub), 1);
  EXPECT_STREQ(pub.LayerName, L"自定义层");
  EXPECT_EQ(pub.Color, 6);
}

TEST_F(LayerApplicationTest, ASavedDrawingKeepsLayersAndBindingsWithoutTheDatabase) {
  share();
  ASSERT_TRUE(exec(L"UPDATE 图层 SET Locked=1 WHERE Item='辅助线'"));
  vesk::LAYERPARAM p;
  ASSERT_EQ(gpGetLayerParam(L"一类居住用地", p), 1);
  ASSERT_EQ(gpGetLayerParam(L"消防车道", p), 1);
  ASSERT_EQ(gpGetLayerParam(L"辅助线", p, 1, nullptr), 1);
  LAYERPARAM2013EX coded;
  coded.ItemCode = L"DX-RD";
  ASSERT_EQ(gpGetLayerParam(L"DX-RD", coded, 0, 1, 0), 1);
  vesk::TEXTPARAM text;
  text.Height = 4.5;
  ASSERT_EQ(gpPutTextParamIntoDict(L"道路名称", text), 1);
  vesk::LAYERPARAM trueColor;
  trueColor.Color = GetColorByRGB(1, 2, 3);  // written as a 32-bit group
  ASSERT_EQ(gpPutLayerParamIntoDict(L"真彩色", trueColor), 1);

  const std::wstring path = (dir / "bound.dxf").wstring();
  std::wstring error;
  ASSERT_TRUE(vhost::saveDxfFile(db, path, false, error)) << error;
  AcDbDatabase* reread = nullptr;
  ASSERT_TRUE(vhost::readDxfFile(path, reread, error)) << error;
  acdbHostApplicationServices()->setWorkingDatabase(reread);
  AcDbDatabase* original = db;
  db = reread;

  // The database is closed: only what the drawing holds can answer.
  ASSERT_EQ(standards->Close(), 1);
  vesk::LAYERPARAM again;
  ASSERT_EQ(gpGetLayerParam(L"一类居住用地", again), 1);
  EXPECT_STREQ(again.LayerName, L"YD-R1一类居住");
  EXPECT_EQ(again.Color, GetColorByRGB(255, 255, 127));
  ASSERT_EQ(gpGetLayerParam(L"消防车道", again), 1);
  EXPECT_EQ(again.Color, 1);
  EXPECT_EQ(again.Weight, 25);
  EXPECT_STREQ(again.LineType, L"DASHED");
  ASSERT_EQ(gpGetLayerParam(L"辅助线", again, 1, nullptr), 1);
  EXPECT_EQ(again.Locked, 1);
  CString name;
  ASSERT_EQ(gpGetLayerNameFromDict(L"DX-RD", name), 1);
  EXPECT_EQ(name, CString(L"DX-现状道路"));
  vesk::TEXTPARAM textBack;
  ASSERT_EQ(gpGetTextParamFromDict(L"道路名称", textBack), 1);
  EXPECT_DOUBLE_EQ(textBack.Height, 4.5);
  vesk::LAYERPARAM trueBack;
  ASSERT_EQ(gpGetLayerParamFromDict(L"真彩色", trueBack), 1);
  EXPECT_EQ(trueBack.Color, GetColorByRGB(1, 2, 3));
  EXPECT_EQ(gpGetLayerParam(L"公园绿地", again), 0);  // unbound: needs the database

  db = original;
  acdbHostApplicationServices()->setWorkingDatabase(db);
  delete reread;
}

}  // namespace
