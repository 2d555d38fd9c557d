#pragma once
// The lightweight polyline: planar vertices (x, y in the entity coordinate
// system of its normal, all at one elevation) joined by straight or arc
// segments. The bulge of vertex i shapes the segment from vertex i to vertex
// i+1 (tangent of a quarter of its included angle, positive counter-clockwise
// about the normal). Parameter i is vertex i; inside a segment the parameter
// runs linearly with length (straight) or angle (arc). A closed polyline has
// a last segment from the last vertex back to the first and ends at
// parameter numVerts().
#include "arx/entities/BulgeOutline.h"
#include "arx/entities/CurveEntity.h"
#include "arx/ge/AcGePoint2d.h"

class AcDb2dPolyline;
class AcGeLineSeg2d;
class AcGeLineSeg3d;
class AcGeCircArc2d;
class AcGeCircArc3d;

class AcDbPolyline : public vhost::CurveEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPolyline);
  AcDbPolyline();
  explicit AcDbPolyline(unsigned int numVerts);  // room for that many vertices
  ~AcDbPolyline() override;

  enum SegType { kLine, kArc, kCoincident, kPoint, kEmpty };

  // --- conversion to and from the old-style 2D polyline. With transferId the
  // new object takes the old one's place in the database (id, handle, extended
  // data, extension dictionary, reactors): convertFrom deletes the old polyline
  // and sets pPline to this one; after convertTo the caller deletes this one,
  // which has left the database, and the new polyline is open for write.
  Acad::ErrorStatus convertFrom(AcDbEntity*& pPline, Adesk::Boolean transferId = true);
  Acad::ErrorStatus convertTo(AcDb2dPolyline*& pPline, Adesk::Boolean transferId = true) const;

  // --- vertices (eInvalidIndex for an index out of range)
  unsigned int numVerts() const;
  Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint3d& pt) const;  // world point
  Acad::ErrorStatus getPointAt(unsigned int index, AcGePoint2d& pt) const;  // in the plane
  Acad::ErrorStatus setPointAt(unsigned int index, const AcGePoint2d& pt);
  // Inserts before index (an index past the end appends). Widths of -1 take
  // the constant width when one is set, else 0.
  Acad::ErrorStatus addVertexAt(unsigned int index, const AcGePoint2d& pt, double bulge = 0.0,
                                double startWidth = -1.0, double endWidth = -1.0);
  Acad::ErrorStatus removeVertexAt(unsigned int index);
  Acad::ErrorStatus getBulgeAt(unsigned int index, double& bulge) const;
  Acad::ErrorStatus setBulgeAt(unsigned int index, double bulge);
  Acad::ErrorStatus getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const;
  Acad::ErrorStatus setWidthsAt(unsigned int index, double startWidth, double endWidth);
  Acad::ErrorStatus getStartWidthAt(unsigned int index, double& startWidth) const;
  Acad::ErrorStatus getEndWidthAt(unsigned int index, double& endWidth) const;
  // With reuse the first numVerts vertices stay (all when there are fewer);
  // without, every vertex goes.
  void reset(Adesk::Boolean reuse, unsigned int numVerts);
  void minimizeMemory();
  void maximizeMemory();

  // --- segments
  SegType segType(unsigned int index) const;
  Acad::ErrorStatus getLineSegAt(unsigned int index, AcGeLineSeg2d& ln) const;
  Acad::ErrorStatus getLineSegAt(unsigned int index, AcGeLineSeg3d& ln) const;
  Acad::ErrorStatus getArcSegAt(unsigned int index, AcGeCircArc2d& arc) const;
  Acad::ErrorStatus getArcSegAt(unsigned int index, AcGeCircArc3d& arc) const;
  // Whether a point of the plane lies on segment index; param is the
  // polyline's parameter there.
  Adesk::Boolean onSegAt(unsigned int index, const AcGePoint2d& pt2d, double& param) const;

  // --- whole-polyline properties
  void setClosed(Adesk::Boolean closed);
  Adesk::Boolean isClosed() const override;
  Adesk::Boolean isPeriodic() const override { return false; }
  void setPlinegen(Adesk::Boolean plinegen);
  Adesk::Boolean isPlinegen() const;
  double elevation() const;
  void setElevation(double elevation);
  double thickness() const;
  Acad::ErrorStatus setThickness(double thickness);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  // The width shared by every segment; eNotApplicable when the widths differ.
  Acad::ErrorStatus getConstantWidth(double& width) const;
  Acad::ErrorStatus setConstantWidth(double width);
  Adesk::Boolean isOnlyLines() const;
  Adesk::Boolean hasBulges() const;
  Adesk::Boolean hasWidth() const;

  // --- curve protocol
  Acad::ErrorStatus getSplitCurves(const AcGeDoubleArray& params, AcDbVoidPtrArray& curveSegments) const override;
  using vhost::CurveEntity::getSplitCurves;
  // Moves the first or last vertex along the extension of its segment
  // (straight on, or round the circle). Closed polylines do not extend.
  Acad::ErrorStatus extend(double newParam) override;
  Acad::ErrorStatus extend(Adesk::Boolean extendStart, const AcGePoint3d& toPoint) override;
  Acad::ErrorStatus reverseCurve() override;

  // --- entity protocol
  // Arcs need rotation, mirroring and uniform scaling (eCannotScaleNonUniformly
  // otherwise); a polyline of straight segments takes any transformation that
  // keeps its plane a plane. A mirror turns the bulges' signs.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  // Lines and arcs, one per segment that has length.
  Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;
  bool isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

  Acad::ErrorStatus buildGeometry(vhost::CurveGeometry& geometry) const override;

 private:
  bool validIndex(unsigned int index) const { return index < mOutline.verts.size(); }
  AcDbPolyline* newLike(std::vector<vhost::OutlineVertex> verts) const;

  vhost::BulgeOutline mOutline;
  bool mPlinegen = false;
  double mConstWidth = 0.0;
  double mThickness = 0.0;
};
