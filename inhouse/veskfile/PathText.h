#pragma once
// Path texts taken apart and put together, without touching the disk.
//
// The module writes paths in Windows form ("D:\数据\Common\x.ini"); on this
// platform its folders come from the data root in the same form
// ("\home\u\share\veskcad\Common\"). Every function here accepts '\' and '/'
// alike as separators and keeps the text it is given: only what it appends
// is chosen (a backslash).
#include "mfc/CString.h"

namespace veskfile {

// True for '\' and '/'.
bool IsPathSeparator(wchar_t c);

// The parent folder of path, ending in a separator so that a relative path
// can be appended directly. A trailing separator on path is ignored
// ("C:\a\b\" and "C:\a\b" both give "C:\a\"). A root ("\", "C:\") has no
// parent and is returned as it is; a bare name gives an empty text.
CString GetUpPath(const CString& path);

// The folder of a file path, with its trailing separator ("C:\a\b.txt" gives
// "C:\a\"); empty for a bare file name.
CString GetFilePath(const CString& file);

// The file name without its folder ("C:\a\b.txt" gives "b.txt"); empty when
// the path ends in a separator.
CString GetFileName(const CString& file);

// The file name without folder and extension ("C:\a\b.tar.gz" gives "b.tar").
CString GetFnameWithoutExt(const CString& file);

// The extension of the file name with its point (".txt"); empty when the name
// has none. A name that only begins with a point (".ini") has no extension.
CString GetFileExt(const CString& file);

// The path with '/' as the only separator and runs of separators collapsed
// (a leading "//" too): the form the operating system takes. A Windows drive
// letter is kept as the first component ("C:/a"). The text is not resolved
// against the disk; see ResolvePath for that.
CString ToNativePath(const CString& path);

// The path with '\' as the only separator: the form the module's callers see.
CString ToModulePath(const CString& path);

}  // namespace veskfile
