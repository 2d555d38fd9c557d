#pragma once
// Exploding entities into the simpler entities they are drawn with.
//
// Simple entities are those that explode no further here: lines, arcs,
// circles, ellipses, splines, points, texts and the like. Compound ones are
// block references, regions and, when asked, polylines. Results: counts or
// 1/0; no call throws.
#include "arx/db/AcDbObjectId.h"

namespace vesk {
namespace ent {

// One round of exploding. For every entity of `ids`:
//   - a compound entity is exploded; the parts are added to the block that
//     owns it (on layerId when that is not null, else with the entity's own
//     properties) and go to `simple` or, when they are compound themselves
//     (nested block references, polylines of a block ...), to `compound`,
//     for the caller to explode again. A block reference gives the entities
//     of its block, carried by its transform, without the attribute
//     definitions; its attributes are left out. A region gives lines and
//     arcs. With eraseSource the exploded entity is erased.
//   - a polyline (lightweight, 2D, 3D) counts as compound when
//     explodePlines is set (it gives its lines and arcs), otherwise as
//     simple;
//   - a simple entity goes to `simple` as it is (it is not moved);
//   - null, erased and unreadable ids are passed over.
// `simple` and `compound` are appended to. Returns 1 when anything was
// exploded, else 0.
int Explode(const AcDbObjectIdArray& ids, AcDbObjectIdArray& simple, AcDbObjectIdArray& compound,
            const AcDbObjectId& layerId, int explodePlines, int eraseSource);

// Explodes one entity (block reference, region, polyline, or anything else
// that explodes) into its parts, added to the same block with their own
// properties; the entity stays. `parts` is appended to. Returns the number of
// parts made.
int Explode(const AcDbObjectId& id, AcDbObjectIdArray& parts);
// The same for every id of a list.
int Explode(const AcDbObjectIdArray& ids, AcDbObjectIdArray& parts);

}  // namespace ent
}  // namespace vesk
