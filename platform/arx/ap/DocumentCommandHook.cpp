#include "arx/ap/DocumentCommandHook.h"

#include "arx/ap/AcApDocManager.h"
#include "arx/ed/AcEdCommandStack.h"
#include "arx/ed/AcutPrintf.h"

namespace vhost {

AcAp::DocLockMode commandLockMode(Adesk::Int32 flags) {
  if (flags & (ACRX_CMD_SESSION | ACRX_CMD_NOINTERNALLOCK)) return AcAp::kNone;
  if (flags & ACRX_CMD_DOCEXCLUSIVELOCK) return AcAp::kXWrite;
  if (flags & ACRX_CMD_DOCREADLOCK) return AcAp::kRead;
  return AcAp::kAutoWrite;
}

bool DocumentCommandHook::enterCommand(const std::wstring& globalName, Adesk::Int32 flags, const AcEdCommand*) {
  AcApDocManager* mgr = acDocManagerPtr();
  Frame frame;
  if (flags & ACRX_CMD_SESSION) {
    mgr->mContexts.push_back(nullptr);
    mFrames.push_back(frame);
    return true;
  }
  AcApDocument* doc = mgr->curDocument();
  if (doc == nullptr) {
    acutPrintf(L"\n%s: no drawing is open.\n", globalName.c_str());
    return false;
  }
  frame.doc = doc;
  frame.serial = doc->vhostSerial();
  mgr->mContexts.push_back(doc);
  AcAp::DocLockMode mode = commandLockMode(flags);
  if (mode != AcAp::kNone) {
    Acad::ErrorStatus es = mgr->lockDocument(doc, mode, globalName.c_str());
    if (es != Acad::eOk) {
      mgr->mContexts.pop_back();
      acutPrintf(L"\n%s: the drawing \"%s\" is locked by another operation.\n", globalName.c_str(), doc->docTitle());
      return false;
    }
    frame.locked = true;
  }
  ++doc->mCommandDepth;
  doc->mCommands.push_back(globalName);
  mFrames.push_back(frame);
  return true;
}

void DocumentCommandHook::leaveCommand(const std::wstring&, Adesk::Int32, const AcEdCommand*) {
  if (mFrames.empty()) return;
  Frame frame = mFrames.back();
  mFrames.pop_back();
  AcApDocManager* mgr = acDocManagerPtr();
  AcApDocument* doc = frame.doc != nullptr ? mgr->vhostDocumentBySerial(frame.serial) : nullptr;
  if (doc != nullptr) {
    if (frame.locked) mgr->unlockDocument(doc);
    if (doc->mCommandDepth > 0) --doc->mCommandDepth;
    if (!doc->mCommands.empty()) doc->mCommands.pop_back();
  }
  if (!mgr->mContexts.empty()) mgr->mContexts.pop_back();
}

void installDocumentCommandHook() {
  static DocumentCommandHook hook;
  setCommandContextHook(&hook);
}

}  // namespace vhost
