#include "arx/db/AcDbRegAppTable.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbRegAppTableRecord, AcDbSymbolTableRecord, L"APPID")
VHOST_DEFINE_BUILTIN_CLASS(AcDbRegAppTable, AcDbSymbolTable, L"APPID_TABLE")

AcDbRegAppTableRecord::AcDbRegAppTableRecord() = default;
AcDbRegAppTableRecord::~AcDbRegAppTableRecord() = default;

AcDbRegAppTable::AcDbRegAppTable() = default;
AcDbRegAppTable::~AcDbRegAppTable() = default;

bool AcDbRegAppTable::vhostAccepts(const AcDbSymbolTableRecord* record) const {
  return AcDbRegAppTableRecord::cast(record) != nullptr;
}

Acad::ErrorStatus AcDbRegAppTable::getAt(const ACHAR* name, AcDbRegAppTableRecord*& record, AcDb::OpenMode mode,
                                         bool openErasedRecord) const {
  return vhostGetTyped(name, record, mode, openErasedRecord);
}

Acad::ErrorStatus AcDbRegAppTable::newIterator(AcDbRegAppTableIterator*& iterator, bool atBeginning,
                                               bool skipDeleted) const {
  iterator = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  iterator = new AcDbRegAppTableIterator(objectId());
  iterator->start(atBeginning, skipDeleted);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegAppTableIterator::getRecord(AcDbRegAppTableRecord*& record, AcDb::OpenMode mode,
                                                     bool openErasedRecord) const {
  return vhostGetTyped(record, mode, openErasedRecord);
}
