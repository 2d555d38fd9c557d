#pragma once
// The hatches associated with a boundary object, and the colour an entity
// shows through its hatch.
#include "arx/db/AcDbObjectId.h"

namespace VeskCad {

// hatch := the last of the boundary object's persistent reactors that is a
// hatch (an associative hatch reacts to its boundary). 1 when one was found.
int GetHatch(AcDbObjectId boundary, AcDbObjectId& hatch);
// Every such hatch, appended to hatches in reactor order. 1 when one was found.
int GetHatch(AcDbObjectId boundary, AcDbObjectIdArray& hatches);

// The colour index of the entity's associated hatch when it has one, else of
// the entity itself; by layer (256) is replaced by the colour index of that
// entity's layer. A true colour gives its nearest palette index. 7 when the
// object cannot be opened or is not an entity.
int GetEntHatchColor(AcDbObjectId entity);

}  // namespace VeskCad
