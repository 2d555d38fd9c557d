// The layer operations of the 2013 tables: LAYERPARAM2013EX records keyed by
// LayerID, looked up by item name or code, user rows over system rows, the
// combined lists and the relating of user rows to system rows.
#include <vector>

#include "veskcad/standards/CCustomDatabase.h"
#include "veskcad/standards/LayerOpGuard.h"
#include "veskcad/standards/LayerRowRead.h"
#include "veskcad/standards/LayerTableSelect.h"
#include "veskdata/SqlQuote.h"

namespace VeskDB {

namespace {

const wchar_t* const kLayerID = L"LayerID";
const wchar_t* const kLayerType = L"LayerType";
const wchar_t* const kItemCode = L"ItemCode";
const wchar_t* const kItem = L"Item";
const wchar_t* const kGpOrder = L"GpOrder";
const wchar_t* const kLayerName = L"LayerName";

CString esc(const CString& text) { return veskdata::SqlEscape(text); }

// A text matched literally inside a LIKE pattern: the wildcard characters
// stand for themselves in brackets.
CString likeLiteral(const CString& text) {
  CString out;
  for (int i = 0; i < text.GetLength(); ++i) {
    const wchar_t c = text[i];
    if (c == L'%' || c == L'_' || c == L'*' || c == L'?' || c == L'[' || c == L'#') {
      out += L'[';
      out += c;
      out += L']';
    } else {
      out += c;
    }
  }
  return out;
}

bool isSystemType(const CString& type) { return type.CompareNoCase(L"S") == 0 || type.CompareNoCase(L"SR") == 0; }

// The stored colour of a record whose ColorText is not "(r,g,b)": a true
// colour (negative) is written as "(r,g,b)", an index as its number.
CString colorTextOf(int color) {
  CString text;
  if (color < 0 && color >= -0xFFFFFF) {
    const int rgb = -color;
    text.Format(L"(%d,%d,%d)", (rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
  } else {
    text.Format(L"%d", color);
  }
  return text;
}

struct ColumnValue {
  const wchar_t* column;
  CString sql;
};

// Every stored column of a 2013 row but the key, with its value as SQL.
std::vector<ColumnValue> rowValues(const LAYERPARAM2013EX& p) {
  auto text = [](const CString& v) { return CString(L"'") + esc(v) + L"'"; };
  auto real = [](double v) {
    CString s;
    s.Format(L"%f", v);
    return s;
  };
  auto integer = [](int v) {
    CString s;
    s.Format(L"%d", v);
    return s;
  };
  return {{L"LayerType", text(p.LayerType)},
          {L"ItemCode", text(p.ItemCode)},
          {L"ItemApp", text(p.ItemApp)},
          {L"Item", text(p.Item)},
          {L"GpOrder", text(p.GpOrder)},
          {L"remark", text(p.remark)},
          {L"LayerName", text(CString(p.LayerName))},
          {L"Color", text(p.ColorText)},
          {L"Linetype", text(CString(p.LineType))},
          {L"LineTypeScale", real(p.LineTypeScale)},
          {L"LineWidth", real(p.LineWidth)},
          {L"TextType", text(p.TextType)},
          {L"TextTypeScale", real(p.TextTypeScale)},
          {L"TextHeight", real(p.TextHeight)},
          {L"EntType", text(p.EntType)},
          {L"ActionCmd", text(p.ActionCmd)},
          {L"Off", integer(p.Off)},
          {L"Frozen", integer(p.Frozen)},
          {L"VPDFLT", integer(p.VPDFLT)},
          {L"Locked", integer(p.Locked)},
          {L"OwnerGroup", integer(p.OwnerGroup)},
          {L"CreateLayer", integer(p.CreateLayer)},
          {L"Weight", integer(p.Weight)},
          {L"Expand1", text(p.Expand1)},
          {L"Expand2", text(p.Expand2)},
          {L"Expand3", text(p.Expand3)},
          {L"Expand4", text(p.Expand4)},
          {L"Expand5", text(p.Expand5)},
          {L"Expand6", text(p.Expand6)}};
}

CString insertStatement(const CString& table, const LAYERPARAM2013EX& p) {
  CString columns, values;
  for (const ColumnValue& cv : rowValues(p)) {
    if (!columns.IsEmpty()) {
      columns += L",";
      values += L",";
    }
    columns += cv.column;
    values += cv.sql;
  }
  CString sql;
  sql.Format(L"insert into %s (%s) values (%s)", static_cast<const wchar_t*>(table),
             static_cast<const wchar_t*>(columns), static_cast<const wchar_t*>(values));
  return sql;
}

CString updateStatement(const CString& table, const LAYERPARAM2013EX& p) {
  CString sets;
  for (const ColumnValue& cv : rowValues(p)) {
    if (!sets.IsEmpty()) sets += L",";
    sets += CString(cv.column) + L"=" + cv.sql;
  }
  CString condition;
  condition.Format(L"%s=%d ", kLayerID, p.LayerID);
  CString sql;
  sql.Format(L"update %s set %s where %s ", static_cast<const wchar_t*>(table), static_cast<const wchar_t*>(sets),
             static_cast<const wchar_t*>(condition));
  return sql;
}

// Appends one record per row of the query.
int appendRows(CFADO& ado, const CString& sql, CArray<LAYERPARAM2013EX>& out) {
  CADORecordset rs;
  if (!ado.GetRecord(&rs, sql, ado.GetConn())) return 0;
  for (rs.MoveFirst(); !rs.IsEof(); rs.MoveNext()) {
    LAYERPARAM2013EX param;
    Read2013Row(rs, param);
    out.Add(param);
  }
  return 1;
}

const wchar_t* s(const CString& text) { return text; }

}  // namespace

// --- single records ---------------------------------------------------------

int CCustomDatabase::GetLayerCustomParam(const wchar_t* item, LAYERPARAM2013EX* param, int byId,
                                         int createIfMissing) {
  if (param == nullptr || (item == nullptr && !byId)) return 0;
  const CString itemText(item);
  int state = GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(-1, table, ado)) return 0;
    int is2013 = 0;
    if (!LayerTableIs2013(table, *ado, is2013)) return 0;
    const CString quoted = esc(itemText);
    CString sql;
    if (!is2013)
      sql.Format(L"select * FROM %s where %s='%s' ", s(table), kItem, s(quoted));
    else if (byId)
      sql.Format(L"select * FROM %s where %s='%d' ", s(table), kLayerID, param->LayerID);
    else
      sql.Format(L"select * FROM %s where (%s='%s' or %s='%s') order by %s ", s(table), kItem, s(quoted), kItemCode,
                 s(quoted), kLayerType);
    CADORecordset rs;
    if (!ado->GetRecord(&rs, sql, ado->GetConn())) return 0;
    rs.MoveFirst();
    if (rs.IsEof()) return 2;  // no row
    if (!is2013) {
      // A table of the classic generation: its columns only.
      STLAYERPARAM classic;
      static_cast<vesk::LAYERPARAM&>(classic) = static_cast<const vesk::LAYERPARAM&>(*param);
      classic.Item = param->Item;
      classic.remark = param->remark;
      classic.GpOrder = param->GpOrder;
      classic.CreateLayer = param->CreateLayer;
      ReadStLayerParamRow(rs, classic, true);
      static_cast<vesk::LAYERPARAM&>(*param) = static_cast<const vesk::LAYERPARAM&>(classic);
      param->Item = classic.Item;
      param->remark = classic.remark;
      param->GpOrder = classic.GpOrder;
      param->CreateLayer = classic.CreateLayer;
      return 1;
    }
    Read2013Row(rs, *param);
    if (byId || param->ItemCode.IsEmpty() || !isSystemType(param->LayerType)) return 1;
    // A user row that lists the code of this system row takes its place; the
    // codes and the item stay those of the system row.
    CString code = esc(likeLiteral(param->ItemCode));
    sql.Format(L"select * FROM %s where (%s='U' or %s='UR') and (';'+%s+';' like '%%;%s;%%') ", s(table), kLayerType,
               kLayerType, kItemCode, s(code));
    CADORecordset user;
    if (ado->GetRecord(&user, sql, ado->GetConn())) {
      user.MoveFirst();
      if (!user.IsEof()) ReadUserOverride(user, *param);
    }
    return 1;
  });
  if (state == 1) return 1;
  if (state != 2 || !createIfMissing) return 0;
  // Not stored yet: the record, as the caller prepared it, becomes a row.
  if (param->LayerType.IsEmpty()) param->LayerType = L"S";
  if (param->Item.IsEmpty() && param->ItemCode.IsEmpty()) param->Item = itemText;
  if (param->remark.IsEmpty()) param->remark = param->Item;
  return SetLayerCustomParam(item, param, 0, -1);
}

int CCustomDatabase::SetLayerCustomParam(const wchar_t* item, LAYERPARAM2013EX* param, int forceInsert,
                                         int designType) {
  if (param == nullptr) return 0;
  return GuardLayerOp([&] {
    if (param->ColorText.IsEmpty() || param->ColorText[0] != L'(') param->ColorText = colorTextOf(param->Color);
    if (param->Item.IsEmpty() && item != nullptr) param->Item = item;
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(designType, table, ado)) return 0;
    int is2013 = 0;
    if (!LayerTableIs2013(table, *ado, is2013)) return 0;
    if (!is2013) {
      STLAYERPARAM classic;
      static_cast<vesk::LAYERPARAM&>(classic) = static_cast<const vesk::LAYERPARAM&>(*param);
      classic.Item = param->Item;
      classic.remark = param->remark;
      classic.GpOrder = param->GpOrder;
      classic.CreateLayer = param->CreateLayer;
      return UpsertClassicLayerRow(table, *ado, classic.Item, classic, &classic);
    }
    if (param->Weight == 0) param->Weight = -1;
    bool insert = forceInsert != 0 || param->LayerID == 0;
    CString storedType;
    if (!forceInsert) {
      CString condition, sql;
      condition.Format(L"%s=%d ", kLayerID, param->LayerID);
      sql.Format(L"select * from %s where %s ", s(table), s(condition));
      CADORecordset rs;
      if (!ado->GetRecord(&rs, sql, ado->GetConn())) return 0;
      rs.MoveFirst();
      if (rs.IsEof()) {
        insert = true;
      } else {
        insert = false;
        rs.GetFieldValue(kLayerType, storedType);
        if (storedType.CompareNoCase(param->LayerType) != 0) return 1;  // another kind of row: left alone
        if (param->SetFlag == kSetFlagKeepItemCode) {
          CString value;
          param->ItemCode = rs.GetFieldValue(kItemCode, value) ? value : CString();
          param->ItemApp = rs.GetFieldValue(L"ItemApp", value) ? value : CString();
          param->Item = rs.GetFieldValue(kItem, value) ? value : CString();
        }
      }
    }
    if (!insert) return ado->ExeSQL(updateStatement(table, *param), ado->GetConn());
    if (!ado->ExeSQL(insertStatement(table, *param), ado->GetConn())) return 0;
    // The new row has the largest id of the table.
    const int id = ado->GetNextIDByMax(table, kLayerID, ado->GetConn()) - 1;
    if (id < 1) return 0;
    param->LayerID = id;
    return 1;
  });
}

int CCustomDatabase::SetLayerCustomParam(LAYERPARAM2013EX* param, int forceInsert, int designType) {
  if (param == nullptr) return 0;
  const CString item = param->Item;
  return SetLayerCustomParam(static_cast<const wchar_t*>(item), param, forceInsert, designType);
}

int CCustomDatabase::SetAllLayerCustomParam(CString& error, CArray<LAYERPARAM2013EX>& params, int forceInsert,
                                            int designType) {
  error.Empty();
  try {
    for (INT_PTR i = 0; i < params.GetSize(); ++i) {
      LAYERPARAM2013EX& param = params[i];
      if (!SetLayerCustomParam(&param, forceInsert, designType)) {
        error.Format(L"保存数据失败，图层:%s", param.LayerName);
        return 0;
      }
    }
    return 1;
  } catch (CException* e) {
    if (e != nullptr) e->Delete();
  } catch (...) {
  }
  error = L"保存图层出现异常";
  return 0;
}

int CCustomDatabase::UpdateLayerCustomParam(CString set, CString where, int id, int designType) {
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(designType, table, ado)) return 0;
    int is2013 = 0;
    if (!LayerTableIs2013(table, *ado, is2013) || !is2013) return 0;
    CString sql;
    if (id < 0)
      sql.Format(L"update %s set %s where %s>0 and %s ", s(table), s(set), kLayerID, s(where));
    else
      sql.Format(L"update %s set %s where %s=%d ", s(table), s(set), kLayerID, id);
    return ado->ExeSQL(sql, ado->GetConn());
  });
}

int CCustomDatabase::DeleteLayerCustomParam(LAYERPARAM2013EX* param) {
  if (param == nullptr || param->LayerID < 1) return 0;
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(-1, table, ado)) return 0;
    int is2013 = 0;
    if (!LayerTableIs2013(table, *ado, is2013) || !is2013) return 0;
    CString sql;
    sql.Format(L"delete from %s where %s=%d ", s(table), kLayerID, param->LayerID);
    return ado->ExeSQL(sql, ado->GetConn());
  });
}

int CCustomDatabase::DeleteLayerCustomParamAll(int user, int system) {
  return DeleteLayerRowsOfType(-1, user, system);
}

int CCustomDatabase::DeleteLayerRowsOfType(int designType, int user, int system) {
  if (!m_bOpen) return 0;
  if (!user && !system) return 1;
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(designType, table, ado)) return 0;
    CString sql;
    sql.Format(L"delete from %s ", s(table));
    CString condition;
    if (user && !system)
      condition.Format(L"where (%s='U' or %s='UR')", kLayerType, kLayerType);
    else if (system && !user)
      condition.Format(L"where (%s='S' or %s='SR' or %s='' or %s is null)", kLayerType, kLayerType, kLayerType,
                       kLayerType);
    return ado->ExeSQL(sql + condition, ado->GetConn());
  });
}

int CCustomDatabase::LayerCustomParamIdExists(int& exists, int designType) {
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(designType, table, ado)) return 0;
    int found = 0;
    if (!LayerTableIs2013(table, *ado, found)) return 0;
    exists = found;
    return 1;
  });
}

// --- lists --------------------------------------------------------------------

int CCustomDatabase::GetLayerCustomParam(CString filter, CArray<LAYERPARAM2013EX>& out) {
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(-1, table, ado)) return 0;
    CString sql;
    sql.Format(L"select * FROM %s ", s(table));
    if (!filter.IsEmpty()) sql += CString(L"where ") + filter;
    return appendRows(*ado, sql, out);
  });
}

int CCustomDatabase::GetAllLayerCustomParam(int groupMask, int designType, CString extra,
                                            CArray<LAYERPARAM2013EX>& out) {
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(designType, table, ado)) return 0;
    CString sql;
    if (groupMask == -1) {
      sql.Format(L"select * from %s ", s(table));
      if (!extra.IsEmpty()) sql += CString(L"where ") + extra;
    } else {
      sql.Format(L"select * from %s where %s ", s(table), s(GroupMaskPredicate(groupMask)));
      if (!extra.IsEmpty()) sql += CString(L"and ") + extra;
    }
    return appendRows(*ado, sql, out);
  });
}

int CCustomDatabase::GetAllLayerCustomParam(int groupMask, int designType, CArray<LAYERPARAM2013EX>& out) {
  return GetAllLayerCustomParam(groupMask, designType, CString(), out);
}

int CCustomDatabase::GetAllCombineLayerCustomParam(CString kind, int designType, CArray<LAYERPARAM2013EX>& out) {
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(designType, table, ado)) return 0;
    const wchar_t* t = table;
    const wchar_t* lt = kLayerType;
    CString sql;
    if (kind.CompareNoCase(L"S") == 0) {
      sql.Format(L"select * from %s where (%s='S' or %s='SR' or %s is null or %s='') order by %s,%s ", t, lt, lt, lt,
                 lt, kGpOrder, kLayerName);
    } else if (kind.CompareNoCase(L"U") == 0) {
      sql.Format(L"select * from %s where (%s='U' or %s='UR') order by %s,%s ", t, lt, lt, kGpOrder, kLayerName);
    } else if (kind.CompareNoCase(L"SU") == 0) {
      sql.Format(L"select * from %s order by %s ", t, kGpOrder);
    } else if (kind.IsEmpty()) {
      // User rows, and the system rows whose code no user row lists.
      sql.Format(L"select * from %s where ((%s='U' or %s='UR') or (%s='S' or %s='SR') and %s not in("
                 L"\t\t\t\t\t\t\t select b.%s from "
                 L"\t\t\t\t\t\t\t (select * from %s where (%s='U' or %s='UR')) a inner join "
                 L"\t\t\t\t\t\t\t (select * from %s where (%s='S' or %s='SR')) b on ';'+a.%s+';' like "
                 L"'%%;'+b.%s+';%%')) order by %s,%s ",
                 t, lt, lt, lt, lt, kLayerID, kLayerID, t, lt, lt, t, lt, lt, kItemCode, kItemCode, kGpOrder,
                 kLayerName);
    } else {
      return 0;
    }
    return appendRows(*ado, sql, out);
  });
}

int CCustomDatabase::GetAllItemCodeAndItemSysRelation(int designType, CStringArray& codes, CStringArray& items) {
  return GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(designType, table, ado)) return 0;
    CString sql;
    sql.Format(L"select * from %s where (%s='S' or %s='SR') order by %s,%s ", s(table), kLayerType, kLayerType,
               kGpOrder, kLayerName);
    CADORecordset rs;
    if (!ado->GetRecord(&rs, sql, ado->GetConn())) return 0;
    for (rs.MoveFirst(); !rs.IsEof(); rs.MoveNext()) {
      CString code, item;
      rs.GetFieldValue(kItemCode, code);
      rs.GetFieldValue(kItem, item);
      codes.Add(code);
      items.Add(item);
    }
    return 1;
  });
}

// --- relating user rows to system rows ------------------------------------------

int CCustomDatabase::AutoRelationLayerCustomParam(CString& error, int relate, int copyAll, int purge,
                                                  int designType) {
  error.Empty();
  try {
    CString table;
    CFADO* ado = nullptr;
    int is2013 = 0;
    if (!ResolveLayerTable(designType, table, ado) || !LayerTableIs2013(table, *ado, is2013) || !is2013) {
      error = relate ? L"用户图层匹配系统图层失败" : L"清除无效用户图层失败";
      return 0;
    }
    const wchar_t* t = table;
    const wchar_t* lt = kLayerType;
    const wchar_t* code = kItemCode;
    const wchar_t* item = kItem;
    if (relate) {
      static const wchar_t* const kShared[] = {L"ItemCode",  L"ItemApp",       L"LineTypeScale", L"LineWidth",
                                               L"TextType",  L"TextTypeScale", L"TextHeight",    L"EntType",
                                               L"ActionCmd", L"Expand1",       L"Expand2",       L"Expand3",
                                               L"Expand4",   L"Expand5",       L"Expand6"};
      const int count = copyAll ? static_cast<int>(sizeof(kShared) / sizeof(kShared[0])) : 1;
      CString set;
      for (int i = 0; i < count; ++i) {
        if (i > 0) set += L",";
        set.AppendFormat(L"a.%s=b.%s", kShared[i], kShared[i]);
      }
      CString sql;
      sql.Format(L"update \t\t\t\t\t\t\t\t (select * from %s where (%s='U' or %s='UR') and (%s is null or %s='')) a, "
                 L"\t\t\t\t\t\t\t\t (select * from %s where (%s='S' or %s='SR')) b \t\t\t\t\t\t\t\t set %s "
                 L"\t\t\t\t\t\t\t\t where (a.%s=b.%s and a.%s is not null and a.%s<>'' and left(a.%s,1)<>'U' ) ",
                 t, lt, lt, code, code, t, lt, lt, s(set), item, item, item, item, item);
      if (!ado->ExeSQL(sql, ado->GetConn())) {
        error = L"用户图层匹配系统图层失败";
        return 0;
      }
    }
    if (purge) {
      CString sql;
      sql.Format(L"delete from %s where (%s is null or %s='') and (%s is not null and %s<>'' and left(%s,1)<>'U') "
                 L"and %s not in \t\t\t\t\t\t\t\t\t (select a.%s from "
                 L"\t\t\t\t\t\t\t\t\t (select * from %s where (%s='U' or %s='UR')) a, "
                 L"\t\t\t\t\t\t\t\t\t (select * from %s where (%s='S' or %s='SR')) b "
                 L"\t\t\t\t\t\t\t\t\t where a.%s=b.%s and a.%s is not null and a.%s<>'') ",
                 t, code, code, item, item, item, kLayerID, kLayerID, t, lt, lt, t, lt, lt, item, item, item, item);
      if (!ado->ExeSQL(sql, ado->GetConn())) {
        error = L"清除无效用户图层失败";
        return 0;
      }
    }
    return 1;
  } catch (CException* e) {
    if (e != nullptr) e->Delete();
  } catch (...) {
  }
  error = L"关联图层出现异常";
  return 0;
}

}  // namespace VeskDB
