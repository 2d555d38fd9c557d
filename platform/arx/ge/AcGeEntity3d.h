#pragma once
// Base of the 3D geometric entities.
#include "arx/base/AdeskTypes.h"
#include "arx/ge/AcGeContext.h"
#include "arx/ge/AcGeEnums.h"

class AcGeMatrix3d;
class AcGePoint3d;

class AcGeEntity3d {
 public:
  virtual ~AcGeEntity3d() = default;

  virtual AcGe::EntityId type() const = 0;
  virtual Adesk::Boolean isKindOf(AcGe::EntityId entType) const { return entType == AcGe::kEntity3d; }
  // A new copy that the caller deletes.
  virtual AcGeEntity3d* copy() const = 0;
  virtual AcGeEntity3d& transformBy(const AcGeMatrix3d& xfm) = 0;
  virtual Adesk::Boolean isOn(const AcGePoint3d& pnt, const AcGeTol& tol = AcGeContext::gTol) const = 0;

 protected:
  AcGeEntity3d() = default;
  AcGeEntity3d(const AcGeEntity3d&) = default;
  AcGeEntity3d& operator=(const AcGeEntity3d&) = default;
};
