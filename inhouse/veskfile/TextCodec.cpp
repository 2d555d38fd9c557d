#include "veskfile/TextCodec.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

#include "mfc/Utf8Convert.h"

namespace veskfile {

namespace {

// Converts with iconv from `from` to `to`; false with the input offset of the
// first sequence that cannot be converted.
bool IconvConvert(const char* from, const char* to, const char* in, std::size_t inSize, std::string& out,
                  std::size_t* badOffset) {
  iconv_t cd = ::iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    if (badOffset != nullptr) *badOffset = 0;
    return false;
  }
  out.clear();
  std::vector<char> buf(4096);
  char* src = const_cast<char*>(in);
  std::size_t left = inSize;
  bool ok = true;
  while (left > 0) {
    char* dst = buf.data();
    std::size_t room = buf.size();
    const std::size_t r = ::iconv(cd, &src, &left, &dst, &room);
    out.append(buf.data(), buf.size() - room);
    if (r == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      ok = false;  // EILSEQ or EINVAL (a truncated sequence at the end)
      break;
    }
  }
  if (ok) {
    // Flush any shift state.
    char* dst = buf.data();
    std::size_t room = buf.size();
    ::iconv(cd, nullptr, nullptr, &dst, &room);
    out.append(buf.data(), buf.size() - room);
  }
  ::iconv_close(cd);
  if (!ok && badOffset != nullptr) *badOffset = inSize - left;
  return ok;
}

bool DecodeUtf16(std::string_view b, bool bigEndian, std::wstring& text, CString* error) {
  if (b.size() % 2 != 0) {
    if (error != nullptr) error->Format(L"UTF-16 文本的字节数为奇数（%d 字节）", static_cast<int>(b.size()));
    return false;
  }
  text.clear();
  text.reserve(b.size() / 2);
  auto unit = [&](std::size_t i) -> unsigned {
    const auto lo = static_cast<unsigned char>(b[i]);
    const auto hi = static_cast<unsigned char>(b[i + 1]);
    return bigEndian ? (static_cast<unsigned>(lo) << 8 | hi) : (static_cast<unsigned>(hi) << 8 | lo);
  };
  for (std::size_t i = 0; i < b.size(); i += 2) {
    const unsigned u = unit(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 3 < b.size()) {
      const unsigned v = unit(i + 2);
      if (v >= 0xDC00 && v <= 0xDFFF) {
        text.push_back(static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00)));
        i += 2;
        continue;
      }
    }
    if (u >= 0xD800 && u <= 0xDFFF) {
      text.push_back(veskhost::mfc::kReplacementChar);
    } else {
      text.push_back(static_cast<wchar_t>(u));
    }
  }
  return true;
}

}  // namespace

const wchar_t* TextEncodingName(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::kUtf8: return L"UTF-8";
    case TextEncoding::kUtf8Bom: return L"UTF-8 (BOM)";
    case TextEncoding::kUtf16Le: return L"UTF-16LE";
    case TextEncoding::kUtf16Be: return L"UTF-16BE";
    case TextEncoding::kGb18030: return L"GB18030";
  }
  return L"?";
}

bool IsValidUtf8(const char* data, std::size_t size) {
  const auto* s = reinterpret_cast<const unsigned char*>(data);
  std::size_t i = 0;
  while (i < size) {
    const unsigned c = s[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    int n = 0;
    unsigned cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
      n = 1;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      n = 2;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      n = 3;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(n) >= size) return false;  // truncated sequence
    for (int k = 1; k <= n; ++k) {
      const unsigned d = s[i + static_cast<std::size_t>(k)];
      if ((d & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (d & 0x3F);
    }
    if ((n == 2 && cp < 0x800) || (n == 3 && cp < 0x10000) || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += static_cast<std::size_t>(n) + 1;
  }
  return true;
}

bool DecodeGb18030(std::string_view bytes, std::wstring& text, std::size_t* badOffset) {
  std::string wide;
  if (!IconvConvert("GB18030", "WCHAR_T", bytes.data(), bytes.size(), wide, badOffset)) return false;
  text.assign(reinterpret_cast<const wchar_t*>(wide.data()), wide.size() / sizeof(wchar_t));
  return true;
}

bool EncodeGb18030(std::wstring_view text, std::string& bytes) {
  return IconvConvert("WCHAR_T", "GB18030", reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t),
                      bytes, nullptr);
}

std::string EncodeUtf8(std::wstring_view text) { return veskhost::mfc::WideToUtf8(text.data(), text.size()); }

bool DecodeText(std::string_view bytes, std::wstring& text, TextEncoding* used, CString* error, bool preferGb18030) {
  auto setUsed = [&](TextEncoding e) {
    if (used != nullptr) *used = e;
  };
  if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF && static_cast<unsigned char>(bytes[1]) == 0xBB &&
      static_cast<unsigned char>(bytes[2]) == 0xBF) {
    setUsed(TextEncoding::kUtf8Bom);
    text = veskhost::mfc::Utf8ToWide(bytes.data() + 3, bytes.size() - 3);
    return true;
  }
  if (bytes.size() >= 2) {
    const auto b0 = static_cast<unsigned char>(bytes[0]);
    const auto b1 = static_cast<unsigned char>(bytes[1]);
    if ((b0 == 0xFF && b1 == 0xFE) || (b0 == 0xFE && b1 == 0xFF)) {
      const bool big = b0 == 0xFE;
      setUsed(big ? TextEncoding::kUtf16Be : TextEncoding::kUtf16Le);
      return DecodeUtf16(bytes.substr(2), big, text, error);
    }
  }
  const bool utf8 = IsValidUtf8(bytes.data(), bytes.size());
  if (utf8 && !preferGb18030) {
    setUsed(TextEncoding::kUtf8);
    text = veskhost::mfc::Utf8ToWide(bytes.data(), bytes.size());
    return true;
  }
  std::size_t bad = 0;
  if (DecodeGb18030(bytes, text, &bad)) {
    setUsed(TextEncoding::kGb18030);
    return true;
  }
  if (utf8) {
    setUsed(TextEncoding::kUtf8);
    text = veskhost::mfc::Utf8ToWide(bytes.data(), bytes.size());
    return true;
  }
  if (error != nullptr)
    error->Format(L"既不是 UTF-8 也不是 GB18030 文本（第 %d 字节处无法解码）", static_cast<int>(bad));
  text.clear();
  return false;
}

}  // namespace veskfile
