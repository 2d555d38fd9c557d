#include "arx/ge/AcGeContext.h"

AcGeTol AcGeContext::gTol;
void (*AcGeContext::gErrorFunc)() = nullptr;
