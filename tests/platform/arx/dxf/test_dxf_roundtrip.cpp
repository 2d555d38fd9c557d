// Drawings written and read back keep every object: handles, owners,
// properties, extended data, dictionaries, xrecords, groups, blocks and
// reactors.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "DxfTestSupport.h"
#include "arx/db/AcDbGroup.h"
#include "arx/db/AcDbLayerTable.h"
#include "arx/db/AcDbXrecord.h"
#include "arx/dxf/DxfDrawingData.h"
#include "arx/dxf/DxfFileIo.h"
#include "arx/entities/AcDb2dPolyline.h"
#include "arx/entities/AcDbAttribute.h"
#include "arx/entities/AcDbAttributeDefinition.h"
#include "arx/entities/AcDbBlockReference.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbObjectIterator.h"
#include "arx/entities/AcDbPolyline.h"

using namespace dxftest;

namespace {

struct Sample {
  std::unique_ptr<AcDbDatabase> db;
  AcDbObjectId line, lwpoly, poly2d, insert, xrecord, group, paperLine, circle;
};

resbuf* sampleXData(AcDbDatabase* db, AcDbObjectId ref) {
  static char bytes[] = {0x01, 0x7F, static_cast<char>(0xFF), 0x00};
  ads_binary bin{4, bytes};
  ads_point p = {1.5, -2.25, 1e-300};
  ACHAR handle[24];
  ref.handle().getIntoAsciiBuffer(handle, 24);
  (void)db;
  return acutBuildList(1001, L"VESK", 1000, L"text with ü, 中文 and a\nline break", 1002, L"{", 1070, 42, 1071,
                       123456789, 1040, 0.1, 1010, p, 1004, &bin, 1005, handle, 1003, L"WALLS", 1002, L"}", 0);
}

Sample makeSample() {
  Sample s;
  s.db = std::make_unique<AcDbDatabase>();
  AcDbDatabase* db = s.db.get();
  registerApp(db, L"VESK");
  {
    AcDbLayerTable* layers = nullptr;
    db->getLayerTable(layers, AcDb::kForWrite);
    auto* walls = new AcDbLayerTableRecord();
    walls->setName(L"WALLS");
    AcCmColor red;
    red.setColorIndex(1);
    walls->setColor(red);
    layers->add(walls);
    walls->close();
    layers->close();
  }
  // A line with every common property set, extended data and an extension
  // dictionary holding an xrecord.
  auto* line = new AcDbLine(AcGePoint3d(0.1, 0.2, 0.3), AcGePoint3d(1.0 / 3.0, 2e10, -7.5));
  s.line = addToSpace(db, line);
  AcDbLine* l = nullptr;
  acdbOpenObject(l, s.line, AcDb::kForWrite);
  l->setLayer(L"WALLS");
  AcCmColor tc;
  tc.setRGB(10, 200, 30);
  l->setColor(tc);
  l->setLineWeight(AcDb::kLnWt035);
  l->setLinetypeScale(2.5);
  l->setXData(sampleXData(db, s.line));
  l->createExtensionDictionary();
  AcDbObjectId xdict = l->extensionDictionary();
  l->close();
  {
    AcDbDictionary* d = nullptr;
    acdbOpenObject(d, xdict, AcDb::kForWrite);
    auto* xr = new AcDbXrecord();
    ads_point p = {1, 2, 3};
    ads_name lineName;
    acdbGetAdsName(lineName, s.line);  // 330 refers to the line itself
    resbuf* data = acutBuildList(1, L"xrecord text", 10, p, 40, M_PI, 70, 7, 90, -5, 290, 1, 330, lineName, 0);
    xr->setFromRbChain(*data);
    acutRelRb(data);
    d->setAt(L"VESK_DATA", xr, s.xrecord);
    xr->close();
    d->close();
  }
  auto* circle = new AcDbCircle(AcGePoint3d(5, 5, 0), AcGeVector3d::kZAxis, 2.0);
  s.circle = addToSpace(db, circle);
  auto* pl = new AcDbPolyline();
  pl->addVertexAt(0, AcGePoint2d(0, 0), 0.5);
  pl->addVertexAt(1, AcGePoint2d(10, 0));
  pl->addVertexAt(2, AcGePoint2d(10, 10), -1.0);
  s.lwpoly = addToSpace(db, pl);
  {
    AcDbPolyline* p = nullptr;
    acdbOpenObject(p, s.lwpoly, AcDb::kForWrite);
    p->setXData(sampleXData(db, s.lwpoly));
    p->close();
  }
  AcGePoint3dArray pts;
  pts.append(AcGePoint3d(0, 0, 0));
  pts.append(AcGePoint3d(3, 4, 0));
  pts.append(AcGePoint3d(6, 0, 0));
  auto* p2 = new AcDb2dPolyline(AcDb::k2dSimplePoly, pts, 1.5, true);
  s.poly2d = addToSpace(db, p2);
  // A block with an attribute definition, inserted with its attribute.
  AcDbObjectId blockId;
  {
    AcDbBlockTable* bt = nullptr;
    db->getBlockTable(bt, AcDb::kForWrite);
    auto* btr = new AcDbBlockTableRecord();
    btr->setName(L"DOOR");
    btr->setOrigin(AcGePoint3d(1, 1, 0));
    bt->add(blockId, btr);
    btr->appendAcDbEntity(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 2, 0)));
    auto* def = new AcDbAttributeDefinition(AcGePoint3d(0, 1, 0), L"D1", L"TAG", L"Door number", AcDbObjectId());
    btr->appendAcDbEntity(def);
    def->close();
    btr->close();
    bt->close();
  }
  auto* ref = new AcDbBlockReference(AcGePoint3d(20, 20, 0), blockId);
  s.insert = addToSpace(db, ref);
  {
    AcDbBlockReference* r = nullptr;
    acdbOpenObject(r, s.insert, AcDb::kForWrite);
    auto* att = new AcDbAttribute(AcGePoint3d(20, 21, 0), L"D7", L"TAG");
    r->appendAttribute(att);
    att->close();
    r->close();
  }
  // A group of the line and the circle (members get the group as reactor).
  {
    AcDbDictionary* groups = nullptr;
    db->getGroupDictionary(groups, AcDb::kForWrite);
    auto* g = new AcDbGroup(L"two things");
    groups->setAt(L"PAIR", g, s.group);
    g->append(s.line);
    g->append(s.circle);
    g->close();
    groups->close();
  }
  s.paperLine = addToSpace(db, new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)), db->paperSpaceId());
  return s;
}

std::unique_ptr<AcDbDatabase> readBack(const std::wstring& path) {
  AcDbDatabase* db = nullptr;
  std::wstring error;
  EXPECT_TRUE(vhost::readDxfFile(path, db, error)) << narrow(error);
  return std::unique_ptr<AcDbDatabase>(db);
}

}  // namespace

TEST(DxfRoundTrip, WrittenDrawingReadsBackTheSame) {
  ScratchDir dir("keep");
  Sample s = makeSample();
  ASSERT_EQ(s.db->saveAs(dir.wpath("a.dxf").c_str()), Acad::eOk) << narrow(vhost::lastFileError());
  auto db2 = readBack(dir.wpath("a.dxf"));
  ASSERT_TRUE(db2);
  // The drawing made in memory and the one read hold the same objects.
  expectSameDatabase(s.db.get(), db2.get(), true);

  ASSERT_EQ(db2->saveAs(dir.wpath("b.dxf").c_str()), Acad::eOk) << narrow(vhost::lastFileError());
  auto db3 = readBack(dir.wpath("b.dxf"));
  ASSERT_TRUE(db3);
  expectSameDatabase(db2.get(), db3.get());
  // A second round changes nothing in the file.
  ASSERT_EQ(db3->saveAs(dir.wpath("c.dxf").c_str()), Acad::eOk);
  EXPECT_EQ(firstDifference(readFile(dir.path("b.dxf")), readFile(dir.path("c.dxf"))), "");

  // Spot checks through the API.
  AcDbObjectId line;
  ASSERT_EQ(db2->getAcDbObjectId(line, false, s.line.handle()), Acad::eOk);
  AcDbLine* l = nullptr;
  ASSERT_EQ(acdbOpenObject(l, line, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(l->endPoint().x, 1.0 / 3.0);  // bit for bit
  EXPECT_EQ(l->endPoint().y, 2e10);
  EXPECT_EQ(l->lineWeight(), AcDb::kLnWt035);
  EXPECT_EQ(l->linetypeScale(), 2.5);
  EXPECT_EQ(l->color().red(), 10);
  EXPECT_EQ(l->color().green(), 200);
  EXPECT_TRUE(l->color().isByColor());
  ACHAR* layer = l->layer();
  EXPECT_STREQ(layer, L"WALLS");
  delete[] layer;
  resbuf* x = l->xData(L"VESK");
  resbuf* expected = sampleXData(s.db.get(), s.line);
  EXPECT_TRUE(vhost::rbChainEqual(x, expected));
  acutRelRb(x);
  acutRelRb(expected);
  EXPECT_FALSE(l->extensionDictionary().isNull());
  EXPECT_EQ(l->getPersistentReactors().length(), 1);
  EXPECT_EQ(l->ownerId(), db2->modelSpaceId());
  l->close();
  AcDbObjectId paperLine;
  ASSERT_EQ(db2->getAcDbObjectId(paperLine, false, s.paperLine.handle()), Acad::eOk);
  AcDbEntity* pe = nullptr;
  ASSERT_EQ(acdbOpenObject(pe, paperLine, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(pe->ownerId(), db2->paperSpaceId());
  pe->close();
  // The handle seed stays above every handle.
  db2->forEachStub([&](const vhost::Stub& st) { EXPECT_LT(st.handle, db2->handseed().value()); });
}

TEST(DxfRoundTrip, SubEntitiesKeepTheirHandlesAndOrder) {
  ScratchDir dir;
  Sample s = makeSample();
  ASSERT_EQ(s.db->saveAs(dir.wpath("a.dxf").c_str()), Acad::eOk);
  auto db2 = readBack(dir.wpath("a.dxf"));
  ASSERT_TRUE(db2);
  auto idsOf = [](AcDbDatabase* db, AcDbHandle h) {
    std::vector<unsigned long long> out;
    AcDbObjectId id;
    db->getAcDbObjectId(id, false, h);
    AcDb2dPolyline* p = nullptr;
    if (acdbOpenObject(p, id, AcDb::kForRead) != Acad::eOk) return out;
    std::unique_ptr<AcDbObjectIterator> it(p->vertexIterator());
    for (it->start(); !it->done(); it->step()) out.push_back(it->objectId().handle().value());
    p->close();
    return out;
  };
  const auto before = idsOf(s.db.get(), s.poly2d.handle());
  EXPECT_EQ(before.size(), 3u);
  EXPECT_EQ(idsOf(db2.get(), s.poly2d.handle()), before);
  AcDbObjectId ref;
  db2->getAcDbObjectId(ref, false, s.insert.handle());
  AcDbBlockReference* r = nullptr;
  ASSERT_EQ(acdbOpenObject(r, ref, AcDb::kForRead), Acad::eOk);
  ASSERT_EQ(r->vhostAttributeIds().length(), 1);
  AcDbAttribute* att = nullptr;
  ASSERT_EQ(acdbOpenObject(att, r->vhostAttributeIds()[0], AcDb::kForRead), Acad::eOk);
  EXPECT_STREQ(att->textStringConst(), L"D7");
  EXPECT_EQ(att->ownerId(), ref);
  att->close();
  r->close();
}
