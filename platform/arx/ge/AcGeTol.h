#pragma once
// Tolerances of the geometry library: two points are equal when their distance is
// within equalPoint(); two vectors are equal when their difference is within
// equalVector(), and directions are compared with equalVector() as an angle.

class AcGeTol {
 public:
  AcGeTol();
  AcGeTol(double equalPoint, double equalVector);

  double equalPoint() const { return mEqualPoint; }
  double equalVector() const { return mEqualVector; }

  // Negative values are taken as their magnitude.
  void setEqualPoint(double val);
  void setEqualVector(double val);

  static constexpr double kDefaultEqualPoint = 1e-10;
  static constexpr double kDefaultEqualVector = 1e-12;

 private:
  double mEqualPoint;
  double mEqualVector;
};
