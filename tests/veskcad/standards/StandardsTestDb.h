#pragma once
// Scratch standards databases for the tests: an SQLite file keyed with a
// password (none for an empty one) and filled from SQL text, in a fresh folder
// under the test temp directory.
#include <sqlite3.h>

#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "mfc/CString.h"

namespace vesktest {

// The folder carries the process id: several builds may run the suite at once.
inline std::filesystem::path freshFolder(const std::string& name) {
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("vesk_std_" + std::to_string(::getpid()) + "_" + name);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

// Creates path keyed with password and runs sql in it (plain SQLite).
inline void makeDatabase(const std::filesystem::path& path, const std::string& password, const std::string& sql) {
  sqlite3* db = nullptr;
  if (sqlite3_open(path.string().c_str(), &db) != SQLITE_OK) throw std::runtime_error("cannot create " + path.string());
  std::string script;
  if (!password.empty()) script = "PRAGMA key = '" + password + "';";
  script += sql;
  char* error = nullptr;
  int rc = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error);
  std::string message = error ? error : "";
  sqlite3_free(error);
  sqlite3_close(db);
  if (rc != SQLITE_OK) throw std::runtime_error("cannot fill " + path.string() + ": " + message);
}

inline CString wide(const std::filesystem::path& path) { return CString(path.wstring().c_str()); }

}  // namespace vesktest
