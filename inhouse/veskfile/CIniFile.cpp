#include "veskfile/CIniFile.h"

#include "veskfile/FileIo.h"
#include "veskfile/FileSystem.h"
#include "veskfile/TextCodec.h"
#include "veskutil/NoCase.h"

namespace veskfile {

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == 0x3000 || c == 0xFEFF || c == L'\v' || c == L'\f'; }

std::wstring Trim(std::wstring_view s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return std::wstring(s.substr(b, e - b));
}

bool HasLineBreak(std::wstring_view s) {
  for (wchar_t c : s)
    if (c == L'\n' || c == L'\r' || c == 0) return true;
  return false;
}

}  // namespace

CIniFile::CIniFile() = default;

CIniFile::CIniFile(const CString& path, bool autoSave) : m_path(path), m_autoSave(autoSave) {
  // Read when the file is there; a missing file is a new one.
  if (!m_path.IsEmpty() && FileExist(m_path)) ReadFile();
}

CIniFile::~CIniFile() {
  if (m_autoSave && m_modified && !m_path.IsEmpty()) WriteFile();
}

bool CIniFile::Fail(const CString& message) const {
  m_lastError = message;
  return false;
}

void CIniFile::SetPath(const CString& path) {
  if (path != m_path) m_loaded = false;
  m_path = path;
}

void CIniFile::Reset() {
  m_sections.clear();
  m_modified = false;
  m_loaded = false;
}

bool CIniFile::Parse(const std::wstring& text, std::vector<Section>& out, bool& crlf) {
  out.clear();
  out.push_back(Section());  // entries above the first header
  crlf = false;
  std::size_t pos = 0;
  int lineNo = 0;
  while (pos < text.size()) {
    std::size_t nl = text.find(L'\n', pos);
    if (nl == std::wstring::npos) nl = text.size();
    std::wstring raw = text.substr(pos, nl - pos);
    pos = nl + 1;
    ++lineNo;
    if (!raw.empty() && raw.back() == L'\r') {
      raw.pop_back();
      crlf = true;
    }
    if (raw.find(L'\0') != std::wstring::npos) {
      CString msg;
      msg.Format(L"读取INI文件失败：%s 第%d行含有空字符（不是文本文件）", m_path.GetString(), lineNo);
      return Fail(msg);
    }
    const std::wstring t = Trim(raw);
    Line line;
    line.raw = raw;
    if (!t.empty() && t[0] == L'[') {
      const std::size_t close = t.find(L']');
      if (close == std::wstring::npos) {
        CString msg;
        msg.Format(L"读取INI文件失败：%s 第%d行的节名缺少“]”", m_path.GetString(), lineNo);
        return Fail(msg);
      }
      Section s;
      s.name = Trim(std::wstring_view(t).substr(1, close - 1));
      s.hasHeader = true;
      s.headerRaw = raw;
      out.push_back(std::move(s));
      continue;
    }
    if (!t.empty() && t[0] != L';' && t[0] != L'#') {
      const std::size_t eq = t.find(L'=');
      if (eq != std::wstring::npos && eq > 0) {
        line.isEntry = true;
        line.name = Trim(std::wstring_view(t).substr(0, eq));
        line.value = Trim(std::wstring_view(t).substr(eq + 1));
      }
    }
    out.back().lines.push_back(std::move(line));
  }
  return true;
}

bool CIniFile::ReadFile() {
  if (m_path.IsEmpty()) return Fail(L"读取INI文件失败：未指定文件路径");
  std::string bytes;
  CString error;
  if (!ReadFileBytes(m_path, bytes, &error)) return Fail(error);
  std::wstring text;
  if (!DecodeText(bytes, text, nullptr, &error)) return Fail(CString(L"读取INI文件失败：") + m_path + L"：" + error);
  std::vector<Section> sections;
  bool crlf = false;
  if (!Parse(text, sections, crlf)) return false;
  m_sections.swap(sections);
  m_crlf = crlf;
  m_modified = false;
  m_loaded = true;
  m_lastError.Empty();
  return true;
}

std::string CIniFile::Serialize() const {
  const wchar_t* eol = m_crlf ? L"\r\n" : L"\n";
  std::wstring out;
  for (const Section& s : m_sections) {
    if (s.hasHeader) {
      out += s.headerRaw.empty() ? (L"[" + s.name + L"]") : s.headerRaw;
      out += eol;
    }
    for (const Line& l : s.lines) {
      out += l.dirty ? (l.name + L"=" + l.value) : l.raw;
      out += eol;
    }
  }
  return EncodeUtf8(out);
}

bool CIniFile::WriteFile() {
  if (m_path.IsEmpty()) return Fail(L"保存INI文件失败：未指定文件路径");
  CString error;
  if (!WriteFileAtomic(m_path, Serialize(), &error)) return Fail(error);
  m_modified = false;
  m_loaded = true;
  m_lastError.Empty();
  return true;
}

const CIniFile::Section* CIniFile::FindSection(std::wstring_view name) const {
  const std::wstring want = Trim(name);
  for (const Section& s : m_sections)
    if ((s.hasHeader || want.empty()) && veskutil::EqualNoCase(s.name, want)) return &s;
  return nullptr;
}

CIniFile::Section* CIniFile::FindSection(std::wstring_view name) {
  return const_cast<Section*>(static_cast<const CIniFile*>(this)->FindSection(name));
}

const CIniFile::Line* CIniFile::FindEntry(std::wstring_view section, std::wstring_view entry) const {
  const std::wstring sec = Trim(section);
  const std::wstring ent = Trim(entry);
  for (const Section& s : m_sections) {
    if (!(s.hasHeader || sec.empty()) || !veskutil::EqualNoCase(s.name, sec)) continue;
    for (const Line& l : s.lines)
      if (l.isEntry && veskutil::EqualNoCase(l.name, ent)) return &l;
  }
  return nullptr;
}

CIniFile::Line* CIniFile::FindEntry(std::wstring_view section, std::wstring_view entry) {
  return const_cast<Line*>(static_cast<const CIniFile*>(this)->FindEntry(section, entry));
}

CString CIniFile::GetValue(const CString& section, const CString& entry) const {
  const Line* l = FindEntry(section.View(), entry.View());
  return l ? CString(l->value.c_str()) : CString();
}

int CIniFile::GetValueI(const CString& section, const CString& entry, int defaultValue) const {
  const Line* l = FindEntry(section.View(), entry.View());
  if (l == nullptr) return defaultValue;
  const std::wstring& v = l->value;
  std::size_t i = 0;
  bool negative = false;
  if (i < v.size() && (v[i] == L'+' || v[i] == L'-')) negative = v[i++] == L'-';
  if (i >= v.size() || v[i] < L'0' || v[i] > L'9') return defaultValue;
  long long n = 0;
  for (; i < v.size() && v[i] >= L'0' && v[i] <= L'9'; ++i) {
    n = n * 10 + (v[i] - L'0');
    if (n > 2147483648LL) n = 2147483648LL;  // saturate
  }
  if (negative) n = -n;
  if (n > 2147483647LL) n = 2147483647LL;
  return static_cast<int>(n);
}

bool CIniFile::GetValue(const CString& section, CStringArray& names, CStringArray& values) const {
  names.RemoveAll();
  values.RemoveAll();
  const std::wstring sec = Trim(section.View());
  bool found = false;
  std::vector<std::wstring> seen;
  for (const Section& s : m_sections) {
    if (!(s.hasHeader || sec.empty()) || !veskutil::EqualNoCase(s.name, sec)) continue;
    found = true;
    for (const Line& l : s.lines) {
      if (!l.isEntry) continue;
      const std::wstring key = veskutil::FoldCase(l.name);
      bool dup = false;
      for (const std::wstring& k : seen) dup = dup || k == key;
      if (dup) continue;
      seen.push_back(key);
      names.Add(CString(l.name.c_str()));
      values.Add(CString(l.value.c_str()));
    }
  }
  return found;
}

bool CIniFile::GetItemValue(const CString& entry, CString& value) const {
  const std::wstring ent = Trim(entry.View());
  for (const Section& s : m_sections)
    for (const Line& l : s.lines)
      if (l.isEntry && veskutil::EqualNoCase(l.name, ent)) {
        value = l.value.c_str();
        return true;
      }
  value.Empty();
  return false;
}

int CIniFile::GetAllKeyname(CStringArray& names) const {
  names.RemoveAll();
  std::vector<std::wstring> seen;
  for (const Section& s : m_sections) {
    if (!s.hasHeader) {
      bool hasEntries = false;
      for (const Line& l : s.lines) hasEntries = hasEntries || l.isEntry;
      if (!hasEntries) continue;
    }
    const std::wstring key = veskutil::FoldCase(s.name);
    bool dup = false;
    for (const std::wstring& k : seen) dup = dup || k == key;
    if (dup) continue;
    seen.push_back(key);
    names.Add(CString(s.name.c_str()));
  }
  return static_cast<int>(names.GetSize());
}

bool CIniFile::SectionExists(const CString& section) const { return FindSection(section.View()) != nullptr; }

bool CIniFile::SetValue(const CString& section, const CString& entry, const CString& value, bool create) {
  const std::wstring sec = Trim(section.View());
  const std::wstring ent = Trim(entry.View());
  const std::wstring val = Trim(value.View());
  if (sec.empty() || HasLineBreak(sec) || sec.find(L']') != std::wstring::npos)
    return Fail(CString(L"无效的节名：") + section);
  if (ent.empty() || HasLineBreak(ent) || ent.find(L'=') != std::wstring::npos || ent[0] == L'[' || ent[0] == L';' ||
      ent[0] == L'#')
    return Fail(CString(L"无效的项名：") + entry);
  if (HasLineBreak(val)) return Fail(CString(L"值中不能有换行：") + entry);

  if (Line* l = FindEntry(sec, ent)) {
    if (l->value != val) {
      l->value = val;
      l->dirty = true;
      m_modified = true;
    }
    return true;
  }
  if (!create) return Fail(CString(L"项不存在：[") + section + L"] " + entry);

  Section* s = FindSection(sec);
  if (s == nullptr) {
    // A blank line before a new section, unless the file ends in one.
    if (!m_sections.empty()) {
      Section& last = m_sections.back();
      const bool lastBlank = last.lines.empty() ? !last.hasHeader : Trim(last.lines.back().raw).empty() &&
                                                                        !last.lines.back().dirty;
      if (!lastBlank) last.lines.push_back(Line());
    }
    Section fresh;
    fresh.name = sec;
    fresh.hasHeader = true;
    m_sections.push_back(std::move(fresh));
    s = &m_sections.back();
  }
  // After the last entry of the section; with none, after its last non-blank line.
  std::size_t at = 0;
  bool placed = false;
  for (std::size_t i = s->lines.size(); i-- > 0;) {
    if (s->lines[i].isEntry) {
      at = i + 1;
      placed = true;
      break;
    }
  }
  if (!placed)
    for (std::size_t i = s->lines.size(); i-- > 0;) {
      if (!Trim(s->lines[i].raw).empty()) {
        at = i + 1;
        break;
      }
    }
  Line line;
  line.isEntry = true;
  line.dirty = true;
  line.name = ent;
  line.value = val;
  s->lines.insert(s->lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(line));
  m_modified = true;
  return true;
}

bool CIniFile::SetValueI(const CString& section, const CString& entry, int value, bool create) {
  CString text;
  text.Format(L"%d", value);
  return SetValue(section, entry, text, create);
}

bool CIniFile::DeleteValue(const CString& section, const CString& entry) {
  const std::wstring sec = Trim(section.View());
  const std::wstring ent = Trim(entry.View());
  bool removed = false;
  for (Section& s : m_sections) {
    if (!(s.hasHeader || sec.empty()) || !veskutil::EqualNoCase(s.name, sec)) continue;
    for (std::size_t i = 0; i < s.lines.size();) {
      if (s.lines[i].isEntry && veskutil::EqualNoCase(s.lines[i].name, ent)) {
        s.lines.erase(s.lines.begin() + static_cast<std::ptrdiff_t>(i));
        removed = true;
      } else {
        ++i;
      }
    }
  }
  if (!removed) return Fail(CString(L"项不存在：[") + section + L"] " + entry);
  m_modified = true;
  return true;
}

bool CIniFile::DeleteSection(const CString& section) {
  const std::wstring sec = Trim(section.View());
  bool removed = false;
  for (std::size_t i = 0; i < m_sections.size();) {
    Section& s = m_sections[i];
    if (s.hasHeader && veskutil::EqualNoCase(s.name, sec)) {
      m_sections.erase(m_sections.begin() + static_cast<std::ptrdiff_t>(i));
      removed = true;
    } else {
      ++i;
    }
  }
  if (!removed) return Fail(CString(L"节不存在：") + section);
  m_modified = true;
  return true;
}

}  // namespace veskfile
