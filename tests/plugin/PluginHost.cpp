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
class RuntimeFolder {
 public:
  explicit RuntimeFolder(const std::string& viewerFolder) : path_(viewerFolder), owned_(viewerFolder.empty()) {
    char name[] = "/tmp/pf-runtime-XXXXXX";
    if (owned_ && mkdtemp(name) != nullptr) path_ = name;
    setenv("XDG_RUNTIME_DIR", path_.c_str(), 1);
  }
  ~RuntimeFolder() {
    std::error_code ignored;
    if (owned_) std::filesystem::remove_all(path_, ignored);
  }
  RuntimeFolder(const RuntimeFolder&) = delete;
  RuntimeFolder& operator=(const RuntimeFolder&) = delete;

 private:
  std::string path_;
  bool owned_;
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

ScriptOutcome RunScriptText(const PluginModule& plugin, const std::string& text) {
  Script script;
  script.fileName = L"inline.script";
  std::wstring error;
  if (!ParseScript(text, script, error)) {
    ADD_FAILURE() << ToNarrow(error);
    return {};
  }
  return RunScript(plugin, script, L"");
}

}  // namespace pf::test
