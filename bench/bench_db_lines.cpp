// Creating, opening and iterating a million lines in model space: time per
// line, and heap bytes per line (everything the database holds for it: the
// object, its id record, handle index and place in the block).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>
#include <random>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/entities/AcDbLine.h"

namespace {

constexpr int kLines = 1000000;

size_t heapInUse() { return mallinfo2().uordblks; }

void fillModelSpace(AcDbDatabase* db, int count) {
  std::mt19937 rng(42);
  std::uniform_real_distribution<double> coord(0.0, 10000.0), step(-50.0, 50.0);
  AcDbBlockTableRecord* ms = nullptr;
  acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite);
  for (int i = 0; i < count; ++i) {
    AcGePoint3d a(coord(rng), coord(rng), 0.0);
    auto* line = new AcDbLine(a, AcGePoint3d(a.x + step(rng), a.y + step(rng), 0.0));
    AcDbObjectId id;
    ms->appendAcDbEntity(id, line);
    line->close();
  }
  ms->close();
}

AcDbObjectIdArray modelSpaceIds(AcDbDatabase* db) {
  AcDbObjectIdArray ids;
  AcDbBlockTableRecord* ms = nullptr;
  acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForRead);
  AcDbBlockTableRecordIterator* it = nullptr;
  ms->newIterator(it);
  for (; !it->done(); it->step()) {
    AcDbObjectId id;
    it->getEntityId(id);
    ids.append(id);
  }
  delete it;
  ms->close();
  return ids;
}

void BM_CreateLines(benchmark::State& state) {
  double bytesPerLine = 0;
  for (auto _ : state) {
    state.PauseTiming();
    std::unique_ptr<AcDbDatabase> db(new AcDbDatabase());
    size_t before = heapInUse();
    state.ResumeTiming();
    fillModelSpace(db.get(), kLines);
    state.PauseTiming();
    bytesPerLine = double(heapInUse() - before) / kLines;
    db.reset();
    state.ResumeTiming();
  }
  state.counters["bytes_per_line"] = bytesPerLine;
  state.counters["lines_per_s"] = benchmark::Counter(double(kLines) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CreateLines)->Unit(benchmark::kMillisecond)->Iterations(2);

struct Filled {
  std::unique_ptr<AcDbDatabase> db{new AcDbDatabase()};
  AcDbObjectIdArray ids;
  Filled() {
    fillModelSpace(db.get(), kLines);
    ids = modelSpaceIds(db.get());
  }
};
Filled& filled() {
  static Filled f;
  return f;
}

void BM_OpenReadCloseLines(benchmark::State& state) {
  Filled& f = filled();
  double sum = 0;
  for (auto _ : state) {
    for (const AcDbObjectId& id : f.ids) {
      AcDbLine* line = nullptr;
      if (acdbOpenObject(line, id, AcDb::kForRead) == Acad::eOk) {
        sum += line->startPoint().x;
        line->close();
      }
    }
  }
  benchmark::DoNotOptimize(sum);
  state.counters["opens_per_s"] = benchmark::Counter(double(kLines) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OpenReadCloseLines)->Unit(benchmark::kMillisecond);

void BM_OpenWriteCloseLines(benchmark::State& state) {
  Filled& f = filled();
  for (auto _ : state) {
    for (const AcDbObjectId& id : f.ids) {
      AcDbLine* line = nullptr;
      if (acdbOpenObject(line, id, AcDb::kForWrite) == Acad::eOk) {
        AcGePoint3d p = line->endPoint();
        line->setEndPoint(AcGePoint3d(p.x, p.y, 0.0));
        line->close();
      }
    }
  }
  state.counters["writes_per_s"] = benchmark::Counter(double(kLines) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OpenWriteCloseLines)->Unit(benchmark::kMillisecond);

void BM_IterateModelSpace(benchmark::State& state) {
  Filled& f = filled();
  double sum = 0;
  for (auto _ : state) {
    AcDbBlockTableRecord* ms = nullptr;
    acdbOpenObject(ms, f.db->modelSpaceId(), AcDb::kForRead);
    AcDbBlockTableRecordIterator* it = nullptr;
    ms->newIterator(it);
    for (; !it->done(); it->step()) {
      AcDbEntity* ent = nullptr;
      if (it->getEntity(ent, AcDb::kForRead) == Acad::eOk) {
        sum += AcDbLine::cast(ent)->endPoint().y;
        ent->close();
      }
    }
    delete it;
    ms->close();
  }
  benchmark::DoNotOptimize(sum);
  state.counters["entities_per_s"] = benchmark::Counter(double(kLines) * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_IterateModelSpace)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
