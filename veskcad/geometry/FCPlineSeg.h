#pragma once
// One segment of the network the closed contour search walks: a run of
// vertices with one bulge each (see veskbase/EntCurve.h), from its start
// (vertex 0) to its end (the last vertex), and the working entity that
// carries it when there is one.
#include "arx/base/AcArray.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint3d.h"

namespace BaseClass {

class FCPlineSeg {
 public:
  FCPlineSeg() = default;
  // From an entity: its vertex list read with vesk::ent::GetCurveParam
  // (flattened). IsValid() tells whether it could be read.
  explicit FCPlineSeg(const AcDbObjectId& id);
  // From a vertex list, in memory (no entity yet). A bulge list one short of
  // the vertices gets a final 0.
  FCPlineSeg(AcGePoint3dArray vertices, AcGeDoubleArray bulges);

  // Reads the segment from an entity (replacing everything); 0 when the
  // entity is not a curve that can be read.
  int SetFromEntity(const AcDbObjectId& id);
  // Gives the segment a working entity: a new lightweight polyline with its
  // vertex list on the layer named (null: the current layer). Returns 1 and
  // sets the id; 0 when the polyline could not be made.
  int CreateEntity(const wchar_t* layer = nullptr);

  bool IsValid() const { return m_pts.length() >= 2 && m_blgs.length() == m_pts.length(); }
  const AcGePoint3d& GetSt() const { return m_pts.first(); }
  const AcGePoint3d& GetEd() const { return m_pts.last(); }
  // Closed: at least 3 vertices and the first equals the last under
  // AcGeContext::gTol; closed within t: their distance is below t.
  bool IsClosed() const;
  bool IsClosedWithin(double t) const;
  // The midpoints of the first and the last piece (on the arc for a bulged
  // piece), which show the way the segment leaves each of its ends.
  void CalMidPoints();
  // Length along the segment (arcs honoured).
  double GetLength() const;

  AcDbObjectId m_id;
  AcGePoint3dArray m_pts;
  AcGeDoubleArray m_blgs;
  AcGePoint3d m_ptStMid;
  AcGePoint3d m_ptEdMid;
};

}  // namespace BaseClass
