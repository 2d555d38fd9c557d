#pragma once
// Registered applications: the names under which objects carry extended data.
#include "arx/db/AcDbSymbolTable.h"

class AcDbRegAppTableIterator;

class AcDbRegAppTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRegAppTableRecord);
  AcDbRegAppTableRecord();
  ~AcDbRegAppTableRecord() override;

  // APPID: 2 name, 70 flags.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
};

class AcDbRegAppTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRegAppTable);
  AcDbRegAppTable();
  ~AcDbRegAppTable() override;

  using AcDbSymbolTable::getAt;
  using AcDbSymbolTable::newIterator;
  Acad::ErrorStatus getAt(const ACHAR* name, AcDbRegAppTableRecord*& record, AcDb::OpenMode mode,
                          bool openErasedRecord = false) const;
  Acad::ErrorStatus newIterator(AcDbRegAppTableIterator*& iterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

 protected:
  bool vhostAccepts(const AcDbSymbolTableRecord* record) const override;
};

class AcDbRegAppTableIterator : public AcDbSymbolTableIterator {
 public:
  using AcDbSymbolTableIterator::getRecord;
  Acad::ErrorStatus getRecord(AcDbRegAppTableRecord*& record, AcDb::OpenMode mode = AcDb::kForRead,
                              bool openErasedRecord = false) const;

 private:
  friend class AcDbRegAppTable;
  explicit AcDbRegAppTableIterator(AcDbObjectId tableId) : AcDbSymbolTableIterator(tableId) {}
};
