#pragma once
// The console host: one session of veskcon. It loads the modules, opens the
// drawings (or makes a new one), runs the commands of a script or of an
// interactive terminal, saves the current drawing when asked, and takes
// everything down again (documents closed, modules unloaded).
//
// Scripts: at the command prompt a line names a command; while the command
// runs, the following lines answer its prompts (the editor's script syntax).
// Blank lines at the command prompt are skipped, comments everywhere. "QUIT"
// or "EXIT" (when no module defines a command of that name) ends the session.
// Text a module sends to the command line (sendStringToExecute) runs after the
// current command, before the rest of the script.
#include <functional>
#include <memory>
#include <string>

#include "ConsoleOptions.h"

namespace vhost {
class ScriptedHostUi;
class TerminalHostUi;
class HostUi;
class ScopedHostUi;
}  // namespace vhost

namespace veskcon {

enum ExitCode {
  kExitOk = 0,
  kExitCommandFailed = 1,  // a command failed or was unknown
  kExitUsage = 2,          // bad command line or unreadable script
  kExitScriptEnded = 3,    // the script ended while a prompt was pending
  kExitModule = 4,         // a module failed to load
  kExitDrawing = 5         // a drawing could not be opened or saved
};

class ConsoleHost {
 public:
  // Receivers of UTF-8 text: the transcript (standard output) and errors
  // (standard error).
  using Sink = std::function<void(const std::string&)>;
  ConsoleHost(Options options, Sink out, Sink err);
  ~ConsoleHost();
  ConsoleHost(const ConsoleHost&) = delete;
  ConsoleHost& operator=(const ConsoleHost&) = delete;

  // Runs the session and returns the exit status (ExitCode).
  int run();

  // The module loaded unless --no-default-module ("" when the build has none).
  static std::string defaultModule();

 private:
  int setUpFrontEnd();
  int session();
  int loadModules();
  int openDrawings();
  int runScripted(vhost::ScriptedHostUi& ui);
  int runInteractive(vhost::HostUi& ui);
  void injectQueuedInput(vhost::ScriptedHostUi& ui);
  int saveOutput();
  void printInfo();
  void shutdown();
  void error(const std::wstring& message);
  void out(const std::wstring& text);

  Options mOptions;
  Sink mOut;
  Sink mErr;
  std::unique_ptr<vhost::ScriptedHostUi> mScripted;
  std::unique_ptr<vhost::TerminalHostUi> mTerminal;
  std::unique_ptr<vhost::ScopedHostUi> mScope;
};

}  // namespace veskcon
