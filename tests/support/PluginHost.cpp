// The tests' host of the plug-in (see PluginHost.h).
#include "PluginHost.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "common/Text.h"
#include "host/ScriptedWizard.h"

namespace pf::test {
namespace {

// The runtime folder the module looks for its log viewer in, for the life
// of the program: a viewer's own folder, or an empty one of its own.
struct RuntimeFolder {
  explicit RuntimeFolder(const std::string& viewerFolder) : path(viewerFolder) {
    char name[] = "/tmp/pf-runtime-XXXXXX";
    if (path.empty() && mkdtemp(name) != nullptr) path = owned = name;
    setenv("XDG_RUNTIME_DIR", path.c_str(), 1);
  }
  ~RuntimeFolder() {
    std::error_code ignored;
    if (!owned.empty()) std::filesystem::remove_all(owned, ignored);
  }
  std::string path, owned;
};

}  // namespace

const PluginModule* LoadedPlugin(const std::string& viewerFolder) {
  static RuntimeFolder runtime(viewerFolder);
  static std::unique_ptr<PluginModule> plugin;
  static std::wstring error;
  if (!plugin) {
    plugin = std::make_unique<PluginModule>();
    if (!plugin->Load(error)) plugin.reset();
  }
  if (!plugin) ADD_FAILURE() << ToNarrow(error);
  return plugin.get();
}

ScriptOutcome RunScript(const PluginModule& plugin, const Script& script, const std::wstring& scriptFolder) {
  std::ostringstream report;
  ScriptedWizard run(script, scriptFolder, report);
  run.Run(plugin);
  return {run.runner().passed(), run.runner().failed(), report.str()};
}

}  // namespace pf::test
