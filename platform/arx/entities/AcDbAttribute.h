#pragma once
// Attributes: the texts a block reference owns, one per non-constant
// attribute definition of its block. A change of an attribute is a change of
// its block reference too: the reference's reactors hear subObjModified.
#include <string>

#include "arx/entities/AcDbText.h"

class AcDbAttributeDefinition;

class AcDbAttribute : public AcDbText {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAttribute);
  AcDbAttribute();
  AcDbAttribute(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag,
                AcDbObjectId style = AcDbObjectId::kNull);
  ~AcDbAttribute() override;

  // tag() gives a new[] copy for the caller to free with delete[].
  ACHAR* tag() const;
  const ACHAR* tagConst() const;
  Acad::ErrorStatus setTag(const ACHAR* tag);

  bool isInvisible() const;
  Acad::ErrorStatus setInvisible(bool value);
  bool isConstant() const;
  bool isVerifiable() const;
  bool isPreset() const;
  Adesk::UInt16 fieldLength() const;
  Acad::ErrorStatus setFieldLength(Adesk::UInt16 length);
  bool lockPositionInBlock() const;
  Acad::ErrorStatus setLockPositionInBlock(bool value);
  bool isMTextAttribute() const { return false; }

  // Takes the definition's text properties, entity properties, tag, flags and
  // default text, and places the attribute with the block transform of the
  // reference it belongs to.
  Acad::ErrorStatus setAttributeFromBlock(const AcDbAttributeDefinition* attdef, const AcGeMatrix3d& blkXform);
  // Applies a block transform to the attribute as it stands.
  Acad::ErrorStatus setAttributeFromBlock(const AcGeMatrix3d& blkXform);

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // The AcDbText groups, then "100 AcDbAttribute": 280 version, 2 tag, 70 flags,
  // 73 field length, 74 vertical mode, 280 lock position.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  bool propagatesModifyToOwner() const override { return true; }

 private:
  std::wstring mTag;
  Adesk::UInt8 mFlags = 0;  // 1 invisible, 2 constant, 4 verifiable, 8 preset
  Adesk::UInt16 mFieldLength = 0;
  bool mLockPosition = false;
};
