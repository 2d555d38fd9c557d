// vkmkdb: makes a database file from SQL scripts.
//
//   vkmkdb <out.mdb> <password> <file.sql>...
//
// The scripts are in the Access dialect the module itself speaks (CREATE TABLE
// with Access column types, INSERT INTO ... VALUES, ALTER TABLE ...); a
// statement ends with ';' at the end of a line, "--" starts a comment. An
// empty password ("") makes an unencrypted file. The file is written under a
// temporary name and renamed when every statement has run; on an error the
// script and line are named, nothing is left behind and the exit status is 1.
#include <cstdio>
#include <cstring>
#include <vector>

#include "mfc/CString.h"
#include "veskdata/DbBuilder.h"

namespace {

void Usage(FILE* to) {
  std::fputs(
      "usage: vkmkdb <out.mdb> <password> <file.sql>...\n"
      "  Runs the SQL files (Access dialect; statements end with ';' at the end of\n"
      "  a line, '--' starts a comment) into a new database keyed with the password\n"
      "  (\"\" for none), written atomically to <out.mdb>.\n",
      to);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0)) {
    Usage(stdout);
    return 0;
  }
  if (argc < 4) {
    Usage(stderr);
    return 2;
  }
  std::vector<CString> scripts;
  for (int i = 3; i < argc; ++i) scripts.push_back(CString::FromUtf8(argv[i]));
  CString error;
  if (!veskdata::BuildDatabaseFromScripts(CString::FromUtf8(argv[1]), CString::FromUtf8(argv[2]), scripts, error)) {
    std::fprintf(stderr, "vkmkdb: %s\n", error.ToUtf8().c_str());
    return 1;
  }
  return 0;
}
