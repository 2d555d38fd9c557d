// Text styles and texts made from the standards: style rows and defaults,
// styles opened or created in the drawing, texts with their alignment, and
// text lengths.
#include <gtest/gtest.h>

#include <cwchar>

#include "ApplyTestSupport.h"
#include "arx/db/AcDbTextStyleTable.h"
#include "arx/entities/AcDbText.h"
#include "veskbase/CadFont.h"
#include "veskcad/standards/TextStyles.h"

namespace {

using namespace VeskDB;

class TextStylesTest : public applytest::ApplyTest {
 protected:
  struct TextInfo {
    std::wstring text, style, layer;
    double height = 0, widthFactor = 0, rotation = 0;
    int horizontal = -1, vertical = -1;
    bool mirroredX = false;
    AcGePoint3d alignment;
  };
  TextInfo info(AcDbObjectId id) {
    TextInfo out;
    AcDbText* t = nullptr;
    if (acdbOpenObject(t, id, AcDb::kForRead) != Acad::eOk) return out;
    out.text = t->textStringConst();
    out.height = t->height();
    out.widthFactor = t->widthFactor();
    out.rotation = t->rotation();
    out.horizontal = t->horizontalMode();
    out.vertical = t->verticalMode();
    out.mirroredX = t->isMirroredInX();
    out.alignment = t->alignmentPoint();
    const AcDbObjectId styleId = t->textStyle();
    const AcDbObjectId layerId = t->layerId();
    t->close();
    AcDbSymbolTableRecord* rec = nullptr;
    if (acdbOpenObject(rec, styleId, AcDb::kForRead) == Acad::eOk) {
      rec->getName(out.style);
      rec->close();
    }
    if (acdbOpenObject(rec, layerId, AcDb::kForRead) == Acad::eOk) {
      rec->getName(out.layer);
      rec->close();
    }
    return out;
  }
  static vesk::TEXTPARAM textParam(const wchar_t* style, double height) {
    vesk::TEXTPARAM t;
    std::wcscpy(t.Textstyle, style);
    t.Height = height;
    return t;
  }
};

TEST_F(TextStylesTest, StyleRowsOrDefaults) {
  share();
  vesk::TEXTSTYLEPARAM s;
  EXPECT_EQ(gpGetTextStyleParam(L"地块编号", s), 1);
  EXPECT_STREQ(s.TextstyleName, L"GH-地块编号");
  EXPECT_STREQ(s.FontFile, L"simplex.shx|gbcbig.shx");
  EXPECT_DOUBLE_EQ(s.XScale, 0.8);
  EXPECT_EQ(gpGetTextStyleParam(L"没有的样式", s), 0);
  EXPECT_STREQ(s.TextstyleName, L"没有的样式");
  EXPECT_STREQ(s.FontFile, L"宋体");

  // A text row naming its style by "$item", one naming a plain style, and none.
  vesk::TEXTPARAM t;
  EXPECT_EQ(gpGetTextStyleParam(CString(L"地块编号"), nullptr, t, s), 1);
  EXPECT_STREQ(t.Textstyle, L"$地块编号");
  EXPECT_DOUBLE_EQ(t.Height, 3.5);
  EXPECT_STREQ(s.TextstyleName, L"GH-地块编号");
  EXPECT_EQ(gpGetTextStyleParam(CString(L"指北针字母"), standards.get(), t, s), 1);
  EXPECT_STREQ(s.TextstyleName, L"Standard");
  EXPECT_EQ(s.Vertical, 1);
  EXPECT_EQ(gpGetTextStyleParam(CString(L"没有的文本"), nullptr, t, s), 0);
  EXPECT_STREQ(t.Textstyle, L"st");
  EXPECT_STREQ(s.TextstyleName, L"st");

  EXPECT_EQ(gpGetTextParam(L"道路名称", t), 1);
  EXPECT_DOUBLE_EQ(t.Height, 4.0);
  unshare();
  EXPECT_EQ(gpGetTextParam(L"道路名称", t), 0);
  EXPECT_DOUBLE_EQ(t.Height, 3.0);
}

TEST_F(TextStylesTest, StylesAreFoundOrMadeInTheDrawing) {
  share();
  EXPECT_TRUE(gpGetTextStyle(L"标题").isNull());  // the row exists, the style not yet
  const AcDbObjectId made = gpCreateTextStyle(L"标题");
  ASSERT_FALSE(made.isNull());
  EXPECT_EQ(gpGetTextStyle(L"标题"), made);
  EXPECT_EQ(gpCreateTextStyle(L"标题"), made);
  EXPECT_TRUE(gpCreateTextStyle(L"没有的样式").isNull());

  // An existing style gives its font back into the record.
  vesk::TEXTSTYLEPARAM s;
  std::wcscpy(s.TextstyleName, L"GH-标题");
  AcDbObjectId id;
  ASSERT_EQ(gpOpenTextstyle(&s, id), 1);
  EXPECT_EQ(id, made);
  EXPECT_STREQ(s.FontFile, L"黑体");
  EXPECT_EQ(s.Bold, 1);

  // A new shape-font style; read back, its font is the file name alone.
  vesk::TEXTSTYLEPARAM shx;
  std::wcscpy(shx.TextstyleName, L"GH-坐标");
  std::wcscpy(shx.FontFile, L"romans.shx");
  shx.Height = 2.5;
  shx.XScale = 0.8;
  ASSERT_EQ(gpOpenTextstyle(&shx, id), 1);
  AcDbTextStyleTableRecord* rec = nullptr;
  ASSERT_EQ(acdbOpenObject(rec, id, AcDb::kForRead), Acad::eOk);
  const ACHAR* file = nullptr;
  rec->fileName(file);
  EXPECT_EQ(CString(file), vesk::cad::GetFontPath() + L"romans.shx");
  EXPECT_DOUBLE_EQ(rec->xScale(), 0.8);
  EXPECT_DOUBLE_EQ(rec->textSize(), 2.5);
  EXPECT_TRUE(rec->isVertical());
  rec->close();
  vesk::TEXTSTYLEPARAM readBack;
  std::wcscpy(readBack.TextstyleName, L"gh-坐标");
  ASSERT_EQ(gpOpenTextstyle(&readBack, id), 1);
  EXPECT_STREQ(readBack.FontFile, L"romans");

  vesk::TEXTSTYLEPARAM bad;
  std::wcscpy(bad.TextstyleName, L"坏样式");
  bad.XScale = -1.0;
  EXPECT_EQ(gpOpenTextstyle(&bad, id), 0);
  EXPECT_TRUE(db->textStyleId(L"坏样式").isNull());
  EXPECT_EQ(gpOpenTextstyle(nullptr, id), 0);

  unshare();
  EXPECT_TRUE(gpGetTextStyle(L"标题").isNull());
}

TEST_F(TextStylesTest, TextsTakeTheirStyleHeightAndAlignment) {
  share();
  const AcGePoint3d pt(100, 200, 0);
  AcDbObjectId id;
  ASSERT_EQ(gpCreateText(pt, L"A-01", 0.5, 1, textParam(L"$地块编号", 2.5), id), 1);
  TextInfo t = info(id);
  EXPECT_EQ(t.text, L"A-01");
  EXPECT_EQ(t.style, L"GH-地块编号");
  EXPECT_DOUBLE_EQ(t.height, 2.5);
  EXPECT_DOUBLE_EQ(t.rotation, 0.5);
  EXPECT_DOUBLE_EQ(t.widthFactor, 1.0);
  EXPECT_EQ(t.horizontal, AcDb::kTextCenter);
  EXPECT_EQ(t.vertical, AcDb::kTextVCenter);
  EXPECT_TRUE(t.alignment.isEqualTo(pt));

  const int expected[][2] = {{1, 2}, {1, 1}, {1, 3}, {2, 1}, {0, 1}, {0, 2}, {0, 2}};
  for (int mode = 1; mode <= 7; ++mode) {
    ASSERT_EQ(gpCreateText(pt, L"x", 0, mode == 7 ? 0 : mode, textParam(L"说明", 3), id), 1);
    t = info(id);
    EXPECT_EQ(t.horizontal, expected[mode - 1][0]) << mode;
    EXPECT_EQ(t.vertical, expected[mode - 1][1]) << mode;
    EXPECT_EQ(t.style, L"说明");  // a plain style name: made with the defaults
  }

  // The style record's width factor and mirroring.
  vesk::TEXTPARAM tp = textParam(L"st", 3);
  vesk::TEXTSTYLEPARAM sp;
  std::wcscpy(sp.TextstyleName, L"窄体");
  sp.XScale = 0.7;
  sp.XMirror = 1;
  ASSERT_EQ(gpCreateText(pt, L"镜像", 0, 5, &tp, &sp, id), 1);
  t = info(id);
  EXPECT_EQ(t.style, L"窄体");
  EXPECT_DOUBLE_EQ(t.widthFactor, 0.7);
  EXPECT_TRUE(t.mirroredX);

  // Given modes, and the owner layer of a "$item" resolved to its standard layer.
  vesk::TEXTPARAM ex = textParam(L"$控制指标", 2.5);
  std::wcscpy(ex.OwnerLayer, L"$控制指标");
  ASSERT_EQ(gpCreateTextEx(pt, L"FAR 2.5", 0, 2, 3, ex, id), 1);
  t = info(id);
  EXPECT_EQ(t.horizontal, AcDb::kTextRight);
  EXPECT_EQ(t.vertical, AcDb::kTextBase);  // a vertical mode above 2 counts as 0
  EXPECT_EQ(t.style, L"GH-指标");
  EXPECT_EQ(t.layer, L"ZJ-控制指标");
  std::wcscpy(ex.OwnerLayer, L"没有的层");
  ASSERT_EQ(gpCreateTextEx(pt, L"x", 0, 1, 1, ex, id), 1);
  EXPECT_EQ(info(id).layer, L"0");

  // A "$item" style needs its row: nothing is made without it.
  unshare();
  EXPECT_EQ(gpCreateText(pt, L"x", 0, 1, textParam(L"$地块编号", 2.5), id), 0);
  EXPECT_TRUE(id.isNull());
  EXPECT_EQ(gpCreateTextEx(pt, L"x", 0, 1, 1, textParam(L"$地块编号", 2.5), id), 0);
  EXPECT_EQ(gpCreateText(pt, L"x", 0, 1, textParam(L"st", 0.0), id), 0);  // no height
}

TEST_F(TextStylesTest, TextLengthFollowsHeightAndWidthFactor) {
  share();
  double len = -1;
  EXPECT_EQ(gpGetTextLen(L"abcd", textParam(L"st", 3), len), 1);
  EXPECT_DOUBLE_EQ(len, 6.0);
  EXPECT_EQ(gpGetTextLen(L"用地面积", textParam(L"$控制指标", 3), len), 1);  // XScale 0.8
  EXPECT_DOUBLE_EQ(len, 7.5);
  vesk::TEXTSTYLEPARAM s;
  s.XScale = 0.0;
  vesk::TEXTPARAM t = textParam(L"st", 3);
  len = -1;
  EXPECT_EQ(gpGetTextLen(L"abcd", s, t, len), 0);
  EXPECT_DOUBLE_EQ(len, -1);
  unshare();
  EXPECT_EQ(gpGetTextLen(L"abcd", textParam(L"$控制指标", 3), len), 0);
  EXPECT_DOUBLE_EQ(len, -1);
}

}  // namespace
