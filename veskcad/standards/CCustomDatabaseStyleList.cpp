// The group listings of the style tables: the rows whose OwnerGroup shares a
// bit with the caller's mask (every row for -1), in the order the table
// yields them.
#include "veskbase/LayerParam.h"
#include "veskcad/standards/CCustomDatabase.h"
#include "veskcad/standards/LayerTableSelect.h"
#include "veskcad/standards/StyleRecordRows.h"

namespace VeskDB {

namespace {

// Appends Item (and remark, when asked) and the record of each row of table
// in the group; 0 when the query fails.
template <class Record>
int ListRows(CFADO& ado, const wchar_t* table, int groupMask, CStringArray* items, CArray<Record>* params,
             CStringArray* remarks = nullptr) {
  CString sql = CString(L"select * from ") + table;
  if (groupMask != -1) sql += CString(L" where ") + GroupMaskPredicate(groupMask);
  CADORecordset rs;
  if (!ado.GetRecord(&rs, sql, ado.GetConn())) return 0;
  for (; !rs.IsEof(); rs.MoveNext()) {
    if (items) {
      CString item;
      rs.GetFieldValue(L"Item", item);
      items->Add(item);
    }
    if (params) {
      Record record;
      ReadStyleRow(rs, record);
      params->Add(record);
    }
    if (remarks) {
      CString remark;
      rs.GetFieldValue(L"remark", remark);
      remarks->Add(remark);
    }
  }
  return 1;
}

}  // namespace

int CCustomDatabase::GetCustomParamGroup(int type, int groupMask, CStringArray* items, void* records) {
  switch (type) {
    case 0: return GetLayerCustomParamGroup(groupMask, items, static_cast<CArray<vesk::LAYERPARAM>*>(records));
    case 1: return GetTextstyleCustomParamGroup(groupMask, items, static_cast<CArray<vesk::TEXTSTYLEPARAM>*>(records));
    case 2: return GetLineCustomParamGroup(groupMask, items, static_cast<CArray<vesk::LINEPARAM>*>(records));
    case 3: return GetTextCustomParamGroup(groupMask, items, static_cast<CArray<vesk::TEXTPARAM>*>(records));
    case 4: return GetHatchCustomParamGroup(groupMask, items, static_cast<CArray<vesk::HATCHPARAM>*>(records));
    case 5: return GetOtherCustomParamGroup(groupMask, items, static_cast<CArray<vesk::OTHERPARAM>*>(records));
    default: return 0;
  }
}

int CCustomDatabase::GetTextstyleCustomParamGroup(int groupMask, CStringArray* items,
                                                  CArray<vesk::TEXTSTYLEPARAM>* params) {
  if (!m_bOpen) return 0;
  return ListRows(m_ado, L"文本样式", groupMask, items, params);
}

int CCustomDatabase::GetLineCustomParamGroup(int groupMask, CStringArray* items, CArray<vesk::LINEPARAM>* params) {
  if (!m_bOpen) return 0;
  return ListRows(m_ado, L"线", groupMask, items, params);
}

int CCustomDatabase::GetTextCustomParamGroup(int groupMask, CStringArray* items, CArray<vesk::TEXTPARAM>* params) {
  if (!m_bOpen) return 0;
  return ListRows(m_ado, L"文本", groupMask, items, params);
}

int CCustomDatabase::GetHatchCustomParamGroup(int groupMask, CStringArray* items, CArray<vesk::HATCHPARAM>* params) {
  if (!m_bOpen) return 0;
  return ListRows(m_ado, L"填充", groupMask, items, params);
}

int CCustomDatabase::GetOtherCustomParamGroup(int groupMask, CStringArray* items, CArray<vesk::OTHERPARAM>* params) {
  if (!m_bOpen) return 0;
  return ListRows(m_ado, L"其他", groupMask, items, params);
}

int CCustomDatabase::GetOtherCustomParamGroup_Remark(int groupMask, CStringArray* items,
                                                     CArray<vesk::OTHERPARAM>* params, CStringArray* remarks) {
  if (!m_bOpen) return 0;
  return ListRows(m_ado, L"其他", groupMask, items, params, remarks);
}

}  // namespace VeskDB
