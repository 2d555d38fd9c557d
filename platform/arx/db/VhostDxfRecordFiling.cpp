#include "arx/db/VhostDxfRecordFiling.h"

#include <cmath>
#include <cwchar>

#include "arx/base/RbValueType.h"
#include "arx/db/AcDbSymbolTable.h"
#include "arx/db/VhostDxfSupport.h"

namespace vhost {

namespace {

std::wstring bitsKey(const ACHAR* subclass, int code) {
  return std::wstring(subclass ? subclass : L"") + L"/" + std::to_wstring(code);
}

std::wstring numberText(double v) {
  wchar_t buf[64];
  std::swprintf(buf, 64, L"%.17g", v);
  return buf;
}

std::wstring groupText(const resbuf& rb, const ACHAR* what) {
  return L"group " + std::to_wstring(rb.restype) + L" (" + (what ? what : L"value") + L")";
}

double realOf(const resbuf& rb) {
  return rbValueType(rb.restype) == RbValueType::kReal ? rb.resval.rreal : static_cast<double>(dxfInt(rb));
}

}  // namespace

int dxfHandleCode(const AcDbObject* obj) {
  const AcDbSymbolTableRecord* record = AcDbSymbolTableRecord::cast(obj);
  return record ? record->vhostDxfHandleCode() : 5;
}

std::wstring dxfTableName(const AcDbSymbolTable* table) {
  if (table == nullptr) return std::wstring();
  std::wstring name = table->isA()->dxfName();
  static const std::wstring kSuffix = L"_TABLE";
  if (name.size() > kSuffix.size() && name.compare(name.size() - kSuffix.size(), kSuffix.size(), kSuffix) == 0)
    name.erase(name.size() - kSuffix.size());
  if (name == L"BLOCK") name = L"BLOCK_RECORD";
  return name;
}

int dxfKeptBits(const AcDbObject* obj, const ACHAR* subclass, int code) {
  if (obj == nullptr) return 0;
  const resbuf* rb = obj->vhostDxfKept(bitsKey(subclass, code));
  return rb ? static_cast<int>(dxfInt(*rb)) : 0;
}

void dxfKeepBits(AcDbObject* obj, const ACHAR* subclass, int code, int bits) {
  if (obj == nullptr) return;
  const std::wstring key = bitsKey(subclass, code);
  if (bits == 0) {
    if (obj->vhostDxfKept(key)) obj->vhostSetDxfKept(key, nullptr);
    return;
  }
  resbuf* rb = acutNewRb(code);
  if (rb == nullptr) return;
  switch (rbValueType(code)) {
    case RbValueType::kInt32: rb->resval.rlong = bits; break;
    case RbValueType::kInt64: rb->resval.mnInt64 = bits; break;
    default: rb->resval.rint = static_cast<short>(bits); break;
  }
  obj->vhostSetDxfKept(key, rb);
}

bool dxfKeptHas(const AcDbObject* obj, const ACHAR* subclass, int code) {
  if (obj == nullptr) return false;
  for (const resbuf* rb = obj->vhostDxfKept(subclass ? subclass : L""); rb; rb = rb->rbnext)
    if (rb->restype == code) return true;
  return false;
}

long dxfInt(const resbuf& rb) {
  switch (rbValueType(rb.restype)) {
    case RbValueType::kInt16:
    case RbValueType::kBool: return rb.resval.rint;
    case RbValueType::kInt32: return rb.resval.rlong;
    case RbValueType::kInt64: return static_cast<long>(rb.resval.mnInt64);
    case RbValueType::kReal: return static_cast<long>(rb.resval.rreal);
    default: return 0;
  }
}

Acad::ErrorStatus dxfCheckFinite(AcDbDxfFiler* filer, const resbuf& rb, const ACHAR* what) {
  const double v = realOf(rb);
  if (std::isfinite(v)) return Acad::eOk;
  return dxfError(filer, groupText(rb, what) + L" is not a finite number");
}

Acad::ErrorStatus dxfCheckNonNegative(AcDbDxfFiler* filer, const resbuf& rb, const ACHAR* what) {
  Acad::ErrorStatus es = dxfCheckFinite(filer, rb, what);
  if (es != Acad::eOk) return es;
  const double v = realOf(rb);
  if (v >= 0.0) return Acad::eOk;
  return dxfError(filer, groupText(rb, what) + L" is " + numberText(v) + L": it may not be negative");
}

Acad::ErrorStatus dxfCheckPositive(AcDbDxfFiler* filer, const resbuf& rb, const ACHAR* what) {
  Acad::ErrorStatus es = dxfCheckFinite(filer, rb, what);
  if (es != Acad::eOk) return es;
  const double v = realOf(rb);
  if (v > 0.0) return Acad::eOk;
  return dxfError(filer, groupText(rb, what) + L" is " + numberText(v) + L": it must be positive");
}

Acad::ErrorStatus dxfCheckRange(AcDbDxfFiler* filer, const resbuf& rb, long lo, long hi, const ACHAR* what) {
  const long v = dxfInt(rb);
  if (v >= lo && v <= hi) return Acad::eOk;
  return dxfError(filer, groupText(rb, what) + L" is " + std::to_wstring(v) + L": it must be between " +
                             std::to_wstring(lo) + L" and " + std::to_wstring(hi));
}

}  // namespace vhost
