#pragma once
// Dimension styles: the settings aligned and rotated dimensions draw with.
// A new record holds the metric defaults (text and arrows 2.5, extension
// line offset 0.625 and extension 1.25, text gap 0.625, two decimals, all
// colours ByBlock, overall scale 1).
#include "arx/base/AcCmColor.h"
#include "arx/db/AcDbSymbolTable.h"

class AcDbDimStyleTableIterator;

class AcDbDimStyleTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDimStyleTableRecord);
  AcDbDimStyleTableRecord();
  ~AcDbDimStyleTableRecord() override;

  // Text style of the dimension text (null: the database's "Standard").
  AcDbObjectId dimtxsty() const;
  Acad::ErrorStatus setDimtxsty(AcDbObjectId styleId);
  // Overall scale; eNegativeValueNotAllowed below 0 (0 scales to the viewport).
  double dimscale() const;
  Acad::ErrorStatus setDimscale(double v);
  // Text height; eInvalidInput unless positive.
  double dimtxt() const;
  Acad::ErrorStatus setDimtxt(double v);
  // Arrow size, extension line offset and extension, gap around the text:
  // eNegativeValueNotAllowed below 0 (a negative gap is allowed: it boxes the text).
  double dimasz() const;
  Acad::ErrorStatus setDimasz(double v);
  double dimexo() const;
  Acad::ErrorStatus setDimexo(double v);
  double dimexe() const;
  Acad::ErrorStatus setDimexe(double v);
  double dimgap() const;
  Acad::ErrorStatus setDimgap(double v);
  // Decimal places of the measurement, 0..8 (eInvalidInput otherwise).
  int dimdec() const;
  Acad::ErrorStatus setDimdec(int v);
  // Colours of dimension lines, extension lines and text.
  AcCmColor dimclrd() const;
  Acad::ErrorStatus setDimclrd(const AcCmColor& color);
  AcCmColor dimclre() const;
  Acad::ErrorStatus setDimclre(const AcCmColor& color);
  AcCmColor dimclrt() const;
  Acad::ErrorStatus setDimclrt(const AcCmColor& color);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // DIMSTYLE: 2 name, 70 flags, then the variables this record models: 40
  // DIMSCALE, 41 DIMASZ, 42 DIMEXO, 44 DIMEXE, 140 DIMTXT, 147 DIMGAP, 176
  // DIMCLRD, 177 DIMCLRE, 178 DIMCLRT (colour indexes: a true colour is
  // written as its nearest index), 271 DIMDEC, 340 DIMTXSTY. The other
  // variables of a drawing are kept as read.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
  // Dimension style records carry their handle in group 105.
  int vhostDxfHandleCode() const override { return 105; }

 protected:
  // "Standard" and the database's current dimension style cannot be erased
  // (eCannotBeErasedByCaller).
  Acad::ErrorStatus subErase(Adesk::Boolean erasing) override;

 private:
  AcDbObjectId mTextStyle;
  double mScale = 1.0;
  double mTextHeight = 2.5;
  double mArrowSize = 2.5;
  double mExtOffset = 0.625;
  double mExtExtension = 1.25;
  double mGap = 0.625;
  AcCmColor mDimLineColor;
  AcCmColor mExtLineColor;
  AcCmColor mTextColor;
  Adesk::Int16 mDecimals = 2;
};

class AcDbDimStyleTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDimStyleTable);
  AcDbDimStyleTable();
  ~AcDbDimStyleTable() override;

  using AcDbSymbolTable::getAt;
  using AcDbSymbolTable::newIterator;
  Acad::ErrorStatus getAt(const ACHAR* name, AcDbDimStyleTableRecord*& record, AcDb::OpenMode mode,
                          bool openErasedRecord = false) const;
  Acad::ErrorStatus newIterator(AcDbDimStyleTableIterator*& iterator, bool atBeginning = true,
                                bool skipDeleted = true) const;
  // After the table's groups: 100 AcDbDimStyleTable, 71 the number of
  // records and a 340 pointer to each.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  bool vhostAccepts(const AcDbSymbolTableRecord* record) const override;
};

class AcDbDimStyleTableIterator : public AcDbSymbolTableIterator {
 public:
  using AcDbSymbolTableIterator::getRecord;
  Acad::ErrorStatus getRecord(AcDbDimStyleTableRecord*& record, AcDb::OpenMode mode = AcDb::kForRead,
                              bool openErasedRecord = false) const;

 private:
  friend class AcDbDimStyleTable;
  explicit AcDbDimStyleTableIterator(AcDbObjectId tableId) : AcDbSymbolTableIterator(tableId) {}
};
