// LISP expressions typed at the command line: the reader and printer, entity
// data (acdbEntGet / acdbEntGetX) and the evaluator behind runCommand.
#include <string>

#include "arx/ed/AcdbEntGet.h"
#include "arx/ed/AcedLispSymbol.h"
#include "arx/ed/LispEvaluator.h"
#include "arx/ed/LispValue.h"
#include "arx/ed/RunCommand.h"
#include "platform/arx/ed/EdTestSupport.h"

namespace {

using edtest::EditorTest;
using vhost::CommandOutcome;
using vhost::LispResult;

std::wstring readError(const std::wstring& text) {
  try {
    vhost::lisp::readAll(text);
  } catch (const vhost::lisp::Error& e) {
    return e.message;
  }
  return L"<read>";
}

std::wstring reprint(const std::wstring& text) {
  std::wstring out;
  for (const auto& v : vhost::lisp::readAll(text)) out += (out.empty() ? L"" : L"|") + vhost::lisp::printValue(v);
  return out;
}

// Notes the command state seen by each prompt.
class ProbeUi : public vhost::ScriptedHostUi {
 public:
  vhost::Reply prompt(const vhost::Prompt& p) override {
    flags = vhost::commandActiveFlags();
    commands = vhost::activeCommands().size();
    return ScriptedHostUi::prompt(p);
  }
  int flags = -1;
  size_t commands = 99;
};

class LispTest : public EditorTest {
 protected:
  std::wstring ename(AcDbObjectId id) {
    ads_name n;
    acdbGetAdsName(n, id);
    wchar_t buf[40];
    std::swprintf(buf, 40, L"<Entity name: %llx>", static_cast<unsigned long long>(n[0]));
    return buf;
  }
  std::wstring handle(AcDbObjectId id) { return handleOf(id).substr(1); }
  std::wstring eval(const std::wstring& text) {
    LispResult r = vhost::evaluateLisp(text);
    return r.status == LispResult::Status::kValue ? r.text : L"; error: " + r.text;
  }
  bool printed(const std::wstring& piece) { return ui.transcript().find(piece) != std::wstring::npos; }

  // A line with extended data of two applications.
  AcDbObjectId taggedLine() {
    AcDbObjectId id = addLine(1, 2, 5, 2);
    dbtest::registerApp(db, L"APP_A");
    dbtest::registerApp(db, L"APP_B");
    AcDbEntity* e = nullptr;
    EXPECT_EQ(acdbOpenObject(e, id, AcDb::kForWrite), Acad::eOk);
    resbuf* xd = acutBuildList(1001, L"APP_A", 1000, L"x", 1001, L"APP_B", 1040, 2.5, 1070, 7, 0);
    EXPECT_EQ(e->setXData(xd), Acad::eOk);
    acutRelRb(xd);
    e->close();
    return id;
  }
};

TEST_F(LispTest, ReaderAndPrinterFollowTheHostsForms) {
  EXPECT_EQ(reprint(L"(1 -2 +3 2.5 .5 1e3 \"a\\\"b\\\\c\\n\\e\\101\" foo nil (3 . 4) 'x) ; note"),
            L"(1 -2 3 2.5 0.5 1000.0 \"a\\\"b\\\\c\\n\\eA\" FOO nil (3 . 4) (QUOTE X))");
  EXPECT_EQ(reprint(L"1+ 1e 2147483647 3000000000 -0.0 \"tab\there\""),
            L"1+|1E|2147483647|3.0e+09|0.0|\"tab\\there\"");
  EXPECT_EQ(reprint(L"(a (b (c)) . d)"), L"(A (B (C)) . D)");
  EXPECT_EQ(reprint(L"\"\x01\""), L"\"\\001\"");
  EXPECT_EQ(vhost::lisp::printReal(1e6), L"1.0e+06");
  EXPECT_EQ(vhost::lisp::printReal(100000.0), L"100000.0");
  EXPECT_EQ(vhost::lisp::printReal(1.0 / 3.0), L"0.333333");
  EXPECT_EQ(vhost::lisp::printReal(123456789.0), L"1.23457e+08");
  EXPECT_EQ(vhost::lisp::printReal(-2.0), L"-2.0");
  EXPECT_EQ(vhost::lisp::printReal(1.5e-7), L"1.5e-07");

  EXPECT_EQ(readError(L"(1 2"), L"malformed list on input");
  EXPECT_EQ(readError(L"(1 2))"), L"extra right paren on input");
  EXPECT_EQ(readError(L"\"abc"), L"malformed string on input");
  EXPECT_EQ(readError(L"( . 2)"), L"misplaced dot on input");
  EXPECT_EQ(readError(L"(1 . )"), L"misplaced dot on input");
  EXPECT_EQ(readError(L"(1 . 2 3)"), L"extra cdrs in dotted pair on input");
  EXPECT_EQ(readError(L"'"), L"malformed list on input");
  EXPECT_EQ(readError(std::wstring(20000, L'(')), L"malformed list on input");

  // A very long list is read, printed and released without exhausting the stack.
  std::wstring big = L"(";
  for (int i = 0; i < 300000; ++i) big += L"1 ";
  big += L")";
  EXPECT_EQ(vhost::lisp::printValue(vhost::lisp::readAll(big)[0]).size(), 600001u);
}

TEST_F(LispTest, EntGetListsTheDxfGroupsOfAnEntity) {
  AcDbObjectId line = addLine(1, 2, 5, 2);
  ads_name n;
  acdbGetAdsName(n, line);
  resbuf* groups = acdbEntGet(n);
  ASSERT_NE(groups, nullptr);
  const resbuf* rb = groups;
  ASSERT_EQ(rb->restype, -1);
  EXPECT_EQ(edtest::idOf(rb->resval.rlname), line);
  rb = rb->rbnext;
  ASSERT_EQ(rb->restype, 0);
  EXPECT_STREQ(rb->resval.rstring, L"LINE");
  rb = rb->rbnext;
  ASSERT_EQ(rb->restype, 330);
  EXPECT_EQ(edtest::idOf(rb->resval.rlname), db->modelSpaceId());
  rb = rb->rbnext;
  ASSERT_EQ(rb->restype, 5);
  EXPECT_EQ(std::wstring(rb->resval.rstring), handle(line));
  bool sawStart = false, sawSentinel = false;
  for (; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == 10) sawStart = rb->resval.rpoint[0] == 1 && rb->resval.rpoint[1] == 2;
    if (rb->restype == -3) sawSentinel = true;
  }
  EXPECT_TRUE(sawStart);
  EXPECT_FALSE(sawSentinel);
  acutRelRb(groups);

  EXPECT_EQ(eval(L"(entget (handent \"" + handle(line) + L"\"))"),
            L"((-1 . " + ename(line) + L") (0 . \"LINE\") (330 . " + ename(db->modelSpaceId()) + L") (5 . \"" +
                handle(line) + L"\") (100 . \"AcDbEntity\") (8 . \"0\") (100 . \"AcDbLine\") (10 1.0 2.0 0.0) "
                               L"(11 5.0 2.0 0.0))");
  // 2D points keep two coordinates.
  AcDbObjectId pl = addPolyline({AcGePoint2d(0, 0), AcGePoint2d(3, 4)}, false);
  std::wstring polyline = eval(L"(entget (handent \"" + handle(pl) + L"\"))");
  EXPECT_NE(polyline.find(L"(0 . \"LWPOLYLINE\")"), std::wstring::npos);
  EXPECT_NE(polyline.find(L"(10 0.0 0.0) (10 3.0 4.0)"), std::wstring::npos);

  // Nothing for a null name or an erased entity.
  EXPECT_EQ(acdbEntGet(nullptr), nullptr);
  AcDbEntity* e = nullptr;
  ASSERT_EQ(acdbOpenObject(e, line, AcDb::kForWrite), Acad::eOk);
  e->erase();
  e->close();
  EXPECT_EQ(acdbEntGet(n), nullptr);
  EXPECT_EQ(eval(L"(handent \"" + handle(line) + L"\")"), L"nil");
}

TEST_F(LispTest, EntGetXFiltersExtendedDataByApplication) {
  AcDbObjectId id = taggedLine();
  ads_name n;
  acdbGetAdsName(n, id);
  auto xdataOf = [&](const ACHAR* apps) {
    resbuf* filter = apps != nullptr ? acutBuildList(RTSTR, apps, 0) : nullptr;
    resbuf* groups = acdbEntGetX(n, filter);
    acutRelRb(filter);
    std::wstring out;
    bool after = false;
    for (const resbuf* rb = groups; rb != nullptr; rb = rb->rbnext) {
      if (rb->restype == -3) after = true;
      if (!after) continue;
      out += L"[" + std::to_wstring(rb->restype);
      if (rb->restype == 1001 || rb->restype == 1000) out += L" " + std::wstring(rb->resval.rstring);
      out += L"]";
    }
    acutRelRb(groups);
    return out;
  };
  EXPECT_EQ(xdataOf(L"APP_B"), L"[-3][1001 APP_B][1040][1070]");
  EXPECT_EQ(xdataOf(L"app_a"), L"[-3][1001 APP_A][1000 x]");
  EXPECT_EQ(xdataOf(L"*"), L"[-3][1001 APP_A][1000 x][1001 APP_B][1040][1070]");
  EXPECT_EQ(xdataOf(L"APP_C,*_B"), L"[-3][1001 APP_B][1040][1070]");
  EXPECT_EQ(xdataOf(L"OTHER"), L"");
  EXPECT_EQ(xdataOf(nullptr), L"");

  std::wstring h = handle(id);
  std::wstring all = eval(L"(entget (handent \"" + h + L"\") '(\"*\"))");
  EXPECT_NE(all.find(L"(11 5.0 2.0 0.0) (-3 (\"APP_A\" (1000 . \"x\")) (\"APP_B\" (1040 . 2.5) (1070 . 7))))"),
            std::wstring::npos);
  std::wstring one = eval(L"(entget (handent \"" + h + L"\") '(\"APP_B\"))");
  EXPECT_NE(one.find(L"(-3 (\"APP_B\" (1040 . 2.5) (1070 . 7))))"), std::wstring::npos);
  EXPECT_EQ(one.find(L"APP_A"), std::wstring::npos);
  EXPECT_EQ(eval(L"(entget (handent \"" + h + L"\") '(5))"), L"; error: bad argument type: stringp 5");
  EXPECT_EQ(eval(L"(entget (handent \"" + h + L"\") 5)"), L"; error: bad argument type: listp 5");
}

TEST_F(LispTest, CommandLineEvaluatesTheModulesEntselExpression) {
  AcDbObjectId id = taggedLine();
  const std::wstring expr = L"(entget(car(entsel))'(\"*\"))";
  ui.addLine(L"3,2");
  EXPECT_EQ(vhost::runCommand(expr), CommandOutcome::kCompleted);
  EXPECT_TRUE(printed(L"Select object: 3,2\n((-1 . " + ename(id) + L") (0 . \"LINE\")"));
  EXPECT_TRUE(printed(L"(-3 (\"APP_A\" (1000 . \"x\")) (\"APP_B\" (1040 . 2.5) (1070 . 7))))"));
  EXPECT_EQ(vhost::commandActiveFlags(), 0);

  ui.clearTranscript();
  ui.addLine(L"");  // an empty pick: entsel gives nil
  EXPECT_EQ(vhost::runCommand(expr), CommandOutcome::kFailed);
  EXPECT_TRUE(printed(L"; error: bad argument type: lentityp nil"));
  ui.addLine(L"40,40");  // a pick that hits nothing
  EXPECT_EQ(vhost::runCommand(L"(entsel \"\\nPick: \")"), CommandOutcome::kCompleted);
  EXPECT_TRUE(printed(L"Pick: 40,40\nnil"));
  ui.addLine(L"#" + handle(id));
  EXPECT_EQ(vhost::evaluateLisp(L"(cadr (entsel))").text, L"(1.0 2.0 0.0)");

  ui.clearTranscript();
  ui.addLine(L"~");
  EXPECT_EQ(vhost::runCommand(expr), CommandOutcome::kCancelled);
  EXPECT_TRUE(printed(L"; error: Function cancelled"));
  EXPECT_FALSE(ui.promptStarved());
  EXPECT_EQ(vhost::runCommand(expr), CommandOutcome::kInputExhausted);
  EXPECT_TRUE(ui.promptStarved());

  ui.clearStarved();
  EXPECT_EQ(vhost::runCommand(L"(entget(car(entsel))'(\"*\")"), CommandOutcome::kFailed);
  EXPECT_TRUE(printed(L"; error: malformed list on input"));
  EXPECT_EQ(ui.pendingLines(), 0u);
  EXPECT_FALSE(ui.promptStarved());  // nothing was asked

  // While an expression is evaluated no command is active; CMDACTIVE says so.
  ProbeUi probe;
  vhost::ScopedHostUi scope(&probe);
  probe.addLine(L"3,2");
  EXPECT_EQ(vhost::runCommand(L"(entsel)"), CommandOutcome::kCompleted);
  EXPECT_EQ(probe.flags, 32 | 4);
  EXPECT_EQ(probe.commands, 0u);
}

TEST_F(LispTest, ListFunctionsSymbolsAndErrors) {
  EXPECT_EQ(vhost::runCommand(L"(foo 1)"), CommandOutcome::kFailed);
  EXPECT_TRUE(printed(L"; error: no function definition: FOO"));
  EXPECT_FALSE(printed(L"Unknown command"));
  EXPECT_EQ(eval(L"(car 5)"), L"; error: bad argument type: consp 5");
  EXPECT_EQ(eval(L"(cdr \"s\")"), L"; error: bad argument type: consp \"s\"");
  EXPECT_EQ(eval(L"(car nil)"), L"nil");
  EXPECT_EQ(eval(L"(cadr '(1 2 3))"), L"2");
  EXPECT_EQ(eval(L"(cddr '(1 2 3))"), L"(3)");
  EXPECT_EQ(eval(L"(caddr '(1 2 3))"), L"3");
  EXPECT_EQ(eval(L"(cadar '((1 2) 3))"), L"2");
  EXPECT_EQ(eval(L"(cons 1 2)"), L"(1 . 2)");
  EXPECT_EQ(eval(L"(cons 1 '(2))"), L"(1 2)");
  EXPECT_EQ(eval(L"(list 1 (list 2.0 \"a\") nil)"), L"(1 (2.0 \"a\") nil)");
  EXPECT_EQ(eval(L"(length '(1 2 3))"), L"3");
  EXPECT_EQ(eval(L"(length '(1 . 2))"), L"; error: bad argument type: listp (1 . 2)");
  EXPECT_EQ(eval(L"(nth 1 '(a b c))"), L"B");
  EXPECT_EQ(eval(L"(nth 5 '(a b c))"), L"nil");
  EXPECT_EQ(eval(L"(nth 1.5 '(a))"), L"; error: bad argument type: fixnump: 1.5");
  EXPECT_EQ(eval(L"(assoc 8 '((0 . \"LINE\") (8 . \"WALLS\")))"), L"(8 . \"WALLS\")");
  EXPECT_EQ(eval(L"(assoc 8.0 '((8 . \"WALLS\")))"), L"(8 . \"WALLS\")");
  EXPECT_EQ(eval(L"(last '(1 2 3))"), L"3");
  EXPECT_EQ(eval(L"(null nil)"), L"T");
  EXPECT_EQ(eval(L"(not 1)"), L"nil");
  EXPECT_EQ(eval(L"(entget)"), L"; error: too few arguments");
  EXPECT_EQ(eval(L"(car 1 2)"), L"; error: too many arguments");
  EXPECT_EQ(eval(L"(entget 5)"), L"; error: bad argument type: lentityp 5");
  EXPECT_EQ(eval(L"((1 2))"), L"; error: bad function: (1 2)");
  EXPECT_EQ(eval(L"(car . 1)"), L"; error: bad list in function call: (CAR . 1)");

  // Symbols are the document's LISP symbols, in the C-level list form.
  EXPECT_EQ(eval(L"(setq a '(1 2.5 \"s\") b 70000)"), L"70000");
  resbuf* rb = nullptr;
  ASSERT_EQ(acedGetSym(L"A", &rb), RTNORM);
  resbuf* want = acutBuildList(RTLB, RTSHORT, 1, RTREAL, 2.5, RTSTR, L"s", RTLE, 0);
  EXPECT_TRUE(vhost::rbChainEqual(rb, want));
  acutRelRb(want);
  acutRelRb(rb);
  ASSERT_EQ(acedGetSym(L"B", &rb), RTNORM);
  EXPECT_EQ(rb->restype, RTLONG);
  acutRelRb(rb);
  EXPECT_EQ(eval(L"(setq p (list 1.0 2.0 3.0))"), L"(1.0 2.0 3.0)");
  ASSERT_EQ(acedGetSym(L"p", &rb), RTNORM);
  EXPECT_EQ(rb->restype, RT3DPOINT);
  acutRelRb(rb);
  resbuf* pair = acutBuildList(RTLB, RTSHORT, 1, RTDOTE, RTSTR, L"x", RTLE, 0);
  ASSERT_EQ(acedPutSym(L"Q", pair), RTNORM);
  acutRelRb(pair);
  ui.clearTranscript();
  EXPECT_EQ(vhost::runCommand(L"!q"), CommandOutcome::kCompleted);
  EXPECT_EQ(vhost::runCommand(L"(setq c 1) (car a)"), CommandOutcome::kCompleted);
  EXPECT_EQ(ui.transcript(), L"(1 . \"x\")\n1\n1");
  EXPECT_EQ(eval(L"(a)"), L"; error: bad function: (1 2.5 \"s\")");
  EXPECT_EQ(eval(L"(setq 1 2)"), L"; error: bad argument type: symbolp 1");
  EXPECT_EQ(eval(L"(setq a)"), L"; error: too few arguments");
  EXPECT_EQ(eval(L"(setq a 'sym)"), L"; error: a symbol cannot be stored as a value: SYM");
  EXPECT_EQ(eval(L"unset"), L"nil");
}

}  // namespace
