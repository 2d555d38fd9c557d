#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdint>
#include <string>

#include "mfc/CString.h"
#include "platform/mfc/MfcTestUtil.h"

namespace {

template <class... Args>
CString Fmt(const wchar_t* format, const Args&... args) {
  CString s;
  s.Format(format, args...);
  return s;
}

// A module's own variadic function, forwarding to FormatV.
CString FmtV(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  CString s;
  s.FormatV(format, args);
  va_end(args);
  return s;
}

void AppendV(CString& s, const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  s.AppendFormatV(format, args);
  va_end(args);
}

}  // namespace

TEST(CStringFormat, WideTextAndCharacters) {
  const CString layer(L"道路中线");
  const wchar_t name[8] = L"河流";
  EXPECT_EQ(Fmt(L"图层:%s", layer), L"图层:道路中线");
  EXPECT_EQ(Fmt(L"%s/%s", name, L"湖泊"), L"河流/湖泊");
  EXPECT_EQ(Fmt(L"%s", std::wstring(L"宽")), L"宽");
  EXPECT_EQ(Fmt(L"%c%c", L'图', 0x5C42), L"图层");
  EXPECT_EQ(Fmt(L"[%5s|%-5s]", L"路", L"路"), L"[    路|路    ]");
  EXPECT_EQ(Fmt(L"%.2s", layer), L"道路");
  EXPECT_EQ(Fmt(L"%3c|%-3c|", L'x', L'y'), L"  x|y  |");
  // Narrow text is UTF-8: %S, %hs, or any char text given to %s.
  EXPECT_EQ(Fmt(L"%S|%hs|%s", "道", "路", std::string("线")), L"道|路|线");
  EXPECT_EQ(Fmt(L"%ls|%ws|%lc|%C", L"a", L"b", L'c', 'd'), L"a|b|c|d");
  EXPECT_EQ(Fmt(L"%s", static_cast<const wchar_t*>(nullptr)), L"(null)");
  EXPECT_EQ(Fmt(L"100%% %s", L"ok"), L"100% ok");
  // Arguments may refer to the string being formatted.
  CString self(L"ab");
  self.Format(L"%s-%s", self, self);
  EXPECT_EQ(self, L"ab-ab");
  self.AppendFormat(L"(%d)", 7);
  EXPECT_EQ(self, L"ab-ab(7)");
}

TEST(CStringFormat, Integers) {
  EXPECT_EQ(Fmt(L"%d %i %u", -5, 42, 7u), L"-5 42 7");
  EXPECT_EQ(Fmt(L"[%5d][%-5d][%05d][%+d][% d]", 42, 42, -42, 42, 42), L"[   42][42   ][-0042][+42][ 42]");
  EXPECT_EQ(Fmt(L"[%.3d][%8.3d][%08.3d][%.0d]", 7, -7, 7, 0), L"[007][    -007][     007][]");
  EXPECT_EQ(Fmt(L"%x %X %#x %#X %o %#o %#x", 255, 255, 255, 255, 8, 8, 0), L"ff FF 0xff 0XFF 10 010 0");
  EXPECT_EQ(Fmt(L"[%*d][%-*d][%.*d]", 4, 1, 4, 2, 3, 3), L"[   1][2   ][003]");
  EXPECT_EQ(Fmt(L"[%*d]", -4, 1), L"[1   ]");
  EXPECT_EQ(Fmt(L"%u %x", -1, -1), L"4294967295 ffffffff");
  // 64-bit directives, from any integer type.
  const long long big = 1234567890123LL;
  EXPECT_EQ(Fmt(L"%I64d %lld %I64u %llx", big, -big, 18446744073709551615ULL, 0x1234567890ABLL),
            L"1234567890123 -1234567890123 18446744073709551615 1234567890ab");
  EXPECT_EQ(Fmt(L"%I64d %lld", -3, 5u), L"-3 5");
  // 'l' is 32-bit as on Windows; h and hh narrow the value.
  EXPECT_EQ(Fmt(L"%ld %lu", 70000L, 4294967296LL + 5), L"70000 5");
  EXPECT_EQ(Fmt(L"%hd %hhu %hx", 65537, 257, -1), L"1 1 ffff");
  EXPECT_EQ(Fmt(L"%zu %Id %I32d", std::size_t{9}, std::intptr_t{-9}, 12), L"9 -9 12");
  enum Color { kRed = 1, kGreen = 3 };
  EXPECT_EQ(Fmt(L"%d,%d %d", kGreen, true, 'A'), L"3,1 65");
  // Pointer: upper-case hex, pointer-sized, no prefix.
  EXPECT_EQ(Fmt(L"%p", reinterpret_cast<void*>(0xABC)), L"0000000000000ABC");
}

TEST(CStringFormat, FloatingPoint) {
  EXPECT_EQ(Fmt(L"%f %.3f %.0f", 1.5, 2.0, 2.5), L"1.500000 2.000 2");
  EXPECT_EQ(Fmt(L"[%8.2f][%-8.2f][%08.2f][%+.1f]", 3.14159, 3.14159, -3.14159, 2.0),
            L"[    3.14][3.14    ][-0003.14][+2.0]");
  EXPECT_EQ(Fmt(L"%e %E %g %G", 12345.678, 0.00012, 0.0001, 1e20), L"1.234568e+04 1.200000E-04 0.0001 1E+20");
  EXPECT_EQ(Fmt(L"%.3f", 1.0f), L"1.000");
  EXPECT_EQ(Fmt(L"%.1f %d", 2, 2.9), L"2.0 2");  // numbers of the other kind are converted
  EXPECT_EQ(Fmt(L"(%d,%d,%d) %.3f", 255, 0, 128, 12.3456), L"(255,0,128) 12.346");
}

TEST(CStringFormat, VaListPullsByDirective) {
  const CString layer(L"道路");
  EXPECT_EQ(FmtV(L"%s=%d %c", layer.GetString(), -12, L'图'), L"道路=-12 图");
  EXPECT_EQ(FmtV(L"%S %hs", "道", "路"), L"道 路");
  EXPECT_EQ(FmtV(L"%I64d %lld %ld %ld", -9000000000LL, 9000000000LL, -3, -4L), L"-9000000000 9000000000 -3 -4");
  EXPECT_EQ(FmtV(L"%5.1f|%-4x|%*d|%%", 2.25, 255, 3, 7), L"  2.2|ff  |  7|%");
  EXPECT_EQ(FmtV(L"%zu %p", std::size_t{12}, static_cast<void*>(nullptr)), L"12 0000000000000000");
  CString s(L"x=");
  AppendV(s, L"%s;", L"图层");
  AppendV(s, L"%d", 5);
  EXPECT_EQ(s, L"x=图层;5");
}

TEST(CStringFormat, ErrorsAreReportedAndLeaveTheStringAlone) {
  CString s(L"unchanged");
  std::wstring message;
  EXPECT_TRUE(ThrowsInvalidArg([&] { s.Format(L"%d and %d", 1); }, &message));
  EXPECT_NE(message.find(L"missing argument"), std::wstring::npos);
  EXPECT_NE(message.find(L"%d\" at position 7"), std::wstring::npos);
  EXPECT_TRUE(ThrowsInvalidArg([&] { s.Format(L"%s", 12); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { s.Format(L"%d", L"text"); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { s.Format(L"%f", CString(L"1.5")); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { s.Format(L"%n", 1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { s.Format(L"%y", 1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { s.Format(L"50%"); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { s.Format(L"%*d", 100000000, 1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { s.AppendFormat(nullptr); }));
  EXPECT_EQ(s, L"unchanged");
  // Extra arguments are ignored, as in C.
  s.Format(L"%d", 1, 2);
  EXPECT_EQ(s, L"1");
}
