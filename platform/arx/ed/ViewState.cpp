#include "arx/ed/ViewState.h"

#include <cmath>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbEntity.h"
#include "arx/ed/AcedSysVar.h"
#include "arx/ed/EditorState.h"
#include "arx/ge/AcDbExtents.h"

namespace vhost {

namespace {

constexpr std::size_t kKeptViews = 10;

double aspect() { return kScreenWidthPixels / kScreenHeightPixels; }

// The extents of the entities of the current space (empty when none).
AcDbExtents spaceExtents(AcDbDatabase* db) {
  AcDbExtents ext;
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db->currentSpaceId(), AcDb::kForRead) != Acad::eOk) return ext;
  std::vector<AcDbObjectId> ids = space->vhostEntityIds();
  space->close();
  for (const AcDbObjectId& id : ids) {
    AcDbEntity* ent = nullptr;
    if (acdbOpenObject(ent, id, AcDb::kForRead) != Acad::eOk) continue;
    AcDbExtents e;
    if (ent->getGeomExtents(e) == Acad::eOk && e.isValidExtents()) ext.addExt(e);
    ent->close();
  }
  return ext;
}

ViewState limitsView(AcDbDatabase* db) {
  double lo[2] = {0.0, 0.0}, hi[2] = {420.0, 297.0};
  DbEditorState* st = dbEditorState(db, false);
  if (st != nullptr) {
    auto a = st->vars.find(L"LIMMIN");
    auto b = st->vars.find(L"LIMMAX");
    if (a != st->vars.end()) lo[0] = a->second.point[0], lo[1] = a->second.point[1];
    if (b != st->vars.end()) hi[0] = b->second.point[0], hi[1] = b->second.point[1];
  }
  return viewOfWindow(AcGePoint3d(lo[0], lo[1], 0.0), AcGePoint3d(hi[0], hi[1], 0.0));
}

ViewState fittedView(AcDbDatabase* db) {
  AcDbExtents ext = spaceExtents(db);
  if (!ext.isValidExtents()) return limitsView(db);
  ViewState v = viewOfWindow(ext.minPoint(), ext.maxPoint());
  v.height *= 1.05;  // a small margin round the drawing
  return v;
}

}  // namespace

double ViewState::width() const { return height * aspect(); }

AcGePoint3d ViewState::lowerLeft() const {
  return AcGePoint3d(center.x - width() / 2.0, center.y - height / 2.0, center.z);
}

AcGePoint3d ViewState::upperRight() const {
  return AcGePoint3d(center.x + width() / 2.0, center.y + height / 2.0, center.z);
}

ViewState viewOfWindow(const AcGePoint3d& p1, const AcGePoint3d& p2) {
  ViewState v;
  v.center.set((p1.x + p2.x) / 2.0, (p1.y + p2.y) / 2.0, 0.0);
  double w = std::fabs(p2.x - p1.x);
  double h = std::fabs(p2.y - p1.y);
  v.height = std::max(h, w / aspect());
  if (!(v.height > 1e-10)) v.height = 1.0;
  return v;
}

ViewState currentView(AcDbDatabase* db) {
  if (db == nullptr) db = workingDb();
  if (db == nullptr) return viewOfWindow(AcGePoint3d(0, 0, 0), AcGePoint3d(420, 297, 0));
  DbEditorState* st = dbEditorState(db, true);
  if (!st->viewMade) {
    st->view = fittedView(db);
    st->viewMade = true;
  }
  return st->view;
}

bool setView(AcDbDatabase* db, const ViewState& view) {
  if (db == nullptr) db = workingDb();
  if (db == nullptr || !(view.height > 0.0) || !std::isfinite(view.height) || !std::isfinite(view.center.x) ||
      !std::isfinite(view.center.y))
    return false;
  ViewState before = currentView(db);
  DbEditorState* st = dbEditorState(db, true);
  st->previousViews.push_back(before);
  if (st->previousViews.size() > kKeptViews) st->previousViews.erase(st->previousViews.begin());
  st->view = view;
  return true;
}

bool previousView(AcDbDatabase* db) {
  if (db == nullptr) db = workingDb();
  DbEditorState* st = dbEditorState(db, false);
  if (st == nullptr || st->previousViews.empty()) return false;
  st->view = st->previousViews.back();
  st->previousViews.pop_back();
  return true;
}

}  // namespace vhost

void acedUpdateDisplay() {}

int acedRedraw(const ads_name ent, int mode) {
  (void)ent;
  return (mode >= 0 && mode <= 4) ? RTNORM : RTERROR;
}
