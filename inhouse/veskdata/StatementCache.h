#pragma once
// Prepared statements of a connection kept for reuse, keyed by the engine
// text: a statement run again (the same look-up for the same item) skips the
// engine's parsing and planning. The least recently used one is finalised
// when the cache is full; all are finalised when the schema changes or the
// connection closes.
#include <cstddef>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>

#include "veskdata/ResultColumns.h"

struct sqlite3;
struct sqlite3_stmt;

namespace veskdata {

class StatementCache {
 public:
  struct Entry {
    std::string sql;
    sqlite3_stmt* stmt = nullptr;
    std::shared_ptr<const ResultColumns> columns;  // made on first use
    bool inUse = false;
  };

  explicit StatementCache(std::size_t capacity = 64) : m_capacity(capacity ? capacity : 1) {}
  ~StatementCache() { Clear(); }
  StatementCache(const StatementCache&) = delete;
  StatementCache& operator=(const StatementCache&) = delete;

  // A prepared statement for the text, from the cache or newly prepared;
  // null with the engine's message in error (also when that statement is
  // still running). Give it back with Release.
  Entry* Acquire(sqlite3* db, const std::string& sql, std::string& error);
  // Resets the statement and keeps it for the next use.
  void Release(Entry* entry);
  // Finalises every statement (none may be in use).
  void Clear();

  std::size_t Size() const { return m_entries.size(); }

 private:
  std::size_t m_capacity;
  std::list<Entry> m_entries;  // most recently used first
  std::unordered_map<std::string, std::list<Entry>::iterator> m_index;
};

}  // namespace veskdata
