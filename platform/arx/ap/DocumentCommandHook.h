#pragma once
// What the document layer does around every command the command processor
// runs (vhost::runCommand): the command runs in the current document's
// command context, holding the lock its flags ask for, and the document is not
// quiescent meanwhile.
//
//   flags                        context              lock
//   ACRX_CMD_SESSION             application          none (also with no document open)
//   ACRX_CMD_NOINTERNALLOCK      current document     none
//   ACRX_CMD_DOCREADLOCK         current document     kRead
//   ACRX_CMD_DOCEXCLUSIVELOCK    current document     kXWrite
//   any other                    current document     kAutoWrite
//
// A command is refused (it counts as failed, with a message on the command
// line) when no document is open or its lock conflicts with a lock another
// context holds. The document manager installs the hook when it is made.
#include <cstdint>
#include <string>
#include <vector>

#include "arx/ap/AcAp.h"
#include "arx/ed/RunCommand.h"

class AcApDocument;

namespace vhost {

class DocumentCommandHook : public CommandContextHook {
 public:
  bool enterCommand(const std::wstring& globalName, Adesk::Int32 flags, const AcEdCommand* cmd) override;
  void leaveCommand(const std::wstring& globalName, Adesk::Int32 flags, const AcEdCommand* cmd) override;

 private:
  struct Frame {
    AcApDocument* doc = nullptr;  // null: the command runs in the application context
    std::uint64_t serial = 0;
    bool locked = false;
  };
  std::vector<Frame> mFrames;
};

// The lock a command with these flags takes (kNone: none).
AcAp::DocLockMode commandLockMode(Adesk::Int32 flags);
// Installs the process's hook (done by the document manager).
void installDocumentCommandHook();

}  // namespace vhost
