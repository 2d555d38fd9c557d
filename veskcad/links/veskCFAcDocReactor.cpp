#include "veskcad/links/veskCFAcDocReactor.h"

#include "arx/ap/AcApDocManager.h"
#include "veskcad/frame/CModelessDialog.h"
#include "veskcad/frame/VeskModule.h"

namespace VeskCad {

namespace {
constexpr int kSwHide = 0;
}

veskCFAcDocReactor::veskCFAcDocReactor(bool autoAttach) {
  if (autoAttach && acDocManager != nullptr) {
    acDocManager->addReactor(this);
    m_bAutoAttached = true;
  }
}

veskCFAcDocReactor::~veskCFAcDocReactor() {
  if (m_bAutoAttached && acDocManager != nullptr) acDocManager->removeReactor(this);
}

void veskCFAcDocReactor::documentDestroyed(const ACHAR*) {
  CModelessDialog* dlg = Frame::gpAttributeManagerDlg;
  if (acDocManager != nullptr && acDocManager->documentCount() == 1 && dlg != nullptr && dlg->IsWindow())
    dlg->ShowWindow(kSwHide);
}

void veskCFAcDocReactor::documentActivated(AcApDocument*) {
  CModelessDialog* dlg = Frame::gpAttributeManagerDlg;
  if (dlg != nullptr && dlg->IsWindow()) dlg->RefreshGisLayerPage();
}

}  // namespace VeskCad
