#pragma once
// Tokenizer of the Access SQL dialect.
//
// Names: bare (letters, digits, '_' and any non-ASCII character, not starting
// with a digit), in brackets [名称] or in back quotes. Texts: in single or
// double quotes, the quote doubled inside. Numbers: 12, 1.5, .5, 1e3. Dates:
// #2013-01-05#, #1/5/2013 10:20#. Operators: ( ) , . ; * / \ ^ & + - = <> < >
// <= >= and the parameter mark ?. Keywords are not told apart here: a bare
// name's meaning depends on where the parser finds it.
#include <string>
#include <vector>

namespace veskdata {

enum class AccessTokenKind {
  End,
  Name,        // bare name or keyword
  QuotedName,  // [name] or `name`: never a keyword
  Text,        // '...' or "...": the value, quotes removed
  Number,      // as written
  Date,        // the text between the # signs
  Symbol,      // operator or punctuation
};

struct AccessToken {
  AccessTokenKind kind = AccessTokenKind::End;
  std::wstring text;
  int pos = 0;       // character position in the statement
  int keyword = -1;  // a bare name that is a word of the dialect: its index in AccessSqlLexer::Keywords()

  bool IsSymbol(const wchar_t* s) const {
    if (kind != AccessTokenKind::Symbol) return false;
    const wchar_t* t = text.c_str();
    while (*s && *t == *s) ++t, ++s;
    return *s == 0 && *t == 0;
  }
  // A bare name equal to the keyword (given in lower case), without regard to case.
  bool IsKeyword(const wchar_t* keyword) const;
};

class AccessSqlLexer {
 public:
  // The tokens of the statement, ending with one End token. Throws
  // AccessSqlError on an unterminated text, name or date, or a character that
  // belongs to no token.
  static std::vector<AccessToken> Tokenize(const std::wstring& sql);

  // True for the characters that separate tokens (blanks, line breaks, the
  // ideographic space and the byte-order mark).
  static bool IsBlank(wchar_t c);

  // The words of the dialect in lower case (clause words, operators, type
  // and constraint words): a bare name equal to one of them, ignoring case,
  // carries its index.
  static const std::vector<std::wstring>& Keywords();
};

}  // namespace veskdata
