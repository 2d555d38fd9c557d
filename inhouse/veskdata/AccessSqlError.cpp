#include "veskdata/AccessSqlError.h"

#include "mfc/Utf8Convert.h"

namespace veskdata {

AccessSqlError::AccessSqlError(std::wstring message, int position)
    : m_message(std::move(message)), m_position(position) {
  const std::wstring d = Describe();
  m_utf8 = veskhost::mfc::WideToUtf8(d.data(), d.size());
}

std::wstring AccessSqlError::Describe() const {
  if (m_position < 0) return m_message;
  return m_message + L"（第" + std::to_wstring(m_position + 1) + L"个字符处）";
}

}  // namespace veskdata
