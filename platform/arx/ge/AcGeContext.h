#pragma once
// Process-wide settings of the geometry library. gTol is the default tolerance of
// every comparison; functions read it at call time, so a computation that sets
// AcGeContext::gTol changes every comparison made while it runs.
#include "arx/ge/AcGeTol.h"

struct AcGeContext {
  static AcGeTol gTol;
  // Called when a geometry function meets input it cannot work with (a zero
  // vector where a direction is needed, a singular matrix...). Null by default.
  static void (*gErrorFunc)();
};
