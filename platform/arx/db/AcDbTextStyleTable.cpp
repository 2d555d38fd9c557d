#include "arx/db/AcDbTextStyleTable.h"

#include <cmath>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/db/VhostFieldXData.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbTextStyleTableRecord, AcDbSymbolTableRecord, L"STYLE")
VHOST_DEFINE_BUILTIN_CLASS(AcDbTextStyleTable, AcDbSymbolTable, L"STYLE_TABLE")

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kMaxObliquing = 85.0 * kPi / 180.0;

constexpr const ACHAR* kSubclass = L"AcDbTextStyleTableRecord";
constexpr const ACHAR* kFontApp = L"ACAD";
// Group 70 of a style: 1 shape file, 4 vertical text; 16 follows the name.
constexpr int kDxfShapeFile = 1;
constexpr int kDxfVertical = 4;
// Group 1071 of the font: pitch and family, character set, italic, bold.
constexpr Adesk::Int32 kFontItalic = 0x1000000;
constexpr Adesk::Int32 kFontBold = 0x2000000;

// An angle brought into (-pi, pi].
double normalAngle(double a) {
  a = std::fmod(a, 2.0 * kPi);
  if (a > kPi) a -= 2.0 * kPi;
  if (a <= -kPi) a += 2.0 * kPi;
  return a;
}
}  // namespace

// --- record ------------------------------------------------------------------------------

AcDbTextStyleTableRecord::AcDbTextStyleTableRecord() = default;
AcDbTextStyleTableRecord::~AcDbTextStyleTableRecord() = default;

Acad::ErrorStatus AcDbTextStyleTableRecord::fileName(ACHAR*& name) const {
  name = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  name = vhost::newText(mFileName);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::fileName(const ACHAR*& name) const {
  name = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  name = mFileName.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setFileName(const ACHAR* name) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mFileName = name ? name : L"";
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::bigFontFileName(ACHAR*& name) const {
  name = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  name = vhost::newText(mBigFontFileName);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::bigFontFileName(const ACHAR*& name) const {
  name = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  name = mBigFontFileName.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setBigFontFileName(const ACHAR* name) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mBigFontFileName = name ? name : L"";
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::font(ACHAR*& typeface, bool& bold, bool& italic, int& charset,
                                                 int& pitchAndFamily) const {
  typeface = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  typeface = vhost::newText(mTypeface);
  bold = mBold;
  italic = mItalic;
  charset = mCharset;
  pitchAndFamily = mPitchAndFamily;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setFont(const ACHAR* typeface, bool bold, bool italic, int charset,
                                                    int pitchAndFamily) {
  if (charset < 0 || charset > 255 || pitchAndFamily < 0 || pitchAndFamily > 255) return Acad::eInvalidInput;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mTypeface = typeface ? typeface : L"";
  mBold = bold;
  mItalic = italic;
  mCharset = charset;
  mPitchAndFamily = pitchAndFamily;
  return Acad::eOk;
}

double AcDbTextStyleTableRecord::textSize() const {
  assertReadEnabled();
  return mTextSize;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setTextSize(double size) {
  if (!std::isfinite(size)) return Acad::eInvalidInput;
  if (size < 0.0) return Acad::eNegativeValueNotAllowed;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mTextSize = size;
  return Acad::eOk;
}

double AcDbTextStyleTableRecord::xScale() const {
  assertReadEnabled();
  return mXScale;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setXScale(double factor) {
  if (!std::isfinite(factor) || factor <= 0.0) return Acad::eInvalidInput;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mXScale = factor;
  return Acad::eOk;
}

double AcDbTextStyleTableRecord::obliquingAngle() const {
  assertReadEnabled();
  return mObliquingAngle;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setObliquingAngle(double angle) {
  if (!std::isfinite(angle)) return Acad::eInvalidInput;
  // Angles are also given as their positive equivalent (350 degrees for -10).
  double a = std::fmod(angle, 2.0 * 3.14159265358979323846);
  if (a > 3.14159265358979323846) a -= 2.0 * 3.14159265358979323846;
  if (a < -3.14159265358979323846) a += 2.0 * 3.14159265358979323846;
  if (std::fabs(a) > kMaxObliquing + 1e-12) return Acad::eInvalidInput;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mObliquingAngle = a;
  return Acad::eOk;
}

double AcDbTextStyleTableRecord::priorSize() const {
  assertReadEnabled();
  return mPriorSize;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setPriorSize(double size) {
  if (!std::isfinite(size)) return Acad::eInvalidInput;
  if (size < 0.0) return Acad::eNegativeValueNotAllowed;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mPriorSize = size;
  return Acad::eOk;
}

bool AcDbTextStyleTableRecord::isVertical() const {
  assertReadEnabled();
  return mVertical;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setIsVertical(bool vertical) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mVertical = vertical;
  return Acad::eOk;
}

bool AcDbTextStyleTableRecord::isShapeFile() const {
  assertReadEnabled();
  return mShapeFile;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setIsShapeFile(bool shapeFile) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mShapeFile = shapeFile;
  return Acad::eOk;
}

Adesk::UInt8 AcDbTextStyleTableRecord::flagBits() const {
  assertReadEnabled();
  return mFlagBits;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setFlagBits(Adesk::UInt8 flags) {
  if ((flags & ~0x06) != 0) return Acad::eInvalidInput;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mFlagBits = flags;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableRecord::subErase(Adesk::Boolean erasing) {
  if (erasing) {
    if (vhost::nameKey(vhostName()) == L"STANDARD") return Acad::eCannotBeErasedByCaller;
    AcDbDatabase* db = database();
    if (db != nullptr && db->textstyle() == objectId()) return Acad::eCannotBeErasedByCaller;
  }
  return AcDbSymbolTableRecord::subErase(erasing);
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(mFileName);
  filer->writeString(mBigFontFileName);
  filer->writeString(mTypeface);
  filer->writeDouble(mTextSize);
  filer->writeDouble(mXScale);
  filer->writeDouble(mObliquingAngle);
  filer->writeDouble(mPriorSize);
  filer->writeInt32(mCharset);
  filer->writeInt32(mPitchAndFamily);
  filer->writeUInt8(mFlagBits);
  filer->writeBoolean(mBold);
  filer->writeBoolean(mItalic);
  filer->writeBoolean(mVertical);
  filer->writeBoolean(mShapeFile);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readString(mFileName);
  filer->readString(mBigFontFileName);
  filer->readString(mTypeface);
  filer->readDouble(&mTextSize);
  filer->readDouble(&mXScale);
  filer->readDouble(&mObliquingAngle);
  filer->readDouble(&mPriorSize);
  filer->readInt32(&mCharset);
  filer->readInt32(&mPitchAndFamily);
  filer->readUInt8(&mFlagBits);
  filer->readBoolean(&mBold);
  filer->readBoolean(&mItalic);
  filer->readBoolean(&mVertical);
  filer->readBoolean(&mShapeFile);
  if (!(mXScale > 0.0)) mXScale = 1.0;
  return filer->filerStatus();
}

// --- DXF ---------------------------------------------------------------------------------

Acad::ErrorStatus AcDbTextStyleTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, kSubclass);
  filer->writeString(2, vhostName());
  int flags = vhostDxfStandardFlags() | vhost::dxfKeptBits(this, kSubclass, 70);
  if (mShapeFile) flags |= kDxfShapeFile;
  if (mVertical) flags |= kDxfVertical;
  filer->writeInt16(70, static_cast<Adesk::Int16>(flags));
  filer->writeDouble(40, mTextSize);
  filer->writeDouble(41, mXScale);
  filer->writeDouble(50, mObliquingAngle * 180.0 / kPi);
  filer->writeInt16(71, mFlagBits);
  filer->writeDouble(42, mPriorSize);
  filer->writeString(3, mFileName);
  filer->writeString(4, mBigFontFileName);
  vhost::dxfWriteKept(filer, this, kSubclass);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbTextStyleTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(kSubclass)) return vhost::dxfBadSubclass(filer, kSubclass);
  vhost::DxfKeptGroups kept(kSubclass);
  std::wstring name, fileName, bigFont;
  bool sawName = false;
  int flags = 0, generation = 0;
  double size = 0.0, xScale = 1.0, obliquing = 0.0, prior = mPriorSize;
  resbuf rb;
  while (es == Acad::eOk && (es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 2:
        name = rb.resval.rstring ? rb.resval.rstring : L"";
        sawName = true;
        break;
      case 70: flags = static_cast<int>(vhost::dxfInt(rb)); break;
      case 40:
        es = vhost::dxfCheckNonNegative(filer, rb, L"text height");
        size = rb.resval.rreal;
        break;
      case 41:
        es = vhost::dxfCheckPositive(filer, rb, L"width factor");
        xScale = rb.resval.rreal;
        break;
      case 50:
        es = vhost::dxfCheckFinite(filer, rb, L"obliquing angle");
        if (es != Acad::eOk) break;
        obliquing = normalAngle(rb.resval.rreal * kPi / 180.0);
        if (std::fabs(obliquing) > kMaxObliquing + 1e-9)
          es = vhost::dxfError(filer, L"the obliquing angle (group 50) of text style " + name +
                                          L" is beyond 85 degrees either way");
        break;
      case 71:
        generation = static_cast<int>(vhost::dxfInt(rb));
        if ((generation & ~0x06) != 0)
          es = vhost::dxfError(filer, L"the text generation flags (group 71) of text style " + name +
                                          L" hold bits other than 2 and 4");
        break;
      case 42:
        es = vhost::dxfCheckNonNegative(filer, rb, L"last text height");
        prior = rb.resval.rreal;
        break;
      case 3: fileName = rb.resval.rstring ? rb.resval.rstring : L""; break;
      case 4: bigFont = rb.resval.rstring ? rb.resval.rstring : L""; break;
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (!sawName) return vhost::dxfError(filer, L"a STYLE record has no name (group 2)");
  es = vhostDxfSetName(filer, name.c_str(), (flags & kDxfShapeFile) != 0);
  if (es != Acad::eOk) return es;
  mShapeFile = (flags & kDxfShapeFile) != 0;
  mVertical = (flags & kDxfVertical) != 0;
  mTextSize = size;
  mXScale = xScale;
  mObliquingAngle = obliquing;
  mFlagBits = static_cast<Adesk::UInt8>(generation);
  mPriorSize = prior;
  mFileName = fileName;
  mBigFontFileName = bigFont;
  vhost::dxfKeepBits(this, kSubclass, 70, flags & ~(kDxfShapeFile | kDxfVertical | 16));
  kept.storeInto(this);
  return Acad::eOk;
}

resbuf* AcDbTextStyleTableRecord::xData(const ACHAR* regappName) const {
  resbuf* base = AcDbSymbolTableRecord::xData(regappName);
  if (mTypeface.empty() || (regappName && !vhost::xdataSameApp(regappName, kFontApp))) return base;
  resbuf* others = nullptr;
  bool present = false;
  resbuf* rest = vhost::xdataSplit(base, kFontApp, others, present);
  acutRelRb(base);
  Adesk::Int32 packed = (mPitchAndFamily & 0xFF) | ((mCharset & 0xFF) << 8);
  if (mItalic) packed |= kFontItalic;
  if (mBold) packed |= kFontBold;
  resbuf* items = acutBuildList(1000, mTypeface.c_str(), 1071, packed, 0);
  if (items == nullptr) {
    acutRelRb(others);
    return rest;
  }
  vhost::rbTail(items)->rbnext = others;
  return vhost::xdataJoin(kFontApp, items, rest);
}

Acad::ErrorStatus AcDbTextStyleTableRecord::setXData(const resbuf* xdata) {
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  resbuf* items = nullptr;
  bool present = false;
  resbuf* rest = vhost::xdataSplit(xdata, kFontApp, items, present);
  const bool isFont = items && items->restype == 1000 && items->resval.rstring &&
                      (items->rbnext == nullptr || items->rbnext->restype == 1071);
  if (!isFont) {
    acutRelRb(items);
    acutRelRb(rest);
    return AcDbSymbolTableRecord::setXData(xdata);
  }
  const std::wstring typeface = items->resval.rstring;
  const Adesk::Int32 packed = items->rbnext ? items->rbnext->resval.rlong : 0;
  resbuf* last = items->rbnext ? items->rbnext : items;
  resbuf* after = last->rbnext;
  last->rbnext = nullptr;
  acutRelRb(items);
  // What follows the font stays extended data of "ACAD".
  resbuf* chain = vhost::xdataJoin(kFontApp, after, rest);
  Acad::ErrorStatus es = chain ? AcDbSymbolTableRecord::setXData(chain) : Acad::eOk;
  acutRelRb(chain);
  if (es != Acad::eOk) return es;
  assertWriteEnabled();
  mTypeface = typeface;
  mPitchAndFamily = packed & 0xFF;
  mCharset = (packed >> 8) & 0xFF;
  mItalic = (packed & kFontItalic) != 0;
  mBold = (packed & kFontBold) != 0;
  return Acad::eOk;
}

// --- table ---------------------------------------------------------------------------------

AcDbTextStyleTable::AcDbTextStyleTable() = default;
AcDbTextStyleTable::~AcDbTextStyleTable() = default;

bool AcDbTextStyleTable::vhostAccepts(const AcDbSymbolTableRecord* record) const {
  return AcDbTextStyleTableRecord::cast(record) != nullptr;
}

Acad::ErrorStatus AcDbTextStyleTable::getAt(const ACHAR* name, AcDbTextStyleTableRecord*& record,
                                            AcDb::OpenMode mode, bool openErasedRecord) const {
  return vhostGetTyped(name, record, mode, openErasedRecord);
}

Acad::ErrorStatus AcDbTextStyleTable::newIterator(AcDbTextStyleTableIterator*& iterator, bool atBeginning,
                                                  bool skipDeleted) const {
  iterator = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  iterator = new AcDbTextStyleTableIterator(objectId());
  iterator->start(atBeginning, skipDeleted);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTextStyleTableIterator::getRecord(AcDbTextStyleTableRecord*& record, AcDb::OpenMode mode,
                                                        bool openErasedRecord) const {
  return vhostGetTyped(record, mode, openErasedRecord);
}
