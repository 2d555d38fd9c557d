#include "arx/entities/AcDbAttribute.h"

#include "arx/db/AcDbDwgFiler.h"
#include "arx/entities/AcDbAttributeDefinition.h"
#include "arx/entities/VhostAnnotationUtil.h"
#include "arx/ge/AcGeMatrix3d.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbAttribute, AcDbText, L"ATTRIB")

using namespace vhost::annot;

AcDbAttribute::AcDbAttribute() = default;

AcDbAttribute::AcDbAttribute(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag, AcDbObjectId style)
    : AcDbText(position, text, style) {
  normalizeTag(tag, mTag);
}

AcDbAttribute::~AcDbAttribute() = default;

ACHAR* AcDbAttribute::tag() const {
  assertReadEnabled();
  return dupString(mTag);
}

const ACHAR* AcDbAttribute::tagConst() const {
  assertReadEnabled();
  return mTag.c_str();
}

Acad::ErrorStatus AcDbAttribute::setTag(const ACHAR* tag) {
  std::wstring t;
  if (!normalizeTag(tag, t)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mTag = t;
  return Acad::eOk;
}

bool AcDbAttribute::isInvisible() const {
  assertReadEnabled();
  return (mFlags & 1) != 0;
}

Acad::ErrorStatus AcDbAttribute::setInvisible(bool value) {
  assertWriteEnabled();
  mFlags = static_cast<Adesk::UInt8>(value ? (mFlags | 1) : (mFlags & ~1));
  return Acad::eOk;
}

bool AcDbAttribute::isConstant() const {
  assertReadEnabled();
  return (mFlags & 2) != 0;
}

bool AcDbAttribute::isVerifiable() const {
  assertReadEnabled();
  return (mFlags & 4) != 0;
}

bool AcDbAttribute::isPreset() const {
  assertReadEnabled();
  return (mFlags & 8) != 0;
}

Adesk::UInt16 AcDbAttribute::fieldLength() const {
  assertReadEnabled();
  return mFieldLength;
}

Acad::ErrorStatus AcDbAttribute::setFieldLength(Adesk::UInt16 length) {
  assertWriteEnabled();
  mFieldLength = length;
  return Acad::eOk;
}

bool AcDbAttribute::lockPositionInBlock() const {
  assertReadEnabled();
  return mLockPosition;
}

Acad::ErrorStatus AcDbAttribute::setLockPositionInBlock(bool value) {
  assertWriteEnabled();
  mLockPosition = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbAttribute::setAttributeFromBlock(const AcDbAttributeDefinition* attdef,
                                                       const AcGeMatrix3d& blkXform) {
  if (attdef == nullptr) return Acad::eNullObjectPointer;
  assertWriteEnabled();
  vhostCopyTextFrom(*attdef);
  setPropertiesFrom(attdef);
  mTag = attdef->tagConst();
  mFlags = static_cast<Adesk::UInt8>((attdef->isInvisible() ? 1 : 0) | (attdef->isConstant() ? 2 : 0) |
                                     (attdef->isVerifiable() ? 4 : 0) | (attdef->isPreset() ? 8 : 0));
  mFieldLength = attdef->fieldLength();
  mLockPosition = attdef->lockPositionInBlock();
  return transformBy(blkXform);
}

Acad::ErrorStatus AcDbAttribute::setAttributeFromBlock(const AcGeMatrix3d& blkXform) { return transformBy(blkXform); }

Acad::ErrorStatus AcDbAttribute::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbText::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(mTag);
  filer->writeUInt8(mFlags);
  filer->writeUInt16(mFieldLength);
  filer->writeBoolean(mLockPosition);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbAttribute::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbText::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readString(mTag);
  filer->readUInt8(&mFlags);
  filer->readUInt16(&mFieldLength);
  filer->readBoolean(&mLockPosition);
  return filer->filerStatus();
}
