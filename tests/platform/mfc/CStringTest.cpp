#include <gtest/gtest.h>

#include <cwchar>
#include <map>
#include <unordered_set>
#include <vector>

#include "mfc/CString.h"
#include "platform/mfc/MfcTestUtil.h"

TEST(CString, ConstructionAndUtf8) {
  EXPECT_TRUE(CString().IsEmpty());
  EXPECT_TRUE(CString(static_cast<const wchar_t*>(nullptr)).IsEmpty());
  EXPECT_EQ(CString(L'x', 3), L"xxx");
  EXPECT_TRUE(CString(L'x', 0).IsEmpty());
  EXPECT_EQ(CString(L"图层名称", 2), L"图层");
  // Narrow text is UTF-8.
  const CString layer("道路中线");
  EXPECT_EQ(layer.GetLength(), 4);
  EXPECT_EQ(layer, L"道路中线");
  EXPECT_EQ(layer.ToUtf8(), "道路中线");
  EXPECT_EQ(CString("ab\xE4\xB8\xAD", 3), L"ab\uFFFD");  // cut inside a character
  EXPECT_TRUE(ThrowsInvalidArg([] { CString(L"abc", -1); }));
  EXPECT_TRUE(ThrowsInvalidArg([] { CString(static_cast<const wchar_t*>(nullptr), 2); }));

  // Round trip through UTF-8, including a character outside the BMP.
  const CString mixed(L"图层A-1 \U0001F600 é");
  EXPECT_EQ(CString::FromUtf8(mixed.ToUtf8()), mixed);
  // Bad bytes become one U+FFFD per ill-formed part, never a crash.
  EXPECT_EQ(CString::FromUtf8("a\x80" "b"), L"a\uFFFDb");
  EXPECT_EQ(CString::FromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");             // overlong
  EXPECT_EQ(CString::FromUtf8("\xE0\x80\xAF"), L"\uFFFD\uFFFD\uFFFD");   // overlong
  EXPECT_EQ(CString::FromUtf8("\xED\xA0\x80"), L"\uFFFD\uFFFD\uFFFD");   // encoded surrogate
  EXPECT_EQ(CString::FromUtf8("\xE5\x9B" "x"), L"\uFFFDx");              // truncated, next byte kept
  EXPECT_EQ(CString::FromUtf8("\xF4\x90\x80\x80"), L"\uFFFD\uFFFD\uFFFD\uFFFD");  // past U+10FFFF
  EXPECT_EQ(CString::FromUtf8("\xFF"), L"\uFFFD");
  EXPECT_EQ(CString::FromUtf8("a\0b", 3).GetLength(), 3);
  // Encoding joins surrogate pairs and replaces lone surrogates.
  EXPECT_EQ(CString(L"\xD83D\xDE00").ToUtf8(), "\xF0\x9F\x98\x80");
  EXPECT_EQ(CString(L"a\xDC00").ToUtf8(), "a\xEF\xBF\xBD");
}

TEST(CString, FindAndReverseFind) {
  const CString s(L"道路,河流,道路");
  EXPECT_EQ(s.Find(L'道'), 0);
  EXPECT_EQ(s.Find(L'道', 1), 6);
  EXPECT_EQ(s.Find(L"道路", 1), 6);
  EXPECT_EQ(s.Find(L"河流"), 3);
  EXPECT_EQ(s.Find(L"湖泊"), -1);
  EXPECT_EQ(s.Find(L'道', 8), -1);
  EXPECT_EQ(s.Find(L'道', -1), -1);
  EXPECT_EQ(s.Find(L"", 8), 8);  // empty text is found where the search starts
  EXPECT_EQ(s.Find(L"", 9), -1);
  EXPECT_EQ(s.Find(static_cast<const wchar_t*>(nullptr)), -1);
  EXPECT_EQ(s.FindOneOf(L",;"), 2);
  EXPECT_EQ(s.FindOneOf(L""), -1);
  EXPECT_EQ(s.ReverseFind(L','), 5);
  EXPECT_EQ(s.ReverseFind(L'x'), -1);
  EXPECT_EQ(s.ReverseFind(L'\0'), 8);
  EXPECT_EQ(CString().Find(L'a'), -1);
  EXPECT_EQ(s.SpanIncluding(L"道路"), L"道路");
  EXPECT_EQ(s.SpanExcluding(L","), L"道路");
  EXPECT_EQ(s.SpanExcluding(L";"), s);
}

TEST(CString, ExtractionClampsLikeMfc) {
  const CString s(L"ABCDEF");
  EXPECT_EQ(s.Mid(2), L"CDEF");
  EXPECT_EQ(s.Mid(2, 2), L"CD");
  EXPECT_EQ(s.Mid(-3, 2), L"AB");
  EXPECT_EQ(s.Mid(4, 100), L"EF");
  EXPECT_EQ(s.Mid(6), L"");
  EXPECT_EQ(s.Mid(10, 2), L"");
  EXPECT_EQ(s.Mid(1, -5), L"");
  EXPECT_EQ(s.Mid(0x7FFFFFF0, 0x7FFFFFF0), L"");
  EXPECT_EQ(s.Left(2), L"AB");
  EXPECT_EQ(s.Left(-1), L"");
  EXPECT_EQ(s.Left(99), s);
  EXPECT_EQ(s.Right(2), L"EF");
  EXPECT_EQ(s.Right(-1), L"");
  EXPECT_EQ(s.Right(99), s);
}

TEST(CString, Trim) {
  CString s(L" \t图层 \r\n\x3000");
  EXPECT_EQ(s.Trim(), L"图层");
  s = L"  a b  ";
  EXPECT_EQ(CString(s).TrimLeft(), L"a b  ");
  EXPECT_EQ(CString(s).TrimRight(), L"  a b");
  EXPECT_EQ(CString(L"xxaxx").Trim(L'x'), L"a");
  EXPECT_EQ(CString(L"xxaxx").TrimLeft(L'x'), L"axx");
  EXPECT_EQ(CString(L"xxaxx").TrimRight(L'x'), L"xxa");
  EXPECT_EQ(CString(L"xxxx").Trim(L'x'), L"");
  EXPECT_EQ(CString(L"-_名称_-").Trim(L"_-"), L"名称");
  EXPECT_EQ(CString(L"\\dir\\").TrimRight(L"\\/"), L"\\dir");
  EXPECT_EQ(CString(L"abc").Trim(L""), L"abc");
  EXPECT_EQ(CString(L"abc").Trim(static_cast<const wchar_t*>(nullptr)), L"abc");
  EXPECT_EQ(CString(L"   ").Trim(), L"");
}

TEST(CString, Tokenize) {
  // Leading, repeated and trailing delimiters produce no empty tokens.
  const CString s(L";;道路;;河流;湖泊;;");
  std::vector<CString> tokens;
  int pos = 0;
  for (CString t = s.Tokenize(L";", pos); pos != -1; t = s.Tokenize(L";", pos)) tokens.push_back(t);
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[0], L"道路");
  EXPECT_EQ(tokens[2], L"湖泊");
  // Calling again with the finished position is an error, as in MFC.
  EXPECT_TRUE(ThrowsInvalidArg([&] { s.Tokenize(L";", pos); }));

  pos = 0;
  const CString csv(L"a, b,c");
  EXPECT_EQ(csv.Tokenize(L", ", pos), L"a");
  EXPECT_EQ(pos, 2);
  EXPECT_EQ(csv.Tokenize(L", ", pos), L"b");
  EXPECT_EQ(csv.Tokenize(L", ", pos), L"c");
  EXPECT_EQ(pos, 7);
  EXPECT_TRUE(csv.Tokenize(L", ", pos).IsEmpty());
  EXPECT_EQ(pos, -1);

  pos = 0;
  EXPECT_TRUE(CString(L";;;").Tokenize(L";", pos).IsEmpty());
  EXPECT_EQ(pos, -1);
  pos = 0;
  EXPECT_TRUE(CString().Tokenize(L";", pos).IsEmpty());
  EXPECT_EQ(pos, -1);
  // No delimiters: the rest is one token, and the loop still ends.
  pos = 1;
  EXPECT_EQ(csv.Tokenize(L"", pos), L", b,c");
  EXPECT_TRUE(csv.Tokenize(L"", pos).IsEmpty());
  EXPECT_EQ(pos, -1);
  pos = 99;
  EXPECT_TRUE(csv.Tokenize(L";", pos).IsEmpty());
  EXPECT_EQ(pos, -1);
}

TEST(CString, ReplaceRemoveInsertDelete) {
  CString s(L"aaaa");
  EXPECT_EQ(s.Replace(L"aa", L"b"), 2);  // left to right, no overlap
  EXPECT_EQ(s, L"bb");
  s = L"aaa";
  EXPECT_EQ(s.Replace(L"aa", L"aaa"), 1);
  EXPECT_EQ(s, L"aaaa");
  s = L"道路-道路";
  EXPECT_EQ(s.Replace(L"道路", L""), 2);
  EXPECT_EQ(s, L"-");
  EXPECT_EQ(s.Replace(L"", L"x"), 0);
  EXPECT_EQ(s.Replace(static_cast<const wchar_t*>(nullptr), L"x"), 0);
  EXPECT_EQ(s.Replace(L"-", nullptr), 1);
  EXPECT_TRUE(s.IsEmpty());
  s = L"a\\b\\c";
  EXPECT_EQ(s.Replace(L'\\', L'/'), 2);
  EXPECT_EQ(s, L"a/b/c");
  EXPECT_EQ(s.Replace(L'/', L'/'), 0);
  EXPECT_EQ(s.Remove(L'/'), 2);
  EXPECT_EQ(s, L"abc");

  EXPECT_EQ(s.Insert(1, L'X'), 4);
  EXPECT_EQ(s, L"aXbc");
  EXPECT_EQ(s.Insert(-5, L"<"), 5);
  EXPECT_EQ(s.Insert(99, L">"), 6);
  EXPECT_EQ(s, L"<aXbc>");
  EXPECT_EQ(s.Insert(1, s.GetString()), 12);  // inserting the string into itself
  EXPECT_EQ(s, L"<<aXbc>aXbc>");
  s = L"abcdef";
  EXPECT_EQ(s.Delete(1, 2), 4);
  EXPECT_EQ(s, L"adef");
  EXPECT_EQ(s.Delete(3, 10), 3);
  EXPECT_EQ(s.Delete(10, 1), 3);
  EXPECT_EQ(s.Delete(-2, 1), 2);
  EXPECT_EQ(s, L"de");
  EXPECT_EQ(CString(L"AbC中").MakeLower(), L"abc中");
  EXPECT_EQ(CString(L"aBc中").MakeUpper(), L"ABC中");
  EXPECT_EQ(CString(L"道路ab").MakeReverse(), L"ba路道");
}

TEST(CString, Comparison) {
  EXPECT_EQ(CString(L"abc").Compare(L"abd"), -1);
  EXPECT_EQ(CString(L"abc").Compare(L"abc"), 0);
  EXPECT_EQ(CString(L"abcd").Compare(L"abc"), 1);
  EXPECT_EQ(CString(L"Layer").CompareNoCase(L"LAYER"), 0);
  EXPECT_EQ(CString(L"图层A").CompareNoCase(L"图层a"), 0);
  EXPECT_LT(CString(L"abc").CompareNoCase(L"ABD"), 0);
  EXPECT_GT(CString(L"b").CompareNoCase(L"A"), 0);
  EXPECT_LT(CString(L"ab").CompareNoCase(L"ABC"), 0);
  // '_' lies between upper and lower case letters: compared as lower case.
  EXPECT_GT(CString(L"A").CompareNoCase(L"_"), 0);
  EXPECT_LT(CString(L"_").CompareNoCase(L"a"), 0);
  EXPECT_EQ(CString(L"b").Collate(L"a"), 1);
  EXPECT_TRUE(ThrowsInvalidArg([] { CString(L"a").Compare(nullptr); }));

  const CString a(L"道路"), b(L"河流");
  EXPECT_TRUE(a == L"道路");
  EXPECT_TRUE(L"道路" == a);
  EXPECT_TRUE(a != b);
  EXPECT_TRUE(a == CString("道路"));
  EXPECT_TRUE(CString(L"x") == L'x');
  EXPECT_TRUE(CString(L"a") < CString(L"b"));
  EXPECT_TRUE(CString(L"a") < L"b");
  EXPECT_TRUE(L"a" < CString(L"b"));
  EXPECT_TRUE(CString(L"b") >= L"b");
  std::map<CString, int> byName{{L"b", 2}, {L"a", 1}, {L"c", 3}};
  EXPECT_EQ(byName.begin()->first, L"a");
  std::unordered_set<CString> names{L"道路", L"河流", CString("道路")};
  EXPECT_EQ(names.size(), 2u);
  EXPECT_EQ(names.count(L"河流"), 1u);
}

TEST(CString, AccessBuffersAndConcatenation) {
  CString s(L"abc");
  EXPECT_EQ(s.GetAt(2), L'c');
  EXPECT_EQ(s.GetAt(3), L'\0');  // the terminator may be read
  EXPECT_EQ(s[std::size_t{1}], L'b');
  EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetAt(4); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetAt(-1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { (void)s[std::size_t(-1)]; }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { s.SetAt(3, L'x'); }));
  s.SetAt(0, L'图');
  EXPECT_EQ(s, L"图bc");

  wchar_t* buf = s.GetBuffer(10);
  wcscpy(buf, L"道路中线");
  s.ReleaseBuffer();
  EXPECT_EQ(s.GetLength(), 4);
  buf = s.GetBuffer();
  buf[1] = L'\0';
  s.ReleaseBuffer();
  EXPECT_EQ(s, L"道");
  buf = s.GetBufferSetLength(3);
  buf[1] = L'x';
  buf[2] = L'y';
  s.ReleaseBuffer(2);
  EXPECT_EQ(s, L"道x");
  EXPECT_TRUE(ThrowsInvalidArg([&] { s.ReleaseBuffer(5); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { s.GetBuffer(-1); }));

  CString t = s + L"-" + CString(L"图") + L'!';
  EXPECT_EQ(t, L"道x-图!");
  t += L'?';
  t += "层";
  t += t;  // appending to itself
  EXPECT_EQ(t, L"道x-图!?层道x-图!?层");
  EXPECT_EQ(L'<' + CString(L"a") + L'>', L"<a>");
  EXPECT_EQ(L"(" + CString(L"a"), L"(a");
  const wchar_t* raw = t;
  EXPECT_EQ(std::wcslen(raw), 14u);
}
