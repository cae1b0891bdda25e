// The plug-in as the tests' host: loaded once per test program by its bare
// name (the program's run path finds it), after XDG_RUNTIME_DIR was pointed
// at the log viewer's folder or an empty one. Scripts run through its StartIF
// on the headless toolkit.
#pragma once

#include <string>

#include "tools/script/Script.h"
#include "tools/shared/PluginModule.h"

namespace pf::test {

// The loaded plug-in; a failed load fails the calling test and gives null.
const PluginModule* LoadedPlugin(const std::string& viewerFolder = {});

struct ScriptOutcome {
  int passed = 0;
  int failed = 0;
  std::string report;  // the failures, one line each
};

// Runs the script through StartIF; same-as files are found in `scriptFolder`
// (ending in a separator).
ScriptOutcome RunScript(const PluginModule& plugin, const Script& script, const std::wstring& scriptFolder);

}  // namespace pf::test
