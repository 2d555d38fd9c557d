// The command stack, the command processor and the host commands run with acedCommand.
#include <stdexcept>

#include "arx/db/AcRxClass.h"
#include "arx/entities/AcDbBlockReference.h"
#include "arx/ed/AcEdCommandStack.h"
#include "arx/ed/AcEditorReactor.h"
#include "arx/ed/AcedCommand.h"
#include "arx/ed/AcedEntSel.h"
#include "arx/ed/AcedInput.h"
#include "arx/ed/AcedSelectionSet.h"
#include "arx/ed/AcedSysVar.h"
#include "arx/ed/AcutPrintf.h"
#include "arx/ed/HostCommands.h"
#include "arx/ed/RunCommand.h"
#include "arx/ed/ViewState.h"
#include "platform/arx/ed/EdTestSupport.h"

namespace {

using edtest::EditorTest;

int gRuns = 0;
void countRun() { ++gRuns; }

// Asks a keyword; records what happened.
std::wstring gOutcome;
void askThenWork() {
  ACHAR kw[133];
  acedInitGet(0, L"Go Stop");
  int rc = acedGetKword(L"\nProceed [Go/Stop] <Go>: ", kw);
  if (rc == RTCAN) {
    gOutcome = L"cancelled";
    return;
  }
  gOutcome = rc == RTNONE ? L"default" : kw;
  resbuf rb;
  acedGetVar(L"CMDNAMES", &rb);
  gOutcome += std::wstring(L"|") + rb.resval.rstring;
  delete[] rb.resval.rstring;
  acedGetVar(L"CMDACTIVE", &rb);
  gOutcome += L"|" + std::to_wstring(rb.resval.rint);
}

void throwsStatus() { throw Acad::eInvalidInput; }
void throwsStd() { throw std::runtime_error("broken"); }

class StackGuard {
 public:
  ~StackGuard() {
    acedRegCmds->removeGroup(L"EDTEST");
    acedRegCmds->removeGroup(L"EDTEST2");
  }
};

TEST(CommandStackTest, RegistrationLookupAndRemoval) {
  StackGuard guard;
  AcEdCommandStack* stack = acedRegCmds;
  // the stack is where modules look for it
  EXPECT_EQ(AcEdCommandStack::cast(acrxSysRegistry()->at(ACRX_COMMAND_DOCK)), stack);
  int before = stack->commandCount();
  AcEdCommand* cmd = nullptr;
  ASSERT_EQ(stack->addCommand(L"EDTEST", L"FirstCmd", L"FirstLocal", ACRX_CMD_TRANSPARENT | ACRX_CMD_USEPICKSET,
                              countRun, nullptr, -1, nullptr, &cmd),
            Acad::eOk);
  ASSERT_NE(cmd, nullptr);
  EXPECT_EQ(cmd->commandFlags(), 3);
  EXPECT_EQ(stack->addCommand(L"edtest", L"FIRSTCMD", L"Other", 0, countRun), Acad::eDuplicateKey);
  EXPECT_EQ(stack->addCommand(L"EDTEST", L"Second", L"firstlocal", 0, countRun), Acad::eDuplicateKey);
  EXPECT_EQ(stack->addCommand(L"EDTEST", L"bad name", nullptr, 0, countRun), Acad::eInvalidInput);
  EXPECT_EQ(stack->addCommand(L"EDTEST", L"NoFn", nullptr, 0, nullptr), Acad::eInvalidInput);
  ASSERT_EQ(stack->addCommand(L"EDTEST", L"Second", nullptr, 0, countRun), Acad::eOk);
  ASSERT_EQ(stack->addCommand(L"EDTEST2", L"FirstCmd", nullptr, 0, askThenWork), Acad::eOk);
  EXPECT_EQ(stack->commandCount(), before + 3);

  EXPECT_EQ(stack->lookupGlobalCmd(L"firstcmd")->groupName(), std::wstring(L"EDTEST2"));  // top group first
  EXPECT_EQ(stack->lookupCmd(L"FIRSTCMD", true, true, false, L"EDTEST"), cmd);
  EXPECT_EQ(stack->lookupLocalCmd(L"FIRSTLOCAL"), cmd);
  EXPECT_STREQ(stack->lookupLocalCmd(L"second")->localName(), L"Second");
  EXPECT_EQ(stack->lookupGlobalCmd(L"nothing"), nullptr);
  ASSERT_EQ(stack->popGroupToTop(L"edtest"), Acad::eOk);
  EXPECT_EQ(stack->lookupGlobalCmd(L"FIRSTCMD"), cmd);

  int inGroup = 0;
  AcEdCommandIterator* it = stack->iterator();
  for (; !it->done(); it->next())
    if (std::wstring(it->commandGroup()) == L"EDTEST") ++inGroup;
  delete it;
  EXPECT_EQ(inGroup, 2);

  EXPECT_EQ(stack->removeCmd(L"EDTEST", L"nothing"), Acad::eKeyNotFound);
  EXPECT_EQ(stack->removeCmd(L"EDTEST", L"second"), Acad::eOk);
  EXPECT_EQ(stack->removeGroup(L"EDTEST"), Acad::eOk);
  EXPECT_TRUE(cmd->commandUndefined());
  EXPECT_EQ(stack->removeGroup(L"EDTEST"), Acad::eKeyNotFound);
  EXPECT_EQ(stack->lookupCmd(L"FIRSTCMD", true, false, false, L"EDTEST"), nullptr);
  EXPECT_EQ(stack->commandCount(), before + 1);
  // registering again after removal works (a module loaded a second time)
  EXPECT_EQ(stack->addCommand(L"EDTEST", L"FirstCmd", nullptr, 0, countRun), Acad::eOk);
}

class Recorder : public AcEditorReactor {
 public:
  void commandWillStart(const ACHAR* c) override { log += std::wstring(L"start:") + c + L";"; }
  void commandEnded(const ACHAR* c) override { log += std::wstring(L"end:") + c + L";"; }
  void commandCancelled(const ACHAR* c) override { log += std::wstring(L"cancel:") + c + L";"; }
  void commandFailed(const ACHAR* c) override { log += std::wstring(L"fail:") + c + L";"; }
  void unknownCommand(const ACHAR* c, void*) override { log += std::wstring(L"unknown:") + c + L";"; }
  std::wstring log;
};

TEST_F(EditorTest, RunCommandOutcomesAndActiveState) {
  StackGuard guard;
  acedRegCmds->addCommand(L"EDTEST", L"ASKGO", nullptr, 0, askThenWork);
  acedRegCmds->addCommand(L"EDTEST", L"STATUSFAIL", nullptr, 0, throwsStatus);
  acedRegCmds->addCommand(L"EDTEST", L"STDFAIL", nullptr, 0, throwsStd);
  Recorder rec;
  acedEditor->addReactor(&rec);
  script({L"g", L"", L"~"});
  EXPECT_EQ(vhost::runCommand(L"_askgo"), vhost::CommandOutcome::kCompleted);
  EXPECT_EQ(gOutcome, L"Go|ASKGO|5");  // a command (1) run from a script (4)
  EXPECT_EQ(vhost::runCommand(L"'AskGo"), vhost::CommandOutcome::kCompleted);
  EXPECT_EQ(gOutcome, L"default|ASKGO|5");
  // Escape ends the command cleanly and counts as cancelled
  EXPECT_EQ(vhost::runCommand(L"ASKGO"), vhost::CommandOutcome::kCancelled);
  EXPECT_EQ(gOutcome, L"cancelled");
  // the script has ended while the command asks: input exhausted
  EXPECT_EQ(vhost::runCommand(L"ASKGO"), vhost::CommandOutcome::kInputExhausted);
  EXPECT_TRUE(ui.promptStarved());
  EXPECT_EQ(vhost::runCommand(L"STATUSFAIL"), vhost::CommandOutcome::kFailed);
  EXPECT_EQ(vhost::runCommand(L"STDFAIL"), vhost::CommandOutcome::kFailed);
  EXPECT_EQ(vhost::runCommand(L"NOSUCH"), vhost::CommandOutcome::kUnknown);
  EXPECT_TRUE(vhost::activeCommands().empty());
  EXPECT_EQ(vhost::commandActiveFlags(), 0);
  std::wstring t = ui.transcript();
  EXPECT_NE(t.find(L"STATUSFAIL: error: "), std::wstring::npos);
  EXPECT_NE(t.find(L"STDFAIL: error: broken"), std::wstring::npos);
  EXPECT_NE(t.find(L"Unknown command \"NOSUCH\"."), std::wstring::npos);
  EXPECT_EQ(rec.log,
            L"start:ASKGO;end:ASKGO;start:ASKGO;end:ASKGO;start:ASKGO;cancel:ASKGO;start:ASKGO;cancel:ASKGO;"
            L"start:STATUSFAIL;fail:STATUSFAIL;start:STDFAIL;fail:STDFAIL;unknown:NOSUCH;");
  acedEditor->removeReactor(&rec);
}

class RefusingHook : public vhost::CommandContextHook {
 public:
  bool enterCommand(const std::wstring& name, Adesk::Int32 flags, const AcEdCommand*) override {
    entered += name + L"/" + std::to_wstring(flags) + L";";
    return name != L"REGEN";
  }
  void leaveCommand(const std::wstring& name, Adesk::Int32, const AcEdCommand*) override { left += name + L";"; }
  std::wstring entered, left;
};

TEST_F(EditorTest, ContextHookWrapsEveryCommand) {
  RefusingHook hook;
  vhost::CommandContextHook* before = vhost::setCommandContextHook(&hook);
  script({L"w", L"0,0", L"10,10"});
  EXPECT_EQ(vhost::runCommand(L"REGEN"), vhost::CommandOutcome::kFailed);
  EXPECT_EQ(vhost::runCommand(L"._zoom"), vhost::CommandOutcome::kCompleted);
  vhost::setCommandContextHook(before);
  EXPECT_EQ(hook.entered, L"REGEN/0;ZOOM/0;");
  EXPECT_EQ(hook.left, L"ZOOM;");
}

TEST_F(EditorTest, ZoomAndPanThroughAcedCommand) {
  addLine(0, 0, 100, 50);
  ads_point a = {0, 0, 0}, b = {160, 90, 0};
  resbuf echo;
  echo.restype = RTSHORT;
  echo.resval.rint = 0;
  acedSetVar(L"CMDECHO", &echo);
  ASSERT_EQ(acedCommand(RTSTR, L"_.ZOOM", RTSTR, L"W", RTPOINT, a, RTPOINT, b, RTNONE), RTNORM);
  vhost::ViewState v = vhost::currentView(db);
  EXPECT_DOUBLE_EQ(v.center.x, 80);
  EXPECT_DOUBLE_EQ(v.center.y, 45);
  EXPECT_DOUBLE_EQ(v.height, 90);
  ads_point from = {0, 0, 0}, to = {10, 5, 0};
  ASSERT_EQ(acedCommand(RTSTR, L"PAN", RTPOINT, from, RTPOINT, to, RTNONE), RTNORM);
  v = vhost::currentView(db);
  EXPECT_DOUBLE_EQ(v.center.x, 70);
  EXPECT_DOUBLE_EQ(v.center.y, 40);
  ASSERT_EQ(acedCommand(RTSTR, L"ZOOM", RTSTR, L"C", RTPOINT, from, RTREAL, 20.0, RTNONE), RTNORM);
  EXPECT_DOUBLE_EQ(vhost::currentView(db).height, 20);
  ASSERT_EQ(acedCommand(RTSTR, L"ZOOM", RTSTR, L"2x", RTNONE), RTNORM);
  EXPECT_DOUBLE_EQ(vhost::currentView(db).height, 10);
  // previous views come back in order
  ASSERT_EQ(acedCommand(RTSTR, L"._zoom", RTSTR, L"P", RTNONE), RTNORM);
  EXPECT_DOUBLE_EQ(vhost::currentView(db).height, 20);
  ASSERT_EQ(acedCommand(RTSTR, L"ZOOM", RTSTR, L"P", RTSTR, L"ZOOM", RTSTR, L"P", RTNONE), RTNORM);
  EXPECT_DOUBLE_EQ(vhost::currentView(db).center.x, 80);
  ASSERT_EQ(acedCommand(RTSTR, L"ZOOM", RTSTR, L"E", RTNONE), RTNORM);
  EXPECT_DOUBLE_EQ(db->extmax().x, 100);
  resbuf size;
  ASSERT_EQ(acedGetVar(L"VIEWSIZE", &size), RTNORM);
  EXPECT_NEAR(size.resval.rreal, 100.0 * 900.0 / 1600.0, 1e-9);  // the width fits
  // nothing echoed with CMDECHO 0; a bad argument fails the run
  EXPECT_EQ(ui.transcript().find(L"Specify"), std::wstring::npos);
  EXPECT_EQ(acedCommand(RTSTR, L"ZOOM", RTSTR, L"W", RTSTR, L"not a point", RTNONE), RTERROR);
  EXPECT_EQ(acedCommand(RTSTR, L"NOSUCHCOMMAND", RTNONE), RTERROR);
  EXPECT_EQ(acedCommand(RTLB, RTNONE), RTERROR);
  echo.resval.rint = 1;
  acedSetVar(L"CMDECHO", &echo);
}

TEST_F(EditorTest, SelectMakesThePreviousSelectionAndEraseErases) {
  AcDbObjectId a = addLine(0, 0, 10, 0);
  AcDbObjectId b = addLine(0, 5, 10, 5);
  ads_name ss;
  resbuf* filter = acutBuildList(RTDXF0, L"LINE", 0);
  ASSERT_EQ(acedSSGet(L"X", nullptr, nullptr, filter, ss), RTNORM);
  acutRelRb(filter);
  EXPECT_EQ(vhost::previousSelection(db).length(), 0);  // a programmatic selection is not "previous"
  ASSERT_EQ(acedCommand(RTSTR, L"SELECT", RTPICKS, ss, RTSTR, L"", RTNONE), RTNORM);
  acedSSFree(ss);
  AcDbObjectIdArray prev = vhost::previousSelection(db);
  ASSERT_EQ(prev.length(), 2);
  EXPECT_EQ(prev[0], a);
  // with CMDECHO on, the command and the answers given to it are echoed
  EXPECT_NE(ui.transcript().find(L"Command: SELECT\nSelect objects: <selection set>\n2 found"), std::wstring::npos);
  ads_name last;
  ASSERT_EQ(acdbEntLast(last), RTNORM);
  ASSERT_EQ(acedCommand(RTSTR, L"_.ERASE", RTENAME, last, RTSTR, L"", RTNONE), RTNORM);
  EXPECT_TRUE(b.isErased());
  EXPECT_FALSE(a.isErased());
  // ERASE asks the user when the arguments run out: the script answers
  script({L"all", L""});
  ASSERT_EQ(acedCommand(RTSTR, L"ERASE", RTNONE), RTNORM);
  EXPECT_TRUE(a.isErased());
}

TEST_F(EditorTest, XclipStoresTheBoundaryOnBlockReferences) {
  // a block with one line, inserted once
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(db->getBlockTable(table, AcDb::kForWrite), Acad::eOk);
  auto* rec = new AcDbBlockTableRecord();
  rec->setName(L"B1");
  AcDbObjectId blockId;
  ASSERT_EQ(table->add(blockId, rec), Acad::eOk);
  table->close();
  auto* inner = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 10, 0));
  rec->appendAcDbEntity(inner);
  inner->close();
  rec->close();
  auto* ref = new AcDbBlockReference(AcGePoint3d(0, 0, 0), blockId);
  AcDbObjectId refId = dbtest::addToModelSpace(db, ref);
  AcDbObjectId boundary = addPolyline({{1, 1}, {8, 1}, {8, 8}, {1, 8}}, true);
  addLine(50, 50, 60, 60);  // not a block reference: filtered out

  ads_name ss, bname;
  AcDbObjectIdArray ids;
  ids.append(refId);
  vhost::idsToSs(ids, ss);
  acdbGetAdsName(bname, boundary);
  ASSERT_EQ(acedCommand(RTSTR, L".XCLIP", RTPICKS, ss, RTSTR, L"", RTSTR, L"", RTSTR, L"Y", RTSTR, L"S", RTENAME,
                        bname, RTNONE),
            RTNORM);
  acedSSFree(ss);
  vhost::XClipBoundary clip;
  ASSERT_TRUE(vhost::getXClipBoundary(refId, clip));
  EXPECT_TRUE(clip.enabled);
  ASSERT_EQ(clip.points.size(), 4u);
  EXPECT_DOUBLE_EQ(clip.points[2].x, 8);
  // OFF, then Delete, through a script
  ids.setLogicalLength(0);
  ids.append(refId);
  vhost::idsToSs(ids, ss);
  ASSERT_EQ(acedCommand(RTSTR, L"XCLIP", RTPICKS, ss, RTSTR, L"", RTSTR, L"OFF", RTNONE), RTNORM);
  ASSERT_TRUE(vhost::getXClipBoundary(refId, clip));
  EXPECT_FALSE(clip.enabled);
  ASSERT_EQ(acedCommand(RTSTR, L"XCLIP", RTPICKS, ss, RTSTR, L"", RTSTR, L"D", RTNONE), RTNORM);
  EXPECT_FALSE(vhost::getXClipBoundary(refId, clip));
  acedSSFree(ss);
}

TEST_F(EditorTest, UndoMarksAreRecordedAndUndoItselfFails) {
  vhost::clearUndoMarks();
  EXPECT_EQ(acedCommand(RTSTR, L"UNDO", RTSTR, L"BE", RTNONE), RTNORM);
  EXPECT_EQ(acedCommand(RTSTR, L"_.UNDO", RTSTR, L"_E", RTNONE), RTNORM);
  EXPECT_EQ(acedCommand(RTSTR, L"UNDO", RTSTR, L"M", RTNONE), RTNORM);
  std::vector<std::wstring> marks = vhost::undoMarks();
  ASSERT_EQ(marks.size(), 3u);
  EXPECT_EQ(marks[0], L"BEGIN");
  EXPECT_EQ(marks[1], L"END");
  EXPECT_EQ(acedCommand(RTSTR, L"UNDO", RTSHORT, 1, RTNONE), RTERROR);
  EXPECT_NE(ui.transcript().find(L"undo is not available"), std::wstring::npos);
}

}  // namespace
