#include "arx/ed/StatusBar.h"

#include <string>

#include "arx/ed/HostUi.h"

namespace {
struct Meter {
  bool shown = false;
  int minPos = 0;
  int maxPos = 0;
  int pos = 0;
};
Meter gMeter;
}  // namespace

int acedSetStatusBarProgressMeter(const ACHAR* label, int minPos, int maxPos) {
  if (minPos >= maxPos) return -1;
  if (gMeter.shown) vhost::currentHostUi()->progressEnd();
  gMeter.shown = true;
  gMeter.minPos = minPos;
  gMeter.maxPos = maxPos;
  gMeter.pos = minPos;
  vhost::currentHostUi()->progressStart(label != nullptr ? label : L"", minPos, maxPos);
  return 0;
}

int acedSetStatusBarProgressMeterPos(int pos) {
  if (!gMeter.shown) return -1;
  if (pos < gMeter.minPos) pos = gMeter.minPos;
  if (pos > gMeter.maxPos) pos = gMeter.maxPos;
  gMeter.pos = pos;
  vhost::currentHostUi()->progressSetPos(pos);
  return 0;
}

void acedRestoreStatusBar() {
  if (!gMeter.shown) return;
  gMeter.shown = false;
  vhost::currentHostUi()->progressEnd();
}

namespace vhost {
bool progressMeterShown() { return gMeter.shown; }
int progressMeterPos() { return gMeter.pos; }
}  // namespace vhost
