#pragma once
// The module's document-manager reactor: keeps the modeless attribute manager
// in step with the open documents. When another document becomes active the
// manager's GIS layer page is reloaded; when closing a document leaves one
// open, the manager is hidden.
#include "arx/ap/AcApDocManagerReactor.h"

namespace VeskCad {

class veskCFAcDocReactor : public AcApDocManagerReactor {
 public:
  // With autoAttach (and a document manager present) the reactor adds itself
  // to the document manager; the destructor removes it again.
  explicit veskCFAcDocReactor(bool autoAttach);
  ~veskCFAcDocReactor() override;
  veskCFAcDocReactor(const veskCFAcDocReactor&) = delete;
  veskCFAcDocReactor& operator=(const veskCFAcDocReactor&) = delete;

  bool IsAttached() const { return m_bAutoAttached; }

  void documentDestroyed(const ACHAR* fileName) override;
  void documentActivated(AcApDocument* document) override;

 private:
  bool m_bFlag = false;
  bool m_bAutoAttached = false;
};

}  // namespace VeskCad
