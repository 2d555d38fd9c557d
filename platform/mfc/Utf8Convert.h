#pragma once
// Conversion between UTF-8 (files, narrow literals, the narrow side of the
// C library) and the wide text CString holds (one wchar_t per code point).
//
// Decoding never fails: a byte sequence that is not well-formed UTF-8 (a stray
// continuation byte, a truncated or overlong sequence, an encoded surrogate, a
// value past U+10FFFF) becomes one U+FFFD per maximal ill-formed part, as
// Unicode recommends. Encoding joins UTF-16 surrogate pairs that reach it
// (text read from UTF-16 sources) and writes U+FFFD for lone surrogates and
// values outside Unicode.
#include <cstddef>
#include <string>

namespace veskhost {
namespace mfc {

constexpr wchar_t kReplacementChar = 0xFFFD;

std::wstring Utf8ToWide(const char* text, std::size_t length);
std::string WideToUtf8(const wchar_t* text, std::size_t length);

}  // namespace mfc
}  // namespace veskhost
