#include "arx/dxf/DxfTextCodec.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

namespace vhost {

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

int hexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

std::string upperAscii(const std::string& s) {
  std::string out = s;
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

}  // namespace

DxfTextCodec::~DxfTextCodec() {
  if (mIconv) iconv_close(static_cast<iconv_t>(mIconv));
}

void DxfTextCodec::setUtf8() {
  if (mIconv) iconv_close(static_cast<iconv_t>(mIconv));
  mIconv = nullptr;
  mUtf8 = true;
  mLatin1 = false;
}

std::string DxfTextCodec::iconvName(const std::string& page) {
  const std::string p = upperAscii(page);
  struct Map {
    const char* dxf;
    const char* iconv;
  };
  static const Map kMap[] = {
      {"ANSI_874", "CP874"},   {"ANSI_932", "CP932"},   {"ANSI_936", "CP936"},   {"ANSI_949", "CP949"},
      {"ANSI_950", "CP950"},   {"ANSI_1250", "CP1250"}, {"ANSI_1251", "CP1251"}, {"ANSI_1252", "CP1252"},
      {"ANSI_1253", "CP1253"}, {"ANSI_1254", "CP1254"}, {"ANSI_1255", "CP1255"}, {"ANSI_1256", "CP1256"},
      {"ANSI_1257", "CP1257"}, {"ANSI_1258", "CP1258"}, {"DOS437", "CP437"},     {"DOS850", "CP850"},
      {"DOS852", "CP852"},     {"DOS855", "CP855"},     {"DOS857", "CP857"},     {"DOS860", "CP860"},
      {"DOS861", "CP861"},     {"DOS863", "CP863"},     {"DOS864", "CP864"},     {"DOS865", "CP865"},
      {"DOS869", "CP869"},     {"DOS932", "CP932"},     {"GB2312", "GB2312"},    {"BIG5", "BIG5"},
      {"KSC5601", "CP949"},    {"JOHAB", "JOHAB"},      {"UTF8", "UTF-8"},       {"UTF-8", "UTF-8"},
      {"ISO8859-1", "ISO-8859-1"},
  };
  for (const Map& m : kMap)
    if (p == m.dxf) return m.iconv;
  return "";
}

bool DxfTextCodec::setCodePage(const std::string& page) {
  setUtf8();
  const std::string name = iconvName(page);
  if (name == "UTF-8") return true;
  mUtf8 = false;
  if (name.empty()) {
    mLatin1 = true;
    return false;
  }
  iconv_t cd = iconv_open("UTF-32LE", name.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    mLatin1 = true;
    return false;
  }
  mIconv = cd;
  return true;
}

void DxfTextCodec::decode(const char* p, size_t n, std::wstring& out) {
  out.clear();
  bool plain = true;
  for (size_t i = 0; i < n; ++i) {
    const unsigned char c = static_cast<unsigned char>(p[i]);
    if (c >= 0x80 || c == '\\' || c == 0) {
      plain = false;
      break;
    }
  }
  if (plain) {
    out.resize(n);
    for (size_t i = 0; i < n; ++i) out[i] = static_cast<unsigned char>(p[i]);
    return;
  }
  if (mUtf8)
    decodeUtf8(p, n, out);
  else
    decodeLegacy(p, n, out);
  resolveEscapes(out);
}

void DxfTextCodec::decodeUtf8(const char* p, size_t n, std::wstring& out) const {
  out.reserve(n);
  const unsigned char* s = reinterpret_cast<const unsigned char*>(p);
  size_t i = 0;
  while (i < n) {
    const unsigned char c = s[i];
    if (c < 0x80) {
      out.push_back(c ? c : kReplacement);  // a text holds no NUL
      ++i;
      continue;
    }
    int len = 0;
    std::uint32_t cp = 0;
    std::uint32_t min = 0;
    if ((c & 0xE0) == 0xC0) {
      len = 2;
      cp = c & 0x1F;
      min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
      len = 3;
      cp = c & 0x0F;
      min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
      len = 4;
      cp = c & 0x07;
      min = 0x10000;
    }
    bool ok = len > 0 && i + static_cast<size_t>(len) <= n;
    for (int k = 1; ok && k < len; ++k) {
      const unsigned char cc = s[i + static_cast<size_t>(k)];
      if ((cc & 0xC0) != 0x80) ok = false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    if (ok && (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) ok = false;
    if (!ok) {
      out.push_back(kReplacement);
      ++i;  // resynchronise on the next byte
      continue;
    }
    out.push_back(static_cast<wchar_t>(cp));
    i += static_cast<size_t>(len);
  }
}

void DxfTextCodec::decodeLegacy(const char* p, size_t n, std::wstring& out) {
  out.reserve(n);
  if (mIconv == nullptr) {
    for (size_t i = 0; i < n; ++i) out.push_back(p[i] ? static_cast<unsigned char>(p[i]) : kReplacement);
    return;
  }
  iconv_t cd = static_cast<iconv_t>(mIconv);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  std::vector<char> buf(n * 4 + 16);
  char* in = const_cast<char*>(p);
  size_t inLeft = n;
  while (inLeft > 0) {
    char* o = buf.data();
    size_t outLeft = buf.size();
    const size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
    const size_t produced = (buf.size() - outLeft) / 4;
    for (size_t k = 0; k < produced; ++k) {
      std::uint32_t cp;
      std::memcpy(&cp, buf.data() + k * 4, 4);  // UTF-32LE on a little-endian host
      out.push_back(cp <= 0x10FFFF && cp != 0 ? static_cast<wchar_t>(cp) : kReplacement);
    }
    if (r == static_cast<size_t>(-1)) {
      if (errno == E2BIG) continue;
      // An invalid or incomplete sequence: one replacement, skip a byte.
      out.push_back(kReplacement);
      ++in;
      --inLeft;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
}

// "\U+XXXX" (four hex digits) stands for the character; anything else after
// a backslash stays as it is.
void DxfTextCodec::resolveEscapes(std::wstring& text) {
  if (text.find(L"\\U+") == std::wstring::npos && text.find(L"\\u+") == std::wstring::npos) return;
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    if (text[i] == L'\\' && i + 6 < text.size() && (text[i + 1] == L'U' || text[i + 1] == L'u') &&
        text[i + 2] == L'+') {
      std::uint32_t cp = 0;
      bool ok = true;
      for (size_t k = 0; k < 4 && ok; ++k) {
        const int d = hexDigit(text[i + 3 + k]);
        if (d < 0) ok = false;
        cp = (cp << 4) | static_cast<std::uint32_t>(d < 0 ? 0 : d);
      }
      if (ok) {
        const bool invalid = (cp >= 0xD800 && cp <= 0xDFFF) || cp == 0;
        out.push_back(invalid ? kReplacement : static_cast<wchar_t>(cp));
        i += 7;
        continue;
      }
    }
    out.push_back(text[i]);
    ++i;
  }
  text.swap(out);
}

void dxfEncodeUtf8(const ACHAR* text, std::string& out) {
  if (text == nullptr) return;
  for (const ACHAR* s = text; *s; ++s) {
    std::uint32_t c = static_cast<std::uint32_t>(*s);
    if (c < 0x80) {
      if (c < 0x20 && c != '\t') {
        static const char kHex[] = "0123456789ABCDEF";
        out += "\\U+00";
        out.push_back(kHex[c >> 4]);
        out.push_back(kHex[c & 15]);
      } else {
        out.push_back(static_cast<char>(c));
      }
      continue;
    }
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) c = kReplacement;
    if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
}

}  // namespace vhost
