// How a sibling module reads the planning standards: it opens the shipped
// standards database through the module's CCustomDatabase (the database file
// is found in the installed data root), then runs its own statements on the
// standards connection through CFADO, in the Access dialect the module
// speaks, the group-membership predicate included, and prints the rows.
#include <cstdio>
#include <string>

#include "veskcad/veskcad.h"

namespace {

std::string utf8(const CString& s) { return s.ToUtf8(); }

// Runs a query and prints the named columns of each row; the number of rows,
// or -1 when the query failed.
int printRows(CFADO& ado, const CString& sql, std::initializer_list<const wchar_t*> columns, int limit = 8) {
  CADORecordset rs;
  if (!ado.GetRecord(&rs, sql, ado.GetConn())) {
    std::printf("query failed: %s\n", utf8(ado.GetLastError()).c_str());
    return -1;
  }
  int rows = 0;
  if (!rs.IsEof()) {
    rs.MoveFirst();
    for (; !rs.IsEof(); rs.MoveNext(), ++rows) {
      if (rows >= limit) continue;
      std::string line = " ";
      for (const wchar_t* column : columns) {
        CString value;
        if (!rs.GetFieldValue(column, value, L"")) value.Empty();
        line += " " + utf8(value);
      }
      std::printf("%s\n", line.c_str());
    }
  }
  rs.Close();
  if (rows > limit) std::printf("  ... %d rows in all\n", rows);
  return rows;
}

}  // namespace

int main() {
  VeskDB::CCustomDatabase standards;  // default.mdb in the CAD common data folder
  std::printf("standards database: %s\n", utf8(standards.GetDefaultDbFullName()).c_str());
  if (!standards.Open()) {
    std::printf("cannot open the standards database\n");
    return 1;
  }
  CFADO& ado = standards.StandardsConnection();

  std::printf("modules (SELECT Item FROM 模块 ORDER BY GroupId):\n");
  if (printRows(ado, L"SELECT Item FROM 模块 ORDER BY GroupId", {L"Item"}) <= 0) return 1;

  // The members of the site-plan group (bit 10): OwnerGroup and the mask have
  // a bit in common, written with int() and ^ as the module writes it.
  CString sql = L"select item, LayerName, Color from 图层 where " + VeskDB::GroupMaskPredicate(1024);
  std::printf("site-plan layers (group mask 1024):\n");
  if (printRows(ado, sql, {L"Item", L"LayerName", L"Color"}) <= 0) return 1;

  // One item by name, its text built safely from the caller's text.
  CString item = L"道路中心线";
  sql.Format(L"select * from 图层 where item = '%s'", static_cast<const wchar_t*>(veskdata::SqlEscape(item)));
  std::printf("the item %s:\n", utf8(item).c_str());
  if (printRows(ado, sql, {L"Item", L"ItemCode", L"LayerName", L"Color", L"Linetype", L"Weight"}) != 1) return 1;

  // A text style row and a computed column: an Access expression the
  // translator turns into the engine's.
  std::printf("text styles (Item & ' ' & FontFile, Height * 2):\n");
  if (printRows(ado, L"select Item & ' / ' & FontFile as Label, Height*2 as Twice from 文本样式 order by Item",
                {L"Label", L"Twice"}, 4) <= 0)
    return 1;

  standards.Close();
  std::printf("done\n");
  return 0;
}
