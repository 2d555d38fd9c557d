#pragma once
// A 3x3 transformation matrix of the plane acting on column vectors: p' = M * p.
#include "arx/base/AdeskTypes.h"
#include "arx/ge/AcGeContext.h"
#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/AcGeVector2d.h"

class AcGeLine2d;

class AcGeMatrix2d {
 public:
  AcGeMatrix2d();  // identity

  static const AcGeMatrix2d kIdentity;

  AcGeMatrix2d& setToIdentity();
  AcGeMatrix2d operator*(const AcGeMatrix2d& mat) const;
  AcGeMatrix2d& operator*=(const AcGeMatrix2d& mat) { return postMultBy(mat); }
  AcGeMatrix2d& preMultBy(const AcGeMatrix2d& leftSide);
  AcGeMatrix2d& postMultBy(const AcGeMatrix2d& rightSide);
  AcGeMatrix2d& setToProduct(const AcGeMatrix2d& mat1, const AcGeMatrix2d& mat2);

  // invert()/inverse() throw Acad::eDegenerateGeometry for a singular matrix.
  AcGeMatrix2d& invert();
  AcGeMatrix2d inverse() const;
  Adesk::Boolean inverse(AcGeMatrix2d& inverseMatrix, double tol) const;
  Adesk::Boolean isSingular(const AcGeTol& tol = AcGeContext::gTol) const;
  AcGeMatrix2d& transposeIt();
  AcGeMatrix2d transpose() const;

  bool operator==(const AcGeMatrix2d& mat) const { return isEqualTo(mat); }
  bool operator!=(const AcGeMatrix2d& mat) const { return !isEqualTo(mat); }
  Adesk::Boolean isEqualTo(const AcGeMatrix2d& mat, const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean isUniScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;
  Adesk::Boolean isScaledOrtho(const AcGeTol& tol = AcGeContext::gTol) const;
  double det() const;
  double scale() const;

  AcGeMatrix2d& setTranslation(const AcGeVector2d& vec);
  AcGeVector2d translation() const;
  AcGeMatrix2d& setCoordSystem(const AcGePoint2d& origin, const AcGeVector2d& xAxis, const AcGeVector2d& yAxis);
  void getCoordSystem(AcGePoint2d& origin, AcGeVector2d& xAxis, AcGeVector2d& yAxis) const;

  AcGeMatrix2d& setToTranslation(const AcGeVector2d& vec);
  AcGeMatrix2d& setToRotation(double angle, const AcGePoint2d& center = AcGePoint2d::kOrigin);
  AcGeMatrix2d& setToScaling(double scaleAll, const AcGePoint2d& center = AcGePoint2d::kOrigin);
  AcGeMatrix2d& setToMirroring(const AcGePoint2d& mirrorPoint);
  AcGeMatrix2d& setToMirroring(const AcGeLine2d& mirrorLine);
  AcGeMatrix2d& setToAlignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromXAxis,
                                   const AcGeVector2d& fromYAxis, const AcGePoint2d& toOrigin,
                                   const AcGeVector2d& toXAxis, const AcGeVector2d& toYAxis);

  static AcGeMatrix2d translation(const AcGeVector2d& vec);
  static AcGeMatrix2d rotation(double angle, const AcGePoint2d& center = AcGePoint2d::kOrigin);
  static AcGeMatrix2d scaling(double scaleAll, const AcGePoint2d& center = AcGePoint2d::kOrigin);
  static AcGeMatrix2d mirroring(const AcGePoint2d& mirrorPoint);
  static AcGeMatrix2d mirroring(const AcGeLine2d& mirrorLine);
  static AcGeMatrix2d alignCoordSys(const AcGePoint2d& fromOrigin, const AcGeVector2d& fromXAxis,
                                    const AcGeVector2d& fromYAxis, const AcGePoint2d& toOrigin,
                                    const AcGeVector2d& toXAxis, const AcGeVector2d& toYAxis);

  double operator()(unsigned int row, unsigned int column) const { return entry[row % 3][column % 3]; }
  double& operator()(unsigned int row, unsigned int column) { return entry[row % 3][column % 3]; }

  double entry[3][3];
};
