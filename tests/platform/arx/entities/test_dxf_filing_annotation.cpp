// DXF filing of the annotation entities and objects: every class written to
// an in-memory DXF filer and read back gives the same object; groups the
// classes do not model survive; bad values are refused with a message.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/VhostDxfKept.h"
#include "arx/db/VhostDxfMemoryFiler.h"
#include "arx/entities/AcDbAlignedDimension.h"
#include "arx/entities/AcDbAttribute.h"
#include "arx/entities/AcDbAttributeDefinition.h"
#include "arx/entities/AcDbBlockReference.h"
#include "arx/entities/AcDbHatch.h"
#include "arx/entities/AcDbMText.h"
#include "arx/entities/AcDbRasterImage.h"
#include "arx/entities/AcDbRasterImageDef.h"
#include "arx/entities/AcDbRegion.h"
#include "arx/entities/AcDbRotatedDimension.h"
#include "arx/entities/AcDbSolid.h"
#include "arx/entities/AcDbTable.h"
#include "arx/entities/AcDbTableStyle.h"
#include "arx/entities/AcDbText.h"

namespace {

bool same(const AcGePoint3d& a, const AcGePoint3d& b, double tol = 1e-9) { return a.distanceTo(b) <= tol; }

struct DxfAnnotation : ::testing::Test {
  std::unique_ptr<AcDbDatabase> db{new AcDbDatabase()};
  AcDbObjectId blockId;

  void SetUp() override {
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(db->getBlockTable(table, AcDb::kForWrite), Acad::eOk);
    auto* rec = new AcDbBlockTableRecord();
    rec->setName(L"PARCEL");
    ASSERT_EQ(table->add(blockId, rec), Acad::eOk);
    rec->close();
    table->close();
  }

  // Writes obj, then reads the groups into a new object of class T.
  template <class T>
  std::unique_ptr<T> roundTrip(const AcDbObject& obj, vhost::DxfMemoryFiler& filer, Acad::ErrorStatus* status = nullptr) {
    filer.clear();
    EXPECT_EQ(obj.dxfOutFields(&filer), Acad::eOk);
    filer.rewind();
    std::unique_ptr<T> back(new T());
    const Acad::ErrorStatus es = back->dxfInFields(&filer);
    if (status) *status = es;
    return back;
  }
  template <class T>
  std::unique_ptr<T> roundTrip(const AcDbObject& obj) {
    vhost::DxfMemoryFiler filer(db.get());
    Acad::ErrorStatus es;
    auto back = roundTrip<T>(obj, filer, &es);
    EXPECT_EQ(es, Acad::eOk) << std::string(filer.vhostErrorMessage().begin(), filer.vhostErrorMessage().end());
    return back;
  }
  // Reads hand-made groups into a new T; the status and message come back.
  template <class T>
  Acad::ErrorStatus readGroups(vhost::DxfMemoryFiler& filer, std::unique_ptr<T>& out) {
    filer.rewind();
    out.reset(new T());
    return out->dxfInFields(&filer);
  }
  // The groups of the entity part (what AcDbEntity writes), for hand-made input.
  void startEntity(vhost::DxfMemoryFiler& g) {
    AcDbSolid plain;
    vhost::DxfMemoryFiler tmp(db.get());
    ASSERT_EQ(plain.dxfOutFields(&tmp), Acad::eOk);
    for (const resbuf* rb : tmp.groups()) {
      if (rb->restype == 100 && std::wstring(rb->resval.rstring) == L"AcDbTrace") break;
      g.append(*rb);
    }
  }
  static const resbuf* first(const vhost::DxfMemoryFiler& f, int code) {
    for (const resbuf* rb : f.groups())
      if (rb->restype == code) return rb;
    return nullptr;
  }
  static int count(const vhost::DxfMemoryFiler& f, int code) {
    int n = 0;
    for (const resbuf* rb : f.groups()) n += rb->restype == code;
    return n;
  }
};

TEST_F(DxfAnnotation, TextAndAttributesKeepEveryAlignmentMode) {
  const AcDbObjectId standard = db->textStyleId(L"Standard");
  ASSERT_FALSE(standard.isNull());
  struct Mode {
    AcDb::TextHorzMode h;
    AcDb::TextVertMode v;
  };
  const Mode modes[] = {{AcDb::kTextLeft, AcDb::kTextBase}, {AcDb::kTextCenter, AcDb::kTextTop},
                        {AcDb::kTextRight, AcDb::kTextVCenter}, {AcDb::kTextMid, AcDb::kTextBase},
                        {AcDb::kTextAlign, AcDb::kTextBase}, {AcDb::kTextFit, AcDb::kTextBase},
                        {AcDb::kTextLeft, AcDb::kTextBottom}};
  for (const Mode& m : modes) {
    AcDbText t(AcGePoint3d(1, 2, 0), L"地块 %%c100", standard, 3.0, 0.5);
    t.setNormal(AcGeVector3d(0.0, 0.6, 0.8));
    t.setHorizontalMode(m.h);
    t.setVerticalMode(m.v);
    t.setAlignmentPoint(AcGePoint3d(30, 12, 4));
    t.setOblique(-0.2);
    t.setWidthFactor(0.8);
    t.mirrorInX(true);
    t.setThickness(2.0);
    auto back = roundTrip<AcDbText>(t);
    EXPECT_EQ(back->horizontalMode(), m.h);
    EXPECT_EQ(back->verticalMode(), m.v);
    EXPECT_TRUE(same(back->position(), t.position())) << m.h << "," << m.v;
    EXPECT_TRUE(same(back->alignmentPoint(), t.alignmentPoint()));
    EXPECT_TRUE(back->normal().isEqualTo(t.normal()));
    EXPECT_NEAR(back->rotation(), t.rotation(), 1e-12);
    EXPECT_NEAR(back->height(), t.height(), 1e-12);
    EXPECT_NEAR(back->widthFactor(), t.widthFactor(), 1e-12);
    EXPECT_NEAR(back->oblique(), -0.2, 1e-12);
    EXPECT_TRUE(back->isMirroredInX() && !back->isMirroredInY());
    EXPECT_EQ(back->textStyle(), standard);
    EXPECT_EQ(std::wstring(back->textStringConst()), L"地块 %%c100");
  }

  AcDbAttributeDefinition def(AcGePoint3d(5, 5, 0), L"未命名", L"OWNER", L"Owner name", standard);
  def.setVerticalMode(AcDb::kTextTop);
  def.setHorizontalMode(AcDb::kTextCenter);
  def.setAlignmentPoint(AcGePoint3d(6, 6, 0));
  def.setPreset(true);
  def.setFieldLength(12);
  def.setLockPositionInBlock(true);
  vhost::DxfMemoryFiler f(db.get());
  Acad::ErrorStatus es;
  auto d2 = roundTrip<AcDbAttributeDefinition>(def, f, &es);
  ASSERT_EQ(es, Acad::eOk);
  EXPECT_EQ(count(f, 100), 3);  // AcDbEntity, AcDbText, AcDbAttributeDefinition: no second text marker
  EXPECT_EQ(std::wstring(d2->tagConst()), L"OWNER");
  EXPECT_EQ(std::wstring(d2->promptConst()), L"Owner name");
  EXPECT_TRUE(d2->isPreset() && !d2->isInvisible());
  EXPECT_EQ(d2->fieldLength(), 12);
  EXPECT_TRUE(d2->lockPositionInBlock());
  EXPECT_EQ(d2->verticalMode(), AcDb::kTextTop);
  EXPECT_TRUE(same(d2->position(), def.position()));

  AcDbAttribute att(AcGePoint3d(1, 1, 0), L"A-01", L"NAME", standard);
  att.setInvisible(true);
  att.setVerticalMode(AcDb::kTextBottom);
  auto a2 = roundTrip<AcDbAttribute>(att);
  EXPECT_EQ(std::wstring(a2->tagConst()), L"NAME");
  EXPECT_TRUE(a2->isInvisible());
  EXPECT_EQ(a2->verticalMode(), AcDb::kTextBottom);
  EXPECT_TRUE(same(a2->position(), att.position()));
}

TEST_F(DxfAnnotation, MTextLongerThanOneChunk) {
  std::wstring contents = L"{\\fSimSun|b0;规划用地}\\P";
  for (int i = 0; i < 90; ++i) contents += L"第" + std::to_wstring(i) + L"号地块；";
  ASSERT_GT(contents.size(), 500u);
  AcDbMText m;
  m.setContents(contents.c_str());
  m.setLocation(AcGePoint3d(10, 20, 3));
  m.setTextHeight(2.0);
  m.setWidth(40.0);
  m.setAttachment(AcDbMText::kMiddleCenter);
  m.setRotation(0.75);
  m.setLineSpacingFactor(1.5);
  m.setLineSpacingStyle(AcDb::kExactly);
  m.setTextStyle(db->textStyleId(L"Standard"));
  vhost::DxfMemoryFiler f(db.get());
  Acad::ErrorStatus es;
  auto back = roundTrip<AcDbMText>(m, f, &es);
  ASSERT_EQ(es, Acad::eOk);
  EXPECT_EQ(count(f, 3), static_cast<int>((contents.size() - 1) / 250));
  for (const resbuf* rb : f.groups())
    if (rb->restype == 3 || rb->restype == 1) EXPECT_LE(std::wcslen(rb->resval.rstring), 250u);
  EXPECT_EQ(std::wstring(back->contentsConst()), contents);
  EXPECT_TRUE(same(back->location(), m.location()));
  EXPECT_NEAR(back->rotation(), 0.75, 1e-12);
  EXPECT_EQ(back->attachment(), AcDbMText::kMiddleCenter);
  EXPECT_NEAR(back->lineSpacingFactor(), 1.5, 0.0);
  EXPECT_EQ(back->lineSpacingStyle(), AcDb::kExactly);
  EXPECT_NEAR(back->actualHeight(), m.actualHeight(), 1e-9);
  EXPECT_EQ(back->textStyle(), m.textStyle());

  // Rotation in radians (50) stands for the direction when 11 is absent; a 50
  // inside the column data is a column height and is kept.
  vhost::DxfMemoryFiler g(db.get());
  startEntity(g);
  g.writeString(100, L"AcDbMText");
  g.writePoint3d(10, AcGePoint3d(0, 0, 0));
  g.writeDouble(40, 2.5);
  g.writeString(1, L"x");
  g.writeDouble(50, 1.0);
  g.writeInt16(75, 2);
  g.writeDouble(50, 7.5);
  std::unique_ptr<AcDbMText> r;
  ASSERT_EQ(readGroups(g, r), Acad::eOk);
  EXPECT_NEAR(r->rotation(), 1.0, 1e-12);
  const resbuf* kept = vhost::dxfKeptGroups(r.get(), L"AcDbMText");
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->restype, 75);
  ASSERT_NE(kept->rbnext, nullptr);
  EXPECT_EQ(kept->rbnext->resval.rreal, 7.5);
}

TEST_F(DxfAnnotation, HatchLoopsPatternAndAssociativity) {
  AcDbHatch h;
  AcGePoint2dArray v;
  v.append(AcGePoint2d(0, 0));
  v.append(AcGePoint2d(10, 0));
  v.append(AcGePoint2d(10, 10));
  v.append(AcGePoint2d(0, 10));
  AcGeDoubleArray b;
  b.append(0.0);
  b.append(0.4);
  b.append(0.0);
  b.append(0.0);
  ASSERT_EQ(h.appendLoop(AcDbHatch::kExternal | AcDbHatch::kPolyline, v, b), Acad::eOk);
  AcGePoint2dArray hole;  // an edge loop with a clockwise and a counter-clockwise arc
  hole.append(AcGePoint2d(3, 3));
  hole.append(AcGePoint2d(6, 3));
  hole.append(AcGePoint2d(6, 6));
  AcGeDoubleArray hb;
  hb.append(-0.3);
  hb.append(0.5);
  hb.append(0.0);
  ASSERT_EQ(h.appendLoop(AcDbHatch::kDefault, hole, hb), Acad::eOk);
  h.setPattern(AcDbHatch::kPreDefined, L"ANSI31");
  h.setPatternScale(2.0);
  h.setPatternAngle(0.5);
  h.setElevation(4.0);
  vhost::DxfMemoryFiler f(db.get());
  Acad::ErrorStatus es;
  auto back = roundTrip<AcDbHatch>(h, f, &es);
  ASSERT_EQ(es, Acad::eOk) << std::string(f.vhostErrorMessage().begin(), f.vhostErrorMessage().end());
  ASSERT_EQ(back->numLoops(), 2);
  for (int i = 0; i < 2; ++i) {
    Adesk::Int32 t1, t2;
    AcGePoint2dArray v1, v2;
    AcGeDoubleArray b1, b2;
    h.getLoopAt(i, t1, v1, b1);
    back->getLoopAt(i, t2, v2, b2);
    EXPECT_EQ(t1, t2);
    ASSERT_EQ(v1.length(), v2.length());
    for (int k = 0; k < v1.length(); ++k) {
      EXPECT_NEAR(v1[k].distanceTo(v2[k]), 0.0, 1e-9);
      EXPECT_NEAR(b1[k], b2[k], 1e-9);
    }
  }
  double a1 = 0, a2 = 0;
  h.getArea(a1);
  back->getArea(a2);
  EXPECT_NEAR(a1, a2, 1e-9);
  EXPECT_EQ(std::wstring(back->patternName()), L"ANSI31");
  EXPECT_NEAR(back->patternScale(), 2.0, 0.0);
  EXPECT_NEAR(back->patternAngle(), 0.5, 1e-12);
  EXPECT_NEAR(back->elevation(), 4.0, 0.0);
  EXPECT_EQ(back->numPatternDefinitions(), h.numPatternDefinitions());
  EXPECT_EQ(count(f, 98), 1);

  // Boundary objects (330) and associativity; another writer's loop with an
  // elliptic edge, seed points and gradient groups are written back as read.
  AcDbObjectId boundary = db->layerZero();
  vhost::DxfMemoryFiler g(db.get());
  startEntity(g);
  g.writeString(100, L"AcDbHatch");
  g.writePoint3d(10, AcGePoint3d(0, 0, 0));
  g.writeVector3d(210, AcGeVector3d::kZAxis);
  g.writeString(2, L"MYPAT");
  g.writeInt16(70, 0);
  g.writeInt16(71, 1);
  g.writeInt32(91, 1);
  g.writeInt32(92, 1);
  g.writeInt32(93, 1);
  g.writeInt16(72, 3);
  g.writePoint2d(10, AcGePoint2d(0, 0));
  g.writePoint2d(11, AcGePoint2d(4, 0));
  g.writeDouble(40, 0.5);
  g.writeDouble(50, 0.0);
  g.writeDouble(51, 360.0);
  g.writeInt16(73, 1);
  g.writeInt32(97, 1);
  g.writeObjectId(330, boundary);
  g.writeInt16(75, 0);
  g.writeInt16(76, 2);
  g.writeDouble(52, 0.0);
  g.writeDouble(41, 1.0);
  g.writeInt16(77, 0);
  g.writeInt16(78, 1);
  g.writeDouble(53, 45.0);
  g.writeDouble(43, 0.0);
  g.writeDouble(44, 0.0);
  g.writeDouble(45, -0.5);
  g.writeDouble(46, 0.5);
  g.writeInt16(79, 0);
  g.writeInt32(98, 1);
  g.writePoint2d(10, AcGePoint2d(1, 0));
  g.writeInt32(450, 0);
  std::unique_ptr<AcDbHatch> foreign;
  ASSERT_EQ(readGroups(g, foreign), Acad::eOk) << std::string(g.vhostErrorMessage().begin(), g.vhostErrorMessage().end());
  EXPECT_TRUE(foreign->associative());
  AcDbObjectIdArray ids;
  foreign->getAssocObjIdsAt(0, ids);
  ASSERT_EQ(ids.length(), 1);
  EXPECT_EQ(ids[0], boundary);
  double area = 0;
  foreign->getArea(area);
  EXPECT_NEAR(area, 3.14159265358979 * 4 * 2, 0.05);  // the ellipse, finely sampled
  vhost::DxfMemoryFiler out(db.get());
  ASSERT_EQ(foreign->dxfOutFields(&out), Acad::eOk);
  ASSERT_EQ(out.groups().size(), g.groups().size());
  for (size_t i = 0; i < g.groups().size(); ++i) EXPECT_EQ(out.groups()[i]->restype, g.groups()[i]->restype) << i;
  // Changed: written from the model, the unknown pattern's lines, the seeds and
  // the gradient still there.
  foreign->setHatchStyle(AcDbHatch::kOuter);
  out.clear();
  ASSERT_EQ(foreign->dxfOutFields(&out), Acad::eOk);
  EXPECT_EQ(count(out, 72), 64);  // the ellipse is now 64 straight edges
  EXPECT_EQ(count(out, 53), 1);
  EXPECT_EQ(count(out, 98), 1);
  EXPECT_EQ(count(out, 450), 1);
  EXPECT_EQ(count(out, 330), 1);
}

TEST_F(DxfAnnotation, BlockReferenceTableAndStyle) {
  AcDbBlockReference ref(AcGePoint3d(5, 6, 7), blockId);
  ref.setScaleFactors(AcGeScale3d(2, -2, 1));
  ref.setRotation(1.25);
  ref.setNormal(AcGeVector3d(1, 0, 0));
  auto r2 = roundTrip<AcDbBlockReference>(ref);
  EXPECT_EQ(r2->blockTableRecord(), blockId);
  EXPECT_TRUE(same(r2->position(), ref.position()));
  EXPECT_NEAR(r2->scaleFactors().sy, -2.0, 0.0);
  EXPECT_NEAR(r2->rotation(), 1.25, 1e-12);
  EXPECT_TRUE(r2->normal().isEqualTo(AcGeVector3d(1, 0, 0)));
  EXPECT_FALSE(r2->vhostDxfAttributesFollow());

  AcDbTable t;
  t.setBlockTableRecord(blockId);
  t.setPosition(AcGePoint3d(100, 200, 0));
  t.setSize(4, 3);
  t.setColumnWidth(1, 25.0);
  t.setRowHeight(2, 9.0);
  t.setTextString(0, 0, L"地块一览表");
  t.setTextString(2, 1, std::wstring(300, L'字').c_str());
  t.setTextHeight(3, 2, 4.0);
  t.setAlignment(3, 1, AcDb::kBottomRight);
  t.setTextStyle(1, 1, db->textStyleId(L"Standard"));
  ASSERT_EQ(t.mergeCells(2, 3, 0, 0), Acad::eOk);
  t.setHorzCellMargin(0.75);
  t.suppressHeaderRow(true);
  vhost::DxfMemoryFiler f(db.get());
  Acad::ErrorStatus es;
  auto t2 = roundTrip<AcDbTable>(t, f, &es);
  ASSERT_EQ(es, Acad::eOk) << std::string(f.vhostErrorMessage().begin(), f.vhostErrorMessage().end());
  EXPECT_EQ(t2->numRows(), 4);
  EXPECT_EQ(t2->numColumns(), 3);
  EXPECT_NEAR(t2->columnWidth(1), 25.0, 0.0);
  EXPECT_NEAR(t2->rowHeight(2), t.rowHeight(2), 1e-12);
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 3; ++c) {
      std::unique_ptr<ACHAR[]> a(t.textString(r, c)), b(t2->textString(r, c));
      EXPECT_EQ(std::wstring(a.get()), std::wstring(b.get())) << r << "," << c;
      EXPECT_EQ(t.isMergedCell(r, c), t2->isMergedCell(r, c)) << r << "," << c;
      EXPECT_EQ(t.alignment(r, c), t2->alignment(r, c));
      EXPECT_NEAR(t.textHeight(r, c), t2->textHeight(r, c), 0.0);
      EXPECT_EQ(t.textStyle(r, c), t2->textStyle(r, c));
    }
  int minRow, maxRow, minCol, maxCol;
  ASSERT_TRUE(t2->isMergedCell(3, 0, &minRow, &maxRow, &minCol, &maxCol));
  EXPECT_EQ(minRow * 1000 + maxRow * 100 + minCol * 10 + maxCol, 2300);
  EXPECT_NEAR(t2->horzCellMargin(), 0.75, 0.0);
  EXPECT_TRUE(t2->isHeaderSuppressed());
  EXPECT_EQ(t2->blockTableRecord(), blockId);

  AcDbTableStyle s;
  s.setTextHeight(7.0, AcDb::kTitleRow);
  s.setAlignment(AcDb::kMiddleLeft, AcDb::kHeaderRow);
  s.setFlowDirection(AcDb::kBtoT);
  s.suppressTitleRow(true);
  s.setDescription(L"宗地表");
  AcCmColor red;
  red.setColorIndex(1);
  s.setColor(red, AcDb::kHeaderRow);
  AcCmColor rgb;
  rgb.setRGB(10, 20, 30);
  s.setBackgroundColor(rgb, AcDb::kDataRow);
  s.setBackgroundColorNone(false, AcDb::kDataRow);
  s.setTextStyle(db->textStyleId(L"Standard"));
  auto s2 = roundTrip<AcDbTableStyle>(s);
  EXPECT_NEAR(s2->textHeight(AcDb::kTitleRow), 7.0, 0.0);
  EXPECT_NEAR(s2->textHeight(AcDb::kDataRow), s.textHeight(AcDb::kDataRow), 0.0);
  EXPECT_EQ(s2->alignment(AcDb::kHeaderRow), AcDb::kMiddleLeft);
  EXPECT_EQ(s2->alignment(AcDb::kTitleRow), s.alignment(AcDb::kTitleRow));
  EXPECT_EQ(s2->flowDirection(), AcDb::kBtoT);
  EXPECT_TRUE(s2->isTitleSuppressed() && !s2->isHeaderSuppressed());
  EXPECT_EQ(std::wstring(s2->description()), L"宗地表");
  EXPECT_EQ(s2->color(AcDb::kHeaderRow).colorIndex(), 1);
  EXPECT_EQ(s2->backgroundColor(AcDb::kDataRow).blue(), 30);
  EXPECT_FALSE(s2->isBackgroundColorNone(AcDb::kDataRow));
  EXPECT_TRUE(s2->isBackgroundColorNone(AcDb::kTitleRow));
  EXPECT_EQ(s2->textStyle(AcDb::kHeaderRow), db->textStyleId(L"Standard"));
}

TEST_F(DxfAnnotation, DimensionsSolidImageAndRegion) {
  AcDbRotatedDimension rot(0.3, AcGePoint3d(0, 0, 0), AcGePoint3d(10, 2, 0), AcGePoint3d(5, 8, 0), L"<> m");
  rot.setOblique(0.2);
  rot.setTextPosition(AcGePoint3d(4, 9, 0));
  rot.setDimensionStyle(db->dimstyle());
  vhost::DxfMemoryFiler f(db.get());
  Acad::ErrorStatus es;
  auto r2 = roundTrip<AcDbRotatedDimension>(rot, f, &es);
  ASSERT_EQ(es, Acad::eOk);
  // The class choice looks at the markers, then at the type.
  resbuf* chain = nullptr;
  resbuf* tail = nullptr;
  for (const resbuf* rb : f.groups()) {
    resbuf one = *rb;
    one.rbnext = nullptr;
    resbuf* c = acutRbDup(&one);
    (tail ? tail->rbnext : chain) = c;
    tail = c;
  }
  EXPECT_EQ(AcDbDimension::vhostDxfClassFor(chain), AcDbRotatedDimension::desc());
  acutRelRb(chain);
  EXPECT_EQ(AcDbDimension::vhostDxfClassForType(1 | 32), AcDbAlignedDimension::desc());
  EXPECT_EQ(AcDbDimension::vhostDxfClassForType(0 | 128), AcDbRotatedDimension::desc());
  EXPECT_EQ(AcDbDimension::vhostDxfClassForType(3), nullptr);  // diameter: a proxy
  EXPECT_TRUE(same(r2->xLine2Point(), AcGePoint3d(10, 2, 0)));
  EXPECT_TRUE(same(r2->dimLinePoint(), AcGePoint3d(5, 8, 0)));
  EXPECT_NEAR(r2->rotation(), 0.3, 1e-12);
  EXPECT_NEAR(r2->oblique(), 0.2, 1e-12);
  EXPECT_FALSE(r2->isUsingDefaultTextPosition());
  EXPECT_TRUE(same(r2->textPosition(), AcGePoint3d(4, 9, 0)));
  EXPECT_EQ(r2->dimensionStyle(), db->dimstyle());
  std::unique_ptr<ACHAR[]> text(r2->dimensionText());
  EXPECT_EQ(std::wstring(text.get()), L"<> m");

  AcDbAlignedDimension al(AcGePoint3d(1, 1, 0), AcGePoint3d(4, 5, 0), AcGePoint3d(0, 6, 0));
  auto al2 = roundTrip<AcDbAlignedDimension>(al);
  EXPECT_TRUE(same(al2->xLine1Point(), AcGePoint3d(1, 1, 0)));
  EXPECT_TRUE(al2->isUsingDefaultTextPosition());
  double m1 = 0, m2 = 0;
  al.measurement(m1);
  al2->measurement(m2);
  EXPECT_NEAR(m1, m2, 1e-12);

  AcDbSolid solid(AcGePoint3d(0, 0, 1), AcGePoint3d(4, 0, 1), AcGePoint3d(0, 3, 1), AcGePoint3d(4, 3, 1));
  solid.setNormal(AcGeVector3d(0, 0, -1));
  solid.setThickness(0.5);
  vhost::DxfMemoryFiler sf(db.get());
  auto s2 = roundTrip<AcDbSolid>(solid, sf, &es);
  ASSERT_EQ(es, Acad::eOk);
  for (Adesk::UInt16 i = 0; i < 4; ++i) {
    AcGePoint3d a, b;
    solid.getPointAt(i, a);
    s2->getPointAt(i, b);
    EXPECT_TRUE(same(a, b, 1e-12)) << i;
  }
  EXPECT_NEAR(s2->vhostArea(), 12.0, 1e-9);
  ASSERT_NE(first(sf, 11), nullptr);
  EXPECT_NEAR(first(sf, 11)->resval.rpoint[0], -4.0, 1e-12);  // 11 in the entity coordinates of -Z

  AcDbRasterImageDef def;
  def.setSourceFileName(L"/maps/航拍.png");
  def.vhostSetPixelSize(640, 480);
  def.setResolutionMMPerPixel(AcGeVector2d(0.5, 0.25));
  auto d2 = roundTrip<AcDbRasterImageDef>(def);
  EXPECT_EQ(std::wstring(d2->sourceFileName()), L"/maps/航拍.png");
  EXPECT_EQ(d2->size().x, 640.0);
  EXPECT_EQ(d2->resolutionMMPerPixel().y, 0.25);

  AcDbRasterImage img;
  img.setOrientation(AcGePoint3d(1, 2, 0), AcGeVector3d(64, 0, 0), AcGeVector3d(0, 48, 0));
  img.setBrightness(70);
  img.setFade(20);
  auto i2 = roundTrip<AcDbRasterImage>(img);
  AcGePoint3d o1, o2;
  AcGeVector3d u1, v1, u2, v2;
  img.getOrientation(o1, u1, v1);
  i2->getOrientation(o2, u2, v2);
  EXPECT_TRUE(same(o1, o2) && u1.isEqualTo(u2) && v1.isEqualTo(v2));
  EXPECT_EQ(i2->brightness(), 70);
  EXPECT_EQ(i2->fade(), 20);
  EXPECT_EQ(i2->clipBoundaryType(), img.clipBoundaryType());

  // Regions we make read back exactly.
  std::unique_ptr<AcDbRegion> made;
  {
    vhost::DxfMemoryFiler own(db.get());
    startEntity(own);
    own.writeString(100, L"AcDbModelerGeometry");
    own.writeInt16(70, 1);
    // Our body text, mirrored as modeler text is: a unit square and a hole.
    const wchar_t* lines[] = {L"VeskCAD-region 1", L"normal 0x0p+0 0x0p+0 0x1p+0", L"elevation 0x1.8p+1", L"loops 1",
                              L"loop 4", L"v 0x0p+0 0x0p+0 0x0p+0", L"v 0x1p+1 0x0p+0 0x0p+0",
                              L"v 0x1p+1 0x1p+1 0x1p-1", L"v 0x0p+0 0x1p+1 0x0p+0", L"end"};
    for (const wchar_t* l : lines) {
      std::wstring flipped(l);
      for (wchar_t& c : flipped)
        if (c != L' ') c = static_cast<wchar_t>(159 - c);
      own.writeString(1, flipped.c_str());
    }
    ASSERT_EQ(readGroups(own, made), Acad::eOk);
    EXPECT_EQ(made->vhostNumLoops(), 1);
    double area = 0;
    made->getArea(area);
    EXPECT_GT(area, 4.0);
    auto again = roundTrip<AcDbRegion>(*made);
    double area2 = 0;
    again->getArea(area2);
    EXPECT_EQ(area, area2);
    AcGePoint3dArray pts;
    AcGeDoubleArray bulges;
    bool isHole = true;
    ASSERT_EQ(again->vhostGetLoopAt(0, pts, bulges, isHole), Acad::eOk);
    EXPECT_NEAR(pts[0].z, 3.0, 0.0);
  }
  // Another writer's modeler data: kept and written back unchanged.
  vhost::DxfMemoryFiler acis(db.get());
  startEntity(acis);
  acis.writeString(100, L"AcDbModelerGeometry");
  acis.writeInt16(70, 1);
  acis.writeString(1, L"ns\x7f\x7f ");
  acis.writeString(3, L"continued");
  acis.writeString(1, L"^^");
  std::unique_ptr<AcDbRegion> foreign;
  ASSERT_EQ(readGroups(acis, foreign), Acad::eOk);
  EXPECT_TRUE(foreign->vhostHasForeignBody());
  vhost::DxfMemoryFiler back(db.get());
  ASSERT_EQ(foreign->dxfOutFields(&back), Acad::eOk);
  ASSERT_EQ(back.groups().size(), acis.groups().size());
  for (size_t i = 0; i < acis.groups().size(); ++i) {
    EXPECT_EQ(back.groups()[i]->restype, acis.groups()[i]->restype);
    if (acis.groups()[i]->restype == 1 || acis.groups()[i]->restype == 3) {
      EXPECT_EQ(std::wstring(back.groups()[i]->resval.rstring), std::wstring(acis.groups()[i]->resval.rstring));
    }
  }
}

TEST_F(DxfAnnotation, UnknownGroupsKeptAndBadValuesRefused) {
  // An unknown group of the text subclass survives a round trip.
  vhost::DxfMemoryFiler f(db.get());
  startEntity(f);
  f.writeString(100, L"AcDbText");
  f.writePoint3d(10, AcGePoint3d(1, 1, 0));
  f.writeDouble(40, 2.0);
  f.writeString(1, L"x");
  f.writeString(7, L"NoSuchStyle");
  f.writeInt32(92, 4242);
  f.writeString(100, L"AcDbText");
  f.writeInt16(73, 2);
  std::unique_ptr<AcDbText> t;
  ASSERT_EQ(readGroups(f, t), Acad::eOk);
  EXPECT_EQ(t->verticalMode(), AcDb::kTextVCenter);
  EXPECT_TRUE(t->textStyle().isNull());
  vhost::DxfMemoryFiler out(db.get());
  ASSERT_EQ(t->dxfOutFields(&out), Acad::eOk);
  EXPECT_EQ(count(out, 92), 1);
  bool styleKept = false;
  for (const resbuf* rb : out.groups())
    styleKept = styleKept || (rb->restype == 7 && std::wstring(rb->resval.rstring) == L"NoSuchStyle");
  EXPECT_TRUE(styleKept);

  auto refused = [&](vhost::DxfMemoryFiler& g, auto make, const wchar_t* fragment) {
    g.rewind();
    auto obj = make();
    const Acad::ErrorStatus es = obj->dxfInFields(&g);
    EXPECT_NE(es, Acad::eOk) << std::string(fragment, fragment + std::wcslen(fragment));
    EXPECT_NE(g.vhostErrorMessage().find(fragment), std::wstring::npos)
        << std::string(g.vhostErrorMessage().begin(), g.vhostErrorMessage().end());
  };
  {
    vhost::DxfMemoryFiler g(db.get());
    startEntity(g);
    g.writeString(100, L"AcDbText");
    g.writeDouble(40, -1.0);
    refused(g, [] { return std::unique_ptr<AcDbText>(new AcDbText()); }, L"height");
  }
  {
    vhost::DxfMemoryFiler g(db.get());
    startEntity(g);
    g.writeString(100, L"AcDbMText");
    g.writeInt16(71, 12);
    refused(g, [] { return std::unique_ptr<AcDbMText>(new AcDbMText()); }, L"attachment");
  }
  {
    vhost::DxfMemoryFiler g(db.get());
    startEntity(g);
    g.writeString(100, L"AcDbBlockReference");
    g.writeString(2, L"MISSING");
    refused(g, [] { return std::unique_ptr<AcDbBlockReference>(new AcDbBlockReference()); }, L"MISSING");
  }
  {
    vhost::DxfMemoryFiler g(db.get());  // a loop that ends early
    startEntity(g);
    g.writeString(100, L"AcDbHatch");
    g.writeInt32(91, 1);
    g.writeInt32(92, 2);
    g.writeInt16(72, 0);
    g.writeInt16(73, 1);
    g.writeInt32(93, 3);
    g.writePoint2d(10, AcGePoint2d(0, 0));
    g.writePoint2d(10, AcGePoint2d(1, 0));
    g.writeInt32(97, 0);
    refused(g, [] { return std::unique_ptr<AcDbHatch>(new AcDbHatch()); }, L"group 10 expected");
  }
  {
    vhost::DxfMemoryFiler g(db.get());
    startEntity(g);
    g.writeString(100, L"AcDbHatch");
    g.writeInt32(91, 1);
    g.writeInt32(92, 1);
    g.writeInt32(93, 1);
    g.writeInt16(72, 2);
    g.writePoint2d(10, AcGePoint2d(0, 0));
    g.writeDouble(40, -3.0);
    refused(g, [] { return std::unique_ptr<AcDbHatch>(new AcDbHatch()); }, L"positive");
  }
  {
    vhost::DxfMemoryFiler g(db.get());
    startEntity(g);
    g.writeString(100, L"AcDbRasterImage");
    g.writeInt16(71, 2);
    g.writeInt32(91, 4);
    g.writePoint2d(14, AcGePoint2d(0, 0));
    g.writePoint2d(14, AcGePoint2d(1, 0));
    g.writePoint2d(14, AcGePoint2d(1, 1));
    refused(g, [] { return std::unique_ptr<AcDbRasterImage>(new AcDbRasterImage()); }, L"count");
  }
  {
    vhost::DxfMemoryFiler g(db.get());
    startEntity(g);
    g.writeString(100, L"AcDbText");
    g.writeDouble(40, 1.0);
    g.writeString(100, L"AcDbAttribute");
    g.writeString(2, L"");
    refused(g, [] { return std::unique_ptr<AcDbAttribute>(new AcDbAttribute()); }, L"tag");
  }
  {
    AcDbTable t;
    t.setBlockTableRecord(blockId);
    t.setSize(2, 2);
    vhost::DxfMemoryFiler g(db.get());
    ASSERT_EQ(t.dxfOutFields(&g), Acad::eOk);
    for (resbuf* rb : g.groups())
      if (rb->restype == 175 && rb->resval.rint == 1) {
        rb->resval.rint = 5;  // the first cell claims five columns
        break;
      }
    refused(g, [] { return std::unique_ptr<AcDbTable>(new AcDbTable()); }, L"beyond");
  }
  {
    vhost::DxfMemoryFiler g(db.get());
    startEntity(g);
    g.writeString(100, L"AcDbModelerGeometry");
    g.writeInt16(70, 1);
    std::wstring header(L"VeskCAD-region 1"), broken(L"normal 0 0");
    for (std::wstring* s : {&header, &broken})
      for (wchar_t& c : *s)
        if (c != L' ') c = static_cast<wchar_t>(159 - c);
    g.writeString(1, header.c_str());
    g.writeString(1, broken.c_str());
    refused(g, [] { return std::unique_ptr<AcDbRegion>(new AcDbRegion()); }, L"normal");
  }
}

}  // namespace
