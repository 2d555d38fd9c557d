#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "VeskFileTestSupport.h"
#include "veskfile/VeskFile.h"

namespace {

// Restores VESKCAD_HOME as it was.
class HomeGuard {
 public:
  HomeGuard() {
    if (const char* v = std::getenv("VESKCAD_HOME")) {
      mHad = true;
      mOld = v;
    }
  }
  ~HomeGuard() {
    if (mHad) {
      ::setenv("VESKCAD_HOME", mOld.c_str(), 1);
    } else {
      ::unsetenv("VESKCAD_HOME");
    }
  }

 private:
  bool mHad = false;
  std::string mOld;
};

TEST(DataRoot, EnvironmentVariableWinsAndFoldersHangBelowIt) {
  HomeGuard guard;
  vftest::TempDir dir;
  ::setenv("VESKCAD_HOME", dir.native().c_str(), 1);
  const CString root = dir.module() + L"\\";
  EXPECT_EQ(veskfile::GetVeskDataRoot(), root);
  EXPECT_EQ(FGetVeskDataCommonPath(), root + L"Common\\");
  EXPECT_EQ(FGetVeskDataFilePath(), root + L"Data\\");
  EXPECT_EQ(FGetCADCommonFilePath(), root + L"STANDARDS\\");
  EXPECT_EQ(GetFeatureClassStandardPath(), root + L"FeatureClass\\");

  // A file appended the module's way opens on this platform.
  ::mkdir(dir.native("Common").c_str(), 0755);
  vftest::writeBytes(dir.native("Common/公共数据配置.ini"), "[Config]\n");
  EXPECT_TRUE(FileExist(FGetVeskDataCommonPath() + L"公共数据配置.ini"));

  // A relative value is taken from the current folder.
  ::setenv("VESKCAD_HOME", "rel/root", 1);
  const CString rel = veskfile::GetVeskDataRoot();
  EXPECT_EQ(rel.Left(1), CString(L"\\"));
  EXPECT_EQ(rel.Right(10), CString(L"\\rel\\root\\"));
}

TEST(DataRoot, WithoutTheVariableTheBuildOrSourceTreeServes) {
  HomeGuard guard;
  ::unsetenv("VESKCAD_HOME");
  const CString root = veskfile::GetVeskDataRoot();
  ASSERT_FALSE(root.IsEmpty());
  EXPECT_EQ(root.Right(1), CString(L"\\"));
  EXPECT_TRUE(FIsDirectory(root)) << root.ToUtf8();
  // The tree beside the program (build/share/veskcad) when it exists, the
  // repository's data folder otherwise.
  const std::string built = VESKCAD_DATA_ROOT;
  CString expected = veskfile::ToModulePath(CString::FromUtf8(vftest::exists(built) ? built : std::string(VESK_TEST_DATA) + "/../../data"));
  char real[PATH_MAX];
  if (::realpath(veskfile::ToNativePath(expected).ToUtf8().c_str(), real) != nullptr)
    expected = veskfile::ToModulePath(CString::FromUtf8(real));
  EXPECT_EQ(root, expected + L"\\");
}

}  // namespace
