// Geometry commands of the group "VKPLAN":
//   VKCONTOUR  finds the closed contours of a selection (Enter: the whole
//              drawing) and draws them as closed polylines on the layer
//              "轮廓" (created when missing), printing how many were found
//              and the area they cover;
//   VKCLEANPL  removes repeated and collinear vertices of selected polylines
//              (angle tolerance in degrees, optional distance limit).
#include <cwchar>

#include "VkPlanCommands.h"
#include "arx/base/Resbuf.h"
#include "arx/db/AcDbEntity.h"
#include "arx/db/AcDbObjectPointer.h"
#include "arx/ed/AcEdCommandStack.h"
#include "arx/ed/AcedInput.h"
#include "arx/ed/AcutPrintf.h"
#include "arx/ge/BulgePiece.h"
#include "veskbase/EntCurve.h"
#include "veskbase/EntLayer.h"
#include "veskcad/geometry/CDelMidPts.h"
#include "veskcad/geometry/CFSearchAllCloseCurve.h"

namespace vkplan {
namespace {

const wchar_t* const kContourLayer = L"轮廓";

// The vertex count of a polyline, 0 for anything else.
int vertexCount(const AcDbObjectId& id) {
  AcGePoint3dArray pts;
  AcGeDoubleArray blgs;
  return VeskCad::CDelMidPts::fnGetPlineVect(id, pts, blgs) ? pts.length() : 0;
}

void findContours() {
  AcDbObjectIdArray ids;
  if (!SelectOrAll(L"\n选择要搜索封闭轮廓的实体<全部>:", nullptr, ids)) return;
  if (ids.isEmpty()) {
    acutPrintf(L"\n没有可搜索的实体。");
    return;
  }
  AcDbObjectIdArray contours;
  CFSearchAllCloseCurve::Stats stats;
  {
    CFSearchAllCloseCurve search;
    search.Search(ids, contours);
    stats = search.GetStats();
  }
  AcDbObjectId layer;
  vesk::ent::CreateLayer(kContourLayer, 6, layer);
  double faces = 0.0;
  for (int i = 0; i < contours.length(); ++i) {
    {
      AcDbObjectPointer<AcDbEntity> ent(contours[i], AcDb::kForWrite);
      if (ent.openStatus() == Acad::eOk) ent->setLayer(kContourLayer);
    }
    // Faces run clockwise, the outlines around connected linework
    // counter-clockwise: only faces count towards the area covered.
    AcGePoint3dArray pts;
    AcGeDoubleArray blgs;
    if (vesk::ent::GetCurveParam(contours[i], &pts, &blgs) && VeskGe::BulgePiece::outlineArea(pts, blgs) < 0.0) {
      double area = 0.0;
      if (vesk::ent::GetArea(contours[i], area)) faces += area;
    }
  }
  acutPrintf(L"\n从%d个实体中搜索到%d个封闭轮廓(面%d个，外轮廓%d个)，面的面积合计%.4f。", ids.length(),
             contours.length(), stats.faces, stats.outlines, faces);
}

void cleanPolylines() {
  resbuf* filter = acutBuildList(RTDXF0, L"*POLYLINE", RTNONE);
  AcDbObjectIdArray ids;
  bool picked = SelectOrAll(L"\n选择要清理顶点的多段线<全部>:", filter, ids);
  acutRelRb(filter);
  if (!picked) return;
  double angle = 1.0;
  acedInitGet(RSG_NONEG, nullptr);
  int rc = acedGetReal(L"\n共线角度容差(度)<1.0>:", &angle);
  if (rc == RTCAN) return;
  if (rc != RTNORM) angle = 1.0;
  double distance = -1.0;
  acedInitGet(RSG_NONEG | RSG_NOZERO, nullptr);
  rc = acedGetReal(L"\n最大删除距离<不限>:", &distance);
  if (rc == RTCAN) return;
  if (rc != RTNORM) distance = -1.0;

  int before = 0;
  for (int i = 0; i < ids.length(); ++i) before += vertexCount(ids[i]);
  AcDbObjectIdArray cleaned;
  VeskCad::CDelMidPts(angle, distance, 1).fnDelMidPoint(ids, cleaned);
  int after = 0;
  for (int i = 0; i < cleaned.length(); ++i) after += vertexCount(cleaned[i]);
  acutPrintf(L"\n清理了%d条多段线，删除%d个多余顶点。", cleaned.length(), before - after);
}

}  // namespace

void RegisterGeometryCommands() {
  acedRegCmds->addCommand(kGroup, L"VKCONTOUR", L"VKCONTOUR", ACRX_CMD_MODAL, findContours);
  acedRegCmds->addCommand(kGroup, L"VKCLEANPL", L"VKCLEANPL", ACRX_CMD_MODAL, cleanPolylines);
}

}  // namespace vkplan
