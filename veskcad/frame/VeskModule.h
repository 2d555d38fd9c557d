#pragma once
// The module's lifetime: what runs when the host loads and unloads it, and the
// module-wide objects that live in between (the shared standards database, the
// document reactor, the persistent reactor classes, the modeless dialogs).
//
// Load (after the dynamic linker's unlock and MDI registration):
//   1. the commands of the group "VKCAD", in table order;
//   2. the document reactor, unless one exists already;
//   3. the shared standards-database object (closed; its owner opens it);
//   4. the persistent reactor classes, parent first.
// Unload:
//   1. the command group is removed;
//   2. the shared standards-database object is deleted (whichever object the
//      shared pointer holds then) and the pointer cleared;
//   3. the extended-data manager dialog is deleted;
//   4. the attribute manager dialog's window is destroyed (the pointer is
//      cleared only when it was);
//   5. the persistent reactor classes are deleted, child before parent;
//   6. the document reactor is deleted.
// The subsystems that own the reactor classes and the dialogs install their
// set-up and take-down at these positions through SetLifetimeHook.
#include <functional>

namespace VeskCad {
class CModelessDialog;
class veskCFAcDocReactor;

namespace Frame {

enum class LifetimeStage {
  kPersistentReactorClasses,  // set-up at load step 4, take-down at unload step 5
};

struct LifetimeHook {
  std::function<void()> setUp;
  std::function<void()> takeDown;
};
// Installs (or, with an empty hook, removes) the set-up and take-down of a stage.
void SetLifetimeHook(LifetimeStage stage, LifetimeHook hook);

// The load and unload sequences above (the entry point calls them).
void InitApplication(void* appId);
void UnloadApplication();

// Module-wide objects. The dialogs are created on demand by their commands.
extern CModelessDialog* gpXDataManagerDlg;
extern CModelessDialog* gpAttributeManagerDlg;
extern veskCFAcDocReactor* gpDocReactor;

}  // namespace Frame
}  // namespace VeskCad
