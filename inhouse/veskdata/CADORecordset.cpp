#include "veskdata/CADORecordset.h"

#include <sqlite3.h>

#include <cstdio>
#include <cwctype>
#include <limits>

#include "mfc/Utf8Convert.h"
#include "veskdata/AccessValue.h"

namespace {

struct DateTimeParts {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// "YYYY-MM-DD", "YYYY-MM-DD HH:MM[:SS]" (or with 'T'), "HH:MM[:SS]".
bool ParseDateTime(const std::string& s, DateTimeParts& p) {
  int n = 0;
  if (std::sscanf(s.c_str(), "%4d-%2d-%2d%n", &p.year, &p.month, &p.day, &n) == 3) {
    const char* rest = s.c_str() + n;
    if (*rest == 0) return true;
    if (*rest != ' ' && *rest != 'T') return false;
    ++rest;
    int m = 0;
    p.second = 0;
    if (std::sscanf(rest, "%2d:%2d%n", &p.hour, &p.minute, &m) != 2) return false;
    rest += m;
    if (*rest == ':') {
      if (std::sscanf(rest + 1, "%2d%n", &p.second, &m) != 1) return false;
      rest += 1 + m;
    }
    if (*rest == '.') {  // fractions of a second
      ++rest;
      while (*rest >= '0' && *rest <= '9') ++rest;
    }
    return *rest == 0;
  }
  p = DateTimeParts();
  p.year = 1899, p.month = 12, p.day = 30;
  n = 0;
  if (std::sscanf(s.c_str(), "%2d:%2d%n", &p.hour, &p.minute, &n) == 2) {
    const char* rest = s.c_str() + n;
    int m = 0;
    if (*rest == ':' && std::sscanf(rest + 1, "%2d%n", &p.second, &m) == 1) rest += 1 + m;
    return *rest == 0;
  }
  return false;
}

std::wstring FormatDateTime(const DateTimeParts& p, const std::wstring& format) {
  std::wstring out;
  wchar_t buf[16];
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format[i] != L'%' || i + 1 >= format.size()) {
      out += format[i];
      continue;
    }
    const wchar_t f = format[++i];
    switch (f) {
      case L'Y': std::swprintf(buf, 16, L"%04d", p.year); break;
      case L'y': std::swprintf(buf, 16, L"%02d", p.year % 100); break;
      case L'm': std::swprintf(buf, 16, L"%02d", p.month); break;
      case L'd': std::swprintf(buf, 16, L"%02d", p.day); break;
      case L'H': std::swprintf(buf, 16, L"%02d", p.hour); break;
      case L'M': std::swprintf(buf, 16, L"%02d", p.minute); break;
      case L'S': std::swprintf(buf, 16, L"%02d", p.second); break;
      case L'%': std::swprintf(buf, 16, L"%%"); break;
      default: std::swprintf(buf, 16, L"%%%lc", static_cast<wint_t>(f)); break;
    }
    out += buf;
  }
  return out;
}

}  // namespace

CADORecordset::CADORecordset() = default;
CADORecordset::~CADORecordset() = default;

void CADORecordset::Close() {
  m_open = false;
  m_columns.reset();
  m_cells.clear();
  m_rowCount = 0;
  m_current = 0;
}

int CADORecordset::MoveFirst() {
  if (!m_open) return 0;
  m_current = 0;
  return 1;
}

int CADORecordset::MoveNext() {
  if (!m_open || m_current >= m_rowCount) return 0;
  ++m_current;
  return 1;
}

CString CADORecordset::GetFieldName(int index) const {
  if (index < 0 || index >= GetFieldCount()) return CString();
  return CString(m_columns->Name(index).c_str());
}

int CADORecordset::FieldIndex(const CString& name) const { return m_columns ? m_columns->Find(name) : -1; }

const CADORecordset::Cell* CADORecordset::CurrentCell(const CString& name) const {
  if (!m_open || m_current >= m_rowCount) return nullptr;
  const int col = FieldIndex(name);
  if (col < 0) return nullptr;
  return &m_cells[m_current * static_cast<std::size_t>(m_columns->Count()) + static_cast<std::size_t>(col)];
}

BOOL CADORecordset::IsFieldNull(const CString& name) const {
  const Cell* c = CurrentCell(name);
  return (c && c->type == CellType::Null) ? TRUE : FALSE;
}

bool CADORecordset::Load(sqlite3_stmt* stmt, std::shared_ptr<const veskdata::ResultColumns>& columns,
                         std::string& error) {
  Close();
  if (!columns || !columns->Matches(stmt)) columns = std::make_shared<const veskdata::ResultColumns>(stmt);
  m_columns = columns;
  const int count = columns->Count();
  for (;;) {
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_DONE) break;
    if (rc != SQLITE_ROW) {
      error = sqlite3_errmsg(sqlite3_db_handle(stmt));
      Close();
      return false;
    }
    for (int i = 0; i < count; ++i) {
      Cell c;
      switch (sqlite3_column_type(stmt, i)) {
        case SQLITE_INTEGER:
          c.type = CellType::Integer;
          c.integer = sqlite3_column_int64(stmt, i);
          break;
        case SQLITE_FLOAT:
          c.type = CellType::Real;
          c.real = sqlite3_column_double(stmt, i);
          break;
        case SQLITE_TEXT: {
          c.type = CellType::Text;
          const char* t = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
          c.text.assign(t ? t : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, i)));
          break;
        }
        case SQLITE_BLOB: {
          c.type = CellType::Blob;
          const char* b = static_cast<const char*>(sqlite3_column_blob(stmt, i));
          c.text.assign(b ? b : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, i)));
          break;
        }
        default:
          break;
      }
      m_cells.push_back(std::move(c));
    }
    ++m_rowCount;
  }
  m_open = true;
  m_current = 0;
  return true;
}

int CADORecordset::GetFieldValue(const CString& name, int& value) const {
  const Cell* c = CurrentCell(name);
  if (!c) return 0;
  double d = 0;
  switch (c->type) {
    case CellType::Integer:
      if (c->integer < std::numeric_limits<int>::min() || c->integer > std::numeric_limits<int>::max()) return 0;
      value = static_cast<int>(c->integer);
      return 1;
    case CellType::Real:
      d = c->real;
      break;
    case CellType::Text:
      if (!veskdata::TextToNumber(c->text, d)) return 0;
      break;
    default:
      return 0;
  }
  std::int64_t v = 0;
  if (!veskdata::RoundToInteger(d, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), v)) return 0;
  value = static_cast<int>(v);
  return 1;
}

int CADORecordset::GetFieldValue(const CString& name, double& value) const {
  const Cell* c = CurrentCell(name);
  if (!c) return 0;
  switch (c->type) {
    case CellType::Integer:
      value = static_cast<double>(c->integer);
      return 1;
    case CellType::Real:
      value = c->real;
      return 1;
    case CellType::Text: {
      double d = 0;
      if (!veskdata::TextToNumber(c->text, d)) return 0;
      value = d;
      return 1;
    }
    default:
      return 0;
  }
}

int CADORecordset::GetFieldValue(const CString& name, CString& value, const CString& format) const {
  const Cell* c = CurrentCell(name);
  if (!c) return 0;
  std::string text;
  switch (c->type) {
    case CellType::Integer:
      text = veskdata::IntegerToText(c->integer);
      break;
    case CellType::Real:
      text = veskdata::NumberToText(c->real);
      break;
    case CellType::Text:
      text = c->text;
      break;
    default:
      return 0;  // Null, or binary data that is no text
  }
  if (!format.IsEmpty()) {
    DateTimeParts parts;
    if (ParseDateTime(text, parts)) {
      value = FormatDateTime(parts, std::wstring(format.GetString())).c_str();
      return 1;
    }
  }
  value = CString::FromUtf8(text);
  return 1;
}
