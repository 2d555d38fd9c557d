#include "veskdata/CADOConnection.h"

#include <sqlite3.h>

#include "veskdata/AccessSqlError.h"

CADOConnection::CADOConnection() = default;

CADOConnection::~CADOConnection() {
  m_statements.Clear();
  if (m_db) sqlite3_close_v2(m_db);
}

void CADOConnection::Attach(sqlite3* db, const CString& path) {
  m_db = db;
  m_path = path;
  m_connectionString = L"Provider=VeskData;Data Source=" + path + L";";
  m_schema.Reset(db);
  m_cache.Clear();
  m_statements.Clear();
}

bool CADOConnection::Detach(CString& error) {
  if (!m_db) return true;
  m_statements.Clear();
  if (sqlite3_close(m_db) != SQLITE_OK) {
    error = L"关闭数据库失败: " + CString(sqlite3_errmsg(m_db));
    return false;
  }
  m_db = nullptr;
  m_path.Empty();
  m_connectionString.Empty();
  m_schema.Reset(nullptr);
  m_cache.Clear();
  return true;
}

void CADOConnection::SchemaChanged() {
  m_schema.Clear();
  m_cache.Clear();
  m_statements.Clear();
}

bool CADOConnection::Translate(const CString& accessSql, veskdata::TranslatedSql& out, CString& error) {
  const std::wstring key(accessSql.GetString());
  if (const veskdata::TranslatedSql* hit = m_cache.Find(key)) {
    out = *hit;
    return true;
  }
  try {
    veskdata::AccessSqlTranslator translator(m_db ? &m_schema : nullptr);
    out = translator.Translate(key);
  } catch (const veskdata::AccessSqlError& e) {
    error = e.Describe().c_str();
    return false;
  }
  m_cache.Insert(key, out);
  return true;
}
