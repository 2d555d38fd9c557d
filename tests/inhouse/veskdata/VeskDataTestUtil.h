#pragma once
// Helpers of the VeskData tests: a scratch folder removed afterwards, and
// short ways to run statements and read single values.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "veskdata/CFADO.h"

namespace vdtest {

class TempDir {
 public:
  TempDir() {
    // In memory when the system offers it: every commit syncs the file.
    char shm[] = "/dev/shm/veskdata-test-XXXXXX";
    char tmp[] = "/tmp/veskdata-test-XXXXXX";
    const char* made = ::mkdtemp(shm);
    if (!made) made = ::mkdtemp(tmp);
    m_path = made ? made : "";
  }
  ~TempDir() {
    if (!m_path.empty()) std::system(("rm -rf '" + m_path + "'").c_str());
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return m_path; }
  CString File(const std::string& name) const { return CString::FromUtf8(m_path + "/" + name); }
  std::string Native(const std::string& name) const { return m_path + "/" + name; }
  bool Exists(const std::string& name) const {
    struct stat st;
    return ::stat(Native(name).c_str(), &st) == 0;
  }
  // The names in the folder.
  std::vector<std::string> List() const;

 private:
  std::string m_path;
};

// Runs each statement; a failure fails the test with the library's reason.
inline void Exec(CFADO& ado, std::initializer_list<const wchar_t*> statements) {
  for (const wchar_t* s : statements) {
    ASSERT_TRUE(ado.ExeSQL(s, ado.GetConn())) << ado.GetLastError().ToUtf8();
  }
}

// The values of one column over all rows of a query, as text ("<null>" for
// a value that cannot be read as text).
inline std::vector<std::string> Column(CFADO& ado, const CString& sql, const CString& column) {
  std::vector<std::string> out;
  CADORecordset rs;
  if (!ado.GetRecord(&rs, sql, ado.GetConn())) {
    ADD_FAILURE() << "query failed: " << ado.GetLastError().ToUtf8();
    return out;
  }
  for (rs.MoveFirst(); !rs.IsEof(); rs.MoveNext()) {
    CString v;
    out.push_back(rs.GetFieldValue(column, v) ? v.ToUtf8() : std::string("<null>"));
  }
  return out;
}

// The value of "select <expr> as v" as text; "<null>" for Null, "<error: ...>"
// when the statement fails.
inline std::string Eval(CFADO& ado, const std::wstring& expr) {
  CADORecordset rs;
  if (!ado.GetRecord(&rs, CString((L"select " + expr + L" as v").c_str()), ado.GetConn())) {
    return "<error: " + ado.GetLastError().ToUtf8() + ">";
  }
  CString v;
  if (rs.IsEof()) return "<no row>";
  return rs.GetFieldValue(L"v", v) ? v.ToUtf8() : std::string("<null>");
}

}  // namespace vdtest
