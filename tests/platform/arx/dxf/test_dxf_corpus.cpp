// The corpus: drawings made by an independent writer (ezdxf) and by ours
// read, written and read again give the same database, and every file we
// write passes the independent reader's audit.
#include <gtest/gtest.h>
#include <dirent.h>

#include <algorithm>
#include <memory>

#include "DxfTestSupport.h"
#include "arx/dxf/DxfFileIo.h"
#include "arx/entities/AcDbText.h"

using namespace dxftest;

namespace {

std::vector<std::string> dxfFilesIn(const std::string& dir) {
  std::vector<std::string> out;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d)) {
      std::string n = e->d_name;
      if (n.size() > 4 && n.substr(n.size() - 4) == ".dxf") out.push_back(dir + "/" + n);
    }
    closedir(d);
  }
  std::sort(out.begin(), out.end());
  return out;
}

std::unique_ptr<AcDbDatabase> read(const std::string& path, std::vector<std::wstring>* warnings = nullptr) {
  AcDbDatabase* db = nullptr;
  std::wstring error;
  EXPECT_TRUE(vhost::readDxfFile(widen(path), db, error, warnings)) << narrow(error);
  return std::unique_ptr<AcDbDatabase>(db);
}

bool hasText(AcDbDatabase* db, const std::wstring& text) {
  bool found = false;
  db->forEachStub([&](const vhost::Stub& s) {
    AcDbText* t = nullptr;
    if (AcDbText::cast(s.object) &&
        acdbOpenObject(t, AcDbObjectId(const_cast<vhost::Stub*>(&s)), AcDb::kForRead) == Acad::eOk) {
      if (std::wstring(t->textStringConst()) == text) found = true;
      t->close();
    }
  });
  return found;
}

// Read, write, read, write: the databases read agree, the files written agree.
void roundTrip(const std::string& path, const ScratchDir& out, std::vector<std::string>& written) {
  SCOPED_TRACE(path);
  auto db1 = read(path);
  ASSERT_TRUE(db1);
  const std::string base = path.substr(path.find_last_of('/') + 1);
  const std::string p1 = out.path("1_" + base), p2 = out.path("2_" + base);
  ASSERT_EQ(db1->saveAs(widen(p1).c_str()), Acad::eOk) << narrow(vhost::lastFileError());
  auto db2 = read(p1);
  ASSERT_TRUE(db2);
  expectSameDatabase(db1.get(), db2.get());
  ASSERT_EQ(db2->saveAs(widen(p2).c_str()), Acad::eOk) << narrow(vhost::lastFileError());
  EXPECT_EQ(firstDifference(readFile(p1), readFile(p2)), "");
  written.push_back(p1);
}

}  // namespace

TEST(DxfCorpus, CheckedInDrawingsRoundTrip) {
  ScratchDir out;
  std::vector<std::string> written;
  const auto files = dxfFilesIn(VESK_DXF_TEST_DATA);
  ASSERT_FALSE(files.empty());
  for (const std::string& f : files) roundTrip(f, out, written);
  const std::string py = ezdxfPython();
  if (py.empty()) GTEST_SKIP() << "ezdxf is not installed (python3 -c 'import ezdxf' fails): audit skipped";
  std::string cmd = py + " " VESK_DXF_TEST_DATA "/audit.py";
  for (const std::string& w : written) cmd += " '" + w + "'";
  std::string report;
  EXPECT_EQ(run(cmd, &report), 0) << report;
}

TEST(DxfCorpus, EzdxfDrawingsRoundTripAndOurFilesPassItsAudit) {
  const std::string py = ezdxfPython();
  if (py.empty()) GTEST_SKIP() << "ezdxf is not installed (python3 -c 'import ezdxf' fails)";
  ScratchDir made, out;
  std::string report;
  ASSERT_EQ(run(py + " " VESK_DXF_TEST_DATA "/make_corpus.py '" + made.dir() + "'", &report), 0) << report;
  const auto files = dxfFilesIn(made.dir());
  ASSERT_EQ(files.size(), 5u);
  std::vector<std::string> written;
  for (const std::string& f : files) roundTrip(f, out, written);
  std::string cmd = py + " " VESK_DXF_TEST_DATA "/audit.py";
  for (const std::string& w : written) cmd += " '" + w + "'";
  EXPECT_EQ(run(cmd, &report), 0) << report;

  // The GBK text of the AC1015 drawing, and the same text as \U+ escapes,
  // read as what they say.
  for (const char* name : {"ezdxf_r2000_gbk.dxf", "ezdxf_r2000_escapes.dxf"}) {
    SCOPED_TRACE(name);
    auto db = read(made.path(name));
    ASSERT_TRUE(db);
    EXPECT_TRUE(hasText(db.get(), L"中文说明"));
  }
}
