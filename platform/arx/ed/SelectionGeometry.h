#pragma once
// Geometry of object selection (platform-internal): which entities a window,
// a polygon, a fence or a pick point takes. Everything is tested in the XY
// plane (plan view): curves on their true geometry (their shadow on XY),
// other entities on their extents box.
#include <vector>

#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint3d.h"

class AcDbDatabase;
class AcDbEntity;

namespace vhost {

// The live entities of the current space, or of every layout (in creation
// order; with includeErased the erased ones too).
std::vector<AcDbObjectId> currentSpaceEntities(AcDbDatabase* db);
std::vector<AcDbObjectId> allLayoutEntities(AcDbDatabase* db, bool includeErased = false);

enum class AreaMode { kWindow, kCrossing };

// Window: the entity lies wholly inside the polygon (touching the boundary
// does not count as inside). Crossing: inside, or meeting the boundary.
bool entityInPolygon(const AcDbEntity* entity, const std::vector<AcGePoint3d>& polygon, AreaMode mode);
// The entity meets the open polyline.
bool entityOnFence(const AcDbEntity* entity, const std::vector<AcGePoint3d>& fence);
// Distance in XY from the point to the entity (curves) or to its extents box
// (others: 0 inside); negative when the entity has no geometry. boxBased tells
// which of the two was used.
double entityPickDistance(const AcDbEntity* entity, const AcGePoint3d& pt, bool& boxBased);

// The rectangle p1-p2 as a polygon.
std::vector<AcGePoint3d> rectanglePolygon(const AcGePoint3d& p1, const AcGePoint3d& p2);

}  // namespace vhost
