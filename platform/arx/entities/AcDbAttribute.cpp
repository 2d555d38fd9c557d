#include "arx/entities/AcDbAttribute.h"

#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostDxfSupport.h"
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

// --- DXF filing -----------------------------------------------------------------------------------

Acad::ErrorStatus AcDbAttribute::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbText::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbAttribute");
  filer->writeInt8(280, 0);  // version of the attribute data
  filer->writeString(2, mTag);
  filer->writeInt16(70, static_cast<Adesk::Int16>(mFlags));
  filer->writeInt16(73, static_cast<Adesk::Int16>(mFieldLength));
  const AcDb::TextVertMode vert = verticalMode();
  if (vert != AcDb::kTextBase) filer->writeInt16(74, static_cast<Adesk::Int16>(vert));
  if (mLockPosition) filer->writeInt8(280, 1);
  return vhost::dxfWriteKept(filer, this, L"AcDbAttribute");
}

Acad::ErrorStatus AcDbAttribute::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbText::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbAttribute")) return vhost::dxfBadSubclass(filer, L"AcDbAttribute");
  vhost::DxfKeptGroups kept(L"AcDbAttribute");
  std::wstring tag;
  bool haveTag = false;
  long flags = 0, fieldLength = 0, vert = AcDb::kTextBase, lock = 0;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 2: tag = rb.resval.rstring ? rb.resval.rstring : L""; haveTag = true; break;
      case 70: flags = rb.resval.rint; break;
      case 73: fieldLength = static_cast<Adesk::UInt16>(rb.resval.rint); break;
      case 74: vert = rb.resval.rint; break;
      case 280:
        if (haveTag) lock = rb.resval.rint;  // before the tag it is the version
        break;
      default: kept.add(rb);
    }
    vhost::dxfReleaseValue(rb);
  }
  if (es != Acad::eEndOfObject) return es;
  std::wstring normalized;
  if (!vhost::annot::normalizeTag(tag.c_str(), normalized))
    return vhost::dxfError(filer, L"attribute tag (2) missing or holds spaces");
  if (flags < 0 || flags > 15) return vhost::dxfError(filer, L"attribute flags (70) out of range");
  if (vert < AcDb::kTextBase || vert > AcDb::kTextTop)
    return vhost::dxfError(filer, L"attribute vertical mode (74) out of range");
  mTag = normalized;
  mFlags = static_cast<Adesk::UInt8>(flags);
  mFieldLength = static_cast<Adesk::UInt16>(fieldLength);
  mLockPosition = lock != 0;
  vhostDxfSetVerticalMode(static_cast<Adesk::Int16>(vert));
  kept.storeInto(this);
  return Acad::eOk;
}
