#include "arx/ed/AcedEntSel.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbCurve.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbEntity.h"
#include "arx/db/AcDbObjectReactor.h"
#include "arx/ed/AcedInput.h"
#include "arx/ed/AcedSysVar.h"
#include "arx/ed/EditorState.h"
#include "arx/ed/InputLoop.h"
#include "arx/ed/InputParse.h"
#include "arx/ed/SelectionGeometry.h"
#include "arx/ed/ViewState.h"
#include "arx/entities/AcDbBlockReference.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeMatrix3d.h"

namespace vhost {

namespace {

constexpr int kErrPickFailed = 7;
constexpr int kErrNullInput = 52;

AcDbObjectId nearestOf(const std::vector<AcDbObjectId>& ids, const AcGePoint3d& pt, double tolerance) {
  AcDbObjectId best;
  double bestDist = 0.0;
  bool bestBox = true;
  for (const AcDbObjectId& id : ids) {
    AcDbEntity* e = nullptr;
    if (acdbOpenObject(e, id, AcDb::kForRead) != Acad::eOk) continue;
    bool boxBased = false;
    double d = entityPickDistance(e, pt, boxBased);
    e->close();
    if (d < 0.0 || d > tolerance) continue;
    // Nearer wins; at equal distance a true-geometry hit beats a box hit, and
    // the later entity (drawn on top) beats the earlier one.
    bool better = best.isNull() || d < bestDist - 1e-12 ||
                  (std::fabs(d - bestDist) <= 1e-12 && (bestBox && !boxBased)) ||
                  (std::fabs(d - bestDist) <= 1e-12 && bestBox == boxBased);
    if (better) {
      best = id;
      bestDist = d;
      bestBox = boxBased;
    }
  }
  return best;
}

// A point of the entity for a handle answer.
void pointOfEntity(AcDbObjectId id, ads_point out) {
  out[0] = out[1] = out[2] = 0.0;
  AcDbEntity* e = nullptr;
  if (acdbOpenObject(e, id, AcDb::kForRead) != Acad::eOk) return;
  AcGePoint3d p;
  AcDbExtents ext;
  if (AcDbCurve* c = AcDbCurve::cast(e); c != nullptr && c->getStartPoint(p) == Acad::eOk) {
    out[0] = p.x, out[1] = p.y, out[2] = p.z;
  } else if (e->getGeomExtents(ext) == Acad::eOk && ext.isValidExtents()) {
    AcGePoint3d a = ext.minPoint(), b = ext.maxPoint();
    out[0] = (a.x + b.x) / 2, out[1] = (a.y + b.y) / 2, out[2] = (a.z + b.z) / 2;
  }
  e->close();
}

// The common part of acedEntSel and acedNEntSelP: RTNORM with the top-level
// entity and the point, RTKWORD, RTCAN or RTERROR.
int pickTopLevel(const ACHAR* prompt, AcDbObjectId& id, AcGePoint3d& at, bool& byHandle) {
  InitGetState ig = takeInitGet();
  clearLastInput();
  byHandle = false;
  AcDbDatabase* db = workingDb();
  if (db == nullptr) return RTERROR;
  Prompt p;
  p.kind = PromptKind::kEntity;
  p.text = prompt != nullptr ? prompt : L"\nSelect object: ";
  p.keywords = ig.keywords.source();
  p.controls = ig.bits;
  for (;;) {
    RawAnswer a = askRaw(p);
    switch (a.kind) {
      case RawAnswer::Kind::kCancel:
      case RawAnswer::Kind::kEnd: return RTCAN;
      case RawAnswer::Kind::kEnter: setErrno(kErrNullInput); return RTERROR;
      case RawAnswer::Kind::kName: {
        if (a.name[1] != 0 || acdbGetObjectId(id, a.name) != Acad::eOk || !id.isValid()) {
          if (rejectAnswer(a, L"\nInvalid selection.")) return RTCAN;
          continue;
        }
        byHandle = true;
        return RTNORM;
      }
      case RawAnswer::Kind::kPoint:
      case RawAnswer::Kind::kText: {
        if (a.kind == RawAnswer::Kind::kText && looksLikeHandleRef(a.text)) {
          AcDbObject* obj = nullptr;
          bool ok = parseHandleRef(a.text, db, id) && acdbOpenObject(obj, id, AcDb::kForRead) == Acad::eOk;
          bool isEntity = ok && AcDbEntity::cast(obj) != nullptr;
          if (obj != nullptr) obj->close();
          if (!isEntity) {
            setErrno(kErrPickFailed);
            currentHostUi()->print(L"\nNothing found.");
            return RTERROR;
          }
          byHandle = true;
          return RTNORM;
        }
        ads_point last;
        lastPoint(last);
        AcGePoint3d pt;
        bool isPoint = a.kind == RawAnswer::Kind::kPoint;
        if (isPoint) pt.set(a.point[0], a.point[1], a.point[2]);
        else isPoint = parsePoint(a.text, AcGePoint3d(last[0], last[1], last[2]), pt);
        if (isPoint) {
          at = pt;
          id = pickEntityAt(db, pt, pickTolerance(db));
          if (id.isNull()) {
            setErrno(kErrPickFailed);
            return RTERROR;
          }
          return RTNORM;
        }
        int k = ig.keywords.match(a.text);
        if (k >= 0) {
          setLastInput(ig.keywords.globalName(k));
          return RTKWORD;
        }
        if ((ig.bits & RSG_OTHER) != 0) {
          setLastInput(a.text);
          return RTKWORD;
        }
        if (rejectAnswer(a, L"\nInvalid selection.")) return RTCAN;
        continue;
      }
      default:
        if (rejectAnswer(a, L"\nInvalid selection.")) return RTCAN;
        continue;
    }
  }
}

// ---- walking the entities of the database ---------------------------------------

// The entity list of the database last walked. It is dropped when that
// database goes away, so that a new database made at the same address never
// finds the old list.
struct EntityWalk : public AcDbDatabaseReactor {
  AcDbDatabase* db = nullptr;
  Adesk::Int32 objects = -1;
  std::uint64_t handseed = 0;
  std::vector<AcDbObjectId> ids;  // main entities of the layouts, creation order

  void goodbye(const AcDbDatabase* gone) override {
    if (gone != db) return;
    db = nullptr;
    objects = -1;
    ids.clear();
  }
  void follow(AcDbDatabase* next) {
    if (next == db) return;
    if (db != nullptr) db->removeReactor(this);
    db = next;
    db->addReactor(this);
  }
};

EntityWalk& walk() {
  static EntityWalk* w = new EntityWalk();
  return *w;
}

const std::vector<AcDbObjectId>& mainEntities(AcDbDatabase* db) {
  EntityWalk& w = walk();
  if (w.db != db || w.objects != db->approxNumObjects() || w.handseed != db->handseed().value()) {
    w.follow(db);
    w.objects = db->approxNumObjects();
    w.handseed = db->handseed().value();
    // Erased entities are kept in the list (erasing changes neither count
    // nor seed) and skipped when walking, so that unerasing one shows it again.
    w.ids = allLayoutEntities(db, true);
  }
  return w.ids;
}

AcDbObjectId nextLive(const std::vector<AcDbObjectId>& ids, std::size_t from) {
  for (std::size_t i = from; i < ids.size(); ++i)
    if (!ids[i].isErased()) return ids[i];
  return AcDbObjectId();
}

}  // namespace

double pickTolerance(AcDbDatabase* db) {
  int box = sysVarInt(L"PICKBOX", 3);
  if (box < 1) box = 1;
  return box * currentView(db).height / kScreenHeightPixels;
}

AcDbObjectId pickEntityAt(AcDbDatabase* db, const AcGePoint3d& pt, double tolerance) {
  if (db == nullptr) return AcDbObjectId();
  return nearestOf(currentSpaceEntities(db), pt, tolerance);
}

}  // namespace vhost

int acedEntSel(const ACHAR* prompt, ads_name entres, ads_point ptres) {
  if (entres == nullptr || ptres == nullptr) return RTERROR;
  AcDbObjectId id;
  AcGePoint3d at;
  bool byHandle = false;
  int rc = vhost::pickTopLevel(prompt, id, at, byHandle);
  if (rc != RTNORM) return rc;
  vhost::writeAdsName(entres, id);
  if (byHandle) {
    vhost::pointOfEntity(id, ptres);
  } else {
    ptres[0] = at.x, ptres[1] = at.y, ptres[2] = at.z;
    vhost::setLastPoint(ptres);
  }
  return RTNORM;
}

int acedNEntSelP(const ACHAR* prompt, ads_name entres, ads_point ptres, int pickflag, ads_matrix xformres,
                 struct resbuf** refstkres) {
  if (entres == nullptr || ptres == nullptr) return RTERROR;
  if (refstkres != nullptr) *refstkres = nullptr;
  AcDbObjectId id;
  AcGePoint3d at;
  bool byHandle = false;
  AcDbDatabase* db = vhost::workingDb();
  if (db == nullptr) return RTERROR;
  if (pickflag != 0) {
    vhost::takeInitGet();
    at.set(ptres[0], ptres[1], ptres[2]);
    id = vhost::pickEntityAt(db, at, vhost::pickTolerance(db));
    if (id.isNull()) {
      vhost::setErrno(7);
      return RTERROR;
    }
  } else {
    int rc = vhost::pickTopLevel(prompt, id, at, byHandle);
    if (rc != RTNORM) return rc;
    if (byHandle) vhost::pointOfEntity(id, ptres);
    else ptres[0] = at.x, ptres[1] = at.y, ptres[2] = at.z;
  }
  AcGeMatrix3d xform;  // block to world
  std::vector<AcDbObjectId> refs;  // outermost first
  double tolerance = vhost::pickTolerance(db);
  if (!byHandle) {
    for (int depth = 0; depth < 64; ++depth) {
      AcDbBlockReference* ref = nullptr;
      if (acdbOpenObject(ref, id, AcDb::kForRead) != Acad::eOk) break;
      AcGeMatrix3d m = ref->blockTransform();
      AcDbObjectId block = ref->blockTableRecord();
      ref->close();
      AcGeMatrix3d total = xform * m;
      AcGeMatrix3d inverse;
      if (!total.inverse(inverse, 1e-12)) break;
      AcGePoint3d local = inverse * at;
      double scale = std::sqrt(total(0, 0) * total(0, 0) + total(1, 0) * total(1, 0) + total(2, 0) * total(2, 0));
      AcDbBlockTableRecord* rec = nullptr;
      if (acdbOpenObject(rec, block, AcDb::kForRead) != Acad::eOk) break;
      std::vector<AcDbObjectId> inside;
      for (const AcDbObjectId& e : rec->vhostEntityIds())
        if (!e.isErased()) inside.push_back(e);
      rec->close();
      AcDbObjectId hit = vhost::nearestOf(inside, local, scale > 1e-12 ? tolerance / scale : tolerance);
      if (hit.isNull()) break;
      refs.push_back(id);
      xform = total;
      id = hit;
    }
  }
  vhost::writeAdsName(entres, id);
  if (xformres != nullptr) {
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 4; ++c) xformres[r][c] = xform(static_cast<unsigned>(r), static_cast<unsigned>(c));
  }
  if (refstkres != nullptr && !refs.empty()) {
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    for (auto it = refs.rbegin(); it != refs.rend(); ++it) {
      resbuf* rb = acutNewRb(RTENAME);
      vhost::writeAdsName(rb->resval.rlname, *it);
      if (head == nullptr) head = rb;
      else tail->rbnext = rb;
      tail = rb;
    }
    *refstkres = head;
  }
  return RTNORM;
}

int acdbEntLast(ads_name result) {
  if (result == nullptr) return RTERROR;
  AcDbDatabase* db = vhost::workingDb();
  if (db == nullptr) return RTERROR;
  const std::vector<AcDbObjectId>& ids = vhost::mainEntities(db);
  for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
    if (!it->isErased()) return vhost::writeAdsName(result, *it) ? RTNORM : RTERROR;
  }
  return RTERROR;
}

int acdbEntNext(const ads_name ent, ads_name result) {
  if (result == nullptr) return RTERROR;
  AcDbDatabase* db = vhost::workingDb();
  if (db == nullptr) return RTERROR;
  const std::vector<AcDbObjectId>& ids = vhost::mainEntities(db);
  std::size_t from = 0;
  if (ent != nullptr && (ent[0] != 0 || ent[1] != 0)) {
    AcDbObjectId id;
    if (ent[1] != 0 || acdbGetObjectId(id, ent) != Acad::eOk) return RTERROR;
    auto it = std::upper_bound(ids.begin(), ids.end(), id);
    from = static_cast<std::size_t>(it - ids.begin());
  }
  AcDbObjectId next = vhost::nextLive(ids, from);
  if (next.isNull()) return RTERROR;
  return vhost::writeAdsName(result, next) ? RTNORM : RTERROR;
}

int acdbEntDel(const ads_name ent) {
  AcDbObjectId id;
  if (ent == nullptr || ent[1] != 0 || acdbGetObjectId(id, ent) != Acad::eOk || !id.isValid()) return RTERROR;
  AcDbEntity* e = nullptr;
  if (acdbOpenObject(e, id, AcDb::kForWrite, true) != Acad::eOk) return RTERROR;
  Acad::ErrorStatus es = e->erase(!e->isErased());
  e->close();
  return es == Acad::eOk ? RTNORM : RTERROR;
}
