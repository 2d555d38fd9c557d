#include <gtest/gtest.h>

#include "arx/base/AcDbHandle.h"

TEST(AcDbHandle, ParsesHexTextAndRejectsBadText) {
  static_assert(sizeof(AcDbHandle) == 8, "a handle is 8 bytes");
  EXPECT_EQ(AcDbHandle(L"2A").value(), 0x2Au);
  EXPECT_EQ(AcDbHandle(L"ff").value(), 0xFFu);
  EXPECT_EQ(AcDbHandle(L"000000000000000000001F").value(), 0x1Fu);  // leading zeros do not count
  EXPECT_EQ(AcDbHandle(L"FFFFFFFFFFFFFFFF").value(), ~0ull);
  const wchar_t* bad[] = {L"", L"12345678901234567", L"G1", L"-1", L" 2A", L"2A ", L"0x2A", L"2A\u0661"};
  for (const wchar_t* text : bad) EXPECT_TRUE(AcDbHandle(text).isNull()) << "text \"" << text << '"';
  EXPECT_TRUE(AcDbHandle(static_cast<const ACHAR*>(nullptr)).isNull());
  AcDbHandle h(L"10");
  h = L"zz";
  EXPECT_TRUE(h.isNull());
}

TEST(AcDbHandle, WritesUpperCaseHexWithoutLeadingZeros) {
  ACHAR buf[17];
  EXPECT_TRUE(AcDbHandle(Adesk::UInt64(0xABCDEF)).getIntoAsciiBuffer(buf));
  EXPECT_STREQ(buf, L"ABCDEF");
  EXPECT_TRUE(AcDbHandle().getIntoAsciiBuffer(buf));
  EXPECT_STREQ(buf, L"0");
  EXPECT_TRUE(AcDbHandle(Adesk::UInt64(~0ull)).getIntoAsciiBuffer(buf));
  EXPECT_STREQ(buf, L"FFFFFFFFFFFFFFFF");
  EXPECT_EQ(AcDbHandle(buf).value(), ~0ull);

  ACHAR small[3] = {L'x', L'x', L'x'};
  EXPECT_TRUE(AcDbHandle(Adesk::UInt64(0x12)).getIntoAsciiBuffer(small, 3));
  EXPECT_FALSE(AcDbHandle(Adesk::UInt64(0x123)).getIntoAsciiBuffer(small, 3));
  EXPECT_STREQ(small, L"");
  EXPECT_FALSE(AcDbHandle().getIntoAsciiBuffer(nullptr, 10));
}

TEST(AcDbHandle, ArithmeticPartsAndOrder) {
  AcDbHandle h(0x10, 0x2);
  EXPECT_EQ(h.value(), 0x200000010ull);
  EXPECT_EQ(h.low(), 0x10u);
  EXPECT_EQ(h.high(), 0x2u);
  h.setLow(0xFFFFFFFFu);
  EXPECT_EQ((++h).value(), 0x300000000ull);  // carries into the high word
  AcDbHandle old = h++;
  EXPECT_EQ(old.value(), 0x300000000ull);
  EXPECT_EQ(h.value(), 0x300000001ull);
  h.setHigh(0);
  EXPECT_EQ(h.value(), 1u);
  EXPECT_EQ((h + AcDbHandle(L"F")).value(), 0x10u);
  EXPECT_EQ((AcDbHandle(L"10") - h).value(), 0xFu);
  h.decrement();
  EXPECT_TRUE(h.isNull());
  AcDbHandle top(Adesk::UInt64(~0ull));
  top.increment();
  EXPECT_TRUE(top.isNull());

  EXPECT_LT(AcDbHandle(L"FF"), AcDbHandle(L"100"));
  EXPECT_GT(AcDbHandle(L"100000000"), AcDbHandle(L"FFFFFFFF"));
  EXPECT_EQ(AcDbHandle(L"1a"), AcDbHandle(L"1A"));
  EXPECT_NE(AcDbHandle(L"1A"), AcDbHandle(L"1B"));
  const Adesk::UInt64 raw = AcDbHandle(L"DEAD");
  EXPECT_EQ(raw, 0xDEADu);
  AcDbHandle assigned;
  assigned = Adesk::UInt64(0xBEEF);
  EXPECT_EQ(assigned, AcDbHandle(L"BEEF"));
}
