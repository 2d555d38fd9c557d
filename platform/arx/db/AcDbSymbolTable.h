#pragma once
// Symbol tables: the named collections of a drawing (blocks, layers,
// linetypes, text styles, applications, dimension styles). A table owns its
// records, finds them by name without regard to case, and lists them in the
// order they were added. Erased records stay in the table (they can be
// unerased) but are skipped by look-ups and iterators unless asked for.
#include <string>
#include <unordered_map>
#include <vector>

#include "arx/db/AcDbObject.h"

class AcCmColor;
class AcDbSymbolTable;
class AcDbSymbolTableIterator;

namespace vhost {

// The comparison key of a symbol name or dictionary key (upper case).
std::wstring nameKey(const ACHAR* name);
std::wstring nameKey(const std::wstring& name);

// A valid symbol name is not empty, has at most 255 characters, no control
// characters and none of < > / \ " : ; ? * | , = `. allowLeadingStar admits a
// '*' as first character (the host's special block names: *Model_Space, *U3).
bool isValidSymbolName(const ACHAR* name, bool allowLeadingStar = false);

// The object behind an id while it is in memory, without opening it, or null.
// Containers use it to keep their look-up indexes current.
AcDbObject* residentObject(AcDbObjectId id);

// The status assertWriteEnabled / assertReadEnabled would throw, or eOk:
// for calls that report a wrong open state instead of throwing it.
Acad::ErrorStatus writeStatus(AcDbObject* obj);
Acad::ErrorStatus readStatus(const AcDbObject* obj);
// A new[] copy of the text, for getters that hand out copies.
ACHAR* newText(const std::wstring& text);

// Filing of a colour (its packed value and names) shared by the records.
void writeColor(AcDbDwgFiler* filer, const AcCmColor& color);
void readColor(AcDbDwgFiler* filer, AcCmColor& color);

// Opens the object for write and runs f(AcDbObject*) on it, then closes it.
// When the object is already open for write (by the caller, further up),
// f runs on it as it is. Returns the opening status otherwise.
template <class F>
Acad::ErrorStatus withObjectForWrite(AcDbObjectId id, F&& f, bool openErased = false) {
  AcDbObject* obj = nullptr;
  Acad::ErrorStatus es = acdbOpenObject(obj, id, AcDb::kForWrite, openErased);
  if (es == Acad::eOk) {
    f(obj);
    obj->close();
    return Acad::eOk;
  }
  AcDbObject* open = residentObject(id);
  if (es == Acad::eWasOpenForWrite && open != nullptr && open->isWriteEnabled()) {
    f(open);
    return Acad::eOk;
  }
  return es;
}

}  // namespace vhost

// --- records ---------------------------------------------------------------------

class AcDbSymbolTableRecord : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSymbolTableRecord);
  AcDbSymbolTableRecord();
  ~AcDbSymbolTableRecord() override;

  // A copy of the name (new[]; free with delete[] / acutDelString).
  Acad::ErrorStatus getName(ACHAR*& name) const;
  // The record's own text, valid while the record is open and unchanged.
  Acad::ErrorStatus getName(const ACHAR*& name) const;
  Acad::ErrorStatus getName(std::wstring& name) const;
  // Renames the record. eInvalidSymbolTableName for a bad name,
  // eDuplicateRecordName when another record of the table has it (case
  // ignored), eIllegalReplacement for records that keep their names
  // (layer "0", *Model_Space, Continuous ...).
  Acad::ErrorStatus setName(const ACHAR* name);

  // Dependent on an external reference (its name holds '|').
  bool isDependent() const;
  // A dependent record whose reference is loaded; other records are resolved.
  bool isResolved() const;
  // False for the records whose names are fixed.
  virtual bool isRenamable() const;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // The name without the read check (platform use: tables and indexes).
  const std::wstring& vhostName() const { return mName; }
  // The group code of the record's handle in drawing files: 5, and 105 for
  // dimension styles (see also vhost::dxfHandleCode).
  virtual int vhostDxfHandleCode() const { return 5; }

 protected:
  // Unerasing a record whose name another record took meanwhile is refused
  // with eDuplicateRecordName. Subclasses refuse erasing their special records.
  Acad::ErrorStatus subErase(Adesk::Boolean erasing) override;
  // Whether names of this kind may start with '*' (block names).
  virtual bool vhostAllowsLeadingStar() const { return false; }
  // The table that owns this record, or null.
  AcDbSymbolTable* vhostOwnerTable() const;
  // DXF reading: takes the name of group 2 as the drawing gives it (the
  // renaming rules are for editing). An empty name is an error unless
  // allowEmpty (shape file styles have none).
  Acad::ErrorStatus vhostDxfSetName(AcDbDxfFiler* filer, const ACHAR* name, bool allowEmpty = false);
  // DXF: the standard flag bits of group 70 that every record has (16: the
  // record depends on an external reference).
  int vhostDxfStandardFlags() const;

 private:
  friend class AcDbSymbolTable;
  std::wstring mName;
};

// --- tables ----------------------------------------------------------------------

class AcDbSymbolTable : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSymbolTable);
  AcDbSymbolTable();
  ~AcDbSymbolTable() override;

  // The record of that name (case ignored). eKeyNotFound when there is none;
  // an erased record is found only with getErasedRecord (a live record of the
  // same name comes first).
  Acad::ErrorStatus getAt(const ACHAR* name, AcDbObjectId& id, bool getErasedRecord = false) const;
  Acad::ErrorStatus getAt(const ACHAR* name, AcDbSymbolTableRecord*& record, AcDb::OpenMode mode,
                          bool openErasedRecord = false) const;
  bool has(const ACHAR* name) const;
  bool has(AcDbObjectId id) const;

  // Adds a new record (the table open for write, in a database). The database
  // takes the record, which is left open for write for the caller to close.
  // eInvalidSymbolTableName for a bad name, eDuplicateRecordName when a live
  // record has the name, eWrongObjectType for a record of another table,
  // eAlreadyInDb for a record already in a database. A block record named
  // "*U" (or "*D", "*X" ...: '*' and one letter) or marked anonymous gets
  // the next free name "*U1", "*U2" ...
  Acad::ErrorStatus add(AcDbSymbolTableRecord* record);
  Acad::ErrorStatus add(AcDbObjectId& id, AcDbSymbolTableRecord* record);

  // An iterator over the records in the order of addition; the caller deletes it.
  Acad::ErrorStatus newIterator(AcDbSymbolTableIterator*& iterator, bool atBeginning = true,
                                bool skipDeleted = true) const;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // The table object of the TABLES section: its subclass groups (70: the
  // number of live records). The writer puts "0 TABLE / 2 <name>" before
  // them (vhost::dxfTableName) and the records after; reading leaves the
  // record list to the reader, which adds each record it reads.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // Platform use: every record id (erased ones too) in order of addition, and
  // the number of live records.
  const std::vector<AcDbObjectId>& vhostRecordIds() const { return mRecords; }
  int vhostLiveRecordCount() const;
  // Platform use: getAt without the open check, for look-ups by the
  // database while the table may be open for write elsewhere. Null when absent.
  AcDbObjectId vhostFind(const ACHAR* name, bool getErasedRecord = false) const;
  // Platform use (cloning into an existing table): lists a record that is
  // already in the table's database as a record of this table and makes the
  // table its owner, without opening the table. eDuplicateRecordName when a
  // live record has its name, eWrongObjectType, eWrongDatabase.
  Acad::ErrorStatus vhostAdoptRecord(AcDbObjectId recordId);

 protected:
  // Whether the record is of this table's record class.
  virtual bool vhostAccepts(const AcDbSymbolTableRecord* record) const;
  // Helper for the typed look-ups of the subclasses.
  template <class R>
  Acad::ErrorStatus vhostGetTyped(const ACHAR* name, R*& record, AcDb::OpenMode mode, bool openErased) const {
    record = nullptr;
    AcDbObjectId id;
    Acad::ErrorStatus es = getAt(name, id, openErased);
    if (es != Acad::eOk) return es;
    return acdbOpenObject(record, id, mode, openErased);
  }

 private:
  friend class AcDbSymbolTableRecord;
  friend class AcDbSymbolTableIterator;

  // The live record of that key (or, with erased, the newest erased one).
  AcDbObjectId find(const std::wstring& key, bool erased) const;
  void indexName(const std::wstring& name, AcDbObjectId id) const;
  void unindexName(const std::wstring& name, AcDbObjectId id) const;
  void ensureIndex() const;
  std::wstring nextAnonymousName(wchar_t letter);

  std::vector<AcDbObjectId> mRecords;
  mutable std::unordered_multimap<std::wstring, AcDbObjectId> mIndex;
  mutable bool mIndexValid = true;
  std::unordered_map<wchar_t, unsigned> mAnonymousCounters;
};

// --- iterators ---------------------------------------------------------------------
// An iterator walks the table's records in order of addition; records added
// while it walks are reached too. It stays usable after the table is closed.

class AcDbSymbolTableIterator {
 public:
  virtual ~AcDbSymbolTableIterator();
  AcDbSymbolTableIterator(const AcDbSymbolTableIterator&) = delete;
  AcDbSymbolTableIterator& operator=(const AcDbSymbolTableIterator&) = delete;

  void start(bool atBeginning = true, bool skipDeleted = true);
  bool done() const;
  void step(bool forward = true, bool skipDeleted = true);
  Acad::ErrorStatus getRecordId(AcDbObjectId& id) const;
  Acad::ErrorStatus getRecord(AcDbSymbolTableRecord*& record, AcDb::OpenMode mode = AcDb::kForRead,
                              bool openErasedRecord = false) const;
  // Positions the iterator on the record; eInvalidInput when the record is
  // not in the table.
  Acad::ErrorStatus seek(AcDbObjectId id);
  Acad::ErrorStatus seek(const AcDbSymbolTableRecord* record);

 protected:
  friend class AcDbSymbolTable;
  explicit AcDbSymbolTableIterator(AcDbObjectId tableId);
  template <class R>
  Acad::ErrorStatus vhostGetTyped(R*& record, AcDb::OpenMode mode, bool openErased) const {
    record = nullptr;
    AcDbObjectId id;
    Acad::ErrorStatus es = getRecordId(id);
    if (es != Acad::eOk) return es;
    return acdbOpenObject(record, id, mode, openErased);
  }

 private:
  const std::vector<AcDbObjectId>* records() const;
  void skip(bool forward, bool skipDeleted);

  AcDbObjectId mTableId;
  long long mPos = 0;
};
