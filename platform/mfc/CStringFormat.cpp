#include "mfc/CStringFormat.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <limits>

#include "mfc/CException.h"
#include "mfc/Utf8Convert.h"

namespace veskhost {
namespace mfc {
namespace {

// Size prefix of a directive.
enum class Size { kNone, kChar, kShort, kLong, kLongLong, kLongDouble, kInt32, kPtr, kWide };

// What a directive takes from the argument list.
enum class Want { kInt, kFloat, kWideText, kNarrowText, kChar, kPointer };

// Widths and precisions beyond this are taken for a fault in the caller (an
// uninitialised '*' argument, say) rather than a request for megabytes of padding.
constexpr int kMaxWidth = 1 << 24;

class ArgSource {
 public:
  virtual ~ArgSource() = default;
  // The next argument, read as `want` requires. False when there is none.
  virtual bool Next(Want want, Size size, FormatArg& arg) = 0;
};

// Arguments of a C variadic call: each is pulled with the type its directive
// names, exactly as the caller is expected to have passed it.
class VaListSource : public ArgSource {
 public:
  explicit VaListSource(va_list args) { va_copy(args_, args); }
  ~VaListSource() override { va_end(args_); }
  VaListSource(const VaListSource&) = delete;
  VaListSource& operator=(const VaListSource&) = delete;

  bool Next(Want want, Size size, FormatArg& arg) override {
    switch (want) {
      case Want::kInt:
        switch (size) {
          case Size::kLong:
          case Size::kWide:
            // A 64-bit slot read as long; the directive keeps its low 32 bits,
            // which is right whether the caller passed an int or a long.
            arg = FormatArg::Signed(va_arg(args_, long));
            break;
          case Size::kLongLong:
          case Size::kLongDouble:
            arg = FormatArg::Signed(va_arg(args_, long long));
            break;
          case Size::kPtr:
            arg = FormatArg::Signed(static_cast<long long>(va_arg(args_, std::intptr_t)));
            break;
          default:
            arg = FormatArg::Signed(va_arg(args_, int));
            break;
        }
        break;
      case Want::kFloat:
        arg = FormatArg::Float(va_arg(args_, double));
        break;
      case Want::kWideText:
        arg = FormatArg::Wide(va_arg(args_, const wchar_t*));
        break;
      case Want::kNarrowText:
        arg = FormatArg::Narrow(va_arg(args_, const char*));
        break;
      case Want::kChar:
        arg = FormatArg::Signed(va_arg(args_, int));
        break;
      case Want::kPointer:
        arg = FormatArg::Pointer(va_arg(args_, const void*));
        break;
    }
    return true;
  }

 private:
  va_list args_;
};

class ListSource : public ArgSource {
 public:
  ListSource(const FormatArg* args, std::size_t count) : args_(args), count_(count) {}
  bool Next(Want, Size, FormatArg& arg) override {
    if (pos_ >= count_) return false;
    arg = args_[pos_++];
    return true;
  }

 private:
  const FormatArg* args_;
  std::size_t count_;
  std::size_t pos_ = 0;
};

struct Directive {
  bool left = false, plus = false, space = false, alt = false, zero = false;
  int width = 0;
  int precision = -1;
  Size size = Size::kNone;
  wchar_t conv = 0;
};

class Formatter {
 public:
  Formatter(const wchar_t* format, ArgSource& source, std::wstring& out)
      : format_(format), source_(source), out_(out) {}

  void Run() {
    const wchar_t* p = format_;
    while (*p) {
      const wchar_t* pct = std::wcschr(p, L'%');
      if (pct == nullptr) {
        out_.append(p);
        break;
      }
      out_.append(p, pct);
      start_ = pct;
      p = Parse(pct + 1);
    }
  }

 private:
  [[noreturn]] void Fail(const wchar_t* why, const wchar_t* end) const {
    std::wstring text = L"CString::Format: ";
    text += why;
    text += L" in directive \"";
    text.append(start_, end);
    text += L"\" at position ";
    text += std::to_wstring(start_ - format_);
    AfxThrowInvalidArgException(text.c_str());
  }

  FormatArg Take(Want want, Size size, const wchar_t* end) {
    FormatArg arg;
    if (!source_.Next(want, size, arg)) Fail(L"missing argument", end);
    return arg;
  }

  // Reads a width or precision: digits, or '*' taking an int argument.
  int ReadCount(const wchar_t*& p, bool& fromArg) {
    fromArg = false;
    if (*p == L'*') {
      ++p;
      fromArg = true;
      const FormatArg a = Take(Want::kInt, Size::kNone, p);
      if (a.kind != FormatArg::Kind::kSigned && a.kind != FormatArg::Kind::kUnsigned) {
        Fail(L"'*' needs an integer argument", p);
      }
      const long long v = static_cast<long long>(static_cast<std::int32_t>(a.u));
      if (v > kMaxWidth || v < -kMaxWidth) Fail(L"width or precision too large", p);
      return static_cast<int>(v);
    }
    long long v = 0;
    while (*p >= L'0' && *p <= L'9') {
      v = v * 10 + (*p - L'0');
      ++p;
      if (v > kMaxWidth) Fail(L"width or precision too large", p);
    }
    return static_cast<int>(v);
  }

  // Parses and emits one directive; p points after the '%'. Returns the
  // position after the directive.
  const wchar_t* Parse(const wchar_t* p) {
    if (*p == L'%') {
      out_.push_back(L'%');
      return p + 1;
    }
    Directive d;
    for (;; ++p) {
      if (*p == L'-') d.left = true;
      else if (*p == L'+') d.plus = true;
      else if (*p == L' ') d.space = true;
      else if (*p == L'#') d.alt = true;
      else if (*p == L'0') d.zero = true;
      else break;
    }
    bool fromArg = false;
    d.width = ReadCount(p, fromArg);
    if (d.width < 0) {
      d.left = true;
      d.width = -d.width;
    }
    if (*p == L'.') {
      ++p;
      d.precision = ReadCount(p, fromArg);
      if (d.precision < 0) d.precision = -1;
    }
    switch (*p) {
      case L'h':
        ++p;
        if (*p == L'h') {
          ++p;
          d.size = Size::kChar;
        } else {
          d.size = Size::kShort;
        }
        break;
      case L'l':
        ++p;
        if (*p == L'l') {
          ++p;
          d.size = Size::kLongLong;
        } else {
          d.size = Size::kLong;
        }
        break;
      case L'L':
        ++p;
        d.size = Size::kLongDouble;
        break;
      case L'w':
        ++p;
        d.size = Size::kWide;
        break;
      case L'j':
        ++p;
        d.size = Size::kLongLong;
        break;
      case L'z':
      case L't':
        ++p;
        d.size = Size::kPtr;
        break;
      case L'I':
        ++p;
        if (p[0] == L'6' && p[1] == L'4') {
          p += 2;
          d.size = Size::kLongLong;
        } else if (p[0] == L'3' && p[1] == L'2') {
          p += 2;
          d.size = Size::kInt32;
        } else {
          d.size = Size::kPtr;
        }
        break;
      default:
        break;
    }
    d.conv = *p;
    if (d.conv == L'\0') Fail(L"unfinished directive", p);
    ++p;
    switch (d.conv) {
      case L'd':
      case L'i':
      case L'u':
      case L'o':
      case L'x':
      case L'X':
        EmitInteger(d, Take(Want::kInt, d.size, p), p);
        break;
      case L'c':
      case L'C': {
        const bool narrow = d.size == Size::kShort || (d.conv == L'C' && d.size != Size::kLong && d.size != Size::kWide);
        EmitChar(d, Take(Want::kChar, d.size, p), narrow, p);
        break;
      }
      case L's':
      case L'S': {
        const bool narrow = d.size == Size::kShort || (d.conv == L'S' && d.size != Size::kLong && d.size != Size::kWide);
        EmitText(d, Take(narrow ? Want::kNarrowText : Want::kWideText, d.size, p), p);
        break;
      }
      case L'f':
      case L'F':
      case L'e':
      case L'E':
      case L'g':
      case L'G':
      case L'a':
      case L'A':
        EmitFloat(d, Take(Want::kFloat, d.size, p), p);
        break;
      case L'p':
        EmitPointer(d, Take(Want::kPointer, d.size, p), p);
        break;
      case L'n':
        Fail(L"%n is not supported", p);
      default:
        Fail(L"unknown conversion", p);
    }
    return p;
  }

  void Pad(int count, wchar_t ch) {
    if (count > 0) out_.append(static_cast<std::size_t>(count), ch);
  }

  // Emits body padded to the directive's width ('0' padding only when asked).
  void EmitPadded(const Directive& d, const wchar_t* body, std::size_t len, bool zeroPad) {
    const int pad = d.width - static_cast<int>(len);
    if (!d.left) Pad(pad, zeroPad ? L'0' : L' ');
    out_.append(body, len);
    if (d.left) Pad(pad, L' ');
  }

  unsigned long long IntegerBits(const FormatArg& a, const wchar_t* end) const {
    switch (a.kind) {
      case FormatArg::Kind::kSigned:
      case FormatArg::Kind::kUnsigned:
        return a.u;
      case FormatArg::Kind::kPointer:
        return static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(a.p));
      case FormatArg::Kind::kFloat: {
        // A floating value given to an integer directive: truncated, clamped.
        const double v = a.d;
        if (std::isnan(v)) return 0;
        if (v >= 9.2233720368547758e18) return static_cast<unsigned long long>(std::numeric_limits<long long>::max());
        if (v <= -9.2233720368547758e18) return static_cast<unsigned long long>(std::numeric_limits<long long>::min());
        return static_cast<unsigned long long>(static_cast<long long>(v));
      }
      default:
        Fail(L"text given where a number is expected", end);
    }
  }

  static int BitsOf(Size size) {
    switch (size) {
      case Size::kChar:
        return 8;
      case Size::kShort:
        return 16;
      case Size::kLongLong:
      case Size::kLongDouble:
      case Size::kPtr:
        return 64;
      default:
        return 32;
    }
  }

  void EmitInteger(const Directive& d, const FormatArg& a, const wchar_t* end) {
    unsigned long long bits = IntegerBits(a, end);
    const int n = BitsOf(d.size);
    const bool isSigned = d.conv == L'd' || d.conv == L'i';
    bool negative = false;
    unsigned long long mag;
    if (n < 64) bits &= (1ULL << n) - 1;
    if (isSigned) {
      long long v = static_cast<long long>(bits << (64 - n)) >> (64 - n);
      negative = v < 0;
      mag = negative ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
    } else {
      mag = bits;
    }
    const unsigned base = (d.conv == L'o') ? 8 : (d.conv == L'x' || d.conv == L'X') ? 16 : 10;
    const char* digitSet = (d.conv == L'X') ? "0123456789ABCDEF" : "0123456789abcdef";
    wchar_t digits[72];
    int nd = 0;
    for (unsigned long long m = mag; m != 0; m /= base) digits[nd++] = static_cast<wchar_t>(digitSet[m % base]);
    int zeros = d.precision > nd ? d.precision - nd : 0;
    if (mag == 0 && d.precision != 0) zeros = zeros > 0 ? zeros : 1;  // a single 0
    if (d.conv == L'o' && d.alt && zeros == 0 && (nd == 0 || digits[nd - 1] != L'0')) zeros = 1;

    wchar_t prefix[3];
    int np = 0;
    if (isSigned) {
      if (negative) prefix[np++] = L'-';
      else if (d.plus) prefix[np++] = L'+';
      else if (d.space) prefix[np++] = L' ';
    } else if (d.alt && mag != 0 && base == 16) {
      prefix[np++] = L'0';
      prefix[np++] = d.conv;
    }
    const int bodyLen = np + zeros + nd;
    int pad = d.width - bodyLen;
    const bool zeroPad = d.zero && !d.left && d.precision < 0;
    if (!d.left && !zeroPad) Pad(pad, L' ');
    out_.append(prefix, static_cast<std::size_t>(np));
    if (zeroPad) Pad(pad, L'0');
    Pad(zeros, L'0');
    for (int k = nd - 1; k >= 0; --k) out_.push_back(digits[k]);
    if (d.left) Pad(pad, L' ');
  }

  void EmitChar(const Directive& d, const FormatArg& a, bool narrow, const wchar_t* end) {
    const unsigned long long bits = IntegerBits(a, end);
    wchar_t ch;
    if (narrow) {
      const unsigned byte = static_cast<unsigned>(bits & 0xFF);
      ch = byte < 0x80 ? static_cast<wchar_t>(byte) : kReplacementChar;
    } else {
      ch = static_cast<wchar_t>(static_cast<std::uint32_t>(bits));
    }
    EmitPadded(d, &ch, 1, d.zero && !d.left);
  }

  void EmitText(const Directive& d, const FormatArg& a, const wchar_t* end) {
    static const wchar_t kNull[] = L"(null)";
    const wchar_t* text = nullptr;
    std::size_t len = 0;
    std::wstring decoded;
    switch (a.kind) {
      case FormatArg::Kind::kWideText:
        text = a.ws;
        if (text != nullptr) {
          len = d.precision >= 0 ? ::wcsnlen(text, static_cast<std::size_t>(d.precision)) : std::wcslen(text);
        }
        break;
      case FormatArg::Kind::kNarrowText:
        if (a.ns != nullptr) {
          const std::size_t bytes =
              d.precision >= 0 ? strnlen(a.ns, static_cast<std::size_t>(d.precision)) : std::strlen(a.ns);
          decoded = Utf8ToWide(a.ns, bytes);
          text = decoded.c_str();
          len = decoded.size();
        }
        break;
      case FormatArg::Kind::kPointer:
        if (a.p != nullptr) Fail(L"a pointer given where text is expected", end);
        break;
      default:
        Fail(L"a number given where text is expected", end);
    }
    if (text == nullptr) {
      text = kNull;
      len = sizeof(kNull) / sizeof(kNull[0]) - 1;
    }
    if (d.precision >= 0 && len > static_cast<std::size_t>(d.precision)) len = static_cast<std::size_t>(d.precision);
    EmitPadded(d, text, len, d.zero && !d.left);
  }

  void EmitFloat(const Directive& d, const FormatArg& a, const wchar_t* end) {
    double v;
    switch (a.kind) {
      case FormatArg::Kind::kFloat:
        v = a.d;
        break;
      case FormatArg::Kind::kSigned:
        v = static_cast<double>(a.i);
        break;
      case FormatArg::Kind::kUnsigned:
        v = static_cast<double>(a.u);
        break;
      default:
        Fail(L"a floating-point number is expected", end);
    }
    // The digits come from the C library; flags, width and precision are
    // the directive's own.
    char cfmt[16];
    char* s = cfmt;
    *s++ = '%';
    if (d.left) *s++ = '-';
    if (d.plus) *s++ = '+';
    if (d.space) *s++ = ' ';
    if (d.alt) *s++ = '#';
    if (d.zero) *s++ = '0';
    *s++ = '*';
    *s++ = '.';
    *s++ = '*';
    *s++ = static_cast<char>(d.conv);
    *s = '\0';
    char small[64];
    const int need = std::snprintf(small, sizeof small, cfmt, d.width, d.precision, v);
    if (need < 0) Fail(L"the number cannot be formatted", end);
    if (static_cast<std::size_t>(need) < sizeof small) {
      out_.append(small, small + need);
    } else {
      std::string big(static_cast<std::size_t>(need) + 1, '\0');
      std::snprintf(&big[0], big.size(), cfmt, d.width, d.precision, v);
      out_.append(big.begin(), big.begin() + need);
    }
  }

  void EmitPointer(const Directive& d, const FormatArg& a, const wchar_t* end) {
    std::uintptr_t bits;
    switch (a.kind) {
      case FormatArg::Kind::kPointer:
        bits = reinterpret_cast<std::uintptr_t>(a.p);
        break;
      case FormatArg::Kind::kWideText:
        bits = reinterpret_cast<std::uintptr_t>(a.ws);
        break;
      case FormatArg::Kind::kNarrowText:
        bits = reinterpret_cast<std::uintptr_t>(a.ns);
        break;
      case FormatArg::Kind::kSigned:
      case FormatArg::Kind::kUnsigned:
        bits = static_cast<std::uintptr_t>(a.u);
        break;
      default:
        Fail(L"a pointer is expected", end);
    }
    constexpr int kDigits = static_cast<int>(sizeof(void*) * 2);
    wchar_t text[kDigits];
    for (int k = kDigits - 1; k >= 0; --k, bits >>= 4) text[k] = L"0123456789ABCDEF"[bits & 0xF];
    EmitPadded(d, text, kDigits, false);
  }

  const wchar_t* format_;
  ArgSource& source_;
  std::wstring& out_;
  const wchar_t* start_ = nullptr;
};

void Run(std::wstring& out, const wchar_t* format, ArgSource& source) {
  if (format == nullptr) AfxThrowInvalidArgException(L"CString::Format: the format is null");
  std::wstring text;
  Formatter(format, source, text).Run();
  out += text;
}

}  // namespace

void AppendFormatV(std::wstring& out, const wchar_t* format, va_list args) {
  VaListSource source(args);
  Run(out, format, source);
}

void AppendFormatArgs(std::wstring& out, const wchar_t* format, const FormatArg* args, std::size_t count) {
  ListSource source(args, count);
  Run(out, format, source);
}

}  // namespace mfc
}  // namespace veskhost
