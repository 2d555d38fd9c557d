#pragma once
// Selection filters: the resbuf lists acedSSGet takes, compiled once and
// tested against entities.
//
// Codes tested (string values match as wildcards, acutWcMatch rules, without
// regard to case, as the host compares names):
//   0 (or RTDXF0)  entity type, the DXF name ("LINE", "LWPOLYLINE", "INSERT")
//   2              block name of a block reference
//   5              handle (hex text)
//   6              linetype name ("BYLAYER" for by-layer)
//   8              layer name
//   62             colour index (0 by block, 256 by layer)
//   67             0 model space, 1 paper space
//   100            subclass marker: matches when any class of the entity's
//                  class chain ("AcDbEntity", "AcDbCurve", "AcDbPolyline") matches
//   370            lineweight
//   410            layout name ("Model" for model space)
//   1              text of TEXT, MTEXT, ATTRIB and ATTDEF entities
//   7              text style name of texts
//   10, 11         main points (line start/end, circle/arc centre, text position,
//                  point position, block reference position)
//   38, 39         elevation, thickness
//   40             radius (circles, arcs), text height, other first reals
//   60             visibility (1 invisible)
//   -3             extended data: the 1001 nodes that follow name applications
//                  (wildcards and comma lists allowed); the entity must carry
//                  data of an application matching each of them
// An entity without a value for a tested code does not match it.
//
// -4 relational operators apply to the next node: "*" (anything), "=", "!=",
// "/=", "<>", "<", "<=", ">", ">=", "&" (bitwise and non-zero), "&=" (masked
// equal); for points one operator per coordinate ("<,<,*"). Without an
// operator numbers compare equal (reals within 1e-10) and texts as wildcards.
//
// -4 groupings: "<AND" ... "AND>", "<OR" ... "OR>", "<XOR" (two operands)
// "XOR>", "<NOT" (one operand) "NOT>", nested freely. Nodes outside groupings
// are joined by AND.
//
// A malformed list (unbalanced groupings, a NOT with more than one operand, a
// XOR without two, an unknown operator, an operator with no node after it, a
// -3 with no application) does not compile: error() names the fault.
#include <memory>
#include <string>
#include <vector>

#include "arx/base/Resbuf.h"

class AcDbEntity;

namespace vhost {

class SelectionFilter {
 public:
  SelectionFilter();
  ~SelectionFilter();
  SelectionFilter(SelectionFilter&&) noexcept;
  SelectionFilter& operator=(SelectionFilter&&) noexcept;

  // Compiles the list (null: a filter that takes everything). False and an
  // error text when the list is malformed.
  bool compile(const resbuf* filter);
  const std::wstring& error() const { return mError; }
  bool empty() const;

  // Whether an entity (open for read) passes.
  bool matches(const AcDbEntity* entity) const;

 private:
  struct Node;
  std::unique_ptr<Node> mRoot;
  std::wstring mError;
};

}  // namespace vhost
