// Extended data: per-application sections, replacement, removal and limits.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "DbTestSupport.h"
#include "arx/base/Resbuf.h"
#include "arx/entities/AcDbLine.h"

namespace {

struct XData : ::testing::Test {
  std::unique_ptr<AcDbDatabase> db{new AcDbDatabase()};
  AcDbObjectId line = dbtest::addToModelSpace(db.get(), new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
  void SetUp() override {
    dbtest::registerApp(db.get(), L"APP_A");
    dbtest::registerApp(db.get(), L"APP_B");
  }
  Acad::ErrorStatus set(resbuf* rb) {
    AcDbObject* obj = nullptr;
    Acad::ErrorStatus es = acdbOpenObject(obj, line, AcDb::kForWrite);
    if (es == Acad::eOk) {
      es = obj->setXData(rb);
      obj->close();
    }
    acutRelRb(rb);
    return es;
  }
  resbuf* get(const ACHAR* app) {
    AcDbObject* obj = nullptr;
    if (acdbOpenObject(obj, line, AcDb::kForRead) != Acad::eOk) return nullptr;
    resbuf* rb = obj->xData(app);
    obj->close();
    return rb;
  }
};

TEST_F(XData, SectionsReplaceRemoveAndKeepOrder) {
  ASSERT_EQ(set(acutBuildList(1001, L"APP_A", 1000, L"first", 1070, 1, 1001, L"APP_B", 1071, 99, 0)), Acad::eOk);
  // Replacing APP_A leaves APP_B as it was, and APP_A keeps its place.
  ASSERT_EQ(set(acutBuildList(1001, L"app_a", 1000, L"second", 0)), Acad::eOk);
  resbuf* all = get(nullptr);
  ASSERT_NE(all, nullptr);
  EXPECT_STREQ(all->resval.rstring, L"APP_A");
  EXPECT_STREQ(all->rbnext->resval.rstring, L"second");
  EXPECT_EQ(all->rbnext->rbnext->restype, 1001);
  EXPECT_EQ(all->rbnext->rbnext->rbnext->resval.rlong, 99);
  EXPECT_EQ(all->rbnext->rbnext->rbnext->rbnext, nullptr);
  acutRelRb(all);

  // An application given without data loses its data.
  ASSERT_EQ(set(acutBuildList(1001, L"APP_A", 0)), Acad::eOk);
  EXPECT_EQ(get(L"APP_A"), nullptr);
  resbuf* b = get(L"APP_B");
  ASSERT_NE(b, nullptr);
  acutRelRb(b);
}

TEST_F(XData, RefusesBadInputWithoutChangingAnything) {
  ASSERT_EQ(set(acutBuildList(1001, L"APP_A", 1000, L"keep", 0)), Acad::eOk);
  EXPECT_EQ(set(acutBuildList(1001, L"NOT_REGISTERED", 1000, L"x", 0)), Acad::eRegappIdNotFound);
  EXPECT_EQ(set(acutBuildList(1000, L"no application first", 0)), Acad::eInvalidResBuf);
  EXPECT_EQ(set(acutBuildList(1001, L"APP_A", 1002, L"[", 0)), Acad::eInvalidResBuf);
  EXPECT_EQ(set(acutBuildList(1001, L"APP_A", 8, L"not an xdata code", 0)), Acad::eInvalidResBuf);
  // Past the host's size limit.
  std::wstring big(250, L'x');
  resbuf* head = acutBuildList(1001, L"APP_A", 0);
  resbuf* tail = head;
  for (int i = 0; i < 100; ++i) {
    tail->rbnext = acutBuildList(1000, big.c_str(), 0);
    tail = tail->rbnext;
  }
  EXPECT_EQ(set(head), Acad::eXdataSizeExceeded);
  resbuf* kept = get(L"APP_A");
  ASSERT_NE(kept, nullptr);
  EXPECT_STREQ(kept->rbnext->resval.rstring, L"keep");
  acutRelRb(kept);
}

TEST_F(XData, EveryValueKindSurvives) {
  ads_point p = {1.5, -2.5, 3.0};
  char bytes[] = {0, 1, 2, 127};
  ads_binary chunk = {4, bytes};
  resbuf* in = acutBuildList(1001, L"APP_A", 1000, L"中文", 1002, L"{", 1003, L"0", 1002, L"}", 1004, &chunk, 1005,
                             L"1F", 1010, p, 1011, p, 1040, 0.125, 1041, 2.0, 1042, 3.0, 1070, -5, 1071, 123456, 0);
  resbuf* copy = acutRbDup(in);
  ASSERT_EQ(set(in), Acad::eOk);
  resbuf* out = get(L"APP_A");
  EXPECT_TRUE(vhost::rbChainEqual(copy, out));
  acutRelRb(copy);
  acutRelRb(out);
}

}  // namespace
