#include "veskdata/StatementCache.h"

#include <sqlite3.h>

namespace veskdata {

StatementCache::Entry* StatementCache::Acquire(sqlite3* db, const std::string& sql, std::string& error) {
  auto it = m_index.find(sql);
  if (it != m_index.end()) {
    if (it->second->inUse) {
      // Statements run one at a time; a second use while the first runs
      // would disturb its cursor.
      error = "同一语句正在执行";
      return nullptr;
    }
    m_entries.splice(m_entries.begin(), m_entries, it->second);
    Entry* e = &m_entries.front();
    e->inUse = true;
    return e;
  }
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr) != SQLITE_OK || !stmt) {
    error = stmt || sqlite3_errcode(db) != SQLITE_OK ? sqlite3_errmsg(db) : "语句为空";
    sqlite3_finalize(stmt);
    return nullptr;
  }
  m_entries.emplace_front();
  Entry& e = m_entries.front();
  e.sql = sql;
  e.stmt = stmt;
  e.inUse = true;
  m_index.emplace(sql, m_entries.begin());
  // Finalise the least recently used statements that are not in use.
  for (auto last = std::prev(m_entries.end()); m_entries.size() > m_capacity && last != m_entries.begin();) {
    auto prev = std::prev(last);
    if (!last->inUse) {
      sqlite3_finalize(last->stmt);
      m_index.erase(last->sql);
      m_entries.erase(last);
    }
    last = prev;
  }
  return &e;
}

void StatementCache::Release(Entry* entry) {
  if (!entry) return;
  sqlite3_reset(entry->stmt);
  sqlite3_clear_bindings(entry->stmt);
  entry->inUse = false;
}

void StatementCache::Clear() {
  for (Entry& e : m_entries) sqlite3_finalize(e.stmt);
  m_entries.clear();
  m_index.clear();
}

}  // namespace veskdata
