#include "veskdata/AccessSqlLexer.h"

#include <cwchar>
#include <unordered_map>

#include "veskdata/AccessSqlError.h"

namespace veskdata {

namespace {

bool IsAsciiLetter(wchar_t c) { return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsNameStart(wchar_t c) {
  return IsAsciiLetter(c) || c == L'_' || (c >= 0x80 && !AccessSqlLexer::IsBlank(c));
}
bool IsNamePart(wchar_t c) { return IsNameStart(c) || IsDigit(c); }

wchar_t FoldAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c; }

const wchar_t* const kKeywords[] = {
    L"select", L"from", L"where", L"and", L"or", L"not", L"in", L"is", L"null", L"like", L"between", L"as",
    L"on", L"join", L"inner", L"left", L"right", L"outer", L"full", L"group", L"by", L"having", L"order",
    L"union", L"all", L"distinct", L"distinctrow", L"top", L"percent", L"insert", L"into", L"values",
    L"update", L"set", L"delete", L"true", L"false", L"mod", L"xor", L"eqv", L"imp", L"exists", L"asc",
    L"desc", L"create", L"alter", L"drop", L"table", L"index", L"add", L"column", L"default", L"primary",
    L"key", L"unique", L"constraint", L"with", L"compression", L"comp", L"disallow", L"ignore", L"double",
    L"precision"};

// The index of the keyword the name spells, or -1.
int KeywordIndex(const std::wstring& name) {
  static const std::unordered_map<std::wstring, int> index = [] {
    std::unordered_map<std::wstring, int> m;
    for (std::size_t i = 0; i < sizeof kKeywords / sizeof kKeywords[0]; ++i) m.emplace(kKeywords[i], static_cast<int>(i));
    return m;
  }();
  if (name.size() > 12) return -1;
  std::wstring folded(name);
  for (auto& c : folded) {
    if (c >= 0x80) return -1;
    c = FoldAscii(c);
  }
  auto it = index.find(folded);
  return it == index.end() ? -1 : it->second;
}

}  // namespace

const std::vector<std::wstring>& AccessSqlLexer::Keywords() {
  static const std::vector<std::wstring> words(std::begin(kKeywords), std::end(kKeywords));
  return words;
}

bool AccessToken::IsKeyword(const wchar_t* word) const {
  return kind == AccessTokenKind::Name && keyword >= 0 && std::wcscmp(kKeywords[keyword], word) == 0;
}

bool AccessSqlLexer::IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\f' || c == L'\v' ||
         c == 0x00A0 || c == 0x3000 || c == 0xFEFF;
}

std::vector<AccessToken> AccessSqlLexer::Tokenize(const std::wstring& sql) {
  std::vector<AccessToken> tokens;
  tokens.reserve(sql.size() / 3 + 4);
  const std::size_t n = sql.size();
  std::size_t i = 0;
  auto push = [&](AccessTokenKind kind, std::wstring text, std::size_t pos) {
    AccessToken t;
    t.kind = kind;
    t.text = std::move(text);
    t.pos = static_cast<int>(pos);
    tokens.push_back(std::move(t));
  };
  while (i < n) {
    const wchar_t c = sql[i];
    if (IsBlank(c)) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    if (IsNameStart(c)) {
      while (i < n && IsNamePart(sql[i])) ++i;
      push(AccessTokenKind::Name, sql.substr(start, i - start), start);
      tokens.back().keyword = KeywordIndex(tokens.back().text);
      continue;
    }
    if (IsDigit(c) || (c == L'.' && i + 1 < n && IsDigit(sql[i + 1]))) {
      while (i < n && IsDigit(sql[i])) ++i;
      if (i < n && sql[i] == L'.') {
        ++i;
        while (i < n && IsDigit(sql[i])) ++i;
      }
      if (i < n && (sql[i] == L'e' || sql[i] == L'E')) {
        std::size_t j = i + 1;
        if (j < n && (sql[j] == L'+' || sql[j] == L'-')) ++j;
        if (j < n && IsDigit(sql[j])) {
          while (j < n && IsDigit(sql[j])) ++j;
          i = j;
        }
      }
      if (i < n && IsNamePart(sql[i])) {
        throw AccessSqlError(L"数字后面紧跟着名称字符", static_cast<int>(i));
      }
      push(AccessTokenKind::Number, sql.substr(start, i - start), start);
      continue;
    }
    if (c == L'\'' || c == L'"') {
      std::wstring value;
      ++i;
      for (;;) {
        if (i >= n) throw AccessSqlError(L"文本常量缺少结束引号", static_cast<int>(start));
        if (sql[i] == c) {
          if (i + 1 < n && sql[i + 1] == c) {
            value.push_back(c);
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        value.push_back(sql[i++]);
      }
      push(AccessTokenKind::Text, std::move(value), start);
      continue;
    }
    if (c == L'[') {
      const std::size_t close = sql.find(L']', i + 1);
      if (close == std::wstring::npos) throw AccessSqlError(L"名称缺少结束方括号“]”", static_cast<int>(start));
      std::wstring name = sql.substr(i + 1, close - i - 1);
      if (name.empty()) throw AccessSqlError(L"方括号中的名称为空", static_cast<int>(start));
      i = close + 1;
      push(AccessTokenKind::QuotedName, std::move(name), start);
      continue;
    }
    if (c == L'`') {
      std::wstring name;
      ++i;
      for (;;) {
        if (i >= n) throw AccessSqlError(L"名称缺少结束反引号", static_cast<int>(start));
        if (sql[i] == L'`') {
          if (i + 1 < n && sql[i + 1] == L'`') {
            name.push_back(L'`');
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        name.push_back(sql[i++]);
      }
      if (name.empty()) throw AccessSqlError(L"反引号中的名称为空", static_cast<int>(start));
      push(AccessTokenKind::QuotedName, std::move(name), start);
      continue;
    }
    if (c == L'#') {
      const std::size_t close = sql.find(L'#', i + 1);
      if (close == std::wstring::npos) throw AccessSqlError(L"日期常量缺少结束符“#”", static_cast<int>(start));
      push(AccessTokenKind::Date, sql.substr(i + 1, close - i - 1), start);
      i = close + 1;
      continue;
    }
    if (c == L'<' && i + 1 < n && (sql[i + 1] == L'>' || sql[i + 1] == L'=')) {
      push(AccessTokenKind::Symbol, sql.substr(i, 2), start);
      i += 2;
      continue;
    }
    if (c == L'>' && i + 1 < n && sql[i + 1] == L'=') {
      push(AccessTokenKind::Symbol, L">=", start);
      i += 2;
      continue;
    }
    if (c == L'!' && i + 1 < n && sql[i + 1] == L'=') {
      push(AccessTokenKind::Symbol, L"<>", start);
      i += 2;
      continue;
    }
    static const wchar_t kSingles[] = L"(),.;*/\\^&+-=<>?";
    bool single = false;
    for (const wchar_t* p = kSingles; *p; ++p) {
      if (*p == c) single = true;
    }
    if (single) {
      push(AccessTokenKind::Symbol, std::wstring(1, c), start);
      ++i;
      continue;
    }
    std::wstring shown(1, c);
    throw AccessSqlError(L"无法识别的字符“" + shown + L"”", static_cast<int>(start));
  }
  push(AccessTokenKind::End, std::wstring(), n);
  return tokens;
}

}  // namespace veskdata
