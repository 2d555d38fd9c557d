#include "veskdata/CFADO.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdio>
#include <new>
#include <string>
#include <vector>

#include "mfc/Utf8Convert.h"
#include "veskdata/AccessSqlFunctions.h"
#include "veskdata/AccessValue.h"
#include "veskfile/FileSystem.h"
#include "veskdata/SqlQuote.h"

namespace {

// How long a statement waits for a database another process has locked.
constexpr int kBusyTimeoutMs = 5000;

CString EngineMessage(sqlite3* db) { return db ? CString(sqlite3_errmsg(db)) : CString(L"内存不足"); }

// Keys a freshly opened handle and reads the schema with the key. Returns the
// engine's result code.
int KeyAndCheck(sqlite3* db, const std::string& password) {
  if (!password.empty()) {
    const int rc = sqlite3_key(db, password.data(), static_cast<int>(password.size()));
    if (rc != SQLITE_OK) return rc;
  }
  return sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
}

}  // namespace

CFADO::CFADO() = default;

CFADO::~CFADO() {
  CString ignored;
  m_conn.Detach(ignored);
}

CString CFADO::EscapeText(const CString& text) { return veskdata::SqlEscape(text); }

bool CFADO::CheckOpen(CADOConnection* conn) {
  if (!conn) {
    m_lastError = L"连接对象为空";
    return false;
  }
  if (!conn->IsOpen()) {
    m_lastError = L"数据库连接未打开";
    return false;
  }
  return true;
}

int CFADO::OpenExternConn(const CString& path, int /*type*/, const CString& /*user*/, const CString& password,
                          CADOConnection* conn) {
  m_lastError.Empty();
  try {
    if (!conn) {
      m_lastError = L"连接对象为空";
      return 0;
    }
    if (conn->IsOpen() && !CloseConn(conn)) return 0;
    const std::string native = veskfile::ResolvePathUtf8(path);
    if (!veskfile::FileExist(path)) {
      m_lastError = L"数据库文件不存在: " + path;
      return 0;
    }
    const std::string key = password.ToUtf8();
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(native.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
      m_lastError = L"无法打开数据库文件: " + path + L"（" + EngineMessage(db) + L"）";
      sqlite3_close(db);
      return 0;
    }
    rc = KeyAndCheck(db, key);
    if (rc != SQLITE_OK && !key.empty()) {
      // An unprotected database opens whatever password is given, as it did
      // with the original driver.
      sqlite3* plain = nullptr;
      if (sqlite3_open_v2(native.c_str(), &plain, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
          KeyAndCheck(plain, std::string()) == SQLITE_OK) {
        sqlite3_close(db);
        db = plain;
        rc = SQLITE_OK;
      } else {
        sqlite3_close(plain);
      }
    }
    if (rc != SQLITE_OK) {
      const CString engine = EngineMessage(db);
      sqlite3_close(db);
      if (rc == SQLITE_NOTADB) {
        m_lastError = L"数据库密码错误或文件不是有效的数据库: " + path + L"（" + engine + L"）";
      } else {
        m_lastError = L"无法读取数据库: " + path + L"（" + engine + L"）";
      }
      return 0;
    }
    const char* fnError = nullptr;
    if (!veskdata::RegisterAccessSqlFunctions(db, &fnError)) {
      m_lastError = L"无法注册数据库函数: " + CString(fnError ? fnError : "");
      sqlite3_close(db);
      return 0;
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    conn->Attach(db, path);
    return 1;
  } catch (const std::bad_alloc&) {
    m_lastError = L"内存不足";
    return 0;
  }
}

int CFADO::CreateNewDatabase(const CString& path, const CString& password, CADOConnection* conn) {
  m_lastError.Empty();
  try {
    if (!conn) {
      m_lastError = L"连接对象为空";
      return 0;
    }
    if (conn->IsOpen() && !CloseConn(conn)) return 0;
    CString p(path);
    p.Replace(L'\\', L'/');
    const std::string native = p.ToUtf8();
    if (native.empty()) {
      m_lastError = L"数据库文件名为空";
      return 0;
    }
    if (FILE* f = std::fopen(native.c_str(), "rb")) {
      std::fclose(f);
      m_lastError = L"数据库文件已存在: " + path;
      return 0;
    }
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(native.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    const std::string key = password.ToUtf8();
    if (rc == SQLITE_OK && !key.empty()) rc = sqlite3_key(db, key.data(), static_cast<int>(key.size()));
    // Writing the first page fixes the key in the file.
    if (rc == SQLITE_OK) {
      rc = sqlite3_exec(db, "CREATE TABLE vk_new(x); DROP TABLE vk_new;", nullptr, nullptr, nullptr);
    }
    const char* fnError = nullptr;
    if (rc == SQLITE_OK && !veskdata::RegisterAccessSqlFunctions(db, &fnError)) rc = SQLITE_ERROR;
    if (rc != SQLITE_OK) {
      m_lastError = L"无法创建数据库文件: " + path + L"（" + EngineMessage(db) + L"）";
      sqlite3_close(db);
      std::remove(native.c_str());
      return 0;
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    conn->Attach(db, path);
    return 1;
  } catch (const std::bad_alloc&) {
    m_lastError = L"内存不足";
    return 0;
  }
}

int CFADO::CloseConn(CADOConnection* conn) {
  m_lastError.Empty();
  if (!conn) {
    m_lastError = L"连接对象为空";
    return 0;
  }
  CString error;
  if (!conn->Detach(error)) {
    m_lastError = error;
    return 0;
  }
  return 1;
}

int CFADO::Run(CADOConnection* conn, const CString& sql, CADORecordset* rs) {
  m_lastError.Empty();
  try {
    if (rs) rs->Close();
    if (!CheckOpen(conn)) return 0;
    veskdata::TranslatedSql translated;
    CString why;
    if (!conn->Translate(sql, translated, why)) {
      m_lastError = L"SQL语句无法转换: " + why + L"\n语句: " + sql;
      return 0;
    }
    sqlite3* db = conn->GetHandle();
    std::string engineError;
    int rc = SQLITE_OK;
    veskdata::StatementCache::Entry* entry = conn->Statements().Acquire(db, translated.sql, engineError);
    for (std::size_t i = 0; entry && i < translated.params.size(); ++i) {
      const veskdata::SqlParameter& p = translated.params[i];
      const int n = static_cast<int>(i + 1);
      int brc = SQLITE_OK;
      switch (p.kind) {
        case veskdata::SqlParameter::Kind::Integer:
          brc = sqlite3_bind_int64(entry->stmt, n, p.integer);
          break;
        case veskdata::SqlParameter::Kind::Real:
          brc = sqlite3_bind_double(entry->stmt, n, p.real);
          break;
        case veskdata::SqlParameter::Kind::Text:
          brc = sqlite3_bind_text(entry->stmt, n, p.text.data(), static_cast<int>(p.text.size()), SQLITE_STATIC);
          break;
      }
      if (brc != SQLITE_OK) {
        engineError = sqlite3_errmsg(db);
        conn->Statements().Release(entry);
        entry = nullptr;
      }
    }
    if (!entry) {
      rc = SQLITE_ERROR;
    } else if (rs) {
      if (!rs->Load(entry->stmt, entry->columns, engineError)) rc = SQLITE_ERROR;
    } else {
      while ((rc = sqlite3_step(entry->stmt)) == SQLITE_ROW) {
      }
      if (rc == SQLITE_DONE) {
        rc = SQLITE_OK;
      } else {
        engineError = sqlite3_errmsg(db);
      }
    }
    conn->Statements().Release(entry);
    if (translated.kind == veskdata::SqlStatementKind::Schema) conn->SchemaChanged();
    if (rc != SQLITE_OK) {
      m_lastError = L"执行SQL语句失败: " + CString::FromUtf8(engineError) + L"\n语句: " + sql + L"\n转换为: " +
                    CString::FromUtf8(translated.sql);
      return 0;
    }
    if (rs && !rs->IsOpen()) rs->m_open = true;  // a statement without rows still answers
    return 1;
  } catch (const std::bad_alloc&) {
    if (rs) rs->Close();
    m_lastError = L"内存不足: " + sql;
    return 0;
  }
}

int CFADO::ExeSQL(const CString& sql, CADOConnection* conn) { return Run(conn, sql, nullptr); }

int CFADO::GetRecord(CADORecordset* rs, const CString& sql, CADOConnection* conn) {
  if (!rs) {
    m_lastError = L"记录集对象为空";
    return 0;
  }
  return Run(conn, sql, rs);
}

int CFADO::FieldExists(const CString& table, const CString& field, int& found, CADOConnection* conn) {
  m_lastError.Empty();
  if (!CheckOpen(conn)) return 0;
  veskdata::SqlColumnList columns;
  if (!veskdata::DbSchemaCache::ReadTableColumns(conn->GetHandle(), std::wstring(table.GetString()), columns)) {
    m_lastError = L"数据表不存在: " + table;
    return 0;
  }
  found = 0;
  for (const auto& c : columns) {
    if (CString(c.name.c_str()).CompareNoCase(field) == 0) found = 1;
  }
  return 1;
}

int CFADO::FieldExists(const CString& field, int& found, CADORecordset* rs) {
  m_lastError.Empty();
  if (!rs || !rs->IsOpen()) {
    m_lastError = L"记录集未打开";
    return 0;
  }
  found = rs->HasField(field) ? 1 : 0;
  return 1;
}

int CFADO::GetNextIDByMax(const CString& table, const CString& field, CADOConnection* conn) {
  m_lastError.Empty();
  if (!CheckOpen(conn)) return 0;
  const std::wstring sql = L"SELECT max(" + veskdata::AccessSqlTranslator::QuoteName(field.GetString()) + L") FROM " +
                           veskdata::AccessSqlTranslator::QuoteName(table.GetString());
  const std::string utf8 = veskhost::mfc::WideToUtf8(sql.data(), sql.size());
  sqlite3* db = conn->GetHandle();
  sqlite3_stmt* stmt = nullptr;
  int rc = sqlite3_prepare_v2(db, utf8.c_str(), static_cast<int>(utf8.size()), &stmt, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_step(stmt);
  if (rc != SQLITE_ROW) {
    m_lastError = L"读取最大编号失败: " + EngineMessage(db) + L"\n语句: " + CString(sql.c_str());
    sqlite3_finalize(stmt);
    return 0;
  }
  double maxValue = 0;
  bool ok = true;
  switch (sqlite3_column_type(stmt, 0)) {
    case SQLITE_NULL:
      break;  // an empty table: the first id is 1
    case SQLITE_INTEGER:
      maxValue = static_cast<double>(sqlite3_column_int64(stmt, 0));
      break;
    case SQLITE_FLOAT:
      maxValue = sqlite3_column_double(stmt, 0);
      break;
    default: {
      const char* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
      ok = veskdata::TextToNumber(t ? t : "", maxValue);
      break;
    }
  }
  sqlite3_finalize(stmt);
  std::int64_t next = 0;
  if (!ok || !veskdata::RoundToInteger(std::floor(maxValue) + 1, 1, 2147483647, next)) {
    m_lastError = L"字段 " + field + L" 的最大值不是有效的编号";
    return 0;
  }
  return static_cast<int>(next);
}

int CFADO::RunPlain(CADOConnection* conn, const char* sql, const wchar_t* what) {
  m_lastError.Empty();
  if (!CheckOpen(conn)) return 0;
  if (sqlite3_exec(conn->GetHandle(), sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
    m_lastError = CString(what) + L"失败: " + EngineMessage(conn->GetHandle());
    return 0;
  }
  return 1;
}

int CFADO::BeginTrans(CADOConnection* conn) { return RunPlain(conn, "BEGIN", L"开始事务"); }
int CFADO::CommitTrans(CADOConnection* conn) { return RunPlain(conn, "COMMIT", L"提交事务"); }
int CFADO::RollbackTrans(CADOConnection* conn) {
  const int ok = RunPlain(conn, "ROLLBACK", L"回滚事务");
  if (conn) conn->SchemaChanged();  // a table created in the transaction is gone again
  return ok;
}
