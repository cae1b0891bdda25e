// Calls on the UI thread: Win32 code of the proof.
#include "UiThreadCalls.h"

namespace pf::proof {
namespace {

constexpr wchar_t kCallsClass[] = L"PathForgeProofCalls";
constexpr UINT kRunCall = WM_APP + 1;

LRESULT CALLBACK CallsProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kRunCall) return DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    (*reinterpret_cast<const std::function<void()>*>(lParam))();
    return TRUE;
  } catch (...) {
    return FALSE;
  }
}

}  // namespace

UiThreadCalls::UiThreadCalls() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = CallsProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kCallsClass;
  RegisterClassW(&wc);
  window_ = CreateWindowExW(0, kCallsClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

UiThreadCalls::~UiThreadCalls() {
  if (window_ != nullptr) DestroyWindow(window_);
}

bool UiThreadCalls::Run(const std::function<void()>& call) const {
  return window_ != nullptr && SendMessageW(window_, kRunCall, 0, reinterpret_cast<LPARAM>(&call)) == TRUE;
}

}  // namespace pf::proof
