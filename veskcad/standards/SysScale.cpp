#include "veskcad/standards/SysScale.h"

#include <memory>

#include "arx/base/AdsTypes.h"
#include "arx/base/Resbuf.h"
#include "arx/ed/AcedLispSymbol.h"
#include "mfc/CString.h"
#include "veskbase/DatNamedObjDict.h"
#include "veskbase/DatSym.h"

namespace VeskCad {
namespace Fun {

namespace {

const wchar_t* const kScaleSymbol = L"$SYS_SCALE";
const wchar_t* const kDrawingInfo = L"ZEMIRDRAWINGINFO";

struct ChainDeleter {
  void operator()(resbuf* rb) const { acutRelRb(rb); }
};
using ChainPtr = std::unique_ptr<resbuf, ChainDeleter>;

// The drawing unit of the drawing information: "米" when the entry is
// missing, of another version, or has no unit after its fixed groups.
CString drawingUnit() {
  CString unit = L"米";
  resbuf* data = nullptr;
  if (!vesk::dat::ReadNamedObjDict(kDrawingInfo, kDrawingInfo, data)) return unit;
  ChainPtr chain(data);
  if (data == nullptr || data->restype != 90 || data->resval.rlong != 2) return unit;
  // The unit is the group 1 that ends the entry, after the last real of the
  // fixed groups.
  const resbuf* afterReal = nullptr;
  for (const resbuf* rb = data->rbnext; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == 40) afterReal = rb->rbnext;
  }
  if (afterReal != nullptr && afterReal->restype == 1 && afterReal->rbnext == nullptr &&
      afterReal->resval.rstring != nullptr)
    unit = afterReal->resval.rstring;
  return unit;
}

}  // namespace

double GetSysScale() {
  resbuf* value = nullptr;
  if (acedGetSym(kScaleSymbol, &value) == RTNORM && value != nullptr && value->restype != RTNIL) {
    ChainPtr chain(value);
    switch (value->restype) {
      case RTREAL:
        return value->resval.rreal;
      case RTSHORT:
        return static_cast<double>(value->resval.rint);
      case RTLONG:
        return static_cast<double>(value->resval.rlong);
      default:
        SetSysScale(1.0);
        return 1.0;
    }
  }
  acutRelRb(value);
  return drawingUnit().CompareNoCase(L"毫米") == 0 ? 1000.0 : 1.0;
}

int SetSysScale(double scale) { return vesk::dat::SetSym(kScaleSymbol, scale, RTREAL); }

}  // namespace Fun
}  // namespace VeskCad
