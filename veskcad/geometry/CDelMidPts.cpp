#include "veskcad/geometry/CDelMidPts.h"

#include <cmath>
#include <memory>
#include <vector>

#include "arx/base/AdsTypes.h"
#include "arx/db/AcDbObjectPointer.h"
#include "arx/ed/StatusBar.h"
#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDb2dVertex.h"
#include "arx/entities/AcDb3dPolyline.h"
#include "arx/entities/AcDbObjectIterator.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/ge/AcutGeometry.h"
#include "veskbase/EntCurve.h"
#include "veskcad/geometry/FunVertexCleanup.h"

namespace VeskCad {

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kSamePoint = 0.001;  // repeated vertices
constexpr double kNearlyStraight = 0.01;

bool samePoint(const AcGePoint3d& a, const AcGePoint3d& b) { return a.distanceTo(b) <= kSamePoint; }

struct Widths {
  double start = 0.0;
  double end = 0.0;
};

// The widths of the drawn vertices of a lightweight or old-style 2D polyline.
bool readWidths(const AcDbObjectId& id, std::vector<Widths>& out) {
  out.clear();
  AcDbObjectPointer<AcDbEntity> ent(id, AcDb::kForRead);
  if (ent.openStatus() != Acad::eOk) return false;
  if (auto* pl = AcDbPolyline::cast(ent.object())) {
    for (unsigned int i = 0; i < pl->numVerts(); ++i) {
      Widths w;
      pl->getWidthsAt(i, w.start, w.end);
      out.push_back(w);
    }
    return true;
  }
  if (auto* p2 = AcDb2dPolyline::cast(ent.object())) {
    std::unique_ptr<AcDbObjectIterator> it(p2->vertexIterator());
    for (it->start(); !it->done(); it->step()) {
      AcDb2dVertex* v = nullptr;
      if (p2->openVertex(v, it->objectId(), AcDb::kForRead) != Acad::eOk) return false;
      if (v->vertexType() != AcDb::k2dSplineCtlVertex) out.push_back(Widths{v->startWidth(), v->endWidth()});
      v->close();
    }
    return true;
  }
  return false;
}

void writeWidths(const AcDbObjectId& id, const std::vector<Widths>& widths) {
  AcDbObjectPointer<AcDbEntity> ent(id, AcDb::kForWrite);
  if (ent.openStatus() != Acad::eOk) return;
  if (auto* pl = AcDbPolyline::cast(ent.object())) {
    for (unsigned int i = 0; i < pl->numVerts() && i < widths.size(); ++i)
      pl->setWidthsAt(i, widths[i].start, widths[i].end);
  } else if (auto* p2 = AcDb2dPolyline::cast(ent.object())) {
    std::unique_ptr<AcDbObjectIterator> it(p2->vertexIterator());
    size_t i = 0;
    for (it->start(); !it->done() && i < widths.size(); it->step(), ++i) {
      AcDb2dVertex* v = nullptr;
      if (p2->openVertex(v, it->objectId(), AcDb::kForWrite) != Acad::eOk) continue;
      v->setStartWidth(widths[i].start);
      v->setEndWidth(widths[i].end);
      v->close();
    }
  }
}

// The widths of the cleaned list: a vertex keeps its start width, and a piece
// that now spans removed vertices ends with the end width of the last piece
// it covers.
std::vector<Widths> cleanedWidths(const std::vector<Widths>& src, const std::vector<int>& origin, bool closed) {
  std::vector<Widths> out;
  const int nv = static_cast<int>(src.size());
  if (nv == 0) return out;
  const int m = static_cast<int>(origin.size());
  for (int k = 0; k < m; ++k) {
    const int o = origin[static_cast<size_t>(k)] % nv;
    Widths w = src[static_cast<size_t>(o)];
    int next = -1;
    if (k + 1 < m)
      next = origin[static_cast<size_t>(k + 1)];
    else if (closed)
      next = origin[0] + nv;
    if (next >= 0) w.end = src[static_cast<size_t>((next - 1 + nv) % nv)].end;
    out.push_back(w);
  }
  return out;
}
}  // namespace

CDelMidPts::CDelMidPts(double angleTol, double distLimit, int showProgress)
    : m_dAngleTol(angleTol), m_dDistLimit(distLimit), m_bProgress(showProgress) {}

void CDelMidPts::Set(double angleTol, double distLimit, int showProgress) {
  m_dAngleTol = angleTol;
  m_dDistLimit = distLimit;
  m_bProgress = showProgress;
}

int CDelMidPts::IsCommonLine(AcGePoint3d a, AcGePoint3d b, AcGePoint3d c, double tol) {
  a.z = b.z = c.z = 0.0;
  const ads_point pa = {a.x, a.y, 0.0}, pb = {b.x, b.y, 0.0}, pc = {c.x, c.y, 0.0};
  const double alpha = acutAngle(pa, pc);
  const double beta = acutAngle(pc, pb);
  const double d = std::fabs(alpha - beta);
  // Straight on (directions equal, also across the 0 / 2π seam) or straight back.
  if (d < tol || std::fabs(d - 2.0 * kPi) < tol) return 1;
  return std::fabs(d - kPi) < tol ? 1 : 0;
}

void CDelMidPts::fnDelMidPoint(AcGePoint3dArray& v, AcGeDoubleArray* bulges) const { clean(v, bulges, nullptr); }

void CDelMidPts::clean(AcGePoint3dArray& v, AcGeDoubleArray* bulges, std::vector<int>* origin) const {
  if (origin != nullptr) {
    origin->clear();
    for (int i = 0; i < v.length(); ++i) origin->push_back(i);
  }
  if (bulges != nullptr && bulges->length() != v.length()) return;
  if (v.length() <= 2) return;
  const double tol = m_dAngleTol * kPi / 180.0;
  auto removeAt = [&](int i) {
    v.removeAt(i);
    if (bulges != nullptr) bulges->removeAt(i);
    if (origin != nullptr) origin->erase(origin->begin() + i);
  };
  // Repeated vertices: the first of two equal ones goes, so that the piece
  // before it runs on to the second.
  for (int i = 0; i + 1 < v.length();) {
    if (samePoint(v[i], v[i + 1]))
      removeAt(i);
    else
      ++i;
  }
  // The repeated closing vertex.
  bool closed = false;
  if (v.length() > 2 && samePoint(v.first(), v.last())) {
    closed = true;
    removeAt(v.length() - 1);
  }
  auto straight = [&](int i) { return bulges == nullptr || std::fabs((*bulges)[i]) <= kNearlyStraight; };
  auto nearEnough = [&](int i, int j, int k) {
    if (m_dDistLimit == -1.0) return true;
    return v[i].distanceTo(v[j]) <= m_dDistLimit || v[i].distanceTo(v[k]) <= m_dDistLimit;
  };
  bool removed = true;
  while (removed) {
    removed = false;
    if (closed) {
      for (int i = 0; i < v.length() && v.length() > 2;) {
        const int n = v.length();
        const int j = (i + 1) % n, k = (i + 2) % n;
        if (nearEnough(i, j, k) && straight(i) && straight(j) && IsCommonLine(v[i], v[k], v[j], tol)) {
          removeAt(j);
          removed = true;
          if (j < i) --i;  // the list moved under i
          continue;
        }
        ++i;
      }
    } else {
      for (int i = 0; i + 2 < v.length();) {
        const int j = i + 1, k = i + 2;
        if (nearEnough(i, j, k) && straight(i) && straight(j) && IsCommonLine(v[i], v[k], v[j], tol)) {
          removeAt(j);
          removed = true;
          continue;
        }
        ++i;
      }
    }
  }
}

int CDelMidPts::fnGetPlineVect(const AcDbObjectId& id, AcGePoint3dArray& vertices, AcGeDoubleArray& bulges) {
  vertices.removeAll();
  bulges.removeAll();
  if (id.isNull() || !id.isValid() || id.isErased()) return 0;
  int kind = 0;
  {
    AcDbObjectPointer<AcDbEntity> ent(id, AcDb::kForRead);
    if (ent.openStatus() != Acad::eOk) return 0;
    if (AcDb3dPolyline::cast(ent.object()) != nullptr)
      kind = 1;
    else if (AcDb2dPolyline::cast(ent.object()) != nullptr)
      kind = 2;
    else if (AcDbPolyline::cast(ent.object()) != nullptr)
      kind = 3;
  }
  if (kind == 0 || !Fun::ReadEntPts(id, vertices, bulges)) return 0;
  return kind;
}

int CDelMidPts::cleanEntity(AcDbObjectId id, AcDbObjectId& out, bool mayRebuild) const {
  out.setNull();
  AcGePoint3dArray v;
  AcGeDoubleArray b;
  const int kind = fnGetPlineVect(id, v, b);
  if (kind == 0) return 0;
  const bool closedByFlag = vesk::ent::IsClosed(id, false) != 0;
  const bool endsMeet = v.length() > 2 && samePoint(v.first(), v.last());
  const int lastIndex = v.length() - 1;
  std::vector<Widths> widths;
  const bool withWidths = kind != 1 && readWidths(id, widths);
  std::vector<int> origin;
  clean(v, kind == 1 ? nullptr : &b, &origin);
  if (kind == 1) {
    b.removeAll();
    for (int i = 0; i < v.length(); ++i) b.append(0.0);
  }
  // A polyline that only meets its start keeps its last side: the cleaning
  // took the repeated closing vertex away, the entity needs it back.
  if (endsMeet && !closedByFlag && v.length() >= 2 && !samePoint(v.first(), v.last())) {
    const AcGePoint3d closing = v.first();  // a copy: appending may move the array
    v.append(closing);
    b.append(0.0);
    origin.push_back(lastIndex);
  }
  if (v.length() < 2) return 0;
  int ok;
  if (kind == 1 && mayRebuild)
    ok = vesk::ent::ReplacePolyline(id, v, b);
  else
    ok = Fun::ModiEntPts(id, v, b);
  if (ok && withWidths && kind != 1) writeWidths(id, cleanedWidths(widths, origin, closedByFlag));
  if (ok) out = id;
  return ok;
}

int CDelMidPts::fnDelMidPoint(AcDbObjectId id) const {
  AcDbObjectId out;
  return cleanEntity(id, out, false);
}

void CDelMidPts::fnDelMidPoint(AcDbObjectId id, AcDbObjectId& out) const { cleanEntity(id, out, true); }

void CDelMidPts::fnDelMidPoint(AcDbObjectIdArray ids, AcDbObjectIdArray& out) const {
  out.removeAll();
  const bool meter = m_bProgress != 0 && ids.length() > 0;
  if (meter) acedSetStatusBarProgressMeter(L"程序正在处理，请等候...", 0, ids.length());
  for (int i = 0; i < ids.length(); ++i) {
    if (meter) acedSetStatusBarProgressMeterPos(i);
    AcDbObjectId result;
    fnDelMidPoint(ids[i], result);
    if (!result.isNull()) out.append(result);
  }
  if (meter) acedRestoreStatusBar();
}

}  // namespace VeskCad
