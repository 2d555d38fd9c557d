#include "veskcad/geometry/CFSearchAllCloseCurve.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "arx/ed/AcutPrintf.h"
#include "arx/ge/AcGeContext.h"
#include "veskbase/CFArxSelSet.h"
#include "veskbase/EntBasic.h"
#include "veskbase/EntCurve.h"
#include "veskbase/EntLayer.h"
#include "veskbase/PrintErrorMsg.h"
#include "veskcad/geometry/CDelMidPts.h"

using BaseClass::CCloseCurve;
using BaseClass::FCPlineSeg;

namespace {
// The equal-point tolerance every comparison uses while a search object lives.
constexpr double kSearchTol = 1e-6;
// A contour whose outline ends within this of its start is closed.
constexpr double kContourCloseTol = 1.0;
const wchar_t* const kTmpLayer = L"$tmpLayer";
const wchar_t* const kSourceFile = L".\\CFSearchAllCloseCurve";
}  // namespace

CFSearchAllCloseCurve::CFSearchAllCloseCurve() {
  m_dSavedTol = AcGeContext::gTol.equalPoint();
  AcGeContext::gTol.setEqualPoint(kSearchTol);
  Clear();
}

CFSearchAllCloseCurve::~CFSearchAllCloseCurve() {
  Clear();
  AcGeContext::gTol.setEqualPoint(m_dSavedTol);
}

void CFSearchAllCloseCurve::Clear() {
  // Working entities of segments the object made and did not hand out.
  for (size_t s = 0; s < m_segs.size(); ++s)
    if (m_info[s].live && m_info[s].owned && !m_info[s].handedOut && !m_segs[s].m_id.isNull())
      vesk::ent::Erase(m_segs[s].m_id);
  ResetNetwork();
  AcDbObjectId layer;
  if (vesk::ent::GetLayer(kTmpLayer, layer)) vesk::ent::DelLayer(layer, 1);
}

void CFSearchAllCloseCurve::Search(AcDbObjectIdArray ids, AcDbObjectIdArray& out) {
  Clear();
  m_stats = Stats();
  GetAllSeg(ids);
  try {
    std::vector<Ring> rings;
    CollectRings(rings);
    AcGePoint3dArray pts;
    AcGeDoubleArray blgs;
    for (const Ring& ring : rings) {
      RingOutline(ring, pts, blgs);
      AcDbObjectId id;
      if (!DrawContour(pts, blgs, id)) continue;
      out.append(id);
      ++m_stats.contours;
      if (ring.open) ++m_stats.gapClosed;
      if (ring.area < 0.0)
        ++m_stats.faces;
      else
        ++m_stats.outlines;
    }
  } catch (const Acad::ErrorStatus& es) {
    ReportError(L"CFSearchAllCloseCurve::Search", __LINE__, &es);
  } catch (...) {
    ReportError(L"CFSearchAllCloseCurve::Search", __LINE__, nullptr);
  }
}

int CFSearchAllCloseCurve::DrawContour(AcGePoint3dArray& pts, AcGeDoubleArray& blgs, AcDbObjectId& id) const {
  id.setNull();
  if (pts.length() < 2) return 0;
  if (pts.length() == blgs.length() + 1) pts.removeLast();
  while (blgs.length() < pts.length()) blgs.append(0.0);
  const bool closed = pts.length() >= 3 && pts.first().distanceTo(pts.last()) < kContourCloseTol;
  if (closed) {
    // Repeated vertices and the repeated closing vertex go; the closed flag
    // draws the closing piece.
    VeskCad::CDelMidPts(0.0, -1.0, 0).fnDelMidPoint(pts, &blgs);
    if (pts.length() >= 2 && pts.first().isEqualTo(pts.last())) {
      pts.removeLast();
      blgs.removeLast();
    }
    if (pts.length() < 2) return 0;
    return vesk::ent::DrawPolyline(pts, blgs, 0.0, id, nullptr, 1) ? 1 : 0;
  }
  return vesk::ent::DrawPolyline(pts, blgs, 0.0, id) ? 1 : 0;
}

int CFSearchAllCloseCurve::DealData(AcDbObjectIdArray& ids, int copyFirst) {
  Clear();
  m_stats = Stats();
  try {
    AcDbObjectIdArray work;
    if (copyFirst)
      EntsCopyChange(ids, work);
    else
      work = ids;
    for (const AcDbObjectId& id : work) {
      if (!vesk::ent::FIsValidId(id)) continue;
      FCPlineSeg seg(id);
      if (!seg.IsValid()) continue;
      for (AcGePoint3d& p : seg.m_pts) p.z = 0.0;
      const int st = NodeAt(AcGePoint2d(seg.GetSt().x, seg.GetSt().y));
      const int ed = NodeAt(AcGePoint2d(seg.GetEd().x, seg.GetEd().y));
      AddSeg(seg, st, ed, true);
    }
    std::vector<Ring> rings;
    FilterOneEntPt(rings, true);
    LinkEnt(rings, true);
  } catch (const Acad::ErrorStatus& es) {
    ReportError(L"CFSearchAllCloseCurve::DealData", __LINE__, &es);
  } catch (...) {
    ReportError(L"CFSearchAllCloseCurve::DealData", __LINE__, nullptr);
  }
  ids.removeAll();
  for (int s = 0; s < GetSegCount(); ++s) {
    if (!IsLive(s) || m_segs[s].m_id.isNull()) continue;
    ids.append(m_segs[s].m_id);
    m_info[s].handedOut = true;
  }
  std::sort(ids.begin(), ids.end());
  return 1;
}

void CFSearchAllCloseCurve::Test() {
  vesk::CFArxSelSet sel;
  if (sel.userSelect(nullptr) != Acad::eOk) return;
  AcDbObjectIdArray ids, out;
  sel.asArray(ids);
  Search(ids, out);
  acutPrintf(L"\n 搜索了%d个轮廓", out.length());
}

void CFSearchAllCloseCurve::ReportError(const wchar_t* location, int line, const Acad::ErrorStatus* es) const {
  if (es != nullptr) {
    vesk::PrintErrorMsg(*es, location);
    if (vesk::gbLogErrFile) vesk::LogErrorToFile(location, kSourceFile, line, acadErrorStatusText(*es));
    return;
  }
  acutPrintf(L"\n%s出现异常!", location);
  if (vesk::gbLogErrFile) {
    const std::wstring msg = std::wstring(location) + L" 第" + std::to_wstring(line) + L"行出现异常!";
    vesk::LogErrorToFile(location, kSourceFile, line, msg.c_str());
  }
}
