// The closed contour search on generated linework, next to GEOS (noding the
// same linework and building polygons from it) in the same run.
//
// Ours: entities in a drawing in, closed polylines out (CFSearchAllCloseCurve
// ::Search, everything included). GEOS: the same pieces as line strings (arcs
// followed at 0.5 degree steps), GEOSNode then GEOSPolygonize. The counters
// compare the faces: ours are the clockwise contours (the counter-clockwise
// ones are the outlines around connected linework, which GEOS does not
// make), GEOS's the polygons; areas are the outer boundaries' (a face with a
// hole counts its full outline, as a contour does).
//
// Cases: a street grid of N x N crossing lines; n random segments in a
// square; a mixed plan of bulged parcel outlines, circles, arcs and lines.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/ed/HostUi.h"
#include "arx/ed/ScriptedHostUi.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/ge/BulgePiece.h"
#include "veskcad/geometry/CFSearchAllCloseCurve.h"

#ifdef VESK_HAVE_GEOS
#include <geos_c.h>
#endif

namespace {

constexpr double kPi = 3.14159265358979323846;

// One piece of generated linework: a chain of vertices with bulges (closed
// ones repeat the first vertex), kept for the GEOS side.
struct Chain {
  std::vector<AcGePoint2d> pts;
  std::vector<double> blgs;  // one per piece
};

class Drawing {
 public:
  Drawing() : mDb(new AcDbDatabase(true)) {
    acdbHostApplicationServices()->setWorkingDatabase(mDb.get());
    mPrevUi = vhost::setCurrentHostUi(&mUi);
  }
  ~Drawing() {
    vhost::setCurrentHostUi(mPrevUi);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  }
  void line(double x0, double y0, double x1, double y1) {
    append(new AcDbLine(AcGePoint3d(x0, y0, 0), AcGePoint3d(x1, y1, 0)));
    mChains.push_back({{AcGePoint2d(x0, y0), AcGePoint2d(x1, y1)}, {0.0}});
  }
  void circle(double x, double y, double r) {
    append(new AcDbCircle(AcGePoint3d(x, y, 0), AcGeVector3d::kZAxis, r));
    mChains.push_back({{AcGePoint2d(x + r, y), AcGePoint2d(x - r, y), AcGePoint2d(x + r, y)}, {1.0, 1.0}});
  }
  void arc(double x, double y, double r, double a0, double a1) {
    append(new AcDbArc(AcGePoint3d(x, y, 0), AcGeVector3d::kZAxis, r, a0, a1));
    double sweep = a1 - a0;
    while (sweep <= 0.0) sweep += 2 * kPi;
    mChains.push_back({{AcGePoint2d(x + r * std::cos(a0), y + r * std::sin(a0)),
                        AcGePoint2d(x + r * std::cos(a1), y + r * std::sin(a1))},
                       {std::tan(sweep / 4.0)}});
  }
  void pline(const std::vector<AcGePoint2d>& pts, const std::vector<double>& blgs, bool closed) {
    auto* pl = new AcDbPolyline();
    for (unsigned i = 0; i < pts.size(); ++i) pl->addVertexAt(i, pts[i], blgs[i]);
    pl->setClosed(closed);
    append(pl);
    Chain c{pts, std::vector<double>(blgs.begin(), blgs.begin() + (pts.size() - 1))};
    if (closed) {
      c.pts.push_back(pts.front());
      c.blgs.push_back(blgs.back());
    }
    mChains.push_back(std::move(c));
  }

  const AcDbObjectIdArray& ids() const { return mIds; }
  const std::vector<Chain>& chains() const { return mChains; }
  AcDbDatabase* db() const { return mDb.get(); }

 private:
  void append(AcDbEntity* e) {
    AcDbBlockTableRecord* ms = nullptr;
    acdbOpenObject(ms, mDb->modelSpaceId(), AcDb::kForWrite);
    AcDbObjectId id;
    e->setDatabaseDefaults(mDb.get());
    ms->appendAcDbEntity(id, e);
    e->close();
    ms->close();
    mIds.append(id);
  }
  std::unique_ptr<AcDbDatabase> mDb;
  vhost::ScriptedHostUi mUi;
  vhost::HostUi* mPrevUi = nullptr;
  AcDbObjectIdArray mIds;
  std::vector<Chain> mChains;
};

// ---- generated linework

void streetGrid(Drawing& d, int n) {
  const double step = 100.0;
  const double lo = -30.0, hi = (n - 1) * step + 30.0;
  for (int i = 0; i < n; ++i) {
    // A little skew so that no two crossings share a coordinate.
    d.line(lo, i * step + 0.37 * i, hi, i * step - 0.21 * i);
    d.line(i * step + 0.13 * i, lo, i * step - 0.29 * i, hi);
  }
}

void randomSegments(Drawing& d, int n) {
  std::mt19937 rng(20240611);
  const double side = 100000.0;
  // Lengths chosen so that a segment crosses about ten others.
  const double maxLen = side * std::sqrt(10.0 * kPi / 2.0 / n) * 1.15;
  std::uniform_real_distribution<double> coord(0.0, side), len(0.2 * maxLen, maxLen), ang(0.0, 2 * kPi);
  for (int i = 0; i < n; ++i) {
    const double x = coord(rng), y = coord(rng), l = len(rng), a = ang(rng);
    d.line(x, y, x + l * std::cos(a), y + l * std::sin(a));
  }
}

// Blocks of parcels with rounded corners between streets, roundabouts
// (circles) at crossings, and arcs and lines across the blocks.
void mixedPlan(Drawing& d, int blocks) {
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  const double size = 200.0, street = 30.0;
  const double corner = std::tan(kPi / 8.0);  // a quarter circle
  std::vector<AcGePoint2d> tips;
  for (int bx = 0; bx < blocks; ++bx) {
    for (int by = 0; by < blocks; ++by) {
      const double x0 = bx * (size + street), y0 = by * (size + street);
      const double r = 12.0;
      // The block outline, its corners rounded.
      d.pline({AcGePoint2d(x0 + r, y0), AcGePoint2d(x0 + size - r, y0), AcGePoint2d(x0 + size, y0 + r),
               AcGePoint2d(x0 + size, y0 + size - r), AcGePoint2d(x0 + size - r, y0 + size),
               AcGePoint2d(x0 + r, y0 + size), AcGePoint2d(x0, y0 + size - r), AcGePoint2d(x0, y0 + r)},
              {0.0, corner, 0.0, corner, 0.0, corner, 0.0, corner}, true);
      // Parcel lines across the block, from edge to edge.
      const int cuts = 2 + static_cast<int>(u(rng) * 3);
      for (int k = 1; k <= cuts; ++k) {
        const double t = x0 + size * k / (cuts + 1) + (u(rng) - 0.5) * 10.0;
        d.line(t, y0 - 1.0 * (k % 2), t + (u(rng) - 0.5) * 20.0, y0 + size + 1.0 * (k % 2));
      }
      d.line(x0 - 2.0, y0 + size * 0.5 + (u(rng) - 0.5) * 30.0, x0 + size + 2.0,
             y0 + size * 0.5 + (u(rng) - 0.5) * 30.0);
      // A bulged pond crossing the parcel lines, and an arc.
      const double cx = x0 + size * (0.3 + 0.4 * u(rng)), cy = y0 + size * (0.3 + 0.4 * u(rng));
      d.pline({AcGePoint2d(cx - 25, cy), AcGePoint2d(cx, cy - 18), AcGePoint2d(cx + 25, cy),
               AcGePoint2d(cx, cy + 18)},
              {0.4, 0.3, 0.5, 0.35}, true);
      // Its loose ends kept clear of the others': ends nearer than 1.0 would
      // close contours across the gap, which GEOS does not do.
      for (int tries = 0; tries < 20; ++tries) {
        const double ax = x0 + size * u(rng), ay = y0 + size * u(rng), ar = 40.0 + 30.0 * u(rng);
        const double a0 = u(rng) * kPi, a1 = kPi + u(rng) * kPi;
        const AcGePoint2d e0(ax + ar * std::cos(a0), ay + ar * std::sin(a0));
        const AcGePoint2d e1(ax + ar * std::cos(a1), ay + ar * std::sin(a1));
        bool clear = true;
        for (const AcGePoint2d& t : tips) clear = clear && t.distanceTo(e0) > 2.0 && t.distanceTo(e1) > 2.0;
        if (!clear) continue;
        tips.push_back(e0);
        tips.push_back(e1);
        d.arc(ax, ay, ar, a0, a1);
        break;
      }
      // A roundabout where streets meet.
      d.circle(x0 - street / 2, y0 - street / 2, 18.0 + 4.0 * u(rng));
    }
  }
}

// ---- results

struct Result {
  int gapClosed = 0;
  int faces = 0;
  int tiny = 0;  // faces below 0.01 square units, which the search does not return
  int outlines = 0;
  double faceArea = 0.0;
};

double polylineArea(AcDbObjectId id) {
  AcDbPolyline* pl = nullptr;
  if (acdbOpenObject(pl, id, AcDb::kForRead) != Acad::eOk) return 0.0;
  AcGePoint3dArray pts;
  AcGeDoubleArray blgs;
  for (unsigned i = 0; i < pl->numVerts(); ++i) {
    AcGePoint3d p;
    double b = 0.0;
    pl->getPointAt(i, p);
    pl->getBulgeAt(i, b);
    pts.append(p);
    blgs.append(b);
  }
  pl->close();
  return VeskGe::BulgePiece::outlineArea(pts, blgs);
}

Result ours(Drawing& d, double& seconds) {
  AcDbObjectIdArray out;
  int gapClosed = 0;
  const auto t0 = std::chrono::steady_clock::now();
  {
    CFSearchAllCloseCurve search;
    search.Search(d.ids(), out);
    gapClosed = search.GetStats().gapClosed;
  }
  seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  Result r;
  r.gapClosed = gapClosed;
  for (const AcDbObjectId& id : out) {
    const double a = polylineArea(id);
    if (a < 0.0) {
      ++r.faces;
      r.faceArea += -a;
    } else {
      ++r.outlines;
    }
    AcDbEntity* e = nullptr;
    if (acdbOpenObject(e, id, AcDb::kForWrite) == Acad::eOk) {
      e->erase();
      e->close();
    }
  }
  return r;
}

#ifdef VESK_HAVE_GEOS
Result geos(const Drawing& d, double& seconds) {
  GEOSContextHandle_t ctx = GEOS_init_r();
  const auto t0 = std::chrono::steady_clock::now();
  std::vector<GEOSGeometry*> lines;
  for (const Chain& c : d.chains()) {
    std::vector<double> xy;
    xy.push_back(c.pts[0].x);
    xy.push_back(c.pts[0].y);
    for (size_t i = 0; i + 1 < c.pts.size(); ++i) {
      const VeskGe::BulgePiece piece(c.pts[i], c.pts[i + 1], c.blgs[i]);
      AcGePoint3dArray pts;
      if (piece.isArc())
        piece.densifyByAngle(kPi / 360.0, pts, false);
      else
        pts.append(piece.endPoint());
      for (const AcGePoint3d& p : pts) {
        xy.push_back(p.x);
        xy.push_back(p.y);
      }
    }
    GEOSCoordSequence* seq = GEOSCoordSeq_copyFromBuffer_r(ctx, xy.data(), xy.size() / 2, 0, 0);
    lines.push_back(GEOSGeom_createLineString_r(ctx, seq));
  }
  GEOSGeometry* all = GEOSGeom_createCollection_r(ctx, GEOS_MULTILINESTRING, lines.data(),
                                                  static_cast<unsigned>(lines.size()));
  GEOSGeometry* noded = GEOSNode_r(ctx, all);
  const GEOSGeometry* parts[1] = {noded};
  GEOSGeometry* polys = GEOSPolygonize_r(ctx, parts, 1);
  seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  Result r;
  const int n = polys != nullptr ? GEOSGetNumGeometries_r(ctx, polys) : 0;
  for (int i = 0; i < n; ++i) {
    const GEOSGeometry* poly = GEOSGetGeometryN_r(ctx, polys, i);
    GEOSGeometry* shell = GEOSGeom_createPolygon_r(
        ctx, GEOSGeom_clone_r(ctx, GEOSGetExteriorRing_r(ctx, poly)), nullptr, 0);
    double a = 0.0;
    GEOSArea_r(ctx, shell, &a);
    GEOSGeom_destroy_r(ctx, shell);
    if (a < 0.01) ++r.tiny;
    ++r.faces;
    r.faceArea += a;
  }
  if (polys != nullptr) GEOSGeom_destroy_r(ctx, polys);
  if (noded != nullptr) GEOSGeom_destroy_r(ctx, noded);
  GEOSGeom_destroy_r(ctx, all);
  GEOS_finish_r(ctx);
  return r;
}
#endif

void run(benchmark::State& state, void (*make)(Drawing&, int)) {
  Drawing d;
  make(d, static_cast<int>(state.range(0)));
  Result mine, ref;
  double mineTime = 0.0, refTime = 0.0;
  for (auto _ : state) {
    double s = 0.0;
    mine = ours(d, s);
    state.SetIterationTime(s);
    mineTime += s;
#ifdef VESK_HAVE_GEOS
    double g = 0.0;
    ref = geos(d, g);
    refTime += g;
#endif
  }
  const double it = static_cast<double>(state.iterations());
  state.counters["entities"] = d.ids().length();
  state.counters["ours_ms"] = 1000.0 * mineTime / it;
  state.counters["faces"] = mine.faces;
  state.counters["outlines"] = mine.outlines;
  state.counters["gap_closed"] = mine.gapClosed;
  state.counters["face_area"] = mine.faceArea;
#ifdef VESK_HAVE_GEOS
  state.counters["geos_ms"] = 1000.0 * refTime / it;
  state.counters["ours/geos"] = refTime > 0.0 ? mineTime / refTime : 0.0;
  state.counters["geos_faces"] = ref.faces;
  state.counters["geos_tiny"] = ref.tiny;
  state.counters["geos_area"] = ref.faceArea;
  state.counters["area_diff_rel"] = ref.faceArea > 0.0 ? (mine.faceArea - ref.faceArea) / ref.faceArea : 0.0;
#endif
}

void BM_StreetGrid(benchmark::State& state) { run(state, streetGrid); }
void BM_RandomSegments(benchmark::State& state) { run(state, randomSegments); }
void BM_MixedPlan(benchmark::State& state) { run(state, mixedPlan); }

}  // namespace

BENCHMARK(BM_StreetGrid)->Arg(50)->Arg(100)->Arg(200)->Arg(300)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_RandomSegments)->Arg(2000)->Arg(10000)->Arg(50000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_MixedPlan)->Arg(10)->Arg(30)->Arg(60)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(2);
// A drawing of about 100 000 entities.
BENCHMARK(BM_MixedPlan)->Arg(115)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
