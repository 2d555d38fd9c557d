#pragma once
// Dimensions: annotation that measures geometry. A dimension keeps its
// definition points, its text (empty: the measurement; "<>" inside a text
// stands for the measurement) and its style, and draws itself through an
// anonymous "*D" block of lines, arrowheads and text built from the
// dimension style's sizes (recomputeDimBlock; also done when a changed
// dimension in a database is closed).
#include <string>
#include <vector>

#include "arx/base/AcCmColor.h"
#include "arx/db/AcDbEntity.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector3d.h"

class AcDbDimension : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbDimension);
  AcDbDimension();
  ~AcDbDimension() override;

  // --- text
  AcGePoint3d textPosition() const;
  // Places the text there (no longer where the style would put it).
  Acad::ErrorStatus setTextPosition(const AcGePoint3d& position);
  bool isUsingDefaultTextPosition() const;
  Acad::ErrorStatus useDefaultTextPosition();
  Acad::ErrorStatus useSetTextPosition();
  // A new[] copy for the caller to free with delete[].
  ACHAR* dimensionText() const;
  Acad::ErrorStatus setDimensionText(const ACHAR* text);
  double textRotation() const;
  Acad::ErrorStatus setTextRotation(double rotation);
  // The text as drawn: the measurement with the style's decimals in place of
  // an empty text or of "<>".
  std::wstring vhostFormattedText() const;

  // --- style and block
  AcDbObjectId dimensionStyle() const;
  Acad::ErrorStatus setDimensionStyle(AcDbObjectId style);
  AcDbObjectId dimBlockId() const;
  Acad::ErrorStatus setDimBlockId(AcDbObjectId blockId);
  AcGePoint3d dimBlockPosition() const;
  Acad::ErrorStatus setDimBlockPosition(const AcGePoint3d& position);
  // Builds (or rebuilds) the dimension's block: the dimension must be in a
  // database (eNoDatabase) and open for write.
  Acad::ErrorStatus recomputeDimBlock(bool forceUpdate = true);

  // --- plane
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  double elevation() const;
  Acad::ErrorStatus setElevation(double elevation);

  // The measured value.
  Acad::ErrorStatus measurement(double& value) const;

  // --- entity protocol
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  // The lines, arrowheads (solids) and text the dimension draws.
  Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;
  // A free-standing copy has no block of its own.
  AcRxObject* clone() const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // DIMENSION, the common part: 280 version, 2 block name, 10 definition
  // point (world), 11 text position and 12 block position (entity
  // coordinates), 70 type (0 rotated, 1 aligned; +32 the block is the
  // dimension's own, +128 the text is where it was placed), 71/72/41 text
  // attachment and spacing (kept as read), 42 measurement (not read back),
  // 1 text, 53 text rotation (degrees), 210 normal, 3 style by name. A block
  // read with the dimension is used as it is (not rebuilt) until the
  // dimension changes.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;
  // The class of a DIMENSION entity: from the subclass markers among the
  // groups (AcDbRotatedDimension, AcDbAlignedDimension), else from the type
  // in group 70 (0 rotated, 1 aligned). Null for the kinds not modelled here
  // (angular, diameter, radius, ordinate ...): they stay proxies.
  static AcRxClass* vhostDxfClassFor(const resbuf* groups);
  static AcRxClass* vhostDxfClassForType(int dimType);

  // The style values a dimension draws with (scaled by the overall scale).
  struct Style {
    double textHeight = 2.5, arrowSize = 2.5, extOffset = 0.625, extExtension = 1.25, gap = 0.625;
    int decimals = 2;
    AcDbObjectId textStyle;
    AcCmColor lineColor, extColor, textColor;
  };
  Style vhostStyle() const;

 protected:
  // The measured value (subclasses).
  virtual double vhostMeasure() const = 0;
  // The entities drawn, in world coordinates (subclasses).
  virtual void vhostBuild(const Style& style, std::vector<AcDbEntity*>& out) const = 0;
  // Moves the subclass's definition points.
  virtual void vhostTransformPoints(const AcGeMatrix3d& xform) = 0;
  // Lines, arrowheads and text of a linear dimension: extension lines from
  // p1 and p2 along extDir to the dimension line through dimLinePoint along
  // dir.
  void vhostBuildLinear(const Style& style, const AcGePoint3d& p1, const AcGePoint3d& p2,
                        const AcGePoint3d& dimLinePoint, const AcGeVector3d& dir, const AcGeVector3d& extDir,
                        std::vector<AcDbEntity*>& out) const;
  // Marks the block out of date (setters of subclasses call it).
  void vhostGeometryChanged() { mBlockStale = true; }
  // Rebuilds an out-of-date block when a changed dimension closes.
  Acad::ErrorStatus subClose() override;
  // DXF group 10: the definition point of the subclass (world coordinates),
  // and the one read by AcDbDimension::dxfInFields for the subclass to take.
  virtual AcGePoint3d vhostDxfDefinitionPoint() const = 0;
  AcGePoint3d vhostDxfReadDefinitionPoint() const { return mDxfDefinitionPoint; }

 private:
  AcGePoint3d mTextPosition;
  bool mDefaultTextPosition = true;
  std::wstring mText;
  double mTextRotation = 0.0;
  AcDbObjectId mStyle;
  AcDbObjectId mBlock;
  AcGePoint3d mBlockPosition;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
  double mElevation = 0.0;
  mutable AcGePoint3d mComputedTextPosition;  // where the style puts the text
  bool mBlockStale = true;                     // not filed
  AcGePoint3d mDxfDefinitionPoint;             // group 10 as read; not filed
};
