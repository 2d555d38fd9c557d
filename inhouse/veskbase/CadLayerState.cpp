#include "veskbase/CadLayerState.h"

#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbLayerTable.h"
#include "veskbase/EntLayer.h"

namespace vesk {
namespace cad {

int FSetLayerState(const wchar_t* layerName, bool off, bool frozen, bool locked, AcDbDatabase* db) {
  AcDbObjectId id;
  if (!ent::GetLayer(layerName, id, db)) return 0;
  try {
    AcDbLayerTableRecord* rec = nullptr;
    if (acdbOpenObject(rec, id, AcDb::kForRead) != Acad::eOk) return 0;
    if (rec->isOff() == off && rec->isFrozen() == frozen && rec->isLocked() == locked) {
      rec->close();
      return 1;
    }
    if (rec->upgradeOpen() != Acad::eOk) {
      rec->close();
      return 0;
    }
    int ok = 1;
    if (rec->isOff() != off && rec->setIsOff(off) != Acad::eOk) ok = 0;
    if (rec->isLocked() != locked && rec->setIsLocked(locked) != Acad::eOk) ok = 0;
    if (rec->isFrozen() != frozen && rec->setIsFrozen(frozen) != Acad::eOk) ok = 0;
    rec->close();
    return ok;
  } catch (const Acad::ErrorStatus&) {
    return 0;
  }
}

}  // namespace cad
}  // namespace vesk
