// The closed contour search against an independent polygon builder (GEOS:
// noding, then polygons from the noded linework) on drawings of a few
// thousand entities: the same faces, with the same areas.
#ifdef VESK_HAVE_GEOS
#include <geos_c.h>

#include <random>

#include "veskcad/geometry/ContourTestSupport.h"

using namespace contourtest;

namespace {

// Linework as GEOS sees it: chains of vertices with bulges, arcs followed
// at 0.5 degree steps.
struct Chain {
  std::vector<AcGePoint2d> pts;
  std::vector<double> blgs;
};

// Areas of the outer boundaries of GEOS's polygons, sorted.
std::vector<double> geosFaces(const std::vector<Chain>& chains) {
  GEOSContextHandle_t ctx = GEOS_init_r();
  std::vector<GEOSGeometry*> lines;
  for (const Chain& c : chains) {
    std::vector<double> xy = {c.pts[0].x, c.pts[0].y};
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
    lines.push_back(GEOSGeom_createLineString_r(ctx, GEOSCoordSeq_copyFromBuffer_r(ctx, xy.data(), xy.size() / 2, 0, 0)));
  }
  GEOSGeometry* all =
      GEOSGeom_createCollection_r(ctx, GEOS_MULTILINESTRING, lines.data(), static_cast<unsigned>(lines.size()));
  GEOSGeometry* noded = GEOSNode_r(ctx, all);
  const GEOSGeometry* parts[1] = {noded};
  GEOSGeometry* polys = GEOSPolygonize_r(ctx, parts, 1);
  std::vector<double> areas;
  for (int i = 0; i < GEOSGetNumGeometries_r(ctx, polys); ++i) {
    GEOSGeometry* shell = GEOSGeom_createPolygon_r(
        ctx, GEOSGeom_clone_r(ctx, GEOSGetExteriorRing_r(ctx, GEOSGetGeometryN_r(ctx, polys, i))), nullptr, 0);
    double a = 0.0;
    GEOSArea_r(ctx, shell, &a);
    GEOSGeom_destroy_r(ctx, shell);
    areas.push_back(a);
  }
  GEOSGeom_destroy_r(ctx, polys);
  GEOSGeom_destroy_r(ctx, noded);
  GEOSGeom_destroy_r(ctx, all);
  GEOS_finish_r(ctx);
  std::sort(areas.begin(), areas.end());
  return areas;
}

class ContourGeos : public ContourTest {
 protected:
  void seg(double x0, double y0, double x1, double y1) {
    line(x0, y0, x1, y1);
    chains.push_back({{AcGePoint2d(x0, y0), AcGePoint2d(x1, y1)}, {0.0}});
  }
  void poly(const std::vector<Vx>& vs, bool closed) {
    pline(vs, closed);
    Chain c;
    for (const Vx& v : vs) {
      c.pts.emplace_back(v.x, v.y);
      c.blgs.push_back(v.b);
    }
    if (closed) c.pts.push_back(c.pts.front());
    else c.blgs.pop_back();
    chains.push_back(std::move(c));
  }
  void disc(double x, double y, double r) {
    circle(x, y, r);
    chains.push_back({{AcGePoint2d(x + r, y), AcGePoint2d(x - r, y), AcGePoint2d(x + r, y)}, {1.0, 1.0}});
  }
  std::vector<Chain> chains;
};

}  // namespace

TEST_F(ContourGeos, RandomSegmentsGiveTheSameFacesOneByOne) {
  // Straight linework only, so that both sides see exactly the same
  // geometry; loose ends kept more than 1.0 apart.
  std::mt19937 rng(11);
  std::uniform_real_distribution<double> coord(0.0, 20000.0), len(500.0, 2500.0), ang(0.0, 2 * kPi);
  std::vector<AcGePoint2d> tips;
  while (chains.size() < 1500) {
    const double x = coord(rng), y = coord(rng), l = len(rng), a = ang(rng);
    const AcGePoint2d p(x, y), q(x + l * std::cos(a), y + l * std::sin(a));
    bool clear = true;
    for (const AcGePoint2d& t : tips) clear = clear && t.distanceTo(p) > 2.0 && t.distanceTo(q) > 2.0;
    if (!clear) continue;
    tips.push_back(p);
    tips.push_back(q);
    seg(p.x, p.y, q.x, q.y);
  }
  const Found f = search();
  std::vector<double> ref = geosFaces(chains);
  // Faces under 0.01 square units are not contours.
  ref.erase(ref.begin(), std::lower_bound(ref.begin(), ref.end(), 0.01));
  ASSERT_GT(ref.size(), 500u);
  ASSERT_EQ(f.faces.size(), ref.size());
  for (size_t i = 0; i < ref.size(); ++i) EXPECT_NEAR(f.faces[i], ref[i], 1e-7 * ref[i]) << i;
  EXPECT_EQ(stats.gapClosed, 0);
}

TEST_F(ContourGeos, AMixedPlanAddsUpToTheSameArea) {
  // Blocks with rounded corners, parcel lines across them, bulged ponds,
  // roundabouts and roads: about two thousand entities.
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  const double size = 200.0, street = 30.0, r = 12.0, corner = std::tan(kPi / 8.0);
  for (int bx = 0; bx < 18; ++bx) {
    for (int by = 0; by < 18; ++by) {
      const double x0 = bx * (size + street), y0 = by * (size + street);
      poly({{x0 + r, y0}, {x0 + size - r, y0, corner}, {x0 + size, y0 + r}, {x0 + size, y0 + size - r, corner},
            {x0 + size - r, y0 + size}, {x0 + r, y0 + size, corner}, {x0, y0 + size - r}, {x0, y0 + r, corner}},
           true);
      for (int k = 1; k <= 3; ++k) {
        const double t = x0 + size * k / 4.0 + (u(rng) - 0.5) * 20.0;
        seg(t, y0 + 5.0, t + (u(rng) - 0.5) * 30.0, y0 + size - 5.0);  // ends inside: loose
      }
      seg(x0 - 3.0, y0 + size * (0.3 + 0.4 * u(rng)), x0 + size + 3.0, y0 + size * (0.3 + 0.4 * u(rng)));
      const double cx = x0 + size * (0.3 + 0.4 * u(rng)), cy = y0 + size * (0.3 + 0.4 * u(rng));
      poly({{cx - 25, cy, 0.4}, {cx, cy - 18, 0.3}, {cx + 25, cy, 0.5}, {cx, cy + 18, 0.35}}, true);
      if ((bx + by) % 3 == 0) disc(x0 - street / 2, y0 - street / 2, 16.0 + 6.0 * u(rng));
    }
  }
  ASSERT_GT(input.length(), 2000);
  const Found f = search();
  std::vector<double> ref = geosFaces(chains);
  double refSum = 0.0;
  int refFaces = 0;
  for (double a : ref) {
    refSum += a;
    refFaces += a > 1.0 ? 1 : 0;
  }
  int faces = 0;
  for (double a : f.faces) faces += a > 1.0 ? 1 : 0;
  ASSERT_GT(refFaces, 1000);
  EXPECT_EQ(faces, refFaces);
  // Arcs followed in steps lose a little area on the GEOS side.
  EXPECT_NEAR(f.faceSum(), refSum, 2e-5 * refSum);
  EXPECT_EQ(stats.gapClosed, 0);
}

#endif
