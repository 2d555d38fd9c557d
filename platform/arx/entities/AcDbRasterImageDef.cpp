#include "arx/entities/AcDbRasterImageDef.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostDxfSupport.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbRasterImageDef, AcDbObject, L"IMAGEDEF")

namespace {

std::string utf8(const std::wstring& w) {
  std::string out;
  for (wchar_t wc : w) {
    auto c = static_cast<unsigned long>(wc);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

unsigned be16(const unsigned char* p) { return (unsigned(p[0]) << 8) | p[1]; }
unsigned long be32(const unsigned char* p) {
  return (static_cast<unsigned long>(p[0]) << 24) | (static_cast<unsigned long>(p[1]) << 16) |
         (static_cast<unsigned long>(p[2]) << 8) | p[3];
}
unsigned le16(const unsigned char* p) { return (unsigned(p[1]) << 8) | p[0]; }
unsigned long le32(const unsigned char* p) {
  return (static_cast<unsigned long>(p[3]) << 24) | (static_cast<unsigned long>(p[2]) << 16) |
         (static_cast<unsigned long>(p[1]) << 8) | p[0];
}

bool parseTiff(const std::vector<unsigned char>& b, int& w, int& h, int& depth) {
  if (b.size() < 8) return false;
  const bool le = b[0] == 'I';
  auto u16 = [&](size_t at) -> unsigned { return le ? le16(&b[at]) : be16(&b[at]); };
  auto u32 = [&](size_t at) -> unsigned long { return le ? le32(&b[at]) : be32(&b[at]); };
  const unsigned long ifd = u32(4);
  if (ifd + 2 > b.size()) return false;
  const unsigned count = u16(ifd);
  w = h = 0;
  depth = 0;
  for (unsigned i = 0; i < count; ++i) {
    const size_t e = ifd + 2 + 12 * size_t(i);
    if (e + 12 > b.size()) break;
    const unsigned tag = u16(e), type = u16(e + 2);
    const unsigned long value = type == 3 ? u16(e + 8) : u32(e + 8);
    if (tag == 256) w = static_cast<int>(value);
    if (tag == 257) h = static_cast<int>(value);
    if (tag == 258 && depth == 0) depth = type == 3 && u32(e + 4) == 1 ? static_cast<int>(value) : 8;
  }
  if (depth == 0) depth = 1;
  return w > 0 && h > 0;
}

}  // namespace

Acad::ErrorStatus AcDbRasterImageDef::vhostReadImageHeader(const std::wstring& path, int& width, int& height,
                                                           int& depth, std::wstring& kind) {
  std::FILE* f = std::fopen(utf8(path).c_str(), "rb");
  if (f == nullptr) return Acad::eFileNotFound;
  std::vector<unsigned char> b(1 << 16);
  const size_t n = std::fread(b.data(), 1, b.size(), f);
  b.resize(n);
  // JPEG frames may come after large metadata blocks; read on when needed.
  auto more = [&]() {
    std::vector<unsigned char> chunk(1 << 16);
    const size_t m = std::fread(chunk.data(), 1, chunk.size(), f);
    b.insert(b.end(), chunk.begin(), chunk.begin() + static_cast<long>(m));
    return m > 0;
  };
  width = height = depth = 0;
  Acad::ErrorStatus es = Acad::eInvalidInput;
  static const unsigned char kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (b.size() >= 26 && std::equal(kPng, kPng + 8, b.begin())) {
    width = static_cast<int>(be32(&b[16]));
    height = static_cast<int>(be32(&b[20]));
    const int bits = b[24];
    static const int channels[7] = {1, 0, 3, 1, 2, 0, 4};
    depth = bits * (b[25] <= 6 ? channels[b[25]] : 1);
    kind = L"PNG";
    es = Acad::eOk;
  } else if (b.size() >= 10 && b[0] == 'G' && b[1] == 'I' && b[2] == 'F') {
    width = static_cast<int>(le16(&b[6]));
    height = static_cast<int>(le16(&b[8]));
    depth = ((b[10] & 0x07) + 1);
    kind = L"GIF";
    es = Acad::eOk;
  } else if (b.size() >= 30 && b[0] == 'B' && b[1] == 'M') {
    width = static_cast<int>(static_cast<Adesk::Int32>(le32(&b[18])));
    height = static_cast<int>(static_cast<Adesk::Int32>(le32(&b[22])));
    if (height < 0) height = -height;
    depth = static_cast<int>(le16(&b[28]));
    kind = L"BMP";
    es = Acad::eOk;
  } else if (b.size() >= 4 && b[0] == 0xFF && b[1] == 0xD8) {
    size_t i = 2;
    while (true) {
      while (i + 9 >= b.size())
        if (!more()) break;
      if (i + 9 >= b.size() || b[i] != 0xFF) break;
      const unsigned marker = b[i + 1];
      if (marker == 0xFF) {
        ++i;
        continue;
      }
      const unsigned len = be16(&b[i + 2]);
      const bool sof = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
      if (sof) {
        height = static_cast<int>(be16(&b[i + 5]));
        width = static_cast<int>(be16(&b[i + 7]));
        depth = b[i + 4] * b[i + 9];
        kind = L"JPEG";
        es = Acad::eOk;
        break;
      }
      if (len < 2) break;
      i += 2 + len;
    }
  } else if (b.size() >= 8 && ((b[0] == 'I' && b[1] == 'I' && b[2] == 42 && b[3] == 0) ||
                               (b[0] == 'M' && b[1] == 'M' && b[2] == 0 && b[3] == 42))) {
    if (parseTiff(b, width, height, depth)) {
      kind = L"TIFF";
      es = Acad::eOk;
    }
  }
  std::fclose(f);
  if (es == Acad::eOk && (width <= 0 || height <= 0)) es = Acad::eInvalidInput;
  if (es != Acad::eOk) {
    width = height = depth = 0;
    kind.clear();
  }
  return es;
}

AcDbRasterImageDef::AcDbRasterImageDef() = default;
AcDbRasterImageDef::~AcDbRasterImageDef() = default;

Acad::ErrorStatus AcDbRasterImageDef::setSourceFileName(const ACHAR* path) {
  if (path == nullptr) return Acad::eInvalidInput;
  assertWriteEnabled();
  mSource = path;
  mLoaded = false;
  return Acad::eOk;
}

const ACHAR* AcDbRasterImageDef::sourceFileName() const {
  assertReadEnabled();
  return mSource.c_str();
}

const ACHAR* AcDbRasterImageDef::activeFileName() const { return sourceFileName(); }

Acad::ErrorStatus AcDbRasterImageDef::load() {
  int w = 0, h = 0, d = 0;
  std::wstring kind;
  Acad::ErrorStatus es = vhostReadImageHeader(mSource, w, h, d, kind);
  if (es != Acad::eOk) return es;
  assertWriteEnabled();
  mWidth = w;
  mHeight = h;
  mDepth = d;
  mKind = kind;
  mLoaded = true;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRasterImageDef::unload(bool) {
  assertWriteEnabled();
  mLoaded = false;
  return Acad::eOk;
}

bool AcDbRasterImageDef::isLoaded() const {
  assertReadEnabled();
  return mLoaded;
}

AcGeVector2d AcDbRasterImageDef::size() const {
  assertReadEnabled();
  return AcGeVector2d(mWidth, mHeight);
}

int AcDbRasterImageDef::colorDepth() const {
  assertReadEnabled();
  return mDepth;
}

const ACHAR* AcDbRasterImageDef::fileType() const {
  assertReadEnabled();
  return mKind.c_str();
}

AcGeVector2d AcDbRasterImageDef::resolutionMMPerPixel() const {
  assertReadEnabled();
  return mResolution;
}

Acad::ErrorStatus AcDbRasterImageDef::setResolutionMMPerPixel(const AcGeVector2d& resolution) {
  if (!(resolution.x > 0.0) || !(resolution.y > 0.0)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mResolution = resolution;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRasterImageDef::vhostSetPixelSize(int width, int height) {
  if (width <= 0 || height <= 0) return Acad::eInvalidInput;
  assertWriteEnabled();
  mWidth = width;
  mHeight = height;
  return Acad::eOk;
}

AcDbObjectId AcDbRasterImageDef::imageDictionary(AcDbDatabase* db) {
  if (db == nullptr) return AcDbObjectId::kNull;
  AcDbDictionary* nod = nullptr;
  if (db->getNamedObjectsDictionary(nod, AcDb::kForRead) != Acad::eOk) return AcDbObjectId::kNull;
  AcDbObjectId id;
  if (nod->getAt(L"ACAD_IMAGE_DICT", id) != Acad::eOk) id.setNull();
  nod->close();
  return id;
}

Acad::ErrorStatus AcDbRasterImageDef::createImageDictionary(AcDbDatabase* db, AcDbObjectId& dictId) {
  dictId.setNull();
  if (db == nullptr) return Acad::eNoDatabase;
  AcDbDictionary* nod = nullptr;
  Acad::ErrorStatus es = db->getNamedObjectsDictionary(nod, AcDb::kForWrite);
  if (es != Acad::eOk) return es;
  if (nod->getAt(L"ACAD_IMAGE_DICT", dictId) == Acad::eOk) {
    nod->close();
    return Acad::eOk;
  }
  auto* dict = new AcDbDictionary();
  es = nod->setAt(L"ACAD_IMAGE_DICT", dict, dictId);
  nod->close();
  if (es != Acad::eOk) {
    delete dict;
    dictId.setNull();
    return es;
  }
  dict->close();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRasterImageDef::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(mSource);
  filer->writeString(mKind);
  filer->writeInt32(mWidth);
  filer->writeInt32(mHeight);
  filer->writeInt32(mDepth);
  filer->writeVector2d(mResolution);
  filer->writeBoolean(mLoaded);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbRasterImageDef::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readString(mSource);
  filer->readString(mKind);
  filer->readInt32(&mWidth);
  filer->readInt32(&mHeight);
  filer->readInt32(&mDepth);
  filer->readVector2d(&mResolution);
  filer->readBoolean(&mLoaded);
  return filer->filerStatus();
}

// --- DXF filing -----------------------------------------------------------------------------------

namespace {
bool keptHasCode(const AcDbObject* obj, int code) {
  for (const resbuf* rb = vhost::dxfKeptGroups(obj, L"AcDbRasterImageDef"); rb; rb = rb->rbnext)
    if (rb->restype == code) return true;
  return false;
}
}  // namespace

Acad::ErrorStatus AcDbRasterImageDef::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbRasterImageDef");
  filer->writeInt32(90, 0);
  filer->writeString(1, mSource);
  filer->writePoint2d(10, AcGePoint2d(mWidth, mHeight));
  filer->writePoint2d(11, AcGePoint2d(mResolution.x, mResolution.y));
  if (!keptHasCode(this, 280)) filer->writeInt8(280, mLoaded ? 1 : 0);
  if (!keptHasCode(this, 281)) filer->writeInt8(281, 0);
  return vhost::dxfWriteKept(filer, this, L"AcDbRasterImageDef");
}

Acad::ErrorStatus AcDbRasterImageDef::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbRasterImageDef")) return vhost::dxfBadSubclass(filer, L"AcDbRasterImageDef");
  vhost::DxfKeptGroups kept(L"AcDbRasterImageDef");
  std::wstring source;
  double width = 0.0, height = 0.0, resX = 1.0, resY = 1.0;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 90: break;  // class version
      case 1: source = rb.resval.rstring ? rb.resval.rstring : L""; break;
      case 10: width = rb.resval.rpoint[0]; height = rb.resval.rpoint[1]; break;
      case 11: resX = rb.resval.rpoint[0]; resY = rb.resval.rpoint[1]; break;
      default: kept.add(rb);  // 280 loaded and 281 units among them
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  auto wholePixels = [](double d) { return std::isfinite(d) && d >= 0.0 && d <= 2147483647.0 && d == std::floor(d); };
  if (!wholePixels(width) || !wholePixels(height))
    return vhost::dxfError(filer, L"image definition size (10) must be whole pixels");
  if (!std::isfinite(resX) || !std::isfinite(resY) || resX < 0.0 || resY < 0.0)
    return vhost::dxfError(filer, L"image definition pixel size (11) must be finite and not negative");
  mSource = source;
  mWidth = static_cast<Adesk::Int32>(width);
  mHeight = static_cast<Adesk::Int32>(height);
  mResolution = AcGeVector2d(resX, resY);
  mLoaded = false;
  kept.storeInto(this);
  return Acad::eOk;
}
