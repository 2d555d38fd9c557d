#pragma once
// A HostUi that answers from a queue of script lines and keeps a transcript of
// everything shown. Used by the console host for scripts and by tests.
//
// The queue: one line is one answer (SCRIPT_SYNTAX.md). Lines whose first
// non-blank character is ';' are comments and are skipped wherever lines are
// taken; a trailing '\r' is dropped. An empty line is Enter.
//
// Who takes lines: prompts (one line each), message boxes (the next line when
// it names one of the box's buttons), acedUsrBrk (a "break" line at the head of
// the queue), and the console host, which takes the next line as a command
// (prompt with PromptKind::kCommand, or nextLine).
//
// A prompt that finds the queue empty gets Reply::kEndOfInput (the editor
// treats it as Escape) and sets promptStarved(): the script ended while a
// prompt was pending. A kCommand prompt on an empty queue is the normal end of
// a script and does not set it.
//
// The transcript holds every print, every prompt with the answer given, every
// message box with its answer (or the note that it took its default), the
// status-bar meter's start and end, and echoed acedCommand answers. entries()
// gives them one by one; transcript() renders them as a command line would
// show them.
#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "arx/ed/HostUi.h"

namespace vhost {

struct TranscriptEntry {
  enum class Kind {
    kPrint,       // text: the printed text
    kPrompt,      // text: the prompt; answer: the line given ("" for Enter);
                  // reply: what it was
    kEcho,        // an answer the host gave on the user's behalf (acedCommand)
    kMessageBox,  // text, caption, flags; answer: the button's name; note set
                  // when the box took its default for want of an answer
    kProgress,    // text: the label on start; answer: "start" or "end"
    kBreak        // acedUsrBrk reported a user break
  };
  Kind kind = Kind::kPrint;
  std::wstring text;
  std::wstring answer;
  std::wstring caption;
  unsigned int flags = 0;
  PromptKind promptKind = PromptKind::kOther;
  Reply::Kind reply = Reply::Kind::kText;
  int result = 0;          // message boxes: the ID* returned
  bool defaulted = false;  // message boxes: no scripted answer was found
};

// One movement of the status-bar meter (kept apart from the transcript so
// that meters of long loops do not flood it).
struct ProgressEvent {
  enum class Kind { kStart, kPos, kEnd };
  Kind kind = Kind::kPos;
  std::wstring label;  // kStart
  int minPos = 0;      // kStart
  int maxPos = 0;      // kStart
  int pos = 0;         // kPos
};

class ScriptedHostUi : public HostUi {
 public:
  ScriptedHostUi();
  // The queue starts with these lines (the comment and '\r' rules apply).
  explicit ScriptedHostUi(const std::vector<std::wstring>& lines);
  ~ScriptedHostUi() override;

  // --- the queue
  // Appends one line (a '\n' inside it splits it into several lines).
  void addLine(const std::wstring& line);
  void addLines(const std::vector<std::wstring>& lines);
  // Puts lines in front of the queue, in their order (text a module sends to
  // the command line runs before the rest of the script).
  void prependLines(const std::vector<std::wstring>& lines);
  // Appends the lines of a script file. The file is UTF-8 (a BOM is skipped);
  // UTF-16 with a BOM is read too. On failure returns false, sets error to a
  // message naming the file (and the line of a bad byte sequence) and leaves the
  // queue unchanged.
  bool loadScriptFile(const std::string& path, std::wstring* error = nullptr);
  // Lines still queued (comments excluded).
  std::size_t pendingLines() const;
  // Takes the next line (false when the queue is empty). lineNo receives its
  // 1-based number in the order lines were added (script line numbers when the
  // queue was loaded from one file).
  bool nextLine(std::wstring& line, int* lineNo = nullptr);
  // Looks at the next line without taking it.
  bool peekLine(std::wstring& line) const;
  // Drops every queued line.
  void clearQueue();

  // --- end-of-script state
  // True once a prompt other than kCommand found the queue empty.
  bool promptStarved() const { return mStarved; }
  // The prompt text that starved (for the console host's message).
  const std::wstring& starvedPrompt() const { return mStarvedPrompt; }
  void clearStarved();

  // --- transcript
  const std::vector<TranscriptEntry>& entries() const { return mEntries; }
  // The rendered transcript (see HostUi::print for line handling): prompts are
  // followed by the answer; Escape shows as "*Cancel*"; message boxes as
  // "[caption] text <Buttons>: Answer" (with "(default)" when no answer was
  // scripted); the meter as "[progress: label]" and "[progress end]".
  const std::wstring& transcript() const { return mText; }
  // All printed text alone (prints and prompts, no answers).
  std::wstring printedText() const;
  void clearTranscript();
  const std::vector<ProgressEvent>& progressEvents() const { return mProgress; }
  // A callback that receives each piece of rendered transcript as it is made
  // (the console host streams the transcript to its output with it).
  void setEchoSink(std::function<void(const std::wstring&)> sink) { mSink = std::move(sink); }

  // --- HostUi
  void print(const std::wstring& text) override;
  Reply prompt(const Prompt& prompt) override;
  void echoAnswer(const Prompt& prompt, const std::wstring& answer) override;
  int messageBox(const std::wstring& text, const std::wstring& caption, unsigned int flags) override;
  void progressStart(const std::wstring& label, int minPos, int maxPos) override;
  void progressSetPos(int pos) override;
  void progressEnd() override;
  // A line "break" or "break N" at the head of the queue: the Nth poll from
  // the one that takes the line (N = 1 when omitted) reports the break.
  bool pollUserBreak() override;
  bool isScripted() const override { return true; }
  void notePromptStarved(const Prompt& prompt) override;

 private:
  struct Line {
    std::wstring text;
    int number = 0;
  };
  void push(const std::wstring& text);
  void emit(const std::wstring& text);
  void emitAfterAnswer(const std::wstring& answerShown);
  bool takeLine(Line& out);

  std::deque<Line> mQueue;
  int mLineCounter = 0;
  std::vector<TranscriptEntry> mEntries;
  std::vector<ProgressEvent> mProgress;
  std::wstring mText;
  bool mLineOpen = false;  // an answer ended the last line: absorb one leading '\n'
  bool mStarved = false;
  std::wstring mStarvedPrompt;
  int mBreakCountdown = 0;  // polls left before an armed break fires (0: none)
  std::function<void(const std::wstring&)> mSink;
};

}  // namespace vhost
