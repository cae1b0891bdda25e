// StartIF and RunWizard. The wizard runs whatever became of the NC
// interface: with the library missing, lacking an entry point or refusing
// its initialisation, every wrapper call answers -1 and the pages cope.
#include "plugin/StartSequence.h"

#include <cstdint>

#include "common/MessageSink.h"
#include "common/Path.h"
#include "plugin/Exports.h"
#include "plugin/ModuleObjects.h"
#include "plugin/PlatformUi.h"
#include "sheet/ProgramSheet.h"

namespace pf {
namespace {

constexpr unsigned kWizardCaption = 14001;  // also the plug-in's name
constexpr unsigned kFirstPage = 0;
constexpr unsigned kNoWatermark = 0;
constexpr unsigned kHeaderBitmap = 2501;
constexpr unsigned kNoDataFolder = 14066;

// The plug-in type this module reports to the library when it closes the
// interface.
constexpr int32_t kPluginType = 2;

}  // namespace

void RunWizard() {
  PlatformUi ui;  // outlives the sheet, whose windows it shows
  // Every file of the wizard lies in the data folder: without one, Finish
  // would write into whatever folder the host runs in.
  if (GetAppDataFolder().empty()) {
    ShowMessage(kNoDataFolder, MsgIcon::Error);
    return;
  }
  CProgramSheet sheet(kWizardCaption, kFirstPage, kNoWatermark, kHeaderBitmap, g_ovxIf);
  sheet.Execute();
}

}  // namespace pf

void StartIF() {
  pf::g_ovxIf.Load();
  if (pf::g_ovxIf.IsLoaded() && pf::g_ovxIf.GetClosed() != 0) {
    pf::g_ovxIf.SetClosed(pf::g_ovxIf.OvxNcIfInit());
  }
  pf::RunWizard();
  pf::g_ovxIf.Unload(pf::kPluginType);
}
