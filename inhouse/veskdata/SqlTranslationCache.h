#pragma once
// The translations of recently run statements, keyed by the statement text
// as the caller wrote it; the least recently used entry goes first when the
// cache is full. Statements of the standards database repeat a great deal
// (the same look-up for the same item), so most translations come from here.
#include <cstddef>
#include <list>
#include <string>
#include <unordered_map>
#include <utility>

#include "veskdata/AccessSqlTranslator.h"

namespace veskdata {

class SqlTranslationCache {
 public:
  explicit SqlTranslationCache(std::size_t capacity = 256) : m_capacity(capacity ? capacity : 1) {}

  // The translation kept for the text, or null; a hit becomes the most
  // recently used entry.
  const TranslatedSql* Find(const std::wstring& accessSql);
  void Insert(const std::wstring& accessSql, TranslatedSql translated);
  void Clear();

  std::size_t Size() const { return m_entries.size(); }
  std::size_t Capacity() const { return m_capacity; }
  std::size_t Hits() const { return m_hits; }
  std::size_t Misses() const { return m_misses; }

 private:
  using Entry = std::pair<std::wstring, TranslatedSql>;
  std::size_t m_capacity;
  std::list<Entry> m_entries;  // most recently used first
  std::unordered_map<std::wstring, std::list<Entry>::iterator> m_index;
  std::size_t m_hits = 0;
  std::size_t m_misses = 0;
};

}  // namespace veskdata
