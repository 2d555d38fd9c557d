#pragma once
// A vertex of a 3D polyline: a world position and its kind.
#include "arx/entities/AcDbVertex.h"

class AcDb3dPolylineVertex : public AcDbVertex {
 public:
  ACRX_DECLARE_MEMBERS(AcDb3dPolylineVertex);
  AcDb3dPolylineVertex();
  explicit AcDb3dPolylineVertex(const AcGePoint3d& position);
  ~AcDb3dPolylineVertex() override;

  AcDb::Vertex3dType vertexType() const;
  AcGePoint3d position() const;
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);

  // Platform use: fitting sets the kind of the vertices it makes.
  Acad::ErrorStatus vhostSetVertexType(AcDb::Vertex3dType type);

  Acad::ErrorStatus transformBy(const AcGeMatrix3d& xform) override;
  Acad::ErrorStatus dwgInFields(AcDbDwgFiler* filer) override;
  Acad::ErrorStatus dwgOutFields(AcDbDwgFiler* filer) const override;
  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  Acad::ErrorStatus dxfOutFields(AcDbDxfFiler* filer) const override;

 private:
  AcGePoint3d mPosition;
  Adesk::UInt8 mType = AcDb::k3dSimpleVertex;
};
