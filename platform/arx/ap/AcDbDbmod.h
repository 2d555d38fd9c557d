#pragma once
// The drawing's modified flag (the DBMOD system variable). Any change of an
// object marks the database modified; saving clears the flag.
#include "arx/base/AdeskTypes.h"

class AcDbDatabase;

// Sets the database's DBMOD value and returns the value it had before
// (-1 when db is null). acdbSetDbmod(db, 0) makes the drawing count as
// unmodified.
Adesk::Int16 acdbSetDbmod(AcDbDatabase* db, Adesk::Int16 newValue);

namespace vhost {
// DBMOD as the host reports it: 0 when the drawing is unchanged since it was
// opened or saved (or since DBMOD was cleared), otherwise 1 ("the drawing
// was modified"; the database keeps no finer record of what changed).
Adesk::Int16 dbmod(const AcDbDatabase* db);
}  // namespace vhost
