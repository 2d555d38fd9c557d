#pragma once
// What the two XML readers of this library share: loading a file in any of
// the accepted encodings into a pugixml document, saving it atomically as
// UTF-8, and the encoding of node names that are no valid XML names.
#include <pugixml.hpp>

#include <string>
#include <string_view>
#include <vector>

#include "mfc/CString.h"

namespace veskfile {
namespace xmldoc {

// Loads the file at path (UTF-8 with or without BOM, UTF-16 with BOM; a
// document that declares a GB2312/GBK/GB18030 encoding, or whose bytes are
// not UTF-8, is read as GB18030). On failure doc is empty and error names the
// file, and for malformed XML the line, the column and the byte offset.
bool Load(const CString& path, pugi::xml_document& doc, CString& error);

// Saves doc to path as UTF-8 with an XML declaration saying so, indented by
// two spaces, replacing the file atomically.
bool Save(const CString& path, pugi::xml_document& doc, CString& error);

// A node name as an XML name: characters that may not stand where they stand
// become _xHHHH_ (8 digits beyond U+FFFF), and an '_' that would read as such
// a code becomes _x005F_. Decoding reverses it; names without codes come back
// unchanged.
std::string EncodeName(std::wstring_view name);
std::wstring DecodeName(const char* xmlName);

// True when the element's decoded name equals name (without regard to case
// unless caseSensitive).
bool NameMatches(const pugi::xml_node& node, std::wstring_view name, bool caseSensitive);

// The element's own character data (text and CDATA children, not those of
// its child elements), trimmed of surrounding white space.
std::wstring OwnText(const pugi::xml_node& node);
// Replaces the element's own character data (its child elements stay).
void SetOwnText(pugi::xml_node node, std::wstring_view text);

std::wstring Wide(const char* utf8);
std::string Utf8(std::wstring_view text);

}  // namespace xmldoc
}  // namespace veskfile
