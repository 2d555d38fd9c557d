#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "mfc/CArray.h"
#include "mfc/CStringArray.h"
#include "platform/mfc/MfcTestUtil.h"

namespace {

// Reads the allocation size, which MFC keeps in a protected member.
template <class T>
struct Peek : CArray<T> {
  INT_PTR Capacity() const { return this->m_nMaxSize; }
};

// Counts live instances, so that leaks and double destruction show.
struct Tracked {
  static int live;
  int value = -1;
  std::wstring text = std::wstring(40, L'x');  // beyond any small-string buffer
  Tracked() { ++live; }
  Tracked(const Tracked& o) : value(o.value), text(o.text) { ++live; }
  Tracked& operator=(const Tracked&) = default;
  ~Tracked() { --live; }
};
int Tracked::live = 0;

struct Record {  // a plain structure as the module keeps them
  int color;
  double width;
  wchar_t name[16];
};

CArray<int> Range(int n) {
  CArray<int> a;
  for (int i = 0; i < n; ++i) a.Add(i);
  return a;
}

}  // namespace

TEST(CArray, GrowthFollowsMfc) {
  Peek<int> a;
  std::vector<INT_PTR> caps;
  for (int i = 0; i < 42; ++i) {
    EXPECT_EQ(a.Add(i), i);
    if (i == 0 || i == 1 || i == 5 || i == 9 || i == 33 || i == 41) caps.push_back(a.Capacity());
  }
  // First allocation exactly fits; then 4 at a time until size/8 exceeds 4.
  EXPECT_EQ(caps, (std::vector<INT_PTR>{1, 5, 9, 13, 37, 46}));
  a.SetSize(10000);
  a.Add(1);
  EXPECT_EQ(a.Capacity(), 10000 + 1250);  // an eighth: large arrays fill in linear time
  a.FreeExtra();
  EXPECT_EQ(a.Capacity(), 10001);
  a.SetSize(5);
  EXPECT_EQ(a.Capacity(), 10001);  // shrinking keeps the allocation
  a.RemoveAll();
  EXPECT_EQ(a.Capacity(), 0);
  EXPECT_EQ(a.GetData(), nullptr);

  Peek<int> g;
  g.SetSize(3, 10);
  EXPECT_EQ(g.Capacity(), 10);
  g.SetSize(12);
  EXPECT_EQ(g.Capacity(), 20);
  g.SetSize(50);
  EXPECT_EQ(g.Capacity(), 50);  // beyond one step: exactly what is asked
  EXPECT_EQ(g.GetSize(), 50);
  EXPECT_EQ(g.GetCount(), 50);
  EXPECT_EQ(g.GetUpperBound(), 49);

  // New elements are zero-filled.
  CArray<Record> r;
  r.SetSize(3);
  r[1].color = 7;
  r.SetSize(200);
  EXPECT_EQ(r[1].color, 7);
  EXPECT_EQ(r[0].color, 0);
  EXPECT_EQ(r[199].width, 0.0);
  EXPECT_EQ(r[150].name[0], L'\0');
}

TEST(CArray, InsertRemoveAndAppend) {
  CArray<int> a = Range(5);  // 0 1 2 3 4
  a.InsertAt(2, 9, 2);
  EXPECT_EQ(std::vector<int>(a.begin(), a.end()), (std::vector<int>{0, 1, 9, 9, 2, 3, 4}));
  a.InsertAt(7, 8);  // at the end
  a.InsertAt(10, 5);  // past the end: zero elements fill the gap
  EXPECT_EQ(std::vector<int>(a.begin(), a.end()), (std::vector<int>{0, 1, 9, 9, 2, 3, 4, 8, 0, 0, 5}));
  a.RemoveAt(1, 3);
  EXPECT_EQ(std::vector<int>(a.begin(), a.end()), (std::vector<int>{0, 2, 3, 4, 8, 0, 0, 5}));
  a.RemoveAt(7);
  a.RemoveAt(0, 0);
  EXPECT_EQ(a.GetSize(), 7);

  CArray<int> b = Range(3);
  b.InsertAt(1, &a);
  EXPECT_EQ(std::vector<int>(b.begin(), b.end()), (std::vector<int>{0, 0, 2, 3, 4, 8, 0, 0, 1, 2}));
  b.InsertAt(1, &b);  // an array into itself
  EXPECT_EQ(b.GetSize(), 20);
  EXPECT_EQ(b[1], 0);
  EXPECT_EQ(b[11], 0);
  EXPECT_EQ(b[19], 2);

  CArray<int> c = Range(2);
  EXPECT_EQ(c.Append(Range(3)), 2);
  EXPECT_EQ(std::vector<int>(c.begin(), c.end()), (std::vector<int>{0, 1, 0, 1, 2}));
  c.SetAtGrow(7, 70);
  EXPECT_EQ(c.GetSize(), 8);
  EXPECT_EQ(c[6], 0);
  EXPECT_EQ(c.GetAt(7), 70);
  c.Copy(Range(2));
  EXPECT_EQ(c.GetSize(), 2);
  c.ElementAt(1) = 11;
  c.SetAt(0, 10);
  EXPECT_EQ(c.GetData()[0] + c.GetData()[1], 21);

  // An element of the array itself as argument survives the reallocation.
  CArray<CString> s;
  s.Add(CString(L"道路中心线-0123456789-0123456789"));
  for (int i = 0; i < 20; ++i) s.Add(s[0]);
  s.InsertAt(0, s[s.GetUpperBound()], 3);
  s.SetAtGrow(30, s[1]);
  EXPECT_EQ(s.GetSize(), 31);
  EXPECT_EQ(s[30], L"道路中心线-0123456789-0123456789");
  EXPECT_EQ(s[22], s[0]);
  EXPECT_TRUE(s[25].IsEmpty());
  // Likewise a text pointer into an element, with CArray<CString, LPCTSTR>.
  CArray<CString, LPCTSTR> p;
  p.Add(L"ab");
  for (int i = 0; i < 20; ++i) p.Add(p[i]);
  p.InsertAt(1, p[0].GetString(), 2);
  EXPECT_EQ(p.GetSize(), 23);
  EXPECT_EQ(p[22], L"ab");
  EXPECT_EQ(p[2], L"ab");
  // Elements passed by non-const reference, as module code often declares.
  CArray<Record, Record&> refs;
  Record rec{};
  rec.color = 3;
  refs.Add(rec);
  for (int i = 0; i < 10; ++i) refs.InsertAt(0, refs[i]);
  EXPECT_EQ(refs[10].color, 3);
}

TEST(CArray, OutOfRangeThrows) {
  CArray<int> a = Range(3);
  const CArray<int>& ca = a;
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.GetAt(3); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { ca.GetAt(-1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.SetAt(3, 1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.ElementAt(-1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a[5] = 1; }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { (void)ca[3]; }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.RemoveAt(3); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.RemoveAt(1, 3); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.RemoveAt(-1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.RemoveAt(0, -1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.InsertAt(-1, 5); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.InsertAt(0, 5, 0); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.InsertAt(0, static_cast<CArray<int>*>(nullptr)); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.SetAtGrow(-1, 5); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.SetSize(-1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.Append(a); }));
  std::wstring message;
  EXPECT_TRUE(ThrowsInvalidArg([&] { a.GetAt(7); }, &message));
  EXPECT_NE(message.find(L"GetAt: 7 is out of range (size 3)"), std::wstring::npos);
  EXPECT_EQ(std::vector<int>(a.begin(), a.end()), (std::vector<int>{0, 1, 2}));  // untouched
}

TEST(CArray, ElementLifetimeAndCopies) {
  {
    CArray<Tracked> a;
    a.SetSize(5);
    EXPECT_EQ(Tracked::live, 5);
    for (int i = 0; i < 100; ++i) {
      Tracked t;
      t.value = i;
      a.Add(t);
    }
    EXPECT_EQ(Tracked::live, 105);
    EXPECT_EQ(a[104].value, 99);
    EXPECT_EQ(a[104].text.size(), 40u);
    a.InsertAt(3, a[50], 4);
    a.RemoveAt(0, 10);
    EXPECT_EQ(Tracked::live, 99);
    a.SetSize(20);
    EXPECT_EQ(Tracked::live, 20);
    a.FreeExtra();
    EXPECT_EQ(Tracked::live, 20);

    CArray<Tracked> copy(a);
    EXPECT_EQ(Tracked::live, 40);
    copy[0].value = 1234;
    EXPECT_NE(a[0].value, 1234);
    CArray<Tracked> moved(std::move(copy));
    EXPECT_EQ(Tracked::live, 40);
    EXPECT_EQ(moved[0].value, 1234);
    EXPECT_TRUE(copy.IsEmpty());
    a = moved;
    EXPECT_EQ(a[0].value, 1234);
    a.RemoveAll();
    EXPECT_EQ(Tracked::live, 20);
  }
  EXPECT_EQ(Tracked::live, 0);

  // Records holding arrays are copied by value.
  struct Layer {
    CString name;
    CArray<double> widths;
  };
  std::vector<Layer> layers(1);
  layers[0].name = L"道路";
  layers[0].widths.Add(0.35);
  for (int i = 0; i < 50; ++i) layers.push_back(layers[0]);
  layers[3].widths.Add(1.0);
  EXPECT_EQ(layers[50].widths.GetSize(), 1);
  EXPECT_EQ(layers[3].widths.GetSize(), 2);
  EXPECT_EQ(layers[50].name, L"道路");

  double sum = 0;
  for (double w : layers[3].widths) sum += w;
  EXPECT_DOUBLE_EQ(sum, 1.35);
}

TEST(CStringArray, BehavesAsMfcArrayOfStrings) {
  CStringArray items;
  EXPECT_EQ(items.Add(L"道路"), 0);
  EXPECT_EQ(items.Add("河流"), 1);
  items.Add(CString(L"湖泊"));
  items.InsertAt(0, L"图层", 2);
  EXPECT_EQ(items.GetSize(), 5);
  EXPECT_EQ(items[1], L"图层");
  EXPECT_EQ(items.GetAt(3), L"河流");
  items.SetAt(0, L"A");
  items.ElementAt(1) += L"B";
  EXPECT_EQ(items[1], L"图层B");
  items.RemoveAt(0, 2);
  EXPECT_EQ(items.GetUpperBound(), 2);

  CStringArray more;
  more.Copy(items);
  EXPECT_EQ(more.Append(items), 3);
  more.InsertAt(1, &items);
  EXPECT_EQ(more.GetCount(), 9);
  EXPECT_EQ(more[1], L"道路");
  more.SetAtGrow(10, L"末");
  EXPECT_TRUE(more[9].IsEmpty());
  EXPECT_EQ(more.GetData()[10], L"末");
  CStringArray copy = more;
  copy.RemoveAll();
  EXPECT_TRUE(copy.IsEmpty());
  EXPECT_EQ(more.GetSize(), 11);
  EXPECT_TRUE(ThrowsInvalidArg([&] { more.GetAt(11); }));

  EXPECT_TRUE(items.IsKindOf(RUNTIME_CLASS(CStringArray)));
  EXPECT_TRUE(items.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_STREQ(items.GetRuntimeClass()->m_lpszClassName, "CStringArray");
}
