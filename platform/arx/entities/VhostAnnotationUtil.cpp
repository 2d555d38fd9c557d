#include "arx/entities/VhostAnnotationUtil.h"

#include <cmath>
#include <cstring>
#include <cwctype>

#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/GeMath.h"

namespace vhost {
namespace annot {

ACHAR* dupString(const std::wstring& text) {
  ACHAR* out = new ACHAR[text.size() + 1];
  std::memcpy(out, text.c_str(), (text.size() + 1) * sizeof(ACHAR));
  return out;
}

ACHAR* dupString(const ACHAR* text) { return dupString(std::wstring(text ? text : L"")); }

bool isFinite(double d) { return std::isfinite(d); }
bool isFinite(const AcGePoint3d& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }
bool isFinite(const AcGeVector3d& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

void ocsAxes(const AcGeVector3d& normal, AcGeVector3d& xAxis, AcGeVector3d& yAxis) {
  AcGeVector3d z;
  if (!AcGeMatrix3d::arbitraryAxes(normal, xAxis, yAxis, z)) {
    xAxis = AcGeVector3d::kXAxis;
    yAxis = AcGeVector3d::kYAxis;
  }
}

AcGeVector3d ocsDirection(const AcGeVector3d& normal, double angle) {
  AcGeVector3d x, y;
  ocsAxes(normal, x, y);
  return x * std::cos(angle) + y * std::sin(angle);
}

double ocsAngle(const AcGeVector3d& normal, const AcGeVector3d& direction) {
  AcGeVector3d x, y;
  ocsAxes(normal, x, y);
  const double a = std::atan2(direction.dotProduct(y), direction.dotProduct(x));
  return VeskGe::normalizeAngle(a);
}

bool unitNormal(const AcGeVector3d& in, AcGeVector3d& out) {
  if (!isFinite(in)) return false;
  const double len = in.length();
  if (!(len > 1e-12)) return false;
  out = in / len;
  return true;
}

std::wstring displayText(const std::wstring& raw) {
  std::wstring out;
  out.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == L'%' && i + 2 < raw.size() && raw[i + 1] == L'%') {
      const wchar_t c = static_cast<wchar_t>(std::towlower(raw[i + 2]));
      if (c == L'd') {
        out += L'\u00B0';
        i += 2;
        continue;
      }
      if (c == L'c') {
        out += L'\u2300';
        i += 2;
        continue;
      }
      if (c == L'p') {
        out += L'\u00B1';
        i += 2;
        continue;
      }
      if (c == L'%') {
        out += L'%';
        i += 2;
        continue;
      }
      if (c == L'u' || c == L'o' || c == L'k') {
        i += 2;
        continue;
      }
      if (i + 4 < raw.size() && std::iswdigit(raw[i + 2]) && std::iswdigit(raw[i + 3]) && std::iswdigit(raw[i + 4])) {
        const int code = (raw[i + 2] - L'0') * 100 + (raw[i + 3] - L'0') * 10 + (raw[i + 4] - L'0');
        out += static_cast<wchar_t>(code);
        i += 4;
        continue;
      }
    }
    out += raw[i];
  }
  return out;
}

bool transformFrame(const AcGeMatrix3d& xform, const AcGeVector3d& u, const AcGeVector3d& v,
                    const AcGeVector3d& normal, FrameImage& out) {
  const AcGeVector3d U = xform * u;
  const AcGeVector3d V = xform * v;
  const double ul = U.length();
  if (!(ul > 1e-300) || !isFinite(U) || !isFinite(V)) return false;
  const AcGeVector3d uDir = U / ul;
  const AcGeVector3d vPerp = V - uDir * V.dotProduct(uDir);
  const double vl = vPerp.length();
  if (!(vl > 1e-300)) return false;
  const AcGeVector3d vDir = vPerp / vl;
  const AcGeVector3d planeNormal = uDir.crossProduct(vDir);
  const bool mirrored = xform.det() < 0.0;
  out.u = uDir;
  out.v = vDir;
  out.normal = mirrored ? -planeNormal : planeNormal;
  out.uScale = ul;
  out.vScale = vl;
  out.normalScale = std::fabs((xform * normal).dotProduct(out.normal));
  out.mirrored = mirrored;
  return true;
}

}  // namespace annot
}  // namespace vhost
