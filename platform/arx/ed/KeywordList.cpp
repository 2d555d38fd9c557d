#include "arx/ed/KeywordList.h"

#include <cwctype>

#include "arx/ed/EditorState.h"

namespace vhost {

namespace {

std::vector<std::wstring> words(const std::wstring& s) {
  std::vector<std::wstring> out;
  std::wstring current;
  for (wchar_t c : s) {
    if (std::iswspace(static_cast<wint_t>(c))) {
      if (!current.empty()) out.push_back(current);
      current.clear();
    } else {
      current.push_back(c);
    }
  }
  if (!current.empty()) out.push_back(current);
  return out;
}

bool isUpperMark(wchar_t c) { return (c >= L'A' && c <= L'Z'); }

}  // namespace

void KeywordList::parse(const std::wstring& list) {
  mSource = list;
  mLocal.clear();
  mGlobal.clear();
  bool global = false;
  for (std::wstring w : words(list)) {
    if (w == L"_") {
      global = true;
      continue;
    }
    if (!global && w.size() > 1 && w[0] == L'_') {
      global = true;
      w.erase(0, 1);
    }
    Keyword k;
    std::size_t comma = w.find(L',');
    if (comma != std::wstring::npos && comma > 0) {
      k.word = w.substr(0, comma);
      k.abbrev = w.substr(comma + 1);
    } else {
      k.word = w;
    }
    (global ? mGlobal : mLocal).push_back(k);
  }
  if (mLocal.empty() && !mGlobal.empty()) mLocal = mGlobal;
  // Global names missing at the end take the local ones.
  if (mGlobal.size() < mLocal.size()) {
    for (std::size_t i = mGlobal.size(); i < mLocal.size(); ++i) mGlobal.push_back(mLocal[i]);
  }
}

bool KeywordList::matches(const Keyword& k, const std::wstring& a, bool exactOnly) {
  std::wstring word = upperCase(k.word);
  if (a == word) return true;
  if (exactOnly || a.empty()) return false;
  if (!k.abbrev.empty()) {
    std::wstring ab = upperCase(k.abbrev);
    if (a == ab) return true;
    return word.compare(0, ab.size(), ab) == 0 && a.size() >= ab.size() && word.compare(0, a.size(), a) == 0;
  }
  // The first run of capitals marks the abbreviation.
  std::size_t start = 0;
  while (start < k.word.size() && !isUpperMark(k.word[start])) ++start;
  if (start == k.word.size()) return false;
  std::size_t end = start;
  while (end < k.word.size() && (isUpperMark(k.word[end]) || (end > start && k.word[end] >= L'0' &&
                                                               k.word[end] <= L'9')))
    ++end;
  if (start == 0) return a.size() >= end && a.size() <= word.size() && word.compare(0, a.size(), a) == 0;
  return a == word.substr(start, end - start);
}

int KeywordList::match(const std::wstring& answer) const {
  std::wstring a = upperCase(trimmed(answer));
  if (a.empty()) return -1;
  const std::vector<Keyword>* list = &mLocal;
  if (a.size() > 1 && a[0] == L'_') {
    a.erase(0, 1);
    list = &mGlobal;
  }
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t i = 0; i < list->size(); ++i) {
      if (matches((*list)[i], a, pass == 0)) return static_cast<int>(i);
    }
  }
  return -1;
}

std::wstring KeywordList::globalName(int index) const {
  if (index < 0 || index >= static_cast<int>(mGlobal.size())) return std::wstring();
  return mGlobal[static_cast<std::size_t>(index)].word;
}

std::wstring KeywordList::localName(int index) const {
  if (index < 0 || index >= static_cast<int>(mLocal.size())) return std::wstring();
  return mLocal[static_cast<std::size_t>(index)].word;
}

}  // namespace vhost
