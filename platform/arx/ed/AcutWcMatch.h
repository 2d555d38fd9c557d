#pragma once
// Wildcard matching with the host's rules (wcmatch):
//   #      any one digit
//   @      any one letter (alphabetic characters of any script)
//   .      any one character that is neither a letter nor a digit
//   *      any run of characters, also none (anywhere in the pattern)
//   ?      any one character
//   ~      at the start of a pattern: anything except what follows
//   [...]  any one of the characters enclosed; "a-z" ranges; "[~...]" any
//          character not enclosed; a "-" first or last, or a "]" first, is
//          literal
//   `      takes the next character literally ("`#", "`,", "`*")
//   ,      separates alternative patterns ("LINE,*POLYLINE")
// A pattern that ends inside a bracket matches nothing.
#include "arx/base/AdeskTypes.h"

// RTNORM when the string matches, RTERROR otherwise (also for null
// arguments). Case counts, as in the host.
int acutWcMatch(const ACHAR* string, const ACHAR* pattern);
// As acutWcMatch, ignoring case when ignoreCase is true.
int acutWcMatchEx(const ACHAR* string, const ACHAR* pattern, bool ignoreCase);

namespace vhost {
bool wcMatch(const wchar_t* string, const wchar_t* pattern, bool ignoreCase);
}
