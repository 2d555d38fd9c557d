#pragma once
// Command-line output. acutPrintf formats with MFC's wide rules (%s and %c
// take wide text, %S narrow UTF-8; see mfc/CStringFormat.h) and prints through
// the current HostUi. A format the formatter refuses is printed as it stands,
// followed by " [bad format]", and the call returns -1; otherwise the number
// of characters printed.
#include <cstdarg>

#include "arx/base/AdeskTypes.h"

int acutPrintf(const ACHAR* format, ...);
int acutPrintfV(const ACHAR* format, va_list args);
// An alert box with an OK button (through the HostUi's message box).
int acedAlert(const ACHAR* string);
