#pragma once
// Comparing names without regard to case, as the module compares names of
// tables, fields, XML nodes, INI sections and entries.
#include <string>
#include <string_view>

namespace veskutil {

// The lower-case form of one character: ASCII letters directly, other
// letters (Latin, Greek, Cyrillic ...) by the C library's case tables.
// Characters without case (CJK among them) are returned unchanged.
wchar_t FoldCase(wchar_t c);

// The text with every character folded.
std::wstring FoldCase(std::wstring_view text);

// True when the two texts are equal once folded.
bool EqualNoCase(std::wstring_view a, std::wstring_view b);

// True when text begins with prefix, without regard to case.
bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix);

}  // namespace veskutil
