#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "VeskFileTestSupport.h"
#include "veskfile/FileIo.h"
#include "veskfile/FileSystem.h"

namespace {

TEST(AtomicWrite, ReplacesContentAndKeepsPermissions) {
  vftest::TempDir dir;
  const std::string target = dir.native("a.ini");
  vftest::writeBytes(target, "old");
  ::chmod(target.c_str(), 0640);
  CString error;
  ASSERT_TRUE(veskfile::WriteFileAtomic(dir.module("A.INI"), "new content", &error)) << error.ToUtf8();
  EXPECT_EQ(vftest::readBytes(target), "new content");
  struct stat st;
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(vftest::entryCount(dir.native()), 1);  // no temporary file left

  // Through a symbolic link the file it points to is replaced, the link kept.
  ASSERT_EQ(::symlink(target.c_str(), dir.native("link.ini").c_str()), 0);
  ASSERT_TRUE(veskfile::WriteFileAtomic(dir.module("link.ini"), "via link"));
  EXPECT_EQ(vftest::readBytes(target), "via link");
  struct stat lst;
  ASSERT_EQ(::lstat(dir.native("link.ini").c_str(), &lst), 0);
  EXPECT_TRUE(S_ISLNK(lst.st_mode));
}

TEST(AtomicWrite, AFailedWriteLeavesTheOldFileAndNoLitter) {
  vftest::TempDir dir;
  const std::string target = dir.native("keep.xml");
  vftest::writeBytes(target, "the old content");
  CString error;
  {
    // The disk refuses to take more than 64 bytes per file.
    vftest::FileSizeLimit limit(64);
    EXPECT_FALSE(veskfile::WriteFileAtomic(dir.module("keep.xml"), std::string(4096, 'x'), &error));
  }
  EXPECT_NE(error.Find(L"keep.xml"), -1);
  EXPECT_EQ(veskfile::GetLastFileError(), error);
  EXPECT_EQ(vftest::readBytes(target), "the old content");
  EXPECT_EQ(vftest::entryCount(dir.native()), 1);

  // A missing folder, a folder in the file's place, an empty path.
  EXPECT_FALSE(veskfile::WriteFileAtomic(dir.module("nofolder\\x.ini"), "x"));
  ::mkdir(dir.native("sub").c_str(), 0755);
  EXPECT_FALSE(veskfile::WriteFileAtomic(dir.module("sub"), "x"));
  EXPECT_FALSE(veskfile::WriteFileAtomic(L"", "x"));

  if (::geteuid() != 0) {  // permissions bind only a process without privileges
    ::mkdir(dir.native("ro").c_str(), 0755);
    vftest::writeBytes(dir.native("ro/f"), "old");
    ::chmod(dir.native("ro").c_str(), 0555);
    EXPECT_FALSE(veskfile::WriteFileAtomic(dir.module("ro\\f"), "new"));
    EXPECT_EQ(vftest::readBytes(dir.native("ro/f")), "old");
  }
}

TEST(FileCopy, CopiesBytesAndHonoursFailIfExists) {
  vftest::TempDir dir;
  std::string payload("层\0数据库", 13);
  vftest::writeBytes(dir.native("default_Layer2013.mdb"), payload);
  ::chmod(dir.native("default_Layer2013.mdb").c_str(), 0600);

  CString error;
  ASSERT_TRUE(veskfile::CopyFileNoOverwrite(dir.module("DEFAULT_LAYER2013.MDB"), dir.module("copy.mdb"), true, &error))
      << error.ToUtf8();
  EXPECT_EQ(vftest::readBytes(dir.native("copy.mdb")), payload);
  struct stat st;
  ::stat(dir.native("copy.mdb").c_str(), &st);
  EXPECT_EQ(st.st_mode & 0777, 0600u);

  vftest::writeBytes(dir.native("copy.mdb"), "changed");
  EXPECT_FALSE(veskfile::CopyFileNoOverwrite(dir.module("default_Layer2013.mdb"), dir.module("copy.mdb"), true, &error));
  EXPECT_NE(error.Find(L"已存在"), -1);
  EXPECT_EQ(vftest::readBytes(dir.native("copy.mdb")), "changed");
  EXPECT_TRUE(veskfile::CopyFileNoOverwrite(dir.module("default_Layer2013.mdb"), dir.module("copy.mdb"), false));
  EXPECT_EQ(vftest::readBytes(dir.native("copy.mdb")), payload);

  EXPECT_FALSE(veskfile::CopyFileNoOverwrite(dir.module("missing.mdb"), dir.module("x.mdb"), false, &error));
  EXPECT_NE(error.Find(L"missing.mdb"), -1);
  EXPECT_FALSE(vftest::exists(dir.native("x.mdb")));
  EXPECT_EQ(vftest::entryCount(dir.native()), 2);
}

TEST(FileRead, ReadsWholeFilesAndNamesTheMissingOnes) {
  vftest::TempDir dir;
  std::string big(200000, 'a');
  vftest::writeBytes(dir.native("big.bin"), big);
  std::string bytes;
  ASSERT_TRUE(veskfile::ReadFileBytes(dir.module("BIG.bin"), bytes));
  EXPECT_EQ(bytes, big);
  CString error;
  EXPECT_FALSE(veskfile::ReadFileBytes(dir.module("big.bin"), bytes, &error, 1000));
  EXPECT_FALSE(veskfile::ReadFileBytes(dir.module("none.ini"), bytes, &error));
  EXPECT_NE(error.Find(L"none.ini"), -1);
  EXPECT_FALSE(veskfile::ReadFileBytes(dir.module(""), bytes, &error));  // a folder
}

}  // namespace
