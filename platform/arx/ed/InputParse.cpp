#include "arx/ed/InputParse.h"

#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <cwctype>

#include "arx/db/AcDbDatabase.h"
#include "arx/ed/EditorState.h"

namespace vhost {

bool parseNumber(const std::wstring& text, double& value) {
  std::wstring t = trimmed(text);
  if (t.empty()) return false;
  // Only the plain decimal forms: no hex, inf or nan.
  for (wchar_t c : t) {
    if (!((c >= L'0' && c <= L'9') || c == L'.' || c == L'-' || c == L'+' || c == L'e' || c == L'E')) return false;
  }
  wchar_t* end = nullptr;
  double v = std::wcstod(t.c_str(), &end);
  if (end == t.c_str() || *end != 0 || !std::isfinite(v)) return false;
  value = v;
  return true;
}

namespace {

std::vector<std::wstring> splitCommas(const std::wstring& t) {
  std::vector<std::wstring> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t c = t.find(L',', start);
    parts.push_back(t.substr(start, c == std::wstring::npos ? std::wstring::npos : c - start));
    if (c == std::wstring::npos) break;
    start = c + 1;
  }
  return parts;
}

bool parseCoordinates(const std::wstring& t, AcGePoint3d& out, bool& hasZ) {
  std::size_t lt = t.find(L'<');
  if (lt != std::wstring::npos) {
    double dist = 0.0, angle = 0.0;
    if (!parseNumber(t.substr(0, lt), dist) || !parseNumber(t.substr(lt + 1), angle)) return false;
    double a = angle * M_PI / 180.0;
    out.set(dist * std::cos(a), dist * std::sin(a), 0.0);
    hasZ = false;
    return true;
  }
  std::vector<std::wstring> parts = splitCommas(t);
  if (parts.size() < 2 || parts.size() > 3) return false;
  double v[3] = {0.0, 0.0, 0.0};
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (!parseNumber(parts[i], v[i])) return false;
  }
  out.set(v[0], v[1], v[2]);
  hasZ = parts.size() == 3;
  return true;
}

}  // namespace

bool parsePoint(const std::wstring& text, const AcGePoint3d& base, AcGePoint3d& point) {
  std::wstring t = trimmed(text);
  if (t.empty()) return false;
  if (t[0] == L'@') {
    std::wstring rest = trimmed(t.substr(1));
    if (rest.empty()) {
      point = base;
      return true;
    }
    AcGePoint3d d;
    bool hasZ = false;
    if (!parseCoordinates(rest, d, hasZ)) return false;
    point.set(base.x + d.x, base.y + d.y, base.z + d.z);
    return true;
  }
  bool hasZ = false;
  return parseCoordinates(t, point, hasZ);
}

bool looksLikeHandleRef(const std::wstring& text) {
  std::wstring t = trimmed(text);
  if (t.size() < 2 || t[0] != L'#' || t.size() > 17) return false;
  for (std::size_t i = 1; i < t.size(); ++i) {
    if (!std::iswxdigit(static_cast<wint_t>(t[i]))) return false;
  }
  return true;
}

bool parseHandleRef(const std::wstring& text, AcDbDatabase* db, AcDbObjectId& id) {
  id.setNull();
  if (db == nullptr || !looksLikeHandleRef(text)) return false;
  std::wstring t = trimmed(text);
  unsigned long long value = std::wcstoull(t.c_str() + 1, nullptr, 16);
  AcDbObjectId found;
  if (db->getAcDbObjectId(found, false, AcDbHandle(value)) != Acad::eOk || found.isNull()) return false;
  if (found.isErased()) return false;
  id = found;
  return true;
}

std::vector<std::wstring> splitWords(const std::wstring& text) {
  std::vector<std::wstring> out;
  std::wstring current;
  for (wchar_t c : text) {
    if (std::iswspace(static_cast<wint_t>(c))) {
      if (!current.empty()) out.push_back(current);
      current.clear();
    } else {
      current.push_back(c);
    }
  }
  if (!current.empty()) out.push_back(current);
  return out;
}

std::wstring formatNumber(double v) {
  wchar_t buf[64];
  std::swprintf(buf, 64, L"%.10g", v);
  return buf;
}

std::wstring formatPoint(const double p[3]) {
  std::wstring s = formatNumber(p[0]) + L"," + formatNumber(p[1]);
  if (p[2] != 0.0) s += L"," + formatNumber(p[2]);
  return s;
}

}  // namespace vhost
