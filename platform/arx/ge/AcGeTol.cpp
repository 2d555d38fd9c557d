#include "arx/ge/AcGeTol.h"

#include <cmath>

AcGeTol::AcGeTol() : mEqualPoint(kDefaultEqualPoint), mEqualVector(kDefaultEqualVector) {}

AcGeTol::AcGeTol(double equalPoint, double equalVector)
    : mEqualPoint(std::fabs(equalPoint)), mEqualVector(std::fabs(equalVector)) {}

void AcGeTol::setEqualPoint(double val) { mEqualPoint = std::fabs(val); }

void AcGeTol::setEqualVector(double val) { mEqualVector = std::fabs(val); }
