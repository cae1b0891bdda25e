// A scripted run of the real wizard (see ScriptedStart.h).
#include "ScriptedStart.h"

#include <exception>
#include <thread>

#include "ViewerWindow.h"
#include "common/Path.h"
#include "common/StringTable.h"
#include "common/Text.h"
#include "tools/script/ScriptRunner.h"
#include "tools/script/win32/UiInbox.h"
#include "tools/script/win32/Win32ScriptDriver.h"

#include <windows.h>

namespace pf {
namespace {

constexpr DWORD kReturnMs = 60000;   // for StartIF to return once the wizard ended

CheckCounts Sum(const CheckCounts& before, const ScriptRunner& runner) {
  return {before.passed + runner.passed(), before.failed + runner.failed()};
}

class ScriptThread {
 public:
  ScriptThread(Win32ScriptDriver& driver, ScriptRunner& runner, const std::wstring& caption, CheckCounts before,
               std::ostream& report)
      : driver_(driver), runner_(runner), caption_(caption), before_(before), report_(report),
        uiThread_(GetCurrentThreadId()),
        returned_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
  ~ScriptThread() { CloseHandle(returned_); }
  ScriptThread(const ScriptThread&) = delete;
  ScriptThread& operator=(const ScriptThread&) = delete;

  // On the script thread. Nothing leaves it.
  void Run() noexcept;
  // On the UI thread, once StartIF has returned.
  void StartReturned() { SetEvent(returned_); }

 private:
  void Drive();
  bool HasReturned() const { return WaitForSingleObject(returned_, 0) == WAIT_OBJECT_0; }
  // Ends the wizard's loop and waits for StartIF; when it does not return,
  // reports and ends the process.
  void EndWizard();

  Win32ScriptDriver& driver_;
  ScriptRunner& runner_;
  const std::wstring caption_;
  CheckCounts before_;
  std::ostream& report_;
  DWORD uiThread_;
  HANDLE returned_;
};

void ScriptThread::Run() noexcept {
  try {
    try {
      Drive();
    } catch (const std::exception& e) {
      runner_.Fail(L"the script stopped: " + ToWide(e.what()));
      EndWizard();
    }
  } catch (...) {
    EndWizard();
  }
}

void ScriptThread::Drive() {
  const std::wstring failure = driver_.WaitForWizard([this] { return HasReturned(); });
  if (!failure.empty()) {
    runner_.Fail(failure);
  } else {
    PlaceViewerBesideWizard(caption_);
    while (runner_.RunToNextStep() && driver_.WizardOpen() && !driver_.stuck()) {
    }
    if (!driver_.stuck() && driver_.WizardOpen()) runner_.Fail(L"the script ended while the wizard was still open");
  }
  EndWizard();
  runner_.RunRest();
}

void ScriptThread::EndWizard() {
  if (HasReturned()) return;
  if (driver_.WizardOpen() || driver_.stuck()) PostThreadMessageW(uiThread_, WM_QUIT, 0, 0);
  if (WaitForSingleObject(returned_, kReturnMs) == WAIT_OBJECT_0) return;
  runner_.Fail(L"StartIF did not return after the wizard was ended: the host ends");
  PrintCounts(Sum(before_, runner_), report_);
  report_.flush();
  TerminateProcess(GetCurrentProcess(), 1);
}

}  // namespace

void PrintCounts(const CheckCounts& counts, std::ostream& out) {
  out << counts.passed << " passed, " << counts.failed << " failed\n";
}

CheckCounts RunScriptedStart(const PluginModule& plugin, const Script& script, const ScriptedStartOptions& options,
                             CheckCounts before, std::ostream& report) {
  const UiInbox inbox;
  const std::wstring caption = LoadResString(kWizardCaption);
  Win32ScriptDriver driver(inbox, caption, options.shotFolder);
  ScriptRunner runner(script, driver, GetAppDataFolder(), options.scriptFolder, report);
  runner.SetStepObserver([&driver, &options](const ScriptCommand& command) {
    if (options.paceMs > 0) Sleep(static_cast<DWORD>(options.paceMs));
    if (IsScriptNavigation(command.op)) driver.ShootPage();
  });
  ScriptThread scriptThread(driver, runner, caption, before, report);
  std::thread thread([&scriptThread] { scriptThread.Run(); });
  plugin.StartIF();
  scriptThread.StartReturned();
  thread.join();
  return Sum(before, runner);
}

}  // namespace pf
