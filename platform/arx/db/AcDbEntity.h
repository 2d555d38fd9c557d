#pragma once
// Entities: the objects that are drawn, owned by a block table record. The
// common properties (layer, colour, linetype and its scale, lineweight,
// visibility) live here; geometry and its protocol in the subclasses.
#include "arx/base/AcCmColor.h"
#include "arx/base/AcCmEntityColor.h"
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbObject.h"
#include "arx/ge/AcGePoint3d.h"

class AcDbExtents;
class AcGeMatrix3d;
class AcGePlane;

class AcDbEntity : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbEntity);
  AcDbEntity();
  ~AcDbEntity() override;

  AcDbObjectId blockId() const { return ownerId(); }

  // --- layer. layer() and linetype() return a copy for the caller to free
  // with delete[] (acutDelString).
  ACHAR* layer() const;
  AcDbObjectId layerId() const { return mLayerId; }
  Acad::ErrorStatus setLayer(const ACHAR* newVal, Adesk::Boolean doSubents = true, bool allowHiddenLayer = false);
  Acad::ErrorStatus setLayer(AcDbObjectId newVal, Adesk::Boolean doSubents = true, bool allowHiddenLayer = false);

  // --- colour
  AcCmColor color() const;
  Acad::ErrorStatus setColor(const AcCmColor& color, Adesk::Boolean doSubents = true);
  Adesk::UInt16 colorIndex() const;
  Acad::ErrorStatus setColorIndex(Adesk::UInt16 color, Adesk::Boolean doSubents = true);
  AcCmEntityColor entityColor() const { return mColor; }

  // --- linetype
  ACHAR* linetype() const;
  AcDbObjectId linetypeId() const { return mLinetypeId; }
  Acad::ErrorStatus setLinetype(const ACHAR* newVal, Adesk::Boolean doSubents = true);
  Acad::ErrorStatus setLinetype(AcDbObjectId newVal, Adesk::Boolean doSubents = true);
  double linetypeScale() const { return mLinetypeScale; }
  Acad::ErrorStatus setLinetypeScale(double newval, Adesk::Boolean doSubents = true);

  // --- lineweight and visibility
  AcDb::LineWeight lineWeight() const { return static_cast<AcDb::LineWeight>(mLineWeight); }
  Acad::ErrorStatus setLineWeight(AcDb::LineWeight newVal, Adesk::Boolean doSubents = true);
  AcDb::Visibility visibility() const { return static_cast<AcDb::Visibility>(mVisibility); }
  Acad::ErrorStatus setVisibility(AcDb::Visibility newVal, Adesk::Boolean doSubents = true);

  // Current layer, colour, linetype, scale and lineweight of the database
  // (this entity's database, or the one given).
  void setDatabaseDefaults(AcDbDatabase* db = nullptr);
  Acad::ErrorStatus setPropertiesFrom(const AcDbEntity* other, Adesk::Boolean doSubents = true);

  // --- geometry protocol (subclasses that have geometry override these)
  virtual Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const;
  virtual Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform);
  virtual Acad::ErrorStatus getTransformedCopy(const AcGeMatrix3d& xform, AcDbEntity*& ent) const;
  // Simpler entities that together draw this one, new and not in a database;
  // the caller owns them.
  virtual Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const;
  virtual Acad::ErrorStatus intersectWith(const AcDbEntity* ent, AcDb::Intersect intType, AcGePoint3dArray& points,
                                          Adesk::GsMarker thisGsMarker = 0, Adesk::GsMarker otherGsMarker = 0) const;
  virtual Acad::ErrorStatus intersectWith(const AcDbEntity* ent, AcDb::Intersect intType, const AcGePlane& projPlane,
                                          AcGePoint3dArray& points, Adesk::GsMarker thisGsMarker = 0,
                                          Adesk::GsMarker otherGsMarker = 0) const;
  virtual bool isPlanar() const { return false; }
  virtual Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // DXF: subclass AcDbEntity (67 in paper space, 8 layer, 6 linetype, 62/420
  // colour, 370 lineweight, 48 linetype scale, 60 visibility).
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  // An entity on a locked layer cannot be opened for write.
  Acad::ErrorStatus subOpen(AcDb::OpenMode mode) override;

 private:
  AcDbObjectId mLayerId;
  AcDbObjectId mLinetypeId;
  double mLinetypeScale = 1.0;
  AcCmEntityColor mColor;
  Adesk::Int16 mLineWeight = AcDb::kLnWtByLayer;
  Adesk::UInt8 mVisibility = AcDb::kVisible;
};


