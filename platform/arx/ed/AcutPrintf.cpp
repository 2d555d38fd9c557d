#include "arx/ed/AcutPrintf.h"

#include <string>

#include "arx/base/AdsTypes.h"
#include "arx/ed/HostUi.h"
#include "arx/ed/MessageBox.h"
#include "mfc/CException.h"
#include "mfc/CStringFormat.h"

int acutPrintfV(const ACHAR* format, va_list args) {
  if (format == nullptr) return -1;
  std::wstring text;
  bool bad = false;
  try {
    veskhost::mfc::AppendFormatV(text, format, args);
  } catch (CException* e) {
    e->Delete();
    bad = true;
  } catch (...) {
    bad = true;
  }
  if (bad) {
    vhost::currentHostUi()->print(std::wstring(format) + L" [bad format]");
    return -1;
  }
  vhost::currentHostUi()->print(text);
  return static_cast<int>(text.size());
}

int acutPrintf(const ACHAR* format, ...) {
  va_list args;
  va_start(args, format);
  int n = acutPrintfV(format, args);
  va_end(args);
  return n;
}

int acedAlert(const ACHAR* string) {
  vhost::messageBox(string, L"Alert", MB_OK | MB_ICONWARNING);
  return RTNORM;
}
