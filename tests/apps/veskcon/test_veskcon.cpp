// The console host end to end: the built veskcon binary run on scripts with
// the test module, and ConsoleHost driven in-process.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ConsoleHost.h"
#include "arx/ap/AcApDocManager.h"
#include "arx/ap/AcRxDynamicLinker.h"
#include "arx/ap/DrawingFileIo.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/dxf/DxfFileIo.h"
#include "arx/ed/AcEdCommandStack.h"

extern char** environ;

namespace {

const std::string kData = VESKCON_TEST_DATA;

struct Spawned {
  int status = -1;
  std::string out;
  std::string err;
};

std::string slurp(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// Runs veskcon with args; standard input comes from stdinPath.
Spawned runVeskcon(const std::vector<std::string>& args, const std::string& stdinPath = "/dev/null") {
  std::string base = (std::filesystem::temp_directory_path() / ("veskcon_test_" + std::to_string(::getpid()))).string();
  std::string outPath = base + ".out", errPath = base + ".err";
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, stdinPath.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<std::string> all{VESKCON_EXE};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  Spawned r;
  pid_t pid = 0;
  if (posix_spawn(&pid, VESKCON_EXE, &actions, nullptr, argv.data(), environ) == 0) {
    int st = 0;
    ::waitpid(pid, &st, 0);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
  }
  posix_spawn_file_actions_destroy(&actions);
  r.out = slurp(outPath);
  r.err = slurp(errPath);
  std::filesystem::remove(outPath);
  std::filesystem::remove(errPath);
  return r;
}

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(Veskcon, ScriptRunsTheModulesCommandsWithTheirAnswers) {
  Spawned r = runVeskcon({"--load", VKTEST_MODULE, "-s", kData + "/hello.scr"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(has(r.out, "Command: VKHELLO")) << r.out;
  EXPECT_TRUE(has(r.out, "Hello Ann, you chose Green.")) << r.out;
  EXPECT_TRUE(has(r.out, "Hello Bob, you chose Red.")) << r.out;
  // The command runs with the document locked (auto-write) and busy.
  EXPECT_TRUE(has(r.out, "my lock autowrite, all locks autowrite, quiescent 0, DBMOD 0")) << r.out;
  EXPECT_LT(r.out.find("Ann"), r.out.find("Bob"));

  // The same script from standard input, when no -s is given.
  Spawned piped = runVeskcon({"--load", VKTEST_MODULE}, kData + "/hello.scr");
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_TRUE(has(piped.out, "Hello Bob, you chose Red."));

  // Escape cancels a command without failing the script.
  Spawned cancelled = runVeskcon({"--load", VKTEST_MODULE, "-s", kData + "/cancel.scr"});
  EXPECT_EQ(cancelled.status, 0) << cancelled.err;
  EXPECT_TRUE(has(cancelled.out, "*Cancel*")) << cancelled.out;
  EXPECT_FALSE(has(cancelled.out, "Hello"));
  EXPECT_TRUE(has(cancelled.out, "quiescent 0"));
}

TEST(Veskcon, FailuresGiveAMessageAndTheirExitStatus) {
  Spawned pending = runVeskcon({"--load", VKTEST_MODULE, "-s", kData + "/pending.scr"});
  EXPECT_EQ(pending.status, veskcon::kExitScriptEnded);
  EXPECT_TRUE(has(pending.err, "script ended while the command VKHELLO was waiting")) << pending.err;
  EXPECT_TRUE(has(pending.err, "Name:")) << pending.err;

  Spawned unknown = runVeskcon({"--load", VKTEST_MODULE, "-s", kData + "/unknown.scr"});
  EXPECT_EQ(unknown.status, veskcon::kExitCommandFailed);
  EXPECT_TRUE(has(unknown.err, "unknown command \"NOSUCHCMD\"")) << unknown.err;
  EXPECT_EQ(unknown.out.find("Document "), unknown.out.rfind("Document ")) << "the script stops there";

  Spawned failed = runVeskcon({"--load", VKTEST_MODULE, "-s", kData + "/fail.scr"});
  EXPECT_EQ(failed.status, veskcon::kExitCommandFailed);
  EXPECT_TRUE(has(failed.err, "the command VKFAIL failed")) << failed.err;
  EXPECT_FALSE(has(failed.out, "Document ")) << failed.out;

  // Without the module its commands are unknown.
  Spawned noModule = runVeskcon({"-s", kData + "/hello.scr"});
  EXPECT_EQ(noModule.status, veskcon::kExitCommandFailed);

  Spawned badModule = runVeskcon({"--load", "/nonexistent/libnothing.so", "-s", kData + "/hello.scr"});
  EXPECT_EQ(badModule.status, veskcon::kExitModule);
  EXPECT_TRUE(has(badModule.err, "Cannot load module \"/nonexistent/libnothing.so\"")) << badModule.err;
  Spawned oldModule = runVeskcon({"--load", VKTEST_V17_MODULE});
  EXPECT_EQ(oldModule.status, veskcon::kExitModule);
  EXPECT_TRUE(has(oldModule.err, "release 17")) << oldModule.err;

  Spawned badScript = runVeskcon({"-s", "/nonexistent/script.scr"});
  EXPECT_EQ(badScript.status, veskcon::kExitUsage);
  EXPECT_TRUE(has(badScript.err, "/nonexistent/script.scr")) << badScript.err;
  Spawned badOption = runVeskcon({"--frobnicate"});
  EXPECT_EQ(badOption.status, veskcon::kExitUsage);
  EXPECT_TRUE(has(badOption.err, "unknown option --frobnicate"));
  Spawned missingArg = runVeskcon({"-o"});
  EXPECT_EQ(missingArg.status, veskcon::kExitUsage);
}

// The main job end to end: a real drawing opened, edited by a script and saved.
int modelSpaceCount(const std::string& path) {
  AcDbDatabase* db = nullptr;
  std::wstring error;
  if (!vhost::readDxfFile(std::filesystem::path(path).wstring(), db, error)) return -1;
  int count = 0;
  AcDbBlockTableRecord* ms = nullptr;
  if (acdbOpenObject(ms, db->modelSpaceId(), AcDb::kForRead) == Acad::eOk) {
    AcDbBlockTableRecordIterator* it = nullptr;
    ms->newIterator(it);
    for (; it && !it->done(); it->step()) ++count;
    delete it;
    ms->close();
  }
  delete db;
  return count;
}

TEST(Veskcon, EditsARealDrawingAndSavesIt) {
  const std::string sample = std::string(VESKCAD_SAMPLES) + "/site-plan.dxf";
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "veskcon_drawings";
  std::filesystem::create_directories(dir);
  const std::string out = (dir / "site-plan-out.dxf").string();
  std::filesystem::remove(out);
  // The main job: standard layers, the contours of the linework (30 closed
  // parcels and buildings), vertex cleanup, then an erase by window that takes
  // 6 entities of the drawing and 2 of the new contours.
  Spawned run = runVeskcon({"--load", VKPLAN_MODULE, "-s", std::string(VESKCAD_SAMPLES) + "/site-plan.scr", "-o",
                            out, sample});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(has(run.out, "标准项\"场地铺装\" -> 图层\"ZT-场地铺装\" 颜色(200,190,170)")) << run.out;
  EXPECT_TRUE(has(run.out, "搜索到30个封闭轮廓(面30个，外轮廓0个)")) << run.out;
  EXPECT_TRUE(has(run.out, "8 found")) << run.out;
  const int before = modelSpaceCount(sample);
  ASSERT_GT(before, 0);
  EXPECT_EQ(modelSpaceCount(out), before + 30 - 8);

  // A .dwg path is read from its .dxf twin; binary drawing content is refused.
  const std::string twin = (dir / "twin.dwg").string();
  std::filesystem::copy_file(sample, dir / "twin.dxf", std::filesystem::copy_options::overwrite_existing);
  std::filesystem::remove(twin);
  Spawned info = runVeskcon({"--info", twin});
  EXPECT_EQ(info.status, 0);
  EXPECT_TRUE(has(info.out, "LWPOLYLINE 18")) << info.out;
  EXPECT_TRUE(has(info.out, "blocks 3: *Model_Space *Paper_Space TREE")) << info.out;
  const std::string binary = (dir / "binary.dwg").string();
  std::ofstream(binary, std::ios::binary) << "AC1024" << std::string(64, '\0');
  Spawned refused = runVeskcon({"--info", binary});
  EXPECT_EQ(refused.status, veskcon::kExitDrawing);
  EXPECT_TRUE(has(refused.err, "binary drawing files are not supported")) << refused.err;
}

TEST(Veskcon, HelpAndInfo) {
  Spawned help = runVeskcon({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(has(help.out, "Usage: veskcon"));
  EXPECT_TRUE(has(help.out, "Default module:"));
  Spawned info = runVeskcon({"--info", "--load", VKTEST_MODULE});
  EXPECT_EQ(info.status, 0) << info.err;
  EXPECT_TRUE(has(info.out, "Host API release 18.0")) << info.out;
  EXPECT_TRUE(has(info.out, "VKTEST: VKHELLO VKSTATUS VKFAIL VKPOST")) << info.out;
  EXPECT_TRUE(has(info.out, "(MDI-aware)")) << info.out;
  EXPECT_TRUE(has(info.out, "Drawing1.dwg (current)")) << info.out;
}

// The module itself, loaded by default: its command group, the entity listing
// it sends to the command line, and the drawing's modified flag it clears.
TEST(Veskcon, TheDefaultModuleRegistersItsGroupAndItsCommandsRun) {
  Spawned info = runVeskcon({"--info"});
  EXPECT_EQ(info.status, 0) << info.err;
  EXPECT_TRUE(has(info.out, "libveskcad.so")) << info.out;
  EXPECT_TRUE(has(info.out, "VKCAD: xx ClearModiMark\n")) << info.out;

  std::string dir = (std::filesystem::temp_directory_path() / ("veskcon_vkcad_" + std::to_string(::getpid()))).string();
  std::filesystem::create_directories(dir);
  std::string script = dir + "/list.scr";
  // A parcel with its extended data, listed by a pick; then an empty pick.
  std::ofstream(script) << "xx\n40,32\nClearModiMark\nxx\n\n";
  Spawned run = runVeskcon({"-s", script, std::string(VESKCAD_SAMPLES) + "/site-plan.dxf"});
  EXPECT_EQ(run.status, 1) << run.out << run.err;  // the empty pick ends in a LISP error
  EXPECT_TRUE(has(run.out, "Command: (entget(car(entsel))'(\"*\"))")) << run.out;
  EXPECT_TRUE(has(run.out, "(0 . \"LWPOLYLINE\")")) << run.out;
  EXPECT_TRUE(has(run.out, "(-3 (\"FAPP_PARCEL\"")) << run.out;
  EXPECT_TRUE(has(run.out, "; error: bad argument type")) << run.out;
  std::filesystem::remove_all(dir);
}

// --- in-process -------------------------------------------------------------------

namespace {

struct InProcess {
  std::string out, err;
  int status = -1;
};

InProcess host(veskcon::Options options) {
  InProcess r;
  veskcon::ConsoleHost h(std::move(options), [&](const std::string& s) { r.out += s; },
                         [&](const std::string& s) { r.err += s; });
  r.status = h.run();
  return r;
}

veskcon::Options withLines(std::vector<std::wstring> lines) {
  veskcon::Options o;
  o.modules.push_back(VKTEST_MODULE);
  o.useScriptLines = true;
  o.scriptLines = std::move(lines);
  return o;
}

// Stands in for the drawing-file component: reads any existing file as a new
// drawing, saves by writing a line naming the drawing.
class FakeDrawingFiles : public vhost::DrawingFileIo {
 public:
  bool read(const std::wstring& path, AcDbDatabase*& db, std::wstring& error) override {
    if (!std::filesystem::exists(std::string(path.begin(), path.end()))) {
      error = L"no such file";
      return false;
    }
    db = new AcDbDatabase(true);
    return true;
  }
  bool save(AcDbDatabase* db, const std::wstring& path, bool, std::wstring&) override {
    std::ofstream(std::string(path.begin(), path.end())) << "saved " << db->approxNumObjects() << "\n";
    return true;
  }
};

}  // namespace

TEST(ConsoleHostInProcess, TextSentToTheCommandLineRunsBeforeTheRestOfTheScript) {
  InProcess r = host(withLines({L"VKPOST", L"VKHELLO", L"g", L"Zed"}));
  EXPECT_EQ(r.status, 0) << r.err;
  size_t status = r.out.find("Document ");
  size_t hello = r.out.find("Hello Zed, you chose Green.");
  ASSERT_NE(status, std::string::npos) << r.out;
  ASSERT_NE(hello, std::string::npos) << r.out;
  EXPECT_LT(status, hello);
  // Everything is taken down after the session.
  EXPECT_EQ(acDocManager->documentCount(), 0);
  EXPECT_TRUE(vhostDynamicLinker()->getModuleList().empty());
  EXPECT_EQ(acedRegCmds->lookupGlobalCmd(L"VKHELLO"), nullptr);
}

TEST(ConsoleHostInProcess, ModulesLoadedTwiceRegisterOnceAndQuitEndsTheScript) {
  veskcon::Options o = withLines({L"VKSTATUS", L"quit", L"VKFAIL"});
  o.modules.push_back(VKTEST_MODULE);
  o.info = true;
  o.noDefaultModule = true;
  InProcess r = host(o);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.out, "VKTEST: VKHELLO VKSTATUS VKFAIL VKPOST\n")) << r.out;
  EXPECT_EQ(r.out.find("(MDI-aware)"), r.out.rfind("(MDI-aware)")) << "one module listed";
  EXPECT_TRUE(has(r.out, "quiescent 0"));
}

TEST(ConsoleHostInProcess, DrawingsOpenAndSaveThroughTheRegisteredFiles) {
  FakeDrawingFiles fake;
  vhost::DrawingFileIo* previous = vhost::setDrawingFileIo(&fake);
  std::string in = (std::filesystem::temp_directory_path() / "veskcon_inproc_in.dxf").string();
  std::string out = (std::filesystem::temp_directory_path() / "veskcon_inproc_out.dxf").string();
  std::ofstream(in) << "0\nEOF\n";
  std::filesystem::remove(out);

  veskcon::Options o = withLines({L"VKSTATUS"});
  o.drawings.push_back(in);
  o.output = out;
  InProcess r = host(o);
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(has(r.out, "Document veskcon_inproc_in.dxf: ")) << r.out;
  EXPECT_TRUE(has(slurp(out), "saved ")) << "the current drawing was saved to -o";

  // A failed command leaves -o alone; a drawing that cannot be read stops
  // the session before the script.
  std::filesystem::remove(out);
  o.scriptLines = {L"VKFAIL"};
  EXPECT_EQ(host(o).status, veskcon::kExitCommandFailed);
  EXPECT_FALSE(std::filesystem::exists(out));
  o.drawings = {in + ".missing"};
  InProcess missing = host(o);
  EXPECT_EQ(missing.status, veskcon::kExitDrawing);
  EXPECT_TRUE(has(missing.err, "no such file")) << missing.err;

  vhost::setDrawingFileIo(previous);
  std::filesystem::remove(in);
  std::filesystem::remove(out);
}
