// The entries the host's dynamic linker calls: acrxGetApiVersion, checked
// before the module is initialised, and acrxEntryPoint for the application
// messages. The library needs no work of its own when it is mapped or
// unmapped: it keeps no resource table and no extension-module state.
#include "arx/ap/AcRxApiVersion.h"
#include "arx/ap/AcRxApp.h"
#include "veskcad/frame/VeskModule.h"

extern "C" __attribute__((visibility("default"))) int acrxGetApiVersion() { return ACRX_API_VERSION; }

extern "C" __attribute__((visibility("default"))) AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg,
                                                                                  void* appId) {
  switch (msg) {
    case AcRx::kInitAppMsg:
      VeskCad::Frame::InitApplication(appId);
      break;
    case AcRx::kUnloadAppMsg:
      VeskCad::Frame::UnloadApplication();
      break;
    default:
      break;
  }
  return AcRx::kRetOK;
}
