#pragma once
// acedGrRead: the raw input stream of cursor moves, picks and keys. A script
// gives it as lines of events (SCRIPT_SYNTAX.md, "Drags"); each call returns
// one event:
//   type 5  cursor moved (only when track bit 1 is set; skipped otherwise):
//           result RT3DPOINT, the cursor point
//   type 3  pick: result RT3DPOINT, the picked point
//   type 2  key: result RTSHORT, the character code; a text line gives its
//           characters one by one and then 13 (Enter); an empty line gives 13
//   type 25 right button: result RTSHORT 0
// Return: RTNORM for an event, RTCAN for Escape or the end of the input.
// track bits: 1 return cursor moves, 2 (no effect: keys are always returned),
// 4 use result's RTSHORT cursor type (accepted), 8 (accepted).
#include <string>

#include "arx/base/Resbuf.h"

int acedGrRead(int track, int* type, struct resbuf* result);

namespace vhost {

// One event of the cursor stream (shared by acedGrRead and jigs).
struct CursorEvent {
  enum class Kind { kMove, kPick, kText, kEnter, kCancel, kRightButton, kEnd };
  Kind kind = Kind::kEnd;
  double point[3] = {0.0, 0.0, 0.0};  // kMove, kPick
  std::wstring text;                  // kText
};

// Takes the next event: queued events of an earlier line first, then a new
// line asked from the HostUi with the given prompt (PromptKind::kDrag). A line
// that cannot be read as events gives a kText event holding the line.
CursorEvent nextCursorEvent(const std::wstring& promptText, const std::wstring& keywords, int controls);
// Drops the queued events (a command that ends leaves none behind).
void clearCursorEvents();

}  // namespace vhost
