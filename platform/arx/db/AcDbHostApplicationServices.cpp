#include "arx/db/AcDbHostApplicationServices.h"

AcDbHostApplicationServices* acdbHostApplicationServices() {
  static AcDbHostApplicationServices services;
  return &services;
}

void vhostForgetWorkingDatabase(AcDbDatabase* db) {
  if (acdbHostApplicationServices()->workingDatabase() == db) acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}
