// The layer table upgrade: a layer database of the classic generation becomes
// a copy of the 2013 template holding the user's rows, related to the
// template's system rows; and the single missing column of older 2013 tables.
#include <cstdio>
#include <vector>

#include "arx/ed/AcutPrintf.h"
#include "veskcad/standards/CCustomDatabase.h"
#include "veskcad/standards/LayerOpGuard.h"
#include "veskcad/standards/LayerTableSelect.h"
#include "veskfile/FileIo.h"
#include "veskfile/FileSystem.h"
#include "veskfile/PathText.h"

namespace VeskDB {

namespace {

// Where the folder "STANDARDS" stands in path between two separators (either
// kind, any letter case): the index of the separator before it, or -1.
int findStandardsFolder(const CString& path) {
  CString upper = path;
  upper.MakeUpper();
  for (int i = 0; i + 10 < upper.GetLength(); ++i) {
    if (veskfile::IsPathSeparator(upper[i]) && upper.Mid(i + 1, 9) == L"STANDARDS" &&
        veskfile::IsPathSeparator(upper[i + 10]))
      return i;
  }
  return -1;
}

// "<before STANDARDS>/config/数据库/default_Layer2013.mdb", written with the
// separator the path uses there.
CString templatePathOf(const CString& path, int standardsAt) {
  const wchar_t sep = path[standardsAt];
  CString out = path.Left(standardsAt);
  out += sep;
  out += L"config";
  out += sep;
  out += L"数据库";
  out += sep;
  out += L"default_Layer2013.mdb";
  return out;
}

// The database path with its ".mdb" replaced by "(2013).BAK" (a name with
// another extension keeps it, so the backup never names the database).
CString backupPathOf(const CString& path) {
  const CString ext = veskfile::GetFileExt(path);
  CString stem = path;
  if (ext.CompareNoCase(L".mdb") == 0) stem = path.Left(path.GetLength() - ext.GetLength());
  return stem + L"(2013).BAK";
}

void removeFile(const CString& path) { std::remove(veskfile::ResolvePathUtf8(path).c_str()); }

bool isUserType(const CString& type) { return type.CompareNoCase(L"U") == 0 || type.CompareNoCase(L"UR") == 0; }

// The rows of one table of the old database.
struct OldLayerTable {
  int designType = 0;
  bool classic = true;
  CArray<LAYERPARAM2013EX> rows;
};

}  // namespace

int CCustomDatabase::UpgradeLayerCustomParamEx2013Db(CString& error, int designType) {
  error.Empty();
  try {
    int has2013 = 0;
    if (!LayerCustomParamIdExists(has2013, designType)) {
      error = L"判断数据库信息失败！";
      return 0;
    }
    if (has2013) return 1;
    acutPrintf(L"\n系统发现图层数据库需要升级，启动升级...");
    const int done = UpgradeClassicLayerDb(error, designType);
    if (!done) acutPrintf(L"%s%s", L"\n系统自动升级失败！", static_cast<const wchar_t*>(error));
    return done;
  } catch (CException* e) {
    if (e != nullptr) e->Delete();
  } catch (...) {
  }
  error = L"升级数据库失败";
  acutPrintf(L"\n%s", static_cast<const wchar_t*>(error));
  return 0;
}

int CCustomDatabase::UpgradeClassicLayerDb(CString& error, int designType) {
  // The files: the open layer database, the template, the backup.
  CString layerDb;
  if (m_nDBMode != 1 || !GetCurOpenLayerDbPath(layerDb, 0) || layerDb.IsEmpty()) {
    error = L"未找到对应数据库字符串！";
    return 0;
  }
  const int standardsAt = findStandardsFolder(layerDb);
  if (standardsAt < 0) {
    error = L"未找到对应数据库字符串“\\Standards\\”！";
    return 0;
  }
  const CString templateDb = templatePathOf(layerDb, standardsAt);
  const CString backup = backupPathOf(layerDb);

  // Every row of every layer table of the old database (the table of the
  // design type must be there; the others are read when present).
  CString mainTable;
  CFADO* ado = nullptr;
  if (!ResolveLayerTable(designType, mainTable, ado)) {
    error = L"获取老数据库记录失败！";
    return 0;
  }
  int tableCount = 0;
  const LayerDbTable* tables = LayerDatabaseTables(tableCount);
  std::vector<OldLayerTable> old;
  for (int i = 0; i < tableCount; ++i) {
    int is2013 = 0;
    const bool present = LayerTableIs2013(tables[i].table, m_adoLayer, is2013) != 0;
    if (!present && mainTable != tables[i].table) continue;
    OldLayerTable entry;
    entry.designType = tables[i].designType;
    entry.classic = is2013 == 0;
    if (!present || !GetAllLayerCustomParam(8191, entry.designType, entry.rows)) {
      error = L"获取老数据库记录失败！";
      return 0;
    }
    old.push_back(std::move(entry));
  }

  // The backup. An existing one is never replaced; the upgrade then keeps a
  // copy of its own to put back on failure.
  Close();
  const bool hadBackup = veskfile::FileExist(backup) != 0;
  if (!hadBackup) veskfile::CopyFileNoOverwrite(layerDb, backup, true);
  if (!veskfile::FileExist(backup)) {
    error = L"备份数据库失败！";
    Open();
    return 0;
  }
  CString savedCopy = backup;
  if (hadBackup) {
    savedCopy = layerDb + L".upgrading";
    if (!veskfile::CopyFileNoOverwrite(layerDb, savedCopy, false)) {
      error = L"备份数据库失败！";
      Open();
      return 0;
    }
  }
  auto dropSavedCopy = [&] {
    if (savedCopy != backup) removeFile(savedCopy);
  };

  // The template takes the place of the old file.
  if (!veskfile::CopyFileNoOverwrite(templateDb, layerDb, false)) {
    error = L"复制替换文件失败！";
    dropSavedCopy();
    Open();
    return 0;
  }

  try {
    // Reopen, and clear the template's user rows.
    bool cleared = SetCustomDBPath(layerDb) != 0;
    for (int i = 0; cleared && i < tableCount; ++i) {
      int is2013 = 0;
      const bool present = LayerTableIs2013(tables[i].table, m_adoLayer, is2013) != 0;
      if (!present && mainTable != tables[i].table) continue;
      cleared = present && is2013 && DeleteLayerRowsOfType(tables[i].designType, 1, 0);
    }
    if (!cleared) {
      error = L"删除模板数据库用户记录失败！";
      RestoreLayerDb(layerDb, savedCopy);
      return 0;
    }

    // The old user rows (rows without a type count as user rows) become new
    // rows; the old system rows give way to the template's.
    for (OldLayerTable& table : old) {
      for (INT_PTR r = 0; r < table.rows.GetSize(); ++r) {
        LAYERPARAM2013EX row = table.rows[r];
        if (table.classic) {
          row.LineTypeScale = 1.0;
          row.LineWidth = 0;
          row.TextTypeScale = 0.75;
          row.TextHeight = 0;
        }
        if (row.LayerType.IsEmpty()) row.LayerType = L"U";
        if (!isUserType(row.LayerType)) continue;
        row.LayerID = 0;
        const CString item = row.Item;
        if (!SetLayerCustomParam(static_cast<const wchar_t*>(item), &row, 1, table.designType)) {
          error.Format(L"写数据库记录“%s”失败！", static_cast<const wchar_t*>(item));
          RestoreLayerDb(layerDb, savedCopy);
          return 0;
        }
      }
    }

    // Relate them to the system rows: codes and shared attributes, and the
    // rows that match nothing removed.
    for (const OldLayerTable& table : old) {
      if (!AutoRelationLayerCustomParam(error, 1, 1, 1, table.designType)) {
        RestoreLayerDb(layerDb, savedCopy);
        return 0;
      }
    }
  } catch (...) {
    RestoreLayerDb(layerDb, savedCopy);
    throw;
  }

  dropSavedCopy();
  acutPrintf(L"\n系统自动升级\"%s\"成功！同时相同目录下做好了备份。\n ",
             static_cast<const wchar_t*>(veskfile::GetFileName(layerDb)));
  return 1;
}

void CCustomDatabase::RestoreLayerDb(const CString& layerDb, const CString& savedCopy) {
  Close();
  veskfile::CopyFileNoOverwrite(savedCopy, layerDb, false);
  if (savedCopy != backupPathOf(layerDb)) removeFile(savedCopy);
  SetCustomDBPath(layerDb);
}

int CCustomDatabase::UpgradeLayerCustomParamTable(CString& error, int designType) {
  error.Empty();
  const int done = GuardLayerOp([&] {
    CString table;
    CFADO* ado = nullptr;
    if (!ResolveLayerTable(designType, table, ado)) return 0;
    CString sql;
    sql.Format(L"alter table %s add column LineTypeScale single DEFAULT 1 ", static_cast<const wchar_t*>(table));
    return ado->ExeSQL(sql, ado->GetConn());
  });
  if (!done) error = L"升级数据库失败";
  return done;
}

}  // namespace VeskDB
