// uiproof: shows the wizard-97 sheet of the proof pages on the Win32 backend
// of the toolkit and drives it with the in-process script; exits 0 when
// every check passed.
//
//   uiproof.exe [--shots <folder>]    (see ScriptDriver.h for the screenshots)
#include <string>
#include <thread>

#include "ProbeControl.h"
#include "ProofSheet.h"
#include "Report.h"
#include "ScriptDriver.h"
#include "common/Format.h"
#include "common/StringTable.h"
#include "common/Text.h"
#include "ui/win32/Win32Ui.h"

#include <windows.h>

namespace pf::proof {
namespace {

std::wstring ShotFolder(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string(argv[i]) == "--shots") return ToWide(argv[i + 1]);
  }
  return L"";
}

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
  CPropertySheet plain(14001);
  plain.AddPage(&page);
  report.Check(plain.DoModal() == -1 && !page.HasWindow(), L"a sheet that is not a wizard is not opened (-1)");
}

void CheckAfterRun(const ProofSheet& sheet, INT_PTR result, const Win32Ui& ui, Report& report) {
  report.Check(result == kIdWizFinish, L"DoModal returned Finish", Format(L"%d", static_cast<long long>(result)));
  report.Check(!sheet.HasWindow() && !sheet.project.HasWindow() && !sheet.summary.HasWindow(),
               L"the sheet and its pages lost their windows");
  const auto& abandoned = ui.abandoned();
  const bool expected = abandoned.size() == 2 && abandoned[0].where == L"OnWizardNext" &&
                        abandoned[1].where == L"control 35046 notification 0";
  std::wstring seen;
  for (const AbandonedHandler& record : abandoned) seen += record.where + L"; ";
  report.Check(expected, L"exactly the two throwing handlers were abandoned", seen);
  report.Check(ui.waitDepth() == 0, L"no wait cursor is left");
}

int Run(int argc, char** argv) {
  Report report;
  Win32Ui ui(LoadResString(14001));
  ScopedUiBackend backend(ui);
  report.Check(RegisterProbeClass(), L"the probe control's class is registered");
  CheckWaitCursor(ui, report);
  CheckRefusedWindows(report);

  ProofSheet sheet;
  const std::wstring shots = ShotFolder(argc, argv);
  const DWORD uiThread = GetCurrentThreadId();
  std::thread script([&report, &shots, uiThread] { RunScript(report, shots, uiThread); });
  const INT_PTR result = sheet.DoModal();
  script.join();
  CheckAfterRun(sheet, result, ui, report);

  report.Note(Format(L"uiproof: %d passed, %d failed", report.passed(), report.failed()));
  return report.failed() == 0 ? 0 : 1;
}

}  // namespace
}  // namespace pf::proof

int main(int argc, char** argv) { return pf::proof::Run(argc, argv); }
