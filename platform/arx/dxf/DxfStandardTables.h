#pragma once
// The tables the database does not model (VPORT, VIEW, UCS) as a drawing
// made here has them: the groups of an empty table header and of the active
// viewport "*ACTIVE", after the common object groups. The writer uses them
// for drawings that have no such tables; the reader completes drawings that
// lack them, so that both agree.
#include "arx/base/Resbuf.h"

class AcDbDatabase;

namespace vhost {

// "100 AcDbSymbolTable", "70 <count>".
resbuf* dxfTableHeaderGroups(int count);
// The groups of the VPORT record "*ACTIVE" showing the drawing's extents.
resbuf* dxfActiveViewportGroups(const AcDbDatabase* db);

}  // namespace vhost
