#include "arx/db/AcDbRegAppTable.h"

#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/db/VhostDxfSupport.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbRegAppTableRecord, AcDbSymbolTableRecord, L"APPID")
VHOST_DEFINE_BUILTIN_CLASS(AcDbRegAppTable, AcDbSymbolTable, L"APPID_TABLE")

AcDbRegAppTableRecord::AcDbRegAppTableRecord() = default;
AcDbRegAppTableRecord::~AcDbRegAppTableRecord() = default;

namespace {
constexpr const ACHAR* kSubclass = L"AcDbRegAppTableRecord";
}  // namespace

Acad::ErrorStatus AcDbRegAppTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, kSubclass);
  filer->writeString(2, vhostName());
  filer->writeInt16(70, static_cast<Adesk::Int16>(vhostDxfStandardFlags() | vhost::dxfKeptBits(this, kSubclass, 70)));
  vhost::dxfWriteKept(filer, this, kSubclass);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbRegAppTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(kSubclass)) return vhost::dxfBadSubclass(filer, kSubclass);
  vhost::DxfKeptGroups kept(kSubclass);
  std::wstring name;
  bool sawName = false;
  int flags = 0;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    if (rb.restype == 2) {
      name = rb.resval.rstring ? rb.resval.rstring : L"";
      sawName = true;
    } else if (rb.restype == 70) {
      flags = static_cast<int>(vhost::dxfInt(rb));
    } else {
      kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (!sawName) return vhost::dxfError(filer, L"an APPID record has no name (group 2)");
  es = vhostDxfSetName(filer, name.c_str());
  if (es != Acad::eOk) return es;
  vhost::dxfKeepBits(this, kSubclass, 70, flags & ~16);
  kept.storeInto(this);
  return Acad::eOk;
}

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
