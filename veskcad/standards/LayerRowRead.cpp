#include "veskcad/standards/LayerRowRead.h"

#include <climits>
#include <cmath>
#include <cwchar>

#include "veskcad/standards/ColorConvert.h"

namespace VeskDB {

namespace {

// The text of a column; Null reads as empty. False (text unchanged) when the
// row has no such column.
bool readText(const CADORecordset& rs, const wchar_t* column, CString& out) {
  if (!rs.HasField(column)) return false;
  CString value;
  if (!rs.GetFieldValue(column, value)) value.Empty();
  out = value;
  return true;
}

void readInt(const CADORecordset& rs, const wchar_t* column, int& out) {
  int value = 0;
  if (rs.GetFieldValue(column, value)) out = value;
}

// Kept when the column is empty.
void readTextKeepEmpty(const CADORecordset& rs, const wchar_t* column, CString& out) {
  CString value;
  if (rs.GetFieldValue(column, value) && !value.IsEmpty()) out = value;
}

// Kept when the stored value is (nearly) 0.
void readDoubleKeepZero(const CADORecordset& rs, const wchar_t* column, double& out) {
  double value = 0;
  if (rs.GetFieldValue(column, value) && std::fabs(value) >= 1e-6) out = value;
}

void readName(const CADORecordset& rs, const wchar_t* column, wchar_t (&out)[256]) {
  CString value;
  if (rs.GetFieldValue(column, value)) CopyLayerText(out, value);
}

void readNameKeepEmpty(const CADORecordset& rs, const wchar_t* column, wchar_t (&out)[256]) {
  CString value;
  if (rs.GetFieldValue(column, value) && !value.IsEmpty()) CopyLayerText(out, value);
}

void readColor2013(const CADORecordset& rs, LAYERPARAM2013EX& param) {
  CString text;
  if (!rs.GetFieldValue(L"Color", text)) return;
  param.ColorText = text;
  int index = 0;
  if (ParseColorIndex(text, index)) param.Color = index;
}

void readWeight2013(const CADORecordset& rs, LAYERPARAM2013EX& param) {
  int weight = 0;
  if (rs.GetFieldValue(L"Weight", weight)) param.Weight = weight == 0 ? -1 : weight;
}

void readExpands(const CADORecordset& rs, LAYERPARAM2013EX& param) {
  readText(rs, L"Expand1", param.Expand1);
  readText(rs, L"Expand2", param.Expand2);
  readText(rs, L"Expand3", param.Expand3);
  readText(rs, L"Expand4", param.Expand4);
  readText(rs, L"Expand5", param.Expand5);
  readText(rs, L"Expand6", param.Expand6);
}

}  // namespace

void CopyLayerText(wchar_t (&dst)[256], const wchar_t* src) {
  if (src == nullptr) src = L"";
  std::wcsncpy(dst, src, 255);
  dst[255] = L'\0';
}

bool ParseColorIndex(const CString& text, int& value) {
  const int n = text.GetLength();
  int i = 0;
  bool negative = false;
  if (i < n && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
  if (i == n) return false;
  long long v = 0;
  for (; i < n; ++i) {
    const wchar_t c = text[i];
    if (c < L'0' || c > L'9') return false;
    v = v * 10 + (c - L'0');
    if (v > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (negative) v = -v;
  if (v < INT_MIN || v > INT_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

void ReadLayerParamRow(const CADORecordset& rs, vesk::LAYERPARAM& param) {
  readName(rs, L"LayerName", param.LayerName);
  // A 2013 table read as a classic record: a true colour is stored as the
  // text "(r,g,b)" and comes back as the negative standards colour.
  CString colorText;
  if (rs.GetFieldValue(L"Color", colorText) && colorText.Find(L'(') == 0)
    param.Color = GetColorByFormatRGB(colorText);
  else
    readInt(rs, L"Color", param.Color);
  readInt(rs, L"Weight", param.Weight);
  readName(rs, L"LineType", param.LineType);
  readInt(rs, L"Off", param.Off);
  readInt(rs, L"Frozen", param.Frozen);
  readInt(rs, L"VPDFLT", param.VPDFLT);
  readInt(rs, L"Locked", param.Locked);
  readInt(rs, L"OwnerGroup", param.OwnerGroup);
}

void ReadStLayerParamRow(const CADORecordset& rs, STLAYERPARAM& param, bool withItem) {
  ReadLayerParamRow(rs, param);
  readText(rs, L"remark", param.remark);
  readText(rs, L"GpOrder", param.GpOrder);
  readInt(rs, L"CreateLayer", param.CreateLayer);
  if (withItem) readText(rs, L"Item", param.Item);
}

namespace {

// How a 2013 row draws: layer name, colour, linetype, scales and text style
// (empty texts and near-zero scales keep the record's values). A user row
// that overrides a system row replaces these.
void readLook2013(const CADORecordset& rs, LAYERPARAM2013EX& param) {
  readName(rs, L"LayerName", param.LayerName);
  readColor2013(rs, param);
  readNameKeepEmpty(rs, L"LineType", param.LineType);
  readDoubleKeepZero(rs, L"LineTypeScale", param.LineTypeScale);
  readDoubleKeepZero(rs, L"LineWidth", param.LineWidth);
  readDoubleKeepZero(rs, L"TextTypeScale", param.TextTypeScale);
  readDoubleKeepZero(rs, L"TextHeight", param.TextHeight);
  readTextKeepEmpty(rs, L"TextType", param.TextType);
}

}  // namespace

void Read2013Row(const CADORecordset& rs, LAYERPARAM2013EX& param) {
  readInt(rs, L"LayerID", param.LayerID);
  readText(rs, L"LayerType", param.LayerType);
  readText(rs, L"ItemCode", param.ItemCode);
  readText(rs, L"ItemApp", param.ItemApp);
  readText(rs, L"Item", param.Item);
  readText(rs, L"GpOrder", param.GpOrder);
  readText(rs, L"remark", param.remark);
  readLook2013(rs, param);
  readText(rs, L"EntType", param.EntType);
  readText(rs, L"ActionCmd", param.ActionCmd);
  readExpands(rs, param);
  readInt(rs, L"Off", param.Off);
  readInt(rs, L"Frozen", param.Frozen);
  readInt(rs, L"VPDFLT", param.VPDFLT);
  readInt(rs, L"Locked", param.Locked);
  readInt(rs, L"OwnerGroup", param.OwnerGroup);
  readInt(rs, L"CreateLayer", param.CreateLayer);
  readWeight2013(rs, param);
}

void ReadUserOverride(const CADORecordset& rs, LAYERPARAM2013EX& param) {
  readInt(rs, L"LayerID", param.LayerID);
  readText(rs, L"LayerType", param.LayerType);
  readText(rs, L"GpOrder", param.GpOrder);
  readText(rs, L"remark", param.remark);
  readLook2013(rs, param);
  readExpands(rs, param);
}

}  // namespace VeskDB
