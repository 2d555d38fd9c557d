#include "arx/db/AcDb.h"

bool AcDb::isValidLineWeight(int weight) {
  static const int kWeights[] = {0,  5,  9,  13, 15,  18,  20,  25,  30,  35,  40,  50,  53,  60,
                                 70, 80, 90, 100, 106, 120, 140, 158, 200, 211, -1, -2, -3};
  for (int w : kWeights)
    if (w == weight) return true;
  return false;
}
