#pragma once
// Numbers as the texts users see in annotations and tables.
#include "mfc/CString.h"

namespace veskutil {

// value with exactly `decimals` digits after the decimal point (0 gives no
// point), rounded half away from zero on the value's shortest decimal form:
// 2.675 gives "2.68" with 2 decimals, as typed, although the nearest double
// lies just below it. decimals is clamped to 0..17. A result that rounds to
// zero has no minus sign. Infinities and NaN give "inf", "-inf" and "nan".
CString Dbl2Str(double value, int decimals = 2);

// A decimal number text without the zeros that end its fraction, and without
// the point when nothing is left after it: "5.40" gives "5.4", "5.00" and
// "5." give "5", "-0.0" gives "0". A text that is not a plain decimal number
// with a point (digits, an optional sign, one '.'; no exponent, no spaces)
// is returned unchanged, so "100" and "道路100.0m" stay as they are.
CString StrTrim0(const CString& text);

}  // namespace veskutil
