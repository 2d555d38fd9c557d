#pragma once
// The colour an entity carries: a colour method and its value packed in 32 bits.
//
// Packing: the method sits in the high byte; below it, a true colour keeps
// red, green and blue (0x..RRGGBB), and the other methods keep an index in the
// low 16 bits (the colour index for kByACI, 256 for kByLayer, 0 for kByBlock,
// 7 for kForeground, 257 for kNone, the pen number for kByPen).
// The object is exactly 4 bytes.
#include "arx/base/AcadErrorStatus.h"
#include "arx/base/AdeskTypes.h"

class AcCmEntityColor {
 public:
  enum ColorMethod : Adesk::UInt8 {
    kByLayer = 0xC0,
    kByBlock,
    kByColor,
    kByACI,
    kByPen,
    kForeground,
    kLayerOff,
    kLayerFrozen,
    kNone
  };

  // Special colour index values.
  enum ACIcolorMethod {
    kACIbyBlock = 0,
    kACIforeground = 7,
    kACIbyLayer = 256,
    kACIclear = 0,
    kACIRed = 1,
    kACIYellow = 2,
    kACIGreen = 3,
    kACICyan = 4,
    kACIBlue = 5,
    kACIMagenta = 6,
    kACIWhite = 7,
    kACIstandard = 7,
    kACImax = 255,
    kACInone = 257,
    kACIminLayer = -255,  // a negative index marks the colour of a layer that is off
    kACImaxLayer = -1
  };

  // A true colour, black.
  AcCmEntityColor() : mValue(pack(kByColor, 0)) {}
  AcCmEntityColor(ColorMethod method);
  AcCmEntityColor(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue)
      : mValue(pack(kByColor, rgbValue(red, green, blue))) {}

  // Switches the method. The colour is kept where the new method can express
  // it: a colour index becomes its palette colour under kByColor, a true
  // colour becomes the nearest index under kByACI. An unknown method gives
  // eInvalidInput and changes nothing.
  Acad::ErrorStatus setColorMethod(ColorMethod method);
  ColorMethod colorMethod() const { return static_cast<ColorMethod>(mValue >> 24); }

  // The whole packed value. setColor checks the method and, for an index
  // method, the index; a bad value gives eInvalidInput and changes nothing.
  Acad::ErrorStatus setColor(Adesk::UInt32 color);
  Adesk::UInt32 color() const { return mValue; }

  // 0 → by block, 256 → by layer, 257 → none, 1..255 → that index,
  // -255..-1 → that index of a layer that is off. Anything else gives
  // eInvalidInput and changes nothing.
  Acad::ErrorStatus setColorIndex(Adesk::Int16 colorIndex);
  // The index of the colour: the stored one for kByACI, 256/0/7/257 for by
  // layer/by block/foreground/none, the nearest palette index for a true
  // colour, 257 for a pen colour.
  Adesk::Int16 colorIndex() const;

  Acad::ErrorStatus setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue);
  // Setting one channel makes the colour a true colour first (keeping what it
  // showed), then changes the channel.
  Acad::ErrorStatus setRed(Adesk::UInt8 red);
  Acad::ErrorStatus setGreen(Adesk::UInt8 green);
  Acad::ErrorStatus setBlue(Adesk::UInt8 blue);
  // The channels of what the colour shows: stored for a true colour, from the
  // palette for an index (the absolute value for a layer that is off), white
  // for the foreground; 0 for by layer, by block, pen and none.
  Adesk::UInt8 red() const;
  Adesk::UInt8 green() const;
  Adesk::UInt8 blue() const;

  Acad::ErrorStatus setPenIndex(Adesk::UInt16 penIndex);
  // The pen number of a pen colour, 0xFFFF for any other method.
  Adesk::UInt16 penIndex() const;

  bool isByColor() const { return colorMethod() == kByColor; }
  bool isByLayer() const { return colorMethod() == kByLayer; }
  bool isByBlock() const { return colorMethod() == kByBlock; }
  bool isByACI() const { return colorMethod() == kByACI; }
  bool isByPen() const { return colorMethod() == kByPen; }
  bool isForeground() const { return colorMethod() == kForeground; }
  bool isNone() const { return colorMethod() == kNone; }
  bool isLayerOff() const;

  // The colour as a true colour (kByColor in the high byte, RGB below) for a
  // true colour, an index and the foreground; other methods are returned as
  // they are, since their colour is decided elsewhere.
  Adesk::UInt32 trueColor() const;
  ColorMethod trueColorMethod() const;

  bool operator==(const AcCmEntityColor& o) const { return mValue == o.mValue; }
  bool operator!=(const AcCmEntityColor& o) const { return mValue != o.mValue; }

  // Packed RGB (0x00RRGGBB) of a palette index.
  static Adesk::UInt32 lookUpRGB(Adesk::UInt8 colorIndex);
  // The palette index (1..255) nearest to a colour; the lowest index wins a tie.
  static Adesk::UInt8 lookUpACI(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue);

 private:
  static constexpr Adesk::UInt32 pack(ColorMethod m, Adesk::UInt32 low) {
    return (static_cast<Adesk::UInt32>(m) << 24) | (low & 0xFFFFFFu);
  }
  static constexpr Adesk::UInt32 rgbValue(Adesk::UInt8 r, Adesk::UInt8 g, Adesk::UInt8 b) {
    return (static_cast<Adesk::UInt32>(r) << 16) | (static_cast<Adesk::UInt32>(g) << 8) | b;
  }
  static Adesk::UInt32 indexValue(Adesk::Int16 index) { return static_cast<Adesk::UInt16>(index); }
  Adesk::Int16 storedIndex() const { return static_cast<Adesk::Int16>(mValue & 0xFFFFu); }
  Adesk::UInt32 shownRGB() const;  // 0x00RRGGBB of what the colour shows

  Adesk::UInt32 mValue;
};
