#pragma once
// Adding a new record to one of a drawing's symbol tables (linetypes, text
// styles ...): the table is opened for write, the record added, and both are
// closed. A record the table cannot take (the table cannot be opened, or it
// refuses the record) is deleted. 1 on success, id the new record; 0 otherwise
// with a null id.
#include "arx/db/AcDb.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbObjectId.h"

namespace vesk {

template <class Table, class Record>
int AddSymbolTableRecord(AcDbDatabase* db, Acad::ErrorStatus (AcDbDatabase::*getTable)(Table*&, AcDb::OpenMode),
                         Record* record, AcDbObjectId& id) {
  id.setNull();
  Table* table = nullptr;
  if ((db->*getTable)(table, AcDb::kForWrite) != Acad::eOk) {
    delete record;
    return 0;
  }
  if (table->add(id, record) != Acad::eOk) {
    delete record;
    table->close();
    id.setNull();
    return 0;
  }
  record->close();
  table->close();
  return 1;
}

}  // namespace vesk
