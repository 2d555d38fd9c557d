#include "StandardRows.h"

#include <fstream>
#include <sstream>
#include <vector>

namespace vkplantest {

namespace {

// The comma-separated parts between the parentheses that follow `from`;
// quotes are taken off, '' inside a quoted value is one quote.
std::vector<std::string> parenList(const std::string& text, size_t from) {
  std::vector<std::string> parts;
  size_t i = text.find('(', from);
  if (i == std::string::npos) return parts;
  std::string cur;
  bool quoted = false;
  for (++i; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '\'' && i + 1 < text.size() && text[i + 1] == '\'') {
        cur += '\'';
        ++i;
      } else if (c == '\'') {
        quoted = false;
      } else {
        cur += c;
      }
    } else if (c == '\'') {
      quoted = true;
    } else if (c == ',' || c == ')') {
      const size_t b = cur.find_first_not_of(" \t\r\n"), e = cur.find_last_not_of(" \t\r\n");
      parts.push_back(b == std::string::npos ? std::string() : cur.substr(b, e - b + 1));
      cur.clear();
      if (c == ')') break;
    } else {
      cur += c;
    }
  }
  return parts;
}

}  // namespace

std::map<std::string, StandardRow> ReadStandardRows(const std::string& sqlPath, const std::string& table) {
  std::map<std::string, StandardRow> rows;
  std::ifstream f(sqlPath, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  const std::string text = s.str();
  const std::string head = "INSERT INTO " + table + " (";
  for (size_t at = text.find(head); at != std::string::npos; at = text.find(head, at + 1)) {
    const std::vector<std::string> columns = parenList(text, at);
    const size_t values = text.find("VALUES", at);
    if (values == std::string::npos) break;
    const std::vector<std::string> cells = parenList(text, values);
    if (cells.size() != columns.size()) continue;
    StandardRow row;
    for (size_t i = 0; i < columns.size(); ++i) {
      const std::string& c = columns[i];
      if (c == "ItemCode") row.itemCode = cells[i];
      else if (c == "Item") row.item = cells[i];
      else if (c == "LayerName") row.layerName = cells[i];
      else if (c == "Color") row.color = cells[i];
      else if (c == "LineType") row.lineType = cells[i];
      else if (c == "Weight") row.weight = std::stoi(cells[i]);
    }
    rows[row.item] = row;
    rows[row.itemCode] = row;
  }
  return rows;
}

}  // namespace vkplantest
