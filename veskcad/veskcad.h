#pragma once
// The one header a sibling module includes. It declares the module's exported
// API and pulls in the host platform types that API uses. The module's own
// families are added here as they are built; today it brings the platform.
#include "VeskHost.h"
