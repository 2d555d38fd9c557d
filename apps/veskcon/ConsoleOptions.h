#pragma once
// The command line of veskcon.
#include <string>
#include <vector>

namespace veskcon {

struct Options {
  std::vector<std::string> modules;  // --load, in order (paths as given, UTF-8)
  std::string script;                // -s
  std::string output;                // -o
  std::vector<std::string> drawings;
  bool info = false;
  bool help = false;
  bool noDefaultModule = false;
  // In-process use: script lines given directly (take the place of -s).
  std::vector<std::wstring> scriptLines;
  bool useScriptLines = false;
};

// Parses argv (argv[0] is the program). False with error for an unknown
// option, a missing argument or an option given twice.
bool parseOptions(int argc, const char* const* argv, Options& out, std::string& error);

// The --help text. defaultModule: the module loaded by default ("" if none).
std::string usageText(const std::string& defaultModule);

}  // namespace veskcon
