// Resolving standard items to drawing layers (VeskDB::gpGetLayerParam) on a
// standards database of 2 000 layer rows: calls per second when the item is
// resolved for the first time (the database row is read and the layer made
// with its colour, lineweight and linetype) and when the binding is already
// in the drawing.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "veskcad/standards/CCustomDatabase.h"
#include "veskcad/standards/LayerApplication.h"
#include "veskdata/CFADO.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRows = 2000;

const wchar_t* kLayerTableSql =
    L"CREATE TABLE 图层 (LayerID COUNTER PRIMARY KEY, LayerType TEXT(10), ItemCode TEXT(255), ItemApp TEXT(100), "
    L"Item TEXT(100), GpOrder TEXT(20), remark TEXT(255), LayerName TEXT(255), Color TEXT(20), LineType TEXT(50), "
    L"LineTypeScale SINGLE DEFAULT 1, LineWidth DOUBLE DEFAULT 0, TextType TEXT(50), TextTypeScale DOUBLE DEFAULT "
    L"0.75, TextHeight DOUBLE DEFAULT 0, EntType TEXT(50), ActionCmd TEXT(255), Off INTEGER DEFAULT 0, Frozen "
    L"INTEGER DEFAULT 0, VPDFLT INTEGER DEFAULT 0, Locked INTEGER DEFAULT 0, OwnerGroup LONG DEFAULT 1023, "
    L"CreateLayer INTEGER DEFAULT 0, Weight INTEGER DEFAULT 0, Expand1 TEXT(255), Expand2 TEXT(255), Expand3 "
    L"TEXT(255), Expand4 TEXT(255), Expand5 TEXT(255), Expand6 TEXT(255))";

CString itemName(int i) {
  CString s;
  s.Format(L"项目%04d", i);
  return s;
}

// A scratch standards database "default.mdb" with kRows system rows: every
// other row a true colour "(r,g,b)", the rest colour indexes; linetypes and
// lineweights in turn.
class ScratchStandards {
 public:
  ScratchStandards() {
    dir_ = fs::temp_directory_path() / ("vesk_bench_layer_param_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    const CString folder = CString::FromUtf8(dir_.u8string()) + L"/";
    {
      CFADO ado;
      if (!ado.CreateNewDatabase(folder + L"default.mdb", L"kaplorn", ado.GetConn())) std::abort();
      if (!ado.ExeSQL(kLayerTableSql, ado.GetConn())) std::abort();
      static const wchar_t* linetypes[] = {L"CONTINUOUS", L"DASHED", L"CENTER", L"DASHDOT", L"HIDDEN", L"PHANTOM"};
      static const int weights[] = {13, 18, 25, 35, 50, -3};
      ado.BeginTrans(ado.GetConn());
      for (int i = 0; i < kRows; ++i) {
        CString color;
        if (i % 2 == 0)
          color.Format(L"(%d,%d,%d)", i % 256, (i * 7) % 256, (i * 13) % 256);
        else
          color.Format(L"%d", 1 + i % 250);
        CString sql;
        sql.Format(
            L"INSERT INTO 图层 (LayerType, ItemCode, Item, LayerName, Color, Weight, LineType, OwnerGroup, GpOrder, "
            L"CreateLayer) VALUES ('S', 'C%04d', '%s', '图层%04d', '%s', %d, '%s', 1, '%03d', 1)",
            i, static_cast<const wchar_t*>(itemName(i)), i, static_cast<const wchar_t*>(color), weights[i % 6],
            linetypes[i % 6], i % 100);
        if (!ado.ExeSQL(sql, ado.GetConn())) std::abort();
      }
      ado.CommitTrans(ado.GetConn());
      ado.CloseConn(ado.GetConn());
    }
    db_ = std::make_unique<VeskDB::CCustomDatabase>(folder);
    if (!db_->Open()) std::abort();
  }
  ~ScratchStandards() {
    db_.reset();
    fs::remove_all(dir_);
  }
  VeskDB::CCustomDatabase* get() { return db_.get(); }

 private:
  fs::path dir_;
  std::unique_ptr<VeskDB::CCustomDatabase> db_;
};

ScratchStandards& standards() {
  static ScratchStandards s;
  return s;
}

// A new drawing made the working database.
std::unique_ptr<AcDbDatabase> freshDrawing() {
  auto drawing = std::make_unique<AcDbDatabase>(true);
  acdbHostApplicationServices()->setWorkingDatabase(drawing.get());
  return drawing;
}

void BM_LayerParamCold(benchmark::State& state) {
  VeskDB::CCustomDatabase* db = standards().get();
  std::unique_ptr<AcDbDatabase> drawing = freshDrawing();
  int i = 0;
  int64_t resolved = 0;
  for (auto _ : state) {
    if (i == kRows) {  // every item of this drawing resolved: start a new one
      state.PauseTiming();
      acdbHostApplicationServices()->setWorkingDatabase(nullptr);
      drawing = freshDrawing();
      i = 0;
      state.ResumeTiming();
    }
    vesk::LAYERPARAM p;
    resolved += VeskDB::gpGetLayerParam(itemName(i++), p, db);
  }
  if (resolved != static_cast<int64_t>(state.iterations())) state.SkipWithError("an item did not resolve");
  state.SetItemsProcessed(state.iterations());
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}

void BM_LayerParamWarm(benchmark::State& state) {
  VeskDB::CCustomDatabase* db = standards().get();
  std::unique_ptr<AcDbDatabase> drawing = freshDrawing();
  for (int i = 0; i < kRows; ++i) {
    vesk::LAYERPARAM p;
    if (!VeskDB::gpGetLayerParam(itemName(i), p, db)) state.SkipWithError("an item did not resolve");
  }
  int i = 0;
  int64_t resolved = 0;
  for (auto _ : state) {
    vesk::LAYERPARAM p;
    resolved += VeskDB::gpGetLayerParam(itemName(i), p, db);
    i = (i + 1) % kRows;
  }
  if (resolved != static_cast<int64_t>(state.iterations())) state.SkipWithError("an item did not resolve");
  state.SetItemsProcessed(state.iterations());
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}

}  // namespace

BENCHMARK(BM_LayerParamCold)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LayerParamWarm)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
