#pragma once
// Text of DXF files: decoding the bytes of a string value into wide text, and
// encoding wide text for writing. Files of release AC1021 and later are UTF-8;
// older ones use the code page their header names ($DWGCODEPAGE, "ANSI_936"
// ...), converted through iconv. "\U+XXXX" escapes are decoded in every
// release. Bytes that do not decode become U+FFFD; decoding never fails.
#include <string>

#include "arx/base/AdeskTypes.h"

namespace vhost {

class DxfTextCodec {
 public:
  DxfTextCodec() = default;
  ~DxfTextCodec();
  DxfTextCodec(const DxfTextCodec&) = delete;
  DxfTextCodec& operator=(const DxfTextCodec&) = delete;

  // Decodes UTF-8 (the default).
  void setUtf8();
  // Decodes the code page named as $DWGCODEPAGE names it ("ANSI_1252",
  // "ANSI_936" ...). False when iconv does not know it; bytes above 0x7F
  // then decode as Latin-1.
  bool setCodePage(const std::string& dwgCodePage);
  bool isUtf8() const { return mUtf8; }

  // Appends the decoded text of bytes [p, p+n) to out (after clearing it).
  void decode(const char* p, size_t n, std::wstring& out);

  // The iconv name of a $DWGCODEPAGE value ("ANSI_936" gives "CP936"), or ""
  // when it names no code page we know.
  static std::string iconvName(const std::string& dwgCodePage);

 private:
  void decodeUtf8(const char* p, size_t n, std::wstring& out) const;
  void decodeLegacy(const char* p, size_t n, std::wstring& out);
  static void resolveEscapes(std::wstring& text);

  bool mUtf8 = true;
  void* mIconv = nullptr;  // iconv_t from the code page to UTF-32LE
  bool mLatin1 = false;    // no converter: bytes are code points
};

// Appends the UTF-8 form of text to out. Characters that cannot stand in a
// DXF value line (line breaks and other control characters) are written as
// "\U+XXXX" escapes; unpaired surrogates become U+FFFD.
void dxfEncodeUtf8(const ACHAR* text, std::string& out);

}  // namespace vhost
