// Block references with attributes: placement, explode, transform, extents,
// and the owner's notification when an attribute is edited.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/entities/AcDbAttribute.h"
#include "arx/entities/AcDbAttributeDefinition.h"
#include "arx/entities/AcDbBlockReference.h"
#include "arx/entities/AcDbObjectIterator.h"
#include "arx/entities/AcDbSolid.h"
#include "arx/entities/AcDbText.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGePlane.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

bool near3(const AcGePoint3d& a, const AcGePoint3d& b, double tol = 1e-9) { return a.distanceTo(b) <= tol; }

// A persistent reactor that records what it hears.
struct Heard {
  std::vector<std::wstring> events;
  AcDbObjectId owner, sub;
};
Heard gHeard;

class RefWatcher : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(RefWatcher);
  void subObjModified(const AcDbObject* obj, const AcDbObject* sub) override {
    gHeard.events.push_back(L"sub");
    gHeard.owner = obj->objectId();
    gHeard.sub = sub->objectId();
    // The owner is readable from inside the notification.
    const AcDbBlockReference* ref = AcDbBlockReference::cast(obj);
    if (ref != nullptr && ref->isReadEnabled()) gHeard.events.push_back(L"readable");
  }
  void modified(const AcDbObject*) override { gHeard.events.push_back(L"modified"); }
};
ACRX_DXF_DEFINE_MEMBERS(RefWatcher, AcDbObject, AcDb::kDHL_CURRENT, AcDb::kMReleaseCurrent, 0, TEST_REF_WATCHER,
                        VeskTest)

struct AnnotationBlock : ::testing::Test {
  std::unique_ptr<AcDbDatabase> db{new AcDbDatabase()};
  AcDbObjectId blockId, refId, nameAttId;

  // Block "PARCEL", base point (1, 1): a 2 × 2 solid square from (1, 1), a
  // variable attribute "NAME" and a constant attribute "KIND".
  void SetUp() override {
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(db->getBlockTable(table, AcDb::kForWrite), Acad::eOk);
    auto* rec = new AcDbBlockTableRecord();
    rec->setName(L"PARCEL");
    rec->setOrigin(AcGePoint3d(1, 1, 0));
    ASSERT_EQ(table->add(blockId, rec), Acad::eOk);
    table->close();
    auto* square = new AcDbSolid(AcGePoint3d(1, 1, 0), AcGePoint3d(3, 1, 0), AcGePoint3d(1, 3, 0), AcGePoint3d(3, 3, 0));
    auto* name = new AcDbAttributeDefinition(AcGePoint3d(1, 0, 0), L"none", L"NAME", L"Parcel name");
    name->setHeight(0.5);
    auto* kind = new AcDbAttributeDefinition(AcGePoint3d(1, -1, 0), L"LAND", L"KIND", L"Kind");
    kind->setConstant(true);
    kind->setHeight(0.5);
    for (AcDbEntity* e : std::vector<AcDbEntity*>{square, name, kind}) {
      ASSERT_EQ(rec->appendAcDbEntity(e), Acad::eOk);
      e->close();
    }
    rec->close();

    // Insert at (10, 10), scale 2, a quarter turn, with its attribute.
    auto* ref = new AcDbBlockReference(AcGePoint3d(10, 10, 0), blockId);
    ref->setScaleFactors(AcGeScale3d(2.0));
    ref->setRotation(kPi / 2);
    AcDbBlockTableRecord* ms = nullptr;
    ASSERT_EQ(acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    ASSERT_EQ(ms->appendAcDbEntity(refId, ref), Acad::eOk);
    ms->close();
    AcDbAttributeDefinition* def = nullptr;
    ASSERT_EQ(acdbOpenObject(def, attdefId(L"NAME"), AcDb::kForRead), Acad::eOk);
    auto* att = new AcDbAttribute();
    ASSERT_EQ(att->setAttributeFromBlock(def, ref->blockTransform()), Acad::eOk);
    def->close();
    att->setTextString(L"Lot 7");
    ASSERT_EQ(ref->appendAttribute(nameAttId, att), Acad::eOk);
    att->close();
    ref->close();
  }

  AcDbObjectId attdefId(const wchar_t* tag) {
    AcDbBlockTableRecord* rec = nullptr;
    AcDbObjectId found;
    if (acdbOpenObject(rec, blockId, AcDb::kForRead) != Acad::eOk) return found;
    AcDbBlockTableRecordIterator* it = nullptr;
    rec->newIterator(it);
    for (; !it->done(); it->step()) {
      AcDbEntity* e = nullptr;
      it->getEntity(e);
      if (auto* d = AcDbAttributeDefinition::cast(e))
        if (std::wstring(d->tagConst()) == tag) found = d->objectId();
      e->close();
    }
    delete it;
    rec->close();
    return found;
  }
};

}  // namespace

TEST_F(AnnotationBlock, TransformAttributesAndIterator) {
  AcDbBlockReference* ref = nullptr;
  ASSERT_EQ(acdbOpenObject(ref, refId, AcDb::kForRead), Acad::eOk);
  // The block's base point lands on the position; its x axis turns to y and doubles.
  const AcGeMatrix3d m = ref->blockTransform();
  EXPECT_TRUE(near3(m * AcGePoint3d(1, 1, 0), AcGePoint3d(10, 10, 0)));
  EXPECT_TRUE(near3(m * AcGePoint3d(3, 1, 0), AcGePoint3d(10, 14, 0)));
  // The attribute took the definition's place and size through the transform.
  AcDbAttribute* att = nullptr;
  ASSERT_EQ(acdbOpenObject(att, nameAttId, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(near3(att->position(), AcGePoint3d(12, 10, 0)));
  EXPECT_NEAR(att->height(), 1.0, 1e-12);
  EXPECT_NEAR(att->rotation(), kPi / 2, 1e-12);
  EXPECT_EQ(std::wstring(att->tagConst()), L"NAME");
  EXPECT_EQ(att->ownerId(), refId);
  att->close();

  // The iterator lists the attribute once.
  std::unique_ptr<AcDbObjectIterator> it(ref->attributeIterator());
  int count = 0;
  for (it->start(); !it->done(); it->step()) {
    EXPECT_EQ(it->objectId(), nameAttId);
    ++count;
  }
  EXPECT_EQ(count, 1);

  // Extents: the square (turned, doubled: x 6..10, y 10..14), the constant
  // definition "LAND" (from (14, 10) up to y 14) and the attribute "Lot 7"
  // (from (12, 10) up to y 15); the variable definition does not show.
  AcDbExtents ext;
  ASSERT_EQ(ref->getGeomExtents(ext), Acad::eOk);
  EXPECT_NEAR(ext.minPoint().x, 6.0, 1e-9);
  EXPECT_NEAR(ext.minPoint().y, 10.0, 1e-9);
  EXPECT_NEAR(ext.maxPoint().x, 14.0, 1e-9);
  EXPECT_NEAR(ext.maxPoint().y, 15.0, 1e-9);
  ref->close();

  // Moving and mirroring the reference carries its attribute along.
  ASSERT_EQ(acdbOpenObject(ref, refId, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(ref->transformBy(AcGeMatrix3d::translation(AcGeVector3d(5, 0, 0))), Acad::eOk);
  ASSERT_EQ(ref->transformBy(AcGeMatrix3d::mirroring(AcGePlane(AcGePoint3d::kOrigin, AcGeVector3d::kYAxis))),
            Acad::eOk);
  EXPECT_TRUE(near3(ref->position(), AcGePoint3d(15, -10, 0)));
  EXPECT_LT(ref->scaleFactors().sx * ref->scaleFactors().sy * ref->scaleFactors().sz, 0.0);
  // Re-deriving the placement from the transform gives the same transform.
  const AcGeMatrix3d before = ref->blockTransform();
  ASSERT_EQ(ref->setBlockTransform(before), Acad::eOk);
  EXPECT_TRUE(ref->blockTransform().isEqualTo(before));
  // A skewing transform is refused.
  AcGeMatrix3d skew;
  skew(0, 1) = 0.5;
  EXPECT_EQ(ref->transformBy(skew), Acad::eCannotScaleNonUniformly);
  ref->close();
  ASSERT_EQ(acdbOpenObject(att, nameAttId, AcDb::kForRead), Acad::eOk);
  EXPECT_TRUE(near3(att->position(), AcGePoint3d(17, -10, 0)));
  EXPECT_TRUE(att->isMirroredInY() != att->isMirroredInX());
  att->close();

  // The block knows the reference.
  AcDbBlockTableRecord* rec = nullptr;
  ASSERT_EQ(acdbOpenObject(rec, blockId, AcDb::kForRead), Acad::eOk);
  AcDbObjectIdArray refs;
  rec->getBlockReferenceIds(refs);
  EXPECT_TRUE(refs.contains(refId));
  rec->close();

  // Appending needs a reference in a database, open for write.
  AcDbBlockReference loose(AcGePoint3d(0, 0, 0), blockId);
  auto* orphan = new AcDbAttribute(AcGePoint3d(0, 0, 0), L"x", L"T");
  EXPECT_EQ(loose.appendAttribute(orphan), Acad::eNoDatabase);
  delete orphan;
  EXPECT_EQ(loose.setScaleFactors(AcGeScale3d(0.0, 1.0, 1.0)), Acad::eInvalidInput);
}

TEST_F(AnnotationBlock, ExplodeDropsVariableDefinitionsAndTurnsAttributesIntoTexts) {
  AcDbBlockReference* ref = nullptr;
  ASSERT_EQ(acdbOpenObject(ref, refId, AcDb::kForRead), Acad::eOk);
  AcDbVoidPtrArray pieces;
  ASSERT_EQ(ref->explode(pieces), Acad::eOk);
  ref->close();
  ASSERT_EQ(pieces.length(), 3);
  std::vector<std::wstring> texts;
  int solids = 0;
  for (void* p : pieces) {
    auto* e = static_cast<AcDbEntity*>(p);
    EXPECT_EQ(AcDbAttributeDefinition::cast(e), nullptr);
    if (auto* s = AcDbSolid::cast(e)) {
      ++solids;
      AcGePoint3d c;
      s->getPointAt(3, c);
      EXPECT_TRUE(near3(c, AcGePoint3d(6, 14, 0)));
    } else if (auto* t = AcDbText::cast(e)) {
      EXPECT_EQ(t->isA(), AcDbText::desc());
      texts.push_back(t->textStringConst());
    }
    delete e;
  }
  EXPECT_EQ(solids, 1);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0], L"LAND");   // the constant definition
  EXPECT_EQ(texts[1], L"Lot 7");  // the attribute

  // Into the owner space: three new entities, the reference stays.
  ASSERT_EQ(acdbOpenObject(ref, refId, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(ref->explodeToOwnerSpace(), Acad::eOk);
  ref->close();
  AcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForRead), Acad::eOk);
  AcDbBlockTableRecordIterator* it = nullptr;
  ms->newIterator(it);
  int n = 0;
  for (; !it->done(); it->step()) ++n;
  delete it;
  ms->close();
  EXPECT_EQ(n, 4);

  // A deep clone in the drawing takes copies of the attributes along.
  AcDbObjectIdArray ids;
  ids.append(refId);
  AcDbIdMapping map;
  ASSERT_EQ(db->deepCloneObjects(ids, db->modelSpaceId(), map), Acad::eOk);
  AcDbIdPair pair(refId, AcDbObjectId::kNull, false);
  ASSERT_TRUE(map.compute(pair));
  AcDbBlockReference* cloned = nullptr;
  ASSERT_EQ(acdbOpenObject(cloned, pair.value(), AcDb::kForRead), Acad::eOk);
  const AcDbObjectIdArray clonedAtts = cloned->vhostAttributeIds();
  ASSERT_EQ(clonedAtts.length(), 1);
  EXPECT_NE(clonedAtts[0], nameAttId);
  AcDbAttribute* clonedAtt = nullptr;
  ASSERT_EQ(acdbOpenObject(clonedAtt, clonedAtts[0], AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(clonedAtt->ownerId(), pair.value());
  EXPECT_EQ(std::wstring(clonedAtt->textStringConst()), L"Lot 7");
  clonedAtt->close();
  EXPECT_EQ(cloned->blockTableRecord(), blockId);
  cloned->close();

  // A transformed copy is a free reference without attributes.
  ASSERT_EQ(acdbOpenObject(ref, refId, AcDb::kForRead), Acad::eOk);
  AcDbEntity* copy = nullptr;
  ASSERT_EQ(ref->getTransformedCopy(AcGeMatrix3d::translation(AcGeVector3d(1, 0, 0)), copy), Acad::eOk);
  ref->close();
  auto* refCopy = AcDbBlockReference::cast(copy);
  ASSERT_NE(refCopy, nullptr);
  EXPECT_TRUE(refCopy->vhostAttributeIds().isEmpty());
  EXPECT_TRUE(near3(refCopy->position(), AcGePoint3d(11, 10, 0)));
  delete copy;
}

TEST_F(AnnotationBlock, EditedAttributeReachesTheReferencesReactors) {
  RefWatcher::rxInit();
  AcDbDictionary* nod = nullptr;
  ASSERT_EQ(db->getNamedObjectsDictionary(nod, AcDb::kForWrite), Acad::eOk);
  auto* watcher = new RefWatcher();
  AcDbObjectId watcherId;
  ASSERT_EQ(nod->setAt(L"WATCH", watcher, watcherId), Acad::eOk);
  watcher->close();
  nod->close();
  AcDbBlockReference* ref = nullptr;
  ASSERT_EQ(acdbOpenObject(ref, refId, AcDb::kForWrite), Acad::eOk);
  ref->addPersistentReactor(watcherId);
  ref->close();
  gHeard = Heard();

  // The reference is closed; only the attribute is opened, edited and closed.
  AcDbAttribute* att = nullptr;
  ASSERT_EQ(acdbOpenObject(att, nameAttId, AcDb::kForWrite), Acad::eOk);
  att->setTextString(L"Lot 8");
  EXPECT_TRUE(gHeard.events.empty());
  att->close();
  EXPECT_EQ(gHeard.events, (std::vector<std::wstring>{L"sub", L"readable"}));
  EXPECT_EQ(gHeard.owner, refId);
  EXPECT_EQ(gHeard.sub, nameAttId);

  // A text that is not an attribute does not pass changes to its owner.
  gHeard = Heard();
  ASSERT_EQ(acdbOpenObject(ref, refId, AcDb::kForWrite), Acad::eOk);
  ref->setPosition(AcGePoint3d(0, 0, 0));
  ref->close();
  EXPECT_EQ(gHeard.events, (std::vector<std::wstring>{L"modified"}));

  // Erasing the reference erases its attribute.
  ASSERT_EQ(acdbOpenObject(ref, refId, AcDb::kForWrite), Acad::eOk);
  ASSERT_EQ(ref->erase(), Acad::eOk);
  ref->close();
  EXPECT_TRUE(nameAttId.isErased());
}

TEST_F(AnnotationBlock, NestedReferencesStayReferences) {
  // Block "TREE": a unit solid at its origin. PARCEL gets a TREE at (2, 2)
  // with an attribute of its own.
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(db->getBlockTable(table, AcDb::kForWrite), Acad::eOk);
  auto* tree = new AcDbBlockTableRecord();
  tree->setName(L"TREE");
  AcDbObjectId treeId;
  ASSERT_EQ(table->add(treeId, tree), Acad::eOk);
  table->close();
  auto* leaf = new AcDbSolid(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0), AcGePoint3d(0, 1, 0), AcGePoint3d(1, 1, 0));
  tree->appendAcDbEntity(leaf);
  leaf->close();
  tree->close();
  AcDbBlockTableRecord* parcel = nullptr;
  ASSERT_EQ(acdbOpenObject(parcel, blockId, AcDb::kForWrite), Acad::eOk);
  auto* nested = new AcDbBlockReference(AcGePoint3d(2, 2, 0), treeId);
  ASSERT_EQ(parcel->appendAcDbEntity(nested), Acad::eOk);
  parcel->close();
  auto* species = new AcDbAttribute(AcGePoint3d(2, 3, 0), L"oak", L"SPECIES");
  species->setHeight(0.5);
  ASSERT_EQ(nested->appendAttribute(species), Acad::eOk);
  species->close();
  nested->close();

  AcDbBlockReference* ref = nullptr;
  ASSERT_EQ(acdbOpenObject(ref, refId, AcDb::kForRead), Acad::eOk);
  // The nested solid (2,2)-(3,3) in the block lands at x 6..8, y 12..14; its
  // attribute at (6, 12), turned, one unit high, reaches down to x 5.
  AcDbExtents fit;
  ASSERT_EQ(ref->geomExtentsBestFit(fit), Acad::eOk);
  EXPECT_NEAR(fit.minPoint().x, 5.0, 1e-9);
  AcDbVoidPtrArray pieces;
  ASSERT_EQ(ref->explode(pieces), Acad::eOk);
  ref->close();
  AcDbBlockReference* inner = nullptr;
  for (void* p : pieces)
    if (auto* r = AcDbBlockReference::cast(static_cast<AcDbEntity*>(p))) inner = r;
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(inner->blockTableRecord(), treeId);
  EXPECT_TRUE(near3(inner->position(), AcGePoint3d(8, 12, 0)));
  EXPECT_NEAR(inner->scaleFactors().sx, 2.0, 1e-12);
  EXPECT_NEAR(inner->rotation(), kPi / 2, 1e-12);
  EXPECT_TRUE(inner->vhostAttributeIds().isEmpty());
  for (void* p : pieces) delete static_cast<AcDbEntity*>(p);

  // Into the owner space the nested reference takes a copy of its attribute, placed like it.
  ASSERT_EQ(acdbOpenObject(ref, refId, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(ref->explodeToOwnerSpace(), Acad::eOk);
  ref->close();
  AcDbBlockTableRecord* ms = nullptr;
  ASSERT_EQ(acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForRead), Acad::eOk);
  AcDbObjectId newInner;
  for (AcDbObjectId id : ms->vhostEntityIds())
    if (id != refId && id.objectClass() == AcDbBlockReference::desc()) newInner = id;
  ms->close();
  ASSERT_FALSE(newInner.isNull());
  ASSERT_EQ(acdbOpenObject(inner, newInner, AcDb::kForRead), Acad::eOk);
  const AcDbObjectIdArray atts = inner->vhostAttributeIds();
  inner->close();
  ASSERT_EQ(atts.length(), 1);
  AcDbAttribute* att = nullptr;
  ASSERT_EQ(acdbOpenObject(att, atts[0], AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(std::wstring(att->textStringConst()), L"oak");
  EXPECT_TRUE(near3(att->position(), AcGePoint3d(6, 12, 0)));
  EXPECT_EQ(att->ownerId(), newInner);
  att->close();
}
