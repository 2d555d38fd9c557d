#include "arx/base/AcCmColor.h"

#include <cwchar>
#include <string>

namespace {

ACHAR* newText(const std::wstring& s) {
  ACHAR* out = new ACHAR[s.size() + 1];
  std::wmemcpy(out, s.c_str(), s.size() + 1);
  return out;
}

std::wstring rgbText(const AcCmEntityColor& c) {
  return std::to_wstring(c.red()) + L"," + std::to_wstring(c.green()) + L"," + std::to_wstring(c.blue());
}

const wchar_t* const kNamedIndexes[] = {L"Red", L"Yellow", L"Green", L"Cyan", L"Blue", L"Magenta", L"White"};

bool validName(const ACHAR* s) { return s != nullptr && *s != 0 && std::wcschr(s, L'$') == nullptr; }

}  // namespace

AcCmColor& AcCmColor::operator=(const AcCmEntityColor& color) {
  if (color != mColor) dropNames();
  mColor = color;
  return *this;
}

void AcCmColor::dropNames() {
  mColorName.clear();
  mBookName.clear();
}

Acad::ErrorStatus AcCmColor::setColorMethod(AcCmEntityColor::ColorMethod method) {
  const AcCmEntityColor before = mColor;
  const Acad::ErrorStatus es = mColor.setColorMethod(method);
  if (mColor != before) dropNames();
  return es;
}

Acad::ErrorStatus AcCmColor::setColor(Adesk::UInt32 color) {
  const AcCmEntityColor before = mColor;
  const Acad::ErrorStatus es = mColor.setColor(color);
  if (mColor != before) dropNames();
  return es;
}

Acad::ErrorStatus AcCmColor::setRGB(Adesk::UInt8 red, Adesk::UInt8 green, Adesk::UInt8 blue) {
  *this = AcCmEntityColor(red, green, blue);
  return Acad::eOk;
}

Acad::ErrorStatus AcCmColor::setRed(Adesk::UInt8 red) {
  AcCmEntityColor c = mColor;
  c.setRed(red);
  *this = c;
  return Acad::eOk;
}

Acad::ErrorStatus AcCmColor::setGreen(Adesk::UInt8 green) {
  AcCmEntityColor c = mColor;
  c.setGreen(green);
  *this = c;
  return Acad::eOk;
}

Acad::ErrorStatus AcCmColor::setBlue(Adesk::UInt8 blue) {
  AcCmEntityColor c = mColor;
  c.setBlue(blue);
  *this = c;
  return Acad::eOk;
}

Acad::ErrorStatus AcCmColor::setColorIndex(Adesk::UInt16 colorIndex) {
  if (colorIndex > AcCmEntityColor::kACInone) return Acad::eInvalidInput;
  AcCmEntityColor c;
  const Acad::ErrorStatus es = c.setColorIndex(static_cast<Adesk::Int16>(colorIndex));
  if (es == Acad::eOk) *this = c;
  return es;
}

Acad::ErrorStatus AcCmColor::setPenIndex(Adesk::UInt16 penIndex) {
  AcCmEntityColor c;
  c.setPenIndex(penIndex);
  *this = c;
  return Acad::eOk;
}

Acad::ErrorStatus AcCmColor::setByLayer() { return setColorMethod(AcCmEntityColor::kByLayer); }
Acad::ErrorStatus AcCmColor::setByBlock() { return setColorMethod(AcCmEntityColor::kByBlock); }
Acad::ErrorStatus AcCmColor::setForeground() { return setColorMethod(AcCmEntityColor::kForeground); }
Acad::ErrorStatus AcCmColor::setNone() { return setColorMethod(AcCmEntityColor::kNone); }

Acad::ErrorStatus AcCmColor::setNames(const ACHAR* colorName, const ACHAR* bookName) {
  if (!isByColor()) return Acad::eNotApplicable;
  const bool noName = colorName == nullptr || *colorName == 0;
  const bool noBook = bookName == nullptr || *bookName == 0;
  if (noName) {
    if (!noBook) return Acad::eInvalidInput;
    dropNames();
    return Acad::eOk;
  }
  if (!validName(colorName) || (!noBook && !validName(bookName))) return Acad::eInvalidInput;
  mColorName = colorName;
  mBookName = noBook ? std::wstring() : std::wstring(bookName);
  return Acad::eOk;
}

Acad::ErrorStatus AcCmColor::setColorName(const ACHAR* colorName) {
  const std::wstring book = mBookName;
  return setNames(colorName, book.empty() ? nullptr : book.c_str());
}

Acad::ErrorStatus AcCmColor::getDescription(ACHAR*& description) const {
  std::wstring text;
  switch (colorMethod()) {
    case AcCmEntityColor::kByLayer: text = L"ByLayer"; break;
    case AcCmEntityColor::kByBlock: text = L"ByBlock"; break;
    case AcCmEntityColor::kForeground: text = L"Foreground"; break;
    case AcCmEntityColor::kByPen: text = L"Pen " + std::to_wstring(penIndex()); break;
    case AcCmEntityColor::kByColor:
      text = hasColorName() ? dxfColorName() : rgbText(mColor);
      break;
    case AcCmEntityColor::kByACI: {
      const int index = mColor.colorIndex();
      text = (index >= 1 && index <= 7) ? kNamedIndexes[index - 1] : std::to_wstring(index);
      break;
    }
    default: text = L"None"; break;
  }
  description = newText(text);
  return Acad::eOk;
}

Acad::ErrorStatus AcCmColor::getExplanatoryText(ACHAR*& text) const {
  std::wstring out;
  switch (colorMethod()) {
    case AcCmEntityColor::kByACI:
      out = L"Index color " + std::to_wstring(mColor.colorIndex()) + L" (" + rgbText(mColor) + L")";
      break;
    case AcCmEntityColor::kByColor:
      if (hasBookName())
        out = mColorName + L" from book " + mBookName + L" (" + rgbText(mColor) + L")";
      else if (hasColorName())
        out = mColorName + L" (" + rgbText(mColor) + L")";
      else
        out = L"True color " + rgbText(mColor);
      break;
    default: {
      ACHAR* shortText = nullptr;
      getDescription(shortText);
      out = shortText;
      delete[] shortText;
      break;
    }
  }
  text = newText(out);
  return Acad::eOk;
}

Adesk::Int32 AcCmColor::dxfTrueColor() const {
  switch (colorMethod()) {
    case AcCmEntityColor::kByColor:
    case AcCmEntityColor::kByACI:
    case AcCmEntityColor::kForeground:
      return static_cast<Adesk::Int32>(mColor.trueColor() & 0xFFFFFFu);
    default:
      return -1;
  }
}

Acad::ErrorStatus AcCmColor::setDxfTrueColor(Adesk::Int32 value) {
  const Adesk::UInt32 v = static_cast<Adesk::UInt32>(value);
  const Adesk::UInt32 high = v >> 24;
  if (high != 0 && high != AcCmEntityColor::kByColor) return Acad::eInvalidInput;
  return setRGB(static_cast<Adesk::UInt8>(v >> 16), static_cast<Adesk::UInt8>(v >> 8),
                static_cast<Adesk::UInt8>(v));
}

std::wstring AcCmColor::dxfColorName() const {
  if (!hasColorName()) return std::wstring();
  return hasBookName() ? mBookName + L"$" + mColorName : mColorName;
}

Acad::ErrorStatus AcCmColor::setDxfColorName(const ACHAR* text) {
  if (text == nullptr) return Acad::eInvalidInput;
  const std::wstring s(text);
  const size_t dollar = s.find(L'$');
  if (dollar == std::wstring::npos) return setNames(s.c_str(), nullptr);
  const std::wstring book = s.substr(0, dollar);
  const std::wstring name = s.substr(dollar + 1);
  if (book.empty() || name.empty()) return Acad::eInvalidInput;
  return setNames(name.c_str(), book.c_str());
}

bool AcCmColor::operator==(const AcCmColor& o) const {
  // Names come from C strings, so they hold no embedded nulls.
  return mColor == o.mColor && std::wcscmp(mColorName.c_str(), o.mColorName.c_str()) == 0 &&
         std::wcscmp(mBookName.c_str(), o.mBookName.c_str()) == 0;
}
