#pragma once
// The three state flags of a drawing layer: off, frozen and locked.
// FSetLayerState(name, false, false, false) makes a layer usable: on, thawed
// and unlocked.
//
// Works on the database given, or on the working database when none is given.
// Results: 1 for success, 0 for failure; no call throws.

class AcDbDatabase;

namespace vesk {
namespace cad {

// Gives the layer of that name (case ignored) the three flags. A layer that
// already has them is not opened for write. Freezing the current layer is
// refused by the drawing: the other two flags are still set, and the result
// is 0. 0 as well for a missing layer.
int FSetLayerState(const wchar_t* layerName, bool off, bool frozen, bool locked, AcDbDatabase* db = nullptr);

}  // namespace cad
}  // namespace vesk
