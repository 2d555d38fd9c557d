#include <dlfcn.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "ApTestSupport.h"
#include "arx/ap/AcRxApiVersion.h"
#include "arx/ap/AcRxDynamicLinker.h"
#include "arx/ed/AcEdCommandStack.h"
#include "arx/ed/RunCommand.h"

using aptest::DocFixture;
using aptest::u8;

namespace {

const std::wstring kModule = [] {
  std::string s = VKTEST_MODULE;
  return std::wstring(s.begin(), s.end());
}();
const std::wstring kModuleV17 = [] {
  std::string s = VKTEST_V17_MODULE;
  return std::wstring(s.begin(), s.end());
}();

// Reads one of the test module's own counters while it is loaded.
template <class T>
T fromModule(const char* symbol, T fallback) {
  void* h = ::dlopen(VKTEST_MODULE, RTLD_NOW | RTLD_NOLOAD);
  if (h == nullptr) return fallback;
  auto fn = reinterpret_cast<T (*)()>(::dlsym(h, symbol));
  T value = fn ? fn() : fallback;
  ::dlclose(h);
  return value;
}

int commandsInGroup(const wchar_t* group) {
  int n = 0;
  std::unique_ptr<AcEdCommandIterator> it(acedRegCmds->iterator());
  for (; !it->done(); it->next())
    if (std::wstring(it->commandGroup()) == group) ++n;
  return n;
}

class LinkerFixture : public DocFixture {
 protected:
  void TearDown() override {
    for (const char* v : {"VKTEST_FAIL_INIT", "VKTEST_STAY_LOCKED", "VKTEST_NOT_MDI"}) ::unsetenv(v);
    AcRxDynamicLinker* l = vhostDynamicLinker();
    if (void* id = l->vhostAppId(kModule.c_str())) l->unlockApplication(id);
    l->unloadModule(kModule.c_str());
    DocFixture::TearDown();
  }
};

}  // namespace

TEST_F(LinkerFixture, TheLinkerIsInTheSystemRegistryAndReportsRelease18) {
  AcRxDynamicLinker* linker = acrxDynamicLinker;
  ASSERT_NE(linker, nullptr);
  EXPECT_EQ(linker, vhostDynamicLinker());
  EXPECT_TRUE(linker->isKindOf(AcRxDynamicLinker::desc()));
  EXPECT_EQ(acrxGetApiVersion(), 0x00120000);
  EXPECT_EQ(vhost::apiMajorRelease(acrxGetApiVersion()), 18);
}

TEST_F(LinkerFixture, LoadRegistersCommandsOnceAndUnloadRemovesThem) {
  newDoc();
  AcRxDynamicLinker* linker = acrxDynamicLinker;
  const int initsBefore = fromModule("vktestInitCount", 0);  // non-zero only if never unmapped
  ASSERT_TRUE(linker->loadModule(kModule.c_str(), false)) << u8(linker->vhostLastError());
  EXPECT_TRUE(linker->isModuleLoaded(kModule.c_str()));
  std::wstring fileName = kModule.substr(kModule.find_last_of(L'/') + 1);
  EXPECT_TRUE(linker->isModuleLoaded(fileName.c_str()));
  EXPECT_TRUE(linker->isAppMDIAware(fileName.c_str())) << "the module registered itself MDI-aware";
  EXPECT_FALSE(linker->isApplicationLocked(fileName.c_str())) << "the module unlocked itself";
  EXPECT_EQ(commandsInGroup(L"VKTEST"), 4);
  EXPECT_EQ(fromModule("vktestInitCount", -1), initsBefore + 1);

  // A second load, by the same path or another one naming the same file, is
  // a no-op.
  std::wstring other = kModule.substr(0, kModule.find_last_of(L'/')) + L"/./" + fileName;
  EXPECT_TRUE(linker->loadModule(kModule.c_str(), false));
  EXPECT_TRUE(linker->loadModule(other.c_str(), false));
  EXPECT_EQ(fromModule("vktestInitCount", -1), initsBefore + 1);
  EXPECT_EQ(commandsInGroup(L"VKTEST"), 4);
  EXPECT_EQ(linker->getModuleList().size(), 1u);

  // The module's commands run in-process.
  ui.addLines({L"VKHELLO", L"", L"Ann"});
  std::wstring line;
  ASSERT_TRUE(ui.nextLine(line));
  EXPECT_EQ(vhost::runCommand(line), vhost::CommandOutcome::kCompleted);
  EXPECT_NE(ui.transcript().find(L"Hello Ann, you chose Green."), std::wstring::npos) << u8(ui.transcript());

  // Drawings opened and closed are announced to the module.
  AcApDocument* second = newDoc();
  std::wstring error;
  ASSERT_TRUE(acDocManager->vhostCloseDocument(second, error));
  EXPECT_NE(std::string(fromModule<const char*>("vktestLog", "")).find("init loaddwg unloaddwg"), std::string::npos);

  EXPECT_TRUE(linker->unloadModule(fileName.c_str()));
  EXPECT_FALSE(linker->isModuleLoaded(kModule.c_str()));
  EXPECT_EQ(commandsInGroup(L"VKTEST"), 0);
  EXPECT_EQ(vhost::runCommand(L"VKHELLO"), vhost::CommandOutcome::kUnknown);
  EXPECT_FALSE(linker->unloadModule(kModule.c_str()));
  EXPECT_NE(linker->vhostLastError().find(L"not loaded"), std::wstring::npos);

  // Loaded again after the unload, it initialises again.
  ASSERT_TRUE(linker->loadModule(kModule.c_str(), false));
  EXPECT_EQ(commandsInGroup(L"VKTEST"), 4);
}

TEST_F(LinkerFixture, ModulesThatCannotRunAreRefusedWithAReason) {
  AcRxDynamicLinker* linker = vhostDynamicLinker();
  EXPECT_FALSE(linker->loadModule(kModuleV17.c_str(), false));
  EXPECT_NE(linker->vhostLastError().find(L"release 17"), std::wstring::npos) << u8(linker->vhostLastError());
  EXPECT_FALSE(linker->isModuleLoaded(kModuleV17.c_str()));

  EXPECT_FALSE(linker->loadModule(L"/nonexistent/libnothing.so", false));
  EXPECT_NE(linker->vhostLastError().find(L"/nonexistent/libnothing.so"), std::wstring::npos);
  std::string text = (std::filesystem::temp_directory_path() / "vhost_ap_not_a_module.so").string();
  std::ofstream(text) << "not a library\n";
  EXPECT_FALSE(linker->loadModule(std::wstring(text.begin(), text.end()).c_str(), true));
  EXPECT_NE(ui.transcript().find(L"Cannot load module"), std::wstring::npos) << "printit shows the failure";
  std::filesystem::remove(text);
  EXPECT_FALSE(linker->loadModule(L"", false));
  EXPECT_FALSE(linker->loadModule(nullptr, false));

  // A module whose initialisation fails is unloaded again, its commands gone.
  ::setenv("VKTEST_FAIL_INIT", "1", 1);
  EXPECT_FALSE(linker->loadModule(kModule.c_str(), false));
  EXPECT_NE(linker->vhostLastError().find(L"initialisation failed"), std::wstring::npos);
  EXPECT_FALSE(linker->isModuleLoaded(kModule.c_str()));
  EXPECT_EQ(commandsInGroup(L"VKTEST"), 0);
  EXPECT_TRUE(linker->getModuleList().empty());
}

TEST_F(LinkerFixture, LockedAndSingleDocumentModules) {
  newDoc();
  AcRxDynamicLinker* linker = vhostDynamicLinker();
  ::setenv("VKTEST_STAY_LOCKED", "1", 1);
  ::setenv("VKTEST_NOT_MDI", "1", 1);
  ASSERT_TRUE(linker->loadModule(kModule.c_str(), false));
  EXPECT_TRUE(linker->isApplicationLocked(kModule.c_str()));
  EXPECT_FALSE(linker->isAppMDIAware(kModule.c_str()));
  EXPECT_FALSE(linker->unloadModule(kModule.c_str()));
  EXPECT_NE(linker->vhostLastError().find(L"locked"), std::wstring::npos);
  EXPECT_EQ(commandsInGroup(L"VKTEST"), 4);

  // One drawing at a time while it is loaded.
  std::wstring error;
  EXPECT_EQ(acDocManager->vhostNewDocument(error), nullptr);
  EXPECT_NE(error.find(L"not MDI-aware"), std::wstring::npos);
  EXPECT_EQ(acDocManager->documentCount(), 1);

  void* id = linker->vhostAppId(kModule.c_str());
  ASSERT_NE(id, nullptr);
  EXPECT_FALSE(linker->unlockApplication(nullptr));
  EXPECT_TRUE(linker->registerAppMDIAware(id));
  EXPECT_NE(acDocManager->vhostNewDocument(error), nullptr);
  EXPECT_TRUE(linker->unlockApplication(id));
  EXPECT_TRUE(linker->unloadModule(kModule.c_str()));
  EXPECT_EQ(commandsInGroup(L"VKTEST"), 0);
}
