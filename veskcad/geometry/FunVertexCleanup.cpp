#include "veskcad/geometry/FunVertexCleanup.h"

#include <algorithm>
#include <cmath>
#include <cwctype>
#include <memory>
#include <string>
#include <vector>

#include "arx/base/AdsTypes.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/db/AcDbObjectPointer.h"
#include "arx/ed/AcedCommand.h"
#include "arx/ed/AcedInput.h"
#include "arx/ed/AcedSelectionSet.h"
#include "arx/ed/StatusBar.h"
#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDb2dVertex.h"
#include "arx/entities/AcDb3dPolyline.h"
#include "arx/entities/AcDb3dPolylineVertex.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbObjectIterator.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/entities/AcDbText.h"
#include "arx/ge/AcGeLineSeg3d.h"
#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/AcutGeometry.h"
#include "arx/ge/BulgePiece.h"
#include "veskbase/CFArxSelSet.h"
#include "veskbase/EntBasic.h"
#include "veskbase/EntCurve.h"
#include "veskbase/GeoFunctions.h"
#include "veskbase/PrintErrorMsg.h"
#include "veskbase/vesk_geo_arc.h"
#include "veskcad/geometry/CDelMidPts.h"
#include "veskcad/geometry/CurveRewrite.h"
#include "veskcad/geometry/GP_CurveTran.h"

namespace VeskCad {
namespace Fun {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kOverlapPoint = 0.001;  // a vertex lying on another outline

// The world Z of the plane a curve lies in.
double entityElevation(const AcDbEntity* ent) {
  if (auto* pl = AcDbPolyline::cast(ent)) return pl->normal().z < 0.0 ? -pl->elevation() : pl->elevation();
  if (auto* p2 = AcDb2dPolyline::cast(ent)) return p2->normal().z < 0.0 ? -p2->elevation() : p2->elevation();
  if (auto* line = AcDbLine::cast(ent)) return line->startPoint().z;
  if (auto* arc = AcDbArc::cast(ent)) return arc->center().z;
  if (auto* circle = AcDbCircle::cast(ent)) return circle->center().z;
  return 0.0;
}

AcGePoint2d planePoint(const AcGeVector3d& normal, const AcGePoint3d& p) {
  const AcGeVector3d ax = normal.perpVector();
  const AcGeVector3d ay = normal.crossProduct(ax);
  const AcGeVector3d v(p.x, p.y, 0.0);
  return AcGePoint2d(v.dotProduct(ax), v.dotProduct(ay));
}

double planeBulge(const AcGeVector3d& normal, double bulge) { return normal.z < 0.0 ? -bulge : bulge; }

Acad::ErrorStatus writePolyline(AcDbPolyline* pl, const AcGePoint3dArray& v, const AcGeDoubleArray& b) {
  const AcGeVector3d normal = pl->normal();
  if (!CurveRewrite::isAlongZ(normal)) return Acad::eNotApplicable;
  const unsigned int n = static_cast<unsigned int>(v.length());
  Acad::ErrorStatus ok = Acad::eOk;
  pl->setElevation(normal.z < 0.0 ? -v.first().z : v.first().z);
  for (unsigned int i = 0; i < n; ++i) {
    const AcGePoint2d q = planePoint(normal, v[static_cast<int>(i)]);
    const double bulge = planeBulge(normal, b[static_cast<int>(i)]);
    if (i < pl->numVerts()) {
      if ((ok = pl->setPointAt(i, q)) != Acad::eOk || (ok = pl->setBulgeAt(i, bulge)) != Acad::eOk) return ok;
    } else if ((ok = pl->addVertexAt(i, q, bulge, -1.0, -1.0)) != Acad::eOk) {
      return ok;
    }
  }
  while (pl->numVerts() > n)
    if ((ok = pl->removeVertexAt(pl->numVerts() - 1)) != Acad::eOk) return ok;
  return Acad::eOk;
}

Acad::ErrorStatus writeArc(AcDbArc* arc, const AcGePoint3dArray& v, const AcGeDoubleArray& b) {
  const AcGeVector3d normal = arc->normal();
  if (!CurveRewrite::isAlongZ(normal)) return Acad::eNotApplicable;
  const vesk::vesk_geo_arc made(v[0], v[1], b[0]);
  if (!made.IsValid()) return Acad::eInvalidInput;
  AcGePoint3d c = made.GetCenter();
  c.z = v[0].z;
  // The entity runs counter-clockwise about its normal from its start angle.
  const bool forward = (b[0] > 0.0) == (normal.z > 0.0);
  const AcGePoint3d& from = forward ? v[0] : v[1];
  const AcGePoint3d& to = forward ? v[1] : v[0];
  Acad::ErrorStatus es;
  if ((es = arc->setCenter(c)) != Acad::eOk || (es = arc->setRadius(made.GetRadius())) != Acad::eOk) return es;
  if ((es = arc->setStartAngle(CurveRewrite::ocsAngle(normal, c, from))) != Acad::eOk) return es;
  return arc->setEndAngle(CurveRewrite::ocsAngle(normal, c, to));
}

// The straight pieces (chords) of a vertex list.
std::vector<AcGeLineSeg3d> chordsOf(const AcGePoint3dArray& v) {
  std::vector<AcGeLineSeg3d> out;
  for (int i = 0; i + 1 < v.length(); ++i)
    if (v[i].distanceTo(v[i + 1]) > 0.0) out.emplace_back(v[i], v[i + 1]);
  return out;
}

bool piecesOverlap(const AcGePoint3dArray& a, const AcGePoint3dArray& b) {
  AcGeTol tol;
  tol.setEqualPoint(0.01);
  const std::vector<AcGeLineSeg3d> ca = chordsOf(a), cb = chordsOf(b);
  for (const AcGeLineSeg3d& s : ca)
    for (const AcGeLineSeg3d& t : cb) {
      AcGeLinearEnt3d* shared = nullptr;
      if (s.overlap(t, shared, tol)) {
        delete shared;
        return true;
      }
    }
  return false;
}

bool sameOutline(AcGePoint3dArray a, AcGeDoubleArray ab, const AcGePoint3dArray& b, const AcGeDoubleArray& bb,
                 double tol) {
  if (a.length() != b.length() || ab.length() != a.length() || bb.length() != b.length()) return false;
  auto matches = [&]() {
    for (int k = 0; k < a.length(); ++k)
      if (!(std::fabs(a[k].x - b[k].x) < tol && std::fabs(a[k].y - b[k].y) < tol && std::fabs(ab[k] - bb[k]) < tol))
        return false;
    return true;
  };
  if (matches()) return true;
  // The same outline walked the other way.
  if (!vesk::geo::Reverse(a, ab)) return false;
  return matches();
}

void zoomWindow(const AcGePoint3d& lo, const AcGePoint3d& hi) {
  const ads_point p1 = {lo.x, lo.y, 0.0}, p2 = {hi.x, hi.y, 0.0};
  acedCommandS(RTSTR, L"._zoom", RTSTR, L"w", RT3DPOINT, p1, RT3DPOINT, p2, RTNONE);
}

// Runs a unit of work; what it throws is reported and the failure value returned.
template <class R, class Work>
R reported(const wchar_t* location, int line, R failed, Work&& work) {
  try {
    return work();
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, location);
  } catch (...) {
    vesk::PrintExceptionMsg(location, line);
  }
  return failed;
}

// Takes the status-bar meter down however the work ends.
struct MeterShown {
  MeterShown(const wchar_t* label, int minPos, int maxPos) { acedSetStatusBarProgressMeter(label, minPos, maxPos); }
  ~MeterShown() { acedRestoreStatusBar(); }
  MeterShown(const MeterShown&) = delete;
  MeterShown& operator=(const MeterShown&) = delete;
};

bool equalNoCase(const wchar_t* a, const wchar_t* b) {
  if (a == nullptr || b == nullptr) return false;
  for (; *a != 0 && *b != 0; ++a, ++b)
    if (std::towupper(*a) != std::towupper(*b)) return false;
  return *a == *b;
}

}  // namespace

// ---- reading and writing vertex lists ------------------------------------------------------------

int ReadEntPts(AcDbObjectId id, AcGePoint3dArray& vertices, AcGeDoubleArray& bulges) {
  vertices.removeAll();
  bulges.removeAll();
  if (id.isNull() || !id.isValid() || id.isErased()) return 0;
  double z = 0.0;
  {
    AcDbObjectPointer<AcDbEntity> ent(id, AcDb::kForRead);
    if (ent.openStatus() != Acad::eOk) return 0;
    if (auto* p3 = AcDb3dPolyline::cast(ent.object())) {
      std::unique_ptr<AcDbObjectIterator> it(p3->vertexIterator());
      if (!it) return 0;
      for (it->start(); !it->done(); it->step()) {
        AcDb3dPolylineVertex* v = nullptr;
        if (p3->openVertex(v, it->objectId(), AcDb::kForRead) != Acad::eOk) return 0;
        vertices.append(v->position());
        bulges.append(0.0);
        v->close();
      }
      return vertices.isEmpty() ? 0 : 1;
    }
    z = entityElevation(ent.object());
  }
  if (!vesk::ent::GetCurveParam(id, &vertices, &bulges)) return 0;
  while (bulges.length() < vertices.length()) bulges.append(0.0);
  for (AcGePoint3d& p : vertices) p.z = z;
  return 1;
}

int ModiEntPts(AcDbObjectId id, const AcGePoint3dArray& vertices, const AcGeDoubleArray& bulges) {
  if (vertices.length() < 2 || bulges.length() != vertices.length()) return 0;
  for (const AcGePoint3d& p : vertices)
    if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return 0;
  AcDbEntity* ent = nullptr;
  if (id.isNull() || acdbOpenObject(ent, id, AcDb::kForWrite) != Acad::eOk) return 0;
  Acad::ErrorStatus es = Acad::eWrongObjectType;
  try {
    if (auto* pl = AcDbPolyline::cast(ent)) {
      es = writePolyline(pl, vertices, bulges);
    } else if (auto* p3 = AcDb3dPolyline::cast(ent)) {
      es = CurveRewrite::apply3dPolyline(p3, vertices);
    } else if (auto* p2 = AcDb2dPolyline::cast(ent)) {
      CurveRewrite::Target t;
      t.vertices = vertices;
      t.bulges = bulges;
      es = CurveRewrite::apply2dPolyline(p2, t);
      if (es == Acad::eOk) es = p2->setElevation(p2->normal().z < 0.0 ? -vertices.first().z : vertices.first().z);
    } else if (auto* arc = AcDbArc::cast(ent)) {
      es = vertices.length() == 2 ? writeArc(arc, vertices, bulges) : Acad::eInvalidInput;
    } else if (auto* line = AcDbLine::cast(ent)) {
      if (vertices.length() != 2 || vertices[0].isEqualTo(vertices[1])) {
        es = Acad::eInvalidInput;
      } else if ((es = line->setStartPoint(vertices[0])) == Acad::eOk) {
        es = line->setEndPoint(vertices[1]);
      }
    }
  } catch (Acad::ErrorStatus thrown) {
    es = thrown;
  }
  ent->close();
  return es == Acad::eOk ? 1 : 0;
}

// ---- inserting vertices ----------------------------------------------------------------------------

int InsertPtToPline(AcDbObjectId id, AcGePoint3d point) {
  GP_CurveTran curve(id);
  if (!curve.IsOpenCurve()) return 0;
  AcGePoint3d q;
  if (!curve.GetClosestPt(point, q)) return 0;
  const int piece = curve.GetNear2Pt(q);
  if (piece < 0) return 0;
  AcGePoint3d a, z;
  double bulge = 0.0;
  curve.GetVertextPosition(piece, a);
  curve.GetVertextPosition(piece + 1, z);
  curve.GetVertextBugle(piece, bulge);
  double first = 0.0, second = 0.0, fraction = 0.0;
  try {
    const VeskGe::BulgePiece bp(AcGePoint2d(a.x, a.y), AcGePoint2d(z.x, z.y), bulge);
    fraction = bp.fractionOf(q);
    if (bp.isArc()) curve.GetArcBugleChangeAfterInsert(a, z, q, bulge, first, second);
  } catch (...) {
    return 0;
  }
  AcDbEntity* ent = nullptr;
  if (acdbOpenObject(ent, id, AcDb::kForWrite) != Acad::eOk) return 0;
  int ok = 0;
  try {
    if (auto* pl = AcDbPolyline::cast(ent)) {
      const AcGeVector3d normal = pl->normal();
      double sw = 0.0, ew = 0.0;
      if (CurveRewrite::isAlongZ(normal) && pl->getWidthsAt(static_cast<unsigned int>(piece), sw, ew) == Acad::eOk) {
        const double mid = sw + (ew - sw) * fraction;
        ok = pl->addVertexAt(static_cast<unsigned int>(piece + 1), planePoint(normal, q), planeBulge(normal, second),
                             mid, ew) == Acad::eOk &&
             pl->setBulgeAt(static_cast<unsigned int>(piece), planeBulge(normal, first)) == Acad::eOk &&
             pl->setWidthsAt(static_cast<unsigned int>(piece), sw, mid) == Acad::eOk;
      }
    } else if (auto* p2 = AcDb2dPolyline::cast(ent)) {
      const AcGeVector3d normal = p2->normal();
      std::vector<AcDbObjectId> drawn;
      std::unique_ptr<AcDbObjectIterator> it(p2->vertexIterator());
      for (it->start(); !it->done(); it->step()) {
        AcDb2dVertex* v = nullptr;
        if (p2->openVertex(v, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
        if (v->vertexType() != AcDb::k2dSplineCtlVertex) drawn.push_back(it->objectId());
        v->close();
      }
      AcDb2dVertex* startV = nullptr;
      if (CurveRewrite::isAlongZ(normal) && piece < static_cast<int>(drawn.size()) &&
          p2->openVertex(startV, drawn[static_cast<size_t>(piece)], AcDb::kForWrite) == Acad::eOk) {
        const double sw = startV->startWidth(), ew = startV->endWidth();
        const double mid = sw + (ew - sw) * fraction;
        const AcGePoint2d pq = planePoint(normal, q);
        auto* nv = new AcDb2dVertex(AcGePoint3d(pq.x, pq.y, startV->position().z), planeBulge(normal, second), mid, ew);
        startV->setBulge(planeBulge(normal, first));
        startV->setEndWidth(mid);
        startV->close();
        AcDbObjectId newId;
        if (p2->insertVertexAt(newId, drawn[static_cast<size_t>(piece)], nv) == Acad::eOk) {
          nv->close();
          ok = 1;
        } else {
          delete nv;
        }
      }
    }
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, L"VeskCad::Fun::InsertPtToPline");
    ok = 0;
  }
  ent->close();
  return ok;
}

int InsertPtAtOverLapArcPos(AcDbObjectIdArray ids, int& count) {
  return reported(L"VeskCad::Fun::InsertPtAtOverLapArcPos", __LINE__, 0, [&]() {
    const int n = ids.length();
    const MeterShown meter(L"\n正在处理,请稍候...", 0, n);
    auto boxesMeet = [](const AcDbObjectId& a, const AcDbObjectId& b) {
      AcGePoint3d alo, ahi, blo, bhi;
      if (!vesk::ent::GetEntRect(a, alo, ahi) || !vesk::ent::GetEntRect(b, blo, bhi)) return true;
      const double g = kOverlapPoint;
      return !(alo.x - g > bhi.x || blo.x - g > ahi.x || alo.y - g > bhi.y || blo.y - g > ahi.y);
    };
    // Each vertex of `from` lying on `onto` becomes a vertex of `onto`.
    auto share = [&](const AcGePoint3dArray& from, const AcDbObjectId& ontoId, const AcGePoint3dArray& onto,
                     const AcGeDoubleArray& ontoBulges) {
      for (const AcGePoint3d& p : from) {
        AcGePoint3d closest;
        double dist = 0.0;
        if (!vesk::geo::GetClosestPt(p, onto, &ontoBulges, closest, nullptr, &dist) || dist > kOverlapPoint) continue;
        if (InsertPtToPline(ontoId, closest)) ++count;
      }
    };
    for (int i = 0; i < n; ++i) {
      acedSetStatusBarProgressMeterPos(i);
      for (int j = i + 1; j < n; ++j) {
        AcGePoint3dArray vi, vj;
        AcGeDoubleArray bi, bj;
        if (!boxesMeet(ids[i], ids[j])) continue;
        if (!vesk::ent::GetCurveParam(ids[i], &vi, &bi) || !vesk::ent::GetCurveParam(ids[j], &vj, &bj)) continue;
        share(vj, ids[i], vi, bi);
        share(vi, ids[j], vj, bj);
      }
    }
    return 1;
  });
}

// ---- breaking, joining and removing curves ---------------------------------------------------------

int FBreakCurveByPt(AcDbObjectId id, AcGePoint3d point) {
  GP_CurveTran curve(id);
  if (!curve.IsOpenCurve()) return 0;
  AcGePoint3d q;
  if (!curve.GetClosestPt(point, q)) return 0;
  if (curve.IsEqual(q, curve.GetSt()) || curve.IsEqual(q, curve.GetEd())) return 0;
  AcDbObjectId newId;
  return curve.BreakCurve(q, newId, 1);
}

int FDelOverlapLine(AcDbObjectIdArray ids, double tol) {
  return reported(L"VeskCad::Fun::FDelOverlapLine", __LINE__, 0, [&]() {
    const int n = ids.length();
    if (n == 0) return 0;
    bool zoomed = false;
    {
      ads_name ss;
      if (vesk::ent::IdsToSS(ids, ss)) {
        AcGePoint3d lo, hi;
        if (vesk::ent::GetSSRect(ss, lo, hi)) {
          zoomWindow(lo, hi);
          zoomed = true;
        }
        acedSSFree(ss);
      }
    }
    AcDbObjectIdArray doomed;
    {
      const MeterShown meter(L"", 0, std::max(n - 1, 1));
      const std::unique_ptr<resbuf, int (*)(resbuf*)> filterChain(
          acutBuildList(RTDXF0, L"POLYLINE,LWPOLYLINE,LINE,ARC", RTNONE), acutRelRb);
      const resbuf* filter = filterChain.get();
      auto lengthOf = [](const AcDbObjectId& id) {
        double len = 0.0;
        return vesk::ent::GetCurveLength(id, len) ? len : -1.0;
      };
      for (int i = 0; i < n; ++i) {
        acedSetStatusBarProgressMeterPos(i);
        const AcDbObjectId me = ids[i];
        if (doomed.contains(me) || vesk::ent::IsClosed(me)) continue;
        const double myLength = lengthOf(me);
        if (!(myLength > tol)) continue;
        AcGePoint3dArray mine;
        AcGeDoubleArray myBulges;
        if (!vesk::ent::GetCurveParam(me, &mine, &myBulges)) continue;
        vesk::CFArxSelSet sel;
        if (sel.fenceSelect(mine, filter) != Acad::eOk) continue;
        AcDbObjectIdArray met;
        sel.asArray(met);
        for (const AcDbObjectId& other : met) {
          if (other == me || doomed.contains(other)) continue;
          AcGePoint3dArray theirs;
          AcGeDoubleArray theirBulges;
          if (!vesk::ent::GetCurveParam(other, &theirs, &theirBulges)) continue;
          if (piecesOverlap(mine, theirs)) {
            const double otherLength = lengthOf(other);
            if (otherLength >= 0.0 && otherLength < myLength - 1e-9) {
              doomed.append(other);
              continue;
            }
            if (otherLength > myLength + 1e-9) {
              // This curve goes; what it touches stays with the longer one.
              doomed.append(me);
              break;
            }
          }
          if (sameOutline(mine, myBulges, theirs, theirBulges, tol)) doomed.append(other);
        }
      }
    }
    int erased = 0;
    for (const AcDbObjectId& id : doomed) erased += vesk::ent::Erase(id);
    if (zoomed) acedCommandS(RTSTR, L"._zoom", RTSTR, L"P", RTNONE);
    return erased;
  });
}

int FDelOnLinePtInCircle(AcDbObjectId first, AcDbObjectId second, double radius) {
  return reported(L"VeskCad::Fun::FDelOnLinePtInCircle", __LINE__, 0, [&]() {
    if (first.isNull() || second.isNull() || !first.isValid() || !second.isValid()) return 0;
    AcGePoint3d meet;
    {
      AcDbObjectPointer<AcDbEntity> a(first, AcDb::kForRead);
      AcDbObjectPointer<AcDbEntity> b(second, AcDb::kForRead);
      if (a.openStatus() != Acad::eOk || b.openStatus() != Acad::eOk) return 0;
      AcGePoint3dArray hits;
      if (a->intersectWith(b.object(), AcDb::kExtendBoth, hits) != Acad::eOk || hits.isEmpty()) return 0;
      meet = AcGePoint3d(hits[0].x, hits[0].y, 0.0);
    }
    AcGePoint3dArray lists[2];
    AcGeDoubleArray bulges[2];
    const AcDbObjectId curves[2] = {first, second};
    for (int c = 0; c < 2; ++c)
      if (!ReadEntPts(curves[c], lists[c], bulges[c])) return 0;
    for (int c = 0; c < 2; ++c) {
      AcGePoint3dArray kept;
      AcGeDoubleArray keptBulges;
      for (int i = 0; i < lists[c].length(); ++i) {
        const AcGePoint3d& p = lists[c][i];
        const double d = std::hypot(p.x - meet.x, p.y - meet.y);
        if (d > radius || d < 1e-5) {
          kept.append(p);
          keptBulges.append(bulges[c][i]);
        }
      }
      if (kept.length() >= 2 && kept.length() != lists[c].length()) ModiEntPts(curves[c], kept, keptBulges);
    }
    return 1;
  });
}

void JointEnt(AcDbObjectIdArray ids, AcDbObjectIdArray& out, double tol) {
  reported(L"VeskCad::Fun::JointEnt", __LINE__, 0, [&]() {
    out.removeAll();
    if (ids.isEmpty()) return 0;
    if (ids.length() == 1) {
      out.append(ids[0]);
      return 1;
    }
    AcDbObjectIdArray working = ids;
    std::vector<std::unique_ptr<GP_CurveTran>> wrapped;
    for (const AcDbObjectId& id : ids) {
      auto curve = std::make_unique<GP_CurveTran>();
      curve->SetTol(tol);
      if (vesk::ent::IsClosed(id) || !curve->SetEnt(id)) {
        out.append(id);
        working.remove(id);
        continue;
      }
      wrapped.push_back(std::move(curve));
    }
    while (!wrapped.empty()) {
      const GP_CurveTran& head = *wrapped.front();
      AcGePoint3dArray cv;
      AcGeDoubleArray cb;
      head.GetCurveVect(cv, cb);
      AcDbObjectIdArray joined;
      bool any = true;
      while (any) {
        any = false;
        for (size_t k = 1; k < wrapped.size();) {
          AcGePoint3dArray dv;
          AcGeDoubleArray db;
          wrapped[k]->GetCurveVect(dv, db);
          bool join = true;
          if (head.IsEqual(cv.first(), dv.first())) {
            vesk::geo::Reverse(dv, db);
            dv.removeLast();
            db.removeLast();
            dv.append(cv);
            db.append(cb);
            cv = dv;
            cb = db;
          } else if (head.IsEqual(cv.first(), dv.last())) {
            dv.removeLast();
            db.removeLast();
            dv.append(cv);
            db.append(cb);
            cv = dv;
            cb = db;
          } else if (head.IsEqual(cv.last(), dv.first())) {
            cv.removeLast();
            cb.removeLast();
            cv.append(dv);
            cb.append(db);
          } else if (head.IsEqual(cv.last(), dv.last())) {
            vesk::geo::Reverse(dv, db);
            cv.removeLast();
            cb.removeLast();
            cv.append(dv);
            cb.append(db);
          } else {
            join = false;
          }
          if (join) {
            joined.append(wrapped[k]->GetEntId());
            wrapped.erase(wrapped.begin() + static_cast<long>(k));
            any = true;
          } else {
            ++k;
          }
        }
      }
      const AcDbObjectId headId = head.GetEntId();
      double z = 0.0;
      {
        AcDbObjectPointer<AcDbEntity> ent(headId, AcDb::kForRead);
        if (ent.openStatus() == Acad::eOk) z = entityElevation(ent.object());
      }
      for (AcGePoint3d& p : cv) p.z = z;
      wrapped.erase(wrapped.begin());
      if (vesk::ent::ReplacePolyline(headId, cv, cb)) {
        working.remove(headId);
        out.append(headId);
      } else {
        // Nothing is lost when the chain cannot be written: its curves stay.
        working.remove(headId);
        out.append(headId);
        for (const AcDbObjectId& id : joined) {
          working.remove(id);
          out.append(id);
        }
      }
    }
    vesk::ent::Erase(working);
    return 1;
  });
}

// ---- texts, selections and layers ------------------------------------------------------------------

int GetTextBoundary(AcDbObjectId id, AcGePoint3dArray& corners, double dx, double dy) {
  corners.removeAll();
  AcDbObjectPointer<AcDbText> text(id, AcDb::kForRead);
  if (text.openStatus() != Acad::eOk) return 0;
  AcGePoint3dArray box;
  if (text->getBoundingPoints(box) != Acad::eOk || box.isEmpty()) return 0;
  const AcGePoint3d origin = text->position();
  const double r = text->rotation();
  const AcGeVector3d along(std::cos(r), std::sin(r), 0.0), across(-std::sin(r), std::cos(r), 0.0);
  // The box in the text's own frame, from its insertion point.
  double x0 = 0.0, x1 = 0.0, y0 = 0.0, y1 = 0.0;
  for (int i = 0; i < box.length(); ++i) {
    const AcGeVector3d w(box[i].x - origin.x, box[i].y - origin.y, 0.0);
    const double x = w.dotProduct(along), y = w.dotProduct(across);
    if (i == 0 || x < x0) x0 = x;
    if (i == 0 || x > x1) x1 = x;
    if (i == 0 || y < y0) y0 = y;
    if (i == 0 || y > y1) y1 = y;
  }
  x0 -= dx;
  x1 += dx;
  y0 -= dy;
  y1 += dy;
  const double xs[4] = {x0, x1, x1, x0}, ys[4] = {y0, y0, y1, y1};
  for (int i = 0; i < 4; ++i) corners.append(origin + along * xs[i] + across * ys[i]);
  return 1;
}

AcDbObjectIdArray FSSGetFenceObj(AcDbObjectId id, double offset, resbuf* filter) {
  return reported(L"VeskCad::Fun::FSSGetFenceObj", __LINE__, AcDbObjectIdArray(), [&]() {
    AcDbObjectIdArray result;
    GP_CurveTran curve(id);
    if (!curve.IsOpenCurve()) return result;
    AcGePoint3d lo, hi;
    if (vesk::ent::GetEntRect(id, lo, hi)) {
      const ads_point p1 = {lo.x - 100.0, lo.y - 60.0, 0.0}, p2 = {hi.x + 100.0, hi.y + 60.0, 0.0};
      acedCommandS(RTSTR, L"ZOOM", RTSTR, L"W", RT3DPOINT, p1, RT3DPOINT, p2, RTNONE);
    }
    if (offset < 0.03) offset = 0.1;
    // The outline as points, arcs in steps of at most ten degrees.
    AcGePoint3dArray v, pts;
    AcGeDoubleArray b;
    curve.GetCurveVect(v, b);
    for (int i = 0; i + 1 < v.length(); ++i) {
      AcGePoint3dArray piecePts;
      try {
        VeskGe::BulgePiece(AcGePoint2d(v[i].x, v[i].y), AcGePoint2d(v[i + 1].x, v[i + 1].y), b[i])
            .densifyByAngle(kPi / 18.0, piecePts, i == 0);
      } catch (...) {
        return result;
      }
      for (const AcGePoint3d& p : piecePts)
        if (pts.isEmpty() || pts.last().distanceTo(p) > 1e-9) pts.append(p);
    }
    const bool closed = pts.length() >= 3 && pts.first().distanceTo(pts.last()) < curve.GetTol();
    if (closed) pts.removeLast();
    const int n = pts.length();
    if (n < 2) return result;
    // Offset points: each point moved along the normal of its pieces.
    auto normalAngle = [&](int i, int side) {
      auto dirAngle = [&](int a, int c) {
        const ads_point pa = {pts[a].x, pts[a].y, 0.0}, pc = {pts[c].x, pts[c].y, 0.0};
        return acutAngle(pa, pc);
      };
      double angle;
      if (closed) {
        const double inA = dirAngle((i + n - 1) % n, i), outA = dirAngle(i, (i + 1) % n);
        double turn = outA - inA;
        while (turn > kPi) turn -= 2.0 * kPi;
        while (turn < -kPi) turn += 2.0 * kPi;
        angle = inA + turn / 2.0;
      } else if (i == 0) {
        angle = dirAngle(0, 1);
      } else if (i == n - 1) {
        angle = dirAngle(n - 2, n - 1);
      } else {
        const double inA = dirAngle(i - 1, i), outA = dirAngle(i, i + 1);
        double turn = outA - inA;
        while (turn > kPi) turn -= 2.0 * kPi;
        while (turn < -kPi) turn += 2.0 * kPi;
        angle = inA + turn / 2.0;
      }
      return angle + side * kPi / 2.0;
    };
    auto toUser = [](const AcGePoint3d& p) {
      resbuf world, user;
      world.restype = RTSHORT;
      world.resval.rint = 0;
      user.restype = RTSHORT;
      user.resval.rint = 1;
      const ads_point in = {p.x, p.y, 0.0};
      ads_point outPt = {p.x, p.y, 0.0};
      acedTrans(in, &world, &user, 0, outPt);
      return AcGePoint3d(outPt[0], outPt[1], outPt[2]);
    };
    auto offsetPoint = [&](int i, int side) {
      const ads_point p = {pts[i].x, pts[i].y, 0.0};
      ads_point q;
      acutPolar(p, normalAngle(i, side), offset, q);
      return toUser(AcGePoint3d(q[0], q[1], 0.0));
    };
    AcGePoint3dArray polygon;
    vesk::CFArxSelSet sel;
    Acad::ErrorStatus es;
    if (closed) {
      // Outward: to the right of travel for a counter-clockwise outline.
      const int outward = GP_CurveTran::GetCurveArea(v, b) > 0.0 ? -1 : 1;
      for (int i = 0; i < n; ++i) polygon.append(offsetPoint(i, outward));
      es = sel.windowPolygonSelect(polygon, filter);
    } else {
      // A band around the outline: one side forward, the other back.
      for (int i = 0; i < n; ++i) polygon.append(offsetPoint(i, 1));
      for (int i = n - 1; i >= 0; --i) polygon.append(offsetPoint(i, -1));
      es = sel.crossingPolygonSelect(polygon, filter);
    }
    if (es != Acad::eOk) return result;
    sel.asArray(result);
    result.remove(id);
    return result;
  });
}

int GetObjIdArrOnLayer(AcDbObjectIdArray& ids, const wchar_t* layer) {
  if (layer == nullptr) return 0;
  AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  if (db == nullptr) return 0;
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, db->modelSpaceId(), AcDb::kForRead) != Acad::eOk) return 0;
  AcDbBlockTableRecordIterator* raw = nullptr;
  if (space->newIterator(raw) != Acad::eOk || raw == nullptr) {
    space->close();
    return 0;
  }
  const std::unique_ptr<AcDbBlockTableRecordIterator> it(raw);
  for (it->start(); !it->done(); it->step()) {
    AcDbEntity* ent = nullptr;
    if (it->getEntity(ent, AcDb::kForRead) != Acad::eOk) continue;
    ACHAR* name = ent->layer();
    if (equalNoCase(name, layer)) ids.append(ent->objectId());
    delete[] name;
    ent->close();
  }
  space->close();
  return 1;
}

// ---- polyline purge --------------------------------------------------------------------------------

int FPolylinePurge(AcDbObjectId polyline, double angle, double distance) {
  if (angle > 0.01) angle = 0.01;
  if (distance < 0.02) distance = -1.0;
  try {
    const CDelMidPts cleaner(angle, distance, 1);
    return cleaner.fnDelMidPoint(polyline);
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, L"VeskCad::Fun::FPolylinePurge");
  } catch (...) {
    vesk::PrintExceptionMsg(L"VeskCad::Fun::FPolylinePurge", __LINE__);
  }
  return 0;
}

}  // namespace Fun
}  // namespace VeskCad
