// Raster images (orientation, clipping, definitions read from files) and
// two-dimensional solids.
#include <gtest/gtest.h>

#include <cstdio>
#include <cmath>
#include <memory>
#include <string>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/entities/AcDbRasterImage.h"
#include "arx/entities/AcDbRasterImageDef.h"
#include "arx/entities/AcDbSolid.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePlane.h"

namespace {

// A PNG header for a width × height image (enough for the header reader).
std::string writePng(int width, int height) {
  const std::string path = testing::TempDir() + "annot_image_" + std::to_string(width) + ".png";
  unsigned char b[33] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (int i = 0; i < 4; ++i) {
    b[16 + i] = static_cast<unsigned char>(width >> (24 - 8 * i));
    b[20 + i] = static_cast<unsigned char>(height >> (24 - 8 * i));
  }
  b[24] = 8;
  b[25] = 2;  // truecolour
  std::FILE* f = std::fopen(path.c_str(), "wb");
  std::fwrite(b, 1, sizeof b, f);
  std::fclose(f);
  return path;
}

}  // namespace

TEST(AnnotationImage, DefinitionOrientationAndClipping) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase());
  AcDbObjectId dictId;
  ASSERT_EQ(AcDbRasterImageDef::createImageDictionary(db.get(), dictId), Acad::eOk);
  EXPECT_EQ(AcDbRasterImageDef::imageDictionary(db.get()), dictId);

  const std::string png = writePng(200, 100);
  auto* def = new AcDbRasterImageDef();
  def->setSourceFileName(std::wstring(png.begin(), png.end()).c_str());
  ASSERT_EQ(def->load(), Acad::eOk);
  EXPECT_EQ(def->size().x, 200.0);
  EXPECT_EQ(def->size().y, 100.0);
  EXPECT_EQ(def->colorDepth(), 24);
  EXPECT_EQ(std::wstring(def->fileType()), L"PNG");
  AcDbDictionary* dict = nullptr;
  ASSERT_EQ(acdbOpenObject(dict, dictId, AcDb::kForWrite), Acad::eOk);
  AcDbObjectId defId;
  ASSERT_EQ(dict->setAt(L"site", def, defId), Acad::eOk);
  def->close();
  dict->close();

  // A missing file and a file that is no image are refused.
  AcDbRasterImageDef missing;
  missing.setSourceFileName(L"/nonexistent/none.png");
  EXPECT_EQ(missing.load(), Acad::eFileNotFound);
  EXPECT_FALSE(missing.isLoaded());

  AcDbRasterImage img;
  ASSERT_EQ(img.setImageDefId(defId), Acad::eOk);
  // 200 × 100 pixels over 20 × 10 units at (100, 50).
  ASSERT_TRUE(img.setOrientation(AcGePoint3d(100, 50, 0), AcGeVector3d(20, 0, 0), AcGeVector3d(0, 10, 0)));
  EXPECT_FALSE(img.setOrientation(AcGePoint3d(0, 0, 0), AcGeVector3d(1, 0, 0), AcGeVector3d(1, 1, 0)));
  EXPECT_NEAR(img.scale().x, 0.1, 1e-12);
  EXPECT_FALSE(img.isClipped());
  AcGePoint3dArray v;
  ASSERT_EQ(img.getVertices(v), Acad::eOk);
  ASSERT_EQ(v.length(), 5);
  EXPECT_TRUE(v[2].isEqualTo(AcGePoint3d(120, 60, 0)));

  // Clip to the left half (pixel x from -0.5 to 99.5): the outline is half as wide.
  AcGePoint2dArray rect;
  rect.append(AcGePoint2d(-0.5, -0.5));
  rect.append(AcGePoint2d(99.5, 99.5));
  ASSERT_EQ(img.setClipBoundary(AcDbRasterImage::kRect, rect), Acad::eOk);
  EXPECT_TRUE(img.isClipped());
  AcDbExtents ext;
  ASSERT_EQ(img.getGeomExtents(ext), Acad::eOk);
  EXPECT_TRUE(ext.minPoint().isEqualTo(AcGePoint3d(100, 50, 0)));
  EXPECT_TRUE(ext.maxPoint().isEqualTo(AcGePoint3d(110, 60, 0)));
  // A triangle in pixels, closed on return; the top-left pixel corner is the image's top-left.
  AcGePoint2dArray tri;
  tri.append(AcGePoint2d(-0.5, -0.5));
  tri.append(AcGePoint2d(199.5, -0.5));
  tri.append(AcGePoint2d(-0.5, 99.5));
  ASSERT_EQ(img.setClipBoundary(AcDbRasterImage::kPoly, tri), Acad::eOk);
  EXPECT_EQ(img.clipBoundary().length(), 4);
  ASSERT_EQ(img.getVertices(v), Acad::eOk);
  EXPECT_TRUE(v[0].isEqualTo(AcGePoint3d(100, 60, 0)));
  EXPECT_TRUE(v[2].isEqualTo(AcGePoint3d(100, 50, 0)));
  img.setClipped(false);
  ASSERT_EQ(img.getVertices(v), Acad::eOk);
  EXPECT_EQ(v.length(), 5);
  AcGePoint2dArray two;
  two.append(AcGePoint2d(0, 0));
  two.append(AcGePoint2d(1, 1));
  EXPECT_EQ(img.setClipBoundary(AcDbRasterImage::kPoly, two), Acad::eInvalidInput);
  EXPECT_EQ(img.setBrightness(101), Acad::eInvalidInput);
  EXPECT_EQ(img.setFade(30), Acad::eOk);

  // Images rotate and scale with their frame; a shear is refused.
  ASSERT_EQ(img.transformBy(AcGeMatrix3d::rotation(3.14159265358979323846 / 2, AcGeVector3d::kZAxis)), Acad::eOk);
  AcGePoint3d o;
  AcGeVector3d u, w;
  img.getOrientation(o, u, w);
  EXPECT_TRUE(o.isEqualTo(AcGePoint3d(-50, 100, 0)));
  EXPECT_TRUE(u.isEqualTo(AcGeVector3d(0, 20, 0)));
  AcGeMatrix3d shear;
  shear(0, 1) = 1.0;
  EXPECT_EQ(img.transformBy(shear), Acad::eCannotScaleNonUniformly);
  EXPECT_EQ(img.setImageDefId(dictId), Acad::eWrongObjectType);
}

TEST(AnnotationImage, SolidCornersAndTransform) {
  AcDbSolid s(AcGePoint3d(0, 0, 0), AcGePoint3d(4, 0, 0), AcGePoint3d(0, 2, 0), AcGePoint3d(4, 2, 0));
  EXPECT_NEAR(s.vhostArea(), 8.0, 1e-12);
  AcDbSolid tri(AcGePoint3d(0, 0, 0), AcGePoint3d(4, 0, 0), AcGePoint3d(0, 2, 0));
  EXPECT_NEAR(tri.vhostArea(), 4.0, 1e-12);
  AcGePoint3d p;
  EXPECT_EQ(s.getPointAt(4, p), Acad::eInvalidIndex);
  EXPECT_EQ(s.setPointAt(7, p), Acad::eInvalidIndex);
  s.setThickness(3.0);
  ASSERT_EQ(s.transformBy(AcGeMatrix3d::scaling(2.0)), Acad::eOk);
  EXPECT_NEAR(s.thickness(), 6.0, 1e-12);
  ASSERT_EQ(s.transformBy(AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis))), Acad::eOk);
  s.getPointAt(3, p);
  EXPECT_TRUE(p.isEqualTo(AcGePoint3d(-8, 4, 0)));
  AcDbExtents ext;
  ASSERT_EQ(s.getGeomExtents(ext), Acad::eOk);
  EXPECT_NEAR(ext.minPoint().x, -8.0, 1e-12);
  EXPECT_NEAR(std::fabs(ext.maxPoint().z - ext.minPoint().z), 6.0, 1e-12);
  EXPECT_NEAR(s.vhostArea(), 32.0, 1e-12);
}
