#pragma once
// The printf-style formatter behind CString::Format, AppendFormat and FormatV.
//
// Directives follow the wide printf of a Unicode MFC build, not the C
// library's wide printf:
//   %s %c        wide text / wide character (%ls %lc %ws %wc likewise)
//   %S %C        narrow text (UTF-8) / narrow character (%hs %hc likewise)
//   %d %i %u %o %x %X   integers; size prefixes hh h l ll I I32 I64 j z t
//   %f %F %e %E %g %G %a %A   floating point (L is accepted; long double is double there)
//   %p           pointer as upper-case hex digits, pointer-sized, no 0x
//   %%           a percent sign
// with flags - + space # 0, a width and a precision (digits or *).
// As on Windows, 'l' is a 32-bit size for integers (%ld, %lu, %lx): the value
// is truncated to 32 bits; %lld and %I64d take 64-bit values.
//
// Two argument sources feed the same formatter: a va_list (FormatV), pulled
// by the type each directive names, and a list of typed arguments
// (CString::Format, AppendFormat), which knows each argument's real type and
// so reads CString and std::wstring arguments as text, widens integers
// correctly and reports a text/number mix-up instead of reading garbage.
//
// Errors (an unknown conversion, %n, a directive cut short by the end of the
// format, too few typed arguments, a number given where text is expected or
// the reverse) throw CInvalidArgException naming the directive; the output is
// left untouched.
#include <cstdarg>
#include <cstddef>
#include <string>

namespace veskhost {
namespace mfc {

struct FormatArg {
  enum class Kind : unsigned char { kSigned, kUnsigned, kFloat, kWideText, kNarrowText, kPointer };

  Kind kind = Kind::kSigned;
  union {
    long long i = 0;
    unsigned long long u;
    double d;
    const wchar_t* ws;
    const char* ns;
    const void* p;
  };

  static FormatArg Signed(long long v) {
    FormatArg a;
    a.i = v;
    return a;
  }
  static FormatArg Unsigned(unsigned long long v) {
    FormatArg a;
    a.kind = Kind::kUnsigned;
    a.u = v;
    return a;
  }
  static FormatArg Float(double v) {
    FormatArg a;
    a.kind = Kind::kFloat;
    a.d = v;
    return a;
  }
  static FormatArg Wide(const wchar_t* v) {
    FormatArg a;
    a.kind = Kind::kWideText;
    a.ws = v;
    return a;
  }
  static FormatArg Narrow(const char* v) {
    FormatArg a;
    a.kind = Kind::kNarrowText;
    a.ns = v;
    return a;
  }
  static FormatArg Pointer(const void* v) {
    FormatArg a;
    a.kind = Kind::kPointer;
    a.p = v;
    return a;
  }
};

// Formats into out (appending). On error throws and leaves out unchanged.
void AppendFormatV(std::wstring& out, const wchar_t* format, va_list args);
void AppendFormatArgs(std::wstring& out, const wchar_t* format, const FormatArg* args, std::size_t count);

}  // namespace mfc
}  // namespace veskhost
