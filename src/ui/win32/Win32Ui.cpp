// Only Win32 code here. The Win32 backend: modal runs, message boxes, the
// wait cursor and the record of abandoned handlers.
#include "ui/win32/Win32Ui.h"


#include "common/Format.h"
#include "common/Text.h"
#include "ui/PropertySheet.h"
#include "ui/win32/Win32Module.h"
#include "ui/win32/Win32ModalDialog.h"
#include "ui/win32/Win32Sheet.h"

#include <commctrl.h>

namespace pf {
namespace {

struct IconStyle {
  MsgIcon icon;
  UINT style;
};

constexpr IconStyle kIconStyles[] = {
    {MsgIcon::None, 0},
    {MsgIcon::Error, MB_ICONERROR},
    {MsgIcon::Warning, MB_ICONWARNING},
    {MsgIcon::Question, MB_ICONQUESTION},
};

UINT MessageBoxStyle(const MessageRequest& request) {
  UINT style = request.buttons == MsgButtons::YesNo ? MB_YESNO : MB_OK;
  style |= request.defaultButton == 1 ? MB_DEFBUTTON2 : MB_DEFBUTTON1;
  for (const IconStyle& row : kIconStyles) {
    if (row.icon == request.icon) style |= row.style;
  }
  return style;
}

void Refused(const wchar_t* what, const std::wstring& reason) {
  OutputDebugStringW(Format(L"PathForge: the %s was not opened: %s\n", what, reason).c_str());
}

}  // namespace

std::wstring ReadAbandonedVariable() {
  const DWORD size = GetEnvironmentVariableW(kAbandonedVariable, nullptr, 0);
  if (size == 0) return std::wstring();
  std::wstring text(size, L'\0');
  text.resize(GetEnvironmentVariableW(kAbandonedVariable, text.data(), size));
  return text;
}

Win32Ui::Win32Ui(std::wstring messageCaption) : messageCaption_(std::move(messageCaption)) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);
}

void* Win32Ui::OwnerWindow() const { return windows_.empty() ? GetActiveWindow() : windows_.back()->Window(); }

INT_PTR Win32Ui::RunModalDialog(CDialog& dialog) {
  if (dialog.HasWindow()) return -1;
  if (!HasDialogResource(dialog.GetTemplateId())) {
    Refused(L"dialog", Format(L"there is no dialog template %u", dialog.GetTemplateId()));
    return -1;
  }
  auto* owner = static_cast<HWND>(OwnerWindow());
  Win32ModalDialog window(*this, dialog);
  if (!window.Create(owner)) {
    Refused(L"dialog", L"its window could not be made");
    return -1;
  }
  return RunModal(window, owner);
}

INT_PTR Win32Ui::RunPropertySheet(CPropertySheet& sheet) {
  if (sheet.HasWindow()) return -1;
  auto* owner = static_cast<HWND>(OwnerWindow());
  Win32Sheet window(*this, sheet);
  const std::wstring refused = window.Create(owner);
  if (!refused.empty()) {
    Refused(L"sheet", refused);
    return -1;
  }
  return RunModal(window, owner);
}

// An enabled owner is disabled for the run and enabled again before the
// window is destroyed, so that the platform gives it the activation back. A
// WM_QUIT ends the run as cancelled and is posted again for the loop outside.
INT_PTR Win32Ui::RunModal(Win32TopLevel& window, void* ownerWindow) {
  auto* owner = static_cast<HWND>(ownerWindow);
  if (owner != nullptr && !IsWindowEnabled(owner)) owner = nullptr;
  windows_.push_back(&window);
  if (owner != nullptr) EnableWindow(owner, FALSE);
  MSG msg{};
  BOOL got = TRUE;
  while (!window.IsDone()) {
    got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    if (CDialog* dialog = window.InputDialog()) Guard(L"PreTranslateMessage", [dialog] { dialog->PreTranslateMessage(); });
    if (!window.TranslateDialogMessage(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  const INT_PTR result = window.IsDone() ? window.Result() : kIdCancel;
  if (owner != nullptr) EnableWindow(owner, TRUE);
  window.Close();
  windows_.pop_back();
  if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
  return result;
}

int Win32Ui::Show(const MessageRequest& request) {
  return MessageBoxW(static_cast<HWND>(OwnerWindow()), request.text.c_str(), messageCaption_.c_str(),
                     MessageBoxStyle(request));
}

void Win32Ui::BeginWaitCursor() {
  if (waitDepth_++ == 0) cursorBeforeWait_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void Win32Ui::EndWaitCursor() {
  if (waitDepth_ == 0 || --waitDepth_ > 0) return;
  auto* before = static_cast<HCURSOR>(cursorBeforeWait_);
  SetCursor(before != nullptr ? before : LoadCursorW(nullptr, IDC_ARROW));
}

void Win32Ui::Abandon(std::wstring_view where, const char* what) noexcept {
  try {
    abandoned_.push_back({std::wstring(where), what});
    const std::wstring line = Format(L"%s: %s\n", abandoned_.back().where, ToWide(what));
    SetEnvironmentVariableW(kAbandonedVariable, (ReadAbandonedVariable() + line).c_str());
    OutputDebugStringW((L"PathForge: abandoned " + line).c_str());
  } catch (...) {
    OutputDebugStringW(L"PathForge: a handler was abandoned\n");
  }
}

}  // namespace pf
