// The drawing parameter dictionary "ZEMIRCUSTOM": every entry layout written
// and read back, bindings and their search order, and the module's
// named-object dictionary helpers.
#include <gtest/gtest.h>

#include <cwchar>
#include <vector>

#include "ApplyTestSupport.h"
#include "arx/db/AcDbDictionary.h"
#include "veskcad/standards/ColorConvert.h"
#include "veskcad/standards/NamedObjDict.h"
#include "veskcad/standards/ParamDictionary.h"

namespace {

using namespace VeskDB;

class ParamDictionaryTest : public applytest::ApplyTest {
 protected:
  std::vector<int> codes(const wchar_t* item) {
    std::vector<int> out;
    resbuf* data = entry(L"ZEMIRCUSTOM", item);
    for (resbuf* rb = data; rb != nullptr; rb = rb->rbnext) out.push_back(rb->restype);
    acutRelRb(data);
    return out;
  }
};

TEST_F(ParamDictionaryTest, EveryLayoutIsWrittenInItsGroupsAndReadsBack) {
  vesk::LAYERPARAM layer;
  layer.SetLayerName(L"GH-道路红线");
  layer.Color = GetColorByRGB(255, 0, 0);  // a true colour does not fit 16 bits
  layer.Weight = 50;
  layer.SetLineType(L"DASHDOT");
  layer.Off = 1;
  layer.Locked = 1;
  ASSERT_EQ(gpPutLayerParamIntoDict(L"道路红线", layer), 1);
  EXPECT_EQ(codes(L"道路红线"), (std::vector<int>{300, 1071, 1070, 300, 1070, 1070, 1070, 1070}));
  vesk::LAYERPARAM back;
  back.OwnerGroup = 4;
  ASSERT_EQ(gpGetLayerParamFromDict(L"道路红线", back), 1);
  EXPECT_STREQ(back.LayerName, L"GH-道路红线");
  EXPECT_EQ(back.Color, -16711680);
  EXPECT_EQ(back.Weight, 50);
  EXPECT_STREQ(back.LineType, L"DASHDOT");
  EXPECT_EQ(back.Off + back.Frozen * 2 + back.Locked * 4, 5);
  EXPECT_EQ(back.OwnerGroup, 4);  // not stored
  layer.Color = 3;
  ASSERT_EQ(gpPutLayerParamIntoDict(L"道路红线", layer), 1);
  EXPECT_EQ(codes(L"道路红线")[1], 1070);  // an index fits

  vesk::TEXTPARAM text;
  text.Height = 3.5;
  std::wcscpy(text.OwnerLayer, L"$地块编号");
  ASSERT_EQ(gpPutTextParamIntoDict(L"地块编号", text), 1);
  EXPECT_EQ(codes(L"地块编号"), (std::vector<int>{1070, 1070, 1040, 1040, 1040, 300, 300, 300}));
  vesk::TEXTPARAM textBack;
  textBack.Height = 1.0;
  ASSERT_EQ(gpGetTextParamFromDict(L"地块编号", textBack), 1);
  EXPECT_DOUBLE_EQ(textBack.Height, 3.5);
  EXPECT_STREQ(textBack.OwnerLayer, L"$地块编号");

  vesk::LINEPARAM line;
  line.Weight = -1;
  std::wcscpy(line.Linetype, L"CENTER");
  ASSERT_EQ(gpPutLineParamIntoDict(L"道路中心线", line), 1);
  EXPECT_EQ(codes(L"道路中心线"), (std::vector<int>{1070, 1070, 1040, 1040, 1040, 300, 300}));
  vesk::LINEPARAM lineBack;
  ASSERT_EQ(gpGetLineParamFromDict(L"道路中心线", lineBack), 1);
  EXPECT_EQ(lineBack.Weight, -1);
  EXPECT_STREQ(lineBack.Linetype, L"CENTER");

  vesk::TEXTSTYLEPARAM style;
  std::wcscpy(style.FontFile, L"txt.shx|hztxt.shx");
  style.ObliquingAngle = 0.2618;
  style.Vertical = 0;
  ASSERT_EQ(gpPutTextStyleParamIntoDict(L"用地代码", style), 1);
  EXPECT_EQ(codes(L"用地代码"), (std::vector<int>{300, 300, 1040, 1040, 1040, 1070, 1070, 1070, 1070, 1070}));
  vesk::TEXTSTYLEPARAM styleBack;
  ASSERT_EQ(gpGetTextStyleParamFromDict(L"用地代码", styleBack), 1);
  EXPECT_STREQ(styleBack.FontFile, L"txt.shx|hztxt.shx");
  EXPECT_DOUBLE_EQ(styleBack.ObliquingAngle, 0.2618);
  EXPECT_EQ(styleBack.Vertical, 0);
}

TEST_F(ParamDictionaryTest, OtherLayoutsAndMissingEntriesLeaveTheRecordAlone) {
  vesk::TEXTPARAM text;
  ASSERT_EQ(gpPutTextParamIntoDict(L"标题", text), 1);
  ASSERT_EQ(gpPutLayerNameIntoDict(L"图框", L"TK-图框"), 1);

  vesk::LAYERPARAM layer;
  layer.SetLayerName(L"untouched");
  layer.Color = 42;
  EXPECT_EQ(gpGetLayerParamFromDict(L"标题", layer), 0);  // a text entry
  EXPECT_EQ(gpGetLayerParamFromDict(L"图框", layer), 0);  // a bare binding
  EXPECT_EQ(gpGetLayerParamFromDict(L"没有", layer), 0);
  EXPECT_EQ(gpGetLayerParamFromDict(L"", layer), 0);
  EXPECT_STREQ(layer.LayerName, L"untouched");
  EXPECT_EQ(layer.Color, 42);
  vesk::LINEPARAM line;
  line.Color = 9;
  EXPECT_EQ(gpGetLineParamFromDict(L"标题", line), 0);  // text layout has one more group
  EXPECT_EQ(line.Color, 9);
  vesk::TEXTSTYLEPARAM style;
  EXPECT_EQ(gpGetTextStyleParamFromDict(L"图框", style), 0);
  EXPECT_STREQ(style.TextstyleName, L"st");

  // Any later layout replaces the entry; a layer entry serves as a binding.
  layer.SetLayerName(L"TK-标题");
  ASSERT_EQ(gpPutLayerParamIntoDict(L"标题", layer), 1);
  CString name;
  EXPECT_EQ(gpGetLayerNameFromDict(L"标题", name), 1);
  EXPECT_EQ(name, CString(L"TK-标题"));
  EXPECT_EQ(gpGetTextParamFromDict(L"标题", text), 0);

  // A quote or a key that reads like SQL is just a key.
  ASSERT_EQ(gpPutLayerNameIntoDict(L"O'Brien路", L"DL-OBrien路"), 1);
  EXPECT_EQ(gpGetLayerNameFromDict(L"o'brien路", name), 1);
  EXPECT_EQ(name, CString(L"DL-OBrien路"));
}

TEST_F(ParamDictionaryTest, BindingsAreSearchedInTheOrderOfTheDesignType) {
  putEntry(L"ZEMIRCUSTOMKG", L"道路红线", L"KG-红线");
  putEntry(L"ZEMIRCUSTOMXG", L"道路红线", L"XG-红线");
  putEntry(L"ZEMIRCUSTOMXG", L"绿线", L"XG-绿线");
  putEntry(L"ZEMIRCUSTOMZT", L"绿线", L"ZT-绿线");
  putEntry(L"ZEMIRCUSTOMKG", L"蓝线", L"KG-蓝线");
  CString name = L"none";

  // Without a shared database only "ZEMIRCUSTOM" counts.
  unshare();
  EXPECT_EQ(gpGetLayerNameFromDict(L"道路红线", name), 0);
  EXPECT_EQ(name, CString(L"none"));

  share();
  standards->SetDesignType(0);
  ASSERT_EQ(gpGetLayerNameFromDict(L"道路红线", name), 1);
  EXPECT_EQ(name, CString(L"KG-红线"));
  ASSERT_EQ(gpGetLayerNameFromDict(L"绿线", name), 1);
  EXPECT_EQ(name, CString(L"XG-绿线"));

  standards->SetDesignType(1);
  ASSERT_EQ(gpGetLayerNameFromDict(L"道路红线", name), 1);
  EXPECT_EQ(name, CString(L"XG-红线"));
  ASSERT_EQ(gpGetLayerNameFromDict(L"蓝线", name), 1);
  EXPECT_EQ(name, CString(L"KG-蓝线"));

  standards->SetDesignType(2);
  ASSERT_EQ(gpGetLayerNameFromDict(L"绿线", name), 1);
  EXPECT_EQ(name, CString(L"ZT-绿线"));
  ASSERT_EQ(gpGetLayerNameFromDict(L"道路红线", name), 1);
  EXPECT_EQ(name, CString(L"XG-红线"));

  standards->SetDesignType(5);
  EXPECT_EQ(gpGetLayerNameFromDict(L"绿线", name), 0);

  // "ZEMIRCUSTOM" wins whatever the design type; writing goes there only.
  standards->SetDesignType(1);
  ASSERT_EQ(gpPutLayerNameIntoDict(L"道路红线", L"我的红线"), 1);
  ASSERT_EQ(gpGetLayerNameFromDict(L"道路红线", name), 1);
  EXPECT_EQ(name, CString(L"我的红线"));
  EXPECT_EQ(binding(L"道路红线"), L"我的红线");
  resbuf* kg = entry(L"ZEMIRCUSTOMKG", L"道路红线");
  ASSERT_NE(kg, nullptr);
  EXPECT_STREQ(kg->resval.rstring, L"KG-红线");
  acutRelRb(kg);
}

TEST_F(ParamDictionaryTest, NamedObjectDictionaryHelpersOpenOrCreateByName) {
  using namespace VeskCad;
  AcDbObjectId dict, again, child;
  ASSERT_EQ(AddNamedObjDict(L"DKBJ_MAIN", dict, db), 1);
  ASSERT_EQ(AddNamedObjDict(L"dkbj_main", again, db), 1);
  EXPECT_EQ(again, dict);
  ASSERT_EQ(AddNamedObjDictChild(dict, L"子项", child), 1);
  EXPECT_NE(child, dict);
  EXPECT_EQ(AddNamedObjDict(L"DKBJ_MAIN", again, nullptr), 0);

  resbuf* data = acutBuildList(1, L"值", 90, 12, 0);
  ASSERT_EQ(AddNamedObjDictXrec(child, L"记录", data), 1);
  resbuf* replaced = acutBuildList(40, 2.5, 0);
  ASSERT_EQ(AddNamedObjDictXrec(child, L"记录", replaced), 1);
  AcDbDictionary* d = nullptr;
  ASSERT_EQ(acdbOpenObject(d, child, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(d->numEntries(), 1u);  // replaced in place
  d->close();
  // A dictionary under the key is neither replaced nor taken for an xrecord.
  EXPECT_EQ(AddNamedObjDictXrec(L"DKBJ_MAIN", data, db), 0);
  resbuf* none = nullptr;
  EXPECT_EQ(AddNamedObjDictXrec(child, L"空", none), 0);
  // An xrecord under the key is not taken for a dictionary.
  ASSERT_EQ(AddNamedObjDictXrec(L"DKBJ_REC", data, db), 1);
  EXPECT_EQ(AddNamedObjDict(L"DKBJ_REC", again, db), 0);

  // First values of an entity's extension-dictionary records.
  const AcDbObjectId line = addLine(0, 0, 1, 1);
  CStringArray keys, values;
  EXPECT_EQ(GetNameObjDictXrecData(line, keys, values), 0);  // no extension dictionary
  AcDbEntity* e = nullptr;
  ASSERT_EQ(acdbOpenObject(e, line, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(e->createExtensionDictionary(), Acad::eOk);
  const AcDbObjectId ext = e->extensionDictionary();
  e->close();
  resbuf* number = acutBuildList(90, 42, 1, L"after", 0);
  resbuf* real = acutBuildList(40, 1.23456, 0);
  resbuf* other = acutBuildList(70, 3, 0);
  ASSERT_EQ(AddNamedObjDictXrec(ext, L"A", data), 1);
  ASSERT_EQ(AddNamedObjDictXrec(ext, L"B", number), 1);
  ASSERT_EQ(AddNamedObjDictXrec(ext, L"C", real), 1);
  ASSERT_EQ(AddNamedObjDictXrec(ext, L"D", other), 1);
  EXPECT_EQ(GetNameObjDictXrecData(line, keys, values), 1);
  ASSERT_EQ(keys.GetSize(), 4);
  ASSERT_EQ(values.GetSize(), 4);
  EXPECT_EQ(keys[0], CString(L"A"));
  EXPECT_EQ(values[0], CString(L"值"));
  EXPECT_EQ(values[1], CString(L"42"));
  EXPECT_EQ(values[2], CString(L"1.235"));
  EXPECT_EQ(values[3], CString(L""));
  // A sub-dictionary adds a key without a value: the lengths differ.
  AcDbObjectId sub;
  ASSERT_EQ(AddNamedObjDictChild(ext, L"E", sub), 1);
  keys.RemoveAll();
  values.RemoveAll();
  EXPECT_EQ(GetNameObjDictXrecData(line, keys, values), 0);
  EXPECT_EQ(keys.GetSize(), 5);
  for (resbuf* rb : {data, replaced, number, real, other}) acutRelRb(rb);
}

}  // namespace
