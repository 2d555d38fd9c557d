#pragma once
// An open connection to one standards database file. The module only passes
// it back into CFADO's operations and asks it for its connection string,
// "Provider=VeskData;Data Source=<path>;".
//
// Behind it: an SQLite (SQLCipher) database keyed with the password the file
// was opened with, the Access-dialect functions registered on it, and the
// translations and prepared statements of what ran on it (kept until the
// schema changes).
#include "mfc/CString.h"
#include "mfc/WinTypes.h"
#include "veskdata/AccessSqlTranslator.h"
#include "veskdata/DbSchemaCache.h"
#include "veskdata/SqlTranslationCache.h"
#include "veskdata/StatementCache.h"

struct sqlite3;

class CADOConnection {
 public:
  CADOConnection();
  ~CADOConnection();
  CADOConnection(const CADOConnection&) = delete;
  CADOConnection& operator=(const CADOConnection&) = delete;

  CString GetConnectionString() const { return m_connectionString; }
  BOOL IsOpen() const { return m_db != nullptr ? TRUE : FALSE; }
  // The database file as the caller named it (empty when closed).
  CString GetFilePath() const { return m_path; }

  // The statement as the engine runs it: from the cache when it was
  // translated before, else translated (with this database's column types)
  // and kept. False with the reason in error.
  bool Translate(const CString& accessSql, veskdata::TranslatedSql& out, CString& error);

  veskdata::SqlTranslationCache& TranslationCache() { return m_cache; }
  veskdata::StatementCache& Statements() { return m_statements; }
  veskdata::DbSchemaCache& Schema() { return m_schema; }
  sqlite3* GetHandle() const { return m_db; }

 private:
  friend class CFADO;
  void Attach(sqlite3* db, const CString& path);
  // Closes the engine connection; false (connection kept) when the engine
  // refuses, with its message in error.
  bool Detach(CString& error);
  // A table was created, altered or dropped through this connection.
  void SchemaChanged();

  sqlite3* m_db = nullptr;
  CString m_path;
  CString m_connectionString;
  veskdata::DbSchemaCache m_schema;
  veskdata::SqlTranslationCache m_cache;
  veskdata::StatementCache m_statements;
};
