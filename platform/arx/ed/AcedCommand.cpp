#include "arx/ed/AcedCommand.h"

#include <cmath>
#include <cstdarg>
#include <deque>
#include <vector>

#include "arx/ed/AcedSysVar.h"
#include "arx/ed/EditorState.h"
#include "arx/ed/HostUi.h"
#include "arx/ed/InputLoop.h"
#include "arx/ed/InputParse.h"
#include "arx/ed/RunCommand.h"

namespace vhost {

namespace {

struct FeedFrame {
  std::deque<FedAnswer> items;
  bool aborted = false;
};

std::vector<FeedFrame*>& feeds() {
  static std::vector<FeedFrame*>* f = new std::vector<FeedFrame*>();
  return *f;
}

FedAnswer textAnswer(const ACHAR* s) {
  FedAnswer a;
  std::wstring t = s != nullptr ? s : L"";
  if (t == PAUSE) {
    a.kind = FedAnswer::Kind::kPause;
    a.text = L"\\";
  } else {
    a.kind = FedAnswer::Kind::kText;
    a.text = t;
  }
  return a;
}

FedAnswer pointAnswer(const double* p, bool flat) {
  FedAnswer a;
  a.kind = FedAnswer::Kind::kPoint;
  a.point[0] = p[0];
  a.point[1] = p[1];
  a.point[2] = flat ? 0.0 : p[2];
  a.text = formatPoint(a.point);
  return a;
}

FedAnswer numberAnswer(double v) {
  FedAnswer a;
  a.kind = FedAnswer::Kind::kNumber;
  a.number = v;
  a.text = formatNumber(v);
  return a;
}

FedAnswer nameAnswer(const std::int64_t* n) {
  FedAnswer a;
  a.kind = FedAnswer::Kind::kName;
  a.name[0] = n[0];
  a.name[1] = n[1];
  a.text = n[1] == 0 ? L"<entity>" : L"<selection set>";
  return a;
}

double toDegrees(double radians) { return radians * 180.0 / M_PI; }

// Runs the commands of an argument list. The list must begin with a name.
int runFeed(std::deque<FedAnswer> items) {
  FeedFrame frame;
  frame.items = std::move(items);
  feeds().push_back(&frame);
  int rc = RTNORM;
  while (!frame.items.empty()) {
    FedAnswer head = frame.items.front();
    frame.items.pop_front();
    if (head.kind != FedAnswer::Kind::kText || trimmed(head.text).empty()) {
      currentHostUi()->print(L"\nA command name was expected, not \"" + head.text + L"\".\n");
      rc = RTERROR;
      break;
    }
    if (sysVarInt(L"CMDECHO", 1) != 0) {
      Prompt p;
      p.kind = PromptKind::kCommand;
      p.text = L"\nCommand: ";
      currentHostUi()->echoAnswer(p, head.text);
    }
    CommandOutcome outcome = runCommand(head.text);
    if (frame.aborted) {
      rc = RTERROR;
      break;
    }
    if (outcome == CommandOutcome::kCompleted) continue;
    rc = (outcome == CommandOutcome::kCancelled || outcome == CommandOutcome::kInputExhausted) ? RTCAN : RTERROR;
    break;
  }
  feeds().pop_back();
  return rc;
}

// Reads one (type, value) argument; false for a type that cannot be fed.
bool readArg(int type, va_list* ap, FedAnswer& out) {
  switch (type) {
    case RTSTR: out = textAnswer(va_arg(*ap, const ACHAR*)); return true;
    case RTPOINT: {
      const double* p = va_arg(*ap, const double*);
      if (p == nullptr) return false;
      out = pointAnswer(p, true);
      return true;
    }
    case RT3DPOINT: {
      const double* p = va_arg(*ap, const double*);
      if (p == nullptr) return false;
      out = pointAnswer(p, false);
      return true;
    }
    case RTREAL: out = numberAnswer(va_arg(*ap, double)); return true;
    case RTANG:
    case RTORINT: out = numberAnswer(toDegrees(va_arg(*ap, double))); return true;
    case RTSHORT: out = numberAnswer(static_cast<double>(va_arg(*ap, int))); return true;
    case RTLONG: out = numberAnswer(static_cast<double>(va_arg(*ap, int))); return true;
    case RTENAME:
    case RTPICKS: {
      const std::int64_t* n = va_arg(*ap, const std::int64_t*);
      if (n == nullptr) return false;
      out = nameAnswer(n);
      return true;
    }
    default: return false;
  }
}

bool readNode(const resbuf* rb, FedAnswer& out) {
  switch (rb->restype) {
    case RTSTR: out = textAnswer(rb->resval.rstring); return true;
    case RTPOINT: out = pointAnswer(rb->resval.rpoint, true); return true;
    case RT3DPOINT: out = pointAnswer(rb->resval.rpoint, false); return true;
    case RTREAL: out = numberAnswer(rb->resval.rreal); return true;
    case RTANG:
    case RTORINT: out = numberAnswer(toDegrees(rb->resval.rreal)); return true;
    case RTSHORT: out = numberAnswer(rb->resval.rint); return true;
    case RTLONG: out = numberAnswer(rb->resval.rlong); return true;
    case RTENAME:
    case RTPICKS: out = nameAnswer(rb->resval.rlname); return true;
    default: return false;
  }
}

int badArgument(int type) {
  currentHostUi()->print(L"\nThe command arguments hold a value of type " + std::to_wstring(type) +
                         L" that no prompt takes.\n");
  return RTERROR;
}

int commandV(int rtype, va_list args) {
  std::deque<FedAnswer> items;
  va_list ap;
  va_copy(ap, args);
  int type = rtype;
  while (type != RTNONE && type != 0) {
    FedAnswer a;
    if (!readArg(type, &ap, a)) {
      va_end(ap);
      return badArgument(type);
    }
    items.push_back(a);
    type = va_arg(ap, int);
  }
  va_end(ap);
  if (items.empty()) return RTNORM;
  return runFeed(std::move(items));
}

int commandList(const resbuf* rbp) {
  std::deque<FedAnswer> items;
  for (const resbuf* rb = rbp; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == RTNONE) break;
    FedAnswer a;
    if (!readNode(rb, a)) return badArgument(rb->restype);
    items.push_back(a);
  }
  if (items.empty()) return RTNORM;
  return runFeed(std::move(items));
}

}  // namespace

bool hasFedAnswer() { return !feeds().empty() && !feeds().back()->items.empty(); }

FedAnswer takeFedAnswer() {
  FedAnswer a = feeds().back()->items.front();
  feeds().back()->items.pop_front();
  return a;
}

bool fedAnswersAborted() { return !feeds().empty() && feeds().back()->aborted; }

void abortFedAnswers() {
  if (feeds().empty()) return;
  feeds().back()->items.clear();
  feeds().back()->aborted = true;
}

}  // namespace vhost

int acedCommand(int rtype, ...) {
  va_list args;
  va_start(args, rtype);
  int rc = vhost::commandV(rtype, args);
  va_end(args);
  return rc;
}

int acedCommandS(int rtype, ...) {
  va_list args;
  va_start(args, rtype);
  int rc = vhost::commandV(rtype, args);
  va_end(args);
  return rc;
}

int acedCmd(const struct resbuf* rbp) { return vhost::commandList(rbp); }

int acedCmdS(const struct resbuf* rbp) { return vhost::commandList(rbp); }
