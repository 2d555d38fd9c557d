#include "arx/dxf/DxfInFiler.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "arx/base/RbValueType.h"
#include "arx/dxf/DxfGroupType.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/dxf/DxfOutFiler.h"
#include "arx/dxf/DxfScanner.h"
#include "arx/dxf/DxfTextCodec.h"

namespace vhost {

namespace {

ACHAR* newWide(const std::wstring& s) {
  ACHAR* out = new ACHAR[s.size() + 1];
  std::memcpy(out, s.c_str(), (s.size() + 1) * sizeof(ACHAR));
  return out;
}

int hexNibble(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::wstring widen(std::string_view s) {
  std::wstring out;
  out.reserve(s.size());
  for (char c : s) out.push_back(static_cast<unsigned char>(c));
  return out;
}

}  // namespace

DxfInFiler::DxfInFiler(AcDbDatabase* db, DxfTextCodec& codec, DxfReferenceSink* refs, AcDb::DwgVersion version)
    : mDatabase(db), mCodec(codec), mRefs(refs), mVersion(version) {}

void DxfInFiler::reset(const std::vector<DxfInGroup>* groups, std::uint32_t objectLine) {
  mGroups = groups;
  mPos = mLastPos = 0;
  mObjectLine = objectLine;
  mHalt = true;
}

void DxfInFiler::clearError() {
  mStatus = Acad::eOk;
  mMessage.clear();
  mErrorLine = 0;
}

std::uint32_t DxfInFiler::currentLine() const {
  if (mErrorLine) return mErrorLine;
  if (mGroups && !mGroups->empty()) {
    size_t i = mLastPos < mGroups->size() ? mLastPos : mGroups->size() - 1;
    if (mPos > 0 && mPos <= mGroups->size()) i = mPos - 1;
    return (*mGroups)[i].line;
  }
  return mObjectLine;
}

std::wstring DxfInFiler::errorText() const { return mMessage.empty() ? vhostErrorMessage() : mMessage; }

void DxfInFiler::vhostReportError(const std::wstring& message) {
  if (mMessage.empty()) {
    mMessage = message;
    if (mErrorLine == 0) mErrorLine = currentLine();
  }
  AcDbDxfFiler::vhostReportError(message);
}

bool DxfInFiler::fail(size_t i, const std::wstring& message) {
  if (mMessage.empty()) {
    mMessage = message;
    mErrorLine = (mGroups && i < mGroups->size()) ? (*mGroups)[i].line : mObjectLine;
  }
  mStatus = Acad::eBadDxfFile;
  return false;
}

Acad::ErrorStatus DxfInFiler::dwgVersion(AcDb::DwgVersion& version, AcDb::MaintenanceReleaseVersion& m) const {
  version = mVersion;
  m = AcDb::kMReleaseCurrent;
  return Acad::eOk;
}

bool DxfInFiler::convert(size_t i, resbuf& rb, size_t& used) {
  const DxfInGroup& g = (*mGroups)[i];
  const int code = g.code;
  std::memset(&rb, 0, sizeof rb);
  rb.restype = static_cast<short>(code);
  used = 1;
  switch (dxfGroupType(code)) {
    case RbValueType::kString:
      mCodec.decode(g.text.data(), g.text.size(), mText);
      rb.resval.rstring = newWide(mText);
      return true;
    case RbValueType::kHandle: {
      std::uint64_t h = 0;
      std::string_view t = dxfTrim(g.text);
      if (!t.empty() && !dxfParseHandle(t, h)) return fail(i, L"group " + std::to_wstring(code) + L": '" + widen(t.substr(0, 40)) + L"' is not a handle");
      rb.resval.rstring = newWide(widen(t));
      return true;
    }
    case RbValueType::kReal:
      if (!dxfParseDouble(g.text, rb.resval.rreal))
        return fail(i, L"group " + std::to_wstring(code) + L": '" + widen(dxfTrim(g.text).substr(0, 40)) + L"' is not a number");
      return true;
    case RbValueType::kPoint: {
      double* p = rb.resval.rpoint;
      if (!dxfParseDouble(g.text, p[0]))
        return fail(i, L"group " + std::to_wstring(code) + L": '" + widen(dxfTrim(g.text).substr(0, 40)) + L"' is not a number");
      if (!DxfOutFiler::startsPoint(code)) return true;  // 38, 39 and lone coordinates carry one real
      if (i + 1 >= mGroups->size() || (*mGroups)[i + 1].code != code + 10)
        return fail(i, L"group " + std::to_wstring(code) + L": the point has no Y coordinate (group " + std::to_wstring(code + 10) +
                           L")");
      if (!dxfParseDouble((*mGroups)[i + 1].text, p[1]))
        return fail(i + 1, L"group " + std::to_wstring(code + 10) + L": '" +
                               widen(dxfTrim((*mGroups)[i + 1].text).substr(0, 40)) + L"' is not a number");
      used = 2;
      if (i + 2 < mGroups->size() && (*mGroups)[i + 2].code == code + 20) {
        if (!dxfParseDouble((*mGroups)[i + 2].text, p[2]))
          return fail(i + 2, L"group " + std::to_wstring(code + 20) + L": '" +
                                 widen(dxfTrim((*mGroups)[i + 2].text).substr(0, 40)) + L"' is not a number");
        if (p[2] == 0.0) p[2] = 0.0;  // a negative zero would read as a 2D point when written back
        used = 3;
      } else {
        p[2] = -0.0;  // marks a point given without Z, so that it is written back as it was
      }
      return true;
    }
    case RbValueType::kInt16:
    case RbValueType::kInt32:
    case RbValueType::kInt64:
    case RbValueType::kBool: {
      std::int64_t v = 0;
      if (!dxfParseInt64(g.text, v))
        return fail(i, L"group " + std::to_wstring(code) + L": '" + widen(dxfTrim(g.text).substr(0, 40)) + L"' is not an integer");
      const RbValueType t = dxfGroupType(code);
      if (t == RbValueType::kInt16) {
        if (v < -32768 || v > 65535) return fail(i, L"group " + std::to_wstring(code) + L": " + std::to_wstring(v) + L" is out of range");
        rb.resval.rint = static_cast<short>(static_cast<std::uint16_t>(v));
      } else if (t == RbValueType::kBool) {
        rb.resval.rint = v != 0 ? 1 : 0;
      } else if (t == RbValueType::kInt32) {
        if (v < std::numeric_limits<std::int32_t>::min() || v > 0xFFFFFFFFll)
          return fail(i, L"group " + std::to_wstring(code) + L": " + std::to_wstring(v) + L" is out of range");
        rb.resval.rlong = static_cast<Adesk::Int32>(static_cast<std::uint32_t>(v));
      } else {
        rb.resval.mnInt64 = v;
      }
      return true;
    }
    case RbValueType::kEntityName: {
      std::uint64_t h = 0;
      std::string_view t = dxfTrim(g.text);
      if (!t.empty() && !dxfParseHandle(t, h))
        return fail(i, L"group " + std::to_wstring(code) + L": '" + widen(t.substr(0, 40)) + L"' is not a handle");
      AcDbObjectId id;
      if (h != 0 && mRefs) id = mRefs->idOfHandle(h);
      acdbGetAdsName(rb.resval.rlname, id);
      return true;
    }
    case RbValueType::kBinary: {
      std::string_view t = dxfTrim(g.text);
      if (t.size() % 2 != 0 || t.size() / 2 > 32767)
        return fail(i, L"group " + std::to_wstring(code) + L": binary data of odd or excessive length");
      const size_t n = t.size() / 2;
      char* buf = new char[n ? n : 1];
      for (size_t k = 0; k < n; ++k) {
        const int hi = hexNibble(t[2 * k]), lo = hexNibble(t[2 * k + 1]);
        if (hi < 0 || lo < 0) {
          delete[] buf;
          return fail(i, L"group " + std::to_wstring(code) + L": binary data with a character that is not a hex digit");
        }
        buf[k] = static_cast<char>((hi << 4) | lo);
      }
      rb.resval.rbinary.clen = static_cast<short>(n);
      rb.resval.rbinary.buf = buf;
      return true;
    }
    case RbValueType::kNone:
      break;
  }
  return fail(i, L"group code " + std::to_wstring(code) + L" is not valid here");
}

Acad::ErrorStatus DxfInFiler::readResBuf(resbuf* item) {
  if (item == nullptr) return Acad::eNullObjectPointer;
  if (mStatus != Acad::eOk) return mStatus;
  if (mPos >= size() || atExtendedData() || (mHalt && (*mGroups)[mPos].code == 100)) return Acad::eEndOfObject;
  size_t used = 1;
  if (!convert(mPos, *item, used)) return mStatus;
  item->rbnext = nullptr;
  mLastPos = mPos;
  mPos += used;
  return Acad::eOk;
}

void DxfInFiler::pushBackItem() { mPos = mLastPos; }

bool DxfInFiler::atSubclassData(const ACHAR* name) {
  if (name == nullptr || mPos >= size()) return false;
  const DxfInGroup& g = (*mGroups)[mPos];
  if (g.code != 100) return false;
  std::string_view t = g.text;
  while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
  size_t n = std::wcslen(name);
  if (n != t.size()) return false;
  for (size_t k = 0; k < n; ++k)
    if (static_cast<wchar_t>(static_cast<unsigned char>(t[k])) != name[k]) return false;
  mLastPos = mPos;
  ++mPos;
  return true;
}

bool DxfInFiler::atExtendedData() { return mPos < size() && (*mGroups)[mPos].code == 1001; }

}  // namespace vhost
