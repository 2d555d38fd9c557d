#include "veskdata/AccessSqlFunctions.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cwctype>
#include <limits>
#include <string>

#include "mfc/Utf8Convert.h"
#include "veskdata/AccessValue.h"

namespace veskdata {

namespace {

const char kTypeMismatch[] = "类型不匹配";
const char kDivideByZero[] = "除数为零";
const char kInvalidCall[] = "无效的过程调用或参数";
const char kOverflow[] = "溢出";
const char kInvalidNull[] = "无效使用 Null";

enum class NumKind { Number, Null, Mismatch };

// A value read as a number, the way Access coerces it.
NumKind GetNumber(sqlite3_value* v, double& d) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
      d = static_cast<double>(sqlite3_value_int64(v));
      return NumKind::Number;
    case SQLITE_FLOAT:
      d = sqlite3_value_double(v);
      return NumKind::Number;
    case SQLITE_NULL:
      return NumKind::Null;
    case SQLITE_TEXT: {
      const char* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
      const int n = sqlite3_value_bytes(v);
      return TextToNumber(std::string_view(t ? t : "", static_cast<std::size_t>(n)), d) ? NumKind::Number
                                                                                          : NumKind::Mismatch;
    }
    default:
      return NumKind::Mismatch;
  }
}

// A number as the engine should hold it: integral values as integers, so that
// they read back and show as Access shows them ("2", not "2.0").
void ResultNumber(sqlite3_context* ctx, double v) {
  if (std::isnan(v) || std::isinf(v)) {
    sqlite3_result_error(ctx, kOverflow, -1);
    return;
  }
  if (v == std::floor(v) && std::fabs(v) < 9007199254740992.0) {
    sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(v));
  } else {
    sqlite3_result_double(ctx, v);
  }
}

// A value as text: numbers formatted as Access shows them.
std::string ValueText(sqlite3_value* v) {
  switch (sqlite3_value_type(v)) {
    case SQLITE_INTEGER:
      return IntegerToText(sqlite3_value_int64(v));
    case SQLITE_FLOAT:
      return NumberToText(sqlite3_value_double(v));
    case SQLITE_NULL:
      return std::string();
    default: {
      const char* t = reinterpret_cast<const char*>(sqlite3_value_text(v));
      return std::string(t ? t : "", static_cast<std::size_t>(sqlite3_value_bytes(v)));
    }
  }
}

std::wstring ValueWide(sqlite3_value* v) {
  const std::string s = ValueText(v);
  return veskhost::mfc::Utf8ToWide(s.data(), s.size());
}

void ResultWide(sqlite3_context* ctx, const std::wstring& w) {
  const std::string s = veskhost::mfc::WideToUtf8(w.data(), w.size());
  sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

bool IsNull(sqlite3_value* v) { return sqlite3_value_type(v) == SQLITE_NULL; }

// Reads an argument that must be a whole number (a length, a position):
// Null and non-numbers end the statement with Access's error.
bool GetCount(sqlite3_context* ctx, sqlite3_value* v, std::int64_t& out) {
  double d = 0;
  switch (GetNumber(v, d)) {
    case NumKind::Null:
      sqlite3_result_error(ctx, kInvalidNull, -1);
      return false;
    case NumKind::Mismatch:
      sqlite3_result_error(ctx, kTypeMismatch, -1);
      return false;
    case NumKind::Number:
      break;
  }
  if (!RoundToInteger(d, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), out)) {
    sqlite3_result_error(ctx, kOverflow, -1);
    return false;
  }
  return true;
}

// Reads the numeric arguments of an arithmetic function. False when the
// result is already set (Null, or an error).
bool GetOperands(sqlite3_context* ctx, int argc, sqlite3_value** argv, double* out) {
  bool anyNull = false;
  for (int i = 0; i < argc; ++i) {
    switch (GetNumber(argv[i], out[i])) {
      case NumKind::Mismatch:
        sqlite3_result_error(ctx, kTypeMismatch, -1);
        return false;
      case NumKind::Null:
        anyNull = true;
        break;
      case NumKind::Number:
        break;
    }
  }
  if (anyNull) {
    sqlite3_result_null(ctx);
    return false;
  }
  return true;
}

std::wstring FoldCase(const std::wstring& s) {
  std::wstring f(s);
  for (auto& c : f) c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
  return f;
}

// ------------------------------------------------------------------ arithmetic

void Pow(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double a[2];
  if (!GetOperands(ctx, argc, argv, a)) return;
  if (a[0] < 0 && a[1] != std::floor(a[1])) {
    sqlite3_result_error(ctx, kInvalidCall, -1);
    return;
  }
  if (a[0] == 0 && a[1] < 0) {
    sqlite3_result_error(ctx, kDivideByZero, -1);
    return;
  }
  ResultNumber(ctx, std::pow(a[0], a[1]));
}

void Div(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double a[2];
  if (!GetOperands(ctx, argc, argv, a)) return;
  if (a[1] == 0) {
    sqlite3_result_error(ctx, kDivideByZero, -1);
    return;
  }
  ResultNumber(ctx, a[0] / a[1]);
}

// \ and Mod round both operands to whole numbers first.
bool IntegerOperands(sqlite3_context* ctx, int argc, sqlite3_value** argv, std::int64_t& x, std::int64_t& y) {
  double a[2];
  if (!GetOperands(ctx, argc, argv, a)) return false;
  const std::int64_t lim = std::int64_t(1) << 53;
  if (!RoundToInteger(a[0], -lim, lim, x) || !RoundToInteger(a[1], -lim, lim, y)) {
    sqlite3_result_error(ctx, kOverflow, -1);
    return false;
  }
  if (y == 0) {
    sqlite3_result_error(ctx, kDivideByZero, -1);
    return false;
  }
  return true;
}

void IntDiv(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  std::int64_t x = 0, y = 0;
  if (IntegerOperands(ctx, argc, argv, x, y)) sqlite3_result_int64(ctx, x / y);
}

void Mod(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  std::int64_t x = 0, y = 0;
  if (IntegerOperands(ctx, argc, argv, x, y)) sqlite3_result_int64(ctx, x % y);
}

// + decided at run time: two texts are joined, otherwise the operands are
// added as numbers (a text that is no number is a type mismatch).
void Add(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0]) || IsNull(argv[1])) {
    sqlite3_result_null(ctx);
    return;
  }
  if (sqlite3_value_type(argv[0]) == SQLITE_TEXT && sqlite3_value_type(argv[1]) == SQLITE_TEXT) {
    const std::string s = ValueText(argv[0]) + ValueText(argv[1]);
    sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
    return;
  }
  if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER && sqlite3_value_type(argv[1]) == SQLITE_INTEGER) {
    const sqlite3_int64 x = sqlite3_value_int64(argv[0]), y = sqlite3_value_int64(argv[1]);
    sqlite3_int64 r = 0;
    if (!__builtin_add_overflow(x, y, &r)) {
      sqlite3_result_int64(ctx, r);
      return;
    }
  }
  double a[2];
  if (!GetOperands(ctx, 2, argv, a)) return;
  ResultNumber(ctx, a[0] + a[1]);
}

// & joins texts; a Null side counts as empty text, two Nulls give Null.
void Concat(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0]) && IsNull(argv[1])) {
    sqlite3_result_null(ctx);
    return;
  }
  const std::string s = ValueText(argv[0]) + ValueText(argv[1]);
  sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

template <double (*F)(double)>
void Rounding(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_INTEGER) {
    sqlite3_result_int64(ctx, sqlite3_value_int64(argv[0]));
    return;
  }
  double a[1];
  if (!GetOperands(ctx, argc, argv, a)) return;
  ResultNumber(ctx, F(a[0]));
}

double Floor(double v) { return std::floor(v); }
double Trunc(double v) { return std::trunc(v); }

void Sgn(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double a[1];
  if (!GetOperands(ctx, argc, argv, a)) return;
  sqlite3_result_int(ctx, a[0] > 0 ? 1 : a[0] < 0 ? -1 : 0);
}

void Sqr(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double a[1];
  if (!GetOperands(ctx, argc, argv, a)) return;
  if (a[0] < 0) {
    sqlite3_result_error(ctx, kInvalidCall, -1);
    return;
  }
  ResultNumber(ctx, std::sqrt(a[0]));
}

void Exp(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double a[1];
  if (!GetOperands(ctx, argc, argv, a)) return;
  ResultNumber(ctx, std::exp(a[0]));
}

void Log(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double a[1];
  if (!GetOperands(ctx, argc, argv, a)) return;
  if (a[0] <= 0) {
    sqlite3_result_error(ctx, kInvalidCall, -1);
    return;
  }
  ResultNumber(ctx, std::log(a[0]));
}

// Round(x[, digits]): halves to even, as Access rounds.
void Round(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  double a[1];
  if (!GetOperands(ctx, 1, argv, a)) return;
  std::int64_t digits = 0;
  if (argc > 1 && !GetCount(ctx, argv[1], digits)) return;
  if (digits < 0 || digits > 15) {
    sqlite3_result_error(ctx, kInvalidCall, -1);
    return;
  }
  const double scale = std::pow(10.0, static_cast<double>(digits));
  const double scaled = a[0] * scale;
  // A decimal half such as 2.675 is not exact in binary (267.49999...): a
  // value within rounding noise of a half counts as the half.
  const double fl = std::floor(scaled);
  const double noise = 1e-9 * std::max(1.0, std::fabs(scaled));
  double r;
  if (std::fabs(scaled - fl - 0.5) < noise) {
    r = std::fmod(fl, 2.0) == 0.0 ? fl : fl + 1.0;
  } else {
    r = std::round(scaled);
  }
  ResultNumber(ctx, r / scale);
}

// ------------------------------------------------------------------ conversions

void CStr(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) {
    sqlite3_result_error(ctx, kInvalidNull, -1);
    return;
  }
  const std::string s = ValueText(argv[0]);
  sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

template <std::int64_t Lo, std::int64_t Hi>
void CInteger(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double d = 0;
  switch (GetNumber(argv[0], d)) {
    case NumKind::Null:
      sqlite3_result_error(ctx, kInvalidNull, -1);
      return;
    case NumKind::Mismatch:
      sqlite3_result_error(ctx, kTypeMismatch, -1);
      return;
    case NumKind::Number:
      break;
  }
  std::int64_t v = 0;
  if (!RoundToInteger(d, Lo, Hi, v)) {
    sqlite3_result_error(ctx, kOverflow, -1);
    return;
  }
  sqlite3_result_int64(ctx, v);
}

void CDbl(sqlite3_context* ctx, int, sqlite3_value** argv) {
  double d = 0;
  switch (GetNumber(argv[0], d)) {
    case NumKind::Null:
      sqlite3_result_error(ctx, kInvalidNull, -1);
      return;
    case NumKind::Mismatch:
      sqlite3_result_error(ctx, kTypeMismatch, -1);
      return;
    case NumKind::Number:
      ResultNumber(ctx, d);
      return;
  }
}

void Val(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) {
    sqlite3_result_error(ctx, kInvalidNull, -1);
    return;
  }
  ResultNumber(ctx, LeadingNumber(ValueText(argv[0])));
}

// ------------------------------------------------------------------ texts

void Left(sqlite3_context* ctx, int, sqlite3_value** argv) {
  std::int64_t n = 0;
  if (!GetCount(ctx, argv[1], n)) return;
  if (n < 0) {
    sqlite3_result_error(ctx, kInvalidCall, -1);
    return;
  }
  if (IsNull(argv[0])) {
    sqlite3_result_null(ctx);
    return;
  }
  const std::wstring s = ValueWide(argv[0]);
  ResultWide(ctx, s.substr(0, static_cast<std::size_t>(n)));
}

void Right(sqlite3_context* ctx, int, sqlite3_value** argv) {
  std::int64_t n = 0;
  if (!GetCount(ctx, argv[1], n)) return;
  if (n < 0) {
    sqlite3_result_error(ctx, kInvalidCall, -1);
    return;
  }
  if (IsNull(argv[0])) {
    sqlite3_result_null(ctx);
    return;
  }
  const std::wstring s = ValueWide(argv[0]);
  const std::size_t k = std::min<std::size_t>(s.size(), static_cast<std::size_t>(n));
  ResultWide(ctx, s.substr(s.size() - k));
}

// Mid(s, start[, length]), start counted from 1.
void Mid(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  std::int64_t start = 0, len = -1;
  if (!GetCount(ctx, argv[1], start)) return;
  if (argc > 2 && !GetCount(ctx, argv[2], len)) return;
  if (start < 1 || (argc > 2 && len < 0)) {
    sqlite3_result_error(ctx, kInvalidCall, -1);
    return;
  }
  if (IsNull(argv[0])) {
    sqlite3_result_null(ctx);
    return;
  }
  const std::wstring s = ValueWide(argv[0]);
  const std::size_t from = static_cast<std::size_t>(start - 1);
  if (from >= s.size()) {
    ResultWide(ctx, std::wstring());
    return;
  }
  ResultWide(ctx, len < 0 ? s.substr(from) : s.substr(from, static_cast<std::size_t>(len)));
}

void Len(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) {
    sqlite3_result_null(ctx);
    return;
  }
  sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(ValueWide(argv[0]).size()));
}

template <bool Upper>
void ChangeCase(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) {
    sqlite3_result_null(ctx);
    return;
  }
  std::wstring s = ValueWide(argv[0]);
  for (auto& c : s) {
    c = static_cast<wchar_t>(Upper ? std::towupper(static_cast<wint_t>(c)) : std::towlower(static_cast<wint_t>(c)));
  }
  ResultWide(ctx, s);
}

// Trim, LTrim, RTrim remove spaces only, as Access does.
template <bool Front, bool Back>
void TrimSpaces(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) {
    sqlite3_result_null(ctx);
    return;
  }
  const std::string s = ValueText(argv[0]);
  std::size_t b = 0, e = s.size();
  if (Front) {
    while (b < e && s[b] == ' ') ++b;
  }
  if (Back) {
    while (e > b && s[e - 1] == ' ') --e;
  }
  sqlite3_result_text(ctx, s.data() + b, static_cast<int>(e - b), SQLITE_TRANSIENT);
}

// InStr([start,] text, sought): 1-based position, 0 when absent, without
// regard to case.
void InStr(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
  std::int64_t start = 1;
  int first = 0;
  if (argc == 3) {
    if (!GetCount(ctx, argv[0], start)) return;
    if (start < 1) {
      sqlite3_result_error(ctx, kInvalidCall, -1);
      return;
    }
    first = 1;
  }
  if (IsNull(argv[first]) || IsNull(argv[first + 1])) {
    sqlite3_result_null(ctx);
    return;
  }
  const std::wstring s = FoldCase(ValueWide(argv[first]));
  const std::wstring sub = FoldCase(ValueWide(argv[first + 1]));
  const std::size_t from = static_cast<std::size_t>(start - 1);
  if (from > s.size()) {
    sqlite3_result_int(ctx, 0);
    return;
  }
  const std::size_t at = s.find(sub, from);
  sqlite3_result_int64(ctx, at == std::wstring::npos ? 0 : static_cast<sqlite3_int64>(at + 1));
}

void Replace(sqlite3_context* ctx, int, sqlite3_value** argv) {
  for (int i = 0; i < 3; ++i) {
    if (IsNull(argv[i])) {
      sqlite3_result_null(ctx);
      return;
    }
  }
  std::string s = ValueText(argv[0]);
  const std::string find = ValueText(argv[1]), with = ValueText(argv[2]);
  if (!find.empty()) {
    std::string out;
    std::size_t pos = 0;
    for (std::size_t at; (at = s.find(find, pos)) != std::string::npos; pos = at + find.size()) {
      out.append(s, pos, at - pos).append(with);
    }
    out.append(s, pos, std::string::npos);
    s.swap(out);
  }
  sqlite3_result_text(ctx, s.data(), static_cast<int>(s.size()), SQLITE_TRANSIENT);
}

void Asc(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0])) {
    sqlite3_result_error(ctx, kInvalidNull, -1);
    return;
  }
  const std::wstring s = ValueWide(argv[0]);
  if (s.empty()) {
    sqlite3_result_error(ctx, kInvalidCall, -1);
    return;
  }
  sqlite3_result_int64(ctx, static_cast<sqlite3_int64>(s[0]));
}

// ------------------------------------------------------------------ Like

// One pattern element at p against the character c; *len receives the
// element's length. Classes: [abc], [a-z], [!abc] (or [^abc]); a '[' without
// its ']' stands for itself.
bool MatchOne(const std::wstring& p, std::size_t i, wchar_t c, std::size_t* len) {
  const wchar_t pc = p[i];
  if (pc == L'_' || pc == L'?') {
    *len = 1;
    return true;
  }
  if (pc == L'[') {
    const std::size_t close = p.find(L']', i + 2);
    if (close != std::wstring::npos) {
      std::size_t k = i + 1;
      bool negate = false;
      if (p[k] == L'!' || p[k] == L'^') {
        negate = true;
        ++k;
      }
      bool hit = false;
      while (k < close) {
        if (k + 2 < close && p[k + 1] == L'-') {
          if (p[k] <= c && c <= p[k + 2]) hit = true;
          k += 3;
        } else {
          if (p[k] == c) hit = true;
          ++k;
        }
      }
      *len = close - i + 1;
      return hit != negate;
    }
  }
  *len = 1;
  return pc == c;
}

bool LikeMatch(const std::wstring& s, const std::wstring& p) {
  std::size_t si = 0, pi = 0;
  std::size_t starP = std::wstring::npos, starS = 0;
  while (si < s.size()) {
    if (pi < p.size() && (p[pi] == L'%' || p[pi] == L'*')) {
      starP = pi++;
      starS = si;
      continue;
    }
    std::size_t len = 1;
    if (pi < p.size() && MatchOne(p, pi, s[si], &len)) {
      ++si;
      pi += len;
      continue;
    }
    if (starP == std::wstring::npos) return false;
    pi = starP + 1;
    si = ++starS;
  }
  while (pi < p.size() && (p[pi] == L'%' || p[pi] == L'*')) ++pi;
  return pi == p.size();
}

// vk_like(value, pattern)
void Like(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (IsNull(argv[0]) || IsNull(argv[1])) {
    sqlite3_result_null(ctx);
    return;
  }
  sqlite3_result_int(ctx, LikeMatch(FoldCase(ValueWide(argv[0])), FoldCase(ValueWide(argv[1]))) ? 1 : 0);
}

struct FunctionDef {
  const char* name;
  int nArg;
  void (*fn)(sqlite3_context*, int, sqlite3_value**);
};

const FunctionDef kFunctions[] = {
    {"vk_pow", 2, Pow},
    {"vk_div", 2, Div},
    {"vk_idiv", 2, IntDiv},
    {"vk_mod", 2, Mod},
    {"vk_add", 2, Add},
    {"vk_concat", 2, Concat},
    {"vk_int", 1, Rounding<Floor>},
    {"vk_fix", 1, Rounding<Trunc>},
    {"vk_sgn", 1, Sgn},
    {"vk_sqr", 1, Sqr},
    {"vk_exp", 1, Exp},
    {"vk_log", 1, Log},
    {"vk_round", 1, Round},
    {"vk_round", 2, Round},
    {"vk_cstr", 1, CStr},
    {"vk_clng", 1, CInteger<-2147483648LL, 2147483647LL>},
    {"vk_cint", 1, CInteger<-32768, 32767>},
    {"vk_cdbl", 1, CDbl},
    {"vk_val", 1, Val},
    {"vk_left", 2, Left},
    {"vk_right", 2, Right},
    {"vk_mid", 2, Mid},
    {"vk_mid", 3, Mid},
    {"vk_len", 1, Len},
    {"vk_ucase", 1, ChangeCase<true>},
    {"vk_lcase", 1, ChangeCase<false>},
    {"vk_trim", 1, TrimSpaces<true, true>},
    {"vk_ltrim", 1, TrimSpaces<true, false>},
    {"vk_rtrim", 1, TrimSpaces<false, true>},
    {"vk_instr", 2, InStr},
    {"vk_instr", 3, InStr},
    {"vk_replace", 3, Replace},
    {"vk_asc", 1, Asc},
    {"vk_like", 2, Like},
};

}  // namespace

bool RegisterAccessSqlFunctions(sqlite3* db, const char** error) {
  for (const auto& f : kFunctions) {
    const int rc = sqlite3_create_function_v2(db, f.name, f.nArg, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, f.fn,
                                              nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
      if (error) *error = sqlite3_errmsg(db);
      return false;
    }
  }
  return true;
}

}  // namespace veskdata
