#pragma once
// Text styles: the text style table and its records. A style names a font
// (a shape font file with an optional big font, or a TrueType typeface) and
// the default height, width factor and slant of text written with it.
#include <string>

#include "arx/db/AcDbSymbolTable.h"

class AcDbTextStyleTableIterator;

class AcDbTextStyleTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbTextStyleTableRecord);
  AcDbTextStyleTableRecord();
  ~AcDbTextStyleTableRecord() override;

  // Shape font file ("txt", "simplex.shx") and big font file; the ACHAR*&
  // forms give new[] copies.
  Acad::ErrorStatus fileName(ACHAR*& name) const;
  Acad::ErrorStatus fileName(const ACHAR*& name) const;
  Acad::ErrorStatus setFileName(const ACHAR* name);
  Acad::ErrorStatus bigFontFileName(ACHAR*& name) const;
  Acad::ErrorStatus bigFontFileName(const ACHAR*& name) const;
  Acad::ErrorStatus setBigFontFileName(const ACHAR* name);

  // TrueType font: the typeface ("" for a shape font; new[] copy), bold,
  // italic, Windows character set and pitch-and-family byte.
  Acad::ErrorStatus font(ACHAR*& typeface, bool& bold, bool& italic, int& charset, int& pitchAndFamily) const;
  Acad::ErrorStatus setFont(const ACHAR* typeface, bool bold, bool italic, int charset, int pitchAndFamily);

  // Fixed height (0: asked for when writing); eNegativeValueNotAllowed below 0.
  double textSize() const;
  Acad::ErrorStatus setTextSize(double size);
  // Width factor; eInvalidInput unless positive.
  double xScale() const;
  Acad::ErrorStatus setXScale(double factor);
  // Slant in radians; eInvalidInput beyond +-85 degrees.
  double obliquingAngle() const;
  Acad::ErrorStatus setObliquingAngle(double angle);
  // Height last used with this style.
  double priorSize() const;
  Acad::ErrorStatus setPriorSize(double size);
  bool isVertical() const;
  Acad::ErrorStatus setIsVertical(bool vertical);
  // A style that only loads a shape file (for linetypes), not a text font.
  bool isShapeFile() const;
  Acad::ErrorStatus setIsShapeFile(bool shapeFile);
  // Generation flags: 2 backwards, 4 upside down.
  Adesk::UInt8 flagBits() const;
  Acad::ErrorStatus setFlagBits(Adesk::UInt8 flags);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // STYLE: 2 name (empty for a shape file), 70 flags (1 shape file, 4
  // vertical), 40 fixed height, 41 width factor, 50 obliquing angle in
  // degrees, 71 generation flags, 42 last height, 3 font file, 4 big font.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // The TrueType font shows as the extended data of "ACAD": 1000 typeface,
  // 1071 pitch and family (bits 0-7), character set (bits 8-15), italic
  // (0x1000000) and bold (0x2000000). xData() adds those two items at the
  // start of the "ACAD" section when a typeface is set; setXData() takes an
  // "ACAD" section that starts with them into the font.
  resbuf* xData(const ACHAR* regappName = nullptr) const override;
  Acad::ErrorStatus setXData(const resbuf* xdata) override;

 protected:
  // "Standard" and the database's current style cannot be erased
  // (eCannotBeErasedByCaller).
  Acad::ErrorStatus subErase(Adesk::Boolean erasing) override;

 private:
  std::wstring mFileName;
  std::wstring mBigFontFileName;
  std::wstring mTypeface;
  double mTextSize = 0.0;
  double mXScale = 1.0;
  double mObliquingAngle = 0.0;
  double mPriorSize = 2.5;
  Adesk::Int32 mCharset = 0;
  Adesk::Int32 mPitchAndFamily = 0;
  Adesk::UInt8 mFlagBits = 0;
  bool mBold = false;
  bool mItalic = false;
  bool mVertical = false;
  bool mShapeFile = false;
};

class AcDbTextStyleTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbTextStyleTable);
  AcDbTextStyleTable();
  ~AcDbTextStyleTable() override;

  using AcDbSymbolTable::getAt;
  using AcDbSymbolTable::newIterator;
  Acad::ErrorStatus getAt(const ACHAR* name, AcDbTextStyleTableRecord*& record, AcDb::OpenMode mode,
                          bool openErasedRecord = false) const;
  Acad::ErrorStatus newIterator(AcDbTextStyleTableIterator*& iterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

 protected:
  bool vhostAccepts(const AcDbSymbolTableRecord* record) const override;
};

class AcDbTextStyleTableIterator : public AcDbSymbolTableIterator {
 public:
  using AcDbSymbolTableIterator::getRecord;
  Acad::ErrorStatus getRecord(AcDbTextStyleTableRecord*& record, AcDb::OpenMode mode = AcDb::kForRead,
                              bool openErasedRecord = false) const;

 private:
  friend class AcDbTextStyleTable;
  explicit AcDbTextStyleTableIterator(AcDbObjectId tableId) : AcDbSymbolTableIterator(tableId) {}
};
