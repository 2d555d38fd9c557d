#include <gtest/gtest.h>

#include <sys/stat.h>

#include "VeskFileTestSupport.h"
#include "veskfile/VeskFile.h"

namespace {

std::wstring w(const CString& s) { return s.GetString(); }

TEST(PathText, TakesPathsApartWithEitherSeparator) {
  EXPECT_EQ(w(GetUpPath(L"D:\\数据\\Common\\")), L"D:\\数据\\");
  EXPECT_EQ(w(GetUpPath(L"D:\\数据\\Common")), L"D:\\数据\\");
  EXPECT_EQ(w(GetUpPath(L"/opt/vk/Common/")), L"/opt/vk/");
  EXPECT_EQ(w(GetUpPath(L"\\opt\\vk/Common\\\\")), L"\\opt\\vk/");
  EXPECT_EQ(w(GetUpPath(L"\\")), L"\\");      // a root has no parent
  EXPECT_EQ(w(GetUpPath(L"C:\\")), L"C:\\");
  EXPECT_EQ(w(GetUpPath(L"name")), L"");
  // What callers do: the parent of the common folder plus a relative path.
  EXPECT_EQ(w(GetUpPath(L"\\r\\Common\\") + L"VeskDWG V2.0\\GIS配置\\GisLayerDef.xml"),
            L"\\r\\VeskDWG V2.0\\GIS配置\\GisLayerDef.xml");

  EXPECT_EQ(w(GetFilePath(L"D:\\a\\参数设置.xml")), L"D:\\a\\");
  EXPECT_EQ(w(GetFilePath(L"/a/b.ini")), L"/a/");
  EXPECT_EQ(w(GetFilePath(L"b.ini")), L"");
  EXPECT_EQ(w(GetFileName(L"D:\\a\\参数设置.xml")), L"参数设置.xml");
  EXPECT_EQ(w(GetFileName(L"D:\\a/")), L"");
  EXPECT_EQ(w(GetFnameWithoutExt(L"/a/b.tar.gz")), L"b.tar");
  EXPECT_EQ(w(GetFnameWithoutExt(L"D:\\x.y\\道路")), L"道路");
  EXPECT_EQ(w(GetFileExt(L"D:\\a\\FAppDataSet.INI")), L".INI");
  EXPECT_EQ(w(GetFileExt(L"D:\\a.b\\道路")), L"");  // a point in the folder is no extension
  EXPECT_EQ(w(GetFileExt(L"/a/.hidden")), L"");
  EXPECT_EQ(w(GetFileExt(L"/a/name.")), L".");

  EXPECT_EQ(w(veskfile::ToNativePath(L"\\a\\\\b/c\\")), L"/a/b/c/");
  EXPECT_EQ(w(veskfile::ToModulePath(L"/a/b")), L"\\a\\b");
}

TEST(PathResolution, FindsNamesOnDiskWithoutRegardToCase) {
  vftest::TempDir dir;
  ::mkdir(dir.native("Data").c_str(), 0755);
  ::mkdir(dir.native("Data/Common").c_str(), 0755);
  ::mkdir(dir.native("STANDARDS").c_str(), 0755);
  vftest::writeBytes(dir.native("Data/Common/错误标记字典.xml"), "<a/>");
  vftest::writeBytes(dir.native("STANDARDS/default.mdb"), "x");

  // Module form, other letter case, mixed separators.
  const CString upper = dir.module("DATA\\common/错误标记字典.XML");
  EXPECT_EQ(veskfile::ResolvePathUtf8(upper), dir.native("Data/Common/错误标记字典.xml"));
  EXPECT_TRUE(FileExist(upper));
  EXPECT_TRUE(FileExist(dir.module("standards\\DEFAULT.MDB")));
  EXPECT_TRUE(FIsDirectory(dir.module("data\\COMMON\\")));
  EXPECT_FALSE(FIsDirectory(upper));
  EXPECT_FALSE(FileExist(dir.module("Data")));  // a folder is no file
  EXPECT_FALSE(FileExist(L""));

  // The existing part is resolved, the missing rest kept as given.
  EXPECT_EQ(veskfile::ResolvePathUtf8(dir.module("data\\NEW\\x.ini")), dir.native("Data/NEW/x.ini"));
  // An exact name wins over another spelling; the trailing separator stays.
  ::mkdir(dir.native("data").c_str(), 0755);
  EXPECT_EQ(veskfile::ResolvePathUtf8(dir.module("data\\")), dir.native("data/"));
  EXPECT_EQ(veskfile::ResolvePathUtf8(dir.module("DATA\\")), dir.native("Data/"));  // 'D' < 'd'
}

TEST(PathResolution, CreatesFolderChainsAndRefusesFilesOnTheWay) {
  vftest::TempDir dir;
  ::mkdir(dir.native("Root").c_str(), 0755);
  EXPECT_TRUE(CreateMDirectory(dir.module("ROOT\\对话框\\值\\")));
  EXPECT_TRUE(vftest::exists(dir.native("Root/对话框/值")));  // created under the existing spelling
  EXPECT_TRUE(CreateMDirectory(dir.module("root\\对话框")));  // already there
  vftest::writeBytes(dir.native("Root/file"), "x");
  EXPECT_FALSE(CreateMDirectory(dir.module("Root\\file\\sub")));
  EXPECT_NE(veskfile::GetLastFileError().Find(L"file"), -1);
  EXPECT_FALSE(CreateMDirectory(L""));
}

}  // namespace
