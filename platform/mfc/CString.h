#pragma once
// CString: MFC's string class as a Unicode build has it. Characters are
// wchar_t (one code point each on this platform); indices and lengths count
// characters.
//
// Behaviour follows MFC: Mid/Left/Right/Insert/Delete clamp out-of-range
// arguments; GetAt/operator[] accept 0..GetLength() (the terminating zero may
// be read) and SetAt 0..GetLength()-1, anything else throws
// CInvalidArgException* (thrown with `throw new`, release with e->Delete());
// comparing with a null pointer throws likewise.
//
// Narrow text is UTF-8:
//   CString(const char*), operator=(const char*), operator+=(const char*)
//                           decode UTF-8 (bad bytes become U+FFFD)
//   CString::FromUtf8(p, n) decodes n bytes (n < 0: up to the first zero byte)
//   s.ToUtf8()              encodes the whole string as a std::string
//
// Format/AppendFormat take their arguments with their real types: %s accepts
// CString, std::wstring and wchar_t pointers or arrays, %S narrow (UTF-8)
// text; see mfc/CStringFormat.h for the directives. FormatV takes a va_list;
// there, as in MFC, text arguments must be passed as LPCTSTR
// (s.GetString() or (LPCTSTR)s), never as CString objects.
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>

#include "mfc/CException.h"
#include "mfc/CStringFormat.h"
#include "mfc/WinTypes.h"

class CString {
 public:
  using XCHAR = wchar_t;
  using PXSTR = wchar_t*;
  using PCXSTR = const wchar_t*;

  CString() noexcept = default;
  CString(const CString&) = default;
  CString(CString&&) noexcept = default;
  CString(PCXSTR psz);                 // null gives an empty string
  CString(LPCSTR pszUtf8);             // UTF-8
  CString(const unsigned char* pszUtf8);
  CString(PCXSTR pch, int nLength);    // nLength < 0, or null with nLength > 0, throws
  CString(LPCSTR pchUtf8, int nLength);
  explicit CString(wchar_t ch, int nRepeat = 1);
  explicit CString(char ch, int nRepeat = 1);
  ~CString() = default;

  CString& operator=(const CString&) = default;
  CString& operator=(CString&&) noexcept = default;
  CString& operator=(PCXSTR psz);
  CString& operator=(LPCSTR pszUtf8);
  CString& operator=(wchar_t ch);

  static CString FromUtf8(LPCSTR pszUtf8, int nLength = -1);
  static CString FromUtf8(const std::string& utf8);
  std::string ToUtf8() const;

  // Size and access
  int GetLength() const noexcept { return static_cast<int>(m_str.size()); }
  BOOL IsEmpty() const noexcept { return m_str.empty() ? TRUE : FALSE; }
  void Empty() noexcept { m_str.clear(); }
  wchar_t GetAt(int iChar) const;
  void SetAt(int iChar, wchar_t ch);
  template <class Index, class = std::enable_if_t<std::is_integral<Index>::value>>
  wchar_t operator[](Index iChar) const {
    return GetAt(CheckedIndex(iChar));
  }
  PCXSTR GetString() const noexcept { return m_str.c_str(); }
  operator PCXSTR() const noexcept { return m_str.c_str(); }

  // Direct buffer access. GetBuffer(n) gives room for at least n characters
  // plus a terminating zero, keeping the current text; ReleaseBuffer(-1)
  // then takes the text up to the first zero, ReleaseBuffer(n) the first n
  // characters. Until ReleaseBuffer, GetLength() counts the whole buffer.
  PXSTR GetBuffer();
  PXSTR GetBuffer(int nMinBufferLength);
  PXSTR GetBufferSetLength(int nLength);
  void ReleaseBuffer(int nNewLength = -1);
  void ReleaseBufferSetLength(int nNewLength);
  void Preallocate(int nLength);
  void FreeExtra();
  int GetAllocLength() const noexcept { return static_cast<int>(m_str.capacity()); }

  void SetString(PCXSTR psz);
  void SetString(PCXSTR pch, int nLength);
  void Append(PCXSTR psz);
  void Append(PCXSTR pch, int nLength);
  void Append(const CString& str) { m_str += str.m_str; }
  void AppendChar(wchar_t ch) { m_str.push_back(ch); }

  CString& operator+=(const CString& str) {
    m_str += str.m_str;
    return *this;
  }
  CString& operator+=(PCXSTR psz);
  CString& operator+=(LPCSTR pszUtf8);
  CString& operator+=(wchar_t ch) {
    m_str.push_back(ch);
    return *this;
  }
  CString& operator+=(char ch);  // ASCII; other bytes are not whole UTF-8 characters

  // Comparison: -1, 0 or 1. NoCase folds letters to lower case (ASCII
  // directly, other letters by the C library's current locale, as the
  // CRT under MFC does); Collate orders by the current locale.
  int Compare(PCXSTR psz) const;
  int CompareNoCase(PCXSTR psz) const;
  int Collate(PCXSTR psz) const;
  int CollateNoCase(PCXSTR psz) const;

  // Searching: -1 when not found.
  int Find(wchar_t ch, int iStart = 0) const;
  int Find(PCXSTR pszSub, int iStart = 0) const;
  int FindOneOf(PCXSTR pszCharSet) const;
  int ReverseFind(wchar_t ch) const;

  // Extraction (arguments out of range are clamped)
  CString Mid(int iFirst) const;
  CString Mid(int iFirst, int nCount) const;
  CString Left(int nCount) const;
  CString Right(int nCount) const;
  CString SpanIncluding(PCXSTR pszCharSet) const;
  CString SpanExcluding(PCXSTR pszCharSet) const;
  // The next token after iStart, skipping leading delimiters; iStart moves
  // past the token. At the end returns an empty string and sets iStart to -1.
  CString Tokenize(PCXSTR pszTokens, int& iStart) const;

  // Changing
  CString& MakeUpper();
  CString& MakeLower();
  CString& MakeReverse();
  int Replace(wchar_t chOld, wchar_t chNew);
  int Replace(PCXSTR pszOld, PCXSTR pszNew);
  int Remove(wchar_t chRemove);
  int Insert(int iIndex, wchar_t ch);
  int Insert(int iIndex, PCXSTR psz);
  int Delete(int iIndex, int nCount = 1);

  // Trimming: no argument trims white space (Unicode white space, including
  // the ideographic space U+3000); a character or a set of characters trims those.
  CString& Trim();
  CString& Trim(wchar_t chTarget);
  CString& Trim(PCXSTR pszTargets);
  CString& TrimLeft();
  CString& TrimLeft(wchar_t chTarget);
  CString& TrimLeft(PCXSTR pszTargets);
  CString& TrimRight();
  CString& TrimRight(wchar_t chTarget);
  CString& TrimRight(PCXSTR pszTargets);

  // Formatting
  template <class... Args>
  void Format(PCXSTR pszFormat, const Args&... args);
  template <class... Args>
  void AppendFormat(PCXSTR pszFormat, const Args&... args);
  void FormatV(PCXSTR pszFormat, va_list args);
  void AppendFormatV(PCXSTR pszFormat, va_list args);

  // The characters as a view (no copy), for code that works with the
  // standard library.
  std::wstring_view View() const noexcept { return m_str; }

  friend CString operator+(const CString& a, const CString& b);
  friend CString operator+(const CString& a, PCXSTR b);
  friend CString operator+(PCXSTR a, const CString& b);
  friend CString operator+(const CString& a, wchar_t b);
  friend CString operator+(wchar_t a, const CString& b);

  friend bool operator==(const CString& a, const CString& b) noexcept { return a.m_str == b.m_str; }
  friend bool operator!=(const CString& a, const CString& b) noexcept { return a.m_str != b.m_str; }
  friend bool operator<(const CString& a, const CString& b) noexcept { return a.m_str < b.m_str; }
  friend bool operator>(const CString& a, const CString& b) noexcept { return a.m_str > b.m_str; }
  friend bool operator<=(const CString& a, const CString& b) noexcept { return a.m_str <= b.m_str; }
  friend bool operator>=(const CString& a, const CString& b) noexcept { return a.m_str >= b.m_str; }
  friend bool operator==(const CString& a, PCXSTR b) { return a.Compare(b) == 0; }
  friend bool operator!=(const CString& a, PCXSTR b) { return a.Compare(b) != 0; }
  friend bool operator<(const CString& a, PCXSTR b) { return a.Compare(b) < 0; }
  friend bool operator>(const CString& a, PCXSTR b) { return a.Compare(b) > 0; }
  friend bool operator<=(const CString& a, PCXSTR b) { return a.Compare(b) <= 0; }
  friend bool operator>=(const CString& a, PCXSTR b) { return a.Compare(b) >= 0; }
  friend bool operator==(PCXSTR a, const CString& b) { return b.Compare(a) == 0; }
  friend bool operator!=(PCXSTR a, const CString& b) { return b.Compare(a) != 0; }
  friend bool operator<(PCXSTR a, const CString& b) { return b.Compare(a) > 0; }
  friend bool operator>(PCXSTR a, const CString& b) { return b.Compare(a) < 0; }
  friend bool operator<=(PCXSTR a, const CString& b) { return b.Compare(a) >= 0; }
  friend bool operator>=(PCXSTR a, const CString& b) { return b.Compare(a) <= 0; }
  friend bool operator==(const CString& a, wchar_t b) noexcept { return a.m_str.size() == 1 && a.m_str[0] == b; }
  friend bool operator!=(const CString& a, wchar_t b) noexcept { return !(a == b); }
  friend bool operator==(wchar_t a, const CString& b) noexcept { return b == a; }
  friend bool operator!=(wchar_t a, const CString& b) noexcept { return !(b == a); }

 private:
  template <class Index>
  static int CheckedIndex(Index i);
  void FormatArgs(PCXSTR pszFormat, const veskhost::mfc::FormatArg* args, std::size_t count, bool append);

  std::wstring m_str;
};

template <class Index>
int CString::CheckedIndex(Index i) {
  // An index that does not fit an int is out of range for any string; -1
  // makes GetAt throw.
  if constexpr (std::is_unsigned<Index>::value) {
    return static_cast<unsigned long long>(i) > 0x7FFFFFFFULL ? -1 : static_cast<int>(i);
  } else {
    const long long v = static_cast<long long>(i);
    return (v < 0 || v > 0x7FFFFFFFLL) ? -1 : static_cast<int>(v);
  }
}

namespace veskhost {
namespace mfc {

template <class>
constexpr bool kAlwaysFalse = false;

// One Format argument, recorded with the kind of value it is.
template <class T>
FormatArg MakeFormatArg(const T& v) {
  using D = std::decay_t<T>;
  if constexpr (std::is_same<D, CString>::value) {
    return FormatArg::Wide(v.GetString());
  } else if constexpr (std::is_same<D, std::wstring>::value) {
    return FormatArg::Wide(v.c_str());
  } else if constexpr (std::is_same<D, std::string>::value) {
    return FormatArg::Narrow(v.c_str());
  } else if constexpr (std::is_same<D, std::nullptr_t>::value) {
    return FormatArg::Pointer(nullptr);
  } else if constexpr (std::is_pointer<D>::value) {
    using Pointee = std::remove_cv_t<std::remove_pointer_t<D>>;
    if constexpr (std::is_same<Pointee, wchar_t>::value) {
      return FormatArg::Wide(v);
    } else if constexpr (std::is_same<Pointee, char>::value) {
      return FormatArg::Narrow(v);
    } else {
      return FormatArg::Pointer(reinterpret_cast<const void*>(v));
    }
  } else if constexpr (std::is_enum<D>::value) {
    return MakeFormatArg(static_cast<std::underlying_type_t<D>>(v));
  } else if constexpr (std::is_integral<D>::value) {
    if constexpr (std::is_signed<D>::value) {
      return FormatArg::Signed(static_cast<long long>(v));
    } else {
      return FormatArg::Unsigned(static_cast<unsigned long long>(v));
    }
  } else if constexpr (std::is_floating_point<D>::value) {
    return FormatArg::Float(static_cast<double>(v));
  } else {
    static_assert(kAlwaysFalse<T>, "CString::Format: unsupported argument type");
    return FormatArg();
  }
}

}  // namespace mfc
}  // namespace veskhost

template <class... Args>
void CString::Format(PCXSTR pszFormat, const Args&... args) {
  const veskhost::mfc::FormatArg list[] = {veskhost::mfc::MakeFormatArg(args)..., veskhost::mfc::FormatArg()};
  FormatArgs(pszFormat, list, sizeof...(Args), false);
}

template <class... Args>
void CString::AppendFormat(PCXSTR pszFormat, const Args&... args) {
  const veskhost::mfc::FormatArg list[] = {veskhost::mfc::MakeFormatArg(args)..., veskhost::mfc::FormatArg()};
  FormatArgs(pszFormat, list, sizeof...(Args), true);
}

namespace std {
template <>
struct hash<CString> {
  size_t operator()(const CString& s) const noexcept { return hash<wstring_view>()(s.View()); }
};
}  // namespace std
