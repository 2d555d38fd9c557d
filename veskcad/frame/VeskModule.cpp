#include "veskcad/frame/VeskModule.h"

#include <map>
#include <new>

#include "arx/ap/AcRxDynamicLinker.h"
#include "veskcad/frame/CModelessDialog.h"
#include "veskcad/frame/VeskCADCommands.h"
#include "veskcad/links/veskCFAcDocReactor.h"
#include "veskcad/standards/CCustomDatabase.h"

namespace VeskCad {
namespace Frame {

CModelessDialog* gpXDataManagerDlg = nullptr;
CModelessDialog* gpAttributeManagerDlg = nullptr;
veskCFAcDocReactor* gpDocReactor = nullptr;

namespace {

std::map<LifetimeStage, LifetimeHook>& hooks() {
  static std::map<LifetimeStage, LifetimeHook> table;
  return table;
}

void run(LifetimeStage stage, bool setUp) {
  auto it = hooks().find(stage);
  if (it == hooks().end()) return;
  const std::function<void()>& fn = setUp ? it->second.setUp : it->second.takeDown;
  if (fn) fn();
}

}  // namespace

void SetLifetimeHook(LifetimeStage stage, LifetimeHook hook) {
  if (!hook.setUp && !hook.takeDown)
    hooks().erase(stage);
  else
    hooks()[stage] = std::move(hook);
}

void InitApplication(void* appId) {
  if (AcRxDynamicLinker* linker = acrxDynamicLinker) {
    linker->unlockApplication(appId);
    linker->registerAppMDIAware(appId);
  }
  VeskCADCommands::RegisterCommands();
  if (gpDocReactor == nullptr) gpDocReactor = new veskCFAcDocReactor(true);
  // An allocation failure leaves the shared pointer null; callers test it. A
  // second initialisation keeps the object that exists rather than losing it.
  if (VeskDB::gpGetCustomDatabase() == nullptr)
    VeskDB::gpSetGpCustomDataBase(new (std::nothrow) VeskDB::CCustomDatabase());
  run(LifetimeStage::kPersistentReactorClasses, true);
}

void UnloadApplication() {
  VeskCADCommands::RemoveCommands();

  delete VeskDB::gpGetCustomDatabase();
  VeskDB::gpSetGpCustomDataBase(nullptr);

  delete gpXDataManagerDlg;
  gpXDataManagerDlg = nullptr;

  if (gpAttributeManagerDlg != nullptr && gpAttributeManagerDlg->DestroyWindow()) {
    delete gpAttributeManagerDlg;
    gpAttributeManagerDlg = nullptr;
  }

  run(LifetimeStage::kPersistentReactorClasses, false);

  delete gpDocReactor;
  gpDocReactor = nullptr;
}

}  // namespace Frame
}  // namespace VeskCad
