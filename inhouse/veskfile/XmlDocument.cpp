#include "veskfile/XmlDocument.h"

#include <cstdio>
#include <cstring>

#include "mfc/Utf8Convert.h"
#include "veskfile/FileIo.h"
#include "veskfile/TextCodec.h"
#include "veskutil/NoCase.h"

namespace veskfile {
namespace xmldoc {

namespace {

bool InRanges(unsigned c, const unsigned (*ranges)[2], std::size_t n) {
  for (std::size_t i = 0; i < n; ++i)
    if (c >= ranges[i][0] && c <= ranges[i][1]) return true;
  return false;
}

// XML name characters, ':' left out (it means a namespace prefix to XML tools).
bool IsNameStart(unsigned c) {
  static const unsigned kRanges[][2] = {{'A', 'Z'},       {'a', 'z'},       {'_', '_'},       {0xC0, 0xD6},
                                        {0xD8, 0xF6},     {0xF8, 0x2FF},    {0x370, 0x37D},   {0x37F, 0x1FFF},
                                        {0x200C, 0x200D}, {0x2070, 0x218F}, {0x2C00, 0x2FEF}, {0x3001, 0xD7FF},
                                        {0xF900, 0xFDCF}, {0xFDF0, 0xFFFD}, {0x10000, 0xEFFFF}};
  return InRanges(c, kRanges, sizeof(kRanges) / sizeof(kRanges[0]));
}

bool IsNameChar(unsigned c) {
  if (IsNameStart(c)) return true;
  static const unsigned kRanges[][2] = {{'-', '-'}, {'.', '.'}, {'0', '9'}, {0xB7, 0xB7}, {0x300, 0x36F}, {0x203F, 0x2040}};
  return InRanges(c, kRanges, sizeof(kRanges) / sizeof(kRanges[0]));
}

bool IsHex(wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }

// Length of an _xHHHH_ or _xHHHHHHHH_ code starting at s[i]; 0 when none.
std::size_t CodeLength(std::wstring_view s, std::size_t i) {
  for (std::size_t digits : {std::size_t(4), std::size_t(8)}) {
    const std::size_t len = digits + 3;
    if (i + len > s.size() || s[i] != L'_' || s[i + 1] != L'x' || s[i + len - 1] != L'_') continue;
    bool ok = true;
    for (std::size_t k = 0; k < digits && ok; ++k) ok = IsHex(s[i + 2 + k]);
    if (ok) return len;
  }
  return 0;
}

bool IsBlankAscii(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

// The encoding a document declares in its XML declaration, lower-cased; empty
// when there is none.
std::string DeclaredEncoding(std::string_view bytes) {
  const std::string_view head = bytes.substr(0, 256);
  if (head.substr(0, 5) != "<?xml") return std::string();
  const std::size_t end = head.find("?>");
  const std::string_view decl = head.substr(0, end);
  const std::size_t at = decl.find("encoding");
  if (at == std::string_view::npos) return std::string();
  std::size_t q = decl.find_first_of("\"'", at);
  if (q == std::string_view::npos) return std::string();
  const char quote = decl[q];
  const std::size_t close = decl.find(quote, q + 1);
  if (close == std::string_view::npos) return std::string();
  std::string name(decl.substr(q + 1, close - q - 1));
  for (char& c : name) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return name;
}

struct StringWriter : pugi::xml_writer {
  std::string out;
  void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), size); }
};

}  // namespace

std::wstring Wide(const char* utf8) {
  if (utf8 == nullptr) return std::wstring();
  return veskhost::mfc::Utf8ToWide(utf8, std::strlen(utf8));
}

std::string Utf8(std::wstring_view text) { return veskhost::mfc::WideToUtf8(text.data(), text.size()); }

std::string EncodeName(std::wstring_view name) {
  std::wstring out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto c = static_cast<unsigned>(name[i]);
    const bool ok = (i == 0 ? IsNameStart(c) : IsNameChar(c)) && !(c == L'_' && CodeLength(name, i) > 0);
    if (ok) {
      out.push_back(name[i]);
    } else {
      wchar_t buf[16];
      std::swprintf(buf, 16, c > 0xFFFF ? L"_x%08X_" : L"_x%04X_", c);
      out += buf;
    }
  }
  return Utf8(out);
}

std::wstring DecodeName(const char* xmlName) {
  const std::wstring s = Wide(xmlName);
  if (s.find(L"_x") == std::wstring::npos) return s;
  std::wstring out;
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t len = CodeLength(s, i);
    if (len > 0) {
      const unsigned long c = std::wcstoul(s.substr(i + 2, len - 3).c_str(), nullptr, 16);
      out.push_back(static_cast<wchar_t>(c));
      i += len;
    } else {
      out.push_back(s[i++]);
    }
  }
  return out;
}

bool NameMatches(const pugi::xml_node& node, std::wstring_view name, bool caseSensitive) {
  if (node.type() != pugi::node_element) return false;
  const std::wstring n = DecodeName(node.name());
  return caseSensitive ? n == name : veskutil::EqualNoCase(n, name);
}

std::wstring OwnText(const pugi::xml_node& node) {
  std::wstring text;
  for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling())
    if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) text += Wide(c.value());
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && IsBlankAscii(text[b])) ++b;
  while (e > b && IsBlankAscii(text[e - 1])) --e;
  return text.substr(b, e - b);
}

void SetOwnText(pugi::xml_node node, std::wstring_view text) {
  for (pugi::xml_node c = node.first_child(); c;) {
    const pugi::xml_node next = c.next_sibling();
    if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) node.remove_child(c);
    c = next;
  }
  if (!text.empty()) node.prepend_child(pugi::node_pcdata).set_value(Utf8(text).c_str());
}

bool Load(const CString& path, pugi::xml_document& doc, CString& error) {
  doc.reset();
  std::string bytes;
  if (!ReadFileBytes(path, bytes, &error)) return false;
  const std::string declared = DeclaredEncoding(bytes);
  const bool gb = declared == "gb2312" || declared == "gbk" || declared == "gb18030" || declared == "cp936" ||
                  declared == "x-gbk" || declared == "euc-cn";
  std::wstring text;
  CString why;
  if (!DecodeText(bytes, text, nullptr, &why, gb)) {
    error = CString(L"读取XML文件失败：") + path + L"：" + why;
    return false;
  }
  const std::string utf8 = EncodeUtf8(text);
  const unsigned options = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments;
  const pugi::xml_parse_result r = doc.load_buffer(utf8.data(), utf8.size(), options, pugi::encoding_utf8);
  if (!r) {
    const auto offset = static_cast<std::size_t>(r.offset < 0 ? 0 : r.offset);
    int line = 1;
    int column = 1;
    for (std::size_t i = 0; i < offset && i < utf8.size(); ++i) {
      const auto c = static_cast<unsigned char>(utf8[i]);
      if (c == '\n') {
        ++line;
        column = 1;
      } else if ((c & 0xC0) != 0x80) {
        ++column;
      }
    }
    error.Format(L"XML格式错误：%s（第%d行第%d列，偏移%d）：%S", path.GetString(), line, column,
                 static_cast<int>(offset), r.description());
    doc.reset();
    return false;
  }
  if (!doc.document_element()) {
    error = CString(L"XML格式错误：") + path + L"（没有根元素）";
    doc.reset();
    return false;
  }
  return true;
}

bool Save(const CString& path, pugi::xml_document& doc, CString& error) {
  pugi::xml_node decl = doc.first_child();
  if (!decl || decl.type() != pugi::node_declaration) decl = doc.prepend_child(pugi::node_declaration);
  if (!decl.attribute("version")) decl.prepend_attribute("version") = "1.0";
  // version, encoding, standalone: the order XML requires.
  if (!decl.attribute("encoding")) decl.insert_attribute_after("encoding", decl.attribute("version"));
  decl.attribute("encoding") = "UTF-8";
  StringWriter w;
  doc.save(w, "  ", pugi::format_indent, pugi::encoding_utf8);
  return WriteFileAtomic(path, w.out, &error);
}

}  // namespace xmldoc
}  // namespace veskfile
