#include "arx/ap/AcDbDbmod.h"

#include "arx/db/AcDbDatabase.h"

namespace vhost {

Adesk::Int16 dbmod(const AcDbDatabase* db) {
  if (db == nullptr) return 0;
  return db->dbmod() == 0 ? 0 : 1;
}

}  // namespace vhost

Adesk::Int16 acdbSetDbmod(AcDbDatabase* db, Adesk::Int16 newValue) {
  if (db == nullptr) return -1;
  Adesk::Int16 old = vhost::dbmod(db);
  db->setDbmod(newValue);
  return old;
}
