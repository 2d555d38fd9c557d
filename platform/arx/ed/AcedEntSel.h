#pragma once
// Picking one entity: acedEntSel, acedNEntSelP, and walking the entities of
// the working database in creation order (acdbEntLast, acdbEntNext).
//
// A pick answer is a point ("10,20": the entity of the current space nearest
// to it within the pick box, PICKBOX pixels at the view's scale; curves by
// their true distance, other entities by the distance to their extents box;
// of several at the same distance the one made last), or a handle ("#1F": the
// entity with that handle in the working database, in any space). As in the
// host, a pick that hits nothing returns RTERROR with ERRNO 7 (callers loop on
// it when they want to ask again); Enter returns RTERROR with ERRNO 52;
// Escape RTCAN; text that is neither a point, a handle nor a keyword prints
// "\nInvalid selection." and asks again.
//
// Keywords set with acedInitGet are accepted at the pick prompt (RTKWORD).
#include "arx/base/AdsTypes.h"
#include "arx/base/AdeskTypes.h"
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint3d.h"

// prompt null: "\nSelect object: ". ptres receives the pick point (for a
// handle answer: a curve's start point, or the centre of the extents).
int acedEntSel(const ACHAR* prompt, ads_name entres, ads_point ptres);

// As acedEntSel, and when the pick falls on an entity inside a block
// reference, the innermost such entity is returned with the transformation
// from its block to the world in xformres and the chain of containing
// references (innermost first) as an RTENAME list in refstkres (for the caller
// to free; null for a top-level entity). pickflag non-zero: pt is the pick
// point and no prompt is asked.
int acedNEntSelP(const ACHAR* prompt, ads_name entres, ads_point ptres, int pickflag, ads_matrix xformres,
                 struct resbuf** refstkres);

// The last entity of the working database's layouts that is not erased (any
// space, as the host's entlast). RTERROR when there is none.
int acdbEntLast(ads_name result);
// The entity made after ent (ent null or zero: the first), skipping erased
// ones and entities inside block definitions. RTERROR at the end.
int acdbEntNext(const ads_name ent, ads_name result);
// Deletes (erases) an entity, or brings it back when it is erased.
int acdbEntDel(const ads_name ent);

namespace vhost {
// The entity of the current space nearest to pt within tolerance (drawing
// units); null when none. Used by picks, acedSSGet(null, pt) and the tests.
AcDbObjectId pickEntityAt(AcDbDatabase* db, const AcGePoint3d& pt, double tolerance);
// The pick box half size in drawing units (PICKBOX at the current view).
double pickTolerance(AcDbDatabase* db);
}  // namespace vhost
