#include "arx/entities/AcDbAttributeDefinition.h"

#include <cwctype>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/entities/VhostAnnotationUtil.h"

VHOST_DEFINE_BUILTIN_CLASS(AcDbAttributeDefinition, AcDbText, L"ATTDEF")

using namespace vhost::annot;

bool vhost::annot::normalizeTag(const ACHAR* tag, std::wstring& out) {
  if (tag == nullptr || *tag == 0) return false;
  std::wstring t;
  for (const ACHAR* p = tag; *p; ++p) {
    if (std::iswspace(*p)) return false;
    t += *p;
  }
  out = t;
  return true;
}

AcDbAttributeDefinition::AcDbAttributeDefinition() = default;

AcDbAttributeDefinition::AcDbAttributeDefinition(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag,
                                                 const ACHAR* prompt, AcDbObjectId style)
    : AcDbText(position, text, style), mPrompt(prompt ? prompt : L"") {
  normalizeTag(tag, mTag);
}

AcDbAttributeDefinition::~AcDbAttributeDefinition() = default;

ACHAR* AcDbAttributeDefinition::tag() const {
  assertReadEnabled();
  return dupString(mTag);
}

const ACHAR* AcDbAttributeDefinition::tagConst() const {
  assertReadEnabled();
  return mTag.c_str();
}

Acad::ErrorStatus AcDbAttributeDefinition::setTag(const ACHAR* tag) {
  std::wstring t;
  if (!normalizeTag(tag, t)) return Acad::eInvalidInput;
  assertWriteEnabled();
  mTag = t;
  return Acad::eOk;
}

ACHAR* AcDbAttributeDefinition::prompt() const {
  assertReadEnabled();
  return dupString(mPrompt);
}

const ACHAR* AcDbAttributeDefinition::promptConst() const {
  assertReadEnabled();
  return mPrompt.c_str();
}

Acad::ErrorStatus AcDbAttributeDefinition::setPrompt(const ACHAR* prompt) {
  assertWriteEnabled();
  mPrompt = prompt ? prompt : L"";
  return Acad::eOk;
}

#define VHOST_ATTDEF_FLAG(GET, SET, BIT)                      \
  bool AcDbAttributeDefinition::GET() const {                 \
    assertReadEnabled();                                      \
    return (mFlags & (BIT)) != 0;                             \
  }                                                           \
  Acad::ErrorStatus AcDbAttributeDefinition::SET(bool value) { \
    assertWriteEnabled();                                     \
    if (value)                                                \
      mFlags |= (BIT);                                        \
    else                                                      \
      mFlags &= static_cast<Adesk::UInt8>(~(BIT));            \
    return Acad::eOk;                                         \
  }

VHOST_ATTDEF_FLAG(isInvisible, setInvisible, 1)
VHOST_ATTDEF_FLAG(isConstant, setConstant, 2)
VHOST_ATTDEF_FLAG(isVerifiable, setVerifiable, 4)
VHOST_ATTDEF_FLAG(isPreset, setPreset, 8)
#undef VHOST_ATTDEF_FLAG

Adesk::UInt16 AcDbAttributeDefinition::fieldLength() const {
  assertReadEnabled();
  return mFieldLength;
}

Acad::ErrorStatus AcDbAttributeDefinition::setFieldLength(Adesk::UInt16 length) {
  assertWriteEnabled();
  mFieldLength = length;
  return Acad::eOk;
}

bool AcDbAttributeDefinition::lockPositionInBlock() const {
  assertReadEnabled();
  return mLockPosition;
}

Acad::ErrorStatus AcDbAttributeDefinition::setLockPositionInBlock(bool value) {
  assertWriteEnabled();
  mLockPosition = value;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbAttributeDefinition::dwgOutFields(AcDbDwgFiler* filer) const {
  Acad::ErrorStatus es = AcDbText::dwgOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(mTag);
  filer->writeString(mPrompt);
  filer->writeUInt8(mFlags);
  filer->writeUInt16(mFieldLength);
  filer->writeBoolean(mLockPosition);
  return filer->filerStatus();
}

Acad::ErrorStatus AcDbAttributeDefinition::dwgInFields(AcDbDwgFiler* filer) {
  Acad::ErrorStatus es = AcDbText::dwgInFields(filer);
  if (es != Acad::eOk) return es;
  filer->readString(mTag);
  filer->readString(mPrompt);
  filer->readUInt8(&mFlags);
  filer->readUInt16(&mFieldLength);
  filer->readBoolean(&mLockPosition);
  return filer->filerStatus();
}
