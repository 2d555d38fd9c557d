#include "veskcad/standards/LayerTableSelect.h"

#include "veskcad/standards/CCustomDatabase.h"

namespace VeskDB {

CString LayerTableOfDesignType(int designType) {
  switch (designType) {
    case 0:
    case 4:
    case 6:
    case 8:
    case 9:
    case 10:
    case 15:
      return L"控规图层";
    case 1:
    case 5:
    case 16:
      return L"详规图层";
    case 2:
    case 3:
    case 7:
    case 11:
      return L"总图图层";
    default:  // 12, 13, 14, negative values and everything above 16
      return kPublicLayerTable;
  }
}

const LayerDbTable* LayerDatabaseTables(int& count) {
  static const LayerDbTable kTables[] = {
      {0, L"控规图层"}, {1, L"详规图层"}, {2, L"总图图层"}, {12, L"公共图层"}};
  count = static_cast<int>(sizeof(kTables) / sizeof(kTables[0]));
  return kTables;
}

CString GroupMaskPredicate(int mask) {
  CString sql;
  for (int i = 0; i < 16; ++i) {
    if (i > 0) sql += L"+";
    sql.AppendFormat(L"(int(OwnerGroup/2^%2d)-2*int(OwnerGroup/2^%2d))*(int(%d/2^%2d)-2*int(%d/2^%2d))", i, i + 1,
                     mask, i, mask, i + 1);
  }
  sql += L"<>0";
  return sql;
}

int CCustomDatabase::ResolveLayerTable(int designType, CString& table, CFADO*& ado) {
  table.Empty();
  ado = nullptr;
  if (!m_bOpen) return 0;
  if (m_nDBMode == 0) {
    table = kLayerTable;
    ado = &m_ado;
    return 1;
  }
  table = LayerTableOfDesignType(designType == -1 ? m_nDesignType : designType);
  ado = &m_adoLayer;
  return 1;
}

int CCustomDatabase::LayerTableIs2013(const CString& table, CFADO& ado, int& is2013) {
  is2013 = 0;
  return ado.FieldExists(table, L"LayerID", is2013, ado.GetConn());
}

}  // namespace VeskDB
