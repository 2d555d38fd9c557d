// System variables set for the length of an operation and put back.
#include "VeskBaseTestSupport.h"
#include "arx/ed/AcedSysVar.h"
#include "veskbase/CSaveSysVar.h"
#include "veskbase/CSysVar.h"

namespace {

using vbtest::DrawingTest;
using vesk::cad::GetSysVar;
using vesk::cad::SetSysVar;

class SysVarTest : public DrawingTest {
 protected:
  int intVar(const wchar_t* name) {
    int v = -12345;
    EXPECT_EQ(GetSysVar(name, v), 1) << "reading a known variable";
    return v;
  }
  CString textVar(const wchar_t* name) {
    CString s;
    EXPECT_EQ(GetSysVar(name, s), 1);
    return s;
  }
};

TEST_F(SysVarTest, ReadingAndWritingOneVariable) {
  ASSERT_EQ(SetSysVar(L"osmode", 37), 1);
  EXPECT_EQ(intVar(L"OSMODE"), 37);
  double real = 0;
  ASSERT_EQ(GetSysVar(L"OSMODE", real), 1) << "an integer reads as a real too";
  EXPECT_EQ(real, 37.0);
  ASSERT_EQ(SetSysVar(L"LTSCALE", 2.5), 1);
  ASSERT_EQ(GetSysVar(L"LTSCALE", real), 1);
  EXPECT_EQ(real, 2.5);
  ASSERT_EQ(SetSysVar(L"LTSCALE", 3), 1) << "a real variable takes an integer";
  ASSERT_EQ(GetSysVar(L"LTSCALE", real), 1);
  EXPECT_EQ(real, 3.0);
  dbtest::addLayer(db, L"ROAD");
  ASSERT_EQ(SetSysVar(L"CLAYER", L"ROAD"), 1);
  EXPECT_EQ(textVar(L"CLAYER").CompareNoCase(L"ROAD"), 0);
  AcGePoint3d p;
  EXPECT_EQ(GetSysVar(L"LIMMAX", p), 1);

  int i = 0;
  EXPECT_EQ(GetSysVar(L"NO_SUCH_VAR", i), 0);
  EXPECT_EQ(GetSysVar(L"CLAYER", i), 0) << "a text is no integer";
  EXPECT_EQ(SetSysVar(L"OSMODE", 2.5), 0) << "a fraction does not fit an integer variable";
  EXPECT_EQ(SetSysVar(L"OSMODE", L"x"), 0);
  EXPECT_EQ(SetSysVar(L"CMDECHO", 70000), 0) << "out of a 16-bit variable's range";
  EXPECT_EQ(SetSysVar(L"DBMOD", 0), 0) << "read-only";
}

TEST_F(SysVarTest, SettersPutEveryChangedVariableBack) {
  ASSERT_EQ(SetSysVar(L"CMDECHO", 1), 1);
  ASSERT_EQ(SetSysVar(L"PICKSTYLE", 1), 1);
  ASSERT_EQ(SetSysVar(L"OSMODE", 5), 1);
  {
    vesk::CSysVar echo(L"cmdecho", 0);
    EXPECT_EQ(intVar(L"CMDECHO"), 0);
    EXPECT_EQ(echo.Set(L"OSMODE", 0), 1);
    EXPECT_EQ(echo.Set(L"osmode", 7), 1);
    EXPECT_EQ(intVar(L"OSMODE"), 7);
    EXPECT_EQ(echo.Count(), 2) << "a variable set twice is saved once";
    EXPECT_EQ(echo.Set(L"NO_SUCH_VAR", 1), 0);
    EXPECT_EQ(echo.Set(L"OSMODE", L"text"), 0);
    EXPECT_EQ(echo.Count(), 2);
  }
  EXPECT_EQ(intVar(L"CMDECHO"), 1);
  EXPECT_EQ(intVar(L"OSMODE"), 5) << "back to the value before the first change";

  // A result-buffer list of name/value pairs.
  resbuf* list = acutBuildList(RTSTR, L"pickstyle", RTSHORT, 0, RTSTR, L"LTSCALE", RTREAL, 4.0, RTNONE);
  {
    vesk::CSysVar pick(list);
    EXPECT_EQ(pick.Count(), 2);
    EXPECT_EQ(intVar(L"PICKSTYLE"), 0);
    double s = 0;
    GetSysVar(L"LTSCALE", s);
    EXPECT_EQ(s, 4.0);
  }
  EXPECT_EQ(intVar(L"PICKSTYLE"), 1);
  double s = 0;
  GetSysVar(L"LTSCALE", s);
  EXPECT_EQ(s, 1.0);
  {
    vesk::CSysVar pick(list);
    pick.Restore();
    EXPECT_EQ(pick.Count(), 0);
    EXPECT_EQ(intVar(L"PICKSTYLE"), 1) << "restored early";
  }
  acutRelRb(list);
  resbuf* odd = acutBuildList(RTSTR, L"CMDECHO", RTNONE);
  vesk::CSysVar broken;
  EXPECT_EQ(broken.SetList(odd), 0) << "a name without a value";
  acutRelRb(odd);
}

TEST_F(SysVarTest, SaversRestoreWhateverTheWorkChanged) {
  dbtest::addLayer(db, L"WORK");
  ASSERT_EQ(SetSysVar(L"OSMODE", 3), 1);
  ASSERT_EQ(SetSysVar(L"CMDECHO", 1), 1);
  const CString layer = textVar(L"CLAYER");
  {
    vesk::CSaveSysVar saver(true);
    EXPECT_EQ(saver.IsSaved(L"osmode"), 1);
    EXPECT_EQ(saver.IsSaved(L"CLAYER"), 1);
    EXPECT_EQ(saver.IsSaved(L"LTSCALE"), 0);
    SetSysVar(L"OSMODE", 0);
    SetSysVar(L"CMDECHO", 0);
    SetSysVar(L"CLAYER", L"WORK");
  }
  EXPECT_EQ(intVar(L"OSMODE"), 3);
  EXPECT_EQ(intVar(L"CMDECHO"), 1);
  EXPECT_EQ(textVar(L"CLAYER").CompareNoCase(layer), 0);

  {
    vesk::CSaveSysVar one(L"LTSCALE");
    EXPECT_EQ(one.Count(), 1);
    EXPECT_EQ(one.Save(L"LTSCALE"), 1);
    EXPECT_EQ(one.Count(), 1);
    EXPECT_EQ(one.Save(L"NO_SUCH_VAR"), 0);
    SetSysVar(L"LTSCALE", 9.0);
    EXPECT_EQ(one.Restore(), 1);
    SetSysVar(L"LTSCALE", 7.0);  // after Restore the saver holds nothing
  }
  double s = 0;
  GetSysVar(L"LTSCALE", s);
  EXPECT_EQ(s, 7.0);
  vesk::CSaveSysVar nothing;
  EXPECT_EQ(nothing.Count(), 0);
}

}  // namespace
