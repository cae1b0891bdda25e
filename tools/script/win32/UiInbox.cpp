// Only Win32 code here. Calls on the UI thread (see UiInbox.h).
#include "tools/script/win32/UiInbox.h"

#include <exception>

#include "common/Text.h"

namespace pf {
namespace {

constexpr wchar_t kInboxClass[] = L"PathForgeScriptInbox";
constexpr UINT kRunCall = WM_APP + 0x51;

// Runs the call; whatever it throws becomes its failure.
void RunCall(UiCall& call) noexcept {
  try {
    try {
      call.failure = call.run();
    } catch (const std::exception& e) {
      call.failure = L"the input failed: " + ToWide(e.what());
    }
  } catch (...) {
    call.failure = L"the input failed";
  }
  call.done = true;
}

}  // namespace

UiInbox::UiInbox() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &UiInbox::Proc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kInboxClass;
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(0, kInboxClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, windowClass.hInstance, nullptr);
}

UiInbox::~UiInbox() {
  if (window_ != nullptr) DestroyWindow(window_);
}

std::shared_ptr<UiCall> UiInbox::Post(std::function<std::wstring()> run) const {
  if (window_ == nullptr) return nullptr;
  auto call = std::make_shared<UiCall>();
  call->run = std::move(run);
  auto* parcel = new std::shared_ptr<UiCall>(call);
  if (PostMessageW(window_, kRunCall, 0, reinterpret_cast<LPARAM>(parcel))) return call;
  delete parcel;
  return nullptr;
}

// The parcel is the poster's shared hold on the call, handed over with the
// message.
LRESULT CALLBACK UiInbox::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kRunCall) return DefWindowProcW(hwnd, message, wParam, lParam);
  std::unique_ptr<std::shared_ptr<UiCall>> parcel(reinterpret_cast<std::shared_ptr<UiCall>*>(lParam));
  RunCall(**parcel);
  return 0;
}

}  // namespace pf
