#pragma once
// Filing of group-code data (result-buffer chains) through a binary filer,
// with ids filed by the kind their group code gives them, so that copies and
// clones translate them.
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbDwgFiler.h"

namespace vhost {

// The id kind of an object-id group code: 330-339 soft pointer, 340-349 hard
// pointer, 350-359 soft ownership, 360-369 hard ownership, 390-399 and 480-481
// hard pointer (as the host files them); -1 when the code holds no id.
enum class GroupIdKind { kNone, kSoftPointer, kHardPointer, kSoftOwnership, kHardOwnership };
GroupIdKind groupIdKind(int code);

Acad::ErrorStatus writeGroups(AcDbDwgFiler* filer, const resbuf* chain);
// Reads what writeGroups wrote; on failure nothing is returned.
Acad::ErrorStatus readGroups(AcDbDwgFiler* filer, resbuf*& chain);

}  // namespace vhost
