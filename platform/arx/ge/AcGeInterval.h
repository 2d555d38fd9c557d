#pragma once
// A parameter interval, bounded or unbounded at either end, with a tolerance for
// membership tests.
#include "arx/base/AdeskTypes.h"
#include "arx/ge/AcGeContext.h"

class AcGeInterval {
 public:
  explicit AcGeInterval(double tol = 1e-12);  // unbounded on both sides
  AcGeInterval(double lower, double upper, double tol = 1e-12);
  // Bounded on one side: boundedBelow selects which bound "bound" is.
  AcGeInterval(Adesk::Boolean boundedBelow, double bound, double tol = 1e-12);

  double lowerBound() const { return mLower; }
  double upperBound() const { return mUpper; }
  double element() const;  // some value in the interval
  void getBounds(double& lower, double& upper) const {
    lower = mLower;
    upper = mUpper;
  }
  double length() const;  // -1 when unbounded
  double tolerance() const { return mTol; }

  // Bounds are ordered: set(5, 1) gives [1, 5].
  AcGeInterval& set(double lower, double upper);
  AcGeInterval& set(Adesk::Boolean boundedBelow, double bound);
  AcGeInterval& set();  // unbounded
  AcGeInterval& setUpper(double upper);
  AcGeInterval& setLower(double lower);
  AcGeInterval& setTolerance(double tol);

  Adesk::Boolean isBounded() const { return mBoundedBelow && mBoundedAbove; }
  Adesk::Boolean isBoundedAbove() const { return mBoundedAbove; }
  Adesk::Boolean isBoundedBelow() const { return mBoundedBelow; }
  Adesk::Boolean isUnBounded() const { return !mBoundedBelow && !mBoundedAbove; }
  Adesk::Boolean isSingleton() const;

  Adesk::Boolean contains(double val) const;
  Adesk::Boolean contains(const AcGeInterval& other) const;
  // The common part; false when there is none.
  Adesk::Boolean intersectWith(const AcGeInterval& other, AcGeInterval& result) const;
  Adesk::Boolean isEqualAtUpper(double value) const;
  Adesk::Boolean isEqualAtLower(double value) const;

  bool operator==(const AcGeInterval& other) const;
  bool operator!=(const AcGeInterval& other) const { return !(*this == other); }

 private:
  double mLower = 0.0;
  double mUpper = 0.0;
  bool mBoundedBelow = false;
  bool mBoundedAbove = false;
  double mTol = 1e-12;
};
