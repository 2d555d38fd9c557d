#include "arx/base/AcCmEntityColor.h"

namespace {

// The standard 256-entry index palette, 0x00RRGGBB. Indexes 1-7 are the
// named colours, 8 and 9 greys; 10-249 walk the hue circle in 15-degree
// steps, ten entries per hue: full colour and its pastel (halfway to white)
// at brightness 100%, 80%, 60%, 50% and 30%; 250-255 run from dark grey to
// white.
const Adesk::UInt32 kPalette[256] = {
    0x000000, 0xFF0000, 0xFFFF00, 0x00FF00,  // 0-3
    0x00FFFF, 0x0000FF, 0xFF00FF, 0xFFFFFF,  // 4-7
    0x808080, 0xC0C0C0, 0xFF0000, 0xFF7F7F,  // 8-11
    0xCC0000, 0xCC6666, 0x990000, 0x994C4C,  // 12-15
    0x7F0000, 0x7F3F3F, 0x4C0000, 0x4C2626,  // 16-19
    0xFF3F00, 0xFF9F7F, 0xCC3300, 0xCC7F66,  // 20-23
    0x992600, 0x995F4C, 0x7F1F00, 0x7F4F3F,  // 24-27
    0x4C1300, 0x4C2F26, 0xFF7F00, 0xFFBF7F,  // 28-31
    0xCC6600, 0xCC9966, 0x994C00, 0x99724C,  // 32-35
    0x7F3F00, 0x7F5F3F, 0x4C2600, 0x4C3926,  // 36-39
    0xFFBF00, 0xFFDF7F, 0xCC9900, 0xCCB266,  // 40-43
    0x997200, 0x99854C, 0x7F5F00, 0x7F6F3F,  // 44-47
    0x4C3900, 0x4C4226, 0xFFFF00, 0xFFFF7F,  // 48-51
    0xCCCC00, 0xCCCC66, 0x999900, 0x99994C,  // 52-55
    0x7F7F00, 0x7F7F3F, 0x4C4C00, 0x4C4C26,  // 56-59
    0xBFFF00, 0xDFFF7F, 0x99CC00, 0xB2CC66,  // 60-63
    0x729900, 0x85994C, 0x5F7F00, 0x6F7F3F,  // 64-67
    0x394C00, 0x424C26, 0x7FFF00, 0xBFFF7F,  // 68-71
    0x66CC00, 0x99CC66, 0x4C9900, 0x72994C,  // 72-75
    0x3F7F00, 0x5F7F3F, 0x264C00, 0x394C26,  // 76-79
    0x3FFF00, 0x9FFF7F, 0x33CC00, 0x7FCC66,  // 80-83
    0x269900, 0x5F994C, 0x1F7F00, 0x4F7F3F,  // 84-87
    0x134C00, 0x2F4C26, 0x00FF00, 0x7FFF7F,  // 88-91
    0x00CC00, 0x66CC66, 0x009900, 0x4C994C,  // 92-95
    0x007F00, 0x3F7F3F, 0x004C00, 0x264C26,  // 96-99
    0x00FF3F, 0x7FFF9F, 0x00CC33, 0x66CC7F,  // 100-103
    0x009926, 0x4C995F, 0x007F1F, 0x3F7F4F,  // 104-107
    0x004C13, 0x264C2F, 0x00FF7F, 0x7FFFBF,  // 108-111
    0x00CC66, 0x66CC99, 0x00994C, 0x4C9972,  // 112-115
    0x007F3F, 0x3F7F5F, 0x004C26, 0x264C39,  // 116-119
    0x00FFBF, 0x7FFFDF, 0x00CC99, 0x66CCB2,  // 120-123
    0x009972, 0x4C9985, 0x007F5F, 0x3F7F6F,  // 124-127
    0x004C39, 0x264C42, 0x00FFFF, 0x7FFFFF,  // 128-131
    0x00CCCC, 0x66CCCC, 0x009999, 0x4C9999,  // 132-135
    0x007F7F, 0x3F7F7F, 0x004C4C, 0x264C4C,  // 136-139
    0x00BFFF, 0x7FDFFF, 0x0099CC, 0x66B2CC,  // 140-143
    0x007299, 0x4C8599, 0x005F7F, 0x3F6F7F,  // 144-147
    0x00394C, 0x26424C, 0x007FFF, 0x7FBFFF,  // 148-151
    0x0066CC, 0x6699CC, 0x004C99, 0x4C7299,  // 152-155
    0x003F7F, 0x3F5F7F, 0x00264C, 0x26394C,  // 156-159
    0x003FFF, 0x7F9FFF, 0x0033CC, 0x667FCC,  // 160-163
    0x002699, 0x4C5F99, 0x001F7F, 0x3F4F7F,  // 164-167
    0x00134C, 0x262F4C, 0x0000FF, 0x7F7FFF,  // 168-171
    0x0000CC, 0x6666CC, 0x000099, 0x4C4C99,  // 172-175
    0x00007F, 0x3F3F7F, 0x00004C, 0x26264C,  // 176-179
    0x3F00FF, 0x9F7FFF, 0x3300CC, 0x7F66CC,  // 180-183
    0x260099, 0x5F4C99, 0x1F007F, 0x4F3F7F,  // 184-187
    0x13004C, 0x2F264C, 0x7F00FF, 0xBF7FFF,  // 188-191
    0x6600CC, 0x9966CC, 0x4C0099, 0x724C99,  // 192-195
    0x3F007F, 0x5F3F7F, 0x26004C, 0x39264C,  // 196-199
    0xBF00FF, 0xDF7FFF, 0x9900CC, 0xB266CC,  // 200-203
    0x720099, 0x854C99, 0x5F007F, 0x6F3F7F,  // 204-207
    0x39004C, 0x42264C, 0xFF00FF, 0xFF7FFF,  // 208-211
    0xCC00CC, 0xCC66CC, 0x990099, 0x994C99,  // 212-215
    0x7F007F, 0x7F3F7F, 0x4C004C, 0x4C264C,  // 216-219
    0xFF00BF, 0xFF7FDF, 0xCC0099, 0xCC66B2,  // 220-223
    0x990072, 0x994C85, 0x7F005F, 0x7F3F6F,  // 224-227
    0x4C0039, 0x4C2642, 0xFF007F, 0xFF7FBF,  // 228-231
    0xCC0066, 0xCC6699, 0x99004C, 0x994C72,  // 232-235
    0x7F003F, 0x7F3F5F, 0x4C0026, 0x4C2639,  // 236-239
    0xFF003F, 0xFF7F9F, 0xCC0033, 0xCC667F,  // 240-243
    0x990026, 0x994C5F, 0x7F001F, 0x7F3F4F,  // 244-247
    0x4C0013, 0x4C262F, 0x333333, 0x5B5B5B,  // 248-251
    0x848484, 0xADADAD, 0xD6D6D6, 0xFFFFFF,  // 252-255
};

int distance2(Adesk::UInt32 rgb, int r, int g, int b) {
  const int dr = static_cast<int>((rgb >> 16) & 0xFF) - r;
  const int dg = static_cast<int>((rgb >> 8) & 0xFF) - g;
  const int db = static_cast<int>(rgb & 0xFF) - b;
  return dr * dr + dg * dg + db * db;
}

bool isMethod(int m) { return m >= AcCmEntityColor::kByLayer && m <= AcCmEntityColor::kNone; }

bool isColorIndex(int index) {
  return (index >= AcCmEntityColor::kACIminLayer && index <= AcCmEntityColor::kACInone);
}

}  // namespace

AcCmEntityColor::AcCmEntityColor(ColorMethod method) : mValue(pack(kByColor, 0)) {
  setColorMethod(method);
}

Acad::ErrorStatus AcCmEntityColor::setColorMethod(ColorMethod method) {
  if (!isMethod(method)) return Acad::eInvalidInput;
  const ColorMethod old = colorMethod();
  if (method == old) return Acad::eOk;
  switch (method) {
    case kByLayer:
      mValue = pack(method, indexValue(kACIbyLayer));
      break;
    case kByBlock:
      mValue = pack(method, indexValue(kACIbyBlock));
      break;
    case kForeground:
      mValue = pack(method, indexValue(kACIforeground));
      break;
    case kNone:
      mValue = pack(method, indexValue(kACInone));
      break;
    case kByColor:
      mValue = pack(method, shownRGB());
      break;
    case kByACI: {
      Adesk::Int16 index = kACIforeground;
      if (old == kByColor) index = lookUpACI(red(), green(), blue());
      mValue = pack(method, indexValue(index));
      break;
    }
    case kByPen:
      mValue = pack(method, 0);
      break;
    case kLayerOff:
    case kLayerFrozen:
      // These mark a layer's state; the index is kept.
      mValue = pack(method, mValue & 0xFFFFu);
      break;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcCmEntityColor::setColor(Adesk::UInt32 color) {
  const int method = static_cast<int>(color >> 24);
  if (!isMethod(method)) return Acad::eInvalidInput;
  if (method == kByACI) {
    const int index = static_cast<Adesk::Int16>(color & 0xFFFFu);
    if ((color & 0xFF0000u) != 0 || index == 0 || index < kACIminLayer || index > kACImax)
      return Acad::eInvalidInput;
  }
  mValue = color;
  return Acad::eOk;
}

Acad::ErrorStatus AcCmEntityColor::setColorIndex(Adesk::Int16 colorIndex) {
  if (!isColorIndex(colorIndex)) return Acad::eInvalidInput;
  switch (colorIndex) {
    case kACIbyBlock:
      mValue = pack(kByBlock, indexValue(colorIndex));
      break;
    case kACIbyLayer:
      mValue = pack(kByLayer, indexValue(colorIndex));
      break;
    case kACInone:
      mValue = pack(kNone, indexValue(colorIndex));
      break;
    default:
      mValue = pack(kByACI, indexValue(colorIndex));
      break;
  }
  return Acad::eOk;
}

Adesk::Int16 AcCmEntityColor::colorIndex() const {
  switch (colorMethod()) {
    case kByColor:
      return lookUpACI(red(), green(), blue());
    case kByLayer:
      return kACIbyLayer;
    case kByBlock:
      return kACIbyBlock;
    case kForeground:
      return kACIforeground;
    case kByACI:
    case kLayerOff:
    case kLayerFrozen:
      return storedIndex();
    default:
      return kACInone;
  }
}

Acad::ErrorStatus AcCmEntityColor::setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue) {
  mValue = pack(kByColor, rgbValue(red, green, blue));
  return Acad::eOk;
}

Acad::ErrorStatus AcCmEntityColor::setRed(Adesk::UInt8 red) {
  setColorMethod(kByColor);
  mValue = (mValue & 0xFF00FFFFu) | (static_cast<Adesk::UInt32>(red) << 16);
  return Acad::eOk;
}

Acad::ErrorStatus AcCmEntityColor::setGreen(Adesk::UInt8 green) {
  setColorMethod(kByColor);
  mValue = (mValue & 0xFFFF00FFu) | (static_cast<Adesk::UInt32>(green) << 8);
  return Acad::eOk;
}

Acad::ErrorStatus AcCmEntityColor::setBlue(Adesk::UInt8 blue) {
  setColorMethod(kByColor);
  mValue = (mValue & 0xFFFFFF00u) | blue;
  return Acad::eOk;
}

Adesk::UInt32 AcCmEntityColor::shownRGB() const {
  switch (colorMethod()) {
    case kByColor:
      return mValue & 0xFFFFFFu;
    case kByACI: {
      const int index = storedIndex();
      return kPalette[index < 0 ? -index : index];
    }
    case kForeground:
      return kPalette[kACIforeground];
    default:
      return 0;
  }
}

Adesk::UInt8 AcCmEntityColor::red() const { return static_cast<Adesk::UInt8>(shownRGB() >> 16); }
Adesk::UInt8 AcCmEntityColor::green() const { return static_cast<Adesk::UInt8>(shownRGB() >> 8); }
Adesk::UInt8 AcCmEntityColor::blue() const { return static_cast<Adesk::UInt8>(shownRGB()); }

Acad::ErrorStatus AcCmEntityColor::setPenIndex(Adesk::UInt16 penIndex) {
  mValue = pack(kByPen, penIndex);
  return Acad::eOk;
}

Adesk::UInt16 AcCmEntityColor::penIndex() const {
  return isByPen() ? static_cast<Adesk::UInt16>(mValue & 0xFFFFu) : 0xFFFF;
}

bool AcCmEntityColor::isLayerOff() const {
  const ColorMethod m = colorMethod();
  return m == kLayerOff || (m == kByACI && storedIndex() < 0);
}

Adesk::UInt32 AcCmEntityColor::trueColor() const {
  switch (colorMethod()) {
    case kByColor:
    case kByACI:
    case kForeground:
      return pack(kByColor, shownRGB());
    default:
      return mValue;
  }
}

AcCmEntityColor::ColorMethod AcCmEntityColor::trueColorMethod() const {
  switch (colorMethod()) {
    case kByACI:
    case kForeground:
      return kByColor;
    default:
      return colorMethod();
  }
}

Adesk::UInt32 AcCmEntityColor::lookUpRGB(Adesk::UInt8 colorIndex) { return kPalette[colorIndex]; }

Adesk::UInt8 AcCmEntityColor::lookUpACI(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue) {
  int best = 1;
  int bestDist = distance2(kPalette[1], red, green, blue);
  for (int i = 2; i <= kACImax && bestDist != 0; ++i) {
    const int d = distance2(kPalette[i], red, green, blue);
    if (d < bestDist) {
      bestDist = d;
      best = i;
    }
  }
  return static_cast<Adesk::UInt8>(best);
}
