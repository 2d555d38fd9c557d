#include "veskbase/LayerParam.h"

#include <cwchar>

namespace vesk {

namespace {
// Copies a name into a fixed field, cut to fit and always terminated.
void copyName(wchar_t (&dst)[256], const wchar_t* src) {
  if (src == nullptr) src = L"";
  std::wcsncpy(dst, src, 255);
  dst[255] = L'\0';
}
}  // namespace

LAYERPARAM::LAYERPARAM() : Color(7), Weight(0), Off(0), Frozen(0), VPDFLT(0), Locked(0), OwnerGroup(1023) {
  copyName(LayerName, L"0");
  copyName(LineType, L"CONTINUOUS");
}

void LAYERPARAM::SetLayerName(const wchar_t* name) { copyName(LayerName, name); }
void LAYERPARAM::SetLineType(const wchar_t* name) { copyName(LineType, name); }

}  // namespace vesk
