#include "veskdata/SqlSchemaLookup.h"

namespace veskdata {

std::wstring FoldSqlName(const std::wstring& name) {
  std::wstring f(name);
  for (auto& c : f) {
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c + 32);
  }
  return f;
}

SqlValueType AffinityOfDeclaredType(const std::wstring& declaredType) {
  std::wstring t;
  t.reserve(declaredType.size());
  for (wchar_t c : declaredType) t.push_back((c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c);
  auto has = [&](const wchar_t* s) { return t.find(s) != std::wstring::npos; };
  if (has(L"INT")) return SqlValueType::Number;
  if (has(L"CHAR") || has(L"CLOB") || has(L"TEXT")) return SqlValueType::Text;
  if (t.empty() || has(L"BLOB")) return SqlValueType::Unknown;
  return SqlValueType::Number;  // REAL, FLOA, DOUB and the numeric rest
}

}  // namespace veskdata
