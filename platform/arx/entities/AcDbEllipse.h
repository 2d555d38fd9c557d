#pragma once
// An ellipse or elliptical arc. The point at parameter p is
//   center + cos(p) majorAxis + sin(p) minorAxis,
// with minorAxis = radiusRatio (normal × majorAxis). Angles (startAngle,
// endAngle) are the polar angles of the end points from the major axis,
// counter-clockwise about the normal; parameters are stored, angles derived.
// The start parameter lies in [0, 2π) and the end parameter in (start,
// start + 2π]; a full ellipse runs 0 to 2π and is closed and periodic.
#include "arx/entities/CurveEntity.h"

class AcDbEllipse : public vhost::CurveEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbEllipse);
  AcDbEllipse();
  // Bad input (zero normal, a major axis not perpendicular to the normal, a
  // ratio outside (0, 1]) leaves the default ellipse; set() reports it.
  AcDbEllipse(const AcGePoint3d& center, const AcGeVector3d& unitNormal, const AcGeVector3d& majorAxis,
              double radiusRatio, double startAngle = 0.0, double endAngle = 6.28318530717958647692);
  ~AcDbEllipse() override;

  AcGePoint3d center() const;
  Acad::ErrorStatus setCenter(const AcGePoint3d& center);
  AcGeVector3d normal() const;
  AcGeVector3d majorAxis() const;
  AcGeVector3d minorAxis() const;
  double majorRadius() const;
  double minorRadius() const;
  Acad::ErrorStatus setMajorRadius(double radius);  // keeps the minor radius; must stay >= it
  Acad::ErrorStatus setMinorRadius(double radius);  // must stay <= the major radius
  double radiusRatio() const;
  Acad::ErrorStatus setRadiusRatio(double ratio);
  double startAngle() const;
  Acad::ErrorStatus setStartAngle(double angle);
  double endAngle() const;
  Acad::ErrorStatus setEndAngle(double angle);
  Acad::ErrorStatus setStartParam(double param);
  Acad::ErrorStatus setEndParam(double param);
  double paramAtAngle(double angle) const;
  double angleAtParam(double param) const;
  Acad::ErrorStatus get(AcGePoint3d& center, AcGeVector3d& unitNormal, AcGeVector3d& majorAxis, double& radiusRatio,
                        double& startAngle, double& endAngle) const;
  Acad::ErrorStatus set(const AcGePoint3d& center, const AcGeVector3d& unitNormal, const AcGeVector3d& majorAxis,
                        double radiusRatio, double startAngle = 0.0, double endAngle = 6.28318530717958647692);
  bool isNull() const;

  // --- curve protocol
  Acad::ErrorStatus getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const override;
  using vhost::CurveEntity::getSplitCurves;
  Acad::ErrorStatus extend(double newParam) override;
  Acad::ErrorStatus extend(Adesk::Boolean extendStart, const AcGePoint3d& toPoint) override;
  Acad::ErrorStatus reverseCurve() override;

  // --- entity protocol (any non-degenerate affine transformation)
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  bool isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  Acad::ErrorStatus buildGeometry(vhost::CurveGeometry& geometry) const override;

  // Platform use: the ellipse through center + cos(t) u + sin(t) v for t in
  // [t0, t1] (u, v any conjugate semi-diameters), with its normal kept on the
  // side of preferredNormal where possible. Null for a flat (u ∥ v) conic.
  static AcDbEllipse* vhostFromConic(const AcGePoint3d& center, const AcGeVector3d& u, const AcGeVector3d& v,
                                     double t0, double t1, const AcGeVector3d& preferredNormal);

 private:
  bool isFull() const;

  AcGePoint3d mCenter;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
  AcGeVector3d mMajor = AcGeVector3d::kXAxis;
  double mRatio = 1.0;
  double mStartParam = 0.0;
  double mEndParam = 6.28318530717958647692;
};
