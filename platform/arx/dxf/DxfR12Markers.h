#pragma once
// Files of release AC1009 and older carry no subclass markers. Before such an
// object's groups reach its class, the standard markers are put where the
// current releases have them, so that classes read one layout only.
#include <string>
#include <vector>

#include "arx/dxf/DxfInFiler.h"

namespace vhost {

// Rewrites the groups of an entity, table record or table header of that DXF
// name (for POLYLINE and VERTEX, is3d says which kind) in place. Objects that
// already have markers are left as they are; an entity of a type without
// standard markers gets the common AcDbEntity one.
void dxfInsertR12Markers(const std::wstring& dxfName, bool is3d, std::vector<DxfInGroup>& groups,
                         bool entity = true);

}  // namespace vhost
