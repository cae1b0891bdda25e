// uiproof: proves the toolkit's Win32 backend where only real windows show
// it (the wizard's behaviour itself is proven by the end-to-end scripts on
// the same windows): the wait cursor, the windows it refuses to open, a
// throwing Next, and the module's program wizard with the simulated NC
// library beside it, driven by SheetScripts.h at the screen's DPI. Exits 0
// when every check passed.
//
//   uiproof.exe [--shots <folder>]
#include <stdexcept>
#include <string>
#include <thread>

#include "Report.h"
#include "SheetScripts.h"
#include "common/StringTable.h"
#include "common/Text.h"
#include "nclink/LogChannel.h"
#include "nclink/OVXIF.h"
#include "ui/win32/Win32Ui.h"
#include "wizard/base/WizardBaseSheet.h"

#include <windows.h>

namespace pf::proof {
namespace {

constexpr unsigned kCaption = 14001;
constexpr unsigned kHeaderBitmap = 2501;
constexpr int32_t kPluginType = 2;

class ThrowingNextPage : public CPropertyPage {
 public:
  ThrowingNextPage() : CPropertyPage(2509) {}
  BOOL OnSetActive() override {
    GetParentSheet()->PostWizardButtons(kWizNext);
    return CPropertyPage::OnSetActive();
  }
  LRESULT OnWizardNext() override { throw std::out_of_range("the proof's Next"); }
};

void CheckWaitCursor(Win32Ui& ui, Report& report) {
  HCURSOR wait = LoadCursorW(nullptr, IDC_WAIT);
  ui.BeginWaitCursor();
  ui.BeginWaitCursor();
  const bool shown = GetCursor() == wait;
  ui.EndWaitCursor();
  const bool kept = GetCursor() == wait && ui.waitDepth() == 1;
  ui.EndWaitCursor();
  report.Check(shown && kept && GetCursor() != wait && ui.waitDepth() == 0,
               L"the wait cursor nests and the last end restores the cursor");
}

void CheckRefusedWindows(Report& report) {
  CDialog missing(2599);
  report.Check(missing.DoModal() == -1, L"a dialog without a template is not opened (-1)");
  CPropertyPage page(2507);
  CPropertySheet plain(kCaption);
  plain.AddPage(&page);
  report.Check(plain.DoModal() == -1 && !page.HasWindow(), L"a sheet that is not a wizard is not opened (-1)");
}

int Run(int argc, char** argv) {
  Report report;
  Win32Ui ui(LoadResString(kCaption));
  ScopedUiBackend backend(ui);
  CheckWaitCursor(ui, report);
  CheckRefusedWindows(report);

  const UiInbox inbox;
  const std::wstring shots = argc == 3 && std::string(argv[1]) == "--shots" ? ToWide(argv[2]) : L"";
  const ScriptPlace place{report, inbox, GetCurrentThreadId(), shots};
  CLogChannel log;
  COVXIF ovxIf(log);
  ovxIf.Load();
  if (ovxIf.IsLoaded()) ovxIf.SetClosed(ovxIf.OvxNcIfInit());
  report.Check(ovxIf.IsUsable(), L"the simulated NC library beside the proof is loaded and initialised");
  {
    CProgramSheet sheet(kCaption, 0, 0, kHeaderBitmap, ovxIf);
    std::thread script([&] { RunWizardScript(place, sheet); });
    sheet.Execute();
    script.join();
  }
  ovxIf.Unload(kPluginType);
  {
    CWizardBaseSheet sheet(kCaption);
    ThrowingNextPage first;
    CPropertyPage second(2508);
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    std::thread script([&] { RunThrowingNextScript(place); });
    sheet.DoModal();
    script.join();
  }
  return report.failed() == 0 ? 0 : 1;
}

}  // namespace
}  // namespace pf::proof

int main(int argc, char** argv) { return pf::proof::Run(argc, argv); }
