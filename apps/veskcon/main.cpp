// veskcon: runs drawing commands from a script or a terminal (see ConsoleHost.h).
#include <cstdio>
#include <string>

#include "ConsoleHost.h"
#include "ConsoleOptions.h"
#include "arx/ap/DrawingFileIo.h"
#include "arx/dxf/DxfFileIo.h"

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
  // Drawings are DXF files (a .dwg path whose content is DXF, or whose .dxf
  // twin exists, is read too).
  vhost::setDrawingFileIo(vhost::dxfDrawingFileIo());
  veskcon::ConsoleHost host(options, write(stdout), write(stderr));
  return host.run();
}
