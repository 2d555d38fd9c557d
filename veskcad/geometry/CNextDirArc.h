#pragma once
// One step of a walk through the contour network: a segment, the way it is
// walked (+1 from its vertex 0 to its last vertex, -1 backwards) and the
// turn angle by which the step was chosen.
#include "veskcad/geometry/FCPlineSeg.h"

namespace BaseClass {

class CNextDirArc {
 public:
  CNextDirArc() = default;
  CNextDirArc(double angle, const FCPlineSeg& seg, int dir) : m_dAngle(angle), m_seg(seg), m_nDir(dir) {}

  // The vertex the step starts from and the one it arrives at.
  const AcGePoint3d& StartPoint() const { return m_nDir == 1 ? m_seg.GetSt() : m_seg.GetEd(); }
  const AcGePoint3d& EndPoint() const { return m_nDir == 1 ? m_seg.GetEd() : m_seg.GetSt(); }

  double m_dAngle = 0.0;
  FCPlineSeg m_seg;
  int m_nDir = 1;
};

}  // namespace BaseClass
