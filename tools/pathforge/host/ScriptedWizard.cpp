// A scripted run of the plug-in's wizard (see ScriptedWizard.h).
#include "ScriptedWizard.h"

#include "common/Path.h"
#include "ui/UiBackend.h"

namespace pf {

ScriptedWizard::ScriptedWizard(const Script& script, const std::wstring& scriptFolder, std::ostream& report)
    : runner_(script, driver_, GetAppDataFolder(), scriptFolder, report) {}

void ScriptedWizard::Run(const PluginModule& plugin) {
  ScopedUiBackend backend(ui_);
  ui_.SetInputSource(&input_);
  plugin.StartIF();
  ui_.SetInputSource(nullptr);
  runner_.RunRest();
}

}  // namespace pf
