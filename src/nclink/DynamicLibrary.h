// Run-time loading of a shared library: open it by file name, look up entry
// points by name, close it again.
//
// The platform code lives in posix/DynamicLibrary.cpp (dlopen) and
// win32/DynamicLibrary.cpp (LoadLibraryW); nothing else in the module loads
// libraries. A library is found through the platform's ordinary search: the
// application folder and PATH on Windows, LD_LIBRARY_PATH and the run path
// on POSIX.
#pragma once

#include <string>

namespace pf {

// An open library; nullptr stands for none.
using LibraryHandle = void*;

// An entry point as the platform returns it. Cast it to the entry point's
// own function type before calling it.
using LibrarySymbol = void (*)();

// The file name of a library on this platform: "OVXIF" gives "OVXIF.dll" on
// Windows and "libOVXIF.so" on POSIX.
std::wstring LibraryFileName(const std::wstring& baseName);

// Opens the library; nullptr when it cannot be found or loaded.
LibraryHandle OpenLibrary(const std::wstring& fileName);

// The entry point of that name; nullptr when the library lacks it.
LibrarySymbol FindLibrarySymbol(LibraryHandle library, const char* name);

// Closes a library that OpenLibrary returned.
void CloseLibrary(LibraryHandle library);

// The platform's error code of the last failed open or lookup on this
// thread: GetLastError() on Windows, always 0 on POSIX (dlerror() gives only
// a text).
int LastLibraryError();

}  // namespace pf
