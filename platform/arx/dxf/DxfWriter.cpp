#include "arx/dxf/DxfWriter.h"

#include <algorithm>
#include <cwctype>
#include <set>

#include "arx/base/Resbuf.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbProxyObject.h"
#include "arx/db/AcDbSymbolTable.h"
#include "arx/db/VhostStub.h"
#include "arx/dxf/DxfDrawingData.h"
#include "arx/dxf/DxfOutFiler.h"
#include "arx/dxf/DxfStandardTables.h"
#include "arx/dxf/DxfSubEntities.h"
#include "arx/dxf/DxfTextCodec.h"
#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDb3dPolyline.h"

namespace vhost {

namespace {

// DXF types that need no CLASSES entry.
bool isFixedType(const std::wstring& n) {
  static const std::set<std::wstring> kFixed = {
      L"LINE",      L"POINT",        L"CIRCLE",       L"ARC",       L"TRACE",      L"SOLID",    L"TEXT",
      L"SHAPE",     L"BLOCK",        L"ENDBLK",       L"INSERT",    L"ATTDEF",     L"ATTRIB",   L"POLYLINE",
      L"VERTEX",    L"SEQEND",       L"3DFACE",       L"VIEWPORT",  L"DIMENSION",  L"LWPOLYLINE", L"HATCH",
      L"ELLIPSE",   L"SPLINE",       L"MTEXT",        L"REGION",    L"3DSOLID",    L"BODY",     L"RAY",
      L"XLINE",     L"LEADER",       L"TOLERANCE",    L"MLINE",     L"DICTIONARY", L"XRECORD",  L"GROUP",
      L"MLINESTYLE", L"TABLE",       L"LAYER",        L"LTYPE",     L"STYLE",      L"APPID",    L"DIMSTYLE",
      L"BLOCK_RECORD", L"VPORT",     L"VIEW",         L"UCS",       L"ACAD_PROXY_ENTITY", L"ACAD_PROXY_OBJECT"};
  return kFixed.count(n) != 0;
}

const AcDbProxyObject* asProxyObject(const AcDbObject* o) { return AcDbProxyObject::cast(o); }
const AcDbProxyEntity* asProxyEntity(const AcDbObject* o) { return AcDbProxyEntity::cast(o); }

bool isRawTable(const AcDbObject* o) {
  const AcDbProxyObject* p = asProxyObject(o);
  return p && p->proxyData().dxfName == L"TABLE";
}

std::string narrow(const std::wstring& w) {
  std::string out;
  dxfEncodeUtf8(w.c_str(), out);
  return out;
}

bool startsNoCase(const std::wstring& s, const wchar_t* prefix) {
  for (size_t i = 0; prefix[i]; ++i)
    if (i >= s.size() || std::towupper(s[i]) != std::towupper(prefix[i])) return false;
  return true;
}

// Opens for read; an object the caller has open for write is used as it is.
class ReadOpen {
 public:
  explicit ReadOpen(AcDbObjectId id) {
    if (acdbOpenObject(mObj, id, AcDb::kForRead, false) == Acad::eOk) {
      mOpened = true;
    } else {
      mObj = vhost::residentObject(id);
      if (mObj && (!mObj->isReadEnabled() || mObj->isErased())) mObj = nullptr;
    }
  }
  ~ReadOpen() {
    if (mOpened) mObj->close();
  }
  AcDbObject* get() const { return mObj; }

 private:
  AcDbObject* mObj = nullptr;
  bool mOpened = false;
};

}  // namespace

DxfWriter::DxfWriter(AcDbDatabase* db, int precision) : mDb(db), mPrecision(precision), mData(nullptr) {}

std::wstring DxfWriter::dxfNameOf(const AcDbObject* obj) {
  if (const AcDbProxyObject* p = asProxyObject(obj)) return p->proxyData().dxfName;
  if (const AcDbProxyEntity* p = asProxyEntity(obj)) return p->proxyData().dxfName;
  const AcRxClass* c = obj->isA();
  if (c->dxfName() && *c->dxfName()) return c->dxfName();
  std::wstring n = c->name();
  for (auto& ch : n) ch = static_cast<wchar_t>(std::towupper(ch));
  return n;
}

bool DxfWriter::fail(const std::wstring& what) {
  if (mError.empty()) mError = what;
  return false;
}

void DxfWriter::countClass(const AcDbObject* obj, const std::wstring& dxfName) {
  if (isFixedType(dxfName)) return;
  ClassUse& u = mClasses[dxfName];
  ++u.count;
  if (u.count > 1) return;
  u.isEntity = obj->isKindOf(AcDbEntity::desc());
  const ProxyData* pd = nullptr;
  if (const AcDbProxyObject* p = asProxyObject(obj)) pd = &p->proxyData();
  if (const AcDbProxyEntity* p = asProxyEntity(obj)) pd = &p->proxyData();
  if (pd) {
    u.className = pd->className;
    u.appName = pd->appName;
    u.proxyFlags = pd->proxyFlags;
    u.wasProxy = true;
  } else {
    const AcRxClass* c = obj->isA();
    u.className = c->name();
    u.appName = c->appName() && *c->appName() ? c->appName() : L"ObjectDBX Classes";
    u.proxyFlags = c->proxyFlags();
  }
}

bool DxfWriter::writeObject(DxfOutFiler& f, AcDbObject* obj, const std::wstring& dxfName, const wchar_t* tableName) {
  f.writeText(0, dxfName.c_str());
  if (tableName) f.writeText(2, tableName);
  Acad::ErrorStatus es;
  try {
    es = obj->dxfOutFields(&f);
    for (const resbuf* rb = obj->vhostDxfKept(L"\x01trailing"); rb && es == Acad::eOk; rb = rb->rbnext)
      es = f.writeResBuf(*rb);
    if (es == Acad::eOk) {
      resbuf* x = obj->xData();
      for (const resbuf* rb = x; rb && es == Acad::eOk; rb = rb->rbnext) es = f.writeResBuf(*rb);
      acutRelRb(x);
    }
  } catch (const Acad::ErrorStatus& thrown) {
    es = thrown;
  }
  if (es == Acad::eOk) es = f.filerStatus();
  if (es != Acad::eOk) {
    ACHAR h[24];
    obj->handle().getIntoAsciiBuffer(h, 24);
    return fail(dxfName + L" " + h + L" cannot be written: " + acadErrorStatusText(es));
  }
  countClass(obj, dxfName);
  return true;
}

bool DxfWriter::writeEntity(DxfOutFiler& f, AcDbObjectId id) {
  ReadOpen open(id);
  AcDbObject* obj = open.get();
  if (obj == nullptr) return true;  // erased meanwhile
  const std::wstring name = dxfNameOf(obj);
  if (!writeObject(f, obj, name)) return false;
  std::vector<AcDbObjectId> subs = dxfSubEntities(obj);
  if (subs.empty() && mData) {
    auto it = mData->proxyFollowers.find(id.stub());
    if (it != mData->proxyFollowers.end()) subs = it->second;
  }
  for (AcDbObjectId sub : subs) {
    ReadOpen so(sub);
    if (so.get() && !writeObject(f, so.get(), dxfNameOf(so.get()))) return false;
  }
  const bool sequence = name == L"POLYLINE" || !subs.empty();
  if (!sequence) return true;
  DxfSequenceEnd seq;
  if (mData) {
    auto it = mData->sequenceEnds.find(id.stub());
    if (it != mData->sequenceEnds.end()) seq = it->second;
  }
  if (seq.handle == 0) seq.handle = newHandle();
  if (seq.layer.empty()) {
    const AcDbEntity* ent = AcDbEntity::cast(obj);
    const auto* layer = ent ? AcDbSymbolTableRecord::cast(vhost::residentObject(ent->layerId())) : nullptr;
    seq.layer = layer ? layer->vhostName() : L"0";
  }
  f.writeGroup(0, "SEQEND");
  f.writeHandleGroup(5, seq.handle);
  f.writeHandleGroup(330, id.handle().value());
  f.writeGroup(100, "AcDbEntity");
  const auto* owner = AcDbSymbolTableRecord::cast(vhost::residentObject(obj->ownerId()));
  if (owner && startsNoCase(owner->vhostName(), L"*Paper_Space")) f.writeInteger(67, 1);
  f.writeText(8, seq.layer.c_str());
  return true;
}

bool DxfWriter::writeTable(DxfOutFiler& f, const wchar_t* name, AcDbObjectId tableId) {
  ReadOpen open(tableId);
  AcDbSymbolTable* table = AcDbSymbolTable::cast(open.get());
  if (table == nullptr) return fail(std::wstring(L"the ") + name + L" table is missing");
  if (!writeObject(f, table, L"TABLE", name)) return false;
  for (AcDbObjectId rid : table->vhostRecordIds()) {
    if (rid.isErased()) continue;
    ReadOpen ro(rid);
    if (ro.get() && !writeObject(f, ro.get(), dxfNameOf(ro.get()))) return false;
  }
  f.writeGroup(0, "ENDTAB");
  return true;
}

// A table kept as read (the one given, or the first of that name).
bool DxfWriter::writeRawTable(DxfOutFiler& f, const wchar_t* name, AcDbObjectId tableId) {
  std::vector<AcDbObjectId> records;
  if (tableId.isNull()) {
    mDb->forEachStub([&](const vhost::Stub& s) {
      if (s.object == nullptr || s.erased()) return;
      if (tableId.isNull() && isRawTable(s.object) && asProxyObject(s.object)->proxyData().className == name)
        tableId = AcDbObjectId(const_cast<vhost::Stub*>(&s));
    });
  }
  if (!tableId.isNull()) {
    mDb->forEachStub([&](const vhost::Stub& s) {
      if (s.object && !s.erased() && asProxyObject(s.object) && s.object->ownerId() == tableId)
        records.push_back(AcDbObjectId(const_cast<vhost::Stub*>(&s)));
    });
    std::sort(records.begin(), records.end(),
              [](const AcDbObjectId& a, const AcDbObjectId& b) { return a.handle().value() < b.handle().value(); });
    ReadOpen open(tableId);
    if (open.get() == nullptr || !writeObject(f, open.get(), L"TABLE", name)) return false;
    for (AcDbObjectId rid : records) {
      ReadOpen ro(rid);
      if (ro.get() && !writeObject(f, ro.get(), dxfNameOf(ro.get()))) return false;
    }
    f.writeGroup(0, "ENDTAB");
    return true;
  }
  // A drawing made here: the table with, for VPORT, the active viewport.
  const std::uint64_t th = newHandle();
  const bool vport = std::wstring(name) == L"VPORT";
  f.writeGroup(0, "TABLE");
  f.writeText(2, name);
  f.writeHandleGroup(5, th);
  resbuf* head = dxfTableHeaderGroups(vport ? 1 : 0);
  for (const resbuf* rb = head; rb; rb = rb->rbnext) f.writeResBuf(*rb);
  acutRelRb(head);
  if (vport) {
    f.writeGroup(0, "VPORT");
    f.writeHandleGroup(5, newHandle());
    f.writeHandleGroup(330, th);
    resbuf* rec = dxfActiveViewportGroups(mDb);
    for (const resbuf* rb = rec; rb; rb = rb->rbnext) f.writeResBuf(*rb);
    acutRelRb(rec);
  }
  f.writeGroup(0, "ENDTAB");
  return true;
}

bool DxfWriter::writeTables(DxfOutFiler& f) {
  f.writeGroup(0, "SECTION");
  f.writeGroup(2, "TABLES");
  bool ok = writeRawTable(f, L"VPORT") && writeTable(f, L"LTYPE", mDb->linetypeTableId()) &&
            writeTable(f, L"LAYER", mDb->layerTableId()) && writeTable(f, L"STYLE", mDb->textStyleTableId()) &&
            writeRawTable(f, L"VIEW") && writeRawTable(f, L"UCS") && writeTable(f, L"APPID", mDb->regAppTableId()) &&
            writeTable(f, L"DIMSTYLE", mDb->dimStyleTableId()) &&
            writeTable(f, L"BLOCK_RECORD", mDb->blockTableId());
  if (!ok) return false;
  // Other tables kept from reading (and second tables of the names above).
  std::vector<std::pair<AcDbObjectId, std::wstring>> others;
  std::set<std::wstring> seen;
  mDb->forEachStub([&](const vhost::Stub& s) {
    if (s.object && !s.erased() && isRawTable(s.object)) {
      const std::wstring& n = asProxyObject(s.object)->proxyData().className;
      const bool standard = n == L"VPORT" || n == L"VIEW" || n == L"UCS";
      if (!standard || !seen.insert(n).second) others.emplace_back(AcDbObjectId(const_cast<vhost::Stub*>(&s)), n);
    }
  });
  for (const auto& t : others)
    if (!writeRawTable(f, t.second.c_str(), t.first)) return false;
  f.writeGroup(0, "ENDSEC");
  return true;
}

bool DxfWriter::writeBlocks(DxfOutFiler& f) {
  f.writeGroup(0, "SECTION");
  f.writeGroup(2, "BLOCKS");
  ReadOpen bt(mDb->blockTableId());
  AcDbBlockTable* table = AcDbBlockTable::cast(bt.get());
  if (table == nullptr) return fail(L"the block table is missing");
  for (AcDbObjectId rid : table->vhostRecordIds()) {
    if (rid.isErased()) continue;
    ReadOpen ro(rid);
    AcDbBlockTableRecord* btr = AcDbBlockTableRecord::cast(ro.get());
    if (btr == nullptr) continue;
    const std::wstring& name = btr->vhostName();
    DxfBlockEnds ends;
    if (mData) {
      auto it = mData->blockEnds.find(rid.stub());
      if (it != mData->blockEnds.end()) ends = it->second;
    }
    if (ends.beginHandle == 0) ends.beginHandle = newHandle();
    if (ends.endHandle == 0) ends.endHandle = newHandle();
    const bool paper = startsNoCase(name, L"*Paper_Space");
    const bool space = paper || startsNoCase(name, L"*Model_Space");
    const ACHAR* path = L"";
    const ACHAR* comments = L"";
    btr->pathName(path);
    btr->comments(comments);
    int flags = 0;
    if (btr->isAnonymous()) flags |= 1;
    if (btr->hasAttributeDefinitions()) flags |= 2;
    if (btr->isFromExternalReference()) flags |= 4;
    f.writeGroup(0, "BLOCK");
    f.writeHandleGroup(5, ends.beginHandle);
    f.writeHandleGroup(330, rid.handle().value());
    f.writeGroup(100, "AcDbEntity");
    if (paper) f.writeInteger(67, 1);
    f.writeText(8, ends.beginLayer.c_str());
    f.writeGroup(100, "AcDbBlockBegin");
    f.writeText(2, name.c_str());
    f.writeInteger(70, flags);
    f.writePoint3d(10, btr->origin());
    f.writeText(3, name.c_str());
    f.writeText(1, path ? path : L"");
    if (comments && *comments) f.writeText(4, comments);
    if (!space) {
      const std::vector<AcDbObjectId> ids = btr->vhostEntityIds();
      for (AcDbObjectId eid : ids)
        if (!eid.isErased() && !writeEntity(f, eid)) return false;
    }
    f.writeGroup(0, "ENDBLK");
    f.writeHandleGroup(5, ends.endHandle);
    f.writeHandleGroup(330, rid.handle().value());
    f.writeGroup(100, "AcDbEntity");
    if (paper) f.writeInteger(67, 1);
    f.writeText(8, ends.endLayer.c_str());
    f.writeGroup(100, "AcDbBlockEnd");
  }
  f.writeGroup(0, "ENDSEC");
  return true;
}

bool DxfWriter::writeEntities(DxfOutFiler& f) {
  f.writeGroup(0, "SECTION");
  f.writeGroup(2, "ENTITIES");
  for (AcDbObjectId space : {mDb->modelSpaceId(), mDb->paperSpaceId()}) {
    if (space.isNull()) continue;
    std::vector<AcDbObjectId> ids;
    {
      ReadOpen ro(space);
      AcDbBlockTableRecord* btr = AcDbBlockTableRecord::cast(ro.get());
      if (btr == nullptr) continue;
      ids = btr->vhostEntityIds();
    }
    for (AcDbObjectId eid : ids)
      if (!eid.isErased() && !writeEntity(f, eid)) return false;
  }
  f.writeGroup(0, "ENDSEC");
  return true;
}

bool DxfWriter::writeObjects(DxfOutFiler& f) {
  f.writeGroup(0, "SECTION");
  f.writeGroup(2, "OBJECTS");
  const AcDbObjectId nod = mDb->namedObjectsDictionaryId();
  if (!nod.isNull()) {
    ReadOpen ro(nod);
    if (ro.get() && !writeObject(f, ro.get(), dxfNameOf(ro.get()))) return false;
  }
  std::vector<AcDbObjectId> ids;
  std::set<vhost::Stub*> rawTables;
  mDb->forEachStub([&](const vhost::Stub& s) {
    AcDbObject* o = s.object;
    if (o == nullptr || s.erased() || &s == nod.stub()) return;
    if (o->isKindOf(AcDbEntity::desc()) || o->isKindOf(AcDbSymbolTable::desc()) ||
        o->isKindOf(AcDbSymbolTableRecord::desc()))
      return;
    if (isRawTable(o)) {
      rawTables.insert(const_cast<vhost::Stub*>(&s));
      return;
    }
    ids.push_back(AcDbObjectId(const_cast<vhost::Stub*>(&s)));
  });
  // In handle order: the order of the file they were read from, stable
  // from one save to the next.
  std::sort(ids.begin(), ids.end(),
            [](const AcDbObjectId& a, const AcDbObjectId& b) { return a.handle().value() < b.handle().value(); });
  for (AcDbObjectId id : ids) {
    ReadOpen ro(id);
    AcDbObject* o = ro.get();
    if (o == nullptr || rawTables.count(o->ownerId().stub())) continue;  // records of kept tables
    if (!writeObject(f, o, dxfNameOf(o))) return false;
  }
  f.writeGroup(0, "ENDSEC");
  return true;
}

void DxfWriter::writeHeader(DxfOutFiler& f) {
  f.writeGroup(0, "SECTION");
  f.writeGroup(2, "HEADER");
  auto var = [&](const char* name) { f.writeGroup(9, name); };
  auto recordName = [](AcDbObjectId id, const wchar_t* fallback) -> std::wstring {
    const auto* r = AcDbSymbolTableRecord::cast(vhost::residentObject(id));
    return r ? r->vhostName() : fallback;
  };
  var("$ACADVER");
  f.writeGroup(1, "AC1024");
  var("$ACADMAINTVER");
  f.writeInteger(70, 6);
  var("$DWGCODEPAGE");
  f.writeText(3, mDb->dwgCodePage().empty() ? L"ANSI_1252" : mDb->dwgCodePage().c_str());
  var("$EXTMIN");
  f.writePoint3d(10, mDb->extmin());
  var("$EXTMAX");
  f.writePoint3d(10, mDb->extmax());
  var("$LTSCALE");
  f.writeReal(40, mDb->ltscale());
  var("$TEXTSIZE");
  f.writeReal(40, mDb->textsize());
  var("$THICKNESS");
  f.writeReal(40, mDb->thickness());
  var("$ELEVATION");
  f.writeReal(40, mDb->elevation());
  var("$PDMODE");
  f.writeInteger(70, mDb->pdmode());
  var("$PDSIZE");
  f.writeReal(40, mDb->pdsize());
  var("$LUNITS");
  f.writeInteger(70, mDb->lunits());
  var("$LUPREC");
  f.writeInteger(70, mDb->luprec());
  var("$TILEMODE");
  f.writeInteger(70, mDb->tilemode() ? 1 : 0);
  var("$CLAYER");
  f.writeText(8, recordName(mDb->clayer(), L"0").c_str());
  var("$CELTYPE");
  f.writeText(6, recordName(mDb->celtype(), L"ByLayer").c_str());
  var("$CECOLOR");
  f.writeInteger(62, mDb->cecolor().colorIndex());
  var("$CELTSCALE");
  f.writeReal(40, mDb->celtscale());
  var("$CELWEIGHT");
  f.writeInteger(370, mDb->celweight());
  var("$TEXTSTYLE");
  f.writeText(7, recordName(mDb->textstyle(), L"Standard").c_str());
  var("$DIMSTYLE");
  f.writeText(2, recordName(mDb->dimstyle(), L"Standard").c_str());
  var("$MEASUREMENT");
  f.writeInteger(70, mDb->measurement());
  var("$LWDISPLAY");
  f.writeInteger(290, mDb->lineWeightDisplay() ? 1 : 0);
  var("$INSUNITS");
  f.writeInteger(70, mDb->insunits());
  if (!mDb->tablestyle().isNull()) {
    std::wstring key;
    AcDbDictionary* styles = nullptr;
    if (acdbOpenObject(styles, mDb->tableStyleDictionaryId(), AcDb::kForRead) == Acad::eOk) {
      styles->nameAt(mDb->tablestyle(), key);
      styles->close();
    }
    if (!key.empty()) {
      var("$CTABLESTYLE");
      f.writeText(7, key.c_str());
    }
  }
  if (mData) {
    for (const DxfHeaderVariable& v : mData->headerVariables) {
      if (v.name == L"$ACADMAINTVER") continue;
      f.writeText(9, v.name.c_str());
      for (const DxfTextGroup& g : v.groups) {
        if (rbHoldsString(g.code) && rbValueType(g.code) == RbValueType::kString)
          f.writeText(g.code, g.text.c_str());
        else
          f.writeGroup(g.code, narrow(g.text));
      }
    }
  }
  var("$HANDSEED");
  f.writeHandleGroup(5, mNextHandle);
  f.writeGroup(0, "ENDSEC");
}

void DxfWriter::writeClasses(DxfOutFiler& f) {
  f.writeGroup(0, "SECTION");
  f.writeGroup(2, "CLASSES");
  for (const auto& c : mClasses) {
    f.writeGroup(0, "CLASS");
    f.writeText(1, c.first.c_str());
    f.writeText(2, c.second.className.c_str());
    f.writeText(3, c.second.appName.c_str());
    f.writeInteger(90, c.second.proxyFlags);
    f.writeInteger(91, c.second.count);
    f.writeInteger(280, c.second.wasProxy ? 1 : 0);
    f.writeInteger(281, c.second.isEntity ? 1 : 0);
  }
  f.writeGroup(0, "ENDSEC");
}

bool DxfWriter::write(std::string& out) {
  mError.clear();
  mClasses.clear();
  mData = dxfDrawingData(mDb);
  // Handles the file will hold start above those of live objects and of the
  // entities kept as handles only (BLOCK, ENDBLK, SEQEND); erased objects are
  // not written, so their handles do not count.
  std::uint64_t highest = 0;
  mDb->forEachStub([&](const vhost::Stub& st) {
    if (st.object == nullptr || !st.erased()) highest = std::max(highest, st.handle);
  });
  mNextHandle = highest + 1;
  std::string body;
  body.reserve(static_cast<size_t>(mDb->approxNumObjects()) * 160 + 4096);
  DxfOutFiler bf(mDb, body, mPrecision);
  if (!writeTables(bf) || !writeBlocks(bf) || !writeEntities(bf) || !writeObjects(bf)) return false;
  if (mData) {
    for (const DxfKeptSection& s : mData->sections) {
      bf.writeGroup(0, "SECTION");
      bf.writeText(2, s.name.c_str());
      for (const DxfTextGroup& g : s.groups) {
        if (rbValueType(g.code) == RbValueType::kString)
          bf.writeText(g.code, g.text.c_str());
        else
          bf.writeGroup(g.code, narrow(g.text));
      }
      bf.writeGroup(0, "ENDSEC");
    }
  }
  bf.writeGroup(0, "EOF");
  out.clear();
  out.reserve(body.size() + 8192);
  DxfOutFiler hf(mDb, out, mPrecision);
  writeHeader(hf);
  writeClasses(hf);
  out += body;
  return true;
}

}  // namespace vhost
