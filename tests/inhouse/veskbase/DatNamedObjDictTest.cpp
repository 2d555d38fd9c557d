// Records in the named-object dictionary and LISP symbols of the drawing.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "arx/db/AcDbDictionary.h"
#include "arx/db/AcDbXrecord.h"
#include "arx/ed/AcedLispSymbol.h"
#include "platform/arx/ed/EdTestSupport.h"
#include "veskbase/DatNamedObjDict.h"
#include "veskbase/DatSym.h"

namespace {

using vesk::dat::AddNamedObjDict;
using vesk::dat::ReadNamedObjDict;

class NamedObjDictTest : public edtest::EditorTest {
 protected:
  // The id under key in the named-object dictionary (null when absent).
  AcDbObjectId rootEntry(const wchar_t* key) {
    AcDbDictionary* root = nullptr;
    AcDbObjectId id;
    if (db->getNamedObjectsDictionary(root, AcDb::kForRead) != Acad::eOk) return id;
    root->getAt(key, id);
    root->close();
    return id;
  }
  AcDbObjectId entry(const wchar_t* dict, const wchar_t* key) {
    AcDbDictionary* d = nullptr;
    AcDbObjectId id;
    if (acdbOpenObject(d, rootEntry(dict), AcDb::kForRead) != Acad::eOk) return id;
    d->getAt(key, id);
    d->close();
    return id;
  }
  Adesk::UInt32 rootCount() {
    AcDbDictionary* root = nullptr;
    db->getNamedObjectsDictionary(root, AcDb::kForRead);
    const Adesk::UInt32 n = root->numEntries();
    root->close();
    return n;
  }
};

TEST_F(NamedObjDictTest, WritesReadsAndReplacesAnEntry) {
  resbuf* data = acutBuildList(1, L"/tmp/out/", 90, 7, 0);
  EXPECT_EQ(AddNamedObjDict(L"FVRLINK", L"FVRLINK_SAVEFILEPATH", data), 1);
  const AcDbObjectId first = entry(L"FVRLINK", L"FVRLINK_SAVEFILEPATH");
  ASSERT_FALSE(first.isNull());

  resbuf* back = nullptr;
  ASSERT_EQ(ReadNamedObjDict(L"fvrlink", L"fvrlink_savefilepath", back), 1);  // keys ignore case
  EXPECT_TRUE(vhost::rbChainEqual(back, data));
  acutRelRb(back);
  acutRelRb(data);

  // New data goes into the same xrecord; other keys sit beside it.
  data = acutBuildList(1, L"/srv/", 0);
  EXPECT_EQ(AddNamedObjDict(L"FVRLINK", L"FVRLINK_SAVEFILEPATH", data), 1);
  EXPECT_EQ(AddNamedObjDict(L"FVRLINK", L"OTHER", data), 1);
  EXPECT_EQ(entry(L"FVRLINK", L"FVRLINK_SAVEFILEPATH"), first);
  ASSERT_EQ(ReadNamedObjDict(L"FVRLINK", L"FVRLINK_SAVEFILEPATH", back), 1);
  EXPECT_TRUE(vhost::rbChainEqual(back, data));
  acutRelRb(back);
  acutRelRb(data);
}

TEST_F(NamedObjDictTest, ReadingCreatesNothingAndMissesGiveZero) {
  const Adesk::UInt32 before = rootCount();
  resbuf* back = reinterpret_cast<resbuf*>(0x1);  // must be reset
  EXPECT_EQ(ReadNamedObjDict(L"ZEMIRCUSTOM", L"道路红线", back), 0);
  EXPECT_EQ(back, nullptr);
  EXPECT_EQ(rootCount(), before);

  resbuf* data = acutBuildList(300, L"L1", 0);
  ASSERT_EQ(AddNamedObjDict(L"ZEMIRCUSTOM", L"道路红线", data), 1);
  acutRelRb(data);
  EXPECT_EQ(rootCount(), before + 1);
  EXPECT_EQ(ReadNamedObjDict(L"ZEMIRCUSTOM", L"道路中线", back), 0);
}

TEST_F(NamedObjDictTest, RefusesEntriesOfAnotherKindAndBadChains) {
  // "PLAIN" is an xrecord of the root, not a dictionary.
  AcDbDictionary* root = nullptr;
  ASSERT_EQ(db->getNamedObjectsDictionary(root, AcDb::kForWrite), Acad::eOk);
  auto* plain = new AcDbXrecord();
  AcDbObjectId plainId;
  ASSERT_EQ(root->setAt(L"PLAIN", plain, plainId), Acad::eOk);
  plain->close();
  root->close();

  resbuf* data = acutBuildList(300, L"x", 0);
  EXPECT_EQ(AddNamedObjDict(L"PLAIN", L"k", data), 0);
  resbuf* back = nullptr;
  EXPECT_EQ(ReadNamedObjDict(L"PLAIN", L"k", back), 0);

  // A key holding a dictionary is not overwritten by an xrecord.
  ASSERT_EQ(AddNamedObjDict(L"D", L"k", data), 1);
  AcDbDictionary* d = nullptr;
  ASSERT_EQ(acdbOpenObject(d, rootEntry(L"D"), AcDb::kForWrite), Acad::eOk);
  auto* sub = new AcDbDictionary();
  AcDbObjectId subId;
  ASSERT_EQ(d->setAt(L"sub", sub, subId), Acad::eOk);
  sub->close();
  d->close();
  EXPECT_EQ(AddNamedObjDict(L"D", L"sub", data), 0);
  EXPECT_EQ(ReadNamedObjDict(L"D", L"sub", back), 0);
  EXPECT_EQ(entry(L"D", L"sub"), subId);

  // Null data and a chain the xrecord refuses leave no entry.
  EXPECT_EQ(AddNamedObjDict(L"D", L"n", nullptr), 0);
  resbuf* bad = acutNewRb(300);  // a text item without its text
  EXPECT_EQ(AddNamedObjDict(L"D", L"bad", bad), 0);
  acutRelRb(bad);
  EXPECT_TRUE(entry(L"D", L"bad").isNull());
  EXPECT_TRUE(entry(L"D", L"n").isNull());
  acutRelRb(data);
}

class LispSymbolTest : public edtest::EditorTest {
 protected:
  // "type:value" of the symbol, "" when unset.
  std::wstring sym(const wchar_t* name) {
    resbuf* v = nullptr;
    std::wstring out;
    if (acedGetSym(name, &v) == RTNORM && v != nullptr && v->restype != RTNIL) {
      out = std::to_wstring(v->restype) + L":";
      if (v->restype == RTREAL) out += std::to_wstring(v->resval.rreal);
      if (v->restype == RTSHORT) out += std::to_wstring(v->resval.rint);
      if (v->restype == RTLONG) out += std::to_wstring(v->resval.rlong);
      if (v->restype == RTSTR) out += v->resval.rstring;
    }
    acutRelRb(v);
    return out;
  }
};

TEST_F(LispSymbolTest, SetsNumbersAsTheirResultTypeAndTexts) {
  using vesk::dat::SetSym;
  EXPECT_EQ(SetSym(L"$SYS_SCALE", 500.25, RTREAL), 1);
  EXPECT_EQ(sym(L"$sys_scale"), L"5001:500.250000");
  EXPECT_EQ(SetSym(L"N", 499.6, RTSHORT), 1);  // rounded
  EXPECT_EQ(sym(L"N"), L"5003:500");
  EXPECT_EQ(SetSym(L"L", -70000.0, RTLONG), 1);
  EXPECT_EQ(sym(L"L"), L"5010:-70000");
  EXPECT_EQ(SetSym(L"T", L"米"), 1);
  EXPECT_EQ(sym(L"T"), L"5005:米");
}

TEST_F(LispSymbolTest, RefusesWhatTheSymbolCannotHold) {
  using vesk::dat::SetSym;
  ASSERT_EQ(SetSym(L"N", 7.0, RTSHORT), 1);
  EXPECT_EQ(SetSym(L"N", 40000.0, RTSHORT), 0);  // beyond 16 bits: unchanged
  EXPECT_EQ(SetSym(L"N", 1.0, RTSTR), 0);        // not a numeric type
  EXPECT_EQ(SetSym(L"N", std::nan(""), RTREAL), 0);
  EXPECT_EQ(sym(L"N"), L"5003:7");
  EXPECT_EQ(SetSym(L"two words", 1.0, RTREAL), 0);
  EXPECT_EQ(SetSym(L"T", nullptr), 0);

  acdbHostApplicationServices()->setWorkingDatabase(nullptr);  // no document
  EXPECT_EQ(SetSym(L"N", 1.0, RTREAL), 0);
  acdbHostApplicationServices()->setWorkingDatabase(db);
}

}  // namespace
