#include "arx/base/AcDbHandle.h"

AcDbHandle::AcDbHandle(int lo, int hi)
    : mValue((static_cast<Adesk::UInt64>(static_cast<Adesk::UInt32>(hi)) << 32) | static_cast<Adesk::UInt32>(lo)) {}

AcDbHandle::AcDbHandle(const ACHAR* text) {
  Adesk::UInt64 v = 0;
  if (parse(text, v)) mValue = v;
}

bool AcDbHandle::parse(const ACHAR* text, Adesk::UInt64& value) {
  if (text == nullptr || *text == 0) return false;
  Adesk::UInt64 v = 0;
  int significant = 0;
  for (const ACHAR* p = text; *p; ++p) {
    unsigned digit;
    if (*p >= L'0' && *p <= L'9') digit = static_cast<unsigned>(*p - L'0');
    else if (*p >= L'A' && *p <= L'F') digit = static_cast<unsigned>(*p - L'A' + 10);
    else if (*p >= L'a' && *p <= L'f') digit = static_cast<unsigned>(*p - L'a' + 10);
    else return false;
    if (significant > 0 || digit != 0) ++significant;
    if (significant > 16) return false;
    v = (v << 4) | digit;
  }
  value = v;
  return true;
}

bool AcDbHandle::getIntoAsciiBuffer(ACHAR* pBuf, size_t nBufLen) const {
  if (pBuf == nullptr || nBufLen == 0) return false;
  static const ACHAR kDigits[] = L"0123456789ABCDEF";
  ACHAR tmp[17];
  size_t n = 0;
  Adesk::UInt64 v = mValue;
  do {
    tmp[n++] = kDigits[v & 0xF];
    v >>= 4;
  } while (v != 0);
  if (n + 1 > nBufLen) {
    pBuf[0] = 0;
    return false;
  }
  for (size_t i = 0; i < n; ++i) pBuf[i] = tmp[n - 1 - i];
  pBuf[n] = 0;
  return true;
}
