#include "PlanLinework.h"

#include <geos_c.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <random>

#include "DrawingFile.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/dxf/DxfFileIo.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbPolyline.h"

namespace vkplantest {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Loose ends this far from any other linework cannot be taken for a joint
// or a gap to close.
constexpr double kClear = 2.0;

}  // namespace

PlanLinework::PlanLinework(unsigned seed, int gridCells, int circles, int arcs, int polylines, int dangling) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  const double cell = 100.0, extent = gridCells * cell;
  auto in = [&](double lo, double hi) { return lo + (hi - lo) * u(rng); };

  // The street grid: nodes moved off the square lattice, one line per block side.
  const int n = gridCells + 1;
  std::vector<double> nx(n * n), ny(n * n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      nx[i * n + j] = i * cell + in(-15.0, 15.0);
      ny[i * n + j] = j * cell + in(-15.0, 15.0);
    }
  auto gridLine = [&](int a, int b) {
    Entity e;
    e.kind = Kind::kLine;
    e.x = {nx[a], nx[b]};
    e.y = {ny[a], ny[b]};
    add(std::move(e));
    ++mCounts.lines;
  };
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      if (i + 1 < n) gridLine(i * n + j, (i + 1) * n + j);
      if (j + 1 < n) gridLine(i * n + j, i * n + j + 1);
    }

  // Roundabouts on the nodes and circles anywhere.
  for (int k = 0; k < circles; ++k) {
    Entity e;
    e.kind = Kind::kCircle;
    if (k % 2 == 0) {
      const int node = static_cast<int>(u(rng) * n * n) % (n * n);
      e.cx = nx[node];
      e.cy = ny[node];
      e.r = in(8.0, 25.0);
    } else {
      e.cx = in(0.0, extent);
      e.cy = in(0.0, extent);
      e.r = in(5.0, 45.0);
    }
    add(std::move(e));
    ++mCounts.circles;
  }

  // Closed polylines with bulged sides over the grid.
  for (int k = 0; k < polylines; ++k) {
    Entity e;
    e.kind = Kind::kPolyline;
    const double cx = in(0.0, extent), cy = in(0.0, extent), base = in(20.0, 70.0);
    const int m = 4 + static_cast<int>(u(rng) * 4);
    const double turn = in(0.0, 2 * kPi);
    for (int v = 0; v < m; ++v) {
      const double a = turn + 2 * kPi * (v + in(-0.2, 0.2)) / m, rr = base * in(0.7, 1.3);
      e.x.push_back(cx + rr * std::cos(a));
      e.y.push_back(cy + rr * std::sin(a));
      e.bulge.push_back(u(rng) < 0.3 ? 0.0 : in(-0.35, 0.35));
    }
    add(std::move(e));
    ++mCounts.polylines;
  }

  // Open arcs across the grid and dangling lines, placed where their loose
  // ends stay clear.
  for (int made = 0, tries = 0; made < arcs && tries < arcs * 50; ++tries) {
    Entity e;
    e.kind = Kind::kArc;
    e.cx = in(0.0, extent);
    e.cy = in(0.0, extent);
    e.r = in(30.0, 160.0);
    e.a0 = in(0.0, 2 * kPi);
    e.a1 = e.a0 + in(40.0, 300.0) * kPi / 180.0;
    const double ex0 = e.cx + e.r * std::cos(e.a0), ey0 = e.cy + e.r * std::sin(e.a0);
    const double ex1 = e.cx + e.r * std::cos(e.a1), ey1 = e.cy + e.r * std::sin(e.a1);
    if (addOpen(std::move(e), ex0, ey0, ex1, ey1)) {
      ++made;
      ++mCounts.arcs;
    }
  }
  for (int made = 0, tries = 0; made < dangling && tries < dangling * 50; ++tries) {
    Entity e;
    e.kind = Kind::kLine;
    const double x = in(0.0, extent), y = in(0.0, extent), len = in(20.0, 90.0), a = in(0.0, 2 * kPi);
    e.x = {x, x + len * std::cos(a)};
    e.y = {y, y + len * std::sin(a)};
    const double ex0 = e.x[0], ey0 = e.y[0], ex1 = e.x[1], ey1 = e.y[1];
    if (addOpen(std::move(e), ex0, ey0, ex1, ey1)) {
      ++made;
      ++mCounts.dangling;
    }
  }
}

void PlanLinework::add(Entity e) {
  switch (e.kind) {
    case Kind::kLine: e.pieces.push_back(StraightPiece(e.x[0], e.y[0], e.x[1], e.y[1])); break;
    case Kind::kCircle: e.pieces.push_back(ArcPiece(e.cx, e.cy, e.r, 0.0, 2 * kPi)); break;
    case Kind::kArc: e.pieces.push_back(ArcPiece(e.cx, e.cy, e.r, e.a0, e.a1 - e.a0)); break;
    case Kind::kPolyline:
      for (size_t i = 0; i < e.x.size(); ++i) {
        const size_t j = (i + 1) % e.x.size();
        e.pieces.push_back(BulgedPiece(e.x[i], e.y[i], e.x[j], e.y[j], e.bulge[i]));
      }
      break;
  }
  mEntities.push_back(std::move(e));
}

bool PlanLinework::clearOfAll(double x, double y, double clear) const {
  for (const Entity& e : mEntities)
    for (const Piece& p : e.pieces)
      if (p.DistanceTo(x, y) < clear) return false;
  return true;
}

bool PlanLinework::clearOfLooseEnds(const Entity& e, double clear) const {
  for (const auto& [x, y] : mLooseEnds)
    for (const Piece& p : e.pieces)
      if (p.DistanceTo(x, y) < clear) return false;
  return true;
}

bool PlanLinework::addOpen(Entity e, double ex0, double ey0, double ex1, double ey1) {
  if (std::hypot(ex1 - ex0, ey1 - ey0) < kClear) return false;
  if (!clearOfAll(ex0, ey0, kClear) || !clearOfAll(ex1, ey1, kClear)) return false;
  add(std::move(e));
  if (!clearOfLooseEnds(mEntities.back(), kClear)) {
    mEntities.pop_back();
    return false;
  }
  mLooseEnds.emplace_back(ex0, ey0);
  mLooseEnds.emplace_back(ex1, ey1);
  return true;
}

bool PlanLinework::SaveDxf(const std::string& path, std::string& error) const {
  auto db = std::make_unique<AcDbDatabase>(true);
  AcDbBlockTableRecord* ms = nullptr;
  if (acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) {
    error = "cannot open the model space";
    return false;
  }
  for (const Entity& e : mEntities) {
    AcDbEntity* ent = nullptr;
    switch (e.kind) {
      case Kind::kLine:
        ent = new AcDbLine(AcGePoint3d(e.x[0], e.y[0], 0.0), AcGePoint3d(e.x[1], e.y[1], 0.0));
        break;
      case Kind::kCircle: ent = new AcDbCircle(AcGePoint3d(e.cx, e.cy, 0.0), AcGeVector3d::kZAxis, e.r); break;
      case Kind::kArc: ent = new AcDbArc(AcGePoint3d(e.cx, e.cy, 0.0), e.r, e.a0, e.a1); break;
      case Kind::kPolyline: {
        auto* pl = new AcDbPolyline(static_cast<unsigned>(e.x.size()));
        for (size_t i = 0; i < e.x.size(); ++i)
          pl->addVertexAt(static_cast<unsigned>(i), AcGePoint2d(e.x[i], e.y[i]), e.bulge[i]);
        pl->setClosed(true);
        ent = pl;
        break;
      }
    }
    ent->setDatabaseDefaults(db.get());
    AcDbObjectId id;
    if (ms->appendAcDbEntity(id, ent) != Acad::eOk) {
      delete ent;
      ms->close();
      error = "cannot add an entity to the model space";
      return false;
    }
    ent->close();
  }
  ms->close();
  std::wstring why;
  if (!vhost::saveDxfFile(db.get(), std::filesystem::path(path).wstring(), false, why)) {
    error = Utf8(why);
    return false;
  }
  return true;
}

std::vector<double> PlanLinework::GeosFaceAreas(double stepDegrees, double minArea) const {
  const double step = stepDegrees * kPi / 180.0;
  GEOSContextHandle_t ctx = GEOS_init_r();
  std::vector<GEOSGeometry*> lines;
  for (const Entity& e : mEntities) {
    std::vector<double> xy{e.pieces.front().x0, e.pieces.front().y0};
    for (const Piece& p : e.pieces) p.AppendPoints(step, xy);
    GEOSCoordSequence* seq = GEOSCoordSeq_create_r(ctx, static_cast<unsigned>(xy.size() / 2), 2);
    for (size_t i = 0; i < xy.size() / 2; ++i) GEOSCoordSeq_setXY_r(ctx, seq, static_cast<unsigned>(i), xy[2 * i], xy[2 * i + 1]);
    lines.push_back(GEOSGeom_createLineString_r(ctx, seq));
  }
  GEOSGeometry* all =
      GEOSGeom_createCollection_r(ctx, GEOS_MULTILINESTRING, lines.data(), static_cast<unsigned>(lines.size()));
  GEOSGeometry* noded = GEOSUnaryUnion_r(ctx, all);
  const GEOSGeometry* parts[1] = {noded};
  GEOSGeometry* polygons = GEOSPolygonize_r(ctx, parts, 1);
  std::vector<double> areas;
  // A face with islands is a ring around them: the outer ring's area counts.
  for (int i = 0; polygons != nullptr && i < GEOSGetNumGeometries_r(ctx, polygons); ++i) {
    const GEOSGeometry* ring = GEOSGetExteriorRing_r(ctx, GEOSGetGeometryN_r(ctx, polygons, i));
    GEOSGeometry* shell = GEOSGeom_createPolygon_r(ctx, GEOSGeom_clone_r(ctx, ring), nullptr, 0);
    double a = 0.0;
    GEOSArea_r(ctx, shell, &a);
    GEOSGeom_destroy_r(ctx, shell);
    if (a >= minArea) areas.push_back(a);
  }
  GEOSGeom_destroy_r(ctx, polygons);
  GEOSGeom_destroy_r(ctx, noded);
  GEOSGeom_destroy_r(ctx, all);
  GEOS_finish_r(ctx);
  return areas;
}

}  // namespace vkplantest
