#include "arx/entities/AcDbTableStyle.h"

#include <cmath>

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbDwgFiler.h"
#include "arx/entities/VhostAnnotationUtil.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbTableStyle, AcDbObject, L"TABLESTYLE")

using namespace vhost::annot;

AcDbTableStyle::AcDbTableStyle() {
  for (RowStyle& r : mRows) {
    r.color.setColorIndex(0);  // ByBlock: the table's colour
    r.background.setColorIndex(7);
  }
  mRows[1].textHeight = 6.0;
  mRows[1].alignment = AcDb::kMiddleCenter;
  mRows[2].alignment = AcDb::kMiddleCenter;
}

AcDbTableStyle::~AcDbTableStyle() = default;

int AcDbTableStyle::slot(AcDb::RowType rowType) {
  switch (rowType) {
    case AcDb::kDataRow:
      return 0;
    case AcDb::kTitleRow:
      return 1;
    case AcDb::kHeaderRow:
      return 2;
    default:
      return -1;
  }
}

template <class F>
Acad::ErrorStatus AcDbTableStyle::forRows(int rowTypes, F&& f) {
  if (rowTypes <= 0 || (rowTypes & ~AcDb::kAllRows) != 0) return Acad::eInvalidInput;
  assertWriteEnabled();
  if (rowTypes & AcDb::kDataRow) f(mRows[0]);
  if (rowTypes & AcDb::kTitleRow) f(mRows[1]);
  if (rowTypes & AcDb::kHeaderRow) f(mRows[2]);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTableStyle::getName(ACHAR*& name) const {
  assertReadEnabled();
  std::wstring key;
  if (!ownerId().isNull()) {
    ReadHandle<AcDbDictionary> dict(ownerId());
    if (dict) dict->nameAt(objectId(), key);
  }
  name = dupString(key);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbTableStyle::setName(const ACHAR* name) {
  if (name == nullptr || *name == 0) return Acad::eInvalidInput;
  if (ownerId().isNull()) return Acad::eNotInDatabase;
  WriteHandle<AcDbDictionary> dict(ownerId());
  if (!dict) return dict.status();
  std::wstring old;
  if (dict->nameAt(objectId(), old) != Acad::eOk) return Acad::eKeyNotFound;
  if (vhost::nameKey(old) != vhost::nameKey(name) && dict->has(name)) return Acad::eDuplicateKey;
  return dict->setName(old.c_str(), name) ? Acad::eOk : Acad::eInvalidInput;
}

const ACHAR* AcDbTableStyle::description() const {
  assertReadEnabled();
  return mDescription.c_str();
}

Acad::ErrorStatus AcDbTableStyle::setDescription(const ACHAR* description) {
  assertWriteEnabled();
  mDescription = description ? description : L"";
  return Acad::eOk;
}

AcDb::FlowDirection AcDbTableStyle::flowDirection() const {
  assertReadEnabled();
  return static_cast<AcDb::FlowDirection>(mFlow);
}

Acad::ErrorStatus AcDbTableStyle::setFlowDirection(AcDb::FlowDirection direction) {
  if (direction != AcDb::kTtoB && direction != AcDb::kBtoT) return Acad::eInvalidInput;
  assertWriteEnabled();
  mFlow = static_cast<Adesk::Int16>(direction);
  return Acad::eOk;
}

double AcDbTableStyle::horzCellMargin() const {
  assertReadEnabled();
  return mHorzMargin;
}

Acad::ErrorStatus AcDbTableStyle::setHorzCellMargin(double margin) {
  if (!(margin >= 0.0) || !std::isfinite(margin)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mHorzMargin = margin;
  return Acad::eOk;
}

double AcDbTableStyle::vertCellMargin() const {
  assertReadEnabled();
  return mVertMargin;
}

Acad::ErrorStatus AcDbTableStyle::setVertCellMargin(double margin) {
  if (!(margin >= 0.0) || !std::isfinite(margin)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mVertMargin = margin;
  return Acad::eOk;
}

bool AcDbTableStyle::isTitleSuppressed() const {
  assertReadEnabled();
  return mTitleSuppressed;
}

Acad::ErrorStatus AcDbTableStyle::suppressTitleRow(bool value) {
  assertWriteEnabled();
  mTitleSuppressed = value;
  return Acad::eOk;
}

bool AcDbTableStyle::isHeaderSuppressed() const {
  assertReadEnabled();
  return mHeaderSuppressed;
}

Acad::ErrorStatus AcDbTableStyle::suppressHeaderRow(bool value) {
  assertWriteEnabled();
  mHeaderSuppressed = value;
  return Acad::eOk;
}

AcDbObjectId AcDbTableStyle::textStyle(AcDb::RowType rowType) const {
  assertReadEnabled();
  const int s = slot(rowType);
  return s < 0 ? AcDbObjectId::kNull : mRows[s].textStyle;
}

Acad::ErrorStatus AcDbTableStyle::setTextStyle(const AcDbObjectId& id, int rowTypes) {
  if (!id.isNull() && database() && id.database() != database()) return Acad::eWrongDatabase;
  return forRows(rowTypes, [&](RowStyle& r) { r.textStyle = id; });
}

double AcDbTableStyle::textHeight(AcDb::RowType rowType) const {
  assertReadEnabled();
  const int s = slot(rowType);
  return s < 0 ? 0.0 : mRows[s].textHeight;
}

Acad::ErrorStatus AcDbTableStyle::setTextHeight(double height, int rowTypes) {
  if (!(height > 0.0) || !std::isfinite(height)) return Acad::eInvalidInput;
  return forRows(rowTypes, [&](RowStyle& r) { r.textHeight = height; });
}

AcDb::CellAlignment AcDbTableStyle::alignment(AcDb::RowType rowType) const {
  assertReadEnabled();
  const int s = slot(rowType);
  return static_cast<AcDb::CellAlignment>(s < 0 ? static_cast<Adesk::Int16>(AcDb::kTopLeft) : mRows[s].alignment);
}

Acad::ErrorStatus AcDbTableStyle::setAlignment(AcDb::CellAlignment alignment, int rowTypes) {
  if (alignment < AcDb::kTopLeft || alignment > AcDb::kBottomRight) return Acad::eInvalidInput;
  return forRows(rowTypes, [&](RowStyle& r) { r.alignment = static_cast<Adesk::Int16>(alignment); });
}

AcCmColor AcDbTableStyle::color(AcDb::RowType rowType) const {
  assertReadEnabled();
  const int s = slot(rowType);
  return s < 0 ? AcCmColor() : mRows[s].color;
}

Acad::ErrorStatus AcDbTableStyle::setColor(const AcCmColor& color, int rowTypes) {
  return forRows(rowTypes, [&](RowStyle& r) { r.color = color; });
}

AcCmColor AcDbTableStyle::backgroundColor(AcDb::RowType rowType) const {
  assertReadEnabled();
  const int s = slot(rowType);
  return s < 0 ? AcCmColor() : mRows[s].background;
}

Acad::ErrorStatus AcDbTableStyle::setBackgroundColor(const AcCmColor& color, int rowTypes) {
  return forRows(rowTypes, [&](RowStyle& r) {
    r.background = color;
    r.backgroundNone = false;
  });
}

bool AcDbTableStyle::isBackgroundColorNone(AcDb::RowType rowType) const {
  assertReadEnabled();
  const int s = slot(rowType);
  return s < 0 ? true : mRows[s].backgroundNone;
}

Acad::ErrorStatus AcDbTableStyle::setBackgroundColorNone(bool value, int rowTypes) {
  return forRows(rowTypes, [&](RowStyle& r) { r.backgroundNone = value; });
}

Acad::ErrorStatus AcDbTableStyle::postTableStyleToDb(AcDbDatabase* db, const ACHAR* styleName,
                                                     AcDbObjectId& tableStyleId) {
  tableStyleId.setNull();
  if (db == nullptr) return Acad::eNoDatabase;
  if (styleName == nullptr || *styleName == 0) return Acad::eInvalidInput;
  if (database() != nullptr) return Acad::eAlreadyInDb;
  WriteHandle<AcDbDictionary> dict(db->tableStyleDictionaryId());
  if (!dict) return dict.status();
  if (dict->has(styleName)) return Acad::eDuplicateKey;
  return dict->setAt(styleName, this, tableStyleId);
}

Acad::ErrorStatus AcDbTableStyle::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbObject::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(mDescription);
  filer->writeInt16(mFlow);
  filer->writeDouble(mHorzMargin);
  filer->writeDouble(mVertMargin);
  filer->writeBoolean(mTitleSuppressed);
  filer->writeBoolean(mHeaderSuppressed);
  for (const RowStyle& r : mRows) {
    filer->writeHardPointerId(r.textStyle);
    filer->writeDouble(r.textHeight);
    filer->writeInt16(r.alignment);
    filer->writeUInt32(r.color.color());
    filer->writeUInt32(r.background.color());
    filer->writeBoolean(r.backgroundNone);
  }
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbTableStyle::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbObject::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readString(mDescription);
  filer->readInt16(&mFlow);
  filer->readDouble(&mHorzMargin);
  filer->readDouble(&mVertMargin);
  filer->readBoolean(&mTitleSuppressed);
  filer->readBoolean(&mHeaderSuppressed);
  for (RowStyle& r : mRows) {
    AcDbHardPointerId style;
    Adesk::UInt32 color = 0, background = 0;
    filer->readHardPointerId(&style);
    filer->readDouble(&r.textHeight);
    filer->readInt16(&r.alignment);
    filer->readUInt32(&color);
    filer->readUInt32(&background);
    filer->readBoolean(&r.backgroundNone);
    r.textStyle = style;
    r.color.setColor(color);
    r.background.setColor(background);
  }
  return filer->filerStatus();
}
