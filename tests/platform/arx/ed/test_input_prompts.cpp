// The command-line input functions answered from a script.
#include <cmath>

#include "arx/ed/AcedInput.h"
#include "arx/ed/KeywordList.h"
#include "platform/arx/ed/EdTestSupport.h"

namespace {

using edtest::EditorTest;

TEST(KeywordListTest, AbbreviationsAndGlobalNames) {
  vhost::KeywordList kw(L"Yes No LType eXit _ Oui Non Ltype Quitter");
  EXPECT_EQ(kw.match(L"y"), 0);
  EXPECT_EQ(kw.match(L"YES"), 0);
  EXPECT_EQ(kw.match(L"ye"), 0);
  EXPECT_EQ(kw.match(L"yess"), -1);
  EXPECT_EQ(kw.match(L"lt"), 2);
  EXPECT_EQ(kw.match(L"lty"), 2);
  EXPECT_EQ(kw.match(L"l"), -1);  // the capitals L and T are both needed
  EXPECT_EQ(kw.match(L"x"), 3);
  EXPECT_EQ(kw.match(L"exit"), 3);
  EXPECT_EQ(kw.match(L"ex"), -1);  // a mid-word abbreviation is typed alone
  EXPECT_EQ(kw.match(L"_Oui"), 0);
  EXPECT_EQ(kw.match(L"_quitter"), 3);
  EXPECT_EQ(kw.match(L"Oui"), -1);  // global names need the underscore
  EXPECT_EQ(kw.globalName(1), L"Non");
  EXPECT_EQ(kw.localName(1), L"No");

  vhost::KeywordList numbers(L"0 1 2 3");
  EXPECT_EQ(numbers.match(L"2"), 2);
  EXPECT_EQ(numbers.match(L"22"), -1);
  vhost::KeywordList comma(L"LTYPE,LT Color");
  EXPECT_EQ(comma.match(L"lt"), 0);
  EXPECT_EQ(comma.match(L"ltyp"), 0);
  EXPECT_EQ(comma.match(L"l"), -1);
  EXPECT_EQ(comma.match(L"color"), 1);
  EXPECT_EQ(comma.match(L"c"), 1);  // the capital C
  EXPECT_EQ(comma.match(L"co"), 1);
}

TEST_F(EditorTest, KeywordPromptsWithDefaultsAndEnter) {
  script({L"v", L"", L"_E", L"x", L"e"});
  ACHAR kw[133];
  acedInitGet(0, L"V E");
  EXPECT_EQ(acedGetKword(L"\nChoose [V/E] <default>: ", kw), RTNORM);
  EXPECT_STREQ(kw, L"V");
  // Enter takes the default (RTNONE) and the control bits applied only once
  acedInitGet(0, L"V E");
  EXPECT_EQ(acedGetKword(L"\nChoose [V/E] <default>: ", kw), RTNONE);
  acedInitGet(0, L"Show Erase _ V E");
  EXPECT_EQ(acedGetKword(L"\nChoose: ", kw), RTNORM);
  EXPECT_STREQ(kw, L"E");  // the global name is returned
  // a wrong answer is refused and asked again
  acedInitGet(0, L"V E");
  EXPECT_EQ(acedGetKword(L"\nChoose: ", kw), RTNORM);
  EXPECT_STREQ(kw, L"E");
  EXPECT_NE(ui.transcript().find(L"Invalid option keyword."), std::wstring::npos);
  EXPECT_EQ(ui.pendingLines(), 0u);
}

TEST_F(EditorTest, NoNullRePromptsAndRangeControls) {
  script({L"", L"", L"0", L"-2", L"2.5", L"", L"abc", L"70000", L"12"});
  acedInitGet(RSG_NONULL | RSG_NOZERO | RSG_NONEG, nullptr);
  double r = 0.0;
  EXPECT_EQ(acedGetReal(L"\nScale: ", &r), RTNORM);
  EXPECT_DOUBLE_EQ(r, 2.5);
  std::wstring t = ui.transcript();
  EXPECT_NE(t.find(L"Value must be positive and nonzero."), std::wstring::npos);
  // without controls Enter gives RTNONE; integers are checked
  int i = 0;
  EXPECT_EQ(acedGetInt(L"\nCount: ", &i), RTNONE);
  EXPECT_EQ(acedGetInt(L"\nCount: ", &i), RTNORM);
  EXPECT_EQ(i, 12);
  EXPECT_NE(ui.transcript().find(L"Requires an integer between -32768 and 32767."), std::wstring::npos);
}

// Distances without a base point take two points (the second asked for
// after the first); a keyword, a point where a real is wanted, a fractional
// integer and Escape at the second point each get their own answer.
TEST_F(EditorTest, DistancesFromTwoPointsAndAnswersThatDoNotFit) {
  script({L"1,1,0", L"4,5,9", L"Half", L"0,0", L"~", L"1,2", L"3", L"2.5", L"4"});
  double d = 0.0;
  acedInitGet(RSG_2D, nullptr);
  ASSERT_EQ(acedGetDist(nullptr, L"\nLength: ", &d), RTNORM);
  EXPECT_DOUBLE_EQ(d, 5.0);  // flat: the Z difference is left out
  acedInitGet(0, L"Half");
  EXPECT_EQ(acedGetDist(nullptr, L"\nLength or [Half]: ", &d), RTKWORD);
  EXPECT_EQ(acedGetDist(nullptr, L"\nLength: ", &d), RTCAN);  // Escape at the second point
  double r = 0.0;
  ASSERT_EQ(acedGetReal(L"\nScale: ", &r), RTNORM);  // the point is refused, then 3
  EXPECT_DOUBLE_EQ(r, 3.0);
  EXPECT_NE(ui.transcript().find(L"Requires numeric value."), std::wstring::npos);
  int i = 0;
  ASSERT_EQ(acedGetInt(L"\nCount: ", &i), RTNORM);  // 2.5 is refused, then 4
  EXPECT_EQ(i, 4);
  EXPECT_NE(ui.transcript().find(L"Requires an integer value."), std::wstring::npos);
}

TEST_F(EditorTest, PointsDistancesAnglesAndKeywordsAtValuePrompts) {
  script({L"10,20", L"@5,0", L"@10<90", L"R", L"3,4", L"7", L"0,10", L"45", L"hello world"});
  ads_point p;
  ASSERT_EQ(acedGetPoint(nullptr, L"\nFirst: ", p), RTNORM);
  EXPECT_DOUBLE_EQ(p[0], 10);
  EXPECT_DOUBLE_EQ(p[1], 20);
  ads_point q;
  ASSERT_EQ(acedGetPoint(p, L"\nNext: ", q), RTNORM);  // relative to the base point
  EXPECT_DOUBLE_EQ(q[0], 15);
  EXPECT_DOUBLE_EQ(q[1], 20);
  ASSERT_EQ(acedGetPoint(q, L"\nPolar: ", q), RTNORM);
  EXPECT_NEAR(q[0], 15, 1e-9);
  EXPECT_NEAR(q[1], 30, 1e-9);
  acedInitGet(0, L"Rectangle");
  EXPECT_EQ(acedGetPoint(nullptr, L"\nPoint or [Rectangle]: ", q), RTKWORD);
  ACHAR kw[133];
  EXPECT_EQ(acedGetInput(kw), RTNORM);
  EXPECT_STREQ(kw, L"Rectangle");

  ads_point origin = {0, 0, 0};
  double d = 0;
  ASSERT_EQ(acedGetDist(origin, L"\nDistance: ", &d), RTNORM);  // a point: distance from the base
  EXPECT_DOUBLE_EQ(d, 5.0);
  ASSERT_EQ(acedGetDist(origin, L"\nDistance: ", &d), RTNORM);
  EXPECT_DOUBLE_EQ(d, 7.0);
  double a = 0;
  ASSERT_EQ(acedGetAngle(origin, L"\nAngle: ", &a), RTNORM);
  EXPECT_NEAR(a, M_PI / 2, 1e-12);
  ASSERT_EQ(acedGetOrient(origin, L"\nAngle: ", &a), RTNORM);
  EXPECT_NEAR(a, M_PI / 4, 1e-12);

  ACHAR s[133];
  ASSERT_EQ(acedGetString(1, L"\nText: ", s), RTNORM);
  EXPECT_STREQ(s, L"hello world");
  EXPECT_EQ(acedGetInput(kw), RTERROR);  // the last call gave no keyword
}

TEST_F(EditorTest, StringTruncationAndRsgOther) {
  script({L"abcdefgh", L"anything goes", L"plain words"});
  ACHAR small[5];
  EXPECT_EQ(acedGetString(1, L"\nName: ", small, 5), RTINPUTTRUNCATED);
  EXPECT_STREQ(small, L"abcd");
  acedInitGet(RSG_OTHER, L"Yes No");
  double v;
  EXPECT_EQ(acedGetReal(L"\nValue: ", &v), RTKWORD);
  ACHAR got[133];
  acedGetInput(got);
  EXPECT_STREQ(got, L"anything goes");
  ACHAR word[133];
  ASSERT_EQ(acedGetString(0, L"\nWord: ", word), RTNORM);
  EXPECT_STREQ(word, L"plain");  // without cronly a blank ends the answer
}

TEST_F(EditorTest, EscapeAndEndOfScriptCancelPrompts) {
  script({L"~"});
  ads_point p;
  EXPECT_EQ(acedGetPoint(nullptr, L"\nPoint: ", p), RTCAN);
  EXPECT_FALSE(ui.promptStarved());
  EXPECT_NE(ui.transcript().find(L"Point: *Cancel*"), std::wstring::npos);
  int i;
  EXPECT_EQ(acedGetInt(L"\nNumber: ", &i), RTCAN);
  EXPECT_TRUE(ui.promptStarved());
  EXPECT_EQ(ui.starvedPrompt(), L"\nNumber: ");
}

TEST_F(EditorTest, TranscriptRendersPromptsAnswersAndPrints) {
  script({L"; a comment line is skipped", L"12", L""});
  ui.print(L"\nFirst line");
  int i;
  acedGetInt(L"\nCount: ", &i);
  ui.print(L"\nAfter the answer");
  acedGetInt(L"\nAgain <1>: ", &i);
  ui.print(L"done");
  EXPECT_EQ(ui.transcript(), L"First line\nCount: 12\nAfter the answer\nAgain <1>: \ndone");
  ASSERT_EQ(ui.entries().size(), 5u);
  EXPECT_EQ(ui.entries()[1].kind, vhost::TranscriptEntry::Kind::kPrompt);
  EXPECT_EQ(ui.entries()[1].answer, L"12");
  EXPECT_EQ(ui.entries()[1].promptKind, vhost::PromptKind::kInteger);
  EXPECT_EQ(ui.entries()[3].reply, vhost::Reply::Kind::kEnter);
}

}  // namespace
