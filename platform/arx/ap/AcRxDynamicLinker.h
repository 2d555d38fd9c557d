#pragma once
// The dynamic linker: loads application modules (shared libraries) into the
// host, tells them of the host's events through their acrxEntryPoint, and
// unloads them. It is registered in the system registry under
// "DynamicLinker"; acrxDynamicLinker finds it there.
//
// Loading a module opens it (dlopen), checks the API release it reports
// (acrxGetApiVersion) and sends it kInitAppMsg with its application id. A
// module starts locked: it cannot be unloaded until it calls
// unlockApplication with that id (from its kInitAppMsg handling, usually).
// A module that does not register itself MDI-aware keeps the host to one
// open document.
//
// Application names: the path a module was loaded with, its resolved path,
// or its file name ("vktest.so").
#include <memory>
#include <string>
#include <vector>

#include "arx/ap/AcRxApp.h"
#include "arx/db/AcRxClass.h"

class AcRxDynamicLinker : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcRxDynamicLinker);
  ~AcRxDynamicLinker() override;

  // Loads the module and initialises it. A module already loaded is left as
  // it is (true). False when the file cannot be loaded, has no entry point,
  // was built for another API release, or answers kRetError to kInitAppMsg
  // (it is then sent kUnloadAppMsg and closed). With printit or asCmd the
  // outcome is printed on the command line.
  bool loadModule(const ACHAR* fileName, bool printit, bool asCmd = false);
  // Sends kUnloadAppMsg and closes the module. False when it is not loaded,
  // is locked, or answers kRetError (it then stays loaded).
  bool unloadModule(const ACHAR* fileName, bool asCmd = false);

  bool unlockApplication(void* appId) const;
  bool lockApplication(void* appId) const;
  bool isApplicationLocked(const ACHAR* appName) const;
  bool registerAppMDIAware(void* appId) const;
  bool registerAppNotMDIAware(void* appId) const;
  bool isAppMDIAware(const ACHAR* appName) const;
  bool isModuleLoaded(const ACHAR* appName) const;
  // The resolved paths of the loaded modules, in load order.
  std::vector<std::wstring> getModuleList() const;

  // --- platform use
  // Why the last load or unload failed (empty after a success).
  const std::wstring& vhostLastError() const;
  // Folders searched for a module named without a folder, after the
  // current folder and before the system's library search.
  void vhostAddSearchFolder(const std::wstring& folder);
  // Sends msg to every loaded module, in load order.
  void vhostBroadcast(AcRx::AppMsgCode msg, void* pkt = nullptr);
  // The file name of a loaded module that is not MDI-aware, or empty.
  std::wstring vhostNotMdiAwareModule() const;
  // The application id of a loaded module, or null.
  void* vhostAppId(const ACHAR* appName) const;
  // The host quits: kQuitMsg to all, then every module, locked or not, is
  // sent kUnloadAppMsg and closed, the last loaded first.
  void vhostUnloadAll();

 private:
  friend AcRxDynamicLinker* vhostDynamicLinker();
  AcRxDynamicLinker();
  struct Impl;
  std::unique_ptr<Impl> mImpl;
};

#define ACRX_DYNAMIC_LINKER L"DynamicLinker"
#define acrxDynamicLinker AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER))

// The host's dynamic linker (the one registered as "DynamicLinker").
AcRxDynamicLinker* vhostDynamicLinker();
