// Single-line and multiline text: alignment, the text box under rotation,
// mirroring and scaling, and the plain text of formatted contents.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/entities/AcDbMText.h"
#include "arx/entities/AcDbText.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePlane.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

::testing::AssertionResult near3(const AcGePoint3d& a, const AcGePoint3d& b, double tol = 1e-9) {
  if (a.distanceTo(b) <= tol) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << a.x << ", " << a.y << ", " << a.z << ") vs (" << b.x << ", " << b.y
                                       << ", " << b.z << ")";
}

void expectBox(const AcDbEntity& e, AcGePoint3d lo, AcGePoint3d hi) {
  AcDbExtents ext;
  ASSERT_EQ(e.getGeomExtents(ext), Acad::eOk);
  EXPECT_TRUE(near3(ext.minPoint(), lo));
  EXPECT_TRUE(near3(ext.maxPoint(), hi));
}

}  // namespace

TEST(AnnotationText, AlignmentPointGovernsAllButLeftBaseline) {
  AcDbText t(AcGePoint3d(1, 1, 0), L"ABCD", AcDbObjectId::kNull, 2.0);
  // Left on the baseline: the position is the insertion point.
  EXPECT_TRUE(t.isDefaultAlignment());
  t.setAlignmentPoint(AcGePoint3d(10, 10, 0));
  EXPECT_TRUE(near3(t.position(), AcGePoint3d(1, 1, 0)));

  // Centre on the baseline: the box (4 cells of 2) is centred on the alignment point.
  t.setHorizontalMode(AcDb::kTextCenter);
  EXPECT_TRUE(near3(t.position(), AcGePoint3d(6, 10, 0)));
  // A position set by hand does not stick: the alignment point governs.
  t.setPosition(AcGePoint3d(0, 0, 0));
  EXPECT_TRUE(near3(t.position(), AcGePoint3d(6, 10, 0)));
  t.setHorizontalMode(AcDb::kTextRight);
  t.setVerticalMode(AcDb::kTextTop);
  EXPECT_TRUE(near3(t.position(), AcGePoint3d(2, 8, 0)));
  t.setHorizontalMode(AcDb::kTextMid);
  EXPECT_TRUE(near3(t.position(), AcGePoint3d(6, 9, 0)));
  // Rotated a quarter turn, the offsets turn with it.
  t.setHorizontalMode(AcDb::kTextCenter);
  t.setVerticalMode(AcDb::kTextVCenter);
  t.setRotation(kPi / 2);
  EXPECT_TRUE(near3(t.position(), AcGePoint3d(11, 6, 0)));
  // A longer text moves the derived position.
  t.setTextString(L"ABCDEF");
  EXPECT_TRUE(near3(t.position(), AcGePoint3d(11, 4, 0)));

  // Align: the text fills position..alignment point, keeping its proportions.
  AcDbText a(AcGePoint3d(0, 0, 0), L"ABCD", AcDbObjectId::kNull, 1.0);
  a.setHorizontalMode(AcDb::kTextAlign);
  a.setAlignmentPoint(AcGePoint3d(0, 20, 0));
  EXPECT_NEAR(a.height(), 5.0, 1e-12);
  EXPECT_NEAR(a.rotation(), kPi / 2, 1e-12);
  // Fit: the height stays, the width factor stretches.
  a.setHorizontalMode(AcDb::kTextFit);
  a.setHeight(2.0);
  a.setAlignmentPoint(AcGePoint3d(16, 0, 0));
  EXPECT_NEAR(a.height(), 2.0, 1e-12);
  EXPECT_NEAR(a.widthFactor(), 2.0, 1e-12);
  EXPECT_NEAR(a.rotation(), 0.0, 1e-12);

  // Control codes count as the characters they show.
  AcDbText deg(AcGePoint3d(0, 0, 0), L"45%%d%%u", AcDbObjectId::kNull, 1.0);
  EXPECT_NEAR(deg.vhostTextWidth(), 3.0, 1e-12);

  // Bad values are refused and change nothing.
  EXPECT_EQ(t.setHeight(0.0), Acad::eInvalidInput);
  EXPECT_EQ(t.setWidthFactor(-1.0), Acad::eInvalidInput);
  EXPECT_EQ(t.setOblique(80.0 * kPi / 180.0), Acad::eOk);
  EXPECT_EQ(t.setOblique(86.0 * kPi / 180.0), Acad::eInvalidInput);
  EXPECT_EQ(t.setHorizontalMode(static_cast<AcDb::TextHorzMode>(9)), Acad::eInvalidInput);
  EXPECT_EQ(t.setNormal(AcGeVector3d(0, 0, 0)), Acad::eInvalidInput);
  EXPECT_EQ(t.setTextString(nullptr), Acad::eInvalidInput);
  EXPECT_NEAR(t.height(), 2.0, 1e-12);
}

TEST(AnnotationText, ExtentsFollowRotationMirrorAndScale) {
  AcDbText t(AcGePoint3d(1, 0, 0), L"AB", AcDbObjectId::kNull, 1.0);
  expectBox(t, AcGePoint3d(1, 0, 0), AcGePoint3d(3, 1, 0));
  t.setRotation(kPi / 2);
  expectBox(t, AcGePoint3d(0, 0, 0), AcGePoint3d(1, 2, 0));
  t.setRotation(0.0);

  // Mirror in the YZ plane: the text reads backwards from its mirrored position.
  AcGeMatrix3d mirror = AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis));
  ASSERT_EQ(t.transformBy(mirror), Acad::eOk);
  EXPECT_TRUE(t.isMirroredInX());
  EXPECT_FALSE(t.isMirroredInY());
  EXPECT_TRUE(near3(t.position(), AcGePoint3d(-1, 0, 0)));
  EXPECT_TRUE(t.normal().isEqualTo(AcGeVector3d::kZAxis));
  expectBox(t, AcGePoint3d(-3, 0, 0), AcGePoint3d(-1, 1, 0));
  // Mirroring back restores it.
  ASSERT_EQ(t.transformBy(mirror), Acad::eOk);
  EXPECT_FALSE(t.isMirroredInX());
  expectBox(t, AcGePoint3d(1, 0, 0), AcGePoint3d(3, 1, 0));

  // Mirror in the XZ plane turns it upside down... which is a mirror in X plus a half turn.
  AcDbText u(AcGePoint3d(0, 0, 0), L"AB", AcDbObjectId::kNull, 1.0);
  ASSERT_EQ(u.transformBy(AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kYAxis))), Acad::eOk);
  expectBox(u, AcGePoint3d(0, -1, 0), AcGePoint3d(2, 0, 0));

  // Rotation and uniform scale about a point: centred text keeps its alignment point's image.
  AcDbText c(AcGePoint3d(0, 0, 0), L"ABCD", AcDbObjectId::kNull, 1.0);
  c.setHorizontalMode(AcDb::kTextCenter);
  c.setAlignmentPoint(AcGePoint3d(4, 0, 0));
  AcGeMatrix3d m = AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis) * AcGeMatrix3d::scaling(3.0);
  ASSERT_EQ(c.transformBy(m), Acad::eOk);
  EXPECT_NEAR(c.height(), 3.0, 1e-12);
  EXPECT_NEAR(c.rotation(), kPi / 2, 1e-12);
  EXPECT_TRUE(near3(c.alignmentPoint(), AcGePoint3d(0, 12, 0)));
  EXPECT_TRUE(near3(c.position(), AcGePoint3d(0, 6, 0)));
  expectBox(c, AcGePoint3d(-3, 6, 0), AcGePoint3d(0, 18, 0));

  // Stretching along the baseline only widens the characters.
  AcDbText s(AcGePoint3d(0, 0, 0), L"AB", AcDbObjectId::kNull, 1.0);
  AcGeMatrix3d stretch;
  stretch(0, 0) = 2.0;
  ASSERT_EQ(s.transformBy(stretch), Acad::eOk);
  EXPECT_NEAR(s.height(), 1.0, 1e-12);
  EXPECT_NEAR(s.widthFactor(), 2.0, 1e-12);

  // A text with a tilted normal lies in its plane.
  AcDbText tilted(AcGePoint3d(0, 0, 0), L"A", AcDbObjectId::kNull, 1.0);
  tilted.setNormal(AcGeVector3d(1, 0, 0));
  AcGePoint3dArray corners;
  tilted.getBoundingPoints(corners);
  for (const AcGePoint3d& p : corners) EXPECT_NEAR(p.x, 0.0, 1e-12);
}

TEST(AnnotationText, OpenStateAndFilingInADatabase) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase());
  AcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  auto* t = new AcDbText(AcGePoint3d(1, 2, 0), L"Road 1", AcDbObjectId::kNull, 3.0, 0.5);
  t->setHorizontalMode(AcDb::kTextRight);
  t->setAlignmentPoint(AcGePoint3d(50, 0, 0));
  t->mirrorInY(true);
  AcDbObjectId id;
  ASSERT_EQ(ms->appendAcDbEntity(id, t), Acad::eOk);
  t->close();
  ms->close();

  AcDbText* r = nullptr;
  ASSERT_EQ(acdbOpenObject(r, id, AcDb::kForRead), Acad::eOk);
  EXPECT_THROW(r->setHeight(4.0), Acad::ErrorStatus);
  ACHAR* copy = r->textString();
  EXPECT_EQ(std::wstring(copy), L"Road 1");
  delete[] copy;
  // A clone carries every field.
  std::unique_ptr<AcDbText> c(AcDbText::cast(r->clone()));
  ASSERT_TRUE(c);
  EXPECT_EQ(std::wstring(c->textStringConst()), L"Road 1");
  EXPECT_EQ(c->horizontalMode(), AcDb::kTextRight);
  EXPECT_TRUE(c->isMirroredInY());
  EXPECT_NEAR(c->rotation(), 0.5, 1e-12);
  EXPECT_TRUE(near3(c->position(), r->position()));
  EXPECT_TRUE(near3(c->alignmentPoint(), AcGePoint3d(50, 0, 0)));
  r->close();
}

TEST(AnnotationMText, PlainTextDropsFormatCodes) {
  AcDbMText m;
  m.setContents(L"{\\fArial|b1|i0;Hello} \\H2.5x;\\C1;big\\PWorld \\S1^2; 50%%d \\U+4E2D \\\\ \\{x\\} \\Lu\\l \\A1;end");
  ACHAR* plain = m.text();
  EXPECT_EQ(std::wstring(plain), L"Hello big\nWorld 1/2 50\u00B0 \u4E2D \\ {x} u end");
  delete[] plain;
  // The contents stay as given.
  ACHAR* raw = m.contents();
  EXPECT_EQ(std::wstring(raw).substr(0, 8), L"{\\fArial");
  delete[] raw;
  EXPECT_EQ(AcDbMText::vhostPlainText(L"\\S3/4;\\W0.8;\\Q15;\\T1.2;\\pxi-3;A\\~B\\O\\o\\K\\k"), L"3/4A\u00A0B");
  // A code without its terminating semicolon ends the text.
  EXPECT_EQ(AcDbMText::vhostPlainText(L"ok\\H2.5"), L"ok");
}

TEST(AnnotationMText, LayoutWrapsAndAttaches) {
  // 10 wide at height 2: five characters per line.
  auto lines = AcDbMText::vhostLayoutLines(L"abc def ghi", 10.0, 2.0);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], L"abc");
  EXPECT_EQ(lines[2], L"ghi");
  // Chinese text breaks anywhere; a long word stays whole.
  EXPECT_EQ(AcDbMText::vhostLayoutLines(L"\u4E00\u4E8C\u4E09\u56DB", 4.0, 2.0).size(), 2u);
  EXPECT_EQ(AcDbMText::vhostLayoutLines(L"abcdefgh", 4.0, 2.0).size(), 1u);

  AcDbMText m;
  m.setContents(L"abc def ghi");
  m.setTextHeight(2.0);
  m.setWidth(10.0);
  m.setLocation(AcGePoint3d(100, 100, 0));
  const double h = 2.0 + 2 * (5.0 / 3.0 * 2.0);
  EXPECT_NEAR(m.actualHeight(), h, 1e-12);
  EXPECT_NEAR(m.actualWidth(), 6.0, 1e-12);
  expectBox(m, AcGePoint3d(100, 100 - h, 0), AcGePoint3d(106, 100, 0));
  m.setAttachment(AcDbMText::kMiddleCenter);
  expectBox(m, AcGePoint3d(97, 100 - h / 2, 0), AcGePoint3d(103, 100 + h / 2, 0));
  EXPECT_EQ(m.setAttachment(static_cast<AcDbMText::AttachmentPoint>(0)), Acad::eInvalidInput);
  EXPECT_EQ(m.setLineSpacingFactor(5.0), Acad::eInvalidInput);

  // Exploded: one text per line, centred on the column's middle.
  AcDbVoidPtrArray pieces;
  ASSERT_EQ(m.explode(pieces), Acad::eOk);
  ASSERT_EQ(pieces.length(), 3);
  auto* first = static_cast<AcDbText*>(pieces[0]);
  EXPECT_EQ(std::wstring(first->textStringConst()), L"abc");
  EXPECT_EQ(first->horizontalMode(), AcDb::kTextCenter);
  EXPECT_TRUE(near3(first->alignmentPoint(), AcGePoint3d(100, 100 + h / 2 - 2.0, 0)));
  for (void* p : pieces) delete static_cast<AcDbEntity*>(p);

  // A mirror keeps the characters readable: the box flips, the attachment swaps sides.
  AcDbMText r;
  r.setContents(L"abcd");
  r.setTextHeight(1.0);
  ASSERT_EQ(r.transformBy(AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kXAxis))), Acad::eOk);
  EXPECT_TRUE(r.direction().isEqualTo(AcGeVector3d::kXAxis));
  EXPECT_EQ(r.attachment(), AcDbMText::kTopRight);
  expectBox(r, AcGePoint3d(-4, -1, 0), AcGePoint3d(0, 0, 0));
}
