// Standards look-ups through VeskData: a keyed database with a generated
// 2 000-row layer table of the 2013 layout, queried the way the standards
// code queries it (GetRecord, then a few fields read), in statements per
// second; and the cost of translating the Access statements alone, with and
// without the translation cache.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "veskdata/AccessSqlTranslator.h"
#include "veskdata/CFADO.h"

namespace {

constexpr int kRows = 2000;
constexpr int kHotItems = 64;  // items a drawing session keeps asking for

CString ItemName(int i) {
  CString s;
  s.Format(L"规划要素%04d", i);
  return s;
}

CString Membership(int mask) {
  CString s;
  for (int i = 0; i < 16; ++i) {
    CString term;
    term.Format(L"(int(OwnerGroup/2^%2d)-2*int(OwnerGroup/2^%2d))*(int(%d/2^%2d)-2*int(%d/2^%2d))", i, i + 1, mask, i,
                mask, i + 1);
    if (i > 0) s += L"+";
    s += term;
  }
  return s + L"<>0";
}

// One database for the whole program, removed at exit.
struct LayerDatabase {
  std::string path;
  CFADO ado;

  LayerDatabase() {
    char dir[] = "/tmp/vkbench-XXXXXX";
    path = std::string(::mkdtemp(dir)) + "/default_Layer2013.mdb";
    CADOConnection* c = ado.GetConn();
    if (!ado.CreateNewDatabase(CString::FromUtf8(path), L"kaplorn", c)) Fail();
    ado.BeginTrans(c);
    Run(L"create table 控规图层 (LayerID counter, LayerType text(10), ItemCode text(255), ItemApp text(50), "
        L"Item text(100), GpOrder text(50), remark text(255), LayerName text(100), Color text(50), "
        L"Linetype text(50), LineTypeScale single default 1, LineWidth double, TextType text(50), "
        L"TextTypeScale double, TextHeight double, EntType text(50), ActionCmd text(100), Off integer, "
        L"Frozen integer, VPDFLT integer, Locked integer, OwnerGroup long, CreateLayer integer, Weight integer, "
        L"Expand1 text(50), Expand2 text(50), Expand3 text(50), Expand4 text(50), Expand5 text(50), "
        L"Expand6 text(50))");
    for (int i = 0; i < kRows; ++i) {
      const bool user = i % 10 == 9;
      CString sql;
      sql.Format(L"insert into 控规图层 (LayerType,ItemCode,ItemApp,Item,GpOrder,remark,LayerName,Color,Linetype,"
                 L"LineTypeScale,LineWidth,TextType,TextTypeScale,TextHeight,EntType,ActionCmd,Off,Frozen,VPDFLT,"
                 L"Locked,OwnerGroup,CreateLayer,Weight,Expand1,Expand2,Expand3,Expand4,Expand5,Expand6) values "
                 L"('%s','%d','规划','%s','%04d','','图层%04d','%s','%s',%f,%f,'Standard',%f,%f,'','',0,0,0,0,%d,1,"
                 L"%d,'','','','','','')",
                 user ? L"U" : L"S", 100000 + i, ItemName(i).GetString(), i, i,
                 i % 3 == 0 ? L"(255,0,0)" : L"7", i % 2 ? L"DASHED" : L"CONTINUOUS", 1.0, 0.0, 0.75, 0.0,
                 1 << (i % 12), 25);
      Run(sql);
    }
    // The same rows with an index on Item, as a build script may declare it.
    Run(L"create table 公共图层 (LayerID counter, LayerType text(10), ItemCode text(255), ItemApp text(50), "
        L"Item text(100), GpOrder text(50), remark text(255), LayerName text(100), Color text(50), "
        L"Linetype text(50), LineTypeScale single default 1, LineWidth double, TextType text(50), "
        L"TextTypeScale double, TextHeight double, EntType text(50), ActionCmd text(100), Off integer, "
        L"Frozen integer, VPDFLT integer, Locked integer, OwnerGroup long, CreateLayer integer, Weight integer, "
        L"Expand1 text(50), Expand2 text(50), Expand3 text(50), Expand4 text(50), Expand5 text(50), "
        L"Expand6 text(50))");
    Run(L"insert into 公共图层 select * from 控规图层");
    Run(L"create index 公共图层_Item on 公共图层 (Item)");
    ado.CommitTrans(c);
  }
  ~LayerDatabase() {
    ado.CloseConn(ado.GetConn());
    std::remove(path.c_str());
    ::rmdir(path.substr(0, path.rfind('/')).c_str());
  }
  void Run(const CString& sql) {
    if (!ado.ExeSQL(sql, ado.GetConn())) Fail();
  }
  [[noreturn]] void Fail() {
    std::fprintf(stderr, "bench setup failed: %s\n", ado.GetLastError().ToUtf8().c_str());
    std::exit(1);
  }
};

LayerDatabase& Db() {
  static LayerDatabase db;
  return db;
}

// Reads what the classic get reads from the first row.
void ReadLayerRow(CADORecordset& rs) {
  CString name, color, linetype;
  int group = 0, weight = 0;
  double scale = 0;
  rs.MoveFirst();
  if (rs.IsEof()) std::abort();
  rs.GetFieldValue(L"LayerName", name);
  rs.GetFieldValue(L"Color", color);
  rs.GetFieldValue(L"LineType", linetype);
  rs.GetFieldValue(L"OwnerGroup", group);
  rs.GetFieldValue(L"Weight", weight);
  rs.GetFieldValue(L"LineTypeScale", scale);
  benchmark::DoNotOptimize(group + weight + scale + name.GetLength());
}

// The classic get: "select * from T where item = '%s'" over `spread` items;
// range(1) = 1 for the table with an index on Item.
void BM_LookupByItem(benchmark::State& state) {
  LayerDatabase& db = Db();
  const int spread = static_cast<int>(state.range(0));
  const wchar_t* table = state.range(1) ? L"公共图层" : L"控规图层";
  std::vector<CString> sql;
  for (int i = 0; i < spread; ++i) {
    CString s;
    s.Format(L"select * from %s where item = '%s'", table, ItemName((i * 7919) % kRows).GetString());
    sql.push_back(s);
  }
  std::size_t k = 0;
  for (auto _ : state) {
    CADORecordset rs;
    if (!db.ado.GetRecord(&rs, sql[k++ % sql.size()], db.ado.GetConn())) std::abort();
    ReadLayerRow(rs);
  }
  state.SetItemsProcessed(state.iterations());
  state.SetLabel(std::string(spread <= kHotItems ? "repeated items (translations cached)"
                                                  : "every item (translated each time)") +
                 (state.range(1) ? ", Item indexed" : ", no index"));
}
BENCHMARK(BM_LookupByItem)->Args({kHotItems, 0})->Args({kRows, 0})->Args({kHotItems, 1})->Args({kRows, 1});

// The 2013 get: by name or code, system rows first.
void BM_LookupByItemOrCode2013(benchmark::State& state) {
  LayerDatabase& db = Db();
  std::vector<CString> sql;
  for (int i = 0; i < kHotItems; ++i) {
    CString s;
    s.Format(L"select * FROM %s where (%s='%d' or %s='%d') order by %s ", L"控规图层", L"Item", 100000 + i * 31,
             L"ItemCode", 100000 + i * 31, L"LayerType");
    sql.push_back(s);
  }
  std::size_t k = 0;
  for (auto _ : state) {
    CADORecordset rs;
    if (!db.ado.GetRecord(&rs, sql[k++ % sql.size()], db.ado.GetConn())) std::abort();
    ReadLayerRow(rs);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LookupByItemOrCode2013);

// A group listing: the 16-bit membership predicate over the whole table.
void BM_GroupListing(benchmark::State& state) {
  LayerDatabase& db = Db();
  const CString sql = L"select * from 控规图层 where " + Membership(8);
  long rows = 0;
  for (auto _ : state) {
    CADORecordset rs;
    if (!db.ado.GetRecord(&rs, sql, db.ado.GetConn())) std::abort();
    CString name;
    for (rs.MoveFirst(); !rs.IsEof(); rs.MoveNext()) {
      rs.GetFieldValue(L"LayerName", name);
      ++rows;
    }
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["rows"] = benchmark::Counter(static_cast<double>(rows) / state.iterations());
  state.counters["scanned_rows/s"] = benchmark::Counter(static_cast<double>(kRows) * state.iterations(),
                                                        benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GroupListing)->Unit(benchmark::kMillisecond);

const wchar_t* const kLookup = L"select * from 控规图层 where item = '规划要素0042'";

// Translation alone, parse and emit every time (column types from the
// connection's schema, already read).
void BM_TranslateLookup_NoCache(benchmark::State& state) {
  LayerDatabase& db = Db();
  veskdata::AccessSqlTranslator translator(&db.ado.GetConn()->Schema());
  for (auto _ : state) benchmark::DoNotOptimize(translator.Translate(kLookup));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TranslateLookup_NoCache);

void BM_TranslateLookup_Cached(benchmark::State& state) {
  LayerDatabase& db = Db();
  veskdata::TranslatedSql out;
  CString error, sql(kLookup);
  for (auto _ : state) {
    if (!db.ado.GetConn()->Translate(sql, out, error)) std::abort();
    benchmark::DoNotOptimize(out.sql.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TranslateLookup_Cached);

void BM_TranslateMembership_NoCache(benchmark::State& state) {
  LayerDatabase& db = Db();
  veskdata::AccessSqlTranslator translator(&db.ado.GetConn()->Schema());
  const std::wstring sql = std::wstring(L"select * from 控规图层 where ") + Membership(1023).GetString();
  for (auto _ : state) benchmark::DoNotOptimize(translator.Translate(sql));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TranslateMembership_NoCache);

void BM_TranslateRelationUpdate_NoCache(benchmark::State& state) {
  LayerDatabase& db = Db();
  veskdata::AccessSqlTranslator translator(&db.ado.GetConn()->Schema());
  const std::wstring sql =
      L"update \t(select * from 控规图层 where (LayerType='U' or LayerType='UR') and (ItemCode is null or "
      L"ItemCode='')) a, \t(select * from 控规图层 where (LayerType='S' or LayerType='SR')) b \tset "
      L"a.ItemCode=b.ItemCode,a.ItemApp=b.ItemApp,a.LineTypeScale=b.LineTypeScale,a.LineWidth=b.LineWidth,"
      L"a.TextType=b.TextType,a.TextTypeScale=b.TextTypeScale,a.TextHeight=b.TextHeight,a.EntType=b.EntType,"
      L"a.ActionCmd=b.ActionCmd,a.Expand1=b.Expand1,a.Expand2=b.Expand2,a.Expand3=b.Expand3,a.Expand4=b.Expand4,"
      L"a.Expand5=b.Expand5,a.Expand6=b.Expand6 \twhere (a.Item=b.Item and a.Item is not null and a.Item<>'' and "
      L"left(a.Item,1)<>'U' ) ";
  for (auto _ : state) benchmark::DoNotOptimize(translator.Translate(sql));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TranslateRelationUpdate_NoCache);

}  // namespace

BENCHMARK_MAIN();
