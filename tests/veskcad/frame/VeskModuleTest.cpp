// The module's lifetime: the commands it registers, the objects it creates on
// load, and the order in which unload takes them down.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arx/ap/AcApDocManager.h"
#include "arx/ap/AcRxApp.h"
#include "arx/ed/AcEdCommandStack.h"
#include "veskcad/frame/CModelessDialog.h"
#include "veskcad/frame/VeskCADCommands.h"
#include "veskcad/frame/VeskModule.h"
#include "veskcad/links/veskCFAcDocReactor.h"
#include "veskcad/standards/CCustomDatabase.h"

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId);

namespace {

using VeskCad::Frame::LifetimeHook;
using VeskCad::Frame::LifetimeStage;

std::vector<std::string> gLog;

// A dialog that records what the frame does to it.
class RecordingDialog : public VeskCad::CModelessDialog {
 public:
  RecordingDialog(std::string name, bool canDestroy) : mName(std::move(name)), mCanDestroy(canDestroy) {}
  ~RecordingDialog() override { gLog.push_back("delete " + mName); }
  bool IsWindow() const override { return mWindow; }
  bool IsWindowVisible() const override { return mWindow && mVisible; }
  void ShowWindow(int command) override { mVisible = command != 0; }
  bool DestroyWindow() override {
    gLog.push_back("destroy " + mName);
    if (mCanDestroy) mWindow = false;
    return mCanDestroy;
  }
  void RefreshGisLayerPage() override { ++refreshes; }
  int refreshes = 0;
  bool mVisible = true;

 private:
  std::string mName;
  bool mCanDestroy;
  bool mWindow = true;
};

class RecordingDatabase : public VeskDB::CCustomDatabase {
 public:
  explicit RecordingDatabase(std::string name) : CCustomDatabase(L"/nonexistent/"), mName(std::move(name)) {}
  ~RecordingDatabase() override { gLog.push_back("delete database " + mName); }

 private:
  std::string mName;
};

bool groupRegistered() {
  return acedRegCmds->lookupCmd(L"ClearModiMark", true, true, false, L"VKCAD") != nullptr;
}

class VeskModuleTest : public ::testing::Test {
 protected:
  void SetUp() override { gLog.clear(); }
  void TearDown() override {
    VeskCad::Frame::SetLifetimeHook(LifetimeStage::kPersistentReactorClasses, {});
    if (groupRegistered()) acrxEntryPoint(AcRx::kUnloadAppMsg, nullptr);
  }
};

TEST_F(VeskModuleTest, RegistersTheCommandTableInOrderWithLocalEqualToGlobalNames) {
  acrxEntryPoint(AcRx::kInitAppMsg, nullptr);
  std::vector<std::wstring> registered;
  AcEdCommandIterator* it = acedRegCmds->iterator();
  for (; !it->done(); it->next()) {
    if (std::wstring(it->commandGroup()) != L"VKCAD") continue;
    const AcEdCommand* cmd = it->command();
    registered.push_back(cmd->globalName());
    EXPECT_STREQ(cmd->localName(), cmd->globalName());
    EXPECT_EQ(cmd->commandFlags(), ACRX_CMD_TRANSPARENT | ACRX_CMD_USEPICKSET);
  }
  delete it;
  // Every row with a handler in this build, in table order.
  std::vector<std::wstring> expected;
  int count = 0;
  const VeskCad::VeskCADCommands::Row* rows = VeskCad::VeskCADCommands::Table(count);
  ASSERT_EQ(count, 14);
  for (int i = 0; i < count; ++i)
    if (rows[i].handler) expected.push_back(rows[i].globalName);
  EXPECT_EQ(registered, expected);
  EXPECT_EQ(registered, (std::vector<std::wstring>{L"xx", L"ClearModiMark"}));
}

TEST_F(VeskModuleTest, LoadCreatesTheSharedObjectsOnceAndUnloadTakesThemDownInOrder) {
  acrxEntryPoint(AcRx::kInitAppMsg, nullptr);
  VeskCad::veskCFAcDocReactor* reactor = VeskCad::Frame::gpDocReactor;
  ASSERT_NE(reactor, nullptr);
  EXPECT_TRUE(reactor->IsAttached());
  VeskDB::CCustomDatabase* shared = VeskDB::gpGetCustomDatabase();
  ASSERT_NE(shared, nullptr);
  EXPECT_FALSE(shared->IsOpen());  // its owner opens it

  // A second initialisation makes no second reactor and keeps the shared object.
  acrxEntryPoint(AcRx::kInitAppMsg, nullptr);
  EXPECT_EQ(VeskCad::Frame::gpDocReactor, reactor);
  EXPECT_EQ(VeskDB::gpGetCustomDatabase(), shared);

  // A caller replaced the shared object: the one held at unload is deleted,
  // the replaced one is the caller's.
  auto* replacement = new RecordingDatabase("replacement");
  VeskDB::gpSetGpCustomDataBase(replacement);
  delete shared;

  VeskCad::Frame::gpXDataManagerDlg = new RecordingDialog("xdata", true);
  auto* manager = new RecordingDialog("manager", true);
  VeskCad::Frame::gpAttributeManagerDlg = manager;
  VeskCad::Frame::SetLifetimeHook(LifetimeStage::kPersistentReactorClasses,
                                  LifetimeHook{nullptr, [] {
                                    gLog.push_back(std::string("reactor classes; commands ") +
                                                   (groupRegistered() ? "still there" : "gone") +
                                                   "; document reactor " +
                                                   (VeskCad::Frame::gpDocReactor ? "alive" : "gone"));
                                  }});
  acrxEntryPoint(AcRx::kUnloadAppMsg, nullptr);
  EXPECT_EQ(gLog, (std::vector<std::string>{"delete database replacement", "delete xdata", "destroy manager",
                                            "delete manager",
                                            "reactor classes; commands gone; document reactor alive"}));
  EXPECT_EQ(VeskDB::gpGetCustomDatabase(), nullptr);
  EXPECT_EQ(VeskCad::Frame::gpXDataManagerDlg, nullptr);
  EXPECT_EQ(VeskCad::Frame::gpAttributeManagerDlg, nullptr);
  EXPECT_EQ(VeskCad::Frame::gpDocReactor, nullptr);
  EXPECT_FALSE(groupRegistered());
}

TEST_F(VeskModuleTest, AManagerWindowThatWillNotCloseKeepsItsPointer) {
  acrxEntryPoint(AcRx::kInitAppMsg, nullptr);
  auto* manager = new RecordingDialog("manager", false);
  VeskCad::Frame::gpAttributeManagerDlg = manager;
  acrxEntryPoint(AcRx::kUnloadAppMsg, nullptr);
  EXPECT_EQ(gLog, (std::vector<std::string>{"destroy manager"}));
  EXPECT_EQ(VeskCad::Frame::gpAttributeManagerDlg, manager);
  delete manager;
  VeskCad::Frame::gpAttributeManagerDlg = nullptr;
}

TEST_F(VeskModuleTest, DocumentReactorKeepsTheAttributeManagerInStep) {
  VeskCad::veskCFAcDocReactor detached(false);
  EXPECT_FALSE(detached.IsAttached());

  RecordingDialog manager("manager", true);
  VeskCad::Frame::gpAttributeManagerDlg = &manager;
  detached.documentActivated(nullptr);
  EXPECT_EQ(manager.refreshes, 1);
  // Closing a document hides the manager only when one document is left.
  int open = acDocManager->documentCount();
  detached.documentDestroyed(L"x.dxf");
  EXPECT_EQ(manager.IsWindowVisible(), open != 1);
  VeskCad::Frame::gpAttributeManagerDlg = nullptr;
  gLog.clear();
}

}  // namespace
