#pragma once
// The shared machinery of the input functions (platform-internal): one answer
// for a prompt, from acedCommand's fed arguments or from the HostUi, with the
// bookkeeping of Escape and the end of the input.
#include <cstdint>
#include <string>

#include "arx/ed/HostUi.h"
#include "arx/ed/KeywordList.h"

namespace vhost {

struct RawAnswer {
  enum class Kind { kText, kEnter, kCancel, kEnd, kPoint, kNumber, kName };
  Kind kind = Kind::kEnd;
  std::wstring text;  // kText
  double point[3] = {0.0, 0.0, 0.0};
  double number = 0.0;
  std::int64_t name[2] = {0, 0};
  bool fed = false;  // given by acedCommand, not by the user
};

// Asks the prompt once. Escape and the end of the input are noted for the
// running command (and the end of the input for the HostUi).
RawAnswer askRaw(const Prompt& prompt);

// An answer the prompt cannot take: prints the complaint (when not empty).
// For a fed answer the acedCommand run is aborted and true is returned: the
// caller then returns RTCAN. For a user's answer false: ask again.
bool rejectAnswer(const RawAnswer& answer, const std::wstring& complaint);

// The acedInitGet state for this input call (and clears it).
struct InitGetState {
  int bits = 0;
  KeywordList keywords;
};
InitGetState takeInitGet();

// Records the text acedGetInput gives back (or clears it).
void setLastInput(const std::wstring& text);
void clearLastInput();

// Implemented with acedCommand: drop the fed arguments of the run in progress
// and mark it failed.
void abortFedAnswers();

}  // namespace vhost
