#include "arx/entities/AcDbTable.h"

#include <algorithm>
#include <cmath>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/entities/VhostAnnotationDxf.h"
#include "arx/db/VhostDxfMemoryFiler.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbMText.h"
#include "arx/entities/VhostAnnotationUtil.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/GeMath.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbTable, AcDbBlockReference, L"ACAD_TABLE")

using namespace vhost::annot;

namespace {
constexpr double kLinePitch = 5.0 / 3.0;     // line spacing of cell texts, in text heights
constexpr double kDefaultColumnWidth = 14.0;  // new columns, in data text heights
}  // namespace

AcDbTable::AcDbTable() = default;
AcDbTable::~AcDbTable() = default;

// --- style ---------------------------------------------------------------------------------

int AcDbTable::slot(AcDb::RowType type) { return type == AcDb::kTitleRow ? 1 : type == AcDb::kHeaderRow ? 2 : 0; }

AcDbTable::StyleValues AcDbTable::styleValues() const {
  AcDbObjectId styleId = mStyle;
  if (styleId.isNull() && database() != nullptr) styleId = database()->tablestyle();
  StyleValues sv{};
  auto take = [&](const AcDbTableStyle& st) {
    const AcDb::RowType types[3] = {AcDb::kDataRow, AcDb::kTitleRow, AcDb::kHeaderRow};
    for (int i = 0; i < 3; ++i) {
      sv.textHeight[i] = st.textHeight(types[i]);
      sv.textStyle[i] = st.textStyle(types[i]);
      sv.alignment[i] = static_cast<Adesk::Int16>(st.alignment(types[i]));
    }
    sv.horzMargin = st.horzCellMargin();
    sv.vertMargin = st.vertCellMargin();
    sv.titleSuppressed = st.isTitleSuppressed();
    sv.headerSuppressed = st.isHeaderSuppressed();
    sv.flow = static_cast<Adesk::Int16>(st.flowDirection());
  };
  ReadHandle<AcDbTableStyle> st(styleId);
  if (st) {
    take(*st.get());
  } else {
    const AcDbTableStyle defaults;
    take(defaults);
  }
  if (database() != nullptr) {
    const AcDbObjectId standard = database()->textStyleId(L"Standard");
    for (AcDbObjectId& id : sv.textStyle)
      if (id.isNull()) id = standard;
  }
  if (mHorzMargin >= 0.0) sv.horzMargin = mHorzMargin;
  if (mVertMargin >= 0.0) sv.vertMargin = mVertMargin;
  if (mTitleSuppressed >= 0) sv.titleSuppressed = mTitleSuppressed != 0;
  if (mHeaderSuppressed >= 0) sv.headerSuppressed = mHeaderSuppressed != 0;
  if (mFlow >= 0) sv.flow = mFlow;
  return sv;
}

AcDbObjectId AcDbTable::tableStyle() const {
  assertReadEnabled();
  return mStyle;
}

Acad::ErrorStatus AcDbTable::setTableStyle(const AcDbObjectId& id) {
  if (!id.isNull()) {
    AcRxClass* cls = id.objectClass();
    if (cls == nullptr || !cls->isDerivedFrom(AcDbTableStyle::desc())) return Acad::eWrongObjectType;
    if (database() && id.database() != database()) return Acad::eWrongDatabase;
  }
  assertWriteEnabled();
  mStyle = id;
  keepTitleMerged();
  markChanged();
  return Acad::eOk;
}

AcGeVector3d AcDbTable::direction() const { return ocsDirection(normal(), rotation()); }

Acad::ErrorStatus AcDbTable::setDirection(const AcGeVector3d& horizVector) {
  const AcGeVector3d n = normal();
  AcGeVector3d d = horizVector - n * horizVector.dotProduct(n);
  if (!isFinite(d) || !(d.length() > 1e-12)) return Acad::eInvalidInput;
  markChanged();
  return setRotation(ocsAngle(n, d));
}

AcDb::FlowDirection AcDbTable::flowDirection() const {
  assertReadEnabled();
  return static_cast<AcDb::FlowDirection>(styleValues().flow);
}

Acad::ErrorStatus AcDbTable::setFlowDirection(AcDb::FlowDirection direction) {
  if (direction != AcDb::kTtoB && direction != AcDb::kBtoT) return Acad::eInvalidInput;
  assertWriteEnabled();
  mFlow = static_cast<Adesk::Int16>(direction);
  markChanged();
  return Acad::eOk;
}

double AcDbTable::horzCellMargin() const {
  assertReadEnabled();
  return styleValues().horzMargin;
}

Acad::ErrorStatus AcDbTable::setHorzCellMargin(double margin) {
  if (!(margin >= 0.0) || !isFinite(margin)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mHorzMargin = margin;
  markChanged();
  return Acad::eOk;
}

double AcDbTable::vertCellMargin() const {
  assertReadEnabled();
  return styleValues().vertMargin;
}

Acad::ErrorStatus AcDbTable::setVertCellMargin(double margin) {
  if (!(margin >= 0.0) || !isFinite(margin)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mVertMargin = margin;
  markChanged();
  return Acad::eOk;
}

bool AcDbTable::isTitleSuppressed() const {
  assertReadEnabled();
  return styleValues().titleSuppressed;
}

Acad::ErrorStatus AcDbTable::suppressTitleRow(bool value) {
  assertWriteEnabled();
  mTitleSuppressed = value ? 1 : 0;
  if (value) {
    // The title's own merge goes with the title.
    const int last = static_cast<int>(mCols.size()) - 1;
    mMerges.erase(std::remove_if(mMerges.begin(), mMerges.end(),
                                 [&](const Range& m) {
                                   return m.minRow == 0 && m.maxRow == 0 && m.minCol == 0 && m.maxCol == last;
                                 }),
                  mMerges.end());
  }
  keepTitleMerged();
  markChanged();
  return Acad::eOk;
}

bool AcDbTable::isHeaderSuppressed() const {
  assertReadEnabled();
  return styleValues().headerSuppressed;
}

Acad::ErrorStatus AcDbTable::suppressHeaderRow(bool value) {
  assertWriteEnabled();
  mHeaderSuppressed = value ? 1 : 0;
  markChanged();
  return Acad::eOk;
}

// --- size ------------------------------------------------------------------------------------

int AcDbTable::numRows() const {
  assertReadEnabled();
  return static_cast<int>(mRows.size());
}

int AcDbTable::numColumns() const {
  assertReadEnabled();
  return static_cast<int>(mCols.size());
}

double AcDbTable::defaultRowHeight(const StyleValues& sv) const { return sv.textHeight[0] + 2.0 * sv.vertMargin; }

double AcDbTable::defaultColumnWidth(const StyleValues& sv) const { return kDefaultColumnWidth * sv.textHeight[0]; }

void AcDbTable::resize(int rows, int cols) {
  const StyleValues sv = styleValues();
  std::vector<Cell> cells(static_cast<size_t>(rows) * static_cast<size_t>(cols));
  const int keepRows = std::min(rows, static_cast<int>(mRows.size()));
  const int keepCols = std::min(cols, static_cast<int>(mCols.size()));
  for (int r = 0; r < keepRows; ++r)
    for (int c = 0; c < keepCols; ++c) cells[static_cast<size_t>(r) * cols + c] = cell(r, c);
  mCells.swap(cells);
  mRows.resize(static_cast<size_t>(rows), defaultRowHeight(sv));
  mCols.resize(static_cast<size_t>(cols), defaultColumnWidth(sv));
  mMerges.erase(std::remove_if(mMerges.begin(), mMerges.end(),
                               [&](const Range& m) { return m.maxRow >= rows || m.maxCol >= cols; }),
                mMerges.end());
}

void AcDbTable::keepTitleMerged() {
  if (mRows.empty() || mCols.size() < 2 || styleValues().titleSuppressed) return;
  const int last = static_cast<int>(mCols.size()) - 1;
  for (const Range& m : mMerges)
    if (m.minRow == 0 && m.maxRow == 0 && m.minCol == 0 && m.maxCol == last) return;
  mMerges.erase(std::remove_if(mMerges.begin(), mMerges.end(), [](const Range& m) { return m.minRow == 0; }),
                mMerges.end());
  mMerges.push_back({0, 0, 0, last});
}

Acad::ErrorStatus AcDbTable::setSize(int rows, int columns) {
  if (rows < 1 || columns < 1) return Acad::eInvalidInput;
  assertWriteEnabled();
  resize(rows, columns);
  keepTitleMerged();
  markChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setNumRows(int rows) { return setSize(rows, std::max(1, numColumns())); }

Acad::ErrorStatus AcDbTable::setNumColumns(int columns) { return setSize(std::max(1, numRows()), columns); }

namespace {

// A merged range after removing `count` lines from `at` on one axis; false
// when nothing of it is left.
bool shrink(int& lo, int& hi, int at, int count) {
  const int end = at + count - 1;
  const int newLo = lo < at ? lo : (lo > end ? lo - count : at);
  const int newHi = hi < at ? hi : (hi > end ? hi - count : at - 1);
  lo = newLo;
  hi = newHi;
  return hi >= lo;
}

}  // namespace

Acad::ErrorStatus AcDbTable::insertRows(int row, double height, int rows) {
  if (row < 0 || row > static_cast<int>(mRows.size()) || rows < 1 || !(height > 0.0) || !isFinite(height))
    return Acad::eInvalidInput;
  if (mCols.empty()) return Acad::eInvalidInput;
  assertWriteEnabled();
  const size_t cols = mCols.size();
  mRows.insert(mRows.begin() + row, static_cast<size_t>(rows), height);
  mCells.insert(mCells.begin() + static_cast<long>(static_cast<size_t>(row) * cols), static_cast<size_t>(rows) * cols,
                Cell());
  for (Range& m : mMerges) {
    if (m.minRow >= row) {
      m.minRow += rows;
      m.maxRow += rows;
    } else if (m.maxRow >= row) {
      m.maxRow += rows;
    }
  }
  markChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::insertColumns(int col, double width, int cols) {
  if (col < 0 || col > static_cast<int>(mCols.size()) || cols < 1 || !(width > 0.0) || !isFinite(width))
    return Acad::eInvalidInput;
  if (mRows.empty()) return Acad::eInvalidInput;
  assertWriteEnabled();
  const size_t oldCols = mCols.size(), newCols = oldCols + static_cast<size_t>(cols);
  std::vector<Cell> cells(mRows.size() * newCols);
  for (size_t r = 0; r < mRows.size(); ++r)
    for (size_t c = 0; c < oldCols; ++c)
      cells[r * newCols + (static_cast<int>(c) < col ? c : c + static_cast<size_t>(cols))] = mCells[r * oldCols + c];
  mCells.swap(cells);
  mCols.insert(mCols.begin() + col, static_cast<size_t>(cols), width);
  for (Range& m : mMerges) {
    if (m.minCol >= col) {
      m.minCol += cols;
      m.maxCol += cols;
    } else if (m.maxCol >= col) {
      m.maxCol += cols;
    }
  }
  keepTitleMerged();
  markChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::deleteRows(int row, int rows) {
  if (row < 0 || rows < 1 || row + rows > static_cast<int>(mRows.size())) return Acad::eInvalidInput;
  if (rows == static_cast<int>(mRows.size())) return Acad::eInvalidInput;  // a table keeps one row
  assertWriteEnabled();
  const size_t cols = mCols.size();
  mRows.erase(mRows.begin() + row, mRows.begin() + row + rows);
  mCells.erase(mCells.begin() + static_cast<long>(static_cast<size_t>(row) * cols),
               mCells.begin() + static_cast<long>(static_cast<size_t>(row + rows) * cols));
  std::vector<Range> kept;
  for (Range m : mMerges)
    if (shrink(m.minRow, m.maxRow, row, rows) && (m.maxRow > m.minRow || m.maxCol > m.minCol)) kept.push_back(m);
  mMerges.swap(kept);
  keepTitleMerged();
  markChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::deleteColumns(int col, int cols) {
  if (col < 0 || cols < 1 || col + cols > static_cast<int>(mCols.size())) return Acad::eInvalidInput;
  if (cols == static_cast<int>(mCols.size())) return Acad::eInvalidInput;
  assertWriteEnabled();
  const size_t oldCols = mCols.size(), newCols = oldCols - static_cast<size_t>(cols);
  std::vector<Cell> cells(mRows.size() * newCols);
  for (size_t r = 0; r < mRows.size(); ++r)
    for (size_t c = 0, k = 0; c < oldCols; ++c)
      if (static_cast<int>(c) < col || static_cast<int>(c) >= col + cols) cells[r * newCols + k++] = mCells[r * oldCols + c];
  mCells.swap(cells);
  mCols.erase(mCols.begin() + col, mCols.begin() + col + cols);
  std::vector<Range> kept;
  for (Range m : mMerges)
    if (shrink(m.minCol, m.maxCol, col, cols) && (m.maxRow > m.minRow || m.maxCol > m.minCol)) kept.push_back(m);
  mMerges.swap(kept);
  keepTitleMerged();
  markChanged();
  return Acad::eOk;
}

double AcDbTable::minimumRowHeight(int row) const {
  assertReadEnabled();
  if (row < 0 || row >= static_cast<int>(mRows.size())) return 0.0;
  return minimumRowHeightOf(styleValues(), row);
}

double AcDbTable::minimumRowHeightOf(const StyleValues& sv, int row) const {
  double need = 0.0;
  for (int c = 0; c < static_cast<int>(mCols.size()); ++c) {
    double width = mCols[static_cast<size_t>(c)];
    int r0 = row, r1 = row, c0 = c, c1 = c;
    if (isMergedCell(row, c, &r0, &r1, &c0, &c1)) {
      // Texts of ranges over several rows, and covered cells, do not set a row's height.
      if (r0 != r1 || r0 != row || c0 != c) continue;
      width = 0.0;
      for (int k = c0; k <= c1; ++k) width += mCols[static_cast<size_t>(k)];
    }
    const double h = effectiveTextHeight(sv, row, c);
    const auto lines =
        AcDbMText::vhostLayoutLines(AcDbMText::vhostPlainText(cell(row, c).text), width - 2.0 * sv.horzMargin, h);
    const size_t n = std::max<size_t>(1, lines.size());
    need = std::fmax(need, h + (n - 1) * kLinePitch * h + 2.0 * sv.vertMargin);
  }
  return need;
}

double AcDbTable::effectiveRowHeight(const StyleValues& sv, int row) const {
  return std::fmax(mRows[static_cast<size_t>(row)], minimumRowHeightOf(sv, row));
}

double AcDbTable::rowHeight(int row) const {
  assertReadEnabled();
  if (row < 0 || row >= static_cast<int>(mRows.size())) return 0.0;
  return effectiveRowHeight(styleValues(), row);
}

Acad::ErrorStatus AcDbTable::setRowHeight(int row, double height) {
  if (row < 0 || row >= static_cast<int>(mRows.size())) return Acad::eInvalidIndex;
  if (!(height > 0.0) || !isFinite(height)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mRows[static_cast<size_t>(row)] = height;
  markChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setRowHeight(double height) {
  if (!(height > 0.0) || !isFinite(height)) return Acad::eInvalidInput;
  assertWriteEnabled();
  std::fill(mRows.begin(), mRows.end(), height);
  markChanged();
  return Acad::eOk;
}

double AcDbTable::columnWidth(int col) const {
  assertReadEnabled();
  if (col < 0 || col >= static_cast<int>(mCols.size())) return 0.0;
  return mCols[static_cast<size_t>(col)];
}

Acad::ErrorStatus AcDbTable::setColumnWidth(int col, double width) {
  if (col < 0 || col >= static_cast<int>(mCols.size())) return Acad::eInvalidIndex;
  if (!(width > 0.0) || !isFinite(width)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mCols[static_cast<size_t>(col)] = width;
  markChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setColumnWidth(double width) {
  if (!(width > 0.0) || !isFinite(width)) return Acad::eInvalidInput;
  assertWriteEnabled();
  std::fill(mCols.begin(), mCols.end(), width);
  markChanged();
  return Acad::eOk;
}

double AcDbTable::width() const {
  assertReadEnabled();
  double w = 0.0;
  for (double c : mCols) w += c;
  return w;
}

double AcDbTable::height() const {
  assertReadEnabled();
  const StyleValues sv = styleValues();
  double h = 0.0;
  for (int r = 0; r < static_cast<int>(mRows.size()); ++r) h += effectiveRowHeight(sv, r);
  return h;
}

Acad::ErrorStatus AcDbTable::setWidth(double w) {
  const double now = width();
  if (!(w > 0.0) || !isFinite(w) || !(now > 0.0)) return Acad::eInvalidInput;
  assertWriteEnabled();
  for (double& c : mCols) c *= w / now;
  markChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setHeight(double h) {
  double now = 0.0;
  for (double r : mRows) now += r;
  if (!(h > 0.0) || !isFinite(h) || !(now > 0.0)) return Acad::eInvalidInput;
  assertWriteEnabled();
  for (double& r : mRows) r *= h / now;
  markChanged();
  return Acad::eOk;
}

AcDb::RowType AcDbTable::rowType(int row) const {
  assertReadEnabled();
  if (row < 0 || row >= static_cast<int>(mRows.size())) return AcDb::kUnknownRow;
  return rowTypeOf(styleValues(), row);
}

AcDb::RowType AcDbTable::rowTypeOf(const StyleValues& sv, int row) const {
  if (!sv.titleSuppressed && row == 0) return AcDb::kTitleRow;
  const int header = sv.titleSuppressed ? 0 : 1;
  if (!sv.headerSuppressed && row == header) return AcDb::kHeaderRow;
  return AcDb::kDataRow;
}

// --- cells -------------------------------------------------------------------------------------

bool AcDbTable::validCell(int row, int col) const {
  return row >= 0 && col >= 0 && row < static_cast<int>(mRows.size()) && col < static_cast<int>(mCols.size());
}

AcDb::CellType AcDbTable::cellType(int row, int col) const {
  assertReadEnabled();
  return validCell(row, col) ? static_cast<AcDb::CellType>(cell(row, col).type) : AcDb::kUnknownCell;
}

Acad::ErrorStatus AcDbTable::setCellType(int row, int col, AcDb::CellType type) {
  if (!validCell(row, col)) return Acad::eInvalidIndex;
  if (type != AcDb::kTextCell && type != AcDb::kBlockCell) return Acad::eInvalidInput;
  assertWriteEnabled();
  cell(row, col).type = static_cast<Adesk::Int16>(type);
  markChanged();
  return Acad::eOk;
}

ACHAR* AcDbTable::textString(int row, int col) const {
  assertReadEnabled();
  return dupString(validCell(row, col) ? cell(row, col).text : std::wstring());
}

ACHAR* AcDbTable::textString(int row, int col, AcValue::FormatOption option) const {
  assertReadEnabled();
  if (!validCell(row, col)) return dupString(std::wstring());
  const std::wstring& raw = cell(row, col).text;
  return dupString((option & AcValue::kIgnoreMtextFormat) ? AcDbMText::vhostPlainText(raw) : raw);
}

Acad::ErrorStatus AcDbTable::setTextString(int row, int col, const ACHAR* text) {
  if (!validCell(row, col)) return Acad::eInvalidIndex;
  assertWriteEnabled();
  cell(row, col).text = text ? text : L"";
  markChanged();
  return Acad::eOk;
}

AcDbObjectId AcDbTable::effectiveTextStyle(const StyleValues& sv, int row, int col) const {
  const Cell& c = cell(row, col);
  return c.textStyle.isNull() ? sv.textStyle[slot(rowTypeOf(sv, row))] : c.textStyle;
}

double AcDbTable::effectiveTextHeight(const StyleValues& sv, int row, int col) const {
  const Cell& c = cell(row, col);
  return c.textHeight > 0.0 ? c.textHeight : sv.textHeight[slot(rowTypeOf(sv, row))];
}

AcDb::CellAlignment AcDbTable::effectiveAlignment(const StyleValues& sv, int row, int col) const {
  const Cell& c = cell(row, col);
  return static_cast<AcDb::CellAlignment>(c.alignment > 0 ? c.alignment : sv.alignment[slot(rowTypeOf(sv, row))]);
}

AcDbObjectId AcDbTable::textStyle(int row, int col) const {
  assertReadEnabled();
  return validCell(row, col) ? effectiveTextStyle(styleValues(), row, col) : AcDbObjectId::kNull;
}

Acad::ErrorStatus AcDbTable::setTextStyle(int row, int col, const AcDbObjectId& id) {
  if (!validCell(row, col)) return Acad::eInvalidIndex;
  if (!id.isNull() && database() && id.database() != database()) return Acad::eWrongDatabase;
  assertWriteEnabled();
  cell(row, col).textStyle = id;
  markChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setTextStyle(const AcDbObjectId& id, int rowTypes) {
  if (rowTypes <= 0 || (rowTypes & ~AcDb::kAllRows)) return Acad::eInvalidInput;
  if (!id.isNull() && database() && id.database() != database()) return Acad::eWrongDatabase;
  assertWriteEnabled();
  const StyleValues sv = styleValues();
  for (int r = 0; r < static_cast<int>(mRows.size()); ++r)
    if (rowTypeOf(sv, r) & rowTypes)
      for (int c = 0; c < static_cast<int>(mCols.size()); ++c) cell(r, c).textStyle = id;
  markChanged();
  return Acad::eOk;
}

double AcDbTable::textHeight(int row, int col) const {
  assertReadEnabled();
  return validCell(row, col) ? effectiveTextHeight(styleValues(), row, col) : 0.0;
}

Acad::ErrorStatus AcDbTable::setTextHeight(int row, int col, double height) {
  if (!validCell(row, col)) return Acad::eInvalidIndex;
  if (!(height > 0.0) || !isFinite(height)) return Acad::eInvalidInput;
  assertWriteEnabled();
  cell(row, col).textHeight = height;
  markChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setTextHeight(double height, int rowTypes) {
  if (rowTypes <= 0 || (rowTypes & ~AcDb::kAllRows)) return Acad::eInvalidInput;
  if (!(height > 0.0) || !isFinite(height)) return Acad::eInvalidInput;
  assertWriteEnabled();
  const StyleValues sv = styleValues();
  for (int r = 0; r < static_cast<int>(mRows.size()); ++r)
    if (rowTypeOf(sv, r) & rowTypes)
      for (int c = 0; c < static_cast<int>(mCols.size()); ++c) cell(r, c).textHeight = height;
  markChanged();
  return Acad::eOk;
}

AcDb::CellAlignment AcDbTable::alignment(int row, int col) const {
  assertReadEnabled();
  return validCell(row, col) ? effectiveAlignment(styleValues(), row, col) : AcDb::kTopLeft;
}

Acad::ErrorStatus AcDbTable::setAlignment(int row, int col, AcDb::CellAlignment alignment) {
  if (!validCell(row, col)) return Acad::eInvalidIndex;
  if (alignment < AcDb::kTopLeft || alignment > AcDb::kBottomRight) return Acad::eInvalidInput;
  assertWriteEnabled();
  cell(row, col).alignment = static_cast<Adesk::Int16>(alignment);
  markChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::setAlignment(AcDb::CellAlignment alignment, int rowTypes) {
  if (rowTypes <= 0 || (rowTypes & ~AcDb::kAllRows)) return Acad::eInvalidInput;
  if (alignment < AcDb::kTopLeft || alignment > AcDb::kBottomRight) return Acad::eInvalidInput;
  assertWriteEnabled();
  const StyleValues sv = styleValues();
  for (int r = 0; r < static_cast<int>(mRows.size()); ++r)
    if (rowTypeOf(sv, r) & rowTypes)
      for (int c = 0; c < static_cast<int>(mCols.size()); ++c) cell(r, c).alignment = static_cast<Adesk::Int16>(alignment);
  markChanged();
  return Acad::eOk;
}

// --- merging -------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbTable::mergeCells(int minRow, int maxRow, int minCol, int maxCol) {
  if (!validCell(minRow, minCol) || !validCell(maxRow, maxCol) || minRow > maxRow || minCol > maxCol)
    return Acad::eInvalidInput;
  if (minRow == maxRow && minCol == maxCol) return Acad::eInvalidInput;
  for (const Range& m : mMerges)
    if (!(m.maxRow < minRow || m.minRow > maxRow || m.maxCol < minCol || m.minCol > maxCol)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mMerges.push_back({minRow, maxRow, minCol, maxCol});
  markChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::unmergeCells(int minRow, int maxRow, int minCol, int maxCol) {
  if (!validCell(minRow, minCol) || !validCell(maxRow, maxCol) || minRow > maxRow || minCol > maxCol)
    return Acad::eInvalidInput;
  assertWriteEnabled();
  mMerges.erase(std::remove_if(mMerges.begin(), mMerges.end(),
                               [&](const Range& m) {
                                 return !(m.maxRow < minRow || m.minRow > maxRow || m.maxCol < minCol ||
                                          m.minCol > maxCol);
                               }),
                mMerges.end());
  markChanged();
  return Acad::eOk;
}

bool AcDbTable::isMergedCell(int row, int col, int* minRow, int* maxRow, int* minCol, int* maxCol) const {
  assertReadEnabled();
  for (const Range& m : mMerges) {
    if (!m.contains(row, col)) continue;
    if (minRow) *minRow = m.minRow;
    if (maxRow) *maxRow = m.maxRow;
    if (minCol) *minCol = m.minCol;
    if (maxCol) *maxCol = m.maxCol;
    return true;
  }
  return false;
}

// --- drawing ---------------------------------------------------------------------------------------

void AcDbTable::frame(AcGePoint3d& origin, AcGeVector3d& along, AcGeVector3d& up) const {
  origin = position();
  along = direction();
  up = normal().crossProduct(along);
}

AcGeMatrix3d AcDbTable::localToWorld() const {
  AcGePoint3d origin;
  AcGeVector3d along, up;
  frame(origin, along, up);
  AcGeMatrix3d m;
  m.setCoordSystem(origin, along, up, normal());
  return m;
}

void AcDbTable::buildLocal(std::vector<AcDbEntity*>& out) const {
  const StyleValues sv = styleValues();
  const int R = static_cast<int>(mRows.size()), C = static_cast<int>(mCols.size());
  if (R == 0 || C == 0) return;
  std::vector<double> xs(static_cast<size_t>(C) + 1, 0.0), ys(static_cast<size_t>(R) + 1, 0.0);
  for (int c = 0; c < C; ++c) xs[c + 1] = xs[c] + mCols[static_cast<size_t>(c)];
  for (int r = 0; r < R; ++r) ys[r + 1] = ys[r] + effectiveRowHeight(sv, r);
  const bool down = sv.flow == AcDb::kTtoB;
  auto y = [&](int boundary) { return down ? -ys[boundary] : ys[boundary]; };
  auto sameRange = [&](int r1, int c1, int r2, int c2) {
    for (const Range& m : mMerges)
      if (m.contains(r1, c1) && m.contains(r2, c2)) return true;
    return false;
  };
  for (int i = 0; i <= R; ++i)
    for (int c = 0; c < C; ++c)
      if (i == 0 || i == R || !sameRange(i - 1, c, i, c))
        out.push_back(new AcDbLine(AcGePoint3d(xs[c], y(i), 0), AcGePoint3d(xs[c + 1], y(i), 0)));
  for (int j = 0; j <= C; ++j)
    for (int r = 0; r < R; ++r)
      if (j == 0 || j == C || !sameRange(r, j - 1, r, j))
        out.push_back(new AcDbLine(AcGePoint3d(xs[j], y(r), 0), AcGePoint3d(xs[j], y(r + 1), 0)));
  for (int r = 0; r < R; ++r) {
    for (int c = 0; c < C; ++c) {
      int r0 = r, r1 = r, c0 = c, c1 = c;
      if (isMergedCell(r, c, &r0, &r1, &c0, &c1) && (r0 != r || c0 != c)) continue;
      const Cell& k = cell(r, c);
      if (k.text.empty()) continue;
      const double left = xs[c0] + sv.horzMargin, right = xs[c1 + 1] - sv.horzMargin;
      const double top = std::fmax(y(r0), y(r1 + 1)) - sv.vertMargin;
      const double bottom = std::fmin(y(r0), y(r1 + 1)) + sv.vertMargin;
      const AcDb::CellAlignment a = effectiveAlignment(sv, r, c);
      const int column = (a - 1) % 3, row = (a - 1) / 3;
      const double x = column == 0 ? left : column == 1 ? (left + right) / 2.0 : right;
      const double yy = row == 0 ? top : row == 1 ? (top + bottom) / 2.0 : bottom;
      auto* text = new AcDbMText();
      text->setContents(k.text.c_str());
      text->setTextHeight(effectiveTextHeight(sv, r, c));
      text->setWidth(std::fmax(0.0, right - left));
      text->setAttachment(static_cast<AcDbMText::AttachmentPoint>(a));
      text->setLocation(AcGePoint3d(x, yy, 0));
      const AcDbObjectId style = effectiveTextStyle(sv, r, c);
      if (!style.isNull()) text->setTextStyle(style);
      out.push_back(text);
    }
  }
}

Acad::ErrorStatus AcDbTable::getCellExtents(int row, int col, bool isOuterCell, AcGePoint3dArray& pts) const {
  assertReadEnabled();
  if (!validCell(row, col)) return Acad::eInvalidIndex;
  const StyleValues sv = styleValues();
  int r0 = row, r1 = row, c0 = col, c1 = col;
  isMergedCell(row, col, &r0, &r1, &c0, &c1);
  double x0 = 0.0, x1 = 0.0, y0 = 0.0, y1 = 0.0;
  for (int c = 0; c <= c1; ++c) {
    if (c < c0) x0 += mCols[static_cast<size_t>(c)];
    x1 += mCols[static_cast<size_t>(c)];
  }
  for (int r = 0; r <= r1; ++r) {
    const double h = effectiveRowHeight(sv, r);
    if (r < r0) y0 += h;
    y1 += h;
  }
  double top = sv.flow == AcDb::kTtoB ? -y0 : y1;
  double bottom = sv.flow == AcDb::kTtoB ? -y1 : y0;
  if (!isOuterCell) {
    x0 += sv.horzMargin;
    x1 -= sv.horzMargin;
    top -= sv.vertMargin;
    bottom += sv.vertMargin;
  }
  const AcGeMatrix3d m = localToWorld();
  pts.removeAll();
  pts.append(m * AcGePoint3d(x0, top, 0));
  pts.append(m * AcGePoint3d(x1, top, 0));
  pts.append(m * AcGePoint3d(x0, bottom, 0));
  pts.append(m * AcGePoint3d(x1, bottom, 0));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::generateLayout() {
  assertWriteEnabled();
  keepTitleMerged();
  markChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::recomputeTableBlock(bool) {
  AcDbDatabase* db = database();
  if (db == nullptr) return Acad::eNoDatabase;
  assertWriteEnabled();
  std::vector<AcDbEntity*> ents;
  buildLocal(ents);
  auto freeFrom = [&](size_t i) {
    for (size_t j = i; j < ents.size(); ++j) delete ents[j];
  };
  AcDbObjectId blockId = blockTableRecord();
  // A block that another reference also shows (a copy of this table) is not reused.
  if (!blockId.isNull() && !blockId.isErased()) {
    ReadHandle<AcDbBlockTableRecord> rec(blockId);
    AcDbObjectIdArray refs;
    if (!rec || !rec->isAnonymous() || (rec->getBlockReferenceIds(refs), refs.length() > 1) ||
        (refs.length() == 1 && refs[0] != objectId()))
      blockId.setNull();
  } else {
    blockId.setNull();
  }
  Acad::ErrorStatus es = Acad::eOk;
  if (blockId.isNull()) {
    AcDbBlockTable* table = nullptr;
    if ((es = db->getBlockTable(table, AcDb::kForWrite)) != Acad::eOk) {
      freeFrom(0);
      return es;
    }
    auto* rec = new AcDbBlockTableRecord();
    rec->setName(L"*T");
    rec->setAnonymous(true);
    es = table->add(blockId, rec);
    table->close();
    if (es != Acad::eOk) {
      delete rec;
      freeFrom(0);
      return es;
    }
    rec->close();
  }
  WriteHandle<AcDbBlockTableRecord> rec(blockId);
  if (!rec) {
    freeFrom(0);
    return rec.status();
  }
  for (AcDbObjectId id : rec->vhostEntityIds()) {
    if (id.isErased()) continue;
    WriteHandle<AcDbEntity> old(id);
    if (old) old->erase();
  }
  for (size_t i = 0; i < ents.size(); ++i) {
    ents[i]->setPropertiesFrom(this);
    if ((es = rec->appendAcDbEntity(ents[i])) != Acad::eOk) {
      freeFrom(i);
      return es;
    }
    ents[i]->close();
  }
  rec.release();
  if (blockId != blockTableRecord()) {
    es = AcDbBlockReference::setBlockTableRecord(blockId);
    if (es != Acad::eOk) return es;
  }
  mStale = false;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::subClose() {
  if (mStale && isModified() && database() != nullptr) recomputeTableBlock();
  return AcDbBlockReference::subClose();
}

// --- entity protocol -----------------------------------------------------------------------------------

Acad::ErrorStatus AcDbTable::explode(AcDbVoidPtrArray& entitySet) const {
  assertReadEnabled();
  std::vector<AcDbEntity*> ents;
  buildLocal(ents);
  const AcGeMatrix3d m = localToWorld();
  for (AcDbEntity* e : ents) {
    e->transformBy(m);
    e->setPropertiesFrom(this);
    entitySet.append(e);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  if (mRows.empty() || mCols.empty()) return Acad::eInvalidExtents;
  const double w = width(), h = height();
  const bool down = styleValues().flow == AcDb::kTtoB;
  const AcGeMatrix3d m = localToWorld();
  extents = AcDbExtents();
  for (double x : {0.0, w})
    for (double y : {0.0, down ? -h : h}) extents.addPoint(m * AcGePoint3d(x, y, 0));
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::transformBy(const AcGeMatrix3d& xform) {
  if (!xform.isUniScaledOrtho()) return Acad::eCannotScaleNonUniformly;
  AcGePoint3d origin;
  AcGeVector3d along, up;
  frame(origin, along, up);
  FrameImage f;
  if (!transformFrame(xform, along, up, normal(), f)) return Acad::eInvalidInput;
  const StyleValues sv = styleValues();
  // Read everything that scales before changing anything.
  const double s = f.uScale;
  std::vector<double> heights;
  for (int r = 0; r < static_cast<int>(mRows.size()); ++r)
    for (int c = 0; c < static_cast<int>(mCols.size()); ++c) heights.push_back(effectiveTextHeight(sv, r, c));
  const double w = width();
  assertWriteEnabled();
  AcGePoint3d newOrigin = xform * origin;
  AcGeVector3d newAlong = f.u;
  if (f.mirrored) {
    // The far end of the first row becomes the start, so the table still reads left to right.
    newOrigin = xform * (origin + along * w);
    newAlong = -f.u;
  }
  AcDbBlockReference::setNormal(f.normal);
  AcDbBlockReference::setPosition(newOrigin);
  AcDbBlockReference::setRotation(ocsAngle(f.normal, newAlong));
  if (std::fabs(s - 1.0) > 1e-12) {
    for (double& r : mRows) r *= s;
    for (double& c : mCols) c *= s;
    mHorzMargin = sv.horzMargin * s;
    mVertMargin = sv.vertMargin * s;
    for (size_t i = 0; i < mCells.size(); ++i) mCells[i].textHeight = heights[i] * s;
  }
  markChanged();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTable::getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& ent) const {
  ent = nullptr;
  auto* copy = AcDbTable::cast(clone());
  if (copy == nullptr) return Acad::eNotApplicable;
  Acad::ErrorStatus es = copy->transformBy(xform);
  if (es != Acad::eOk) {
    delete copy;
    return es;
  }
  ent = copy;
  return Acad::eOk;
}

AcRxObject* AcDbTable::clone() const {
  AcRxObject* made = AcDbBlockReference::clone();
  if (auto* copy = AcDbTable::cast(made)) {
    // A free-standing copy draws into a block of its own once it is in a drawing.
    copy->AcDbBlockReference::setBlockTableRecord(AcDbObjectId::kNull);
    copy->mStale = true;
  }
  return made;
}

// --- filing --------------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbTable::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbBlockReference::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeHardPointerId(mStyle);
  filer->writeInt16(mFlow);
  filer->writeDouble(mHorzMargin);
  filer->writeDouble(mVertMargin);
  filer->writeInt8(mTitleSuppressed);
  filer->writeInt8(mHeaderSuppressed);
  filer->writeInt32(static_cast<Adesk::Int32>(mRows.size()));
  for (double h : mRows) filer->writeDouble(h);
  filer->writeInt32(static_cast<Adesk::Int32>(mCols.size()));
  for (double w : mCols) filer->writeDouble(w);
  for (const Cell& c : mCells) {
    filer->writeString(c.text);
    filer->writeDouble(c.textHeight);
    filer->writeHardPointerId(c.textStyle);
    filer->writeInt16(c.alignment);
    filer->writeInt16(c.type);
  }
  filer->writeInt32(static_cast<Adesk::Int32>(mMerges.size()));
  for (const Range& m : mMerges) {
    filer->writeInt32(m.minRow);
    filer->writeInt32(m.maxRow);
    filer->writeInt32(m.minCol);
    filer->writeInt32(m.maxCol);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbTable::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbBlockReference::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcDbHardPointerId style;
  filer->readHardPointerId(&style);
  filer->readInt16(&mFlow);
  filer->readDouble(&mHorzMargin);
  filer->readDouble(&mVertMargin);
  filer->readInt8(&mTitleSuppressed);
  filer->readInt8(&mHeaderSuppressed);
  Adesk::Int32 rows = 0, cols = 0, merges = 0;
  filer->readInt32(&rows);
  if (rows < 0 || filer->filerStatus() != Acad::eOk) return Acad::eFilerError;
  mRows.assign(static_cast<size_t>(rows), 0.0);
  for (double& h : mRows) filer->readDouble(&h);
  filer->readInt32(&cols);
  if (cols < 0 || filer->filerStatus() != Acad::eOk) return Acad::eFilerError;
  mCols.assign(static_cast<size_t>(cols), 0.0);
  for (double& w : mCols) filer->readDouble(&w);
  mCells.assign(static_cast<size_t>(rows) * static_cast<size_t>(cols), Cell());
  for (Cell& c : mCells) {
    AcDbHardPointerId textStyle;
    filer->readString(c.text);
    filer->readDouble(&c.textHeight);
    filer->readHardPointerId(&textStyle);
    filer->readInt16(&c.alignment);
    filer->readInt16(&c.type);
    c.textStyle = textStyle;
    if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  }
  filer->readInt32(&merges);
  if (merges < 0 || filer->filerStatus() != Acad::eOk) return Acad::eFilerError;
  mMerges.clear();
  for (Adesk::Int32 i = 0; i < merges && filer->filerStatus() == Acad::eOk; ++i) {
    Range m{};
    filer->readInt32(&m.minRow);
    filer->readInt32(&m.maxRow);
    filer->readInt32(&m.minCol);
    filer->readInt32(&m.maxCol);
    mMerges.push_back(m);
  }
  mStyle = style;
  mStale = true;
  return filer->filerStatus();
}

// --- DXF filing -----------------------------------------------------------------------------------

namespace {
constexpr int kOverrideAlignment = 0x01;
constexpr int kOverrideTextStyle = 0x10;
constexpr int kOverrideTextHeight = 0x20;
}  // namespace

void AcDbTable::vhostDxfOutModel(AcDbDxfFiler* filer) const {
  filer->writeInt8(280, 0);
  filer->writeObjectId(342, mStyle);
  filer->writeObjectId(343, blockTableRecord());
  filer->writeVector3d(11, direction());
  filer->writeInt32(90, 0);
  filer->writeInt32(91, static_cast<Adesk::Int32>(mRows.size()));
  filer->writeInt32(92, static_cast<Adesk::Int32>(mCols.size()));
  filer->writeInt32(93, 0);
  filer->writeInt32(94, 0);
  filer->writeInt32(95, 0);
  filer->writeInt32(96, 0);
  for (double h : mRows) filer->writeDouble(141, h);
  for (double w : mCols) filer->writeDouble(142, w);
  for (size_t r = 0; r < mRows.size(); ++r) {
    for (size_t c = 0; c < mCols.size(); ++c) {
      const Cell& cl = cell(static_cast<int>(r), static_cast<int>(c));
      int spanCols = 1, spanRows = 1;
      bool covered = false;
      for (const Range& m : mMerges) {
        if (!m.contains(static_cast<int>(r), static_cast<int>(c))) continue;
        if (m.minRow == static_cast<int>(r) && m.minCol == static_cast<int>(c)) {
          spanCols = m.maxCol - m.minCol + 1;
          spanRows = m.maxRow - m.minRow + 1;
        } else {
          covered = true;
        }
      }
      int overrides = 0;
      if (cl.alignment != 0) overrides |= kOverrideAlignment;
      if (!cl.textStyle.isNull()) overrides |= kOverrideTextStyle;
      if (cl.textHeight > 0.0) overrides |= kOverrideTextHeight;
      filer->writeInt16(171, cl.type);
      filer->writeInt16(172, 0);
      filer->writeInt16(173, covered ? 1 : 0);
      filer->writeInt16(174, 0);
      filer->writeInt16(175, static_cast<Adesk::Int16>(covered ? 0 : spanCols));
      filer->writeInt16(176, static_cast<Adesk::Int16>(covered ? 0 : spanRows));
      filer->writeInt32(91, overrides);
      filer->writeInt16(178, 0);
      filer->writeDouble(145, 0.0);
      if (cl.type != AcDb::kBlockCell) vhost::annotdxf::writeChunked(filer, cl.text, 1, 2);
      if (!cl.textStyle.isNull()) filer->writeString(7, vhost::annotdxf::recordName(cl.textStyle));
      if (cl.textHeight > 0.0) filer->writeDouble(140, cl.textHeight);
      if (cl.alignment != 0) filer->writeInt16(170, cl.alignment);
    }
  }
  if (mFlow >= 0) filer->writeInt16(70, mFlow);
  if (mHorzMargin >= 0.0) filer->writeDouble(40, mHorzMargin);
  if (mVertMargin >= 0.0) filer->writeDouble(41, mVertMargin);
  if (mTitleSuppressed >= 0) filer->writeInt8(280, mTitleSuppressed);
  if (mHeaderSuppressed >= 0) filer->writeInt8(281, mHeaderSuppressed);
}

Acad::ErrorStatus AcDbTable::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbBlockReference::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbTable");
  vhost::DxfMemoryFiler mine(filer->database());
  vhostDxfOutModel(&mine);
  if (const resbuf* asRead =
          vhost::annotdxf::verbatimIfUnchanged(this, L"AcDbTable", vhost::annotdxf::digestGroups(mine.groups())))
    return vhost::annotdxf::writeChain(filer, asRead);
  for (const resbuf* rb : mine.groups()) filer->writeResBuf(*rb);
  return vhost::dxfWriteKept(filer, this, L"AcDbTable");
}

Acad::ErrorStatus AcDbTable::dxfInFields(AcDbDxfFiler* filer) {
  using vhost::annotdxf::GroupCursor;
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbBlockReference::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbTable")) return vhost::dxfBadSubclass(filer, L"AcDbTable");
  vhost::annotdxf::GroupList list;
  es = list.readFrom(filer);
  if (es != Acad::eOk) return es;
  AcDbDatabase* db = vhost::annotdxf::databaseFor(filer, this);
  GroupCursor cur(list, filer, L"table");
  vhost::DxfKeptGroups kept(L"AcDbTable");
  AcDbObjectId style;
  long rows = -1, cols = -1;
  std::vector<double> heights, widths;
  // The header: everything up to the first cell.
  while (!cur.atEnd() && cur.peekCode() != 171) {
    const resbuf& rb = cur.next();
    switch (rb.restype) {
      case 280: case 343: case 11: case 90: case 93: case 94: case 95: case 96: break;
      case 342: style = vhost::dxfObjectId(rb); break;
      case 91: rows = rb.resval.rlong; break;
      case 92: cols = rb.resval.rlong; break;
      case 141: heights.push_back(rb.resval.rreal); break;
      case 142: widths.push_back(rb.resval.rreal); break;
      default: kept.add(rb);
    }
  }
  if (rows < 1 || cols < 1 || rows > 100000 || cols > 100000 || rows * cols > 10000000)
    return vhost::dxfError(filer, L"table row (91) or column (92) count out of range");
  if (static_cast<long>(heights.size()) != rows || static_cast<long>(widths.size()) != cols)
    return vhost::dxfError(filer, L"table row heights (141) or column widths (142) disagree with the counts");
  for (double v : heights)
    if (!(v > 0.0) || !std::isfinite(v)) return vhost::dxfError(filer, L"table row height must be positive");
  for (double v : widths)
    if (!(v > 0.0) || !std::isfinite(v)) return vhost::dxfError(filer, L"table column width must be positive");
  std::vector<Cell> cells(static_cast<size_t>(rows * cols));
  std::vector<Range> merges;
  for (long i = 0; i < rows * cols; ++i) {
    Cell& cl = cells[static_cast<size_t>(i)];
    long type = 0;
    if (!cur.takeInt(171, type, 1, 2)) return cur.status();
    cl.type = static_cast<Adesk::Int16>(type);
    const bool last = i == rows * cols - 1;
    long spanCols = 1, spanRows = 1;
    bool covered = false;
    std::wstring chunks, text;
    std::vector<int> seen;
    while (!cur.atEnd() && cur.peekCode() != 171) {
      const int code = cur.peekCode();
      if (last && (code == 70 || code == 40 || code == 41 || code == 280 || code == 281 ||
                   std::find(seen.begin(), seen.end(), code) != seen.end()))
        break;  // the table's own groups follow the last cell
      seen.push_back(code);
      const resbuf& rb = cur.next();
      const ACHAR* str = rb.resval.rstring;
      switch (code) {
        case 173: covered = rb.resval.rint != 0; break;
        case 175: spanCols = rb.resval.rint; break;
        case 176: spanRows = rb.resval.rint; break;
        case 2: chunks += str ? str : L""; seen.pop_back(); break;
        case 1: text = str ? str : L""; break;
        case 7:
          cl.textStyle = db && str ? vhost::annotdxf::findRecord(db->textStyleTableId(), str) : AcDbObjectId();
          break;
        case 140:
          cl.textHeight = rb.resval.rreal;
          if (!(cl.textHeight >= 0.0) || !std::isfinite(cl.textHeight))
            return vhost::dxfError(filer, L"table cell text height (140) must not be negative");
          break;
        case 170:
          cl.alignment = rb.resval.rint;
          if (cl.alignment < 0 || cl.alignment > AcDb::kBottomRight)
            return vhost::dxfError(filer, L"table cell alignment (170) out of range");
          break;
        case 301:
          // A cell value block of another writer: skipped to its end.
          while (!cur.atEnd()) {
            const resbuf& v = cur.next();
            if (v.restype == 304 && v.resval.rstring && std::wstring(v.resval.rstring) == L"ACVALUE_END") break;
          }
          seen.clear();
          break;
        default: break;  // flags, borders and colours of the cell
      }
    }
    cl.text = chunks + text;
    if (!covered && (spanCols > 1 || spanRows > 1)) {
      const long r = i / cols, c = i % cols;
      if (spanCols < 1 || spanRows < 1 || r + spanRows > rows || c + spanCols > cols)
        return vhost::dxfError(filer, L"table cell merge (175, 176) reaches beyond the table");
      const Range m{static_cast<int>(r), static_cast<int>(r + spanRows - 1), static_cast<int>(c),
                    static_cast<int>(c + spanCols - 1)};
      for (const Range& o : merges)
        if (!(m.maxRow < o.minRow || o.maxRow < m.minRow || m.maxCol < o.minCol || o.maxCol < m.minCol))
          return vhost::dxfError(filer, L"table cell merges overlap");
      merges.push_back(m);
    }
  }
  long flow = -1, title = -1, header = -1;
  double horz = -1.0, vert = -1.0;
  while (!cur.atEnd()) {
    const resbuf& rb = cur.next();
    switch (rb.restype) {
      case 70: flow = rb.resval.rint; break;
      case 40: horz = rb.resval.rreal; break;
      case 41: vert = rb.resval.rreal; break;
      case 280: title = rb.resval.rint; break;
      case 281: header = rb.resval.rint; break;
      default: kept.add(rb);
    }
  }
  if (flow != -1 && flow != AcDb::kTtoB && flow != AcDb::kBtoT)
    return vhost::dxfError(filer, L"table flow direction (70) out of range");
  if (!std::isfinite(horz) || !std::isfinite(vert) || (horz < 0.0 && horz != -1.0) || (vert < 0.0 && vert != -1.0))
    return vhost::dxfError(filer, L"table cell margins (40, 41) must not be negative");
  mStyle = style;
  mRows = std::move(heights);
  mCols = std::move(widths);
  mCells = std::move(cells);
  mMerges = std::move(merges);
  mFlow = static_cast<Adesk::Int16>(flow);
  mHorzMargin = horz;
  mVertMargin = vert;
  mTitleSuppressed = static_cast<Adesk::Int8>(title < 0 ? -1 : (title != 0));
  mHeaderSuppressed = static_cast<Adesk::Int8>(header < 0 ? -1 : (header != 0));
  mStale = false;  // the block read with the table is used as it is
  kept.storeInto(this);
  vhost::DxfMemoryFiler mine(filer->database());
  vhostDxfOutModel(&mine);
  vhost::annotdxf::storeVerbatim(this, L"AcDbTable", vhost::annotdxf::digestGroups(mine.groups()),
                                 list.copyRange(0, list.size()));
  return Acad::eOk;
}
