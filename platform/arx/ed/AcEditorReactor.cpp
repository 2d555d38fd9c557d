#include "arx/ed/AcEditorReactor.h"

#include <algorithm>

AcEditorReactor::~AcEditorReactor() {
  // A reactor deleted while still added must not be notified afterwards.
  acedEditorInstance()->removeReactor(this);
}

void AcEditor::addReactor(AcEditorReactor* reactor) {
  if (reactor == nullptr) return;
  if (std::find(mReactors.begin(), mReactors.end(), reactor) == mReactors.end()) mReactors.push_back(reactor);
}

void AcEditor::removeReactor(AcEditorReactor* reactor) {
  mReactors.erase(std::remove(mReactors.begin(), mReactors.end(), reactor), mReactors.end());
}

std::vector<AcEditorReactor*> AcEditor::reactors() const { return mReactors; }

AcEditor* acedEditorInstance() {
  static AcEditor* editor = new AcEditor();  // lives for the whole process
  return editor;
}
