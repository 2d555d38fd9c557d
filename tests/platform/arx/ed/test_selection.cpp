// Wildcards, selection filters, selection geometry and the selection-set functions.
#include "arx/ed/AcedEntSel.h"
#include "arx/ed/AcedSelectionSet.h"
#include "arx/ed/AcedSysVar.h"
#include "arx/ed/AcutWcMatch.h"
#include "arx/ed/SelectionFilter.h"
#include "platform/arx/ed/EdTestSupport.h"

namespace {

using edtest::EditorTest;

TEST(WcMatchTest, HostWildcardRules) {
  EXPECT_EQ(acutWcMatch(L"LWPOLYLINE", L"*POLYLINE"), RTNORM);
  EXPECT_EQ(acutWcMatch(L"POLYLINE", L"*POLYLINE"), RTNORM);
  EXPECT_EQ(acutWcMatch(L"LINE", L"LINE,*POLYLINE"), RTNORM);
  EXPECT_EQ(acutWcMatch(L"ARC", L"LINE,*POLYLINE"), RTERROR);
  EXPECT_EQ(acutWcMatch(L"line", L"LINE"), RTERROR);  // case counts
  EXPECT_EQ(acutWcMatchEx(L"line", L"LINE", true), RTNORM);
  EXPECT_EQ(acutWcMatch(L"A12", L"@##"), RTNORM);
  EXPECT_EQ(acutWcMatch(L"A1B", L"@##"), RTERROR);
  EXPECT_EQ(acutWcMatch(L"a-b", L"a.b"), RTNORM);
  EXPECT_EQ(acutWcMatch(L"a5b", L"a.b"), RTERROR);
  EXPECT_EQ(acutWcMatch(L"图层1", L"@@#"), RTNORM);  // letters of any script
  EXPECT_EQ(acutWcMatch(L"ABC", L"A?C"), RTNORM);
  EXPECT_EQ(acutWcMatch(L"AC", L"A?C"), RTERROR);
  EXPECT_EQ(acutWcMatch(L"WALL", L"~WALL"), RTERROR);
  EXPECT_EQ(acutWcMatch(L"DOOR", L"~WALL"), RTNORM);
  EXPECT_EQ(acutWcMatch(L"B", L"[ABC]"), RTNORM);
  EXPECT_EQ(acutWcMatch(L"B", L"[~ABC]"), RTERROR);
  EXPECT_EQ(acutWcMatch(L"m", L"[a-z]"), RTNORM);
  EXPECT_EQ(acutWcMatch(L"-", L"[-a]"), RTNORM);
  EXPECT_EQ(acutWcMatch(L"a,b", L"a`,b"), RTNORM);
  EXPECT_EQ(acutWcMatch(L"a*b", L"a`*b"), RTNORM);
  EXPECT_EQ(acutWcMatch(L"axb", L"a`*b"), RTERROR);
  EXPECT_EQ(acutWcMatch(L"FAPP_ROAD", L"FAPP*"), RTNORM);
  EXPECT_EQ(acutWcMatch(L"", L"*"), RTNORM);
  EXPECT_EQ(acutWcMatch(L"abc", L"[abc"), RTERROR);  // an open bracket matches nothing
  EXPECT_EQ(acutWcMatch(nullptr, L"*"), RTERROR);
}

class SelectionTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    dbtest::addLayer(db, L"ROAD");
    dbtest::addLayer(db, L"WATER");
    line1 = addLine(0, 0, 10, 0, L"ROAD");
    line2 = addLine(20, 0, 30, 0, L"WATER");
    circle = addCircle(5, 5, 2, L"ROAD");
    pline = addPolyline({{0, 20}, {10, 20}, {10, 30}}, false);
    tagWithApp(line1, L"FAPP_ROAD");
    tagWithApp(circle, L"FAPP_PARCEL");
    tagWithApp(line2, L"OTHERAPP");
  }
  // The ids acedSSGet selects ("" when it fails).
  std::vector<AcDbObjectId> select(const ACHAR* mode, const void* p1, const void* p2, resbuf* filter) {
    ads_name ss;
    std::vector<AcDbObjectId> out;
    int rc = acedSSGet(mode, p1, p2, filter, ss);
    acutRelRb(filter);
    if (rc != RTNORM) return out;
    Adesk::Int32 n = 0;
    acedSSLength(ss, &n);
    for (Adesk::Int32 i = 0; i < n; ++i) {
      ads_name e;
      acedSSName(ss, i, e);
      out.push_back(edtest::idOf(e));
    }
    acedSSFree(ss);
    return out;
  }
  AcDbObjectId line1, line2, circle, pline;
};

TEST_F(SelectionTest, FiltersOnTypesLayersAndExtendedData) {
  using V = std::vector<AcDbObjectId>;
  EXPECT_EQ(select(L"X", nullptr, nullptr, acutBuildList(RTDXF0, L"LINE,*POLYLINE", 0)), (V{line1, line2, pline}));
  EXPECT_EQ(select(L"_X", nullptr, nullptr, acutBuildList(8, L"road", 0)), (V{line1, circle}));
  EXPECT_EQ(select(L"X", nullptr, nullptr, acutBuildList(-3, 1001, L"FAPP*", 0)), (V{line1, circle}));
  EXPECT_EQ(select(L"X", nullptr, nullptr, acutBuildList(-3, 1001, L"fapp_road", 0)), (V{line1}));
  EXPECT_EQ(select(L"X", nullptr, nullptr, acutBuildList(RTDXF0, L"~LINE", 0)), (V{circle, pline}));
  EXPECT_EQ(select(L"X", nullptr, nullptr, acutBuildList(100, L"AcDbCurve", 0)), (V{line1, line2, circle, pline}));
  EXPECT_EQ(select(L"X", nullptr, nullptr, acutBuildList(67, 0, 0)).size(), 4u);
  EXPECT_TRUE(select(L"X", nullptr, nullptr, acutBuildList(67, 1, 0)).empty());  // nothing in paper space
  // logical groupings
  EXPECT_EQ(select(L"X", nullptr, nullptr,
                   acutBuildList(-4, L"<OR", RTDXF0, L"CIRCLE", -4, L"<AND", RTDXF0, L"LINE", 8, L"WATER", -4,
                                 L"AND>", -4, L"OR>", 0)),
            (V{line2, circle}));
  EXPECT_EQ(select(L"X", nullptr, nullptr, acutBuildList(-4, L"<NOT", 8, L"ROAD", -4, L"NOT>", 0)), (V{line2, pline}));
  EXPECT_EQ(select(L"X", nullptr, nullptr,
                   acutBuildList(-4, L"<XOR", 8, L"ROAD", -3, 1001, L"FAPP*", -4, L"XOR>", 0)),
            V{});  // both or neither for every entity
  // relational tests on numbers
  EXPECT_EQ(select(L"X", nullptr, nullptr, acutBuildList(-4, L">", 40, 1.5, 0)), (V{circle}));
  const double start[3] = {15, 0, 0};
  EXPECT_EQ(select(L"X", nullptr, nullptr, acutBuildList(-4, L">,*,*", 10, start, 0)), (V{line2}));
  EXPECT_EQ(select(L"X", nullptr, nullptr, acutBuildList(-4, L"<=", 62, 256, RTDXF0, L"CIRCLE", 0)), (V{circle}));
}

TEST_F(SelectionTest, MalformedFiltersAreRefused) {
  vhost::SelectionFilter f;
  resbuf* bad = acutBuildList(-4, L"<AND", 8, L"ROAD", 0);
  EXPECT_FALSE(f.compile(bad));
  EXPECT_NE(f.error().find(L"not closed"), std::wstring::npos);
  acutRelRb(bad);
  bad = acutBuildList(-4, L"<NOT", 8, L"A", 8, L"B", -4, L"NOT>", 0);
  EXPECT_FALSE(f.compile(bad));
  acutRelRb(bad);
  bad = acutBuildList(-4, L"OR>", 0);
  EXPECT_FALSE(f.compile(bad));
  acutRelRb(bad);
  bad = acutBuildList(-4, L"<", 8, L"ROAD", 0);
  EXPECT_FALSE(f.compile(bad));  // no relational order on text
  acutRelRb(bad);
  ads_name ss;
  resbuf* list = acutBuildList(-3, 0);
  EXPECT_EQ(acedSSGet(L"X", nullptr, nullptr, list, ss), RTERROR);
  acutRelRb(list);
  EXPECT_EQ(acedSSGet(L"Q", nullptr, nullptr, nullptr, ss), RTERROR);  // unknown mode
  EXPECT_EQ(acedSSGet(L"W", nullptr, nullptr, nullptr, ss), RTERROR);  // points missing
}

TEST_F(SelectionTest, WindowCrossingPolygonAndFenceGeometry) {
  using V = std::vector<AcDbObjectId>;
  ads_point a = {-1, -1, 0}, b = {11, 8, 0};
  EXPECT_EQ(select(L"W", a, b, nullptr), (V{line1, circle}));
  ads_point c = {4, -1, 0}, d = {6, 1, 0};
  EXPECT_EQ(select(L"W", c, d, nullptr), V{});
  EXPECT_EQ(select(L"C", c, d, nullptr), (V{line1}));  // crosses the line only
  ads_point e = {4.5, 4.5, 0}, f = {5.5, 5.5, 0};
  EXPECT_EQ(select(L"C", e, f, nullptr), V{});  // inside the circle, touching nothing
  // polygons: a triangle round the circle, whose edge crosses the first line
  const double t1[3] = {2, -3, 0}, t2[3] = {12, 10, 0}, t3[3] = {-2, 10, 0};
  resbuf* tri = acutBuildList(RTPOINT, t1, RTPOINT, t2, RTPOINT, t3, 0);
  EXPECT_EQ(select(L"WP", tri, nullptr, nullptr), (V{circle}));
  resbuf* tri2 = acutRbDup(tri);
  EXPECT_EQ(select(L"CP", tri2, nullptr, nullptr), (V{line1, circle}));
  const double f1[3] = {5, -5, 0}, f2[3] = {5, 25, 0};
  resbuf* fence = acutBuildList(RTPOINT, f1, RTPOINT, f2, 0);
  EXPECT_EQ(select(L"F", fence, nullptr, nullptr), (V{line1, circle, pline}));
  acutRelRb(tri);
  acutRelRb(tri2);
  acutRelRb(fence);
  // with a filter, and by a point
  ads_point on = {25, 0.05, 0};
  EXPECT_EQ(select(nullptr, on, nullptr, nullptr), (V{line2}));
}

TEST_F(SelectionTest, UserSelectionLoopFromScript) {
  std::wstring h = handleOf(pline);
  ui.addLine(L"w -1,-1 11,8");
  ui.addLine(L"25,0");
  ui.addLine(h);
  ui.addLine(L"r");
  ui.addLine(L"5,7");
  ui.addLine(L"junk");
  ui.addLine(L"");
  ads_name ss;
  ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTNORM);
  AcDbObjectIdArray ids;
  ASSERT_TRUE(vhost::ssToIds(ss, ids));
  ASSERT_EQ(ids.length(), 3);  // line1, line2, pline (the circle removed)
  EXPECT_EQ(ids[0], line1);
  EXPECT_EQ(ids[1], line2);
  EXPECT_EQ(ids[2], pline);
  ads_name e;
  acdbGetAdsName(e, circle);
  EXPECT_EQ(acedSSMemb(e, ss), RTERROR);
  EXPECT_EQ(vhost::previousSelection(db).length(), 3);
  std::wstring t = ui.transcript();
  EXPECT_NE(t.find(L"Select objects: w -1,-1 11,8\n2 found"), std::wstring::npos);
  EXPECT_NE(t.find(L"Remove objects: 5,7\n1 found, 1 removed"), std::wstring::npos);
  EXPECT_NE(t.find(L"*Invalid selection*"), std::wstring::npos);
  acedSSFree(ss);

  // "p" brings the previous selection back; a filter applies to it; Escape cancels
  ui.addLine(L"p");
  ui.addLine(L"");
  resbuf* f = acutBuildList(RTDXF0, L"LWPOLYLINE", 0);
  ASSERT_EQ(acedSSGet(nullptr, nullptr, nullptr, f, ss), RTNORM);
  Adesk::Int32 n = 0;
  acedSSLength(ss, &n);
  EXPECT_EQ(n, 1);
  EXPECT_NE(ui.transcript().find(L"2 were filtered out."), std::wstring::npos);
  acedSSFree(ss);
  acutRelRb(f);
  ui.addLine(L"~");
  EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTCAN);
  ui.addLine(L"");
  EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTERROR);  // nothing selected
}

TEST_F(SelectionTest, SelectionSetFunctions) {
  int open = vhost::openSelectionSetCount();
  ads_name ss, e1, e2, result;
  acdbGetAdsName(e1, line1);
  acdbGetAdsName(e2, circle);
  ASSERT_EQ(acedSSAdd(nullptr, nullptr, ss), RTNORM);
  Adesk::Int32 n = -1;
  ASSERT_EQ(acedSSLength(ss, &n), RTNORM);
  EXPECT_EQ(n, 0);
  ASSERT_EQ(acedSSAdd(e1, ss, result), RTNORM);
  EXPECT_EQ(result[0], ss[0]);
  ASSERT_EQ(acedSSAdd(e1, ss, result), RTNORM);  // once only
  ASSERT_EQ(acedSSAdd(e2, ss, result), RTNORM);
  acedSSLength(ss, &n);
  EXPECT_EQ(n, 2);
  EXPECT_EQ(acedSSMemb(e2, ss), RTNORM);
  EXPECT_EQ(acedSSDel(e2, ss), RTNORM);
  EXPECT_EQ(acedSSDel(e2, ss), RTERROR);
  EXPECT_EQ(acedSSMemb(e2, ss), RTERROR);
  ads_name got;
  EXPECT_EQ(acedSSName(ss, 0, got), RTNORM);
  EXPECT_EQ(edtest::idOf(got), line1);
  EXPECT_EQ(acedSSName(ss, 1, got), RTERROR);
  EXPECT_EQ(acedSSName(ss, -1, got), RTERROR);
  // pickfirst
  EXPECT_EQ(acedSSSetFirst(ss, nullptr), RTNORM);
  resbuf *g = nullptr, *p = nullptr;
  ASSERT_EQ(acedSSGetFirst(&g, &p), RTNORM);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->restype, RTPICKS);
  EXPECT_EQ(acedSSMemb(e1, p->resval.rlname), RTNORM);
  acedSSFree(p->resval.rlname);
  acutRelRb(p);
  ads_name implied;
  ASSERT_EQ(acedSSGet(L"I", nullptr, nullptr, nullptr, implied), RTNORM);
  acedSSFree(implied);
  EXPECT_EQ(acedSSFree(ss), RTNORM);
  EXPECT_EQ(acedSSFree(ss), RTERROR);
  EXPECT_EQ(acedSSLength(ss, &n), RTERROR);
  EXPECT_EQ(vhost::openSelectionSetCount(), open);
  // last and next
  ads_name last, next;
  ASSERT_EQ(acdbEntLast(last), RTNORM);
  EXPECT_EQ(edtest::idOf(last), pline);
  ASSERT_EQ(acdbEntNext(nullptr, next), RTNORM);
  EXPECT_EQ(edtest::idOf(next), line1);
  ASSERT_EQ(acdbEntNext(next, next), RTNORM);
  EXPECT_EQ(edtest::idOf(next), line2);
  EXPECT_EQ(acdbEntNext(last, next), RTERROR);
  ASSERT_EQ(acdbEntDel(last), RTNORM);
  ASSERT_EQ(acdbEntLast(last), RTNORM);
  EXPECT_EQ(edtest::idOf(last), circle);
}

}  // namespace
