#pragma once
// A HostUi for a person at a terminal. Prompts are written to the output and
// a line is read from the input; when the input is a terminal and the BSD line
// editor library (libedit.so.2, Debian package libedit2) can be loaded at run
// time, lines are read with it (editing keys, history); otherwise with plain
// std::getline. Nothing in the build depends on that library.
//
// Escape: typing "~" or "*cancel*" answers a prompt with Escape; Ctrl-C while
// a prompt waits does the same. Ctrl-C while a command is working (between
// prompts) is reported once by acedUsrBrk. Ctrl-D (end of the input) answers
// with Reply::kEndOfInput.
//
// Message boxes are asked as a question on the command line
// ("[caption] text <Yes/No>: "); Enter takes the default button. The progress
// meter is drawn on one line of the output when it is a terminal, and shown as
// its label and "done" otherwise.
#include <cstdio>
#include <string>

#include "arx/ed/HostUi.h"

namespace vhost {

class TerminalHostUi : public HostUi {
 public:
  // in and out default to stdin and stdout. useLineEditor false forces plain
  // reading even on a terminal.
  explicit TerminalHostUi(std::FILE* in = nullptr, std::FILE* out = nullptr, bool useLineEditor = true);
  ~TerminalHostUi() override;
  TerminalHostUi(const TerminalHostUi&) = delete;
  TerminalHostUi& operator=(const TerminalHostUi&) = delete;

  // Whether lines are read with the line editor library.
  bool lineEditing() const;

  void print(const std::wstring& text) override;
  Reply prompt(const Prompt& prompt) override;
  void echoAnswer(const Prompt& prompt, const std::wstring& answer) override;
  int messageBox(const std::wstring& text, const std::wstring& caption, unsigned int flags) override;
  void progressStart(const std::wstring& label, int minPos, int maxPos) override;
  void progressSetPos(int pos) override;
  void progressEnd() override;
  bool pollUserBreak() override;

 private:
  struct Impl;
  Impl* mImpl;
};

}  // namespace vhost
