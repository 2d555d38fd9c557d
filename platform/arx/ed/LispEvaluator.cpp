#include "arx/ed/LispEvaluator.h"

#include <exception>
#include <functional>
#include <limits>
#include <map>
#include <vector>

#include "arx/base/AcadErrorStatus.h"
#include "arx/base/RbValueType.h"
#include "arx/db/AcDbDatabase.h"
#include "arx/db/AcDbObject.h"
#include "arx/ed/AcdbEntGet.h"
#include "arx/ed/AcedEntSel.h"
#include "arx/ed/AcedInput.h"
#include "arx/ed/AcedLispSymbol.h"
#include "arx/ed/EditorState.h"
#include "arx/ed/HostUi.h"
#include "arx/ed/LispValue.h"

namespace vhost {

using lisp::Error;
using lisp::ValueRef;
using lisp::Value;

namespace {

// Escape at a prompt of the evaluation.
struct Cancelled {};

using Args = std::vector<ValueRef>;
using Builtin = std::function<ValueRef(const Args&)>;

// ---- argument checks --------------------------------------------------------------

void arity(const Args& args, size_t least, size_t most) {
  if (args.size() < least) throw Error{L"too few arguments"};
  if (args.size() > most) throw Error{L"too many arguments"};
}

[[noreturn]] void badType(const wchar_t* what, const ValueRef& v) {
  throw Error{std::wstring(L"bad argument type: ") + what + L" " + lisp::printValue(v)};
}

bool isList(const ValueRef& v) { return !v || v->kind == Value::Kind::kCons; }

const ValueRef& listArg(const ValueRef& v) {
  if (!isList(v)) badType(L"listp", v);
  return v;
}

const std::wstring& stringArg(const ValueRef& v) {
  if (!v || v->kind != Value::Kind::kString) badType(L"stringp", v);
  return v->text;
}

const std::int64_t* enameArg(const ValueRef& v) {
  if (!v || v->kind != Value::Kind::kEname) badType(L"lentityp", v);
  return v->name;
}

ValueRef car(const ValueRef& v) {
  if (!isList(v)) badType(L"consp", v);
  return v ? v->car : nullptr;
}

ValueRef cdr(const ValueRef& v) {
  if (!isList(v)) badType(L"consp", v);
  return v ? v->cdr : nullptr;
}

ValueRef truth(bool b) { return b ? lisp::symbolT() : nullptr; }

ValueRef enameOrNil(int rc, const ads_name name) { return rc == RTNORM ? lisp::makeEname(name) : nullptr; }

// ---- entity data as a LISP list ------------------------------------------------------

ValueRef hexText(const ads_binary& b) {
  static const wchar_t digits[] = L"0123456789ABCDEF";
  std::wstring s;
  for (int i = 0; i < b.clen; ++i) {
    unsigned char c = static_cast<unsigned char>(b.buf[i]);
    s += digits[c >> 4];
    s += digits[c & 15];
  }
  return lisp::makeString(s);
}

// One group as (code . value); points as (code x y z), or (code x y) for 2D.
ValueRef groupValue(const resbuf* rb, bool flat) {
  int code = rb->restype == RTDXF0 ? 0 : rb->restype;
  ValueRef v;
  switch (rbValueType(code)) {
    case RbValueType::kString:
    case RbValueType::kHandle: v = lisp::makeString(rb->resval.rstring ? rb->resval.rstring : L""); break;
    case RbValueType::kReal: v = lisp::makeReal(rb->resval.rreal); break;
    case RbValueType::kPoint: {
      Args xyz;
      for (int i = 0; i < (flat ? 2 : 3); ++i) xyz.push_back(lisp::makeReal(rb->resval.rpoint[i]));
      v = lisp::makeList(xyz);
      break;
    }
    case RbValueType::kInt16:
    case RbValueType::kBool: v = lisp::makeInt(rb->resval.rint); break;
    case RbValueType::kInt32: v = lisp::makeInt(rb->resval.rlong); break;
    case RbValueType::kInt64: {
      Adesk::Int64 n = rb->resval.mnInt64;
      if (n >= std::numeric_limits<std::int32_t>::min() && n <= std::numeric_limits<std::int32_t>::max())
        v = lisp::makeInt(static_cast<std::int32_t>(n));
      else
        v = lisp::makeReal(static_cast<double>(n));
      break;
    }
    case RbValueType::kEntityName: v = lisp::makeEname(rb->resval.rlname); break;
    case RbValueType::kBinary: v = hexText(rb->resval.rbinary); break;
    case RbValueType::kNone: break;
  }
  return lisp::cons(lisp::makeInt(code), v);
}

// The entity list; the extended data after -3 as (-3 ("APP" groups...) ...).
ValueRef groupsToValue(const resbuf* chain, const std::vector<bool>& twoD) {
  Args items;
  size_t i = 0;
  const resbuf* rb = chain;
  for (; rb != nullptr && rb->restype != -3; rb = rb->rbnext, ++i)
    items.push_back(groupValue(rb, i < twoD.size() && twoD[i]));
  if (rb != nullptr) {
    Args apps;
    Args current;
    ValueRef appName;
    auto flush = [&] {
      if (appName) apps.push_back(lisp::cons(appName, lisp::makeList(current)));
      current.clear();
    };
    for (rb = rb->rbnext; rb != nullptr; rb = rb->rbnext) {
      if (rb->restype == 1001) {
        flush();
        appName = lisp::makeString(rb->resval.rstring ? rb->resval.rstring : L"");
      } else {
        current.push_back(groupValue(rb, false));
      }
    }
    flush();
    items.push_back(lisp::cons(lisp::makeInt(-3), lisp::makeList(apps)));
  }
  return lisp::makeList(items);
}

// ---- the functions -----------------------------------------------------------------

ValueRef fnEntsel(const Args& args) {
  arity(args, 0, 1);
  std::wstring prompt;
  if (!args.empty()) prompt = stringArg(args[0]);
  ads_name name = {0, 0};
  ads_point pt = {0, 0, 0};
  int rc = acedEntSel(args.empty() ? nullptr : prompt.c_str(), name, pt);
  if (rc == RTCAN) throw Cancelled{};
  if (rc == RTKWORD) {
    ACHAR kw[512] = {0};
    return acedGetInput(kw, 512) == RTNORM ? lisp::makeString(kw) : nullptr;
  }
  if (rc != RTNORM) return nullptr;
  return lisp::makeList({lisp::makeEname(name),
                         lisp::makeList({lisp::makeReal(pt[0]), lisp::makeReal(pt[1]), lisp::makeReal(pt[2])})});
}

ValueRef fnEntget(const Args& args) {
  arity(args, 1, 2);
  const std::int64_t* name = enameArg(args[0]);
  resbuf* apps = nullptr;
  resbuf* appsTail = nullptr;
  if (args.size() == 2) {
    Args names;
    if (!lisp::listItems(listArg(args[1]), names)) badType(L"listp", args[1]);
    for (const ValueRef& n : names) stringArg(n);  // checked before anything is allocated
    for (const ValueRef& n : names) {
      resbuf* rb = acutNewRb(RTSTR);
      acutNewString(n->text.c_str(), rb->resval.rstring);
      if (appsTail == nullptr) apps = rb;
      else appsTail->rbnext = rb;
      appsTail = rb;
    }
  }
  std::vector<bool> twoD;
  ads_name ent = {name[0], name[1]};
  resbuf* groups = entGetGroups(ent, apps, &twoD);
  acutRelRb(apps);
  if (groups == nullptr) return nullptr;
  ValueRef out;
  try {
    out = groupsToValue(groups, twoD);
  } catch (...) {
    acutRelRb(groups);
    throw;
  }
  acutRelRb(groups);
  return out;
}

ValueRef fnEntlast(const Args& args) {
  arity(args, 0, 0);
  ads_name name = {0, 0};
  return enameOrNil(acdbEntLast(name), name);
}

ValueRef fnEntnext(const Args& args) {
  arity(args, 0, 1);
  ads_name from = {0, 0};
  if (!args.empty()) {
    const std::int64_t* n = enameArg(args[0]);
    from[0] = n[0];
    from[1] = n[1];
  }
  ads_name name = {0, 0};
  return enameOrNil(acdbEntNext(from, name), name);
}

ValueRef fnHandent(const Args& args) {
  arity(args, 1, 1);
  const std::wstring& text = stringArg(args[0]);
  AcDbDatabase* db = workingDb();
  Adesk::UInt64 value = 0;
  if (db == nullptr || !AcDbHandle::parse(text.c_str(), value)) return nullptr;
  AcDbObjectId id;
  if (db->getAcDbObjectId(id, false, AcDbHandle(value)) != Acad::eOk || !id.isValid() || id.isErased())
    return nullptr;
  ads_name name = {0, 0};
  return acdbGetAdsName(name, id) == Acad::eOk ? lisp::makeEname(name) : nullptr;
}

ValueRef fnNth(const Args& args) {
  arity(args, 2, 2);
  if (!args[0] || args[0]->kind != Value::Kind::kInt)
    throw Error{L"bad argument type: fixnump: " + lisp::printValue(args[0])};
  ValueRef p = listArg(args[1]);
  std::int32_t n = args[0]->integer;
  if (n < 0) return nullptr;
  for (; n > 0 && lisp::isCons(p); --n) p = p->cdr;
  return lisp::isCons(p) ? p->car : nullptr;
}

ValueRef fnLength(const Args& args) {
  arity(args, 1, 1);
  Args items;
  if (!lisp::listItems(listArg(args[0]), items)) badType(L"listp", args[0]);
  return lisp::makeInt(static_cast<std::int32_t>(items.size()));
}

ValueRef fnAssoc(const Args& args) {
  arity(args, 2, 2);
  for (ValueRef p = listArg(args[1]); lisp::isCons(p); p = p->cdr)
    if (lisp::isCons(p->car) && lisp::equalValues(p->car->car, args[0])) return p->car;
  return nullptr;
}

ValueRef fnLast(const Args& args) {
  arity(args, 1, 1);
  ValueRef p = listArg(args[0]);
  while (lisp::isCons(p) && lisp::isCons(p->cdr)) p = p->cdr;
  return p ? p->car : nullptr;
}

const std::map<std::wstring, Builtin>& builtins() {
  static const std::map<std::wstring, Builtin> table = {
      {L"CONS",
       [](const Args& a) {
         arity(a, 2, 2);
         return lisp::cons(a[0], a[1]);
       }},
      {L"LIST", [](const Args& a) { return lisp::makeList(a); }},
      {L"LENGTH", fnLength},
      {L"NTH", fnNth},
      {L"ASSOC", fnAssoc},
      {L"LAST", fnLast},
      {L"NULL",
       [](const Args& a) {
         arity(a, 1, 1);
         return truth(!a[0]);
       }},
      {L"NOT",
       [](const Args& a) {
         arity(a, 1, 1);
         return truth(!a[0]);
       }},
      {L"ENTSEL", fnEntsel},
      {L"ENTGET", fnEntget},
      {L"ENTLAST", fnEntlast},
      {L"ENTNEXT", fnEntnext},
      {L"HANDENT", fnHandent},
  };
  return table;
}

// CAR, CDR, CADR ... CDDDDR: the letters between C and R, applied from the right.
bool isCxr(const std::wstring& name) {
  if (name.size() < 3 || name.size() > 6 || name.front() != L'C' || name.back() != L'R') return false;
  for (size_t i = 1; i + 1 < name.size(); ++i)
    if (name[i] != L'A' && name[i] != L'D') return false;
  return true;
}

ValueRef applyCxr(const std::wstring& name, const Args& args) {
  arity(args, 1, 1);
  ValueRef v = args[0];
  for (size_t i = name.size() - 2; i >= 1; --i) v = name[i] == L'A' ? car(v) : cdr(v);
  return v;
}

// ---- evaluation -------------------------------------------------------------------

ValueRef symbolValue(const std::wstring& name) {
  if (name == L"T") return lisp::symbolT();
  resbuf* rb = nullptr;
  if (acedGetSym(name.c_str(), &rb) != RTNORM) return nullptr;
  ValueRef v;
  try {
    v = lisp::valueFromRb(rb);
  } catch (...) {
    acutRelRb(rb);
    throw;
  }
  acutRelRb(rb);
  return v;
}

void setSymbol(const ValueRef& sym, const ValueRef& value) {
  if (!sym || sym->kind != Value::Kind::kSymbol) badType(L"symbolp", sym);
  if (sym->text == L"T") throw Error{L"attempt to set a constant: T"};
  resbuf* rb = lisp::rbFromValue(value);
  int rc = acedPutSym(sym->text.c_str(), rb);
  acutRelRb(rb);
  if (rc != RTNORM) throw Error{L"cannot set " + sym->text};
}

constexpr int kMaxDepth = 1000;

ValueRef eval(const ValueRef& form, int depth) {
  if (depth > kMaxDepth) throw Error{L"expressions nested too deeply"};
  if (!form) return nullptr;
  if (form->kind == Value::Kind::kSymbol) return symbolValue(form->text);
  if (form->kind != Value::Kind::kCons) return form;

  Args rest;
  if (!lisp::listItems(form->cdr, rest)) throw Error{L"bad list in function call: " + lisp::printValue(form)};
  const ValueRef& head = form->car;
  if (!head || head->kind != Value::Kind::kSymbol) throw Error{L"bad function: " + lisp::printValue(head)};
  const std::wstring& name = head->text;

  if (name == L"QUOTE") {
    arity(rest, 1, 1);
    return rest[0];
  }
  if (name == L"SETQ") {
    if (rest.size() < 2 || rest.size() % 2 != 0) throw Error{L"too few arguments"};
    ValueRef value;
    for (size_t i = 0; i < rest.size(); i += 2) {
      if (!rest[i] || rest[i]->kind != Value::Kind::kSymbol) badType(L"symbolp", rest[i]);
      value = eval(rest[i + 1], depth + 1);
      setSymbol(rest[i], value);
    }
    return value;
  }

  const Builtin* fn = nullptr;
  auto it = builtins().find(name);
  if (it != builtins().end()) fn = &it->second;
  if (fn == nullptr && !isCxr(name)) {
    ValueRef bound = symbolValue(name);
    if (bound) throw Error{L"bad function: " + lisp::printValue(bound)};
    throw Error{L"no function definition: " + name};
  }
  Args args;
  for (const ValueRef& a : rest) args.push_back(eval(a, depth + 1));
  return fn != nullptr ? (*fn)(args) : applyCxr(name, args);
}

}  // namespace

LispResult evaluateLisp(const std::wstring& text) {
  LispResult result;
  HostUi* ui = currentHostUi();
  try {
    for (const ValueRef& form : lisp::readAll(text)) {
      ValueRef v = eval(form, 0);
      result.text = lisp::printValue(v);
      ui->print(L"\n" + result.text);
    }
    return result;
  } catch (const Error& e) {
    result.status = LispResult::Status::kError;
    result.text = e.message;
  } catch (const Cancelled&) {
    result.status = LispResult::Status::kCancelled;
    result.text = L"Function cancelled";
  } catch (Acad::ErrorStatus es) {
    result.status = LispResult::Status::kError;
    result.text = acadErrorStatusText(es);
  } catch (const std::bad_alloc&) {
    result.status = LispResult::Status::kError;
    result.text = L"insufficient memory";
  } catch (const std::exception& e) {
    result.status = LispResult::Status::kError;
    std::string what = e.what();
    result.text = std::wstring(what.begin(), what.end());
  }
  ui->print(L"\n; error: " + result.text);
  return result;
}

}  // namespace vhost
