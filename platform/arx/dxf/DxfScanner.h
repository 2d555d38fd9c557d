#pragma once
// The first step of reading a DXF file: splitting the bytes into groups (a
// code line and a value line each) without copying anything. The values stay
// in the buffer; readers convert them when they use them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vhost {

// Every group takes two lines, so group i starts on line 2i+1.
struct DxfRawGroup {
  std::int32_t code;
  std::uint32_t offset;  // value text within the buffer
  std::uint32_t length;
};

inline std::uint32_t dxfLineOfGroup(size_t index) { return static_cast<std::uint32_t>(2 * index + 1); }

class DxfScanner {
 public:
  // Splits the buffer. On failure returns false with the message and the
  // line it concerns; groups holds what was read before.
  static bool scan(const char* data, size_t size, std::vector<DxfRawGroup>& groups, std::string& error,
                   std::uint32_t& errorLine);
};

// Number parsing of value text (surrounding blanks allowed). False when the
// text is not a number of that kind.
bool dxfParseDouble(std::string_view text, double& value);
bool dxfParseInt64(std::string_view text, std::int64_t& value);
// Hex handle text; false when empty, malformed or longer than 16 digits.
bool dxfParseHandle(std::string_view text, std::uint64_t& value);
std::string_view dxfTrim(std::string_view text);

}  // namespace vhost
