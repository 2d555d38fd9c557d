// Reading: release 12 drawings, handles, and bad input that is refused with
// the file and line named, without a crash and without changing anything.
#include <gtest/gtest.h>

#include <memory>

#include "DxfTestSupport.h"
#include "arx/db/AcDbLayerTable.h"
#include "arx/dxf/DxfFileIo.h"
#include "arx/dxf/DxfReader.h"
#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDbAttribute.h"
#include "arx/entities/AcDbBlockReference.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbObjectIterator.h"
#include "arx/entities/AcDbText.h"

using namespace dxftest;

namespace {

// The objects of a class in a database, opened for read one by one.
template <class T, class F>
int forEach(AcDbDatabase* db, F&& f) {
  int n = 0;
  db->forEachStub([&](const vhost::Stub& s) {
    T* obj = nullptr;
    if (s.erased() || !T::cast(s.object)) return;
    if (acdbOpenObject(obj, AcDbObjectId(const_cast<vhost::Stub*>(&s)), AcDb::kForRead) != Acad::eOk) return;
    f(obj);
    obj->close();
    ++n;
  });
  return n;
}

// Reads bytes as a file named "t.dxf"; the error ("" on success).
std::string readError(const std::string& bytes, std::unique_ptr<AcDbDatabase>* out = nullptr,
                      std::vector<std::wstring>* warnings = nullptr) {
  auto db = std::make_unique<AcDbDatabase>(false, true);
  vhost::DxfReader reader(L"t.dxf");
  if (!reader.read(bytes.data(), bytes.size(), db.get())) return narrow(reader.error());
  if (warnings) *warnings = reader.warnings();
  if (out) *out = std::move(db);
  return "";
}

std::string g(int code, const std::string& v) { return std::to_string(code) + "\n" + v + "\n"; }

// A small AC1024 drawing around the given entities and objects.
std::string drawing(const std::string& entities, const std::string& objects = "", const std::string& header = "") {
  return g(0, "SECTION") + g(2, "HEADER") + g(9, "$ACADVER") + g(1, "AC1024") + header + g(0, "ENDSEC") +
         g(0, "SECTION") + g(2, "ENTITIES") + entities + g(0, "ENDSEC") + g(0, "SECTION") + g(2, "OBJECTS") +
         objects + g(0, "ENDSEC") + g(0, "EOF");
}

std::string line(const std::string& handle, const std::string& extra = "") {
  return g(0, "LINE") + g(5, handle) + extra + g(100, "AcDbEntity") + g(8, "0") + g(100, "AcDbLine") + g(10, "0") +
         g(20, "0") + g(30, "0") + g(11, "1") + g(21, "1") + g(31, "0");
}

}  // namespace

TEST(DxfRead, ReleaseTwelveDrawingWithGbkText) {
  std::unique_ptr<AcDbDatabase> db;
  std::vector<std::wstring> warnings;
  ASSERT_EQ(readError(readFile(VESK_DXF_TEST_DATA "/r12_gbk.dxf"), &db, &warnings), "");
  EXPECT_EQ(db->dwgCodePage(), L"ANSI_936");
  EXPECT_EQ(db->ltscale(), 2.0);
  const AcDbObjectId wall = db->layerId(L"墙");
  ASSERT_FALSE(wall.isNull());
  EXPECT_EQ(db->clayer(), wall);
  EXPECT_FALSE(db->layerId(L"UNDEFINED").isNull());  // used by an entity, made on reading
  int lines = forEach<AcDbLine>(db.get(), [&](AcDbLine* l) {
    if (l->ownerId() != db->modelSpaceId()) return;
    EXPECT_EQ(l->layerId(), wall);
    EXPECT_EQ(l->endPoint(), AcGePoint3d(10.5, 5.25, 0));
    EXPECT_EQ(l->colorIndex(), 3);
    resbuf* x = l->xData(L"VESK");
    ASSERT_NE(x, nullptr);
    ASSERT_NE(x->rbnext, nullptr);
    EXPECT_STREQ(x->rbnext->resval.rstring, L"中文");
    acutRelRb(x);
  });
  EXPECT_EQ(lines, 2);  // one in model space, one in the block
  std::vector<std::wstring> texts;
  forEach<AcDbText>(db.get(), [&](AcDbText* t) {
    if (!AcDbAttribute::cast(t) && t->ownerId() == db->modelSpaceId()) texts.push_back(t->textStringConst());
  });
  EXPECT_EQ(texts, (std::vector<std::wstring>{L"中文", L"café"}));
  EXPECT_EQ(forEach<AcDbCircle>(db.get(), [](AcDbCircle* c) { EXPECT_EQ(c->radius(), 2.5); }), 1);
  forEach<AcDb2dPolyline>(db.get(), [&](AcDb2dPolyline* p) {
    EXPECT_TRUE(p->isClosed());
    std::unique_ptr<AcDbObjectIterator> it(p->vertexIterator());
    int n = 0;
    for (it->start(); !it->done(); it->step()) ++n;
    EXPECT_EQ(n, 3);
  });
  forEach<AcDbBlockReference>(db.get(), [&](AcDbBlockReference* r) {
    ASSERT_EQ(r->vhostAttributeIds().length(), 1);
    AcDbAttribute* a = nullptr;
    ASSERT_EQ(acdbOpenObject(a, r->vhostAttributeIds()[0], AcDb::kForRead), Acad::eOk);
    EXPECT_STREQ(a->textStringConst(), L"D7");
    a->close();
  });
  // Every object got a handle of its own, below the seed.
  std::set<unsigned long long> handles;
  db->forEachStub([&](const vhost::Stub& s) {
    EXPECT_TRUE(handles.insert(s.handle).second);
    EXPECT_LT(s.handle, db->handseed().value());
  });
}

TEST(DxfRead, HandlesForwardReferencesAndTheSeed) {
  // The line names its group as reactor before the group is read; the group
  // is found. A reference to a handle that is not in the file is dropped.
  const std::string objects = g(0, "DICTIONARY") + g(5, "C") + g(330, "0") + g(100, "AcDbDictionary") + g(281, "1") +
                              g(3, "ACAD_GROUP") + g(350, "D") + g(0, "DICTIONARY") + g(5, "D") + g(330, "C") +
                              g(100, "AcDbDictionary") + g(281, "1") + g(3, "G1") + g(350, "E") + g(0, "GROUP") +
                              g(5, "E") + g(330, "D") + g(100, "AcDbGroup") + g(300, "") + g(70, "0") + g(71, "1") +
                              g(340, "2A");
  const std::string entities =
      line("2A", g(102, "{ACAD_REACTORS") + g(330, "E") + g(330, "999") + g(102, "}")) + line("2B");
  std::unique_ptr<AcDbDatabase> db;
  std::vector<std::wstring> warnings;
  ASSERT_EQ(readError(drawing(entities, objects, g(9, "$HANDSEED") + g(5, "5")), &db, &warnings), "");
  AcDbObjectId lineId, groupId;
  ASSERT_EQ(db->getAcDbObjectId(lineId, false, AcDbHandle(0x2A)), Acad::eOk);
  ASSERT_EQ(db->getAcDbObjectId(groupId, false, AcDbHandle(0xE)), Acad::eOk);
  AcDbLine* l = nullptr;
  ASSERT_EQ(acdbOpenObject(l, lineId, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(l->getPersistentReactors().length(), 1);
  EXPECT_EQ(l->getPersistentReactors()[0], groupId);
  l->close();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find(L"999"), std::wstring::npos);
  // The seed was below the handles in use: it is raised above them.
  EXPECT_GT(db->handseed().value(), 0x2Bu);
  ASSERT_EQ(readError(drawing(line("2A"), "", g(9, "$HANDSEED") + g(5, "1000")), &db), "");
  // The seed is respected: what the reader adds to complete the drawing
  // takes handles from it.
  db->forEachStub([&](const vhost::Stub& s) {
    if (s.handle != 0x2A) {
      EXPECT_GE(s.handle, 0x1000u);
    }
  });
}

TEST(DxfRead, BadInputNamesFileAndLine) {
  struct Case {
    std::string bytes;
    std::string expected;  // part of the message, with the line
  };
  const std::string good = drawing(line("2A"));
  const std::vector<Case> cases = {
      {"AC1027\x00\x00\x00\x00 binary", "t.dxf:1: not a DXF file: binary drawing files are not supported; save it as DXF"},
      {std::string("AutoCAD Binary DXF\r\n\x1a\x00", 22) + "rest", "t.dxf:1: binary DXF files are not supported"},
      {"", "t.dxf:1: not a DXF file"},
      {good.substr(0, good.size() / 2), "unexpected end of file"},
      {g(0, "SECTION") + g(2, "ENTITIES") + "xx\n0\n", "t.dxf:5: invalid group code 'xx'"},
      {drawing(g(0, "LINE") + g(5, "2A") + g(100, "AcDbEntity") + g(8, "0") + g(100, "AcDbLine") + g(10, "1,5") +
               g(20, "0")),
       ":25: LINE 2A: group 10: '1,5' is not a number"},
      {drawing(line("2A") + line("2A")), "duplicate handle 2A"},
      {drawing(g(0, "LINE") + g(5, "2Z")), "'2Z' is not a handle"},
      {drawing(line("2A") + g(0, "VERTEX") + g(5, "2B")), "VERTEX outside a polyline"},
      {good.substr(0, good.size() - 6), "t.dxf:45: unexpected end of file: no EOF"},
      {drawing(line("2A")).replace(0, 10, g(0, "SECTIO")), "expected SECTION"},
      {drawing("", g(0, "DICTIONARY") + g(5, "A0") + g(330, "A1") + g(100, "AcDbDictionary") + g(0, "DICTIONARY") +
                       g(5, "A1") + g(330, "A0") + g(100, "AcDbDictionary")),
       "ownership cycle through handle A"},
      {drawing(g(0, "LINE") + g(5, "2A") + g(100, "AcDbEntity") + g(8, "0") + g(100, "AcDbLine") + g(10, "1") +
               g(11, "1") + g(21, "2")),
       "the point has no Y coordinate"},
      {drawing("", "", g(9, "$LTSCALE") + g(40, "big")), ":11: $LTSCALE: 'big' is not a number"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    const std::string err = readError(c.bytes);
    EXPECT_NE(err.find(c.expected), std::string::npos) << err;
    EXPECT_EQ(err.rfind("t.dxf:", 0), 0u) << err;
  }
  EXPECT_EQ(readError(good), "");
}

TEST(DxfRead, FailedReadLeavesTheDatabaseUntouched) {
  ScratchDir dir;
  writeFile(dir.path("bad.dxf"), drawing(line("2A") + line("2A")));
  AcDbDatabase db(false, true);
  EXPECT_EQ(db.readDwgFile(dir.wpath("bad.dxf").c_str()), Acad::eBadDxfFile);
  EXPECT_EQ(db.approxNumObjects(), 0);
  EXPECT_NE(narrow(vhost::lastFileError()).find("bad.dxf:"), std::string::npos);
  EXPECT_NE(narrow(vhost::lastFileError()).find("duplicate handle 2A"), std::string::npos);
  // The same database then reads a good file.
  writeFile(dir.path("good.dxf"), drawing(line("2A")));
  ASSERT_EQ(db.dxfIn(dir.wpath("good.dxf").c_str()), Acad::eOk) << narrow(vhost::lastFileError());
  AcDbObjectId id;
  EXPECT_EQ(db.getAcDbObjectId(id, false, AcDbHandle(0x2A)), Acad::eOk);
  EXPECT_EQ(id.objectClass(), AcDbLine::desc());
  EXPECT_EQ(vhost::lastFileError(), L"");
  // A database that holds a drawing already is not read into.
  EXPECT_EQ(db.readDwgFile(dir.wpath("good.dxf").c_str()), Acad::eInvalidInput);
  AcDbDatabase fresh(false, true);
  EXPECT_EQ(fresh.readDwgFile(dir.wpath("missing.dxf").c_str()), Acad::eFileNotFound);
  EXPECT_NE(narrow(vhost::lastFileError()).find("missing.dxf"), std::string::npos);
}
