#include "veskcad/standards/HatchColor.h"

#include "arx/db/AcDbLayerTable.h"
#include "arx/entities/AcDbHatch.h"
#include "veskbase/PrintErrorMsg.h"

namespace VeskCad {

namespace {

void collectHatches(AcDbObjectId boundary, AcDbObjectIdArray& hatches) {
  AcDbObject* obj = nullptr;
  if (acdbOpenObject(obj, boundary, AcDb::kForRead) != Acad::eOk) return;
  const AcDbObjectIdArray reactors = obj->getPersistentReactors();
  obj->close();
  for (int i = 0; i < reactors.length(); ++i) {
    AcDbHatch* hatch = nullptr;
    if (acdbOpenObject(hatch, reactors[i], AcDb::kForRead) != Acad::eOk) continue;
    hatch->close();
    hatches.append(reactors[i]);
  }
}

}  // namespace

int GetHatch(AcDbObjectId boundary, AcDbObjectId& hatch) {
  try {
    AcDbObjectIdArray found;
    collectHatches(boundary, found);
    if (found.isEmpty()) return 0;
    hatch = found.last();
    return hatch.isValid() ? 1 : 0;
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, L"VeskCad::GetHatch");
    return 0;
  }
}

int GetHatch(AcDbObjectId boundary, AcDbObjectIdArray& hatches) {
  try {
    const int before = hatches.length();
    collectHatches(boundary, hatches);
    return hatches.length() > before ? 1 : 0;
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, L"VeskCad::GetHatch");
    return 0;
  }
}

int GetEntHatchColor(AcDbObjectId entity) {
  try {
    AcDbObjectId source = entity;
    AcDbObjectId hatch;
    if (GetHatch(entity, hatch)) source = hatch;
    AcDbEntity* ent = nullptr;
    if (acdbOpenObject(ent, source, AcDb::kForRead) != Acad::eOk) return 7;
    int color = ent->colorIndex();
    const AcDbObjectId layerId = ent->layerId();
    ent->close();
    if (color == 256) {
      AcDbLayerTableRecord* layer = nullptr;
      if (acdbOpenObject(layer, layerId, AcDb::kForRead) != Acad::eOk) return 7;
      color = layer->color().colorIndex();
      layer->close();
    }
    return color;
  } catch (Acad::ErrorStatus es) {
    vesk::PrintErrorMsg(es, L"VeskCad::GetEntHatchColor");
    return 7;
  }
}

}  // namespace VeskCad
