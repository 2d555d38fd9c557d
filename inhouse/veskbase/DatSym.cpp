#include "veskbase/DatSym.h"

#include <cmath>
#include <limits>

#include "arx/base/AdsTypes.h"
#include "arx/base/Resbuf.h"
#include "arx/ed/AcedLispSymbol.h"

namespace vesk {
namespace dat {

namespace {

int put(const wchar_t* name, resbuf* value) {
  if (value == nullptr) return 0;
  const int rc = acedPutSym(name, value);
  acutRelRb(value);
  return rc == RTNORM ? 1 : 0;
}

}  // namespace

int SetSym(const wchar_t* name, double value, int type) {
  if (!std::isfinite(value)) return 0;
  resbuf* rb = nullptr;
  switch (type) {
    case RTREAL:
      rb = acutNewRb(RTREAL);
      rb->resval.rreal = value;
      break;
    case RTSHORT: {
      const double r = std::round(value);
      if (r < std::numeric_limits<short>::min() || r > std::numeric_limits<short>::max()) return 0;
      rb = acutNewRb(RTSHORT);
      rb->resval.rint = static_cast<short>(r);
      break;
    }
    case RTLONG: {
      const double r = std::round(value);
      if (r < std::numeric_limits<Adesk::Int32>::min() || r > std::numeric_limits<Adesk::Int32>::max()) return 0;
      rb = acutNewRb(RTLONG);
      rb->resval.rlong = static_cast<Adesk::Int32>(r);
      break;
    }
    default:
      return 0;
  }
  return put(name, rb);
}

int SetSym(const wchar_t* name, const wchar_t* text) {
  if (text == nullptr) return 0;
  return put(name, acutBuildList(RTSTR, text, 0));
}

}  // namespace dat
}  // namespace vesk
