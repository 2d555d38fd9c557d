// Standards commands of the group "VKPLAN", built on the module's exported
// standards API:
//   VKDESIGNTYPE  chooses the kind of plan the drawing is (0 regulatory,
//                 1 detailed, 2 site plan, 12 public layers), which selects the
//                 layer table the items are read from;
//   VKSTDLAYER    resolves a standard item, given by name or code, to its
//                 layer: the binding in the drawing when there is one, else
//                 the standards row; the layer is created when missing and
//                 made current;
//   VKSTDLIST     lists the standard items of a group mask (-1 all) with
//                 their layers.
// The module owns the shared standards database object but never opens it:
// this module does, on first use, with the shipped standards database and,
// when present beside it, the layer database "规划图层.mdb".
#include <cwchar>

#include "VkPlanCommands.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbHostApplicationServices.h"
#include "arx/ed/AcEdCommandStack.h"
#include "arx/ed/AcedInput.h"
#include "arx/ed/AcutPrintf.h"
#include "mfc/CArray.h"
#include "veskbase/EntLayer.h"
#include "veskcad/standards/CCustomDatabase.h"
#include "veskcad/standards/ColorConvert.h"
#include "veskcad/standards/LayerApplication.h"
#include "veskfile/VeskFile.h"

namespace vkplan {
namespace {

int gDesignType = 2;  // a site plan unless told otherwise

// The shared standards database, opened for the current design type.
VeskDB::CCustomDatabase* standards() {
  VeskDB::CCustomDatabase* db = VeskDB::gpGetCustomDatabase();
  if (db == nullptr) {
    acutPrintf(L"\n标准数据库对象不存在(VKCAD模块未加载)。");
    return nullptr;
  }
  if (db->IsOpen() && db->GetDesignType() == gDesignType) return db;
  db->SetDesignType(gDesignType);
  const CString folder = veskfile::FGetCADCommonFilePath();
  if (!veskfile::FileExist(folder + L"default.mdb")) {
    acutPrintf(L"\n找不到标准数据库%sdefault.mdb，只使用图中已有的标准图层。", static_cast<const wchar_t*>(folder));
    return nullptr;
  }
  const CString layers = folder + L"规划图层.mdb";
  int ok = veskfile::FileExist(layers) ? db->SetDefaultDB(folder + L"default.mdb", layers)
                                       : db->SetDefaultDB(folder + L"default.mdb");
  return ok ? db : nullptr;
}

const wchar_t* designTypeName(int type) {
  switch (type) {
    case 0: return L"控制性详细规划";
    case 1: return L"修建性详细规划";
    case 2: return L"总平面图";
    case 12: return L"公共图层";
    default: return L"其他";
  }
}

void chooseDesignType() {
  int type = gDesignType;
  acedInitGet(RSG_NONEG, L"0 1 2 12");
  CString prompt;
  prompt.Format(L"\n规划类型[控规(0)/详规(1)/总图(2)/公共(12)]<%d>:", gDesignType);
  ACHAR word[16] = L"";
  int rc = acedGetKword(prompt, word, 16);
  if (rc == RTCAN) return;
  if (rc == RTNORM) type = static_cast<int>(std::wcstol(word, nullptr, 10));
  gDesignType = type;
  acutPrintf(L"\n规划类型: %d %s", gDesignType, designTypeName(gDesignType));
}

void resolveItem() {
  ACHAR text[256] = L"";
  if (acedGetString(1, L"\n标准项名称或编码:", text, 256) != RTNORM || text[0] == L'\0') return;
  VeskDB::CCustomDatabase* db = standards();
  VeskDB::LAYERPARAM2013EX rec;
  // Resolve without adding rows to the standards for unknown items.
  if (!VeskDB::gpGetLayerParam(CString(text), rec, 0, 1, 0, db)) {
    acutPrintf(L"\n标准项\"%s\"没有对应的图层。", text);
    return;
  }
  AcDbDatabase* drawing = acdbHostApplicationServices()->workingDatabase();
  AcDbObjectId layer;
  if (vesk::ent::GetLayer(rec.LayerName, layer, drawing)) drawing->setClayer(layer);
  // True colours as "(r,g,b)", whether they came from the drawing or a row.
  CString color;
  if (rec.Color < 0)
    color = VeskDB::GetFormatRGBByColor(rec.Color);
  else if (rec.ColorText.Find(L'(') == 0)
    color = rec.ColorText;
  else
    color.Format(L"%d", rec.Color);
  acutPrintf(L"\n标准项\"%s\" -> 图层\"%s\" 颜色%s 线型%s 线宽%d，已置为当前图层。", text, rec.LayerName,
             static_cast<const wchar_t*>(color), rec.LineType, rec.Weight);
}

void listItems() {
  int mask = -1;
  int rc = acedGetInt(L"\n图层组掩码(-1为全部)<-1>:", &mask);
  if (rc == RTCAN) return;
  if (rc != RTNORM) mask = -1;
  VeskDB::CCustomDatabase* db = standards();
  if (db == nullptr) return;
  CArray<VeskDB::LAYERPARAM2013EX> rows;
  if (!db->GetAllLayerCustomParam(mask, -1, rows)) {
    acutPrintf(L"\n读取标准图层失败。");
    return;
  }
  for (int i = 0; i < rows.GetSize(); ++i) {
    const VeskDB::LAYERPARAM2013EX& r = rows[i];
    acutPrintf(L"\n%-12s %-24s %s", static_cast<const wchar_t*>(r.ItemCode), static_cast<const wchar_t*>(r.Item),
               r.LayerName);
  }
  acutPrintf(L"\n共%d个标准项(%s，掩码%d)。", static_cast<int>(rows.GetSize()), designTypeName(gDesignType), mask);
}

}  // namespace

void RegisterStandardCommands() {
  acedRegCmds->addCommand(kGroup, L"VKDESIGNTYPE", L"VKDESIGNTYPE", ACRX_CMD_MODAL, chooseDesignType);
  acedRegCmds->addCommand(kGroup, L"VKSTDLAYER", L"VKSTDLAYER", ACRX_CMD_MODAL, resolveItem);
  acedRegCmds->addCommand(kGroup, L"VKSTDLIST", L"VKSTDLIST", ACRX_CMD_MODAL, listItems);
}

}  // namespace vkplan
