#include "arx/entities/VhostAnnotationDxf.h"

#include <cmath>
#include <cstring>
#include <cwchar>

#include "arx/base/RbValueType.h"
#include "arx/db/AcDbObject.h"
#include "arx/db/AcDbSymbolTable.h"
#include "arx/entities/VhostAnnotationUtil.h"

namespace vhost {
namespace annotdxf {

AcDbDatabase* databaseFor(AcDbDxfFiler* filer, const AcDbObject* obj) {
  AcDbDatabase* db = filer ? filer->database() : nullptr;
  if (db == nullptr && obj != nullptr) db = obj->database();
  return db;
}

std::wstring recordName(AcDbObjectId id) {
  if (id.isNull()) return std::wstring();
  AcDbSymbolTableRecord* rec = AcDbSymbolTableRecord::cast(vhost::residentObject(id));
  if (rec != nullptr) return rec->vhostName();
  vhost::annot::ReadHandle<AcDbSymbolTableRecord> h(id, true);
  return h ? h->vhostName() : std::wstring();
}

AcDbObjectId findRecord(AcDbObjectId tableId, const std::wstring& name) {
  if (tableId.isNull() || name.empty()) return AcDbObjectId();
  AcDbSymbolTable* table = AcDbSymbolTable::cast(vhost::residentObject(tableId));
  if (table != nullptr) return table->vhostFind(name.c_str());
  vhost::annot::ReadHandle<AcDbSymbolTable> h(tableId);
  return h ? h->vhostFind(name.c_str()) : AcDbObjectId();
}

bool isZNormal(const AcGeVector3d& n) { return n.x == 0.0 && n.y == 0.0 && n.z == 1.0; }

AcGePoint3d wcsToOcs(const AcGePoint3d& p, const AcGeVector3d& normal) {
  if (isZNormal(normal)) return p;
  AcGeVector3d x, y;
  vhost::annot::ocsAxes(normal, x, y);
  const AcGeVector3d v = p.asVector();
  return AcGePoint3d(v.dotProduct(x), v.dotProduct(y), v.dotProduct(normal));
}

AcGePoint3d ocsToWcs(const AcGePoint3d& p, const AcGeVector3d& normal) {
  if (isZNormal(normal)) return p;
  AcGeVector3d x, y;
  vhost::annot::ocsAxes(normal, x, y);
  return AcGePoint3d::kOrigin + x * p.x + y * p.y + normal * p.z;
}

AcGeVector3d ocsToWcs(const AcGeVector3d& v, const AcGeVector3d& normal) {
  if (isZNormal(normal)) return v;
  AcGeVector3d x, y;
  vhost::annot::ocsAxes(normal, x, y);
  return x * v.x + y * v.y + normal * v.z;
}

void writeChunked(AcDbDxfFiler* filer, const std::wstring& text, int lastCode, int chunkCode) {
  constexpr size_t kChunk = 250;
  size_t at = 0;
  while (text.size() - at > kChunk) {
    filer->writeString(chunkCode, text.substr(at, kChunk));
    at += kChunk;
  }
  filer->writeString(lastCode, text.substr(at));
}

// --- group list -------------------------------------------------------------------------

GroupList::~GroupList() {
  for (resbuf* rb : mGroups) acutRelRb(rb);
}

Acad::ErrorStatus GroupList::readFrom(AcDbDxfFiler* filer) {
  resbuf rb{};
  Acad::ErrorStatus es;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    rb.rbnext = nullptr;
    mGroups.push_back(acutRbDup(&rb));
    dxfReleaseValue(rb);
  }
  return es == Acad::eEndOfObject ? Acad::eOk : es;
}

resbuf* GroupList::copyRange(size_t from, size_t to) const {
  resbuf* head = nullptr;
  resbuf* tail = nullptr;
  for (size_t i = from; i < to && i < mGroups.size(); ++i) {
    resbuf one = *mGroups[i];
    one.rbnext = nullptr;
    resbuf* copy = acutRbDup(&one);
    if (copy == nullptr) continue;
    if (tail)
      tail->rbnext = copy;
    else
      head = copy;
    tail = copy;
  }
  return head;
}

// --- cursor --------------------------------------------------------------------------------

bool GroupCursor::fail(const std::wstring& message) {
  if (!mFailed) {
    mFailed = true;
    mStatus = dxfError(mFiler, mWhat + L": " + message);
  }
  return false;
}

bool GroupCursor::expect(int code, const resbuf*& rb) {
  if (mFailed) return false;
  if (atEnd()) return fail(L"group " + std::to_wstring(code) + L" expected, the data ends early");
  if (peekCode() != code)
    return fail(L"group " + std::to_wstring(code) + L" expected, found " + std::to_wstring(peekCode()));
  rb = &next();
  return true;
}

bool GroupCursor::takeInt(int code, long& value, long lo, long hi) {
  const resbuf* rb = nullptr;
  if (!expect(code, rb)) return false;
  value = intValue(*rb);
  if (value < lo || value > hi)
    return fail(L"group " + std::to_wstring(code) + L" value " + std::to_wstring(value) + L" is out of range");
  return true;
}

bool GroupCursor::takeReal(int code, double& value, bool positive) {
  const resbuf* rb = nullptr;
  if (!expect(code, rb)) return false;
  value = rb->resval.rreal;
  if (!good(value)) return fail(L"group " + std::to_wstring(code) + L" is not a finite number");
  if (positive && !(value > 0.0)) return fail(L"group " + std::to_wstring(code) + L" must be positive");
  return true;
}

bool GroupCursor::takePoint(int code, AcGePoint3d& value) {
  const resbuf* rb = nullptr;
  if (!expect(code, rb)) return false;
  value = dxfPoint(*rb);
  if (!good(value)) return fail(L"point " + std::to_wstring(code) + L" is not finite");
  return true;
}

bool GroupCursor::takeString(int code, std::wstring& value) {
  const resbuf* rb = nullptr;
  if (!expect(code, rb)) return false;
  value = rb->resval.rstring ? rb->resval.rstring : L"";
  return true;
}

bool good(double d) { return std::isfinite(d); }
bool good(const AcGePoint3d& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

long intValue(const resbuf& rb) {
  switch (rbValueType(rb.restype)) {
    case RbValueType::kInt16:
    case RbValueType::kBool:
      return rb.resval.rint;
    case RbValueType::kInt32:
      return rb.resval.rlong;
    case RbValueType::kInt64:
      return static_cast<long>(rb.resval.mnInt64);
    default:
      return 0;
  }
}

// --- digest ---------------------------------------------------------------------------------

namespace {
struct Fnv {
  std::uint64_t h = 1469598103934665603ull;
  void bytes(const void* data, size_t n) {
    const unsigned char* p = static_cast<const unsigned char*>(data);
    for (size_t i = 0; i < n; ++i) {
      h ^= p[i];
      h *= 1099511628211ull;
    }
  }
  template <class T>
  void value(const T& v) {
    bytes(&v, sizeof v);
  }
};

void digestOne(Fnv& f, const resbuf& rb) {
  f.value(static_cast<int>(rb.restype));
  switch (rbValueType(rb.restype)) {
    case RbValueType::kString:
    case RbValueType::kHandle:
      if (rb.resval.rstring) f.bytes(rb.resval.rstring, std::wcslen(rb.resval.rstring) * sizeof(ACHAR));
      f.value(0);
      break;
    case RbValueType::kReal:
      f.value(rb.resval.rreal);
      break;
    case RbValueType::kPoint:
      f.bytes(rb.resval.rpoint, sizeof(double) * 3);
      break;
    case RbValueType::kInt16:
    case RbValueType::kBool:
      f.value(rb.resval.rint);
      break;
    case RbValueType::kInt32:
      f.value(rb.resval.rlong);
      break;
    case RbValueType::kInt64:
      f.value(rb.resval.mnInt64);
      break;
    case RbValueType::kEntityName:
      f.bytes(rb.resval.rlname, sizeof rb.resval.rlname);
      break;
    case RbValueType::kBinary:
      f.value(rb.resval.rbinary.clen);
      if (rb.resval.rbinary.buf) f.bytes(rb.resval.rbinary.buf, static_cast<size_t>(rb.resval.rbinary.clen));
      break;
    default:
      break;
  }
}

std::wstring verbatimKey(const wchar_t* subclass) { return std::wstring(subclass) + L"#verbatim"; }
}  // namespace

std::uint64_t digestGroups(const std::vector<resbuf*>& groups) {
  Fnv f;
  for (const resbuf* rb : groups) digestOne(f, *rb);
  return f.h;
}

void storeVerbatim(AcDbObject* obj, const wchar_t* subclass, std::uint64_t digest, resbuf* groups) {
  if (obj == nullptr) {
    acutRelRb(groups);
    return;
  }
  if (groups == nullptr) {
    obj->vhostSetDxfKept(verbatimKey(subclass), nullptr);
    return;
  }
  resbuf* head = acutNewRb(1000);
  wchar_t text[32];
  std::swprintf(text, 32, L"%016llx", static_cast<unsigned long long>(digest));
  acutNewString(text, head->resval.rstring);
  head->rbnext = groups;
  obj->vhostSetDxfKept(verbatimKey(subclass), head);
}

const resbuf* verbatimIfUnchanged(const AcDbObject* obj, const wchar_t* subclass, std::uint64_t digest) {
  if (obj == nullptr) return nullptr;
  const resbuf* head = obj->vhostDxfKept(verbatimKey(subclass));
  if (head == nullptr || head->restype != 1000 || head->resval.rstring == nullptr) return nullptr;
  wchar_t text[32];
  std::swprintf(text, 32, L"%016llx", static_cast<unsigned long long>(digest));
  if (std::wcscmp(text, head->resval.rstring) != 0) return nullptr;
  return head->rbnext;
}

Acad::ErrorStatus writeChain(AcDbDxfFiler* filer, const resbuf* chain) {
  for (const resbuf* rb = chain; rb; rb = rb->rbnext) {
    resbuf one = *rb;
    one.rbnext = nullptr;
    Acad::ErrorStatus es = filer->writeResBuf(one);
    if (es != Acad::eOk) return es;
  }
  return filer->filerStatus();
}

}  // namespace annotdxf
}  // namespace vhost
