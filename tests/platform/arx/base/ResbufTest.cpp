#include <gtest/gtest.h>

#include <cstring>

#include "arx/base/Resbuf.h"

using vhost::RbValueType;
using vhost::rbValueType;

TEST(Resbuf, BuildListReadsEveryValueKind) {
  ads_point pt = {1.5, -2.0, 3.25};
  ads_name ename = {0x1122334455667788LL, -7};
  char bytes[] = {0, 1, 2, '\xFF'};
  ads_binary bin = {4, bytes};
  resbuf* rb = acutBuildList(RTDXF0, L"LINE", 8, L"图层", 10, pt, 40, 2.5, 62, 7, 90, -100000, 160,
                             Adesk::Int64(1) << 40, 290, 1, 330, ename, 310, &bin, 1005, L"2A", RTLB,
                             RTSHORT, -3, RTLE, -3, 1001, L"APP", 1004, &bin, 1071, 70000, 0);
  ASSERT_NE(rb, nullptr);
  EXPECT_EQ(vhost::rbChainLength(rb), 18);
  resbuf* p = rb;
  EXPECT_EQ(p->restype, RTDXF0);
  EXPECT_STREQ(p->resval.rstring, L"LINE");
  p = p->rbnext;
  EXPECT_STREQ(p->resval.rstring, L"图层");
  p = p->rbnext;
  EXPECT_EQ(p->resval.rpoint[X], 1.5);
  EXPECT_EQ(p->resval.rpoint[Y], -2.0);
  EXPECT_EQ(p->resval.rpoint[Z], 3.25);
  p = p->rbnext;
  EXPECT_EQ(p->resval.rreal, 2.5);
  p = p->rbnext;
  EXPECT_EQ(p->resval.rint, 7);
  p = p->rbnext;
  EXPECT_EQ(p->resval.rlong, -100000);
  p = p->rbnext;
  EXPECT_EQ(p->resval.mnInt64, Adesk::Int64(1) << 40);
  p = p->rbnext;
  EXPECT_EQ(p->resval.rint, 1);
  p = p->rbnext;
  EXPECT_EQ(p->resval.rlname[0], ename[0]);
  EXPECT_EQ(p->resval.rlname[1], ename[1]);
  p = p->rbnext;
  ASSERT_EQ(p->resval.rbinary.clen, 4);
  EXPECT_NE(p->resval.rbinary.buf, bytes);  // copied, not borrowed
  EXPECT_EQ(std::memcmp(p->resval.rbinary.buf, bytes, 4), 0);
  p = p->rbnext;
  EXPECT_STREQ(p->resval.rstring, L"2A");
  p = p->rbnext;
  EXPECT_EQ(p->restype, RTLB);
  p = p->rbnext;
  EXPECT_EQ(p->resval.rint, -3);  // RTSHORT takes a value, so -3 here is data
  EXPECT_EQ(p->rbnext->restype, RTLE);
  p = p->rbnext->rbnext;
  EXPECT_EQ(p->restype, -3);
  EXPECT_STREQ(p->rbnext->resval.rstring, L"APP");
  EXPECT_EQ(p->rbnext->rbnext->resval.rbinary.clen, 4);
  p = p->rbnext->rbnext->rbnext;
  EXPECT_EQ(p->restype, 1071);
  EXPECT_EQ(p->resval.rlong, 70000);
  EXPECT_EQ(p->rbnext, nullptr);

  // The copy is deep: it survives the original and compares equal to it.
  resbuf* copy = acutRbDup(rb);
  EXPECT_TRUE(vhost::rbChainEqual(rb, copy));
  EXPECT_NE(copy->resval.rstring, rb->resval.rstring);
  copy->rbnext->rbnext->rbnext->resval.rreal = 2.75;
  EXPECT_FALSE(vhost::rbChainEqual(rb, copy));
  EXPECT_EQ(acutRelRb(rb), RTNORM);
  EXPECT_STREQ(copy->rbnext->resval.rstring, L"图层");
  acutRelRb(copy);
}

TEST(Resbuf, BuildListRejectsBadInputWithoutLeaking) {
  ads_point pt = {0, 0, 0};
  EXPECT_EQ(acutBuildList(RTNONE), nullptr);
  EXPECT_EQ(acutBuildList(8, L"0", 80, 5, 0), nullptr);  // 80 is not a group code
  EXPECT_EQ(acutBuildList(8, L"0", 10, static_cast<const double*>(nullptr), 0), nullptr);
  EXPECT_EQ(acutBuildList(10, pt, -1, static_cast<const Adesk::Int64*>(nullptr), 0), nullptr);
  ads_binary negative = {-1, nullptr};
  EXPECT_EQ(acutBuildList(1004, &negative, 0), nullptr);
  EXPECT_EQ(acutBuildList(RTRESBUF, nullptr, 0), nullptr);

  // A null text is stored as "" so readers never meet a null string.
  resbuf* rb = acutBuildList(RTSTR, static_cast<const ACHAR*>(nullptr), RTNONE);
  ASSERT_NE(rb, nullptr);
  EXPECT_STREQ(rb->resval.rstring, L"");
  acutRelRb(rb);
  EXPECT_EQ(acutRelRb(nullptr), RTNORM);
  EXPECT_EQ(acutRbDup(nullptr), nullptr);
}

TEST(Resbuf, NewRbAndStringHelpers) {
  resbuf* rb = acutNewRb(RTSTR);
  EXPECT_EQ(rb->restype, RTSTR);
  EXPECT_EQ(rb->rbnext, nullptr);
  EXPECT_EQ(rb->resval.rstring, nullptr);
  acutNewString(L"first", rb->resval.rstring);
  acutUpdString(L"second", rb->resval.rstring);
  EXPECT_STREQ(rb->resval.rstring, L"second");
  acutUpdString(rb->resval.rstring, rb->resval.rstring);  // self-update is harmless
  EXPECT_STREQ(rb->resval.rstring, L"second");
  rb->rbnext = acutNewRb(310);  // empty binary chunk
  rb->rbnext->rbnext = acutNewRb(RTSTR);  // string node never given a string
  acutRelRb(rb);

  ACHAR* s = nullptr;
  acutNewString(nullptr, s);
  EXPECT_EQ(s, nullptr);
  acutNewString(L"x", s);
  EXPECT_EQ(acutDelString(s), RTNORM);
  EXPECT_EQ(s, nullptr);
}

TEST(Resbuf, ValueTypeOfCodes) {
  struct Case {
    int code;
    RbValueType type;
  } cases[] = {
      {0, RbValueType::kString},      {5, RbValueType::kHandle},       {9, RbValueType::kString},
      {10, RbValueType::kPoint},      {39, RbValueType::kPoint},       {40, RbValueType::kReal},
      {59, RbValueType::kReal},       {60, RbValueType::kInt16},       {79, RbValueType::kInt16},
      {80, RbValueType::kNone},       {89, RbValueType::kNone},        {90, RbValueType::kInt32},
      {100, RbValueType::kString},    {105, RbValueType::kHandle},     {110, RbValueType::kPoint},
      {149, RbValueType::kReal},      {150, RbValueType::kNone},       {160, RbValueType::kInt64},
      {170, RbValueType::kInt16},     {210, RbValueType::kPoint},      {240, RbValueType::kNone},
      {289, RbValueType::kInt16},     {290, RbValueType::kBool},       {309, RbValueType::kString},
      {310, RbValueType::kBinary},    {320, RbValueType::kHandle},     {330, RbValueType::kEntityName},
      {369, RbValueType::kEntityName}, {370, RbValueType::kInt16},     {390, RbValueType::kEntityName},
      {420, RbValueType::kInt32},     {430, RbValueType::kString},     {459, RbValueType::kInt32},
      {460, RbValueType::kReal},      {481, RbValueType::kEntityName}, {482, RbValueType::kNone},
      {998, RbValueType::kNone},      {999, RbValueType::kString},     {1000, RbValueType::kString},
      {1004, RbValueType::kBinary},   {1005, RbValueType::kHandle},    {1009, RbValueType::kString},
      {1010, RbValueType::kPoint},    {1039, RbValueType::kPoint},     {1040, RbValueType::kReal},
      {1042, RbValueType::kReal},     {1043, RbValueType::kNone},      {1070, RbValueType::kInt16},
      {1071, RbValueType::kInt32},    {1072, RbValueType::kNone},      {-1, RbValueType::kEntityName},
      {-3, RbValueType::kNone},       {-4, RbValueType::kString},      {-6, RbValueType::kNone},
      {RTSTR, RbValueType::kString},  {RTANG, RbValueType::kReal},     {RT3DPOINT, RbValueType::kPoint},
      {RTSHORT, RbValueType::kInt16}, {RTLONG, RbValueType::kInt32},   {RTINT64, RbValueType::kInt64},
      {RTENAME, RbValueType::kEntityName}, {RTLB, RbValueType::kNone}, {RTT, RbValueType::kNone},
      {RTNORM, RbValueType::kNone},   {32767, RbValueType::kNone},     {-32768, RbValueType::kNone},
  };
  for (const Case& c : cases) EXPECT_EQ(rbValueType(c.code), c.type) << "code " << c.code;
  EXPECT_TRUE(vhost::rbHoldsString(1005));
  EXPECT_FALSE(vhost::rbHoldsString(1004));

  EXPECT_EQ(acdbGroupCodeToType(9), vhost::kDwgText);
  EXPECT_EQ(acdbGroupCodeToType(10), vhost::kDwg3Real);
  EXPECT_EQ(acdbGroupCodeToType(280), vhost::kDwgInt8);
  EXPECT_EQ(acdbGroupCodeToType(330), vhost::kDwgSoftPointerId);
  EXPECT_EQ(acdbGroupCodeToType(340), vhost::kDwgHardPointerId);
  EXPECT_EQ(acdbGroupCodeToType(350), vhost::kDwgSoftOwnershipId);
  EXPECT_EQ(acdbGroupCodeToType(360), vhost::kDwgHardOwnershipId);
  EXPECT_EQ(acdbGroupCodeToType(1004), vhost::kDwgBChunk);
  EXPECT_EQ(acdbGroupCodeToType(1005), vhost::kDwgHandle);
  EXPECT_EQ(acdbGroupCodeToType(1071), vhost::kDwgInt32);
  EXPECT_EQ(acdbGroupCodeToType(160), vhost::kDwgInt64);
  EXPECT_EQ(acdbGroupCodeToType(80), vhost::kDwgNotRecognized);
  EXPECT_EQ(acdbGroupCodeToType(RTSTR), vhost::kDwgNotRecognized);
}
