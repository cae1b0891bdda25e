// Run-time loading of libraries on Windows: LoadLibraryW and GetProcAddress.
// Only Win32 code here.
#include "nclink/DynamicLibrary.h"

#include <windows.h>

namespace pf {

std::wstring LibraryFileName(const std::wstring& baseName) { return baseName + L".dll"; }

LibraryHandle OpenLibrary(const std::wstring& fileName) { return LoadLibraryW(fileName.c_str()); }

LibrarySymbol FindLibrarySymbol(LibraryHandle library, const char* name) {
  // FARPROC to void (*)(): the one function-pointer cast that fits every type.
  return reinterpret_cast<LibrarySymbol>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void CloseLibrary(LibraryHandle library) { FreeLibrary(static_cast<HMODULE>(library)); }

int LastLibraryError() { return static_cast<int>(GetLastError()); }

}  // namespace pf
