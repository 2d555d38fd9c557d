#include "veskfile/CFXmlCfg.h"

#include <pugixml.hpp>

#include <cstring>
#include <map>

#include "veskfile/FileSystem.h"
#include "veskfile/PathText.h"
#include "veskfile/XmlDocument.h"

namespace veskfile {

namespace {

using Names = std::vector<std::wstring>;

// Splits a dotted path; false when a name in it is empty ("a..b", "a.").
bool SplitPath(const CString& path, Names& names) {
  names.clear();
  const std::wstring_view p = path.View();
  if (p.empty()) return true;
  std::size_t from = 0;
  for (;;) {
    const std::size_t dot = p.find(L'.', from);
    const std::size_t end = dot == std::wstring_view::npos ? p.size() : dot;
    if (end == from) return false;
    names.emplace_back(p.substr(from, end - from));
    if (dot == std::wstring_view::npos) return true;
    from = dot + 1;
  }
}

pugi::xml_node FirstChild(const pugi::xml_node& parent, std::wstring_view name) {
  for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling())
    if (xmldoc::NameMatches(c, name, false)) return c;
  return pugi::xml_node();
}

// The node a path names (null when there is none).
pugi::xml_node Find(const pugi::xml_document& doc, const Names& names) {
  pugi::xml_node node = doc.document_element();
  if (!node || names.empty()) return node;
  std::size_t i = xmldoc::NameMatches(node, names[0], false) ? 1 : 0;
  for (; i < names.size() && node; ++i) node = FirstChild(node, names[i]);
  return node;
}

bool IsLeaf(const pugi::xml_node& node) { return static_cast<bool>(node.attribute("v1")); }

bool HasElementChildren(const pugi::xml_node& node) {
  for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
    if (c.type() == pugi::node_element) return true;
  return false;
}

// The number of a leaf text attribute ("v3" gives 3); 0 for other names.
int TextIndex(const char* name) {
  if (name[0] != 'v' || name[1] == 0) return 0;
  int n = 0;
  for (const char* p = name + 1; *p; ++p) {
    if (*p < '0' || *p > '9' || n > 100000) return 0;
    n = n * 10 + (*p - '0');
  }
  return n;
}

void RemoveTextAttributes(pugi::xml_node node) {
  for (pugi::xml_attribute a = node.first_attribute(); a;) {
    const pugi::xml_attribute next = a.next_attribute();
    if (TextIndex(a.name()) > 0) node.remove_attribute(a);
    a = next;
  }
}

bool ValidName(const CString& name) { return !name.IsEmpty() && name.Find(L'.') < 0; }

pugi::xml_node AppendElement(pugi::xml_node parent, std::wstring_view name) {
  return parent.append_child(xmldoc::EncodeName(name).c_str());
}

// The node at names, created with every missing node above it as class
// nodes. The way is checked before anything is created: a leaf on it makes
// the call fail (null) without a change.
pugi::xml_node EnsurePath(pugi::xml_document& doc, const Names& names) {
  pugi::xml_node node = doc.document_element();
  std::size_t i = 0;
  if (node) {
    if (!names.empty() && xmldoc::NameMatches(node, names[0], false)) i = 1;
    for (; i < names.size(); ++i) {
      if (IsLeaf(node)) return pugi::xml_node();
      const pugi::xml_node next = FirstChild(node, names[i]);
      if (!next) break;
      node = next;
    }
  } else {
    if (names.empty()) return pugi::xml_node();
    node = AppendElement(doc, names[0]);
    i = 1;
  }
  for (; i < names.size(); ++i) node = AppendElement(node, names[i]);
  return node;
}

}  // namespace

CFXmlCfg::CFXmlCfg() : m_doc(new pugi::xml_document) {}

CFXmlCfg::~CFXmlCfg() = default;

CFXmlCfg::CFXmlCfg(const CFXmlCfg& other)
    : m_path(other.m_path), m_open(other.m_open), m_doc(new pugi::xml_document), m_lastError(other.m_lastError) {
  m_doc->reset(*other.m_doc);
}

CFXmlCfg& CFXmlCfg::operator=(const CFXmlCfg& other) {
  if (this != &other) {
    m_path = other.m_path;
    m_open = other.m_open;
    m_doc->reset(*other.m_doc);
    m_lastError = other.m_lastError;
  }
  return *this;
}

CFXmlCfg::CFXmlCfg(CFXmlCfg&& other) noexcept
    : m_path(std::move(other.m_path)), m_open(other.m_open), m_doc(std::move(other.m_doc)),
      m_lastError(std::move(other.m_lastError)) {
  other.m_doc.reset(new (std::nothrow) pugi::xml_document);
  other.m_open = false;
}

CFXmlCfg& CFXmlCfg::operator=(CFXmlCfg&& other) noexcept {
  if (this != &other) {
    m_path = std::move(other.m_path);
    m_open = other.m_open;
    m_doc.swap(other.m_doc);
    m_lastError = std::move(other.m_lastError);
    other.m_open = false;
  }
  return *this;
}

int CFXmlCfg::Fail(const CString& message) const {
  m_lastError = message;
  return 0;
}

int CFXmlCfg::Open(const CString& path, int flag) {
  Close();
  if (!m_doc) m_doc.reset(new pugi::xml_document);
  if (path.IsEmpty()) return Fail(L"打开XML文件失败：未指定文件路径");
  m_path = path;
  if (FileExist(path)) {
    CString error;
    if (!xmldoc::Load(path, *m_doc, error)) return Fail(error);
  } else if (FIsDirectory(path)) {
    return Fail(CString(L"打开XML文件失败：路径是目录：") + path);
  } else if (flag == 0) {
    return Fail(CString(L"XML文件不存在：") + path);
  } else {
    const CString folder = GetFilePath(path);
    if (!folder.IsEmpty() && !FIsDirectory(folder))
      return Fail(CString(L"打开XML文件失败：目录不存在：") + folder);
  }
  m_open = true;
  m_lastError.Empty();
  return 1;
}

void CFXmlCfg::Close() {
  if (m_doc) m_doc->reset();
  m_open = false;
  m_path.Empty();
}

int CFXmlCfg::Commit() {
  CString error;
  if (xmldoc::Save(m_path, *m_doc, error)) return 1;
  // Keep memory as the disk has it.
  CString ignored;
  if (!FileExist(m_path) || !xmldoc::Load(m_path, *m_doc, ignored)) m_doc->reset();
  return Fail(error);
}

int CFXmlCfg::FindNodeByPath(const CString& path, int flag) const {
  if (!m_open) return Fail(L"XML文件未打开");
  Names names;
  if (!SplitPath(path, names)) return Fail(CString(L"无效的节点路径：") + path);
  const pugi::xml_node node = Find(*m_doc, names);
  if (!node) return Fail(CString(L"节点不存在：") + path);
  if (flag != 0 && HasElementChildren(node)) return Fail(CString(L"节点不是数据项：") + path);
  return 1;
}

int CFXmlCfg::ReadData(const CString& path, SDataMember& member) const {
  if (!m_open) return Fail(L"XML文件未打开");
  Names names;
  if (!SplitPath(path, names)) return Fail(CString(L"无效的节点路径：") + path);
  const pugi::xml_node node = Find(*m_doc, names);
  if (!node) return Fail(CString(L"节点不存在：") + path);
  if (HasElementChildren(node)) return Fail(CString(L"节点不是数据项：") + path);
  member.fields.clear();
  member.fields.emplace_back(xmldoc::DecodeName(node.name()).c_str());
  if (IsLeaf(node)) {
    std::map<int, CString> texts;
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
      const int i = TextIndex(a.name());
      if (i > 0) texts[i] = CString::FromUtf8(a.value());
    }
    const int last = texts.empty() ? 1 : texts.rbegin()->first;
    member.fields.resize(static_cast<std::size_t>(last) + 1);
    for (const auto& t : texts) member.fields[static_cast<std::size_t>(t.first)] = t.second;
  } else {
    member.fields.emplace_back(xmldoc::OwnText(node).c_str());
  }
  return 1;
}

int CFXmlCfg::WriteData(const CString& path, const SDataMember& member) {
  if (!m_open) return Fail(L"XML文件未打开");
  Names names;
  if (!SplitPath(path, names) || names.empty()) return Fail(CString(L"无效的节点路径：") + path);
  const CString leafName(names.back().c_str());
  if (!member.Name().IsEmpty() && member.Name().CompareNoCase(leafName) != 0)
    return Fail(CString(L"数据项名称“") + member.Name() + L"”与节点路径不符：" + path);

  pugi::xml_node node = Find(*m_doc, names);
  if (!node) {
    if (!m_doc->document_element() && names.size() == 1)
      return Fail(CString(L"数据项不能作为根节点：") + path);
    const Names parentNames(names.begin(), names.end() - 1);
    const pugi::xml_node parent = EnsurePath(*m_doc, parentNames);
    if (!parent || IsLeaf(parent)) return Fail(CString(L"数据项下不能有子节点：") + path);
    node = AppendElement(parent, names.back());
  } else if (HasElementChildren(node)) {
    return Fail(CString(L"节点有子节点，不能作为数据项写入：") + path);
  }
  RemoveTextAttributes(node);
  xmldoc::SetOwnText(node, std::wstring_view());
  const std::size_t count = member.fields.size() > 1 ? member.fields.size() - 1 : 1;
  pugi::xml_attribute after;
  for (std::size_t i = 1; i <= count; ++i) {
    const std::string name = "v" + std::to_string(i);
    // Texts first, in order, before any other attribute the element has.
    pugi::xml_attribute a = after ? node.insert_attribute_after(name.c_str(), after)
                                  : node.prepend_attribute(name.c_str());
    a.set_value(member.Field(i).ToUtf8().c_str());
    after = a;
  }
  return Commit();
}

int CFXmlCfg::ReadChildData(const CString& path, std::vector<SDataMember>& members) const {
  members.clear();
  if (!m_open) return Fail(L"XML文件未打开");
  Names names;
  if (!SplitPath(path, names)) return Fail(CString(L"无效的节点路径：") + path);
  const pugi::xml_node node = Find(*m_doc, names);
  if (!node) return Fail(CString(L"节点不存在：") + path);
  for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) {
    if (c.type() != pugi::node_element || !IsLeaf(c)) continue;
    SDataMember m;
    std::map<int, CString> texts;
    for (pugi::xml_attribute a = c.first_attribute(); a; a = a.next_attribute()) {
      const int i = TextIndex(a.name());
      if (i > 0) texts[i] = CString::FromUtf8(a.value());
    }
    m.fields.resize(static_cast<std::size_t>(texts.rbegin()->first) + 1);
    m.fields[0] = xmldoc::DecodeName(c.name()).c_str();
    for (const auto& t : texts) m.fields[static_cast<std::size_t>(t.first)] = t.second;
    members.push_back(std::move(m));
  }
  return 1;
}

namespace {

SClassMember ClassOf(const pugi::xml_node& node) {
  SClassMember c;
  c.name = xmldoc::DecodeName(node.name()).c_str();
  c.text = xmldoc::OwnText(node).c_str();
  for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
    c.attrs.emplace_back(CString(xmldoc::DecodeName(a.name()).c_str()), CString::FromUtf8(a.value()));
  return c;
}

}  // namespace

int CFXmlCfg::ReadChildClass(const CString& path, std::vector<SClassMember>& classes) const {
  classes.clear();
  if (!m_open) return Fail(L"XML文件未打开");
  Names names;
  if (!SplitPath(path, names)) return Fail(CString(L"无效的节点路径：") + path);
  const pugi::xml_node node = Find(*m_doc, names);
  if (!node) return Fail(CString(L"节点不存在：") + path);
  for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
    if (c.type() == pugi::node_element && !IsLeaf(c)) classes.push_back(ClassOf(c));
  return 1;
}

int CFXmlCfg::ReadClass(const CString& path, SClassMember& cls) const {
  if (!m_open) return Fail(L"XML文件未打开");
  Names names;
  if (!SplitPath(path, names)) return Fail(CString(L"无效的节点路径：") + path);
  const pugi::xml_node node = Find(*m_doc, names);
  if (!node) return Fail(CString(L"节点不存在：") + path);
  if (IsLeaf(node)) return Fail(CString(L"节点是数据项，不是类节点：") + path);
  cls = ClassOf(node);
  return 1;
}

int CFXmlCfg::WriteClass(const CString& path, const SClassMember& cls) {
  if (!m_open) return Fail(L"XML文件未打开");
  if (!ValidName(cls.name)) return Fail(CString(L"无效的节点名称：") + cls.name);
  for (const SAttr& a : cls.attrs) {
    const std::string n = xmldoc::EncodeName(a.name.View());
    if (a.name.IsEmpty() || TextIndex(n.c_str()) > 0) return Fail(CString(L"无效的属性名称：") + a.name);
  }
  Names names;
  if (!SplitPath(path, names)) return Fail(CString(L"无效的节点路径：") + path);
  pugi::xml_node node;
  if (!m_doc->document_element() && names.empty()) {
    node = AppendElement(*m_doc, cls.name.View());
  } else {
    const pugi::xml_node parent = Find(*m_doc, names);
    if (!parent) return Fail(CString(L"节点不存在：") + path);
    if (IsLeaf(parent)) return Fail(CString(L"数据项下不能有子节点：") + path);
    node = FirstChild(parent, cls.name.View());
    if (!node) node = AppendElement(parent, cls.name.View());
  }
  while (node.first_attribute()) node.remove_attribute(node.first_attribute());
  for (const SAttr& a : cls.attrs)
    node.append_attribute(xmldoc::EncodeName(a.name.View()).c_str()).set_value(a.value.ToUtf8().c_str());
  xmldoc::SetOwnText(node, cls.text.View());
  return Commit();
}

int CFXmlCfg::WriteRecurseClass(const CString& path, const CString& name, const CString& value) {
  if (!m_open) return Fail(L"XML文件未打开");
  if (!name.IsEmpty() && !ValidName(name)) return Fail(CString(L"无效的节点名称：") + name);
  Names names;
  if (!SplitPath(path, names)) return Fail(CString(L"无效的节点路径：") + path);
  if (!name.IsEmpty()) names.emplace_back(name.View());
  if (names.empty()) {
    if (!m_doc->document_element()) return Fail(L"XML文档为空，需要节点名称");
    if (!value.IsEmpty()) xmldoc::SetOwnText(m_doc->document_element(), value.View());
    return value.IsEmpty() ? 1 : Commit();
  }
  const pugi::xml_node node = EnsurePath(*m_doc, names);
  if (!node) return Fail(CString(L"数据项下不能有子节点：") + path);
  if (IsLeaf(node)) return Fail(CString(L"节点是数据项，不是类节点：") + path + (name.IsEmpty() ? CString() : CString(L".") + name));
  if (!value.IsEmpty() || !name.IsEmpty()) xmldoc::SetOwnText(node, value.View());
  return Commit();
}

int CFXmlCfg::DeleteClass(const CString& path, int index) {
  if (!m_open) return Fail(L"XML文件未打开");
  Names names;
  if (!SplitPath(path, names) || names.empty()) return Fail(CString(L"无效的节点路径：") + path);
  const pugi::xml_node root = m_doc->document_element();
  if (!root) return Fail(CString(L"节点不存在：") + path);
  if (names.size() == 1 && xmldoc::NameMatches(root, names[0], false)) return Fail(L"不能删除根节点");
  const Names parentNames(names.begin(), names.end() - 1);
  pugi::xml_node parent = Find(*m_doc, parentNames);
  if (!parent) return Fail(CString(L"节点不存在：") + path);
  std::vector<pugi::xml_node> hits;
  for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling())
    if (xmldoc::NameMatches(c, names.back(), false)) hits.push_back(c);
  if (hits.empty()) return Fail(CString(L"节点不存在：") + path);
  if (index >= 0 && static_cast<std::size_t>(index) >= hits.size()) {
    CString msg;
    msg.Format(L"节点序号超出范围：%s（%d，共%d个）", path.GetString(), index, static_cast<int>(hits.size()));
    return Fail(msg);
  }
  if (index < 0) {
    for (pugi::xml_node h : hits) parent.remove_child(h);
  } else {
    parent.remove_child(hits[static_cast<std::size_t>(index)]);
  }
  return Commit();
}

}  // namespace veskfile
