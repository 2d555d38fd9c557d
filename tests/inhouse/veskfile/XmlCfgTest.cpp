#include <gtest/gtest.h>

#include "VeskFileTestSupport.h"
#include "veskfile/CFXmlCfg.h"
#include "veskfile/TextCodec.h"

namespace {

using veskfile::CFXmlCfg;
using veskfile::SClassMember;
using veskfile::SDataMember;

std::vector<std::wstring> names(const std::vector<SClassMember>& v) {
  std::vector<std::wstring> out;
  for (const auto& c : v) out.emplace_back(c.name.GetString());
  return out;
}

std::vector<std::wstring> fields(const SDataMember& m) {
  std::vector<std::wstring> out;
  for (const auto& f : m.fields) out.emplace_back(f.GetString());
  return out;
}

TEST(XmlCfg, LeavesAndClassesRoundTripWithChineseNames) {
  vftest::TempDir dir;
  const CString path = dir.module("参数设置.xml");
  {
    CFXmlCfg xml;
    ASSERT_TRUE(xml.Open(path, 1)) << xml.GetLastError().ToUtf8();
    EXPECT_FALSE(vftest::exists(dir.native("参数设置.xml")));  // nothing written yet
    EXPECT_FALSE(xml.FindNodeByPath(L"ParamSet.Base.线宽", 0));
    ASSERT_TRUE(xml.WriteData(L"ParamSet.Base.线宽", SDataMember{L"线宽", L"0.35", L"double", L"1"}));
    ASSERT_TRUE(xml.WriteData(L"ParamSet.Base.注记字高(1:500)", SDataMember{L"", L" 2.5 ", L"string"}));
    SClassMember road(L"道路", L"城市道路");
    road.SetAttr(L"Owner", L"规划 \"一处\"\n第二行");
    ASSERT_TRUE(xml.WriteRecurseClass(L"GISLAYER", L"", L""));
    ASSERT_TRUE(xml.WriteClass(L"GISLAYER", road));
    ASSERT_TRUE(xml.WriteClass(L"GISLAYER.道路", SClassMember(L"GeoType", L"Polyline")));
    ASSERT_TRUE(xml.WriteData(L"GISLAYER.道路.GeoType2.DataType", SDataMember{L"DataType", L"String"}));
  }
  // The first path written named the root element.
  const std::string onDisk = vftest::readBytes(dir.native("参数设置.xml"));
  EXPECT_EQ(onDisk.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
  EXPECT_NE(onDisk.find("<ParamSet>"), std::string::npos);
  EXPECT_NE(onDisk.find("<线宽 v1=\"0.35\" v2=\"double\" v3=\"1\""), std::string::npos);
  EXPECT_NE(onDisk.find("<注记字高_x0028_1_x003A_500_x0029_ "), std::string::npos);

  CFXmlCfg xml;
  ASSERT_TRUE(xml.Open(path, 0));
  SDataMember m;
  ASSERT_TRUE(xml.FindNodeByPath(L"paramset.BASE.线宽", 1));
  ASSERT_TRUE(xml.ReadData(L"ParamSet.Base.线宽", m));
  EXPECT_EQ(fields(m), (std::vector<std::wstring>{L"线宽", L"0.35", L"double", L"1"}));
  ASSERT_TRUE(xml.ReadData(L"ParamSet.Base.注记字高(1:500)", m));
  EXPECT_EQ(fields(m), (std::vector<std::wstring>{L"注记字高(1:500)", L" 2.5 ", L"string"}));

  std::vector<SDataMember> leaves;
  ASSERT_TRUE(xml.ReadChildData(L"ParamSet.Base", leaves));
  ASSERT_EQ(leaves.size(), 2u);
  EXPECT_EQ(leaves[1].Name(), CString(L"注记字高(1:500)"));
  EXPECT_EQ(leaves[1].Field(9), CString());

  std::vector<SClassMember> classes;
  ASSERT_TRUE(xml.ReadChildClass(L"GISLAYER", classes));
  ASSERT_EQ(classes.size(), 1u);
  EXPECT_EQ(classes[0].name, CString(L"道路"));
  EXPECT_EQ(classes[0].text, CString(L"城市道路"));
  EXPECT_EQ(classes[0].Attr(L"owner"), CString(L"规划 \"一处\"\n第二行"));
  ASSERT_TRUE(xml.ReadChildClass(L"GISLAYER.道路", classes));
  EXPECT_EQ(names(classes), (std::vector<std::wstring>{L"GeoType", L"GeoType2"}));
  EXPECT_EQ(classes[0].text, CString(L"Polyline"));
  ASSERT_TRUE(xml.ReadChildData(L"GISLAYER.道路", leaves));
  EXPECT_TRUE(leaves.empty());  // classes are not leaves
  EXPECT_FALSE(xml.FindNodeByPath(L"GISLAYER.道路", 1));  // holds nodes, no value
  EXPECT_TRUE(xml.FindNodeByPath(L"GISLAYER.道路", 0));
}

TEST(XmlCfg, PathsStartAtTheRootOrAmongItsChildren) {
  vftest::TempDir dir;
  vftest::writeBytes(dir.native("attr.xml"),
                     "<?xml version=\"1.0\"?>\n<!-- 属性 -->\n<Root>\n"
                     "  <FAPP_ROAD>道路<FS_NAME>名称</FS_NAME><FS_KIND>类型<主干路/><次干路/></FS_KIND></FAPP_ROAD>\n"
                     "  <FAPP_DK>地块<Length>50</Length></FAPP_DK>\n"
                     "</Root>\n");
  CFXmlCfg xml;
  ASSERT_TRUE(xml.Open(dir.module("ATTR.XML"), 0));
  std::vector<SClassMember> tables;
  ASSERT_TRUE(xml.ReadChildClass(L"", tables));  // the root's children
  EXPECT_EQ(names(tables), (std::vector<std::wstring>{L"FAPP_ROAD", L"FAPP_DK"}));
  EXPECT_EQ(tables[0].text, CString(L"道路"));
  std::vector<SClassMember> enums;
  ASSERT_TRUE(xml.ReadChildClass(L"fapp_road.FS_KIND", enums));
  EXPECT_EQ(names(enums), (std::vector<std::wstring>{L"主干路", L"次干路"}));
  ASSERT_TRUE(xml.ReadChildClass(L"Root.FAPP_ROAD.FS_KIND", enums));  // the root by name
  EXPECT_EQ(enums.size(), 2u);
  // A hand-written childless element reads as a leaf with its text.
  SDataMember m;
  ASSERT_TRUE(xml.ReadData(L"FAPP_DK.Length", m));
  EXPECT_EQ(fields(m), (std::vector<std::wstring>{L"Length", L"50"}));
  EXPECT_FALSE(xml.ReadData(L"FAPP_ROAD", m));
  EXPECT_FALSE(xml.ReadChildClass(L"FAPP_NONE", enums));
  EXPECT_TRUE(enums.empty());
  EXPECT_FALSE(xml.FindNodeByPath(L"FAPP_ROAD..FS_NAME"));
  EXPECT_NE(xml.GetLastError().Find(L"FAPP_ROAD..FS_NAME"), -1);

  // Writing keeps the comment and the root.
  ASSERT_TRUE(xml.WriteData(L"FAPP_DK.Length", SDataMember{L"Length", L"60"}));
  const std::string after = vftest::readBytes(dir.native("attr.xml"));
  EXPECT_NE(after.find("<!-- 属性 -->"), std::string::npos);
  EXPECT_NE(after.find("<Length v1=\"60\""), std::string::npos);
  EXPECT_NE(after.find("encoding=\"UTF-8\""), std::string::npos);
}

TEST(XmlCfg, UpdatesInPlaceAndDeletesSelectedNodes) {
  vftest::TempDir dir;
  CFXmlCfg xml;
  ASSERT_TRUE(xml.Open(dir.module("def.xml"), 1));
  ASSERT_TRUE(xml.WriteRecurseClass(L"CADTOGIS.FAPP_ROAD", L"", L"道路"));
  ASSERT_TRUE(xml.WriteData(L"CADTOGIS.FAPP_ROAD.GISLAYER", SDataMember{L"GISLAYER", L"ROAD"}));
  ASSERT_TRUE(xml.WriteData(L"CADTOGIS.FAPP_ROAD.FS_NAME", SDataMember{L"FS_NAME", L"名称", L"NAME", L""}));
  ASSERT_TRUE(xml.WriteData(L"CADTOGIS.FAPP_ROAD.fs_name", SDataMember{L"fs_name", L"道路名称", L"RNAME"}));
  std::vector<SDataMember> leaves;
  ASSERT_TRUE(xml.ReadChildData(L"CADTOGIS.FAPP_ROAD", leaves));
  ASSERT_EQ(leaves.size(), 2u);  // updated, not doubled; the old third text is gone
  EXPECT_EQ(fields(leaves[1]), (std::vector<std::wstring>{L"FS_NAME", L"道路名称", L"RNAME"}));

  SClassMember table;
  ASSERT_TRUE(xml.ReadClass(L"CADTOGIS.FAPP_ROAD", table));
  EXPECT_EQ(table.text, CString(L"道路"));
  SClassMember renamed(L"FAPP_ROAD", L"城市道路");
  ASSERT_TRUE(xml.WriteClass(L"CADTOGIS", renamed));  // text replaced, children kept
  ASSERT_TRUE(xml.ReadChildData(L"CADTOGIS.FAPP_ROAD", leaves));
  EXPECT_EQ(leaves.size(), 2u);
  ASSERT_TRUE(xml.ReadClass(L"CADTOGIS.FAPP_ROAD", table));
  EXPECT_EQ(table.text, CString(L"城市道路"));

  // Several siblings of one name: a path reaches the first, DeleteClass picks.
  ASSERT_TRUE(xml.WriteRecurseClass(L"CADTOGIS", L"FAPP_A", L"1"));
  vftest::writeBytes(dir.native("dup.xml"), "<R><X>1</X><Y/><x>2</x><X>3</X></R>");
  CFXmlCfg dup;
  ASSERT_TRUE(dup.Open(dir.module("dup.xml")));
  EXPECT_FALSE(dup.DeleteClass(L"X", 3));
  ASSERT_TRUE(dup.DeleteClass(L"X", 1));
  SDataMember m;
  ASSERT_TRUE(dup.ReadData(L"X", m));
  EXPECT_EQ(m.Value(), CString(L"1"));
  ASSERT_TRUE(dup.DeleteClass(L"X", -1));
  EXPECT_FALSE(dup.FindNodeByPath(L"X"));
  EXPECT_TRUE(dup.FindNodeByPath(L"Y"));
  EXPECT_FALSE(dup.DeleteClass(L"R"));  // the root stays
  EXPECT_FALSE(dup.DeleteClass(L"X"));
  CFXmlCfg reread;
  ASSERT_TRUE(reread.Open(dir.module("dup.xml")));
  EXPECT_FALSE(reread.FindNodeByPath(L"X"));
}

TEST(XmlCfg, RefusesWritesThatWouldBreakTheLayout) {
  vftest::TempDir dir;
  CFXmlCfg xml;
  EXPECT_FALSE(xml.WriteData(L"a.b", SDataMember{L"b", L"1"}));  // not open
  ASSERT_TRUE(xml.Open(dir.module("x.xml"), 1));
  EXPECT_FALSE(xml.WriteData(L"only", SDataMember{L"only", L"1"}));  // a leaf cannot be the root
  ASSERT_TRUE(xml.WriteData(L"R.leaf", SDataMember{L"leaf", L"1"}));
  EXPECT_FALSE(xml.WriteData(L"R.leaf.below", SDataMember{L"below", L"2"}));
  EXPECT_FALSE(xml.WriteRecurseClass(L"R.leaf", L"child", L""));
  EXPECT_FALSE(xml.WriteClass(L"R.leaf", SClassMember(L"child", L"")));
  EXPECT_FALSE(xml.WriteData(L"R", SDataMember{L"R", L"1"}));  // has children
  EXPECT_FALSE(xml.WriteData(L"R.other", SDataMember{L"wrong", L"1"}));
  EXPECT_FALSE(xml.WriteClass(L"R", SClassMember(L"a.b", L"")));
  SClassMember reserved(L"c", L"");
  reserved.SetAttr(L"v1", L"x");
  EXPECT_FALSE(xml.WriteClass(L"R", reserved));
  EXPECT_FALSE(xml.WriteClass(L"R.none", SClassMember(L"c", L"")));  // parent must exist
  EXPECT_FALSE(xml.FindNodeByPath(L"R.leaf.below"));
  EXPECT_FALSE(xml.FindNodeByPath(L"R.other"));
  EXPECT_FALSE(xml.FindNodeByPath(L"R.c"));
  EXPECT_EQ(vftest::readBytes(dir.native("x.xml")).find("below"), std::string::npos);
}

TEST(XmlCfg, MalformedOrMissingFilesFailWithFileAndPlace) {
  vftest::TempDir dir;
  CFXmlCfg xml;
  EXPECT_FALSE(xml.Open(dir.module("none.xml"), 0));
  EXPECT_NE(xml.GetLastError().Find(L"none.xml"), -1);
  EXPECT_FALSE(xml.IsOpen());
  EXPECT_FALSE(xml.Open(dir.module("nofolder\\a.xml"), 1));

  vftest::writeBytes(dir.native("bad.xml"), "<R>\n  <A>text</A>\n  <B>\n</R>\n");
  EXPECT_FALSE(xml.Open(dir.module("bad.xml"), 1));
  const CString error = xml.GetLastError();
  EXPECT_NE(error.Find(L"bad.xml"), -1);
  EXPECT_NE(error.Find(L"第4行"), -1) << error.ToUtf8();
  EXPECT_NE(error.Find(L"偏移"), -1);
  EXPECT_EQ(vftest::readBytes(dir.native("bad.xml")), "<R>\n  <A>text</A>\n  <B>\n</R>\n");  // never overwritten

  vftest::writeBytes(dir.native("empty.xml"), "<?xml version=\"1.0\"?>\n");
  EXPECT_FALSE(xml.Open(dir.module("empty.xml"), 0));
  vftest::writeBytes(dir.native("junk.xml"), std::string("\x00\x01\xFF\xFE\x00<", 6));
  EXPECT_FALSE(xml.Open(dir.module("junk.xml"), 0));
  std::vector<SClassMember> none;
  EXPECT_FALSE(xml.ReadChildClass(L"", none));  // nothing is open after a failed Open
  EXPECT_FALSE(xml.WriteRecurseClass(L"A", L"B", L""));
}

TEST(XmlCfg, ReadsLegacyEncodingsAndWritesUtf8) {
  vftest::TempDir dir;
  const std::wstring body = L"<ErrorDefine><A01>道路中线未闭合</A01></ErrorDefine>\r\n";
  std::string gb;
  ASSERT_TRUE(veskfile::EncodeGb18030(L"<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n" + body, gb));
  vftest::writeBytes(dir.native("gb.xml"), gb);
  std::string le("\xFF\xFE", 2);
  for (wchar_t c : L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + body) {
    le.push_back(static_cast<char>(c & 0xFF));
    le.push_back(static_cast<char>(c >> 8));
  }
  vftest::writeBytes(dir.native("u16.xml"), le);

  for (const char* name : {"gb.xml", "u16.xml"}) {
    CFXmlCfg xml;
    ASSERT_TRUE(xml.Open(dir.module(name), 0)) << name << ": " << xml.GetLastError().ToUtf8();
    SDataMember m;
    ASSERT_TRUE(xml.ReadData(L"ErrorDefine.A01", m)) << name;
    EXPECT_EQ(m.Value(), CString(L"道路中线未闭合")) << name;
    ASSERT_TRUE(xml.WriteData(L"ErrorDefine.A02", SDataMember{L"A02", L"地块重叠"}));
    const std::string out = vftest::readBytes(dir.native(name));
    EXPECT_TRUE(veskfile::IsValidUtf8(out.data(), out.size())) << name;
    EXPECT_NE(out.find("encoding=\"UTF-8\""), std::string::npos) << name;
    EXPECT_NE(out.find("道路中线未闭合"), std::string::npos) << name;
  }
}

TEST(XmlCfg, AFailedSaveKeepsFileAndMemoryAsTheyWere) {
  vftest::TempDir dir;
  CFXmlCfg xml;
  ASSERT_TRUE(xml.Open(dir.module("v.xml"), 1));
  ASSERT_TRUE(xml.WriteData(L"VESKDLGVALUE.对话框.宽度", SDataMember{L"宽度", L"12", L"", L"", L"string"}));
  const std::string before = vftest::readBytes(dir.native("v.xml"));
  {
    vftest::FileSizeLimit limit(before.size() + 8);
    EXPECT_FALSE(xml.WriteData(L"VESKDLGVALUE.对话框.说明", SDataMember{L"说明", CString(L'长', 400)}));
  }
  EXPECT_NE(xml.GetLastError().Find(L"v.xml"), -1);
  EXPECT_EQ(vftest::readBytes(dir.native("v.xml")), before);
  EXPECT_FALSE(xml.FindNodeByPath(L"VESKDLGVALUE.对话框.说明"));  // memory read back
  SDataMember m;
  ASSERT_TRUE(xml.ReadData(L"VESKDLGVALUE.对话框.宽度", m));
  EXPECT_EQ(m.Field(4), CString(L"string"));
  EXPECT_EQ(vftest::entryCount(dir.native()), 1);

  // A copy is independent of the original.
  CFXmlCfg copy(xml);
  ASSERT_TRUE(copy.WriteData(L"VESKDLGVALUE.对话框.高度", SDataMember{L"高度", L"3"}));
  EXPECT_FALSE(xml.FindNodeByPath(L"VESKDLGVALUE.对话框.高度"));
}

}  // namespace
