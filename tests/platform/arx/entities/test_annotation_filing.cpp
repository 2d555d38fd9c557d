// Every annotation class files all its fields: a copy made by filing out and
// back in (clone) equals the original, and free-standing copies drop what
// belongs to the original only (associations, owned attributes, blocks).
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "arx/entities/AcDbAlignedDimension.h"
#include "arx/entities/AcDbAttributeDefinition.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbHatch.h"
#include "arx/entities/AcDbMText.h"
#include "arx/entities/AcDbRasterImage.h"
#include "arx/entities/AcDbRegion.h"
#include "arx/entities/AcDbRotatedDimension.h"
#include "arx/entities/AcDbTable.h"

namespace {

template <class T>
std::unique_ptr<T> copyOf(const T& obj) {
  return std::unique_ptr<T>(T::cast(obj.clone()));
}

}  // namespace

TEST(AnnotationFiling, CopiesKeepEveryField) {
  AcDbAttributeDefinition def(AcGePoint3d(1, 2, 3), L"default", L"OWNER", L"Owner name");
  def.setInvisible(true);
  def.setPreset(true);
  def.setFieldLength(12);
  def.setLockPositionInBlock(true);
  def.setOblique(0.2);
  auto d2 = copyOf(def);
  ASSERT_TRUE(d2);
  EXPECT_EQ(std::wstring(d2->tagConst()), L"OWNER");
  EXPECT_EQ(std::wstring(d2->promptConst()), L"Owner name");
  EXPECT_TRUE(d2->isInvisible() && d2->isPreset() && !d2->isConstant() && !d2->isVerifiable());
  EXPECT_EQ(d2->fieldLength(), 12);
  EXPECT_TRUE(d2->lockPositionInBlock());
  EXPECT_NEAR(d2->oblique(), 0.2, 1e-15);
  EXPECT_TRUE(d2->position().isEqualTo(AcGePoint3d(1, 2, 3)));

  AcDbMText m;
  m.setContents(L"a\\Pb");
  m.setLocation(AcGePoint3d(5, 6, 0));
  m.setWidth(30);
  m.setTextHeight(3);
  m.setRotation(1.0);
  m.setAttachment(AcDbMText::kBottomRight);
  m.setLineSpacingFactor(1.5);
  auto m2 = copyOf(m);
  EXPECT_EQ(std::wstring(m2->contentsConst()), L"a\\Pb");
  EXPECT_NEAR(m2->rotation(), 1.0, 1e-12);
  EXPECT_EQ(m2->attachment(), AcDbMText::kBottomRight);
  EXPECT_NEAR(m2->actualHeight(), m.actualHeight(), 1e-12);
  EXPECT_NEAR(m2->width(), 30.0, 0.0);

  AcDbHatch h;
  AcGePoint2dArray v;
  v.append(AcGePoint2d(0, 0));
  v.append(AcGePoint2d(4, 0));
  v.append(AcGePoint2d(4, 4));
  AcGeDoubleArray b;
  b.append(0.0);
  b.append(0.5);
  b.append(0.0);
  h.appendLoop(AcDbHatch::kExternal, v, b);
  h.setPattern(AcDbHatch::kPreDefined, L"NET");
  h.setPatternScale(2.0);
  h.setPatternAngle(0.3);
  h.setHatchStyle(AcDbHatch::kOuter);
  h.setElevation(7.0);
  auto h2 = copyOf(h);
  EXPECT_EQ(std::wstring(h2->patternName()), L"NET");
  EXPECT_EQ(h2->hatchStyle(), AcDbHatch::kOuter);
  EXPECT_NEAR(h2->patternAngle(), 0.3, 1e-15);
  EXPECT_NEAR(h2->elevation(), 7.0, 0.0);
  double a1 = 0, a2 = 0;
  h.getArea(a1);
  h2->getArea(a2);
  EXPECT_NEAR(a1, a2, 1e-12);
  EXPECT_EQ(h2->numHatchLines(), h.numHatchLines());

  AcDbVoidPtrArray curves, regions;
  curves.append(new AcDbCircle(AcGePoint3d(1, 1, 0), AcGeVector3d::kZAxis, 2.0));
  ASSERT_EQ(AcDbRegion::createFromCurves(curves, regions), Acad::eOk);
  std::unique_ptr<AcDbRegion> region(static_cast<AcDbRegion*>(regions[0]));
  delete static_cast<AcDbEntity*>(curves[0]);
  auto r2 = copyOf(*region);
  region->getArea(a1);
  r2->getArea(a2);
  EXPECT_NEAR(a1, a2, 1e-12);
  EXPECT_NEAR(a2, 4.0 * 3.14159265358979323846, 1e-9);

  AcDbRotatedDimension dim(0.5, AcGePoint3d(0, 0, 0), AcGePoint3d(10, 2, 0), AcGePoint3d(3, 8, 0), L"<> m");
  dim.setOblique(0.25);
  dim.setTextRotation(0.1);
  auto dim2 = copyOf(dim);
  double m1 = 0, mm2 = 0;
  dim.measurement(m1);
  dim2->measurement(mm2);
  EXPECT_NEAR(m1, mm2, 1e-12);
  EXPECT_NEAR(dim2->oblique(), 0.25, 0.0);
  EXPECT_EQ(dim2->vhostFormattedText(), dim.vhostFormattedText());
  EXPECT_TRUE(dim2->textPosition().isEqualTo(dim.textPosition()));

  AcDbTable t;
  t.setSize(4, 3);
  t.mergeCells(2, 3, 1, 2);
  t.setTextString(2, 1, L"merged");
  t.setTextHeight(1, 0, 7.0);
  t.setAlignment(3, 0, AcDb::kBottomLeft);
  t.setColumnWidth(1, 33.0);
  t.setRowHeight(3, 44.0);
  t.setFlowDirection(AcDb::kBtoT);
  t.setVertCellMargin(2.0);
  auto t2 = copyOf(t);
  ASSERT_TRUE(t2);
  EXPECT_EQ(t2->numRows(), 4);
  EXPECT_TRUE(t2->isMergedCell(3, 2));
  EXPECT_TRUE(t2->isMergedCell(0, 1));  // the title
  EXPECT_NEAR(t2->textHeight(1, 0), 7.0, 0.0);
  EXPECT_EQ(t2->alignment(3, 0), AcDb::kBottomLeft);
  EXPECT_NEAR(t2->columnWidth(1), 33.0, 0.0);
  EXPECT_NEAR(t2->rowHeight(3), 44.0, 0.0);
  EXPECT_EQ(t2->flowDirection(), AcDb::kBtoT);
  EXPECT_NEAR(t2->height(), t.height(), 1e-12);
  ACHAR* text = t2->textString(2, 1);
  EXPECT_EQ(std::wstring(text), L"merged");
  delete[] text;

  AcDbRasterImage img;
  img.setOrientation(AcGePoint3d(1, 1, 0), AcGeVector3d(8, 0, 0), AcGeVector3d(0, 4, 0));
  AcGePoint2dArray tri;
  tri.append(AcGePoint2d(0, 0));
  tri.append(AcGePoint2d(5, 0));
  tri.append(AcGePoint2d(0, 5));
  img.setClipBoundary(AcDbRasterImage::kPoly, tri);
  img.setContrast(70);
  auto i2 = copyOf(img);
  EXPECT_TRUE(i2->isClipped());
  EXPECT_EQ(i2->clipBoundary().length(), 4);
  EXPECT_EQ(i2->contrast(), 70);
  AcGePoint3d o;
  AcGeVector3d u, w;
  i2->getOrientation(o, u, w);
  EXPECT_TRUE(u.isEqualTo(AcGeVector3d(8, 0, 0)));
}
