// Groups: membership, naming in the group dictionary, and members that are
// erased and unerased.
#include <gtest/gtest.h>

#include <vector>

#include "DbTestSupport.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbGroup.h"
#include "arx/db/AcDbXrecord.h"

namespace {

class GroupsTestEntity : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(GroupsTestEntity);
};
VHOST_DEFINE_BUILTIN_CLASS(GroupsTestEntity, AcDbEntity, nullptr)

std::vector<AcDbObjectId> makeEntities(AcDbDatabase& db, int n) {
  std::vector<AcDbObjectId> ids;
  for (int i = 0; i < n; ++i) ids.push_back(dbtest::addToModelSpace(&db, new GroupsTestEntity()));
  return ids;
}

// A group put into the group dictionary under the key; left open for write.
AcDbGroup* newGroup(AcDbDatabase& db, const ACHAR* key, AcDbGroup* group = nullptr) {
  AcDbDictionary* groups = nullptr;
  EXPECT_EQ(db.getGroupDictionary(groups, AcDb::kForWrite), Acad::eOk);
  if (group == nullptr) group = new AcDbGroup(L"test group");
  AcDbObjectId id;
  EXPECT_EQ(groups->setAt(key, group, id), Acad::eOk);
  groups->close();
  return group;
}

std::vector<AcDbObjectId> membersOf(AcDbObjectId groupId) {
  AcDbGroup* group = nullptr;
  if (acdbOpenObject(group, groupId, AcDb::kForRead) != Acad::eOk) return {};
  AcDbObjectIdArray ids;
  group->allEntityIds(ids);
  EXPECT_EQ(group->numEntities(), static_cast<Adesk::UInt32>(ids.length()));
  group->close();
  return std::vector<AcDbObjectId>(ids.begin(), ids.end());
}

Acad::ErrorStatus eraseObject(AcDbObjectId id, bool erasing = true) {
  AcDbObject* obj = nullptr;
  Acad::ErrorStatus es = acdbOpenObject(obj, id, AcDb::kForWrite, true);
  if (es != Acad::eOk) return es;
  es = obj->erase(erasing);
  obj->close();
  return es;
}

bool watches(AcDbObjectId member, AcDbObjectId group) {
  AcDbObject* obj = nullptr;
  if (acdbOpenObject(obj, member, AcDb::kForRead, true) != Acad::eOk) return false;
  bool has = obj->hasPersistentReactor(group);
  obj->close();
  return has;
}

}  // namespace

TEST(Groups, MembershipKeepsOrderAndRefusesBadIds) {
  AcDbDatabase db;
  std::vector<AcDbObjectId> e = makeEntities(db, 5);
  AcDbGroup* group = newGroup(db, L"Trees");
  const AcDbObjectId gid = group->objectId();
  EXPECT_EQ(group->append(e[1]), Acad::eOk);
  EXPECT_EQ(group->append(AcDbObjectIdArray{e[2], e[3]}), Acad::eOk);
  EXPECT_EQ(group->prepend(e[0]), Acad::eOk);
  EXPECT_EQ(group->insertAt(2, e[4]), Acad::eOk);
  EXPECT_EQ(group->append(e[1]), Acad::eDuplicateKey);
  EXPECT_EQ(group->insertAt(9, AcDbObjectId()), Acad::eInvalidIndex);
  EXPECT_EQ(group->append(AcDbObjectId()), Acad::eNullObjectId);
  EXPECT_EQ(group->append(db.layerZero()), Acad::eNotAnEntity);
  // All or nothing: one bad id keeps the others out.
  std::vector<AcDbObjectId> extra = makeEntities(db, 1);
  EXPECT_EQ(group->append(AcDbObjectIdArray{extra[0], db.layerZero()}), Acad::eNotAnEntity);
  EXPECT_EQ(group->append(AcDbObjectIdArray{extra[0], extra[0]}), Acad::eDuplicateKey);
  EXPECT_FALSE(group->has(extra[0]));

  AcDbDatabase other;
  std::vector<AcDbObjectId> foreign = makeEntities(other, 1);
  EXPECT_EQ(group->append(foreign[0]), Acad::eWrongDatabase);

  Adesk::UInt32 index = 99;
  EXPECT_EQ(group->getIndex(e[4], index), Acad::eOk);
  EXPECT_EQ(index, 2u);
  EXPECT_EQ(group->getIndex(extra[0], index), Acad::eKeyNotFound);
  group->close();
  EXPECT_EQ(membersOf(gid), (std::vector<AcDbObjectId>{e[0], e[1], e[4], e[2], e[3]}));
  for (AcDbObjectId id : e) EXPECT_TRUE(watches(id, gid));

  ASSERT_EQ(acdbOpenObject(group, gid, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(group->removeAt(2), Acad::eOk);
  EXPECT_EQ(group->removeAt(4), Acad::eInvalidIndex);
  EXPECT_EQ(group->remove(e[0]), Acad::eOk);
  EXPECT_EQ(group->remove(e[0]), Acad::eKeyNotFound);
  EXPECT_EQ(group->replace(e[3], extra[0]), Acad::eOk);
  EXPECT_EQ(group->replace(e[3], e[0]), Acad::eKeyNotFound);
  EXPECT_EQ(group->reverse(), Acad::eOk);
  group->close();
  EXPECT_EQ(membersOf(gid), (std::vector<AcDbObjectId>{extra[0], e[2], e[1]}));
  EXPECT_FALSE(watches(e[4], gid));
  EXPECT_FALSE(watches(e[0], gid));
  EXPECT_FALSE(watches(e[3], gid));
  EXPECT_TRUE(watches(extra[0], gid));

  ASSERT_EQ(acdbOpenObject(group, gid, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(group->append(e[0]), Acad::eNotOpenForWrite);
  group->close();
  ASSERT_EQ(acdbOpenObject(group, gid, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(group->clear(), Acad::eOk);
  EXPECT_EQ(group->numEntities(), 0u);
  group->close();
  EXPECT_FALSE(watches(e[1], gid));
}

TEST(Groups, ErasedMembersLeaveAndComeBack) {
  AcDbDatabase db;
  std::vector<AcDbObjectId> e = makeEntities(db, 4);
  AcDbGroup* group = newGroup(db, L"Block 7");
  const AcDbObjectId gid = group->objectId();
  ASSERT_EQ(group->append(AcDbObjectIdArray{e[0], e[1], e[2], e[3]}), Acad::eOk);
  group->close();

  ASSERT_EQ(eraseObject(e[1]), Acad::eOk);
  EXPECT_EQ(membersOf(gid), (std::vector<AcDbObjectId>{e[0], e[2], e[3]}));
  ASSERT_EQ(eraseObject(e[3]), Acad::eOk);
  EXPECT_EQ(membersOf(gid), (std::vector<AcDbObjectId>{e[0], e[2]}));
  AcDbGroup* open = nullptr;
  ASSERT_EQ(acdbOpenObject(open, gid, AcDb::kForRead), Acad::eOk);
  EXPECT_FALSE(open->has(e[1]));
  open->close();

  // Unerased members take their old places.
  ASSERT_EQ(eraseObject(e[1], false), Acad::eOk);
  EXPECT_EQ(membersOf(gid), (std::vector<AcDbObjectId>{e[0], e[1], e[2]}));
  ASSERT_EQ(eraseObject(e[3], false), Acad::eOk);
  EXPECT_EQ(membersOf(gid), (std::vector<AcDbObjectId>{e[0], e[1], e[2], e[3]}));

  // A member removed while erased does not come back.
  ASSERT_EQ(eraseObject(e[2]), Acad::eOk);
  ASSERT_EQ(acdbOpenObject(open, gid, AcDb::kForWrite), Acad::eOk);
  EXPECT_EQ(open->remove(e[2]), Acad::eOk);
  open->close();
  ASSERT_EQ(eraseObject(e[2], false), Acad::eOk);
  EXPECT_EQ(membersOf(gid), (std::vector<AcDbObjectId>{e[0], e[1], e[3]}));

  // An erased group lets go of its members and takes them back when unerased.
  ASSERT_EQ(eraseObject(gid), Acad::eOk);
  EXPECT_FALSE(watches(e[0], gid));
  ASSERT_EQ(eraseObject(gid, false), Acad::eOk);
  EXPECT_TRUE(watches(e[0], gid));
  EXPECT_EQ(membersOf(gid), (std::vector<AcDbObjectId>{e[0], e[1], e[3]}));
}

TEST(Groups, NamesAreTheirGroupDictionaryKeys) {
  AcDbDatabase db;
  std::vector<AcDbObjectId> e = makeEntities(db, 2);
  // Members given before the group is in the database are watched once it is closed.
  auto* early = new AcDbGroup(L"filled early", false);
  ASSERT_EQ(early->append(AcDbObjectIdArray{e[0], e[1]}), Acad::eOk);
  early = newGroup(db, L"Early", early);
  const AcDbObjectId earlyId = early->objectId();
  EXPECT_FALSE(early->isSelectable());
  EXPECT_STREQ(early->name(), L"Early");
  EXPECT_STREQ(early->description(), L"filled early");
  early->close();
  EXPECT_TRUE(watches(e[0], earlyId));
  EXPECT_TRUE(watches(e[1], earlyId));

  AcDbGroup* other = newGroup(db, L"Other");
  EXPECT_EQ(other->setName(L"EARLY"), Acad::eDuplicateKey);
  EXPECT_EQ(other->setName(L"bad|name"), Acad::eInvalidInput);
  EXPECT_EQ(other->setName(L"Renamed"), Acad::eOk);
  EXPECT_FALSE(other->isAnonymous());
  EXPECT_EQ(other->setAnonymous(), Acad::eOk);
  EXPECT_TRUE(other->isAnonymous());
  ACHAR* name = nullptr;
  other->name(name);
  EXPECT_STREQ(name, L"*A1");
  delete[] name;
  other->close();

  AcDbGroup* anon = newGroup(db, L"*");
  EXPECT_STREQ(anon->name(), L"*A2");
  EXPECT_TRUE(anon->isAnonymous());
  anon->close();

  AcDbDictionary* groups = nullptr;
  ASSERT_EQ(db.getGroupDictionary(groups, AcDb::kForRead), Acad::eOk);
  AcDbObjectId found;
  EXPECT_EQ(groups->getAt(L"renamed", found), Acad::eKeyNotFound);
  EXPECT_EQ(groups->getAt(L"*a1", found), Acad::eOk);
  EXPECT_EQ(groups->numEntries(), 3u);
  groups->close();

  // A copy of a group refers to the same members.
  ASSERT_EQ(acdbOpenObject(early, earlyId, AcDb::kForRead), Acad::eOk);
  std::unique_ptr<AcDbGroup> copy(AcDbGroup::cast(early->clone()));
  early->close();
  ASSERT_TRUE(copy);
  AcDbObjectIdArray ids;
  copy->allEntityIds(ids);
  EXPECT_EQ(ids, (AcDbObjectIdArray{e[0], e[1]}));
  EXPECT_STREQ(copy->description(), L"filled early");
}
