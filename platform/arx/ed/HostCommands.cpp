#include "arx/ed/HostCommands.h"

#include <cmath>
#include <map>
#include <stdexcept>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbCurve.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbEntity.h"
#include "arx/db/AcDbXrecord.h"
#include "arx/ed/AcedEntSel.h"
#include "arx/ed/AcedInput.h"
#include "arx/ed/AcedSelectionSet.h"
#include "arx/ed/AcedSysVar.h"
#include "arx/ed/EditorState.h"
#include "arx/ed/HostUi.h"
#include "arx/ed/InputParse.h"
#include "arx/ed/ViewState.h"
#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDbBlockReference.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/ge/AcDbExtents.h"

namespace vhost {

namespace {

constexpr const wchar_t* kFilterDict = L"ACAD_FILTER";
constexpr const wchar_t* kSpatialKey = L"SPATIAL";

std::vector<std::wstring>& marks() {
  static std::vector<std::wstring>* m = new std::vector<std::wstring>();
  return *m;
}

void print(const std::wstring& s) { currentHostUi()->print(s); }

AcDbDatabase* requireDb() {
  AcDbDatabase* db = workingDb();
  if (db == nullptr) throw std::runtime_error("no drawing is open");
  return db;
}

AcGePoint3d toPoint(const ads_point p) { return AcGePoint3d(p[0], p[1], p[2]); }

AcDbExtents extentsOf(const std::vector<AcDbObjectId>& ids) {
  AcDbExtents ext;
  for (const AcDbObjectId& id : ids) {
    AcDbEntity* e = nullptr;
    if (acdbOpenObject(e, id, AcDb::kForRead) != Acad::eOk) continue;
    AcDbExtents one;
    if (e->getGeomExtents(one) == Acad::eOk && one.isValidExtents()) ext.addExt(one);
    e->close();
  }
  return ext;
}

std::vector<AcDbObjectId> spaceIds(AcDbDatabase* db) {
  std::vector<AcDbObjectId> ids;
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db->currentSpaceId(), AcDb::kForRead) != Acad::eOk) return ids;
  for (const AcDbObjectId& id : space->vhostEntityIds())
    if (!id.isErased()) ids.push_back(id);
  space->close();
  return ids;
}

void zoomTo(AcDbDatabase* db, const ViewState& v) { setView(db, v); }

void zoomExtents(AcDbDatabase* db, bool withLimits) {
  AcDbExtents ext = extentsOf(spaceIds(db));
  if (ext.isValidExtents()) {
    db->setExtmin(ext.minPoint());
    db->setExtmax(ext.maxPoint());
  }
  if (!ext.isValidExtents() && !withLimits) {
    print(L"\nThe drawing is empty.");
    return;
  }
  if (withLimits) {
    DbEditorState* st = dbEditorState(db, true);
    double lo[2] = {0.0, 0.0}, hi[2] = {420.0, 297.0};
    auto a = st->vars.find(L"LIMMIN");
    auto b = st->vars.find(L"LIMMAX");
    if (a != st->vars.end()) lo[0] = a->second.point[0], lo[1] = a->second.point[1];
    if (b != st->vars.end()) hi[0] = b->second.point[0], hi[1] = b->second.point[1];
    ext.addPoint(AcGePoint3d(lo[0], lo[1], 0.0));
    ext.addPoint(AcGePoint3d(hi[0], hi[1], 0.0));
  }
  zoomTo(db, viewOfWindow(ext.minPoint(), ext.maxPoint()));
}

// "n" (of the limits), "nX" (of the view), "nXP" (as nX): the new height, or
// a negative value when the text is no scale.
double scaledHeight(AcDbDatabase* db, const std::wstring& text) {
  std::wstring t = upperCase(trimmed(text));
  bool relative = false;
  if (t.size() > 2 && t.compare(t.size() - 2, 2, L"XP") == 0) {
    t.erase(t.size() - 2);
    relative = true;
  } else if (t.size() > 1 && t.back() == L'X') {
    t.pop_back();
    relative = true;
  }
  double factor = 0.0;
  if (!parseNumber(t, factor) || !(factor > 0.0)) return -1.0;
  if (relative) return currentView(db).height / factor;
  DbEditorState* st = dbEditorState(db, true);
  double lo = 0.0, hi = 297.0;
  auto a = st->vars.find(L"LIMMIN");
  auto b = st->vars.find(L"LIMMAX");
  if (a != st->vars.end()) lo = a->second.point[1];
  if (b != st->vars.end()) hi = b->second.point[1];
  double limitsHeight = std::fabs(hi - lo) > 1e-12 ? std::fabs(hi - lo) : 1.0;
  return limitsHeight / factor;
}

bool zoomByScaleText(AcDbDatabase* db, const std::wstring& text) {
  double h = scaledHeight(db, text);
  if (h <= 0.0) return false;
  ViewState v = currentView(db);
  v.height = h;
  zoomTo(db, v);
  return true;
}

// Two corners of a window; false when not given.
bool askWindow(const ACHAR* firstPrompt, AcGePoint3d& a, AcGePoint3d& b) {
  ads_point p1, p2;
  if (acedGetPoint(nullptr, firstPrompt, p1) != RTNORM) return false;
  if (acedGetCorner(p1, L"\nSpecify opposite corner: ", p2) != RTNORM) return false;
  a = toPoint(p1);
  b = toPoint(p2);
  return true;
}

void cmdZoom() {
  AcDbDatabase* db = requireDb();
  for (;;) {
    acedInitGet(RSG_OTHER, L"All Center Dynamic Extents Previous Scale Window Object");
    ads_point p1;
    int rc = acedGetPoint(nullptr,
                          L"\nSpecify corner of window, enter a scale factor (nX or nXP), or\n"
                          L"[All/Center/Dynamic/Extents/Previous/Scale/Window/Object] <real time>: ",
                          p1);
    if (rc == RTNONE || rc == RTCAN) return;  // real time zoom: nothing to do without a screen
    if (rc == RTNORM) {
      ads_point p2;
      if (acedGetCorner(p1, L"\nSpecify opposite corner: ", p2) != RTNORM) return;
      zoomTo(db, viewOfWindow(toPoint(p1), toPoint(p2)));
      return;
    }
    if (rc != RTKWORD) return;
    ACHAR kw[133];
    acedGetInput(kw);
    std::wstring k = kw;
    if (k == L"All") {
      zoomExtents(db, true);
    } else if (k == L"Extents") {
      zoomExtents(db, false);
    } else if (k == L"Previous") {
      if (!previousView(db)) print(L"\nNo previous view saved.");
    } else if (k == L"Window") {
      AcGePoint3d a, b;
      if (askWindow(L"\nSpecify first corner: ", a, b)) zoomTo(db, viewOfWindow(a, b));
    } else if (k == L"Center") {
      ads_point c;
      if (acedGetPoint(nullptr, L"\nSpecify center point: ", c) != RTNORM) return;
      ViewState v = currentView(db);
      for (;;) {
        acedInitGet(RSG_NOZERO | RSG_NONEG | RSG_OTHER, nullptr);
        ads_real h = 0.0;
        std::wstring prompt = L"\nEnter magnification or height <" + formatNumber(v.height) + L">: ";
        int r = acedGetDist(c, prompt.c_str(), &h);
        if (r == RTCAN) return;
        if (r == RTNORM) v.height = h;
        if (r == RTKWORD) {
          ACHAR text[133];
          acedGetInput(text);
          double nh = scaledHeight(db, text);
          if (nh <= 0.0) {
            print(L"\nRequires a height or a magnification (nX).");
            continue;
          }
          v.height = nh;
        }
        break;
      }
      v.center = toPoint(c);
      zoomTo(db, v);
    } else if (k == L"Scale") {
      for (;;) {
        ACHAR text[133];
        int r = acedGetString(0, L"\nEnter a scale factor (nX or nXP): ", text);
        if (r != RTNORM) return;
        if (zoomByScaleText(db, text)) break;
        print(L"\nRequires a scale factor (n, nX or nXP).");
      }
    } else if (k == L"Object") {
      ads_name ss;
      if (acedSSGet(nullptr, nullptr, nullptr, nullptr, ss) != RTNORM) return;
      AcDbObjectIdArray ids;
      ssToIds(ss, ids);
      acedSSFree(ss);
      std::vector<AcDbObjectId> v(ids.begin(), ids.end());
      AcDbExtents ext = extentsOf(v);
      if (ext.isValidExtents()) zoomTo(db, viewOfWindow(ext.minPoint(), ext.maxPoint()));
    } else if (k == L"Dynamic") {
      print(L"\nDynamic zoom needs a screen; the view is unchanged.");
    } else {
      // RSG_OTHER text: a scale factor
      if (!zoomByScaleText(db, k)) {
        print(L"\nPoint or option keyword required.");
        continue;
      }
    }
    return;
  }
}

void cmdPan() {
  AcDbDatabase* db = requireDb();
  ads_point p1, p2;
  if (acedGetPoint(nullptr, L"\nSpecify base point or displacement: ", p1) != RTNORM) return;
  int rc = acedGetPoint(p1, L"\nSpecify second point: ", p2);
  if (rc == RTCAN) return;
  AcGeVector3d shift = rc == RTNONE ? AcGeVector3d(p1[0], p1[1], 0.0)
                                    : AcGeVector3d(p2[0] - p1[0], p2[1] - p1[1], 0.0);
  ViewState v = currentView(db);
  v.center -= shift;
  zoomTo(db, v);
}

void cmdSelect() {
  ads_name ss;
  if (acedSSGet(nullptr, nullptr, nullptr, nullptr, ss) == RTNORM) acedSSFree(ss);
}

void cmdErase() {
  ads_name ss;
  if (acedSSGet(nullptr, nullptr, nullptr, nullptr, ss) != RTNORM) return;
  AcDbObjectIdArray ids;
  ssToIds(ss, ids);
  acedSSFree(ss);
  int failed = 0;
  for (const AcDbObjectId& id : ids) {
    AcDbEntity* e = nullptr;
    if (acdbOpenObject(e, id, AcDb::kForWrite) != Acad::eOk) {
      ++failed;
      continue;
    }
    if (e->erase() != Acad::eOk) ++failed;
    e->close();
  }
  if (failed > 0) print(L"\n" + std::to_wstring(failed) + L" could not be erased (on a locked layer).");
}

void cmdRegen() { print(L"\nRegenerating model."); }
void cmdRegenAll() { print(L"\nRegenerating layout.\nRegenerating model."); }
void cmdRedraw() {}

void cmdUndo() {
  acedInitGet(RSG_OTHER, L"Auto Control BEgin End Mark Back");
  ACHAR kw[133];
  int rc = acedGetKword(L"\nEnter the number of operations to undo or [Auto/Control/BEgin/End/Mark/Back] <1>: ", kw);
  if (rc == RTCAN) return;
  std::wstring k = rc == RTNORM ? std::wstring(kw) : std::wstring();
  if (k == L"BEgin") {
    marks().push_back(L"BEGIN");
  } else if (k == L"End") {
    marks().push_back(L"END");
  } else if (k == L"Mark") {
    marks().push_back(L"MARK");
  } else if (k == L"Auto") {
    acedInitGet(0, L"ON OFF");
    int r = acedGetKword(L"\nEnter UNDO Auto mode [ON/OFF] <On>: ", kw);
    if (r == RTCAN) return;
    marks().push_back(r == RTNORM && std::wstring(kw) == L"OFF" ? L"AUTO OFF" : L"AUTO ON");
  } else if (k == L"Control") {
    acedInitGet(0, L"All None One Combine Layer");
    int r = acedGetKword(L"\nEnter an UNDO control option [All/None/One/Combine/Layer] <All>: ", kw);
    if (r == RTCAN) return;
    marks().push_back(L"CONTROL " + upperCase(r == RTNORM ? std::wstring(kw) : std::wstring(L"All")));
  } else {
    throw std::runtime_error("undo is not available in this host (no undo history is kept)");
  }
}

// ---- XCLIP ----------------------------------------------------------------------

AcDbObjectId filterDictionary(AcDbEntity* ref, bool create) {
  AcDbObjectId ext = ref->extensionDictionary();
  if (ext.isNull()) {
    if (!create || ref->createExtensionDictionary() != Acad::eOk) return AcDbObjectId();
    ext = ref->extensionDictionary();
  }
  AcDbDictionary* dict = nullptr;
  if (acdbOpenObject(dict, ext, AcDb::kForWrite) != Acad::eOk) return AcDbObjectId();
  AcDbObjectId filterId;
  if (dict->getAt(kFilterDict, filterId) != Acad::eOk && create) {
    auto* sub = new AcDbDictionary();
    if (dict->setAt(kFilterDict, sub, filterId) == Acad::eOk) {
      sub->close();
    } else {
      delete sub;
      filterId.setNull();
    }
  }
  dict->close();
  return filterId;
}

bool writeBoundary(AcDbObjectId refId, const XClipBoundary& b) {
  AcDbEntity* ref = nullptr;
  if (acdbOpenObject(ref, refId, AcDb::kForWrite) != Acad::eOk) return false;
  AcDbObjectId filterId = filterDictionary(ref, true);
  ref->close();
  AcDbDictionary* filter = nullptr;
  if (filterId.isNull() || acdbOpenObject(filter, filterId, AcDb::kForWrite) != Acad::eOk) return false;
  resbuf* head = acutBuildList(70, b.enabled ? 1 : 0, 71, static_cast<int>(b.points.size()), 0);
  resbuf* tail = head->rbnext;
  for (const AcGePoint3d& p : b.points) {
    ads_point pt = {p.x, p.y, p.z};
    tail->rbnext = acutBuildList(10, pt, 0);
    tail = tail->rbnext;
  }
  auto* xrec = new AcDbXrecord();
  bool ok = xrec->setFromRbChain(*head) == Acad::eOk;
  acutRelRb(head);
  AcDbObjectId xid;
  if (ok && filter->setAt(kSpatialKey, xrec, xid) == Acad::eOk) {
    xrec->close();
  } else {
    delete xrec;
    ok = false;
  }
  filter->close();
  return ok;
}

bool removeBoundary(AcDbObjectId refId) {
  AcDbEntity* ref = nullptr;
  if (acdbOpenObject(ref, refId, AcDb::kForRead) != Acad::eOk) return false;
  AcDbObjectId filterId = filterDictionary(ref, false);
  ref->close();
  AcDbDictionary* filter = nullptr;
  if (filterId.isNull() || acdbOpenObject(filter, filterId, AcDb::kForWrite) != Acad::eOk) return false;
  AcDbObjectId xid;
  bool removed = filter->remove(kSpatialKey, xid) == Acad::eOk;
  filter->close();
  if (removed) {
    AcDbObject* x = nullptr;
    if (acdbOpenObject(x, xid, AcDb::kForWrite) == Acad::eOk) {
      x->erase();
      x->close();
    }
  }
  return removed;
}

// The boundary points of a closed curve: its vertices, with arcs divided.
bool boundaryOfCurve(AcDbObjectId id, std::vector<AcGePoint3d>& pts) {
  AcDbCurve* curve = nullptr;
  if (acdbOpenObject(curve, id, AcDb::kForRead) != Acad::eOk) return false;
  bool polyline = AcDbPolyline::cast(curve) != nullptr || AcDb2dPolyline::cast(curve) != nullptr;
  double start = 0.0, end = 0.0;
  bool ok = polyline && curve->isClosed() && curve->getStartParam(start) == Acad::eOk &&
            curve->getEndParam(end) == Acad::eOk;
  if (ok) {
    int segments = static_cast<int>(std::lround(end - start));
    for (int i = 0; i < segments; ++i) {
      AcGePoint3d a, b, m;
      curve->getPointAtParam(start + i, a);
      curve->getPointAtParam(start + i + 1, b);
      curve->getPointAtParam(start + i + 0.5, m);
      pts.push_back(a);
      AcGePoint3d mid((a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2);
      if (m.distanceTo(mid) > 1e-9 * (1.0 + a.distanceTo(b))) {
        for (int k = 1; k < 16; ++k) {
          AcGePoint3d q;
          curve->getPointAtParam(start + i + k / 16.0, q);
          pts.push_back(q);
        }
      }
    }
  }
  curve->close();
  return ok && pts.size() >= 3;
}

void cmdXclip() {
  AcDbDatabase* db = requireDb();
  resbuf* filter = acutBuildList(RTDXF0, L"INSERT", 0);
  ads_name ss;
  int rc = acedSSGet(nullptr, nullptr, nullptr, filter, ss);
  acutRelRb(filter);
  if (rc != RTNORM) return;
  AcDbObjectIdArray refs;
  ssToIds(ss, refs);
  acedSSFree(ss);

  ACHAR kw[133];
  acedInitGet(0, L"ON OFF Clipdepth Delete Polyline New");
  rc = acedGetKword(L"\nEnter clipping option\n[ON/OFF/Clipdepth/Delete/generate Polyline/New boundary] <New>: ", kw);
  if (rc == RTCAN) return;
  std::wstring option = rc == RTNORM ? std::wstring(kw) : std::wstring(L"New");
  if (option == L"ON" || option == L"OFF") {
    for (const AcDbObjectId& id : refs) {
      XClipBoundary b;
      if (getXClipBoundary(id, b)) {
        b.enabled = option == L"ON";
        writeBoundary(id, b);
      }
    }
    return;
  }
  if (option == L"Delete") {
    for (const AcDbObjectId& id : refs) removeBoundary(id);
    return;
  }
  if (option == L"Polyline") {
    AcDbBlockTableRecord* space = nullptr;
    if (acdbOpenObject(space, db->currentSpaceId(), AcDb::kForWrite) != Acad::eOk) return;
    for (const AcDbObjectId& id : refs) {
      XClipBoundary b;
      if (!getXClipBoundary(id, b)) continue;
      auto* pl = new AcDbPolyline();
      for (std::size_t i = 0; i < b.points.size(); ++i)
        pl->addVertexAt(static_cast<unsigned>(i), AcGePoint2d(b.points[i].x, b.points[i].y));
      pl->setClosed(true);
      if (space->appendAcDbEntity(pl) == Acad::eOk) pl->close();
      else delete pl;
    }
    space->close();
    return;
  }
  if (option == L"Clipdepth") throw std::runtime_error("clipping depth is not supported (plan views only)");

  acedInitGet(0, L"Yes No");
  rc = acedGetKword(L"\nDelete old boundary(s)? [Yes/No] <Yes>: ", kw);
  if (rc == RTCAN) return;
  if (rc == RTNORM && std::wstring(kw) == L"No") return;

  acedInitGet(0, L"Select Polygonal Rectangular Invert");
  rc = acedGetKword(L"\nSpecify clipping boundary or select invert option:\n"
                    L"[Select polyline/Polygonal/Rectangular/Invert clip] <Rectangular>: ",
                    kw);
  if (rc == RTCAN) return;
  std::wstring how = rc == RTNORM ? std::wstring(kw) : std::wstring(L"Rectangular");
  XClipBoundary boundary;
  if (how == L"Select") {
    ads_name ent;
    ads_point at;
    int r;
    do {
      r = acedEntSel(L"\nSelect polyline: ", ent, at);
    } while (r == RTERROR && getErrno() == 7);
    if (r != RTNORM) return;
    AcDbObjectId id;
    acdbGetObjectId(id, ent);
    if (!boundaryOfCurve(id, boundary.points)) throw std::runtime_error("the boundary must be a closed polyline");
  } else if (how == L"Polygonal") {
    ads_point p, last;
    if (acedGetPoint(nullptr, L"\nSpecify first point: ", p) != RTNORM) return;
    boundary.points.push_back(toPoint(p));
    for (;;) {
      for (int i = 0; i < 3; ++i) last[i] = p[i];
      int r = acedGetPoint(last, L"\nSpecify next point or [Undo]: ", p);
      if (r == RTNONE) break;
      if (r != RTNORM) return;
      boundary.points.push_back(toPoint(p));
    }
    if (boundary.points.size() < 3) throw std::runtime_error("a polygonal boundary needs three points");
  } else if (how == L"Rectangular") {
    AcGePoint3d a, b;
    if (!askWindow(L"\nSpecify first corner: ", a, b)) return;
    boundary.points = {AcGePoint3d(std::min(a.x, b.x), std::min(a.y, b.y), 0),
                       AcGePoint3d(std::max(a.x, b.x), std::min(a.y, b.y), 0),
                       AcGePoint3d(std::max(a.x, b.x), std::max(a.y, b.y), 0),
                       AcGePoint3d(std::min(a.x, b.x), std::max(a.y, b.y), 0)};
  } else {
    throw std::runtime_error("inverted clipping is not supported");
  }
  for (const AcDbObjectId& id : refs) {
    if (!writeBoundary(id, boundary)) print(L"\nThe boundary could not be stored on a block reference.");
  }
}

const std::map<std::wstring, HostCommandFn>& commands() {
  static const std::map<std::wstring, HostCommandFn> table = {
      {L"ZOOM", cmdZoom},     {L"PAN", cmdPan},           {L"SELECT", cmdSelect}, {L"ERASE", cmdErase},
      {L"REGEN", cmdRegen},   {L"REGENALL", cmdRegenAll}, {L"REDRAW", cmdRedraw}, {L"REDRAWALL", cmdRedraw},
      {L"XCLIP", cmdXclip},   {L"UNDO", cmdUndo},
  };
  return table;
}

}  // namespace

HostCommandFn findHostCommand(const std::wstring& name) {
  auto it = commands().find(upperCase(trimmed(name)));
  return it == commands().end() ? nullptr : it->second;
}

std::wstring hostCommandName(const std::wstring& name) {
  std::wstring u = upperCase(trimmed(name));
  return commands().count(u) != 0 ? u : std::wstring();
}

std::vector<std::wstring> undoMarks() { return marks(); }
void clearUndoMarks() { marks().clear(); }

bool getXClipBoundary(AcDbObjectId blockReference, XClipBoundary& out) {
  out = XClipBoundary();
  AcDbEntity* ref = nullptr;
  if (acdbOpenObject(ref, blockReference, AcDb::kForRead) != Acad::eOk) return false;
  AcDbObjectId ext = ref->extensionDictionary();
  ref->close();
  AcDbDictionary* dict = nullptr;
  if (ext.isNull() || acdbOpenObject(dict, ext, AcDb::kForRead) != Acad::eOk) return false;
  AcDbObjectId filterId;
  Acad::ErrorStatus es = dict->getAt(kFilterDict, filterId);
  dict->close();
  AcDbDictionary* filter = nullptr;
  if (es != Acad::eOk || acdbOpenObject(filter, filterId, AcDb::kForRead) != Acad::eOk) return false;
  AcDbXrecord* xrec = nullptr;
  es = filter->getAt(kSpatialKey, xrec, AcDb::kForRead);
  filter->close();
  if (es != Acad::eOk) return false;
  resbuf* chain = nullptr;
  xrec->rbChain(chain);
  xrec->close();
  bool sawFlag = false;
  for (resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == 70) {
      out.enabled = rb->resval.rint != 0;
      sawFlag = true;
    } else if (rb->restype == 10) {
      out.points.emplace_back(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]);
    }
  }
  acutRelRb(chain);
  return sawFlag && out.points.size() >= 3;
}

}  // namespace vhost
