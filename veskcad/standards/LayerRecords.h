#pragma once
// The layer records of the standards tables besides vesk::LAYERPARAM:
//
// STLAYERPARAM      the classic row: the layer part, then the item, its remark,
//                   its sort key and whether the layer is to be created.
// LAYERPARAM2013EX  the row of the 2013 tables: the layer part, then the row
//                   key, the system/user type, the codes, the colour as stored
//                   ("(r,g,b)" or the index as text), linetype scale, line
//                   width, text settings, entity type, command and six spare
//                   texts. SetFlag "SetLP_NoSetItemCode" makes an update keep
//                   the stored ItemCode, ItemApp and Item.
//
// Both begin with every field of vesk::LAYERPARAM (they derive from it), so a
// record can be handed wherever a LAYERPARAM is expected.
#include "mfc/CString.h"
#include "veskbase/LayerParam.h"

namespace VeskDB {

// The value of LAYERPARAM2013EX::SetFlag that keeps a row's codes on update.
inline const wchar_t* const kSetFlagKeepItemCode = L"SetLP_NoSetItemCode";

struct STLAYERPARAM : public vesk::LAYERPARAM {
  CString Item;
  CString remark;
  CString GpOrder;
  int CreateLayer = 0;
};

struct LAYERPARAM2013EX : public vesk::LAYERPARAM {
  int LayerID = 0;  // 0 = not yet stored
  CString LayerType;  // "S"/"SR" system, "U"/"UR" user; empty counts as system
  CString ItemCode;   // user rows: the system codes they replace, separated by ';'
  CString ItemApp;
  CString Item;
  CString remark;
  CString GpOrder;
  CString ColorText;  // "(r,g,b)" or the colour index as decimal text
  double LineTypeScale = 1.0;
  double LineWidth = 0.0;
  CString TextType = L"Standard";
  double TextTypeScale = 0.75;
  double TextHeight = 0.0;
  CString EntType;
  CString ActionCmd;
  int CreateLayer = 0;
  CString Expand1;
  CString Expand2;
  CString Expand3;
  CString Expand4;
  CString Expand5;
  CString Expand6;
  CString SetFlag;
};

}  // namespace VeskDB
