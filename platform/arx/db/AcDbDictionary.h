#pragma once
// Dictionaries: objects that own other objects under text keys. Keys compare
// without regard to case and keep the case they were given. Entries are
// listed in the order they were made (a replaced entry keeps its place).
// Entries whose object is erased stay (so that unerasing brings them back)
// but are invisible: look-ups, counts and iterators skip them.
#include <string>
#include <unordered_map>
#include <vector>

#include "arx/db/AcDbObject.h"

class AcDbDictionaryIterator;

namespace AcRx {
// Dictionary iteration orders: kDictCollated lists entries in the order they
// were made, kDictSorted by key (case ignored).
enum DictIterType { kDictCollated = 0, kDictSorted = 1 };
}  // namespace AcRx

class AcDbDictionary : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDictionary);
  using DictIterType = AcRx::DictIterType;
  static constexpr AcRx::DictIterType kDictCollated = AcRx::kDictCollated;
  static constexpr AcRx::DictIterType kDictSorted = AcRx::kDictSorted;

  AcDbDictionary();
  ~AcDbDictionary() override;

  // --- look-up: eInvalidKey for a null key, eKeyNotFound when absent.
  Acad::ErrorStatus getAt(const ACHAR* key, AcDbObjectId& id) const;
  Acad::ErrorStatus getAt(const ACHAR* key, AcDbObject*& object, AcDb::OpenMode mode) const;
  template <class T>
  Acad::ErrorStatus getAt(const ACHAR* key, T*& object, AcDb::OpenMode mode) const {
    object = nullptr;
    AcDbObjectId id;
    Acad::ErrorStatus es = getAt(key, id);
    if (es != Acad::eOk) return es;
    return acdbOpenObject(object, id, mode);
  }
  bool has(const ACHAR* key) const;
  bool has(AcDbObjectId id) const;
  // The key of the entry holding the object (ACHAR*&: a new[] copy);
  // eKeyNotFound when the object is not an entry.
  Acad::ErrorStatus nameAt(AcDbObjectId id, ACHAR*& key) const;
  Acad::ErrorStatus nameAt(AcDbObjectId id, std::wstring& key) const;
  Adesk::UInt32 numEntries() const;

  // --- changes (the dictionary open for write)
  // Puts the object under the key. A new object is added to the database and
  // left open for write (the caller closes it); an object already in this
  // database just becomes the entry. Either way its owner is this
  // dictionary. An existing entry of the key is replaced and its object
  // erased. The key "*" gives the next free anonymous key "*A1", "*A2" ...
  // eInvalidKey for an empty key, eNullObjectPointer, eWrongDatabase for an
  // object of another database, eNoDatabase when the dictionary is not in one.
  Acad::ErrorStatus setAt(const ACHAR* key, AcDbObject* newValue, AcDbObjectId& retObjId);
  // Removes the entry. The object is not erased; it loses its owner.
  Acad::ErrorStatus remove(const ACHAR* key);
  Acad::ErrorStatus remove(const ACHAR* key, AcDbObjectId& returnId);
  Acad::ErrorStatus remove(AcDbObjectId id);
  // Renames an entry; false when the old key is absent, the new key is empty
  // or names another entry.
  bool setName(const ACHAR* oldName, const ACHAR* newName);

  // An iterator over the entries, for the caller to delete.
  AcDbDictionaryIterator* newIterator(AcRx::DictIterType type = AcRx::kDictCollated) const;

  // Entries are owned softly (kept when only the dictionary refers to them);
  // treated as hard they are owned hard (cloning and write-out carry them).
  bool isTreatElementsAsHard() const;
  void setTreatElementsAsHard(bool doIt);
  AcDb::DuplicateRecordCloning mergeStyle() const override;
  void setMergeStyle(AcDb::DuplicateRecordCloning style);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // DICTIONARY: 280 1 when the entries are owned hard, 281 merge style,
  // then per entry whose object is not erased 3 key and 350 id (360 when
  // owned hard). Reading replaces the entries; the objects' owners are the
  // reader's business (their own 330 groups).
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  // Platform use: renames the entry of an object without opening the
  // dictionary (a group or layout renaming itself). eKeyNotFound,
  // eInvalidKey, eDuplicateKey.
  Acad::ErrorStatus vhostRenameEntry(AcDbObjectId id, const ACHAR* newKey);
  // The next free anonymous key with the prefix ("*A" gives "*A1" ...).
  std::wstring vhostNextAnonymousKey(const ACHAR* prefix) const;
  // The key of the object's entry (erased or not) without the open check,
  // or null when the object is not an entry.
  const std::wstring* vhostKeyOf(AcDbObjectId id) const;

 private:
  friend class AcDbDictionaryIterator;
  struct Entry {
    std::wstring key;
    AcDbObjectId id;  // null for a removed slot
  };
  // The slot of the key's or object's entry (its object may be erased), or -1.
  long long findKey(const std::wstring& upperKey) const;
  long long findId(AcDbObjectId id) const;
  void dropSlot(size_t slot);
  void rebuildIndex();

  std::vector<Entry> mEntries;
  std::unordered_map<std::wstring, size_t> mByKey;
  std::unordered_map<AcDbObjectId, size_t> mById;
  size_t mRemoved = 0;
  mutable unsigned mAnonymousCounter = 0;
  Adesk::Int16 mMergeStyle = AcDb::kDrcIgnore;
  bool mTreatAsHard = false;
};

// Walks a dictionary's entries as they were when it was made; entries
// removed or erased since are skipped.
class AcDbDictionaryIterator {
 public:
  virtual ~AcDbDictionaryIterator();
  AcDbDictionaryIterator(const AcDbDictionaryIterator&) = delete;
  AcDbDictionaryIterator& operator=(const AcDbDictionaryIterator&) = delete;

  // The key of the current entry ("" when done).
  const ACHAR* name() const;
  Acad::ErrorStatus getName(std::wstring& key) const;
  AcDbObjectId objectId() const;
  Acad::ErrorStatus getObject(AcDbObject*& object, AcDb::OpenMode mode = AcDb::kForRead);
  template <class T>
  Acad::ErrorStatus getObject(T*& object, AcDb::OpenMode mode = AcDb::kForRead) {
    return acdbOpenObject(object, objectId(), mode);
  }
  bool done() const;
  // Moves to the next entry; false when there is none.
  bool next();
  // Moves to the entry of the object; false when it is not listed.
  bool setPosition(AcDbObjectId id);

 private:
  friend class AcDbDictionary;
  AcDbDictionaryIterator(AcDbObjectId dictId, std::vector<std::pair<std::wstring, AcDbObjectId>> entries);
  bool visible(size_t i) const;
  void settle();

  AcDbObjectId mDictId;
  std::vector<std::pair<std::wstring, AcDbObjectId>> mEntries;
  size_t mPos = 0;
};
