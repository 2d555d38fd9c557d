#pragma once
// Selection sets and the host's object selection: acedSSGet and the
// selection-set functions.
//
// A selection set is named by an ads_name; it holds entity ids in the order
// they were added, each once. Sets stay alive until acedSSFree (the host's
// limit of 128 open sets is not imposed here; vhost::openSelectionSetCount
// tells leaks apart in tests).
//
// acedSSGet(str, pt1, pt2, filter, ss) selects from the working database:
//   str null or ""  user selection: the "Select objects: " prompt is asked
//                   round after round, each answer adding to (or, after
//                   "r"/"remove", taking from) the set, until Enter; the answers
//                   are listed in SCRIPT_SYNTAX.md. With pt1 given and str null:
//                   the entity at that point (as a pick).
//   "X"             every entity of every layout (model space and the paper
//                   spaces), not only the current one.
//   "W", "C"        window / crossing between the points pt1 and pt2
//                   (ads_point), in the current space.
//   "WP", "CP"      window / crossing polygon: pt1 is a resbuf chain of
//                   RTPOINT/RT3DPOINT nodes (at least 3 points).
//   "F"             fence: pt1 is a resbuf chain of points (at least 2).
//   "P"             the previous selection (the last user selection).
//   "L"             the last entity made in the current space.
//   "I"             the pickfirst set (acedSSSetFirst); RTERROR when empty.
//   ":S"            user selection, one round only; ":S:E" likewise.
//   "_" in front of any mode is accepted ("_X", "_W").
// The filter (null: none) applies to every mode. Results: RTNORM with a new
// set holding at least one entity; RTERROR when nothing was selected, the mode
// is unknown, the points are missing or the filter is malformed (ERRNO tells
// which); RTCAN when a user selection got Escape.
//
// User selections (null/"", ":S") become the previous selection of the
// database; "X", "W" and the other programmatic modes do not.
//
// Window means the whole entity lies inside; crossing also takes entities that
// cross the boundary. Curves are tested on their true geometry; other entities
// (texts, block references, hatches ...) on their extents box.
#include "arx/base/AdsTypes.h"
#include "arx/base/AdeskTypes.h"
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbObjectId.h"

int acedSSGet(const ACHAR* str, const void* pt1, const void* pt2, const struct resbuf* filter, ads_name ss);
int acedSSFree(const ads_name sname);
int acedSSLength(const ads_name sname, Adesk::Int32* len);
// RTERROR when i is out of range.
int acedSSName(const ads_name ss, Adesk::Int32 i, ads_name entres);
// ename null, ss null: a new empty set in result. ename given, ss null: a new
// set holding the entity. Both given: the entity is added to ss (once) and
// result names ss. RTERROR for a name that is no entity or no set.
int acedSSAdd(const ads_name ename, const ads_name ss, ads_name result);
// RTERROR when the entity is not in the set.
int acedSSDel(const ads_name ename, const ads_name ss);
// RTNORM when the entity is in the set, RTERROR otherwise.
int acedSSMemb(const ads_name ename, const ads_name ss);
// The pickfirst set: acedSSSetFirst copies the set (null clears it);
// acedSSGetFirst gives a new RTPICKS resbuf with a new set holding it (null
// when empty) in *pset, and null in *gset (there are no grips here).
int acedSSSetFirst(const ads_name pset, const ads_name unused);
int acedSSGetFirst(struct resbuf** gset, struct resbuf** pset);

namespace vhost {

// Selection sets as id arrays (for the platform and the in-house libraries).
// ssToIds: false when the name is no open set.
bool ssToIds(const ads_name ss, AcDbObjectIdArray& ids);
// A new set holding the ids (null and duplicate ids skipped).
void idsToSs(const AcDbObjectIdArray& ids, ads_name ss);
// True when the name is an open selection set (as opposed to an entity name).
bool isSelectionSetName(const ads_name name);
int openSelectionSetCount();

// The previous selection of a database (the last user selection in it).
AcDbObjectIdArray previousSelection(AcDbDatabase* db);
void setPreviousSelection(AcDbDatabase* db, const AcDbObjectIdArray& ids);

}  // namespace vhost
