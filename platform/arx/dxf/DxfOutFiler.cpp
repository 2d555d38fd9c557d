#include "arx/dxf/DxfOutFiler.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "arx/base/RbValueType.h"
#include "arx/dxf/DxfGroupType.h"
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbObject.h"
#include "arx/dxf/DxfTextCodec.h"

namespace vhost {

void dxfFormatReal(double v, int precision, std::string& out) {
  char buf[64];
  if (!std::isfinite(v)) v = 0.0;  // a file cannot carry these; readers would refuse the file
  std::to_chars_result r;
  if (precision > 0 && precision < 16)
    r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, precision);
  else
    r = std::to_chars(buf, buf + sizeof buf, v);
  // Readers expect a decimal point or exponent in reals of some groups; an
  // integral value gets ".0".
  size_t n = static_cast<size_t>(r.ptr - buf);
  bool hasMark = false;
  for (size_t i = 0; i < n; ++i)
    if (buf[i] == '.' || buf[i] == 'e' || buf[i] == 'E') hasMark = true;
  out.append(buf, n);
  if (!hasMark) out += ".0";
}

DxfOutFiler::DxfOutFiler(AcDbDatabase* db, std::string& out, int precision)
    : mDatabase(db), mOut(out), mPrecision(precision <= 0 || precision > 16 ? 16 : precision) {}

Acad::ErrorStatus DxfOutFiler::dwgVersion(AcDb::DwgVersion& version, AcDb::MaintenanceReleaseVersion& m) const {
  version = AcDb::kDHL_1024;
  m = AcDb::kMReleaseCurrent;
  return Acad::eOk;
}

bool DxfOutFiler::startsPoint(int c) {
  return (c >= 10 && c <= 18) || (c >= 110 && c <= 112) || c == 210 || (c >= 1010 && c <= 1013);
}

inline void DxfOutFiler::code(int c) {
  char buf[16];
  char* p = buf;
  if (c >= 0 && c < 10) {
    *p++ = ' ';
    *p++ = ' ';
  } else if (c >= 10 && c < 100) {
    *p++ = ' ';
  }
  p = std::to_chars(p, buf + sizeof buf, c).ptr;
  *p++ = '\n';
  mOut.append(buf, static_cast<size_t>(p - buf));
}

void DxfOutFiler::real(double v, int precision) {
  dxfFormatReal(v, precision < mPrecision ? precision : mPrecision, mOut);
  mOut.push_back('\n');
}

void DxfOutFiler::writeGroup(int c, std::string_view value) {
  code(c);
  mOut.append(value.data(), value.size());
  mOut.push_back('\n');
}

void DxfOutFiler::writeText(int c, const ACHAR* value) {
  code(c);
  dxfEncodeUtf8(value, mOut);
  mOut.push_back('\n');
}

void DxfOutFiler::writeHandleGroup(int c, std::uint64_t handle) {
  code(c);
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, handle, 16);
  for (char* q = buf; q < r.ptr; ++q)
    if (*q >= 'a' && *q <= 'f') *q = static_cast<char>(*q - 'a' + 'A');
  mOut.append(buf, static_cast<size_t>(r.ptr - buf));
  mOut.push_back('\n');
}

void DxfOutFiler::writeReal(int c, double v) {
  code(c);
  real(v, 16);
}

void DxfOutFiler::writeInteger(int c, long long v) {
  code(c);
  char buf[24];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  mOut.append(buf, static_cast<size_t>(r.ptr - buf));
  mOut.push_back('\n');
}

Acad::ErrorStatus DxfOutFiler::checkCode(int, bool valid) {
  if (!valid) mStatus = Acad::eInvalidDxfCode;
  return mStatus;
}

Acad::ErrorStatus DxfOutFiler::writeResBuf(const resbuf& rb) {
  const int c = rb.restype;
  switch (dxfGroupType(c)) {
    case RbValueType::kString:
      writeText(c, rb.resval.rstring ? rb.resval.rstring : L"");
      break;
    case RbValueType::kHandle: {
      AcDbHandle h(rb.resval.rstring ? rb.resval.rstring : L"");
      writeHandleGroup(c, h.value());
      break;
    }
    case RbValueType::kReal:
      writeReal(c, rb.resval.rreal);
      break;
    case RbValueType::kPoint:
      if (!startsPoint(c)) {
        writeReal(c, rb.resval.rpoint[0]);
      } else {
        writeReal(c, rb.resval.rpoint[0]);
        writeReal(c + 10, rb.resval.rpoint[1]);
        // A point read from a file without its Z keeps a negative zero there.
        const double z = rb.resval.rpoint[2];
        if (!(z == 0.0 && std::signbit(z))) writeReal(c + 20, z);
      }
      break;
    case RbValueType::kInt16:
    case RbValueType::kBool:
      writeInteger(c, rb.resval.rint);
      break;
    case RbValueType::kInt32:
      writeInteger(c, rb.resval.rlong);
      break;
    case RbValueType::kInt64:
      writeInteger(c, rb.resval.mnInt64);
      break;
    case RbValueType::kEntityName: {
      AcDbObjectId id;
      acdbGetObjectId(id, rb.resval.rlname);
      if (id.isNull()) {
        writeGroup(c, "0");
      } else {
        writeHandleGroup(c, id.handle().value());
      }
      break;
    }
    case RbValueType::kBinary:
      return writeBinaryChunk(c, rb.resval.rbinary);
    case RbValueType::kNone:
      return checkCode(c, false);
  }
  return mStatus;
}

Acad::ErrorStatus DxfOutFiler::writeObjectId(int c, const AcDbObjectId& id) {
  if (id.isNull()) return mStatus;
  if (dxfGroupType(c) != RbValueType::kEntityName) return checkCode(c, false);
  writeHandleGroup(c, id.handle().value());
  return mStatus;
}

Acad::ErrorStatus DxfOutFiler::writeString(int c, const ACHAR* value) {
  if (!rbHoldsString(c)) return checkCode(c, false);
  if (dxfGroupType(c) == RbValueType::kHandle) {
    writeHandleGroup(c, AcDbHandle(value ? value : L"").value());
    return mStatus;
  }
  writeText(c, value ? value : L"");
  return mStatus;
}

Acad::ErrorStatus DxfOutFiler::writeBool(int c, bool v) { return writeInt64(c, v ? 1 : 0); }
Acad::ErrorStatus DxfOutFiler::writeInt8(int c, Adesk::Int8 v) { return writeInt64(c, v); }
Acad::ErrorStatus DxfOutFiler::writeInt16(int c, Adesk::Int16 v) { return writeInt64(c, v); }
Acad::ErrorStatus DxfOutFiler::writeInt32(int c, Adesk::Int32 v) { return writeInt64(c, v); }
Acad::ErrorStatus DxfOutFiler::writeUInt8(int c, Adesk::UInt8 v) { return writeInt64(c, v); }
Acad::ErrorStatus DxfOutFiler::writeUInt16(int c, Adesk::UInt16 v) { return writeInt64(c, v); }
Acad::ErrorStatus DxfOutFiler::writeUInt32(int c, Adesk::UInt32 v) { return writeInt64(c, v); }

Acad::ErrorStatus DxfOutFiler::writeInt64(int c, Adesk::Int64 v) {
  switch (dxfGroupType(c)) {
    case RbValueType::kInt16:
    case RbValueType::kBool:
    case RbValueType::kInt32:
    case RbValueType::kInt64:
      writeInteger(c, v);
      return mStatus;
    case RbValueType::kReal:
      writeReal(c, static_cast<double>(v));
      return mStatus;
    default:
      return checkCode(c, false);
  }
}

Acad::ErrorStatus DxfOutFiler::writeDouble(int c, double v, int precision) {
  const RbValueType t = dxfGroupType(c);
  if (t != RbValueType::kReal && t != RbValueType::kPoint) return checkCode(c, false);
  code(c);
  real(v, precision);
  return mStatus;
}

Acad::ErrorStatus DxfOutFiler::writePoint2d(int c, const AcGePoint2d& v, int precision) {
  if (dxfGroupType(c) != RbValueType::kPoint) return checkCode(c, false);
  code(c);
  real(v.x, precision);
  code(c + 10);
  real(v.y, precision);
  return mStatus;
}

Acad::ErrorStatus DxfOutFiler::writePoint3d(int c, const AcGePoint3d& v, int precision) {
  if (dxfGroupType(c) != RbValueType::kPoint) return checkCode(c, false);
  code(c);
  real(v.x, precision);
  code(c + 10);
  real(v.y, precision);
  code(c + 20);
  real(v.z, precision);
  return mStatus;
}

Acad::ErrorStatus DxfOutFiler::writeVector3d(int c, const AcGeVector3d& v, int precision) {
  return writePoint3d(c, AcGePoint3d(v.x, v.y, v.z), precision);
}

// Binary chunks go as hex text, at most 127 bytes (254 digits) per group.
Acad::ErrorStatus DxfOutFiler::writeBinaryChunk(int c, const ads_binary& value) {
  if (dxfGroupType(c) != RbValueType::kBinary) return checkCode(c, false);
  static const char kHex[] = "0123456789ABCDEF";
  const int n = value.clen < 0 ? 0 : value.clen;
  int at = 0;
  do {
    const int take = n - at > 127 ? 127 : n - at;
    code(c);
    for (int i = 0; i < take; ++i) {
      const unsigned char b = static_cast<unsigned char>(value.buf[at + i]);
      mOut.push_back(kHex[b >> 4]);
      mOut.push_back(kHex[b & 15]);
    }
    mOut.push_back('\n');
    at += take;
  } while (at < n);
  return mStatus;
}

Acad::ErrorStatus DxfOutFiler::writeAcDbHandle(int c, const AcDbHandle& value) {
  if (!rbHoldsString(c)) return checkCode(c, false);
  writeHandleGroup(c, value.value());
  return mStatus;
}

}  // namespace vhost
