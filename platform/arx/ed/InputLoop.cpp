#include "arx/ed/InputLoop.h"

#include "arx/ed/AcedCommand.h"
#include "arx/ed/AcedSysVar.h"
#include "arx/ed/EditorState.h"
#include "arx/ed/InputParse.h"
#include "arx/ed/RunCommand.h"

namespace vhost {

RawAnswer askRaw(const Prompt& prompt) {
  RawAnswer a;
  if (fedAnswersAborted()) {
    a.kind = RawAnswer::Kind::kCancel;
    noteCommandCancelled();
    return a;
  }
  if (hasFedAnswer()) {
    FedAnswer f = takeFedAnswer();
    if (f.kind != FedAnswer::Kind::kPause) {
      a.fed = true;
      switch (f.kind) {
        case FedAnswer::Kind::kText:
          if (trimmed(f.text).empty()) {
            a.kind = RawAnswer::Kind::kEnter;
          } else {
            a.kind = RawAnswer::Kind::kText;
            a.text = prompt.allowSpaces ? f.text : trimmed(f.text);
          }
          break;
        case FedAnswer::Kind::kPoint:
          a.kind = RawAnswer::Kind::kPoint;
          for (int i = 0; i < 3; ++i) a.point[i] = f.point[i];
          break;
        case FedAnswer::Kind::kNumber:
          a.kind = RawAnswer::Kind::kNumber;
          a.number = f.number;
          break;
        case FedAnswer::Kind::kName:
          a.kind = RawAnswer::Kind::kName;
          a.name[0] = f.name[0];
          a.name[1] = f.name[1];
          break;
        case FedAnswer::Kind::kPause: break;
      }
      if (sysVarInt(L"CMDECHO", 1) != 0) currentHostUi()->echoAnswer(prompt, f.text);
      return a;
    }
  }
  Reply r = currentHostUi()->prompt(prompt);
  switch (r.kind) {
    case Reply::Kind::kText:
      a.kind = RawAnswer::Kind::kText;
      a.text = r.text;
      break;
    case Reply::Kind::kEnter: a.kind = RawAnswer::Kind::kEnter; break;
    case Reply::Kind::kCancel:
      a.kind = RawAnswer::Kind::kCancel;
      noteCommandCancelled();
      break;
    case Reply::Kind::kEndOfInput:
      a.kind = RawAnswer::Kind::kEnd;
      if (prompt.kind != PromptKind::kCommand) {
        currentHostUi()->notePromptStarved(prompt);
        noteCommandInputExhausted();
      }
      break;
  }
  return a;
}

bool rejectAnswer(const RawAnswer& answer, const std::wstring& complaint) {
  if (!complaint.empty()) currentHostUi()->print(complaint);
  if (!answer.fed) return false;
  abortFedAnswers();
  noteCommandCancelled();
  return true;
}

InitGetState takeInitGet() {
  SessionState& s = session();
  InitGetState st;
  st.bits = s.initBits;
  st.keywords.parse(s.initKeywords);
  s.initBits = 0;
  s.initKeywords.clear();
  return st;
}

void setLastInput(const std::wstring& text) {
  session().lastInput = text;
  session().lastInputValid = true;
}

void clearLastInput() {
  session().lastInput.clear();
  session().lastInputValid = false;
}

}  // namespace vhost
