// The classic layer operations: the group tables, the item lists, and the
// LAYERPARAM / STLAYERPARAM records keyed by Item.
#include "veskcad/standards/CCustomDatabase.h"
#include "veskcad/standards/LayerOpGuard.h"
#include "veskcad/standards/LayerRowRead.h"
#include "veskcad/standards/LayerTableSelect.h"
#include "veskdata/SqlQuote.h"

namespace VeskDB {

namespace {

// A caller's text ready to stand between quotes.
CString esc(const wchar_t* text) { return veskdata::SqlEscape(CString(text)); }

// Runs the query; true when it ran and returned at least one row (the
// recordset then stands on the first).
bool queryFirstRow(CFADO& ado, CADORecordset& rs, const CString& sql) {
  if (!ado.GetRecord(&rs, sql, ado.GetConn())) return false;
  rs.MoveFirst();
  return !rs.IsEof();
}

void fillRecord(const CADORecordset& rs, vesk::LAYERPARAM& param) { ReadLayerParamRow(rs, param); }
void fillRecord(const CADORecordset& rs, STLAYERPARAM& param) { ReadStLayerParamRow(rs, param, false); }

const STLAYERPARAM* extraOf(const vesk::LAYERPARAM*) { return nullptr; }
const STLAYERPARAM* extraOf(const STLAYERPARAM* param) { return param; }

// "select item from T" or "select * from T", with the group condition.
CString groupQuery(const wchar_t* what, const CString& table, int groupMask) {
  CString sql;
  sql.Format(L"select %s from %s", what, static_cast<const wchar_t*>(table));
  if (groupMask != -1) sql += CString(L" where ") + GroupMaskPredicate(groupMask);
  return sql;
}

int appendItems(CFADO& ado, const CString& sql, CStringArray* items) {
  CADORecordset rs;
  if (!ado.GetRecord(&rs, sql, ado.GetConn())) return 0;
  for (rs.MoveFirst(); !rs.IsEof(); rs.MoveNext()) {
    CString item;
    rs.GetFieldValue(L"Item", item);
    items->Add(item);
  }
  return 1;
}

}  // namespace

// --- groups and items -------------------------------------------------------

int CCustomDatabase::GetGroups(CStringArray* items) {
  if (!m_bOpen || items == nullptr) return 0;
  return GuardLayerOp([&] { return appendItems(m_ado, L"SELECT Item FROM 模块 ORDER BY GroupId", items); });
}

int CCustomDatabase::GetLayerGroups(CStringArray* items) {
  if (!m_bOpen || items == nullptr) return 0;
  return GuardLayerOp([&] { return appendItems(m_ado, L"SELECT Item FROM 层组 ORDER BY GroupId", items); });
}

int CCustomDatabase::GetLayerItem(int groupMask, CStringArray* items) {
  if (items == nullptr) return 0;
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(-1, table, ado)) return 0;
    if (appendItems(*ado, groupQuery(L"item", table, groupMask), items)) return 1;
    ShowErroMessage(0);
    return 0;
  });
}

int CCustomDatabase::GetLayerOwnerGroup(const wchar_t* item, int& mask) {
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (item == nullptr || !ResolveLayerTable(-1, table, ado)) return 0;
    CString sql;
    sql.Format(L"select OwnerGroup from %s where Item='%s'", static_cast<const wchar_t*>(table),
               static_cast<const wchar_t*>(esc(item)));
    CADORecordset rs;
    if (!queryFirstRow(*ado, rs, sql)) return 0;
    int value = 0;
    if (!rs.GetFieldValue(L"OwnerGroup", value)) return 0;
    mask = value;
    return 1;
  });
}

int CCustomDatabase::SetLayerOwnerGroup(const wchar_t* item, int mask) {
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (item == nullptr || !ResolveLayerTable(-1, table, ado)) return 0;
    const CString quoted = esc(item);
    CString sql;
    sql.Format(L"Select * From %s Where Item='%s'", static_cast<const wchar_t*>(table),
               static_cast<const wchar_t*>(quoted));
    CADORecordset rs;
    if (!ado->GetRecord(&rs, sql, ado->GetConn())) return 0;
    rs.MoveFirst();
    if (!rs.IsEof())
      sql.Format(L"UPDATE %s SET OwnerGroup =%d WHERE Item='%s'", static_cast<const wchar_t*>(table), mask,
                 static_cast<const wchar_t*>(quoted));
    else
      sql.Format(L"Insert into %s (Item,OwnerGroup) values('%s',%d)", static_cast<const wchar_t*>(table),
                 static_cast<const wchar_t*>(quoted), mask);
    rs.Close();
    return ado->ExeSQL(sql, ado->GetConn());
  });
}

// --- classic records ----------------------------------------------------------

template <class Record>
int CCustomDatabase::ClassicPublicGet(const wchar_t* item, Record* param) {
  if (!m_bOpen || item == nullptr || param == nullptr) return 0;
  return GuardLayerOp([&] {
    CFADO& ado = m_nDBMode == 1 ? m_adoLayer : m_ado;
    const wchar_t* table = m_nDBMode == 1 ? kPublicLayerTable : kLayerTable;
    CString sql;
    sql.Format(L"select * from %s where item = '%s'", table, static_cast<const wchar_t*>(esc(item)));
    CADORecordset rs;
    if (!queryFirstRow(ado, rs, sql)) return 0;
    fillRecord(rs, *param);
    return 1;
  });
}

template <class Record>
int CCustomDatabase::ClassicTableGet(const wchar_t* item, Record* param) {
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(-1, table, ado)) return 0;
    CString sql;
    sql.Format(L"select * from %s where item = '%s'", static_cast<const wchar_t*>(table),
               static_cast<const wchar_t*>(esc(item)));
    CADORecordset rs;
    if (!queryFirstRow(*ado, rs, sql)) return 0;
    fillRecord(rs, *param);
    return 1;
  });
}

template <class Record>
int CCustomDatabase::ClassicGetOrCreate(const wchar_t* item, Record* param) {
  if (!m_bOpen || item == nullptr || param == nullptr) return 0;
  if (ClassicPublicGet(item, param) || ClassicTableGet(item, param)) return 1;
  // Not in the tables (or the query failed): the caller's record holds the
  // defaults the item is to receive.
  return SetLayerCustomParam(item, param);
}

template <class Record>
int CCustomDatabase::ClassicInsertUnlessPresent(const wchar_t* item, Record* param) {
  if (!m_bOpen || item == nullptr || param == nullptr) return 0;
  if (ClassicTableGet(item, param)) return 1;
  return SetLayerCustomParam(item, param);
}

int CCustomDatabase::GetLayerPublicParam(const wchar_t* item, vesk::LAYERPARAM* param) {
  return ClassicPublicGet(item, param);
}

int CCustomDatabase::GetLayerPublicParam(const wchar_t* item, STLAYERPARAM* param) {
  return ClassicPublicGet(item, param);
}

int CCustomDatabase::GetLayerCustomParam(const wchar_t* item, vesk::LAYERPARAM* param) {
  return ClassicGetOrCreate(item, param);
}

int CCustomDatabase::GetLayerCustomParam(const wchar_t* item, STLAYERPARAM* param) {
  return ClassicGetOrCreate(item, param);
}

int CCustomDatabase::GetLayerCustomParam(STLAYERPARAM& param) {
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(-1, table, ado)) return 0;
    CString sql;
    sql.Format(L"select * from %s where item = '%s'", static_cast<const wchar_t*>(table),
               static_cast<const wchar_t*>(esc(param.Item)));
    CADORecordset rs;
    if (!queryFirstRow(*ado, rs, sql)) return 0;
    ReadStLayerParamRow(rs, param, true);
    return 1;
  });
}

int CCustomDatabase::InsertLayerCustomParam(const wchar_t* item, vesk::LAYERPARAM* param, int) {
  return ClassicInsertUnlessPresent(item, param);
}

int CCustomDatabase::InsertLayerCustomParam(STLAYERPARAM* param, int) {
  if (param == nullptr) return 0;
  const CString item = param->Item;
  return ClassicInsertUnlessPresent(static_cast<const wchar_t*>(item), param);
}

int CCustomDatabase::UpsertClassicLayerRow(const CString& table, CFADO& ado, const wchar_t* item,
                                           const vesk::LAYERPARAM& p, const STLAYERPARAM* extra) {
  const CString quoted = esc(item);
  const CString name = esc(p.LayerName);
  const CString linetype = esc(p.LineType);
  const wchar_t* t = table;
  CString sql;
  sql.Format(L"Select * FROM %s Where Item='%s'", t, static_cast<const wchar_t*>(quoted));
  CADORecordset rs;
  if (!ado.GetRecord(&rs, sql, ado.GetConn())) return 0;
  rs.MoveFirst();
  const bool exists = !rs.IsEof();
  rs.Close();
  // The single database's "图层" takes the classic columns only.
  const bool withExtra = extra != nullptr && table != kLayerTable;
  if (exists && withExtra) {
    sql.Format(L"UPDATE %s SET %s='%s',%s='%s',%s=%d,%s='%s',%s=%d,%s=%d,%s='%s',%s=%d,%s=%d,%s=%d,%s=%d "
               L"WHERE item = '%s'",
               t, L"LayerName", static_cast<const wchar_t*>(name), L"remark",
               static_cast<const wchar_t*>(esc(extra->remark)), L"Color", p.Color, L"GpOrder",
               static_cast<const wchar_t*>(esc(extra->GpOrder)), L"CreateLayer", extra->CreateLayer, L"Weight",
               p.Weight, L"Linetype", static_cast<const wchar_t*>(linetype), L"Off", p.Off, L"Frozen", p.Frozen,
               L"VPDFLT", p.VPDFLT, L"Locked", p.Locked, static_cast<const wchar_t*>(quoted));
  } else if (exists) {
    sql.Format(L"UPDATE %s SET %s='%s',%s=%d,%s=%d,%s='%s',%s=%d,%s=%d,%s=%d,%s=%d WHERE item = '%s'", t,
               L"LayerName", static_cast<const wchar_t*>(name), L"Color", p.Color, L"Weight", p.Weight, L"Linetype",
               static_cast<const wchar_t*>(linetype), L"Off", p.Off, L"Frozen", p.Frozen, L"VPDFLT", p.VPDFLT,
               L"Locked", p.Locked, static_cast<const wchar_t*>(quoted));
  } else if (withExtra) {
    sql.Format(L"Insert Into %s (Item,LayerName,Color,Weight,Linetype,Off,Frozen,VPDFLT,Locked,OwnerGroup,remark,"
               L"GpOrder,CreateLayer)values('%s','%s',%d,%d,'%s',%d,%d,%d,%d,%d,'%s','%s',%d)",
               t, static_cast<const wchar_t*>(quoted), static_cast<const wchar_t*>(name), p.Color, p.Weight,
               static_cast<const wchar_t*>(linetype), p.Off, p.Frozen, p.VPDFLT, p.Locked, p.OwnerGroup,
               static_cast<const wchar_t*>(esc(extra->remark)), static_cast<const wchar_t*>(esc(extra->GpOrder)),
               extra->CreateLayer);
  } else {
    sql.Format(L"Insert Into %s (Item,LayerName,Color,Weight,Linetype,Off,Frozen,VPDFLT,Locked,OwnerGroup)"
               L"values('%s','%s',%d,%d,'%s',%d,%d,%d,%d,%d)",
               t, static_cast<const wchar_t*>(quoted), static_cast<const wchar_t*>(name), p.Color, p.Weight,
               static_cast<const wchar_t*>(linetype), p.Off, p.Frozen, p.VPDFLT, p.Locked, p.OwnerGroup);
  }
  return ado.ExeSQL(sql, ado.GetConn());
}

namespace {

// The classic upsert: the table of the design type, or "公共图层" when that
// table cannot be queried (mode 1); "图层" in mode 0.
template <class Upsert>
int upsertWithFallback(int mode, const CString& table, CFADO& ado, Upsert&& upsert) {
  if (upsert(table)) return 1;
  if (mode != 1 || table == kPublicLayerTable) return 0;
  int found = 0;
  if (ado.FieldExists(table, L"Item", found, ado.GetConn())) return 0;  // the table is there: a real failure
  return upsert(CString(kPublicLayerTable));
}

}  // namespace

int CCustomDatabase::SetLayerCustomParam(const wchar_t* item, vesk::LAYERPARAM* param) {
  if (item == nullptr || param == nullptr) return 0;
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(-1, table, ado)) return 0;
    return upsertWithFallback(m_nDBMode, table, *ado, [&](const CString& t) {
      return UpsertClassicLayerRow(t, *ado, item, *param, extraOf(param));
    });
  });
}

int CCustomDatabase::SetLayerCustomParam(const wchar_t* item, STLAYERPARAM* param) {
  if (item == nullptr || param == nullptr) return 0;
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(-1, table, ado)) return 0;
    return upsertWithFallback(m_nDBMode, table, *ado, [&](const CString& t) {
      return UpsertClassicLayerRow(t, *ado, item, *param, extraOf(param));
    });
  });
}

int CCustomDatabase::SetLayerCustomParam(STLAYERPARAM* param) {
  if (param == nullptr) return 0;
  const CString item = param->Item;
  return SetLayerCustomParam(static_cast<const wchar_t*>(item), param);
}

int CCustomDatabase::SetLayerCustomParam_Remark(const wchar_t* item, vesk::LAYERPARAM* param, CString remark) {
  if (item == nullptr || param == nullptr) return 0;
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(-1, table, ado)) return 0;
    const CString quoted = esc(item);
    const wchar_t* t = table;
    CString sql;
    sql.Format(L"Select * FROM %s Where Item='%s'", t, static_cast<const wchar_t*>(quoted));
    CADORecordset rs;
    if (!queryFirstRow(*ado, rs, sql)) return 0;  // an item without a row is not inserted
    rs.Close();
    sql.Format(L"UPDATE %s SET %s='%s',%s='%s',%s=%d,%s=%d,%s='%s',%s=%d,%s=%d,%s=%d,%s=%d WHERE item = '%s'", t,
               L"LayerName", static_cast<const wchar_t*>(esc(param->LayerName)), L"remark",
               static_cast<const wchar_t*>(esc(remark)), L"Color", param->Color, L"Weight", param->Weight,
               L"Linetype", static_cast<const wchar_t*>(esc(param->LineType)), L"Off", param->Off, L"Frozen",
               param->Frozen, L"VPDFLT", param->VPDFLT, L"Locked", param->Locked, static_cast<const wchar_t*>(quoted));
    return ado->ExeSQL(sql, ado->GetConn());
  });
}

int CCustomDatabase::SetLayerCustomParam_Item(const wchar_t* item, CString column, CString value) {
  if (item == nullptr || column.IsEmpty()) return 0;
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(-1, table, ado)) return 0;
    const CString quoted = esc(item);
    const wchar_t* t = table;
    CString sql;
    sql.Format(L"Select * FROM %s Where Item='%s'", t, static_cast<const wchar_t*>(quoted));
    CADORecordset rs;
    if (!queryFirstRow(*ado, rs, sql)) return 0;
    rs.Close();
    sql.Format(L"UPDATE %s SET %s='%s' WHERE item = '%s'", t, static_cast<const wchar_t*>(column),
               static_cast<const wchar_t*>(esc(value)), static_cast<const wchar_t*>(quoted));
    return ado->ExeSQL(sql, ado->GetConn());
  });
}

// --- group listings -----------------------------------------------------------

template <class Reader>
int CCustomDatabase::ForEachGroupLayerRow(int groupMask, int designType, Reader&& reader) {
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(designType, table, ado)) return 0;
    CADORecordset rs;
    if (!ado->GetRecord(&rs, groupQuery(L"*", table, groupMask), ado->GetConn())) {
      ShowErroMessage(0);
      return 0;
    }
    for (rs.MoveFirst(); !rs.IsEof(); rs.MoveNext()) reader(rs);
    return 1;
  });
}

int CCustomDatabase::GetLayerCustomParamGroup(int groupMask, CStringArray* items,
                                              CArray<vesk::LAYERPARAM>* params) {
  return GetLayerCustomParamGroup_Remark(groupMask, items, params, nullptr);
}

int CCustomDatabase::GetLayerCustomParamGroup_Remark(int groupMask, CStringArray* items,
                                                     CArray<vesk::LAYERPARAM>* params, CStringArray* remarks) {
  return ForEachGroupLayerRow(groupMask, -1, [&](const CADORecordset& rs) {
    if (items != nullptr) {
      CString item;
      rs.GetFieldValue(L"Item", item);
      items->Add(item);
    }
    if (params != nullptr) {
      vesk::LAYERPARAM param;
      ReadLayerParamRow(rs, param);
      params->Add(param);
    }
    if (remarks != nullptr) {
      CString remark;
      rs.GetFieldValue(L"remark", remark);
      remarks->Add(remark);
    }
  });
}

int CCustomDatabase::GetLayerCustomParamGroup_Item(int groupMask, CString column, CStringArray* out) {
  if (out == nullptr) return 0;
  return ForEachGroupLayerRow(groupMask, -1, [&](const CADORecordset& rs) {
    CString value;
    if (!rs.GetFieldValue(column, value)) value.Empty();
    out->Add(value);
  });
}

int CCustomDatabase::GetAllLayerCustomParam(int groupMask, int designType, CArray<STLAYERPARAM>& out) {
  return ForEachGroupLayerRow(groupMask, designType, [&](const CADORecordset& rs) {
    STLAYERPARAM param;
    ReadStLayerParamRow(rs, param, true);
    out.Add(param);
  });
}

int CCustomDatabase::DeleteLayerCustomParam(const wchar_t* item) {
  if (item == nullptr) return 0;
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(-1, table, ado)) return 0;
    CString sql;
    sql.Format(L"DELETE from %s where item='%s'", static_cast<const wchar_t*>(table),
               static_cast<const wchar_t*>(esc(item)));
    return ado->ExeSQL(sql, ado->GetConn());
  });
}

}  // namespace VeskDB
