#pragma once
// Base of the 2D geometric entities.
#include "arx/base/AdeskTypes.h"
#include "arx/ge/AcGeContext.h"
#include "arx/ge/AcGeEnums.h"

class AcGeMatrix2d;
class AcGePoint2d;

class AcGeEntity2d {
 public:
  virtual ~AcGeEntity2d() = default;

  virtual AcGe::EntityId type() const = 0;
  virtual Adesk::Boolean isKindOf(AcGe::EntityId entType) const { return entType == AcGe::kEntity2d; }
  // A new copy that the caller deletes.
  virtual AcGeEntity2d* copy() const = 0;
  virtual AcGeEntity2d& transformBy(const AcGeMatrix2d& xfm) = 0;
  virtual Adesk::Boolean isOn(const AcGePoint2d& pnt, const AcGeTol& tol = AcGeContext::gTol) const = 0;

 protected:
  AcGeEntity2d() = default;
  AcGeEntity2d(const AcGeEntity2d&) = default;
  AcGeEntity2d& operator=(const AcGeEntity2d&) = default;
};
