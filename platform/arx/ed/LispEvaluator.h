#pragma once
// The command line's LISP evaluator: what the host does with an input that
// starts with "(" (and with "!expression", which shows a value).
//
// evaluateLisp reads the expressions of the text and evaluates them in turn,
// printing each value on the command line in the host's printed form (see
// LispValue.h), or "; error: <text>" at the first error, after which nothing
// more of the text is evaluated. Values of symbols are the document's LISP
// symbols (acedGetSym / acedPutSym).
//
// Functions:
//   (quote x) and 'x          x unevaluated
//   (setq sym value ...)      sets the symbols; the last value
//   car, cdr, cadr, cddr ...  (any C[AD]R of up to four letters); nil for nil
//   (cons a b) (list ...) (length l) (nth i l) (assoc key alist) (last l)
//   (null x) (not x)
//   (entsel [prompt])         (ename (x y z)) from acedEntSel; nil when the
//                             pick hit nothing or got Enter
//   (entget ename [apps])     the entity's groups (acdbEntGetX), nil for a
//                             deleted entity; apps: a list of application
//                             names, "*" for all
//   (entlast) (entnext [ename]) (handent "1F")
// Escape (or the end of a script) at an entsel prompt ends the evaluation:
// "; error: Function cancelled".
#include <string>

namespace vhost {

struct LispResult {
  enum class Status { kValue, kError, kCancelled };
  Status status = Status::kValue;
  // kValue: the printed form of the last value ("" when the text held no
  // expression); otherwise the error text (without "; error: ").
  std::wstring text;
};

LispResult evaluateLisp(const std::wstring& text);

}  // namespace vhost
