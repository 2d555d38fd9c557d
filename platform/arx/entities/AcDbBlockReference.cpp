#include "arx/entities/AcDbBlockReference.h"

#include <cmath>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/entities/VhostAnnotationDxf.h"
#include "arx/entities/AcDbTable.h"
#include "arx/entities/AcDbAttribute.h"
#include "arx/entities/AcDbAttributeDefinition.h"
#include "arx/entities/AcDbObjectIterator.h"
#include "arx/entities/VhostAnnotationUtil.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/GeMath.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbBlockReference, AcDbEntity, L"INSERT")

using namespace vhost::annot;

namespace {

// Blocks that insert themselves (directly or not) must not recurse forever.
thread_local int gExtentsDepth = 0;
constexpr int kMaxNesting = 64;

struct DepthGuard {
  DepthGuard() { ++gExtentsDepth; }
  ~DepthGuard() { --gExtentsDepth; }
  bool tooDeep() const { return gExtentsDepth > kMaxNesting; }
};

void addBox(AcDbExtents& out, const AcDbExtents& box, const AcGeMatrix3d& xform) {
  const AcGePoint3d lo = box.minPoint();
  const AcGePoint3d hi = box.maxPoint();
  for (int i = 0; i < 8; ++i) {
    AcGePoint3d p((i & 1) ? hi.x : lo.x, (i & 2) ? hi.y : lo.y, (i & 4) ? hi.z : lo.z);
    out.addPoint(xform * p);
  }
}

}  // namespace

AcDbBlockReference::AcDbBlockReference() = default;

AcDbBlockReference::AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord)
    : mBlock(blockTableRecord), mPosition(position) {}

AcDbBlockReference::~AcDbBlockReference() = default;

// --- what and where ------------------------------------------------------------------------

AcDbObjectId AcDbBlockReference::blockTableRecord() const {
  assertReadEnabled();
  return mBlock;
}

Acad::ErrorStatus AcDbBlockReference::setBlockTableRecord(AcDbObjectId blockTableRecord) {
  if (!blockTableRecord.isNull()) {
    AcRxClass* cls = blockTableRecord.objectClass();
    if (cls == nullptr || !cls->isDerivedFrom(AcDbBlockTableRecord::desc())) return Acad::eWrongObjectType;
    if (database() && blockTableRecord.database() != database()) return Acad::eWrongDatabase;
  }
  assertWriteEnabled();
  if (mBlock != blockTableRecord && database() && !mBlock.isNull()) {
    if (auto* old = AcDbBlockTableRecord::cast(vhost::residentObject(mBlock))) old->vhostRemoveReference(objectId());
  }
  mBlock = blockTableRecord;
  return Acad::eOk;
}

AcGePoint3d AcDbBlockReference::position() const {
  assertReadEnabled();
  return mPosition;
}

Acad::ErrorStatus AcDbBlockReference::setPosition(const AcGePoint3d& position) {
  if (!isFinite(position)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mPosition = position;
  return Acad::eOk;
}

AcGeScale3d AcDbBlockReference::scaleFactors() const {
  assertReadEnabled();
  return mScale;
}

Acad::ErrorStatus AcDbBlockReference::setScaleFactors(const AcGeScale3d& scale) {
  if (!scale.isProperScale() || !isFinite(scale.sx) || !isFinite(scale.sy) || !isFinite(scale.sz))
    return Acad::eInvalidInput;
  assertWriteEnabled();
  mScale = scale;
  return Acad::eOk;
}

double AcDbBlockReference::rotation() const {
  assertReadEnabled();
  return mRotation;
}

Acad::ErrorStatus AcDbBlockReference::setRotation(double rotation) {
  if (!isFinite(rotation)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mRotation = VeskGe::normalizeAngle(rotation);
  return Acad::eOk;
}

AcGeVector3d AcDbBlockReference::normal() const {
  assertReadEnabled();
  return mNormal;
}

Acad::ErrorStatus AcDbBlockReference::setNormal(const AcGeVector3d& normal) {
  AcGeVector3d n;
  if (!unitNormal(normal, n)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mNormal = n;
  return Acad::eOk;
}

AcGePoint3d AcDbBlockReference::vhostBlockOrigin() const {
  ReadHandle<AcDbBlockTableRecord> rec(mBlock);
  return rec ? rec->origin() : AcGePoint3d::kOrigin;
}

AcGeMatrix3d AcDbBlockReference::blockTransform() const {
  assertReadEnabled();
  const AcGeVector3d dx = ocsDirection(mNormal, mRotation);
  const AcGeVector3d dy = mNormal.crossProduct(dx);
  AcGeMatrix3d m;
  m.setCoordSystem(mPosition, dx * mScale.sx, dy * mScale.sy, mNormal * mScale.sz);
  const AcGePoint3d origin = vhostBlockOrigin();
  if (!origin.isEqualTo(AcGePoint3d::kOrigin, AcGeTol(0.0, 0.0)))
    m.postMultBy(AcGeMatrix3d::translation(AcGePoint3d::kOrigin - origin));
  return m;
}

Acad::ErrorStatus AcDbBlockReference::vhostSetPlacement(const AcGeMatrix3d& xform) {
  AcGePoint3d org;
  AcGeVector3d c0, c1, c2;
  xform.getCoordSystem(org, c0, c1, c2);
  const double l0 = c0.length(), l1 = c1.length(), l2 = c2.length();
  if (!(l0 > 1e-300) || !(l1 > 1e-300) || !(l2 > 1e-300) || !isFinite(c0) || !isFinite(c1) || !isFinite(c2))
    return Acad::eInvalidInput;
  const double tol = 1e-9;
  if (std::fabs(c0.dotProduct(c1)) > tol * l0 * l1 || std::fabs(c0.dotProduct(c2)) > tol * l0 * l2 ||
      std::fabs(c1.dotProduct(c2)) > tol * l1 * l2)
    return Acad::eCannotScaleNonUniformly;
  const bool mirrored = c0.crossProduct(c1).dotProduct(c2) < 0.0;
  AcGeVector3d n = c0.crossProduct(c1).normal();
  double sx = l0;
  if (mirrored) {
    n = -n;
    sx = -l0;
  }
  const AcGePoint3d origin = vhostBlockOrigin();
  mPosition = xform * origin;
  mNormal = n;
  mScale.set(sx, l1, c2.dotProduct(n));
  mRotation = ocsAngle(n, c0 / sx);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::setBlockTransform(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  return vhostSetPlacement(xform);
}

// --- attributes --------------------------------------------------------------------------------

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbAttribute* attribute) {
  AcDbObjectId id;
  return appendAttribute(id, attribute);
}

Acad::ErrorStatus AcDbBlockReference::appendAttribute(AcDbObjectId& attributeId, AcDbAttribute* attribute) {
  attributeId.setNull();
  if (attribute == nullptr) return Acad::eNullObjectPointer;
  AcDbDatabase* db = database();
  if (db == nullptr) return Acad::eNoDatabase;
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  if (attribute->database() != nullptr) return Acad::eAlreadyInDb;
  if (attribute->layerId().isNull()) attribute->setDatabaseDefaults(db);
  Acad::ErrorStatus es = db->addAcDbObject(attributeId, attribute);
  if (es != Acad::eOk) return es;
  attribute->setOwnerId(objectId());
  assertWriteEnabled();
  mAttributes.append(attributeId);
  return Acad::eOk;
}

AcDbObjectIterator* AcDbBlockReference::attributeIterator() const {
  assertReadEnabled();
  return new AcDbObjectIterator(mAttributes);
}

AcDbObjectIdArray AcDbBlockReference::vhostAttributeIds() const {
  assertReadEnabled();
  return mAttributes;
}

// --- exploding -------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbBlockReference::explodePieces(std::vector<Piece>& pieces, AcGeMatrix3d& xform) const {
  assertReadEnabled();
  ReadHandle<AcDbBlockTableRecord> rec(mBlock);
  if (!rec) return rec.status();
  xform = blockTransform();
  AcDbBlockTableRecordIterator* it = nullptr;
  Acad::ErrorStatus es = rec->newIterator(it);
  if (es != Acad::eOk) return es;
  auto fail = [&](Acad::ErrorStatus why) {
    for (Piece& p : pieces) delete p.entity;
    pieces.clear();
    delete it;
    return why;
  };
  for (; !it->done(); it->step()) {
    AcDbObjectId id;
    it->getEntityId(id);
    ReadHandle<AcDbEntity> ent(id);
    if (!ent) return fail(ent.status());
    if (auto* attdef = AcDbAttributeDefinition::cast(ent.get())) {
      if (!attdef->isConstant()) continue;
      AcDbText* text = attdef->vhostNewPlainText();
      es = text->transformBy(xform);
      if (es != Acad::eOk) {
        delete text;
        return fail(es);
      }
      pieces.push_back({text, AcDbObjectId::kNull});
      continue;
    }
    AcDbEntity* copy = nullptr;
    es = ent->getTransformedCopy(xform, copy);
    if (es != Acad::eOk || copy == nullptr) return fail(es != Acad::eOk ? es : Acad::eNotApplicable);
    pieces.push_back({copy, AcDbBlockReference::cast(ent.get()) ? id : AcDbObjectId::kNull});
  }
  delete it;
  for (const AcDbObjectId& attId : mAttributes) {
    if (attId.isErased()) continue;
    ReadHandle<AcDbAttribute> att(attId);
    if (!att) {
      for (Piece& p : pieces) delete p.entity;
      pieces.clear();
      return att.status();
    }
    if (att->isInvisible()) continue;
    pieces.push_back({att->vhostNewPlainText(), AcDbObjectId::kNull});
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::explode(AcDbVoidPtrArray& entitySet) const {
  std::vector<Piece> pieces;
  AcGeMatrix3d xform;
  Acad::ErrorStatus es = explodePieces(pieces, xform);
  if (es != Acad::eOk) return es;
  for (Piece& p : pieces) entitySet.append(p.entity);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::explodeToOwnerSpace() const {
  assertReadEnabled();
  if (database() == nullptr) return Acad::eNoDatabase;
  std::vector<Piece> pieces;
  AcGeMatrix3d xform;
  Acad::ErrorStatus es = explodePieces(pieces, xform);
  if (es != Acad::eOk) return es;
  WriteHandle<AcDbBlockTableRecord> owner(ownerId());
  if (!owner) {
    for (Piece& p : pieces) delete p.entity;
    return owner.status() == Acad::eOk ? Acad::eNotInBlock : owner.status();
  }
  for (size_t i = 0; i < pieces.size(); ++i) {
    AcDbObjectId newId;
    es = owner->appendAcDbEntity(newId, pieces[i].entity);
    if (es != Acad::eOk) {
      for (size_t j = i; j < pieces.size(); ++j) delete pieces[j].entity;
      return es;
    }
    auto* nested = AcDbBlockReference::cast(pieces[i].entity);
    if (nested != nullptr && !pieces[i].source.isNull()) {
      ReadHandle<AcDbBlockReference> src(pieces[i].source);
      if (src) {
        for (const AcDbObjectId& attId : src->mAttributes) {
          if (attId.isErased()) continue;
          ReadHandle<AcDbAttribute> att(attId);
          if (!att) continue;
          auto* copy = AcDbAttribute::cast(att->clone());
          if (copy == nullptr) continue;
          if (copy->transformBy(xform) != Acad::eOk || nested->appendAttribute(copy) != Acad::eOk) {
            delete copy;
            continue;
          }
          copy->close();
        }
      }
    }
    pieces[i].entity->close();
  }
  return Acad::eOk;
}

bool AcDbBlockReference::treatAsAcDbBlockRefForExplode() const { return isA() == AcDbBlockReference::desc(); }

// --- entity protocol -----------------------------------------------------------------------------------

Acad::ErrorStatus AcDbBlockReference::getGeomExtents(AcDbExtents& extents) const {
  assertReadEnabled();
  DepthGuard guard;
  if (guard.tooDeep()) return Acad::eInvalidExtents;
  extents = AcDbExtents();
  bool any = false;
  ReadHandle<AcDbBlockTableRecord> rec(mBlock);
  if (rec) {
    const AcGeMatrix3d xform = blockTransform();
    AcDbBlockTableRecordIterator* it = nullptr;
    if (rec->newIterator(it) == Acad::eOk) {
      for (; !it->done(); it->step()) {
        AcDbObjectId id;
        it->getEntityId(id);
        ReadHandle<AcDbEntity> ent(id);
        if (!ent) continue;
        if (auto* attdef = AcDbAttributeDefinition::cast(ent.get()))
          if (!attdef->isConstant()) continue;
        AcDbExtents box;
        if (ent->getGeomExtents(box) != Acad::eOk) continue;
        addBox(extents, box, xform);
        any = true;
      }
      delete it;
    }
  }
  for (const AcDbObjectId& attId : mAttributes) {
    if (attId.isErased()) continue;
    ReadHandle<AcDbAttribute> att(attId);
    if (!att || att->isInvisible()) continue;
    AcDbExtents box;
    if (att->getGeomExtents(box) != Acad::eOk) continue;
    extents.addExt(box);
    any = true;
  }
  return any ? Acad::eOk : Acad::eInvalidExtents;
}

Acad::ErrorStatus AcDbBlockReference::geomExtentsBestFit(AcDbExtents& extents, const AcGeMatrix3d& parentXform) const {
  assertReadEnabled();
  DepthGuard guard;
  if (guard.tooDeep()) return Acad::eInvalidExtents;
  extents = AcDbExtents();
  bool any = false;
  ReadHandle<AcDbBlockTableRecord> rec(mBlock);
  if (rec) {
    const AcGeMatrix3d xform = parentXform * blockTransform();
    AcDbBlockTableRecordIterator* it = nullptr;
    if (rec->newIterator(it) == Acad::eOk) {
      for (; !it->done(); it->step()) {
        AcDbObjectId id;
        it->getEntityId(id);
        ReadHandle<AcDbEntity> ent(id);
        if (!ent) continue;
        if (auto* attdef = AcDbAttributeDefinition::cast(ent.get()))
          if (!attdef->isConstant()) continue;
        AcDbExtents box;
        if (auto* nested = AcDbBlockReference::cast(ent.get())) {
          if (nested->geomExtentsBestFit(box, xform) != Acad::eOk) continue;
        } else {
          AcDbEntity* copy = nullptr;
          if (ent->getTransformedCopy(xform, copy) != Acad::eOk || copy == nullptr) {
            AcDbExtents local;
            if (ent->getGeomExtents(local) != Acad::eOk) continue;
            addBox(box, local, xform);
          } else {
            Acad::ErrorStatus es = copy->getGeomExtents(box);
            delete copy;
            if (es != Acad::eOk) continue;
          }
        }
        extents.addExt(box);
        any = true;
      }
      delete it;
    }
  }
  for (const AcDbObjectId& attId : mAttributes) {
    if (attId.isErased()) continue;
    ReadHandle<AcDbAttribute> att(attId);
    if (!att || att->isInvisible()) continue;
    AcDbExtents box;
    if (att->getGeomExtents(box) != Acad::eOk) continue;
    addBox(extents, box, parentXform);
    any = true;
  }
  return any ? Acad::eOk : Acad::eInvalidExtents;
}

Acad::ErrorStatus AcDbBlockReference::transformBy(const AcGeMatrix3d& xform) {
  // Check the result before changing anything.
  const AcGeMatrix3d next = xform * blockTransform();
  AcGePoint3d org;
  AcGeVector3d c0, c1, c2;
  next.getCoordSystem(org, c0, c1, c2);
  const double l0 = c0.length(), l1 = c1.length(), l2 = c2.length();
  if (!(l0 > 1e-300) || !(l1 > 1e-300) || !(l2 > 1e-300)) return Acad::eInvalidInput;
  const double tol = 1e-9;
  if (std::fabs(c0.dotProduct(c1)) > tol * l0 * l1 || std::fabs(c0.dotProduct(c2)) > tol * l0 * l2 ||
      std::fabs(c1.dotProduct(c2)) > tol * l1 * l2)
    return Acad::eCannotScaleNonUniformly;
  assertWriteEnabled();
  Acad::ErrorStatus es = vhostSetPlacement(next);
  if (es != Acad::eOk) return es;
  Acad::ErrorStatus attStatus = Acad::eOk;
  for (const AcDbObjectId& attId : mAttributes) {
    if (attId.isErased()) continue;
    WriteHandle<AcDbAttribute> att(attId);
    if (!att) {
      if (attStatus == Acad::eOk) attStatus = att.status();
      continue;
    }
    Acad::ErrorStatus one = att->transformBy(xform);
    if (one != Acad::eOk && attStatus == Acad::eOk) attStatus = one;
  }
  return attStatus;
}

Acad::ErrorStatus AcDbBlockReference::getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& ent) const {
  ent = nullptr;
  auto* copy = AcDbBlockReference::cast(clone());
  if (copy == nullptr) return Acad::eNotApplicable;
  // The copy is not in a database: its block's base point is read through the id.
  const AcGeMatrix3d next = xform * blockTransform();
  Acad::ErrorStatus es = copy->vhostSetPlacement(next);
  if (es != Acad::eOk) {
    delete copy;
    return es;
  }
  ent = copy;
  return Acad::eOk;
}

AcRxObject* AcDbBlockReference::clone() const {
  AcRxObject* made = AcDbEntity::clone();
  if (auto* copy = AcDbBlockReference::cast(made)) copy->mAttributes.removeAll();
  return made;
}

Acad::ErrorStatus AcDbBlockReference::subClose() {
  if (database() != nullptr && !mBlock.isNull()) {
    if (auto* rec = AcDbBlockTableRecord::cast(vhost::residentObject(mBlock))) rec->vhostAddReference(objectId());
  }
  return AcDbEntity::subClose();
}

// --- filing ------------------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbBlockReference::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeHardPointerId(mBlock);
  filer->writePoint3d(mPosition);
  filer->writeDouble(mScale.sx);
  filer->writeDouble(mScale.sy);
  filer->writeDouble(mScale.sz);
  filer->writeDouble(mRotation);
  filer->writeVector3d(mNormal);
  filer->writeInt32(mAttributes.length());
  for (const AcDbObjectId& id : mAttributes) filer->writeHardOwnershipId(id);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbBlockReference::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcDbHardPointerId block;
  Adesk::Int32 count = 0;
  filer->readHardPointerId(&block);
  filer->readPoint3d(&mPosition);
  filer->readDouble(&mScale.sx);
  filer->readDouble(&mScale.sy);
  filer->readDouble(&mScale.sz);
  filer->readDouble(&mRotation);
  filer->readVector3d(&mNormal);
  filer->readInt32(&count);
  if (count < 0 || filer->filerStatus() != Acad::eOk) return Acad::eFilerError;
  mBlock = block;
  mAttributes.removeAll();
  for (Adesk::Int32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    AcDbHardOwnershipId id;
    filer->readHardOwnershipId(&id);
    if (!id.isNull()) mAttributes.append(id);
  }
  return filer->filerStatus();
}

// --- DXF filing -----------------------------------------------------------------------------------

AcDbObjectIdArray AcDbBlockReference::vhostDxfAttributeIds() const {
  assertReadEnabled();
  AcDbObjectIdArray ids;
  for (const AcDbObjectId& id : mAttributes)
    if (!id.isNull() && !id.isErased()) ids.append(id);
  return ids;
}

Acad::ErrorStatus AcDbBlockReference::vhostDxfAppendAttribute(AcDbObjectId attributeId) {
  if (attributeId.isNull()) return Acad::eNullObjectId;
  assertWriteEnabled();
  for (const AcDbObjectId& id : mAttributes)
    if (id == attributeId) return Acad::eDuplicateKey;
  mAttributes.append(attributeId);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbBlockReference::dxfOutFields(AcDbDxfFiler* filer) const {
  using namespace vhost::annotdxf;
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbBlockReference");
  if (!isKindOf(AcDbTable::desc()) && !vhostDxfAttributeIds().isEmpty()) filer->writeInt16(66, 1);
  filer->writeString(2, recordName(mBlock));
  filer->writePoint3d(10, wcsToOcs(mPosition, mNormal));
  if (mScale.sx != 1.0) filer->writeDouble(41, mScale.sx);
  if (mScale.sy != 1.0) filer->writeDouble(42, mScale.sy);
  if (mScale.sz != 1.0) filer->writeDouble(43, mScale.sz);
  if (mRotation != 0.0) filer->writeDouble(50, toDegrees(mRotation));
  if (!isZNormal(mNormal)) filer->writeVector3d(210, mNormal);
  return vhost::dxfWriteKept(filer, this, L"AcDbBlockReference");
}

Acad::ErrorStatus AcDbBlockReference::dxfInFields(AcDbDxfFiler* filer) {
  using namespace vhost::annotdxf;
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbBlockReference")) return vhost::dxfBadSubclass(filer, L"AcDbBlockReference");
  vhost::DxfKeptGroups kept(L"AcDbBlockReference");
  AcGePoint3d position;
  AcGeScale3d scale;
  AcGeVector3d normal = AcGeVector3d::kZAxis;
  double rotation = 0.0;
  bool follow = false, haveName = false;
  std::wstring name;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 66: follow = rb.resval.rint != 0; break;
      case 2: name = rb.resval.rstring ? rb.resval.rstring : L""; haveName = true; break;
      case 10: position = vhost::dxfPoint(rb); break;
      case 41: scale.sx = rb.resval.rreal; break;
      case 42: scale.sy = rb.resval.rreal; break;
      case 43: scale.sz = rb.resval.rreal; break;
      case 50: rotation = toRadians(rb.resval.rreal); break;
      case 210: normal = vhost::dxfVector(rb); break;
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (!haveName || name.empty()) return vhost::dxfError(filer, L"block reference without a block name (2)");
  if (!good(position)) return vhost::dxfError(filer, L"block reference position is not finite");
  if (!good(scale.sx) || !good(scale.sy) || !good(scale.sz) || scale.sx == 0.0 || scale.sy == 0.0 ||
      scale.sz == 0.0)
    return vhost::dxfError(filer, L"block reference scale factors must be finite and non-zero");
  if (!good(rotation)) return vhost::dxfError(filer, L"block reference rotation is not finite");
  AcGeVector3d unit;
  if (!unitNormal(normal, unit)) return vhost::dxfError(filer, L"block reference normal (210) is not a direction");
  AcDbDatabase* db = databaseFor(filer, this);
  if (db == nullptr) return vhost::dxfError(filer, L"block reference read without a drawing to find its block in");
  const AcDbObjectId block = findRecord(db->blockTableId(), name);
  if (block.isNull())
    return vhost::dxfError(filer, L"block reference names the block \"" + name + L"\", which the drawing does not have");
  mBlock = block;
  mNormal = unit;
  mPosition = ocsToWcs(position, mNormal);
  mScale = scale;
  mRotation = VeskGe::normalizeAngle(rotation);
  mDxfAttributesFollow = follow;
  kept.storeInto(this);
  return Acad::eOk;
}
