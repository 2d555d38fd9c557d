#include "arx/ed/MessageBox.h"

#include "arx/ed/EditorState.h"
#include "arx/ed/HostUi.h"

namespace vhost {

int messageBox(const wchar_t* text, const wchar_t* caption, unsigned int flags) {
  return messageBox(std::wstring(text != nullptr ? text : L""), std::wstring(caption != nullptr ? caption : L""),
                    flags);
}

int messageBox(const std::wstring& text, const std::wstring& caption, unsigned int flags) {
  return currentHostUi()->messageBox(text, caption, flags);
}

int messageBoxButtons(unsigned int flags, int out[3]) {
  switch (flags & MB_TYPEMASK) {
    case MB_OKCANCEL:
      out[0] = IDOK;
      out[1] = IDCANCEL;
      return 2;
    case MB_ABORTRETRYIGNORE:
      out[0] = IDABORT;
      out[1] = IDRETRY;
      out[2] = IDIGNORE;
      return 3;
    case MB_YESNOCANCEL:
      out[0] = IDYES;
      out[1] = IDNO;
      out[2] = IDCANCEL;
      return 3;
    case MB_YESNO:
      out[0] = IDYES;
      out[1] = IDNO;
      return 2;
    case MB_RETRYCANCEL:
      out[0] = IDRETRY;
      out[1] = IDCANCEL;
      return 2;
    default:
      out[0] = IDOK;
      return 1;
  }
}

int messageBoxDefault(unsigned int flags) {
  int buttons[3];
  int n = messageBoxButtons(flags, buttons);
  int index = 0;
  switch (flags & MB_DEFMASK) {
    case MB_DEFBUTTON2: index = 1; break;
    case MB_DEFBUTTON3: index = 2; break;
    default: index = 0; break;
  }
  return index < n ? buttons[index] : buttons[0];
}

const wchar_t* messageBoxButtonName(int id) {
  switch (id) {
    case IDOK: return L"OK";
    case IDCANCEL: return L"Cancel";
    case IDABORT: return L"Abort";
    case IDRETRY: return L"Retry";
    case IDIGNORE: return L"Ignore";
    case IDYES: return L"Yes";
    case IDNO: return L"No";
    default: return L"";
  }
}

int messageBoxAnswer(unsigned int flags, const std::wstring& answer) {
  std::wstring a = upperCase(trimmed(answer));
  if (a.empty()) return 0;
  int buttons[3];
  int n = messageBoxButtons(flags, buttons);
  bool hasCancel = false;
  for (int i = 0; i < n; ++i) hasCancel = hasCancel || buttons[i] == IDCANCEL;
  if ((a == L"~" || a == L"*CANCEL*") && hasCancel) return IDCANCEL;
  for (int i = 0; i < n; ++i) {
    std::wstring name = upperCase(messageBoxButtonName(buttons[i]));
    if (a == name || (a.size() == 1 && a[0] == name[0])) return buttons[i];
  }
  return 0;
}

}  // namespace vhost
