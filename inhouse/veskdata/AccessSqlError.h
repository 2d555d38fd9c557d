#pragma once
// The error the Access-dialect reader raises for a statement it cannot read
// or cannot express for the SQLite engine: a message and the character
// position (0-based, -1 when none) in the statement.
#include <exception>
#include <string>

namespace veskdata {

class AccessSqlError : public std::exception {
 public:
  AccessSqlError(std::wstring message, int position);
  const std::wstring& Message() const noexcept { return m_message; }
  int Position() const noexcept { return m_position; }
  // The message with the position, as shown to the user.
  std::wstring Describe() const;
  const char* what() const noexcept override { return m_utf8.c_str(); }

 private:
  std::wstring m_message;
  int m_position;
  std::string m_utf8;
};

}  // namespace veskdata
