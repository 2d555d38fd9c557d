// Tables: sizes, merges that follow inserted and deleted rows, row heights
// that grow with their texts, styles, the drawn block, and transforms.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbMText.h"
#include "arx/entities/AcDbTable.h"
#include "arx/entities/AcDbTableStyle.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeMatrix3d.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

std::wstring take(ACHAR* s) {
  std::wstring out(s);
  delete[] s;
  return out;
}

struct Range {
  int r0 = -1, r1 = -1, c0 = -1, c1 = -1;
};
Range mergedRange(const AcDbTable& t, int row, int col) {
  Range m;
  if (!t.isMergedCell(row, col, &m.r0, &m.r1, &m.c0, &m.c1)) return Range();
  return m;
}

}  // namespace

TEST(AnnotationTable, SizesRowTypesAndMerges) {
  AcDbTable t;
  ASSERT_EQ(t.setSize(5, 3), Acad::eOk);
  EXPECT_EQ(t.numRows(), 5);
  EXPECT_EQ(t.numColumns(), 3);
  // With a title the first row is the title, merged across; then the header.
  EXPECT_EQ(t.rowType(0), AcDb::kTitleRow);
  EXPECT_EQ(t.rowType(1), AcDb::kHeaderRow);
  EXPECT_EQ(t.rowType(2), AcDb::kDataRow);
  Range title = mergedRange(t, 0, 2);
  EXPECT_EQ(title.c0, 0);
  EXPECT_EQ(title.c1, 2);
  EXPECT_NEAR(t.textHeight(0, 0), 6.0, 1e-12);
  EXPECT_NEAR(t.textHeight(3, 1), 4.5, 1e-12);
  // Without a title the first row is the header and nothing stays merged.
  t.suppressTitleRow(true);
  EXPECT_EQ(t.rowType(0), AcDb::kHeaderRow);
  EXPECT_FALSE(t.isMergedCell(0, 1));

  ASSERT_EQ(t.mergeCells(2, 3, 0, 1), Acad::eOk);
  EXPECT_EQ(t.mergeCells(3, 4, 1, 2), Acad::eInvalidInput);  // overlaps
  EXPECT_EQ(t.mergeCells(1, 1, 1, 1), Acad::eInvalidInput);  // one cell
  EXPECT_EQ(t.mergeCells(4, 5, 0, 0), Acad::eInvalidInput);  // outside
  Range m = mergedRange(t, 3, 1);
  EXPECT_EQ(m.r0, 2);
  EXPECT_EQ(m.r1, 3);
  EXPECT_EQ(m.c1, 1);
  EXPECT_FALSE(t.isMergedCell(3, 2));

  // Rows inserted above move the range; inside it they stretch it.
  ASSERT_EQ(t.insertRows(1, 10.0, 2), Acad::eOk);
  EXPECT_EQ(mergedRange(t, 4, 0).r0, 4);
  ASSERT_EQ(t.insertRows(5, 10.0), Acad::eOk);
  EXPECT_EQ(mergedRange(t, 4, 0).r1, 6);
  EXPECT_EQ(t.numRows(), 8);
  // Deleting rows of the range shrinks it; down to one row it stays merged across columns.
  ASSERT_EQ(t.deleteRows(5, 2), Acad::eOk);
  m = mergedRange(t, 4, 1);
  EXPECT_EQ(m.r0, 4);
  EXPECT_EQ(m.r1, 4);
  EXPECT_EQ(m.c1, 1);
  // A deleted column shrinks it to a single cell, which is no merge.
  ASSERT_EQ(t.deleteColumns(0), Acad::eOk);
  EXPECT_FALSE(t.isMergedCell(4, 0));
  EXPECT_EQ(t.numColumns(), 2);
  ASSERT_EQ(t.insertColumns(2, 30.0), Acad::eOk);
  EXPECT_NEAR(t.columnWidth(2), 30.0, 1e-12);
  ASSERT_EQ(t.mergeCells(0, 1, 1, 2), Acad::eOk);
  ASSERT_EQ(t.unmergeCells(1, 1, 2, 2), Acad::eOk);
  EXPECT_FALSE(t.isMergedCell(0, 1));
  EXPECT_EQ(t.deleteRows(0, t.numRows()), Acad::eInvalidInput);
  EXPECT_EQ(t.insertRows(0, -1.0), Acad::eInvalidInput);
  EXPECT_EQ(t.setTextString(99, 0, L"x"), Acad::eInvalidIndex);
}

TEST(AnnotationTable, TextsAndHeights) {
  AcDbTable t;
  t.suppressTitleRow(true);
  t.setSize(3, 2);
  t.setColumnWidth(20.0);
  ASSERT_EQ(t.setTextString(1, 0, L"{\\fArial|b1;Name}\\PSecond"), Acad::eOk);
  EXPECT_EQ(take(t.textString(1, 0)), L"{\\fArial|b1;Name}\\PSecond");
  EXPECT_EQ(take(t.textString(1, 0, AcValue::kIgnoreMtextFormat)), L"Name\nSecond");
  // Rows are at least their texts' height plus the margins (4.5 + 2 × 1.5).
  t.setRowHeight(1.0);
  EXPECT_NEAR(t.rowHeight(0), 7.5, 1e-12);
  // Two lines: 4.5 + 5/3 × 4.5 + 3.
  EXPECT_NEAR(t.rowHeight(1), 4.5 + 7.5 + 3.0, 1e-9);
  // A long text wraps in its 20-wide column (17 inside the margins: three characters a line).
  t.setTextString(2, 1, L"abc def ghi");
  EXPECT_NEAR(t.rowHeight(2), 4.5 + 2 * 7.5 + 3.0, 1e-9);
  t.setRowHeight(2, 40.0);
  EXPECT_NEAR(t.rowHeight(2), 40.0, 1e-12);
  EXPECT_NEAR(t.height(), 7.5 + 15.0 + 40.0, 1e-9);
  EXPECT_NEAR(t.width(), 40.0, 1e-12);
  ASSERT_EQ(t.setWidth(100.0), Acad::eOk);
  EXPECT_NEAR(t.columnWidth(1), 50.0, 1e-12);

  // Overrides per cell and per row type.
  t.setTextHeight(2.0, AcDb::kDataRow);
  EXPECT_NEAR(t.textHeight(2, 0), 2.0, 1e-12);
  EXPECT_NEAR(t.textHeight(0, 0), 4.5, 1e-12);
  t.setAlignment(2, 1, AcDb::kBottomRight);
  EXPECT_EQ(t.alignment(2, 1), AcDb::kBottomRight);
  EXPECT_EQ(t.alignment(2, 0), AcDb::kTopCenter);
  EXPECT_EQ(t.cellType(0, 0), AcDb::kTextCell);
  EXPECT_EQ(t.setRowHeight(0, 0.0), Acad::eInvalidInput);

  // Cell corners: the table hangs down from its position.
  t.setPosition(AcGePoint3d(10, 10, 0));
  AcGePoint3dArray pts;
  ASSERT_EQ(t.getCellExtents(1, 1, true, pts), Acad::eOk);
  EXPECT_TRUE(pts[0].isEqualTo(AcGePoint3d(60, 2.5, 0)));
  EXPECT_TRUE(pts[3].isEqualTo(AcGePoint3d(110, 2.5 - t.rowHeight(1), 0)));

  // A quarter turn with a double scale: sizes and text heights double.
  ASSERT_EQ(t.transformBy(AcGeMatrix3d::rotation(kPi / 2, AcGeVector3d::kZAxis) * AcGeMatrix3d::scaling(2.0)),
            Acad::eOk);
  EXPECT_TRUE(t.position().isEqualTo(AcGePoint3d(-20, 20, 0)));
  EXPECT_TRUE(t.direction().isEqualTo(AcGeVector3d::kYAxis));
  EXPECT_NEAR(t.width(), 200.0, 1e-9);
  EXPECT_NEAR(t.textHeight(2, 0), 4.0, 1e-12);
  EXPECT_NEAR(t.vertCellMargin(), 3.0, 1e-12);
  AcDbExtents ext;
  ASSERT_EQ(t.getGeomExtents(ext), Acad::eOk);
  EXPECT_NEAR(ext.maxPoint().x, -20.0 + t.height(), 1e-9);
  EXPECT_NEAR(ext.maxPoint().y, 220.0, 1e-9);
  AcGeMatrix3d stretch;
  stretch(1, 1) = 3.0;
  EXPECT_EQ(t.transformBy(stretch), Acad::eCannotScaleNonUniformly);
}

TEST(AnnotationTable, StyleAndBlockInADrawing) {
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase());
  auto* style = new AcDbTableStyle();
  style->setTextHeight(2.5, AcDb::kDataRow | AcDb::kHeaderRow);
  style->setTextHeight(3.5, AcDb::kTitleRow);
  style->setHorzCellMargin(1.0);
  style->setVertCellMargin(0.5);
  style->setAlignment(AcDb::kMiddleLeft, AcDb::kDataRow);
  AcDbObjectId styleId;
  ASSERT_EQ(style->postTableStyleToDb(db.get(), L"Parcels", styleId), Acad::eOk);
  style->close();
  AcDbTableStyle other;
  AcDbObjectId dup;
  EXPECT_EQ(other.postTableStyleToDb(db.get(), L"PARCELS", dup), Acad::eDuplicateKey);
  AcDbTableStyle* named = nullptr;
  ASSERT_EQ(acdbOpenObject(named, styleId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(take([&] {
              ACHAR* n = nullptr;
              named->getName(n);
              return n;
            }()),
            L"Parcels");
  named->close();

  auto* t = new AcDbTable();
  ASSERT_EQ(t->setTableStyle(styleId), Acad::eOk);
  t->setSize(3, 2);
  t->setTextString(0, 0, L"Parcels");
  t->setTextString(1, 0, L"Id");
  t->setTextString(2, 0, L"P-1");
  EXPECT_NEAR(t->textHeight(2, 1), 2.5, 1e-12);
  EXPECT_NEAR(t->rowHeight(2), 3.5, 1e-12);
  EXPECT_EQ(t->alignment(2, 0), AcDb::kMiddleLeft);
  AcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  AcDbObjectId tableId;
  ASSERT_EQ(ms->appendAcDbEntity(tableId, t), Acad::eOk);
  ms->close();
  t->close();

  // Closing drew the table into an anonymous block: the title row has no inner
  // vertical line, so 3 × 2 + 4 horizontal pieces... count what is there.
  AcDbTable* r = nullptr;
  ASSERT_EQ(acdbOpenObject(r, tableId, AcDb::kForRead), Acad::eOk);
  const AcDbObjectId blockId = r->blockTableRecord();
  ASSERT_FALSE(blockId.isNull());
  AcDbVoidPtrArray pieces;
  ASSERT_EQ(r->explode(pieces), Acad::eOk);
  r->close();
  int lines = 0, texts = 0;
  for (void* p : pieces) {
    auto* e = static_cast<AcDbEntity*>(p);
    if (AcDbLine::cast(e)) ++lines;
    if (AcDbMText::cast(e)) ++texts;
    delete e;
  }
  // Horizontal: 4 boundaries × 2 columns; vertical: 3 boundaries × 3 rows less the title's inner one.
  EXPECT_EQ(lines, 8 + 8);
  EXPECT_EQ(texts, 3);
  AcDbBlockTableRecord* block = nullptr;
  ASSERT_EQ(acdbOpenObject(block, blockId, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(block->isAnonymous());
  int inBlock = 0;
  for (AcDbObjectId id : block->vhostEntityIds())
    if (!id.isErased()) ++inBlock;
  EXPECT_EQ(inBlock, 19);
  block->close();

  // Editing rebuilds the same block on close.
  AcDbTable* w = nullptr;
  ASSERT_EQ(acdbOpenObject(w, tableId, AcDb::kForWrite), Acad::eOk);
  w->setTextString(2, 1, L"100.5");
  w->close();
  ASSERT_EQ(acdbOpenObject(r, tableId, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(r->blockTableRecord(), blockId);
  r->close();
  ASSERT_EQ(acdbOpenObject(block, blockId, AcDb::kForRead), Acad::eOk);
  inBlock = 0;
  for (AcDbObjectId id : block->vhostEntityIds())
    if (!id.isErased()) ++inBlock;
  EXPECT_EQ(inBlock, 20);
  block->close();
}
