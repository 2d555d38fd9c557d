#pragma once
// Entity data as a result-buffer list: acdbEntGet and acdbEntGetX.
//
// The list holds the object's DXF groups as the host gives them:
//   (-1 . entity name) (0 . DXF class name) (330 . owner) (5 . handle)
// then the groups its dxfOutFields writes (subclass markers included; object
// ids as entity names). When reactor or extension-dictionary groups (102)
// follow the handle, the owner keeps its place after them, as in a drawing
// file. The type group has restype 0.
//
// acdbEntGetX appends the extended data of the applications whose names match
// one of the strings of apps (wildcards of acutWcMatch, case ignored; "*" is
// every application): a -3 node, then for each application its 1001 group and
// items, in the order the object holds them. No -3 node is added when no
// application matches.
//
// Null for a null or stale name, an erased object, or an object that cannot be
// opened or filed. The caller frees the list with acutRelRb.
#include <vector>

#include "arx/base/AdsTypes.h"
#include "arx/base/Resbuf.h"

struct resbuf* acdbEntGet(const ads_name ent);
struct resbuf* acdbEntGetX(const ads_name ent, const struct resbuf* apps);

namespace vhost {
// acdbEntGetX that also tells, node by node, which point groups were filed as
// 2D points (the LISP form shows them with two coordinates). twoD may be null.
resbuf* entGetGroups(const ads_name ent, const resbuf* apps, std::vector<bool>* twoD);
}  // namespace vhost
