// The style tables of the standards database: single-item gets, upserts,
// the free parameters with their XML override, one-column access and the
// deletes. The listings are in CCustomDatabaseStyleList.cpp.
//
// Every text a caller gives that stands between quotes in a statement is
// escaped; table and column names chosen by the caller stay SQL.
#include "veskbase/LayerParam.h"
#include "veskcad/standards/CCustomDatabase.h"
#include "veskcad/standards/OtherParamXml.h"
#include "veskcad/standards/StyleRecordRows.h"
#include "veskdata/SqlQuote.h"
#include "veskfile/FileSystem.h"

namespace VeskDB {

namespace {

CString Esc(const wchar_t* text) { return veskdata::SqlEscape(CString(text ? text : L"")); }

// The item as a statement's quoted text; also refuses a null item.
bool ItemText(const wchar_t* item, CString& escaped) {
  if (item == nullptr) return false;
  escaped = Esc(item);
  return true;
}

// Runs the query; false when it fails.
bool Query(CFADO& ado, CADORecordset& rs, const CString& sql) { return ado.GetRecord(&rs, sql, ado.GetConn()) != 0; }

bool Execute(CFADO& ado, const CString& sql) { return ado.ExeSQL(sql, ado.GetConn()) != 0; }

// The row of item in the query format (one %s: the escaped item): 1 present,
// 0 absent, -1 when the query fails.
int RowState(CFADO& ado, const wchar_t* format, const CString& escapedItem) {
  CString sql;
  sql.Format(format, escapedItem.GetString());
  CADORecordset rs;
  if (!Query(ado, rs, sql)) return -1;
  return rs.IsEof() ? 0 : 1;
}

// Fills record from the first row of the query format (one %s: the item);
// 0 when there is no row or the query fails.
template <class Record>
int GetFirstRow(CFADO& ado, const wchar_t* format, const wchar_t* item, Record* record) {
  CString escaped;
  if (record == nullptr || !ItemText(item, escaped)) return 0;
  CString sql;
  sql.Format(format, escaped.GetString());
  CADORecordset rs;
  if (!Query(ado, rs, sql) || rs.IsEof()) return 0;
  ReadStyleRow(rs, *record);
  return 1;
}

// Upsert: the update when the existence query finds the row, else the
// insert; both statements already formatted.
int Upsert(CFADO& ado, const wchar_t* existsFormat, const CString& escapedItem, const CString& update,
           const CString& insert) {
  const int state = RowState(ado, existsFormat, escapedItem);
  if (state < 0) return 0;
  return Execute(ado, state ? update : insert) ? 1 : 0;
}

bool IsLayerTable(const CString& table) {
  for (const wchar_t* name : {L"图层", L"控规图层", L"详规图层", L"总图图层", L"公共图层"})
    if (table.CompareNoCase(name) == 0) return true;
  return false;
}

}  // namespace

CString CCustomDatabase::GetOtherParamXmlPath() const { return OtherParamXmlPath(m_strDefaultDb); }

// --- dispatch -----------------------------------------------------------------

int CCustomDatabase::GetCustomParam(const wchar_t* item, int type, void* record) {
  if (record == nullptr) return 0;
  switch (type) {
    case 0: return GetLayerCustomParam(item, static_cast<vesk::LAYERPARAM*>(record));
    case 1: return GetTextstyleCustomParam(item, static_cast<vesk::TEXTSTYLEPARAM*>(record));
    case 2: return GetLineCustomParam(item, static_cast<vesk::LINEPARAM*>(record));
    case 3: return GetTextCustomParam(item, static_cast<vesk::TEXTPARAM*>(record));
    case 4: return GetHatchCustomParam(item, static_cast<vesk::HATCHPARAM*>(record));
    case 5: return GetOtherCustomParam(item, static_cast<vesk::OTHERPARAM*>(record));
    default: return 0;
  }
}

int CCustomDatabase::SetCustomParam(const wchar_t* item, int type, void* record) {
  if (record == nullptr) return 0;
  switch (type) {
    case 0: return SetLayerCustomParam(item, static_cast<vesk::LAYERPARAM*>(record));
    case 1: return SetTextstyleCustomParam(item, static_cast<vesk::TEXTSTYLEPARAM*>(record));
    case 2: return SetLineCustomParam(item, static_cast<vesk::LINEPARAM*>(record));
    case 3: return SetTextCustomParam(item, static_cast<vesk::TEXTPARAM*>(record));
    case 4: return SetHatchCustomParam(item, static_cast<vesk::HATCHPARAM*>(record));
    case 5: return SetOtherCustomParam(item, static_cast<vesk::OTHERPARAM*>(record));
    default: return 0;
  }
}

// --- gets ---------------------------------------------------------------------

int CCustomDatabase::GetTextstyleCustomParam(const wchar_t* item, vesk::TEXTSTYLEPARAM* param) {
  if (!m_bOpen) return 0;
  return GetFirstRow(m_ado, L"select * from 文本样式 where item = '%s'", item, param);
}

int CCustomDatabase::GetLineCustomParam(const wchar_t* item, vesk::LINEPARAM* param) {
  if (!m_bOpen) return 0;
  return GetFirstRow(m_ado, L"select * from 线 where item = '%s'", item, param);
}

int CCustomDatabase::GetTextCustomParam(const wchar_t* item, vesk::TEXTPARAM* param) {
  if (!m_bOpen) return 0;
  return GetFirstRow(m_ado, L"select * from 文本 where item = '%s'", item, param);
}

int CCustomDatabase::GetHatchCustomParam(const wchar_t* item, vesk::HATCHPARAM* param) {
  if (!m_bOpen) return 0;
  return GetFirstRow(m_ado, L"select * from 填充 where item = '%s'", item, param);
}

int CCustomDatabase::GetOtherCustomParam(const wchar_t* item, vesk::OTHERPARAM* param) {
  if (!m_bOpen || item == nullptr || param == nullptr) return 0;
  const CString xmlPath = GetOtherParamXmlPath();
  if (veskfile::FileExist(xmlPath)) {
    CString error;
    return ReadOtherParamXml(xmlPath, item, *param, error);
  }
  if (GetFirstRow(m_ado, L"select * from 其他 where item ='%s'", item, param)) return 1;
  return SetOtherCustomParam(item, param);
}

// --- upserts ------------------------------------------------------------------

int CCustomDatabase::SetTextstyleCustomParam(const wchar_t* item, vesk::TEXTSTYLEPARAM* p) {
  CString it;
  if (!m_bOpen || p == nullptr || !ItemText(item, it)) return 0;
  const CString name = Esc(p->TextstyleName), font = Esc(p->FontFile);
  CString update, insert;
  update.Format(
      L"UPDATE 文本样式 SET %s='%s',%s='%s',%s=%f,%s=%f,%s=%f,%s=%d,%s=%d,%s=%d,%s=%d,%s=%d WHERE item = '%s'",
      L"TextstyleName", name.GetString(), L"FontFile", font.GetString(), L"Height", p->Height, L"XScale", p->XScale,
      L"ObliquingAngle", p->ObliquingAngle, L"Bold", p->Bold, L"Italic", p->Italic, L"XMirror", p->XMirror,
      L"YMirror", p->YMirror, L"Vertical", p->Vertical, it.GetString());
  insert.Format(
      L"Insert Into 文本样式(Item,TextstyleName,FontFile,Height,XScale,ObliquingAngle,Bold,Italic,XMirror,YMirror,"
      L"Vertical,OwnerGroup)Values ('%s','%s','%s',%f,%f,%f,%d,%d,%d,%d,%d,%d)",
      it.GetString(), name.GetString(), font.GetString(), p->Height, p->XScale, p->ObliquingAngle, p->Bold, p->Italic,
      p->XMirror, p->YMirror, p->Vertical, p->OwnerGroup);
  return Upsert(m_ado, L"Select * From 文本样式 Where Item='%s'", it, update, insert);
}

int CCustomDatabase::SetLineCustomParam(const wchar_t* item, vesk::LINEPARAM* p) {
  CString it;
  if (!m_bOpen || p == nullptr || !ItemText(item, it)) return 0;
  const CString linetype = Esc(p->Linetype), layer = Esc(p->OwnerLayer);
  CString update, insert;
  update.Format(L"UPDATE 线 SET %s=%d,%s=%d,%s=%f,%s=%f,%s=%f,%s='%s',%s='%s' WHERE item = '%s'", L"Color", p->Color,
                L"Weight", p->Weight, L"PolyWidth", p->PolyWidth, L"LineScale", p->LineScale, L"Thickness",
                p->Thickness, L"Linetype", linetype.GetString(), L"OwnerLayer", layer.GetString(), it.GetString());
  insert.Format(
      L"Insert Into 线 (Item,Color,Weight,PolyWidth,LineScale,Thickness,Linetype,OwnerLayer,OwnerGroup) "
      L"Values('%s',%d,%d,%f,%f,%f,'%s','%s',%d)",
      it.GetString(), p->Color, p->Weight, p->PolyWidth, p->LineScale, p->Thickness, linetype.GetString(),
      layer.GetString(), p->OwnerGroup);
  return Upsert(m_ado, L"Select * From 线 Where Item='%s'", it, update, insert);
}

int CCustomDatabase::SetTextCustomParam(const wchar_t* item, vesk::TEXTPARAM* p) {
  CString it;
  if (!m_bOpen || p == nullptr || !ItemText(item, it)) return 0;
  const CString linetype = Esc(p->Linetype), style = Esc(p->Textstyle), layer = Esc(p->OwnerLayer);
  CString update, insert;
  update.Format(L"UPDATE 文本 SET %s=%d,%s=%d,%s=%f,%s=%f,%s=%f,%s='%s',%s='%s',%s='%s' WHERE item = '%s'",
                L"Color", p->Color, L"Weight", p->Weight, L"Height", p->Height, L"LineScale", p->LineScale,
                L"Thickness", p->Thickness, L"Linetype", linetype.GetString(), L"Textstyle", style.GetString(),
                L"OwnerLayer", layer.GetString(), it.GetString());
  insert.Format(
      L"Insert Into 文本 (Item,Color,Weight,Height,LineScale,Thickness,Linetype,Textstyle,OwnerLayer,OwnerGroup) "
      L"Values('%s',%d,%d,%f,%f,%f,'%s','%s','%s',%d)",
      it.GetString(), p->Color, p->Weight, p->Height, p->LineScale, p->Thickness, linetype.GetString(),
      style.GetString(), layer.GetString(), p->OwnerGroup);
  return Upsert(m_ado, L"Select * From 文本 Where Item='%s'", it, update, insert);
}

int CCustomDatabase::SetHatchCustomParam(const wchar_t* item, vesk::HATCHPARAM* p) {
  CString it;
  if (!m_bOpen || p == nullptr || !ItemText(item, it)) return 0;
  const CString linetype = Esc(p->Linetype), pattern = Esc(p->PatName), layer = Esc(p->OwnerLayer);
  CString update, insert;
  update.Format(
      L"UPDATE 填充 SET %s=%d,%s=%d,%s=%f,%s=%f,%s='%s',%s=%d,%s='%s',%s=%f,%s=%f,%s=%f,%s=%d,%s='%s' "
      L"WHERE item = '%s'",
      L"Color", p->Color, L"Weight", p->Weight, L"LineScale", p->LineScale, L"Thickness", p->Thickness, L"Linetype",
      linetype.GetString(), L"PatType", p->PatType, L"PatName", pattern.GetString(), L"Angle", p->Angle, L"Scale",
      p->Scale, L"Space", p->Space, L"IsDouble", p->IsDouble, L"OwnerLayer", layer.GetString(), it.GetString());
  insert.Format(
      L"Insert Into 填充 (Item,Color,Weight,LineScale,Thickness,Linetype,PatType,PatName,Angle,Scale,Space,IsDouble,"
      L"OwnerLayer,OwnerGroup) Values('%s',%d,%d,%f,%f,'%s',%d,'%s',%f,%f,%f,%d,'%s',%d)",
      it.GetString(), p->Color, p->Weight, p->LineScale, p->Thickness, linetype.GetString(), p->PatType,
      pattern.GetString(), p->Angle, p->Scale, p->Space, p->IsDouble, layer.GetString(), p->OwnerGroup);
  return Upsert(m_ado, L"Select * From 填充 Where Item='%s'", it, update, insert);
}

int CCustomDatabase::SetOtherCustomParam(const wchar_t* item, vesk::OTHERPARAM* p) {
  CString it;
  if (!m_bOpen || p == nullptr || !ItemText(item, it)) return 0;
  const CString xmlPath = GetOtherParamXmlPath();
  if (veskfile::FileExist(xmlPath)) {
    CString error;
    return WriteOtherParamXml(xmlPath, item, *p, error);
  }
  const CString value = Esc(p->ValueText);
  CString update, insert;
  update.Format(L"UPDATE 其他 SET %s='%s',%s=%d WHERE item = '%s'", L"ValueText", value.GetString(), L"Type", p->Type,
                it.GetString());
  insert.Format(L"Insert into 其他 (Item,ValueText,Type,OwnerGroup) values('%s','%s',%d,%d)", it.GetString(),
                value.GetString(), p->Type, p->OwnerGroup);
  return Upsert(m_ado, L"Select * FROM 其他 Where Item='%s'", it, update, insert);
}

int CCustomDatabase::SetOtherCustomParam_Remark(const wchar_t* item, vesk::OTHERPARAM* p, CString remark) {
  CString it;
  if (!m_bOpen || p == nullptr || !ItemText(item, it)) return 0;
  const CString xmlPath = GetOtherParamXmlPath();
  if (veskfile::FileExist(xmlPath)) {
    CString error;
    return WriteOtherParamXml(xmlPath, item, *p, error);
  }
  const CString value = Esc(p->ValueText), note = Esc(remark);
  CString update, insert;
  update.Format(L"UPDATE 其他 SET %s='%s',%s='%s',%s=%d WHERE item = '%s'", L"ValueText", value.GetString(),
                L"remark", note.GetString(), L"Type", p->Type, it.GetString());
  // A new row keeps its remark too.
  insert.Format(L"Insert into 其他 (Item,ValueText,Type,OwnerGroup,remark) values('%s','%s',%d,%d,'%s')",
                it.GetString(), value.GetString(), p->Type, p->OwnerGroup, note.GetString());
  return Upsert(m_ado, L"Select * FROM 其他 Where Item='%s'", it, update, insert);
}

// --- one column ---------------------------------------------------------------

int CCustomDatabase::GetItemValue(const wchar_t* table, const wchar_t* item, const wchar_t* column, CString& value) {
  value.Empty();
  CString it;
  if (!m_bOpen || table == nullptr || column == nullptr || !ItemText(item, it)) return 0;
  CString sql;
  sql.Format(L"select * from %s where item ='%s'", table, it.GetString());
  CADORecordset rs;
  if (!Query(m_ado, rs, sql) || rs.IsEof() || !rs.HasField(column)) return 0;
  if (rs.IsFieldNull(column)) return 1;  // a Null column reads as an empty text
  return rs.GetFieldValue(column, value) ? 1 : 0;
}

int CCustomDatabase::SetItemValue(const wchar_t* table, const wchar_t* item, const wchar_t* column, CString value) {
  CString it;
  if (!m_bOpen || table == nullptr || column == nullptr || !ItemText(item, it)) return 0;
  CString sql;
  sql.Format(L"Select * FROM %s Where Item='%s'", table, it.GetString());
  CADORecordset rs;
  if (!Query(m_ado, rs, sql) || rs.IsEof()) return 0;
  sql.Format(L"UPDATE %s SET %s='%s' WHERE item = '%s'", table, column, Esc(value).GetString(), it.GetString());
  return Execute(m_ado, sql) ? 1 : 0;
}

// --- deletes ------------------------------------------------------------------

int CCustomDatabase::DeleteTextstyleCustomParam(const wchar_t* item) { return DeleteCustomParam(item, L"文本样式"); }
int CCustomDatabase::DeleteLineCustomParam(const wchar_t* item) { return DeleteCustomParam(item, L"线"); }
int CCustomDatabase::DeleteTextCustomParam(const wchar_t* item) { return DeleteCustomParam(item, L"文本"); }
int CCustomDatabase::DeleteHatchCustomParam(const wchar_t* item) { return DeleteCustomParam(item, L"填充"); }
int CCustomDatabase::DeleteOtherCustomParam(const wchar_t* item) { return DeleteCustomParam(item, L"其他"); }

int CCustomDatabase::DeleteCustomParam(const wchar_t* item, const wchar_t* table) {
  CString it;
  if (!m_bOpen || table == nullptr || !ItemText(item, it)) return 0;
  CFADO& ado = (m_nDBMode == 1 && IsLayerTable(table)) ? m_adoLayer : m_ado;
  CString sql;
  sql.Format(L"DELETE from %s where item='%s'", table, it.GetString());
  return Execute(ado, sql) ? 1 : 0;
}

}  // namespace VeskDB
