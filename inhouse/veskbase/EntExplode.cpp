#include "veskbase/EntExplode.h"

#include <vector>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbEntity.h"
#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDb3dPolyline.h"
#include "arx/entities/AcDbAttributeDefinition.h"
#include "arx/entities/AcDbBlockReference.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/entities/AcDbRegion.h"

namespace vesk {
namespace ent {

namespace {

bool isPolyline(const AcDbEntity* ent) {
  return ent->isKindOf(AcDbPolyline::desc()) || ent->isKindOf(AcDb2dPolyline::desc()) ||
         ent->isKindOf(AcDb3dPolyline::desc());
}

bool isCompound(const AcDbEntity* ent, bool plinesToo) {
  return ent->isKindOf(AcDbBlockReference::desc()) || ent->isKindOf(AcDbRegion::desc()) ||
         (plinesToo && isPolyline(ent));
}

// The parts of a block reference: its block's entities carried by its
// transform, attribute definitions left out (and its attributes, which the
// block does not hold).
Acad::ErrorStatus explodeReference(const AcDbBlockReference* ref, AcDbVoidPtrArray& parts) {
  AcDbBlockTableRecord* btr = nullptr;
  Acad::ErrorStatus es = acdbOpenObject(btr, ref->blockTableRecord(), AcDb::kForRead);
  if (es != Acad::eOk) return es;
  const AcGeMatrix3d xform = ref->blockTransform();
  AcDbObjectIdArray ids;
  AcDbBlockTableRecordIterator* it = nullptr;
  btr->newIterator(it);
  btr->close();
  for (; it != nullptr && !it->done(); it->step()) {
    AcDbObjectId id;
    if (it->getEntityId(id) == Acad::eOk) ids.append(id);
  }
  delete it;
  for (const AcDbObjectId& id : ids) {
    AcDbEntity* ent = nullptr;
    if (acdbOpenObject(ent, id, AcDb::kForRead) != Acad::eOk) continue;
    if (!ent->isKindOf(AcDbAttributeDefinition::desc())) {
      AcDbEntity* copy = nullptr;
      if (ent->getTransformedCopy(xform, copy) == Acad::eOk && copy != nullptr) parts.append(copy);
    }
    ent->close();
  }
  return Acad::eOk;
}

Acad::ErrorStatus explodeEntity(const AcDbEntity* ent, AcDbVoidPtrArray& parts) {
  if (const AcDbBlockReference* ref = AcDbBlockReference::cast(ent)) return explodeReference(ref, parts);
  return ent->explode(parts);
}

// Adds the parts to a block (on a layer when given); ids receive them.
void addParts(const AcDbVoidPtrArray& parts, const AcDbObjectId& owner, const AcDbObjectId& layerId,
              std::vector<AcDbObjectId>& ids, std::vector<AcDbEntity*>& added) {
  AcDbBlockTableRecord* btr = nullptr;
  const bool open = acdbOpenObject(btr, owner, AcDb::kForWrite) == Acad::eOk;
  for (int k = 0; k < parts.length(); ++k) {
    auto* part = static_cast<AcDbEntity*>(parts[k]);
    if (open && !layerId.isNull()) part->setLayer(layerId);
    AcDbObjectId id;
    if (open && btr->appendAcDbEntity(id, part) == Acad::eOk) {
      ids.push_back(id);
      added.push_back(part);
    } else {
      delete part;
    }
  }
  if (open) btr->close();
}

}  // namespace

int Explode(const AcDbObjectIdArray& ids, AcDbObjectIdArray& simple, AcDbObjectIdArray& compound,
            const AcDbObjectId& layerId, int explodePlines, int eraseSource) {
  int exploded = 0;
  for (const AcDbObjectId& id : ids) {
    if (id.isNull() || !id.isValid() || id.isErased()) continue;
    AcDbEntity* ent = nullptr;
    if (acdbOpenObject(ent, id, AcDb::kForRead) != Acad::eOk) continue;
    if (!isCompound(ent, explodePlines != 0)) {
      ent->close();
      simple.append(id);
      continue;
    }
    AcDbVoidPtrArray parts;
    const Acad::ErrorStatus es = explodeEntity(ent, parts);
    const AcDbObjectId owner = ent->ownerId();
    ent->close();
    if (es != Acad::eOk) {
      for (int k = 0; k < parts.length(); ++k) delete static_cast<AcDbEntity*>(parts[k]);
      continue;
    }
    std::vector<AcDbObjectId> partIds;
    std::vector<AcDbEntity*> added;
    addParts(parts, owner, layerId, partIds, added);
    for (size_t k = 0; k < partIds.size(); ++k) {
      // The part is closed only now: it was appended open for write.
      const bool nested = isCompound(added[k], explodePlines != 0);
      added[k]->close();
      (nested ? compound : simple).append(partIds[k]);
    }
    exploded = 1;
    if (eraseSource) {
      AcDbEntity* src = nullptr;
      if (acdbOpenObject(src, id, AcDb::kForWrite) == Acad::eOk) {
        src->erase();
        src->close();
      }
    }
  }
  return exploded;
}

int Explode(const AcDbObjectId& id, AcDbObjectIdArray& parts) {
  if (id.isNull() || !id.isValid() || id.isErased()) return 0;
  AcDbEntity* ent = nullptr;
  if (acdbOpenObject(ent, id, AcDb::kForRead) != Acad::eOk) return 0;
  AcDbVoidPtrArray pieces;
  const Acad::ErrorStatus es = explodeEntity(ent, pieces);
  const AcDbObjectId owner = ent->ownerId();
  ent->close();
  if (es != Acad::eOk) {
    for (int k = 0; k < pieces.length(); ++k) delete static_cast<AcDbEntity*>(pieces[k]);
    return 0;
  }
  std::vector<AcDbObjectId> ids;
  std::vector<AcDbEntity*> added;
  addParts(pieces, owner, AcDbObjectId(), ids, added);
  for (size_t k = 0; k < ids.size(); ++k) {
    added[k]->close();
    parts.append(ids[k]);
  }
  return static_cast<int>(ids.size());
}

int Explode(const AcDbObjectIdArray& ids, AcDbObjectIdArray& parts) {
  int count = 0;
  for (const AcDbObjectId& id : ids) count += Explode(id, parts);
  return count;
}

}  // namespace ent
}  // namespace vesk
