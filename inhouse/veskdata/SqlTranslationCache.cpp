#include "veskdata/SqlTranslationCache.h"

namespace veskdata {

const TranslatedSql* SqlTranslationCache::Find(const std::wstring& accessSql) {
  auto it = m_index.find(accessSql);
  if (it == m_index.end()) {
    ++m_misses;
    return nullptr;
  }
  ++m_hits;
  m_entries.splice(m_entries.begin(), m_entries, it->second);
  return &it->second->second;
}

void SqlTranslationCache::Insert(const std::wstring& accessSql, TranslatedSql translated) {
  auto it = m_index.find(accessSql);
  if (it != m_index.end()) {
    it->second->second = std::move(translated);
    m_entries.splice(m_entries.begin(), m_entries, it->second);
    return;
  }
  m_entries.emplace_front(accessSql, std::move(translated));
  m_index.emplace(accessSql, m_entries.begin());
  while (m_entries.size() > m_capacity) {
    m_index.erase(m_entries.back().first);
    m_entries.pop_back();
  }
}

void SqlTranslationCache::Clear() {
  m_entries.clear();
  m_index.clear();
}

}  // namespace veskdata
