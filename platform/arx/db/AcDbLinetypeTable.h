#pragma once
// Linetypes: the linetype table and its records. A record describes a dash
// pattern: the length of each dash (positive a dash, negative a gap, zero a
// dot) and, per dash, an optional shape or text drawn with a text style.
// Indexes out of range give eInvalidIndex from setters and neutral values
// (0, null, empty) from getters.
#include <string>
#include <vector>

#include "arx/db/AcDbSymbolTable.h"
#include "arx/ge/AcGeVector2d.h"

class AcDbLinetypeTableIterator;

class AcDbLinetypeTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLinetypeTableRecord);
  AcDbLinetypeTableRecord();
  ~AcDbLinetypeTableRecord() override;

  // The description shown beside the name ("Solid line", "__ __ __").
  // comments(ACHAR*&) gives a new[] copy.
  Acad::ErrorStatus comments(ACHAR*& text) const;
  Acad::ErrorStatus comments(const ACHAR*& text) const;
  Acad::ErrorStatus setComments(const ACHAR* text);
  Acad::ErrorStatus asciiDescription(ACHAR*& text) const { return comments(text); }
  Acad::ErrorStatus asciiDescription(const ACHAR*& text) const { return comments(text); }
  Acad::ErrorStatus setAsciiDescription(const ACHAR* text) { return setComments(text); }

  // The total length of the pattern; eNegativeValueNotAllowed below zero.
  double patternLength() const;
  Acad::ErrorStatus setPatternLength(double length);
  // Dashes: setNumDashes keeps the first ones and adds empty dashes; at
  // most 12 (eInvalidInput).
  int numDashes() const;
  Acad::ErrorStatus setNumDashes(int count);
  double dashLengthAt(int index) const;
  Acad::ErrorStatus setDashLengthAt(int index, double length);
  // The text style (or shape file style) of the dash's shape or text.
  AcDbObjectId shapeStyleAt(int index) const;
  Acad::ErrorStatus setShapeStyleAt(int index, AcDbObjectId styleId);
  int shapeNumberAt(int index) const;
  Acad::ErrorStatus setShapeNumberAt(int index, int shapeNumber);
  AcGeVector2d shapeOffsetAt(int index) const;
  Acad::ErrorStatus setShapeOffsetAt(int index, const AcGeVector2d& offset);
  double shapeScaleAt(int index) const;
  Acad::ErrorStatus setShapeScaleAt(int index, double scale);
  double shapeRotationAt(int index) const;
  Acad::ErrorStatus setShapeRotationAt(int index, double rotation);
  bool shapeIsUcsOrientedAt(int index) const;
  Acad::ErrorStatus setShapeIsUcsOrientedAt(int index, bool ucsOriented);
  // The text drawn in a dash (new[] copy; null when out of range).
  Acad::ErrorStatus textAt(int index, ACHAR*& text) const;
  Acad::ErrorStatus textAt(int index, const ACHAR*& text) const;
  Acad::ErrorStatus setTextAt(int index, const ACHAR* text);
  // Whether the pattern is scaled to fit a curve ('A' alignment).
  bool isScaledToFit() const;
  Acad::ErrorStatus setIsScaledToFit(bool scaledToFit);

  bool isRenamable() const override;
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // LTYPE: 2 name, 70 flags, 3 description, 72 65, 73 dash count, 40
  // pattern length, then per dash 49 length, 74 element flags and, for a
  // dash with a shape or text, 75 shape number, 340 style, 46 scale, 50
  // rotation, 44/45 offset, 9 text. A count that disagrees with the dashes
  // read is an error.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  // ByBlock, ByLayer, Continuous and the database's current linetype cannot
  // be erased (eCannotBeErasedByCaller).
  Acad::ErrorStatus subErase(Adesk::Boolean erasing) override;

 private:
  struct Dash {
    double length = 0.0;
    AcDbObjectId style;
    double scale = 1.0;
    double rotation = 0.0;
    AcGeVector2d offset;
    std::wstring text;
    Adesk::Int16 shapeNumber = 0;
    bool ucsOriented = false;
  };
  const Dash* dashAt(int index) const;
  Dash* writableDashAt(int index, Acad::ErrorStatus& es);

  std::wstring mComments;
  std::vector<Dash> mDashes;
  double mPatternLength = 0.0;
  bool mScaledToFit = false;
};

class AcDbLinetypeTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLinetypeTable);
  AcDbLinetypeTable();
  ~AcDbLinetypeTable() override;

  using AcDbSymbolTable::getAt;
  using AcDbSymbolTable::newIterator;
  Acad::ErrorStatus getAt(const ACHAR* name, AcDbLinetypeTableRecord*& record, AcDb::OpenMode mode,
                          bool openErasedRecord = false) const;
  Acad::ErrorStatus newIterator(AcDbLinetypeTableIterator*& iterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

 protected:
  bool vhostAccepts(const AcDbSymbolTableRecord* record) const override;
};

class AcDbLinetypeTableIterator : public AcDbSymbolTableIterator {
 public:
  using AcDbSymbolTableIterator::getRecord;
  Acad::ErrorStatus getRecord(AcDbLinetypeTableRecord*& record, AcDb::OpenMode mode = AcDb::kForRead,
                              bool openErasedRecord = false) const;

 private:
  friend class AcDbLinetypeTable;
  explicit AcDbLinetypeTableIterator(AcDbObjectId tableId) : AcDbSymbolTableIterator(tableId) {}
};
