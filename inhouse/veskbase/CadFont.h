#pragma once
// The host's font folder and the shape-font names of the standards.
//
// A text-style record names its font either as a typeface ("宋体") or as
// shape-font files: a main font, optionally followed by "|" and a big font
// ("txt.shx|hztxt.shx"). Shape fonts are taken from the host's font folder.
#include "mfc/CString.h"

namespace vesk {
namespace cad {

// The host's font folder, in the module's path form with its trailing
// separator: the folder "Fonts" of the data root (VeskFile GetVeskDataRoot).
CString GetFontPath();

// Whether fontFile names shape fonts (it contains ".shx", case ignored). When
// it does, mainFile := the font folder + the part before "|" (the whole text
// without "|"), bigFile := the font folder + the part after "|", or empty when
// there is no big font or it is blank. Blanks around each part are dropped.
// Returns 0 and leaves both texts empty for a typeface name or an empty main
// part.
int SplitShapeFontFile(const wchar_t* fontFile, CString& mainFile, CString& bigFile);

}  // namespace cad
}  // namespace vesk
