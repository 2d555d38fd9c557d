#pragma once
// Reading a whole file, replacing a file atomically, copying a file.
//
// Paths are module paths (see FileSystem.h: either separator, resolved
// without regard to case). On failure each function returns false and leaves
// a message naming the file in `error` (when given) and in GetLastFileError().
#include <string>

#include "mfc/CString.h"

namespace veskfile {

// The whole content of a file. Files larger than maxBytes are refused.
bool ReadFileBytes(const CString& path, std::string& bytes, CString* error = nullptr,
                   std::size_t maxBytes = std::size_t(512) << 20);

// Replaces the file at path with bytes so that readers see either the old or
// the new content, never a part: the bytes go to a temporary file in the same
// folder, which is flushed to the disk and renamed over the target. The
// target keeps its permission bits (a new file gets those the process's umask
// allows). When anything fails the old file is left untouched and the
// temporary file removed. The folder must exist. A path that names a
// symbolic link replaces the file the link points to.
bool WriteFileAtomic(const CString& path, const std::string& bytes, CString* error = nullptr);

// Copies the file src to dst (a real copy of the bytes, keeping src's
// permission bits). With failIfExists an existing dst is never replaced and
// the call fails; otherwise dst is replaced atomically as by WriteFileAtomic.
bool CopyFileNoOverwrite(const CString& src, const CString& dst, bool failIfExists, CString* error = nullptr);

}  // namespace veskfile
