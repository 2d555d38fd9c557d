#include "win/WinUser.h"

#include <string>

namespace {
// A distinct, never dereferenced address that stands for the main window.
struct HostMainWindow {
  char tag = 0;
} gMainWindow;
}  // namespace

int MessageBoxW(HWND, LPCWSTR text, LPCWSTR caption, UINT type) {
  return vhost::messageBox(text, caption, type);
}

// MFC's box is captioned with the application's name.
int AfxMessageBox(LPCWSTR text, UINT type, UINT) { return vhost::messageBox(text, L"VeskCAD", type); }

HWND adsw_acadMainWnd() { return reinterpret_cast<HWND>(&gMainWindow); }
