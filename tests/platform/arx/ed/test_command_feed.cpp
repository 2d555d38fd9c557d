// Commands running commands: arguments fed to prompts, nesting, PAUSE, removal while running.
#include <cmath>

#include "arx/ed/AcEdCommandStack.h"
#include "arx/ed/AcedCommand.h"
#include "arx/ed/AcedEntSel.h"
#include "arx/ed/AcedInput.h"
#include "arx/ed/AcedSelectionSet.h"
#include "arx/ed/AcedSysVar.h"
#include "arx/ed/RunCommand.h"
#include "arx/ed/ViewState.h"
#include "platform/arx/ed/EdTestSupport.h"

namespace {

using edtest::EditorTest;

std::vector<std::wstring> gLog;

std::wstring textVar(const ACHAR* name) {
  resbuf rb;
  if (acedGetVar(name, &rb) != RTNORM) return L"<error>";
  std::wstring s = rb.resval.rstring;
  delete[] rb.resval.rstring;
  return s;
}

// Asks a point, a real, a keyword and an entity, and logs the answers.
void innerCommand() {
  ads_point p = {1, 1, 1};
  int rc = acedGetPoint(nullptr, L"\nPoint: ", p);
  gLog.push_back(L"point " + std::to_wstring(rc) + L" " + std::to_wstring(static_cast<int>(p[0])));
  double r = 0;
  rc = acedGetReal(L"\nReal: ", &r);
  gLog.push_back(L"real " + std::to_wstring(rc) + L" " + std::to_wstring(static_cast<int>(r)));
  ACHAR kw[133];
  acedInitGet(0, L"Alpha Beta");
  rc = acedGetKword(L"\nKeyword: ", kw);
  gLog.push_back(L"kword " + std::to_wstring(rc) + L" " + (rc == RTNORM ? kw : L""));
  ads_name e;
  rc = acedEntSel(L"\nEntity: ", e, p);
  gLog.push_back(L"entity " + std::to_wstring(rc));
  gLog.push_back(L"names " + textVar(L"CMDNAMES") + L" " + std::to_wstring(vhost::commandActiveFlags()));
}

ads_name gEntity;
void outerCommand() {
  ads_point p = {7, 0, 0};
  int rc = acedCommand(RTSTR, L"INNERCMD", RTPOINT, p, RTSHORT, 3, RTSTR, L"b", RTENAME, gEntity, RTNONE);
  gLog.push_back(L"outer " + std::to_wstring(rc));
}

void removesItself() {
  acedRegCmds->removeGroup(L"FEEDTEST");
  ads_point p;
  gLog.push_back(L"after removal " + std::to_wstring(acedGetPoint(nullptr, L"\nPoint: ", p)));
}

class FeedTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    gLog.clear();
    acedRegCmds->addCommand(L"FEEDTEST", L"INNERCMD", nullptr, 0, innerCommand);
    acedRegCmds->addCommand(L"FEEDTEST", L"OUTERCMD", nullptr, 0, outerCommand);
    acedRegCmds->addCommand(L"FEEDTEST", L"SELFREMOVE", nullptr, 0, removesItself);
  }
  void TearDown() override {
    acedRegCmds->removeGroup(L"FEEDTEST");
    EditorTest::TearDown();
  }
};

TEST_F(FeedTest, ArgumentsAnswerTheNestedCommandsPrompts) {
  AcDbObjectId line = addLine(0, 0, 10, 0);
  acdbGetAdsName(gEntity, line);
  ASSERT_EQ(vhost::runCommand(L"OUTERCMD"), vhost::CommandOutcome::kCompleted);
  ASSERT_EQ(gLog.size(), 6u);
  EXPECT_EQ(gLog[0], L"point 5100 7");
  EXPECT_EQ(gLog[1], L"real 5100 3");
  EXPECT_EQ(gLog[2], L"kword 5100 Beta");
  EXPECT_EQ(gLog[3], L"entity 5100");
  EXPECT_EQ(gLog[4], L"names OUTERCMD'INNERCMD 7");  // nested (2), in a command (1), scripted (4)
  EXPECT_EQ(gLog[5], L"outer 5100");
  EXPECT_TRUE(vhost::activeCommands().empty());
}

TEST_F(FeedTest, ArgumentsRunOutOrPauseAndTheUserAnswers) {
  script({L"4", L"Alpha", L"~"});
  ads_point p = {1, 2, 0};
  EXPECT_EQ(acedCommand(RTSTR, L"INNERCMD", RTPOINT, p, RTSTR, PAUSE, RTNONE), RTCAN);
  ASSERT_EQ(gLog.size(), 5u);
  EXPECT_EQ(gLog[1], L"real 5100 4");    // PAUSE: from the script
  EXPECT_EQ(gLog[2], L"kword 5100 Alpha");  // arguments ran out: from the script
  EXPECT_EQ(gLog[3], L"entity -5002");   // Escape
  // an argument the prompt cannot take cancels the run with an error
  gLog.clear();
  ui.clearStarved();
  EXPECT_EQ(acedCommand(RTSTR, L"INNERCMD", RTSTR, L"nonsense", RTNONE), RTERROR);
  ASSERT_EQ(gLog.size(), 5u);
  EXPECT_EQ(gLog[0], L"point -5002 1");
  EXPECT_EQ(gLog[1], L"real -5002 0");  // the rest of the run is cancelled too, nobody is asked
  EXPECT_FALSE(ui.promptStarved());
  // several commands in one list
  EXPECT_EQ(acedCommand(RTSTR, L"REGEN", RTSTR, L"REGEN", RTNONE), RTNORM);
  EXPECT_EQ(acedCmd(nullptr), RTNORM);
  resbuf* list = acutBuildList(RTSTR, L"ZOOM", RTSTR, L"E", 0);
  EXPECT_EQ(acedCmd(list), RTNORM);
  acutRelRb(list);
}

TEST_F(FeedTest, ACommandRemovedWhileRunningFinishes) {
  script({L"1,1"});
  EXPECT_EQ(vhost::runCommand(L"SELFREMOVE"), vhost::CommandOutcome::kCompleted);
  EXPECT_EQ(gLog[0], L"after removal 5100");
  EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"SELFREMOVE"), nullptr);
  EXPECT_EQ(vhost::runCommand(L"SELFREMOVE"), vhost::CommandOutcome::kUnknown);
}

TEST_F(EditorTest, MoreSelectionModesAndFilterCodes) {
  AcDbObjectId a = addLine(0, 0, 10, 0);
  AcDbObjectId b = addCircle(20, 0, 3);
  auto* text = new AcDbText(AcGePoint3d(30, 0, 0), L"Parcel 12", AcDbObjectId::kNull, 2.5, 0.0);
  AcDbObjectId t = dbtest::addToModelSpace(db, text);
  ads_name ss;
  // single selection takes the first answer that finds something
  script({L"50,50", L"20,3", L"10,0"});
  ASSERT_EQ(acedSSGet(L":S", nullptr, nullptr, nullptr, ss), RTNORM);
  AcDbObjectIdArray ids;
  vhost::ssToIds(ss, ids);
  acedSSFree(ss);
  ASSERT_EQ(ids.length(), 1);
  EXPECT_EQ(ids[0], b);
  EXPECT_EQ(ui.pendingLines(), 1u);
  ui.clearQueue();
  // "L" is the last entity; text content, handle and colour codes
  ASSERT_EQ(acedSSGet(L"L", nullptr, nullptr, nullptr, ss), RTNORM);
  vhost::ssToIds(ss, ids);
  acedSSFree(ss);
  EXPECT_EQ(ids[0], t);
  resbuf* f = acutBuildList(1, L"parcel*", 0);
  ASSERT_EQ(acedSSGet(L"X", nullptr, nullptr, f, ss), RTNORM);
  acutRelRb(f);
  vhost::ssToIds(ss, ids);
  acedSSFree(ss);
  ASSERT_EQ(ids.length(), 1);
  EXPECT_EQ(ids[0], t);
  std::wstring h = handleOf(a).substr(1);
  f = acutBuildList(5, h.c_str(), 0);
  ASSERT_EQ(acedSSGet(L"X", nullptr, nullptr, f, ss), RTNORM);
  acutRelRb(f);
  vhost::ssToIds(ss, ids);
  acedSSFree(ss);
  EXPECT_EQ(ids[0], a);
  f = acutBuildList(-4, L"&", 62, 256, 410, L"Model", 0);  // by layer, in model space
  ASSERT_EQ(acedSSGet(L"X", nullptr, nullptr, f, ss), RTNORM);
  acutRelRb(f);
  Adesk::Int32 n = 0;
  acedSSLength(ss, &n);
  acedSSFree(ss);
  EXPECT_EQ(n, 3);
  // the implied set is empty: "I" fails
  EXPECT_EQ(acedSSGet(L"I", nullptr, nullptr, nullptr, ss), RTERROR);
}

TEST_F(EditorTest, AnglesFollowAngbaseAndPointsAtCornerPrompts) {
  resbuf base;
  base.restype = RTREAL;
  base.resval.rreal = M_PI / 2;
  ASSERT_EQ(acedSetVar(L"ANGBASE", &base), RTNORM);
  script({L"0", L"0", L"1,1"});
  ads_point origin = {0, 0, 0};
  double a = -1;
  ASSERT_EQ(acedGetAngle(origin, L"\nAngle: ", &a), RTNORM);
  EXPECT_NEAR(a, 0.0, 1e-12);  // typed 0 is the base direction; getangle measures from it
  ASSERT_EQ(acedGetOrient(origin, L"\nAngle: ", &a), RTNORM);
  EXPECT_NEAR(a, M_PI / 2, 1e-12);  // getorient gives the absolute angle
  ads_point c;
  EXPECT_EQ(acedGetCorner(nullptr, L"\nCorner: ", c), RTERROR);
  ASSERT_EQ(acedGetCorner(origin, L"\nCorner: ", c), RTNORM);
  resbuf last;
  ASSERT_EQ(acedGetVar(L"LASTPOINT", &last), RTNORM);
  EXPECT_DOUBLE_EQ(last.resval.rpoint[0], 1);
  base.resval.rreal = 0;
  acedSetVar(L"ANGBASE", &base);
  // world, user and display systems are one here
  resbuf from, to;
  from.restype = to.restype = RTSHORT;
  from.resval.rint = 1;
  to.resval.rint = 2;
  ads_point in = {3, 4, 5}, out;
  ASSERT_EQ(acedTrans(in, &from, &to, 0, out), RTNORM);
  EXPECT_DOUBLE_EQ(out[2], 5);
  to.resval.rint = 9;
  EXPECT_EQ(acedTrans(in, &from, &to, 0, out), RTERROR);
}

TEST_F(EditorTest, ViewHistoryAndLimits) {
  addLine(0, 0, 100, 100);
  for (int i = 1; i <= 12; ++i) {
    vhost::ViewState v = vhost::currentView(db);
    v.height = i;
    ASSERT_TRUE(vhost::setView(db, v));
  }
  vhost::ViewState bad;
  bad.height = -1;
  EXPECT_FALSE(vhost::setView(db, bad));
  int back = 0;
  while (vhost::previousView(db)) ++back;
  EXPECT_EQ(back, 10);  // ten views are kept
  EXPECT_DOUBLE_EQ(vhost::currentView(db).height, 2);
  // ZOOM All takes in the limits as well as the drawing
  ASSERT_EQ(acedCommand(RTSTR, L"ZOOM", RTSTR, L"A", RTNONE), RTNORM);
  vhost::ViewState all = vhost::currentView(db);
  EXPECT_DOUBLE_EQ(all.height, 297);
  EXPECT_DOUBLE_EQ(all.center.x, 210);
  // PAN with Enter at the second point takes the first as the displacement
  ads_point d = {10, 0, 0};
  ASSERT_EQ(acedCommand(RTSTR, L"PAN", RTPOINT, d, RTSTR, L"", RTNONE), RTNORM);
  EXPECT_DOUBLE_EQ(vhost::currentView(db).center.x, 200);
}

}  // namespace
