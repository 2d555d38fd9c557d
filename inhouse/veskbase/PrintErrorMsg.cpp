#include "veskbase/PrintErrorMsg.h"

#include "arx/ed/AcutPrintf.h"
#include "mfc/CString.h"
#include "veskfile/FileSystem.h"
#include "veskfile/PathText.h"

namespace vesk {

bool gbLogErrFile = false;
veskfile::CIniFile gFErrFile;

namespace {

const wchar_t* OrEmpty(const wchar_t* s) { return s != nullptr ? s : L""; }

}  // namespace

void PrintErrorMsg(Acad::ErrorStatus es, const wchar_t* location) {
  const wchar_t* status = acadErrorStatusText(es);
  acutPrintf(L"\n%s: %s", OrEmpty(location), OrEmpty(status));
  if (gbLogErrFile) {
    CString message;
    message.Format(L"%s: %s", OrEmpty(location), OrEmpty(status));
    LogErrorToFile(location, nullptr, 0, message.GetString());
  }
}

void PrintExceptionMsg(const wchar_t* location, int line) {
  acutPrintf(L"\n%s出现异常!", OrEmpty(location));
  if (gbLogErrFile) {
    CString message;
    message.Format(L"%s 第%d行出现异常!", OrEmpty(location), line);
    LogErrorToFile(location, nullptr, line, message.GetString());
  }
}

void LogErrorToFile(const wchar_t* location, const wchar_t* sourceFile, int line, const wchar_t* message) {
  if (!gbLogErrFile || gFErrFile.GetPath().IsEmpty()) return;
  CString section(OrEmpty(location));
  if (section.Trim().IsEmpty()) section = L"未知位置";
  // The section name must stay one line and may not close the header early.
  section.Replace(L'\n', L' ');
  section.Replace(L'\r', L' ');
  section.Replace(L']', L')');
  CString entry = veskfile::GetFileName(CString(OrEmpty(sourceFile)));
  entry.Replace(L'=', L'_');
  if (entry.Trim().IsEmpty()) entry = L"未知源文件";
  CString text(OrEmpty(message));
  text.Replace(L"\r\n", L" ");
  text.Replace(L'\n', L' ');
  text.Replace(L'\r', L' ');
  if (!gFErrFile.HasBeenRead() && veskfile::FileExist(gFErrFile.GetPath())) gFErrFile.ReadFile();
  gFErrFile.SetValueI(section, entry, line, true);
  gFErrFile.SetValue(section, entry, text, true);
  gFErrFile.WriteFile();
}

}  // namespace vesk
