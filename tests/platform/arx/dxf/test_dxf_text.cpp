// Values as text: decoding (UTF-8, code pages, \U+ escapes, bad bytes),
// encoding, numbers that read back bit for bit, and splitting into groups.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <random>

#include "arx/dxf/DxfOutFiler.h"
#include "arx/dxf/DxfScanner.h"
#include "arx/dxf/DxfTextCodec.h"

using namespace vhost;

TEST(DxfText, DecodesUtf8CodePagesAndEscapes) {
  DxfTextCodec codec;
  std::wstring out;
  const std::string utf8 = "caf\xC3\xA9 \xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80";
  codec.decode(utf8.data(), utf8.size(), out);
  EXPECT_EQ(out, L"café 中文 \U0001F600");
  // Bad bytes become U+FFFD, one for each byte that cannot start a character.
  const std::string bad = "a\xC3(\xFF\xE4\xB8";
  codec.decode(bad.data(), bad.size(), out);
  EXPECT_EQ(out, L"a\uFFFD(\uFFFD\uFFFD\uFFFD");
  // Overlong forms and surrogates are refused too.
  const std::string overlong = "\xC0\xAF\xED\xA0\x80";
  codec.decode(overlong.data(), overlong.size(), out);
  EXPECT_EQ(out.find_first_not_of(L'\uFFFD'), std::wstring::npos);
  // Escapes in every release, upper or lower case; incomplete ones stay.
  const std::string esc = "\\U+4E2D\\u+6587 \\U+12 \\U+D800 end\\U+";
  codec.decode(esc.data(), esc.size(), out);
  EXPECT_EQ(out, L"中文 \\U+12 \uFFFD end\\U+");

  ASSERT_TRUE(codec.setCodePage("ANSI_936"));
  EXPECT_FALSE(codec.isUtf8());
  const std::string gbk = "\xD6\xD0\xCE\xC4 ok \\U+00E9";
  codec.decode(gbk.data(), gbk.size(), out);
  EXPECT_EQ(out, L"中文 ok é");
  const std::string badGbk = "\xD6";  // a lead byte with nothing after it
  codec.decode(badGbk.data(), badGbk.size(), out);
  EXPECT_EQ(out, L"\uFFFD");
  ASSERT_TRUE(codec.setCodePage("ansi_1252"));
  const std::string latin = "caf\xE9 \x80";
  codec.decode(latin.data(), latin.size(), out);
  EXPECT_EQ(out, L"café €");
  ASSERT_TRUE(codec.setCodePage("ANSI_950"));
  const std::string big5 = "\xA4\xA4\xA4\xE5";
  codec.decode(big5.data(), big5.size(), out);
  EXPECT_EQ(out, L"中文");
  // An unknown code page reads bytes as Latin-1.
  EXPECT_FALSE(codec.setCodePage("ANSI_9999"));
  codec.decode(latin.data(), latin.size(), out);
  EXPECT_EQ(out, L"café \u0080");
  EXPECT_EQ(DxfTextCodec::iconvName("ANSI_949"), "CP949");
  EXPECT_EQ(DxfTextCodec::iconvName("nonsense"), "");
}

TEST(DxfText, EncodesUtf8WithEscapesForControlCharacters) {
  std::string out;
  dxfEncodeUtf8(L"a\nb\tc é 中 \U0001F600", out);
  EXPECT_EQ(out, "a\\U+000Ab\tc \xC3\xA9 \xE4\xB8\xAD \xF0\x9F\x98\x80");
  out.clear();
  const wchar_t lone[] = {L'x', static_cast<wchar_t>(0xD800), 0};
  dxfEncodeUtf8(lone, out);
  EXPECT_EQ(out, "x\xEF\xBF\xBD");
  // What is encoded decodes to the same text.
  DxfTextCodec codec;
  std::wstring back;
  out.clear();
  dxfEncodeUtf8(L"line 1\nline 2\r", out);
  codec.decode(out.data(), out.size(), back);
  EXPECT_EQ(back, L"line 1\nline 2\r");
}

TEST(DxfText, RealsReadBackBitForBit) {
  std::mt19937_64 rng(42);
  std::uniform_real_distribution<double> mant(-1.0, 1.0);
  std::uniform_int_distribution<int> exp(-300, 300);
  std::vector<double> values = {0.0, -0.0, 1.0, 0.1, 1.0 / 3.0, 2e10, 1e-300, 5e-324,
                                std::numeric_limits<double>::max(), -123456.789};
  for (int i = 0; i < 20000; ++i) values.push_back(std::ldexp(mant(rng), exp(rng)));
  for (double v : values) {
    std::string text;
    dxfFormatReal(v, 16, text);
    double back = 0;
    ASSERT_TRUE(dxfParseDouble(text, back)) << text;
    EXPECT_EQ(std::memcmp(&v, &back, sizeof v), 0) << text;
  }
  std::string text;
  dxfFormatReal(3.0, 16, text);
  EXPECT_EQ(text, "3.0");
  text.clear();
  dxfFormatReal(1.0 / 3.0, 4, text);
  EXPECT_EQ(text, "0.3333");
  double d = 0;
  EXPECT_TRUE(dxfParseDouble("  -1.5e3 \r", d));
  EXPECT_EQ(d, -1500.0);
  EXPECT_FALSE(dxfParseDouble("1,5", d));
  EXPECT_FALSE(dxfParseDouble("", d));
  EXPECT_FALSE(dxfParseDouble("12abc", d));
  std::int64_t i = 0;
  EXPECT_TRUE(dxfParseInt64(" 70 ", i));
  EXPECT_EQ(i, 70);
  EXPECT_TRUE(dxfParseInt64("2.0", i));  // some writers put integers as reals
  EXPECT_EQ(i, 2);
  EXPECT_FALSE(dxfParseInt64("2.5", i));
  std::uint64_t h = 0;
  EXPECT_TRUE(dxfParseHandle("1a2B", h));
  EXPECT_EQ(h, 0x1A2Bu);
  EXPECT_FALSE(dxfParseHandle("12G", h));
  EXPECT_FALSE(dxfParseHandle("11112222333344445", h));
}

TEST(DxfText, ScannerSplitsGroupsAndNamesBadLines) {
  std::vector<DxfRawGroup> groups;
  std::string error;
  std::uint32_t line = 0;
  const std::string ok = "\xEF\xBB\xBF  0\r\nSECTION\r\n  2\r\nHEADER\r\n999\n comment \n  0\nEOF\n\n\n";
  ASSERT_TRUE(DxfScanner::scan(ok.data(), ok.size(), groups, error, line)) << error;
  ASSERT_EQ(groups.size(), 4u);
  EXPECT_EQ(groups[1].code, 2);
  EXPECT_EQ(std::string(ok.data() + groups[1].offset, groups[1].length), "HEADER");
  EXPECT_EQ(std::string(ok.data() + groups[2].offset, groups[2].length), " comment ");
  const std::string badCode = "  0\nSECTION\nxyz\nfoo\n";
  EXPECT_FALSE(DxfScanner::scan(badCode.data(), badCode.size(), groups, error, line));
  EXPECT_EQ(line, 3u);
  EXPECT_NE(error.find("invalid group code 'xyz'"), std::string::npos);
  const std::string outOfRange = "  0\nA\n2000\nB\n";
  EXPECT_FALSE(DxfScanner::scan(outOfRange.data(), outOfRange.size(), groups, error, line));
  EXPECT_EQ(line, 3u);
  const std::string noValue = "  0\nSECTION\n  2";
  EXPECT_FALSE(DxfScanner::scan(noValue.data(), noValue.size(), groups, error, line));
  EXPECT_EQ(line, 3u);
  EXPECT_NE(error.find("unexpected end of file"), std::string::npos);
  const std::string gap = "  0\nA\n\n  0\nB\n";
  EXPECT_FALSE(DxfScanner::scan(gap.data(), gap.size(), groups, error, line));
  EXPECT_EQ(line, 3u);
}
