#include "veskutil/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <string>

namespace veskutil {

namespace {

// Rounds the fixed-notation digits "int.frac" (no sign) to `decimals`
// fraction digits, half away from zero.
std::string RoundFixed(const std::string& digits, int decimals) {
  std::string intPart = digits;
  std::string frac;
  const std::size_t dot = digits.find('.');
  if (dot != std::string::npos) {
    intPart = digits.substr(0, dot);
    frac = digits.substr(dot + 1);
  }
  if (intPart.empty()) intPart = "0";
  const bool roundUp = static_cast<int>(frac.size()) > decimals && frac[static_cast<std::size_t>(decimals)] >= '5';
  frac.resize(static_cast<std::size_t>(decimals), '0');
  std::string all = intPart + frac;
  if (roundUp) {
    int i = static_cast<int>(all.size()) - 1;
    for (; i >= 0; --i) {
      if (all[static_cast<std::size_t>(i)] == '9') {
        all[static_cast<std::size_t>(i)] = '0';
      } else {
        ++all[static_cast<std::size_t>(i)];
        break;
      }
    }
    if (i < 0) all.insert(all.begin(), '1');
  }
  const std::size_t intLen = all.size() - static_cast<std::size_t>(decimals);
  std::string out = all.substr(0, intLen);
  if (decimals > 0) out += "." + all.substr(intLen);
  return out;
}

bool IsAllZero(const std::string& s) {
  for (char c : s)
    if (c != '0' && c != '.') return false;
  return true;
}

}  // namespace

CString Dbl2Str(double value, int decimals) {
  if (std::isnan(value)) return CString(L"nan");
  if (std::isinf(value)) return CString(value < 0 ? L"-inf" : L"inf");
  if (decimals < 0) decimals = 0;
  if (decimals > 17) decimals = 17;
  const bool negative = std::signbit(value);
  char buf[512];
  // Shortest fixed form that reads back as the same double.
  const auto res = std::to_chars(buf, buf + sizeof(buf), std::fabs(value), std::chars_format::fixed);
  std::string digits(buf, res.ptr);
  std::string out = RoundFixed(digits, decimals);
  if (negative && !IsAllZero(out)) out.insert(out.begin(), '-');
  return CString::FromUtf8(out);
}

CString StrTrim0(const CString& text) {
  const std::wstring_view s = text.View();
  std::size_t i = 0;
  if (i < s.size() && (s[i] == L'+' || s[i] == L'-')) ++i;
  int digits = 0;
  int points = 0;
  std::size_t dot = std::wstring_view::npos;
  for (std::size_t k = i; k < s.size(); ++k) {
    if (s[k] >= L'0' && s[k] <= L'9') {
      ++digits;
    } else if (s[k] == L'.') {
      ++points;
      dot = k;
    } else {
      return text;
    }
  }
  if (points != 1 || digits == 0) return text;
  std::size_t end = s.size();
  while (end > dot + 1 && s[end - 1] == L'0') --end;
  if (end == dot + 1) end = dot;  // nothing left after the point
  std::wstring out(s.substr(0, end));
  // "-0" (or "-", "+" with an empty integer part) is zero without a sign.
  bool zero = true;
  bool anyDigit = false;
  for (wchar_t c : out) {
    if (c >= L'1' && c <= L'9') zero = false;
    if (c >= L'0' && c <= L'9') anyDigit = true;
  }
  if (!anyDigit) return CString(L"0");
  if (zero && (out[0] == L'-' || out[0] == L'+')) out.erase(0, 1);
  return CString(out.c_str());
}

}  // namespace veskutil
