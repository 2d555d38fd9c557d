#include "arx/dxf/DxfGroupType.h"

#include <array>
#include <cstddef>

namespace vhost {

namespace {

constexpr int kFirst = -5;
constexpr int kLast = 1071;

std::array<RbValueType, kLast - kFirst + 1> makeTable() {
  std::array<RbValueType, kLast - kFirst + 1> t{};
  for (int c = kFirst; c <= kLast; ++c) t[static_cast<std::size_t>(c - kFirst)] = rbValueType(c);
  return t;
}

}  // namespace

RbValueType dxfGroupType(int code) {
  static const std::array<RbValueType, kLast - kFirst + 1> kTable = makeTable();
  if (code < kFirst || code > kLast) return rbValueType(code);
  return kTable[static_cast<std::size_t>(code - kFirst)];
}

}  // namespace vhost
