// A small module written the way a developer of the host writes one: it
// builds a drawing through the block table, works with the open/close
// protocol, extended data, dictionaries and xrecords, a persistent reactor
// of its own class, and copies a block into another drawing.
#include <cmath>
#include <cstdio>
#include <cwchar>
#include <memory>

#include "veskcad/veskcad.h"

namespace {

int gFailures = 0;

void check(bool ok, const char* what) {
  std::printf("%s %s\n", ok ? "ok  " : "FAIL", what);
  if (!ok) ++gFailures;
}

// A persistent reactor: counts the changes of the objects it is attached to.
class CountingReactor : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(CountingReactor);
  void modified(const AcDbObject*) override { ++mCount; }
  static int mCount;
};
int CountingReactor::mCount = 0;
ACRX_DXF_DEFINE_MEMBERS(CountingReactor, AcDbObject, AcDb::kDHL_CURRENT, AcDb::kMReleaseCurrent, 0,
                        EXAMPLE_COUNTING_REACTOR, HostDevExample)

AcDbObjectId appendToModelSpace(AcDbDatabase* db, AcDbEntity* ent) {
  AcDbBlockTable* table = nullptr;
  AcDbObjectId id;
  if (db->getBlockTable(table, AcDb::kForRead) != Acad::eOk) return id;
  AcDbBlockTableRecord* ms = nullptr;
  Acad::ErrorStatus es = table->getAt(ACDB_MODEL_SPACE, ms, AcDb::kForWrite);
  table->close();
  if (es != Acad::eOk) return id;
  if (ms->appendAcDbEntity(id, ent) == Acad::eOk) ent->close();
  ms->close();
  return id;
}

}  // namespace

int main() {
  CountingReactor::rxInit();
  std::unique_ptr<AcDbDatabase> db(new AcDbDatabase());

  // Lines and a bulged polyline in model space.
  AcDbObjectId lineId = appendToModelSpace(db.get(), new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(100, 0, 0)));
  auto* pline = new AcDbPolyline();
  pline->addVertexAt(0, AcGePoint2d(0, 0), 1.0);  // a half circle to (10, 0)
  pline->addVertexAt(1, AcGePoint2d(10, 0), 0.0);
  pline->addVertexAt(2, AcGePoint2d(10, -10));
  AcDbObjectId plineId = appendToModelSpace(db.get(), pline);
  check(!lineId.isNull() && !plineId.isNull(), "entities appended to model space");

  // Open for read, then for write: the host refuses a writer while a reader is open.
  AcDbLine* reader = nullptr;
  AcDbLine* writer = nullptr;
  check(acdbOpenObject(reader, lineId, AcDb::kForRead) == Acad::eOk, "open line for read");
  check(acdbOpenObject(writer, lineId, AcDb::kForWrite) == Acad::eWasOpenForRead, "writer refused while read");
  reader->close();
  AcDbCurve* curve = nullptr;
  double length = 0, endParam = 0;
  if (acdbOpenObject(curve, plineId, AcDb::kForRead) == Acad::eOk) {
    curve->getEndParam(endParam);
    curve->getDistAtParam(endParam, length);
    curve->close();
  }
  check(std::fabs(length - (5.0 * 3.14159265358979 + 10.0)) < 1e-9, "bulged polyline length");

  // Extended data through result-buffer chains.
  AcDbRegAppTable* apps = nullptr;
  if (db->getRegAppTable(apps, AcDb::kForWrite) == Acad::eOk) {
    auto* app = new AcDbRegAppTableRecord();
    app->setName(L"HOSTDEV");
    AcDbObjectId appId;
    if (apps->add(appId, app) == Acad::eOk) app->close(); else delete app;
    apps->close();
  }
  resbuf* xd = acutBuildList(1001, L"HOSTDEV", 1000, L"道路边线", 1070, 7, 1040, 2.5, 0);
  if (acdbOpenObject(writer, lineId, AcDb::kForWrite) == Acad::eOk) {
    check(writer->setXData(xd) == Acad::eOk, "set extended data");
    writer->close();
  }
  acutRelRb(xd);
  if (acdbOpenObject(reader, lineId, AcDb::kForRead) == Acad::eOk) {
    resbuf* back = reader->xData(L"HOSTDEV");
    check(back && back->rbnext && std::wcscmp(back->rbnext->resval.rstring, L"道路边线") == 0 &&
              back->rbnext->rbnext->resval.rint == 7,
          "read extended data back");
    acutRelRb(back);
    reader->close();
  }

  // Nested dictionaries with an xrecord.
  AcDbDictionary* nod = nullptr;
  if (db->getNamedObjectsDictionary(nod, AcDb::kForWrite) == Acad::eOk) {
    auto* outer = new AcDbDictionary();
    AcDbObjectId outerId;
    nod->setAt(L"HOSTDEV_DATA", outer, outerId);
    nod->close();
    auto* inner = new AcDbDictionary();
    AcDbObjectId innerId;
    outer->setAt(L"SETTINGS", inner, innerId);
    outer->close();
    auto* rec = new AcDbXrecord();
    resbuf* data = acutBuildList(1, L"比例", 40, 500.0, 0);
    rec->setFromRbChain(*data);
    acutRelRb(data);
    AcDbObjectId recId;
    inner->setAt(L"SCALE", rec, recId);
    rec->close();
    inner->close();
  }
  double scale = 0;
  if (db->getNamedObjectsDictionary(nod, AcDb::kForRead) == Acad::eOk) {
    AcDbDictionary* outer = nullptr;
    AcDbObjectId outerId, innerId, recId;
    nod->getAt(L"hostdev_data", outerId);  // keys ignore case
    nod->close();
    if (acdbOpenObject(outer, outerId, AcDb::kForRead) == Acad::eOk) {
      outer->getAt(L"SETTINGS", innerId);
      outer->close();
    }
    AcDbDictionary* inner = nullptr;
    if (acdbOpenObject(inner, innerId, AcDb::kForRead) == Acad::eOk) {
      inner->getAt(L"SCALE", recId);
      inner->close();
    }
    AcDbXrecord* rec = nullptr;
    if (acdbOpenObject(rec, recId, AcDb::kForRead) == Acad::eOk) {
      resbuf* chain = nullptr;
      rec->rbChain(chain);
      if (chain && chain->rbnext) scale = chain->rbnext->resval.rreal;
      acutRelRb(chain);
      rec->close();
    }
  }
  check(scale == 500.0, "nested dictionaries and xrecord");

  // A persistent reactor hears the change when the line is closed.
  auto* reactor = new CountingReactor();
  AcDbObjectId reactorId;
  if (db->getNamedObjectsDictionary(nod, AcDb::kForWrite) == Acad::eOk) {
    nod->setAt(L"HOSTDEV_REACTOR", reactor, reactorId);
    reactor->close();
    nod->close();
  }
  if (acdbOpenObject(writer, lineId, AcDb::kForWrite) == Acad::eOk) {
    writer->addPersistentReactor(reactorId);
    writer->close();
  }
  CountingReactor::mCount = 0;
  if (acdbOpenObject(writer, lineId, AcDb::kForWrite) == Acad::eOk) {
    writer->setEndPoint(AcGePoint3d(50, 50, 0));
    check(CountingReactor::mCount == 0, "no notification while the line is open");
    writer->close();
  }
  check(CountingReactor::mCount == 1, "persistent reactor received modified on close");

  // A block copied into another database.
  AcDbBlockTable* table = nullptr;
  AcDbObjectId blockId;
  if (db->getBlockTable(table, AcDb::kForWrite) == Acad::eOk) {
    auto* block = new AcDbBlockTableRecord();
    block->setName(L"TREE");
    table->add(blockId, block);
    block->appendAcDbEntity(new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.5));
    block->close();
    table->close();
  }
  std::unique_ptr<AcDbDatabase> other(new AcDbDatabase());
  AcDbIdMapping map;
  AcDbObjectIdArray ids;
  ids.append(blockId);
  AcDbObjectId otherTable = other->blockTableId();
  check(db->wblockCloneObjects(ids, otherTable, map, AcDb::kDrcIgnore) == Acad::eOk, "block cloned into another drawing");
  AcDbObjectId copied;
  if (other->getBlockTable(table, AcDb::kForRead) == Acad::eOk) {
    table->getAt(L"TREE", copied);
    table->close();
  }
  int circles = 0;
  AcDbBlockTableRecord* btr = nullptr;
  if (acdbOpenObject(btr, copied, AcDb::kForRead) == Acad::eOk) {
    AcDbBlockTableRecordIterator* it = nullptr;
    btr->newIterator(it);
    for (; it && !it->done(); it->step()) {
      AcDbEntity* ent = nullptr;
      if (it->getEntity(ent, AcDb::kForRead) == Acad::eOk) {
        if (AcDbCircle::cast(ent) && AcDbCircle::cast(ent)->radius() == 1.5 && ent->database() == other.get()) ++circles;
        ent->close();
      }
    }
    delete it;
    btr->close();
  }
  check(circles == 1, "the copied block holds its circle");

  std::printf("%s\n", gFailures == 0 ? "example: all checks passed" : "example: some checks failed");
  return gFailures == 0 ? 0 : 1;
}
