#include "arx/db/AcDbXrecord.h"

#include <cstring>
#include <cwctype>
#include <string>

#include "arx/base/RbValueType.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/AcDbSymbolTable.h"
#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/db/VhostDxfSupport.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbXrecord, AcDbObject, L"XRECORD")

namespace {

using vhost::RbValueType;

// Packed item storage: appending and reading fixed-width values.
struct Writer {
  std::vector<unsigned char>& out;
  template <class T>
  void put(const T& v) {
    const size_t at = out.size();
    out.resize(at + sizeof(T));
    std::memcpy(out.data() + at, &v, sizeof(T));
  }
  void putBytes(const void* p, size_t n) {
    const size_t at = out.size();
    out.resize(at + n);
    if (n) std::memcpy(out.data() + at, p, n);
  }
  void putText(const ACHAR* s) {
    const Adesk::UInt32 n = static_cast<Adesk::UInt32>(std::wcslen(s));
    put(n);
    putBytes(s, n * sizeof(ACHAR));
  }
};

struct Reader {
  const std::vector<unsigned char>& in;
  size_t pos = 0;
  template <class T>
  T get() {
    T v;
    std::memcpy(&v, in.data() + pos, sizeof(T));
    pos += sizeof(T);
    return v;
  }
  std::wstring getText() {
    const Adesk::UInt32 n = get<Adesk::UInt32>();
    std::wstring s(n, L'\0');
    if (n) std::memcpy(&s[0], in.data() + pos, n * sizeof(ACHAR));
    pos += n * sizeof(ACHAR);
    return s;
  }
  std::vector<char> getBytes() {
    const Adesk::UInt16 n = get<Adesk::UInt16>();
    std::vector<char> b(in.begin() + static_cast<long>(pos), in.begin() + static_cast<long>(pos + n));
    pos += n;
    return b;
  }
};

bool isHexText(const ACHAR* s) {
  size_t n = 0;
  for (; s[n]; ++n) {
    if (n >= 16 || !std::iswxdigit(s[n])) return false;
  }
  return n > 0;
}

// Group codes an xrecord can hold: DXF codes with a value.
bool isStorableCode(int code) {
  if (code <= 0 || code >= RTNONE) return false;
  const int t = acdbGroupCodeToType(code);
  if (t == vhost::kDwgNotRecognized || t == vhost::kDwgNull) return false;
  return vhost::rbValueType(code) != RbValueType::kNone;
}

bool filesRawIds(AcDb::FilerType t) {
  return t == AcDb::kDeepCloneFiler || t == AcDb::kWblockCloneFiler || t == AcDb::kIdXlateFiler;
}

void writeIdOfCode(AcDbDwgFiler* filer, int code, AcDbObjectId id) {
  switch (acdbGroupCodeToType(code)) {
    case vhost::kDwgHardOwnershipId: filer->writeHardOwnershipId(id); break;
    case vhost::kDwgSoftOwnershipId: filer->writeSoftOwnershipId(id); break;
    case vhost::kDwgHardPointerId: filer->writeHardPointerId(id); break;
    default: filer->writeSoftPointerId(id); break;
  }
}

AcDbObjectId readIdOfCode(AcDbDwgFiler* filer, int code) {
  switch (acdbGroupCodeToType(code)) {
    case vhost::kDwgHardOwnershipId: {
      AcDbHardOwnershipId id;
      filer->readHardOwnershipId(&id);
      return id;
    }
    case vhost::kDwgSoftOwnershipId: {
      AcDbSoftOwnershipId id;
      filer->readSoftOwnershipId(&id);
      return id;
    }
    case vhost::kDwgHardPointerId: {
      AcDbHardPointerId id;
      filer->readHardPointerId(&id);
      return id;
    }
    default: {
      AcDbSoftPointerId id;
      filer->readSoftPointerId(&id);
      return id;
    }
  }
}

}  // namespace

AcDbXrecord::AcDbXrecord() = default;
AcDbXrecord::~AcDbXrecord() = default;

Acad::ErrorStatus AcDbXrecord::rbChain(resbuf*& head, AcDbDatabase*) const {
  head = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  resbuf** tail = &head;
  Reader r{mData};
  for (Adesk::UInt32 i = 0; i < mCount; ++i) {
    const Adesk::Int16 code = r.get<Adesk::Int16>();
    resbuf* rb = acutNewRb(code);
    if (rb == nullptr) {
      acutRelRb(head);
      head = nullptr;
      return Acad::eOutOfMemory;
    }
    *tail = rb;
    tail = &rb->rbnext;
    switch (vhost::rbValueType(code)) {
      case RbValueType::kString:
      case RbValueType::kHandle: {
        const std::wstring s = r.getText();
        rb->resval.rstring = vhost::newText(s);
        break;
      }
      case RbValueType::kReal: rb->resval.rreal = r.get<double>(); break;
      case RbValueType::kPoint:
        for (double& c : rb->resval.rpoint) c = r.get<double>();
        break;
      case RbValueType::kInt16: rb->resval.rint = r.get<Adesk::Int16>(); break;
      case RbValueType::kBool: rb->resval.rint = r.get<Adesk::UInt8>() ? 1 : 0; break;
      case RbValueType::kInt32: rb->resval.rlong = r.get<Adesk::Int32>(); break;
      case RbValueType::kInt64: rb->resval.mnInt64 = r.get<Adesk::Int64>(); break;
      case RbValueType::kEntityName: {
        const AcDbObjectId id = mIds[r.get<Adesk::UInt32>()];
        rb->resval.rlname[0] = rb->resval.rlname[1] = 0;
        if (!id.isNull()) acdbGetAdsName(rb->resval.rlname, id);
        break;
      }
      case RbValueType::kBinary: {
        const std::vector<char> bytes = r.getBytes();
        rb->resval.rbinary.clen = static_cast<short>(bytes.size());
        rb->resval.rbinary.buf = nullptr;
        if (!bytes.empty()) {
          rb->resval.rbinary.buf = new char[bytes.size()];
          std::memcpy(rb->resval.rbinary.buf, bytes.data(), bytes.size());
        }
        break;
      }
      case RbValueType::kNone: break;
    }
  }
  return Acad::eOk;
}

Acad::ErrorStatus AcDbXrecord::setFromRbChain(const resbuf& head, AcDbDatabase* auxDb) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  AcDbDatabase* db = database() ? database() : auxDb;
  std::vector<unsigned char> data;
  std::vector<AcDbObjectId> ids;
  Adesk::UInt32 count = 0;
  Writer w{data};
  for (const resbuf* rb = &head; rb != nullptr; rb = rb->rbnext, ++count) {
    const int code = rb->restype;
    if (!isStorableCode(code)) return Acad::eInvalidResBuf;
    const RbValueType type = vhost::rbValueType(code);
    // Check the value before writing anything of the item.
    switch (type) {
      case RbValueType::kString:
        if (rb->resval.rstring == nullptr) return Acad::eInvalidResBuf;
        break;
      case RbValueType::kHandle:
        if (rb->resval.rstring == nullptr || !isHexText(rb->resval.rstring)) return Acad::eInvalidResBuf;
        break;
      case RbValueType::kBool:
        if (rb->resval.rint != 0 && rb->resval.rint != 1) return Acad::eInvalidResBuf;
        break;
      case RbValueType::kBinary:
        if (rb->resval.rbinary.clen < 0 || (rb->resval.rbinary.clen > 0 && rb->resval.rbinary.buf == nullptr))
          return Acad::eInvalidResBuf;
        break;
      default: break;
    }
    w.put(static_cast<Adesk::Int16>(code));
    switch (type) {
      case RbValueType::kString:
      case RbValueType::kHandle: w.putText(rb->resval.rstring); break;
      case RbValueType::kReal: w.put(rb->resval.rreal); break;
      case RbValueType::kPoint:
        for (double c : rb->resval.rpoint) w.put(c);
        break;
      case RbValueType::kInt16: w.put(static_cast<Adesk::Int16>(rb->resval.rint)); break;
      case RbValueType::kBool: w.put(static_cast<Adesk::UInt8>(rb->resval.rint)); break;
      case RbValueType::kInt32: w.put(static_cast<Adesk::Int32>(rb->resval.rlong)); break;
      case RbValueType::kInt64: w.put(static_cast<Adesk::Int64>(rb->resval.mnInt64)); break;
      case RbValueType::kEntityName: {
        AcDbObjectId id;
        if (rb->resval.rlname[0] != 0 || rb->resval.rlname[1] != 0) {
          if (acdbGetObjectId(id, rb->resval.rlname) != Acad::eOk || id.isNull()) return Acad::eInvalidAdsName;
          if (db != nullptr && id.database() != db) return Acad::eWrongDatabase;
        }
        w.put(static_cast<Adesk::UInt32>(ids.size()));
        ids.push_back(id);
        break;
      }
      case RbValueType::kBinary:
        w.put(static_cast<Adesk::UInt16>(rb->resval.rbinary.clen));
        w.putBytes(rb->resval.rbinary.buf, static_cast<size_t>(rb->resval.rbinary.clen));
        break;
      case RbValueType::kNone: return Acad::eInvalidResBuf;
    }
  }
  mData.swap(data);
  mIds.swap(ids);
  mCount = count;
  return Acad::eOk;
}

bool AcDbXrecord::isXlateReferences() const {
  assertReadEnabled();
  return mXlate;
}

void AcDbXrecord::setXlateReferences(bool translate) {
  assertWriteEnabled();
  mXlate = translate;
}

AcDb::DuplicateRecordCloning AcDbXrecord::mergeStyle() const {
  return static_cast<AcDb::DuplicateRecordCloning>(mMergeStyle);
}

void AcDbXrecord::setMergeStyle(AcDb::DuplicateRecordCloning style) {
  assertWriteEnabled();
  mMergeStyle = static_cast<Adesk::Int16>(style);
}

// Items are filed one by one with their value's own filer call, object
// references with the kind their code gives, so that the filer sees (and
// cloning translates) them. Without translation, clone filers carry the ids
// as plain numbers.
Acad::ErrorStatus AcDbXrecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeBoolean(mXlate);
  filer->writeInt16(mMergeStyle);
  filer->writeUInt32(mCount);
  const bool rawIds = !mXlate && filesRawIds(filer->filerType());
  Reader r{mData};
  for (Adesk::UInt32 i = 0; i < mCount; ++i) {
    const Adesk::Int16 code = r.get<Adesk::Int16>();
    filer->writeInt16(code);
    switch (vhost::rbValueType(code)) {
      case RbValueType::kString:
      case RbValueType::kHandle: filer->writeString(r.getText()); break;
      case RbValueType::kReal: filer->writeDouble(r.get<double>()); break;
      case RbValueType::kPoint: {
        const double x = r.get<double>(), y = r.get<double>(), z = r.get<double>();
        filer->writePoint3d(AcGePoint3d(x, y, z));
        break;
      }
      case RbValueType::kInt16: filer->writeInt16(r.get<Adesk::Int16>()); break;
      case RbValueType::kBool: filer->writeUInt8(r.get<Adesk::UInt8>()); break;
      case RbValueType::kInt32: filer->writeInt32(r.get<Adesk::Int32>()); break;
      case RbValueType::kInt64: filer->writeInt64(r.get<Adesk::Int64>()); break;
      case RbValueType::kEntityName: {
        const AcDbObjectId id = mIds[r.get<Adesk::UInt32>()];
        if (rawIds)
          filer->writeInt64(id.asOldId());
        else
          writeIdOfCode(filer, code, id);
        break;
      }
      case RbValueType::kBinary: {
        std::vector<char> bytes = r.getBytes();
        ads_binary chunk{static_cast<short>(bytes.size()), bytes.empty() ? nullptr : bytes.data()};
        filer->writeBChunk(chunk);
        break;
      }
      case RbValueType::kNone: break;
    }
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbXrecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  bool xlate = true;
  Adesk::Int16 merge = AcDb::kDrcIgnore;
  Adesk::UInt32 count = 0;
  filer->readBoolean(&xlate);
  filer->readInt16(&merge);
  filer->readUInt32(&count);
  const bool rawIds = !xlate && filesRawIds(filer->filerType());
  std::vector<unsigned char> data;
  std::vector<AcDbObjectId> ids;
  Writer w{data};
  for (Adesk::UInt32 i = 0; i < count && filer->filerStatus() == Acad::eOk; ++i) {
    Adesk::Int16 code = 0;
    filer->readInt16(&code);
    if (!isStorableCode(code)) return Acad::eInvalidResBuf;
    w.put(code);
    switch (vhost::rbValueType(code)) {
      case RbValueType::kString:
      case RbValueType::kHandle: {
        std::wstring s;
        filer->readString(s);
        w.putText(s.c_str());
        break;
      }
      case RbValueType::kReal: {
        double v = 0;
        filer->readDouble(&v);
        w.put(v);
        break;
      }
      case RbValueType::kPoint: {
        AcGePoint3d p;
        filer->readPoint3d(&p);
        w.put(p.x);
        w.put(p.y);
        w.put(p.z);
        break;
      }
      case RbValueType::kInt16: {
        Adesk::Int16 v = 0;
        filer->readInt16(&v);
        w.put(v);
        break;
      }
      case RbValueType::kBool: {
        Adesk::UInt8 v = 0;
        filer->readUInt8(&v);
        w.put(static_cast<Adesk::UInt8>(v ? 1 : 0));
        break;
      }
      case RbValueType::kInt32: {
        Adesk::Int32 v = 0;
        filer->readInt32(&v);
        w.put(v);
        break;
      }
      case RbValueType::kInt64: {
        Adesk::Int64 v = 0;
        filer->readInt64(&v);
        w.put(v);
        break;
      }
      case RbValueType::kEntityName: {
        AcDbObjectId id;
        if (rawIds) {
          Adesk::Int64 raw = 0;
          filer->readInt64(&raw);
          id.setFromOldId(raw);
        } else {
          id = readIdOfCode(filer, code);
        }
        w.put(static_cast<Adesk::UInt32>(ids.size()));
        ids.push_back(id);
        break;
      }
      case RbValueType::kBinary: {
        ads_binary chunk{0, nullptr};
        filer->readBChunk(&chunk);
        const size_t n = chunk.clen > 0 ? static_cast<size_t>(chunk.clen) : 0;
        w.put(static_cast<Adesk::UInt16>(n));
        w.putBytes(chunk.buf, n);
        delete[] chunk.buf;
        break;
      }
      case RbValueType::kNone: break;
    }
  }
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  mXlate = xlate;
  mMergeStyle = merge;
  mData.swap(data);
  mIds.swap(ids);
  mCount = count;
  return Acad::eOk;
}

// --- DXF -------------------------------------------------------------------------------

namespace {
constexpr const ACHAR* kSubclass = L"AcDbXrecord";

const ACHAR* statusText(Acad::ErrorStatus es) {
  switch (es) {
    case Acad::eInvalidAdsName: return L"an object reference names no object";
    case Acad::eWrongDatabase: return L"an object reference names an object of another drawing";
    default: return L"an item has a group code or value an xrecord cannot hold";
  }
}
}  // namespace

Acad::ErrorStatus AcDbXrecord::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, kSubclass);
  filer->writeInt16(280, mMergeStyle);
  resbuf* chain = nullptr;
  es = rbChain(chain, filer->database());
  if (es != Acad::eOk) return es;
  for (const resbuf* rb = chain; rb && es == Acad::eOk; rb = rb->rbnext) es = filer->writeResBuf(*rb);
  acutRelRb(chain);
  return es != Acad::eOk ? es : filer->filerStatus();
}

Acad::ErrorStatus AcDbXrecord::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(kSubclass)) return vhost::dxfBadSubclass(filer, kSubclass);
  // Every group up to the extended data is an item, markers included.
  filer->haltAtClassBoundaries(false);
  Adesk::Int16 merge = mMergeStyle;
  resbuf* head = nullptr;
  resbuf** tail = &head;
  bool first = true;
  resbuf rb;
  while (es == Acad::eOk && (es = filer->readResBuf(&rb)) == Acad::eOk) {
    if (first && rb.restype == 280) {
      es = vhost::dxfCheckRange(filer, rb, AcDb::kDrcNotApplicable, AcDb::kDrcUnmangleName, L"merge style");
      merge = static_cast<Adesk::Int16>(vhost::dxfInt(rb));
    } else {
      resbuf one = rb;
      one.rbnext = nullptr;
      *tail = acutRbDup(&one);
      if (*tail == nullptr) es = Acad::eOutOfMemory;
      else tail = &(*tail)->rbnext;
    }
    first = false;
    vhost::dxfReleaseValue(rb);
  }
  filer->haltAtClassBoundaries(true);
  if (es != Acad::eEndOfObject) {
    acutRelRb(head);
    return es;
  }
  if (head != nullptr) {
    es = setFromRbChain(*head, filer->database());
    acutRelRb(head);
    if (es != Acad::eOk) return vhost::dxfError(filer, std::wstring(L"xrecord: ") + statusText(es));
  } else {
    mData.clear();
    mIds.clear();
    mCount = 0;
  }
  mMergeStyle = merge;
  return Acad::eOk;
}
