// Entity picks, raw cursor input and jigs driven by a script.
#include <cmath>

#include "arx/ed/AcEdJig.h"
#include "arx/ed/AcedEntSel.h"
#include "arx/ed/AcedGrRead.h"
#include "arx/ed/AcedInput.h"
#include "arx/ed/AcedSysVar.h"
#include "arx/ed/RunCommand.h"
#include "arx/entities/AcDbBlockReference.h"
#include "platform/arx/ed/EdTestSupport.h"

namespace {

using edtest::EditorTest;

TEST_F(EditorTest, EntityPicksByPointAndHandle) {
  AcDbObjectId a = addLine(0, 0, 100, 0);
  AcDbObjectId b = addLine(0, 10, 100, 10);
  AcDbObjectId c = addCircle(50, 50, 5);
  std::wstring hc = handleOf(c);
  ui.addLine(L"40,0.1");
  ui.addLine(L"40,9.95");
  ui.addLine(hc);
  ui.addLine(L"40,5");  // between the lines: nothing within the pick box
  ui.addLine(L"#FFFFF");
  ui.addLine(L"");
  ads_name e;
  ads_point p;
  ASSERT_EQ(acedEntSel(L"\nSelect a line: ", e, p), RTNORM);
  EXPECT_EQ(edtest::idOf(e), a);
  EXPECT_DOUBLE_EQ(p[0], 40);
  ASSERT_EQ(acedEntSel(nullptr, e, p), RTNORM);
  EXPECT_EQ(edtest::idOf(e), b);
  ASSERT_EQ(acedEntSel(nullptr, e, p), RTNORM);
  EXPECT_EQ(edtest::idOf(e), c);
  EXPECT_DOUBLE_EQ(p[0], 55);  // the circle's start point
  EXPECT_EQ(acedEntSel(nullptr, e, p), RTERROR);
  EXPECT_EQ(vhost::getErrno(), 7);
  EXPECT_EQ(acedEntSel(nullptr, e, p), RTERROR);  // a handle of nothing
  EXPECT_EQ(acedEntSel(nullptr, e, p), RTERROR);
  EXPECT_EQ(vhost::getErrno(), 52);
  // a keyword at the pick prompt
  ui.addLine(L"u");
  acedInitGet(0, L"Undo");
  EXPECT_EQ(acedEntSel(nullptr, e, p), RTKWORD);
  // the pick box follows PICKBOX and the view
  resbuf box;
  box.restype = RTSHORT;
  box.resval.rint = 50;
  ASSERT_EQ(acedSetVar(L"PICKBOX", &box), RTNORM);
  ui.addLine(L"40,2");
  ASSERT_EQ(acedEntSel(nullptr, e, p), RTNORM);
  EXPECT_EQ(edtest::idOf(e), a);
  box.resval.rint = 3;
  acedSetVar(L"PICKBOX", &box);
}

TEST_F(EditorTest, NestedPickReachesIntoBlocks) {
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(db->getBlockTable(table, AcDb::kForWrite), Acad::eOk);
  auto* rec = new AcDbBlockTableRecord();
  rec->setName(L"INNER");
  AcDbObjectId blockId;
  ASSERT_EQ(table->add(blockId, rec), Acad::eOk);
  table->close();
  auto* inner = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0));
  AcDbObjectId innerId;
  rec->appendAcDbEntity(innerId, inner);
  inner->close();
  rec->close();
  AcDbObjectId refId = dbtest::addToModelSpace(db, new AcDbBlockReference(AcGePoint3d(100, 100, 0), blockId));
  ui.addLine(L"105,100");
  ads_name e;
  ads_point p;
  ads_matrix m;
  resbuf* refs = nullptr;
  ASSERT_EQ(acedNEntSelP(nullptr, e, p, 0, m, &refs), RTNORM);
  EXPECT_EQ(edtest::idOf(e), innerId);
  EXPECT_DOUBLE_EQ(m[0][3], 100);
  EXPECT_DOUBLE_EQ(m[1][3], 100);
  ASSERT_NE(refs, nullptr);
  EXPECT_EQ(edtest::idOf(refs->resval.rlname), refId);
  acutRelRb(refs);
}

TEST_F(EditorTest, GrReadStreamsCursorEvents) {
  ui.addLine(L"drag 1,1 2,2 pick 3,3");
  ui.addLine(L"ab");
  ui.addLine(L"right");
  ui.addLine(L"~");
  int type = 0;
  resbuf rb;
  ASSERT_EQ(acedGrRead(1, &type, &rb), RTNORM);
  EXPECT_EQ(type, 5);
  EXPECT_DOUBLE_EQ(rb.resval.rpoint[0], 1);
  ASSERT_EQ(acedGrRead(0, &type, &rb), RTNORM);  // moves skipped without tracking
  EXPECT_EQ(type, 3);
  EXPECT_EQ(rb.restype, RT3DPOINT);
  EXPECT_DOUBLE_EQ(rb.resval.rpoint[0], 3);
  int keys[3];
  for (int& k : keys) {
    ASSERT_EQ(acedGrRead(1, &type, &rb), RTNORM);
    EXPECT_EQ(type, 2);
    k = rb.resval.rint;
  }
  EXPECT_EQ(keys[0], L'a');
  EXPECT_EQ(keys[1], L'b');
  EXPECT_EQ(keys[2], 13);
  ASSERT_EQ(acedGrRead(1, &type, &rb), RTNORM);
  EXPECT_EQ(type, 25);
  EXPECT_EQ(acedGrRead(1, &type, &rb), RTCAN);
}

// A line dragged from a fixed start to the cursor, with a keyword.
class LineJig : public AcEdJig {
 public:
  LineJig() : line(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 0, 0))) {}
  ~LineJig() override {
    if (!appended) delete line;
  }
  DragStatus sampler() override {
    ++samples;
    setKeywordList(L"Close Undo");
    DragStatus st = acquirePoint(cursor, AcGePoint3d(0, 0, 0));
    if (st == kNoChange) ++unchanged;
    return st;
  }
  Adesk::Boolean update() override {
    line->setEndPoint(cursor);
    ++updates;
    return true;
  }
  AcDbEntity* entity() const override { return line; }
  AcDbLine* line;
  AcGePoint3d cursor;
  int samples = 0, updates = 0, unchanged = 0;
  bool appended = false;
};

TEST_F(EditorTest, JigDragSequence) {
  ui.addLine(L"drag 1,1 2,2 2,2 pick 5,6");
  LineJig jig;
  jig.setDispPrompt(L"\nEnd point %s: ", L"[Close/Undo]");
  jig.setKeywordList(L"Close Undo");
  EXPECT_STREQ(jig.dispPrompt(), L"\nEnd point [Close/Undo]: ");
  ASSERT_EQ(jig.drag(), AcEdJig::kNormal);
  EXPECT_EQ(jig.samples, 4);
  EXPECT_EQ(jig.unchanged, 1);  // the repeated 2,2 is no change
  EXPECT_EQ(jig.updates, 3);
  EXPECT_DOUBLE_EQ(jig.line->endPoint().x, 5);
  EXPECT_DOUBLE_EQ(jig.line->endPoint().y, 6);
  AcDbObjectId id = jig.append();
  ASSERT_FALSE(id.isNull());
  jig.appended = true;
  EXPECT_EQ(id.database(), db);

  // a keyword, a typed point, Escape
  LineJig second;
  second.setKeywordList(L"Close Undo");
  ui.addLine(L"drag 3,3 u");
  EXPECT_EQ(second.drag(), AcEdJig::kKW2);
  ACHAR kw[133];
  acedGetInput(kw);
  EXPECT_STREQ(kw, L"Undo");
  ui.addLine(L"@1,1");
  EXPECT_EQ(second.drag(), AcEdJig::kNormal);
  EXPECT_DOUBLE_EQ(second.line->endPoint().x, 4);  // relative to the last cursor point (3,3)
  ui.addLine(L"");
  ui.addLine(L"~");
  EXPECT_EQ(second.drag(), AcEdJig::kCancel);  // Enter is ignored without kNullResponseAccepted
  second.setUserInputControls(AcEdJig::kNullResponseAccepted);
  ui.addLine(L"");
  EXPECT_EQ(second.drag(), AcEdJig::kNull);
}

// A distance jig that refuses zero and negative values.
class DistJig : public AcEdJig {
 public:
  DragStatus sampler() override {
    setUserInputControls(static_cast<UserInputControls>(kNoZeroResponseAccepted | kNoNegativeResponseAccepted));
    return acquireDist(value, AcGePoint3d(0, 0, 0));
  }
  Adesk::Boolean update() override { return true; }
  AcDbEntity* entity() const override { return nullptr; }
  double value = 0.0;
};

TEST_F(EditorTest, JigTypedValues) {
  ui.addLine(L"drag 3,4");
  ui.addLine(L"-2");
  ui.addLine(L"7.5");
  DistJig jig;
  EXPECT_EQ(jig.drag(), AcEdJig::kNormal);
  EXPECT_DOUBLE_EQ(jig.value, 7.5);
  EXPECT_NE(ui.transcript().find(L"Value must be positive."), std::wstring::npos);
  EXPECT_EQ(jig.append(), AcDbObjectId());  // no entity: nothing appended
}

}  // namespace

// The entity walk of acdbEntLast/acdbEntNext is remembered per database; a new
// drawing made where a deleted one lived, with the same number of objects and
// the same handle seed, must not be walked with the old drawing's entities.
TEST(EntityWalkTest, ANewDrawingAtTheAddressOfADeletedOneIsWalkedAfresh) {
  for (int round = 0; round < 8; ++round) {
    auto* db = new AcDbDatabase(true);
    acdbHostApplicationServices()->setWorkingDatabase(db);
    AcDbBlockTableRecord* space = nullptr;
    ASSERT_EQ(acdbOpenObject(space, db->currentSpaceId(), AcDb::kForWrite), Acad::eOk);
    auto* line = new AcDbLine(AcGePoint3d(round, 0, 0), AcGePoint3d(round, 1, 0));
    AcDbObjectId id;
    space->appendAcDbEntity(id, line);
    line->close();
    space->close();

    ads_name last;
    ASSERT_EQ(acdbEntLast(last), RTNORM);
    AcDbObjectId lastId;
    ASSERT_EQ(acdbGetObjectId(lastId, last), Acad::eOk);
    EXPECT_EQ(lastId, id) << "round " << round;
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    delete db;
  }
}
