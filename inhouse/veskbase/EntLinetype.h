#pragma once
// Linetypes of a drawing: finding one by name and loading a standard one the
// drawing lacks.
//
// The platform ships no linetype definition file, so the standard linetypes
// are defined here with their customary dash patterns (in drawing units, a
// positive length a dash, a negative one a gap, 0 a dot): CONTINUOUS, BORDER,
// CENTER, DASHDOT, DASHED, DIVIDE, DOT, HIDDEN, PHANTOM and the half-size "2"
// and double-size "X2" forms of each patterned one (BORDER2, BORDERX2 ...).
//
// Works on the database given, or on the working database when none is given.
// Results: 1 for success, 0 for failure; no call throws.
#include "arx/db/AcDbObjectId.h"

class AcDbDatabase;

namespace vesk {
namespace ent {

// The id of the drawing's linetype of that name (case ignored); 0 when the
// drawing has none.
int GetLineType(const wchar_t* name, AcDbObjectId& id, AcDbDatabase* db = nullptr);

// The id of the linetype of that name, loaded from the standard definitions
// when the drawing lacks it. 0 for a name that is neither in the drawing nor
// a standard linetype, and when the drawing refuses the new record.
int LoadLineType(const wchar_t* name, AcDbObjectId& id, AcDbDatabase* db = nullptr);

// Whether the name (case ignored) is one of the standard linetypes above.
bool IsStandardLineType(const wchar_t* name);

}  // namespace ent
}  // namespace vesk
