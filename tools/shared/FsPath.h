// Module text and std::filesystem paths.
//
// A path of the standard library holds the platform's own form of a name:
// wide text on Windows, 8-bit text on POSIX. Converting a wide text through
// the standard library on POSIX goes through the locale, which refuses every
// non-ASCII character in the default "C" locale; these two conversions use
// the module's own 8-bit form (UTF-8 on POSIX) instead and never throw.
#pragma once

#include <filesystem>
#include <string>

namespace pf {

std::filesystem::path ToFsPath(const std::wstring& text);
std::wstring FromFsPath(const std::filesystem::path& path);

}  // namespace pf
