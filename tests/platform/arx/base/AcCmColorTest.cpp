#include <gtest/gtest.h>

#include "arx/base/AcCmColor.h"
#include "arx/base/AcCmEntityColor.h"
#include "arx/base/Resbuf.h"

namespace {

Adesk::UInt32 rgb(int r, int g, int b) { return static_cast<Adesk::UInt32>((r << 16) | (g << 8) | b); }

}  // namespace

TEST(AcCmEntityColor, PaletteMatchesTheStandardTable) {
  struct Entry {
    int index, r, g, b;
  } table[] = {
      {1, 255, 0, 0},      {2, 255, 255, 0},    {3, 0, 255, 0},      {4, 0, 255, 255},
      {5, 0, 0, 255},      {6, 255, 0, 255},    {7, 255, 255, 255},  {8, 128, 128, 128},
      {9, 192, 192, 192},  {10, 255, 0, 0},     {11, 255, 127, 127}, {12, 204, 0, 0},
      {13, 204, 102, 102}, {14, 153, 0, 0},     {15, 153, 76, 76},   {16, 127, 0, 0},
      {19, 76, 38, 38},    {20, 255, 63, 0},    {21, 255, 159, 127}, {23, 204, 127, 102},
      {30, 255, 127, 0},   {31, 255, 191, 127}, {35, 153, 114, 76},  {40, 255, 191, 0},
      {43, 204, 178, 102}, {50, 255, 255, 0},   {60, 191, 255, 0},   {90, 0, 255, 0},
      {130, 0, 255, 255},  {140, 0, 191, 255},  {141, 127, 223, 255}, {150, 0, 127, 255},
      {170, 0, 0, 255},    {200, 191, 0, 255},  {210, 255, 0, 255},  {240, 255, 0, 63},
      {249, 76, 38, 47},   {250, 51, 51, 51},   {251, 91, 91, 91},   {252, 132, 132, 132},
      {253, 173, 173, 173}, {254, 214, 214, 214}, {255, 255, 255, 255},
  };
  for (const Entry& e : table)
    EXPECT_EQ(AcCmEntityColor::lookUpRGB(static_cast<Adesk::UInt8>(e.index)), rgb(e.r, e.g, e.b))
        << "index " << e.index;
}

TEST(AcCmEntityColor, LookUpACIFindsTheNearestIndex) {
  // Every palette colour maps back to itself, or to the first index showing
  // the same colour (10 shows what 1 shows, 255 what 7 shows ...).
  for (int i = 1; i <= 255; ++i) {
    const Adesk::UInt32 c = AcCmEntityColor::lookUpRGB(static_cast<Adesk::UInt8>(i));
    const int back = AcCmEntityColor::lookUpACI(c >> 16, (c >> 8) & 0xFF, c & 0xFF);
    EXPECT_EQ(AcCmEntityColor::lookUpRGB(static_cast<Adesk::UInt8>(back)), c) << "index " << i;
    EXPECT_LE(back, i);
  }
  EXPECT_EQ(AcCmEntityColor::lookUpACI(255, 0, 0), 1);
  EXPECT_EQ(AcCmEntityColor::lookUpACI(255, 255, 255), 7);
  EXPECT_EQ(AcCmEntityColor::lookUpACI(250, 5, 3), 1);
  EXPECT_EQ(AcCmEntityColor::lookUpACI(129, 127, 130), 8);
  // Index 0 is not a colour: black goes to the first of the darkest entries
  // (76,0,0), which lies nearer than grey 250 (51,51,51).
  EXPECT_EQ(AcCmEntityColor::lookUpACI(0, 0, 0), 18);
}

TEST(AcCmEntityColor, MethodsIndexesAndPacking) {
  static_assert(sizeof(AcCmEntityColor) == 4, "one colour per entity must stay 4 bytes");
  AcCmEntityColor c;
  EXPECT_TRUE(c.isByColor());
  EXPECT_EQ(c.setColorIndex(30), Acad::eOk);
  EXPECT_TRUE(c.isByACI());
  EXPECT_EQ(c.colorIndex(), 30);
  EXPECT_EQ(c.color(), 0xC300001Eu);
  EXPECT_EQ(c.red(), 255);
  EXPECT_EQ(c.green(), 127);
  EXPECT_EQ(c.trueColor(), 0xC2FF7F00u);
  EXPECT_EQ(c.trueColorMethod(), AcCmEntityColor::kByColor);

  EXPECT_EQ(c.setColorIndex(256), Acad::eOk);
  EXPECT_TRUE(c.isByLayer());
  EXPECT_EQ(c.colorIndex(), 256);
  EXPECT_EQ(c.setColorIndex(0), Acad::eOk);
  EXPECT_TRUE(c.isByBlock());
  EXPECT_EQ(c.setColorIndex(-5), Acad::eOk);  // colour of a layer that is off
  EXPECT_TRUE(c.isLayerOff());
  EXPECT_EQ(c.colorIndex(), -5);
  EXPECT_EQ(c.blue(), 255);
  const AcCmEntityColor before = c;
  EXPECT_EQ(c.setColorIndex(258), Acad::eInvalidInput);
  EXPECT_EQ(c.setColorIndex(-256), Acad::eInvalidInput);
  EXPECT_EQ(c.setColor(0x12000001u), Acad::eInvalidInput);
  EXPECT_EQ(c.setColor(0xC3000000u), Acad::eInvalidInput);  // index 0 is not an ACI colour
  EXPECT_EQ(c, before);

  EXPECT_EQ(c.setRGB(10, 20, 30), Acad::eOk);
  EXPECT_EQ(c.color(), 0xC20A141Eu);
  EXPECT_EQ(c.colorIndex(), AcCmEntityColor::lookUpACI(10, 20, 30));
  EXPECT_EQ(c.penIndex(), 0xFFFF);
  // Changing method keeps the colour where it can.
  c.setRGB(255, 127, 0);
  c.setColorMethod(AcCmEntityColor::kByACI);
  EXPECT_EQ(c.colorIndex(), 30);
  c.setColorMethod(AcCmEntityColor::kByColor);
  EXPECT_EQ(c.color(), 0xC2FF7F00u);
  c.setColorIndex(5);
  c.setRed(200);  // a channel edit turns the index into a true colour
  EXPECT_EQ(c.color(), 0xC2C800FFu);
  EXPECT_EQ(c.setColorMethod(static_cast<AcCmEntityColor::ColorMethod>(0x10)), Acad::eInvalidInput);

  AcCmEntityColor layer(AcCmEntityColor::kByLayer);
  EXPECT_EQ(layer.colorIndex(), 256);
  EXPECT_EQ(layer.trueColor(), layer.color());
  AcCmEntityColor pen;
  pen.setPenIndex(12);
  EXPECT_TRUE(pen.isByPen());
  EXPECT_EQ(pen.penIndex(), 12);
  EXPECT_NE(pen, layer);
  AcCmEntityColor copy;
  EXPECT_EQ(copy.setColor(layer.color()), Acad::eOk);
  EXPECT_EQ(copy, layer);
}

TEST(AcCmColor, NamesDescriptionsAndDrawingValues) {
  AcCmColor c;
  EXPECT_EQ(c.setNames(L"Sky"), Acad::eOk);  // the default colour is a true colour
  c.setColorIndex(3);
  EXPECT_FALSE(c.hasColorName());  // the name went with the colour
  EXPECT_EQ(c.setNames(L"Sky"), Acad::eNotApplicable);
  EXPECT_STREQ(c.colorName(), L"");
  EXPECT_EQ(c.dxfTrueColor(), 0x00FF00);

  c.setRGB(10, 20, 30);
  EXPECT_EQ(c.setNames(L"Sky", L"Book"), Acad::eOk);
  EXPECT_EQ(c.dxfColorName(), L"Book$Sky");
  EXPECT_EQ(c.setNames(L"A$B"), Acad::eInvalidInput);
  EXPECT_EQ(c.setNames(nullptr, L"Book"), Acad::eInvalidInput);
  EXPECT_STREQ(c.bookName(), L"Book");
  ACHAR* text = nullptr;
  c.getDescription(text);
  EXPECT_STREQ(text, L"Book$Sky");
  acutDelString(text);
  c.getExplanatoryText(text);
  EXPECT_STREQ(text, L"Sky from book Book (10,20,30)");
  acutDelString(text);

  AcCmColor read;
  EXPECT_EQ(read.setDxfTrueColor(0x0A141E), Acad::eOk);
  EXPECT_EQ(read.setDxfColorName(L"Book$Sky"), Acad::eOk);
  EXPECT_EQ(read, c);
  EXPECT_EQ(read.setDxfTrueColor(static_cast<Adesk::Int32>(0xC2FF7F00u)), Acad::eOk);
  EXPECT_EQ(read.dxfTrueColor(), 0xFF7F00);
  EXPECT_EQ(read.setDxfTrueColor(0x01000000), Acad::eInvalidInput);
  EXPECT_EQ(read.dxfTrueColor(), 0xFF7F00);
  EXPECT_EQ(read.setDxfColorName(L"$Sky"), Acad::eInvalidInput);

  const struct {
    int index;
    const wchar_t* text;
  } descriptions[] = {{0, L"ByBlock"}, {256, L"ByLayer"}, {1, L"Red"}, {7, L"White"}, {30, L"30"}, {257, L"None"}};
  for (const auto& d : descriptions) {
    EXPECT_EQ(c.setColorIndex(static_cast<Adesk::UInt16>(d.index)), Acad::eOk);
    c.getDescription(text);
    EXPECT_STREQ(text, d.text);
    acutDelString(text);
  }
  c.setByLayer();
  EXPECT_EQ(c.dxfTrueColor(), -1);
  EXPECT_EQ(c.setColorIndex(300), Acad::eInvalidInput);
  EXPECT_TRUE(c.isByLayer());

  AcCmColor fromEntity(c.entityColor());
  EXPECT_EQ(fromEntity, c);
  fromEntity = AcCmEntityColor(1, 2, 3);
  EXPECT_EQ(fromEntity.entityColor().color(), 0xC2010203u);
}
