#include "arx/ed/AcutWcMatch.h"

#include <cwctype>
#include <string>
#include <utility>
#include <vector>

#include "arx/base/AdsTypes.h"

namespace vhost {

namespace {

struct Token {
  enum Kind { kLiteral, kAny, kDigit, kAlpha, kNonAlnum, kStar, kSet };
  Kind kind = kLiteral;
  wchar_t ch = 0;
  bool negated = false;
  std::vector<std::pair<wchar_t, wchar_t>> ranges;  // kSet
};

bool isDigitChar(wchar_t c) { return c >= L'0' && c <= L'9'; }

bool isAlphaChar(wchar_t c) {
  if (c < 128) return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
  if (std::iswspace(static_cast<wint_t>(c)) || std::iswpunct(static_cast<wint_t>(c))) return false;
  if (std::iswdigit(static_cast<wint_t>(c))) return false;
  // Letters of other scripts (CJK ideographs included) count as letters.
  return c != 0xA0 && c != 0x3000 && !(c >= 0x3001 && c <= 0x3003) && !(c >= 0xFF01 && c <= 0xFF0F);
}

wchar_t fold(wchar_t c, bool ignoreCase) {
  return ignoreCase ? static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c))) : c;
}

// Splits a pattern at the commas that separate alternatives. False when a
// bracket is left open.
bool splitAlternatives(const std::wstring& pattern, std::vector<std::wstring>& out) {
  std::wstring current;
  bool inSet = false;
  bool setStart = false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    wchar_t c = pattern[i];
    if (c == L'`' && i + 1 < pattern.size()) {
      current.push_back(c);
      current.push_back(pattern[++i]);
      setStart = false;
      continue;
    }
    if (inSet) {
      current.push_back(c);
      if (c == L']' && !setStart) inSet = false;
      setStart = setStart && c == L'~';
      continue;
    }
    if (c == L'[') {
      inSet = true;
      setStart = true;
      current.push_back(c);
      continue;
    }
    if (c == L',') {
      out.push_back(current);
      current.clear();
      continue;
    }
    current.push_back(c);
  }
  out.push_back(current);
  return !inSet;
}

bool tokenize(const std::wstring& p, std::vector<Token>& tokens) {
  for (std::size_t i = 0; i < p.size(); ++i) {
    wchar_t c = p[i];
    Token t;
    switch (c) {
      case L'`':
        if (i + 1 < p.size()) c = p[++i];
        t.ch = c;
        break;
      case L'?': t.kind = Token::kAny; break;
      case L'#': t.kind = Token::kDigit; break;
      case L'@': t.kind = Token::kAlpha; break;
      case L'.': t.kind = Token::kNonAlnum; break;
      case L'*':
        t.kind = Token::kStar;
        if (!tokens.empty() && tokens.back().kind == Token::kStar) continue;
        break;
      case L'[': {
        t.kind = Token::kSet;
        std::size_t j = i + 1;
        if (j < p.size() && p[j] == L'~') {
          t.negated = true;
          ++j;
        }
        bool first = true;
        bool closed = false;
        while (j < p.size()) {
          wchar_t d = p[j];
          if (d == L']' && !first) {
            closed = true;
            break;
          }
          first = false;
          if (d == L'`' && j + 1 < p.size()) d = p[++j];
          if (j + 2 < p.size() && p[j + 1] == L'-' && p[j + 2] != L']') {
            wchar_t hi = p[j + 2];
            std::size_t step = 2;
            if (hi == L'`' && j + 3 < p.size()) {
              hi = p[j + 3];
              step = 3;
            }
            t.ranges.emplace_back(d <= hi ? d : hi, d <= hi ? hi : d);
            j += step + 1;
            continue;
          }
          t.ranges.emplace_back(d, d);
          ++j;
        }
        if (!closed) return false;
        i = j;
        break;
      }
      default: t.ch = c; break;
    }
    tokens.push_back(t);
  }
  return true;
}

bool tokenMatches(const Token& t, wchar_t c, bool ignoreCase) {
  switch (t.kind) {
    case Token::kLiteral: return fold(t.ch, ignoreCase) == fold(c, ignoreCase);
    case Token::kAny: return true;
    case Token::kDigit: return isDigitChar(c);
    case Token::kAlpha: return isAlphaChar(c);
    case Token::kNonAlnum: return !isDigitChar(c) && !isAlphaChar(c);
    case Token::kSet: {
      auto inRanges = [&t](wchar_t x) {
        for (const auto& r : t.ranges)
          if (x >= r.first && x <= r.second) return true;
        return false;
      };
      bool in = inRanges(c) ||
                (ignoreCase && (inRanges(static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)))) ||
                                inRanges(static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c))))));
      return in != t.negated;
    }
    case Token::kStar: return true;
  }
  return false;
}

// Iterative matching with backtracking to the last star.
bool matchTokens(const std::vector<Token>& tokens, const std::wstring& s, bool ignoreCase) {
  std::size_t ti = 0, si = 0;
  std::size_t starT = std::wstring::npos, starS = 0;
  while (si < s.size()) {
    if (ti < tokens.size() && tokens[ti].kind == Token::kStar) {
      starT = ti++;
      starS = si;
      continue;
    }
    if (ti < tokens.size() && tokenMatches(tokens[ti], s[si], ignoreCase)) {
      ++ti;
      ++si;
      continue;
    }
    if (starT == std::wstring::npos) return false;
    ti = starT + 1;
    si = ++starS;
  }
  while (ti < tokens.size() && tokens[ti].kind == Token::kStar) ++ti;
  return ti == tokens.size();
}

}  // namespace

bool wcMatch(const wchar_t* string, const wchar_t* pattern, bool ignoreCase) {
  if (string == nullptr || pattern == nullptr) return false;
  std::vector<std::wstring> alternatives;
  if (!splitAlternatives(pattern, alternatives)) return false;
  std::wstring s(string);
  for (const std::wstring& alt : alternatives) {
    bool negate = !alt.empty() && alt[0] == L'~';
    std::vector<Token> tokens;
    if (!tokenize(negate ? alt.substr(1) : alt, tokens)) continue;
    if (matchTokens(tokens, s, ignoreCase) != negate) return true;
  }
  return false;
}

}  // namespace vhost

int acutWcMatch(const ACHAR* string, const ACHAR* pattern) {
  return vhost::wcMatch(string, pattern, false) ? RTNORM : RTERROR;
}

int acutWcMatchEx(const ACHAR* string, const ACHAR* pattern, bool ignoreCase) {
  return vhost::wcMatch(string, pattern, ignoreCase) ? RTNORM : RTERROR;
}
