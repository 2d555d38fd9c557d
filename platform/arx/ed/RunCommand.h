#pragma once
// Running commands: the host's command processor.
//
// runCommand(name) strips the host's prefixes ("_" global name, "." built-in
// command, "'" transparent, in any order: "_.ZOOM", "'_PAN") and runs:
//   - a command of the command stack (AcEdCommandStack.h), looked up by
//     global name, then by local name (case ignored) — unless "." asked for
//     the built-in command;
//   - else a built-in host command (ZOOM, PAN, SELECT, REGEN, ERASE, XCLIP,
//     UNDO; see HostCommands.h);
//   - else prints "\nUnknown command \"NAME\".\n" and returns kUnknown.
// An input that starts with "(" is not a command name but a LISP expression,
// and "!expr" shows the value of an expression: both are evaluated
// (LispEvaluator.h) and the value or "; error: ..." printed, with the outcome
// kCompleted, kFailed for an evaluation error, kCancelled or kInputExhausted
// when an entsel prompt got Escape or found the script's end. No command
// reactors are notified and no context hook is called for them; CMDACTIVE has
// bit 32 while one is evaluated.
// While it runs, the command is active: CMDACTIVE has bit 1 (bit 2 for a
// command started inside another one, bit 4 when the HostUi is a script) and
// CMDNAMES lists the active commands joined by "'". Editor reactors hear
// commandWillStart and then commandEnded, commandCancelled or commandFailed.
//
// Outcome:
//   kCompleted      the function returned and no prompt was cancelled;
//   kCancelled      a prompt got Escape (the host prints "*Cancel*") and the
//                   function then returned;
//   kInputExhausted a prompt found the script's end (see ScriptedHostUi);
//   kFailed         the function threw (Acad::ErrorStatus, std::exception or
//                   anything else: "\nNAME: error: <text>\n" is printed and
//                   the command ends cleanly), or the context hook refused it;
//   kUnknown        no such command.
// A command may run other commands (acedCommand, nested runCommand).
#include <string>
#include <vector>

#include "arx/base/AdeskTypes.h"

class AcEdCommand;

namespace vhost {

enum class CommandOutcome { kCompleted, kCancelled, kInputExhausted, kFailed, kUnknown };

// "completed", "cancelled", "input exhausted", "failed", "unknown".
const wchar_t* commandOutcomeName(CommandOutcome outcome);

CommandOutcome runCommand(const ACHAR* name);
CommandOutcome runCommand(const std::wstring& name);

// The names of the running commands, outermost first (global names, upper
// case for built-in ones).
std::vector<std::wstring> activeCommands();
// The CMDACTIVE value now.
int commandActiveFlags();

// What the document layer does around each command: lock the current
// document (by the command's flags), refuse a command when no document is
// open, and so on. enterCommand runs before the command's function (false:
// the command is not run and counts as failed; the hook prints the reason);
// leaveCommand runs after it on every path when enterCommand returned true.
// cmd is null for built-in host commands (whose flags are passed as
// ACRX_CMD_MODAL).
class CommandContextHook {
 public:
  virtual ~CommandContextHook();
  virtual bool enterCommand(const std::wstring& globalName, Adesk::Int32 flags, const AcEdCommand* cmd) = 0;
  virtual void leaveCommand(const std::wstring& globalName, Adesk::Int32 flags, const AcEdCommand* cmd) = 0;
};
// Installs the hook (null removes it); returns the previous one. Not owned.
CommandContextHook* setCommandContextHook(CommandContextHook* hook);

// Platform use by the input functions: a prompt of the running command got
// Escape or the end of the input.
void noteCommandCancelled();
void noteCommandInputExhausted();

}  // namespace vhost
