#pragma once
// The Windows user-interface calls the module makes: message boxes and the
// handles they are owned by. There are no windows here; a box is shown by the
// current HostUi (see arx/ed/MessageBox.h), its owner window is accepted and
// ignored, and the result is the button pressed (IDOK, IDYES ...).
#include "arx/ed/MessageBox.h"
#include "mfc/WinTypes.h"

struct HWND__;
using HWND = HWND__*;
struct HINSTANCE__;
using HINSTANCE = HINSTANCE__*;

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
int AfxMessageBox(LPCWSTR text, UINT type = MB_OK, UINT helpId = 0);

// The host's main frame window, the owner of the module's boxes. Never null, so
// that code testing the handle behaves as it does under a real host.
HWND adsw_acadMainWnd();
