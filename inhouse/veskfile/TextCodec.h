#pragma once
// Text files in the encodings the module meets: UTF-8 (with or without a
// byte-order mark), UTF-16 with a byte-order mark, and, for files written by
// older programs on Chinese systems, GB18030 (which contains GBK and GB2312).
// Files are always written as UTF-8.
#include <cstddef>
#include <string>
#include <string_view>

#include "mfc/CString.h"

namespace veskfile {

enum class TextEncoding { kUtf8, kUtf8Bom, kUtf16Le, kUtf16Be, kGb18030 };

// The encoding's name as people know it ("UTF-8", "GB18030" ...).
const wchar_t* TextEncodingName(TextEncoding encoding);

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing past U+10FFFF).
bool IsValidUtf8(const char* data, std::size_t size);

// Decodes a file's bytes: a byte-order mark decides (UTF-8, UTF-16 LE/BE);
// without one, well-formed UTF-8 is taken as such and anything else is read
// as GB18030. `preferGb18030` reads unmarked bytes as GB18030 first (for
// documents that declare a Chinese legacy encoding), falling back to UTF-8
// when they are not valid GB18030. Fails (false, with a message giving the
// byte offset) when the bytes fit none of these, or when UTF-16 text has an
// odd number of bytes. Unpaired UTF-16 surrogates become U+FFFD.
bool DecodeText(std::string_view bytes, std::wstring& text, TextEncoding* used = nullptr, CString* error = nullptr,
                bool preferGb18030 = false);

// GB18030 bytes to text; false (with the offset of the first bad byte) when
// they are not valid GB18030.
bool DecodeGb18030(std::string_view bytes, std::wstring& text, std::size_t* badOffset = nullptr);

// Text to GB18030 bytes (for tests and for exchange with legacy programs);
// false when a character has no GB18030 form.
bool EncodeGb18030(std::wstring_view text, std::string& bytes);

// Text to UTF-8 bytes (no byte-order mark).
std::string EncodeUtf8(std::wstring_view text);

}  // namespace veskfile
