// System variables, LISP symbols, message boxes, the status bar, user breaks and script files.
#include <cstdio>
#include <fstream>

#include "arx/ed/AcedInput.h"
#include "arx/ed/AcedLispSymbol.h"
#include "arx/ed/AcedSysVar.h"
#include "arx/ed/AcutPrintf.h"
#include "arx/ed/MessageBox.h"
#include "arx/ed/StatusBar.h"
#include "arx/ed/TerminalHostUi.h"
#include "arx/ed/ViewState.h"
#include "platform/arx/ed/EdTestSupport.h"

namespace {

using edtest::EditorTest;

resbuf shortRb(int v) {
  resbuf rb;
  rb.rbnext = nullptr;
  rb.restype = RTSHORT;
  rb.resval.rint = static_cast<short>(v);
  return rb;
}

resbuf textRb(const ACHAR* s) {
  resbuf rb;
  rb.rbnext = nullptr;
  rb.restype = RTSTR;
  rb.resval.rstring = const_cast<ACHAR*>(s);
  return rb;
}

std::wstring getText(const ACHAR* name) {
  resbuf rb;
  if (acedGetVar(name, &rb) != RTNORM || rb.restype != RTSTR) return L"<error>";
  std::wstring s = rb.resval.rstring;
  delete[] rb.resval.rstring;
  return s;
}

TEST_F(EditorTest, SystemVariablesRoundTrip) {
  resbuf rb;
  ASSERT_EQ(acedGetVar(L"cmdecho", &rb), RTNORM);
  EXPECT_EQ(rb.restype, RTSHORT);
  resbuf zero = shortRb(0);
  ASSERT_EQ(acedSetVar(L"CmdEcho", &zero), RTNORM);
  EXPECT_EQ(vhost::sysVarInt(L"CMDECHO", 9), 0);
  resbuf one = shortRb(1);
  acedSetVar(L"CMDECHO", &one);
  resbuf two = shortRb(2);
  EXPECT_EQ(acedSetVar(L"CMDECHO", &two), RTERROR);  // out of range
  resbuf real;
  real.restype = RTREAL;
  real.resval.rreal = 1.0;
  EXPECT_EQ(acedSetVar(L"OSMODE", &real), RTERROR);  // wrong type
  EXPECT_EQ(acedGetVar(L"NOSUCHVAR", &rb), RTERROR);
  EXPECT_EQ(acedSetVar(L"CMDACTIVE", &one), RTERROR);  // read-only
  EXPECT_EQ(vhost::sysVarInt(L"OSMODE", 0), 4133);

  // database variables change the working database
  dbtest::addLayer(db, L"NEW");
  resbuf layer = textRb(L"new");
  ASSERT_EQ(acedSetVar(L"CLAYER", &layer), RTNORM);
  EXPECT_EQ(db->clayer(), db->layerId(L"NEW"));
  EXPECT_EQ(getText(L"CLAYER"), L"NEW");
  EXPECT_NE(db->dbmod() & 4, 0);
  resbuf missing = textRb(L"MISSING");
  EXPECT_EQ(acedSetVar(L"CLAYER", &missing), RTERROR);
  resbuf color = textRb(L"red");
  ASSERT_EQ(acedSetVar(L"CECOLOR", &color), RTNORM);
  EXPECT_EQ(getText(L"CECOLOR"), L"1");
  resbuf rgb = textRb(L"RGB:10,20,30");
  ASSERT_EQ(acedSetVar(L"CECOLOR", &rgb), RTNORM);
  EXPECT_EQ(getText(L"CECOLOR"), L"RGB:10,20,30");
  resbuf scale = shortRb(2);  // an integer is accepted for a real
  ASSERT_EQ(acedSetVar(L"LTSCALE", &scale), RTNORM);
  EXPECT_DOUBLE_EQ(db->ltscale(), 2.0);
  resbuf units = shortRb(6);
  ASSERT_EQ(acedSetVar(L"INSUNITS", &units), RTNORM);
  EXPECT_EQ(db->insunits(), AcDb::kUnitsMeters);

  // editor-held variables belong to each database
  resbuf snap = shortRb(1);
  ASSERT_EQ(acedSetVar(L"SNAPMODE", &snap), RTNORM);
  AcDbDatabase other(true);
  acdbHostApplicationServices()->setWorkingDatabase(&other);
  EXPECT_EQ(vhost::sysVarInt(L"SNAPMODE", -1), 0);
  acdbHostApplicationServices()->setWorkingDatabase(db);
  EXPECT_EQ(vhost::sysVarInt(L"SNAPMODE", -1), 1);

  // computed ones
  EXPECT_EQ(getText(L"DWGNAME"), L"Drawing1.dwg");
  db->setFilename(L"/tmp/plans/site.dwg");
  EXPECT_EQ(getText(L"DWGNAME"), L"site.dwg");
  EXPECT_EQ(getText(L"DWGPREFIX"), L"/tmp/plans/");
  EXPECT_EQ(getText(L"CTAB"), L"Model");
  EXPECT_EQ(vhost::sysVarInt(L"CVPORT", 0), 2);
  EXPECT_GE(getText(L"ACADVER"), L"17.1s");
  ASSERT_EQ(acedGetVar(L"SCREENSIZE", &rb), RTNORM);
  EXPECT_EQ(rb.restype, RTPOINT);
  EXPECT_DOUBLE_EQ(rb.resval.rpoint[0], 1600);
  ASSERT_EQ(acedGetVar(L"VIEWCTR", &rb), RTNORM);
  EXPECT_EQ(rb.restype, RT3DPOINT);
  ASSERT_EQ(acedGetVar(L"USERS1", &rb), RTNORM);
  delete[] rb.resval.rstring;

  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_EQ(acedGetVar(L"CLAYER", &rb), RTERROR);
  acdbHostApplicationServices()->setWorkingDatabase(db);
}

TEST_F(EditorTest, LispSymbolsBelongToTheDocument) {
  resbuf* value = acutBuildList(RTREAL, 500.0, 0);
  ASSERT_EQ(acedPutSym(L"$SYS_SCALE", value), RTNORM);
  acutRelRb(value);
  resbuf* got = nullptr;
  ASSERT_EQ(acedGetSym(L"$sys_scale", got), RTNORM);
  ASSERT_NE(got, nullptr);
  EXPECT_EQ(got->restype, RTREAL);
  EXPECT_DOUBLE_EQ(got->resval.rreal, 500.0);
  acutRelRb(got);
  ASSERT_EQ(acedGetSym(L"UNSET", &got), RTNORM);
  EXPECT_EQ(got->restype, RTNIL);
  acutRelRb(got);
  EXPECT_EQ(acedGetSym(L"bad name", &got), RTERROR);
  // another document does not see it; forgetting the document drops it
  AcDbDatabase other(true);
  acdbHostApplicationServices()->setWorkingDatabase(&other);
  acedGetSym(L"$SYS_SCALE", &got);
  EXPECT_EQ(got->restype, RTNIL);
  acutRelRb(got);
  acdbHostApplicationServices()->setWorkingDatabase(db);
  EXPECT_TRUE(vhost::hasViewState(db));
  vhost::forgetViewState(db);
  EXPECT_FALSE(vhost::hasViewState(db));
  acedGetSym(L"$SYS_SCALE", &got);
  EXPECT_EQ(got->restype, RTNIL);
  acutRelRb(got);
  // a deleted database takes its state with it
  {
    AcDbDatabase temp(true);
    acdbHostApplicationServices()->setWorkingDatabase(&temp);
    resbuf* v = acutBuildList(RTSHORT, 3, 0);
    acedPutSym(L"X", v);
    acutRelRb(v);
    EXPECT_TRUE(vhost::hasViewState(&temp));
    acdbHostApplicationServices()->setWorkingDatabase(db);
  }
}

TEST_F(EditorTest, MessageBoxAnswersAndDefaults) {
  script({L"no", L"COMMAND", L"y"});
  EXPECT_EQ(vhost::messageBox(L"Overwrite?", L"Warning", MB_YESNO), IDNO);
  // the next line names no button: the box takes its default and the line stays
  EXPECT_EQ(vhost::messageBox(L"Replace?", L"Warning", MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
  std::wstring next;
  ASSERT_TRUE(ui.peekLine(next));
  EXPECT_EQ(next, L"COMMAND");
  ui.nextLine(next);
  EXPECT_EQ(vhost::messageBox(L"Go on?", L"Question", MB_YESNO | MB_ICONQUESTION), IDYES);
  EXPECT_EQ(vhost::messageBox(L"Done.", L"Info"), IDOK);  // nothing queued
  ASSERT_EQ(ui.entries().size(), 4u);
  EXPECT_FALSE(ui.entries()[0].defaulted);
  EXPECT_TRUE(ui.entries()[1].defaulted);
  EXPECT_EQ(ui.entries()[3].answer, L"OK");
  std::wstring t = ui.transcript();
  EXPECT_NE(t.find(L"[Warning] Overwrite? <Yes/No>: No"), std::wstring::npos);
  EXPECT_NE(t.find(L"[Warning] Replace? <Yes/No/Cancel>: No (default)"), std::wstring::npos);
  EXPECT_EQ(vhost::messageBoxAnswer(MB_OKCANCEL, L"~"), IDCANCEL);
  EXPECT_EQ(vhost::messageBoxAnswer(MB_YESNO, L"~"), 0);
  EXPECT_EQ(vhost::messageBoxAnswer(MB_OK, L"yes"), 0);
}

TEST_F(EditorTest, ProgressMeterUserBreakAndPrintf) {
  script({L"break 3"});
  ASSERT_EQ(acedSetStatusBarProgressMeter(L"Working...", 0, 100), 0);
  int breaks = 0, polls = 0;
  for (int i = 0; i <= 100 && breaks == 0; i += 10) {
    acedSetStatusBarProgressMeterPos(i);
    ++polls;
    breaks += acedUsrBrk();
  }
  EXPECT_EQ(polls, 3);  // the third poll reports the break
  EXPECT_EQ(acedUsrBrk(), 0);  // once only
  EXPECT_TRUE(vhost::progressMeterShown());
  acedRestoreStatusBar();
  EXPECT_FALSE(vhost::progressMeterShown());
  EXPECT_EQ(acedSetStatusBarProgressMeterPos(5), -1);
  EXPECT_EQ(acedSetStatusBarProgressMeter(L"bad", 5, 5), -1);
  const auto& events = ui.progressEvents();
  ASSERT_EQ(events.size(), 5u);  // start, three positions, end
  EXPECT_EQ(events[0].label, L"Working...");
  EXPECT_EQ(events[3].pos, 20);

  EXPECT_EQ(acutPrintf(L"\n%s has %d items (%.1f%%)", L"层", 3, 12.5), 22);
  EXPECT_EQ(acutPrintf(L"\n%Q oops"), -1);
  std::wstring t = ui.transcript();
  EXPECT_NE(t.find(L"[progress: Working...]"), std::wstring::npos);
  EXPECT_NE(t.find(L"[user break]"), std::wstring::npos);
  EXPECT_NE(t.find(L"层 has 3 items (12.5%)"), std::wstring::npos);
  EXPECT_NE(t.find(L"%Q oops [bad format]"), std::wstring::npos);
}

TEST(ScriptFileTest, LoadingScriptFiles) {
  std::string path = ::testing::TempDir() + "ed_script_test.scr";
  {
    std::ofstream out(path, std::ios::binary);
    out << "\xEF\xBB\xBF; comment\r\nZOOM\r\n\r\n  ; indented comment\nw 0,0 1,1\n图层";
  }
  vhost::ScriptedHostUi ui;
  std::wstring error;
  ASSERT_TRUE(ui.loadScriptFile(path, &error)) << std::string(error.begin(), error.end());
  EXPECT_EQ(ui.pendingLines(), 4u);
  std::wstring line;
  int number = 0;
  ASSERT_TRUE(ui.nextLine(line, &number));
  EXPECT_EQ(line, L"ZOOM");
  EXPECT_EQ(number, 2);
  ui.nextLine(line, &number);
  EXPECT_EQ(line, L"");
  ui.nextLine(line, &number);
  EXPECT_EQ(number, 5);
  ui.nextLine(line);
  EXPECT_EQ(line, L"图层");
  {
    std::ofstream out(path, std::ios::binary);
    out << "ok\n\xFF\xFE\xFD bad\n";
  }
  vhost::ScriptedHostUi bad;
  EXPECT_FALSE(bad.loadScriptFile(path, &error));
  EXPECT_NE(error.find(L":2:"), std::wstring::npos);
  EXPECT_EQ(bad.pendingLines(), 0u);
  std::remove(path.c_str());
  EXPECT_FALSE(bad.loadScriptFile(path, &error));
  EXPECT_NE(error.find(L"cannot open"), std::wstring::npos);
}

}  // namespace

namespace {

TEST(TerminalHostUiTest, PlainInputWithoutATerminal) {
  char input[] = "12\n~\n\nmaybe\nn\n";
  std::FILE* in = fmemopen(input, sizeof input - 1, "r");
  std::FILE* out = std::tmpfile();
  ASSERT_NE(in, nullptr);
  ASSERT_NE(out, nullptr);
  {
    vhost::TerminalHostUi term(in, out, true);
    EXPECT_FALSE(term.lineEditing());  // not a terminal: plain reading
    vhost::Prompt p;
    p.text = L"\nCount: ";
    vhost::Reply r = term.prompt(p);
    EXPECT_EQ(r.kind, vhost::Reply::Kind::kText);
    EXPECT_EQ(r.text, L"12");
    EXPECT_EQ(term.prompt(p).kind, vhost::Reply::Kind::kCancel);
    EXPECT_EQ(term.prompt(p).kind, vhost::Reply::Kind::kEnter);
    // a box asks again until a button is named
    EXPECT_EQ(term.messageBox(L"Keep?", L"Question", MB_YESNO), IDNO);
    EXPECT_EQ(term.prompt(p).kind, vhost::Reply::Kind::kEndOfInput);
    EXPECT_EQ(term.messageBox(L"Again?", L"Question", MB_YESNO | MB_DEFBUTTON2), IDNO);  // end of input: default
    term.print(L"\nbye");
    EXPECT_FALSE(term.pollUserBreak());
  }
  std::rewind(out);
  char buf[512] = {0};
  std::size_t n = std::fread(buf, 1, sizeof buf - 1, out);
  std::string shown(buf, n);
  EXPECT_EQ(shown.rfind("Count: ", 0), 0u);  // the leading newline of the first output is absorbed
  EXPECT_NE(shown.find("*Cancel*"), std::string::npos);
  EXPECT_NE(shown.find("[Question] Keep? <Yes/No> <Yes>: "), std::string::npos);
  EXPECT_NE(shown.find("Answer Yes/No."), std::string::npos);
  EXPECT_NE(shown.find("bye"), std::string::npos);
  std::fclose(in);
  std::fclose(out);
}

}  // namespace
