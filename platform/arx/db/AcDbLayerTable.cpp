#include "arx/db/AcDbLayerTable.h"

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbLayerTableRecord, AcDbSymbolTableRecord, L"LAYER")
VHOST_DEFINE_BUILTIN_CLASS(AcDbLayerTable, AcDbSymbolTable, L"LAYER_TABLE")

namespace {
bool isLayerZero(const std::wstring& name) { return name == L"0"; }
}  // namespace

// --- record ------------------------------------------------------------------------------

AcDbLayerTableRecord::AcDbLayerTableRecord() { mColor.setColorIndex(7); }
AcDbLayerTableRecord::~AcDbLayerTableRecord() = default;

AcCmColor AcDbLayerTableRecord::color() const {
  assertReadEnabled();
  return mColor;
}

Acad::ErrorStatus AcDbLayerTableRecord::setColor(const AcCmColor& color) {
  // A layer shows a colour of its own: not ByLayer, ByBlock or none.
  if (color.isByLayer() || color.isByBlock() || color.isNone()) return Acad::eInvalidInput;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mColor = color;
  return Acad::eOk;
}

AcCmEntityColor AcDbLayerTableRecord::entityColor() const {
  assertReadEnabled();
  return mColor.entityColor();
}

AcDbObjectId AcDbLayerTableRecord::linetypeObjectId() const {
  assertReadEnabled();
  return mLinetypeId;
}

Acad::ErrorStatus AcDbLayerTableRecord::setLinetypeObjectId(AcDbObjectId linetypeId) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mLinetypeId = linetypeId;
  return Acad::eOk;
}

AcDb::LineWeight AcDbLayerTableRecord::lineWeight() const {
  assertReadEnabled();
  return static_cast<AcDb::LineWeight>(mLineWeight);
}

Acad::ErrorStatus AcDbLayerTableRecord::setLineWeight(AcDb::LineWeight weight) {
  if (!AcDb::isValidLineWeight(weight) || weight == AcDb::kLnWtByLayer || weight == AcDb::kLnWtByBlock)
    return Acad::eInvalidInput;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mLineWeight = static_cast<Adesk::Int16>(weight);
  return Acad::eOk;
}

bool AcDbLayerTableRecord::isOff() const {
  assertReadEnabled();
  return (mFlags & kOff) != 0;
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsOff(bool off) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mFlags = off ? (mFlags | kOff) : (mFlags & ~kOff);
  return Acad::eOk;
}

bool AcDbLayerTableRecord::isFrozen() const {
  assertReadEnabled();
  return (mFlags & kFrozen) != 0;
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsFrozen(bool frozen) {
  AcDbDatabase* db = database();
  if (frozen && db != nullptr && db->clayer() == objectId()) return Acad::eInvalidLayer;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mFlags = frozen ? (mFlags | kFrozen) : (mFlags & ~kFrozen);
  return Acad::eOk;
}

bool AcDbLayerTableRecord::isLocked() const {
  assertReadEnabled();
  return (mFlags & kLocked) != 0;
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsLocked(bool locked) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mFlags = locked ? (mFlags | kLocked) : (mFlags & ~kLocked);
  return Acad::eOk;
}

bool AcDbLayerTableRecord::isPlottable() const {
  assertReadEnabled();
  return (mFlags & kNoPlot) == 0;
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsPlottable(bool plottable) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mFlags = plottable ? (mFlags & ~kNoPlot) : (mFlags | kNoPlot);
  return Acad::eOk;
}

bool AcDbLayerTableRecord::isHidden() const {
  assertReadEnabled();
  return (mFlags & kHidden) != 0;
}

Acad::ErrorStatus AcDbLayerTableRecord::setIsHidden(bool hidden) {
  if (hidden && isLayerZero(vhostName())) return Acad::eInvalidInput;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mFlags = hidden ? (mFlags | kHidden) : (mFlags & ~kHidden);
  return Acad::eOk;
}

ACHAR* AcDbLayerTableRecord::description() const {
  assertReadEnabled();
  return vhost::newText(mDescription);
}

Acad::ErrorStatus AcDbLayerTableRecord::description(std::wstring& text) const {
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  text = mDescription;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableRecord::setDescription(const ACHAR* text) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mDescription = text ? text : L"";
  return Acad::eOk;
}

bool AcDbLayerTableRecord::isRenamable() const {
  return !isLayerZero(vhostName()) && AcDbSymbolTableRecord::isRenamable();
}

Acad::ErrorStatus AcDbLayerTableRecord::subErase(Adesk::Boolean erasing) {
  if (erasing) {
    if (isLayerZero(vhostName())) return Acad::eCannotBeErasedByCaller;
    AcDbDatabase* db = database();
    if (db != nullptr && db->clayer() == objectId()) return Acad::eCannotBeErasedByCaller;
  }
  return AcDbSymbolTableRecord::subErase(erasing);
}

Acad::ErrorStatus AcDbLayerTableRecord::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  vhost::writeColor(filer, mColor);
  filer->writeHardPointerId(mLinetypeId);
  filer->writeString(mDescription);
  filer->writeInt16(mLineWeight);
  filer->writeUInt8(mFlags);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLayerTableRecord::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcCmColor color = mColor;
  AcDbHardPointerId linetype;
  std::wstring description;
  Adesk::Int16 weight = 0;
  Adesk::UInt8 flags = 0;
  vhost::readColor(filer, color);
  filer->readHardPointerId(&linetype);
  filer->readString(description);
  filer->readInt16(&weight);
  filer->readUInt8(&flags);
  if (filer->filerStatus() != Acad::eOk) return filer->filerStatus();
  mColor = color;
  mLinetypeId = linetype;
  mDescription = description;
  mLineWeight = AcDb::isValidLineWeight(weight) ? weight : static_cast<Adesk::Int16>(AcDb::kLnWtByLwDefault);
  mFlags = flags;
  return Acad::eOk;
}

// --- table ---------------------------------------------------------------------------------

AcDbLayerTable::AcDbLayerTable() = default;
AcDbLayerTable::~AcDbLayerTable() = default;

bool AcDbLayerTable::vhostAccepts(const AcDbSymbolTableRecord* record) const {
  return AcDbLayerTableRecord::cast(record) != nullptr;
}

Acad::ErrorStatus AcDbLayerTable::getAt(const ACHAR* name, AcDbLayerTableRecord*& record, AcDb::OpenMode mode,
                                        bool openErasedRecord) const {
  return vhostGetTyped(name, record, mode, openErasedRecord);
}

Acad::ErrorStatus AcDbLayerTable::newIterator(AcDbLayerTableIterator*& iterator, bool atBeginning,
                                              bool skipDeleted) const {
  iterator = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  iterator = new AcDbLayerTableIterator(objectId());
  iterator->start(atBeginning, skipDeleted);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLayerTableIterator::getRecord(AcDbLayerTableRecord*& record, AcDb::OpenMode mode,
                                                    bool openErasedRecord) const {
  return vhostGetTyped(record, mode, openErasedRecord);
}
