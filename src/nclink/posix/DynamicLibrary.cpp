// Run-time loading of shared libraries on POSIX: dlopen and dlsym. Only
// POSIX code here.
#include "nclink/DynamicLibrary.h"

#include <dlfcn.h>

#include "common/Text.h"

namespace pf {

std::wstring LibraryFileName(const std::wstring& baseName) { return L"lib" + baseName + L".so"; }

LibraryHandle OpenLibrary(const std::wstring& fileName) {
  return dlopen(ToNarrow(fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
}

LibrarySymbol FindLibrarySymbol(LibraryHandle library, const char* name) {
  return reinterpret_cast<LibrarySymbol>(dlsym(library, name));
}

void CloseLibrary(LibraryHandle library) { dlclose(library); }

int LastLibraryError() { return 0; }

}  // namespace pf
