// The few file-system calls that differ between the platforms. The portable
// helpers of Path.h (MakeDirectory, ReadFileBytes, WriteFileBytes) are
// written once in terms of these; code outside src/common uses Path.h,
// and FileSystem.h for what a batch of files needs.
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

}  // namespace pf
