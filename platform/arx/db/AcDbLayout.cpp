#include "arx/db/AcDbLayout.h"

#include <cmath>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/AcDbSymbolTable.h"
#include "arx/db/VhostDxfRecordFiling.h"
#include "arx/db/VhostDxfSupport.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbLayout, AcDbObject, L"LAYOUT")

AcDbLayout::AcDbLayout() : mLimMax(420.0, 297.0) {}
AcDbLayout::~AcDbLayout() = default;

Acad::ErrorStatus AcDbLayout::getLayoutName(const ACHAR*& name) const {
  name = nullptr;
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es != Acad::eOk) return es;
  name = mName.c_str();
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLayout::getLayoutName(std::wstring& name) const {
  Acad::ErrorStatus es = vhost::readStatus(this);
  if (es == Acad::eOk) name = mName;
  return es;
}

bool AcDbLayout::modelType() const {
  assertReadEnabled();
  if (const AcDbBlockTableRecord* btr = AcDbBlockTableRecord::cast(vhost::residentObject(mBlockId)))
    return vhost::nameKey(btr->vhostName()) == vhost::nameKey(ACDB_MODEL_SPACE);
  return vhost::nameKey(mName) == L"MODEL";
}

Acad::ErrorStatus AcDbLayout::setLayoutName(const ACHAR* name) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  if (!vhost::isValidSymbolName(name)) return Acad::eInvalidInput;
  if (mName == name) return Acad::eOk;
  if (!mName.empty() && modelType()) return Acad::eInvalidInput;
  AcDbDictionary* dict = AcDbDictionary::cast(vhost::residentObject(ownerId()));
  if (dict != nullptr && dict->vhostKeyOf(objectId()) != nullptr) {
    es = dict->vhostRenameEntry(objectId(), name);
    if (es != Acad::eOk) return es;
  }
  mName = name;
  return Acad::eOk;
}

int AcDbLayout::getTabOrder() const {
  assertReadEnabled();
  return mTabOrder;
}

Acad::ErrorStatus AcDbLayout::setTabOrder(int order) {
  if (order < 0) return Acad::eInvalidInput;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es == Acad::eOk) mTabOrder = order;
  return es;
}

bool AcDbLayout::getTabSelected() const {
  assertReadEnabled();
  return mTabSelected;
}

Acad::ErrorStatus AcDbLayout::setTabSelected(bool selected) {
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es == Acad::eOk) mTabSelected = selected;
  return es;
}

AcDbObjectId AcDbLayout::getBlockTableRecordId() const {
  assertReadEnabled();
  return mBlockId;
}

Acad::ErrorStatus AcDbLayout::setBlockTableRecordId(AcDbObjectId blockId) {
  if (!blockId.isNull()) {
    AcRxClass* cls = blockId.objectClass();
    if (cls == nullptr || !cls->isDerivedFrom(AcDbBlockTableRecord::desc())) return Acad::eWrongObjectType;
    if (database() != nullptr && blockId.database() != database()) return Acad::eWrongDatabase;
  }
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es == Acad::eOk) mBlockId = blockId;
  return es;
}

Acad::ErrorStatus AcDbLayout::addToLayoutDict(AcDbDatabase* db, AcDbObjectId blockId) {
  if (db == nullptr) return Acad::eNoDatabase;
  if (database() != nullptr) return Acad::eAlreadyInDb;
  if (mName.empty()) return Acad::eInvalidInput;
  if (blockId.database() != db) return Acad::eWrongDatabase;
  Acad::ErrorStatus es = setBlockTableRecordId(blockId);
  if (es != Acad::eOk) return es;
  AcDbBlockTableRecord* btr = nullptr;
  es = acdbOpenObject(btr, blockId, AcDb::kForWrite);
  if (es != Acad::eOk) return es;
  AcDbDictionary* dict = nullptr;
  es = db->getLayoutDictionary(dict, AcDb::kForWrite);
  if (es != Acad::eOk) {
    btr->close();
    return es;
  }
  AcDbObjectId id;
  if (dict->has(mName.c_str()))
    es = Acad::eDuplicateKey;
  else
    es = dict->setAt(mName.c_str(), this, id);
  dict->close();
  if (es == Acad::eOk) btr->setLayoutId(id);
  btr->close();
  return es;
}

void AcDbLayout::getLimits(AcGePoint2d& minPoint, AcGePoint2d& maxPoint) const {
  assertReadEnabled();
  minPoint = mLimMin;
  maxPoint = mLimMax;
}

Acad::ErrorStatus AcDbLayout::setLimits(const AcGePoint2d& minPoint, const AcGePoint2d& maxPoint) {
  if (!std::isfinite(minPoint.x) || !std::isfinite(minPoint.y) || !std::isfinite(maxPoint.x) ||
      !std::isfinite(maxPoint.y) || minPoint.x > maxPoint.x || minPoint.y > maxPoint.y)
    return Acad::eInvalidInput;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mLimMin = minPoint;
  mLimMax = maxPoint;
  return Acad::eOk;
}

void AcDbLayout::getExtents(AcGePoint3d& minPoint, AcGePoint3d& maxPoint) const {
  assertReadEnabled();
  minPoint = mExtMin;
  maxPoint = mExtMax;
}

Acad::ErrorStatus AcDbLayout::setExtents(const AcGePoint3d& minPoint, const AcGePoint3d& maxPoint) {
  if (minPoint.x > maxPoint.x || minPoint.y > maxPoint.y || minPoint.z > maxPoint.z) return Acad::eInvalidInput;
  Acad::ErrorStatus es = vhost::writeStatus(this);
  if (es != Acad::eOk) return es;
  mExtMin = minPoint;
  mExtMax = maxPoint;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbLayout::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(mName);
  filer->writeSoftPointerId(mBlockId);
  filer->writeInt32(mTabOrder);
  filer->writeBoolean(mTabSelected);
  filer->writePoint2d(mLimMin);
  filer->writePoint2d(mLimMax);
  filer->writePoint3d(mExtMin);
  filer->writePoint3d(mExtMax);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLayout::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  AcDbSoftPointerId block;
  filer->readString(mName);
  filer->readSoftPointerId(&block);
  filer->readInt32(&mTabOrder);
  filer->readBoolean(&mTabSelected);
  filer->readPoint2d(&mLimMin);
  filer->readPoint2d(&mLimMax);
  filer->readPoint3d(&mExtMin);
  filer->readPoint3d(&mExtMax);
  mBlockId = block;
  return filer->filerStatus();
}

// --- DXF -------------------------------------------------------------------------------

namespace {
constexpr const ACHAR* kPlotSubclass = L"AcDbPlotSettings";
constexpr const ACHAR* kSubclass = L"AcDbLayout";

// The plot settings of a page nobody configured: no device, the layout's
// paper in millimetres, scale 1:1, plotting the layout.
void writeDefaultPlotSettings(AcDbDxfFiler* filer, bool model, const AcGePoint2d& paper) {
  filer->writeString(1, L"");
  filer->writeString(2, L"none_device");
  filer->writeString(4, L"");
  filer->writeString(6, L"");
  for (int code = 40; code <= 43; ++code) filer->writeDouble(code, 0.0);
  filer->writeDouble(44, paper.x);
  filer->writeDouble(45, paper.y);
  for (int code : {46, 47, 48, 49, 140, 141}) filer->writeDouble(code, 0.0);
  filer->writeDouble(142, 1.0);
  filer->writeDouble(143, 1.0);
  filer->writeInt16(70, model ? 1712 : 688);
  filer->writeInt16(72, 1);
  filer->writeInt16(73, 0);
  filer->writeInt16(74, 5);
  filer->writeString(7, L"");
  filer->writeInt16(75, 16);
  filer->writeInt16(76, 0);
  filer->writeInt16(77, 2);
  filer->writeInt16(78, 300);
  filer->writeDouble(147, 1.0);
  filer->writeDouble(148, 0.0);
  filer->writeDouble(149, 0.0);
}

// The layout groups this class does not model, for a layout made here.
void writeDefaultLayoutGroups(AcDbDxfFiler* filer) {
  filer->writeInt16(70, 1);
  filer->writePoint3d(12, AcGePoint3d::kOrigin);
  filer->writeDouble(146, 0.0);
  filer->writePoint3d(13, AcGePoint3d::kOrigin);
  filer->writeVector3d(16, AcGeVector3d::kXAxis);
  filer->writeVector3d(17, AcGeVector3d::kYAxis);
  filer->writeInt16(76, 0);
}

bool finitePoint(const resbuf& rb) {
  return std::isfinite(rb.resval.rpoint[0]) && std::isfinite(rb.resval.rpoint[1]) && std::isfinite(rb.resval.rpoint[2]);
}
}  // namespace

Acad::ErrorStatus AcDbLayout::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, kPlotSubclass);
  if (vhost::dxfKeptGroups(this, kPlotSubclass) != nullptr)
    vhost::dxfWriteKept(filer, this, kPlotSubclass);
  else
    writeDefaultPlotSettings(filer, modelType(), mLimMax);
  filer->writeString(100, kSubclass);
  filer->writeString(1, mName);
  const bool keptLayout = vhost::dxfKeptGroups(this, kSubclass) != nullptr;
  filer->writeInt16(71, static_cast<Adesk::Int16>(mTabOrder));
  filer->writePoint2d(10, mLimMin);
  filer->writePoint2d(11, mLimMax);
  filer->writePoint3d(14, mExtMin);
  filer->writePoint3d(15, mExtMax);
  filer->writeObjectId(330, mBlockId);
  if (keptLayout)
    vhost::dxfWriteKept(filer, this, kSubclass);
  else
    writeDefaultLayoutGroups(filer);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbLayout::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbObject::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(kPlotSubclass)) return vhost::dxfBadSubclass(filer, kPlotSubclass);
  vhost::DxfKeptGroups plot(kPlotSubclass);
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    plot.add(rb);
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (!filer->atSubclassData(kSubclass)) return vhost::dxfBadSubclass(filer, kSubclass);
  vhost::DxfKeptGroups kept(kSubclass);
  std::wstring name;
  Adesk::Int32 tabOrder = 0;
  AcGePoint2d limMin = mLimMin, limMax = mLimMax;
  AcGePoint3d extMin = mExtMin, extMax = mExtMax;
  AcDbObjectId block;
  es = Acad::eOk;
  while (es == Acad::eOk && (es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 1: name = rb.resval.rstring ? rb.resval.rstring : L""; break;
      case 71:
        tabOrder = static_cast<Adesk::Int32>(vhost::dxfInt(rb));
        if (tabOrder < 0) es = vhost::dxfError(filer, L"the tab order (group 71) of layout " + name + L" is negative");
        break;
      case 10:
      case 11:
      case 14:
      case 15:
        if (!finitePoint(rb)) {
          es = vhost::dxfError(filer, L"group " + std::to_wstring(rb.restype) + L" of layout " + name +
                                          L" is not a finite point");
          break;
        }
        if (rb.restype == 10) limMin.set(rb.resval.rpoint[0], rb.resval.rpoint[1]);
        if (rb.restype == 11) limMax.set(rb.resval.rpoint[0], rb.resval.rpoint[1]);
        if (rb.restype == 14) extMin = vhost::dxfPoint(rb);
        if (rb.restype == 15) extMax = vhost::dxfPoint(rb);
        break;
      case 330: block = vhost::dxfObjectId(rb); break;
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  if (name.empty()) return vhost::dxfError(filer, L"a LAYOUT has no name (group 1)");
  mName = name;
  mTabOrder = tabOrder;
  mLimMin = limMin;
  mLimMax = limMax;
  mExtMin = extMin;
  mExtMax = extMax;
  mBlockId = block;
  plot.storeInto(this);
  kept.storeInto(this);
  return Acad::eOk;
}
