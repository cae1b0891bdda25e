// The few file-system calls that differ between the platforms. The portable
// helpers of Path.h (MakeDirectory, ReadFileBytes, WriteFileBytes) and of
// SafeFile.h are written once in terms of these; code outside src/common
// uses Path.h and SafeFile.h.
#pragma once

#include <cstdio>
#include <string>

namespace pf {

// Creates one folder whose parent exists; true on success.
bool CreateFolder(const std::wstring& path);

// Opens a file with an fopen mode ("rb", "wb"); nullptr when it cannot be opened.
std::FILE* OpenFile(const std::wstring& path, const char* mode);

// Forces what was written to an open file (already out of the C runtime's
// buffer) onto the disk; true on success.
bool FlushFileToDisk(std::FILE* file);

// Renames a file over another of the same folder, replacing it; true on
// success. Either the old or the new file holds the name at every moment.
bool RenameOver(const std::wstring& from, const std::wstring& to);

// Forces a folder's entries (the names that renames changed) onto the disk
// where the platform needs it; nothing where it does not.
void FlushFolder(const std::wstring& folder);

// True when the path names an existing file that is marked read-only (on
// POSIX: nobody has the write permission, whoever runs the module).
bool IsReadOnlyFile(const std::wstring& path);

}  // namespace pf
