#include <gtest/gtest.h>

#include "VeskFileTestSupport.h"
#include "veskfile/CFXmlCfg.h"
#include "veskfile/CFXmlHelper.h"

namespace {

using veskfile::CFXmlHelper;
using veskfile::SAttr;
using veskfile::SNodeKey;

const char kLayerDef[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<LayerDef>\n"
    "  <规划\\>\n"  // not a valid name: the file is malformed on purpose below
    "</LayerDef>\n";

const char kSymbols[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<LayerDef>\n"
    "  <用地>\n"
    "    <地块>\n"
    "      <Layer Name=\"YD_地块\" Color=\"255,0,0\"/>\n"
    "      <Layers FieldName=\"YDDM\" Value=\"0701\" Pre=\"DL_\" Ext=\"\" Name=\"\" Color=\"3\"/>\n"
    "      <Layers FieldName=\"YDDM\" Value=\"0702\" Pre=\"\" Ext=\"\" Name=\"公园\" Color=\"0,128,0\"/>\n"
    "      <FillLayer Name=\"TC_地块\" Color=\"8\">实心</FillLayer>\n"
    "    </地块>\n"
    "    <道路><Layers Value=\"0701\"/></道路>\n"
    "  </用地>\n"
    "</LayerDef>\n";

TEST(XmlHelper, FindsCountsAndReadsElementsByKey) {
  vftest::TempDir dir;
  vftest::writeBytes(dir.native("symbol.xml"), kSymbols);
  CFXmlHelper xml;
  ASSERT_TRUE(xml.Open(dir.module("SYMBOL.xml"), 0)) << xml.GetLastError().ToUtf8();

  int count = -1;
  EXPECT_TRUE(xml.NodeExists(L"用地\\地块\\Layer", count));
  EXPECT_EQ(count, 1);
  EXPECT_TRUE(xml.NodeExists(L"LayerDef/用地/地块/layers", count));  // root by name, any case
  EXPECT_EQ(count, 2);
  EXPECT_FALSE(xml.NodeExists(L"用地\\地块\\FillLayers", count));
  EXPECT_EQ(count, 0);

  std::vector<SAttr> attrs;
  ASSERT_TRUE(xml.GetNode(L"用地\\地块\\Layer", attrs));
  ASSERT_EQ(attrs.size(), 2u);
  EXPECT_EQ(attrs[0].name, CString(L"Name"));
  EXPECT_EQ(attrs[0].value, CString(L"YD_地块"));
  EXPECT_EQ(attrs[1].value, CString(L"255,0,0"));

  // The element whose Value equals the entity's field value.
  CString value;
  SNodeKey byValue(L"用地\\地块\\Layers", L"Value", L"0702");
  ASSERT_TRUE(xml.GetNode(byValue, L"name", value));
  EXPECT_EQ(value, CString(L"公园"));
  EXPECT_TRUE(xml.NodeExists(byValue, count));
  EXPECT_EQ(count, 1);
  EXPECT_FALSE(xml.NodeExists(SNodeKey(L"用地\\地块\\Layers", L"Value", L"0799"), count));
  SNodeKey second(L"用地\\地块\\Layers", 1);
  ASSERT_TRUE(xml.GetNode(second, L"Value", value));
  EXPECT_EQ(value, CString(L"0702"));
  SNodeKey third(L"用地\\地块\\Layers", 2);
  EXPECT_FALSE(xml.GetNode(third, attrs));
  EXPECT_TRUE(attrs.empty());
  EXPECT_FALSE(xml.GetNode(L"用地\\地块\\Layer", L"Missing", value));
  EXPECT_TRUE(value.IsEmpty());
  ASSERT_TRUE(xml.GetNodeText(L"用地\\地块\\FillLayer", value));
  EXPECT_EQ(value, CString(L"实心"));

  // Case-sensitive mode.
  CFXmlHelper exact;
  ASSERT_TRUE(exact.Open(dir.module("symbol.xml"), CFXmlHelper::kCaseSensitive));
  EXPECT_FALSE(exact.NodeExists(L"用地\\地块\\layer"));
  EXPECT_TRUE(exact.NodeExists(L"用地\\地块\\Layer"));
  EXPECT_FALSE(exact.GetNode(L"用地\\地块\\Layer", L"name", value));
}

TEST(XmlHelper, EveryStepTakesAllMatchingBranches) {
  vftest::TempDir dir;
  vftest::writeBytes(dir.native("m.xml"), "<R><G><L k=\"a\"/></G><X/><g><L k=\"b\"/><L k=\"c\"/></g></R>");
  CFXmlHelper xml;
  ASSERT_TRUE(xml.Open(dir.module("m.xml")));
  int count = 0;
  EXPECT_TRUE(xml.NodeExists(L"G\\L", count));
  EXPECT_EQ(count, 3);
  CString value;
  ASSERT_TRUE(xml.GetNode(SNodeKey(L"G/L", 2), L"k", value));  // document order across branches
  EXPECT_EQ(value, CString(L"c"));
  ASSERT_TRUE(xml.GetNode(SNodeKey(L"G/L", L"k", L"b"), L"K", value));
  EXPECT_EQ(value, CString(L"b"));
  EXPECT_TRUE(xml.NodeExists(L"", count));  // the root
  EXPECT_EQ(count, 1);
}

TEST(XmlHelper, ReadsWhatTheConfigurationWriterWrote) {
  vftest::TempDir dir;
  veskfile::CFXmlCfg cfg;
  ASSERT_TRUE(cfg.Open(dir.module("w.xml"), 1));
  veskfile::SClassMember cls(L"1:500 图层", L"");
  cls.SetAttr(L"Color", L"1");
  ASSERT_TRUE(cfg.WriteRecurseClass(L"Def", L"", L""));
  ASSERT_TRUE(cfg.WriteClass(L"Def", cls));
  CFXmlHelper xml;
  ASSERT_TRUE(xml.Open(dir.module("w.xml")));
  CString value;
  ASSERT_TRUE(xml.GetNode(L"Def\\1:500 图层", L"Color", value));  // names decoded
  EXPECT_EQ(value, CString(L"1"));
}

TEST(XmlHelper, BadFilesAndClosedReadersFail) {
  vftest::TempDir dir;
  vftest::writeBytes(dir.native("bad.xml"), kLayerDef);
  CFXmlHelper xml;
  int count = 5;
  EXPECT_FALSE(xml.NodeExists(L"a", count));
  EXPECT_EQ(count, 0);
  EXPECT_FALSE(xml.Open(dir.module("bad.xml")));
  EXPECT_NE(xml.GetLastError().Find(L"bad.xml"), -1);
  EXPECT_NE(xml.GetLastError().Find(L"第3行"), -1) << xml.GetLastError().ToUtf8();
  EXPECT_FALSE(xml.Open(dir.module("absent.xml")));
  EXPECT_FALSE(xml.IsOpen());
  std::vector<SAttr> attrs;
  EXPECT_FALSE(xml.GetNode(L"", attrs));
}

}  // namespace
