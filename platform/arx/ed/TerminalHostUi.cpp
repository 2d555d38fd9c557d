#include "arx/ed/TerminalHostUi.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>

#include "arx/ed/EditorState.h"
#include "arx/ed/MessageBox.h"
#include "mfc/Utf8Convert.h"

namespace vhost {

namespace {

volatile std::sig_atomic_t gInterrupted = 0;

extern "C" void onInterrupt(int) { gInterrupted = 1; }

typedef char* (*ReadlineFn)(const char*);
typedef int (*AddHistoryFn)(const char*);

std::string narrow(const std::wstring& w) { return veskhost::mfc::WideToUtf8(w.data(), w.size()); }
std::wstring widen(const std::string& s) { return veskhost::mfc::Utf8ToWide(s.data(), s.size()); }

}  // namespace

struct TerminalHostUi::Impl {
  std::FILE* in = nullptr;
  std::FILE* out = nullptr;
  bool inTty = false;
  bool outTty = false;
  void* editLib = nullptr;
  ReadlineFn readline = nullptr;
  AddHistoryFn addHistory = nullptr;
  bool lineOpen = true;
  struct sigaction oldAction {};
  bool handlerInstalled = false;
  // progress meter
  bool meter = false;
  std::wstring meterLabel;
  int meterMin = 0, meterMax = 0, meterPercent = -1;

  void write(const std::wstring& text) {
    std::string bytes = narrow(text);
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fflush(out);
  }

  void show(const std::wstring& text) {
    if (text.empty()) return;
    std::wstring piece = text;
    if (lineOpen) {
      if (piece[0] == L'\n') piece.erase(0, 1);
      lineOpen = false;
    }
    write(piece);
  }

  // Reads one line; false at the end of the input. interrupted is set when
  // Ctrl-C cut the reading short.
  bool readLine(const std::wstring& promptText, std::wstring& line, bool& interrupted) {
    interrupted = false;
    gInterrupted = 0;
    if (readline != nullptr) {
      std::string p = narrow(promptText);
      char* got = readline(p.c_str());
      if (gInterrupted) {
        interrupted = true;
        gInterrupted = 0;
        if (got != nullptr) std::free(got);
        return true;
      }
      if (got == nullptr) return false;
      std::string s(got);
      std::free(got);
      if (!s.empty() && addHistory != nullptr) addHistory(s.c_str());
      line = widen(s);
      return true;
    }
    write(promptText);
    std::string s;
    for (;;) {
      int c = std::fgetc(in);
      if (c == EOF) {
        if (std::ferror(in) && errno == EINTR && gInterrupted) {
          std::clearerr(in);
          interrupted = true;
          gInterrupted = 0;
          return true;
        }
        if (s.empty()) return false;
        break;
      }
      if (c == '\n') break;
      s.push_back(static_cast<char>(c));
    }
    if (!s.empty() && s.back() == '\r') s.pop_back();
    line = widen(s);
    return true;
  }
};

TerminalHostUi::TerminalHostUi(std::FILE* in, std::FILE* out, bool useLineEditor) : mImpl(new Impl()) {
  mImpl->in = in != nullptr ? in : stdin;
  mImpl->out = out != nullptr ? out : stdout;
  mImpl->inTty = ::isatty(::fileno(mImpl->in)) != 0;
  mImpl->outTty = ::isatty(::fileno(mImpl->out)) != 0;
  const char* ctype = std::setlocale(LC_CTYPE, nullptr);
  if (ctype != nullptr && std::strcmp(ctype, "C") == 0) std::setlocale(LC_CTYPE, "");
  if (useLineEditor && mImpl->inTty && mImpl->outTty && mImpl->in == stdin && mImpl->out == stdout) {
    mImpl->editLib = ::dlopen("libedit.so.2", RTLD_NOW | RTLD_LOCAL);
    if (mImpl->editLib != nullptr) {
      mImpl->readline = reinterpret_cast<ReadlineFn>(::dlsym(mImpl->editLib, "readline"));
      mImpl->addHistory = reinterpret_cast<AddHistoryFn>(::dlsym(mImpl->editLib, "add_history"));
      if (mImpl->readline == nullptr) {
        ::dlclose(mImpl->editLib);
        mImpl->editLib = nullptr;
        mImpl->addHistory = nullptr;
      }
    }
  }
  if (mImpl->inTty) {
    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a read in progress returns EINTR
    if (::sigaction(SIGINT, &action, &mImpl->oldAction) == 0) mImpl->handlerInstalled = true;
  }
}

TerminalHostUi::~TerminalHostUi() {
  if (mImpl->meter) progressEnd();
  if (mImpl->handlerInstalled) ::sigaction(SIGINT, &mImpl->oldAction, nullptr);
  // The line editor library stays loaded: it may keep terminal state until exit.
  delete mImpl;
}

bool TerminalHostUi::lineEditing() const { return mImpl->readline != nullptr; }

void TerminalHostUi::print(const std::wstring& text) { mImpl->show(text); }

Reply TerminalHostUi::prompt(const Prompt& prompt) {
  std::wstring text = prompt.text;
  if (mImpl->lineOpen && !text.empty() && text[0] == L'\n') text.erase(0, 1);
  mImpl->lineOpen = false;
  // The line editor draws the prompt itself; only its last line goes to it.
  std::wstring head, tail = text;
  std::size_t nl = text.rfind(L'\n');
  if (nl != std::wstring::npos) {
    head = text.substr(0, nl + 1);
    tail = text.substr(nl + 1);
  }
  mImpl->write(head);
  std::wstring line;
  bool interrupted = false;
  bool got = mImpl->readLine(tail, line, interrupted);
  mImpl->lineOpen = true;
  if (!got) {
    mImpl->write(L"\n");
    return Reply::endOfInput();
  }
  std::wstring t = trimmed(line);
  std::wstring u = upperCase(t);
  if (interrupted || u == L"~" || u == L"*CANCEL*") {
    mImpl->write(L"*Cancel*\n");
    return Reply::cancel();
  }
  if (t.empty()) return Reply::enter();
  return Reply::textReply(prompt.allowSpaces ? line : t);
}

void TerminalHostUi::echoAnswer(const Prompt& prompt, const std::wstring& answer) {
  mImpl->show(prompt.text + answer);
  mImpl->write(L"\n");
  mImpl->lineOpen = true;
}

int TerminalHostUi::messageBox(const std::wstring& text, const std::wstring& caption, unsigned int flags) {
  int buttons[3];
  int n = messageBoxButtons(flags, buttons);
  int def = messageBoxDefault(flags);
  std::wstring names;
  for (int i = 0; i < n; ++i) {
    if (i > 0) names += L"/";
    names += messageBoxButtonName(buttons[i]);
  }
  for (;;) {
    Prompt p;
    p.text = L"\n[" + caption + L"] " + text + L" <" + names + L"> <" + messageBoxButtonName(def) + L">: ";
    Reply r = prompt(p);
    if (r.kind == Reply::Kind::kEnter || r.kind == Reply::Kind::kEndOfInput) return def;
    if (r.kind == Reply::Kind::kCancel) {
      for (int i = 0; i < n; ++i)
        if (buttons[i] == IDCANCEL) return IDCANCEL;
      return def;
    }
    int answer = messageBoxAnswer(flags, r.text);
    if (answer != 0) return answer;
    mImpl->show(L"\nAnswer " + names + L".");
  }
}

void TerminalHostUi::progressStart(const std::wstring& label, int minPos, int maxPos) {
  if (mImpl->meter) progressEnd();
  mImpl->meter = true;
  mImpl->meterLabel = label;
  mImpl->meterMin = minPos;
  mImpl->meterMax = maxPos;
  mImpl->meterPercent = -1;
  mImpl->show(L"\n");
  if (!mImpl->outTty) mImpl->write(label);
  progressSetPos(minPos);
}

void TerminalHostUi::progressSetPos(int pos) {
  if (!mImpl->meter || !mImpl->outTty) return;
  int span = mImpl->meterMax - mImpl->meterMin;
  int percent = span > 0 ? static_cast<int>(100.0 * (pos - mImpl->meterMin) / span) : 100;
  if (percent < 0) percent = 0;
  if (percent > 100) percent = 100;
  if (percent == mImpl->meterPercent) return;
  mImpl->meterPercent = percent;
  std::wstring bar(static_cast<std::size_t>(percent / 5), L'#');
  bar.resize(20, L' ');
  mImpl->write(L"\r" + mImpl->meterLabel + L" [" + bar + L"] " + std::to_wstring(percent) + L"%");
}

void TerminalHostUi::progressEnd() {
  if (!mImpl->meter) return;
  mImpl->meter = false;
  mImpl->write(mImpl->outTty ? L"\n" : L" done\n");
  mImpl->lineOpen = true;
}

bool TerminalHostUi::pollUserBreak() {
  if (gInterrupted) {
    gInterrupted = 0;
    return true;
  }
  return false;
}

}  // namespace vhost
