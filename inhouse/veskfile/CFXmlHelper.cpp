#include "veskfile/CFXmlHelper.h"

#include <pugixml.hpp>

#include "veskfile/XmlDocument.h"
#include "veskutil/NoCase.h"

namespace veskfile {

namespace {

std::vector<std::wstring> SplitKey(const CString& path) {
  std::vector<std::wstring> names;
  std::wstring cur;
  for (wchar_t c : path.View()) {
    if (c == L'\\' || c == L'/') {
      if (!cur.empty()) names.push_back(cur);
      cur.clear();
    } else {
      cur.push_back(c);
    }
  }
  if (!cur.empty()) names.push_back(cur);
  return names;
}

bool AttrNameMatches(const pugi::xml_attribute& a, std::wstring_view name, bool caseSensitive) {
  const std::wstring n = xmldoc::DecodeName(a.name());
  return caseSensitive ? n == name : veskutil::EqualNoCase(n, name);
}

pugi::xml_attribute FindAttr(const pugi::xml_node& node, std::wstring_view name, bool caseSensitive) {
  for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
    if (AttrNameMatches(a, name, caseSensitive)) return a;
  return pugi::xml_attribute();
}

// Every element the key reaches, in document order.
std::vector<pugi::xml_node> Match(const pugi::xml_document& doc, const SNodeKey& key, bool caseSensitive) {
  std::vector<pugi::xml_node> cur;
  const pugi::xml_node root = doc.document_element();
  if (!root) return cur;
  const std::vector<std::wstring> names = SplitKey(key.path);
  cur.push_back(root);
  std::size_t i = 0;
  if (!names.empty() && xmldoc::NameMatches(root, names[0], caseSensitive)) i = 1;
  for (; i < names.size() && !cur.empty(); ++i) {
    std::vector<pugi::xml_node> next;
    for (const pugi::xml_node& n : cur)
      for (pugi::xml_node c = n.first_child(); c; c = c.next_sibling())
        if (xmldoc::NameMatches(c, names[i], caseSensitive)) next.push_back(c);
    cur.swap(next);
  }
  if (!key.attrName.IsEmpty()) {
    std::vector<pugi::xml_node> kept;
    const std::string want = key.attrValue.ToUtf8();
    for (const pugi::xml_node& n : cur) {
      const pugi::xml_attribute a = FindAttr(n, key.attrName.View(), caseSensitive);
      if (a && want == a.value()) kept.push_back(n);
    }
    cur.swap(kept);
  }
  return cur;
}

}  // namespace

CFXmlHelper::CFXmlHelper() : m_doc(new pugi::xml_document) {}

CFXmlHelper::~CFXmlHelper() = default;

CFXmlHelper::CFXmlHelper(const CFXmlHelper& other)
    : m_path(other.m_path), m_open(other.m_open), m_caseSensitive(other.m_caseSensitive),
      m_doc(new pugi::xml_document), m_lastError(other.m_lastError) {
  m_doc->reset(*other.m_doc);
}

CFXmlHelper& CFXmlHelper::operator=(const CFXmlHelper& other) {
  if (this != &other) {
    m_path = other.m_path;
    m_open = other.m_open;
    m_caseSensitive = other.m_caseSensitive;
    m_doc->reset(*other.m_doc);
    m_lastError = other.m_lastError;
  }
  return *this;
}

int CFXmlHelper::Fail(const CString& message) const {
  m_lastError = message;
  return 0;
}

int CFXmlHelper::Open(const CString& path, int mode) {
  Close();
  if (path.IsEmpty()) return Fail(L"打开XML文件失败：未指定文件路径");
  m_path = path;
  m_caseSensitive = (mode & kCaseSensitive) != 0;
  CString error;
  if (!xmldoc::Load(path, *m_doc, error)) return Fail(error);
  m_open = true;
  m_lastError.Empty();
  return 1;
}

void CFXmlHelper::Close() {
  m_doc->reset();
  m_open = false;
  m_path.Empty();
}

int CFXmlHelper::NodeExists(const SNodeKey& key, int& count) const {
  count = 0;
  if (!m_open) return Fail(L"XML文件未打开");
  count = static_cast<int>(Match(*m_doc, key, m_caseSensitive).size());
  return count > 0 ? 1 : 0;
}

int CFXmlHelper::NodeExists(const SNodeKey& key) const {
  int count = 0;
  return NodeExists(key, count);
}

int CFXmlHelper::GetNode(const SNodeKey& key, std::vector<SAttr>& attrs) const {
  attrs.clear();
  if (!m_open) return Fail(L"XML文件未打开");
  const std::vector<pugi::xml_node> hits = Match(*m_doc, key, m_caseSensitive);
  if (key.index < 0 || static_cast<std::size_t>(key.index) >= hits.size())
    return Fail(CString(L"节点不存在：") + key.path);
  const pugi::xml_node node = hits[static_cast<std::size_t>(key.index)];
  for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
    attrs.emplace_back(CString(xmldoc::DecodeName(a.name()).c_str()), CString::FromUtf8(a.value()));
  return 1;
}

int CFXmlHelper::GetNode(const SNodeKey& key, const CString& attrName, CString& value) const {
  value.Empty();
  if (!m_open) return Fail(L"XML文件未打开");
  const std::vector<pugi::xml_node> hits = Match(*m_doc, key, m_caseSensitive);
  if (key.index < 0 || static_cast<std::size_t>(key.index) >= hits.size())
    return Fail(CString(L"节点不存在：") + key.path);
  const pugi::xml_attribute a = FindAttr(hits[static_cast<std::size_t>(key.index)], attrName.View(), m_caseSensitive);
  if (!a) return Fail(CString(L"属性不存在：") + key.path + L" " + attrName);
  value = CString::FromUtf8(a.value());
  return 1;
}

int CFXmlHelper::GetNodeText(const SNodeKey& key, CString& text) const {
  text.Empty();
  if (!m_open) return Fail(L"XML文件未打开");
  const std::vector<pugi::xml_node> hits = Match(*m_doc, key, m_caseSensitive);
  if (key.index < 0 || static_cast<std::size_t>(key.index) >= hits.size())
    return Fail(CString(L"节点不存在：") + key.path);
  text = xmldoc::OwnText(hits[static_cast<std::size_t>(key.index)]).c_str();
  return 1;
}

}  // namespace veskfile
