#pragma once
// Everyday entity operations: adding to the drawing, erasing, copying,
// colouring, class names, id lists, extents and selection sets.
//
// Results: 1 (or a count) for success, 0 for failure; look-ups give empty
// texts on failure; no call throws.
#include "arx/base/AcArray.h"
#include "arx/base/AdsTypes.h"
#include "arx/db/AcDbObjectId.h"
#include "arx/ge/AcGePoint3d.h"
#include "mfc/CString.h"

class AcDbEntity;
class AcDbDatabase;

namespace vesk {
namespace ent {

// Appends a new entity (in no database yet) to a block table record: the
// current space of the working database when blockId is null, otherwise that
// record. An entity without a layer gets the database's defaults (current
// layer, colour, linetype ...) first. On success the entity is closed, owned
// by the database, and id receives its id. AddToDb takes ownership of a new
// entity in every case: on failure it is deleted and id is null. An entity
// that is already in a database is refused (0) and left alone.
int AddToDb(AcDbEntity* ent, AcDbObjectId& id, const AcDbObjectId& blockId = AcDbObjectId::kNull);

// Erases an entity (or any database object). 1 when it is erased afterwards
// (one already erased counts); 0 for a null id or an object that refuses.
int Erase(const AcDbObjectId& id);
// Erases every id of the list; returns how many are erased afterwards.
int Erase(const AcDbObjectIdArray& ids);

// A copy of an entity in the same owner block (deep clone: what the entity
// owns, such as polyline vertices or attributes, is copied with it).
int Copy(const AcDbObjectId& id, AcDbObjectId& copyId);

// Sets an entity's colour in the standards encoding: 0 to 256 is a colour
// index (0 ByBlock, 256 ByLayer); a negative value is a true colour
// -(r * 65536 + g * 256 + b). Fails for values above 256 or below -0xFFFFFF.
int ChangeColor(const AcDbObjectId& id, int color);

// The run-time class name of the object behind an id ("AcDbPolyline",
// "AcDb3dPolyline", "AcDbRegion" ...); empty for a null or erased id.
CString GetObjClassName(const AcDbObjectId& id);

// Takes out of `ids` every id that occurs in `remove` (the order of the rest
// is kept). Returns how many entries were taken out.
int FRemoveRepeatId(AcDbObjectIdArray& ids, const AcDbObjectIdArray& remove);
// Takes out of `ids` every repetition of an id met earlier in the list.
// Returns how many entries were taken out.
int FRemoveRepeatId(AcDbObjectIdArray& ids);

// 1 when the id is not null, its database is open and the object is not erased.
int FIsValidId(const AcDbObjectId& id);

// The world extents of an entity (its geometric extents: the lower-left and
// upper-right corners). Fails for non-entities, bad ids and entities without
// extents.
int GetEntRect(const AcDbObjectId& id, AcGePoint3d& minPt, AcGePoint3d& maxPt);
// The common extents of several entities; entities without extents are
// passed over; fails when none of them has extents.
int GetEntRect(const AcDbObjectIdArray& ids, AcGePoint3d& minPt, AcGePoint3d& maxPt);
// The common extents of the entities of a selection set.
int GetSSRect(const ads_name ss, AcGePoint3d& minPt, AcGePoint3d& maxPt);

// A new selection set holding the ids (null, erased and repeated ids
// skipped); the caller frees it with acedSSFree. Fails, with no set made,
// when no id is left.
int IdsToSS(const AcDbObjectIdArray& ids, ads_name ss);

}  // namespace ent
}  // namespace vesk
