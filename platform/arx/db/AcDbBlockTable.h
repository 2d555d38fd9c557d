#pragma once
// Block definitions: the block table and its records. A block table record
// owns its entities (model space and paper space are block records too) and
// knows the block references that insert it.
#include <set>
#include <string>
#include <vector>

#include "arx/db/AcDbSymbolTable.h"
#include "arx/ge/AcGePoint3d.h"

class AcDbEntity;
class AcDbBlockTableRecordIterator;
class AcDbBlockTableIterator;

#define ACDB_MODEL_SPACE L"*Model_Space"
#define ACDB_PAPER_SPACE L"*Paper_Space"

class AcDbBlockTableRecord : public AcDbSymbolTableRecord {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockTableRecord);
  AcDbBlockTableRecord();
  ~AcDbBlockTableRecord() override;

  // --- entities
  // Adds a new entity (the record open for write, in a database). The
  // database takes the entity, which is owned by this record and left open for
  // write for the caller to close. An entity without a layer first takes the
  // database's current properties (setDatabaseDefaults). eNullEntityPointer,
  // eAlreadyInDb for an entity already in a database, eNoDatabase when the
  // record is not in one.
  Acad::ErrorStatus appendAcDbEntity(AcDbObjectId& id, AcDbEntity* entity);
  Acad::ErrorStatus appendAcDbEntity(AcDbEntity* entity);
  // An iterator over the entities in the order they were appended; the
  // caller deletes it.
  Acad::ErrorStatus newIterator(AcDbBlockTableRecordIterator*& iterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

  // --- definition
  AcGePoint3d origin() const;
  Acad::ErrorStatus setOrigin(const AcGePoint3d& origin);
  // comments(ACHAR*&) and pathName(ACHAR*&) give new[] copies.
  Acad::ErrorStatus comments(ACHAR*& comments) const;
  Acad::ErrorStatus comments(const ACHAR*& comments) const;
  Acad::ErrorStatus setComments(const ACHAR* comments);
  // The file of an external reference; empty for blocks defined here.
  Acad::ErrorStatus pathName(ACHAR*& path) const;
  Acad::ErrorStatus pathName(const ACHAR*& path) const;
  Acad::ErrorStatus setPathName(const ACHAR* path);
  bool explodable() const;
  Acad::ErrorStatus setExplodable(bool explodable);
  AcDb::UnitsValue blockInsertUnits() const;
  Acad::ErrorStatus setBlockInsertUnits(AcDb::UnitsValue units);

  // An anonymous block has a "*U<n>" name (given when it is added to the
  // table) or was marked anonymous.
  bool isAnonymous() const;
  Acad::ErrorStatus setAnonymous(bool anonymous = true);
  bool isFromExternalReference() const;
  bool isFromOverlayReference() const { return false; }
  bool hasAttributeDefinitions() const;
  bool hasPreviewIcon() const { return false; }

  // --- layouts: model space, paper space and each layout's block
  bool isLayout() const;
  AcDbObjectId getLayoutId() const;
  Acad::ErrorStatus setLayoutId(AcDbObjectId layoutId);

  // --- references
  // The live block references that insert this block, in creation order.
  Acad::ErrorStatus getBlockReferenceIds(AcDbObjectIdArray& ids, bool directOnly = true,
                                         bool forceValidity = false) const;
  Acad::ErrorStatus getErasedBlockReferenceIds(AcDbObjectIdArray& ids) const;
  // The block reference class keeps this list: a database-resident reference
  // calls vhostAddReference(itsId) on the record it inserts whenever it is
  // closed (after being appended, cloned or pointed at another block) and
  // vhostRemoveReference(itsId) on the record it leaves. Both are idempotent
  // and need no opening of the record. Erased references are kept and skipped.
  void vhostAddReference(AcDbObjectId referenceId);
  void vhostRemoveReference(AcDbObjectId referenceId);

  bool isRenamable() const override;
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // BLOCK_RECORD (TABLES section): 2 name, 340 layout, 70 insert units, 280
  // explodable, 281 scalable. The list of references the host adds (102
  // {BLKREFS) is derived data and is not kept.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // The BLOCK entity that opens the definition in the BLOCKS section belongs
  // to the writer, which writes its entity groups (handle, owner: this
  // record, 100 AcDbEntity, layer) and then calls this for the rest:
  // 100 AcDbBlockBegin, 2 name, 70 flags (vhostDxfBlockFlags), 10 origin,
  // 3 name, 1 external reference path, 4 comments. The ENDBLK entity
  // carries nothing of the record.
  Acad::ErrorStatus vhostDxfOutBlockBegin(AcDbDxfFiler* filer) const;
  // Reads what vhostDxfOutBlockBegin writes, from the filer positioned at
  // 100 AcDbBlockBegin (after the reader took the entity groups), into this
  // record: origin, comments, path, anonymity. For a drawing without block
  // records (R12) the record takes its name from group 2; otherwise a name
  // that is not the record's is an error. Unknown groups are kept.
  Acad::ErrorStatus vhostDxfInBlockBegin(AcDbDxfFiler* filer);
  // Group 70 of the BLOCK entity: 1 anonymous, 2 has attribute definitions,
  // 4 external reference, 16 dependent on one (plus bits read and not modelled).
  Adesk::Int16 vhostDxfBlockFlags() const;

  // Platform use: the entity ids (erased ones too) in order of appending.
  const std::vector<AcDbObjectId>& vhostEntityIds() const { return mEntities; }
  // Platform use (cloning into an existing block): lists an entity that is
  // already in the record's database as owned by this record and makes the
  // record its owner, without opening the record. eNotAnEntity,
  // eWrongDatabase; an entity already listed is left as it is.
  Acad::ErrorStatus vhostAdoptEntity(AcDbObjectId entityId);

 protected:
  // *Model_Space and *Paper_Space cannot be erased (eCannotBeErasedByCaller).
  Acad::ErrorStatus subErase(Adesk::Boolean erasing) override;
  bool vhostAllowsLeadingStar() const override { return true; }

 private:
  friend class AcDbBlockTableRecordIterator;
  std::vector<AcDbObjectId> mEntities;
  std::set<AcDbObjectId> mReferences;
  AcGePoint3d mOrigin;
  std::wstring mComments;
  std::wstring mPathName;
  AcDbObjectId mLayoutId;
  Adesk::Int16 mInsertUnits = AcDb::kUnitsUndefined;
  bool mAnonymous = false;
  bool mExplodable = true;
};

class AcDbBlockTable : public AcDbSymbolTable {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockTable);
  AcDbBlockTable();
  ~AcDbBlockTable() override;

  using AcDbSymbolTable::getAt;
  using AcDbSymbolTable::newIterator;
  Acad::ErrorStatus getAt(const ACHAR* name, AcDbBlockTableRecord*& record, AcDb::OpenMode mode,
                          bool openErasedRecord = false) const;
  Acad::ErrorStatus newIterator(AcDbBlockTableIterator*& iterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

 protected:
  bool vhostAccepts(const AcDbSymbolTableRecord* record) const override;
};

class AcDbBlockTableIterator : public AcDbSymbolTableIterator {
 public:
  using AcDbSymbolTableIterator::getRecord;
  Acad::ErrorStatus getRecord(AcDbBlockTableRecord*& record, AcDb::OpenMode mode = AcDb::kForRead,
                              bool openErasedRecord = false) const;

 private:
  friend class AcDbBlockTable;
  explicit AcDbBlockTableIterator(AcDbObjectId tableId) : AcDbSymbolTableIterator(tableId) {}
};

// Walks the entities of a block record in the order they were appended;
// entities appended while it walks are reached too.
class AcDbBlockTableRecordIterator {
 public:
  virtual ~AcDbBlockTableRecordIterator();
  AcDbBlockTableRecordIterator(const AcDbBlockTableRecordIterator&) = delete;
  AcDbBlockTableRecordIterator& operator=(const AcDbBlockTableRecordIterator&) = delete;

  void start(bool atBeginning = true, bool skipDeleted = true);
  bool done() const;
  void step(bool forward = true, bool skipDeleted = true);
  Acad::ErrorStatus getEntityId(AcDbObjectId& id) const;
  Acad::ErrorStatus getEntity(AcDbEntity*& entity, AcDb::OpenMode mode = AcDb::kForRead,
                              bool openErasedEntity = false) const;
  // Positions the iterator on the entity; eInvalidInput when it is not in the block.
  Acad::ErrorStatus seek(AcDbObjectId id);
  Acad::ErrorStatus seek(const AcDbEntity* entity);
  AcDbObjectId blockTableRecordId() const { return mRecordId; }

 private:
  friend class AcDbBlockTableRecord;
  explicit AcDbBlockTableRecordIterator(AcDbObjectId recordId);
  const std::vector<AcDbObjectId>* entities() const;
  void skip(bool forward, bool skipDeleted);

  AcDbObjectId mRecordId;
  long long mPos = 0;
};
