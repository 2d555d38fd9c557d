#include "arx/db/AcDbLayout.h"

#include <cmath>

#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/AcDbSymbolTable.h"

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
