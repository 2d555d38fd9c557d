#pragma once
// Running commands from code: acedCommand / acedCommandS (arguments as
// (type, value) pairs ending with RTNONE or 0) and acedCmd / acedCmdS (a resbuf
// chain). The first argument is a command name (see vhost::runCommand for the
// prefixes and for what a name may run); the arguments after it answer the
// command's prompts in order, as if typed:
//   RTSTR        text (a keyword, a number, a point "x,y", "" for Enter);
//                PAUSE ("\\") lets the user answer that prompt
//   RTPOINT, RT3DPOINT   a point (const double* / ads_point)
//   RTREAL, RTANG, RTORINT   a number (double)
//   RTSHORT      a number (int)
//   RTLONG       a number (Adesk::Int32)
//   RTENAME, RTPICKS     an entity name or a selection set (ads_name): an
//                entity answers a pick prompt; either one adds to a selection
//   RTLB, RTLE, RTDOTE, RTNIL, RTT: refused (RTERROR)
// When a command ends with arguments left, the next one must be a command name
// and that command runs with the rest. When the arguments run out while a
// command still prompts, the user answers the remaining prompts (as PAUSE).
// With CMDECHO 1 the prompts and the arguments given to them are echoed to the
// command line; with 0 they are not.
//
// Result: RTNORM when every command completed; RTCAN when one was cancelled;
// RTERROR for an unknown command, a failed one, a bad argument type or an
// argument a prompt could not take (the command is then cancelled).
#include <cstdint>
#include <string>

#include "arx/base/AdsTypes.h"
#include "arx/base/AdeskTypes.h"
#include "arx/base/Resbuf.h"

#ifndef PAUSE
#define PAUSE L"\\"
#endif

int acedCommand(int rtype, ...);
int acedCommandS(int rtype, ...);
int acedCmd(const struct resbuf* rbp);
int acedCmdS(const struct resbuf* rbp);

namespace vhost {

// One answer fed to a prompt by acedCommand (platform use by the input
// functions): they take fed answers before asking the HostUi.
struct FedAnswer {
  enum class Kind { kText, kPoint, kNumber, kName, kPause };
  Kind kind = Kind::kText;
  std::wstring text;         // kText (also the echo form of every kind)
  double point[3] = {0, 0, 0};
  double number = 0.0;
  std::int64_t name[2] = {0, 0};
};

// True when a fed answer is waiting; takeFedAnswer removes and returns it.
bool hasFedAnswer();
FedAnswer takeFedAnswer();
// True when a prompt refused an argument of the acedCommand run in progress:
// the prompts of that run then get Escape without asking anyone.
bool fedAnswersAborted();

}  // namespace vhost
