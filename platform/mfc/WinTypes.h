#pragma once
// The few Windows scalar and text types that MFC's signatures use.
//
// Text is wide, as in a Unicode build: TCHAR is wchar_t (32-bit on Linux, so
// text is UTF-32 inside the process). Integer widths follow Windows, not the
// LP64 model: LONG and DWORD are 32-bit, INT_PTR is pointer-sized.
//
// Other platform headers that need these names include this file rather than
// declaring their own; each macro is guarded so that a header defining the
// same macro earlier does not clash with it.
#include <cstdint>
#include <cwchar>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using PUINT = unsigned int*;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;

using WCHAR = wchar_t;
using TCHAR = wchar_t;
using LPSTR = char*;
using LPCSTR = const char*;
using LPWSTR = wchar_t*;
using LPCWSTR = const wchar_t*;
using LPTSTR = wchar_t*;
using LPCTSTR = const wchar_t*;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
#ifndef _T
#define _T(x) L##x
#endif
#ifndef _TEXT
#define _TEXT(x) L##x
#endif
#ifndef TEXT
#define TEXT(x) L##x
#endif
#ifndef ASSERT
#define ASSERT(x) ((void)0)
#endif
#ifndef VERIFY
#define VERIFY(x) ((void)(x))
#endif
