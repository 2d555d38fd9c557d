#pragma once
// Multiline text: formatted contents (the host's inline codes kept as given)
// laid out in a column of a given width from a location, attached at one of
// nine points of its box.
//
// Layout model (glyph metrics are not available): each displayed character
// takes textHeight in width; lines break at paragraph breaks and, when a
// width is set, before a word that would pass it (Chinese, Japanese and
// Korean characters break anywhere); lines are 5/3 × textHeight ×
// lineSpacingFactor apart. Inline height, width and font changes do not
// change the box.
#include <string>
#include <vector>

#include "arx/db/AcDbEntity.h"
#include "arx/ge/AcGePoint3d.h"
#include "arx/ge/AcGeVector3d.h"

namespace AcDb {
enum LineSpacingStyle { kAtLeast = 1, kExactly = 2 };
}  // namespace AcDb

class AcDbMText : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbMText);
  AcDbMText();
  ~AcDbMText() override;

  enum AttachmentPoint {
    kTopLeft = 1,
    kTopCenter = 2,
    kTopRight = 3,
    kMiddleLeft = 4,
    kMiddleCenter = 5,
    kMiddleRight = 6,
    kBottomLeft = 7,
    kBottomCenter = 8,
    kBottomRight = 9
  };
  enum FlowDirection { kLtoR = 1, kRtoL = 2, kTtoB = 3, kBtoT = 4, kByStyle = 5 };

  // --- placement
  AcGePoint3d location() const;
  Acad::ErrorStatus setLocation(const AcGePoint3d& point);
  AcGeVector3d normal() const;
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  // The unit reading direction (in the plane of the normal).
  AcGeVector3d direction() const;
  Acad::ErrorStatus setDirection(const AcGeVector3d& direction);
  // The direction as an angle from the X axis of the normal's coordinate system.
  double rotation() const;
  Acad::ErrorStatus setRotation(double rotation);
  AttachmentPoint attachment() const;
  Acad::ErrorStatus setAttachment(AttachmentPoint attachment);
  FlowDirection flowDirection() const;
  Acad::ErrorStatus setFlowDirection(FlowDirection direction);

  // --- box
  // The column width; 0 for no wrapping.
  double width() const;
  Acad::ErrorStatus setWidth(double width);
  double textHeight() const;
  Acad::ErrorStatus setTextHeight(double height);  // > 0
  double lineSpacingFactor() const;
  Acad::ErrorStatus setLineSpacingFactor(double factor);  // 0.25 to 4
  AcDb::LineSpacingStyle lineSpacingStyle() const;
  Acad::ErrorStatus setLineSpacingStyle(AcDb::LineSpacingStyle style);
  double actualHeight() const;
  double actualWidth() const;
  // Corners of the text box: top left, top right, bottom left, bottom right.
  Acad::ErrorStatus getBoundingPoints(AcGePoint3dArray& points) const;

  // --- content
  // contents() and text() give new[] copies for the caller to free with delete[].
  ACHAR* contents() const;
  const ACHAR* contentsConst() const;
  Acad::ErrorStatus setContents(const ACHAR* contents);
  // The contents without format codes: \P (and \N, \X) become line breaks,
  // escapes become their characters, stacks show as "num/den", all other
  // codes and grouping braces disappear.
  ACHAR* text() const;
  AcDbObjectId textStyle() const;
  Acad::ErrorStatus setTextStyle(AcDbObjectId style);

  // The plain text of formatted contents (what text() gives).
  static std::wstring vhostPlainText(const std::wstring& contents);
  // The lines of the plain text as laid out in a column (0: no wrapping) at
  // the text height.
  static std::vector<std::wstring> vhostLayoutLines(const std::wstring& plain, double columnWidth, double height);

  // --- entity protocol
  Acad::ErrorStatus getGeomExtents(AcDbExtents& extents) const override;
  // Mirroring keeps the text readable: the box is mirrored, the characters not.
  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  // One single-line text per laid-out line.
  Acad::ErrorStatus explode(AcDbVoidPtrArray& entitySet) const override;
  bool isPlanar() const override { return true; }
  Acad::ErrorStatus getPlane(AcGePlane& plane, AcDb::Planarity& planarity) const override;

  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  // MTEXT: location (world), heights and width, attachment, flow, the
  // contents in 250-character chunks (3 ... 1), style by name, normal, the
  // reading direction (11, world; 50 radians when 11 is absent), the
  // computed box (42/43, not read back), line spacing (73/44). Background,
  // column and annotation groups are kept as read.
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  struct Layout {
    std::vector<std::wstring> lines;
    double width = 0.0;
    double height = 0.0;
    double pitch = 0.0;
  };
  Layout layout() const;
  // The box in the text's own frame: x along the direction, y up, location at 0.
  void box(const Layout& l, double& left, double& right, double& bottom, double& top) const;
  AcGeVector3d upDirection() const;

  AcGePoint3d mLocation;
  AcGeVector3d mNormal = AcGeVector3d::kZAxis;
  AcGeVector3d mDirection = AcGeVector3d::kXAxis;
  double mWidth = 0.0;
  double mHeight = 2.5;
  double mLineSpacing = 1.0;
  Adesk::Int16 mLineSpacingStyle = AcDb::kAtLeast;
  Adesk::Int16 mAttachment = kTopLeft;
  Adesk::Int16 mFlow = kLtoR;
  std::wstring mContents;
  AcDbObjectId mStyle;
};
