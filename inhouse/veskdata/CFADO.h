#pragma once
// VeskData's connection holder: one CADOConnection of its own, and the
// operations the standards database runs on a connection (its own or any
// other). All int results are non-zero for success; GetLastError() gives the
// reason of the last failure, in the engine's words.
//
// Statements are written in the Access dialect and translated for the engine
// (AccessSqlTranslator). Database files are SQLite files keyed with their
// password; an empty password means an unencrypted file.
#include "mfc/CString.h"
#include "veskdata/CADOConnection.h"
#include "veskdata/CADORecordset.h"

class CFADO {
 public:
  CFADO();
  ~CFADO();  // closes its own connection
  CFADO(const CFADO&) = delete;
  CFADO& operator=(const CFADO&) = delete;

  CADOConnection* GetConn() { return &m_conn; }

  // Opens an existing database file (never creates one): keys it with the
  // password and checks the key by reading the schema. type and user are
  // kept for the callers' sake and not used. A wrong password fails with a
  // text containing "密码"; a missing file with one naming the file.
  int OpenExternConn(const CString& path, int type, const CString& user, const CString& password,
                     CADOConnection* conn);
  // Creates a new database file keyed with the password (empty: unencrypted)
  // and opens it on the connection; fails when the file exists.
  int CreateNewDatabase(const CString& path, const CString& password, CADOConnection* conn);
  // Closes the connection; closing one that is not open succeeds.
  int CloseConn(CADOConnection* conn);

  CString GetLastError() const { return m_lastError; }

  // A statement that returns no rows (INSERT, UPDATE, DELETE, ALTER, CREATE ...).
  int ExeSQL(const CString& sql, CADOConnection* conn);
  // A query; the recordset receives its rows (none is still success).
  int GetRecord(CADORecordset* rs, const CString& sql, CADOConnection* conn);

  // found := whether the table has the column; 0 when the table is missing.
  int FieldExists(const CString& table, const CString& field, int& found, CADOConnection* conn);
  // found := whether the recordset has the column; 0 when it is not open.
  int FieldExists(const CString& field, int& found, CADORecordset* rs);

  // One more than the largest value of the column (1 for an empty table);
  // 0 on failure.
  int GetNextIDByMax(const CString& table, const CString& field, CADOConnection* conn);

  int BeginTrans(CADOConnection* conn);
  int CommitTrans(CADOConnection* conn);
  int RollbackTrans(CADOConnection* conn);

  // A text made safe to stand between the quotes of a statement (' doubled).
  static CString EscapeText(const CString& text);

 private:
  bool CheckOpen(CADOConnection* conn);
  int Run(CADOConnection* conn, const CString& sql, CADORecordset* rs);
  int RunPlain(CADOConnection* conn, const char* sql, const wchar_t* what);

  CADOConnection m_conn;
  CString m_lastError;
};
