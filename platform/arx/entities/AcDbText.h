#pragma once
// Single-line text. A text has an insertion point (position), an alignment
// point, a height, a width factor, an obliquing angle, a rotation in the plane
// of its normal, and horizontal and vertical modes. For left-aligned text on
// the baseline the position is the insertion point; for every other mode the
// alignment point governs and the position is derived from it (for "align"
// and "fit" the text runs from the position to the alignment point).
//
// Glyph metrics are not available to the database, so the text's box follows
// a simple model: every displayed character takes a cell of width
// height × widthFactor, the box spans height above the baseline (no
// descenders), and the obliquing angle slants the box. Alignment, extents and
// the derived position all use this box.
#include <string>

#include "arx/db/AcDbEntity.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector3d.h"

namespace AcDb {
enum TextHorzMode { kTextLeft = 0, kTextCenter = 1, kTextRight = 2, kTextAlign = 3, kTextMid = 4, kTextFit = 5 };
enum TextVertMode { kTextBase = 0, kTextBottom = 1, kTextVCenter = 2, kTextTop = 3 };
}  // namespace AcDb

class AcDbText : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbText);
  AcDbText();
  AcDbText(const AcGePoint3d& position, const ACHAR* text, AcDbObjectId style = AcDbObjectId::kNull,
           double height = 0.0, double rotation = 0.0);
  ~AcDbText() override;

  // --- placement
  AcGePoint3d position() const;
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);
  AcGePoint3d alignmentPoint() const;
  Acad::ErrorStatus setAlignmentPoint(const AcGePoint3d& point);
  // Left aligned on the baseline: the alignment point does not matter.
  bool isDefaultAlignment() const;
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  double thickness() const;
  Acad::ErrorStatus setThickness(double thickness);
  double rotation() const;
  Acad::ErrorStatus setRotation(double rotation);

  // --- shape
  double height() const;
  Acad::ErrorStatus setHeight(double height);  // > 0
  double widthFactor() const;
  Acad::ErrorStatus setWidthFactor(double factor);  // > 0
  // The slant of the characters from the vertical, within ±85°.
  double oblique() const;
  Acad::ErrorStatus setOblique(double angle);
  bool isMirroredInX() const;  // backwards
  Acad::ErrorStatus mirrorInX(bool mirror);
  Acad::ErrorStatus setMirroredInX(bool mirror) { return mirrorInX(mirror); }
  bool isMirroredInY() const;  // upside down
  Acad::ErrorStatus mirrorInY(bool mirror);
  Acad::ErrorStatus setMirroredInY(bool mirror) { return mirrorInY(mirror); }

  // --- content
  // A new[] copy of the text for the caller to free with delete[].
  ACHAR* textString() const;
  // The text itself, valid while the entity is open and unchanged.
  const ACHAR* textStringConst() const;
  Acad::ErrorStatus setTextString(const ACHAR* text);
  AcDbObjectId textStyle() const;
  Acad::ErrorStatus setTextStyle(AcDbObjectId style);

  // --- alignment
  AcDb::TextHorzMode horizontalMode() const;
  Acad::ErrorStatus setHorizontalMode(AcDb::TextHorzMode mode);
  AcDb::TextVertMode verticalMode() const;
  Acad::ErrorStatus setVerticalMode(AcDb::TextVertMode mode);
  // Recomputes the derived placement (the position, and for "align" and
  // "fit" the rotation with the height or the width factor) from the
  // alignment point. Every change of a property that takes part already does
  // this; the call is kept for code written for the host.
  Acad::ErrorStatus adjustAlignment(const AcDbDatabase* db = nullptr);

  // The corners of the text box in world coordinates: top left, top right,
  // bottom left, bottom right (as the text reads).
  Acad::ErrorStatus getBoundingPoints(AcGePoint3dArray& points) const;
  // The width of the text box along the baseline.
  double vhostTextWidth() const;
  // A new plain text (not in a database) with this text's text and entity
  // properties: what an attribute or attribute definition shows, as a text.
  AcDbText* vhostNewPlainText() const;

  // --- entity protocol
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  bool isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // TEXT: the AcDbText groups, then a second "100 AcDbText" with the
  // vertical mode (attributes and attribute definitions file their vertical
  // mode as 74 in their own subclass instead). Points are in the entity
  // coordinate system of the normal, angles in degrees; the text style is
  // filed by name (a name the drawing does not have is kept as read).
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 protected:
  // Sets the vertical mode as read from a file, leaving the placement as read.
  void vhostDxfSetVerticalMode(Adesk::Int16 mode) { mVert = mode; }
  // Copies the text properties (not the entity's common properties) of other.
  void vhostCopyTextFrom(const AcDbText& other);

 private:
  void updatePlacement();
  // The unit reading direction and up direction of the glyphs.
  void frame(AcGeVector3d& reading, AcGeVector3d& up) const;
  int displayLength() const;

  AcGePoint3d mPosition;
  AcGePoint3d mAlignment;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
  double mThickness = 0.0;
  double mRotation = 0.0;
  double mHeight = 2.5;
  double mWidthFactor = 1.0;
  double mOblique = 0.0;
  std::wstring mText;
  AcDbObjectId mStyle;
  Adesk::Int16 mHorz = AcDb::kTextLeft;
  Adesk::Int16 mVert = AcDb::kTextBase;
  bool mMirrorX = false;
  bool mMirrorY = false;
};
