#pragma once
// A selection set of the working drawing made by the host's acedSSGet, kept
// as an ads_name and freed with the object (or by the next selection).
//
// Every select call returns Acad::eOk (0) when the new set holds at least one
// entity; otherwise the set is empty and the status says why:
//   eUserBreak      the user cancelled a prompt;
//   eNotApplicable  nothing was selected (or the filter was refused);
//   eInvalidInput   too few points for the mode.
// Filters are result-buffer chains as acedSSGet takes them (null: none); they
// stay the caller's. Points are taken as the host takes them (current UCS).
#include "arx/base/AcArray.h"
#include "arx/base/AcadErrorStatus.h"
#include "arx/base/AdsTypes.h"
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint3d.h"

namespace vesk {

class CFArxSelSet {
 public:
  CFArxSelSet();
  ~CFArxSelSet();
  CFArxSelSet(const CFArxSelSet&) = delete;
  CFArxSelSet& operator=(const CFArxSelSet&) = delete;

  // The user picks entities ("Select objects: " until Enter).
  Acad::ErrorStatus userSelect(const resbuf* filter = nullptr);
  // Every entity of the drawing (all layouts) that passes the filter.
  Acad::ErrorStatus allSelect(const resbuf* filter = nullptr);
  // Entities wholly inside / inside or crossing a polygon (at least 3 points).
  Acad::ErrorStatus windowPolygonSelect(const AcGePoint3dArray& points, const resbuf* filter = nullptr);
  Acad::ErrorStatus crossingPolygonSelect(const AcGePoint3dArray& points, const resbuf* filter = nullptr);
  // Entities crossed by a fence through the points (at least 2).
  Acad::ErrorStatus fenceSelect(const AcGePoint3dArray& points, const resbuf* filter = nullptr);

  // The status of the last select call.
  Acad::ErrorStatus lastStatus() const { return mStatus; }
  // Number of entities in the set (0 when there is none).
  int length() const;
  bool isEmpty() const { return length() == 0; }
  // The ids of the set in selection order (ids is replaced; empty without a set).
  void asArray(AcDbObjectIdArray& ids) const;
  // Frees the set.
  void clear();

 private:
  Acad::ErrorStatus select(const ACHAR* mode, const void* pt1, const resbuf* filter);
  Acad::ErrorStatus selectByPoints(const ACHAR* mode, const AcGePoint3dArray& points, int minPoints,
                                   const resbuf* filter);
  ads_name mSS = {0, 0};
  bool mHasSet = false;
  Acad::ErrorStatus mStatus = Acad::eOk;
};

}  // namespace vesk
