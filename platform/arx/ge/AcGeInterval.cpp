#include "arx/ge/AcGeInterval.h"

#include <algorithm>
#include <cmath>
#include <utility>

AcGeInterval::AcGeInterval(double tol) : mTol(std::fabs(tol)) {}

AcGeInterval::AcGeInterval(double lower, double upper, double tol) : mTol(std::fabs(tol)) { set(lower, upper); }

AcGeInterval::AcGeInterval(Adesk::Boolean boundedBelow, double bound, double tol) : mTol(std::fabs(tol)) {
  set(boundedBelow, bound);
}

double AcGeInterval::element() const {
  if (isBounded()) return 0.5 * (mLower + mUpper);
  if (mBoundedBelow) return mLower;
  if (mBoundedAbove) return mUpper;
  return 0.0;
}

double AcGeInterval::length() const { return isBounded() ? mUpper - mLower : -1.0; }

AcGeInterval& AcGeInterval::set(double lower, double upper) {
  mLower = std::min(lower, upper);
  mUpper = std::max(lower, upper);
  mBoundedBelow = mBoundedAbove = true;
  return *this;
}

AcGeInterval& AcGeInterval::set(Adesk::Boolean boundedBelow, double bound) {
  mBoundedBelow = boundedBelow;
  mBoundedAbove = !boundedBelow;
  mLower = mUpper = bound;
  return *this;
}

AcGeInterval& AcGeInterval::set() {
  mBoundedBelow = mBoundedAbove = false;
  mLower = mUpper = 0.0;
  return *this;
}

AcGeInterval& AcGeInterval::setUpper(double upper) {
  mUpper = upper;
  mBoundedAbove = true;
  if (mBoundedBelow && mLower > mUpper) std::swap(mLower, mUpper);
  return *this;
}

AcGeInterval& AcGeInterval::setLower(double lower) {
  mLower = lower;
  mBoundedBelow = true;
  if (mBoundedAbove && mLower > mUpper) std::swap(mLower, mUpper);
  return *this;
}

AcGeInterval& AcGeInterval::setTolerance(double tol) {
  mTol = std::fabs(tol);
  return *this;
}

Adesk::Boolean AcGeInterval::isSingleton() const { return isBounded() && (mUpper - mLower) <= mTol; }

Adesk::Boolean AcGeInterval::contains(double val) const {
  if (mBoundedBelow && val < mLower - mTol) return false;
  if (mBoundedAbove && val > mUpper + mTol) return false;
  return true;
}

Adesk::Boolean AcGeInterval::contains(const AcGeInterval& o) const {
  if (mBoundedBelow && (!o.mBoundedBelow || o.mLower < mLower - mTol)) return false;
  if (mBoundedAbove && (!o.mBoundedAbove || o.mUpper > mUpper + mTol)) return false;
  return true;
}

Adesk::Boolean AcGeInterval::intersectWith(const AcGeInterval& o, AcGeInterval& result) const {
  result = AcGeInterval(std::min(mTol, o.mTol));
  const bool below = mBoundedBelow || o.mBoundedBelow;
  const bool above = mBoundedAbove || o.mBoundedAbove;
  double lo = 0.0, hi = 0.0;
  if (below) lo = (mBoundedBelow && o.mBoundedBelow) ? std::max(mLower, o.mLower) : (mBoundedBelow ? mLower : o.mLower);
  if (above) hi = (mBoundedAbove && o.mBoundedAbove) ? std::min(mUpper, o.mUpper) : (mBoundedAbove ? mUpper : o.mUpper);
  if (below && above) {
    if (lo > hi + result.mTol) return false;
    if (lo > hi) lo = hi = 0.5 * (lo + hi);
    result.set(lo, hi);
  } else if (below) {
    result.set(true, lo);
  } else if (above) {
    result.set(false, hi);
  }
  return true;
}

Adesk::Boolean AcGeInterval::isEqualAtUpper(double value) const {
  return mBoundedAbove && std::fabs(mUpper - value) <= mTol;
}

Adesk::Boolean AcGeInterval::isEqualAtLower(double value) const {
  return mBoundedBelow && std::fabs(mLower - value) <= mTol;
}

bool AcGeInterval::operator==(const AcGeInterval& o) const {
  if (mBoundedBelow != o.mBoundedBelow || mBoundedAbove != o.mBoundedAbove) return false;
  const double t = std::max(mTol, o.mTol);
  if (mBoundedBelow && std::fabs(mLower - o.mLower) > t) return false;
  if (mBoundedAbove && std::fabs(mUpper - o.mUpper) > t) return false;
  return true;
}
