#include "arx/db/AcDbDatabase.h"

#include <algorithm>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbEntity.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/db/AcDbDimStyleTable.h"
#include "arx/db/AcDbLayerTable.h"
#include "arx/db/AcDbLayout.h"
#include "arx/db/AcDbLinetypeTable.h"
#include "arx/db/AcDbRegAppTable.h"
#include "arx/db/AcDbSymbolTable.h"
#include "arx/db/AcDbTextStyleTable.h"
#include "arx/db/VhostCloner.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbDatabase, AcRxObject, nullptr)

namespace {

// Handles below this bound (and not far above the densely used range) are
// found through a vector; others through a hash map.
constexpr std::uint64_t kDenseSlack = 1u << 16;

// Looks a name up in a table without opening it, so that it also works while
// the caller has the table open for write.
template <class Table>
AcDbObjectId lookUp(AcDbObjectId tableId, const ACHAR* name) {
  if (name == nullptr || !tableId.isResident()) return AcDbObjectId();
  Table* table = Table::cast(tableId.stub()->object);
  return table ? table->vhostFind(name) : AcDbObjectId();
}

AcDbObjectId dictEntry(AcDbObjectId dictId, const ACHAR* key) {
  AcDbObjectId id;
  AcDbDictionary* dict = nullptr;
  if (dictId.isNull() || acdbOpenObject(dict, dictId, AcDb::kForRead) != Acad::eOk) return id;
  dict->getAt(key, id);
  dict->close();
  return id;
}

template <class T>
Acad::ErrorStatus openRoot(T*& out, AcDbObjectId id, AcDb::OpenMode mode) {
  out = nullptr;
  if (id.isNull()) return Acad::eMissingSymbolTable;
  return acdbOpenObject(out, id, mode);
}

// Adds a root object (a table or the named-object dictionary), owned by the database.
template <class T>
AcDbObjectId addRoot(AcDbDatabase* db, T* obj) {
  AcDbObjectId id;
  db->addAcDbObject(id, obj);
  obj->close();
  return id;
}

template <class Table, class Record>
AcDbObjectId addRecord(AcDbObjectId tableId, Record* rec) {
  AcDbObjectId id;
  Table* table = nullptr;
  if (acdbOpenObject(table, tableId, AcDb::kForWrite) != Acad::eOk) {
    delete rec;
    return id;
  }
  if (table->add(id, rec) != Acad::eOk) {
    delete rec;
    table->close();
    return id;
  }
  rec->close();
  table->close();
  return id;
}

AcDbObjectId addToDictionary(AcDbObjectId dictId, const ACHAR* key, AcDbObject* obj) {
  AcDbObjectId id;
  AcDbDictionary* dict = nullptr;
  if (acdbOpenObject(dict, dictId, AcDb::kForWrite) != Acad::eOk) {
    delete obj;
    return id;
  }
  if (dict->setAt(key, obj, id) != Acad::eOk) {
    delete obj;
  } else {
    obj->close();
  }
  dict->close();
  return id;
}

}  // namespace

AcDbDatabase::AcDbDatabase(bool buildDefault, bool) {
  mCecolor.setByLayer();
  if (buildDefault) buildDefaultDrawing();
}

AcDbDatabase::~AcDbDatabase() {
  vhostForgetWorkingDatabase(this);
  for (AcDbDatabaseReactor* r : std::vector<AcDbDatabaseReactor*>(mReactors)) r->goodbye(this);
  for (vhost::Stub& s : mStubs) {
    delete s.object;
    s.object = nullptr;
    s.database = nullptr;
  }
}

void AcDbDatabase::buildDefaultDrawing() {
  mBlockTableId = addRoot(this, new AcDbBlockTable());
  mLayerTableId = addRoot(this, new AcDbLayerTable());
  mTextStyleTableId = addRoot(this, new AcDbTextStyleTable());
  mLinetypeTableId = addRoot(this, new AcDbLinetypeTable());
  mRegAppTableId = addRoot(this, new AcDbRegAppTable());
  mDimStyleTableId = addRoot(this, new AcDbDimStyleTable());
  mNamedObjectsDictId = addRoot(this, new AcDbDictionary());

  for (const ACHAR* name : {L"ByBlock", L"ByLayer", L"Continuous"}) {
    auto* lt = new AcDbLinetypeTableRecord();
    lt->setName(name);
    if (std::wstring(name) == L"Continuous") lt->setAsciiDescription(L"Solid line");
    addRecord<AcDbLinetypeTable>(mLinetypeTableId, lt);
  }
  mCeltype = linetypeId(L"ByLayer");

  auto* layer0 = new AcDbLayerTableRecord();
  layer0->setName(L"0");
  AcCmColor white;
  white.setColorIndex(7);
  layer0->setColor(white);
  layer0->setLinetypeObjectId(continuousLinetype());
  layer0->setLineWeight(AcDb::kLnWtByLwDefault);
  mClayer = addRecord<AcDbLayerTable>(mLayerTableId, layer0);

  auto* standard = new AcDbTextStyleTableRecord();
  standard->setName(L"Standard");
  standard->setFileName(L"txt");
  standard->setXScale(1.0);
  mTextstyle = addRecord<AcDbTextStyleTable>(mTextStyleTableId, standard);

  auto* dimStandard = new AcDbDimStyleTableRecord();
  dimStandard->setName(L"Standard");
  mDimstyle = addRecord<AcDbDimStyleTable>(mDimStyleTableId, dimStandard);

  auto* acad = new AcDbRegAppTableRecord();
  acad->setName(L"ACAD");
  addRecord<AcDbRegAppTable>(mRegAppTableId, acad);

  auto* model = new AcDbBlockTableRecord();
  model->setName(ACDB_MODEL_SPACE);
  AcDbObjectId modelId = addRecord<AcDbBlockTable>(mBlockTableId, model);
  auto* paper = new AcDbBlockTableRecord();
  paper->setName(ACDB_PAPER_SPACE);
  AcDbObjectId paperId = addRecord<AcDbBlockTable>(mBlockTableId, paper);

  addToDictionary(mNamedObjectsDictId, L"ACAD_GROUP", new AcDbDictionary());
  AcDbObjectId layouts = addToDictionary(mNamedObjectsDictId, L"ACAD_LAYOUT", new AcDbDictionary());
  addToDictionary(mNamedObjectsDictId, L"ACAD_TABLESTYLE", new AcDbDictionary());
  struct LayoutEntry {
    const ACHAR* name;
    int tab;
    AcDbObjectId block;
  };
  for (const LayoutEntry& entry : {LayoutEntry{L"Model", 0, modelId}, LayoutEntry{L"Layout1", 1, paperId}}) {
    auto* layout = new AcDbLayout();
    layout->setLayoutName(entry.name);
    layout->setTabOrder(entry.tab);
    layout->setBlockTableRecordId(entry.block);
    AcDbObjectId layoutId = addToDictionary(layouts, entry.name, layout);
    AcDbBlockTableRecord* btr = nullptr;
    if (acdbOpenObject(btr, entry.block, AcDb::kForWrite) == Acad::eOk) {
      btr->setLayoutId(layoutId);
      btr->close();
    }
  }
  mDbmod = 0;
}

// --- objects and handles --------------------------------------------------------------

vhost::Stub* AcDbDatabase::newStub(std::uint64_t handle) {
  mStubs.emplace_back();
  vhost::Stub* s = &mStubs.back();
  s->database = this;
  s->handle = handle;
  s->serial = vhost::nextSerial();
  if (handle < mDenseHandles.size() + kDenseSlack) {
    if (handle >= mDenseHandles.size()) mDenseHandles.resize(std::max<size_t>(handle + 1, mDenseHandles.size() * 3 / 2), nullptr);
    mDenseHandles[handle] = s;
  } else {
    mSparseHandles[handle] = s;
  }
  if (handle >= mHandseed) mHandseed = handle + 1;
  return s;
}

vhost::Stub* AcDbDatabase::findStub(std::uint64_t handle) const {
  if (handle < mDenseHandles.size()) return mDenseHandles[handle];
  auto it = mSparseHandles.find(handle);
  return it == mSparseHandles.end() ? nullptr : it->second;
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObjectId& id, AcDbObject* obj) {
  if (obj == nullptr) return Acad::eNullObjectPointer;
  if (obj->mStub != nullptr) return Acad::eAlreadyInDb;
  while (findStub(mHandseed) != nullptr) ++mHandseed;
  vhost::Stub* s = newStub(mHandseed);
  s->object = obj;
  obj->mStub = s;
  obj->mState |= AcDbObject::kOpenWrite | AcDbObject::kNew;
  id = AcDbObjectId(s);
  notifyAppended(obj);
  mDbmod |= 1;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::addAcDbObject(AcDbObject* obj) {
  AcDbObjectId id;
  return addAcDbObject(id, obj);
}

Acad::ErrorStatus AcDbDatabase::addAcDbObjectWithHandle(AcDbObjectId& id, AcDbObject* obj, const AcDbHandle& handle) {
  if (obj == nullptr) return Acad::eNullObjectPointer;
  if (obj->mStub != nullptr) return Acad::eAlreadyInDb;
  if (handle.isNull()) return Acad::eNullHandle;
  vhost::Stub* s = findStub(handle.value());
  if (s != nullptr) {
    // A stub made ahead for a forward reference may take its object now.
    if (s->object != nullptr) return Acad::eHandleInUse;
  } else {
    s = newStub(handle.value());
  }
  s->object = obj;
  obj->mStub = s;
  obj->mState |= AcDbObject::kOpenWrite | AcDbObject::kNew;
  id = AcDbObjectId(s);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::getAcDbObjectId(AcDbObjectId& id, bool createIfNotFound, const AcDbHandle& handle,
                                                Adesk::UInt32) {
  id.setNull();
  if (handle.isNull()) return Acad::eNullHandle;
  vhost::Stub* s = findStub(handle.value());
  if (s == nullptr) {
    if (!createIfNotFound) return Acad::eUnknownHandle;
    s = newStub(handle.value());
  }
  id = AcDbObjectId(s);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::setHandseed(const AcDbHandle& seed) {
  if (seed.isNull()) return Acad::eInvalidInput;
  // The seed never goes below a handle in use.
  std::uint64_t highest = 0;
  for (const vhost::Stub& s : mStubs) highest = std::max(highest, s.handle);
  if (seed.value() <= highest) return Acad::eInvalidInput;
  mHandseed = seed.value();
  return Acad::eOk;
}

// --- roots -----------------------------------------------------------------------------

Acad::ErrorStatus AcDbDatabase::getBlockTable(AcDbBlockTable*& t, AcDb::OpenMode m) { return openRoot(t, mBlockTableId, m); }
Acad::ErrorStatus AcDbDatabase::getLayerTable(AcDbLayerTable*& t, AcDb::OpenMode m) { return openRoot(t, mLayerTableId, m); }
Acad::ErrorStatus AcDbDatabase::getLinetypeTable(AcDbLinetypeTable*& t, AcDb::OpenMode m) {
  return openRoot(t, mLinetypeTableId, m);
}
Acad::ErrorStatus AcDbDatabase::getTextStyleTable(AcDbTextStyleTable*& t, AcDb::OpenMode m) {
  return openRoot(t, mTextStyleTableId, m);
}
Acad::ErrorStatus AcDbDatabase::getRegAppTable(AcDbRegAppTable*& t, AcDb::OpenMode m) {
  return openRoot(t, mRegAppTableId, m);
}
Acad::ErrorStatus AcDbDatabase::getDimStyleTable(AcDbDimStyleTable*& t, AcDb::OpenMode m) {
  return openRoot(t, mDimStyleTableId, m);
}
Acad::ErrorStatus AcDbDatabase::getNamedObjectsDictionary(AcDbDictionary*& d, AcDb::OpenMode m) {
  return openRoot(d, mNamedObjectsDictId, m);
}
Acad::ErrorStatus AcDbDatabase::getGroupDictionary(AcDbDictionary*& d, AcDb::OpenMode m) {
  return openRoot(d, groupDictionaryId(), m);
}
Acad::ErrorStatus AcDbDatabase::getLayoutDictionary(AcDbDictionary*& d, AcDb::OpenMode m) {
  return openRoot(d, layoutDictionaryId(), m);
}

AcDbObjectId AcDbDatabase::groupDictionaryId() const { return dictEntry(mNamedObjectsDictId, L"ACAD_GROUP"); }
AcDbObjectId AcDbDatabase::layoutDictionaryId() const { return dictEntry(mNamedObjectsDictId, L"ACAD_LAYOUT"); }
AcDbObjectId AcDbDatabase::tableStyleDictionaryId() const { return dictEntry(mNamedObjectsDictId, L"ACAD_TABLESTYLE"); }
AcDbObjectId AcDbDatabase::modelSpaceId() const { return lookUp<AcDbBlockTable>(mBlockTableId, ACDB_MODEL_SPACE); }
AcDbObjectId AcDbDatabase::paperSpaceId() const { return lookUp<AcDbBlockTable>(mBlockTableId, ACDB_PAPER_SPACE); }
AcDbObjectId AcDbDatabase::currentSpaceId() const { return mTilemode ? modelSpaceId() : paperSpaceId(); }

void AcDbDatabase::setRootIds(AcDbObjectId blockTable, AcDbObjectId layerTable, AcDbObjectId linetypeTable,
                              AcDbObjectId textStyleTable, AcDbObjectId regAppTable, AcDbObjectId dimStyleTable,
                              AcDbObjectId namedObjectsDict) {
  mBlockTableId = blockTable;
  mLayerTableId = layerTable;
  mLinetypeTableId = linetypeTable;
  mTextStyleTableId = textStyleTable;
  mRegAppTableId = regAppTable;
  mDimStyleTableId = dimStyleTable;
  mNamedObjectsDictId = namedObjectsDict;
}

AcDbObjectId AcDbDatabase::regAppId(const ACHAR* name) const { return lookUp<AcDbRegAppTable>(mRegAppTableId, name); }
AcDbObjectId AcDbDatabase::layerId(const ACHAR* name) const { return lookUp<AcDbLayerTable>(mLayerTableId, name); }
AcDbObjectId AcDbDatabase::linetypeId(const ACHAR* name) const {
  return lookUp<AcDbLinetypeTable>(mLinetypeTableId, name);
}
AcDbObjectId AcDbDatabase::textStyleId(const ACHAR* name) const {
  return lookUp<AcDbTextStyleTable>(mTextStyleTableId, name);
}

// --- header variables -----------------------------------------------------------------

namespace {
template <class Record>
bool isRecordOf(AcDbObjectId id, const AcDbDatabase* db) {
  return !id.isNull() && id.database() == db && !id.isErased() && id.objectClass() &&
         id.objectClass()->isDerivedFrom(Record::desc());
}
}  // namespace

Acad::ErrorStatus AcDbDatabase::setClayer(AcDbObjectId layer) {
  if (!isRecordOf<AcDbLayerTableRecord>(layer, this)) return Acad::eInvalidInput;
  mClayer = layer;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setCeltype(AcDbObjectId linetype) {
  if (!isRecordOf<AcDbLinetypeTableRecord>(linetype, this)) return Acad::eInvalidInput;
  mCeltype = linetype;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setCecolor(const AcCmColor& color) {
  mCecolor = color;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setCelweight(AcDb::LineWeight weight) {
  if (!AcDb::isValidLineWeight(weight)) return Acad::eInvalidInput;
  mCelweight = weight;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setCeltscale(double scale) {
  if (!(scale > 0)) return Acad::eInvalidInput;
  mCeltscale = scale;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setTextstyle(AcDbObjectId style) {
  if (!isRecordOf<AcDbTextStyleTableRecord>(style, this)) return Acad::eInvalidInput;
  mTextstyle = style;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setDimstyle(AcDbObjectId style) {
  if (!isRecordOf<AcDbDimStyleTableRecord>(style, this)) return Acad::eInvalidInput;
  mDimstyle = style;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setTablestyle(AcDbObjectId style) {
  if (style.isNull() || style.database() != this) return Acad::eInvalidInput;
  mTablestyle = style;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setLtscale(double scale) {
  if (!(scale > 0)) return Acad::eInvalidInput;
  mLtscale = scale;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setTextsize(double size) {
  if (!(size > 0)) return Acad::eInvalidInput;
  mTextsize = size;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setThickness(double thickness) {
  mThickness = thickness;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setElevation(double elevation) {
  mElevation = elevation;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setInsunits(AcDb::UnitsValue units) {
  if (units < 0 || units > 24) return Acad::eInvalidInput;
  mInsunits = units;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setLunits(Adesk::Int16 v) {
  if (v < 1 || v > 5) return Acad::eInvalidInput;
  mLunits = v;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setLuprec(Adesk::Int16 v) {
  if (v < 0 || v > 8) return Acad::eInvalidInput;
  mLuprec = v;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setPdmode(Adesk::Int16 v) {
  mPdmode = v;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setPdsize(double v) {
  mPdsize = v;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setLineWeightDisplay(bool v) {
  mLwdisplay = v;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setTilemode(bool v) {
  mTilemode = v;
  return Acad::eOk;
}
Acad::ErrorStatus AcDbDatabase::setMeasurement(Adesk::Int16 v) {
  if (v != 0 && v != 1) return Acad::eInvalidInput;
  mMeasurement = v;
  return Acad::eOk;
}

// --- reactors ---------------------------------------------------------------------------

void AcDbDatabase::addReactor(AcDbDatabaseReactor* reactor) const {
  if (reactor && std::find(mReactors.begin(), mReactors.end(), reactor) == mReactors.end())
    mReactors.push_back(reactor);
}

void AcDbDatabase::removeReactor(AcDbDatabaseReactor* reactor) const {
  mReactors.erase(std::remove(mReactors.begin(), mReactors.end(), reactor), mReactors.end());
}

void AcDbDatabase::notifyAppended(const AcDbObject* obj) {
  for (AcDbDatabaseReactor* r : std::vector<AcDbDatabaseReactor*>(mReactors)) r->objectAppended(this, obj);
}
void AcDbDatabase::notifyModified(const AcDbObject* obj) {
  for (AcDbDatabaseReactor* r : std::vector<AcDbDatabaseReactor*>(mReactors)) r->objectModified(this, obj);
}
void AcDbDatabase::notifyErased(const AcDbObject* obj, bool erasing) {
  for (AcDbDatabaseReactor* r : std::vector<AcDbDatabaseReactor*>(mReactors)) r->objectErased(this, obj, erasing);
}
void AcDbDatabase::notifyOpenedForModify(const AcDbObject* obj) {
  for (AcDbDatabaseReactor* r : std::vector<AcDbDatabaseReactor*>(mReactors)) r->objectOpenedForModify(this, obj);
}

// --- cloning ------------------------------------------------------------------------------

Acad::ErrorStatus AcDbDatabase::deepCloneObjects(const AcDbObjectIdArray& ids, const AcDbObjectId& owner,
                                                 AcDbIdMapping& idMap, bool deferXlation) {
  for (const AcDbObjectId& id : ids)
    if (id.database() != this) return Acad::eWrongDatabase;
  if (owner.database() != this) return Acad::eWrongDatabase;
  idMap.setDeepCloneContext(AcDb::kDcCopy);
  return vhost::Cloner(idMap, false).run(ids, owner, deferXlation);
}

Acad::ErrorStatus AcDbDatabase::wblockCloneObjects(const AcDbObjectIdArray& ids, const AcDbObjectId& owner,
                                                   AcDbIdMapping& idMap, AcDb::DuplicateRecordCloning drc,
                                                   bool deferXlation) {
  for (const AcDbObjectId& id : ids)
    if (id.database() != this) return Acad::eWrongDatabase;
  if (owner.isNull() || owner.database() == nullptr) return Acad::eNullObjectId;
  idMap.setDeepCloneContext(AcDb::kDcWblkObjects);
  idMap.setDuplicateRecordCloning(drc);
  return vhost::Cloner(idMap, owner.database() != this).run(ids, owner, deferXlation);
}

namespace {
AcDbObjectIdArray modelSpaceEntities(AcDbDatabase* db) {
  AcDbObjectIdArray ids;
  AcDbBlockTableRecord* ms = nullptr;
  if (acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForRead) != Acad::eOk) return ids;
  AcDbBlockTableRecordIterator* it = nullptr;
  if (ms->newIterator(it) == Acad::eOk) {
    for (; !it->done(); it->step()) {
      AcDbObjectId id;
      if (it->getEntityId(id) == Acad::eOk) ids.append(id);
    }
    delete it;
  }
  ms->close();
  return ids;
}
}  // namespace

Acad::ErrorStatus AcDbDatabase::insert(AcDbObjectId& blockId, const ACHAR* blockName, AcDbDatabase* source, bool) {
  blockId.setNull();
  if (source == nullptr || source == this) return Acad::eInvalidInput;
  if (blockName == nullptr || *blockName == 0) return Acad::eNullBlockName;
  AcDbBlockTable* table = nullptr;
  Acad::ErrorStatus es = getBlockTable(table, AcDb::kForWrite);
  if (es != Acad::eOk) return es;
  if (table->getAt(blockName, blockId) == Acad::eOk) {
    // Redefinition: the old content of the block goes.
    table->close();
    AcDbBlockTableRecord* btr = nullptr;
    if ((es = acdbOpenObject(btr, blockId, AcDb::kForWrite)) != Acad::eOk) return es;
    if (btr->isLayout()) {
      btr->close();
      return Acad::eIllegalReplacement;
    }
    AcDbBlockTableRecordIterator* it = nullptr;
    if (btr->newIterator(it) == Acad::eOk) {
      for (; !it->done(); it->step()) {
        AcDbEntity* ent = nullptr;
        if (it->getEntity(ent, AcDb::kForWrite) == Acad::eOk) {
          ent->erase();
          ent->close();
        }
      }
      delete it;
    }
    btr->close();
  } else {
    auto* btr = new AcDbBlockTableRecord();
    es = btr->setName(blockName);
    if (es == Acad::eOk) es = table->add(blockId, btr);
    table->close();
    if (es != Acad::eOk) {
      delete btr;
      return es;
    }
    btr->close();
  }
  AcDbIdMapping map;
  return source->wblockCloneObjects(modelSpaceEntities(source), blockId, map, AcDb::kDrcIgnore);
}

Acad::ErrorStatus AcDbDatabase::insert(const AcGeMatrix3d& xform, AcDbDatabase* source, bool) {
  if (source == nullptr || source == this) return Acad::eInvalidInput;
  AcDbIdMapping map;
  Acad::ErrorStatus es = source->wblockCloneObjects(modelSpaceEntities(source), modelSpaceId(), map, AcDb::kDrcIgnore);
  if (es != Acad::eOk) return es;
  for (AcDbIdMappingIter it(map); !it.done(); it.next()) {
    AcDbIdPair pair;
    it.getMap(pair);
    if (!pair.isPrimary() || !pair.isCloned()) continue;
    AcDbEntity* ent = nullptr;
    if (acdbOpenObject(ent, pair.value(), AcDb::kForWrite) != Acad::eOk) continue;
    ent->transformBy(xform);
    ent->close();
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::wblock(AcDbDatabase*& output, const AcDbObjectIdArray& ids, const AcGePoint3d& basePoint) {
  output = nullptr;
  std::unique_ptr<AcDbDatabase> out(new AcDbDatabase(true));
  AcDbIdMapping map;
  Acad::ErrorStatus es = wblockCloneObjects(ids, out->modelSpaceId(), map, AcDb::kDrcIgnore);
  if (es != Acad::eOk) return es;
  if (!basePoint.isEqualTo(AcGePoint3d::kOrigin)) {
    AcGeMatrix3d move = AcGeMatrix3d::translation(AcGePoint3d::kOrigin - basePoint);
    for (AcDbIdMappingIter it(map); !it.done(); it.next()) {
      AcDbIdPair pair;
      it.getMap(pair);
      if (!pair.isPrimary() || !pair.isCloned()) continue;
      AcDbEntity* ent = nullptr;
      if (acdbOpenObject(ent, pair.value(), AcDb::kForWrite) != Acad::eOk) continue;
      ent->transformBy(move);
      ent->close();
    }
  }
  output = out.release();
  return Acad::eOk;
}
