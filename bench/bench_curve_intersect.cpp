// Entity-level intersectWith throughput: pairs per second for line/line,
// line/arc, arc/arc and lightweight polyline/polyline (with bulges). The
// entities are not in a database (as the geometry tools build their query
// curves in memory). Coordinates are surveying-style (x ≈ 500 km, y ≈ 3500 km)
// in a 10 km square; pieces are 1 to 100 units long and the two entities of a
// pair pass near one point, so most pairs meet ("points/pair" reports how
// many points a pair gives on average). The polylines are parcel outlines of
// 8 to 40 vertices about 200 units across, a quarter of their segments arcs,
// paired with a neighbour that overlaps them.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbPolyline.h"

namespace {

constexpr double kX0 = 500000.0, kY0 = 3500000.0;

enum Kind { kLine, kArc };

std::unique_ptr<AcDbCurve> randomCurve(std::mt19937_64& rng, double cx, double cy, Kind kind) {
  std::uniform_real_distribution<double> u(0.0, 1.0);
  const double len = std::pow(10.0, 2.0 * u(rng));  // 1 .. 100, log-uniform
  const double mx = cx + 0.2 * len * (u(rng) - 0.5), my = cy + 0.2 * len * (u(rng) - 0.5);
  if (kind == kLine) {
    const double ang = 6.283185307179586 * u(rng);
    const AcGeVector3d h(0.5 * len * std::cos(ang), 0.5 * len * std::sin(ang), 0.0);
    return std::make_unique<AcDbLine>(AcGePoint3d(mx, my, 0) - h, AcGePoint3d(mx, my, 0) + h);
  }
  // An arc of radius len/2 whose circle passes near the point.
  const double r = 0.5 * len, a = 6.283185307179586 * u(rng);
  const AcGePoint3d c(mx + r * std::cos(a), my + r * std::sin(a), 0);
  const double span = 0.5 + 4.0 * u(rng);
  const double start = a + 3.141592653589793 - 0.5 * span;
  return std::make_unique<AcDbArc>(c, r, start, start + span);
}

struct PairSet {
  std::vector<std::unique_ptr<AcDbCurve>> first, second;
};

PairSet makePairs(Kind a, Kind b, std::size_t n = 4096) {
  std::mt19937_64 rng(20240611);
  std::uniform_real_distribution<double> u(0.0, 10000.0);
  PairSet set;
  for (std::size_t i = 0; i < n; ++i) {
    const double cx = kX0 + u(rng), cy = kY0 + u(rng);
    set.first.push_back(randomCurve(rng, cx, cy, a));
    set.second.push_back(randomCurve(rng, cx, cy, b));
  }
  return set;
}

// A star-shaped parcel outline around (cx, cy) with some arc segments.
std::unique_ptr<AcDbPolyline> parcel(std::mt19937_64& rng, double cx, double cy) {
  std::uniform_real_distribution<double> u(0.0, 1.0);
  const int n = 8 + static_cast<int>(33 * u(rng));
  auto pl = std::make_unique<AcDbPolyline>(n);
  for (int i = 0; i < n; ++i) {
    const double ang = 6.283185307179586 * (i + 0.3 * u(rng)) / n;
    const double r = 70.0 + 30.0 * u(rng);
    const double bulge = u(rng) < 0.25 ? (u(rng) - 0.5) * 0.8 : 0.0;
    pl->addVertexAt(i, AcGePoint2d(cx + r * std::cos(ang), cy + r * std::sin(ang)), bulge);
  }
  pl->setClosed(true);
  return pl;
}

PairSet makeParcels(std::size_t n = 1024) {
  std::mt19937_64 rng(20240612);
  std::uniform_real_distribution<double> u(0.0, 10000.0), d(-120.0, 120.0);
  PairSet set;
  for (std::size_t i = 0; i < n; ++i) {
    const double cx = kX0 + u(rng), cy = kY0 + u(rng);
    set.first.push_back(parcel(rng, cx, cy));
    set.second.push_back(parcel(rng, cx + d(rng), cy + d(rng)));
  }
  return set;
}

void run(benchmark::State& state, const PairSet& set) {
  AcGePoint3dArray pts;
  std::size_t i = 0, pairs = 0, found = 0;
  for (auto _ : state) {
    pts.removeAll();
    set.first[i]->intersectWith(set.second[i].get(), AcDb::kOnBothOperands, pts);
    found += static_cast<std::size_t>(pts.length());
    benchmark::DoNotOptimize(pts.asArrayPtr());
    ++pairs;
    if (++i == set.first.size()) i = 0;
  }
  state.SetItemsProcessed(static_cast<int64_t>(pairs));
  state.counters["points/pair"] = pairs ? double(found) / double(pairs) : 0.0;
}

void BM_LineLine(benchmark::State& state) {
  static const PairSet set = makePairs(kLine, kLine);
  run(state, set);
}
void BM_LineArc(benchmark::State& state) {
  static const PairSet set = makePairs(kLine, kArc);
  run(state, set);
}
void BM_ArcArc(benchmark::State& state) {
  static const PairSet set = makePairs(kArc, kArc);
  run(state, set);
}
void BM_PolylinePolylineBulged(benchmark::State& state) {
  static const PairSet set = makeParcels();
  run(state, set);
}

}  // namespace

BENCHMARK(BM_LineLine);
BENCHMARK(BM_LineArc);
BENCHMARK(BM_ArcArc);
BENCHMARK(BM_PolylinePolylineBulged);

BENCHMARK_MAIN();
