#include "arx/ed/RunCommand.h"

#include <exception>

#include "arx/base/AcadErrorStatus.h"
#include "arx/db/AcRxClass.h"
#include "arx/ed/AcEdCommandStack.h"
#include "arx/ed/AcEditorReactor.h"
#include "arx/ed/AcedGrRead.h"
#include "arx/ed/EditorState.h"
#include "arx/ed/HostCommands.h"
#include "arx/ed/HostUi.h"
#include "arx/ed/LispEvaluator.h"
#include "arx/ed/StatusBar.h"
#include "mfc/CException.h"
#include "mfc/Utf8Convert.h"

namespace vhost {

namespace {

struct ActiveCommand {
  std::wstring name;
  bool cancelled = false;
  bool exhausted = false;
  bool lisp = false;  // a LISP expression typed at the command line
};

std::vector<ActiveCommand>& active() {
  static std::vector<ActiveCommand>* a = new std::vector<ActiveCommand>();
  return *a;
}

CommandContextHook* gHook = nullptr;

std::wstring stripPrefixes(const std::wstring& raw, bool& builtinOnly) {
  std::wstring name = trimmed(raw);
  builtinOnly = false;
  std::size_t i = 0;
  while (i < name.size() && (name[i] == L'_' || name[i] == L'.' || name[i] == L'\'')) {
    if (name[i] == L'.') builtinOnly = true;
    ++i;
  }
  return name.substr(i);
}

std::wstring widen(const char* s) { return veskhost::mfc::Utf8ToWide(s, std::char_traits<char>::length(s)); }

}  // namespace

CommandContextHook::~CommandContextHook() = default;

CommandContextHook* setCommandContextHook(CommandContextHook* hook) {
  CommandContextHook* previous = gHook;
  gHook = hook;
  return previous;
}

const wchar_t* commandOutcomeName(CommandOutcome outcome) {
  switch (outcome) {
    case CommandOutcome::kCompleted: return L"completed";
    case CommandOutcome::kCancelled: return L"cancelled";
    case CommandOutcome::kInputExhausted: return L"input exhausted";
    case CommandOutcome::kFailed: return L"failed";
    case CommandOutcome::kUnknown: return L"unknown";
  }
  return L"unknown";
}

void noteCommandCancelled() {
  if (!active().empty()) active().back().cancelled = true;
}

void noteCommandInputExhausted() {
  if (!active().empty()) active().back().exhausted = true;
}

std::vector<std::wstring> activeCommands() {
  std::vector<std::wstring> out;
  for (const ActiveCommand& a : active())
    if (!a.lisp) out.push_back(a.name);
  return out;
}

int commandActiveFlags() {
  if (active().empty()) return 0;
  std::size_t commands = 0;
  bool lisp = false;
  for (const ActiveCommand& a : active()) {
    if (a.lisp) lisp = true;
    else ++commands;
  }
  int flags = 0;
  if (commands > 0) flags |= 1;
  if (commands > 1) flags |= 2;
  if (currentHostUi()->isScripted()) flags |= 4;
  if (lisp) flags |= 32;
  return flags;
}

namespace {

// Nothing of a finished command lingers: queued cursor events, a meter left
// up, a pending acedInitGet.
void afterOutermost() {
  clearCursorEvents();
  acedRestoreStatusBar();
  session().initBits = 0;
  session().initKeywords.clear();
}

// An input that starts with "(" is a LISP expression ("!x" shows a value).
CommandOutcome runLispInput(const std::wstring& text) {
  ActiveCommand frame;
  frame.lisp = true;
  active().push_back(frame);
  LispResult result = evaluateLisp(text[0] == L'!' ? text.substr(1) : text);
  ActiveCommand done = active().back();
  active().pop_back();
  if (active().empty()) afterOutermost();
  switch (result.status) {
    case LispResult::Status::kValue: return CommandOutcome::kCompleted;
    case LispResult::Status::kError: return CommandOutcome::kFailed;
    case LispResult::Status::kCancelled: break;
  }
  return done.exhausted ? CommandOutcome::kInputExhausted : CommandOutcome::kCancelled;
}

}  // namespace

CommandOutcome runCommand(const ACHAR* name) { return runCommand(std::wstring(name != nullptr ? name : L"")); }

CommandOutcome runCommand(const std::wstring& rawName) {
  const std::wstring input = trimmed(rawName);
  if (!input.empty() && (input[0] == L'(' || input[0] == L'!')) return runLispInput(input);
  bool builtinOnly = false;
  std::wstring bare = stripPrefixes(rawName, builtinOnly);
  AcEdCommand* cmd = nullptr;
  HostCommandFn hostFn = nullptr;
  if (!bare.empty()) {
    if (!builtinOnly) {
      cmd = acedRegCmds->lookupGlobalCmd(bare.c_str());
      if (cmd == nullptr) cmd = acedRegCmds->lookupLocalCmd(bare.c_str());
    }
    if (cmd == nullptr) hostFn = findHostCommand(bare);
  }
  if (cmd == nullptr && hostFn == nullptr) {
    std::wstring shown = trimmed(rawName);
    currentHostUi()->print(L"\nUnknown command \"" + upperCase(shown) + L"\".\n");
    for (AcEditorReactor* r : acedEditor->reactors()) r->unknownCommand(shown.c_str(), nullptr);
    return CommandOutcome::kUnknown;
  }
  std::wstring globalName = cmd != nullptr ? std::wstring(cmd->globalName()) : hostCommandName(bare);
  Adesk::Int32 flags = cmd != nullptr ? cmd->commandFlags() : ACRX_CMD_MODAL;

  if (gHook != nullptr && !gHook->enterCommand(globalName, flags, cmd)) {
    for (AcEditorReactor* r : acedEditor->reactors()) r->commandFailed(globalName.c_str());
    return CommandOutcome::kFailed;
  }
  for (AcEditorReactor* r : acedEditor->reactors()) r->commandWillStart(globalName.c_str());

  active().push_back(ActiveCommand{globalName, false, false});
  if (cmd != nullptr) acedRegCmds->vhostBeginRun(cmd);
  AcRxFunctionPtr fn = cmd != nullptr ? cmd->functionAddr() : hostFn;
  bool failed = false;
  std::wstring error;
  try {
    fn();
  } catch (Acad::ErrorStatus es) {
    failed = true;
    error = acadErrorStatusText(es);
  } catch (const AbortError& e) {
    failed = true;
    error = e.message;
  } catch (CException* e) {
    failed = true;
    error = L"MFC exception";
    e->Delete();
  } catch (const std::exception& e) {
    failed = true;
    error = widen(e.what());
  } catch (...) {
    failed = true;
    error = L"unexpected exception";
  }
  if (cmd != nullptr) acedRegCmds->vhostEndRun(cmd);
  ActiveCommand done = active().back();
  active().pop_back();
  if (active().empty()) afterOutermost();
  if (failed) currentHostUi()->print(L"\n" + globalName + L": error: " + error + L"\n");
  if (gHook != nullptr) gHook->leaveCommand(globalName, flags, cmd);

  CommandOutcome outcome = CommandOutcome::kCompleted;
  if (failed) {
    outcome = CommandOutcome::kFailed;
  } else if (done.exhausted) {
    outcome = CommandOutcome::kInputExhausted;
  } else if (done.cancelled) {
    outcome = CommandOutcome::kCancelled;
  }
  for (AcEditorReactor* r : acedEditor->reactors()) {
    switch (outcome) {
      case CommandOutcome::kCompleted: r->commandEnded(globalName.c_str()); break;
      case CommandOutcome::kFailed: r->commandFailed(globalName.c_str()); break;
      default: r->commandCancelled(globalName.c_str()); break;
    }
  }
  return outcome;
}

}  // namespace vhost
