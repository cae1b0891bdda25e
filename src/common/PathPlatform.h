// The few file-system calls that differ between the platforms. The portable
// helpers of Path.h (MakeDirectory, ReadFileBytes, WriteFileBytes) are
// written once in terms of these; code outside src/common uses Path.h.
#pragma once

#include <cstdio>
#include <string>

namespace pf {

// Creates one folder whose parent exists; true on success.
bool CreateFolder(const std::wstring& path);

// Opens a file with an fopen mode ("rb", "wb"); nullptr when it cannot be opened.
std::FILE* OpenFile(const std::wstring& path, const char* mode);

}  // namespace pf
