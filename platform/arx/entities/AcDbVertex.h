#pragma once
// Base of the vertices owned by the old-style polylines. A vertex is a
// database object of its own, owned by its polyline; a change of a vertex is
// a change of the polyline (its reactors hear subObjModified).
#include "arx/db/AcDbEntity.h"
#include "arx/entities/AcDbPolylineTypes.h"

class AcDbVertex : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbVertex);
  AcDbVertex();
  ~AcDbVertex() override;

 protected:
  bool propagatesModifyToOwner() const override { return true; }
};
