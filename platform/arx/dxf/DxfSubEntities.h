#pragma once
// The entities that follow their owner in a DXF file: the vertices of an
// old-style polyline and the attributes of a block reference. They are read
// as entities of their own (keeping their handles) and then listed by their
// owner.
#include <vector>

#include "arx/db/AcDbObject.h"

namespace vhost {

// Makes owner (a 2D or 3D polyline or a block reference, open for write)
// list the sub-entities, which are in its database already and owned by it.
Acad::ErrorStatus dxfAdoptSubEntities(AcDbObject* owner, const std::vector<AcDbObjectId>& subs);

// The sub-entities an owner lists, in order (erased ones left out); empty for
// other objects.
std::vector<AcDbObjectId> dxfSubEntities(const AcDbObject* owner);

}  // namespace vhost
