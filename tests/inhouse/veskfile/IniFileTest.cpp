#include <gtest/gtest.h>

#include "VeskFileTestSupport.h"
#include "veskfile/CIniFile.h"
#include "veskfile/TextCodec.h"

namespace {

using veskfile::CIniFile;

const char kLegacy[] =
    "; 图层设置文件\n"
    "[图层]\n"
    "FAPP_ROAD = 道路中线 : DL_01\n"
    "# 以下为地块\n"
    "FAPP_DK*=地块\n"
    "\n"
    "[Config]\n"
    "GIS数据配置路径=\n"
    "count = 12 个\n";

std::vector<std::wstring> arr(const CStringArray& a) {
  std::vector<std::wstring> v;
  for (INT_PTR i = 0; i < a.GetSize(); ++i) v.emplace_back(a[i].GetString());
  return v;
}

TEST(IniFile, ReadsSectionsEntriesAndLooksThemUpWithoutCase) {
  vftest::TempDir dir;
  vftest::writeBytes(dir.native("set.ini"), kLegacy);
  CIniFile ini;
  ini.SetPath(dir.module("SET.INI"));
  ASSERT_TRUE(ini.ReadFile()) << ini.GetLastError().ToUtf8();
  EXPECT_EQ(ini.GetValue(L"图层", L"fapp_road"), CString(L"道路中线 : DL_01"));
  EXPECT_EQ(ini.GetValue(L"CONFIG", L"COUNT"), CString(L"12 个"));
  EXPECT_EQ(ini.GetValueI(L"Config", L"count"), 12);
  EXPECT_EQ(ini.GetValueI(L"Config", L"GIS数据配置路径", -1), -1);
  EXPECT_TRUE(ini.GetValue(L"Config", L"GIS数据配置路径").IsEmpty());
  EXPECT_TRUE(ini.GetValue(L"没有", L"count").IsEmpty());

  CStringArray names, values, sections;
  ASSERT_TRUE(ini.GetValue(L"图层", names, values));
  EXPECT_EQ(arr(names), (std::vector<std::wstring>{L"FAPP_ROAD", L"FAPP_DK*"}));
  EXPECT_EQ(arr(values), (std::vector<std::wstring>{L"道路中线 : DL_01", L"地块"}));
  EXPECT_FALSE(ini.GetValue(L"没有", names, values));
  EXPECT_EQ(names.GetSize(), 0);
  EXPECT_EQ(ini.GetAllKeyname(sections), 2);
  EXPECT_EQ(arr(sections), (std::vector<std::wstring>{L"图层", L"Config"}));

  CString v;
  EXPECT_TRUE(ini.GetItemValue(L"fapp_dk*", v));
  EXPECT_EQ(v, CString(L"地块"));
  EXPECT_FALSE(ini.GetItemValue(L"nothing", v));
}

TEST(IniFile, RewriteKeepsOrderCommentsAndUntouchedLines) {
  vftest::TempDir dir;
  vftest::writeBytes(dir.native("set.ini"), kLegacy);
  CIniFile ini(dir.module("set.ini"));  // reads the existing file
  ASSERT_TRUE(ini.HasBeenRead());
  EXPECT_TRUE(ini.SetValue(L"config", L"Count", L"13"));
  EXPECT_TRUE(ini.SetValue(L"图层", L"FAPP_绿地", L"绿地:LD"));
  EXPECT_TRUE(ini.SetValueI(L"新节", L"编号", -7));
  EXPECT_TRUE(ini.IsModified());
  ASSERT_TRUE(ini.WriteFile()) << ini.GetLastError().ToUtf8();
  EXPECT_FALSE(ini.IsModified());
  EXPECT_EQ(vftest::readBytes(dir.native("set.ini")),
            "; 图层设置文件\n"
            "[图层]\n"
            "FAPP_ROAD = 道路中线 : DL_01\n"
            "# 以下为地块\n"
            "FAPP_DK*=地块\n"
            "FAPP_绿地=绿地:LD\n"
            "\n"
            "[Config]\n"
            "GIS数据配置路径=\n"
            "count=13\n"
            "\n"
            "[新节]\n"
            "编号=-7\n");

  // Read back by a second object: the same content.
  CIniFile again(dir.module("set.ini"));
  EXPECT_EQ(again.GetValueI(L"新节", L"编号"), -7);
  EXPECT_EQ(again.GetValue(L"图层", L"fapp_绿地"), CString(L"绿地:LD"));

  // create=false refuses what is missing and changes nothing.
  EXPECT_FALSE(again.SetValue(L"Config", L"absent", L"x", false));
  EXPECT_FALSE(again.SetValue(L"absent", L"count", L"x", false));
  EXPECT_TRUE(again.SetValue(L"Config", L"count", L"14", false));
  EXPECT_EQ(again.GetValue(L"Config", L"count"), CString(L"14"));
}

TEST(IniFile, KeepsWindowsLineEndsAndHandlesDuplicatesAndDeletion) {
  vftest::TempDir dir;
  vftest::writeBytes(dir.native("dup.ini"), "[A]\r\nx=1\r\nx=2\r\n[a]\r\ny=3\r\n[B]\r\nz=4\r\n");
  CIniFile ini(dir.module("dup.ini"));
  EXPECT_EQ(ini.GetValue(L"A", L"x"), CString(L"1"));  // the first one
  EXPECT_EQ(ini.GetValue(L"A", L"y"), CString(L"3"));  // the second [a] counts too
  CStringArray names, values;
  ini.GetValue(L"a", names, values);
  EXPECT_EQ(arr(names), (std::vector<std::wstring>{L"x", L"y"}));
  EXPECT_TRUE(ini.DeleteValue(L"a", L"x"));  // every x
  EXPECT_TRUE(ini.DeleteSection(L"b"));
  EXPECT_FALSE(ini.DeleteSection(L"b"));
  ASSERT_TRUE(ini.WriteFile());
  EXPECT_EQ(vftest::readBytes(dir.native("dup.ini")), "[A]\r\n[a]\r\ny=3\r\n");
}

TEST(IniFile, RefusesNamesAndValuesThatWouldBreakTheFile) {
  CIniFile ini;
  EXPECT_FALSE(ini.SetValue(L"", L"k", L"v"));
  EXPECT_FALSE(ini.SetValue(L"a]b", L"k", L"v"));
  EXPECT_FALSE(ini.SetValue(L"s", L"k=1", L"v"));
  EXPECT_FALSE(ini.SetValue(L"s", L"[k", L"v"));
  EXPECT_FALSE(ini.SetValue(L"s", L";k", L"v"));
  EXPECT_FALSE(ini.SetValue(L"s", L"k", L"two\nlines"));
  EXPECT_FALSE(ini.GetLastError().IsEmpty());
  EXPECT_FALSE(ini.IsModified());
  CStringArray s;
  EXPECT_EQ(ini.GetAllKeyname(s), 0);
  EXPECT_FALSE(ini.WriteFile());  // no path
}

TEST(IniFile, ReadsLegacyEncodings) {
  vftest::TempDir dir;
  const std::wstring text = L"[要素编码]\r\nFldName=FS_DATCODE\r\nFldMsName=要素编码\r\n";
  std::string gb;
  ASSERT_TRUE(veskfile::EncodeGb18030(text, gb));
  ASSERT_FALSE(veskfile::IsValidUtf8(gb.data(), gb.size()));
  vftest::writeBytes(dir.native("gb.ini"), gb);

  std::string le("\xFF\xFE", 2), be("\xFE\xFF", 2);
  for (wchar_t c : text) {
    le.push_back(static_cast<char>(c & 0xFF));
    le.push_back(static_cast<char>(c >> 8));
    be.push_back(static_cast<char>(c >> 8));
    be.push_back(static_cast<char>(c & 0xFF));
  }
  vftest::writeBytes(dir.native("le.ini"), le);
  vftest::writeBytes(dir.native("be.ini"), be);
  vftest::writeBytes(dir.native("bom.ini"), "\xEF\xBB\xBF" + veskfile::EncodeUtf8(text));

  for (const char* name : {"gb.ini", "le.ini", "be.ini", "bom.ini"}) {
    CIniFile ini;
    ini.SetPath(dir.module(name));
    ASSERT_TRUE(ini.ReadFile()) << name << ": " << ini.GetLastError().ToUtf8();
    EXPECT_EQ(ini.GetValue(L"要素编码", L"fldmsname"), CString(L"要素编码")) << name;
    // Written back as UTF-8 without BOM, line ends kept.
    ASSERT_TRUE(ini.SetValue(L"要素编码", L"FldName", L"FS_CODE"));
    ASSERT_TRUE(ini.WriteFile());
    EXPECT_EQ(vftest::readBytes(dir.native(name)),
              "[要素编码]\r\nFldName=FS_CODE\r\nFldMsName=要素编码\r\n") << name;
  }
}

TEST(IniFile, BadFilesFailClearlyAndChangeNothing) {
  vftest::TempDir dir;
  CIniFile ini;
  ini.SetPath(dir.module("missing.ini"));
  EXPECT_FALSE(ini.ReadFile());
  EXPECT_NE(ini.GetLastError().Find(L"missing.ini"), -1);

  ASSERT_TRUE(ini.SetValue(L"keep", L"a", L"1"));
  vftest::writeBytes(dir.native("binary.ini"), std::string("[x]\nk=\0\x01v\n", 10));
  ini.SetPath(dir.module("binary.ini"));
  EXPECT_FALSE(ini.ReadFile());
  EXPECT_NE(ini.GetLastError().Find(L"binary.ini"), -1);
  EXPECT_EQ(ini.GetValue(L"keep", L"a"), CString(L"1"));  // memory untouched

  vftest::writeBytes(dir.native("junk.ini"), "[ok]\na=1\n\xFF\xFF\xFF\x80\n");
  ini.SetPath(dir.module("junk.ini"));
  EXPECT_FALSE(ini.ReadFile());
  EXPECT_EQ(ini.GetValue(L"keep", L"a"), CString(L"1"));

  vftest::writeBytes(dir.native("header.ini"), "[ok]\na=1\n[broken\nb=2\n");
  ini.SetPath(dir.module("header.ini"));
  EXPECT_FALSE(ini.ReadFile());
  EXPECT_NE(ini.GetLastError().Find(L"第3行"), -1);

  // Lines that are no entry are kept, not fatal.
  vftest::writeBytes(dir.native("loose.ini"), "just text\n[s]\n=novalue\nk=v\n");
  ini.SetPath(dir.module("loose.ini"));
  ASSERT_TRUE(ini.ReadFile());
  EXPECT_EQ(ini.GetValue(L"s", L"k"), CString(L"v"));
  ASSERT_TRUE(ini.WriteFile());
  EXPECT_EQ(vftest::readBytes(dir.native("loose.ini")), "just text\n[s]\n=novalue\nk=v\n");
}

TEST(IniFile, AutoSaveWritesPendingChangesOnDestruction) {
  vftest::TempDir dir;
  {
    CIniFile ini(dir.module("auto.ini"), true);
    ini.SetValue(L"S", L"k", L"v");
  }
  EXPECT_EQ(vftest::readBytes(dir.native("auto.ini")), "[S]\nk=v\n");
  {
    CIniFile ini(dir.module("auto.ini"), false);
    ini.SetValue(L"S", L"k", L"changed");
  }
  EXPECT_EQ(vftest::readBytes(dir.native("auto.ini")), "[S]\nk=v\n");
}

}  // namespace
