#include "veskbase/EntTextStyle.h"

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/db/AcDbTextStyleTable.h"
#include "veskbase/CadFont.h"
#include "veskbase/SymbolTableAdd.h"

namespace vesk {

namespace {

AcDbDatabase* dbOrWorking(AcDbDatabase* db) {
  if (db != nullptr) return db;
  AcDbHostApplicationServices* services = acdbHostApplicationServices();
  return services != nullptr ? services->workingDatabase() : nullptr;
}

// The record's settings on a new style; false at the first refusal.
bool applyRecord(AcDbTextStyleTableRecord* rec, const TEXTSTYLEPARAM& record) {
  if (rec->setName(record.TextstyleName) != Acad::eOk) return false;
  if (rec->setTextSize(record.Height) != Acad::eOk) return false;
  if (rec->setXScale(record.XScale) != Acad::eOk) return false;
  if (rec->setObliquingAngle(record.ObliquingAngle) != Acad::eOk) return false;
  CString mainFile, bigFile;
  if (cad::SplitShapeFontFile(record.FontFile, mainFile, bigFile)) {
    if (rec->setFileName(mainFile) != Acad::eOk) return false;
    if (!bigFile.IsEmpty() && rec->setBigFontFileName(bigFile) != Acad::eOk) return false;
    return rec->setIsVertical(record.Vertical != 0) == Acad::eOk;
  }
  return rec->setFont(record.FontFile, record.Bold != 0, record.Italic != 0, 0, 0) == Acad::eOk;
}

}  // namespace

namespace ent {

int GetTextStyle(const wchar_t* name, AcDbObjectId& id, AcDbDatabase* db) {
  id.setNull();
  db = dbOrWorking(db);
  if (db == nullptr || name == nullptr || *name == L'\0') return 0;
  id = db->textStyleId(name);
  return id.isNull() ? 0 : 1;
}

int CreateTextStyle(const TEXTSTYLEPARAM& record, AcDbObjectId& id, AcDbDatabase* db) {
  db = dbOrWorking(db);
  if (GetTextStyle(record.TextstyleName, id, db)) return 1;
  if (db == nullptr || record.TextstyleName[0] == L'\0') return 0;
  try {
    auto* rec = new AcDbTextStyleTableRecord();
    if (!applyRecord(rec, record)) {
      delete rec;
      return 0;
    }
    return AddSymbolTableRecord(db, &AcDbDatabase::getTextStyleTable, rec, id);
  } catch (const Acad::ErrorStatus&) {
    id.setNull();
    return 0;
  }
}

}  // namespace ent

namespace cad {

int OpenTxtStyle(const TEXTSTYLEPARAM& record, AcDbObjectId& id, AcDbDatabase* db) {
  return ent::CreateTextStyle(record, id, db);
}

}  // namespace cad
}  // namespace vesk
