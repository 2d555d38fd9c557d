#include "mfc/CString.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <cwctype>

#include "mfc/Utf8Convert.h"

namespace {

using veskhost::mfc::kReplacementChar;

[[noreturn]] void BadIndex(const wchar_t* where, int index, int length) {
  std::wstring text = where;
  text += L": index " + std::to_wstring(index) + L" out of range (length " + std::to_wstring(length) + L")";
  AfxThrowInvalidArgException(text.c_str());
}

// Unicode white space (what the Windows wide ctype table calls space).
bool IsSpace(wchar_t c) {
  if (c <= 0x20) return c == 0x20 || (c >= 0x09 && c <= 0x0D);
  switch (c) {
    case 0x85:
    case 0xA0:
    case 0x1680:
    case 0x2028:
    case 0x2029:
    case 0x202F:
    case 0x205F:
    case 0x3000:
      return true;
    default:
      return c >= 0x2000 && c <= 0x200A;
  }
}

wchar_t FoldLower(wchar_t c) {
  if (c < 0x80) return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
  return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
}

wchar_t FoldUpper(wchar_t c) {
  if (c < 0x80) return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
  return static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
}

// A single narrow character: only ASCII stands for itself in UTF-8.
wchar_t NarrowChar(char ch) {
  const auto b = static_cast<unsigned char>(ch);
  return b < 0x80 ? static_cast<wchar_t>(b) : kReplacementChar;
}

int Sign(int v) { return (v > 0) - (v < 0); }

const wchar_t* RequireText(const wchar_t* psz, const wchar_t* where) {
  if (psz == nullptr) {
    std::wstring text = where;
    text += L": null string";
    AfxThrowInvalidArgException(text.c_str());
  }
  return psz;
}

int ToIndex(std::wstring::size_type pos) { return pos == std::wstring::npos ? -1 : static_cast<int>(pos); }

}  // namespace

// ---- construction and conversion -------------------------------------------

CString::CString(PCXSTR psz) {
  if (psz != nullptr) m_str.assign(psz);
}

CString::CString(LPCSTR pszUtf8) {
  if (pszUtf8 != nullptr) m_str = veskhost::mfc::Utf8ToWide(pszUtf8, std::strlen(pszUtf8));
}

CString::CString(const unsigned char* pszUtf8) : CString(reinterpret_cast<LPCSTR>(pszUtf8)) {}

CString::CString(PCXSTR pch, int nLength) { SetString(pch, nLength); }

CString::CString(LPCSTR pchUtf8, int nLength) {
  if (nLength < 0 || (pchUtf8 == nullptr && nLength > 0)) {
    AfxThrowInvalidArgException(L"CString: bad narrow text or length");
  }
  m_str = veskhost::mfc::Utf8ToWide(pchUtf8, static_cast<std::size_t>(nLength));
}

CString::CString(wchar_t ch, int nRepeat) {
  if (nRepeat > 0) m_str.assign(static_cast<std::size_t>(nRepeat), ch);
}

CString::CString(char ch, int nRepeat) : CString(NarrowChar(ch), nRepeat) {}

CString& CString::operator=(PCXSTR psz) {
  SetString(psz);
  return *this;
}

CString& CString::operator=(LPCSTR pszUtf8) {
  m_str = pszUtf8 ? veskhost::mfc::Utf8ToWide(pszUtf8, std::strlen(pszUtf8)) : std::wstring();
  return *this;
}

CString& CString::operator=(wchar_t ch) {
  m_str.assign(1, ch);
  return *this;
}

CString CString::FromUtf8(LPCSTR pszUtf8, int nLength) {
  CString s;
  if (pszUtf8 != nullptr) {
    const std::size_t n = nLength < 0 ? std::strlen(pszUtf8) : static_cast<std::size_t>(nLength);
    s.m_str = veskhost::mfc::Utf8ToWide(pszUtf8, n);
  }
  return s;
}

CString CString::FromUtf8(const std::string& utf8) {
  CString s;
  s.m_str = veskhost::mfc::Utf8ToWide(utf8.data(), utf8.size());
  return s;
}

std::string CString::ToUtf8() const { return veskhost::mfc::WideToUtf8(m_str.data(), m_str.size()); }

// ---- access and buffers -----------------------------------------------------

wchar_t CString::GetAt(int iChar) const {
  // Reading the terminating zero is allowed.
  if (iChar < 0 || iChar > GetLength()) BadIndex(L"CString::GetAt", iChar, GetLength());
  return m_str.c_str()[iChar];
}

void CString::SetAt(int iChar, wchar_t ch) {
  if (iChar < 0 || iChar >= GetLength()) BadIndex(L"CString::SetAt", iChar, GetLength());
  m_str[static_cast<std::size_t>(iChar)] = ch;
}

CString::PXSTR CString::GetBuffer() { return m_str.data(); }

CString::PXSTR CString::GetBuffer(int nMinBufferLength) {
  if (nMinBufferLength < 0) AfxThrowInvalidArgException(L"CString::GetBuffer: negative length");
  if (static_cast<std::size_t>(nMinBufferLength) > m_str.size()) m_str.resize(static_cast<std::size_t>(nMinBufferLength));
  return m_str.data();
}

CString::PXSTR CString::GetBufferSetLength(int nLength) {
  if (nLength < 0) AfxThrowInvalidArgException(L"CString::GetBufferSetLength: negative length");
  m_str.resize(static_cast<std::size_t>(nLength));
  return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength) {
  if (nNewLength == -1) {
    nNewLength = static_cast<int>(::wcsnlen(m_str.c_str(), m_str.size()));
  }
  ReleaseBufferSetLength(nNewLength);
}

void CString::ReleaseBufferSetLength(int nNewLength) {
  if (nNewLength < 0 || nNewLength > GetLength()) BadIndex(L"CString::ReleaseBuffer", nNewLength, GetLength());
  m_str.resize(static_cast<std::size_t>(nNewLength));
}

void CString::Preallocate(int nLength) {
  if (nLength < 0) AfxThrowInvalidArgException(L"CString::Preallocate: negative length");
  m_str.reserve(static_cast<std::size_t>(nLength));
}

void CString::FreeExtra() { m_str.shrink_to_fit(); }

void CString::SetString(PCXSTR psz) {
  if (psz == nullptr) m_str.clear();
  else m_str.assign(psz);
}

void CString::SetString(PCXSTR pch, int nLength) {
  if (nLength < 0 || (pch == nullptr && nLength > 0)) {
    AfxThrowInvalidArgException(L"CString::SetString: bad text or length");
  }
  if (nLength == 0) m_str.clear();
  else m_str.assign(pch, static_cast<std::size_t>(nLength));
}

void CString::Append(PCXSTR psz) {
  if (psz != nullptr) m_str.append(psz);
}

void CString::Append(PCXSTR pch, int nLength) {
  if (nLength < 0) AfxThrowInvalidArgException(L"CString::Append: negative length");
  if (pch == nullptr || nLength == 0) return;
  // As MFC: the appended part ends at a zero within the first nLength characters.
  m_str.append(pch, ::wcsnlen(pch, static_cast<std::size_t>(nLength)));
}

CString& CString::operator+=(PCXSTR psz) {
  Append(psz);
  return *this;
}

CString& CString::operator+=(LPCSTR pszUtf8) {
  if (pszUtf8 != nullptr) m_str += veskhost::mfc::Utf8ToWide(pszUtf8, std::strlen(pszUtf8));
  return *this;
}

CString& CString::operator+=(char ch) { return *this += NarrowChar(ch); }

// ---- comparison -------------------------------------------------------------

int CString::Compare(PCXSTR psz) const {
  return Sign(View().compare(RequireText(psz, L"CString::Compare")));
}

int CString::CompareNoCase(PCXSTR psz) const {
  RequireText(psz, L"CString::CompareNoCase");
  const wchar_t* a = m_str.c_str();
  for (;; ++a, ++psz) {
    const auto ca = static_cast<std::uint32_t>(FoldLower(*a));
    const auto cb = static_cast<std::uint32_t>(FoldLower(*psz));
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
}

int CString::Collate(PCXSTR psz) const {
  return Sign(std::wcscoll(m_str.c_str(), RequireText(psz, L"CString::Collate")));
}

int CString::CollateNoCase(PCXSTR psz) const {
  std::wstring a = m_str, b = RequireText(psz, L"CString::CollateNoCase");
  std::transform(a.begin(), a.end(), a.begin(), FoldLower);
  std::transform(b.begin(), b.end(), b.begin(), FoldLower);
  return Sign(std::wcscoll(a.c_str(), b.c_str()));
}

// ---- searching --------------------------------------------------------------

int CString::Find(wchar_t ch, int iStart) const {
  if (iStart < 0 || iStart >= GetLength()) return -1;
  // As with the C library, the zero character is found where the text ends.
  if (ch == L'\0') return iStart + static_cast<int>(std::wcslen(m_str.c_str() + iStart));
  return ToIndex(m_str.find(ch, static_cast<std::size_t>(iStart)));
}

int CString::Find(PCXSTR pszSub, int iStart) const {
  if (pszSub == nullptr || iStart < 0 || iStart > GetLength()) return -1;
  return ToIndex(m_str.find(pszSub, static_cast<std::size_t>(iStart)));
}

int CString::FindOneOf(PCXSTR pszCharSet) const {
  if (pszCharSet == nullptr) return -1;
  return ToIndex(m_str.find_first_of(pszCharSet));
}

int CString::ReverseFind(wchar_t ch) const {
  if (ch == L'\0') return static_cast<int>(std::wcslen(m_str.c_str()));
  return ToIndex(m_str.rfind(ch));
}

// ---- extraction -------------------------------------------------------------

CString CString::Mid(int iFirst) const { return Mid(iFirst, GetLength() - std::max(iFirst, 0)); }

CString CString::Mid(int iFirst, int nCount) const {
  const int len = GetLength();
  if (iFirst < 0) iFirst = 0;
  if (nCount < 0) nCount = 0;
  if (static_cast<long long>(iFirst) + nCount > len) nCount = len - iFirst;
  if (iFirst > len || nCount <= 0) return CString();
  if (iFirst == 0 && nCount == len) return *this;
  return CString(m_str.data() + iFirst, nCount);
}

CString CString::Left(int nCount) const {
  if (nCount < 0) nCount = 0;
  if (nCount >= GetLength()) return *this;
  return CString(m_str.data(), nCount);
}

CString CString::Right(int nCount) const {
  if (nCount < 0) nCount = 0;
  const int len = GetLength();
  if (nCount >= len) return *this;
  return CString(m_str.data() + (len - nCount), nCount);
}

CString CString::SpanIncluding(PCXSTR pszCharSet) const {
  if (pszCharSet == nullptr) return CString();
  const auto pos = m_str.find_first_not_of(pszCharSet);
  return Left(pos == std::wstring::npos ? GetLength() : static_cast<int>(pos));
}

CString CString::SpanExcluding(PCXSTR pszCharSet) const {
  if (pszCharSet == nullptr) return *this;
  const auto pos = m_str.find_first_of(pszCharSet);
  return Left(pos == std::wstring::npos ? GetLength() : static_cast<int>(pos));
}

CString CString::Tokenize(PCXSTR pszTokens, int& iStart) const {
  if (iStart < 0) AfxThrowInvalidArgException(L"CString::Tokenize: negative start");
  const int len = GetLength();
  if (pszTokens == nullptr || *pszTokens == L'\0') {
    // No delimiters: the rest is one token. The start moves to the end so
    // that a loop waiting for -1 ends with the next call.
    if (iStart < len) {
      CString rest = Mid(iStart);
      iStart = len;
      return rest;
    }
  } else if (iStart < len) {
    const auto from = m_str.find_first_not_of(pszTokens, static_cast<std::size_t>(iStart));
    if (from != std::wstring::npos) {
      auto until = m_str.find_first_of(pszTokens, from);
      if (until == std::wstring::npos) until = m_str.size();
      iStart = static_cast<int>(until) + 1;
      return CString(m_str.data() + from, static_cast<int>(until - from));
    }
  }
  iStart = -1;
  return CString();
}

// ---- changing ---------------------------------------------------------------

CString& CString::MakeUpper() {
  std::transform(m_str.begin(), m_str.end(), m_str.begin(), FoldUpper);
  return *this;
}

CString& CString::MakeLower() {
  std::transform(m_str.begin(), m_str.end(), m_str.begin(), FoldLower);
  return *this;
}

CString& CString::MakeReverse() {
  std::reverse(m_str.begin(), m_str.end());
  return *this;
}

int CString::Replace(wchar_t chOld, wchar_t chNew) {
  if (chOld == chNew) return 0;
  int count = 0;
  for (wchar_t& c : m_str) {
    if (c == chOld) {
      c = chNew;
      ++count;
    }
  }
  return count;
}

int CString::Replace(PCXSTR pszOld, PCXSTR pszNew) {
  if (pszOld == nullptr || *pszOld == L'\0') return 0;
  const std::wstring_view from(pszOld);
  const std::wstring_view to(pszNew ? pszNew : L"");
  auto pos = m_str.find(from.data(), 0, from.size());
  if (pos == std::wstring::npos) return 0;
  std::wstring out;
  out.reserve(m_str.size());
  int count = 0;
  std::size_t last = 0;
  // Matches are taken left to right and do not overlap.
  for (; pos != std::wstring::npos; pos = m_str.find(from.data(), last, from.size())) {
    out.append(m_str, last, pos - last);
    out.append(to);
    last = pos + from.size();
    ++count;
  }
  out.append(m_str, last, std::wstring::npos);
  m_str.swap(out);
  return count;
}

int CString::Remove(wchar_t chRemove) {
  const auto oldSize = m_str.size();
  m_str.erase(std::remove(m_str.begin(), m_str.end(), chRemove), m_str.end());
  return static_cast<int>(oldSize - m_str.size());
}

int CString::Insert(int iIndex, wchar_t ch) {
  iIndex = std::clamp(iIndex, 0, GetLength());
  m_str.insert(static_cast<std::size_t>(iIndex), 1, ch);
  return GetLength();
}

int CString::Insert(int iIndex, PCXSTR psz) {
  iIndex = std::clamp(iIndex, 0, GetLength());
  if (psz != nullptr && *psz != L'\0') {
    const std::wstring copy(psz);  // psz may point into this string
    m_str.insert(static_cast<std::size_t>(iIndex), copy);
  }
  return GetLength();
}

int CString::Delete(int iIndex, int nCount) {
  const int len = GetLength();
  if (iIndex < 0) iIndex = 0;
  if (nCount < 0) nCount = 0;
  if (static_cast<long long>(iIndex) + nCount > len) nCount = len - iIndex;
  if (nCount > 0) m_str.erase(static_cast<std::size_t>(iIndex), static_cast<std::size_t>(nCount));
  return GetLength();
}

// ---- trimming ---------------------------------------------------------------

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(wchar_t chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }
CString& CString::Trim(PCXSTR pszTargets) { return TrimRight(pszTargets).TrimLeft(pszTargets); }

CString& CString::TrimLeft() {
  const auto it = std::find_if_not(m_str.begin(), m_str.end(), IsSpace);
  m_str.erase(m_str.begin(), it);
  return *this;
}

CString& CString::TrimLeft(wchar_t chTarget) {
  m_str.erase(0, std::min(m_str.find_first_not_of(chTarget), m_str.size()));
  return *this;
}

CString& CString::TrimLeft(PCXSTR pszTargets) {
  if (pszTargets == nullptr || *pszTargets == L'\0') return *this;
  m_str.erase(0, std::min(m_str.find_first_not_of(pszTargets), m_str.size()));
  return *this;
}

CString& CString::TrimRight() {
  const auto it = std::find_if_not(m_str.rbegin(), m_str.rend(), IsSpace);
  m_str.erase(it.base(), m_str.end());
  return *this;
}

CString& CString::TrimRight(wchar_t chTarget) {
  const auto pos = m_str.find_last_not_of(chTarget);
  m_str.erase(pos == std::wstring::npos ? 0 : pos + 1);
  return *this;
}

CString& CString::TrimRight(PCXSTR pszTargets) {
  if (pszTargets == nullptr || *pszTargets == L'\0') return *this;
  const auto pos = m_str.find_last_not_of(pszTargets);
  m_str.erase(pos == std::wstring::npos ? 0 : pos + 1);
  return *this;
}

// ---- formatting -------------------------------------------------------------

void CString::FormatV(PCXSTR pszFormat, va_list args) {
  std::wstring text;
  veskhost::mfc::AppendFormatV(text, pszFormat, args);
  m_str.swap(text);
}

void CString::AppendFormatV(PCXSTR pszFormat, va_list args) { veskhost::mfc::AppendFormatV(m_str, pszFormat, args); }

void CString::FormatArgs(PCXSTR pszFormat, const veskhost::mfc::FormatArg* args, std::size_t count, bool append) {
  if (append) {
    veskhost::mfc::AppendFormatArgs(m_str, pszFormat, args, count);
  } else {
    std::wstring text;
    veskhost::mfc::AppendFormatArgs(text, pszFormat, args, count);
    m_str.swap(text);
  }
}

// ---- concatenation ----------------------------------------------------------

CString operator+(const CString& a, const CString& b) {
  CString s;
  s.m_str.reserve(a.m_str.size() + b.m_str.size());
  s.m_str.append(a.m_str).append(b.m_str);
  return s;
}

CString operator+(const CString& a, CString::PCXSTR b) {
  CString s(a);
  s.Append(b);
  return s;
}

CString operator+(CString::PCXSTR a, const CString& b) {
  CString s(a);
  s.m_str += b.m_str;
  return s;
}

CString operator+(const CString& a, wchar_t b) {
  CString s(a);
  s.m_str.push_back(b);
  return s;
}

CString operator+(wchar_t a, const CString& b) {
  CString s(a, 1);
  s.m_str += b.m_str;
  return s;
}
