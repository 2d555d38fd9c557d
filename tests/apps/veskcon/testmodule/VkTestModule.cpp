// A small application module for the host's tests. It registers the command
// group "VKTEST":
//   VKHELLO   asks a colour (keywords Red/Green/Blue, Enter: Green) and a name,
//             then prints "Hello NAME, you chose COLOUR."
//   VKSTATUS  prints the current document's lock modes, whether it is
//             quiescent, and DBMOD
//   VKFAIL    fails (throws eInvalidInput)
//   VKPOST    sends "VKSTATUS" to the command line (sendStringToExecute)
// Environment switches read at initialisation: VKTEST_FAIL_INIT (answer
// kRetError), VKTEST_STAY_LOCKED (do not unlock), VKTEST_NOT_MDI (do not
// register MDI-aware).
#include <cstdlib>
#include <cwchar>
#include <string>

#include "arx/ap/AcApDocManager.h"
#include "arx/ap/AcDbDbmod.h"
#include "arx/ap/AcRxApiVersion.h"
#include "arx/ap/AcRxApp.h"
#include "arx/ap/AcRxDynamicLinker.h"
#include "arx/ed/AcEdCommandStack.h"
#include "arx/ed/AcedInput.h"
#include "arx/ed/AcutPrintf.h"

#ifndef VKTEST_API_VERSION
#define VKTEST_API_VERSION ACRX_API_VERSION
#endif

namespace {

std::string gLog;
int gInits = 0;

const wchar_t* lockName(AcAp::DocLockMode m) {
  switch (m) {
    case AcAp::kNotLocked: return L"none";
    case AcAp::kRead: return L"read";
    case AcAp::kWrite: return L"write";
    case AcAp::kAutoWrite: return L"autowrite";
    case AcAp::kProtectedAutoWrite: return L"protectedautowrite";
    case AcAp::kXWrite: return L"xwrite";
    default: return L"?";
  }
}

void vkHello() {
  ACHAR colour[64] = L"";
  acedInitGet(0, L"Red Green Blue");
  int rc = acedGetKword(L"\nColour [Red/Green/Blue] <Green>: ", colour, 64);
  if (rc == RTNONE)
    std::wcscpy(colour, L"Green");
  else if (rc != RTNORM)
    return;
  ACHAR name[128] = L"";
  if (acedGetString(1, L"\nName: ", name, 128) != RTNORM) return;
  acutPrintf(L"\nHello %s, you chose %s.\n", name, colour);
}

void vkStatus() {
  AcApDocument* doc = acDocManager->curDocument();
  if (doc == nullptr) {
    acutPrintf(L"\nNo document.\n");
    return;
  }
  acutPrintf(L"\nDocument %s: my lock %s, all locks %s, quiescent %d, DBMOD %d\n", doc->docTitle(),
             lockName(doc->myLockMode()), lockName(doc->lockMode(true)), doc->isQuiescent() ? 1 : 0,
             static_cast<int>(vhost::dbmod(doc->database())));
}

void vkFail() { throw Acad::eInvalidInput; }

void vkPost() { acDocManager->sendStringToExecute(acDocManager->curDocument(), L"VKSTATUS\n"); }

}  // namespace

extern "C" int acrxGetApiVersion() { return VKTEST_API_VERSION; }

// What the module was told, as "init loaddwg ... unload" (for the tests).
extern "C" const char* vktestLog() { return gLog.c_str(); }
extern "C" int vktestInitCount() { return gInits; }

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
  switch (msg) {
    case AcRx::kInitAppMsg: {
      ++gInits;
      gLog += "init ";
      if (AcRxDynamicLinker* linker = acrxDynamicLinker) {
        if (std::getenv("VKTEST_STAY_LOCKED") == nullptr) linker->unlockApplication(appId);
        if (std::getenv("VKTEST_NOT_MDI") == nullptr) linker->registerAppMDIAware(appId);
      }
      acedRegCmds->addCommand(L"VKTEST", L"VKHELLO", L"VKHELLO", ACRX_CMD_MODAL, vkHello);
      acedRegCmds->addCommand(L"VKTEST", L"VKSTATUS", L"VKSTATUS", ACRX_CMD_MODAL, vkStatus);
      acedRegCmds->addCommand(L"VKTEST", L"VKFAIL", L"VKFAIL", ACRX_CMD_MODAL, vkFail);
      acedRegCmds->addCommand(L"VKTEST", L"VKPOST", L"VKPOST", ACRX_CMD_MODAL, vkPost);
      if (std::getenv("VKTEST_FAIL_INIT") != nullptr) return AcRx::kRetError;
      break;
    }
    case AcRx::kUnloadAppMsg:
      gLog += "unload ";
      acedRegCmds->removeGroup(L"VKTEST");
      break;
    case AcRx::kLoadDwgMsg: gLog += "loaddwg "; break;
    case AcRx::kUnloadDwgMsg: gLog += "unloaddwg "; break;
    case AcRx::kSaveMsg: gLog += "save "; break;
    case AcRx::kPreQuitMsg: gLog += "prequit "; break;
    case AcRx::kQuitMsg: gLog += "quit "; break;
    default: break;
  }
  return AcRx::kRetOK;
}
