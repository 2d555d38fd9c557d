#include "veskdata/SqlScript.h"

#include "veskdata/AccessSqlLexer.h"

namespace veskdata {

namespace {

bool OnlyBlanks(const std::wstring& s) {
  for (wchar_t c : s) {
    if (!AccessSqlLexer::IsBlank(c)) return false;
  }
  return true;
}

}  // namespace

bool SplitSqlScript(const std::wstring& script, std::vector<SqlScriptStatement>& statements, int& errorLine,
                    std::wstring& error) {
  statements.clear();
  std::wstring current;
  int line = 1;
  int startLine = 0;  // line of the first character of the current statement
  wchar_t open = 0;   // the closing character of an open text, name or date
  int openLine = 0;
  const std::size_t n = script.size();
  auto finish = [&]() {
    if (!OnlyBlanks(current)) {
      std::size_t b = 0, e = current.size();
      while (b < e && AccessSqlLexer::IsBlank(current[b])) ++b;
      while (e > b && AccessSqlLexer::IsBlank(current[e - 1])) --e;
      SqlScriptStatement st;
      st.text = current.substr(b, e - b);
      st.line = startLine;
      statements.push_back(std::move(st));
    }
    current.clear();
    startLine = 0;
  };
  for (std::size_t i = 0; i < n; ++i) {
    const wchar_t c = script[i];
    if (open) {
      current += c;
      if (c == L'\n') ++line;
      if (c == open) open = 0;  // a doubled quote closes and reopens: same result
      continue;
    }
    if (c == L'-' && i + 1 < n && script[i + 1] == L'-') {
      while (i < n && script[i] != L'\n') ++i;
      --i;  // the line break is handled next round
      continue;
    }
    if (c == L'\n') {
      ++line;
      current += c;
      continue;
    }
    if (!startLine && !AccessSqlLexer::IsBlank(c)) startLine = line;
    if (c == L';') {
      // The end of a statement only at the end of a line.
      std::size_t j = i + 1;
      while (j < n && script[j] != L'\n' && AccessSqlLexer::IsBlank(script[j])) ++j;
      const bool atLineEnd = j >= n || script[j] == L'\n' || (script[j] == L'-' && j + 1 < n && script[j + 1] == L'-');
      if (atLineEnd) {
        finish();
        continue;
      }
    }
    if (c == L'\'' || c == L'"' || c == L'`' || c == L'[' || c == L'#') {
      open = c == L'[' ? L']' : c;
      openLine = line;
      // A '#' opens a date literal only where a value can start; elsewhere it
      // is left to the statement's reader, which reports it.
      if (c == L'#') {
        const std::size_t close = script.find(L'#', i + 1);
        const std::size_t eol = script.find(L'\n', i + 1);
        if (close == std::wstring::npos || (eol != std::wstring::npos && eol < close)) open = 0;
      }
    }
    current += c;
  }
  if (open) {
    errorLine = openLine;
    error = open == L']' ? L"方括号中的名称没有结束" : open == L'#' ? L"日期常量没有结束" : L"引号中的文本没有结束";
    return false;
  }
  finish();
  return true;
}

}  // namespace veskdata
