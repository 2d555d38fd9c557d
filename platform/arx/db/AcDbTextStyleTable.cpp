#include "arx/db/AcDbTextStyleTable.h"

#include <cmath>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbTextStyleTableRecord, AcDbSymbolTableRecord, L"STYLE")
VHOST_DEFINE_BUILTIN_CLASS(AcDbTextStyleTable, AcDbSymbolTable, L"STYLE_TABLE")

namespace {
constexpr double kMaxObliquing = 85.0 * 3.14159265358979323846 / 180.0;
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
