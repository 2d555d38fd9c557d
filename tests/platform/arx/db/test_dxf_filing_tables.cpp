// DXF filing of the symbol tables and their records.
#include <gtest/gtest.h>

#include <string>

#include "DbTestSupport.h"
#include "DxfFilingTestSupport.h"
#include "arx/db/AcDbDimStyleTable.h"
#include "arx/db/AcDbLinetypeTable.h"
#include "arx/db/AcDbTextStyleTable.h"
#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/entities/AcDbAttributeDefinition.h"

using dxftest::findGroup;
using dxftest::group;
using dxftest::groupReal;
using dxftest::readEdited;
using dxftest::readInto;
using vhost::DxfMemoryFiler;

namespace {

constexpr double kPi = 3.14159265358979323846;

AcDbObjectId addLinetype(AcDbDatabase& db, const ACHAR* name) {
  AcDbLinetypeTable* table = nullptr;
  EXPECT_EQ(db.getLinetypeTable(table, AcDb::kForWrite), Acad::eOk);
  auto* rec = new AcDbLinetypeTableRecord();
  rec->setName(name);
  AcDbObjectId id;
  EXPECT_EQ(table->add(id, rec), Acad::eOk);
  rec->close();
  table->close();
  return id;
}

int itemCount(const resbuf* rb) {
  int n = 0;
  for (; rb; rb = rb->rbnext) ++n;
  return n;
}

}  // namespace

TEST(DxfFilingTables, LayerRoundTripKeepsFieldsFlagsAndUnknownGroups) {
  AcDbDatabase db;
  const AcDbObjectId dashed = addLinetype(db, L"Dashed");
  AcDbLayerTableRecord layer;
  layer.setName(L"Trees");
  AcCmColor color;
  color.setRGB(10, 20, 30);
  color.setNames(L"Leaf", L"Garden");
  layer.setColor(color);
  layer.setIsOff(true);
  layer.setIsLocked(true);
  layer.setIsPlottable(false);
  layer.setLineWeight(AcDb::kLnWt035);
  layer.setLinetypeObjectId(dashed);

  DxfMemoryFiler out(&db);
  ASSERT_EQ(layer.dxfOutFields(&out), Acad::eOk);
  const ACHAR* sub = L"AcDbLayerTableRecord";
  EXPECT_EQ(findGroup(out, 70, sub)->resval.rint, 4);
  EXPECT_LT(findGroup(out, 62, sub)->resval.rint, 0);  // off
  EXPECT_EQ(findGroup(out, 420, sub)->resval.rlong, 0x0A141E);
  EXPECT_EQ(std::wstring(findGroup(out, 430, sub)->resval.rstring), L"Garden$Leaf");
  EXPECT_EQ(std::wstring(findGroup(out, 6, sub)->resval.rstring), L"Dashed");
  EXPECT_EQ(findGroup(out, 290, sub)->resval.rint, 0);

  AcDbLayerTableRecord back;
  ASSERT_EQ(readInto(back, out), Acad::eOk);
  EXPECT_EQ(back.vhostName(), L"Trees");
  EXPECT_EQ(back.color(), color);
  EXPECT_TRUE(back.isOff() && back.isLocked() && !back.isFrozen() && !back.isPlottable());
  EXPECT_EQ(back.lineWeight(), AcDb::kLnWt035);
  EXPECT_EQ(back.linetypeObjectId(), dashed);
  dxftest::expectRewrittenSame(back, out, &db, L"AcDbSymbolTableRecord");

  // Flag bits and groups the layer does not model come back as they were.
  AcDbLayerTableRecord kept;
  ASSERT_EQ(readEdited(db, out, {sub, {group(70, 1 | 2 | 64)}, {dxftest::groupId(390, dashed)}, {}}, kept), Acad::eOk);
  EXPECT_TRUE(kept.isFrozen());
  DxfMemoryFiler third(&db);
  ASSERT_EQ(kept.dxfOutFields(&third), Acad::eOk);
  EXPECT_EQ(findGroup(third, 70, sub)->resval.rint, 1 | 2 | 64);
  ASSERT_NE(findGroup(third, 390, sub), nullptr);
  EXPECT_EQ(vhost::dxfObjectId(*findGroup(third, 390, sub)), dashed);

  AcDbLayerTableRecord plain;  // no linetype group: continuous
  ASSERT_EQ(readEdited(db, out, {sub, {}, {}, {6}}, plain), Acad::eOk);
  EXPECT_EQ(plain.linetypeObjectId(), db.continuousLinetype());

  std::wstring message;
  AcDbLayerTableRecord a, b, c, d;
  EXPECT_EQ(readEdited(db, out, {sub, {group(62, 0)}, {}, {}}, a, &message), Acad::eBadDxfSequence);
  EXPECT_NE(message.find(L"62"), std::wstring::npos);
  EXPECT_EQ(readEdited(db, out, {sub, {group(370, 33)}, {}, {}}, b), Acad::eBadDxfSequence);
  EXPECT_EQ(readEdited(db, out, {sub, {group(6, L"Nowhere")}, {}, {}}, c, &message), Acad::eBadDxfSequence);
  EXPECT_NE(message.find(L"Nowhere"), std::wstring::npos);
  EXPECT_EQ(c.vhostName(), L"");  // nothing taken from a failed read
  EXPECT_EQ(readEdited(db, out, {sub, {}, {}, {2}}, d), Acad::eBadDxfSequence);
  AcDbLinetypeTableRecord wrongKind;
  EXPECT_EQ(readEdited(db, out, {sub, {}, {}, {}}, wrongKind, &message), Acad::eBadDxfSequence);
  EXPECT_NE(message.find(L"AcDbLinetypeTableRecord"), std::wstring::npos);
}

TEST(DxfFilingTables, LayerDescriptionAndTypefaceTravelAsExtendedData) {
  AcDbLayerTableRecord layer;
  EXPECT_EQ(layer.xData(), nullptr);
  layer.setDescription(L"street trees");
  resbuf* xd = layer.xData(L"ACAECLAYERSTANDARD");
  ASSERT_EQ(itemCount(xd), 3);
  EXPECT_EQ(std::wstring(xd->rbnext->rbnext->resval.rstring), L"street trees");
  EXPECT_EQ(layer.xData(L"OTHER"), nullptr);
  acutRelRb(xd);

  // Taken back from setXData, next to ordinary extended data.
  resbuf* chain = acutBuildList(1001, L"VESK", 1000, L"kept", 1001, L"AcAecLayerStandard", 1000, L"", 1000,
                                L"street trees", 1000, L"more", 0);
  AcDbLayerTableRecord back;
  ASSERT_EQ(back.setXData(chain), Acad::eOk);
  acutRelRb(chain);
  std::wstring text;
  back.description(text);
  EXPECT_EQ(text, L"street trees");
  xd = back.xData();
  EXPECT_EQ(itemCount(xd), 6);  // VESK and its item, then the description section with "more" after it
  acutRelRb(xd);

  // In a database, only once the application is registered there.
  AcDbDatabase db;
  AcDbLayerTableRecord* roads = nullptr;
  ASSERT_EQ(acdbOpenObject(roads, dbtest::addLayer(&db, L"Roads"), AcDb::kForWrite), Acad::eOk);
  roads->setDescription(L"main roads");
  EXPECT_EQ(roads->xData(), nullptr);
  dbtest::registerApp(&db, L"AcAecLayerStandard");
  xd = roads->xData();
  EXPECT_EQ(itemCount(xd), 3);
  acutRelRb(xd);
  roads->close();

  // A text style's TrueType font is "ACAD" data: typeface and packed flags.
  AcDbTextStyleTableRecord style;
  EXPECT_EQ(style.xData(), nullptr);
  ASSERT_EQ(style.setFont(L"SimSun", true, false, 134, 2), Acad::eOk);
  xd = style.xData(L"ACAD");
  ASSERT_EQ(itemCount(xd), 3);
  EXPECT_EQ(std::wstring(xd->rbnext->resval.rstring), L"SimSun");
  EXPECT_EQ(xd->rbnext->rbnext->resval.rlong, 0x2000000 | (134 << 8) | 2);
  AcDbTextStyleTableRecord styleBack;
  ASSERT_EQ(styleBack.setXData(xd), Acad::eOk);
  acutRelRb(xd);
  ACHAR* typeface = nullptr;
  bool bold = false, italic = true;
  int charset = 0, pitch = 0;
  styleBack.font(typeface, bold, italic, charset, pitch);
  EXPECT_EQ(std::wstring(typeface), L"SimSun");
  EXPECT_TRUE(bold && !italic && charset == 134 && pitch == 2);
  delete[] typeface;
  // Other "ACAD" data stays ordinary extended data after the font.
  chain = acutBuildList(1001, L"ACAD", 1070, 5, 0);
  ASSERT_EQ(styleBack.setXData(chain), Acad::eOk);
  acutRelRb(chain);
  xd = styleBack.xData(L"ACAD");
  EXPECT_EQ(itemCount(xd), 4);
  acutRelRb(xd);
}

TEST(DxfFilingTables, LinetypeRoundTripAndDashCountChecks) {
  AcDbDatabase db;
  const AcDbObjectId standard = db.textStyleId(L"Standard");
  AcDbLinetypeTableRecord fence;
  fence.setName(L"Fence");
  fence.setComments(L"-- X -- o --");
  fence.setPatternLength(2.0);
  fence.setNumDashes(4);
  fence.setDashLengthAt(0, 0.5);
  fence.setDashLengthAt(1, -0.25);
  fence.setTextAt(2, L"X");
  fence.setShapeStyleAt(2, standard);
  fence.setShapeRotationAt(2, 0.3);
  fence.setShapeOffsetAt(2, AcGeVector2d(-0.1, -0.05));
  fence.setShapeIsUcsOrientedAt(2, true);
  fence.setShapeNumberAt(3, 132);
  fence.setShapeStyleAt(3, standard);
  fence.setShapeScaleAt(3, 0.2);

  DxfMemoryFiler out(&db);
  ASSERT_EQ(fence.dxfOutFields(&out), Acad::eOk);
  EXPECT_EQ(findGroup(out, 73)->resval.rint, 4);
  EXPECT_EQ(dxftest::countGroups(out, 49), 4);
  EXPECT_EQ(dxftest::countGroups(out, 340), 2);  // only dashes with a shape or text
  AcDbLinetypeTableRecord back;
  ASSERT_EQ(readInto(back, out), Acad::eOk);
  ASSERT_EQ(back.numDashes(), 4);
  const ACHAR* text = nullptr;
  back.textAt(2, text);
  EXPECT_EQ(std::wstring(text), L"X");
  EXPECT_EQ(back.shapeStyleAt(2), standard);
  EXPECT_TRUE(back.shapeIsUcsOrientedAt(2));
  EXPECT_EQ(back.shapeOffsetAt(2).y, -0.05);
  EXPECT_EQ(back.shapeNumberAt(3), 132);
  dxftest::expectRewrittenSame(back, out, &db, L"AcDbSymbolTableRecord");

  const ACHAR* sub = L"AcDbLinetypeTableRecord";
  std::wstring message;
  AcDbLinetypeTableRecord a, b, c, d, e;
  EXPECT_EQ(readEdited(db, out, {sub, {group(73, 5)}, {}, {}}, a, &message), Acad::eBadDxfSequence);
  EXPECT_NE(message.find(L"declares 5"), std::wstring::npos);
  EXPECT_EQ(readEdited(db, out, {sub, {group(73, 2)}, {}, {}}, b, &message), Acad::eBadDxfSequence);
  EXPECT_NE(message.find(L"more dashes"), std::wstring::npos);
  EXPECT_EQ(readEdited(db, out, {sub, {group(73, 13)}, {}, {}}, c), Acad::eBadDxfSequence);
  EXPECT_EQ(readEdited(db, out, {sub, {groupReal(40, -1.0)}, {}, {}}, d), Acad::eBadDxfSequence);
  EXPECT_EQ(readEdited(db, out, {sub, {}, {group(74, 2)}, {}}, e, &message), Acad::eBadDxfSequence);
  EXPECT_NE(message.find(L"before the first dash"), std::wstring::npos);
}

TEST(DxfFilingTables, TextStyleRoundTripAndChecks) {
  AcDbDatabase db;
  AcDbTextStyleTableRecord notes;
  notes.setName(L"Notes");
  notes.setFileName(L"simplex.shx");
  notes.setBigFontFileName(L"gbcbig.shx");
  notes.setTextSize(2.5);
  notes.setXScale(0.8);
  notes.setObliquingAngle(15.0 * kPi / 180.0);
  notes.setIsVertical(true);
  notes.setFlagBits(2);
  DxfMemoryFiler out(&db);
  ASSERT_EQ(notes.dxfOutFields(&out), Acad::eOk);
  EXPECT_NEAR(findGroup(out, 50)->resval.rreal, 15.0, 1e-12);  // degrees in drawing files
  EXPECT_EQ(findGroup(out, 70)->resval.rint, 4);

  AcDbTextStyleTableRecord back;
  ASSERT_EQ(readInto(back, out), Acad::eOk);
  EXPECT_EQ(back.textSize(), 2.5);
  EXPECT_NEAR(back.obliquingAngle(), 15.0 * kPi / 180.0, 1e-12);
  EXPECT_TRUE(back.isVertical());
  EXPECT_EQ(back.flagBits(), 2);
  dxftest::expectRewrittenSame(back, out, &db, L"AcDbSymbolTableRecord");

  AcDbTextStyleTableRecord shapes, shapesBack;  // shape files go without a name
  shapes.setIsShapeFile(true);
  DxfMemoryFiler shapeOut(&db);
  ASSERT_EQ(shapes.dxfOutFields(&shapeOut), Acad::eOk);
  ASSERT_EQ(readInto(shapesBack, shapeOut), Acad::eOk);
  EXPECT_TRUE(shapesBack.isShapeFile());

  const ACHAR* sub = L"AcDbTextStyleTableRecord";
  std::wstring message;
  AcDbTextStyleTableRecord a, b, c, d, e;
  EXPECT_EQ(readEdited(db, out, {sub, {groupReal(40, -2.5)}, {}, {}}, a, &message), Acad::eBadDxfSequence);
  EXPECT_NE(message.find(L"negative"), std::wstring::npos);
  EXPECT_EQ(readEdited(db, out, {sub, {groupReal(41, 0.0)}, {}, {}}, b), Acad::eBadDxfSequence);
  EXPECT_EQ(readEdited(db, out, {sub, {groupReal(50, 90.0)}, {}, {}}, c), Acad::eBadDxfSequence);
  EXPECT_EQ(readEdited(db, out, {sub, {group(71, 8)}, {}, {}}, d), Acad::eBadDxfSequence);
  EXPECT_EQ(readEdited(db, out, {sub, {group(2, L"")}, {}, {}}, e), Acad::eBadDxfSequence);
}

TEST(DxfFilingTables, DimStyleRoundTripChecksAndHandleGroup) {
  AcDbDatabase db;
  const AcDbObjectId standard = db.textStyleId(L"Standard");
  AcDbDimStyleTableRecord plan;
  plan.setName(L"Plan");
  plan.setDimscale(100.0);
  plan.setDimasz(3.0);
  plan.setDimexo(1.0);
  plan.setDimtxt(3.5);
  plan.setDimgap(-1.0);
  plan.setDimdec(1);
  AcCmColor red, byLayer;
  red.setColorIndex(1);
  byLayer.setByLayer();
  plan.setDimclrd(red);
  plan.setDimclre(byLayer);
  plan.setDimtxsty(standard);
  DxfMemoryFiler out(&db);
  ASSERT_EQ(plan.dxfOutFields(&out), Acad::eOk);
  EXPECT_EQ(findGroup(out, 177)->resval.rint, 256);
  EXPECT_EQ(findGroup(out, 178)->resval.rint, 0);  // ByBlock

  AcDbDimStyleTableRecord back;
  ASSERT_EQ(readEdited(db, out, {L"AcDbDimStyleTableRecord", {}, {group(3, L"<> m")}, {}}, back), Acad::eOk);
  EXPECT_EQ(back.dimscale(), 100.0);
  EXPECT_EQ(back.dimtxt(), 3.5);
  EXPECT_EQ(back.dimgap(), -1.0);
  EXPECT_EQ(back.dimdec(), 1);
  EXPECT_EQ(back.dimclrd(), red);
  EXPECT_TRUE(back.dimclre().isByLayer());
  EXPECT_EQ(back.dimtxsty(), standard);
  DxfMemoryFiler again(&db);
  ASSERT_EQ(back.dxfOutFields(&again), Acad::eOk);
  ASSERT_NE(findGroup(again, 3), nullptr);  // DIMPOST: not modelled, kept
  EXPECT_EQ(std::wstring(findGroup(again, 3)->resval.rstring), L"<> m");

  const ACHAR* sub = L"AcDbDimStyleTableRecord";
  AcDbDimStyleTableRecord a, b, c;
  EXPECT_EQ(readEdited(db, out, {sub, {group(271, 9)}, {}, {}}, a), Acad::eBadDxfSequence);
  EXPECT_EQ(readEdited(db, out, {sub, {groupReal(140, 0.0)}, {}, {}}, b), Acad::eBadDxfSequence);
  EXPECT_EQ(readEdited(db, out, {sub, {group(176, 300)}, {}, {}}, c), Acad::eBadDxfSequence);

  EXPECT_EQ(vhost::dxfHandleCode(&plan), 105);
  AcDbLayerTableRecord layer;
  EXPECT_EQ(vhost::dxfHandleCode(&layer), 5);
}

TEST(DxfFilingTables, TablesAndApplicationsWriteCountsAndNames) {
  AcDbDatabase db;
  addLinetype(db, L"Dashed");
  AcDbLinetypeTable* linetypes = nullptr;
  ASSERT_EQ(db.getLinetypeTable(linetypes, AcDb::kForRead), Acad::eOk);
  DxfMemoryFiler out(&db);
  ASSERT_EQ(linetypes->dxfOutFields(&out), Acad::eOk);
  EXPECT_EQ(findGroup(out, 70, L"AcDbSymbolTable")->resval.rint, 4);  // ByBlock, ByLayer, Continuous, Dashed
  EXPECT_EQ(vhost::dxfTableName(linetypes), L"LTYPE");
  linetypes->close();

  AcDbDimStyleTable* dimStyles = nullptr;
  ASSERT_EQ(db.getDimStyleTable(dimStyles, AcDb::kForRead), Acad::eOk);
  DxfMemoryFiler dims(&db);
  ASSERT_EQ(dimStyles->dxfOutFields(&dims), Acad::eOk);
  EXPECT_EQ(findGroup(dims, 71, L"AcDbDimStyleTable")->resval.rint, 1);
  ASSERT_EQ(dxftest::countGroups(dims, 340), 1);
  EXPECT_EQ(vhost::dxfObjectId(*findGroup(dims, 340)), dimStyles->vhostRecordIds().front());
  dimStyles->close();
  AcDbBlockTable blocks;
  EXPECT_EQ(vhost::dxfTableName(&blocks), L"BLOCK_RECORD");

  AcDbRegAppTableRecord app, appBack;
  app.setName(L"VESKCAD");
  DxfMemoryFiler appOut(&db);
  ASSERT_EQ(app.dxfOutFields(&appOut), Acad::eOk);
  ASSERT_EQ(readEdited(db, appOut, {L"AcDbRegAppTableRecord", {group(70, 64)}, {}, {}}, appBack), Acad::eOk);
  EXPECT_EQ(appBack.vhostName(), L"VESKCAD");
  DxfMemoryFiler appAgain(&db);
  appBack.dxfOutFields(&appAgain);
  EXPECT_EQ(findGroup(appAgain, 70)->resval.rint, 64);
}

TEST(DxfFilingTables, BlockRecordAndBlockBegin) {
  AcDbDatabase db;
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(db.getBlockTable(table, AcDb::kForWrite), Acad::eOk);
  auto* tree = new AcDbBlockTableRecord();
  tree->setName(L"Tree");
  tree->setOrigin(AcGePoint3d(1, 2, 0));
  tree->setComments(L"a street tree");
  tree->setBlockInsertUnits(AcDb::kUnitsMeters);
  tree->setExplodable(false);
  AcDbObjectId treeId;
  ASSERT_EQ(table->add(treeId, tree), Acad::eOk);
  table->close();
  auto* tag = new AcDbAttributeDefinition(AcGePoint3d(0, 0, 0), L"oak", L"KIND", L"Kind?");
  ASSERT_EQ(tree->appendAcDbEntity(tag), Acad::eOk);
  tag->close();

  DxfMemoryFiler out(&db);
  ASSERT_EQ(tree->dxfOutFields(&out), Acad::eOk);
  const ACHAR* sub = L"AcDbBlockTableRecord";
  EXPECT_EQ(findGroup(out, 70, sub)->resval.rint, AcDb::kUnitsMeters);
  EXPECT_EQ(findGroup(out, 280, sub)->resval.rint, 0);
  // A preview is kept, the host's reference list dropped, units beyond the
  // modelled ones kept as read.
  ads_binary preview{3, const_cast<char*>("\x01\x02\x03")};
  AcDbBlockTableRecord back;
  ASSERT_EQ(readEdited(db, out,
                       {sub,
                        {group(70, 14)},
                        {acutBuildList(310, &preview, 0), group(102, L"{BLKREFS"), dxftest::groupId(331, treeId),
                         group(102, L"}")},
                        {}},
                       back),
            Acad::eOk);
  EXPECT_EQ(back.vhostName(), L"Tree");
  EXPECT_FALSE(back.explodable());
  EXPECT_EQ(back.blockInsertUnits(), AcDb::kUnitsUndefined);
  DxfMemoryFiler again(&db);
  ASSERT_EQ(back.dxfOutFields(&again), Acad::eOk);
  EXPECT_EQ(findGroup(again, 70, sub)->resval.rint, 14);
  ASSERT_NE(findGroup(again, 310, sub), nullptr);
  EXPECT_EQ(dxftest::countGroups(again, 331), 0);

  // The BLOCK entity's groups; a drawing without block records names the record there.
  DxfMemoryFiler begin(&db);
  ASSERT_EQ(tree->vhostDxfOutBlockBegin(&begin), Acad::eOk);
  EXPECT_EQ(findGroup(begin, 70)->resval.rint, 2);  // has attribute definitions
  AcDbBlockTableRecord r12;
  ASSERT_EQ(r12.vhostDxfInBlockBegin(&begin), Acad::eOk);
  EXPECT_EQ(r12.vhostName(), L"Tree");
  EXPECT_EQ(r12.origin(), AcGePoint3d(1, 2, 0));
  EXPECT_FALSE(r12.isAnonymous());

  DxfMemoryFiler anonymous(&db);
  dxftest::copyEdited(begin, anonymous, {L"AcDbBlockBegin", {group(70, 1 | 64)}, {}, {}});
  AcDbBlockTableRecord other, named;
  other.setName(L"*D4");
  EXPECT_EQ(other.vhostDxfInBlockBegin(&anonymous), Acad::eBadDxfSequence);  // "Tree" is not *D4
  named.setName(L"tree");                                                    // names ignore case
  anonymous.rewind();
  anonymous.resetFilerStatus();
  ASSERT_EQ(named.vhostDxfInBlockBegin(&anonymous), Acad::eOk);
  EXPECT_TRUE(named.isAnonymous());
  EXPECT_EQ(named.vhostDxfBlockFlags(), 1 | 64);
  tree->close();
}
