// Linear dimensions: measurement, text, the drawn block and its updates.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDimStyleTable.h"
#include "arx/entities/AcDbAlignedDimension.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbMText.h"
#include "arx/entities/AcDbRotatedDimension.h"
#include "arx/entities/AcDbSolid.h"
#include "arx/ge/AcGeMatrix3d.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Count {
  int lines = 0, solids = 0, texts = 0;
  std::wstring text;
};

Count countBlock(AcDbObjectId blockId) {
  Count n;
  AcDbBlockTableRecord* rec = nullptr;
  if (acdbOpenObject(rec, blockId, AcDb::kForRead) != Acad::eOk) return n;
  for (AcDbObjectId id : rec->vhostEntityIds()) {
    if (id.isErased()) continue;
    AcDbEntity* e = nullptr;
    if (acdbOpenObject(e, id, AcDb::kForRead) != Acad::eOk) continue;
    if (AcDbLine::cast(e)) ++n.lines;
    if (AcDbSolid::cast(e)) ++n.solids;
    if (auto* t = AcDbMText::cast(e)) {
      ++n.texts;
      n.text = t->contentsConst();
    }
    e->close();
  }
  rec->close();
  return n;
}

}  // namespace

TEST(AnnotationDimension, MeasurementAndText) {
  AcDbAlignedDimension aligned(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0), AcGePoint3d(-4, 3, 0));
  double value = 0.0;
  ASSERT_EQ(aligned.measurement(value), Acad::eOk);
  EXPECT_NEAR(value, 5.0, 1e-12);
  EXPECT_EQ(aligned.vhostFormattedText(), L"5.00");
  aligned.setDimensionText(L"L=<> m");
  EXPECT_EQ(aligned.vhostFormattedText(), L"L=5.00 m");
  aligned.setDimensionText(L"fixed");
  EXPECT_EQ(aligned.vhostFormattedText(), L"fixed");

  AcDbRotatedDimension horizontal(0.0, AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0), AcGePoint3d(0, 10, 0));
  horizontal.measurement(value);
  EXPECT_NEAR(value, 3.0, 1e-12);
  horizontal.setRotation(kPi / 2);
  horizontal.measurement(value);
  EXPECT_NEAR(value, 4.0, 1e-12);
  // Turning the dimension turns its measuring direction; scaling scales the value.
  ASSERT_EQ(horizontal.transformBy(AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis) * AcGeMatrix3d::scaling(2.0)),
            Acad::eOk);
  horizontal.measurement(value);
  EXPECT_NEAR(value, 8.0, 1e-9);
  EXPECT_NEAR(horizontal.rotation(), kPi, 1e-9);

  // The default text sits above the middle of the dimension line: the line
  // runs through (-4, 3) parallel to the points, from (-4, 3) to (-1, 7).
  AcDbAlignedDimension d(AcGePoint3d(0, 0, 0), AcGePoint3d(3, 4, 0), AcGePoint3d(-4, 3, 0));
  const AcGePoint3d mid(-2.5, 5, 0);
  const AcGeVector3d up(-0.8, 0.6, 0);
  EXPECT_TRUE(d.textPosition().isEqualTo(mid + up * (0.625 + 1.25)));
  d.setTextPosition(AcGePoint3d(50, 50, 0));
  EXPECT_FALSE(d.isUsingDefaultTextPosition());
  EXPECT_TRUE(d.textPosition().isEqualTo(AcGePoint3d(50, 50, 0)));

  // Exploded: two extension lines, the dimension line, two arrowheads and the text.
  AcDbVoidPtrArray parts;
  ASSERT_EQ(d.explode(parts), Acad::eOk);
  EXPECT_EQ(parts.length(), 6);
  for (void* p : parts) delete static_cast<AcDbEntity*>(p);
  EXPECT_EQ(d.setXLine1Point(AcGePoint3d(NAN, 0, 0)), Acad::eInvalidInput);
  EXPECT_EQ(d.setOblique(kPi / 2), Acad::eInvalidInput);
}

TEST(AnnotationDimension, BlockIsBuiltAndFollowsChanges) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase());
  auto* d = new AcDbRotatedDimension(0.0, AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0), AcGePoint3d(0, 5, 0));
  AcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  AcDbObjectId id;
  ASSERT_EQ(ms->appendAcDbEntity(id, d), Acad::eOk);
  ms->close();
  ASSERT_EQ(d->recomputeDimBlock(), Acad::eOk);
  const AcDbObjectId blockId = d->dimBlockId();
  d->close();
  ASSERT_FALSE(blockId.isNull());
  Count n = countBlock(blockId);
  EXPECT_EQ(n.lines, 3);
  EXPECT_EQ(n.solids, 2);
  EXPECT_EQ(n.texts, 1);
  EXPECT_EQ(n.text, L"10.00");

  // The style's decimals, and a moved point, show after the next close.
  AcDbDimStyleTableRecord* style = nullptr;
  ASSERT_EQ(acdbOpenObject(style, db->dimstyle(), AcDb::kForWrite), Acad::eOk);
  style->setDimdec(1);
  style->close();
  AcDbRotatedDimension* w = nullptr;
  ASSERT_EQ(acdbOpenObject(w, id, AcDb::kForWrite), Acad::eOk);
  w->setXLine2Point(AcGePoint3d(12.25, 3, 0));
  w->close();
  ASSERT_EQ(acdbOpenObject(w, id, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(w->dimBlockId(), blockId);
  w->close();
  n = countBlock(blockId);
  EXPECT_EQ(n.text, L"12.3");
  EXPECT_EQ(n.lines, 3);

  // Outside a drawing there is no block to build.
  AcDbAlignedDimension loose(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(0, 1, 0));
  EXPECT_EQ(loose.recomputeDimBlock(), Acad::eNoDatabase);
}
