#include "arx/entities/AcDbMText.h"

#include <cmath>
#include <cwctype>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/entities/VhostAnnotationDxf.h"
#include "arx/entities/AcDbText.h"
#include "arx/entities/VhostAnnotationUtil.h"
#include "arx/ge/AcDbExtents.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePlane.h"
#include "arx/ge/GeMath.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbMText, AcDbEntity, L"MTEXT")

using namespace vhost::annot;

namespace {

bool isCjk(wchar_t c) {
  return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFF00 && c <= 0xFFEF);
}

int hexValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

std::wstring rtrim(const std::wstring& s) {
  size_t n = s.size();
  while (n > 0 && s[n - 1] == L' ') --n;
  return s.substr(0, n);
}

std::wstring ltrim(const std::wstring& s) {
  size_t i = 0;
  while (i < s.size() && s[i] == L' ') ++i;
  return s.substr(i);
}

// The end of a code's argument: the index after its ';', or the end of the text.
size_t argumentEnd(const std::wstring& s, size_t from) {
  size_t semi = s.find(L';', from);
  return semi == std::wstring::npos ? s.size() : semi + 1;
}

}  // namespace

std::wstring AcDbMText::vhostPlainText(const std::wstring& s) {
  std::wstring out;
  out.reserve(s.size());
  const size_t n = s.size();
  size_t i = 0;
  while (i < n) {
    const wchar_t c = s[i];
    if (c == L'{' || c == L'}') {
      ++i;
      continue;
    }
    if (c == L'%' && i + 2 < n && s[i + 1] == L'%') {
      const wchar_t k = static_cast<wchar_t>(std::towlower(s[i + 2]));
      if (k == L'd' || k == L'c' || k == L'p' || k == L'%') {
        out += displayText(s.substr(i, 3));
        i += 3;
        continue;
      }
    }
    if (c != L'\\' || i + 1 >= n) {
      out += c;
      ++i;
      continue;
    }
    const wchar_t d = s[i + 1];
    switch (d) {
      case L'\\':
      case L'{':
      case L'}':
        out += d;
        i += 2;
        break;
      case L'P':
      case L'N':
      case L'X':
        out += L'\n';
        i += 2;
        break;
      case L'~':
        out += L'\u00A0';
        i += 2;
        break;
      case L'L':
      case L'l':
      case L'O':
      case L'o':
      case L'K':
      case L'k':
        i += 2;
        break;
      case L'U':
      case L'u': {
        // \U+XXXX: one character by its code.
        if (i + 6 < n && s[i + 2] == L'+') {
          int v = 0;
          bool ok = true;
          for (size_t k = 0; k < 4; ++k) {
            const int h = hexValue(s[i + 3 + k]);
            if (h < 0) {
              ok = false;
              break;
            }
            v = v * 16 + h;
          }
          if (ok) {
            out += static_cast<wchar_t>(v);
            i += 7;
            break;
          }
        }
        out += d;
        i += 2;
        break;
      }
      case L'S': {
        // \Snum^den; \Snum/den; \Snum#den;
        const size_t end = argumentEnd(s, i + 2);
        const size_t stop = (end > 0 && end <= n && s[end - 1] == L';') ? end - 1 : end;
        std::wstring body = s.substr(i + 2, stop - (i + 2));
        std::wstring num, den;
        bool split = false;
        for (size_t k = 0; k < body.size(); ++k) {
          if (!split && (body[k] == L'^' || body[k] == L'/' || body[k] == L'#')) {
            split = true;
            continue;
          }
          if (body[k] == L'\\' && k + 1 < body.size()) ++k;  // escaped separator
          (split ? den : num) += body[k];
        }
        out += split ? (ltrim(rtrim(num)) + L"/" + ltrim(rtrim(den))) : body;
        i = end;
        break;
      }
      case L'f':
      case L'F':
      case L'H':
      case L'h':
      case L'C':
      case L'c':
      case L'A':
      case L'a':
      case L'W':
      case L'w':
      case L'Q':
      case L'q':
      case L'T':
      case L't':
      case L'p':
        i = argumentEnd(s, i + 2);
        break;
      default:
        // An unknown code shows its character.
        out += d;
        i += 2;
        break;
    }
  }
  return out;
}

std::vector<std::wstring> AcDbMText::vhostLayoutLines(const std::wstring& plain, double columnWidth, double height) {
  std::vector<std::wstring> lines;
  const bool wrap = columnWidth > 0.0 && height > 0.0;
  const double maxChars = wrap ? columnWidth / height + 1e-9 : 0.0;
  size_t start = 0;
  while (true) {
    const size_t nl = plain.find(L'\n', start);
    std::wstring para = plain.substr(start, nl == std::wstring::npos ? std::wstring::npos : nl - start);
    if (!para.empty() && para.back() == L'\r') para.pop_back();
    std::wstring line;
    for (wchar_t ch : para) {
      line += ch;
      if (!wrap || static_cast<double>(rtrim(line).size()) <= maxChars) continue;
      size_t cut = 0;
      for (size_t k = line.size() - 1; k >= 1; --k) {
        if (line[k - 1] == L' ' || isCjk(line[k]) || isCjk(line[k - 1])) {
          cut = k;
          break;
        }
      }
      if (cut == 0) continue;  // one long word stays whole
      lines.push_back(rtrim(line.substr(0, cut)));
      line = ltrim(line.substr(cut));
    }
    lines.push_back(rtrim(line));
    if (nl == std::wstring::npos) break;
    start = nl + 1;
  }
  if (lines.size() == 1 && lines[0].empty()) lines.clear();
  return lines;
}

AcDbMText::AcDbMText() = default;
AcDbMText::~AcDbMText() = default;

// --- placement ----------------------------------------------------------------------------

AcGePoint3d AcDbMText::location() const {
  assertReadEnabled();
  return mLocation;
}

Acad::ErrorStatus AcDbMText::setLocation(const AcGePoint3d& point) {
  if (!isFinite(point)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mLocation = point;
  return Acad::eOk;
}

AcGeVector3d AcDbMText::normal() const {
  assertReadEnabled();
  return mNormal;
}

Acad::ErrorStatus AcDbMText::setNormal(const AcGeVector3d& normal) {
  AcGeVector3d n;
  if (!unitNormal(normal, n)) return Acad::eInvalidInput;
  assertWriteEnabled();
  const double rot = ocsAngle(mNormal, mDirection);
  mNormal = n;
  mDirection = ocsDirection(mNormal, rot);
  return Acad::eOk;
}

AcGeVector3d AcDbMText::direction() const {
  assertReadEnabled();
  return mDirection;
}

Acad::ErrorStatus AcDbMText::setDirection(const AcGeVector3d& direction) {
  if (!isFinite(direction)) return Acad::eInvalidInput;
  AcGeVector3d d = direction - mNormal * direction.dotProduct(mNormal);
  if (!(d.length() > 1e-12)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mDirection = d / d.length();
  return Acad::eOk;
}

double AcDbMText::rotation() const {
  assertReadEnabled();
  return ocsAngle(mNormal, mDirection);
}

Acad::ErrorStatus AcDbMText::setRotation(double rotation) {
  if (!isFinite(rotation)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mDirection = ocsDirection(mNormal, rotation);
  return Acad::eOk;
}

AcDbMText::AttachmentPoint AcDbMText::attachment() const {
  assertReadEnabled();
  return static_cast<AttachmentPoint>(mAttachment);
}

Acad::ErrorStatus AcDbMText::setAttachment(AttachmentPoint attachment) {
  if (attachment < kTopLeft || attachment > kBottomRight) return Acad::eInvalidInput;
  assertWriteEnabled();
  mAttachment = static_cast<Adesk::Int16>(attachment);
  return Acad::eOk;
}

AcDbMText::FlowDirection AcDbMText::flowDirection() const {
  assertReadEnabled();
  return static_cast<FlowDirection>(mFlow);
}

Acad::ErrorStatus AcDbMText::setFlowDirection(FlowDirection direction) {
  if (direction < kLtoR || direction > kByStyle) return Acad::eInvalidInput;
  assertWriteEnabled();
  mFlow = static_cast<Adesk::Int16>(direction);
  return Acad::eOk;
}

// --- box -------------------------------------------------------------------------------------

double AcDbMText::width() const {
  assertReadEnabled();
  return mWidth;
}

Acad::ErrorStatus AcDbMText::setWidth(double width) {
  if (!(width >= 0.0) || !isFinite(width)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mWidth = width;
  return Acad::eOk;
}

double AcDbMText::textHeight() const {
  assertReadEnabled();
  return mHeight;
}

Acad::ErrorStatus AcDbMText::setTextHeight(double height) {
  if (!(height > 0.0) || !isFinite(height)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mHeight = height;
  return Acad::eOk;
}

double AcDbMText::lineSpacingFactor() const {
  assertReadEnabled();
  return mLineSpacing;
}

Acad::ErrorStatus AcDbMText::setLineSpacingFactor(double factor) {
  if (!(factor >= 0.25 && factor <= 4.0)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mLineSpacing = factor;
  return Acad::eOk;
}

AcDb::LineSpacingStyle AcDbMText::lineSpacingStyle() const {
  assertReadEnabled();
  return static_cast<AcDb::LineSpacingStyle>(mLineSpacingStyle);
}

Acad::ErrorStatus AcDbMText::setLineSpacingStyle(AcDb::LineSpacingStyle style) {
  if (style != AcDb::kAtLeast && style != AcDb::kExactly) return Acad::eInvalidInput;
  assertWriteEnabled();
  mLineSpacingStyle = static_cast<Adesk::Int16>(style);
  return Acad::eOk;
}

AcDbMText::Layout AcDbMText::layout() const {
  Layout l;
  l.lines = vhostLayoutLines(vhostPlainText(mContents), mWidth, mHeight);
  l.pitch = 5.0 / 3.0 * mHeight * mLineSpacing;
  for (const std::wstring& line : l.lines) l.width = std::fmax(l.width, line.size() * mHeight);
  if (!l.lines.empty()) l.height = mHeight + (l.lines.size() - 1) * l.pitch;
  return l;
}

double AcDbMText::actualHeight() const {
  assertReadEnabled();
  return layout().height;
}

double AcDbMText::actualWidth() const {
  assertReadEnabled();
  return layout().width;
}

void AcDbMText::box(const Layout& l, double& left, double& right, double& bottom, double& top) const {
  const int column = (mAttachment - 1) % 3;  // 0 left, 1 centre, 2 right
  const int row = (mAttachment - 1) / 3;     // 0 top, 1 middle, 2 bottom
  left = column == 0 ? 0.0 : column == 1 ? -l.width / 2.0 : -l.width;
  right = left + l.width;
  top = row == 0 ? 0.0 : row == 1 ? l.height / 2.0 : l.height;
  bottom = top - l.height;
}

AcGeVector3d AcDbMText::upDirection() const { return mNormal.crossProduct(mDirection); }

Acad::ErrorStatus AcDbMText::getBoundingPoints(AcGePoint3dArray& points) const {
  assertReadEnabled();
  const Layout l = layout();
  double left, right, bottom, top;
  box(l, left, right, bottom, top);
  const AcGeVector3d up = upDirection();
  points.removeAll();
  points.append(mLocation + mDirection * left + up * top);
  points.append(mLocation + mDirection * right + up * top);
  points.append(mLocation + mDirection * left + up * bottom);
  points.append(mLocation + mDirection * right + up * bottom);
  return Acad::eOk;
}

// --- content -----------------------------------------------------------------------------------

ACHAR* AcDbMText::contents() const {
  assertReadEnabled();
  return dupString(mContents);
}

const ACHAR* AcDbMText::contentsConst() const {
  assertReadEnabled();
  return mContents.c_str();
}

Acad::ErrorStatus AcDbMText::setContents(const ACHAR* contents) {
  if (contents == nullptr) return Acad::eInvalidInput;
  assertWriteEnabled();
  mContents = contents;
  return Acad::eOk;
}

ACHAR* AcDbMText::text() const {
  assertReadEnabled();
  return dupString(vhostPlainText(mContents));
}

AcDbObjectId AcDbMText::textStyle() const {
  assertReadEnabled();
  return mStyle;
}

Acad::ErrorStatus AcDbMText::setTextStyle(AcDbObjectId style) {
  if (!style.isNull() && database() && style.database() != database()) return Acad::eWrongDatabase;
  assertWriteEnabled();
  mStyle = style;
  return Acad::eOk;
}

// --- entity protocol ------------------------------------------------------------------------------

Acad::ErrorStatus AcDbMText::getGeomExtents(AcDbExtents& extents) const {
  AcGePoint3dArray corners;
  getBoundingPoints(corners);
  extents = AcDbExtents();
  for (const AcGePoint3d& p : corners) extents.addPoint(p);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::transformBy(const AcGeMatrix3d& xform) {
  FrameImage f;
  if (!transformFrame(xform, mDirection, upDirection(), mNormal, f)) return Acad::eCannotScaleNonUniformly;
  assertWriteEnabled();
  mLocation = xform * mLocation;
  mNormal = f.normal;
  mHeight *= f.vScale;
  mWidth *= f.uScale;
  if (f.mirrored) {
    // Read along the mirrored direction reversed, so the characters are not
    // mirrored; the box turns over, so left and right attachment swap.
    mDirection = -f.u;
    const int column = (mAttachment - 1) % 3;
    const int row = (mAttachment - 1) / 3;
    mAttachment = static_cast<Adesk::Int16>(row * 3 + (2 - column) + 1);
  } else {
    mDirection = f.u;
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::explode(AcDbVoidPtrArray& entitySet) const {
  assertReadEnabled();
  const Layout l = layout();
  double left, right, bottom, top;
  box(l, left, right, bottom, top);
  const int column = (mAttachment - 1) % 3;
  const AcGeVector3d up = upDirection();
  const double rotation = ocsAngle(mNormal, mDirection);
  for (size_t i = 0; i < l.lines.size(); ++i) {
    if (l.lines[i].empty()) continue;
    const double y = top - mHeight - static_cast<double>(i) * l.pitch;
    const double x = column == 0 ? left : column == 1 ? (left + right) / 2.0 : right;
    const AcGePoint3d at = mLocation + mDirection * x + up * y;
    auto* text = new AcDbText(at, l.lines[i].c_str(), mStyle, mHeight, 0.0);
    text->setPropertiesFrom(this);
    text->setNormal(mNormal);
    text->setRotation(rotation);
    if (column != 0) {
      text->setHorizontalMode(column == 1 ? AcDb::kTextCenter : AcDb::kTextRight);
      text->setAlignmentPoint(at);
    }
    entitySet.append(text);
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbMText::getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const {
  assertReadEnabled();
  plane.set(mLocation, mNormal);
  planarity = AcDb::kPlanar;
  return Acad::eOk;
}

// --- filing ------------------------------------------------------------------------------------------

Acad::ErrorStatus AcDbMText::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbEntity::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writePoint3d(mLocation);
  filer->writeVector3d(mNormal);
  filer->writeVector3d(mDirection);
  filer->writeDouble(mWidth);
  filer->writeDouble(mHeight);
  filer->writeDouble(mLineSpacing);
  filer->writeInt16(mLineSpacingStyle);
  filer->writeInt16(mAttachment);
  filer->writeInt16(mFlow);
  filer->writeString(mContents);
  filer->writeHardPointerId(mStyle);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbMText::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbEntity::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcDbHardPointerId style;
  filer->readPoint3d(&mLocation);
  filer->readVector3d(&mNormal);
  filer->readVector3d(&mDirection);
  filer->readDouble(&mWidth);
  filer->readDouble(&mHeight);
  filer->readDouble(&mLineSpacing);
  filer->readInt16(&mLineSpacingStyle);
  filer->readInt16(&mAttachment);
  filer->readInt16(&mFlow);
  filer->readString(mContents);
  filer->readHardPointerId(&style);
  mStyle = style;
  return filer->filerStatus();
}

// --- DXF filing -----------------------------------------------------------------------------------

Acad::ErrorStatus AcDbMText::dxfOutFields(AcDbDxfFiler* filer) const {
  using namespace vhost::annotdxf;
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbMText");
  filer->writePoint3d(10, mLocation);
  filer->writeDouble(40, mHeight);
  filer->writeDouble(41, mWidth);
  filer->writeInt16(71, mAttachment);
  filer->writeInt16(72, mFlow);
  writeChunked(filer, mContents, 1, 3);
  if (!mStyle.isNull()) {
    const std::wstring name = recordName(mStyle);
    if (!name.empty()) filer->writeString(7, name);
  }
  if (!isZNormal(mNormal)) filer->writeVector3d(210, mNormal);
  filer->writeVector3d(11, mDirection);
  const Layout l = layout();
  filer->writeDouble(42, l.width);
  filer->writeDouble(43, l.height);
  filer->writeInt16(73, mLineSpacingStyle);
  filer->writeDouble(44, mLineSpacing);
  return vhost::dxfWriteKept(filer, this, L"AcDbMText");
}

Acad::ErrorStatus AcDbMText::dxfInFields(AcDbDxfFiler* filer) {
  using namespace vhost::annotdxf;
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbMText")) return vhost::dxfBadSubclass(filer, L"AcDbMText");
  vhost::DxfKeptGroups kept(L"AcDbMText");
  AcDbDatabase* db = databaseFor(filer, this);
  AcGePoint3d location;
  AcGeVector3d normal = AcGeVector3d::kZAxis, direction;
  bool haveDirection = false, haveRotation = false, inColumns = false;
  double height = mHeight, width = 0.0, rotation = 0.0, spacing = 1.0;
  long attachment = kTopLeft, flow = kLtoR, spacingStyle = AcDb::kAtLeast;
  std::wstring chunks, last;
  AcDbObjectId style;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    const ACHAR* str = rb.resval.rstring;
    switch (rb.restype) {
      case 10: location = vhost::dxfPoint(rb); break;
      case 40: height = rb.resval.rreal; break;
      case 41: width = rb.resval.rreal; break;
      case 71: attachment = rb.resval.rint; break;
      case 72: flow = rb.resval.rint; break;
      case 3: chunks += str ? str : L""; break;
      case 1: last = str ? str : L""; break;
      case 210: normal = vhost::dxfVector(rb); break;
      case 11: direction = vhost::dxfVector(rb); haveDirection = true; break;
      case 42:
      case 43: break;  // the box as the writer computed it: ours is recomputed
      case 73: spacingStyle = rb.resval.rint; break;
      case 44: spacing = rb.resval.rreal; break;
      case 7: {
        style = db ? findRecord(db->textStyleTableId(), str ? str : L"") : AcDbObjectId();
        if (style.isNull()) kept.add(rb);
        break;
      }
      case 75: inColumns = true; kept.add(rb); break;
      case 50:
        // Before the column data 50 is the rotation; within it, a column height.
        if (inColumns) {
          kept.add(rb);
        } else {
          rotation = rb.resval.rreal;
          haveRotation = true;
        }
        break;
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  AcGeVector3d unit;
  if (!good(location)) return vhost::dxfError(filer, L"multiline text location is not finite");
  if (!(height > 0.0) || !good(height)) return vhost::dxfError(filer, L"multiline text height must be positive");
  if (!(width >= 0.0) || !good(width)) return vhost::dxfError(filer, L"multiline text width must not be negative");
  if (attachment < kTopLeft || attachment > kBottomRight)
    return vhost::dxfError(filer, L"multiline text attachment (71) out of range");
  if (flow < kLtoR || flow > kByStyle) return vhost::dxfError(filer, L"multiline text flow (72) out of range");
  if (spacingStyle != AcDb::kAtLeast && spacingStyle != AcDb::kExactly)
    return vhost::dxfError(filer, L"multiline text line spacing style (73) out of range");
  if (!(spacing >= 0.25 && spacing <= 4.0))
    return vhost::dxfError(filer, L"multiline text line spacing factor (44) out of range");
  if (!unitNormal(normal, unit)) return vhost::dxfError(filer, L"multiline text normal (210) is not a direction");
  AcGeVector3d dir = ocsDirection(unit, haveRotation && good(rotation) ? rotation : 0.0);
  if (haveDirection) {
    if (!isFinite(direction)) return vhost::dxfError(filer, L"multiline text direction (11) is not finite");
    AcGeVector3d d = direction - unit * direction.dotProduct(unit);
    const double len = d.length();
    if (!(len > 1e-12)) return vhost::dxfError(filer, L"multiline text direction (11) is along the normal");
    // A unit direction in the plane is taken as written.
    dir = (std::fabs(len - 1.0) < 1e-12 && std::fabs(direction.dotProduct(unit)) < 1e-12) ? direction : d / len;
  }
  mLocation = location;
  mNormal = unit;
  mDirection = dir;
  mWidth = width;
  mHeight = height;
  mLineSpacing = spacing;
  mLineSpacingStyle = static_cast<Adesk::Int16>(spacingStyle);
  mAttachment = static_cast<Adesk::Int16>(attachment);
  mFlow = static_cast<Adesk::Int16>(flow);
  mContents = chunks + last;
  mStyle = style;
  kept.storeInto(this);
  return Acad::eOk;
}
