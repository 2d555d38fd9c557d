#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "veskutil/ConfirmBackslash.h"
#include "veskutil/NoCase.h"
#include "veskutil/StrArray.h"

namespace {

using Strings = std::vector<std::wstring>;

Strings toVector(const CStringArray& a) {
  Strings v;
  for (INT_PTR i = 0; i < a.GetSize(); ++i) v.emplace_back(a[i].GetString());
  return v;
}

TEST(StrArray, SplitsAtAWholeSeparatorKeepingEmptyPieces) {
  CStringArray parts;
  EXPECT_EQ(veskutil::Str2StrArr(L"1A;2B;3C", L";", parts), 3);
  EXPECT_EQ(toVector(parts), (Strings{L"1A", L"2B", L"3C"}));

  // Empty pieces stay in place, at the ends too, unless asked otherwise.
  EXPECT_EQ(veskutil::Str2StrArr(L";a;;b;", L";", parts), 5);
  EXPECT_EQ(toVector(parts), (Strings{L"", L"a", L"", L"b", L""}));
  EXPECT_EQ(veskutil::Str2StrArr(L";a;;b;", L";", parts, true), 2);
  EXPECT_EQ(toVector(parts), (Strings{L"a", L"b"}));

  // A separator of several characters is one separator, not a set.
  EXPECT_EQ(veskutil::Str2StrArr(L"道路::宽度:10::", L"::", parts), 3);
  EXPECT_EQ(toVector(parts), (Strings{L"道路", L"宽度:10", L""}));

  // The array is emptied first; an empty text gives nothing.
  EXPECT_EQ(veskutil::Str2StrArr(L"", L";", parts), 0);
  EXPECT_EQ(parts.GetSize(), 0);
  // No separator in the text, or an empty separator: the whole text.
  EXPECT_EQ(veskutil::Str2StrArr(L"name", L":", parts), 1);
  EXPECT_EQ(toVector(parts), (Strings{L"name"}));
  EXPECT_EQ(veskutil::Str2StrArr(L"a;b", L"", parts), 1);
  EXPECT_EQ(toVector(parts), (Strings{L"a;b"}));
}

TEST(StrArray, JoinIsTheInverseOfSplit) {
  const wchar_t* samples[] = {L"a;b;c", L";x;;", L"单个", L"1F;2A"};
  for (const wchar_t* s : samples) {
    CStringArray parts;
    veskutil::Str2StrArr(s, L";", parts);
    EXPECT_EQ(veskutil::StrArr2Str(parts, L";"), CString(s)) << s;
  }
  CStringArray none;
  EXPECT_TRUE(veskutil::StrArr2Str(none, L";").IsEmpty());
}

TEST(StrArray, FindsTheFirstMatchFromAStartIndex) {
  CStringArray items;
  items.Add(L"FS_NAME");
  items.Add(L"fn_count");
  items.Add(L"道路");
  items.Add(L"FS_NAME");
  EXPECT_EQ(veskutil::StrArrFindStr(items, L"FS_NAME"), 0);
  EXPECT_EQ(veskutil::StrArrFindStr(items, L"FS_NAME", false, 1), 3);
  EXPECT_EQ(veskutil::StrArrFindStr(items, L"FN_COUNT"), -1);
  EXPECT_EQ(veskutil::StrArrFindStr(items, L"FN_COUNT", true), 1);
  EXPECT_EQ(veskutil::StrArrFindStr(items, L"道路", true), 2);
  EXPECT_EQ(veskutil::StrArrFindStr(items, L"FS_NAME", false, 4), -1);
  EXPECT_EQ(veskutil::StrArrFindStr(items, L"FS_NAME", false, -3), 0);
  EXPECT_EQ(veskutil::StrArrFindStr(items, L""), -1);
}

TEST(NoCase, FoldsLettersOfEveryScriptAndLeavesOthers) {
  EXPECT_TRUE(veskutil::EqualNoCase(L"GisLayer", L"GISLAYER"));
  EXPECT_TRUE(veskutil::EqualNoCase(L"道路A", L"道路a"));
  EXPECT_FALSE(veskutil::EqualNoCase(L"道路", L"道"));
  EXPECT_FALSE(veskutil::EqualNoCase(L"[", L"{"));  // 0x5B and 0x7B are no letters
  EXPECT_TRUE(veskutil::StartsWithNoCase(L"fapp_road", L"FAPP_"));
  EXPECT_FALSE(veskutil::StartsWithNoCase(L"FAP", L"FAPP_"));
  EXPECT_EQ(veskutil::FoldCase(std::wstring_view(L"AbC-道")), L"abc-道");
}

TEST(ConfirmBackslash, AppendsOneSeparatorOnlyWhereNeeded) {
  CString p(L"D:\\数据");
  EXPECT_EQ(veskutil::ConfirmBackslash(p), CString(L"D:\\数据\\"));
  EXPECT_EQ(veskutil::ConfirmBackslash(p), CString(L"D:\\数据\\"));  // not twice
  CString slash(L"/tmp/");
  EXPECT_EQ(veskutil::ConfirmBackslash(slash), CString(L"/tmp/"));
  CString empty;
  EXPECT_TRUE(veskutil::ConfirmBackslash(empty).IsEmpty());
  EXPECT_EQ(veskutil::WithBackslash(L"out"), CString(L"out\\"));
}

}  // namespace
