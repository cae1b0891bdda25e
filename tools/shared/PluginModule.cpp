// Loading the plug-in (see PluginModule.h).
#include "tools/shared/PluginModule.h"

#include "common/Format.h"
#include "common/Text.h"

namespace pf {

PluginModule::~PluginModule() {
  if (library_ != nullptr) CloseLibrary(library_);
}

bool PluginModule::Load(std::wstring& error, const std::wstring& file) {
  library_ = OpenLibrary(file);
  if (library_ == nullptr) {
    error = Format(L"%s cannot be loaded", file);
    return false;
  }
  std::wstring missing;
  for (const char* name : kPluginExports) {
    if (FindLibrarySymbol(library_, name) == nullptr) missing += L" " + ToWide(name);
  }
  if (missing.empty()) return true;
  error = Format(L"%s lacks the exports%s", file, missing);
  CloseLibrary(library_);
  library_ = nullptr;
  return false;
}

}  // namespace pf
