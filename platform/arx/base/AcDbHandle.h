#pragma once
// A database handle: the 64-bit number that names an object for the life of
// its drawing. Handle 0 is the null handle. Text form is upper-case hex
// without leading zeros ("2A"). The object is exactly 8 bytes.
#include <cstddef>

#include "arx/base/AdeskTypes.h"

class AcDbHandle {
 public:
  AcDbHandle() = default;
  AcDbHandle(int lo, int hi);
  AcDbHandle(const Adesk::UInt64& value) : mValue(value) {}
  // Hex text, either case, at most 16 significant digits. Null, empty or
  // malformed text (signs, spaces, other characters, too many digits) gives
  // the null handle.
  AcDbHandle(const ACHAR* text);

  AcDbHandle& operator=(const Adesk::UInt64& value) {
    mValue = value;
    return *this;
  }
  AcDbHandle& operator=(const ACHAR* text) { return *this = AcDbHandle(text); }

  operator Adesk::UInt64() const { return mValue; }
  Adesk::UInt64 value() const { return mValue; }
  void setValue(Adesk::UInt64 value) { mValue = value; }

  // Writes the hex text and its terminator. With fewer than 17 places and a
  // value too long for them, writes "" (when there is room for that) and
  // returns false.
  bool getIntoAsciiBuffer(ACHAR* pBuf, size_t nBufLen) const;
  template <size_t N>
  bool getIntoAsciiBuffer(ACHAR (&buf)[N]) const {
    return getIntoAsciiBuffer(buf, N);
  }

  bool isNull() const { return mValue == 0; }
  void setNull() { mValue = 0; }

  Adesk::UInt32 low() const { return static_cast<Adesk::UInt32>(mValue); }
  Adesk::UInt32 high() const { return static_cast<Adesk::UInt32>(mValue >> 32); }
  void setLow(Adesk::UInt32 low) { mValue = (mValue & 0xFFFFFFFF00000000ull) | low; }
  void setHigh(Adesk::UInt32 high) { mValue = (mValue & 0xFFFFFFFFull) | (static_cast<Adesk::UInt64>(high) << 32); }

  // Arithmetic wraps around modulo 2^64, as unsigned numbers do.
  AcDbHandle& operator++() {
    ++mValue;
    return *this;
  }
  AcDbHandle operator++(int) {
    AcDbHandle old = *this;
    ++mValue;
    return old;
  }
  void increment() { ++mValue; }
  void decrement() { --mValue; }
  AcDbHandle operator+(const AcDbHandle& o) const { return AcDbHandle(mValue + o.mValue); }
  AcDbHandle& operator+=(const AcDbHandle& o) {
    mValue += o.mValue;
    return *this;
  }
  AcDbHandle operator-(const AcDbHandle& o) const { return AcDbHandle(mValue - o.mValue); }

  bool operator==(const AcDbHandle& o) const { return mValue == o.mValue; }
  bool operator!=(const AcDbHandle& o) const { return mValue != o.mValue; }
  bool operator<(const AcDbHandle& o) const { return mValue < o.mValue; }
  bool operator>(const AcDbHandle& o) const { return mValue > o.mValue; }
  bool operator<=(const AcDbHandle& o) const { return mValue <= o.mValue; }
  bool operator>=(const AcDbHandle& o) const { return mValue >= o.mValue; }

  // Parses hex text; false (and value left alone) on malformed text.
  static bool parse(const ACHAR* text, Adesk::UInt64& value);

 private:
  Adesk::UInt64 mValue = 0;
};
