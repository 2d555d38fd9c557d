#include "arx/ed/ScriptedHostUi.h"

#include <cerrno>
#include <cstring>
#include <cwctype>
#include <fstream>
#include <iterator>

#include "arx/ed/EditorState.h"
#include "arx/ed/MessageBox.h"
#include "mfc/Utf8Convert.h"

namespace vhost {

namespace {

bool isComment(const std::wstring& line) {
  for (wchar_t c : line) {
    if (c == L';') return true;
    if (!std::iswspace(static_cast<wint_t>(c))) return false;
  }
  return false;
}

// "break" or "break N" (N >= 1): sets n and returns true.
bool parseBreak(const std::wstring& line, int& n) {
  std::wstring t = upperCase(trimmed(line));
  if (t.compare(0, 5, L"BREAK") != 0) return false;
  std::wstring rest = trimmed(t.substr(5));
  if (t.size() > 5 && !std::iswspace(static_cast<wint_t>(t[5]))) return false;
  if (rest.empty()) {
    n = 1;
    return true;
  }
  long v = 0;
  for (wchar_t c : rest) {
    if (c < L'0' || c > L'9') return false;
    v = v * 10 + (c - L'0');
    if (v > 1000000000L) return false;
  }
  if (v < 1) return false;
  n = static_cast<int>(v);
  return true;
}

bool isCancelText(const std::wstring& t) {
  std::wstring u = upperCase(trimmed(t));
  return u == L"~" || u == L"*CANCEL*";
}

std::wstring decodeUtf16(const std::string& bytes, std::size_t start, bool bigEndian) {
  std::wstring out;
  for (std::size_t i = start; i + 1 < bytes.size(); i += 2) {
    unsigned char a = static_cast<unsigned char>(bytes[i]);
    unsigned char b = static_cast<unsigned char>(bytes[i + 1]);
    unsigned int unit = bigEndian ? (a << 8 | b) : (b << 8 | a);
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
      unsigned char c = static_cast<unsigned char>(bytes[i + 2]);
      unsigned char d = static_cast<unsigned char>(bytes[i + 3]);
      unsigned int low = bigEndian ? (c << 8 | d) : (d << 8 | c);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        out.push_back(static_cast<wchar_t>(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00)));
        i += 2;
        continue;
      }
    }
    if (unit >= 0xD800 && unit <= 0xDFFF) unit = 0xFFFD;
    out.push_back(static_cast<wchar_t>(unit));
  }
  return out;
}

std::wstring widen(const std::string& s) { return veskhost::mfc::Utf8ToWide(s.data(), s.size()); }

}  // namespace

ScriptedHostUi::ScriptedHostUi() { mLineOpen = true; }

ScriptedHostUi::ScriptedHostUi(const std::vector<std::wstring>& lines) : ScriptedHostUi() { addLines(lines); }

ScriptedHostUi::~ScriptedHostUi() = default;

void ScriptedHostUi::push(const std::wstring& text) {
  std::wstring line = text;
  if (!line.empty() && line.back() == L'\r') line.pop_back();
  ++mLineCounter;
  if (isComment(line)) return;
  mQueue.push_back(Line{line, mLineCounter});
}

void ScriptedHostUi::addLine(const std::wstring& line) {
  std::size_t start = 0;
  for (;;) {
    std::size_t nl = line.find(L'\n', start);
    if (nl == std::wstring::npos) {
      push(line.substr(start));
      return;
    }
    push(line.substr(start, nl - start));
    start = nl + 1;
  }
}

void ScriptedHostUi::addLines(const std::vector<std::wstring>& lines) {
  for (const std::wstring& l : lines) addLine(l);
}

void ScriptedHostUi::prependLines(const std::vector<std::wstring>& lines) {
  std::deque<Line> rest;
  rest.swap(mQueue);
  addLines(lines);
  for (Line& l : rest) mQueue.push_back(std::move(l));
}

bool ScriptedHostUi::loadScriptFile(const std::string& path, std::wstring* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error != nullptr) {
      *error = L"cannot open script file \"" + widen(path) + L"\": " + widen(std::strerror(errno));
    }
    return false;
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    if (error != nullptr) *error = L"cannot read script file \"" + widen(path) + L"\"";
    return false;
  }
  std::vector<std::wstring> lines;
  if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
      static_cast<unsigned char>(bytes[1]) == 0xFE) {
    std::wstring text = decodeUtf16(bytes, 2, false);
    std::size_t start = 0;
    for (std::size_t nl; (nl = text.find(L'\n', start)) != std::wstring::npos; start = nl + 1)
      lines.push_back(text.substr(start, nl - start));
    if (start < text.size()) lines.push_back(text.substr(start));
  } else if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFE &&
             static_cast<unsigned char>(bytes[1]) == 0xFF) {
    std::wstring text = decodeUtf16(bytes, 2, true);
    std::size_t start = 0;
    for (std::size_t nl; (nl = text.find(L'\n', start)) != std::wstring::npos; start = nl + 1)
      lines.push_back(text.substr(start, nl - start));
    if (start < text.size()) lines.push_back(text.substr(start));
  } else {
    std::size_t start = 0;
    if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
        static_cast<unsigned char>(bytes[1]) == 0xBB && static_cast<unsigned char>(bytes[2]) == 0xBF)
      start = 3;
    int lineNo = 0;
    while (start < bytes.size()) {
      std::size_t nl = bytes.find('\n', start);
      std::string raw = bytes.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
      ++lineNo;
      std::wstring line = widen(raw);
      // A replacement character that the file did not spell out marks bytes that are not UTF-8.
      std::size_t spelled = 0;
      for (std::size_t p = 0; (p = raw.find("\xEF\xBF\xBD", p)) != std::string::npos; p += 3) ++spelled;
      std::size_t found = 0;
      for (wchar_t c : line) found += (c == veskhost::mfc::kReplacementChar) ? 1 : 0;
      if (found != spelled) {
        if (error != nullptr) {
          *error = widen(path) + L":" + std::to_wstring(lineNo) + L": the line is not valid UTF-8 text";
        }
        return false;
      }
      lines.push_back(line);
      if (nl == std::string::npos) break;
      start = nl + 1;
    }
  }
  for (const std::wstring& l : lines) push(l);
  return true;
}

std::size_t ScriptedHostUi::pendingLines() const { return mQueue.size(); }

bool ScriptedHostUi::takeLine(Line& out) {
  if (mQueue.empty()) return false;
  out = mQueue.front();
  mQueue.pop_front();
  return true;
}

bool ScriptedHostUi::nextLine(std::wstring& line, int* lineNo) {
  Line l;
  if (!takeLine(l)) return false;
  line = l.text;
  if (lineNo != nullptr) *lineNo = l.number;
  return true;
}

bool ScriptedHostUi::peekLine(std::wstring& line) const {
  if (mQueue.empty()) return false;
  line = mQueue.front().text;
  return true;
}

void ScriptedHostUi::clearQueue() { mQueue.clear(); }

void ScriptedHostUi::clearStarved() {
  mStarved = false;
  mStarvedPrompt.clear();
}

void ScriptedHostUi::emit(const std::wstring& text) {
  if (text.empty()) return;
  std::wstring piece = text;
  if (mLineOpen) {
    if (piece[0] == L'\n') piece.erase(0, 1);
    mLineOpen = false;
  }
  if (piece.empty()) return;
  mText += piece;
  if (mSink) mSink(piece);
}

void ScriptedHostUi::emitAfterAnswer(const std::wstring& answerShown) {
  std::wstring piece = answerShown + L"\n";
  mText += piece;
  if (mSink) mSink(piece);
  mLineOpen = true;
}

std::wstring ScriptedHostUi::printedText() const {
  std::wstring out;
  for (const TranscriptEntry& e : mEntries) {
    if (e.kind == TranscriptEntry::Kind::kPrint || e.kind == TranscriptEntry::Kind::kPrompt) out += e.text;
  }
  return out;
}

void ScriptedHostUi::clearTranscript() {
  mEntries.clear();
  mProgress.clear();
  mText.clear();
  mLineOpen = true;
}

void ScriptedHostUi::print(const std::wstring& text) {
  if (text.empty()) return;
  TranscriptEntry e;
  e.kind = TranscriptEntry::Kind::kPrint;
  e.text = text;
  mEntries.push_back(e);
  emit(text);
}

Reply ScriptedHostUi::prompt(const Prompt& prompt) {
  TranscriptEntry e;
  e.kind = TranscriptEntry::Kind::kPrompt;
  e.text = prompt.text;
  e.promptKind = prompt.kind;
  emit(prompt.text);
  Reply reply;
  Line line;
  if (!takeLine(line)) {
    reply = Reply::endOfInput();
    if (prompt.kind != PromptKind::kCommand) notePromptStarved(prompt);
    e.reply = reply.kind;
    mEntries.push_back(e);
    emitAfterAnswer(prompt.kind == PromptKind::kCommand ? L"" : L"<end of script>");
    return reply;
  }
  int n = 0;
  std::wstring t = trimmed(line.text);
  if (t.empty()) {
    reply = Reply::enter();
  } else if (isCancelText(t) || parseBreak(t, n)) {
    reply = Reply::cancel();
  } else {
    reply = Reply::textReply(prompt.allowSpaces ? line.text : t);
  }
  e.reply = reply.kind;
  e.answer = reply.kind == Reply::Kind::kText ? reply.text : std::wstring();
  mEntries.push_back(e);
  emitAfterAnswer(reply.kind == Reply::Kind::kCancel ? std::wstring(L"*Cancel*") : e.answer);
  return reply;
}

void ScriptedHostUi::echoAnswer(const Prompt& prompt, const std::wstring& answer) {
  TranscriptEntry e;
  e.kind = TranscriptEntry::Kind::kEcho;
  e.text = prompt.text;
  e.answer = answer;
  e.promptKind = prompt.kind;
  mEntries.push_back(e);
  emit(prompt.text);
  emitAfterAnswer(answer);
}

int ScriptedHostUi::messageBox(const std::wstring& text, const std::wstring& caption, unsigned int flags) {
  TranscriptEntry e;
  e.kind = TranscriptEntry::Kind::kMessageBox;
  e.text = text;
  e.caption = caption;
  e.flags = flags;
  int result = 0;
  std::wstring next;
  if (peekLine(next)) result = messageBoxAnswer(flags, next);
  if (result != 0) {
    Line dropped;
    takeLine(dropped);
  } else {
    result = messageBoxDefault(flags);
    e.defaulted = true;
  }
  e.result = result;
  e.answer = messageBoxButtonName(result);

  int buttons[3];
  int n = messageBoxButtons(flags, buttons);
  std::wstring names;
  for (int i = 0; i < n; ++i) {
    if (i > 0) names += L"/";
    names += messageBoxButtonName(buttons[i]);
  }
  mEntries.push_back(e);
  emit(L"\n[" + caption + L"] " + text + L" <" + names + L">: ");
  emitAfterAnswer(e.answer + (e.defaulted ? L" (default)" : L""));
  return result;
}

void ScriptedHostUi::progressStart(const std::wstring& label, int minPos, int maxPos) {
  ProgressEvent p;
  p.kind = ProgressEvent::Kind::kStart;
  p.label = label;
  p.minPos = minPos;
  p.maxPos = maxPos;
  mProgress.push_back(p);
  TranscriptEntry e;
  e.kind = TranscriptEntry::Kind::kProgress;
  e.text = label;
  e.answer = L"start";
  mEntries.push_back(e);
  emit(L"\n[progress: " + label + L"]");
}

void ScriptedHostUi::progressSetPos(int pos) {
  ProgressEvent p;
  p.kind = ProgressEvent::Kind::kPos;
  p.pos = pos;
  mProgress.push_back(p);
}

void ScriptedHostUi::progressEnd() {
  ProgressEvent p;
  p.kind = ProgressEvent::Kind::kEnd;
  mProgress.push_back(p);
  TranscriptEntry e;
  e.kind = TranscriptEntry::Kind::kProgress;
  e.answer = L"end";
  mEntries.push_back(e);
  emit(L"\n[progress end]");
}

bool ScriptedHostUi::pollUserBreak() {
  if (mBreakCountdown == 0) {
    std::wstring next;
    int n = 0;
    if (!peekLine(next) || !parseBreak(next, n)) return false;
    Line dropped;
    takeLine(dropped);
    mBreakCountdown = n;
  }
  if (--mBreakCountdown > 0) return false;
  TranscriptEntry e;
  e.kind = TranscriptEntry::Kind::kBreak;
  mEntries.push_back(e);
  emit(L"\n[user break]");
  return true;
}

void ScriptedHostUi::notePromptStarved(const Prompt& prompt) {
  if (!mStarved) {
    mStarved = true;
    mStarvedPrompt = prompt.text;
  }
}

}  // namespace vhost
