// Selection sets of the working drawing through acedSSGet.
#include "veskbase/CFArxSelSet.h"

#include "arx/ed/AcedSelectionSet.h"

namespace vesk {

namespace {

Acad::ErrorStatus statusOf(int rc) {
  switch (rc) {
    case RTNORM: return Acad::eOk;
    case RTCAN: return Acad::eUserBreak;
    default: return Acad::eNotApplicable;
  }
}

// The points as a chain of RT3DPOINT nodes (null for none).
resbuf* pointChain(const AcGePoint3dArray& points) {
  resbuf* head = nullptr;
  resbuf* tail = nullptr;
  for (const AcGePoint3d& p : points) {
    resbuf* rb = acutNewRb(RT3DPOINT);
    rb->resval.rpoint[0] = p.x;
    rb->resval.rpoint[1] = p.y;
    rb->resval.rpoint[2] = p.z;
    if (tail == nullptr)
      head = rb;
    else
      tail->rbnext = rb;
    tail = rb;
  }
  return head;
}

}  // namespace

CFArxSelSet::CFArxSelSet() = default;

CFArxSelSet::~CFArxSelSet() { clear(); }

void CFArxSelSet::clear() {
  if (mHasSet) acedSSFree(mSS);
  mHasSet = false;
  mSS[0] = mSS[1] = 0;
}

Acad::ErrorStatus CFArxSelSet::select(const ACHAR* mode, const void* pt1, const resbuf* filter) {
  clear();
  ads_name ss = {0, 0};
  const int rc = acedSSGet(mode, pt1, nullptr, filter, ss);
  mStatus = statusOf(rc);
  if (mStatus == Acad::eOk) {
    mSS[0] = ss[0];
    mSS[1] = ss[1];
    mHasSet = true;
  }
  return mStatus;
}

Acad::ErrorStatus CFArxSelSet::selectByPoints(const ACHAR* mode, const AcGePoint3dArray& points, int minPoints,
                                              const resbuf* filter) {
  if (points.length() < minPoints) {
    clear();
    mStatus = Acad::eInvalidInput;
    return mStatus;
  }
  resbuf* chain = pointChain(points);
  const Acad::ErrorStatus es = select(mode, chain, filter);
  acutRelRb(chain);
  return es;
}

Acad::ErrorStatus CFArxSelSet::userSelect(const resbuf* filter) { return select(nullptr, nullptr, filter); }

Acad::ErrorStatus CFArxSelSet::allSelect(const resbuf* filter) { return select(L"X", nullptr, filter); }

Acad::ErrorStatus CFArxSelSet::windowPolygonSelect(const AcGePoint3dArray& points, const resbuf* filter) {
  return selectByPoints(L"WP", points, 3, filter);
}

Acad::ErrorStatus CFArxSelSet::crossingPolygonSelect(const AcGePoint3dArray& points, const resbuf* filter) {
  return selectByPoints(L"CP", points, 3, filter);
}

Acad::ErrorStatus CFArxSelSet::fenceSelect(const AcGePoint3dArray& points, const resbuf* filter) {
  return selectByPoints(L"F", points, 2, filter);
}

int CFArxSelSet::length() const {
  if (!mHasSet) return 0;
  Adesk::Int32 n = 0;
  if (acedSSLength(mSS, &n) != RTNORM) return 0;
  return static_cast<int>(n);
}

void CFArxSelSet::asArray(AcDbObjectIdArray& ids) const {
  ids.setLogicalLength(0);
  if (mHasSet) vhost::ssToIds(mSS, ids);
}

}  // namespace vesk
