#include "mfc/Utf8Convert.h"

#include <cstdint>

namespace veskhost {
namespace mfc {

std::wstring Utf8ToWide(const char* text, std::size_t length) {
  std::wstring out;
  if (text == nullptr || length == 0) return out;
  out.reserve(length);
  const auto* s = reinterpret_cast<const unsigned char*>(text);
  std::size_t i = 0;
  while (i < length) {
    const unsigned char b0 = s[i];
    if (b0 < 0x80) {
      out.push_back(static_cast<wchar_t>(b0));
      ++i;
      continue;
    }
    // Number of continuation bytes, and the range allowed for the first one
    // (narrower after E0, ED, F0 and F4 to exclude overlongs, surrogates and
    // values past U+10FFFF).
    int need = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    std::uint32_t cp = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
      need = 1;
      cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
      need = 2;
      cp = b0 & 0x0F;
      if (b0 == 0xE0) lo = 0xA0;
      if (b0 == 0xED) hi = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
      need = 3;
      cp = b0 & 0x07;
      if (b0 == 0xF0) lo = 0x90;
      if (b0 == 0xF4) hi = 0x8F;
    } else {
      out.push_back(kReplacementChar);
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    bool ok = true;
    for (int k = 0; k < need; ++k, ++j) {
      if (j >= length || s[j] < lo || s[j] > hi) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (s[j] & 0x3F);
      lo = 0x80;
      hi = 0xBF;
    }
    // A bad sequence is replaced up to (not including) the offending byte,
    // which is then decoded afresh.
    out.push_back(ok ? static_cast<wchar_t>(cp) : kReplacementChar);
    i = j;
  }
  return out;
}

namespace {

void PutUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace

std::string WideToUtf8(const wchar_t* text, std::size_t length) {
  std::string out;
  if (text == nullptr || length == 0) return out;
  out.reserve(length + length / 2);
  for (std::size_t i = 0; i < length; ++i) {
    std::uint32_t cp = static_cast<std::uint32_t>(text[i]);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < length) {
      const std::uint32_t low = static_cast<std::uint32_t>(text[i + 1]);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        PutUtf8(out, 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00));
        ++i;
        continue;
      }
    }
    if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) cp = kReplacementChar;
    PutUtf8(out, cp);
  }
  return out;
}

}  // namespace mfc
}  // namespace veskhost
