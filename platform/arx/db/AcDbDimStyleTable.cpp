#include "arx/db/AcDbDimStyleTable.h"

#include <cmath>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/db/VhostDxfSupport.h"

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

constexpr const ACHAR* kSubclass = L"AcDbDimStyleTableRecord";
constexpr const ACHAR* kTableSubclass = L"AcDbDimStyleTable";

// A dimension colour as the index of groups 176-178: 0 ByBlock, 256 ByLayer.
Adesk::Int16 dxfColorIndex(const AcCmColor& color) {
  if (color.isByBlock()) return 0;
  if (color.isByLayer()) return 256;
  const int index = color.colorIndex();
  return static_cast<Adesk::Int16>(index >= 1 && index <= 255 ? index : 0);
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

// --- DXF -----------------------------------------------------------------------------------

Acad::ErrorStatus AcDbDimStyleTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, kSubclass);
  filer->writeString(2, vhostName());
  filer->writeInt16(70, static_cast<Adesk::Int16>(vhostDxfStandardFlags() | vhost::dxfKeptBits(this, kSubclass, 70)));
  filer->writeDouble(40, mScale);
  filer->writeDouble(41, mArrowSize);
  filer->writeDouble(42, mExtOffset);
  filer->writeDouble(44, mExtExtension);
  filer->writeDouble(140, mTextHeight);
  filer->writeDouble(147, mGap);
  filer->writeInt16(176, dxfColorIndex(mDimLineColor));
  filer->writeInt16(177, dxfColorIndex(mExtLineColor));
  filer->writeInt16(178, dxfColorIndex(mTextColor));
  filer->writeInt16(271, mDecimals);
  filer->writeObjectId(340, mTextStyle);
  vhost::dxfWriteKept(filer, this, kSubclass);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbDimStyleTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(kSubclass)) return vhost::dxfBadSubclass(filer, kSubclass);
  vhost::DxfKeptGroups kept(kSubclass);
  std::wstring name;
  bool sawName = false;
  int flags = 0;
  double scale = mScale, arrow = mArrowSize, extOffset = mExtOffset, extExtension = mExtExtension;
  double text = mTextHeight, gap = mGap;
  AcCmColor dimLine = mDimLineColor, extLine = mExtLineColor, textColor = mTextColor;
  Adesk::Int16 decimals = mDecimals;
  AcDbObjectId textStyle = mTextStyle;
  auto readColor = [&](const resbuf& rb, const ACHAR* what, AcCmColor& out) {
    es = vhost::dxfCheckRange(filer, rb, 0, 256, what);
    if (es == Acad::eOk) out.setColorIndex(static_cast<Adesk::UInt16>(vhost::dxfInt(rb)));
  };
  resbuf rb;
  while (es == Acad::eOk && (es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 2:
        name = rb.resval.rstring ? rb.resval.rstring : L"";
        sawName = true;
        break;
      case 70: flags = static_cast<int>(vhost::dxfInt(rb)); break;
      case 40:
        es = vhost::dxfCheckNonNegative(filer, rb, L"DIMSCALE");
        scale = rb.resval.rreal;
        break;
      case 41:
        es = vhost::dxfCheckNonNegative(filer, rb, L"DIMASZ");
        arrow = rb.resval.rreal;
        break;
      case 42:
        es = vhost::dxfCheckNonNegative(filer, rb, L"DIMEXO");
        extOffset = rb.resval.rreal;
        break;
      case 44:
        es = vhost::dxfCheckNonNegative(filer, rb, L"DIMEXE");
        extExtension = rb.resval.rreal;
        break;
      case 140:
        es = vhost::dxfCheckPositive(filer, rb, L"DIMTXT");
        text = rb.resval.rreal;
        break;
      case 147:
        es = vhost::dxfCheckFinite(filer, rb, L"DIMGAP");
        gap = rb.resval.rreal;
        break;
      case 176: readColor(rb, L"DIMCLRD", dimLine); break;
      case 177: readColor(rb, L"DIMCLRE", extLine); break;
      case 178: readColor(rb, L"DIMCLRT", textColor); break;
      case 271:
        es = vhost::dxfCheckRange(filer, rb, 0, 8, L"DIMDEC");
        decimals = static_cast<Adesk::Int16>(vhost::dxfInt(rb));
        break;
      case 340: textStyle = vhost::dxfObjectId(rb); break;
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (!sawName) return vhost::dxfError(filer, L"a DIMSTYLE record has no name (group 2)");
  es = vhostDxfSetName(filer, name.c_str());
  if (es != Acad::eOk) return es;
  mScale = scale;
  mArrowSize = arrow;
  mExtOffset = extOffset;
  mExtExtension = extExtension;
  mTextHeight = text;
  mGap = gap;
  mDimLineColor = dimLine;
  mExtLineColor = extLine;
  mTextColor = textColor;
  mDecimals = decimals;
  mTextStyle = textStyle;
  vhost::dxfKeepBits(this, kSubclass, 70, flags & ~16);
  kept.storeInto(this);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbDimStyleTable::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbSymbolTable::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, kTableSubclass);
  filer->writeInt16(71, static_cast<Adesk::Int16>(vhostLiveRecordCount()));
  for (AcDbObjectId id : vhostRecordIds())
    if (!id.isNull() && !id.isErased() && vhost::residentObject(id) != nullptr) filer->writeObjectId(340, id);
  vhost::dxfWriteKept(filer, this, kTableSubclass);
  return filer->filerStatus();
}

// The count and the list repeat what the records say; files from older
// releases have neither.
Acad::ErrorStatus AcDbDimStyleTable::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbSymbolTable::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  vhost::DxfKeptGroups kept(kTableSubclass);
  if (filer->atSubclassData(kTableSubclass)) {
    resbuf rb;
    while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
      if (rb.restype != 71 && rb.restype != 340) kept.add(rb);
      vhost::dxfReleaseValue(rb);
    }
    if (es != Acad::eEndOfObject) return es;
  }
  kept.storeInto(this);
  return Acad::eOk;
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
