#include "veskbase/CadFont.h"

#include "veskfile/DataRoot.h"

namespace vesk {
namespace cad {

CString GetFontPath() { return veskfile::GetVeskDataRoot() + L"Fonts\\"; }

int SplitShapeFontFile(const wchar_t* fontFile, CString& mainFile, CString& bigFile) {
  mainFile.Empty();
  bigFile.Empty();
  if (fontFile == nullptr) return 0;
  CString text(fontFile);
  CString lower(text);
  lower.MakeLower();
  if (lower.Find(L".shx") < 0) return 0;
  CString main = text;
  CString big;
  const int bar = text.Find(L'|');
  if (bar >= 0) {
    main = text.Left(bar);
    big = text.Mid(bar + 1);
  }
  main.Trim();
  big.Trim();
  if (main.IsEmpty()) return 0;
  const CString folder = GetFontPath();
  mainFile = folder + main;
  if (!big.IsEmpty()) bigFile = folder + big;
  return 1;
}

}  // namespace cad
}  // namespace vesk
