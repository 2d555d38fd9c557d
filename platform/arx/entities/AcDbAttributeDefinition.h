#pragma once
// Attribute definitions: the templates in a block definition from which the
// attributes of its references are made. A definition is a text (its text is
// the default value) with a tag, a prompt and the attribute flags.
#include <string>

#include "arx/entities/AcDbText.h"

class AcDbAttributeDefinition : public AcDbText {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAttributeDefinition);
  AcDbAttributeDefinition();
  AcDbAttributeDefinition(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag, const ACHAR* prompt,
                          AcDbObjectId style = AcDbObjectId::kNull);
  ~AcDbAttributeDefinition() override;

  // tag() and prompt() give new[] copies for the caller to free with delete[].
  ACHAR* tag() const;
  const ACHAR* tagConst() const;
  // Tags have no spaces; an empty tag is refused (eInvalidInput).
  Acad::ErrorStatus setTag(const ACHAR* tag);
  ACHAR* prompt() const;
  const ACHAR* promptConst() const;
  Acad::ErrorStatus setPrompt(const ACHAR* prompt);

  bool isInvisible() const;
  Acad::ErrorStatus setInvisible(bool value);
  bool isConstant() const;
  Acad::ErrorStatus setConstant(bool value);
  bool isVerifiable() const;
  Acad::ErrorStatus setVerifiable(bool value);
  bool isPreset() const;
  Acad::ErrorStatus setPreset(bool value);
  Adesk::UInt16 fieldLength() const;
  Acad::ErrorStatus setFieldLength(Adesk::UInt16 length);
  bool lockPositionInBlock() const;
  Acad::ErrorStatus setLockPositionInBlock(bool value);
  bool isMTextAttributeDefinition() const { return false; }

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // The AcDbText groups, then "100 AcDbAttributeDefinition": 280 version, 3 prompt, 2 tag, 70 flags,
  // 73 field length, 74 vertical mode, 280 lock position.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  std::wstring mTag;
  std::wstring mPrompt;
  Adesk::UInt8 mFlags = 0;  // 1 invisible, 2 constant, 4 verifiable, 8 preset
  Adesk::UInt16 mFieldLength = 0;
  bool mLockPosition = false;
};

namespace vhost {
namespace annot {
// Attribute tags: not empty and without spaces; kept as given (callers compare
// them without regard to case).
bool normalizeTag(const ACHAR* tag, std::wstring& out);
}  // namespace annot
}  // namespace vhost
