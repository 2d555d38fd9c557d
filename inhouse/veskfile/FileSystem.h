#pragma once
// The disk behind the module's paths: resolving a path as the operating
// system needs it, testing files and folders, creating folders.
//
// A module path may use '\' or '/' and may differ in letter case from the
// names on disk (the module upper-cases some of its paths, and the files of
// the data root were named on a system that ignored case). ResolvePath turns
// it into the native path: when the exact path does not exist, each
// component is looked up in its folder without regard to case. The other
// functions resolve their argument the same way.
//
// Functions that fail leave a message naming the path in GetLastFileError().
#include <string>

#include "mfc/CString.h"

namespace veskfile {

// The native path ('/' separators) of a module path. When the exact path does
// not exist, every component that exists with another letter case is taken
// with its spelling on disk, from the first component on; from the first
// component that does not exist at all, the rest is kept as given (so the
// result also serves to create a file or folder). When several names in a
// folder match without regard to case, the first in byte order wins. A
// trailing separator is kept. An empty path gives an empty text.
CString ResolvePath(const CString& path);

// ResolvePath as a UTF-8 byte string, for the C library.
std::string ResolvePathUtf8(const CString& path);

// Non-zero when path names an existing entry that is not a folder.
int FileExist(const CString& path);

// Non-zero when path names an existing folder.
int FIsDirectory(const CString& path);

// Creates the folder and every missing parent. Non-zero on success, also
// when the folder already exists; 0 when a component exists as a file, or a
// folder cannot be created (GetLastFileError says which and why).
int CreateMDirectory(const CString& path);

// The message of the last failure of a file function of this library on the
// calling thread.
CString GetLastFileError();

// Sets that message (used by the library's readers and writers).
void SetLastFileError(const CString& message);

}  // namespace veskfile
