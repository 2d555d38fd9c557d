#pragma once
// Value conversions as the Access engine and OLE variants make them: numbers
// shown as text, text read as numbers, rounding of halves to even.
#include <cstdint>
#include <string>
#include <string_view>

namespace veskdata {

// A number as Access shows it: integers without a decimal point, other values
// with up to 15 significant digits ("0.75", "1E+20").
std::string NumberToText(double value);
std::string IntegerToText(std::int64_t value);

// Reads the whole text (surrounding blanks allowed) as a number: sign, digits,
// decimal point, exponent. Fails on anything else, on an empty text too.
bool TextToNumber(std::string_view text, double& value);

// The numeric prefix of a text, as Access's Val(): blanks are skipped, reading
// stops at the first character that cannot continue a number; 0 when none.
double LeadingNumber(std::string_view text);

// Rounds to the nearest integer, halves to the even neighbour (the rounding of
// CLng, of integer division operands and of variant conversions).
double RoundHalfEven(double value);

// value rounded half-to-even into [lo, hi]; false when it does not fit (or is
// not a number).
bool RoundToInteger(double value, std::int64_t lo, std::int64_t hi, std::int64_t& out);

}  // namespace veskdata
