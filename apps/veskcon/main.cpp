// veskcon: runs drawing commands from a script or a terminal (see ConsoleHost.h).
#include <cstdio>
#include <string>

#include "ConsoleHost.h"
#include "ConsoleOptions.h"

int main(int argc, char** argv) {
  auto write = [](std::FILE* f) {
    return [f](const std::string& text) {
      std::fwrite(text.data(), 1, text.size(), f);
      std::fflush(f);
    };
  };
  veskcon::Options options;
  std::string error;
  if (!veskcon::parseOptions(argc, argv, options, error)) {
    std::fprintf(stderr, "veskcon: %s\nTry 'veskcon --help'.\n", error.c_str());
    return veskcon::kExitUsage;
  }
  veskcon::ConsoleHost host(options, write(stdout), write(stderr));
  return host.run();
}
