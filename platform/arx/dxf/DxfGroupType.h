#pragma once
// The value kind of a DXF group code, looked up in a table (the reader and
// writer ask for it for every group).
#include "arx/base/RbValueType.h"

namespace vhost {

RbValueType dxfGroupType(int code);

}  // namespace vhost
