#include "arx/ed/SelectionFilter.h"

#include <cmath>
#include <cstdint>

#include "arx/base/RbValueType.h"
#include "arx/db/AcDbBlockTable.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbEntity.h"
#include "arx/db/AcDbLayout.h"
#include "arx/db/AcDbSymbolTable.h"
#include "arx/ed/AcutWcMatch.h"
#include "arx/ed/EditorState.h"
#include "arx/entities/AcDbArc.h"
#include "arx/entities/AcDbBlockReference.h"
#include "arx/entities/AcDbCircle.h"
#include "arx/entities/AcDbLine.h"
#include "arx/entities/AcDbMText.h"
#include "arx/entities/AcDbPoint.h"
#include "arx/entities/AcDbPolyline.h"
#include "arx/entities/AcDbText.h"

namespace vhost {

namespace {

constexpr double kEqualTol = 1e-10;

// A value of an entity or of a filter node.
struct Value {
  enum Kind { kNone, kText, kNumber, kPoint };
  Kind kind = kNone;
  std::vector<std::wstring> texts;  // several for the subclass chain (100)
  double number = 0.0;
  double point[3] = {0.0, 0.0, 0.0};
};

std::wstring recordName(AcDbObjectId id) {
  AcDbSymbolTableRecord* rec = nullptr;
  if (acdbOpenObject(rec, id, AcDb::kForRead) != Acad::eOk) return std::wstring();
  std::wstring name;
  rec->getName(name);
  rec->close();
  return name;
}

Value text(const std::wstring& s) {
  Value v;
  v.kind = Value::kText;
  v.texts.push_back(s);
  return v;
}

Value number(double d) {
  Value v;
  v.kind = Value::kNumber;
  v.number = d;
  return v;
}

Value point(const AcGePoint3d& p) {
  Value v;
  v.kind = Value::kPoint;
  v.point[0] = p.x;
  v.point[1] = p.y;
  v.point[2] = p.z;
  return v;
}

std::wstring layoutNameOf(AcDbObjectId spaceId) {
  AcDbBlockTableRecord* space = nullptr;
  if (acdbOpenObject(space, spaceId, AcDb::kForRead) != Acad::eOk) return std::wstring();
  AcDbObjectId layoutId = space->getLayoutId();
  space->close();
  AcDbLayout* layout = nullptr;
  if (acdbOpenObject(layout, layoutId, AcDb::kForRead) != Acad::eOk) return std::wstring();
  std::wstring name;
  layout->getLayoutName(name);
  layout->close();
  return name;
}

Value entityValue(const AcDbEntity* e, int code) {
  switch (code) {
    case 0:
    case RTDXF0: {
      AcRxClass* cls = e->isA();
      std::wstring name = cls->dxfName();
      return text(name.empty() ? upperCase(cls->name()) : name);
    }
    case 2:
      if (auto* ref = AcDbBlockReference::cast(e)) return text(recordName(ref->blockTableRecord()));
      return Value();
    case 5: {
      ACHAR buf[40];
      e->handle().getIntoAsciiBuffer(buf, 40);
      return text(buf);
    }
    case 6: return text(recordName(e->linetypeId()));
    case 7:
      if (auto* t = AcDbText::cast(e)) return text(recordName(t->textStyle()));
      if (auto* m = AcDbMText::cast(e)) return text(recordName(m->textStyle()));
      return Value();
    case 8: return text(recordName(e->layerId()));
    case 62: return number(e->colorIndex());
    case 67: {
      AcDbDatabase* db = e->database();
      return number(db != nullptr && e->ownerId() == db->modelSpaceId() ? 0 : 1);
    }
    case 100: {
      Value v;
      v.kind = Value::kText;
      for (AcRxClass* c = e->isA(); c != nullptr; c = c->myParent()) v.texts.push_back(c->name());
      return v;
    }
    case 370: return number(static_cast<int>(e->lineWeight()));
    case 410: return text(layoutNameOf(e->ownerId()));
    case 60: return number(e->visibility() == AcDb::kInvisible ? 1 : 0);
    case 1:
      if (auto* t = AcDbText::cast(e)) return text(t->textStringConst());
      if (auto* m = AcDbMText::cast(e)) {
        ACHAR* s = m->contents();
        std::wstring copy = s != nullptr ? s : L"";
        delete[] s;
        return text(copy);
      }
      return Value();
    case 10:
      if (auto* l = AcDbLine::cast(e)) return point(l->startPoint());
      if (auto* c = AcDbCircle::cast(e)) return point(c->center());
      if (auto* a = AcDbArc::cast(e)) return point(a->center());
      if (auto* t = AcDbText::cast(e)) return point(t->position());
      if (auto* m = AcDbMText::cast(e)) return point(m->location());
      if (auto* p = AcDbPoint::cast(e)) return point(p->position());
      if (auto* r = AcDbBlockReference::cast(e)) return point(r->position());
      if (auto* pl = AcDbPolyline::cast(e)) {
        AcGePoint3d p;
        if (pl->numVerts() > 0 && pl->getPointAt(0, p) == Acad::eOk) return point(p);
      }
      return Value();
    case 11:
      if (auto* l = AcDbLine::cast(e)) return point(l->endPoint());
      return Value();
    case 38:
      if (auto* pl = AcDbPolyline::cast(e)) return number(pl->elevation());
      return Value();
    case 39:
      if (auto* l = AcDbLine::cast(e)) return number(l->thickness());
      if (auto* c = AcDbCircle::cast(e)) return number(c->thickness());
      if (auto* a = AcDbArc::cast(e)) return number(a->thickness());
      if (auto* pl = AcDbPolyline::cast(e)) return number(pl->thickness());
      if (auto* t = AcDbText::cast(e)) return number(t->thickness());
      if (auto* p = AcDbPoint::cast(e)) return number(p->thickness());
      return Value();
    case 40:
      if (auto* c = AcDbCircle::cast(e)) return number(c->radius());
      if (auto* a = AcDbArc::cast(e)) return number(a->radius());
      if (auto* t = AcDbText::cast(e)) return number(t->height());
      if (auto* m = AcDbMText::cast(e)) return number(m->textHeight());
      return Value();
    default: return Value();
  }
}

bool isGroupingOp(const std::wstring& op) {
  return op == L"<AND" || op == L"<OR" || op == L"<XOR" || op == L"<NOT" || op == L"AND>" || op == L"OR>" ||
         op == L"XOR>" || op == L"NOT>";
}

bool isRelationalOp(const std::wstring& op) {
  return op == L"*" || op == L"=" || op == L"!=" || op == L"/=" || op == L"<>" || op == L"<" || op == L"<=" ||
         op == L">" || op == L">=" || op == L"&" || op == L"&=";
}

bool compareNumbers(const std::wstring& op, double v, double t) {
  if (op == L"*") return true;
  if (op == L"=") return std::fabs(v - t) <= kEqualTol;
  if (op == L"!=" || op == L"/=" || op == L"<>") return std::fabs(v - t) > kEqualTol;
  if (op == L"<") return v < t;
  if (op == L"<=") return v <= t;
  if (op == L">") return v > t;
  if (op == L">=") return v >= t;
  auto vi = static_cast<std::int64_t>(std::llround(v));
  auto ti = static_cast<std::int64_t>(std::llround(t));
  if (op == L"&") return (vi & ti) != 0;
  if (op == L"&=") return (vi & ti) == ti;
  return false;
}

}  // namespace

struct SelectionFilter::Node {
  enum Kind { kAnd, kOr, kXor, kNot, kTest, kXData };
  Kind kind = kAnd;
  std::vector<std::unique_ptr<Node>> children;
  // kTest
  int code = 0;
  Value value;
  std::vector<std::wstring> ops;  // one, or three for points
  // kXData: application patterns
  std::vector<std::wstring> apps;

  bool eval(const AcDbEntity* e) const;
};

bool SelectionFilter::Node::eval(const AcDbEntity* e) const {
  switch (kind) {
    case kAnd:
      for (const auto& c : children)
        if (!c->eval(e)) return false;
      return true;
    case kOr:
      for (const auto& c : children)
        if (c->eval(e)) return true;
      return false;
    case kXor: return children[0]->eval(e) != children[1]->eval(e);
    case kNot: return !children[0]->eval(e);
    case kXData: {
      resbuf* xd = e->xData(nullptr);
      std::vector<std::wstring> have;
      for (resbuf* rb = xd; rb != nullptr; rb = rb->rbnext) {
        if (rb->restype == 1001 && rb->resval.rstring != nullptr) have.push_back(rb->resval.rstring);
      }
      acutRelRb(xd);
      for (const std::wstring& pattern : apps) {
        bool found = false;
        for (const std::wstring& app : have) {
          if (wcMatch(app.c_str(), pattern.c_str(), true)) {
            found = true;
            break;
          }
        }
        if (!found) return false;
      }
      return true;
    }
    case kTest: {
      const std::wstring& op = ops[0];
      if (op == L"*" && ops.size() == 1) return true;
      Value v = entityValue(e, code);
      if (v.kind == Value::kNone) return false;
      if (value.kind == Value::kText) {
        if (v.kind != Value::kText) return false;
        bool any = false;
        for (const std::wstring& t : v.texts) {
          if (wcMatch(t.c_str(), value.texts[0].c_str(), true)) {
            any = true;
            break;
          }
        }
        if (op == L"=") return any;
        if (op == L"!=" || op == L"/=" || op == L"<>") return !any;
        return false;
      }
      if (value.kind == Value::kNumber) {
        if (v.kind != Value::kNumber) return false;
        return compareNumbers(op, v.number, value.number);
      }
      if (value.kind == Value::kPoint) {
        if (v.kind != Value::kPoint) return false;
        for (int i = 0; i < 3; ++i) {
          const std::wstring& o = ops.size() == 3 ? ops[static_cast<std::size_t>(i)] : op;
          if (!compareNumbers(o, v.point[i], value.point[i])) return false;
        }
        return true;
      }
      return false;
    }
  }
  return false;
}

SelectionFilter::SelectionFilter() = default;
SelectionFilter::~SelectionFilter() = default;
SelectionFilter::SelectionFilter(SelectionFilter&&) noexcept = default;
SelectionFilter& SelectionFilter::operator=(SelectionFilter&&) noexcept = default;

bool SelectionFilter::empty() const { return mRoot == nullptr || mRoot->children.empty(); }

bool SelectionFilter::matches(const AcDbEntity* entity) const {
  if (entity == nullptr) return false;
  if (mRoot == nullptr) return true;
  return mRoot->eval(entity);
}

bool SelectionFilter::compile(const resbuf* filter) {
  mRoot = std::make_unique<Node>();
  mRoot->kind = Node::kAnd;
  mError.clear();
  struct Frame {
    Node* node;
    std::wstring closer;
  };
  std::vector<Frame> stack{{mRoot.get(), L""}};
  auto fail = [this](const std::wstring& msg) {
    mError = msg;
    mRoot.reset();
    return false;
  };
  for (const resbuf* rb = filter; rb != nullptr; rb = rb->rbnext) {
    Node* parent = stack.back().node;
    int code = rb->restype == RTDXF0 ? 0 : rb->restype;
    if (code == -4) {
      std::wstring op = upperCase(trimmed(rb->resval.rstring != nullptr ? rb->resval.rstring : L""));
      if (isGroupingOp(op)) {
        if (op[0] == L'<') {
          auto group = std::make_unique<Node>();
          std::wstring name = op.substr(1);
          group->kind = name == L"AND" ? Node::kAnd : name == L"OR" ? Node::kOr : name == L"XOR" ? Node::kXor
                                                                                                  : Node::kNot;
          Node* raw = group.get();
          parent->children.push_back(std::move(group));
          stack.push_back(Frame{raw, name + L">"});
        } else {
          if (stack.size() < 2 || stack.back().closer != op) return fail(L"unbalanced grouping \"" + op + L"\"");
          Node* done = stack.back().node;
          std::size_t n = done->children.size();
          if (done->kind == Node::kNot && n != 1) return fail(L"\"<NOT\" takes exactly one operand");
          if (done->kind == Node::kXor && n != 2) return fail(L"\"<XOR\" takes exactly two operands");
          if (n == 0) return fail(L"empty grouping \"" + op + L"\"");
          stack.pop_back();
        }
        continue;
      }
      // A relational operator: it applies to the next node.
      std::vector<std::wstring> ops;
      std::size_t start = 0;
      for (;;) {
        std::size_t comma = op.find(L',', start);
        ops.push_back(trimmed(op.substr(start, comma == std::wstring::npos ? std::wstring::npos : comma - start)));
        if (comma == std::wstring::npos) break;
        start = comma + 1;
      }
      if (ops.size() != 1 && ops.size() != 3) return fail(L"bad relational operator \"" + op + L"\"");
      for (const std::wstring& o : ops)
        if (!isRelationalOp(o)) return fail(L"unknown operator \"" + op + L"\"");
      const resbuf* next = rb->rbnext;
      if (next == nullptr || next->restype == -4 || next->restype == -3)
        return fail(L"operator \"" + op + L"\" has no value after it");
      rb = next;
      auto test = std::make_unique<Node>();
      test->kind = Node::kTest;
      test->code = next->restype == RTDXF0 ? 0 : next->restype;
      test->ops = ops;
      parent->children.push_back(std::move(test));
      // fall through to read the value into the node just made
      Node* t = parent->children.back().get();
      RbValueType kind = rbValueType(next->restype == RTDXF0 ? 0 : next->restype);
      if (next->restype == RTDXF0) kind = RbValueType::kString;
      switch (kind) {
        case RbValueType::kString:
        case RbValueType::kHandle:
          t->value = text(next->resval.rstring != nullptr ? next->resval.rstring : L"");
          break;
        case RbValueType::kReal: t->value = number(next->resval.rreal); break;
        case RbValueType::kInt16:
        case RbValueType::kBool: t->value = number(next->resval.rint); break;
        case RbValueType::kInt32: t->value = number(next->resval.rlong); break;
        case RbValueType::kInt64: t->value = number(static_cast<double>(next->resval.mnInt64)); break;
        case RbValueType::kPoint:
          t->value.kind = Value::kPoint;
          for (int i = 0; i < 3; ++i) t->value.point[i] = next->resval.rpoint[i];
          break;
        default: return fail(L"group code " + std::to_wstring(next->restype) + L" cannot be tested");
      }
      if (t->value.kind == Value::kText && ops.size() != 1) return fail(L"a text takes one operator");
      if (t->value.kind == Value::kText && !(ops[0] == L"=" || ops[0] == L"!=" || ops[0] == L"/=" ||
                                             ops[0] == L"<>" || ops[0] == L"*"))
        return fail(L"operator \"" + op + L"\" does not apply to text");
      continue;
    }
    if (code == -3) {
      auto xd = std::make_unique<Node>();
      xd->kind = Node::kXData;
      while (rb->rbnext != nullptr && rb->rbnext->restype == 1001) {
        rb = rb->rbnext;
        xd->apps.push_back(rb->resval.rstring != nullptr ? rb->resval.rstring : L"");
      }
      if (xd->apps.empty()) return fail(L"-3 names no application");
      parent->children.push_back(std::move(xd));
      continue;
    }
    auto test = std::make_unique<Node>();
    test->kind = Node::kTest;
    test->code = code;
    test->ops.push_back(L"=");
    RbValueType kind = rb->restype == RTDXF0 ? RbValueType::kString : rbValueType(code);
    switch (kind) {
      case RbValueType::kString:
      case RbValueType::kHandle:
        test->value = text(rb->resval.rstring != nullptr ? rb->resval.rstring : L"");
        break;
      case RbValueType::kReal: test->value = number(rb->resval.rreal); break;
      case RbValueType::kInt16:
      case RbValueType::kBool: test->value = number(rb->resval.rint); break;
      case RbValueType::kInt32: test->value = number(rb->resval.rlong); break;
      case RbValueType::kInt64: test->value = number(static_cast<double>(rb->resval.mnInt64)); break;
      case RbValueType::kPoint:
        test->value.kind = Value::kPoint;
        for (int i = 0; i < 3; ++i) test->value.point[i] = rb->resval.rpoint[i];
        break;
      default: return fail(L"group code " + std::to_wstring(rb->restype) + L" cannot be tested");
    }
    parent->children.push_back(std::move(test));
  }
  if (stack.size() != 1) return fail(L"grouping \"<" + stack.back().closer.substr(0, stack.back().closer.size() - 1) +
                                     L"\" is not closed");
  return true;
}

}  // namespace vhost
