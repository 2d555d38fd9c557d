#pragma once
// Enumerations shared by the geometry classes.

struct AcGe {
  // Kinds of geometric entity, as type() reports them.
  enum EntityId {
    kEntity2d,
    kEntity3d,
    kCurve2d,
    kCurve3d,
    kCircArc2d,
    kCircArc3d,
    kLinearEnt2d,
    kLinearEnt3d,
    kLine2d,
    kLine3d,
    kLineSeg2d,
    kLineSeg3d,
    kPlanarEnt,
    kPlane
  };

  // Why a construction or normalisation failed.
  enum ErrorCondition {
    kOk,
    k0This,
    k0Arg1,
    k0Arg2,
    kPerpendicularArg1Arg2,
    kEqualArg1Arg2,
    kEqualArg1Arg3,
    kEqualArg2Arg3,
    kLinearlyDependentArg1Arg2Arg3,
    kArg1TooBig,
    kArg1OnThis,
    kArg1InsideThis,
    kNonCoplanarGeometry,
    kDegenerateGeometry,
    kSingularPoint
  };
};

using AcGeError = AcGe::ErrorCondition;
