// The drawing scale: the symbol "$SYS_SCALE" of each type, and the unit of the
// drawing information when the symbol is not set.
#include <gtest/gtest.h>

#include "arx/ed/AcedLispSymbol.h"
#include "platform/arx/ed/EdTestSupport.h"
#include "veskbase/DatNamedObjDict.h"
#include "veskcad/standards/SysScale.h"

namespace {

using VeskCad::Fun::GetSysScale;
using VeskCad::Fun::SetSysScale;

class SysScaleTest : public edtest::EditorTest {
 protected:
  void putSym(resbuf* value) {
    ASSERT_EQ(acedPutSym(L"$SYS_SCALE", value), RTNORM);
    acutRelRb(value);
  }
  int symType() {
    resbuf* v = nullptr;
    acedGetSym(L"$SYS_SCALE", &v);
    const int type = v != nullptr ? v->restype : 0;
    acutRelRb(v);
    return type;
  }
  // The drawing information: version, four groups of (1, 90, 40), and a unit.
  void putInfo(int version, const wchar_t* unit) {
    resbuf* data = acutBuildList(90, version, 1, L"图号", 90, 1, 40, 1.0, 1, L"比例", 90, 500, 40, 500.0, 1, L"图幅",
                                 90, 1, 40, 1.0, 1, L"坐标", 90, 0, 40, 0.0, 0);
    if (unit != nullptr) {
      resbuf* last = data;
      while (last->rbnext != nullptr) last = last->rbnext;
      last->rbnext = acutBuildList(1, unit, 0);
    }
    ASSERT_EQ(vesk::dat::AddNamedObjDict(L"ZEMIRDRAWINGINFO", L"ZEMIRDRAWINGINFO", data), 1);
    acutRelRb(data);
  }
};

TEST_F(SysScaleTest, TheSymbolIsReadByItsType) {
  EXPECT_EQ(SetSysScale(500.0), 1);
  EXPECT_EQ(symType(), RTREAL);
  EXPECT_DOUBLE_EQ(GetSysScale(), 500.0);

  resbuf* v = acutNewRb(RTSHORT);
  v->resval.rint = 500;
  putSym(v);
  EXPECT_DOUBLE_EQ(GetSysScale(), 500.0);
  v = acutNewRb(RTLONG);
  v->resval.rlong = 70000;
  putSym(v);
  EXPECT_DOUBLE_EQ(GetSysScale(), 70000.0);

  // Any other type gives 1.0 and becomes the real 1.0.
  putSym(acutBuildList(RTSTR, L"1:500", 0));
  EXPECT_DOUBLE_EQ(GetSysScale(), 1.0);
  EXPECT_EQ(symType(), RTREAL);
  EXPECT_DOUBLE_EQ(GetSysScale(), 1.0);

  // A symbol wins over the drawing information.
  putInfo(2, L"毫米");
  EXPECT_EQ(SetSysScale(2000.0), 1);
  EXPECT_DOUBLE_EQ(GetSysScale(), 2000.0);
}

TEST_F(SysScaleTest, AnUnsetSymbolTakesTheUnitOfTheDrawingInformation) {
  EXPECT_DOUBLE_EQ(GetSysScale(), 1.0);  // no information: metres
  putInfo(2, L"毫米");
  EXPECT_DOUBLE_EQ(GetSysScale(), 1000.0);
  EXPECT_EQ(symType(), RTNIL);  // not set by reading
  putInfo(2, L"米");
  EXPECT_DOUBLE_EQ(GetSysScale(), 1.0);
  putInfo(1, L"毫米");  // only version 2 carries a unit
  EXPECT_DOUBLE_EQ(GetSysScale(), 1.0);
  putInfo(2, nullptr);  // version 2 without its unit
  EXPECT_DOUBLE_EQ(GetSysScale(), 1.0);
}

}  // namespace
