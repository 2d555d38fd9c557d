#pragma once
// The engine functions the translated statements call (vk_pow, vk_int,
// vk_left, vk_like, ...), with Access's rules: Null in gives Null out where
// Access gives it, text that reads as a number counts as one, errors
// ("类型不匹配", "除数为零", ...) end the statement as they would in Access.
struct sqlite3;

namespace veskdata {

// Registers every function on the connection; false (with the engine's
// message in *error when given) if the engine refused one.
bool RegisterAccessSqlFunctions(sqlite3* db, const char** error = nullptr);

}  // namespace veskdata
