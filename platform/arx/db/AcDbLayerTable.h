#pragma once
// Layers: the layer table and its records. A layer gives its entities their
// colour, linetype and lineweight when those are "by layer", and decides
// whether they are shown, plotted or can be changed.
#include <string>

#include "arx/base/AcCmColor.h"
#include "arx/db/AcDbSymbolTable.h"

class AcDbLayerTableIterator;

class AcDbLayerTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLayerTableRecord);
  // A new layer: colour 7, linetype Continuous (set when it is added to a
  // table without one), default lineweight, on, thawed, unlocked, plotted.
  AcDbLayerTableRecord();
  ~AcDbLayerTableRecord() override;

  AcCmColor color() const;
  // An index or true colour; eInvalidInput for ByLayer, ByBlock and none.
  Acad::ErrorStatus setColor(const AcCmColor& color);
  AcCmEntityColor entityColor() const;

  AcDbObjectId linetypeObjectId() const;
  Acad::ErrorStatus setLinetypeObjectId(AcDbObjectId linetypeId);

  AcDb::LineWeight lineWeight() const;
  // eInvalidInput for a value that is not a lineweight, or ByLayer/ByBlock.
  Acad::ErrorStatus setLineWeight(AcDb::LineWeight weight);

  bool isOff() const;
  Acad::ErrorStatus setIsOff(bool off);
  bool isFrozen() const;
  // The database's current layer cannot be frozen (eInvalidLayer).
  Acad::ErrorStatus setIsFrozen(bool frozen);
  bool isLocked() const;
  Acad::ErrorStatus setIsLocked(bool locked);
  bool isPlottable() const;
  Acad::ErrorStatus setIsPlottable(bool plottable);
  // Hidden from layer lists (layer "0" cannot be hidden: eInvalidInput).
  bool isHidden() const;
  Acad::ErrorStatus setIsHidden(bool hidden);

  // A copy of the description (new[]; free with delete[] / acutDelString).
  ACHAR* description() const;
  Acad::ErrorStatus description(std::wstring& text) const;
  Acad::ErrorStatus setDescription(const ACHAR* text);

  bool isRenamable() const override;
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // LAYER: 2 name, 70 flags (1 frozen, 4 locked), 62 colour (negative when
  // off), 420/430 true colour and its name, 6 linetype name, 290 plottable,
  // 370 lineweight; groups not modelled (390 plot style, 347 material ...)
  // are kept. Reading resolves the linetype name in the filer's database.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // The description shows as the extended data of "AcAecLayerStandard"
  // (1000 "", 1000 description), as the host keeps it: xData() adds that
  // section when there is a description (and, for a layer in a database,
  // the application is registered there), and setXData() takes such a
  // section into the description.
  resbuf* xData(const ACHAR* regappName = nullptr) const override;
  Acad::ErrorStatus setXData(const resbuf* xdata) override;

 protected:
  // Layer "0" and the database's current layer cannot be erased
  // (eCannotBeErasedByCaller).
  Acad::ErrorStatus subErase(Adesk::Boolean erasing) override;

 private:
  enum Flags : Adesk::UInt8 { kOff = 1, kFrozen = 2, kLocked = 4, kNoPlot = 8, kHidden = 16 };
  AcCmColor mColor;
  AcDbObjectId mLinetypeId;
  std::wstring mDescription;
  Adesk::Int16 mLineWeight = AcDb::kLnWtByLwDefault;
  Adesk::UInt8 mFlags = 0;
};

class AcDbLayerTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLayerTable);
  AcDbLayerTable();
  ~AcDbLayerTable() override;

  using AcDbSymbolTable::getAt;
  using AcDbSymbolTable::newIterator;
  Acad::ErrorStatus getAt(const ACHAR* name, AcDbLayerTableRecord*& record, AcDb::OpenMode mode,
                          bool openErasedRecord = false) const;
  Acad::ErrorStatus newIterator(AcDbLayerTableIterator*& iterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

 protected:
  bool vhostAccepts(const AcDbSymbolTableRecord* record) const override;
};

class AcDbLayerTableIterator : public AcDbSymbolTableIterator {
 public:
  using AcDbSymbolTableIterator::getRecord;
  Acad::ErrorStatus getRecord(AcDbLayerTableRecord*& record, AcDb::OpenMode mode = AcDb::kForRead,
                              bool openErasedRecord = false) const;

 private:
  friend class AcDbLayerTable;
  explicit AcDbLayerTableIterator(AcDbObjectId tableId) : AcDbSymbolTableIterator(tableId) {}
};
