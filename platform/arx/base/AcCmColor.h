#pragma once
// A colour as objects and dialogs handle it: the entity colour (method and
// value) plus an optional colour name and colour-book name for true colours.
//
// Changing the colour drops the names: they describe one particular colour.
// colorName() and bookName() give "" when there is no name, never null.
// Strings handed out by getDescription/getExplanatoryText are allocated with
// new ACHAR[]; release them with acutDelString (or delete[]).
#include <string>

#include "arx/base/AcCmEntityColor.h"
#include "arx/base/AcadErrorStatus.h"
#include "arx/base/AdeskTypes.h"

class AcCmColor {
 public:
  AcCmColor() = default;  // a true colour, black
  explicit AcCmColor(const AcCmEntityColor& color) : mColor(color) {}
  AcCmColor& operator=(const AcCmEntityColor& color);

  AcCmEntityColor::ColorMethod colorMethod() const { return mColor.colorMethod(); }
  Acad::ErrorStatus setColorMethod(AcCmEntityColor::ColorMethod method);

  bool isByColor() const { return mColor.isByColor(); }
  bool isByLayer() const { return mColor.isByLayer(); }
  bool isByBlock() const { return mColor.isByBlock(); }
  bool isByACI() const { return mColor.isByACI(); }
  bool isByPen() const { return mColor.isByPen(); }
  bool isForeground() const { return mColor.isForeground(); }
  bool isNone() const { return mColor.isNone(); }

  Adesk::UInt32 color() const { return mColor.color(); }
  Acad::ErrorStatus setColor(Adesk::UInt32 color);

  Acad::ErrorStatus setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue);
  Acad::ErrorStatus setRed(Adesk::UInt8 red);
  Acad::ErrorStatus setGreen(Adesk::UInt8 green);
  Acad::ErrorStatus setBlue(Adesk::UInt8 blue);
  Adesk::UInt8 red() const { return mColor.red(); }
  Adesk::UInt8 green() const { return mColor.green(); }
  Adesk::UInt8 blue() const { return mColor.blue(); }

  // 0 by block, 256 by layer, 257 none, 1..255 an index; other values give
  // eInvalidInput.
  Acad::ErrorStatus setColorIndex(Adesk::UInt16 colorIndex);
  Adesk::UInt16 colorIndex() const { return static_cast<Adesk::UInt16>(mColor.colorIndex()); }

  Acad::ErrorStatus setPenIndex(Adesk::UInt16 penIndex);
  Adesk::UInt16 penIndex() const { return mColor.penIndex(); }

  Acad::ErrorStatus setByLayer();
  Acad::ErrorStatus setByBlock();
  Acad::ErrorStatus setForeground();
  Acad::ErrorStatus setNone();

  // Names belong to true colours: on any other colour, eNotApplicable. A null
  // or empty colour name with a book name gives eInvalidInput; a name may not
  // contain '$' (it separates book and colour in drawing files).
  Acad::ErrorStatus setNames(const ACHAR* colorName, const ACHAR* bookName = nullptr);
  Acad::ErrorStatus setColorName(const ACHAR* colorName);  // keeps the book name
  const ACHAR* colorName() const { return mColorName.c_str(); }
  const ACHAR* bookName() const { return mBookName.c_str(); }
  bool hasColorName() const { return !mColorName.empty(); }
  bool hasBookName() const { return !mBookName.empty(); }

  // Short text of the colour: "ByLayer", "ByBlock", "Foreground", "None",
  // "Red" ... "White" for 1-7, the index ("30") for other indexes,
  // "Book$Name" or the name for a named colour, "R,G,B" for an unnamed true
  // colour, "Pen N" for a pen.
  Acad::ErrorStatus getDescription(ACHAR*& description) const;
  // A sentence: "Index color 30 (255,127,0)", "True color 10,20,30",
  // "Color Name from book Book (10,20,30)", "ByLayer" ...
  Acad::ErrorStatus getExplanatoryText(ACHAR*& text) const;

  AcCmEntityColor entityColor() const { return mColor; }

  // The true-colour integer of drawing files (group 420): 0x00RRGGBB of what
  // the colour shows. -1 for methods that show no colour of their own (by
  // layer, by block, pen, none).
  Adesk::Int32 dxfTrueColor() const;
  // Reads a group 420 value: the low 24 bits are RGB; a high byte of 0 or of
  // the true-colour method (as some writers leave it) is accepted, anything
  // else gives eInvalidInput and changes nothing.
  Acad::ErrorStatus setDxfTrueColor(Adesk::Int32 value);
  // The colour-name text of drawing files (group 430): "Book$Name", or the
  // name alone without a book; "" without a name.
  std::wstring dxfColorName() const;
  // Reads a group 430 text onto the current true colour.
  Acad::ErrorStatus setDxfColorName(const ACHAR* text);

  bool operator==(const AcCmColor& o) const;
  bool operator!=(const AcCmColor& o) const { return !(*this == o); }
  bool operator==(const AcCmEntityColor& o) const { return mColor == o; }
  bool operator!=(const AcCmEntityColor& o) const { return mColor != o; }

 private:
  void dropNames();

  AcCmEntityColor mColor;
  std::wstring mColorName;
  std::wstring mBookName;
};
