// What host.exe tells a person who started it where the plug-in is not: the
// package keeps the plug-in apart from the test host (x64\ and x86\ hold
// only the file that goes into the application's plug-in folder), so a
// double-click on host.exe itself finds none.
#pragma once

#include <string>

namespace pf {

// The explanation for a host of `arch` ("x64" or "x86") that looked for the
// plug-in at `file`: where it belongs, and that try-pathforge.bat beside
// host.exe starts the host with the package's plug-in.
std::wstring MissingPluginText(const std::wstring& file, const wchar_t* arch);

}  // namespace pf
