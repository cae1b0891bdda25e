// wizardproof: runs the module's program wizard (CProgramSheet) on the Win32
// backend with the simulated NC library that lies beside the executable, and
// drives it with the wizard script (WizardDriver.h); exits 0 when every
// check passed.
//
//   wizardproof.exe [--shots <folder>]    (see SheetDriver.h for the screenshots)
#include <string>
#include <thread>

#include "Report.h"
#include "UiThreadCalls.h"
#include "WizardDriver.h"
#include "common/Format.h"
#include "common/Path.h"
#include "common/StringTable.h"
#include "common/Text.h"
#include "nclink/LogChannel.h"
#include "nclink/OVXIF.h"
#include "sheet/ProgramSheet.h"
#include "ui/win32/Win32Ui.h"

#include <windows.h>

namespace pf::proof {
namespace {

constexpr unsigned kWizardCaption = 14001;
constexpr unsigned kHeaderBitmap = 2501;
constexpr int32_t kPluginType = 2;

// What Finish wrote below the project folder.
constexpr const wchar_t* kWrittenFiles[] = {
    L"$1-X\\TimeConstant\\G0Pos.eia",       L"$1-X\\TimeConstant\\G0a.eia",
    L"$1-X\\TimeConstant\\G1b.eia",         L"$1-X\\TimeConstant\\G1ab.eia",
    L"$1-IJ\\LostMotion3\\InitCircle1.eia", L"$1-IJ\\LostMotion3\\Circle2.eia",
    L"Project.dat",
};

std::wstring ShotFolder(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string(argv[i]) == "--shots") return ToWide(argv[i + 1]);
  }
  return L"";
}

void CheckWrittenFiles(Report& report) {
  const std::wstring project = GetAppDataFolder() + L"Program\\Typical\\";
  for (const wchar_t* file : kWrittenFiles) {
    const std::wstring path = project + file;
    report.Check(GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES, L"Finish wrote " + std::wstring(file),
                 path);
  }
}

int Run(int argc, char** argv) {
  Report report;
  Win32Ui ui(LoadResString(kWizardCaption));
  ScopedUiBackend backend(ui);
  CLogChannel log;
  COVXIF ovxIf(log);
  ovxIf.Load();
  if (ovxIf.IsLoaded()) ovxIf.SetClosed(ovxIf.OvxNcIfInit());
  report.Check(ovxIf.IsUsable(), L"the simulated NC library beside the proof is loaded and initialised");
  {
    const UiThreadCalls calls;
    CProgramSheet sheet(kWizardCaption, 0, 0, kHeaderBitmap, ovxIf);
    const std::wstring shots = ShotFolder(argc, argv);
    const DWORD uiThread = GetCurrentThreadId();
    std::thread script([&] { RunWizardScript(report, shots, uiThread, calls, sheet); });
    sheet.Execute();
    script.join();
    report.Check(!sheet.HasWindow(), L"the wizard's window is gone");
  }
  ovxIf.Unload(kPluginType);
  CheckWrittenFiles(report);
  std::wstring abandoned;
  for (const AbandonedHandler& record : ui.abandoned()) abandoned += record.where + L"; ";
  report.Check(ui.abandoned().empty(), L"no handler was abandoned", abandoned);
  report.Note(Format(L"wizardproof: %d passed, %d failed", report.passed(), report.failed()));
  return report.failed() == 0 ? 0 : 1;
}

}  // namespace
}  // namespace pf::proof

int main(int argc, char** argv) { return pf::proof::Run(argc, argv); }
