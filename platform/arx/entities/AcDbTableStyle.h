#pragma once
// Table styles: how tables look by default, per row type (title, header,
// data): text style, text height, cell alignment, text and background
// colours; and for the whole table the flow direction, the cell margins and
// whether the title and header rows are shown. Styles live in the drawing's
// table style dictionary ("ACAD_TABLESTYLE").
#include <string>

#include "arx/base/AcCmColor.h"
#include "arx/db/AcDbObject.h"

namespace AcDb {
enum RowType { kUnknownRow = 0, kDataRow = 1, kTitleRow = 2, kHeaderRow = 4, kAllRows = kDataRow | kTitleRow | kHeaderRow };
enum CellAlignment {
  kTopLeft = 1,
  kTopCenter = 2,
  kTopRight = 3,
  kMiddleLeft = 4,
  kMiddleCenter = 5,
  kMiddleRight = 6,
  kBottomLeft = 7,
  kBottomCenter = 8,
  kBottomRight = 9
};
enum FlowDirection { kTtoB = 0, kBtoT = 1 };
enum CellType { kUnknownCell = 0, kTextCell = 1, kBlockCell = 2 };
}  // namespace AcDb

class AcDbTableStyle : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbTableStyle);
  // A style with the metric defaults: text height 6 for titles and 4.5
  // otherwise, margins 1.5, titles and headers centred, data at the top
  // centre, flowing top to bottom.
  AcDbTableStyle();
  ~AcDbTableStyle() override;

  // The key of the style in the table style dictionary (getName, new[] copy).
  Acad::ErrorStatus getName(ACHAR*& name) const;
  Acad::ErrorStatus setName(const ACHAR* name);
  const ACHAR* description() const;
  Acad::ErrorStatus setDescription(const ACHAR* description);

  AcDb::FlowDirection flowDirection() const;
  Acad::ErrorStatus setFlowDirection(AcDb::FlowDirection direction);
  double horzCellMargin() const;
  Acad::ErrorStatus setHorzCellMargin(double margin);  // >= 0
  double vertCellMargin() const;
  Acad::ErrorStatus setVertCellMargin(double margin);
  bool isTitleSuppressed() const;
  Acad::ErrorStatus suppressTitleRow(bool value);
  bool isHeaderSuppressed() const;
  Acad::ErrorStatus suppressHeaderRow(bool value);

  // Per row type; setters take a combination of row types.
  AcDbObjectId textStyle(AcDb::RowType rowType = AcDb::kDataRow) const;
  Acad::ErrorStatus setTextStyle(const AcDbObjectId& id, int rowTypes = AcDb::kAllRows);
  double textHeight(AcDb::RowType rowType = AcDb::kDataRow) const;
  Acad::ErrorStatus setTextHeight(double height, int rowTypes = AcDb::kAllRows);  // > 0
  AcDb::CellAlignment alignment(AcDb::RowType rowType = AcDb::kDataRow) const;
  Acad::ErrorStatus setAlignment(AcDb::CellAlignment alignment, int rowTypes = AcDb::kAllRows);
  AcCmColor color(AcDb::RowType rowType = AcDb::kDataRow) const;
  Acad::ErrorStatus setColor(const AcCmColor& color, int rowTypes = AcDb::kAllRows);
  AcCmColor backgroundColor(AcDb::RowType rowType = AcDb::kDataRow) const;
  Acad::ErrorStatus setBackgroundColor(const AcCmColor& color, int rowTypes = AcDb::kAllRows);
  bool isBackgroundColorNone(AcDb::RowType rowType = AcDb::kDataRow) const;
  Acad::ErrorStatus setBackgroundColorNone(bool value, int rowTypes = AcDb::kAllRows);

  // Adds the style to the database's table style dictionary under the name
  // (eDuplicateKey when the name is taken). The style is left open for write.
  Acad::ErrorStatus postTableStyleToDb(AcDbDatabase* db, const ACHAR* styleName, AcDbObjectId& tableStyleId);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // TABLESTYLE: 280 version, 3 description, 70 flow, 71 flags, 40/41 cell
  // margins, 280/281 title and header suppressed, then for the data, header
  // and title rows in that order: 7 text style by name, 140 text height,
  // 170 alignment, 62/420 text colour, 63/421 background colour, 283
  // background on. Border and format groups are kept as read.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  struct RowStyle {
    AcDbObjectId textStyle;
    double textHeight = 4.5;
    Adesk::Int16 alignment = AcDb::kTopCenter;
    AcCmColor color;
    AcCmColor background;
    bool backgroundNone = true;
  };
  // Index of a single row type (data 0, title 1, header 2), -1 for others.
  static int slot(AcDb::RowType rowType);
  template <class F>
  Acad::ErrorStatus forRows(int rowTypes, F&& f);

  std::wstring mDescription;
  Adesk::Int16 mFlow = AcDb::kTtoB;
  double mHorzMargin = 1.5;
  double mVertMargin = 1.5;
  bool mTitleSuppressed = false;
  bool mHeaderSuppressed = false;
  RowStyle mRows[3];
};
