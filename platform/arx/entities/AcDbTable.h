#pragma once
// Tables: a grid of cells placed like a block reference. Each cell has a
// text (multiline-text contents), and may override its row type's text
// style, text height and alignment; ranges of cells can be merged. Row
// heights never fall below what their texts need (the texts wrap in their
// column). The drawn form is an anonymous "*T" block of lines and
// multiline texts (recomputeTableBlock; also done when a changed table in a
// database is closed).
//
// Placement: the position is the top-left corner (bottom-left when the
// table flows bottom to top); columns run along direction(), rows across it.
#include <string>
#include <vector>

#include "arx/entities/AcDbBlockReference.h"
#include "arx/entities/AcDbTableStyle.h"
#include "arx/entities/AcValue.h"

class AcDbTable : public AcDbBlockReference {
 public:
  ACRX_DECLARE_MEMBERS(AcDbTable);
  AcDbTable();
  ~AcDbTable() override;

  // --- style and placement
  AcDbObjectId tableStyle() const;
  // An AcDbTableStyle (eWrongObjectType otherwise); null for the defaults.
  Acad::ErrorStatus setTableStyle(const AcDbObjectId& id);
  AcGeVector3d direction() const;
  Acad::ErrorStatus setDirection(const AcGeVector3d& horizVector);
  AcDb::FlowDirection flowDirection() const;
  Acad::ErrorStatus setFlowDirection(AcDb::FlowDirection direction);
  double horzCellMargin() const;
  Acad::ErrorStatus setHorzCellMargin(double margin);
  double vertCellMargin() const;
  Acad::ErrorStatus setVertCellMargin(double margin);
  bool isTitleSuppressed() const;
  Acad::ErrorStatus suppressTitleRow(bool value);
  bool isHeaderSuppressed() const;
  Acad::ErrorStatus suppressHeaderRow(bool value);

  // --- size
  int numRows() const;
  Acad::ErrorStatus setNumRows(int rows);
  int numColumns() const;
  Acad::ErrorStatus setNumColumns(int columns);
  // New rows and columns take the default height and width; merges that no
  // longer fit are dropped.
  Acad::ErrorStatus setSize(int rows, int columns);
  Acad::ErrorStatus insertRows(int row, double height, int rows = 1);
  Acad::ErrorStatus insertColumns(int col, double width, int cols = 1);
  Acad::ErrorStatus deleteRows(int row, int rows = 1);
  Acad::ErrorStatus deleteColumns(int col, int cols = 1);
  // The height drawn: the height set, or what the row's texts need if more.
  double rowHeight(int row) const;
  Acad::ErrorStatus setRowHeight(int row, double height);  // > 0
  Acad::ErrorStatus setRowHeight(double height);
  double minimumRowHeight(int row) const;
  double columnWidth(int col) const;
  Acad::ErrorStatus setColumnWidth(int col, double width);  // > 0
  Acad::ErrorStatus setColumnWidth(double width);
  double width() const;
  double height() const;
  // Stretches all columns (rows) in proportion.
  Acad::ErrorStatus setWidth(double width);
  Acad::ErrorStatus setHeight(double height);
  AcDb::RowType rowType(int row) const;

  // --- cells (eInvalidIndex outside the table)
  AcDb::CellType cellType(int row, int col) const;
  Acad::ErrorStatus setCellType(int row, int col, AcDb::CellType type);
  // new[] copies for the caller to free with delete[]; with
  // kIgnoreMtextFormat the text comes without format codes.
  ACHAR* textString(int row, int col) const;
  ACHAR* textString(int row, int col, AcValue::FormatOption option) const;
  Acad::ErrorStatus setTextString(int row, int col, const ACHAR* text);
  AcDbObjectId textStyle(int row, int col) const;
  Acad::ErrorStatus setTextStyle(int row, int col, const AcDbObjectId& id);
  Acad::ErrorStatus setTextStyle(const AcDbObjectId& id, int rowTypes = AcDb::kAllRows);
  double textHeight(int row, int col) const;
  Acad::ErrorStatus setTextHeight(int row, int col, double height);
  Acad::ErrorStatus setTextHeight(double height, int rowTypes = AcDb::kAllRows);
  AcDb::CellAlignment alignment(int row, int col) const;
  Acad::ErrorStatus setAlignment(int row, int col, AcDb::CellAlignment alignment);
  Acad::ErrorStatus setAlignment(AcDb::CellAlignment alignment, int rowTypes = AcDb::kAllRows);
  // The corners of a cell (the merged range of a merged cell) in the
  // drawing: top left, top right, bottom left, bottom right; isOuterCell
  // false takes the margins off.
  Acad::ErrorStatus getCellExtents(int row, int col, bool isOuterCell, AcGePoint3dArray& pts) const;

  // --- merging
  // eInvalidInput for a range outside the table, of one cell, or that
  // overlaps another merged range. The top-left cell's content shows.
  Acad::ErrorStatus mergeCells(int minRow, int maxRow, int minCol, int maxCol);
  // Takes apart every merged range that touches the given range.
  Acad::ErrorStatus unmergeCells(int minRow, int maxRow, int minCol, int maxCol);
  bool isMergedCell(int row, int col, int* minRow = nullptr, int* maxRow = nullptr, int* minCol = nullptr,
                    int* maxCol = nullptr) const;

  // --- drawing
  Acad::ErrorStatus generateLayout();
  // Builds (or rebuilds) the table's block; the table must be in a database
  // (eNoDatabase) and open for write.
  Acad::ErrorStatus recomputeTableBlock(bool forceUpdate = true);

  // --- entity protocol
  // Lines and multiline texts in the drawing.
  Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  // Moves, rotations and uniform scales (sizes, margins and text heights
  // scale); a mirror keeps the table readable.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  Acad::ErrorStatus getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& ent) const override;
  AcRxObject* clone() const override;
  bool treatAsAcDbBlockRefForExplode() const override { return false; }

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // ACAD_TABLE: the AcDbBlockReference groups, then "100 AcDbTable": 280
  // version, 342 style, 343 the table's block, 11 direction, 90 value flag,
  // 91 rows, 92 columns, 93-96 override and border flags, 141 row heights,
  // 142 column widths, then per cell (row by row) 171 type, 172 flag, 173
  // merged (a cell covered by a merge), 174 autofit, 175/176 merge size in
  // columns and rows (at the merge's top-left cell), 91 overrides (0x01
  // alignment, 0x10 text style, 0x20 text height), 178 virtual edge, 145
  // rotation, the text in 2 ... 1 chunks, 7 text style by name, 140 text
  // height, 170 alignment; then the table's own overrides 70 flow, 40/41
  // margins, 280/281 title and header suppressed. Cell value blocks (301
  // CELL_VALUE ... 304 ACVALUE_END) and other groups of other writers are
  // skipped; a table read from a file writes its groups back exactly as
  // read for as long as nothing it models changes. A block read with the
  // table is used as it is (not rebuilt) until the table changes.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  Acad::ErrorStatus subClose() override;

 private:
  struct Cell {
    std::wstring text;
    double textHeight = 0.0;  // 0: the row type's
    AcDbObjectId textStyle;   // null: the row type's
    Adesk::Int16 alignment = 0;  // 0: the row type's
    Adesk::Int16 type = AcDb::kTextCell;
  };
  struct Range {
    int minRow, maxRow, minCol, maxCol;
    bool contains(int r, int c) const { return r >= minRow && r <= maxRow && c >= minCol && c <= maxCol; }
  };
  struct StyleValues {
    double textHeight[3];
    AcDbObjectId textStyle[3];
    Adesk::Int16 alignment[3];
    double horzMargin, vertMargin;
    bool titleSuppressed, headerSuppressed;
    Adesk::Int16 flow;
  };
  StyleValues styleValues() const;
  static int slot(AcDb::RowType type);
  AcDb::RowType rowTypeOf(const StyleValues& sv, int row) const;
  bool validCell(int row, int col) const;
  Cell& cell(int row, int col) { return mCells[static_cast<size_t>(row) * mCols.size() + static_cast<size_t>(col)]; }
  const Cell& cell(int row, int col) const {
    return mCells[static_cast<size_t>(row) * mCols.size() + static_cast<size_t>(col)];
  }
  double effectiveTextHeight(const StyleValues& sv, int row, int col) const;
  AcDb::CellAlignment effectiveAlignment(const StyleValues& sv, int row, int col) const;
  AcDbObjectId effectiveTextStyle(const StyleValues& sv, int row, int col) const;
  double effectiveRowHeight(const StyleValues& sv, int row) const;
  double minimumRowHeightOf(const StyleValues& sv, int row) const;
  double defaultRowHeight(const StyleValues& sv) const;
  double defaultColumnWidth(const StyleValues& sv) const;
  void resize(int rows, int cols);
  void keepTitleMerged();
  // The table's frame: origin (the position), along and up directions.
  void frame(AcGePoint3d& origin, AcGeVector3d& along, AcGeVector3d& up) const;
  // Lines and texts in table coordinates (x along the rows, y up, the
  // position at the origin).
  void buildLocal(std::vector<AcDbEntity*>& out) const;
  AcGeMatrix3d localToWorld() const;
  void markChanged() { mStale = true; }
  // The AcDbTable groups this table writes from its model.
  void vhostDxfOutModel(AcDbDxfFiler* filer) const;

  AcDbObjectId mStyle;
  std::vector<double> mRows;  // row heights as set
  std::vector<double> mCols;  // column widths
  std::vector<Cell> mCells;   // row by row
  std::vector<Range> mMerges;
  Adesk::Int16 mFlow = -1;  // -1: the style's
  double mHorzMargin = -1.0, mVertMargin = -1.0;
  Adesk::Int8 mTitleSuppressed = -1, mHeaderSuppressed = -1;
  bool mStale = true;  // not filed
};
