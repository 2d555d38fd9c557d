#pragma once
// Editor reactors: notifications of the command processor. Add them to the
// editor with acedEditor->addReactor(r); the editor does not own them.
#include <vector>

#include "arx/base/AdeskTypes.h"
#include "arx/db/AcRxClass.h"

class AcDbDatabase;

class AcEditorReactor : public AcRxObject {
 public:
  ~AcEditorReactor() override;
  // Before a command's function runs (cmdStr: the global name).
  virtual void commandWillStart(const ACHAR* cmdStr) { (void)cmdStr; }
  // After it returned normally.
  virtual void commandEnded(const ACHAR* cmdStr) { (void)cmdStr; }
  // After it returned following an Escape or the end of the input.
  virtual void commandCancelled(const ACHAR* cmdStr) { (void)cmdStr; }
  // After it threw or was refused.
  virtual void commandFailed(const ACHAR* cmdStr) { (void)cmdStr; }
  // A name that names no command.
  virtual void unknownCommand(const ACHAR* cmdStr, void* reserved) {
    (void)cmdStr;
    (void)reserved;
  }
};

class AcEditor : public AcRxObject {
 public:
  void addReactor(AcEditorReactor* reactor);
  void removeReactor(AcEditorReactor* reactor);
  // Platform use: the reactors now (a copy, safe against changes while
  // notifying).
  std::vector<AcEditorReactor*> reactors() const;

 private:
  std::vector<AcEditorReactor*> mReactors;
};

AcEditor* acedEditorInstance();
#define acedEditor (acedEditorInstance())
