// The entry of the sibling module: registers the group "VKPLAN" on load and
// removes it on unload.
#include "VkPlanCommands.h"
#include "arx/ap/AcRxApiVersion.h"
#include "arx/ap/AcRxApp.h"
#include "arx/ap/AcRxDynamicLinker.h"
#include "arx/ed/AcEdCommandStack.h"
#include "arx/ed/AcedSelectionSet.h"
#include "arx/ed/AcutPrintf.h"

namespace vkplan {

const wchar_t* const kGroup = L"VKPLAN";

bool SelectOrAll(const wchar_t* prompt, const resbuf* filter, AcDbObjectIdArray& ids) {
  ids.setLogicalLength(0);
  ads_name ss;
  acutPrintf(L"%s", prompt);
  int rc = acedSSGet(nullptr, nullptr, nullptr, filter, ss);
  if (rc == RTCAN) return false;
  if (rc != RTNORM) rc = acedSSGet(L"X", nullptr, nullptr, filter, ss);  // Enter: everything
  if (rc != RTNORM) return true;
  Adesk::Int32 n = 0;
  acedSSLength(ss, &n);
  for (Adesk::Int32 i = 0; i < n; ++i) {
    ads_name ent;
    AcDbObjectId id;
    if (acedSSName(ss, i, ent) == RTNORM && acdbGetObjectId(id, ent) == Acad::eOk) ids.append(id);
  }
  acedSSFree(ss);
  return true;
}

}  // namespace vkplan

extern "C" int acrxGetApiVersion() { return ACRX_API_VERSION; }

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
  switch (msg) {
    case AcRx::kInitAppMsg:
      if (AcRxDynamicLinker* linker = acrxDynamicLinker) {
        linker->unlockApplication(appId);
        linker->registerAppMDIAware(appId);
      }
      vkplan::RegisterGeometryCommands();
      vkplan::RegisterStandardCommands();
      break;
    case AcRx::kUnloadAppMsg:
      acedRegCmds->removeGroup(vkplan::kGroup);
      break;
    default:
      break;
  }
  return AcRx::kRetOK;
}
