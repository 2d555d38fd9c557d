#pragma once
// A NURBS curve entity. Its parameters are the knot parameters of the curve.
// A spline made from fit points interpolates them with a cubic (or the
// given order) through chord-length parameters; the fit data are kept until
// the control points are changed directly (or purgeFitData). The fit
// tolerance is stored; the curve always passes through the fit points.
#include <memory>

#include "arx/entities/CurveEntity.h"

namespace vhost {
class NurbsCurve;
}

class AcDbSpline : public vhost::CurveEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSpline);
  AcDbSpline();
  AcDbSpline(const AcGePoint3dArray& fitPoints, int order = 4, double fitTolerance = 0.0);
  AcDbSpline(const AcGePoint3dArray& fitPoints, const AcGeVector3d& startTangent, const AcGeVector3d& endTangent,
             int order = 4, double fitTolerance = 0.0);
  AcDbSpline(int degree, Adesk::Boolean rational, Adesk::Boolean closed, Adesk::Boolean periodic,
             const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots, const AcGeDoubleArray& weights,
             double controlPtTol = 0.0, double knotTol = 0.0);
  ~AcDbSpline() override;

  Adesk::Boolean isNull() const;
  Adesk::Boolean isRational() const;
  int degree() const;
  Acad::ErrorStatus elevateDegree(int newDegree);

  // --- control points, knots, weights (eInvalidIndex out of range)
  int numControlPoints() const;
  Acad::ErrorStatus getControlPointAt(int index, AcGePoint3d& point) const;
  Acad::ErrorStatus setControlPointAt(int index, const AcGePoint3d& point);
  int numKnots() const;
  double weightAt(int index) const;
  Acad::ErrorStatus setWeightAt(int index, double weight);
  Acad::ErrorStatus insertKnot(double param);
  Acad::ErrorStatus getNurbsData(int& degree, Adesk::Boolean& rational, Adesk::Boolean& closed,
                                 Adesk::Boolean& periodic, AcGePoint3dArray& controlPoints, AcGeDoubleArray& knots,
                                 AcGeDoubleArray& weights, double& controlPtTol, double& knotTol) const;
  // eInvalidInput when the data do not make a curve (nothing changed).
  Acad::ErrorStatus setNurbsData(int degree, Adesk::Boolean rational, Adesk::Boolean closed, Adesk::Boolean periodic,
                                 const AcGePoint3dArray& controlPoints, const AcGeDoubleArray& knots,
                                 const AcGeDoubleArray& weights, double controlPtTol = 0.0, double knotTol = 0.0);

  // --- fit data
  Adesk::Boolean hasFitData() const;
  int numFitPoints() const;
  Acad::ErrorStatus getFitPointAt(int index, AcGePoint3d& point) const;
  Acad::ErrorStatus setFitPointAt(int index, const AcGePoint3d& point);
  Acad::ErrorStatus insertFitPointAt(int index, const AcGePoint3d& point);
  Acad::ErrorStatus removeFitPointAt(int index);
  double fitTolerance() const;
  Acad::ErrorStatus setFitTol(double tol);
  Acad::ErrorStatus getFitTangents(AcGeVector3d& startTangent, AcGeVector3d& endTangent) const;
  Acad::ErrorStatus setFitTangents(const AcGeVector3d& startTangent, const AcGeVector3d& endTangent);
  // eNotApplicable for a spline without fit data.
  Acad::ErrorStatus getFitData(AcGePoint3dArray& fitPoints, int& degree, double& fitTolerance,
                               Adesk::Boolean& tangentsExist, AcGeVector3d& startTangent,
                               AcGeVector3d& endTangent) const;
  // Rebuilds the curve through the points (zero tangents: free ends).
  Acad::ErrorStatus setFitData(const AcGePoint3dArray& fitPoints, int degree, double fitTolerance,
                               const AcGeVector3d& startTangent, const AcGeVector3d& endTangent);
  Acad::ErrorStatus purgeFitData();

  // --- curve protocol
  Adesk::Boolean isClosed() const override;
  Adesk::Boolean isPeriodic() const override;
  Acad::ErrorStatus getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const override;
  using vhost::CurveEntity::getSplitCurves;
  // The end span continues as its own polynomial to the new parameter (or to
  // a point on that continuation).
  Acad::ErrorStatus extend(double newParam) override;
  Acad::ErrorStatus extend(Adesk::Boolean extendStart, const AcGePoint3d& toPoint) override;
  Acad::ErrorStatus reverseCurve() override;

  // --- entity protocol
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  bool isPlanar() const override;
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  Acad::ErrorStatus buildGeometry(vhost::CurveGeometry& geometry) const override;

 private:
  bool rebuildFromFit();
  // The curve extended at one end to a parameter beyond it.
  bool extendedCurve(bool atStart, double newParam, vhost::NurbsCurve& out) const;

  std::shared_ptr<vhost::NurbsCurve> mCurve;  // null for an empty spline
  bool mClosed = false;
  bool mPeriodic = false;
  double mCtrlTol = 0.0;
  double mKnotTol = 0.0;
  // Fit data.
  bool mHasFit = false;
  std::vector<AcGePoint3d> mFitPoints;
  int mFitDegree = 3;
  double mFitTol = 0.0;
  AcGeVector3d mStartTangent;
  AcGeVector3d mEndTangent;
};
