// The few file-system calls that differ between the platforms. The portable
// helpers of Path.h (MakeDirectory, ReadFileBytes, WriteFileBytes) and of
// SafeFile.h are written once in terms of these; code outside src/common
// uses Path.h and SafeFile.h.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace pf {

// Creates one folder whose parent exists; true on success.
bool CreateFolder(const std::wstring& path);

// An open file that is closed when it goes out of scope.
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Opens a file with an fopen mode ("rb", "wb"); nullptr when it cannot be opened.
std::FILE* OpenFile(const std::wstring& path, const char* mode);

// Forces what was written to an open file (already out of the C runtime's
// buffer) onto the disk where the platform flushes file by file; true on
// success. Where one flush of the whole batch serves (FlushWrittenFiles),
// nothing happens here.
bool FlushFileToDisk(std::FILE* file);

// Writes the whole file and closes it; with `toDisk` it is also flushed out
// of the C runtime and FlushFileToDisk'ed first. Every step can report a
// full disk.
bool WriteWholeFile(const std::wstring& path, const std::string& bytes, bool toDisk);

// Forces every file written and renamed in the folder's file system so far
// onto the disk, in one flush, where the platform offers one; true on
// success, and where files are flushed one by one instead.
bool FlushWrittenFiles(const std::wstring& folder);

// Renames a file over another of the same folder, replacing it; true on
// success. Either the old or the new file holds the name at every moment.
bool RenameOver(const std::wstring& from, const std::wstring& to);

// True when the path names an existing file that is marked read-only (on
// POSIX: nobody has the write permission, whoever runs the module).
bool IsReadOnlyFile(const std::wstring& path);

}  // namespace pf
