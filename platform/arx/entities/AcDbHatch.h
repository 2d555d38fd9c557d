#pragma once
// Hatches: an area bounded by closed loops, filled solid or with a pattern of
// parallel line families. Loops lie in the hatch's plane (normal and
// elevation) and are kept as vertices with bulges in that plane's
// coordinates. A loop made from boundary objects remembers them; an
// associative hatch is a persistent reactor of its boundary objects, rebuilds
// a loop when one of them changes and stops being associative when one is
// erased.
//
// Boundary objects are read through the curve protocol: lines and arcs
// exactly, circles as two half arcs, polylines through their pieces, other
// curves (ellipses, splines) as fine polylines.
#include <string>
#include <vector>

#include "arx/db/AcDbEntity.h"
#include "arx/ge/AcGePoint2d.h"
#include "arx/ge/AcGeVector3d.h"

class AcDbHatch : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbHatch);
  AcDbHatch();
  ~AcDbHatch() override;

  enum HatchObjectType { kHatchObject = 0, kGradientObject = 1 };
  enum HatchLoopType {
    kDefault = 0,
    kExternal = 1,
    kPolyline = 2,
    kDerived = 4,
    kTextbox = 8,
    kOutermost = 0x10,
    kNotClosed = 0x20,
    kSelfIntersecting = 0x40,
    kTextIsland = 0x80,
    kDuplicate = 0x100
  };
  enum HatchEdgeType { kLine = 1, kCirArc = 2, kEllArc = 3, kSpline = 4 };
  enum HatchPatternType { kUserDefined = 0, kPreDefined = 1, kCustomDefined = 2 };
  enum HatchStyle { kNormal = 0, kOuter = 1, kIgnore = 2 };

  // --- plane
  double elevation() const;
  Acad::ErrorStatus setElevation(double elevation);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

  // --- pattern
  HatchPatternType patternType() const;
  const ACHAR* patternName() const;
  // A predefined or custom pattern by name ("SOLID" is the solid fill), or
  // the user-defined family of lines (name "_USER" when none is given).
  Acad::ErrorStatus setPattern(HatchPatternType patType, const ACHAR* patName);
  double patternAngle() const;
  Acad::ErrorStatus setPatternAngle(double angle);
  double patternSpace() const;
  Acad::ErrorStatus setPatternSpace(double space);  // > 0, user-defined lines
  double patternScale() const;
  Acad::ErrorStatus setPatternScale(double scale);  // > 0
  bool patternDouble() const;
  Acad::ErrorStatus setPatternDouble(bool isDouble);
  bool isSolidFill() const;
  HatchObjectType hatchObjectType() const { return kHatchObject; }
  // The line families of the pattern as drawn (angle, scale and spacing
  // applied): angle, base point, offset (the step from one line of the family
  // to the next, in plane coordinates), dashes (negative: gaps, 0: dots).
  // Predefined patterns known here: SOLID, LINE, ANSI31, ANSI32, ANSI33,
  // ANSI37, ANSI38, NET, NET3, DASH, SQUARE, DOTS, BRICK, ANGLE; other names
  // are kept but draw no lines.
  int numPatternDefinitions() const;
  Acad::ErrorStatus getPatternDefinitionAt(int index, double& angle, double& baseX, double& baseY, double& offsetX,
                                           double& offsetY, AcGeDoubleArray& dashes) const;
  // Whether a predefined pattern of that name is known here.
  static bool vhostIsKnownPattern(const ACHAR* name);

  HatchStyle hatchStyle() const;
  Acad::ErrorStatus setHatchStyle(HatchStyle style);

  // --- loops
  int numLoops() const;
  Adesk::Int32 loopTypeAt(int loopIndex) const;
  // A polyline loop: one bulge per vertex (or none for straight edges); the
  // loop closes by itself. eInvalidInput for fewer than two distinct
  // vertices, bulge count mismatch or values that are not finite.
  Acad::ErrorStatus appendLoop(Adesk::Int32 loopType, const AcGePoint2dArray& vertices,
                               const AcGeDoubleArray& bulges);
  // A loop from boundary objects that join end to end into a closed outline
  // (in any order and direction): eInvalidInput when they do not close,
  // eNotThatKindOfClass for an object that is not a curve.
  Acad::ErrorStatus appendLoop(Adesk::Int32 loopType, const AcDbObjectIdArray& dbObjIds);
  Acad::ErrorStatus insertLoopAt(int loopIndex, Adesk::Int32 loopType, const AcGePoint2dArray& vertices,
                                 const AcGeDoubleArray& bulges);
  Acad::ErrorStatus insertLoopAt(int loopIndex, Adesk::Int32 loopType, const AcDbObjectIdArray& dbObjIds);
  // Vertices and bulges of any loop (object loops as they were last read).
  Acad::ErrorStatus getLoopAt(int loopIndex, Adesk::Int32& loopType, AcGePoint2dArray& vertices,
                              AcGeDoubleArray& bulges) const;
  Acad::ErrorStatus removeLoopAt(int loopIndex);

  // --- associativity
  bool associative() const;
  // Turning it on attaches the hatch to its boundary objects; turning it off
  // detaches it and forgets them.
  Acad::ErrorStatus setAssociative(bool isAssociative);
  Acad::ErrorStatus getAssocObjIdsAt(int loopIndex, AcDbObjectIdArray& dbObjIds) const;
  Acad::ErrorStatus getAssocObjIds(AcDbObjectIdArray& dbObjIds) const;
  Acad::ErrorStatus removeAssocObjIds();

  // --- evaluation
  // Computes the pattern's line segments clipped to the loops (a solid fill
  // has none). eInvalidInput when the pattern would need more than
  // kMaxHatchLines lines.
  Acad::ErrorStatus evaluateHatch(bool underestimateNumLines = false);
  static constexpr int kMaxHatchLines = 1000000;
  int numHatchLines() const;
  Acad::ErrorStatus getHatchLineDataAt(int index, AcGePoint2d& startPt, AcGePoint2d& endPt) const;
  Acad::ErrorStatus getHatchLinesData(AcGePoint2dArray& startPts, AcGePoint2dArray& endPts) const;
  // The hatched area: outer loops less their holes (as the hatch style counts them).
  Acad::ErrorStatus getArea(double& area) const;

  // --- entity protocol
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  // The pattern's lines as lines (eNotApplicable for a solid fill).
  Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;
  // A free-standing copy is not associative.
  AcRxObject* clone() const override;
  bool isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  // --- as a persistent reactor of its boundary objects
  void modified(const AcDbObject* dbObj) override;
  void erased(const AcDbObject* dbObj, Adesk::Boolean erasing = true) override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // HATCH: 10 elevation point, 210 normal, 2 pattern name, 70 solid, 71
  // associative, 91 loops (92 type; polyline loops 72/73/93/10/42, edge
  // loops 93 edges of type 72: 1 line, 2 arc, 3 elliptic arc, 4 spline; 97
  // boundary objects with 330 each), 75 style, 76 pattern type, 52 angle,
  // 41 scale (spacing for user-defined lines), 77 double, 78 pattern lines
  // (53/43/44/45/46/79/49, as drawn). Seed points, pixel size and gradient
  // groups are kept as read. Elliptic and spline edges enter the model as
  // fine polylines; a hatch read from a file writes its groups back exactly
  // as read for as long as nothing it models changes.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  struct Loop {
    Adesk::Int32 type = kDefault;
    AcGePoint2dArray vertices;
    AcGeDoubleArray bulges;  // one per vertex
    AcDbObjectIdArray ids;   // boundary objects, for object loops
  };
  struct Family {
    double angle = 0.0;
    double baseX = 0.0, baseY = 0.0;
    double offsetX = 0.0, offsetY = 0.0;
    std::vector<double> dashes;
  };

 protected:
  // Attaches to the boundary objects when that could not be done earlier.
  Acad::ErrorStatus subClose() override;

 private:
  Acad::ErrorStatus buildObjectLoop(Adesk::Int32 loopType, const AcDbObjectIdArray& ids, Loop& loop,
                                    const AcDbObject* known = nullptr) const;
  Acad::ErrorStatus insertLoop(int index, Loop&& loop);
  void attachToBoundaries();
  void detachFromBoundaries(const AcDbObject* skip);
  std::vector<Family> families() const;
  std::vector<int> loopDepths() const;
  bool loopCounts(int depth) const;
  void invalidateLines() { mLinesValid = false; }
  Acad::ErrorStatus computeLines() const;

  double mElevation = 0.0;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
  Adesk::Int16 mPatternType = kPreDefined;
  std::wstring mPatternName = L"SOLID";
  double mPatternAngle = 0.0;
  double mPatternSpace = 1.0;
  double mPatternScale = 1.0;
  bool mPatternDouble = false;
  Adesk::Int16 mStyle = kNormal;
  bool mAssociative = false;
  std::vector<Loop> mLoops;

  bool mPendingAttach = false;  // not filed
  bool mAttaching = false;
  mutable bool mLinesValid = false;
  mutable std::vector<AcGePoint2d> mLineStarts, mLineEnds;
};
