#pragma once
// Text styles and texts made from the standards.
//
// A text record (TEXTPARAM) names its style in Textstyle: "$item" names a row
// of the text-style table "文本样式" by its item, any other value is a plain
// style name (a style made with the defaults: "宋体", height 3.0, width
// factor 1.0). A style record's FontFile is a typeface ("宋体") or shape
// fonts ("txt.shx", "txt.shx|hztxt.shx": main font and big font from the
// host's font folder).
//
// The standards are read through the shared standards database unless the
// caller passes one (db null: the shared one). Results: 1 found or done, 0
// otherwise; drawing failures are reported through vesk::PrintErrorMsg and
// give 0.
#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint3d.h"
#include "mfc/CString.h"
#include "veskbase/StyleParams.h"

namespace VeskDB {

class CCustomDatabase;

// s := the text-style row of name; without a shared database or a row, the
// defaults named name (VeskBase InitTextStyleParam). 1 when the row was read,
// 0 when the defaults were used.
int gpGetTextStyleParam(const wchar_t* name, vesk::TEXTSTYLEPARAM& s);

// t := the text row of item (defaults when there is none). When t.Textstyle
// is a plain name, s := a default style of that name with vertical 1; when it
// is "$x", s := the text-style row of x (the defaults named x when there is
// none). 1 when every row needed was read, 0 when defaults stood in.
int gpGetTextStyleParam(CString item, CCustomDatabase* db, vesk::TEXTPARAM& t, vesk::TEXTSTYLEPARAM& s);

// The drawing's text style named by the text-style row of name; null when
// there is no shared database, no row, or no such style in the drawing.
AcDbObjectId gpGetTextStyle(const wchar_t* name);
// As gpGetTextStyle, the style being created from the row when the drawing
// lacks it.
AcDbObjectId gpCreateTextStyle(const wchar_t* name);

// Finds or creates the style s->TextstyleName in the current drawing:
//  - an existing style gives back its font: FontFile := its typeface, Bold
//    and Italic from it; a style without a typeface gives its shape font file
//    name (or else big font file name) without folder and extension;
//  - a new style gets the obliquing angle, width factor (XScale), text size
//    (Height) and font of the record; shape fonts take the vertical flag.
// 1 with id set on success; 0 when a setting is refused or the style cannot
// be added (nothing is added then).
int gpOpenTextstyle(vesk::TEXTSTYLEPARAM* s, AcDbObjectId& id);

// t := the text row of item, or the defaults. 1 when the row was read.
int gpGetTextParam(CString item, vesk::TEXTPARAM& t);

// A single-line text at pt (position and alignment point) with the text, the
// rotation angle, t's height and thickness, on the style of t (opened or made
// with VeskBase OpenTxtStyle), mirrored as the style says, added to the
// current space. mode gives the alignment: 1 centre/middle, 2 centre/bottom,
// 3 centre/top, 4 right/bottom, 5 left/bottom, anything else left/middle.
// A "$x" style without a shared database or row creates nothing (0).
int gpCreateText(AcGePoint3d pt, const wchar_t* text, double angle, int mode, vesk::TEXTPARAM t, AcDbObjectId& id);
// The same with the style record s (opened or made with gpOpenTextstyle),
// whose XScale also becomes the text's width factor; a null s takes the style
// from t as above.
int gpCreateText(AcGePoint3d pt, const wchar_t* text, double angle, int mode, vesk::TEXTPARAM* t,
                 vesk::TEXTSTYLEPARAM* s, AcDbObjectId& id);
// The same with the alignment given directly (horizontal 0-5, a vertical mode
// above 2 counts as 0); a "$x" style is found or made with gpGetTextStyle /
// gpCreateTextStyle. The text goes on t.OwnerLayer: "$x" is resolved with
// gpGetLayerParam, a plain name is used when the drawing has that layer
// (otherwise, and when "$x" does not resolve, the current layer).
int gpCreateTextEx(const AcGePoint3d& pt, const wchar_t* text, double angle, unsigned horizontal, unsigned vertical,
                   const vesk::TEXTPARAM& t, AcDbObjectId& id);

// len := the number of characters x 0.5 x t.Height / the style's XScale. The
// style is the text-style row of a "$x" Textstyle (len is left unchanged, 0,
// without a shared database or row), else XScale 1.0.
int gpGetTextLen(CString text, vesk::TEXTPARAM t, double& len);
// The same with the style given; an XScale not above 0 leaves len unchanged (0).
int gpGetTextLen(CString text, vesk::TEXTSTYLEPARAM& s, vesk::TEXTPARAM& t, double& len);

}  // namespace VeskDB
