#pragma once
// Extended data sections that stand for fields of an object. Some records
// show part of their data as the extended data of an application, as the
// host does: a text style's TrueType typeface under "ACAD", a layer's
// description under "AcAecLayerStandard". Their xData() adds the section
// made from the fields, and their setXData() takes such a section into the
// fields, so that the data travels through drawing files as ordinary
// extended data. These helpers cut a section out of a chain and put one in.
#include "arx/base/Resbuf.h"

namespace vhost {

// A copy of the chain without the section of the application (case
// ignored). The section's items (the groups after its 1001 group) come back
// as a copy in `items` (null when the section is absent or empty);
// `present` tells whether the application appeared.
resbuf* xdataSplit(const resbuf* chain, const ACHAR* app, resbuf*& items, bool& present);

// A chain made of "1001 app", the items, then the rest; takes ownership of
// items and rest. Null items give the rest unchanged.
resbuf* xdataJoin(const ACHAR* app, resbuf* items, resbuf* rest);

// Whether two application names are the same (case ignored).
bool xdataSameApp(const ACHAR* a, const ACHAR* b);

// The last node of a chain (null for null).
resbuf* rbTail(resbuf* chain);

}  // namespace vhost
