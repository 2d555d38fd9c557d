#include "arx/db/AcDbLayerTable.h"

#include <cstdlib>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/AcDbLinetypeTable.h"
#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/db/VhostDxfSupport.h"
#include "arx/db/VhostFieldXData.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbLayerTableRecord, AcDbSymbolTableRecord, L"LAYER")
VHOST_DEFINE_BUILTIN_CLASS(AcDbLayerTable, AcDbSymbolTable, L"LAYER_TABLE")

namespace {
bool isLayerZero(const std::wstring& name) { return name == L"0"; }

constexpr const ACHAR* kSubclass = L"AcDbLayerTableRecord";
constexpr const ACHAR* kDescriptionApp = L"AcAecLayerStandard";
// Group 70 of a layer: 1 frozen, 4 locked; 16 (dependent) follows the name.
constexpr int kDxfFrozen = 1;
constexpr int kDxfLocked = 4;
constexpr int kDxfModelled = kDxfFrozen | kDxfLocked | 16;
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

// --- DXF ---------------------------------------------------------------------------------

Acad::ErrorStatus AcDbLayerTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, kSubclass);
  filer->writeString(2, vhostName());
  int flags = vhostDxfStandardFlags() | vhost::dxfKeptBits(this, kSubclass, 70);
  if (mFlags & kFrozen) flags |= kDxfFrozen;
  if (mFlags & kLocked) flags |= kDxfLocked;
  filer->writeInt16(70, static_cast<Adesk::Int16>(flags));
  // 62 holds the index (the nearest one for a true colour), negative when off.
  Adesk::Int16 index = static_cast<Adesk::Int16>(mColor.colorIndex());
  if (index < 1 || index > 255) index = 7;
  filer->writeInt16(62, (mFlags & kOff) ? static_cast<Adesk::Int16>(-index) : index);
  if (mColor.isByColor()) {
    filer->writeInt32(420, mColor.dxfTrueColor());
    if (mColor.hasColorName()) filer->writeString(430, mColor.dxfColorName());
  }
  std::wstring linetype = L"Continuous";
  if (const auto* ltype = AcDbLinetypeTableRecord::cast(vhost::residentObject(mLinetypeId))) linetype = ltype->vhostName();
  filer->writeString(6, linetype);
  if (mFlags & kNoPlot) filer->writeBool(290, false);
  filer->writeInt16(370, mLineWeight);
  vhost::dxfWriteKept(filer, this, kSubclass);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLayerTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbSymbolTableRecord::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(kSubclass)) return vhost::dxfBadSubclass(filer, kSubclass);
  vhost::DxfKeptGroups kept(kSubclass);
  std::wstring name, linetype, colorName;
  bool sawName = false, sawLinetype = false, sawTrueColor = false;
  int flags = 0, index = 7;
  Adesk::Int32 trueColor = 0;
  bool plottable = true;
  Adesk::Int16 weight = AcDb::kLnWtByLwDefault;
  resbuf rb;
  while (es == Acad::eOk && (es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 2:
        name = rb.resval.rstring ? rb.resval.rstring : L"";
        sawName = true;
        break;
      case 70: flags = static_cast<int>(vhost::dxfInt(rb)); break;
      case 62:
        index = static_cast<int>(vhost::dxfInt(rb));
        if (index == 0 || std::abs(index) > 255)
          es = vhost::dxfError(filer, L"layer colour (group 62) is " + std::to_wstring(index) +
                                          L": a layer needs a colour index from 1 to 255");
        break;
      case 420:
        trueColor = rb.resval.rlong;
        sawTrueColor = true;
        break;
      case 430: colorName = rb.resval.rstring ? rb.resval.rstring : L""; break;
      case 6:
        linetype = rb.resval.rstring ? rb.resval.rstring : L"";
        sawLinetype = true;
        break;
      case 290: plottable = rb.resval.rint != 0; break;
      case 370:
        weight = static_cast<Adesk::Int16>(vhost::dxfInt(rb));
        if (!AcDb::isValidLineWeight(weight) || weight == AcDb::kLnWtByLayer || weight == AcDb::kLnWtByBlock)
          es = vhost::dxfError(filer, L"layer lineweight (group 370) " + std::to_wstring(weight) +
                                          L" is not a lineweight a layer can have");
        break;
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (!sawName) return vhost::dxfError(filer, L"a LAYER record has no name (group 2)");

  AcCmColor color;
  if (sawTrueColor) {
    if (color.setDxfTrueColor(trueColor) != Acad::eOk)
      return vhost::dxfError(filer, L"layer " + name + L": group 420 is not a true colour");
    if (!colorName.empty() && color.setDxfColorName(colorName.c_str()) != Acad::eOk)
      return vhost::dxfError(filer, L"layer " + name + L": group 430 is not a colour name");
  } else {
    color.setColorIndex(static_cast<Adesk::UInt16>(std::abs(index)));
  }

  AcDbObjectId linetypeId = mLinetypeId;
  AcDbDatabase* db = filer->database() ? filer->database() : database();
  if (sawLinetype) {
    linetypeId = db ? db->linetypeId(linetype.c_str()) : AcDbObjectId();
    if (linetypeId.isNull())
      return vhost::dxfError(filer, L"layer " + name + L" names the linetype " + linetype +
                                        L", which the drawing does not define");
  } else if (linetypeId.isNull() && db) {
    linetypeId = db->continuousLinetype();
  }

  es = vhostDxfSetName(filer, name.c_str());
  if (es != Acad::eOk) return es;
  Adesk::UInt8 mine = mFlags & kHidden;
  if (flags & kDxfFrozen) mine |= kFrozen;
  if (flags & kDxfLocked) mine |= kLocked;
  if (index < 0) mine |= kOff;
  if (!plottable) mine |= kNoPlot;
  mFlags = mine;
  mColor = color;
  mLinetypeId = linetypeId;
  mLineWeight = weight;
  vhost::dxfKeepBits(this, kSubclass, 70, flags & ~kDxfModelled);
  kept.storeInto(this);
  return Acad::eOk;
}

resbuf* AcDbLayerTableRecord::xData(const ACHAR* regappName) const {
  resbuf* base = AcDbSymbolTableRecord::xData(regappName);
  if (mDescription.empty() || (regappName && !vhost::xdataSameApp(regappName, kDescriptionApp))) return base;
  // Extended data names registered applications only: in a database
  // without the application the description stays out of it.
  if (database() != nullptr && database()->regAppId(kDescriptionApp).isNull()) return base;
  resbuf* others = nullptr;
  bool present = false;
  resbuf* rest = vhost::xdataSplit(base, kDescriptionApp, others, present);
  acutRelRb(base);
  resbuf* items = acutBuildList(1000, L"", 1000, mDescription.c_str(), 0);
  if (items == nullptr) {
    acutRelRb(others);
    return rest;
  }
  vhost::rbTail(items)->rbnext = others;
  return vhost::xdataJoin(kDescriptionApp, items, rest);
}

Acad::ErrorStatus AcDbLayerTableRecord::setXData(const resbuf* xdata) {
  if (!isWriteEnabled()) return Acad::eNotOpenForWrite;
  resbuf* items = nullptr;
  bool present = false;
  resbuf* rest = vhost::xdataSplit(xdata, kDescriptionApp, items, present);
  const bool isDescription = items && items->restype == 1000 && items->resval.rstring && items->rbnext &&
                             items->rbnext->restype == 1000 && items->rbnext->resval.rstring;
  if (!isDescription) {
    acutRelRb(items);
    acutRelRb(rest);
    return AcDbSymbolTableRecord::setXData(xdata);
  }
  const std::wstring description = items->rbnext->resval.rstring;
  resbuf* after = items->rbnext->rbnext;
  items->rbnext->rbnext = nullptr;
  acutRelRb(items);
  // What follows the description stays extended data of the application.
  resbuf* chain = vhost::xdataJoin(kDescriptionApp, after, rest);
  Acad::ErrorStatus es = chain ? AcDbSymbolTableRecord::setXData(chain) : Acad::eOk;
  acutRelRb(chain);
  if (es != Acad::eOk) return es;
  assertWriteEnabled();
  mDescription = description;
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
