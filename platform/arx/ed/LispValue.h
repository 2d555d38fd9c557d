#pragma once
// The data of the command line's LISP evaluator (platform-internal): values,
// the reader that makes them from text, the printer that shows them as the
// host's command line does, and their conversion to and from the result-buffer
// lists of the C-level interface.
//
// A value is nil (a null ValueRef), an integer (32-bit), a real, a string, a
// symbol (upper-case name; T is the symbol T), an entity name, a selection
// set name, or a cons cell. Values are never changed once made.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "arx/base/Resbuf.h"

namespace vhost {
namespace lisp {

struct Value;
using ValueRef = std::shared_ptr<Value>;

struct Value {
  enum class Kind { kInt, kReal, kString, kSymbol, kEname, kPickSet, kCons };
  Kind kind = Kind::kInt;
  std::int32_t integer = 0;
  double real = 0.0;
  std::wstring text;                 // kString: the text; kSymbol: the name
  std::int64_t name[2] = {0, 0};     // kEname, kPickSet
  ValueRef car;                      // kCons
  ValueRef cdr;                      // kCons
  ~Value();                          // long lists are released without deep recursion
};

// An evaluation error: message is what follows "; error: ".
struct Error {
  std::wstring message;
};

ValueRef makeInt(std::int32_t v);
ValueRef makeReal(double v);
ValueRef makeString(const std::wstring& v);
ValueRef makeSymbol(const std::wstring& name);  // upper-cased; "NIL" gives nil
ValueRef makeEname(const std::int64_t* name);
ValueRef makePickSet(const std::int64_t* name);
ValueRef cons(ValueRef car, ValueRef cdr);
ValueRef makeList(const std::vector<ValueRef>& items);
ValueRef symbolT();

bool isCons(const ValueRef& v);
bool isSymbol(const ValueRef& v, const wchar_t* upperName);
// The elements of a proper list; false for an atom other than nil or a list
// that ends in a dotted tail.
bool listItems(const ValueRef& v, std::vector<ValueRef>& out);
// Structural equality (numbers by value, integers equal to reals of the same
// value; strings by content).
bool equalValues(const ValueRef& a, const ValueRef& b);

// Reads every expression of the text ('x is (QUOTE x); ";" starts a comment
// running to the line's end). Throws Error with the host's reader messages:
// "malformed list on input", "malformed string on input", "extra right paren
// on input", "misplaced dot on input", "extra cdrs in dotted pair on input".
std::vector<ValueRef> readAll(const std::wstring& text);

// The printed form: integers in decimal, reals with six significant digits
// and always a decimal point (1.0, 0.333333, 1.0e+06), strings quoted with
// backslash escapes, <Entity name: 1f2a0>, <Selection set: 3>, lists with
// dotted tails, nil as nil.
std::wstring printValue(const ValueRef& v);
std::wstring printReal(double v);

// Result-buffer lists (RTLB ... RTLE, RTDOTE for a dotted tail, RTPOINT and
// RT3DPOINT for points, RTSHORT/RTLONG, RTREAL, RTSTR, RTENAME, RTPICKS, RTT,
// RTNIL). valueFromRb reads a whole chain: one value, or a list of the values
// when the chain holds several. rbFromValue gives a new chain (lists of two or
// three reals become points); it throws Error for a symbol other than T.
ValueRef valueFromRb(const resbuf* chain);
resbuf* rbFromValue(const ValueRef& v);

}  // namespace lisp
}  // namespace vhost
