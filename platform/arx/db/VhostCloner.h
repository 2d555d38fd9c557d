#pragma once
// Cloning of objects within a database and into another one. Objects are
// copied by filing them out and in; what they own is cloned along, and when
// the destination is another database, what they point to hard (layers,
// linetypes, styles, blocks) is cloned too unless the destination has a
// symbol of the same name. Afterwards every id in the clones is translated
// through the id map.
#include "arx/db/AcDbIdMapping.h"
#include "arx/db/AcDbObject.h"

namespace vhost {

class Cloner {
 public:
  Cloner(AcDbIdMapping& map, bool acrossDatabases) : mMap(map), mAcross(acrossDatabases) {}
  // Clones the objects into the owner; translation can be left to a later
  // translate() call when deferred.
  Acad::ErrorStatus run(const AcDbObjectIdArray& ids, AcDbObjectId owner, bool deferTranslation);
  // Translates the ids held by every clone of the map.
  Acad::ErrorStatus translate();

  // Clones one object into owner; returns its clone's id (null on failure).
  AcDbObjectId cloneObject(AcDbObjectId source, AcDbObjectId owner, bool primary);

 private:
  AcDbObjectId mapped(AcDbObjectId id) const;
  // For a pointer to a symbol or a named object in another database: the
  // matching one of the destination, cloned when missing.
  AcDbObjectId resolveReference(AcDbObjectId source);
  AcDbObjectId destinationContainer(AcDbObjectId sourceContainer);

  AcDbIdMapping& mMap;
  bool mAcross;
  AcDbDatabase* mDest = nullptr;
};

}  // namespace vhost
