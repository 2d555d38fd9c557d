#pragma once
// Block references (inserts): a block definition placed at a position with
// scale factors, a rotation about the normal, and the attributes the
// reference owns. The block transform maps the block's own coordinates
// (relative to its base point) to the world.
#include <vector>

#include "arx/db/AcDbEntity.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGeScale3d.h"

class AcDbAttribute;
class AcDbObjectIterator;

class AcDbBlockReference : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbBlockReference);
  AcDbBlockReference();
  AcDbBlockReference(const AcGePoint3d& position, AcDbObjectId blockTableRecord);
  ~AcDbBlockReference() override;

  // --- what and where
  AcDbObjectId blockTableRecord() const;
  virtual Acad::ErrorStatus setBlockTableRecord(AcDbObjectId blockTableRecord);
  AcGePoint3d position() const;
  virtual Acad::ErrorStatus setPosition(const AcGePoint3d& position);
  AcGeScale3d scaleFactors() const;
  // Factors must be non-zero (eInvalidInput).
  virtual Acad::ErrorStatus setScaleFactors(const AcGeScale3d& scale);
  double rotation() const;
  virtual Acad::ErrorStatus setRotation(double rotation);
  AcGeVector3d normal() const;
  virtual Acad::ErrorStatus setNormal(const AcGeVector3d& normal);

  // Block coordinates to world: translation to the position, the entity
  // coordinate system of the normal, the rotation, the scale factors, and the
  // block's base point moved to the origin first.
  AcGeMatrix3d blockTransform() const;
  // Takes position, scale factors, rotation and normal from a transform
  // whose axes stay perpendicular (eCannotScaleNonUniformly otherwise).
  virtual Acad::ErrorStatus setBlockTransform(const AcGeMatrix3d& xform);

  // --- attributes
  // Adds the attribute to the reference's database, owned by the reference;
  // the reference must be in a database (eNoDatabase) and open for write. The
  // attribute is left open for write for the caller to close.
  Acad::ErrorStatus appendAttribute(AcDbAttribute* attribute);
  Acad::ErrorStatus appendAttribute(AcDbObjectId& attributeId, AcDbAttribute* attribute);
  // An iterator over the attributes for the caller to delete.
  AcDbObjectIterator* attributeIterator() const;
  // The attribute ids in the order appended (erased ones too).
  AcDbObjectIdArray vhostAttributeIds() const;

  // --- exploding
  // The block's entities as they appear here (transformed copies), without
  // the block's variable attribute definitions; constant definitions and the
  // reference's visible attributes become texts. Nested references stay
  // references (without attributes: a free-standing reference owns none).
  Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;
  // The same pieces added to the block that owns this reference (nested
  // references take copies of their attributes). The reference stays.
  Acad::ErrorStatus explodeToOwnerSpace() const;
  // Whether the EXPLODE command may treat an entity of this class as a plain
  // block reference (true for block references themselves).
  virtual bool treatAsAcDbBlockRefForExplode() const;

  // --- entity protocol
  // The block's extents (each entity's extents box carried over by the block
  // transform) and those of the visible attributes.
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  // The tight form: the extents of the transformed entities.
  Acad::ErrorStatus geomExtentsBestFit(AcDbExtents& extents,
                                       const AcGeMatrix3d& parentXform = AcGeMatrix3d::kIdentity) const;
  // The attributes follow (they are opened for write in turn).
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  Acad::ErrorStatus getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& ent) const override;
  // A free-standing copy owns no attributes.
  AcRxObject* clone() const override;
  bool isPlanar() const override { return false; }

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // INSERT: 66 when attributes follow, 2 block name (the block must be in
  // the drawing), 10 position in the entity coordinate system, 41/42/43
  // scale factors, 50 rotation in degrees, 210 normal; the array groups
  // (70/71/44/45) are kept as read. The attributes themselves are written
  // and read by the file framework as ATTRIB entities after the INSERT,
  // closed by a SEQEND:
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
  // The attributes to write after the reference (not erased), in order.
  AcDbObjectIdArray vhostDxfAttributeIds() const;
  // Whether the reference as read announced attributes (66 1).
  bool vhostDxfAttributesFollow() const { return mDxfAttributesFollow; }
  // Lists an attribute read after the reference: the framework has added it
  // to the database and made the reference its owner.
  Acad::ErrorStatus vhostDxfAppendAttribute(AcDbObjectId attributeId);

 protected:
  // Keeps the block record's list of references current.
  Acad::ErrorStatus subClose() override;
  // The block's base point (the origin when the record cannot be read).
  AcGePoint3d vhostBlockOrigin() const;
  // Sets the placement from a transform without the write check.
  Acad::ErrorStatus vhostSetPlacement(const AcGeMatrix3d& xform);

 private:
  struct Piece {
    AcDbEntity* entity;
    AcDbObjectId source;  // the nested reference it was made from, or null
  };
  Acad::ErrorStatus explodePieces(std::vector<Piece>& pieces, AcGeMatrix3d& xform) const;

  AcDbObjectId mBlock;
  AcGePoint3d mPosition;
  AcGeScale3d mScale;
  double mRotation = 0.0;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
  AcDbObjectIdArray mAttributes;
  bool mDxfAttributesFollow = false;  // as read from a file; not filed
};
