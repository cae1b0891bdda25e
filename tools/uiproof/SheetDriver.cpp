// What the proofs' scripts share: Win32 code that drives the wizard sheet.
#include "SheetDriver.h"

#include "common/Format.h"
#include "common/StringTable.h"

namespace pf::proof {
namespace {

constexpr int kSheetWaitMs = 30000;
constexpr int kShotWaitMs = 30000;
constexpr int kPollMs = 50;
constexpr int kPaintMs = 600;
constexpr unsigned kWizardCaption = 14001;

}  // namespace

SheetDriver::SheetDriver(Report& report, std::wstring shotFolder, DWORD uiThread)
    : report_(report), shotFolder_(std::move(shotFolder)), uiThread_(uiThread), caption_(LoadResString(kWizardCaption)) {}

void SheetDriver::RunSteps(std::initializer_list<Step> steps) {
  for (const Step& step : steps) {
    if (step.run()) continue;
    Check(false, L"the script went on", Format(L"stopped at %s", step.name));
    PostThreadMessageW(uiThread_, WM_QUIT, 0, 0);
    return;
  }
}

bool SheetDriver::FindSheet() {
  return Expect(
      [&] {
        sheet_ = FindWindowW(L"#32770", caption_.c_str());
        return Shown(sheet_) && Page() != nullptr;
      },
      L"the wizard sheet is shown with its caption as title", kSheetWaitMs);
}

bool SheetDriver::Expect(const std::function<bool()>& condition, const std::wstring& what, int ms) {
  for (int waited = 0; !condition(); waited += kPollMs) {
    if (waited >= ms) return Check(false, what, Format(L"not so after %d ms", ms));
    Pause(kPollMs);
  }
  return Check(true, what);
}

void SheetDriver::Command(int id, WORD code) {
  Send(Page(), WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
}

void SheetDriver::TypeIntoCombo(int id, const std::wstring& text) {
  SetText(Item(id), text);
  Command(id, CBN_EDITCHANGE);
}

void SheetDriver::Pick(int id, UINT setMessage, WORD code, int index) {
  Send(Item(id), setMessage, static_cast<WPARAM>(index));
  Command(id, code);
}

void SheetDriver::Focus(int id) {
  Send(Page(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(id)), TRUE);
  PostMessageW(sheet_, WM_NULL, 0, 0);
}

bool SheetDriver::Snapshot(const std::wstring& name) {
  if (shotFolder_.empty()) return true;
  Pause(kPaintMs);
  const std::wstring marker = shotFolder_ + L"\\" + name + L".wanted";
  HANDLE file = CreateFileW(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Check(false, L"screenshot " + name, L"cannot write " + marker);
  CloseHandle(file);
  return Expect([&] { return GetFileAttributesW(marker.c_str()) == INVALID_FILE_ATTRIBUTES; }, L"screenshot " + name,
                kShotWaitMs);
}

}  // namespace pf::proof
