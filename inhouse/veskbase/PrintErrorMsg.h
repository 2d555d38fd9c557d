#pragma once
// Reporting failures caught by a unit of work: on the command line, and in an
// error-log INI file when logging is switched on.
//
// The log: section = the location (the method's qualified name), entry = the
// source file name; the entry is written first with the source line and then
// with the message, so it ends up holding the message. Reports that carry no
// source file are logged under the entry "未知源文件".
#include "arx/base/AcadErrorStatus.h"
#include "veskfile/CIniFile.h"

namespace vesk {

// The error-log switch, off by default.
extern bool gbLogErrFile;
// The error-log INI (its path is set by whoever turns logging on). When the
// file exists and the object has not read it yet, the first logged report
// reads it, so earlier entries are kept.
extern veskfile::CIniFile gFErrFile;

// Prints "\n<location>: <status text>" for a failed drawing operation and,
// when logging is on, logs that text.
void PrintErrorMsg(Acad::ErrorStatus es, const wchar_t* location);

// Any other exception: prints "\n%s出现异常!" (location) and, when logging is
// on, logs "%s 第%d行出现异常!" (location, line).
void PrintExceptionMsg(const wchar_t* location, int line);

// When logging is on: section = location, entry = source file name (its
// name alone, without folder), written first with the line number (SetValueI)
// then with the message (SetValue), then WriteFile(). Does nothing when
// logging is off; a log that cannot be written is passed over (the report on
// the command line has been made).
void LogErrorToFile(const wchar_t* location, const wchar_t* sourceFile, int line, const wchar_t* message);

}  // namespace vesk
