// `pathforge wizard` natively: the plug-in shares this program's headless
// toolkit (see WizardCommand.h). Only POSIX code here: the simulated NC
// library's machine is chosen through the environment, which the simulator
// reads when the plug-in loads it.
#include "WizardCommand.h"

#include <stdlib.h>

#include <filesystem>

#include "common/Format.h"
#include "common/Path.h"
#include "common/Text.h"
#include "host/DemoScript.h"
#include "host/PagePrinter.h"
#include "host/ScriptedWizard.h"
#include "tools/script/Script.h"
#include "tools/shared/FsPath.h"
#include "tools/shared/PluginModule.h"

namespace pf {
namespace {

struct WizardOptions {
  std::string machine;
  std::string script;
};

bool ReadOptions(const std::vector<std::string>& args, WizardOptions& options) {
  for (std::size_t i = 0; i < args.size(); i += 2) {
    if (i + 1 == args.size()) return false;
    if (args[i] == "--machine") {
      options.machine = args[i + 1];
    } else if (args[i] == "--script") {
      options.script = args[i + 1];
    } else {
      return false;
    }
  }
  return true;
}

// The script of the file, or the built-in demo; its folder for same-as files.
bool LoadScript(const std::string& path, Script& script, std::wstring& folder, std::wstring& error) {
  std::string bytes = kDemoScript;
  script.fileName = L"(demo)";
  if (!path.empty()) {
    script.fileName = ToWide(path);
    if (!ReadFileBytes(script.fileName, bytes)) {
      error = Format(L"%s cannot be read", script.fileName);
      return false;
    }
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    folder = parent.empty() ? L"" : FromFsPath(parent) + PathSep();
  }
  return ParseScript(bytes, script, error);
}

}  // namespace

int RunWizardCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  WizardOptions options;
  if (!ReadOptions(args, options)) {
    err << "usage: pathforge wizard [--machine FILE] [--script FILE]\n";
    return 2;
  }
  if (!options.machine.empty()) {
    setenv("OVXSIM_MACHINE", std::filesystem::absolute(options.machine).c_str(), 1);
  }
  Script script;
  std::wstring folder;
  std::wstring error;
  PluginModule plugin;
  if (!LoadScript(options.script, script, folder, error) || !plugin.Load(error)) {
    err << ToNarrow(error) << '\n';
    return 2;
  }

  const bool demo = options.script.empty();
  ScriptedWizard run(script, folder, err);
  if (demo) {
    run.runner().SetStepObserver([&](const ScriptCommand& command) {
      if (IsScriptNavigation(command.op)) PrintFrontWindow(run.ui(), out);
    });
  }
  run.Run(plugin);
  if (demo) {
    for (const MessageRecord& message : run.ui().messages())
      out << "== message " << message.stringId << ": " << ToNarrow(message.text) << '\n';
    const std::wstring data = GetAppDataFolder();
    PrintFiles(data, data + L"Program" + PathSep() + kDemoProject, out);
  }
  out << run.runner().passed() << " passed, " << run.runner().failed() << " failed\n";
  return run.runner().failed() == 0 ? 0 : 1;
}

}  // namespace pf
