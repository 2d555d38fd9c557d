#include "arx/ed/LispValue.h"

#include <cmath>
#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <limits>

namespace vhost {
namespace lisp {

Value::~Value() {
  // Unlink the tail cell by cell so that a long list does not release itself
  // through one destructor call per element.
  ValueRef next = std::move(cdr);
  while (next && next.use_count() == 1) {
    ValueRef after = std::move(next->cdr);
    next = std::move(after);
  }
}

namespace {

ValueRef make(Value::Kind kind) {
  auto v = std::make_shared<Value>();
  v->kind = kind;
  return v;
}

}  // namespace

ValueRef makeInt(std::int32_t v) {
  ValueRef r = make(Value::Kind::kInt);
  r->integer = v;
  return r;
}

ValueRef makeReal(double v) {
  ValueRef r = make(Value::Kind::kReal);
  r->real = v;
  return r;
}

ValueRef makeString(const std::wstring& v) {
  ValueRef r = make(Value::Kind::kString);
  r->text = v;
  return r;
}

ValueRef makeSymbol(const std::wstring& name) {
  std::wstring upper = name;
  for (wchar_t& c : upper) c = static_cast<wchar_t>(std::towupper(c));
  if (upper == L"NIL") return nullptr;
  ValueRef r = make(Value::Kind::kSymbol);
  r->text = upper;
  return r;
}

ValueRef makeEname(const std::int64_t* name) {
  ValueRef r = make(Value::Kind::kEname);
  r->name[0] = name[0];
  r->name[1] = name[1];
  return r;
}

ValueRef makePickSet(const std::int64_t* name) {
  ValueRef r = makeEname(name);
  r->kind = Value::Kind::kPickSet;
  return r;
}

ValueRef cons(ValueRef car, ValueRef cdr) {
  ValueRef r = make(Value::Kind::kCons);
  r->car = std::move(car);
  r->cdr = std::move(cdr);
  return r;
}

ValueRef makeList(const std::vector<ValueRef>& items) {
  ValueRef list;
  for (auto it = items.rbegin(); it != items.rend(); ++it) list = cons(*it, list);
  return list;
}

ValueRef symbolT() { return makeSymbol(L"T"); }

bool isCons(const ValueRef& v) { return v && v->kind == Value::Kind::kCons; }

bool isSymbol(const ValueRef& v, const wchar_t* upperName) {
  return v && v->kind == Value::Kind::kSymbol && v->text == upperName;
}

bool listItems(const ValueRef& v, std::vector<ValueRef>& out) {
  out.clear();
  ValueRef p = v;
  while (isCons(p)) {
    out.push_back(p->car);
    p = p->cdr;
  }
  return p == nullptr;
}

bool equalValues(const ValueRef& a, const ValueRef& b) {
  if (!a || !b) return !a && !b;
  auto number = [](const ValueRef& v, double& out) {
    if (v->kind == Value::Kind::kInt) out = v->integer;
    else if (v->kind == Value::Kind::kReal) out = v->real;
    else return false;
    return true;
  };
  double x = 0.0, y = 0.0;
  if (number(a, x) && number(b, y)) return x == y;
  if (a->kind != b->kind) return false;
  switch (a->kind) {
    case Value::Kind::kString:
    case Value::Kind::kSymbol: return a->text == b->text;
    case Value::Kind::kEname:
    case Value::Kind::kPickSet: return a->name[0] == b->name[0] && a->name[1] == b->name[1];
    case Value::Kind::kCons: {
      ValueRef p = a, q = b;
      while (isCons(p) && isCons(q)) {
        if (!equalValues(p->car, q->car)) return false;
        p = p->cdr;
        q = q->cdr;
      }
      return equalValues(p, q);
    }
    default: return false;
  }
}

// ---- reading ------------------------------------------------------------------

namespace {

constexpr int kMaxNesting = 1000;

bool isDelimiter(wchar_t c) {
  return std::iswspace(static_cast<wint_t>(c)) || c == L'(' || c == L')' || c == L'\'' || c == L'"' || c == L';';
}

// A number token: [+-] digits [. digits] [e [+-] digits], or [+-] . digits ...
bool parseNumber(const std::wstring& tok, ValueRef& out) {
  size_t i = 0;
  if (i < tok.size() && (tok[i] == L'+' || tok[i] == L'-')) ++i;
  size_t digits = 0;
  while (i < tok.size() && std::iswdigit(static_cast<wint_t>(tok[i]))) ++i, ++digits;
  bool isReal = false;
  if (i < tok.size() && tok[i] == L'.') {
    isReal = true;
    ++i;
    while (i < tok.size() && std::iswdigit(static_cast<wint_t>(tok[i]))) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < tok.size() && (tok[i] == L'e' || tok[i] == L'E')) {
    isReal = true;
    ++i;
    if (i < tok.size() && (tok[i] == L'+' || tok[i] == L'-')) ++i;
    size_t expDigits = 0;
    while (i < tok.size() && std::iswdigit(static_cast<wint_t>(tok[i]))) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  if (i != tok.size()) return false;
  if (!isReal) {
    // Integers beyond 32 bits are read as reals.
    long long v = 0;
    bool negative = tok[0] == L'-';
    bool overflow = false;
    for (wchar_t c : tok) {
      if (c == L'+' || c == L'-') continue;
      v = v * 10 + (c - L'0');
      if (v > 4294967296LL) {
        overflow = true;
        break;
      }
    }
    if (negative) v = -v;
    if (!overflow && v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max()) {
      out = makeInt(static_cast<std::int32_t>(v));
      return true;
    }
  }
  out = makeReal(std::wcstod(tok.c_str(), nullptr));
  return true;
}

class Reader {
 public:
  explicit Reader(const std::wstring& text) : mText(text) {}

  std::vector<ValueRef> all() {
    std::vector<ValueRef> out;
    for (;;) {
      skipBlanks();
      if (atEnd()) return out;
      out.push_back(expression(0));
    }
  }

 private:
  bool atEnd() const { return mPos >= mText.size(); }
  wchar_t peek() const { return mText[mPos]; }

  void skipBlanks() {
    while (!atEnd()) {
      if (std::iswspace(static_cast<wint_t>(peek()))) {
        ++mPos;
      } else if (peek() == L';') {
        while (!atEnd() && peek() != L'\n') ++mPos;
      } else {
        return;
      }
    }
  }

  // True when a lone "." stands at the position (a dotted-pair marker).
  bool atDot() const {
    return !atEnd() && peek() == L'.' && (mPos + 1 >= mText.size() || isDelimiter(mText[mPos + 1]));
  }

  ValueRef expression(int depth) {
    if (depth > kMaxNesting) throw Error{L"malformed list on input"};
    wchar_t c = peek();
    if (c == L'(') {
      ++mPos;
      return list(depth + 1);
    }
    if (c == L')') throw Error{L"extra right paren on input"};
    if (c == L'\'') {
      ++mPos;
      skipBlanks();
      if (atEnd() || peek() == L')') throw Error{L"malformed list on input"};
      if (atDot()) throw Error{L"misplaced dot on input"};
      ValueRef quoted = expression(depth + 1);
      return makeList({makeSymbol(L"QUOTE"), quoted});
    }
    if (c == L'"') {
      ++mPos;
      return string();
    }
    if (atDot()) throw Error{L"misplaced dot on input"};
    size_t start = mPos;
    while (!atEnd() && !isDelimiter(peek())) ++mPos;
    std::wstring tok = mText.substr(start, mPos - start);
    ValueRef number;
    if (parseNumber(tok, number)) return number;
    return makeSymbol(tok);
  }

  ValueRef list(int depth) {
    std::vector<ValueRef> items;
    ValueRef tail;
    for (;;) {
      skipBlanks();
      if (atEnd()) throw Error{L"malformed list on input"};
      if (peek() == L')') {
        ++mPos;
        break;
      }
      if (atDot()) {
        ++mPos;
        skipBlanks();
        if (items.empty() || atEnd() || peek() == L')' || atDot()) {
          if (atEnd()) throw Error{L"malformed list on input"};
          throw Error{L"misplaced dot on input"};
        }
        tail = expression(depth);
        skipBlanks();
        if (atEnd()) throw Error{L"malformed list on input"};
        if (peek() != L')') throw Error{L"extra cdrs in dotted pair on input"};
        ++mPos;
        break;
      }
      items.push_back(expression(depth));
    }
    for (auto it = items.rbegin(); it != items.rend(); ++it) tail = cons(*it, tail);
    return tail;
  }

  ValueRef string() {
    std::wstring out;
    for (;;) {
      if (atEnd()) throw Error{L"malformed string on input"};
      wchar_t c = mText[mPos++];
      if (c == L'"') return makeString(out);
      if (c != L'\\') {
        out += c;
        continue;
      }
      if (atEnd()) throw Error{L"malformed string on input"};
      wchar_t e = mText[mPos++];
      switch (e) {
        case L'n': out += L'\n'; break;
        case L'r': out += L'\r'; break;
        case L't': out += L'\t'; break;
        case L'e': out += wchar_t(27); break;
        default:
          if (e >= L'0' && e <= L'7') {
            int code = e - L'0';
            for (int k = 0; k < 2 && !atEnd() && peek() >= L'0' && peek() <= L'7'; ++k) code = code * 8 + (mText[mPos++] - L'0');
            out += static_cast<wchar_t>(code);
          } else {
            out += e;  // \\, \" and any other character stand for themselves
          }
      }
    }
  }

  const std::wstring& mText;
  size_t mPos = 0;
};

}  // namespace

std::vector<ValueRef> readAll(const std::wstring& text) { return Reader(text).all(); }

// ---- printing -----------------------------------------------------------------

std::wstring printReal(double v) {
  if (std::isnan(v)) return L"1.#IND";
  if (std::isinf(v)) return v < 0 ? L"-1.#INF" : L"1.#INF";
  if (v == 0.0) v = 0.0;  // no "-0.0"
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.6g", v);
  std::string s = buf;
  size_t e = s.find('e');
  std::string mantissa = e == std::string::npos ? s : s.substr(0, e);
  std::string exponent = e == std::string::npos ? "" : s.substr(e);
  if (mantissa.find('.') == std::string::npos) mantissa += ".0";
  std::string all = mantissa + exponent;
  return std::wstring(all.begin(), all.end());
}

namespace {

std::wstring quoted(const std::wstring& s) {
  std::wstring out = L"\"";
  for (wchar_t c : s) {
    switch (c) {
      case L'"': out += L"\\\""; break;
      case L'\\': out += L"\\\\"; break;
      case L'\n': out += L"\\n"; break;
      case L'\r': out += L"\\r"; break;
      case L'\t': out += L"\\t"; break;
      case wchar_t(27): out += L"\\e"; break;
      default:
        if (c < 32 || c == 127) {
          wchar_t oct[8];
          std::swprintf(oct, 8, L"\\%03o", static_cast<unsigned>(c));
          out += oct;
        } else {
          out += c;
        }
    }
  }
  return out + L"\"";
}

std::wstring hex(std::int64_t v) {
  wchar_t buf[32];
  std::swprintf(buf, 32, L"%llx", static_cast<unsigned long long>(v));
  return buf;
}

void print(const ValueRef& v, std::wstring& out) {
  if (!v) {
    out += L"nil";
    return;
  }
  switch (v->kind) {
    case Value::Kind::kInt: out += std::to_wstring(v->integer); return;
    case Value::Kind::kReal: out += printReal(v->real); return;
    case Value::Kind::kString: out += quoted(v->text); return;
    case Value::Kind::kSymbol: out += v->text; return;
    case Value::Kind::kEname: out += L"<Entity name: " + hex(v->name[0]) + L">"; return;
    case Value::Kind::kPickSet: out += L"<Selection set: " + hex(v->name[0]) + L">"; return;
    case Value::Kind::kCons: {
      out += L'(';
      ValueRef p = v;
      bool first = true;
      while (isCons(p)) {
        if (!first) out += L' ';
        first = false;
        print(p->car, out);
        p = p->cdr;
      }
      if (p) {
        out += L" . ";
        print(p, out);
      }
      out += L')';
      return;
    }
  }
}

}  // namespace

std::wstring printValue(const ValueRef& v) {
  std::wstring out;
  print(v, out);
  return out;
}

// ---- result buffers -------------------------------------------------------------

namespace {

ValueRef realList(const double* p, int n) {
  std::vector<ValueRef> items;
  for (int i = 0; i < n; ++i) items.push_back(makeReal(p[i]));
  return makeList(items);
}

ValueRef fromRb(const resbuf*& rb, int depth) {
  if (rb == nullptr) throw Error{L"malformed list"};
  if (depth > kMaxNesting) throw Error{L"malformed list"};
  const resbuf* node = rb;
  rb = rb->rbnext;
  switch (node->restype) {
    case RTLB: {
      std::vector<ValueRef> items;
      ValueRef tail;
      for (;;) {
        if (rb == nullptr) throw Error{L"malformed list"};
        if (rb->restype == RTLE) {
          rb = rb->rbnext;
          break;
        }
        if (rb->restype == RTDOTE) {
          rb = rb->rbnext;
          if (items.empty()) throw Error{L"misplaced dot"};
          tail = fromRb(rb, depth + 1);
          if (rb == nullptr || rb->restype != RTLE) throw Error{L"extra cdrs in dotted pair"};
          rb = rb->rbnext;
          break;
        }
        items.push_back(fromRb(rb, depth + 1));
      }
      for (auto it = items.rbegin(); it != items.rend(); ++it) tail = cons(*it, tail);
      return tail;
    }
    case RTPOINT: return realList(node->resval.rpoint, 2);
    case RT3DPOINT: return realList(node->resval.rpoint, 3);
    case RTSHORT: return makeInt(node->resval.rint);
    case RTLONG: return makeInt(node->resval.rlong);
    case RTINT64: {
      Adesk::Int64 v = node->resval.mnInt64;
      if (v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max())
        return makeInt(static_cast<std::int32_t>(v));
      return makeReal(static_cast<double>(v));
    }
    case RTREAL:
    case RTANG:
    case RTORINT: return makeReal(node->resval.rreal);
    case RTSTR: return makeString(node->resval.rstring != nullptr ? node->resval.rstring : L"");
    case RTENAME: return makeEname(node->resval.rlname);
    case RTPICKS: return makePickSet(node->resval.rlname);
    case RTT: return symbolT();
    case RTNIL:
    case RTNONE:
    case RTVOID: return nullptr;
    default: throw Error{L"bad value type " + std::to_wstring(node->restype)};
  }
}

struct RbOut {
  resbuf* head = nullptr;
  resbuf* tail = nullptr;
  ~RbOut() { acutRelRb(head); }
  resbuf* add(int type) {
    resbuf* rb = acutNewRb(type);
    if (tail == nullptr) head = rb;
    else tail->rbnext = rb;
    tail = rb;
    return rb;
  }
};

bool allReals(const std::vector<ValueRef>& items) {
  for (const ValueRef& v : items)
    if (!v || v->kind != Value::Kind::kReal) return false;
  return true;
}

void toRb(const ValueRef& v, RbOut& out) {
  if (!v) {
    out.add(RTNIL);
    return;
  }
  switch (v->kind) {
    case Value::Kind::kInt:
      if (v->integer >= -32768 && v->integer <= 32767) out.add(RTSHORT)->resval.rint = static_cast<short>(v->integer);
      else out.add(RTLONG)->resval.rlong = v->integer;
      return;
    case Value::Kind::kReal: out.add(RTREAL)->resval.rreal = v->real; return;
    case Value::Kind::kString: acutNewString(v->text.c_str(), out.add(RTSTR)->resval.rstring); return;
    case Value::Kind::kSymbol:
      if (v->text == L"T") {
        out.add(RTT);
        return;
      }
      throw Error{L"a symbol cannot be stored as a value: " + v->text};
    case Value::Kind::kEname:
    case Value::Kind::kPickSet: {
      resbuf* rb = out.add(v->kind == Value::Kind::kEname ? RTENAME : RTPICKS);
      rb->resval.rlname[0] = v->name[0];
      rb->resval.rlname[1] = v->name[1];
      return;
    }
    case Value::Kind::kCons: {
      std::vector<ValueRef> items;
      if (listItems(v, items) && (items.size() == 2 || items.size() == 3) && allReals(items)) {
        resbuf* rb = out.add(items.size() == 2 ? RTPOINT : RT3DPOINT);
        for (size_t i = 0; i < items.size(); ++i) rb->resval.rpoint[i] = items[i]->real;
        return;
      }
      out.add(RTLB);
      ValueRef p = v;
      while (isCons(p)) {
        toRb(p->car, out);
        p = p->cdr;
      }
      if (p) {
        out.add(RTDOTE);
        toRb(p, out);
      }
      out.add(RTLE);
      return;
    }
  }
}

}  // namespace

ValueRef valueFromRb(const resbuf* chain) {
  if (chain == nullptr) return nullptr;
  std::vector<ValueRef> values;
  const resbuf* rb = chain;
  while (rb != nullptr) values.push_back(fromRb(rb, 0));
  if (values.size() == 1) return values[0];
  return makeList(values);
}

resbuf* rbFromValue(const ValueRef& v) {
  RbOut out;
  toRb(v, out);
  resbuf* chain = out.head;
  out.head = nullptr;
  return chain;
}

}  // namespace lisp
}  // namespace vhost
