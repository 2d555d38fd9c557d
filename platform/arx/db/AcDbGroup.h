#pragma once
// Groups: named, ordered selections of entities. A group lives in the
// database's group dictionary under its name (anonymous groups under "*A<n>").
// It refers to its members by hard pointer and watches them as a persistent
// reactor: an erased member leaves the group and comes back when unerased.
// Membership changes need the group open for write; members are opened for
// write briefly to attach or detach the group (a member already open for write
// by the caller is used as it is).
#include <string>
#include <vector>

#include "arx/db/AcDbObject.h"

class AcDbEntity;

class AcDbGroup : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbGroup);
  AcDbGroup();
  explicit AcDbGroup(const ACHAR* description, bool selectable = true);
  ~AcDbGroup() override;

  // --- naming: the key in the owning dictionary (or the name given before
  // the group was put in one). name(ACHAR*&) gives a new[] copy.
  const ACHAR* name() const;
  Acad::ErrorStatus name(ACHAR*& name) const;
  // Renames the group, also in its dictionary: eInvalidInput for a bad
  // name, eDuplicateKey when another entry has it.
  Acad::ErrorStatus setName(const ACHAR* name);
  const ACHAR* description() const;
  Acad::ErrorStatus setDescription(const ACHAR* description);
  bool isSelectable() const;
  Acad::ErrorStatus setSelectable(bool selectable);
  // Anonymous groups have "*A<n>" keys; setAnonymous gives the group one.
  bool isAnonymous() const;
  Acad::ErrorStatus setAnonymous();

  // --- members. Ids must be live entities of the group's database:
  // eNullObjectId, eWasErased, eNotAnEntity, eWrongDatabase, eDuplicateKey
  // when already a member, eInvalidIndex for an index past the end.
  Acad::ErrorStatus append(AcDbObjectId id);
  Acad::ErrorStatus append(const AcDbObjectIdArray& ids);
  Acad::ErrorStatus prepend(AcDbObjectId id);
  Acad::ErrorStatus prepend(const AcDbObjectIdArray& ids);
  Acad::ErrorStatus insertAt(Adesk::UInt32 index, AcDbObjectId id);
  Acad::ErrorStatus insertAt(Adesk::UInt32 index, const AcDbObjectIdArray& ids);
  // eNotInGroup is eKeyNotFound here.
  Acad::ErrorStatus remove(AcDbObjectId id);
  Acad::ErrorStatus remove(const AcDbObjectIdArray& ids);
  Acad::ErrorStatus removeAt(Adesk::UInt32 index);
  Acad::ErrorStatus replace(AcDbObjectId oldId, AcDbObjectId newId);
  Acad::ErrorStatus reverse();
  Acad::ErrorStatus clear();
  Acad::ErrorStatus getIndex(AcDbObjectId id, Adesk::UInt32& index) const;
  bool has(const AcDbEntity* entity) const;
  bool has(AcDbObjectId id) const;
  Adesk::UInt32 numEntities() const;
  Adesk::UInt32 allEntityIds(AcDbObjectIdArray& ids) const;

  // As a persistent reactor of its members.
  void erased(const AcDbObject* dbObj, Adesk::Boolean erasing = true) override;
  void goodbye(const AcDbObject* dbObj) override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // GROUP: 300 description, 70 1 when unnamed, 71 1 when selectable, then
  // a 340 per member that is not erased. The name is the key in the group
  // dictionary. A group read attaches itself to its members when closed.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  // Erasing the group detaches it from its members; unerasing attaches it.
  Acad::ErrorStatus subErase(Adesk::Boolean erasing) override;
  // A group that came into the database with members (added after append,
  // filed in, cloned) attaches itself to them when closed.
  Acad::ErrorStatus subClose() override;

 private:
  Acad::ErrorStatus checkMember(AcDbObjectId id) const;
  Acad::ErrorStatus insertMembers(size_t index, const AcDbObjectIdArray& ids);
  void attach(AcDbObjectId member);
  void detach(AcDbObjectId member);
  AcDbObjectId ownerDictionary() const;

  // Whether the id is a member that counts (listed, not dropped, not erased).
  bool isVisible(AcDbObjectId id) const;
  // The position in mMembers of the member at a visible index (the end for
  // the count of visible members).
  size_t rawIndex(size_t visibleIndex) const;

  // Members in order, including those dropped because they are erased: they
  // keep their place for when they are unerased.
  std::vector<AcDbObjectId> mMembers;
  std::vector<AcDbObjectId> mDropped;
  mutable std::wstring mName;
  std::wstring mDescription;
  bool mSelectable = true;
  bool mAnonymous = false;
  bool mAttached = false;
};
