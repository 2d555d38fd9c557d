#pragma once
// Small helpers for classes filing themselves as DXF.
#include <string>

#include "arx/base/Resbuf.h"
#include "arx/db/AcDbDxfFiler.h"
#include "arx/db/VhostDxfKept.h"

namespace vhost {

// Records why reading failed and returns the status dxfInFields returns.
Acad::ErrorStatus dxfError(AcDbDxfFiler* filer, const std::wstring& message);
// The subclass marker expected next is missing.
Acad::ErrorStatus dxfBadSubclass(AcDbDxfFiler* filer, const ACHAR* subclass);
// Frees the string or binary value a filer allocated into a result buffer
// read with readResBuf, and clears it.
void dxfReleaseValue(resbuf& rb);
// The point of a group as AcGePoint3d (2D groups have z 0).
inline AcGePoint3d dxfPoint(const resbuf& rb) {
  return AcGePoint3d(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]);
}
inline AcGeVector3d dxfVector(const resbuf& rb) {
  return AcGeVector3d(rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]);
}
inline AcDbObjectId dxfObjectId(const resbuf& rb) {
  AcDbObjectId id;
  acdbGetObjectId(id, rb.resval.rlname);
  return id;
}

}  // namespace vhost
