#include "arx/db/VhostDxfSupport.h"

#include "arx/base/RbValueType.h"

namespace vhost {

Acad::ErrorStatus dxfError(AcDbDxfFiler* filer, const std::wstring& message) {
  if (filer) {
    filer->vhostReportError(message);
    filer->setFilerStatus(Acad::eBadDxfSequence);
  }
  return Acad::eBadDxfSequence;
}

Acad::ErrorStatus dxfBadSubclass(AcDbDxfFiler* filer, const ACHAR* subclass) {
  return dxfError(filer, std::wstring(L"expected the subclass marker 100 ") + (subclass ? subclass : L""));
}

void dxfReleaseValue(resbuf& rb) {
  switch (rbValueType(rb.restype)) {
    case RbValueType::kString:
    case RbValueType::kHandle:
      delete[] rb.resval.rstring;
      rb.resval.rstring = nullptr;
      break;
    case RbValueType::kBinary:
      delete[] rb.resval.rbinary.buf;
      rb.resval.rbinary.buf = nullptr;
      rb.resval.rbinary.clen = 0;
      break;
    default:
      break;
  }
}

}  // namespace vhost
