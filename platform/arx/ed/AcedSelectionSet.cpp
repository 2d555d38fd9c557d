#include "arx/ed/AcedSelectionSet.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbEntity.h"
#include "arx/ed/AcedEntSel.h"
#include "arx/ed/AcedInput.h"
#include "arx/ed/AcedSysVar.h"
#include "arx/ed/EditorState.h"
#include "arx/ed/InputLoop.h"
#include "arx/ed/InputParse.h"
#include "arx/ed/SelectionFilter.h"
#include "arx/ed/SelectionGeometry.h"

namespace vhost {

namespace {

constexpr std::int64_t kSetTag = 0x5353454C;  // marks the second word of a selection-set name

struct SetRegistry {
  std::map<std::int64_t, std::vector<AcDbObjectId>> sets;
  std::int64_t next = 1;
};

SetRegistry& sets() {
  static SetRegistry* r = new SetRegistry();
  return *r;
}

std::vector<AcDbObjectId>* findSet(const ads_name name) {
  if (name == nullptr || name[1] != kSetTag) return nullptr;
  auto it = sets().sets.find(name[0]);
  return it == sets().sets.end() ? nullptr : &it->second;
}

void makeSet(const std::vector<AcDbObjectId>& ids, ads_name out) {
  std::int64_t key = sets().next++;
  sets().sets[key] = ids;
  out[0] = key;
  out[1] = kSetTag;
}

bool entityIdOf(const ads_name name, AcDbObjectId& id) {
  if (name == nullptr || name[1] != 0 || name[0] == 0) return false;
  if (acdbGetObjectId(id, name) != Acad::eOk) return false;
  return id.isValid();
}

// The ids that pass the filter (live entities only), in the given order.
std::vector<AcDbObjectId> filtered(const std::vector<AcDbObjectId>& ids, const SelectionFilter& filter) {
  std::vector<AcDbObjectId> out;
  for (const AcDbObjectId& id : ids) {
    AcDbEntity* e = nullptr;
    if (acdbOpenObject(e, id, AcDb::kForRead) != Acad::eOk) continue;
    if (filter.matches(e)) out.push_back(id);
    e->close();
  }
  return out;
}

std::vector<AcDbObjectId> inArea(AcDbDatabase* db, const std::vector<AcGePoint3d>& polygon, AreaMode mode) {
  std::vector<AcDbObjectId> out;
  for (const AcDbObjectId& id : currentSpaceEntities(db)) {
    AcDbEntity* e = nullptr;
    if (acdbOpenObject(e, id, AcDb::kForRead) != Acad::eOk) continue;
    if (entityInPolygon(e, polygon, mode)) out.push_back(id);
    e->close();
  }
  return out;
}

std::vector<AcDbObjectId> onFence(AcDbDatabase* db, const std::vector<AcGePoint3d>& fence) {
  std::vector<AcDbObjectId> out;
  for (const AcDbObjectId& id : currentSpaceEntities(db)) {
    AcDbEntity* e = nullptr;
    if (acdbOpenObject(e, id, AcDb::kForRead) != Acad::eOk) continue;
    if (entityOnFence(e, fence)) out.push_back(id);
    e->close();
  }
  return out;
}

std::vector<AcDbObjectId> liveOnly(const AcDbObjectIdArray& ids) {
  std::vector<AcDbObjectId> out;
  for (int i = 0; i < ids.length(); ++i)
    if (ids[i].isValid() && !ids[i].isErased()) out.push_back(ids[i]);
  return out;
}

bool pointsFromChain(const void* p, std::vector<AcGePoint3d>& out) {
  for (const resbuf* rb = static_cast<const resbuf*>(p); rb != nullptr; rb = rb->rbnext) {
    if (rb->restype != RTPOINT && rb->restype != RT3DPOINT) return false;
    out.emplace_back(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->restype == RT3DPOINT ? rb->resval.rpoint[2] : 0);
  }
  return true;
}

AcDbObjectId lastInCurrentSpace(AcDbDatabase* db) {
  std::vector<AcDbObjectId> ids = currentSpaceEntities(db);
  return ids.empty() ? AcDbObjectId() : ids.back();
}

// ---- the interactive "Select objects:" loop --------------------------------

struct Selection {
  std::vector<AcDbObjectId> ids;
  std::set<AcDbObjectId> members;
  std::vector<std::vector<AcDbObjectId>> history;  // the ids before each answer

  void snapshot() { history.push_back(ids); }
  int add(const std::vector<AcDbObjectId>& found, int& duplicates) {
    int added = 0;
    duplicates = 0;
    for (const AcDbObjectId& id : found) {
      if (members.insert(id).second) {
        ids.push_back(id);
        ++added;
      } else {
        ++duplicates;
      }
    }
    return added;
  }
  int remove(const std::vector<AcDbObjectId>& found) {
    int removed = 0;
    for (const AcDbObjectId& id : found) {
      if (members.erase(id) > 0) {
        ids.erase(std::find(ids.begin(), ids.end(), id));
        ++removed;
      }
    }
    return removed;
  }
  void undo() {
    if (history.empty()) return;
    ids = history.back();
    history.pop_back();
    members = std::set<AcDbObjectId>(ids.begin(), ids.end());
  }
};

const wchar_t* kInvalidSelection =
    L"\n*Invalid selection*\nExpects a point or All/Window/Crossing/WPolygon/CPolygon/Fence/Previous/Last/"
    L"Add/Remove/Undo or #handle.";

// Reads the points after a mode word: at least min of them.
bool readPoints(const std::vector<std::wstring>& words, std::size_t from, std::size_t min,
                std::vector<AcGePoint3d>& out) {
  ads_point last;
  lastPoint(last);
  AcGePoint3d base(last[0], last[1], last[2]);
  for (std::size_t i = from; i < words.size(); ++i) {
    AcGePoint3d p;
    if (!parsePoint(words[i], out.empty() ? base : out.back(), p)) return false;
    out.push_back(p);
  }
  return out.size() >= min;
}

// One answer: the entities it names (before filtering). False when it is not
// a selection answer; mode words set removeMode / undo.
bool resolveAnswer(AcDbDatabase* db, const RawAnswer& a, std::vector<AcDbObjectId>& found, bool& removeMode,
                   bool& undo, bool& modeOnly) {
  undo = false;
  modeOnly = false;
  if (a.kind == RawAnswer::Kind::kPoint) {
    AcDbObjectId id = pickEntityAt(db, AcGePoint3d(a.point[0], a.point[1], a.point[2]), pickTolerance(db));
    if (!id.isNull()) found.push_back(id);
    return true;
  }
  if (a.kind == RawAnswer::Kind::kName) {
    if (std::vector<AcDbObjectId>* set = findSet(a.name)) {
      found = *set;
      return true;
    }
    AcDbObjectId id;
    if (entityIdOf(a.name, id)) {
      found.push_back(id);
      return true;
    }
    return false;
  }
  if (a.kind != RawAnswer::Kind::kText) return false;
  std::vector<std::wstring> words = splitWords(a.text);
  if (words.empty()) return false;
  std::wstring head = upperCase(words[0]);
  if (words.size() == 1) {
    if (head == L"ALL") {
      found = currentSpaceEntities(db);
      return true;
    }
    if (head == L"P" || head == L"PREVIOUS") {
      found = liveOnly(previousSelection(db));
      return true;
    }
    if (head == L"L" || head == L"LAST") {
      AcDbObjectId id = lastInCurrentSpace(db);
      if (!id.isNull()) found.push_back(id);
      return true;
    }
    if (head == L"R" || head == L"REMOVE") {
      removeMode = true;
      modeOnly = true;
      return true;
    }
    if (head == L"A" || head == L"ADD") {
      removeMode = false;
      modeOnly = true;
      return true;
    }
    if (head == L"U" || head == L"UNDO") {
      undo = true;
      return true;
    }
  }
  if (looksLikeHandleRef(words[0])) {
    for (const std::wstring& w : words) {
      AcDbObjectId id;
      if (!parseHandleRef(w, db, id)) {
        if (!looksLikeHandleRef(w)) return false;
        continue;  // a handle of nothing: found nothing
      }
      AcDbObject* obj = nullptr;
      if (acdbOpenObject(obj, id, AcDb::kForRead) == Acad::eOk) {
        if (AcDbEntity::cast(obj) != nullptr) found.push_back(id);
        obj->close();
      }
    }
    return true;
  }
  std::vector<AcGePoint3d> pts;
  if (head == L"W" || head == L"WINDOW" || head == L"C" || head == L"CROSSING") {
    if (!readPoints(words, 1, 2, pts) || pts.size() != 2) return false;
    found = inArea(db, rectanglePolygon(pts[0], pts[1]), head[0] == L'W' ? AreaMode::kWindow : AreaMode::kCrossing);
    return true;
  }
  if (head == L"WP" || head == L"WPOLYGON" || head == L"CP" || head == L"CPOLYGON") {
    if (!readPoints(words, 1, 3, pts)) return false;
    found = inArea(db, pts, head[0] == L'W' ? AreaMode::kWindow : AreaMode::kCrossing);
    return true;
  }
  if (head == L"F" || head == L"FENCE") {
    if (!readPoints(words, 1, 2, pts)) return false;
    found = onFence(db, pts);
    return true;
  }
  if (words.size() == 1) {
    AcGePoint3d p;
    ads_point last;
    lastPoint(last);
    if (parsePoint(words[0], AcGePoint3d(last[0], last[1], last[2]), p)) {
      AcDbObjectId id = pickEntityAt(db, p, pickTolerance(db));
      if (!id.isNull()) found.push_back(id);
      return true;
    }
  }
  return false;
}

// RTNORM (with ids, possibly none), RTCAN.
int userSelection(AcDbDatabase* db, const SelectionFilter& filter, bool single, std::vector<AcDbObjectId>& result) {
  Selection sel;
  bool removeMode = false;
  for (;;) {
    Prompt p;
    p.kind = PromptKind::kSelection;
    p.text = removeMode ? L"\nRemove objects: " : L"\nSelect objects: ";
    RawAnswer a = askRaw(p);
    if (a.kind == RawAnswer::Kind::kCancel || a.kind == RawAnswer::Kind::kEnd) return RTCAN;
    if (a.kind == RawAnswer::Kind::kEnter) break;
    std::vector<AcDbObjectId> found;
    bool undo = false, modeOnly = false;
    if (!resolveAnswer(db, a, found, removeMode, undo, modeOnly)) {
      if (rejectAnswer(a, kInvalidSelection)) return RTCAN;
      continue;
    }
    if (modeOnly) continue;
    if (undo) {
      sel.undo();
      continue;
    }
    std::vector<AcDbObjectId> passing = filtered(found, filter);
    int n = static_cast<int>(found.size());
    std::wstring report = L"\n" + std::to_wstring(n) + L" found";
    sel.snapshot();
    if (removeMode) {
      int removed = sel.remove(passing);
      report += L", " + std::to_wstring(removed) + L" removed";
    } else {
      int duplicates = 0;
      sel.add(passing, duplicates);
      if (duplicates > 0) report += L" (" + std::to_wstring(duplicates) + L" duplicate)";
    }
    if (static_cast<std::size_t>(n) != sel.ids.size()) report += L", " + std::to_wstring(sel.ids.size()) + L" total";
    currentHostUi()->print(report);
    int rejected = n - static_cast<int>(passing.size());
    if (rejected > 0) currentHostUi()->print(L"\n" + std::to_wstring(rejected) + L" were filtered out.");
    if (single && !sel.ids.empty()) break;
  }
  result = sel.ids;
  return RTNORM;
}

}  // namespace

bool ssToIds(const ads_name ss, AcDbObjectIdArray& ids) {
  std::vector<AcDbObjectId>* set = findSet(ss);
  if (set == nullptr) return false;
  ids.setLogicalLength(0);
  for (const AcDbObjectId& id : *set) ids.append(id);
  return true;
}

void idsToSs(const AcDbObjectIdArray& ids, ads_name ss) {
  std::vector<AcDbObjectId> v;
  std::set<AcDbObjectId> seen;
  for (int i = 0; i < ids.length(); ++i) {
    if (!ids[i].isNull() && seen.insert(ids[i]).second) v.push_back(ids[i]);
  }
  makeSet(v, ss);
}

bool isSelectionSetName(const ads_name name) { return findSet(name) != nullptr; }

int openSelectionSetCount() { return static_cast<int>(sets().sets.size()); }

AcDbObjectIdArray previousSelection(AcDbDatabase* db) {
  AcDbObjectIdArray out;
  DbEditorState* st = dbEditorState(db, false);
  if (st != nullptr) out = st->previousSelection;
  return out;
}

void setPreviousSelection(AcDbDatabase* db, const AcDbObjectIdArray& ids) {
  DbEditorState* st = dbEditorState(db, true);
  if (st != nullptr) st->previousSelection = ids;
}

}  // namespace vhost

using vhost::AreaMode;

int acedSSGet(const ACHAR* str, const void* pt1, const void* pt2, const struct resbuf* filter, ads_name ss) {
  if (ss == nullptr) return RTERROR;
  AcDbDatabase* db = vhost::workingDb();
  if (db == nullptr) return RTERROR;
  vhost::SelectionFilter compiled;
  if (!compiled.compile(filter)) {
    vhost::currentHostUi()->print(L"\nBad selection filter: " + compiled.error() + L"\n");
    vhost::setErrno(4);
    return RTERROR;
  }
  std::wstring mode = str != nullptr ? vhost::upperCase(vhost::trimmed(str)) : L"";
  while (!mode.empty() && mode[0] == L'_') mode.erase(0, 1);
  std::vector<AcDbObjectId> candidates;
  bool user = false;
  bool single = false;
  if (mode.empty() && str == nullptr && pt1 != nullptr) {
    const double* p = static_cast<const double*>(pt1);
    AcDbObjectId id = vhost::pickEntityAt(db, AcGePoint3d(p[0], p[1], p[2]), vhost::pickTolerance(db));
    if (!id.isNull()) candidates.push_back(id);
  } else if (mode.empty() || mode == L":S" || mode == L":S:E" || mode == L":E:S") {
    user = true;
    single = !mode.empty();
  } else if (mode == L"X") {
    candidates = vhost::allLayoutEntities(db);
  } else if (mode == L"W" || mode == L"C") {
    if (pt1 == nullptr || pt2 == nullptr) return RTERROR;
    const double* a = static_cast<const double*>(pt1);
    const double* b = static_cast<const double*>(pt2);
    auto poly = vhost::rectanglePolygon(AcGePoint3d(a[0], a[1], a[2]), AcGePoint3d(b[0], b[1], b[2]));
    AreaMode am = mode == L"W" ? AreaMode::kWindow : AreaMode::kCrossing;
    for (const AcDbObjectId& id : vhost::currentSpaceEntities(db)) {
      AcDbEntity* e = nullptr;
      if (acdbOpenObject(e, id, AcDb::kForRead) != Acad::eOk) continue;
      if (vhost::entityInPolygon(e, poly, am)) candidates.push_back(id);
      e->close();
    }
  } else if (mode == L"WP" || mode == L"CP" || mode == L"F") {
    std::vector<AcGePoint3d> pts;
    if (pt1 == nullptr || !vhost::pointsFromChain(pt1, pts)) return RTERROR;
    if (pts.size() < (mode == L"F" ? 2u : 3u)) return RTERROR;
    for (const AcDbObjectId& id : vhost::currentSpaceEntities(db)) {
      AcDbEntity* e = nullptr;
      if (acdbOpenObject(e, id, AcDb::kForRead) != Acad::eOk) continue;
      bool take = mode == L"F" ? vhost::entityOnFence(e, pts)
                               : vhost::entityInPolygon(e, pts, mode == L"WP" ? AreaMode::kWindow : AreaMode::kCrossing);
      if (take) candidates.push_back(id);
      e->close();
    }
  } else if (mode == L"P") {
    candidates = vhost::liveOnly(vhost::previousSelection(db));
  } else if (mode == L"L") {
    AcDbObjectId id = vhost::lastInCurrentSpace(db);
    if (!id.isNull()) candidates.push_back(id);
  } else if (mode == L"I") {
    vhost::DbEditorState* st = vhost::dbEditorState(db, false);
    if (st != nullptr) candidates = vhost::liveOnly(st->pickfirst);
  } else {
    vhost::setErrno(4);
    return RTERROR;
  }
  std::vector<AcDbObjectId> chosen;
  if (user) {
    int rc = vhost::userSelection(db, compiled, single, chosen);
    if (rc != RTNORM) return rc;
    if (!chosen.empty()) {
      AcDbObjectIdArray prev;
      for (const AcDbObjectId& id : chosen) prev.append(id);
      vhost::setPreviousSelection(db, prev);
    }
  } else {
    chosen = vhost::filtered(candidates, compiled);
  }
  if (chosen.empty()) return RTERROR;
  vhost::makeSet(chosen, ss);
  return RTNORM;
}

int acedSSFree(const ads_name sname) {
  if (sname == nullptr || sname[1] != vhost::kSetTag) return RTERROR;
  return vhost::sets().sets.erase(sname[0]) > 0 ? RTNORM : RTERROR;
}

int acedSSLength(const ads_name sname, Adesk::Int32* len) {
  std::vector<AcDbObjectId>* set = vhost::findSet(sname);
  if (set == nullptr || len == nullptr) return RTERROR;
  *len = static_cast<Adesk::Int32>(set->size());
  return RTNORM;
}

int acedSSName(const ads_name ss, Adesk::Int32 i, ads_name entres) {
  std::vector<AcDbObjectId>* set = vhost::findSet(ss);
  if (set == nullptr || entres == nullptr || i < 0 || static_cast<std::size_t>(i) >= set->size()) return RTERROR;
  return vhost::writeAdsName(entres, (*set)[static_cast<std::size_t>(i)]) ? RTNORM : RTERROR;
}

int acedSSAdd(const ads_name ename, const ads_name ss, ads_name result) {
  if (result == nullptr) return RTERROR;
  AcDbObjectId id;
  if (ename != nullptr && !vhost::entityIdOf(ename, id)) return RTERROR;
  if (ss == nullptr) {
    std::vector<AcDbObjectId> ids;
    if (!id.isNull()) ids.push_back(id);
    vhost::makeSet(ids, result);
    return RTNORM;
  }
  std::vector<AcDbObjectId>* set = vhost::findSet(ss);
  if (set == nullptr) return RTERROR;
  if (!id.isNull() && std::find(set->begin(), set->end(), id) == set->end()) set->push_back(id);
  result[0] = ss[0];
  result[1] = ss[1];
  return RTNORM;
}

int acedSSDel(const ads_name ename, const ads_name ss) {
  std::vector<AcDbObjectId>* set = vhost::findSet(ss);
  AcDbObjectId id;
  if (set == nullptr || !vhost::entityIdOf(ename, id)) return RTERROR;
  auto it = std::find(set->begin(), set->end(), id);
  if (it == set->end()) return RTERROR;
  set->erase(it);
  return RTNORM;
}

int acedSSMemb(const ads_name ename, const ads_name ss) {
  std::vector<AcDbObjectId>* set = vhost::findSet(ss);
  AcDbObjectId id;
  if (set == nullptr || !vhost::entityIdOf(ename, id)) return RTERROR;
  return std::find(set->begin(), set->end(), id) != set->end() ? RTNORM : RTERROR;
}

int acedSSSetFirst(const ads_name pset, const ads_name unused) {
  (void)unused;
  AcDbDatabase* db = vhost::workingDb();
  if (db == nullptr) return RTERROR;
  vhost::DbEditorState* st = vhost::dbEditorState(db, true);
  AcDbObjectIdArray ids;
  if (pset != nullptr && !vhost::ssToIds(pset, ids)) return RTERROR;
  st->pickfirst = ids;
  return RTNORM;
}

int acedSSGetFirst(struct resbuf** gset, struct resbuf** pset) {
  if (gset != nullptr) *gset = nullptr;
  if (pset == nullptr) return RTERROR;
  *pset = nullptr;
  vhost::DbEditorState* st = vhost::dbEditorState(vhost::workingDb(), false);
  if (st == nullptr) return RTNORM;
  std::vector<AcDbObjectId> live = vhost::liveOnly(st->pickfirst);
  if (live.empty()) return RTNORM;
  resbuf* rb = acutNewRb(RTPICKS);
  vhost::makeSet(live, rb->resval.rlname);
  *pset = rb;
  return RTNORM;
}
