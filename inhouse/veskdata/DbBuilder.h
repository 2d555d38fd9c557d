#pragma once
// Building a database file from SQL scripts (what the build does to make
// default.mdb and the layer databases from readable SQL).
#include <vector>

#include "mfc/CString.h"

namespace veskdata {

// Runs the statements of the scripts, in the Access dialect, one file after
// the other, into a new database keyed with the password (empty: not
// encrypted). The database is written under a temporary name beside outPath
// in one transaction and renamed to outPath only when every statement
// succeeded, replacing an older file of that name. On failure nothing is
// left behind and error reads "<script>:<line>: <reason>".
bool BuildDatabaseFromScripts(const CString& outPath, const CString& password, const std::vector<CString>& scripts,
                              CString& error);

}  // namespace veskdata
