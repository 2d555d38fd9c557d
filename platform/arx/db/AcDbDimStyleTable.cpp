#include "arx/db/AcDbDimStyleTable.h"

#include <cmath>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbDimStyleTableRecord, AcDbSymbolTableRecord, L"DIMSTYLE")
VHOST_DEFINE_BUILTIN_CLASS(AcDbDimStyleTable, AcDbSymbolTable, L"DIMSTYLE_TABLE")

namespace {

// Sets a non-negative length after the usual checks.
Acad::ErrorStatus setLength(AcDbObject* obj, double& field, double v) {
  if (!std::isfinite(v)) return Acad::eInvalidInput;
  if (v < 0.0) return Acad::eNegativeValueNotAllowed;
  Acad::ErrorStatus es = vhost::writeStatus(obj);
  if (es == Acad::eOk) field = v;
  return es;
}

Acad::ErrorStatus setColorField(AcDbObject* obj, AcCmColor& field, const AcCmColor& v) {
  Acad::ErrorStatus es = vhost::writeStatus(obj);
  if (es == Acad::eOk) field = v;
  return es;
}

}  // namespace

// --- record ------------------------------------------------------------------------------

AcDbDimStyleTableRecord::AcDbDimStyleTableRecord() {
  mDimLineColor.setByBlock();
  mExtLineColor.setByBlock();
  mTextColor.setByBlock();
}
AcDbDimStyleTableRecord::~AcDbDimStyleTableRecord() = default;

AcDbObjectId AcDbDimStyleTableRecord::dimtxsty() const {
  assertReadEnabled();
  return mTextStyle;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::setDimtxsty(AcDbObjectId styleId) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es == Acad::eOk) mTextStyle = styleId;
  return es;
}

double AcDbDimStyleTableRecord::dimscale() const {
  assertReadEnabled();
  return mScale;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::setDimscale(double v) { return setLength(this, mScale, v); }

double AcDbDimStyleTableRecord::dimtxt() const {
  assertReadEnabled();
  return mTextHeight;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::setDimtxt(double v) {
  if (!std::isfinite(v) || v <= 0.0) return Acad::eInvalidInput;
  return setLength(this, mTextHeight, v);
}

double AcDbDimStyleTableRecord::dimasz() const {
  assertReadEnabled();
  return mArrowSize;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::setDimasz(double v) { return setLength(this, mArrowSize, v); }

double AcDbDimStyleTableRecord::dimexo() const {
  assertReadEnabled();
  return mExtOffset;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::setDimexo(double v) { return setLength(this, mExtOffset, v); }

double AcDbDimStyleTableRecord::dimexe() const {
  assertReadEnabled();
  return mExtExtension;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::setDimexe(double v) { return setLength(this, mExtExtension, v); }

double AcDbDimStyleTableRecord::dimgap() const {
  assertReadEnabled();
  return mGap;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::setDimgap(double v) {
  if (!std::isfinite(v)) return Acad::eInvalidInput;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es == Acad::eOk) mGap = v;
  return es;
}

int AcDbDimStyleTableRecord::dimdec() const {
  assertReadEnabled();
  return mDecimals;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::setDimdec(int v) {
  if (v < 0 || v > 8) return Acad::eInvalidInput;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es == Acad::eOk) mDecimals = static_cast<Adesk::Int16>(v);
  return es;
}

AcCmColor AcDbDimStyleTableRecord::dimclrd() const {
  assertReadEnabled();
  return mDimLineColor;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::setDimclrd(const AcCmColor& color) {
  return setColorField(this, mDimLineColor, color);
}

AcCmColor AcDbDimStyleTableRecord::dimclre() const {
  assertReadEnabled();
  return mExtLineColor;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::setDimclre(const AcCmColor& color) {
  return setColorField(this, mExtLineColor, color);
}

AcCmColor AcDbDimStyleTableRecord::dimclrt() const {
  assertReadEnabled();
  return mTextColor;
}

Acad::ErrorStatus AcDbDimStyleTableRecord::setDimclrt(const AcCmColor& color) {
  return setColorField(this, mTextColor, color);
}

Acad::ErrorStatus AcDbDimStyleTableRecord::subErase(Adesk::Boolean erasing) {
  if (erasing) {
    if (vhost::nameKey(vhostName()) == L"STANDARD") return Acad::eCannotBeErasedByCaller;
    AcDbDatabase* db = database();
    if (db != nullptr && db->dimstyle() == objectId()) return Acad::eCannotBeErasedByCaller;
  }
  return AcDbSymbolTableRecord::subErase(erasing);
}

Acad::ErrorStatus AcDbDimStyleTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeHardPointerId(mTextStyle);
  filer->writeDouble(mScale);
  filer->writeDouble(mTextHeight);
  filer->writeDouble(mArrowSize);
  filer->writeDouble(mExtOffset);
  filer->writeDouble(mExtExtension);
  filer->writeDouble(mGap);
  filer->writeInt16(mDecimals);
  vhost::writeColor(filer, mDimLineColor);
  vhost::writeColor(filer, mExtLineColor);
  vhost::writeColor(filer, mTextColor);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbDimStyleTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcDbHardPointerId style;
  filer->readHardPointerId(&style);
  mTextStyle = style;
  filer->readDouble(&mScale);
  filer->readDouble(&mTextHeight);
  filer->readDouble(&mArrowSize);
  filer->readDouble(&mExtOffset);
  filer->readDouble(&mExtExtension);
  filer->readDouble(&mGap);
  filer->readInt16(&mDecimals);
  vhost::readColor(filer, mDimLineColor);
  vhost::readColor(filer, mExtLineColor);
  vhost::readColor(filer, mTextColor);
  return filer->filerStatus();
}

// --- table ---------------------------------------------------------------------------------

AcDbDimStyleTable::AcDbDimStyleTable() = default;
AcDbDimStyleTable::~AcDbDimStyleTable() = default;

bool AcDbDimStyleTable::vhostAccepts(const AcDbSymbolTableRecord* record) const {
  return AcDbDimStyleTableRecord::cast(record) != nullptr;
}

Acad::ErrorStatus AcDbDimStyleTable::getAt(const ACHAR* name, AcDbDimStyleTableRecord*& record,
                                           AcDb::OpenMode mode, bool openErasedRecord) const {
  return vhostGetTyped(name, record, mode, openErasedRecord);
}

Acad::ErrorStatus AcDbDimStyleTable::newIterator(AcDbDimStyleTableIterator*& iterator, bool atBeginning,
                                                 bool skipDeleted) const {
  iterator = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  iterator = new AcDbDimStyleTableIterator(objectId());
  iterator->start(atBeginning, skipDeleted);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimStyleTableIterator::getRecord(AcDbDimStyleTableRecord*& record, AcDb::OpenMode mode,
                                                       bool openErasedRecord) const {
  return vhostGetTyped(record, mode, openErasedRecord);
}
