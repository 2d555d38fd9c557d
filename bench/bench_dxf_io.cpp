// DXF throughput: a drawing of 200 000 lines and 20 000 lightweight
// polylines, all with extended data, written to a file and read back. Prints
// MB/s and entities/s of both directions and the peak memory of each.
//
// usage: bench_dxf_io [FILE [--read-only]]   (default
// /tmp/vesk_bench_dxf_io.dxf; the file is kept for bench/ezdxf_compare.py;
// --read-only reads a file written before, for profiling)
#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <string>

#include "arx/base/Resbuf.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbRegAppTable.h"
#include "arx/dxf/DxfFileIo.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbPolyline.h"

namespace {

constexpr int kLines = 200000;
constexpr int kPolylines = 20000;
constexpr int kVertices = 12;

// Peak resident memory since the last reset, in MB.
double peakMb() {
  std::ifstream in("/proc/self/status");
  std::string key;
  while (in >> key) {
    if (key == "VmHWM:") {
      double kb = 0;
      in >> kb;
      return kb / 1024.0;
    }
    std::getline(in, key);
  }
  struct rusage ru;
  getrusage(RUSAGE_SELF, &ru);
  return ru.ru_maxrss / 1024.0;
}

void resetPeak() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
}

double seconds(std::chrono::steady_clock::time_point a, std::chrono::steady_clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

std::unique_ptr<AcDbDatabase> makeDrawing() {
  auto db = std::make_unique<AcDbDatabase>();
  {
    AcDbRegAppTable* apps = nullptr;
    db->getRegAppTable(apps, AcDb::kForWrite);
    auto* app = new AcDbRegAppTableRecord();
    app->setName(L"VESKBENCH");
    apps->add(app);
    app->close();
    apps->close();
  }
  std::mt19937 rng(7);
  std::uniform_real_distribution<double> coord(0.0, 100000.0), step(-50.0, 50.0);
  AcDbBlockTableRecord* ms = nullptr;
  acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForWrite);
  for (int i = 0; i < kLines; ++i) {
    AcGePoint3d a(coord(rng), coord(rng), 0.0);
    auto* line = new AcDbLine(a, AcGePoint3d(a.x + step(rng), a.y + step(rng), 0.0));
    ms->appendAcDbEntity(line);
    ads_point p = {a.x, a.y, 0.0};
    resbuf* x = acutBuildList(1001, L"VESKBENCH", 1000, L"parcel boundary", 1070, i % 100, 1040, a.x * 0.5, 1010, p, 0);
    line->setXData(x);
    acutRelRb(x);
    line->close();
  }
  for (int i = 0; i < kPolylines; ++i) {
    auto* pl = new AcDbPolyline(kVertices);
    AcGePoint2d at(coord(rng), coord(rng));
    for (int k = 0; k < kVertices; ++k) pl->addVertexAt(k, AcGePoint2d(at.x + step(rng), at.y + step(rng)), k % 3 ? 0.0 : 0.25);
    pl->setClosed(true);
    ms->appendAcDbEntity(pl);
    resbuf* x = acutBuildList(1001, L"VESKBENCH", 1000, L"block outline", 1071, i, 1040, 3.25, 0);
    pl->setXData(x);
    acutRelRb(x);
    pl->close();
  }
  ms->close();
  return db;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : "/tmp/vesk_bench_dxf_io.dxf";
  std::wstring wpath(path.begin(), path.end());
  const int entities = kLines + kPolylines;
  const bool readOnly = argc > 2 && std::strcmp(argv[2], "--read-only") == 0;
  std::wstring error;
  struct stat st;
  if (readOnly) {
    stat(path.c_str(), &st);
    auto r0 = std::chrono::steady_clock::now();
    AcDbDatabase* db = nullptr;
    if (!vhost::readDxfFile(wpath, db, error)) return 1;
    auto r1 = std::chrono::steady_clock::now();
    const double t = seconds(r0, r1);
    std::printf("read:  %.1f MB in %.3f s = %.1f MB/s, %.0f objects/s, peak RSS %.0f MB (fresh process)\n",
                st.st_size / 1e6, t, st.st_size / 1e6 / t, db->approxNumObjects() / t, peakMb());
    delete db;
    return 0;
  }

  auto t0 = std::chrono::steady_clock::now();
  auto db = makeDrawing();
  auto t1 = std::chrono::steady_clock::now();
  std::printf("drawing: %d lines + %d polylines (%d vertices each), extended data on all: built in %.2f s\n", kLines,
              kPolylines, kVertices, seconds(t0, t1));

  resetPeak();
  const double before = peakMb();
  t0 = std::chrono::steady_clock::now();
  if (!vhost::saveDxfFile(db.get(), wpath, false, error)) {
    std::fprintf(stderr, "write failed\n");
    return 1;
  }
  t1 = std::chrono::steady_clock::now();
  const double writePeak = peakMb();
  stat(path.c_str(), &st);
  const double mb = st.st_size / 1e6;
  const double tw = seconds(t0, t1);
  std::printf("write: %.1f MB in %.3f s = %.1f MB/s, %.0f entities/s, peak RSS %.0f MB (%.0f MB before)\n", mb, tw,
              mb / tw, entities / tw, writePeak, before);
  db.reset();

  resetPeak();
  t0 = std::chrono::steady_clock::now();
  AcDbDatabase* read = nullptr;
  if (!vhost::readDxfFile(wpath, read, error)) {
    std::fprintf(stderr, "read failed\n");
    return 1;
  }
  t1 = std::chrono::steady_clock::now();
  const double readPeak = peakMb();
  const double tr = seconds(t0, t1);
  std::printf("read:  %.1f MB in %.3f s = %.1f MB/s, %.0f entities/s, peak RSS %.0f MB\n", mb, tr, mb / tr,
              entities / tr, readPeak);
  std::printf("objects read: %d; file kept at %s\n", static_cast<int>(read->approxNumObjects()), path.c_str());
  delete read;
  return 0;
}
