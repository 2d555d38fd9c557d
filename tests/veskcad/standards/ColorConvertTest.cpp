// The colour encodings of the module: standards colours, colour texts, packed
// RGB, and the colour an entity shows through its hatch.
#include <gtest/gtest.h>

#include "arx/entities/AcDbHatch.h"
#include "platform/arx/ed/EdTestSupport.h"
#include "veskcad/standards/ColorConvert.h"
#include "veskcad/standards/HatchColor.h"

namespace {

using namespace VeskDB;

TEST(ColorConvertTest, StandardsColoursAndColourTexts) {
  EXPECT_EQ(GetColorByRGB(255, 0, 0), -16711680);
  EXPECT_EQ(GetColorByRGB(10, 20, 30), -(10 * 65536 + 20 * 256 + 30));
  int r = -1, g = -1, b = -1;
  EXPECT_EQ(GetRGBByColor(GetColorByRGB(10, 20, 30), r, g, b), 1);
  EXPECT_EQ(r, 10);
  EXPECT_EQ(g, 20);
  EXPECT_EQ(b, 30);
  // A colour index has no RGB in this encoding.
  EXPECT_EQ(GetRGBByColor(7, r, g, b), 1);
  EXPECT_EQ(r, 0);
  EXPECT_EQ(g, 0);
  EXPECT_EQ(b, 0);
  EXPECT_EQ(GetFormatRGBByColor(GetColorByRGB(255, 127, 0)), CString(L"(255,127,0)"));
  EXPECT_EQ(GetFormatRGBByColor(7), CString(L"(0,0,0)"));
}

TEST(ColorConvertTest, ColourTextsParseInEveryBracketAndRejectTheRest) {
  EXPECT_EQ(GetColorByFormatRGB(L"(255,0,0)"), -16711680);
  EXPECT_EQ(GetColorByFormatRGB(L"[255,0,0]"), -16711680);
  EXPECT_EQ(GetColorByFormatRGB(L"<255,0,0>"), -16711680);
  EXPECT_EQ(GetColorByFormatRGB(L"（255,0,0）"), -16711680);
  EXPECT_EQ(GetColorByFormatRGB(L"( 12 , 34 , 56 )"), GetColorByRGB(12, 34, 56));
  EXPECT_EQ(GetColorByFormatRGB(L"(,,255)"), -255);  // empty parts are 0
  EXPECT_EQ(GetColorByFormatRGB(L"(1,2,3"), GetColorByRGB(1, 2, 3));

  EXPECT_EQ(GetColorByFormatRGB(L"1,2,3"), 0);  // fewer than six characters
  EXPECT_EQ(GetColorByFormatRGB(L"(10,20)"), 0);
  EXPECT_EQ(GetColorByFormatRGB(L"(10,20,30,40)"), 0);
  EXPECT_EQ(GetColorByFormatRGB(L"(256,0,0)"), 0);
  EXPECT_EQ(GetColorByFormatRGB(L"(-1,0,0)"), 0);
  EXPECT_EQ(GetColorByFormatRGB(L"(red,0,0)"), 0);
  EXPECT_EQ(GetColorByFormatRGB(L"  7   "), 0);
}

TEST(ColorConvertTest, PackedRgbHasRedInTheLowByte) {
  using namespace VeskCad;
  EXPECT_EQ(GetColorRgb(255, 0, 0), 255);
  EXPECT_EQ(GetColorRgb(0, 0, 255), 255 * 65536);
  int r = -1, g = -1, b = -1;
  EXPECT_EQ(GetColorRgb(GetColorRgb(10, 200, 30), r, g, b), 1);
  EXPECT_EQ(r, 10);
  EXPECT_EQ(g, 200);
  EXPECT_EQ(b, 30);

  // Palette: 1 red, 5 blue, 7 white; indexes outside the palette are black.
  EXPECT_EQ(GetRGB(1, r, g, b), 1);
  EXPECT_EQ(r * 1000000 + g * 1000 + b, 255000000);
  EXPECT_EQ(GetColorRgb(5), 255 * 65536);
  EXPECT_EQ(GetColorRgb(7), 0xFFFFFF);
  EXPECT_EQ(GetColorRgb(256), 0);

  AcCmColor c;
  EXPECT_EQ(GetCmColor(GetColorRgb(10, 20, 30), c), 1);
  EXPECT_TRUE(c.isByColor());
  EXPECT_EQ(c.red(), 10);
  EXPECT_EQ(c.green(), 20);
  EXPECT_EQ(c.blue(), 30);
  EXPECT_EQ(GetCmColor(-5, c), 0);  // not a packed colour
}

class HatchColorTest : public edtest::EditorTest {};

TEST_F(HatchColorTest, AnEntityShowsTheColourOfItsHatchOrItsLayer) {
  using namespace VeskCad;
  const AcDbObjectId layerId = dbtest::addLayer(db, L"用地");
  {
    AcDbLayerTableRecord* rec = nullptr;
    ASSERT_EQ(acdbOpenObject(rec, layerId, AcDb::kForWrite), Acad::eOk);
    AcCmColor c;
    c.setColorIndex(30);
    rec->setColor(c);
    rec->close();
  }
  const AcDbObjectId square = addPolyline({{0, 0}, {4, 0}, {4, 4}, {0, 4}}, true);
  const AcDbObjectId other = addPolyline({{10, 0}, {14, 0}, {14, 4}}, true);
  for (AcDbObjectId id : {square, other}) {
    AcDbEntity* e = nullptr;
    ASSERT_EQ(acdbOpenObject(e, id, AcDb::kForWrite), Acad::eOk);
    e->setLayer(layerId);
    e->setColorIndex(256);
    e->close();
  }
  EXPECT_EQ(GetEntHatchColor(other), 30);  // by layer: the layer's colour
  AcDbObjectId hatch;
  EXPECT_EQ(GetHatch(square, hatch), 0);

  auto makeHatch = [&](int colorIndex) {
    auto* h = new AcDbHatch();
    h->setDatabaseDefaults(db);
    h->setColorIndex(static_cast<Adesk::UInt16>(colorIndex));
    h->setPattern(AcDbHatch::kPreDefined, L"SOLID");
    h->setAssociative(true);
    const AcDbObjectId id = dbtest::addToModelSpace(db, h);
    AcDbHatch* w = nullptr;
    EXPECT_EQ(acdbOpenObject(w, id, AcDb::kForWrite), Acad::eOk);
    AcDbObjectIdArray ids;
    ids.append(square);
    EXPECT_EQ(w->appendLoop(AcDbHatch::kExternal, ids), Acad::eOk);
    w->close();
    return id;
  };
  const AcDbObjectId first = makeHatch(5);
  const AcDbObjectId second = makeHatch(3);
  EXPECT_EQ(GetHatch(square, hatch), 1);
  EXPECT_EQ(hatch, second);  // the last one
  AcDbObjectIdArray all;
  EXPECT_EQ(GetHatch(square, all), 1);
  ASSERT_EQ(all.length(), 2);
  EXPECT_EQ(all[0], first);
  EXPECT_EQ(GetEntHatchColor(square), 3);
  EXPECT_EQ(GetEntHatchColor(second), 3);  // a hatch itself: its own colour

  EXPECT_EQ(GetEntHatchColor(AcDbObjectId()), 7);
  AcDbEntity* e = nullptr;
  ASSERT_EQ(acdbOpenObject(e, other, AcDb::kForWrite), Acad::eOk);
  e->erase();
  e->close();
  EXPECT_EQ(GetEntHatchColor(other), 7);
}

}  // namespace
