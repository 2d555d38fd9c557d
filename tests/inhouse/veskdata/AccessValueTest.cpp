// Numbers shown as text and texts read as numbers, as the Access engine and
// variant conversions do it.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "veskdata/AccessValue.h"

namespace {

using namespace veskdata;

TEST(AccessValue, NumbersShowAsAccessShowsThem) {
  EXPECT_EQ(NumberToText(3.0), "3");
  EXPECT_EQ(NumberToText(-0.0), "0");
  EXPECT_EQ(NumberToText(0.75), "0.75");
  EXPECT_EQ(NumberToText(0.1 + 0.2), "0.3");  // fifteen significant digits
  EXPECT_EQ(NumberToText(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(NumberToText(-1234567.25), "-1234567.25");
  EXPECT_EQ(NumberToText(1e20), "1E+20");
  EXPECT_EQ(NumberToText(1.5e-7), "1.5E-07");
  EXPECT_EQ(NumberToText(123456789012345.0), "123456789012345");
  EXPECT_EQ(IntegerToText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
}

TEST(AccessValue, TextsReadAsNumbersOnlyWhenWhollyNumeric) {
  double v = -1;
  EXPECT_TRUE(TextToNumber(" -1.5e-3 ", v));
  EXPECT_DOUBLE_EQ(v, -0.0015);
  EXPECT_TRUE(TextToNumber("+12", v));
  EXPECT_EQ(v, 12);
  EXPECT_TRUE(TextToNumber(".5", v));
  EXPECT_EQ(v, 0.5);
  EXPECT_TRUE(TextToNumber("7.", v));
  EXPECT_EQ(v, 7);
  EXPECT_TRUE(TextToNumber("1e400", v));  // too large: infinite, as a conversion overflows
  EXPECT_TRUE(v > 1e308);
  v = 42;
  for (const char* bad : {"", "  ", "abc", "12abc", "1,000", "0x10", "inf", "nan", "1e", "--1", ".", "1 2"}) {
    EXPECT_FALSE(TextToNumber(bad, v)) << bad;
  }
  EXPECT_EQ(v, 42);  // untouched on failure

  EXPECT_EQ(LeadingNumber("  12abc"), 12);
  EXPECT_EQ(LeadingNumber("-3.5e2x"), -350);
  EXPECT_EQ(LeadingNumber("1e"), 1);
  EXPECT_EQ(LeadingNumber("abc"), 0);
}

TEST(AccessValue, HalvesRoundToEven) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(-3.5), -4);
  EXPECT_EQ(RoundHalfEven(2.5000001), 3);
  EXPECT_EQ(RoundHalfEven(-0.4), 0);
  std::int64_t out = 0;
  EXPECT_TRUE(RoundToInteger(2147483647.4, INT32_MIN, INT32_MAX, out));
  EXPECT_EQ(out, 2147483647);
  EXPECT_FALSE(RoundToInteger(2147483647.5, INT32_MIN, INT32_MAX, out));  // rounds to 2^31
  EXPECT_FALSE(RoundToInteger(std::numeric_limits<double>::quiet_NaN(), INT32_MIN, INT32_MAX, out));
  EXPECT_FALSE(RoundToInteger(1e300, INT64_MIN, INT64_MAX, out));
}

}  // namespace
