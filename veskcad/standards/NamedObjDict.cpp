#include "veskcad/standards/NamedObjDict.h"

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbXrecord.h"
#include "veskbase/PrintErrorMsg.h"

namespace VeskCad {

namespace {

bool named(const wchar_t* text) { return text != nullptr && *text != L'\0'; }

// The entry name of the dictionary dictId as a sub-dictionary, created when
// missing.
int childDictionary(AcDbObjectId dictId, const wchar_t* name, AcDbObjectId& id) {
  id.setNull();
  AcDbDictionary* dict = nullptr;
  if (acdbOpenObject(dict, dictId, AcDb::kForRead) != Acad::eOk) return 0;
  AcDbObjectId found;
  if (dict->getAt(name, found) == Acad::eOk) {
    dict->close();
    AcDbDictionary* sub = nullptr;
    if (acdbOpenObject(sub, found, AcDb::kForRead) != Acad::eOk) return 0;  // not a dictionary
    sub->close();
    id = found;
    return 1;
  }
  Acad::ErrorStatus es = dict->upgradeOpen();
  if (es != Acad::eOk) {
    dict->close();
    throw es;
  }
  auto* sub = new AcDbDictionary();
  es = dict->setAt(name, sub, id);
  if (es != Acad::eOk) {
    delete sub;
    dict->close();
    id.setNull();
    throw es;
  }
  sub->close();
  dict->close();
  return id.isValid() ? 1 : 0;
}

CString firstValueText(const resbuf* rb) {
  CString text;
  if (rb == nullptr) return text;
  switch (rb->restype) {
    case 90:
      text.Format(L"%d", static_cast<int>(rb->resval.rlong));
      break;
    case 40:
      text.Format(L"%.3f", rb->resval.rreal);
      break;
    case 1:
      text = rb->resval.rstring != nullptr ? rb->resval.rstring : L"";
      break;
    default:
      break;
  }
  return text;
}

}  // namespace

int AddNamedObjDict(const wchar_t* name, AcDbObjectId& id, AcDbDatabase* db) {
  id.setNull();
  if (db == nullptr || !named(name)) return 0;
  try {
    return childDictionary(db->namedObjectsDictionaryId(), name, id);
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, L"VeskCad::AddNamedObjDict");
    return 0;
  }
}

int AddNamedObjDictChild(AcDbObjectId parent, const wchar_t* name, AcDbObjectId& id) {
  id.setNull();
  if (parent.isNull() || !named(name)) return 0;
  try {
    return childDictionary(parent, name, id);
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, L"VeskCad::AddNamedObjDictChild");
    return 0;
  }
}

int AddNamedObjDictXrec(AcDbObjectId dictId, const wchar_t* name, resbuf*& data) {
  if (dictId.isNull() || !named(name) || data == nullptr) return 0;
  try {
    AcDbDictionary* dict = nullptr;
    Acad::ErrorStatus es = acdbOpenObject(dict, dictId, AcDb::kForWrite);
    if (es != Acad::eOk) throw es;
    AcDbDatabase* db = dict->database();
    AcDbObjectId id;
    if (dict->getAt(name, id) == Acad::eOk) {
      dict->close();
      AcDbXrecord* rec = nullptr;
      if (acdbOpenObject(rec, id, AcDb::kForWrite) != Acad::eOk) return 0;
      es = rec->setFromRbChain(*data, db);
      rec->close();
      return es == Acad::eOk ? 1 : 0;
    }
    auto* rec = new AcDbXrecord();
    es = rec->setFromRbChain(*data, db);
    if (es == Acad::eOk) es = dict->setAt(name, rec, id);
    if (es != Acad::eOk) {
      delete rec;
      dict->close();
      return 0;
    }
    rec->close();
    dict->close();
    return 1;
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, L"VeskCad::AddNamedObjDictXrec");
    return 0;
  }
}

int AddNamedObjDictXrec(const wchar_t* name, resbuf*& data, AcDbDatabase* db) {
  if (db == nullptr) return 0;
  return AddNamedObjDictXrec(db->namedObjectsDictionaryId(), name, data);
}

int GetNameObjDictXrecData(AcDbObjectId entity, CStringArray& keys, CStringArray& values) {
  try {
    AcDbObject* obj = nullptr;
    if (acdbOpenObject(obj, entity, AcDb::kForRead) != Acad::eOk) return 0;
    const AcDbObjectId extId = obj->extensionDictionary();
    obj->close();
    if (extId.isNull()) return 0;
    AcDbDictionary* dict = nullptr;
    if (acdbOpenObject(dict, extId, AcDb::kForRead) != Acad::eOk) return 0;
    AcDbDictionaryIterator* it = dict->newIterator();
    dict->close();
    for (; it != nullptr && !it->done(); it->next()) {
      keys.Add(it->name());
      AcDbXrecord* rec = nullptr;
      if (acdbOpenObject(rec, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
      resbuf* chain = nullptr;
      rec->rbChain(chain);
      rec->close();
      values.Add(firstValueText(chain));
      acutRelRb(chain);
    }
    delete it;
    return keys.GetSize() == values.GetSize() ? 1 : 0;
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, L"VeskCad::GetNameObjDictXrecData");
    return 0;
  }
}

}  // namespace VeskCad
