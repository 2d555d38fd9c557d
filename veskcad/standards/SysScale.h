#pragma once
// The drawing scale: the LISP symbol "$SYS_SCALE" (a real) holds the scale
// factor of the current drawing while its document is open. A drawing whose
// symbol is not set takes its scale from its unit: "ZEMIRDRAWINGINFO" (an
// entry of that key in the named-object dictionary of that name, written by
// sibling modules) says "毫米" (millimetre: 1000.0) or "米" (metre: 1.0).
//
// The entry, as read: 90 version, then four groups each of a 1 (text), a 90
// (integer) and a 40 (real), and, for version 2, a last group 1 with the unit.

namespace VeskCad {
namespace Fun {

// The drawing scale. A real symbol is returned as it is, a 16- or 32-bit
// integer as a double; a symbol of any other type gives 1.0 and is reset to
// the real 1.0. An unset symbol: 1000.0 when the drawing information of
// version 2 names the unit "毫米" (case ignored), otherwise 1.0, the symbol
// staying unset.
double GetSysScale();

// Sets "$SYS_SCALE" to the value as a real; 1 on success, 0 when the symbol
// cannot be set (no current document, a value that is not finite).
int SetSysScale(double scale);

}  // namespace Fun
}  // namespace VeskCad
