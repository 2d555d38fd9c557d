#pragma once
// Folder texts that are about to have a name appended.
#include "mfc/CString.h"

namespace veskutil {

// Appends a backslash to a non-empty path that does not already end in a
// separator ('\' or '/'), so that a file name can be appended directly. An
// empty path stays empty (it names no folder). Returns the path.
CString& ConfirmBackslash(CString& path);

// The same on a copy.
CString WithBackslash(const CString& path);

}  // namespace veskutil
