#pragma once
// A 4x4 transformation matrix acting on column vectors: p' = M * p. The upper 3x3
// block is the linear part, column 3 the translation.
#include "arx/base/AdeskTypes.h"
#include "arx/ge/AcGeContext.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector3d.h"

class AcGePlane;
class AcGeLine3d;

class AcGeMatrix3d {
 public:
  AcGeMatrix3d();  // identity

  static const AcGeMatrix3d kIdentity;

  AcGeMatrix3d& setToIdentity();

  // Products.
  AcGeMatrix3d operator*(const AcGeMatrix3d& mat) const;
  AcGeMatrix3d& operator*=(const AcGeMatrix3d& mat);
  AcGeMatrix3d& preMultBy(const AcGeMatrix3d& leftSide);    // this = leftSide * this
  AcGeMatrix3d& postMultBy(const AcGeMatrix3d& rightSide);  // this = this * rightSide
  AcGeMatrix3d& setToProduct(const AcGeMatrix3d& mat1, const AcGeMatrix3d& mat2);

  // Inversion. invert()/inverse() throw Acad::eDegenerateGeometry for a singular
  // matrix; the two-argument inverse reports it by returning false instead.
  AcGeMatrix3d& invert();
  AcGeMatrix3d inverse() const;
  Adesk::Boolean inverse(AcGeMatrix3d& inverseMatrix, double tol) const;
  Adesk::Boolean isSingular(const AcGeTol& tol = AcGeContext::gTol) const;

  AcGeMatrix3d& transposeIt();
  AcGeMatrix3d transpose() const;

  bool operator==(const AcGeMatrix3d& mat) const { return isEqualTo(mat); }
  bool operator!=(const AcGeMatrix3d& mat) const { return !isEqualTo(mat); }
  // Linear and projective entries are compared with equalVector, the
  // translation with equalPoint.
  Adesk::Boolean isEqualTo(const AcGeMatrix3d& mat, const AcGeTol& tol = AcGeContext::gTol) const;

  // Whether the linear part is a rotation (or reflection) times one scale factor,
  // without projection.
  Adesk::Boolean isUniScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;
  // Whether the linear part has perpendicular columns (scale may differ per axis).
  Adesk::Boolean isScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;

  double det() const;
  // The largest length of the images of the unit axes.
  double scale() const;

  AcGeMatrix3d& setTranslation(const AcGeVector3d& vec);
  AcGeVector3d translation() const;

  // Coordinate systems: columns x, y, z and origin, mapping system coordinates to world.
  AcGeMatrix3d& setCoordSystem(const AcGePoint3d& origin, const AcGeVector3d& xAxis, const AcGeVector3d& yAxis,
                               const AcGeVector3d& zAxis);
  void getCoordSystem(AcGePoint3d& origin, AcGeVector3d& xAxis, AcGeVector3d& yAxis, AcGeVector3d& zAxis) const;

  AcGeMatrix3d& setToTranslation(const AcGeVector3d& vec);
  // Right-handed rotation about the axis through center; a zero axis gives the identity.
  AcGeMatrix3d& setToRotation(double angle, const AcGeVector3d& axis,
                              const AcGePoint3d& center = AcGePoint3d::kOrigin);
  AcGeMatrix3d& setToScaling(double scaleAll, const AcGePoint3d& center = AcGePoint3d::kOrigin);
  AcGeMatrix3d& setToMirroring(const AcGePlane& mirrorPlane);
  AcGeMatrix3d& setToMirroring(const AcGePoint3d& mirrorPoint);
  AcGeMatrix3d& setToMirroring(const AcGeLine3d& mirrorLine);
  // The matrix that carries the "from" coordinate system onto the "to" one.
  AcGeMatrix3d& setToAlignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                   const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                   const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                   const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis);
  // Entity coordinate systems: the axes of the plane with this normal follow the
  // arbitrary-axis rule; the origin is the world origin. A zero normal gives the
  // identity. With a plane, the plane's own origin and axes are used.
  AcGeMatrix3d& setToWorldToPlane(const AcGeVector3d& normal);
  AcGeMatrix3d& setToWorldToPlane(const AcGePlane& plane);
  AcGeMatrix3d& setToPlaneToWorld(const AcGeVector3d& normal);
  AcGeMatrix3d& setToPlaneToWorld(const AcGePlane& plane);

  static AcGeMatrix3d translation(const AcGeVector3d& vec);
  static AcGeMatrix3d rotation(double angle, const AcGeVector3d& axis,
                               const AcGePoint3d& center = AcGePoint3d::kOrigin);
  static AcGeMatrix3d scaling(double scaleAll, const AcGePoint3d& center = AcGePoint3d::kOrigin);
  static AcGeMatrix3d mirroring(const AcGePlane& mirrorPlane);
  static AcGeMatrix3d mirroring(const AcGePoint3d& mirrorPoint);
  static AcGeMatrix3d mirroring(const AcGeLine3d& mirrorLine);
  static AcGeMatrix3d alignCoordSys(const AcGePoint3d& fromOrigin, const AcGeVector3d& fromXAxis,
                                    const AcGeVector3d& fromYAxis, const AcGeVector3d& fromZAxis,
                                    const AcGePoint3d& toOrigin, const AcGeVector3d& toXAxis,
                                    const AcGeVector3d& toYAxis, const AcGeVector3d& toZAxis);
  static AcGeMatrix3d worldToPlane(const AcGeVector3d& normal);
  static AcGeMatrix3d worldToPlane(const AcGePlane& plane);
  static AcGeMatrix3d planeToWorld(const AcGeVector3d& normal);
  static AcGeMatrix3d planeToWorld(const AcGePlane& plane);

  // The X and Y axes of the entity coordinate system of a normal (arbitrary-axis
  // rule); false when the normal has zero length.
  static bool arbitraryAxes(const AcGeVector3d& normal, AcGeVector3d& xAxis, AcGeVector3d& yAxis,
                            AcGeVector3d& zAxis);

  double operator()(unsigned int row, unsigned int column) const { return entry[row & 3][column & 3]; }
  double& operator()(unsigned int row, unsigned int column) { return entry[row & 3][column & 3]; }
  const double* operator[](unsigned int row) const { return entry[row & 3]; }
  double* operator[](unsigned int row) { return entry[row & 3]; }

  double entry[4][4];
};
