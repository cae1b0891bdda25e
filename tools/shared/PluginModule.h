// The plug-in as a host loads it: by its file name "40.PathForge.pin"
// through the platform's ordinary search (natively the program's run path,
// then LD_LIBRARY_PATH), with its sixteen exports looked up by name.
#pragma once

#include <cstdint>
#include <string>

#include "nclink/DynamicLibrary.h"
#include "plugin/PluginFileName.h"

namespace pf {

// The exports a host calls, in the order of the module's export table.
inline constexpr const char* kPluginExports[] = {
    "GetPluginNameIF", "StartIF",       "GetGlobalInfoIF",  "SetGlobalInfoIF",    "GetGraphInfoIF",
    "SetGraphInfoIF",  "GetTextInfoIF", "SetTextInfoIF",    "RedrawGraphIF",      "RedrawTextIF",
    "ClearGraphIF",    "ClearTextDataIF", "SwapGraphDataIF", "GetGraphInfoSizeIF", "GetUserLevelIF",
    "GetDrawGraphPtrIF",
};

class PluginModule {
 public:
  PluginModule() = default;
  // Closes the module.
  ~PluginModule();
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;

  // Loads the module (`file`: by default the plug-in's file name, found by
  // the platform's search) and looks up every export. False, with the
  // reason, when it cannot be loaded or lacks an export (the module is then
  // closed).
  bool Load(std::wstring& error, const std::wstring& file = kPluginFileName);

  // An export as its own function type: Export<void (*)()>("StartIF").
  // Null when the module is not loaded or lacks it.
  template <class Fn>
  Fn Export(const char* name) const {
    return library_ == nullptr ? nullptr : reinterpret_cast<Fn>(FindLibrarySymbol(library_, name));
  }

  // Opens the NC interface, runs the wizard modally, closes the interface.
  void StartIF() const { Export<void (*)()>("StartIF")(); }

 private:
  LibraryHandle library_ = nullptr;
};

}  // namespace pf
