#pragma once
// What few objects carry, kept out of line so that a plain entity stays small:
// extended data, reactors and the extension dictionary.
#include <string>
#include <utility>
#include <vector>

#include "arx/base/Resbuf.h"
#include "arx/db/AcDbObjectId.h"

class AcDbObjectReactor;

namespace vhost {

struct ObjectExtras {
  resbuf* xdata = nullptr;  // 1001 application, its items, 1001 next application ...
  std::vector<AcDbObjectId> persistentReactors;
  std::vector<AcDbObjectReactor*> transientReactors;
  AcDbObjectId extensionDictionary;
  AcArray<void*> reactorView;  // what AcDbObject::reactors() hands out
  // DXF groups the object's classes do not model, by subclass marker.
  std::vector<std::pair<std::wstring, resbuf*>> dxfKept;

  ObjectExtras() = default;
  ObjectExtras(const ObjectExtras&) = delete;
  ObjectExtras& operator=(const ObjectExtras&) = delete;
  ~ObjectExtras() {
    acutRelRb(xdata);
    for (auto& kept : dxfKept) acutRelRb(kept.second);
  }
};

// The size extended data counts against the per-object limit: two bytes for
// each group code plus the value (strings in UTF-8 bytes plus a length word,
// binary chunks their length plus one, handles eight bytes, points 24, reals
// eight, 1070 two and 1071 four bytes; an application name two bytes for its
// table index).
int xdataSize(const resbuf* chain);

}  // namespace vhost
