#include "arx/entities/AcDbSpline.h"

#include <algorithm>
#include <cmath>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/entities/EntityPlaneUtil.h"
#include "arx/entities/NurbsCurve.h"
#include "arx/ge/AcGePlane.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbSpline, AcDbCurve, L"SPLINE")

namespace {

std::vector<AcGePoint3d> toVector(const AcGePoint3dArray& a) { return std::vector<AcGePoint3d>(a.begin(), a.end()); }

// Best plane of a set of points (Newell's method); false when they are in a line or fewer than three.
bool bestPlane(const std::vector<AcGePoint3d>& pts, AcGePoint3d& origin, AcGeVector3d& normal) {
  if (pts.size() < 3) return false;
  AcGeVector3d n;
  AcGeVector3d c;
  for (size_t i = 0; i < pts.size(); ++i) {
    const AcGePoint3d& a = pts[i];
    const AcGePoint3d& b = pts[(i + 1) % pts.size()];
    n += AcGeVector3d((a.y - b.y) * (a.z + b.z), (a.z - b.z) * (a.x + b.x), (a.x - b.x) * (a.y + b.y));
    c += a.asVector();
  }
  if (n.length() <= 1e-12) {
    // Newell fails for some planar sets (a polygon winding back): try cross products.
    for (size_t i = 1; i + 1 < pts.size() && n.length() <= 1e-12; ++i)
      n = (pts[i] - pts[0]).crossProduct(pts[i + 1] - pts[0]);
    if (n.length() <= 1e-12) return false;
  }
  normal = n.normal();
  origin = AcGePoint3d::kOrigin + c / static_cast<double>(pts.size());
  return true;
}

}  // namespace

AcDbSpline::AcDbSpline() = default;

AcDbSpline::AcDbSpline(const AcGePoint3dArray& fitPoints, int order, double fitTolerance)
    : AcDbSpline(fitPoints, AcGeVector3d(), AcGeVector3d(), order, fitTolerance) {}

AcDbSpline::AcDbSpline(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent,
                       const AcGeVector3d& endTangent, int order, double fitTolerance) {
  setFitData(fitPoints, std::max(1, order - 1), fitTolerance, startTangent, endTangent);
}

AcDbSpline::AcDbSpline(int degree, Adesk::Boolean rational, Adesk::Boolean closed, Adesk::Boolean periodic,
                       const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots,
                       const AcGeDoubleArray& weights, double controlPtTol, double knotTol) {
  setNurbsData(degree, rational, closed, periodic, controlPoints, knots, weights, controlPtTol, knotTol);
}

AcDbSpline::~AcDbSpline() = default;

Adesk::Boolean AcDbSpline::isNull() const {
  assertReadEnabled();
  return mCurve == nullptr;
}

Adesk::Boolean AcDbSpline::isRational() const {
  assertReadEnabled();
  return mCurve && mCurve->isRational();
}

int AcDbSpline::degree() const {
  assertReadEnabled();
  return mCurve ? mCurve->degree() : 0;
}

Acad::ErrorStatus AcDbSpline::elevateDegree(int newDegree) {
  assertReadEnabled();
  if (!mCurve) return Acad::eDegenerateGeometry;
  if (newDegree < mCurve->degree() || newDegree > vhost::NurbsCurve::kMaxDegree) return Acad::eInvalidInput;
  assertWriteEnabled();
  auto c = std::make_shared<vhost::NurbsCurve>(*mCurve);
  while (c->degree() < newDegree) c->elevateDegree();
  mCurve = c;
  mHasFit = false;
  return Acad::eOk;
}

// ---- NURBS data --------------------------------------------------------------------------

int AcDbSpline::numControlPoints() const {
  assertReadEnabled();
  return mCurve ? mCurve->numControlPoints() : 0;
}

Acad::ErrorStatus AcDbSpline::getControlPointAt(int index, AcGePoint3d& point) const {
  assertReadEnabled();
  if (!mCurve || index < 0 || index >= mCurve->numControlPoints()) return Acad::eInvalidIndex;
  point = mCurve->controlPoints()[static_cast<size_t>(index)];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setControlPointAt(int index, const AcGePoint3d& point) {
  assertReadEnabled();
  if (!mCurve || index < 0 || index >= mCurve->numControlPoints()) return Acad::eInvalidIndex;
  if (!vhost::isFinite(point)) return Acad::eInvalidInput;
  assertWriteEnabled();
  std::vector<AcGePoint3d> ctrl = mCurve->controlPoints();
  ctrl[static_cast<size_t>(index)] = point;
  mCurve = std::make_shared<vhost::NurbsCurve>(mCurve->degree(), ctrl, mCurve->knots(), mCurve->weights());
  mHasFit = false;
  return Acad::eOk;
}

int AcDbSpline::numKnots() const {
  assertReadEnabled();
  return mCurve ? static_cast<int>(mCurve->knots().size()) : 0;
}

double AcDbSpline::weightAt(int index) const {
  assertReadEnabled();
  if (!mCurve || index < 0 || index >= mCurve->numControlPoints()) return 1.0;
  return mCurve->weight(index);
}

Acad::ErrorStatus AcDbSpline::setWeightAt(int index, double weight) {
  assertReadEnabled();
  if (!mCurve || index < 0 || index >= mCurve->numControlPoints()) return Acad::eInvalidIndex;
  if (!(weight > 0.0) || !std::isfinite(weight)) return Acad::eInvalidInput;
  assertWriteEnabled();
  std::vector<double> w = mCurve->weights();
  if (w.empty()) w.assign(static_cast<size_t>(mCurve->numControlPoints()), 1.0);
  w[static_cast<size_t>(index)] = weight;
  mCurve = std::make_shared<vhost::NurbsCurve>(mCurve->degree(), mCurve->controlPoints(), mCurve->knots(), w);
  mHasFit = false;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::insertKnot(double param) {
  assertReadEnabled();
  if (!mCurve) return Acad::eDegenerateGeometry;
  if (!(param > mCurve->startParam() && param < mCurve->endParam())) return Acad::eInvalidInput;
  assertWriteEnabled();
  auto c = std::make_shared<vhost::NurbsCurve>(*mCurve);
  c->insertKnot(param, 1);
  mCurve = c;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getNurbsData(int& degree, Adesk::Boolean& rational, Adesk::Boolean& closed,
                                           Adesk::Boolean& periodic, AcGePoint3dArray& controlPoints,
                                           AcGeDoubleArray& knots, AcGeDoubleArray& weights, double& controlPtTol,
                                           double& knotTol) const {
  assertReadEnabled();
  controlPoints.removeAll();
  knots.removeAll();
  weights.removeAll();
  degree = mCurve ? mCurve->degree() : 0;
  rational = mCurve && mCurve->isRational();
  closed = isClosed();
  periodic = mPeriodic;
  controlPtTol = mCtrlTol;
  knotTol = mKnotTol;
  if (!mCurve) return Acad::eOk;
  for (const AcGePoint3d& p : mCurve->controlPoints()) controlPoints.append(p);
  for (double k : mCurve->knots()) knots.append(k);
  for (double w : mCurve->weights()) weights.append(w);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setNurbsData(int degree, Adesk::Boolean rational, Adesk::Boolean closed,
                                           Adesk::Boolean periodic, const AcGePoint3dArray& controlPoints,
                                           const AcGeDoubleArray& knots, const AcGeDoubleArray& weights,
                                           double controlPtTol, double knotTol) {
  std::vector<double> w;
  if (rational) {
    w.assign(weights.begin(), weights.end());
    if (w.empty()) w.assign(static_cast<size_t>(controlPoints.length()), 1.0);
  }
  auto c = std::make_shared<vhost::NurbsCurve>(degree, toVector(controlPoints),
                                               std::vector<double>(knots.begin(), knots.end()), w);
  if (!c->isValid()) return Acad::eInvalidInput;
  assertWriteEnabled();
  mCurve = c;
  mClosed = closed;
  mPeriodic = periodic;
  mCtrlTol = controlPtTol;
  mKnotTol = knotTol;
  mHasFit = false;
  mFitPoints.clear();
  return Acad::eOk;
}

// ---- fit data ----------------------------------------------------------------------------

bool AcDbSpline::rebuildFromFit() {
  vhost::NurbsCurve c;
  if (!vhost::NurbsCurve::interpolate(mFitPoints, mFitDegree, mStartTangent, mEndTangent, c)) return false;
  mCurve = std::make_shared<vhost::NurbsCurve>(std::move(c));
  mPeriodic = false;
  mClosed = mFitPoints.front().isEqualTo(mFitPoints.back());
  return true;
}

Adesk::Boolean AcDbSpline::hasFitData() const {
  assertReadEnabled();
  return mHasFit;
}

int AcDbSpline::numFitPoints() const {
  assertReadEnabled();
  return mHasFit ? static_cast<int>(mFitPoints.size()) : 0;
}

Acad::ErrorStatus AcDbSpline::getFitPointAt(int index, AcGePoint3d& point) const {
  assertReadEnabled();
  if (!mHasFit || index < 0 || index >= static_cast<int>(mFitPoints.size())) return Acad::eInvalidIndex;
  point = mFitPoints[static_cast<size_t>(index)];
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setFitPointAt(int index, const AcGePoint3d& point) {
  assertReadEnabled();
  if (!mHasFit || index < 0 || index >= static_cast<int>(mFitPoints.size())) return Acad::eInvalidIndex;
  std::vector<AcGePoint3d> pts = mFitPoints;
  pts[static_cast<size_t>(index)] = point;
  AcGePoint3dArray arr;
  for (const AcGePoint3d& p : pts) arr.append(p);
  return setFitData(arr, mFitDegree, mFitTol, mStartTangent, mEndTangent);
}

Acad::ErrorStatus AcDbSpline::insertFitPointAt(int index, const AcGePoint3d& point) {
  assertReadEnabled();
  if (!mHasFit || index < 0 || index > static_cast<int>(mFitPoints.size())) return Acad::eInvalidIndex;
  std::vector<AcGePoint3d> pts = mFitPoints;
  pts.insert(pts.begin() + index, point);
  AcGePoint3dArray arr;
  for (const AcGePoint3d& p : pts) arr.append(p);
  return setFitData(arr, mFitDegree, mFitTol, mStartTangent, mEndTangent);
}

Acad::ErrorStatus AcDbSpline::removeFitPointAt(int index) {
  assertReadEnabled();
  if (!mHasFit || index < 0 || index >= static_cast<int>(mFitPoints.size())) return Acad::eInvalidIndex;
  if (mFitPoints.size() <= 2) return Acad::eInvalidInput;
  std::vector<AcGePoint3d> pts = mFitPoints;
  pts.erase(pts.begin() + index);
  AcGePoint3dArray arr;
  for (const AcGePoint3d& p : pts) arr.append(p);
  return setFitData(arr, mFitDegree, mFitTol, mStartTangent, mEndTangent);
}

double AcDbSpline::fitTolerance() const {
  assertReadEnabled();
  return mFitTol;
}

Acad::ErrorStatus AcDbSpline::setFitTol(double tol) {
  if (!(tol >= 0.0) || !std::isfinite(tol)) return Acad::eInvalidInput;
  assertReadEnabled();
  if (!mHasFit) return Acad::eNotApplicable;
  assertWriteEnabled();
  mFitTol = tol;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getFitTangents(AcGeVector3d& startTangent, AcGeVector3d& endTangent) const {
  assertReadEnabled();
  if (!mHasFit) return Acad::eNotApplicable;
  startTangent = mStartTangent;
  endTangent = mEndTangent;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setFitTangents(const AcGeVector3d& startTangent, const AcGeVector3d& endTangent) {
  assertReadEnabled();
  if (!mHasFit) return Acad::eNotApplicable;
  AcGePoint3dArray arr;
  for (const AcGePoint3d& p : mFitPoints) arr.append(p);
  return setFitData(arr, mFitDegree, mFitTol, startTangent, endTangent);
}

Acad::ErrorStatus AcDbSpline::getFitData(AcGePoint3dArray& fitPoints, int& degree, double& fitTolerance,
                                         Adesk::Boolean& tangentsExist, AcGeVector3d& startTangent,
                                         AcGeVector3d& endTangent) const {
  assertReadEnabled();
  if (!mHasFit) return Acad::eNotApplicable;
  fitPoints.removeAll();
  for (const AcGePoint3d& p : mFitPoints) fitPoints.append(p);
  degree = mFitDegree;
  fitTolerance = mFitTol;
  tangentsExist = !mStartTangent.isZeroLength() || !mEndTangent.isZeroLength();
  startTangent = mStartTangent;
  endTangent = mEndTangent;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::setFitData(const AcGePoint3dArray& fitPoints, int degree, double fitTolerance,
                                         const AcGeVector3d& startTangent, const AcGeVector3d& endTangent) {
  if (fitPoints.length() < 2 || degree < 1 || degree > vhost::NurbsCurve::kMaxDegree || !(fitTolerance >= 0.0))
    return Acad::eInvalidInput;
  for (const AcGePoint3d& p : fitPoints)
    if (!vhost::isFinite(p)) return Acad::eInvalidInput;
  vhost::NurbsCurve c;
  if (!vhost::NurbsCurve::interpolate(toVector(fitPoints), degree, startTangent, endTangent, c))
    return Acad::eInvalidInput;
  assertWriteEnabled();
  mFitPoints = toVector(fitPoints);
  mFitDegree = degree;
  mFitTol = fitTolerance;
  mStartTangent = startTangent;
  mEndTangent = endTangent;
  mHasFit = true;
  rebuildFromFit();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::purgeFitData() {
  assertWriteEnabled();
  mHasFit = false;
  mFitPoints.clear();
  return Acad::eOk;
}

// ---- curve protocol ----------------------------------------------------------------------

Adesk::Boolean AcDbSpline::isClosed() const {
  assertReadEnabled();
  if (!mCurve) return false;
  return mClosed || mCurve->evalPoint(mCurve->startParam()).isEqualTo(mCurve->evalPoint(mCurve->endParam()));
}

Adesk::Boolean AcDbSpline::isPeriodic() const {
  assertReadEnabled();
  return mPeriodic;
}

Acad::ErrorStatus AcDbSpline::buildGeometry(vhost::CurveGeometry& g) const {
  assertReadEnabled();
  g = vhost::CurveGeometry();
  if (!mCurve) return Acad::eDegenerateGeometry;
  const double a = mCurve->startParam(), b = mCurve->endParam();
  g.pieces.push_back(vhost::CurvePiece::spline(mCurve, a, b, a, b));
  g.startParam = a;
  g.endParam = b;
  g.closed = isClosed();
  g.periodic = mPeriodic && g.closed;
  g.extendable = false;
  AcGePoint3d o;
  AcGeVector3d n;
  if (bestPlane(mCurve->controlPoints(), o, n)) g.normal = n;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const {
  assertReadEnabled();
  if (!mCurve) return Acad::eDegenerateGeometry;
  std::vector<double> ps;
  Acad::ErrorStatus es = splitParams(params, ps);
  if (es != Acad::eOk) return es;
  const double a = mCurve->startParam(), b = mCurve->endParam();
  const double eps = 1e-10 * std::max({1.0, std::fabs(a), std::fabs(b)});
  std::vector<std::pair<double, double>> ranges;
  std::vector<vhost::NurbsCurve> pieces;
  if (isClosed() && !ps.empty()) {
    if (ps.size() > 1 && ps.back() >= b - eps && ps.front() <= a + eps) ps.pop_back();
    for (size_t i = 0; i + 1 < ps.size(); ++i) pieces.push_back(mCurve->segment(ps[i], ps[i + 1]));
    // The last piece runs from the last split point through the start to the first.
    const double last = ps.back(), first = ps.front();
    if (last < b - eps && first > a + eps) {
      vhost::NurbsCurve tail = mCurve->segment(last, b);
      const vhost::NurbsCurve head = mCurve->segment(a, first);
      // Join tail and head at the shared point: knots of head shifted to follow tail.
      const int p = tail.degree();
      std::vector<AcGePoint3d> ctrl = tail.controlPoints();
      std::vector<double> w = tail.weights();
      std::vector<double> knots(tail.knots().begin(), tail.knots().end() - (p + 1));
      const double shift = b - a;
      for (int i = 0; i < p; ++i) knots.push_back(b);
      for (size_t i = static_cast<size_t>(p + 1); i < head.knots().size(); ++i)
        knots.push_back(head.knots()[i] + shift);
      ctrl.insert(ctrl.end(), head.controlPoints().begin() + 1, head.controlPoints().end());
      if (tail.isRational() || head.isRational()) {
        if (w.empty()) w.assign(tail.controlPoints().size(), 1.0);
        for (size_t i = 1; i < head.controlPoints().size(); ++i) w.push_back(head.weight(static_cast<int>(i)));
      }
      pieces.emplace_back(p, ctrl, knots, w);
    } else if (last < b - eps) {
      pieces.push_back(mCurve->segment(last, b));
    } else if (first > a + eps) {
      pieces.push_back(mCurve->segment(a, first));
    }
  } else {
    std::vector<double> cuts{a};
    for (double p : ps)
      if (p > a + eps && p < b - eps) cuts.push_back(p);
    cuts.push_back(b);
    for (size_t i = 0; i + 1 < cuts.size(); ++i) pieces.push_back(mCurve->segment(cuts[i], cuts[i + 1]));
  }
  for (vhost::NurbsCurve& c : pieces) {
    AcDbSpline* s = new AcDbSpline();
    s->setPropertiesFrom(this);
    s->mCurve = std::make_shared<vhost::NurbsCurve>(std::move(c));
    curveSegments.append(s);
  }
  return Acad::eOk;
}

bool AcDbSpline::extendedCurve(bool atStart, double newParam, vhost::NurbsCurve& out) const {
  out = *mCurve;
  if (atStart)
    out.extendStart(newParam);
  else
    out.extendEnd(newParam);
  return out.isValid();
}

Acad::ErrorStatus AcDbSpline::extend(double newParam) {
  assertReadEnabled();
  if (!mCurve) return Acad::eDegenerateGeometry;
  if (isClosed()) return Acad::eNotApplicable;
  const double a = mCurve->startParam(), b = mCurve->endParam();
  if (!std::isfinite(newParam) || (newParam >= a && newParam <= b)) return Acad::eInvalidInput;
  vhost::NurbsCurve c;
  if (!extendedCurve(newParam < a, newParam, c)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mCurve = std::make_shared<vhost::NurbsCurve>(std::move(c));
  mHasFit = false;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::extend(Adesk::Boolean extendStart, const AcGePoint3d& toPoint) {
  assertReadEnabled();
  if (!mCurve) return Acad::eDegenerateGeometry;
  if (isClosed()) return Acad::eNotApplicable;
  // Newton along the continued end span for the parameter of the point.
  const double a = mCurve->startParam(), b = mCurve->endParam();
  const double e = extendStart ? a : b;
  AcGePoint3d p;
  AcGeVector3d d1, d2;
  mCurve->evaluate(e, p, &d1, nullptr);
  if (d1.isZeroLength()) return Acad::eDegenerateGeometry;
  double u = e + (toPoint - p).dotProduct(d1) / d1.lengthSqrd();
  for (int it = 0; it < 60; ++it) {
    mCurve->evaluate(u, p, &d1, &d2);
    const AcGeVector3d w = p - toPoint;
    const double f = w.dotProduct(d1);
    double fp = d1.dotProduct(d1) + w.dotProduct(d2);
    if (!(fp > 0.0)) fp = d1.dotProduct(d1);
    const double step = f / fp;
    u -= step;
    if (std::fabs(step) <= 1e-15 * std::max(1.0, std::fabs(u))) break;
  }
  mCurve->evaluate(u, p, nullptr, nullptr);
  vhost::CurveGeometry g;
  buildGeometry(g);
  const double tol = vhost::pointTolerance(std::max(g.magnitude(), toPoint.asVector().length()));
  if (p.distanceTo(toPoint) > std::max(tol, 1e-9 * (b - a))) return Acad::eInvalidInput;
  if (extendStart ? !(u < a) : !(u > b)) return Acad::eInvalidInput;
  vhost::NurbsCurve c;
  if (!extendedCurve(extendStart, u, c)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mCurve = std::make_shared<vhost::NurbsCurve>(std::move(c));
  mHasFit = false;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbSpline::reverseCurve() {
  assertWriteEnabled();
  if (!mCurve) return Acad::eOk;
  auto c = std::make_shared<vhost::NurbsCurve>(*mCurve);
  c->reverse();
  mCurve = c;
  if (mHasFit) {
    std::reverse(mFitPoints.begin(), mFitPoints.end());
    const AcGeVector3d s = mStartTangent;
    mStartTangent = -mEndTangent;
    mEndTangent = -s;
  }
  return Acad::eOk;
}

// ---- entity protocol ---------------------------------------------------------------------

Acad::ErrorStatus AcDbSpline::transformBy(const AcGeMatrix3d& xform) {
  assertWriteEnabled();
  if (mCurve) {
    auto c = std::make_shared<vhost::NurbsCurve>(*mCurve);
    c->transformBy(xform);
    mCurve = c;
  }
  for (AcGePoint3d& p : mFitPoints) p.transformBy(xform);
  mStartTangent.transformBy(xform);
  mEndTangent.transformBy(xform);
  return Acad::eOk;
}

bool AcDbSpline::isPlanar() const {
  AcGePlane plane;
  AcDb::Planarity planarity;
  return getPlane(plane, planarity) == Acad::eOk && planarity != AcDb::kNonPlanar;
}

Acad::ErrorStatus AcDbSpline::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  planarity = AcDb::kNonPlanar;
  if (!mCurve) return Acad::eDegenerateGeometry;
  const std::vector<AcGePoint3d>& pts = mCurve->controlPoints();
  AcGePoint3d o;
  AcGeVector3d n;
  if (!bestPlane(pts, o, n)) {
    // All control points in a line (or one point).
    AcGeVector3d d = pts.back() - pts.front();
    planarity = AcDb::kLinear;
    plane.set(pts.front(), d.isZeroLength() ? AcGeVector3d::kZAxis : d.perpVector());
    return Acad::eOk;
  }
  vhost::CurveGeometry g;
  buildGeometry(g);
  const double tol = vhost::pointTolerance(g.magnitude());
  for (const AcGePoint3d& p : pts)
    if (std::fabs((p - o).dotProduct(n)) > tol) return Acad::eNotApplicable;
  planarity = AcDb::kPlanar;
  plane.set(o, n);
  return Acad::eOk;
}

// ---- filing ------------------------------------------------------------------------------

Acad::ErrorStatus AcDbSpline::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  const bool has = mCurve != nullptr;
  filer->writeBoolean(has);
  if (has) {
    filer->writeInt32(mCurve->degree());
    filer->writeInt32(mCurve->numControlPoints());
    for (const AcGePoint3d& p : mCurve->controlPoints()) filer->writePoint3d(p);
    filer->writeInt32(static_cast<Adesk::Int32>(mCurve->knots().size()));
    for (double k : mCurve->knots()) filer->writeDouble(k);
    filer->writeInt32(static_cast<Adesk::Int32>(mCurve->weights().size()));
    for (double w : mCurve->weights()) filer->writeDouble(w);
  }
  filer->writeBoolean(mClosed);
  filer->writeBoolean(mPeriodic);
  filer->writeDouble(mCtrlTol);
  filer->writeDouble(mKnotTol);
  filer->writeBoolean(mHasFit);
  filer->writeInt32(static_cast<Adesk::Int32>(mFitPoints.size()));
  for (const AcGePoint3d& p : mFitPoints) filer->writePoint3d(p);
  filer->writeInt32(mFitDegree);
  filer->writeDouble(mFitTol);
  filer->writeVector3d(mStartTangent);
  filer->writeVector3d(mEndTangent);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSpline::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  auto readCount = [&](Adesk::Int32& n) {
    filer->readInt32(&n);
    return filer->filerStatus() == Acad::eOk && n >= 0 && n < 100000000;
  };
  Adesk::Boolean has = false;
  filer->readBoolean(&has);
  std::shared_ptr<vhost::NurbsCurve> curve;
  if (has) {
    Adesk::Int32 degree = 0, n = 0;
    filer->readInt32(&degree);
    if (!readCount(n)) return Acad::eFilerError;
    std::vector<AcGePoint3d> ctrl(static_cast<size_t>(n));
    for (AcGePoint3d& p : ctrl) filer->readPoint3d(&p);
    if (!readCount(n)) return Acad::eFilerError;
    std::vector<double> knots(static_cast<size_t>(n));
    for (double& k : knots) filer->readDouble(&k);
    if (!readCount(n)) return Acad::eFilerError;
    std::vector<double> w(static_cast<size_t>(n));
    for (double& x : w) filer->readDouble(&x);
    curve = std::make_shared<vhost::NurbsCurve>(degree, ctrl, knots, w);
    if (!curve->isValid()) return Acad::eFilerError;
  }
  Adesk::Boolean closed = false, periodic = false, hasFit = false;
  filer->readBoolean(&closed);
  filer->readBoolean(&periodic);
  filer->readDouble(&mCtrlTol);
  filer->readDouble(&mKnotTol);
  filer->readBoolean(&hasFit);
  Adesk::Int32 nFit = 0;
  if (!readCount(nFit)) return Acad::eFilerError;
  std::vector<AcGePoint3d> fit(static_cast<size_t>(nFit));
  for (AcGePoint3d& p : fit) filer->readPoint3d(&p);
  Adesk::Int32 fitDegree = 3;
  filer->readInt32(&fitDegree);
  filer->readDouble(&mFitTol);
  filer->readVector3d(&mStartTangent);
  filer->readVector3d(&mEndTangent);
  mCurve = curve;
  mClosed = closed;
  mPeriodic = periodic;
  mHasFit = hasFit;
  mFitPoints = std::move(fit);
  mFitDegree = fitDegree;
  return filer->filerStatus();
}

// ---- DXF filing --------------------------------------------------------------------------

namespace {

enum SplineDxfFlags : Adesk::Int16 {
  kSplClosed = 1,
  kSplPeriodic = 2,
  kSplRational = 4,
  kSplPlanar = 8,
  kSplLinear = 16,
  kSplKnownFlags = 31,  // other bits are kept as read
};

// Tolerances a drawing leaves out default to these.
constexpr double kDefaultKnotTol = 1e-7;
constexpr double kDefaultCtrlTol = 1e-7;
constexpr double kDefaultFitTol = 1e-10;

}  // namespace

Acad::ErrorStatus AcDbSpline::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = vhost::CurveEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbSpline");
  Adesk::Int16 flags = 0;
  if (mCurve) {
    AcGePlane plane;
    AcDb::Planarity planarity = AcDb::kNonPlanar;
    if (getPlane(plane, planarity) == Acad::eOk && planarity != AcDb::kNonPlanar) {
      flags |= kSplPlanar;
      if (planarity == AcDb::kLinear) flags |= kSplLinear;
      AcGeVector3d n = plane.normal();
      if (n.z < 0.0 || (n.z == 0.0 && (n.y < 0.0 || (n.y == 0.0 && n.x < 0.0)))) n.negate();
      filer->writeVector3d(210, n);
    }
    if (isClosed()) flags |= kSplClosed;
    if (mPeriodic) flags |= kSplPeriodic;
    if (mCurve->isRational()) flags |= kSplRational;
  }
  flags |= static_cast<Adesk::Int16>(vhost::dxfKeptBits(this, L"AcDbSpline", 70));
  const bool fit = mHasFit && mFitPoints.size() >= 2;
  filer->writeInt16(70, flags);
  filer->writeInt16(71, static_cast<Adesk::Int16>(mCurve ? mCurve->degree() : mFitDegree));
  filer->writeInt16(72, static_cast<Adesk::Int16>(mCurve ? mCurve->knots().size() : 0));
  filer->writeInt16(73, static_cast<Adesk::Int16>(mCurve ? mCurve->numControlPoints() : 0));
  filer->writeInt16(74, static_cast<Adesk::Int16>(fit ? mFitPoints.size() : 0));
  filer->writeDouble(42, mKnotTol);
  filer->writeDouble(43, mCtrlTol);
  if (fit) {
    filer->writeDouble(44, mFitTol);
    if (!mStartTangent.isZeroLength()) filer->writeVector3d(12, mStartTangent);
    if (!mEndTangent.isZeroLength()) filer->writeVector3d(13, mEndTangent);
  }
  if (mCurve) {
    for (double k : mCurve->knots()) filer->writeDouble(40, k);
    for (double w : mCurve->weights()) filer->writeDouble(41, w);
    for (const AcGePoint3d& p : mCurve->controlPoints()) filer->writePoint3d(10, p);
  }
  if (fit)
    for (const AcGePoint3d& p : mFitPoints) filer->writePoint3d(11, p);
  vhost::dxfWriteKept(filer, this, L"AcDbSpline");
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbSpline::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = vhost::CurveEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbSpline")) return vhost::dxfBadSubclass(filer, L"AcDbSpline");
  int flags = 0, degree = -1, nKnots = -1, nCtrl = -1, nFit = -1;
  double knotTol = kDefaultKnotTol, ctrlTol = kDefaultCtrlTol, fitTol = kDefaultFitTol;
  AcGeVector3d startTangent, endTangent;
  std::vector<double> knots, weights;
  std::vector<AcGePoint3d> ctrl, fitPts;
  vhost::DxfKeptGroups kept(L"AcDbSpline");
  const wchar_t* bad = nullptr;
  auto tolerance = [&](double v, double& into, const wchar_t* what) {
    if (!(v >= 0.0) || !std::isfinite(v)) bad = what;
    into = v;
  };
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 210:  // the plane follows from the control points
        if (!vhost::isFinite(vhost::dxfVector(rb))) bad = L"SPLINE: normal (210) is not a number";
        break;
      case 70:
        flags = rb.resval.rint;
        break;
      case 71:
        degree = rb.resval.rint;
        if (degree < 1 || degree > vhost::NurbsCurve::kMaxDegree) bad = L"SPLINE: degree (71) must be 1 to 25";
        break;
      case 72:
        nKnots = static_cast<unsigned short>(rb.resval.rint);  // counts run to 65535
        break;
      case 73:
        nCtrl = static_cast<unsigned short>(rb.resval.rint);  // counts run to 65535
        break;
      case 74:
        nFit = static_cast<unsigned short>(rb.resval.rint);  // counts run to 65535
        break;
      case 42:
        tolerance(rb.resval.rreal, knotTol, L"SPLINE: knot tolerance (42) must be a number >= 0");
        break;
      case 43:
        tolerance(rb.resval.rreal, ctrlTol, L"SPLINE: control point tolerance (43) must be a number >= 0");
        break;
      case 44:
        tolerance(rb.resval.rreal, fitTol, L"SPLINE: fit tolerance (44) must be a number >= 0");
        break;
      case 12:
        startTangent = vhost::dxfVector(rb);
        if (!vhost::isFinite(startTangent)) bad = L"SPLINE: start tangent (12) is not a number";
        break;
      case 13:
        endTangent = vhost::dxfVector(rb);
        if (!vhost::isFinite(endTangent)) bad = L"SPLINE: end tangent (13) is not a number";
        break;
      case 40:
        if (!std::isfinite(rb.resval.rreal)) bad = L"SPLINE: knot value (40) is not a number";
        knots.push_back(rb.resval.rreal);
        break;
      case 41:
        if (!(rb.resval.rreal > 0.0) || !std::isfinite(rb.resval.rreal))
          bad = L"SPLINE: weight (41) must be a positive number";
        weights.push_back(rb.resval.rreal);
        break;
      case 10:
        ctrl.push_back(vhost::dxfPoint(rb));
        if (!vhost::isFinite(ctrl.back())) bad = L"SPLINE: control point (10) is not a number";
        break;
      case 11:
        fitPts.push_back(vhost::dxfPoint(rb));
        if (!vhost::isFinite(fitPts.back())) bad = L"SPLINE: fit point (11) is not a number";
        break;
      default:
        kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
    if (bad) return vhost::dxfError(filer, bad);
  }
  if (es != Acad::eEndOfObject) return es;

  auto countError = [&](const wchar_t* what, int given, size_t read) {
    return vhost::dxfError(filer, std::wstring(L"SPLINE: ") + what + L" says " + std::to_wstring(given) +
                                      L", the drawing has " + std::to_wstring(read));
  };
  if (nKnots >= 0 && static_cast<size_t>(nKnots) != knots.size())
    return countError(L"the number of knots (72)", nKnots, knots.size());
  if (nCtrl >= 0 && static_cast<size_t>(nCtrl) != ctrl.size())
    return countError(L"the number of control points (73)", nCtrl, ctrl.size());
  if (nFit >= 0 && static_cast<size_t>(nFit) != fitPts.size())
    return countError(L"the number of fit points (74)", nFit, fitPts.size());
  if (!weights.empty() && weights.size() != ctrl.size())
    return countError(L"the number of weights (41) for the control points", static_cast<int>(ctrl.size()),
                      weights.size());
  if (fitPts.size() == 1) return vhost::dxfError(filer, L"SPLINE: a single fit point (11) makes no curve");
  if (degree < 0) {
    if (!ctrl.empty()) return vhost::dxfError(filer, L"SPLINE: degree (71) missing");
    degree = 3;
  }

  std::shared_ptr<vhost::NurbsCurve> curve;
  if (!ctrl.empty()) {
    if ((flags & kSplRational) && weights.empty()) weights.assign(ctrl.size(), 1.0);
    curve = std::make_shared<vhost::NurbsCurve>(degree, std::move(ctrl), std::move(knots), std::move(weights));
    std::string why;
    if (!curve->isValid(&why))
      return vhost::dxfError(filer, L"SPLINE: the control points and knots make no curve: " +
                                        std::wstring(why.begin(), why.end()));
  } else if (!knots.empty() || !weights.empty()) {
    return vhost::dxfError(filer, L"SPLINE: knots or weights without control points");
  }
  const bool hasFit = fitPts.size() >= 2;
  vhost::NurbsCurve fitted;
  if (!curve && hasFit) {
    // Only fit data: the curve is made through them.
    if (!vhost::NurbsCurve::interpolate(fitPts, degree, startTangent, endTangent, fitted))
      return vhost::dxfError(filer, L"SPLINE: the fit points (11) make no curve (repeated points)");
    curve = std::make_shared<vhost::NurbsCurve>(std::move(fitted));
    if (fitPts.front().isEqualTo(fitPts.back())) flags |= kSplClosed;
    flags &= ~kSplPeriodic;
  }
  mCurve = curve;
  vhost::dxfKeepBits(this, L"AcDbSpline", 70, flags & ~kSplKnownFlags);
  mClosed = (flags & kSplClosed) != 0;
  mPeriodic = (flags & kSplPeriodic) != 0;
  mKnotTol = knotTol;
  mCtrlTol = ctrlTol;
  mHasFit = hasFit;
  mFitPoints = hasFit ? std::move(fitPts) : std::vector<AcGePoint3d>();
  mFitDegree = degree;
  mFitTol = hasFit ? fitTol : 0.0;
  mStartTangent = hasFit ? startTangent : AcGeVector3d();
  mEndTangent = hasFit ? endTangent : AcGeVector3d();
  kept.storeInto(this);
  return Acad::eOk;
}
