#include "veskdata/AccessValue.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace veskdata {

std::string IntegerToText(std::int64_t value) {
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, res.ptr);
}

std::string NumberToText(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Infinity" : "-Infinity";
  if (value == 0) return "0";
  if (std::fabs(value) < 1e15 && value == std::floor(value)) {
    return IntegerToText(static_cast<std::int64_t>(value));
  }
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15G", value);  // "0.75", "1E+20", "1.5E-07"
  std::string s(buf);
  return s;
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

bool TextToNumber(std::string_view text, double& value) {
  std::size_t b = 0, e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  if (b == e) return false;
  std::string_view t = text.substr(b, e - b);
  // Validate the form first: from_chars accepts "inf", "nan" and hex forms
  // that are no numbers to Access.
  std::size_t i = 0;
  if (t[i] == '+' || t[i] == '-') ++i;
  std::size_t digits = 0;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  if (i != t.size()) return false;
  if (t[0] == '+') t.remove_prefix(1);
  double v = 0;
  auto res = std::from_chars(t.data(), t.data() + t.size(), v);
  if (res.ec == std::errc::result_out_of_range) {
    // Overflow: from_chars leaves v alone; underflow gives zero in practice.
    const bool negative = !t.empty() && t[0] == '-';
    const std::size_t ePos = t.find_first_of("eE");
    const bool tiny = ePos != std::string_view::npos && t.find('-', ePos) != std::string_view::npos;
    v = tiny ? 0.0 : (negative ? -HUGE_VAL : HUGE_VAL);
  } else if (res.ec != std::errc() || res.ptr != t.data() + t.size()) {
    return false;
  }
  value = v;
  return true;
}

double LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  std::size_t end = i;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    std::size_t expDigits = 0;
    while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j, ++expDigits;
    if (expDigits > 0) end = j;
  }
  double v = 0;
  if (!TextToNumber(text.substr(start, end - start), v)) return 0.0;
  return v;
}

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  const double fl = std::floor(value);
  const double diff = value - fl;
  if (diff < 0.5) return fl;
  if (diff > 0.5) return fl + 1.0;
  return std::fmod(fl, 2.0) == 0.0 ? fl : fl + 1.0;
}

bool RoundToInteger(double value, std::int64_t lo, std::int64_t hi, std::int64_t& out) {
  if (!std::isfinite(value)) return false;
  const double r = RoundHalfEven(value);
  if (r < static_cast<double>(lo) || r > static_cast<double>(hi)) return false;
  // Values near the int64 limits are not representable exactly; keep clear.
  if (r >= 9.2233720368547758e18 || r < -9.2233720368547758e18) return false;
  out = static_cast<std::int64_t>(r);
  return true;
}

}  // namespace veskdata
