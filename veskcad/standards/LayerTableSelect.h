#pragma once
// Which layer table a layer operation works on, and the SQL condition that
// selects the rows of a group mask.
//
// Single-database mode keeps every layer row in "图层" of the standards
// database. The separate layer database has one table per kind of plan,
// chosen by the design type:
//   0, 4, 6, 8, 9, 10, 15          "控规图层"
//   1, 5, 16                       "详规图层"
//   2, 3, 7, 11                    "总图图层"
//   12, 13, 14, negative, above 16 "公共图层" (also the shared table the
//                                   classic look-ups consult first)
#include "mfc/CString.h"

namespace VeskDB {

// The layer table of single-database mode.
inline const wchar_t* const kLayerTable = L"图层";
// The shared table of the layer database.
inline const wchar_t* const kPublicLayerTable = L"公共图层";

// The layer-database table of a design type.
CString LayerTableOfDesignType(int designType);

// The four tables of the layer database, each with one design type that
// selects it: {0 控规图层, 1 详规图层, 2 总图图层, 12 公共图层}.
struct LayerDbTable {
  int designType;
  const wchar_t* table;
};
const LayerDbTable* LayerDatabaseTables(int& count);

// The condition "OwnerGroup AND mask is not 0" written with Access
// arithmetic only: over the bits i = 0..15 the sum of
//   (int(OwnerGroup/2^ i)-2*int(OwnerGroup/2^(i+1)))*(int(mask/2^ i)-2*int(mask/2^(i+1)))
// joined by "+", followed by "<>0". Exponents take two characters (" 9",
// "10"). Bits above 15 are not looked at; a mask of 0 selects nothing.
CString GroupMaskPredicate(int mask);

}  // namespace VeskDB
