#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

#include "arx/ed/HostUi.h"
#include "arx/ed/ScriptedHostUi.h"
#include "veskbase/PrintErrorMsg.h"

namespace {

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Captures the command line and restores the error-log state afterwards.
class ErrorReport : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/veskbase_errlog_XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    mDir = tmpl;
    mLogPath = mDir + "/错误日志.ini";
    mPrevious = vhost::setCurrentHostUi(&mUi);
  }
  void TearDown() override {
    vhost::setCurrentHostUi(mPrevious);
    vesk::gbLogErrFile = false;
    vesk::gFErrFile = veskfile::CIniFile();
    std::remove(mLogPath.c_str());
    ::rmdir(mDir.c_str());
  }
  std::wstring printed() const { return mUi.printedText(); }

  vhost::ScriptedHostUi mUi;
  vhost::HostUi* mPrevious = nullptr;
  std::string mDir;
  std::string mLogPath;
};

TEST_F(ErrorReport, PrintsOnTheCommandLineAndLogsNothingWhenOff) {
  vesk::gFErrFile.SetPath(CString::FromUtf8(mLogPath));
  vesk::PrintErrorMsg(Acad::eWasErased, L"CFSearchAllCloseCurve::GetAllSeg");
  EXPECT_EQ(printed(), std::wstring(L"\nCFSearchAllCloseCurve::GetAllSeg: ") + acadErrorStatusText(Acad::eWasErased));
  vesk::PrintExceptionMsg(L"CTrimByEnt::Trim", 120);
  EXPECT_NE(printed().find(L"\nCTrimByEnt::Trim出现异常!"), std::wstring::npos);
  vesk::LogErrorToFile(L"X::Y", L"x.cpp", 3, L"message");
  EXPECT_FALSE(vesk::gbLogErrFile);
  std::ifstream probe(mLogPath);
  EXPECT_FALSE(probe.good());  // logging is off: no file
}

TEST_F(ErrorReport, LogsSectionEntryAndMessageWhenOn) {
  // An earlier log is kept.
  {
    std::ofstream old(mLogPath, std::ios::binary);
    old << "[Earlier::Run]\nold.cpp=先前的错误\n";
  }
  vesk::gFErrFile.SetPath(CString::FromUtf8(mLogPath));
  vesk::gbLogErrFile = true;

  vesk::LogErrorToFile(L"CFDlgVS::SetValue", L"/src/veskcad/standards/CFDlgVS.cpp", 88, L"保存xml出现异常");
  vesk::PrintExceptionMsg(L"CTrimByEnt::Trim", 120);
  vesk::PrintErrorMsg(Acad::eNotOpenForWrite, L"VeskDB::gpGetLayerParam");

  veskfile::CIniFile log(CString::FromUtf8(mLogPath));
  EXPECT_EQ(log.GetValue(L"Earlier::Run", L"old.cpp"), CString(L"先前的错误"));
  // The entry ends with the message (the line number was written first).
  EXPECT_EQ(log.GetValue(L"CFDlgVS::SetValue", L"CFDlgVS.cpp"), CString(L"保存xml出现异常"));
  EXPECT_EQ(log.GetValue(L"CTrimByEnt::Trim", L"未知源文件"), CString(L"CTrimByEnt::Trim 第120行出现异常!"));
  EXPECT_EQ(log.GetValue(L"VeskDB::gpGetLayerParam", L"未知源文件"),
            CString(L"VeskDB::gpGetLayerParam: ") + acadErrorStatusText(Acad::eNotOpenForWrite));
  CStringArray sections;
  EXPECT_EQ(log.GetAllKeyname(sections), 4);

  // Awkward texts cannot break the file.
  vesk::LogErrorToFile(L"A]B\nC", L"f=g.cpp", 1, L"two\nlines");
  veskfile::CIniFile again(CString::FromUtf8(mLogPath));
  EXPECT_TRUE(again.HasBeenRead());
  EXPECT_EQ(again.GetValue(L"A)B C", L"f_g.cpp"), CString(L"two lines"));
  EXPECT_EQ(slurp(mLogPath).rfind("[Earlier::Run]", 0), 0u);
}

TEST_F(ErrorReport, LoggingWithoutAPathOnlyPrints) {
  vesk::gbLogErrFile = true;
  vesk::PrintExceptionMsg(L"F::G", 7);
  EXPECT_EQ(printed(), L"\nF::G出现异常!");
  EXPECT_FALSE(vesk::gFErrFile.IsModified());
}

}  // namespace
