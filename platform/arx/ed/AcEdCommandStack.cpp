#include "arx/ed/AcEdCommandStack.h"

#include <algorithm>
#include <cwctype>
#include <memory>

#include "arx/db/AcRxClass.h"
#include "arx/ed/EditorState.h"

VHOST_DEFINE_BUILTIN_ABSTRACT_CLASS(AcEdCommand, AcRxObject)
VHOST_DEFINE_BUILTIN_ABSTRACT_CLASS(AcEdCommandIterator, AcRxObject)
VHOST_DEFINE_BUILTIN_ABSTRACT_CLASS(AcEdCommandStack, AcRxObject)

AcEdCommand::~AcEdCommand() = default;

// ---- iterator -----------------------------------------------------------------

AcEdCommandIterator::~AcEdCommandIterator() = default;

bool AcEdCommandIterator::done() const { return mIndex >= mCommands.size(); }

bool AcEdCommandIterator::next() {
  if (done()) return false;
  ++mIndex;
  return !done();
}

const AcEdCommand* AcEdCommandIterator::command() const { return done() ? nullptr : mCommands[mIndex]; }

const ACHAR* AcEdCommandIterator::commandGroup() const {
  return done() ? nullptr : mCommands[mIndex]->groupName();
}

// ---- stack ----------------------------------------------------------------------

struct AcEdCommandStack::Group {
  std::wstring name;
  std::vector<std::unique_ptr<AcEdCommand>> commands;  // registration order
};

struct AcEdCommandStack::Data {
  std::vector<std::unique_ptr<Group>> groups;  // top of the search order first
  // Removed commands, kept allocated (marked undefined) so that a running
  // command and the pointers iterators hold stay valid.
  std::vector<std::unique_ptr<AcEdCommand>> retired;
};

namespace {

bool validName(const ACHAR* name) {
  if (name == nullptr || *name == 0) return false;
  for (const ACHAR* p = name; *p; ++p) {
    if (std::iswspace(static_cast<wint_t>(*p))) return false;
  }
  return true;
}

}  // namespace

AcEdCommandStack::AcEdCommandStack() : mData(new Data()) {}

AcEdCommandStack::~AcEdCommandStack() { delete mData; }

Acad::ErrorStatus AcEdCommandStack::addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName,
                                               const ACHAR* cmdLocalName, Adesk::Int32 commandFlags,
                                               AcRxFunctionPtr functionAddr, AcEdUIContext* UIContext, int fcode,
                                               void* hResourceHandle, AcEdCommand** cmdPtrRet) {
  if (cmdPtrRet != nullptr) *cmdPtrRet = nullptr;
  if (!validName(cmdGroupName) || !validName(cmdGlobalName) || functionAddr == nullptr)
    return Acad::eInvalidInput;
  const ACHAR* local = (cmdLocalName != nullptr && *cmdLocalName != 0) ? cmdLocalName : cmdGlobalName;
  if (!validName(local)) return Acad::eInvalidInput;

  Group* group = nullptr;
  for (auto& g : mData->groups) {
    if (vhost::equalsNoCase(g->name, cmdGroupName)) {
      group = g.get();
      break;
    }
  }
  if (group != nullptr) {
    for (auto& c : group->commands) {
      if (vhost::equalsNoCase(c->mGlobal, cmdGlobalName) || vhost::equalsNoCase(c->mLocal, local))
        return Acad::eDuplicateKey;
    }
  } else {
    auto g = std::make_unique<Group>();
    g->name = cmdGroupName;
    group = g.get();
    mData->groups.insert(mData->groups.begin(), std::move(g));
  }
  auto cmd = std::make_unique<AcEdCommand>();
  cmd->mGroup = group->name;
  cmd->mGlobal = cmdGlobalName;
  cmd->mLocal = local;
  cmd->mFlags = commandFlags & ~(ACRX_CMD_UNDEFINED | ACRX_CMD_INPROGRESS);
  cmd->mFunction = functionAddr;
  cmd->mUiContext = UIContext;
  cmd->mFunctionCode = fcode;
  cmd->mResource = hResourceHandle;
  if (cmdPtrRet != nullptr) *cmdPtrRet = cmd.get();
  group->commands.push_back(std::move(cmd));
  return Acad::eOk;
}

AcEdCommandIterator* AcEdCommandStack::iterator() {
  auto* it = new AcEdCommandIterator();
  for (auto& g : mData->groups) {
    for (auto& c : g->commands) it->mCommands.push_back(c.get());
  }
  return it;
}

AcEdCommand* AcEdCommandStack::lookupCmd(const ACHAR* cmdName, bool globalFlag, bool allGroups, bool skipUndefed,
                                         const ACHAR* groupName) {
  (void)allGroups;
  if (cmdName == nullptr || *cmdName == 0) return nullptr;
  for (auto& g : mData->groups) {
    if (groupName != nullptr && *groupName != 0 && !vhost::equalsNoCase(g->name, groupName)) continue;
    for (auto& c : g->commands) {
      if (skipUndefed && c->commandUndefined()) continue;
      if (vhost::equalsNoCase(globalFlag ? c->mGlobal : c->mLocal, cmdName)) return c.get();
    }
  }
  return nullptr;
}

AcEdCommand* AcEdCommandStack::lookupCmd(const ACHAR* cmdName, bool globalFlag, bool allGroups, bool skipUndefed) {
  return lookupCmd(cmdName, globalFlag, allGroups, skipUndefed, nullptr);
}

AcEdCommand* AcEdCommandStack::lookupGlobalCmd(const ACHAR* cmdName) { return lookupCmd(cmdName, true); }

AcEdCommand* AcEdCommandStack::lookupLocalCmd(const ACHAR* cmdName) { return lookupCmd(cmdName, false); }

Acad::ErrorStatus AcEdCommandStack::removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName) {
  if (cmdGroupName == nullptr || cmdGlobalName == nullptr) return Acad::eInvalidInput;
  for (auto git = mData->groups.begin(); git != mData->groups.end(); ++git) {
    Group& g = **git;
    if (!vhost::equalsNoCase(g.name, cmdGroupName)) continue;
    for (auto it = g.commands.begin(); it != g.commands.end(); ++it) {
      if (!vhost::equalsNoCase((*it)->mGlobal, cmdGlobalName)) continue;
      std::unique_ptr<AcEdCommand> cmd = std::move(*it);
      g.commands.erase(it);
      cmd->mFlags |= ACRX_CMD_UNDEFINED;
      mData->retired.push_back(std::move(cmd));
      if (g.commands.empty()) mData->groups.erase(git);
      return Acad::eOk;
    }
    return Acad::eKeyNotFound;
  }
  return Acad::eKeyNotFound;
}

Acad::ErrorStatus AcEdCommandStack::removeGroup(const ACHAR* groupName) {
  if (groupName == nullptr) return Acad::eInvalidInput;
  for (auto git = mData->groups.begin(); git != mData->groups.end(); ++git) {
    if (!vhost::equalsNoCase((*git)->name, groupName)) continue;
    for (auto& cmd : (*git)->commands) {
      cmd->mFlags |= ACRX_CMD_UNDEFINED;
      mData->retired.push_back(std::move(cmd));
    }
    mData->groups.erase(git);
    return Acad::eOk;
  }
  return Acad::eKeyNotFound;
}

Acad::ErrorStatus AcEdCommandStack::popGroupToTop(const ACHAR* groupName) {
  if (groupName == nullptr) return Acad::eInvalidInput;
  for (auto git = mData->groups.begin(); git != mData->groups.end(); ++git) {
    if (!vhost::equalsNoCase((*git)->name, groupName)) continue;
    std::unique_ptr<Group> g = std::move(*git);
    mData->groups.erase(git);
    mData->groups.insert(mData->groups.begin(), std::move(g));
    return Acad::eOk;
  }
  return Acad::eKeyNotFound;
}

int AcEdCommandStack::commandCount() const {
  int n = 0;
  for (auto& g : mData->groups) n += static_cast<int>(g->commands.size());
  return n;
}

std::vector<std::wstring> AcEdCommandStack::groupNames() const {
  std::vector<std::wstring> out;
  for (auto& g : mData->groups) out.push_back(g->name);
  return out;
}

void AcEdCommandStack::vhostBeginRun(AcEdCommand* cmd) {
  if (cmd == nullptr) return;
  ++cmd->mRunning;
  cmd->mFlags |= ACRX_CMD_INPROGRESS;
}

void AcEdCommandStack::vhostEndRun(AcEdCommand* cmd) {
  if (cmd == nullptr) return;
  if (--cmd->mRunning <= 0) {
    cmd->mRunning = 0;
    cmd->mFlags &= ~ACRX_CMD_INPROGRESS;
  }
}

AcEdCommandStack* acedRegCmdsInstance() {
  static AcEdCommandStack* stack = [] {
    auto* s = new AcEdCommandStack();  // lives for the whole process
    acrxSysRegistry()->atPut(ACRX_COMMAND_DOCK, s);
    return s;
  }();
  return stack;
}

namespace {
// The stack is in the system registry as soon as the library is loaded, so
// that modules finding it there (rather than through acedRegCmds) see it.
[[maybe_unused]] const bool gStackRegistered = (acedRegCmdsInstance(), true);
}  // namespace
