#pragma once
// The rows of one query, read by CFADO::GetRecord. A forward cursor as the
// module uses it (MoveFirst, then IsEof / GetFieldValue / MoveNext); the rows
// are held in memory, so MoveFirst can start over. Column names match
// without regard to case.
//
// GetFieldValue converts as a variant conversion would: a text "12" read as
// an int gives 12, a number read as text gives its Access form ("0.75", "3"),
// halves round to even. A Null value, a missing column, a text that is no
// number, or no current row make it fail (0) and leave the output unchanged;
// the caller then uses its default.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "mfc/CString.h"
#include "mfc/WinTypes.h"
#include "veskdata/ResultColumns.h"

struct sqlite3_stmt;

class CADORecordset {
 public:
  CADORecordset();
  ~CADORecordset();
  CADORecordset(const CADORecordset&) = delete;
  CADORecordset& operator=(const CADORecordset&) = delete;

  BOOL IsOpen() const { return m_open ? TRUE : FALSE; }
  BOOL IsEof() const { return m_current >= m_rowCount ? TRUE : FALSE; }
  BOOL IsEOF() const { return IsEof(); }
  BOOL IsBof() const { return (m_rowCount == 0 || m_current == 0) ? TRUE : FALSE; }

  // Cursor movement; 0 when there is nowhere to go (closed, past the end).
  int MoveFirst();
  int MoveNext();
  void Close();

  long GetRecordCount() const { return static_cast<long>(m_rowCount); }
  int GetFieldCount() const { return m_columns ? m_columns->Count() : 0; }
  CString GetFieldName(int index) const;
  BOOL HasField(const CString& name) const { return FieldIndex(name) >= 0 ? TRUE : FALSE; }
  BOOL IsFieldNull(const CString& name) const;

  int GetFieldValue(const CString& name, int& value) const;
  int GetFieldValue(const CString& name, double& value) const;
  // format: empty for the value as it is; else a date format ("%Y-%m-%d",
  // with %Y %y %m %d %H %M %S %%) applied to a date or time value.
  int GetFieldValue(const CString& name, CString& value, const CString& format = CString()) const;

 private:
  friend class CFADO;
  enum class CellType : unsigned char { Null, Integer, Real, Text, Blob };
  struct Cell {
    CellType type = CellType::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string text;  // UTF-8 text or the bytes of a blob
  };

  // Reads every row of a prepared statement; false with the engine's
  // message. columns: the statement's columns when known (they are checked).
  bool Load(sqlite3_stmt* stmt, std::shared_ptr<const veskdata::ResultColumns>& columns, std::string& error);
  int FieldIndex(const CString& name) const;
  const Cell* CurrentCell(const CString& name) const;

  bool m_open = false;
  std::shared_ptr<const veskdata::ResultColumns> m_columns;
  std::vector<Cell> m_cells;  // row by row
  std::size_t m_rowCount = 0;
  std::size_t m_current = 0;
};
