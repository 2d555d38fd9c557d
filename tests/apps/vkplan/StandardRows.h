#pragma once
// The rows of a layer table as the shipped SQL source states them, read
// straight from the text (not through the standards database), so that the
// layers a drawing ends up with can be held against the source.
#include <map>
#include <string>

namespace vkplantest {

struct StandardRow {
  std::string itemCode, item, layerName;
  std::string color;  // "7" or "(r,g,b)"
  std::string lineType;
  int weight = 0;
};

// The rows of `table` in the SQL file, keyed both by item and by item code.
// Empty when the file cannot be read.
std::map<std::string, StandardRow> ReadStandardRows(const std::string& sqlPath, const std::string& table);

}  // namespace vkplantest
