#pragma once
// Runs one layer-table operation so that nothing escapes it: an exception of
// the database layer, of the string formatting or of the arrays (MFC throws
// them as pointers) turns into the result 0, as the operations promise.
#include "mfc/CException.h"

namespace VeskDB {

template <class Operation>
int GuardLayerOp(Operation&& operation) noexcept {
  try {
    return operation();
  } catch (CException* e) {
    if (e != nullptr) e->Delete();
  } catch (...) {
  }
  return 0;
}

}  // namespace VeskDB
