#pragma once
// The status-bar progress meter, shown through the current HostUi.
// acedSetStatusBarProgressMeter starts a meter with a label and a range
// (returns 0; -1 when the range is empty or reversed: min >= max);
// acedSetStatusBarProgressMeterPos moves it (positions outside the range are
// clamped; returns 0, -1 when no meter is shown); acedRestoreStatusBar takes it
// down (nothing when none is shown).
#include "arx/base/AdeskTypes.h"

int acedSetStatusBarProgressMeter(const ACHAR* label, int minPos, int maxPos);
int acedSetStatusBarProgressMeterPos(int pos);
void acedRestoreStatusBar();

namespace vhost {
// Whether a meter is shown, and its position (for tests).
bool progressMeterShown();
int progressMeterPos();
}  // namespace vhost
