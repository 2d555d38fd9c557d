// Intersection throughput of bulged pieces: pairs per second for straight/straight,
// straight/arc and arc/arc pairs. Pieces are 1 to 100 units long in a 10 km square;
// the two pieces of a pair pass near one cluster point, so that most pairs cross
// ("meeting" reports the share). A last case spreads the pieces over the whole
// square, where the box test rejects nearly every pair.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "arx/ge/BulgePiece.h"

using VeskGe::BulgePiece;
using VeskGe::PieceIntersection;

namespace {

enum Kind { kLine, kArc, kAny };

struct PairSet {
  std::vector<BulgePiece> first, second;
};

// A piece passing near (cx, cy): its midpoint lies within a fifth of its length of it.
BulgePiece randomPiece(std::mt19937_64& rng, double cx, double cy, Kind kind) {
  std::uniform_real_distribution<double> u(0.0, 1.0);
  const double len = std::pow(10.0, 2.0 * u(rng));  // 1 .. 100, log-uniform
  const double ang = 6.283185307179586 * u(rng);
  const double mx = cx + 0.2 * len * (u(rng) - 0.5), my = cy + 0.2 * len * (u(rng) - 0.5);
  const double x = mx - 0.5 * len * std::cos(ang), y = my - 0.5 * len * std::sin(ang);
  double bulge = 0.0;
  if (kind == kArc || (kind == kAny && u(rng) < 0.3)) {
    bulge = 0.05 + 1.45 * u(rng);  // up to a three-quarter arc
    if (u(rng) < 0.5) bulge = -bulge;
  }
  return BulgePiece(AcGePoint2d(x, y), AcGePoint2d(x + len * std::cos(ang), y + len * std::sin(ang)), bulge);
}

PairSet makePairs(Kind a, Kind b, bool clustered, std::size_t n = 8192) {
  std::mt19937_64 rng(20240501);
  std::uniform_real_distribution<double> u(0.0, 10000.0);
  PairSet set;
  set.first.reserve(n);
  set.second.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const double cx = u(rng), cy = u(rng);
    set.first.push_back(randomPiece(rng, cx, cy, a));
    const double ox = clustered ? cx : u(rng), oy = clustered ? cy : u(rng);
    set.second.push_back(randomPiece(rng, ox, oy, b));
  }
  return set;
}

void runPairs(benchmark::State& state, const PairSet& set) {
  const std::size_t n = set.first.size();
  std::size_t i = 0;
  long long contacts = 0, pairs = 0;
  for (auto _ : state) {
    const PieceIntersection r = set.first[i].intersectWith(set.second[i]);
    benchmark::DoNotOptimize(r);
    contacts += (r.numPoints > 0 || r.numOverlaps > 0) ? 1 : 0;
    ++pairs;
    if (++i == n) i = 0;
  }
  state.SetItemsProcessed(pairs);
  state.counters["meeting"] = pairs ? double(contacts) / double(pairs) : 0.0;
}

void BM_LineLine(benchmark::State& state) {
  static const PairSet set = makePairs(kLine, kLine, true);
  runPairs(state, set);
}
void BM_LineArc(benchmark::State& state) {
  static const PairSet set = makePairs(kLine, kArc, true);
  runPairs(state, set);
}
void BM_ArcArc(benchmark::State& state) {
  static const PairSet set = makePairs(kArc, kArc, true);
  runPairs(state, set);
}
void BM_MixedSpread(benchmark::State& state) {
  static const PairSet set = makePairs(kAny, kAny, false);
  runPairs(state, set);
}

}  // namespace

BENCHMARK(BM_LineLine);
BENCHMARK(BM_LineArc);
BENCHMARK(BM_ArcArc);
BENCHMARK(BM_MixedSpread);

BENCHMARK_MAIN();
