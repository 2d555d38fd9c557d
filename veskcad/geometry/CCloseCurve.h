#pragma once
// A contour being built: the segments it is made of with the direction each
// is walked in, and the outline they give (vertices with one bulge each).
#include "arx/base/AcArray.h"
#include "mfc/CArray.h"
#include "veskcad/geometry/FCPlineSeg.h"

namespace BaseClass {

class CCloseCurve {
 public:
  // Appends a segment walked in a direction (+1 forwards, anything else
  // backwards). The joint vertex is held once: the outline's last vertex and
  // bulge give way to the segment's first.
  void Append(const FCPlineSeg& seg, int dir);
  void Clear();
  int GetCount() const { return static_cast<int>(m_segs.GetSize()); }

  // Closed: at least 3 vertices and the first equals the last under
  // AcGeContext::gTol; closed within t: their distance is below t.
  bool IsClosed() const;
  bool IsClosedWithin(double t) const;
  // Signed area of the outline closed from its last vertex back to its first
  // (arcs honoured): negative when it runs clockwise.
  double GetSignedArea() const;
  // The same outline walked the other way (segments, directions, vertices
  // and bulges).
  void Reverse();

  CArray<FCPlineSeg> m_segs;
  AcArray<int> m_dirs;
  AcGePoint3dArray m_pts;
  AcGeDoubleArray m_blgs;
};

}  // namespace BaseClass
