#include "arx/ed/HostUi.h"

#include "arx/ed/ScriptedHostUi.h"

namespace vhost {

HostUi::~HostUi() = default;

void HostUi::echoAnswer(const Prompt& prompt, const std::wstring& answer) { print(prompt.text + answer + L"\n"); }

namespace {

HostUi* gCurrent = nullptr;

HostUi* defaultHostUi() {
  static ScriptedHostUi* ui = new ScriptedHostUi();  // lives until the process ends
  return ui;
}

}  // namespace

HostUi* currentHostUi() { return gCurrent != nullptr ? gCurrent : defaultHostUi(); }

HostUi* setCurrentHostUi(HostUi* ui) {
  HostUi* previous = gCurrent;
  gCurrent = ui;
  return previous;
}

const wchar_t* promptKindName(PromptKind kind) {
  switch (kind) {
    case PromptKind::kCommand: return L"command";
    case PromptKind::kPoint: return L"point";
    case PromptKind::kCorner: return L"corner";
    case PromptKind::kDistance: return L"distance";
    case PromptKind::kAngle: return L"angle";
    case PromptKind::kOrient: return L"orientation";
    case PromptKind::kReal: return L"real";
    case PromptKind::kInteger: return L"integer";
    case PromptKind::kString: return L"string";
    case PromptKind::kKeyword: return L"keyword";
    case PromptKind::kEntity: return L"entity";
    case PromptKind::kSelection: return L"selection";
    case PromptKind::kDrag: return L"drag";
    case PromptKind::kOther: return L"input";
  }
  return L"input";
}

}  // namespace vhost
