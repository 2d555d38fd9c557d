#include "veskcad/standards/StyleRecordRows.h"

namespace VeskDB {

void ReadStyleRow(const CADORecordset& rs, vesk::TEXTSTYLEPARAM& param) {
  ReadTextColumn(rs, L"TextstyleName", param.TextstyleName);
  ReadTextColumn(rs, L"FontFile", param.FontFile);
  rs.GetFieldValue(L"Height", param.Height);
  rs.GetFieldValue(L"XScale", param.XScale);
  rs.GetFieldValue(L"ObliquingAngle", param.ObliquingAngle);
  rs.GetFieldValue(L"Bold", param.Bold);
  rs.GetFieldValue(L"Italic", param.Italic);
  rs.GetFieldValue(L"XMirror", param.XMirror);
  rs.GetFieldValue(L"YMirror", param.YMirror);
  rs.GetFieldValue(L"Vertical", param.Vertical);
  rs.GetFieldValue(L"OwnerGroup", param.OwnerGroup);
}

void ReadStyleRow(const CADORecordset& rs, vesk::LINEPARAM& param) {
  rs.GetFieldValue(L"Color", param.Color);
  rs.GetFieldValue(L"Weight", param.Weight);
  rs.GetFieldValue(L"PolyWidth", param.PolyWidth);
  rs.GetFieldValue(L"LineScale", param.LineScale);
  rs.GetFieldValue(L"Thickness", param.Thickness);
  ReadTextColumn(rs, L"Linetype", param.Linetype);
  ReadTextColumn(rs, L"OwnerLayer", param.OwnerLayer);
  rs.GetFieldValue(L"OwnerGroup", param.OwnerGroup);
}

void ReadStyleRow(const CADORecordset& rs, vesk::TEXTPARAM& param) {
  rs.GetFieldValue(L"Color", param.Color);
  rs.GetFieldValue(L"Weight", param.Weight);
  rs.GetFieldValue(L"Height", param.Height);
  rs.GetFieldValue(L"LineScale", param.LineScale);
  rs.GetFieldValue(L"Thickness", param.Thickness);
  ReadTextColumn(rs, L"Linetype", param.Linetype);
  ReadTextColumn(rs, L"Textstyle", param.Textstyle);
  ReadTextColumn(rs, L"OwnerLayer", param.OwnerLayer);
  rs.GetFieldValue(L"OwnerGroup", param.OwnerGroup);
}

void ReadStyleRow(const CADORecordset& rs, vesk::HATCHPARAM& param) {
  rs.GetFieldValue(L"Color", param.Color);
  rs.GetFieldValue(L"Weight", param.Weight);
  rs.GetFieldValue(L"LineScale", param.LineScale);
  rs.GetFieldValue(L"Thickness", param.Thickness);
  ReadTextColumn(rs, L"Linetype", param.Linetype);
  rs.GetFieldValue(L"PatType", param.PatType);
  ReadTextColumn(rs, L"PatName", param.PatName);
  rs.GetFieldValue(L"Angle", param.Angle);
  rs.GetFieldValue(L"Scale", param.Scale);
  rs.GetFieldValue(L"Space", param.Space);
  rs.GetFieldValue(L"IsDouble", param.IsDouble);
  ReadTextColumn(rs, L"OwnerLayer", param.OwnerLayer);
  rs.GetFieldValue(L"OwnerGroup", param.OwnerGroup);
}

void ReadStyleRow(const CADORecordset& rs, vesk::OTHERPARAM& param) {
  ReadTextColumn(rs, L"ValueText", param.ValueText);
  rs.GetFieldValue(L"Type", param.Type);
  rs.GetFieldValue(L"OwnerGroup", param.OwnerGroup);
}

}  // namespace VeskDB
