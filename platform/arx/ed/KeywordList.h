#pragma once
// Keyword lists of acedInitGet and jigs (platform-internal).
//
// "Yes No Cancel": local names; the capital letters give the abbreviation
// ("LType" takes LT, LTY ... LTYPE; "eXit" takes X or EXIT); a keyword without
// capitals must be typed whole. "LTYPE,LT" gives the abbreviation after a
// comma. "Yes No _ Y N" (or "Yes No _Y N"): local names, then global names.
// Without a global part the global names are the local ones.
#include <string>
#include <vector>

namespace vhost {

class KeywordList {
 public:
  KeywordList() = default;
  explicit KeywordList(const std::wstring& list) { parse(list); }
  void parse(const std::wstring& list);

  bool empty() const { return mLocal.empty(); }
  int count() const { return static_cast<int>(mLocal.size()); }
  const std::wstring& source() const { return mSource; }
  // The index of the keyword an answer names, or -1. An answer starting with
  // "_" is matched against the global names, others against the local names.
  // Case is ignored.
  int match(const std::wstring& answer) const;
  // The names without abbreviation marks ("LTYPE,LT" gives "LTYPE").
  std::wstring globalName(int index) const;
  std::wstring localName(int index) const;

 private:
  struct Keyword {
    std::wstring word;    // as written, without ",ABBR"
    std::wstring abbrev;  // from ",ABBR", empty when none
  };
  static bool matches(const Keyword& k, const std::wstring& answerUpper, bool exactOnly);

  std::wstring mSource;
  std::vector<Keyword> mLocal;
  std::vector<Keyword> mGlobal;
};

}  // namespace vhost
