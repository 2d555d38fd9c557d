#include "veskcad/standards/ColorConvert.h"

#include <cwctype>
#include <string>

#include "arx/base/AcCmEntityColor.h"

namespace VeskDB {

namespace {

// Drops every leading ch, then the caller goes on with the next character.
void stripLeft(std::wstring& s, wchar_t ch) {
  size_t n = 0;
  while (n < s.size() && s[n] == ch) ++n;
  s.erase(0, n);
}

void stripRight(std::wstring& s, wchar_t ch) {
  while (!s.empty() && s.back() == ch) s.pop_back();
}

// A decimal integer with optional blanks and sign, as the C library reads it;
// false for a part with anything else in it or a value outside 0..255.
bool readChannel(const std::wstring& part, int& value) {
  size_t i = 0;
  while (i < part.size() && std::iswspace(static_cast<wint_t>(part[i]))) ++i;
  size_t end = part.size();
  while (end > i && std::iswspace(static_cast<wint_t>(part[end - 1]))) --end;
  if (i == end) {
    value = 0;  // an empty part counts as 0
    return true;
  }
  bool negative = false;
  if (part[i] == L'+' || part[i] == L'-') {
    negative = part[i] == L'-';
    ++i;
  }
  if (i == end) return false;
  long v = 0;
  for (; i < end; ++i) {
    if (part[i] < L'0' || part[i] > L'9') return false;
    v = v * 10 + (part[i] - L'0');
    if (v > 255) return false;
  }
  if (negative && v != 0) return false;
  value = static_cast<int>(v);
  return true;
}

}  // namespace

int GetColorByRGB(int r, int g, int b) { return -(r * 65536 + g * 256 + b); }

int GetRGBByColor(int c, int& r, int& g, int& b) {
  r = g = b = 0;
  if (c < 0) {
    const long long v = -static_cast<long long>(c);
    r = static_cast<int>(v / 65536);
    g = static_cast<int>((v - static_cast<long long>(r) * 65536) / 256);
    b = static_cast<int>(v - static_cast<long long>(r) * 65536 - static_cast<long long>(g) * 256);
  }
  return 1;
}

CString GetFormatRGBByColor(int c) {
  int r = 0, g = 0, b = 0;
  GetRGBByColor(c, r, g, b);
  CString text;
  text.Format(L"(%d,%d,%d)", r, g, b);
  return text;
}

int GetColorByFormatRGB(CString text) {
  if (text.GetLength() < 6) return 0;
  std::wstring s(static_cast<const wchar_t*>(text));
  stripLeft(s, L'<');
  stripLeft(s, L'[');
  stripLeft(s, L'(');
  stripLeft(s, L'\xFF08');  // full-width "("
  stripRight(s, L']');
  stripRight(s, L')');
  stripRight(s, L'\xFF09');  // full-width ")"
  stripRight(s, L'>');
  int channel[3] = {0, 0, 0};
  size_t start = 0;
  for (int i = 0; i < 3; ++i) {
    const size_t comma = s.find(L',', start);
    if ((i < 2) != (comma != std::wstring::npos)) return 0;  // exactly three parts
    const std::wstring part = s.substr(start, i < 2 ? comma - start : std::wstring::npos);
    if (!readChannel(part, channel[i])) return 0;
    start = comma + 1;
  }
  return GetColorByRGB(channel[0], channel[1], channel[2]);
}

}  // namespace VeskDB

namespace VeskCad {

int GetRGB(int aci, int& r, int& g, int& b) {
  r = g = b = 0;
  if (aci >= 1 && aci <= 255) {
    const Adesk::UInt32 rgb = AcCmEntityColor::lookUpRGB(static_cast<Adesk::UInt8>(aci));
    r = static_cast<int>((rgb >> 16) & 0xFF);
    g = static_cast<int>((rgb >> 8) & 0xFF);
    b = static_cast<int>(rgb & 0xFF);
  }
  return 1;
}

int GetColorRgb(int aci) {
  int r = 0, g = 0, b = 0;
  GetRGB(aci, r, g, b);
  return GetColorRgb(r, g, b);
}

int GetColorRgb(int r, int g, int b) { return r + g * 256 + b * 65536; }

int GetColorRgb(int packed, int& r, int& g, int& b) {
  b = packed / 65536;
  g = (packed - b * 65536) / 256;
  r = packed - b * 65536 - g * 256;
  return 1;
}

int GetCmColor(int packed, AcCmColor& c) {
  int r = 0, g = 0, b = 0;
  GetColorRgb(packed, r, g, b);
  if (r < 0 || r > 255 || g < 0 || g > 255 || b < 0 || b > 255) return 0;
  return c.setRGB(static_cast<Adesk::UInt8>(r), static_cast<Adesk::UInt8>(g), static_cast<Adesk::UInt8>(b)) ==
                 Acad::eOk
             ? 1
             : 0;
}

}  // namespace VeskCad
