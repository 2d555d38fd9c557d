#pragma once
// LISP symbols of the current document, set from C++ (the symbol "$SYS_SCALE"
// holding the drawing scale ...). They live as long as the document is open.
//
// Results: 1 for success, 0 for failure; no call throws.

namespace vesk {
namespace dat {

// Sets the symbol to a number stored with the given result type: RTREAL
// (5001) a real, RTSHORT (5003) a 16-bit integer, RTLONG (5010) a 32-bit
// integer (the value rounded to the nearest integer). 0 for another type, a
// value out of the integer type's range or not finite, a name LISP does not
// accept, or no current document.
int SetSym(const wchar_t* name, double value, int type);

// Sets the symbol to a text (RTSTR). A null text is refused.
int SetSym(const wchar_t* name, const wchar_t* text);

}  // namespace dat
}  // namespace vesk
