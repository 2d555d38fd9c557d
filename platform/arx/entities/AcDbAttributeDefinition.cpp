#include "arx/entities/AcDbAttributeDefinition.h"

#include <cwctype>

#include "arx/db/AcDbDwgFiler.h"
#include "arx/db/VhostDxfSupport.h"
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

// --- DXF filing -----------------------------------------------------------------------------------

Acad::ErrorStatus AcDbAttributeDefinition::dxfOutFields(AcDbDxfFiler* filer) const {
  assertReadEnabled();
  Acad::ErrorStatus es = AcDbText::dxfOutFields(filer);
  if (es != Acad::eOk) return es;
  filer->writeString(100, L"AcDbAttributeDefinition");
  filer->writeInt8(280, 0);  // version of the attribute data
  filer->writeString(3, mPrompt);
  filer->writeString(2, mTag);
  filer->writeInt16(70, static_cast<Adesk::Int16>(mFlags));
  filer->writeInt16(73, static_cast<Adesk::Int16>(mFieldLength));
  const AcDb::TextVertMode vert = verticalMode();
  if (vert != AcDb::kTextBase) filer->writeInt16(74, static_cast<Adesk::Int16>(vert));
  if (mLockPosition) filer->writeInt8(280, 1);
  return vhost::dxfWriteKept(filer, this, L"AcDbAttributeDefinition");
}

Acad::ErrorStatus AcDbAttributeDefinition::dxfInFields(AcDbDxfFiler* filer) {
  assertWriteEnabled();
  Acad::ErrorStatus es = AcDbText::dxfInFields(filer);
  if (es != Acad::eOk) return es;
  if (!filer->atSubclassData(L"AcDbAttributeDefinition")) return vhost::dxfBadSubclass(filer, L"AcDbAttributeDefinition");
  vhost::DxfKeptGroups kept(L"AcDbAttributeDefinition");
  std::wstring tag, prompt;
  bool haveTag = false;
  long flags = 0, fieldLength = 0, vert = AcDb::kTextBase, lock = 0;
  resbuf rb;
  while ((es = filer->readResBuf(&rb)) == Acad::eOk) {
    switch (rb.restype) {
      case 2: tag = rb.resval.rstring ? rb.resval.rstring : L""; haveTag = true; break;
      case 3: prompt = rb.resval.rstring ? rb.resval.rstring : L""; break;
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
  mPrompt = prompt;
  mFlags = static_cast<Adesk::UInt8>(flags);
  mFieldLength = static_cast<Adesk::UInt16>(fieldLength);
  mLockPosition = lock != 0;
  vhostDxfSetVerticalMode(static_cast<Adesk::Int16>(vert));
  kept.storeInto(this);
  return Acad::eOk;
}
