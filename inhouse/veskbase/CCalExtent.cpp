#include "veskbase/CCalExtent.h"

#include <cmath>

#include "arx/db/AcDbBlockTable.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/entities/AcDbRegion.h"
#include "arx/ge/AcGeMatrix3d.h"

namespace vesk {

int CCalExtent::FGetPlylineByRegion(const AcDbObjectId& regionId, AcDbObjectIdArray& outer, AcDbObjectIdArray& holes) {
  AcDbRegion* region = nullptr;
  if (regionId.isNull() || acdbOpenObject(region, regionId, AcDb::kForRead) != Acad::eOk) return 0;
  AcGeVector3d normal;
  region->getNormal(normal);
  // World points into the plane of the region (its entity coordinate
  // system), where the polylines are made.
  AcGeMatrix3d toPlane;
  toPlane.setToWorldToPlane(normal);
  struct Loop {
    AcGePoint3dArray pts;
    AcGeDoubleArray blgs;
    bool hole = false;
  };
  std::vector<Loop> loops;
  for (int i = 0; i < region->vhostNumLoops(); ++i) {
    Loop loop;
    if (region->vhostGetLoopAt(i, loop.pts, loop.blgs, loop.hole) == Acad::eOk && loop.pts.length() >= 2)
      loops.push_back(std::move(loop));
  }
  const AcDbObjectId owner = region->ownerId();
  std::vector<AcDbPolyline*> made;
  for (const Loop& loop : loops) {
    auto* pl = new AcDbPolyline();
    pl->setPropertiesFrom(region);
    pl->setNormal(normal);
    int n = loop.pts.length();
    // A closing vertex repeating the first is drawn by the closed flag.
    if (n >= 3 && loop.pts[0].isEqualTo(loop.pts[n - 1])) --n;
    double elevation = 0.0;
    for (int k = 0; k < n; ++k) {
      const AcGePoint3d p = toPlane * loop.pts[k];
      if (k == 0) elevation = p.z;
      pl->addVertexAt(static_cast<unsigned>(k), AcGePoint2d(p.x, p.y), k < loop.blgs.length() ? loop.blgs[k] : 0.0);
    }
    pl->setElevation(elevation);
    pl->setClosed(true);
    made.push_back(pl);
  }
  region->close();
  int count = 0;
  AcDbBlockTableRecord* btr = nullptr;
  const bool open = acdbOpenObject(btr, owner, AcDb::kForWrite) == Acad::eOk;
  for (size_t i = 0; i < made.size(); ++i) {
    AcDbObjectId id;
    if (open && btr->appendAcDbEntity(id, made[i]) == Acad::eOk) {
      made[i]->close();
      (loops[i].hole ? holes : outer).append(id);
      ++count;
    } else {
      delete made[i];
    }
  }
  if (open) btr->close();
  return count;
}

}  // namespace vesk
