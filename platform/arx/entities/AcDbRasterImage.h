#pragma once
// A raster image placed in the drawing: a reference to an image definition,
// an orientation (the lower-left corner and the vectors along the image's
// full width and height), an optional clip boundary in pixel coordinates,
// and display settings.
//
// Pixel coordinates: x to the right, y down, pixel centres at whole numbers;
// the image covers (-0.5, -0.5) to (width - 0.5, height - 0.5).
#include "arx/db/AcDbEntity.h"
#include "arx/ge/AcGeMatrix3d.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector2d.h"
#include "arx/ge/AcGeVector3d.h"

class AcDbRasterImage : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRasterImage);
  AcDbRasterImage();
  ~AcDbRasterImage() override;

  enum ClipBoundaryType { kInvalid = 0, kRect = 1, kPoly = 2 };
  enum ImageDisplayOpt { kShow = 1, kShowUnAligned = 2, kClip = 4, kTransparent = 8 };

  // --- definition
  AcDbObjectId imageDefId() const;
  // The id of an AcDbRasterImageDef (eWrongObjectType otherwise); its pixel
  // size is remembered.
  Acad::ErrorStatus setImageDefId(AcDbObjectId imageId);
  // Width and height in pixels: the definition's, or the remembered ones.
  AcGeVector2d imageSize(bool getCachedValue = false) const;
  // Drawing units per pixel along the width and the height.
  AcGeVector2d scale() const;

  // --- placement
  // u and v must be non-zero and perpendicular; false otherwise (nothing changes).
  bool setOrientation(const AcGePoint3d& origin, const AcGeVector3d& uCorner, const AcGeVector3d& onPlane);
  void getOrientation(AcGePoint3d& origin, AcGeVector3d& u, AcGeVector3d& v) const;
  // Pixel coordinates to the drawing.
  Acad::ErrorStatus getPixelToModelTransform(AcGeMatrix3d& pixelToModel) const;

  // --- clipping
  // kRect takes two opposite corners, kPoly at least three points (a last
  // point equal to the first is dropped); setting a boundary turns clipping on.
  Acad::ErrorStatus setClipBoundary(ClipBoundaryType type, const AcGePoint2dArray& points);
  // The boundary in pixel coordinates: the rectangle's two corners or the
  // polygon closed (the first point repeated at the end).
  const AcGePoint2dArray& clipBoundary() const;
  ClipBoundaryType clipBoundaryType() const;
  bool isClipped() const;
  Acad::ErrorStatus setClipped(bool clipped);
  // The outline in world coordinates, closed: the clip boundary when clipping
  // is on, else the image's frame.
  Acad::ErrorStatus getVertices(AcGePoint3dArray& vertices) const;

  // --- display
  bool isSetDisplayOpt(ImageDisplayOpt option) const;
  Acad::ErrorStatus setDisplayOpt(ImageDisplayOpt option, bool value);
  Adesk::Int8 brightness() const;  // 0 to 100
  Acad::ErrorStatus setBrightness(Adesk::Int8 value);
  Adesk::Int8 contrast() const;
  Acad::ErrorStatus setContrast(Adesk::Int8 value);
  Adesk::Int8 fade() const;
  Acad::ErrorStatus setFade(Adesk::Int8 value);

  // --- entity protocol
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  bool isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // IMAGE: 90 version, 10 origin, 11 and 12 the vectors of one pixel along
  // the width and the height, 13 the size in pixels, 340 the definition, 70
  // display options, 280 clipping on, 281 brightness, 282 contrast, 283
  // fade, 71 clip boundary type, 91 and 14 the clip vertices (pixel
  // coordinates). The definition reactor (360) is kept as read.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  AcGeVector2d pixelSize() const;
  void resetClipBoundary();

  AcDbObjectId mDef;
  AcGePoint3d mOrigin;
  AcGeVector3d mU = AcGeVector3d::kXAxis;
  AcGeVector3d mV = AcGeVector3d::kYAxis;
  AcGeVector2d mCachedSize;
  Adesk::Int16 mClipType = kInvalid;
  AcGePoint2dArray mClip;
  Adesk::Int16 mDisplay = kShow;
  Adesk::Int8 mBrightness = 50;
  Adesk::Int8 mContrast = 50;
  Adesk::Int8 mFade = 0;
};
