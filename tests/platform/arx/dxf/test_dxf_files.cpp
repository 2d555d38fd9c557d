// Files: saving atomically with or without a backup, failures that leave the
// old file as it was, and the ".dwg" names a drawing may be opened under.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <dirent.h>

#include <memory>

#include "DxfTestSupport.h"
#include "arx/dxf/DxfFileIo.h"
#include "arx/entities/AcDbLine.h"

using namespace dxftest;

namespace {

std::unique_ptr<AcDbDatabase> drawingWithLines(int n) {
  auto db = std::make_unique<AcDbDatabase>();
  for (int i = 0; i < n; ++i) addToSpace(db.get(), new AcDbLine(AcGePoint3d(i, 0, 0), AcGePoint3d(i, 1, 0)));
  return db;
}

int filesIn(const std::string& dir) {
  int n = 0;
  if (DIR* d = opendir(dir.c_str())) {
    while (dirent* e = readdir(d))
      if (e->d_name[0] != '.') ++n;
    closedir(d);
  }
  return n;
}

}  // namespace

TEST(DxfFiles, SaveReplacesAtomicallyAndKeepsABackup) {
  ScratchDir dir;
  auto one = drawingWithLines(1), two = drawingWithLines(2);
  const std::wstring path = dir.wpath("plan.dxf");
  ASSERT_EQ(one->saveAs(path.c_str(), true), Acad::eOk);  // nothing to back up yet
  EXPECT_EQ(filesIn(dir.dir()), 1);
  EXPECT_EQ(one->filename(), path);
  EXPECT_EQ(one->dbmod(), 0);
  const std::string first = readFile(dir.path("plan.dxf"));
  ASSERT_EQ(two->saveAs(path.c_str(), true), Acad::eOk);
  EXPECT_EQ(readFile(dir.path("plan.bak")), first);
  EXPECT_NE(readFile(dir.path("plan.dxf")), first);
  const std::string second = readFile(dir.path("plan.dxf"));
  // Without a backup the old backup stays as it was.
  ASSERT_EQ(one->saveAs(path.c_str()), Acad::eOk);
  EXPECT_EQ(readFile(dir.path("plan.bak")), first);
  EXPECT_EQ(readFile(dir.path("plan.dxf")), first);
  EXPECT_EQ(filesIn(dir.dir()), 2);  // no temporary file left
  // dxfOut writes the same file and keeps the database's name.
  ASSERT_EQ(two->dxfOut(dir.wpath("out.dxf").c_str()), Acad::eOk);
  EXPECT_EQ(readFile(dir.path("out.dxf")), second);
  EXPECT_EQ(two->filename(), path);
  EXPECT_EQ(two->dxfOut(dir.wpath("old.dxf").c_str(), 16, AcDb::kDHL_1015), Acad::eInvalidDwgVersion);
  EXPECT_EQ(vhost::dxfBackupPath(L"/a.b/c"), L"/a.b/c.bak");
}

TEST(DxfFiles, FailedSaveLeavesTheOldFile) {
  ScratchDir dir;
  auto big = drawingWithLines(500);
  const std::wstring path = dir.wpath("plan.dxf");
  writeFile(dir.path("plan.dxf"), "old drawing");
  // The disk fills up while writing (a file size limit stands in for it).
  struct rlimit old;
  getrlimit(RLIMIT_FSIZE, &old);
  struct rlimit small = old;
  small.rlim_cur = 4096;
  auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const Acad::ErrorStatus es = big->saveAs(path.c_str(), true);
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(es, Acad::eFileAccessErr);
  EXPECT_NE(narrow(vhost::lastFileError()).find("plan.dxf: cannot write"), std::string::npos)
      << narrow(vhost::lastFileError());
  EXPECT_EQ(readFile(dir.path("plan.dxf")), "old drawing");
  EXPECT_EQ(filesIn(dir.dir()), 1);  // neither a temporary file nor a backup
  EXPECT_EQ(big->filename(), std::wstring());

  // A folder that cannot be written to (for a user other than root), and one
  // that does not exist.
  if (geteuid() != 0) {
    ASSERT_EQ(chmod(dir.dir().c_str(), 0555), 0);
    EXPECT_EQ(big->saveAs(path.c_str(), true), Acad::eFileAccessErr);
    chmod(dir.dir().c_str(), 0755);
    EXPECT_EQ(readFile(dir.path("plan.dxf")), "old drawing");
  }
  EXPECT_EQ(big->saveAs(dir.wpath("no/such/folder/plan.dxf").c_str()), Acad::eFileAccessErr);
  EXPECT_NE(narrow(vhost::lastFileError()).find("no/such/folder/plan.dxf"), std::string::npos);
  EXPECT_EQ(filesIn(dir.dir()), 1);
}

TEST(DxfFiles, DwgNamesAndBinaryDrawings) {
  ScratchDir dir;
  auto db = drawingWithLines(3);
  ASSERT_EQ(db->saveAs(dir.wpath("twin.dxf").c_str()), Acad::eOk);
  // A missing .dwg is read from its .dxf twin.
  AcDbDatabase a(false, true);
  ASSERT_EQ(a.readDwgFile(dir.wpath("twin.dwg").c_str()), Acad::eOk) << narrow(vhost::lastFileError());
  EXPECT_EQ(a.filename(), dir.wpath("twin.dxf"));
  // A .dwg holding DXF is read as it is.
  writeFile(dir.path("text.dwg"), readFile(dir.path("twin.dxf")));
  AcDbDatabase* b = nullptr;
  std::wstring error;
  ASSERT_TRUE(vhost::readDxfFile(dir.wpath("text.dwg"), b, error)) << narrow(error);
  EXPECT_EQ(b->approxNumObjects(), a.approxNumObjects());
  delete b;
  // A real binary drawing is refused with a clear message, even with a twin.
  writeFile(dir.path("twin.dwg"), std::string("AC1032\0\0\0\0\0\0\x01\x02", 14));
  AcDbDatabase c(false, true);
  EXPECT_EQ(c.readDwgFile(dir.wpath("twin.dwg").c_str()), Acad::eBadDxfFile);
  EXPECT_EQ(narrow(vhost::lastFileError()),
            dir.path("twin.dwg") + ":1: not a DXF file: binary drawing files are not supported; save it as DXF");
  EXPECT_EQ(c.approxNumObjects(), 0);
  AcDbDatabase d(false, true);
  EXPECT_EQ(d.readDwgFile(dir.wpath("absent.dwg").c_str()), Acad::eFileNotFound);
}
