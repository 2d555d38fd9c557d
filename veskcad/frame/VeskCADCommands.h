#pragma once
// The command group "VKCAD": the command table and its registration.
#include "arx/base/AdeskTypes.h"
#include "arx/ed/AcEdCommandStack.h"

namespace VeskCad {

class VeskCADCommands {
 public:
  static const wchar_t* const kGroupName;  // "VKCAD"

  // One row of the command table. A row whose handler belongs to a subsystem
  // not in this build has a null handler and is not registered; the rows keep
  // their places so that registration order never changes.
  struct Row {
    const wchar_t* globalName;
    Adesk::Int32 flags;
    AcRxFunctionPtr handler;
  };
  // The table, in registration order, and its length.
  static const Row* Table(int& count);

  // Registers a command on the host's command stack. The module carries no
  // localised command names: every registration passes resourceId -1, so the
  // local name is the one given. Returns the stack's status.
  static Acad::ErrorStatus AddCommand(const wchar_t* group, const wchar_t* globalName, const wchar_t* localName,
                                      Adesk::Int32 flags, AcRxFunctionPtr handler, int resourceId = -1);

  // All rows with a handler, in table order, in the group "VKCAD".
  static void RegisterCommands();
  // Removes the group.
  static void RemoveCommands();

  // Handlers owned by the frame.
  // "xx": lists a picked entity with all its extended data on the command line.
  static void ListEntityData();
  // "ClearModiMark": the current drawing counts as unmodified.
  static void ClearModiMark();
};

}  // namespace VeskCad
