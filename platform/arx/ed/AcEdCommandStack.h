#pragma once
// The command stack: the commands applications register, in named groups.
// Lookups ignore case. The stack lives in the system registry under
// ACRX_COMMAND_DOCK ("ACAD_REGISTERED_COMMANDS"), as the host keeps it, and
// acedRegCmds reaches it.
//
// Groups form a stack: the group registered (or popped to the top) last is
// searched first. Within a group a global name and a local name are each
// unique; a second addCommand of a global (or local) name the group already
// holds is refused with eDuplicateKey, so loading a module twice does not
// register its commands twice. The same name in two groups is allowed (the top
// group's command wins a lookup).
//
// Commands run through vhost::runCommand (RunCommand.h).
#include <string>
#include <vector>

#include "arx/base/AcadErrorStatus.h"
#include "arx/base/AdeskTypes.h"
#include "arx/db/AcRxClass.h"

// Command flags (the host's values).
#define ACRX_CMD_MODAL 0x00000000
#define ACRX_CMD_TRANSPARENT 0x00000001
#define ACRX_CMD_USEPICKSET 0x00000002
#define ACRX_CMD_REDRAW 0x00000004
#define ACRX_CMD_NOPERSPECTIVE 0x00000008
#define ACRX_CMD_NOMULTIPLE 0x00000010
#define ACRX_CMD_NOTILEMODE 0x00000020
#define ACRX_CMD_NOPAPERSPACE 0x00000040
#define ACRX_CMD_NOOEM 0x00000100
#define ACRX_CMD_UNDEFINED 0x00000200
#define ACRX_CMD_INPROGRESS 0x00000400
#define ACRX_CMD_DEFUN 0x00000800
#define ACRX_CMD_NONEWSTACK 0x00010000
#define ACRX_CMD_NOINTERNALLOCK 0x00020000
#define ACRX_CMD_DOCREADLOCK 0x00080000
#define ACRX_CMD_DOCEXCLUSIVELOCK 0x00100000
#define ACRX_CMD_SESSION 0x00200000
#define ACRX_CMD_INTERRUPTIBLE 0x00400000
#define ACRX_CMD_NOHISTORY 0x00800000
#define ACRX_CMD_NO_UNDO_MARKER 0x01000000
#define ACRX_CMD_NOBEDIT 0x02000000

#define ACRX_COMMAND_DOCK L"ACAD_REGISTERED_COMMANDS"

typedef void (*AcRxFunctionPtr)();

// Context-menu data of a command (kept and handed back, not shown).
class AcEdUIContext {
 public:
  virtual ~AcEdUIContext() = default;
};

// A registered command.
class AcEdCommand : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcEdCommand);
  AcEdCommand() = default;
  ~AcEdCommand() override;

  AcRxFunctionPtr functionAddr() const { return mFunction; }
  void functionAddr(AcRxFunctionPtr fn) { mFunction = fn; }
  Adesk::Int32 commandFlags() const { return mFlags; }
  const ACHAR* globalName() const { return mGlobal.c_str(); }
  const ACHAR* localName() const { return mLocal.c_str(); }
  // The group the command was registered in.
  const ACHAR* groupName() const { return mGroup.c_str(); }
  AcEdUIContext* UIContext() const { return mUiContext; }
  int functionCode() const { return mFunctionCode; }
  void* resourceHandle() const { return mResource; }
  // True once removed from the stack (the host's "undefined").
  bool commandUndefined() const { return (mFlags & ACRX_CMD_UNDEFINED) != 0; }

 private:
  friend class AcEdCommandStack;
  friend class AcEdCommandIterator;
  std::wstring mGroup;
  std::wstring mGlobal;
  std::wstring mLocal;
  Adesk::Int32 mFlags = 0;
  AcRxFunctionPtr mFunction = nullptr;
  AcEdUIContext* mUiContext = nullptr;
  int mFunctionCode = -1;
  void* mResource = nullptr;
  int mRunning = 0;  // runs in progress
};

// Walks the commands group by group (top group first), each group in
// registration order. Changing the stack while iterating is safe: the
// iterator walks a copy of the list taken when it was made.
class AcEdCommandIterator : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcEdCommandIterator);
  ~AcEdCommandIterator() override;
  bool done() const;
  bool next();
  const AcEdCommand* command() const;
  const ACHAR* commandGroup() const;

 private:
  friend class AcEdCommandStack;
  AcEdCommandIterator() = default;
  std::vector<const AcEdCommand*> mCommands;
  std::size_t mIndex = 0;
};

class AcEdCommandStack : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcEdCommandStack);
  AcEdCommandStack();
  ~AcEdCommandStack() override;

  // Registers a command. Names must be non-empty and hold no blanks; a null
  // or empty local name takes the global name; a null function is refused
  // (eInvalidInput). A global or local name the group already holds gives
  // eDuplicateKey and changes nothing. cmdPtrRet receives the new command.
  // hResourceHandle is kept, not used.
  virtual Acad::ErrorStatus addCommand(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName,
                                       const ACHAR* cmdLocalName, Adesk::Int32 commandFlags,
                                       AcRxFunctionPtr functionAddr, AcEdUIContext* UIContext = nullptr,
                                       int fcode = -1, void* hResourceHandle = nullptr,
                                       AcEdCommand** cmdPtrRet = nullptr);

  // A new iterator for the caller to delete.
  virtual AcEdCommandIterator* iterator();

  // Lookups (case ignored), top group first; null when not found.
  virtual AcEdCommand* lookupGlobalCmd(const ACHAR* cmdName);
  virtual AcEdCommand* lookupLocalCmd(const ACHAR* cmdName);
  // globalFlag chooses global or local names; allGroups is accepted for the
  // host's signature (every group is searched); skipUndefed skips commands
  // marked undefined; the group name restricts the search to one group.
  virtual AcEdCommand* lookupCmd(const ACHAR* cmdName, bool globalFlag, bool allGroups = false,
                                 bool skipUndefed = false);
  virtual AcEdCommand* lookupCmd(const ACHAR* cmdName, bool globalFlag, bool allGroups, bool skipUndefed,
                                 const ACHAR* groupName);

  // Removes one command (eKeyNotFound when the group does not hold it) or a
  // whole group (eKeyNotFound when there is no such group). Removed commands
  // stay allocated, marked undefined, so that a command running when it is
  // removed, and pointers an iterator holds, stay valid.
  virtual Acad::ErrorStatus removeCmd(const ACHAR* cmdGroupName, const ACHAR* cmdGlobalName);
  virtual Acad::ErrorStatus removeGroup(const ACHAR* groupName);
  // Moves a group to the top of the search order (eKeyNotFound when missing).
  virtual Acad::ErrorStatus popGroupToTop(const ACHAR* groupName);

  // Platform use: the number of commands, the group names top first.
  int commandCount() const;
  std::vector<std::wstring> groupNames() const;
  // Platform use by runCommand: marks a command in progress while it runs.
  void vhostBeginRun(AcEdCommand* cmd);
  void vhostEndRun(AcEdCommand* cmd);

 private:
  struct Group;
  struct Data;
  Data* mData;
};

// The command stack of the process (made and put into the system registry on
// first use).
AcEdCommandStack* acedRegCmdsInstance();
#define acedRegCmds (acedRegCmdsInstance())
