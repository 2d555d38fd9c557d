#include "veskbase/DatNamedObjDict.h"

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/db/AcDbXrecord.h"

namespace vesk {
namespace dat {

namespace {

AcDbDatabase* dbOrWorking(AcDbDatabase* db) {
  if (db != nullptr) return db;
  AcDbHostApplicationServices* services = acdbHostApplicationServices();
  return services != nullptr ? services->workingDatabase() : nullptr;
}

bool named(const wchar_t* text) { return text != nullptr && *text != L'\0'; }

// The sub-dictionary of the named-object dictionary, opened in mode; with
// create, made when missing. Null when missing, not a dictionary or refused.
AcDbDictionary* openSubDictionary(AcDbDatabase* db, const wchar_t* name, AcDb::OpenMode mode, bool create) {
  AcDbDictionary* root = nullptr;
  if (db->getNamedObjectsDictionary(root, AcDb::kForRead) != Acad::eOk) return nullptr;
  AcDbObjectId id;
  const bool has = root->getAt(name, id) == Acad::eOk;
  if (!has && !create) {
    root->close();
    return nullptr;
  }
  AcDbDictionary* dict = nullptr;
  if (has) {
    root->close();
    if (acdbOpenObject(dict, id, mode) != Acad::eOk) return nullptr;
    return dict;
  }
  if (root->upgradeOpen() != Acad::eOk) {
    root->close();
    return nullptr;
  }
  dict = new AcDbDictionary();
  if (root->setAt(name, dict, id) != Acad::eOk) {
    delete dict;
    root->close();
    return nullptr;
  }
  root->close();
  // A new entry is left open for write, which serves every mode.
  return dict;
}

}  // namespace

int AddNamedObjDict(const wchar_t* dictName, const wchar_t* key, const resbuf* data, AcDbDatabase* db) {
  db = dbOrWorking(db);
  if (db == nullptr || !named(dictName) || !named(key) || data == nullptr) return 0;
  try {
    AcDbDictionary* dict = openSubDictionary(db, dictName, AcDb::kForWrite, true);
    if (dict == nullptr) return 0;
    AcDbObjectId id;
    int ok = 0;
    if (dict->getAt(key, id) == Acad::eOk) {
      dict->close();
      AcDbXrecord* rec = nullptr;
      if (acdbOpenObject(rec, id, AcDb::kForWrite) != Acad::eOk) return 0;
      ok = rec->setFromRbChain(*data, db) == Acad::eOk ? 1 : 0;
      rec->close();
      return ok;
    }
    // Fill the record before it joins the dictionary, so that a chain the
    // record refuses leaves no empty entry behind.
    auto* rec = new AcDbXrecord();
    if (rec->setFromRbChain(*data, db) == Acad::eOk && dict->setAt(key, rec, id) == Acad::eOk) {
      rec->close();
      ok = 1;
    } else {
      delete rec;
    }
    dict->close();
    return ok;
  } catch (const Acad::ErrorStatus&) {
    return 0;
  }
}

int ReadNamedObjDict(const wchar_t* dictName, const wchar_t* key, resbuf*& data, AcDbDatabase* db) {
  data = nullptr;
  db = dbOrWorking(db);
  if (db == nullptr || !named(dictName) || !named(key)) return 0;
  try {
    AcDbDictionary* dict = openSubDictionary(db, dictName, AcDb::kForRead, false);
    if (dict == nullptr) return 0;
    AcDbObjectId id;
    const bool has = dict->getAt(key, id) == Acad::eOk;
    dict->close();
    if (!has) return 0;
    AcDbXrecord* rec = nullptr;
    if (acdbOpenObject(rec, id, AcDb::kForRead) != Acad::eOk) return 0;
    const bool ok = rec->rbChain(data, db) == Acad::eOk;
    rec->close();
    if (!ok) {
      acutRelRb(data);
      data = nullptr;
      return 0;
    }
    return 1;
  } catch (const Acad::ErrorStatus&) {
    acutRelRb(data);
    data = nullptr;
    return 0;
  }
}

}  // namespace dat
}  // namespace vesk
