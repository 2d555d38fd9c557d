#pragma once
// The one channel between the host and its user. Every prompt, answer,
// command-line print, message box, status-bar meter and user break of the
// editor passes through the current HostUi; nothing in the platform or the
// module reads stdin or writes stdout itself.
//
// The interface is line based: a prompt asks for one line and gets back the
// line as the user typed it (or Enter, Escape, or the end of the input). The
// editor's input functions (acedGetPoint, acedEntSel, acedSSGet, jigs,
// acedGrRead ...) parse that line themselves, with the same rules for every
// front end, and re-prompt when it does not fit (as the host's command line
// does). SCRIPT_SYNTAX.md lists what a line may say at each kind of prompt.
//
// Implementations: ScriptedHostUi (answers from a queue of lines, keeps a
// transcript) and TerminalHostUi (interactive). When no HostUi was set, the
// current one is a process-wide ScriptedHostUi with an empty queue: prints are
// kept in its transcript and every prompt gets "end of input".
#include <string>

namespace vhost {

// What a prompt asks for. Front ends may show a hint or check the answer's
// form; the transcript records it.
enum class PromptKind {
  kCommand,    // the console host's "Command: " prompt (a command name)
  kPoint,      // acedGetPoint, also the points of host commands
  kCorner,     // acedGetCorner
  kDistance,   // acedGetDist
  kAngle,      // acedGetAngle
  kOrient,     // acedGetOrient
  kReal,       // acedGetReal
  kInteger,    // acedGetInt
  kString,     // acedGetString
  kKeyword,    // acedGetKword
  kEntity,     // acedEntSel, acedNEntSelP: a pick point or "#handle"
  kSelection,  // one round of a "Select objects: " loop of acedSSGet
  kDrag,       // a jig or acedGrRead waiting for cursor events
  kOther       // anything else
};

// A prompt as the editor shows it.
struct Prompt {
  PromptKind kind = PromptKind::kOther;
  std::wstring text;      // as the command wrote it; may begin with "\n"
  std::wstring keywords;  // the keyword list in force ("Yes No _ Y N"), empty when none
  int controls = 0;       // the acedInitGet bits in force (RSG_*) or the jig's input controls
  bool allowSpaces = false;  // a string prompt that takes spaces (acedGetString cronly)
};

// What the user gave back.
struct Reply {
  enum class Kind {
    kText,        // a line of text (text holds it, without the line end)
    kEnter,       // an empty line: Enter (RTNONE where the prompt allows it)
    kCancel,      // Escape (RTCAN)
    kEndOfInput   // no more input (script ended, terminal closed): treated as Escape
  };
  Kind kind = Kind::kEndOfInput;
  std::wstring text;

  static Reply textReply(std::wstring t) { return Reply{Kind::kText, std::move(t)}; }
  static Reply enter() { return Reply{Kind::kEnter, {}}; }
  static Reply cancel() { return Reply{Kind::kCancel, {}}; }
  static Reply endOfInput() { return Reply{Kind::kEndOfInput, {}}; }
};

class HostUi {
 public:
  virtual ~HostUi();

  // Command-line output, already formatted ("\n" breaks lines). After an
  // answer the line is complete: a leading "\n" of the next output is absorbed
  // and output without one starts on the next line anyway, as on the host's
  // command line.
  virtual void print(const std::wstring& text) = 0;

  // Shows the prompt and waits for one line.
  virtual Reply prompt(const Prompt& prompt) = 0;

  // Records (or shows) an answer the host gave itself on the user's behalf:
  // the arguments of acedCommand fed to a command's prompts, echoed when
  // CMDECHO is on. The default prints the prompt followed by the answer.
  virtual void echoAnswer(const Prompt& prompt, const std::wstring& answer);

  // A message box. flags are the Windows MB_* bits (MessageBox.h); the result
  // is the button pressed (IDOK, IDCANCEL, IDYES, IDNO ...).
  virtual int messageBox(const std::wstring& text, const std::wstring& caption, unsigned int flags) = 0;

  // The status-bar progress meter: started with a label and a range, moved,
  // and taken down (acedRestoreStatusBar).
  virtual void progressStart(const std::wstring& label, int minPos, int maxPos) = 0;
  virtual void progressSetPos(int pos) = 0;
  virtual void progressEnd() = 0;

  // acedUsrBrk: true when the user asked to break off since the last call
  // (each break is reported once).
  virtual bool pollUserBreak() = 0;

  // True for front ends whose answers come from a script (CMDACTIVE bit 4).
  virtual bool isScripted() const { return false; }

  // Called by the editor when a prompt got the end of the input while a
  // command was waiting for it (see ScriptedHostUi::promptStarved).
  virtual void notePromptStarved(const Prompt&) {}
};

// The current front end; never null (see the file comment for the default).
HostUi* currentHostUi();
// Makes ui current (null restores the default) and returns the previous one.
// The HostUi is not owned.
HostUi* setCurrentHostUi(HostUi* ui);

// Makes a HostUi current for a scope and restores the previous one after.
class ScopedHostUi {
 public:
  explicit ScopedHostUi(HostUi* ui) : mPrevious(setCurrentHostUi(ui)) {}
  ~ScopedHostUi() { setCurrentHostUi(mPrevious); }
  ScopedHostUi(const ScopedHostUi&) = delete;
  ScopedHostUi& operator=(const ScopedHostUi&) = delete;

 private:
  HostUi* mPrevious;
};

// Text of a prompt kind ("point", "keyword" ...), for transcripts and hints.
const wchar_t* promptKindName(PromptKind kind);

}  // namespace vhost
