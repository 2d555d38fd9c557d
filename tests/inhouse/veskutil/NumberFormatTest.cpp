#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "veskutil/NumberFormat.h"

namespace {

std::wstring d2s(double v, int decimals) { return veskutil::Dbl2Str(v, decimals).GetString(); }
std::wstring trim0(const wchar_t* s) { return veskutil::StrTrim0(s).GetString(); }

TEST(Dbl2Str, RoundsHalfAwayFromZeroOnTheDecimalValue) {
  EXPECT_EQ(d2s(537 * 0.01, 1), L"5.4");
  EXPECT_EQ(d2s(5.37, 2), L"5.37");
  EXPECT_EQ(d2s(2.675, 2), L"2.68");   // the double lies just below 2.675
  EXPECT_EQ(d2s(1.005, 2), L"1.01");
  EXPECT_EQ(d2s(-2.5, 0), L"-3");
  EXPECT_EQ(d2s(2.5, 0), L"3");
  EXPECT_EQ(d2s(0.125, 2), L"0.13");
  EXPECT_EQ(d2s(9.995, 2), L"10.00");  // the carry runs into the integer part
  EXPECT_EQ(d2s(999.96, 1), L"1000.0");
}

TEST(Dbl2Str, PadsAndClampsTheNumberOfDecimals) {
  EXPECT_EQ(d2s(12, 2), L"12.00");
  EXPECT_EQ(d2s(12, 0), L"12");
  EXPECT_EQ(d2s(0.5, -4), L"1");  // negative counts as 0
  EXPECT_EQ(d2s(0.1, 30).size(), std::wstring(L"0.").size() + 17);
  EXPECT_EQ(d2s(1e20, 1), L"100000000000000000000.0");
  EXPECT_EQ(d2s(123456.789, 2), L"123456.79");
}

TEST(Dbl2Str, ZeroHasNoSignAndSpecialValuesAreNamed) {
  EXPECT_EQ(d2s(-0.0, 2), L"0.00");
  EXPECT_EQ(d2s(-0.004, 2), L"0.00");
  EXPECT_EQ(d2s(-0.005, 2), L"-0.01");
  EXPECT_EQ(d2s(std::numeric_limits<double>::quiet_NaN(), 2), L"nan");
  EXPECT_EQ(d2s(-std::numeric_limits<double>::infinity(), 2), L"-inf");
  EXPECT_EQ(d2s(std::numeric_limits<double>::infinity(), 2), L"inf");
}

TEST(StrTrim0, DropsTrailingFractionZerosOfNumbersOnly) {
  EXPECT_EQ(trim0(L"5.40"), L"5.4");
  EXPECT_EQ(trim0(L"5.00"), L"5");
  EXPECT_EQ(trim0(L"5."), L"5");
  EXPECT_EQ(trim0(L"-12.3400"), L"-12.34");
  EXPECT_EQ(trim0(L"0.10"), L"0.1");
  EXPECT_EQ(trim0(L"-0.00"), L"0");
  EXPECT_EQ(trim0(L".500"), L".5");
  EXPECT_EQ(trim0(L".0"), L"0");
  // Not a decimal number with a point: unchanged.
  EXPECT_EQ(trim0(L"100"), L"100");
  EXPECT_EQ(trim0(L"2000"), L"2000");
  EXPECT_EQ(trim0(L"道路100.0m"), L"道路100.0m");
  EXPECT_EQ(trim0(L"1.50e3"), L"1.50e3");
  EXPECT_EQ(trim0(L"1.2.0"), L"1.2.0");
  EXPECT_EQ(trim0(L" 1.50"), L" 1.50");
  EXPECT_EQ(trim0(L"."), L".");
  EXPECT_EQ(trim0(L""), L"");
  EXPECT_EQ(trim0(L"-"), L"-");
}

TEST(StrTrim0, UndoesThePaddingOfDbl2Str) {
  const double values[] = {5.4, 12.0, 0.25, -3.1, 1234.5};
  const wchar_t* expected[] = {L"5.4", L"12", L"0.25", L"-3.1", L"1234.5"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(veskutil::StrTrim0(veskutil::Dbl2Str(values[i], 4)).GetString(), std::wstring(expected[i]));
}

}  // namespace
