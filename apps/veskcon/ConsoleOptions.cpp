#include "ConsoleOptions.h"

namespace veskcon {

bool parseOptions(int argc, const char* const* argv, Options& out, std::string& error) {
  out = Options();
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i] != nullptr ? argv[i] : "";
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      out.drawings.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    // Options with a value: "--load X", "--load=X", "-s X", "-sX".
    std::string name = arg, value;
    bool hasValue = false;
    size_t eq = arg.find('=');
    if (arg.rfind("--", 0) == 0 && eq != std::string::npos) {
      name = arg.substr(0, eq);
      value = arg.substr(eq + 1);
      hasValue = true;
    } else if (arg.size() > 2 && arg[1] != '-' && (arg[1] == 's' || arg[1] == 'o')) {
      name = arg.substr(0, 2);
      value = arg.substr(2);
      hasValue = true;
    }
    auto takeValue = [&](std::string& into) {
      if (!hasValue) {
        if (i + 1 >= argc || argv[i + 1] == nullptr) {
          error = "option " + name + " needs an argument";
          return false;
        }
        value = argv[++i];
      }
      if (value.empty()) {
        error = "option " + name + " needs a non-empty argument";
        return false;
      }
      into = value;
      return true;
    };
    if (name == "--load" || name == "-l") {
      std::string v;
      if (!takeValue(v)) return false;
      out.modules.push_back(v);
    } else if (name == "-s" || name == "--script") {
      if (!out.script.empty()) {
        error = "only one script may be given";
        return false;
      }
      if (!takeValue(out.script)) return false;
    } else if (name == "-o" || name == "--output") {
      if (!out.output.empty()) {
        error = "only one output drawing may be given";
        return false;
      }
      if (!takeValue(out.output)) return false;
    } else if (hasValue) {
      error = "option " + name + " takes no argument";
      return false;
    } else if (name == "--info") {
      out.info = true;
    } else if (name == "--help" || name == "-h") {
      out.help = true;
    } else if (name == "--no-default-module") {
      out.noDefaultModule = true;
    } else {
      error = "unknown option " + arg;
      return false;
    }
  }
  return true;
}

std::string usageText(const std::string& defaultModule) {
  std::string text =
      "Usage: veskcon [--load MODULE.so]... [-s SCRIPT] [-o OUT] [--info] [DRAWING...]\n"
      "\n"
      "Runs drawing commands without a graphical host: loads application modules,\n"
      "opens the drawings, runs the commands of a script and saves the result.\n"
      "\n"
      "  --load MODULE    load an application module (a shared library with an\n"
      "                   acrxEntryPoint); may be given several times\n"
      "  -s SCRIPT        run the commands of SCRIPT (UTF-8 text, one command or\n"
      "                   answer a line); without -s the commands are read from the\n"
      "                   terminal, or from standard input when it is not one\n"
      "  -o OUT           save the current drawing to OUT when the script succeeded\n"
      "  --info           print the host's state (API release, modules, commands,\n"
      "                   drawings) after loading; without -s, then stop\n"
      "  --no-default-module\n"
      "                   do not load the default module\n"
      "  -h, --help       print this text\n"
      "\n"
      "DRAWING files are opened in the order given; the last one is current. With\n"
      "no drawing a new empty drawing is made.\n"
      "\n";
  if (defaultModule.empty())
    text += "Default module: none (this build has no VeskCAD module; use --load).\n";
  else
    text += "Default module: " + defaultModule + " (from the library folder beside bin/).\n";
  text +=
      "\n"
      "The transcript of the session goes to standard output, errors to standard\n"
      "error. Exit status: 0 success; 1 a command failed or was unknown; 2 bad\n"
      "command line or unreadable script; 3 the script ended while a command was\n"
      "waiting at a prompt; 4 a module failed to load; 5 a drawing could not be\n"
      "opened or saved.\n";
  return text;
}

}  // namespace veskcon
