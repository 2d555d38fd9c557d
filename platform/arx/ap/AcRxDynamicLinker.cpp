#include "arx/ap/AcRxDynamicLinker.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <exception>

#include "arx/ap/AcRxApiVersion.h"
#include "arx/ed/AcEdCommandStack.h"
#include "arx/ed/AcutPrintf.h"
#include "mfc/Utf8Convert.h"

VHOST_DEFINE_BUILTIN_ABSTRACT_CLASS(AcRxDynamicLinker, AcRxObject)

namespace {

std::string narrow(const std::wstring& w) { return veskhost::mfc::WideToUtf8(w.data(), w.size()); }
std::wstring widen(const char* s) { return s == nullptr ? std::wstring() : veskhost::mfc::Utf8ToWide(s, std::char_traits<char>::length(s)); }

std::wstring baseName(const std::wstring& path) {
  size_t slash = path.find_last_of(L'/');
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// The canonical path of an existing file, or empty.
std::wstring realPathOf(const std::wstring& path) {
  char buf[PATH_MAX];
  std::string n = narrow(path);
  if (::realpath(n.c_str(), buf) == nullptr) return std::wstring();
  return widen(buf);
}

struct Module {
  std::wstring given;     // as loadModule was called
  std::wstring realPath;  // resolved
  std::wstring fileName;  // file name of the resolved path
  void* handle = nullptr;
  AcRxEntryPointFunc entry = nullptr;
  bool locked = true;
  bool mdiAware = false;
};

}  // namespace

struct AcRxDynamicLinker::Impl {
  std::vector<std::unique_ptr<Module>> modules;
  std::vector<std::wstring> searchFolders;
  std::wstring lastError;

  Module* byId(void* appId) const {
    if (appId == nullptr) return nullptr;
    for (const auto& m : modules)
      if (m->handle == appId) return m.get();
    return nullptr;
  }

  Module* byName(const ACHAR* name) const {
    if (name == nullptr || *name == 0) return nullptr;
    std::wstring n = name;
    std::wstring real = realPathOf(n);
    for (const auto& m : modules)
      if (m->given == n || m->realPath == n || m->fileName == n || (!real.empty() && m->realPath == real))
        return m.get();
    return nullptr;
  }

  // Where a module named fileName is: a path with a folder as it stands;
  // a bare file name in the current folder, then in the search folders; else
  // the bare name, for the system's library search.
  std::wstring locate(const std::wstring& fileName) const {
    if (fileName.find(L'/') != std::wstring::npos) return fileName;
    if (::access(narrow(fileName).c_str(), F_OK) == 0) return L"./" + fileName;
    for (const std::wstring& folder : searchFolders) {
      std::wstring candidate = folder + (folder.empty() || folder.back() == L'/' ? L"" : L"/") + fileName;
      if (::access(narrow(candidate).c_str(), F_OK) == 0) return candidate;
    }
    return fileName;
  }

  // Commands whose function lies in the module would call into unmapped
  // code once it is closed: a module that leaves any registered is told off
  // and they are removed before the module is closed.
  void removeLeftoverCommands(const Module& m) {
    Dl_info own;
    if (::dladdr(reinterpret_cast<void*>(m.entry), &own) == 0 || own.dli_fbase == nullptr) return;
    std::vector<std::pair<std::wstring, std::wstring>> leftovers;
    std::unique_ptr<AcEdCommandIterator> it(acedRegCmds->iterator());
    for (; it && !it->done(); it->next()) {
      const AcEdCommand* cmd = it->command();
      Dl_info info;
      if (cmd != nullptr && cmd->functionAddr() != nullptr &&
          ::dladdr(reinterpret_cast<void*>(cmd->functionAddr()), &info) != 0 && info.dli_fbase == own.dli_fbase)
        leftovers.emplace_back(cmd->groupName(), cmd->globalName());
    }
    for (const auto& [group, name] : leftovers) {
      acedRegCmds->removeCmd(group.c_str(), name.c_str());
      acutPrintf(L"\nModule \"%s\" left its command %s registered; it was removed.\n", m.fileName.c_str(),
                 name.c_str());
    }
  }

  // Calls the entry point; an exception thrown out of it counts as kRetError.
  AcRx::AppRetCode send(Module& m, AcRx::AppMsgCode msg, void* pkt, std::wstring* why) {
    try {
      return m.entry(msg, pkt);
    } catch (const Acad::ErrorStatus& es) {
      if (why) *why = std::wstring(L"error status ") + acadErrorStatusText(es);
    } catch (const vhost::AbortError& e) {
      if (why) *why = e.message;
    } catch (const std::exception& e) {
      if (why) *why = widen(e.what());
    } catch (...) {
      if (why) *why = L"an unknown exception";
    }
    return AcRx::kRetError;
  }
};

AcRxDynamicLinker::AcRxDynamicLinker() : mImpl(new Impl()) {}
AcRxDynamicLinker::~AcRxDynamicLinker() = default;

AcRxDynamicLinker* vhostDynamicLinker() {
  // Registered on first use and kept for the whole process: modules look it
  // up in the system registry.
  static AcRxDynamicLinker* linker = [] {
    auto* l = new AcRxDynamicLinker();
    acrxSysRegistry()->atPut(ACRX_DYNAMIC_LINKER, l);
    return l;
  }();
  return linker;
}

namespace {
// The linker is in the registry as soon as the host library is loaded.
[[maybe_unused]] const bool gLinkerRegistered = (vhostDynamicLinker(), true);
}  // namespace

const std::wstring& AcRxDynamicLinker::vhostLastError() const { return mImpl->lastError; }

void AcRxDynamicLinker::vhostAddSearchFolder(const std::wstring& folder) {
  if (!folder.empty() && std::find(mImpl->searchFolders.begin(), mImpl->searchFolders.end(), folder) ==
                             mImpl->searchFolders.end())
    mImpl->searchFolders.push_back(folder);
}

bool AcRxDynamicLinker::loadModule(const ACHAR* fileName, bool printit, bool asCmd) {
  Impl& d = *mImpl;
  auto failWith = [&](const std::wstring& why) {
    d.lastError = why;
    if (printit || asCmd) acutPrintf(L"\n%s\n", why.c_str());
    return false;
  };
  if (fileName == nullptr || *fileName == 0) return failWith(L"No module was named.");
  std::wstring given = fileName;
  if (d.byName(fileName) != nullptr) {
    d.lastError.clear();
    return true;
  }
  std::wstring path = d.locate(given);
  std::string npath = narrow(path);
  ::dlerror();
  void* handle = ::dlopen(npath.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* err = ::dlerror();
    return failWith(L"Cannot load module \"" + given + L"\": " + (err ? widen(err) : std::wstring(L"unknown error")));
  }
  std::wstring real = realPathOf(path);
  if (real.empty()) {
    // Found by the system's search: ask the loader where it came from.
    void* sym = ::dlsym(handle, "acrxEntryPoint");
    Dl_info info;
    if (sym != nullptr && ::dladdr(sym, &info) != 0 && info.dli_fname != nullptr) real = realPathOf(widen(info.dli_fname));
    if (real.empty()) real = given;
  }
  for (const auto& m : d.modules)
    if (m->handle == handle || m->realPath == real) {
      // The same file under another name: already loaded.
      ::dlclose(handle);
      d.lastError.clear();
      return true;
    }
  auto entry = reinterpret_cast<AcRxEntryPointFunc>(::dlsym(handle, "acrxEntryPoint"));
  if (entry == nullptr) {
    ::dlclose(handle);
    return failWith(L"Cannot load module \"" + given + L"\": it has no acrxEntryPoint.");
  }
  if (auto version = reinterpret_cast<int (*)()>(::dlsym(handle, "acrxGetApiVersion"))) {
    int stamp = version();
    if (vhost::apiMajorRelease(stamp) != ACRX_API_VERSION_MAJOR) {
      ::dlclose(handle);
      return failWith(L"Cannot load module \"" + given + L"\": it was built for host API release " +
                      std::to_wstring(vhost::apiMajorRelease(stamp)) + L"; this host provides release " +
                      std::to_wstring(ACRX_API_VERSION_MAJOR) + L".");
    }
  }

  auto owned = std::make_unique<Module>();
  owned->given = given;
  owned->realPath = real;
  owned->fileName = baseName(real);
  owned->handle = handle;
  owned->entry = entry;
  Module* m = owned.get();
  d.modules.push_back(std::move(owned));

  std::wstring why;
  if (d.send(*m, AcRx::kInitAppMsg, handle, &why) != AcRx::kRetOK) {
    // Let the module undo what it did before it failed, then close it.
    d.send(*m, AcRx::kUnloadAppMsg, handle, nullptr);
    d.removeLeftoverCommands(*m);
    d.modules.erase(std::find_if(d.modules.begin(), d.modules.end(), [&](const auto& p) { return p.get() == m; }));
    ::dlclose(handle);
    return failWith(L"Cannot load module \"" + given + L"\": its initialisation failed" +
                    (why.empty() ? L"." : L" (" + why + L")."));
  }
  d.lastError.clear();
  if (printit || asCmd) acutPrintf(L"\nModule \"%s\" loaded.\n", baseName(real).c_str());
  return true;
}

bool AcRxDynamicLinker::unloadModule(const ACHAR* fileName, bool asCmd) {
  Impl& d = *mImpl;
  auto failWith = [&](const std::wstring& why) {
    d.lastError = why;
    if (asCmd) acutPrintf(L"\n%s\n", why.c_str());
    return false;
  };
  Module* m = d.byName(fileName);
  std::wstring name = fileName != nullptr ? fileName : L"";
  if (m == nullptr) return failWith(L"Cannot unload \"" + name + L"\": it is not loaded.");
  if (m->locked) return failWith(L"Cannot unload \"" + m->fileName + L"\": the module is locked.");
  std::wstring why;
  if (d.send(*m, AcRx::kUnloadAppMsg, m->handle, &why) != AcRx::kRetOK)
    return failWith(L"Cannot unload \"" + m->fileName + L"\": the module refused" +
                    (why.empty() ? L"." : L" (" + why + L")."));
  // The module may have unloaded itself or others meanwhile: find it again.
  auto it = std::find_if(d.modules.begin(), d.modules.end(), [&](const auto& p) { return p.get() == m; });
  if (it != d.modules.end()) {
    void* handle = m->handle;
    std::wstring shown = m->fileName;
    d.removeLeftoverCommands(*m);
    d.modules.erase(it);
    ::dlclose(handle);
    if (asCmd) acutPrintf(L"\nModule \"%s\" unloaded.\n", shown.c_str());
  }
  d.lastError.clear();
  return true;
}

bool AcRxDynamicLinker::unlockApplication(void* appId) const {
  Module* m = mImpl->byId(appId);
  if (m == nullptr) return false;
  m->locked = false;
  return true;
}

bool AcRxDynamicLinker::lockApplication(void* appId) const {
  Module* m = mImpl->byId(appId);
  if (m == nullptr) return false;
  m->locked = true;
  return true;
}

bool AcRxDynamicLinker::isApplicationLocked(const ACHAR* appName) const {
  Module* m = mImpl->byName(appName);
  return m != nullptr && m->locked;
}

bool AcRxDynamicLinker::registerAppMDIAware(void* appId) const {
  Module* m = mImpl->byId(appId);
  if (m == nullptr) return false;
  m->mdiAware = true;
  return true;
}

bool AcRxDynamicLinker::registerAppNotMDIAware(void* appId) const {
  Module* m = mImpl->byId(appId);
  if (m == nullptr) return false;
  m->mdiAware = false;
  return true;
}

bool AcRxDynamicLinker::isAppMDIAware(const ACHAR* appName) const {
  Module* m = mImpl->byName(appName);
  return m != nullptr && m->mdiAware;
}

bool AcRxDynamicLinker::isModuleLoaded(const ACHAR* appName) const { return mImpl->byName(appName) != nullptr; }

std::vector<std::wstring> AcRxDynamicLinker::getModuleList() const {
  std::vector<std::wstring> out;
  for (const auto& m : mImpl->modules) out.push_back(m->realPath);
  return out;
}

void AcRxDynamicLinker::vhostBroadcast(AcRx::AppMsgCode msg, void* pkt) {
  // Modules may load or unload modules while told: walk a snapshot and skip
  // the ones gone meanwhile.
  std::vector<Module*> snapshot;
  for (const auto& m : mImpl->modules) snapshot.push_back(m.get());
  for (Module* m : snapshot) {
    bool present = std::any_of(mImpl->modules.begin(), mImpl->modules.end(), [&](const auto& p) { return p.get() == m; });
    if (present) mImpl->send(*m, msg, pkt, nullptr);
  }
}

std::wstring AcRxDynamicLinker::vhostNotMdiAwareModule() const {
  for (const auto& m : mImpl->modules)
    if (!m->mdiAware) return m->fileName;
  return std::wstring();
}

void* AcRxDynamicLinker::vhostAppId(const ACHAR* appName) const {
  Module* m = mImpl->byName(appName);
  return m != nullptr ? m->handle : nullptr;
}

void AcRxDynamicLinker::vhostUnloadAll() {
  vhostBroadcast(AcRx::kQuitMsg);
  while (!mImpl->modules.empty()) {
    std::unique_ptr<Module> m = std::move(mImpl->modules.back());
    mImpl->modules.pop_back();
    mImpl->send(*m, AcRx::kUnloadAppMsg, m->handle, nullptr);
    mImpl->removeLeftoverCommands(*m);
    ::dlclose(m->handle);
  }
}
