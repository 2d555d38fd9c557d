#include "arx/dxf/DxfScanner.h"

#include <charconv>
#include <cstring>

namespace vhost {

namespace {

// The end of the line starting at p (the position of '\n' or of the end).
inline const char* lineEnd(const char* p, const char* end) {
  const void* nl = std::memchr(p, '\n', static_cast<size_t>(end - p));
  return nl ? static_cast<const char*>(nl) : end;
}

inline bool blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

std::string_view dxfTrim(std::string_view t) {
  size_t b = 0, e = t.size();
  while (b < e && (blank(t[b]) || t[b] == '\n')) ++b;
  while (e > b && (blank(t[e - 1]) || t[e - 1] == '\n')) --e;
  return t.substr(b, e - b);
}

namespace {
// Decimals without exponent whose digits make an integer up to 2^53: an
// exact integer divided by an exact power of ten, which rounds correctly
// (the common case).
inline bool fastDecimal(const char* p, const char* e, double& value) {
  static const double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                  1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  bool negative = false;
  if (p < e && (*p == '-' || *p == '+')) negative = *p++ == '-';
  const char* start = p;
  std::uint64_t m = 0;
  while (p < e && static_cast<unsigned>(*p - '0') < 10u) m = m * 10 + static_cast<unsigned>(*p++ - '0');
  size_t digits = static_cast<size_t>(p - start);
  size_t scale = 0;
  if (p < e && *p == '.') {
    const char* f = ++p;
    while (p < e && static_cast<unsigned>(*p - '0') < 10u) m = m * 10 + static_cast<unsigned>(*p++ - '0');
    scale = static_cast<size_t>(p - f);
    digits += scale;
  }
  if (p != e || digits == 0 || digits > 19 || scale > 22 || m > (1ull << 53)) return false;
  const double v = static_cast<double>(m) / kPow10[scale];
  value = negative ? -v : v;
  return true;
}
}  // namespace

bool dxfParseDouble(std::string_view text, double& value) {
  std::string_view t = dxfTrim(text);
  if (!t.empty() && fastDecimal(t.data(), t.data() + t.size(), value)) return true;
  if (t.empty()) return false;
  if (t.front() == '+') t.remove_prefix(1);
  if (t.empty()) return false;
  const char* first = t.data();
  const char* last = t.data() + t.size();
  auto r = std::from_chars(first, last, value, std::chars_format::general);
  if (r.ec != std::errc() || r.ptr != last) {
    // A few writers put a decimal comma or nothing before the exponent; we
    // take none of that: the value is not a number.
    return false;
  }
  return true;
}

bool dxfParseInt64(std::string_view text, std::int64_t& value) {
  std::string_view t = dxfTrim(text);
  if (t.empty()) return false;
  if (t.front() == '+') t.remove_prefix(1);
  const char* first = t.data();
  const char* last = t.data() + t.size();
  auto r = std::from_chars(first, last, value);
  if (r.ec == std::errc() && r.ptr == last) return true;
  // Some writers put integers as reals ("1.0"): accept integral ones.
  double d = 0;
  if (!dxfParseDouble(t, d) || !(d >= -9.2e18 && d <= 9.2e18)) return false;
  if (d != static_cast<double>(static_cast<std::int64_t>(d))) return false;
  value = static_cast<std::int64_t>(d);
  return true;
}

bool dxfParseHandle(std::string_view text, std::uint64_t& value) {
  std::string_view t = dxfTrim(text);
  if (t.empty() || t.size() > 16) return false;
  std::uint64_t v = 0;
  for (char c : t) {
    int d;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    else
      return false;
    v = (v << 4) | static_cast<std::uint64_t>(d);
  }
  value = v;
  return true;
}

bool DxfScanner::scan(const char* data, size_t size, std::vector<DxfRawGroup>& groups, std::string& error,
                      std::uint32_t& errorLine) {
  groups.clear();
  if (size >= 0xFFFFFFF0u) {
    error = "file too large (4 GB and more are not supported)";
    errorLine = 1;
    return false;
  }
  // About one group for every twelve bytes in common drawings.
  groups.reserve(size / 12 + 16);
  const char* p = data;
  const char* end = data + size;
  // A UTF-8 byte-order mark at the start is skipped.
  if (size >= 3 && static_cast<unsigned char>(p[0]) == 0xEF && static_cast<unsigned char>(p[1]) == 0xBB &&
      static_cast<unsigned char>(p[2]) == 0xBF)
    p += 3;
  std::uint32_t line = 1;
  while (p < end) {
    // The usual code line: blanks, digits, maybe a carriage return, read
    // byte by byte (lines are short); anything else takes the careful path.
    {
      const char* q = p;
      while (q < end && *q == ' ') ++q;
      int fast = 0;
      int digits = 0;
      while (q < end && *q >= '0' && *q <= '9' && digits < 5) {
        fast = fast * 10 + (*q - '0');
        ++q;
        ++digits;
      }
      while (q < end && (*q == ' ' || *q == '\r')) ++q;
      if (digits > 0 && q < end && *q == '\n' && fast <= 1071) {
        const char* v = q + 1;
        const char* vEnd = lineEnd(v, end);
        const char* vStop = vEnd;
        if (vStop > v && vStop[-1] == '\r') --vStop;
        groups.push_back(DxfRawGroup{fast, static_cast<std::uint32_t>(v - data), static_cast<std::uint32_t>(vStop - v)});
        line += 2;
        p = vEnd < end ? vEnd + 1 : end;
        continue;
      }
    }
    const char* codeEnd = lineEnd(p, end);
    // Blank trailing lines at the end of the file are tolerated.
    std::string_view codeText = dxfTrim(std::string_view(p, static_cast<size_t>(codeEnd - p)));
    if (codeText.empty()) {
      const char* q = codeEnd;
      bool restBlank = true;
      for (; q < end; ++q)
        if (!blank(*q) && *q != '\n') {
          restBlank = false;
          break;
        }
      if (restBlank) return true;
      error = "empty line where a group code was expected";
      errorLine = line;
      return false;
    }
    std::int64_t code = 0;
    const char* cf = codeText.data();
    const char* cl = cf + codeText.size();
    auto r = std::from_chars(cf + (*cf == '+' ? 1 : 0), cl, code);
    if (r.ec != std::errc() || r.ptr != cl || code < -5 || code > 1071) {
      error = "invalid group code '" + std::string(codeText.substr(0, 40)) + "'";
      errorLine = line;
      return false;
    }
    if (codeEnd >= end) {
      error = "unexpected end of file: group " + std::to_string(code) + " has no value";
      errorLine = line;
      return false;
    }
    const char* v = codeEnd + 1;
    const char* vEnd = lineEnd(v, end);
    const char* vStop = vEnd;
    if (vStop > v && vStop[-1] == '\r') --vStop;
    groups.push_back(DxfRawGroup{static_cast<std::int32_t>(code), static_cast<std::uint32_t>(v - data),
                                 static_cast<std::uint32_t>(vStop - v)});
    line += 2;
    p = vEnd < end ? vEnd + 1 : end;
  }
  return true;
}

}  // namespace vhost
