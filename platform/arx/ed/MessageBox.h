#pragma once
// Message boxes, with the Windows button, icon and result values. A box goes
// through the current HostUi: a script answers it with a line ("yes", "no",
// "ok", "cancel" ... see SCRIPT_SYNTAX.md) or it takes its default button; a
// terminal asks the question on the command line.
#include <string>

#include "arx/base/AdeskTypes.h"

// Buttons (the low four bits of the flags).
#ifndef MB_OK
#define MB_OK 0x00000000u
#endif
#ifndef MB_OKCANCEL
#define MB_OKCANCEL 0x00000001u
#endif
#ifndef MB_ABORTRETRYIGNORE
#define MB_ABORTRETRYIGNORE 0x00000002u
#endif
#ifndef MB_YESNOCANCEL
#define MB_YESNOCANCEL 0x00000003u
#endif
#ifndef MB_YESNO
#define MB_YESNO 0x00000004u
#endif
#ifndef MB_RETRYCANCEL
#define MB_RETRYCANCEL 0x00000005u
#endif
#ifndef MB_TYPEMASK
#define MB_TYPEMASK 0x0000000Fu
#endif
// Icons (shown as a word in front of the text: "Error", "Question" ...).
#ifndef MB_ICONHAND
#define MB_ICONHAND 0x00000010u
#endif
#ifndef MB_ICONERROR
#define MB_ICONERROR MB_ICONHAND
#endif
#ifndef MB_ICONSTOP
#define MB_ICONSTOP MB_ICONHAND
#endif
#ifndef MB_ICONQUESTION
#define MB_ICONQUESTION 0x00000020u
#endif
#ifndef MB_ICONEXCLAMATION
#define MB_ICONEXCLAMATION 0x00000030u
#endif
#ifndef MB_ICONWARNING
#define MB_ICONWARNING MB_ICONEXCLAMATION
#endif
#ifndef MB_ICONASTERISK
#define MB_ICONASTERISK 0x00000040u
#endif
#ifndef MB_ICONINFORMATION
#define MB_ICONINFORMATION MB_ICONASTERISK
#endif
#ifndef MB_ICONMASK
#define MB_ICONMASK 0x000000F0u
#endif
// Default button (the one a box without an answer takes).
#ifndef MB_DEFBUTTON1
#define MB_DEFBUTTON1 0x00000000u
#endif
#ifndef MB_DEFBUTTON2
#define MB_DEFBUTTON2 0x00000100u
#endif
#ifndef MB_DEFBUTTON3
#define MB_DEFBUTTON3 0x00000200u
#endif
#ifndef MB_DEFMASK
#define MB_DEFMASK 0x00000F00u
#endif
// Modality and window flags: accepted, without effect here.
#ifndef MB_APPLMODAL
#define MB_APPLMODAL 0x00000000u
#endif
#ifndef MB_SYSTEMMODAL
#define MB_SYSTEMMODAL 0x00001000u
#endif
#ifndef MB_TASKMODAL
#define MB_TASKMODAL 0x00002000u
#endif
#ifndef MB_SETFOREGROUND
#define MB_SETFOREGROUND 0x00010000u
#endif
#ifndef MB_TOPMOST
#define MB_TOPMOST 0x00040000u
#endif

// Results.
#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif
#ifndef IDABORT
#define IDABORT 3
#endif
#ifndef IDRETRY
#define IDRETRY 4
#endif
#ifndef IDIGNORE
#define IDIGNORE 5
#endif
#ifndef IDYES
#define IDYES 6
#endif
#ifndef IDNO
#define IDNO 7
#endif

namespace vhost {

// Shows a message box through the current HostUi and returns the button
// pressed. A null text or caption counts as empty.
int messageBox(const wchar_t* text, const wchar_t* caption, unsigned int flags = MB_OK);
int messageBox(const std::wstring& text, const std::wstring& caption, unsigned int flags = MB_OK);

// Facts about a box's flags, shared by the front ends.
// The buttons of the box, as result values, in display order (OK / OK Cancel /
// Abort Retry Ignore / Yes No Cancel / Yes No / Retry Cancel). Unknown button
// bits give a plain OK box.
int messageBoxButtons(unsigned int flags, int out[3]);
// The button a box takes without an answer (MB_DEFBUTTONn; a default beyond
// the last button is the first button).
int messageBoxDefault(unsigned int flags);
// "OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No" (empty for others).
const wchar_t* messageBoxButtonName(int id);
// The result a typed answer stands for in a box with these flags, or 0 when
// the answer names no button of the box. Case is ignored; "y"/"n"/"o"/"c"/"a"/
// "r"/"i" abbreviate; "~" and "*cancel*" mean Cancel where the box has one.
int messageBoxAnswer(unsigned int flags, const std::wstring& answer);

}  // namespace vhost
