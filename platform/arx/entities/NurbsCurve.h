#pragma once
// A non-uniform rational B-spline curve in 3d: the exact geometry behind
// AcDbSpline and the spline-fit polylines. Points are evaluated with de Boor's
// algorithm in homogeneous coordinates; derivatives from the basis function
// derivatives. The parameter domain is [knot[degree], knot[n]] where n is the
// number of control points; knots outside it only shape the end spans, so
// clamped and unclamped (periodic) knot vectors both work.
#include <string>
#include <vector>

#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector3d.h"

namespace vhost {

class NurbsCurve {
 public:
  static constexpr int kMaxDegree = 25;
  NurbsCurve() = default;
  NurbsCurve(int degree, std::vector<AcGePoint3d> controlPoints, std::vector<double> knots,
             std::vector<double> weights = {});

  int degree() const { return mDegree; }
  bool isRational() const { return !mWeights.empty(); }
  int numControlPoints() const { return static_cast<int>(mCtrl.size()); }
  const std::vector<AcGePoint3d>& controlPoints() const { return mCtrl; }
  const std::vector<double>& knots() const { return mKnots; }
  // Empty for a non-rational curve.
  const std::vector<double>& weights() const { return mWeights; }
  double weight(int i) const { return mWeights.empty() ? 1.0 : mWeights[static_cast<size_t>(i)]; }

  // Whether the data describe a curve: degree >= 1, at least degree+1
  // control points, numControlPoints + degree + 1 non-decreasing knots,
  // positive weights, a domain of positive length. The reason goes to why.
  bool isValid(std::string* why = nullptr) const;

  double startParam() const { return mKnots[static_cast<size_t>(mDegree)]; }
  double endParam() const { return mKnots[mCtrl.size()]; }

  // Index of the knot span [knot[i], knot[i+1]) holding u (u clamped to the domain).
  int findSpan(double u) const;
  AcGePoint3d evalPoint(double u) const;
  // Point and, where asked, first and second derivatives with respect to u.
  void evaluate(double u, AcGePoint3d& p, AcGeVector3d* d1, AcGeVector3d* d2) const;
  // Distinct knot values inside the domain, start and end included.
  std::vector<double> breakpoints() const;

  // Knot insertion (Boehm): u is inserted `times` times, not beyond multiplicity degree.
  void insertKnot(double u, int times = 1);
  // The part of the curve between a and b (a < b, inside the domain), clamped at both ends.
  NurbsCurve segment(double a, double b) const;
  // The same curve run the other way: parameter u becomes start + end - u.
  void reverse();
  void transformBy(const AcGeMatrix3d& m);
  // Continues the first or last span as its own polynomial to a parameter
  // beyond the domain (below the start / above the end).
  void extendStart(double newStart);
  void extendEnd(double newEnd);
  // Raises the degree by one (the curve is unchanged).
  void elevateDegree();

  // The cubic (or lower) curve through the points with chord-length
  // parameters and averaged knots; optional end tangents (zero vector =
  // free). Parameters run from 0 to the total chord length. False when the
  // points are fewer than two or coincide.
  static bool interpolate(const std::vector<AcGePoint3d>& points, int degree, const AcGeVector3d& startTangent,
                          const AcGeVector3d& endTangent, NurbsCurve& out);
  // A clamped uniform B-spline on the control points (used by spline-fit
  // polylines); closed wraps the control points periodically.
  static bool uniform(const std::vector<AcGePoint3d>& controlPoints, int degree, bool closed, NurbsCurve& out);

 private:
  void basisDerivs(int span, double u, int n, double ders[3][kMaxDegree + 1]) const;

  int mDegree = 0;
  std::vector<AcGePoint3d> mCtrl;
  std::vector<double> mKnots;
  std::vector<double> mWeights;
};

}  // namespace vhost
