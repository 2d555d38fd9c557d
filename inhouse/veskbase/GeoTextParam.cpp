#include "veskbase/GeoTextParam.h"

#include <cwchar>

namespace vesk {
namespace geo {

int InitTextParam(TEXTPARAM& t) {
  t = TEXTPARAM();
  return 1;
}

int InitTextStyleParam(const wchar_t* name, TEXTSTYLEPARAM& s) {
  s = TEXTSTYLEPARAM();
  if (name != nullptr && *name != L'\0') {
    constexpr size_t n = sizeof(s.TextstyleName) / sizeof(s.TextstyleName[0]);
    std::wcsncpy(s.TextstyleName, name, n - 1);
    s.TextstyleName[n - 1] = L'\0';
  }
  return 1;
}

}  // namespace geo
}  // namespace vesk
