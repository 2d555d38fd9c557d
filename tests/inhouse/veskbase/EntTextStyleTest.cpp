// Text styles made from standards records, the font folder, and the default
// text records.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "arx/db/AcDbTextStyleTable.h"
#include "platform/arx/ed/EdTestSupport.h"
#include "veskbase/CadFont.h"
#include "veskbase/EntTextStyle.h"
#include "veskbase/GeoTextParam.h"
#include "veskfile/DataRoot.h"

namespace {

using vesk::TEXTSTYLEPARAM;

TEST(FontFolderTest, ShapeFontNamesAreSplitAndJoinedToTheFontFolder) {
  const CString folder = vesk::cad::GetFontPath();
  EXPECT_EQ(folder, veskfile::GetVeskDataRoot() + L"Fonts\\");

  CString mainFile = L"stale", bigFile = L"stale";
  EXPECT_EQ(vesk::cad::SplitShapeFontFile(L"txt.shx|hztxt.shx", mainFile, bigFile), 1);
  EXPECT_EQ(mainFile, folder + L"txt.shx");
  EXPECT_EQ(bigFile, folder + L"hztxt.shx");

  EXPECT_EQ(vesk::cad::SplitShapeFontFile(L"romans.SHX", mainFile, bigFile), 1);  // case ignored
  EXPECT_EQ(mainFile, folder + L"romans.SHX");
  EXPECT_TRUE(bigFile.IsEmpty());
  EXPECT_EQ(vesk::cad::SplitShapeFontFile(L" simplex.shx | ", mainFile, bigFile), 1);
  EXPECT_EQ(mainFile, folder + L"simplex.shx");
  EXPECT_TRUE(bigFile.IsEmpty());

  // Typefaces and a missing main font are not shape fonts.
  EXPECT_EQ(vesk::cad::SplitShapeFontFile(L"宋体", mainFile, bigFile), 0);
  EXPECT_TRUE(mainFile.IsEmpty());
  EXPECT_EQ(vesk::cad::SplitShapeFontFile(L"|gbcbig.shx", mainFile, bigFile), 0);
  EXPECT_EQ(vesk::cad::SplitShapeFontFile(nullptr, mainFile, bigFile), 0);
}

class TextStyleTest : public edtest::EditorTest {
 protected:
  static TEXTSTYLEPARAM record(const wchar_t* name, const wchar_t* font) {
    TEXTSTYLEPARAM s;
    std::wcscpy(s.TextstyleName, name);
    std::wcscpy(s.FontFile, font);
    return s;
  }
};

TEST_F(TextStyleTest, TypefaceAndShapeFontStylesTakeTheRecord) {
  TEXTSTYLEPARAM heiti = record(L"GH-标题", L"黑体");
  heiti.Height = 8.0;
  heiti.XScale = 0.8;
  heiti.ObliquingAngle = 0.2618;
  heiti.Bold = 1;
  AcDbObjectId id;
  ASSERT_EQ(vesk::ent::CreateTextStyle(heiti, id), 1);
  AcDbTextStyleTableRecord* rec = nullptr;
  ASSERT_EQ(acdbOpenObject(rec, id, AcDb::kForRead), Acad::eOk);
  ACHAR* typeface = nullptr;
  bool bold = false, italic = true;
  int charset = -1, pitch = -1;
  rec->font(typeface, bold, italic, charset, pitch);
  EXPECT_STREQ(typeface, L"黑体");
  EXPECT_TRUE(bold);
  EXPECT_FALSE(italic);
  delete[] typeface;
  EXPECT_DOUBLE_EQ(rec->textSize(), 8.0);
  EXPECT_DOUBLE_EQ(rec->xScale(), 0.8);
  EXPECT_DOUBLE_EQ(rec->obliquingAngle(), 0.2618);
  EXPECT_FALSE(rec->isVertical());  // the vertical flag is for shape fonts
  rec->close();

  TEXTSTYLEPARAM shx = record(L"GH-用地代码", L"txt.shx|hztxt.shx");
  ASSERT_EQ(vesk::cad::OpenTxtStyle(shx, id), 1);
  ASSERT_EQ(acdbOpenObject(rec, id, AcDb::kForRead), Acad::eOk);
  const ACHAR* file = nullptr;
  rec->fileName(file);
  EXPECT_EQ(CString(file), vesk::cad::GetFontPath() + L"txt.shx");
  rec->bigFontFileName(file);
  EXPECT_EQ(CString(file), vesk::cad::GetFontPath() + L"hztxt.shx");
  EXPECT_TRUE(rec->isVertical());
  rec->close();

  // An existing style is found (case ignored) and left as it is.
  AcDbObjectId found;
  TEXTSTYLEPARAM other = record(L"gh-标题", L"宋体");
  other.Height = 1.0;
  EXPECT_EQ(vesk::cad::OpenTxtStyle(other, found), 1);
  AcDbObjectId heitiId;
  EXPECT_EQ(vesk::ent::GetTextStyle(L"GH-标题", heitiId), 1);
  EXPECT_EQ(found, heitiId);
  ASSERT_EQ(acdbOpenObject(rec, found, AcDb::kForRead), Acad::eOk);
  EXPECT_DOUBLE_EQ(rec->textSize(), 8.0);
  rec->close();

  // A setting the style refuses adds nothing.
  TEXTSTYLEPARAM flat = record(L"扁", L"宋体");
  flat.XScale = 0.0;
  EXPECT_EQ(vesk::ent::CreateTextStyle(flat, id), 0);
  EXPECT_TRUE(id.isNull());
  EXPECT_EQ(vesk::ent::GetTextStyle(L"扁", id), 0);
  EXPECT_EQ(vesk::ent::CreateTextStyle(record(L"", L"宋体"), id), 0);
}

TEST(DefaultTextRecordsTest, DefaultsReplaceWhatTheRecordHeldAndTakeTheName) {
  vesk::TEXTPARAM t;
  t.Height = 9.0;
  std::wcscpy(t.Textstyle, L"$标题");
  EXPECT_EQ(vesk::geo::InitTextParam(t), 1);
  EXPECT_DOUBLE_EQ(t.Height, 3.0);
  EXPECT_STREQ(t.Textstyle, L"st");

  TEXTSTYLEPARAM s;
  s.XScale = 0.7;
  EXPECT_EQ(vesk::geo::InitTextStyleParam(L"GH-注记", s), 1);
  EXPECT_STREQ(s.TextstyleName, L"GH-注记");
  EXPECT_DOUBLE_EQ(s.XScale, 1.0);
  EXPECT_EQ(vesk::geo::InitTextStyleParam(nullptr, s), 1);
  EXPECT_STREQ(s.TextstyleName, L"st");
  const std::wstring longName(400, L'名');
  EXPECT_EQ(vesk::geo::InitTextStyleParam(longName.c_str(), s), 1);
  EXPECT_EQ(std::wcslen(s.TextstyleName), 254u);
}

}  // namespace
