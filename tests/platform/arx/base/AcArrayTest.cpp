// AcArray: checked indices, and adding an element of the array itself while
// the storage grows (the value must be copied before the old storage goes).
#include <gtest/gtest.h>

#include <string>

#include "arx/base/AcArray.h"

TEST(AcArrayTest, AddingItsOwnElementsWhileGrowing) {
  AcArray<std::string> a;
  a.append(std::string(40, 'x'));  // longer than any small-string buffer
  for (int i = 0; i < 64; ++i) a.append(a.first());
  for (int i = 0; i < a.length(); ++i) EXPECT_EQ(a[i], std::string(40, 'x'));

  AcArray<std::string> b;
  b.append("first");
  b.append("last");
  for (int i = 0; i < 40; ++i) b.insertAt(1, b.last());
  EXPECT_EQ(b.first(), "first");
  EXPECT_EQ(b[20], "last");
  EXPECT_EQ(b.length(), 42);

  b.append(b);
  EXPECT_EQ(b.length(), 84);
  EXPECT_EQ(b[42], "first");
  EXPECT_EQ(b.last(), "last");
}

TEST(AcArrayTest, IndicesAreChecked) {
  AcArray<int> a{1, 2, 3};
  EXPECT_THROW(a[3], std::out_of_range);
  EXPECT_THROW(a.at(-1), std::out_of_range);
  EXPECT_THROW(a.insertAt(4, 0), std::out_of_range);
  EXPECT_EQ(a.last(), 3);
}
