#include "RecordReceiver.h"

#include <algorithm>

#include "LogText.h"

namespace pf {

RecordReceiver::~RecordReceiver() {
  if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
  if (thread_.joinable()) thread_.join();
}

bool RecordReceiver::Start(HWND notify, UINT message) {
  notify_ = notify;
  message_ = message;
  const HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (ready == nullptr) return false;
  thread_ = std::thread([this, ready] { Run(ready); });
  WaitForSingleObject(ready, INFINITE);
  CloseHandle(ready);
  return window_ != nullptr;
}

void RecordReceiver::Run(HANDLE ready) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kReceiverClass;
  RegisterClassW(&windowClass);
  // Hidden but top-level (not message-only): the module finds it by its title.
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kReceiverClass, kLogViewerTitle, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            windowClass.hInstance, this);
  SetEvent(ready);
  if (window_ == nullptr) return;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
}

LRESULT CALLBACK RecordReceiver::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<RecordReceiver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_COPYDATA:
      if (self != nullptr) self->Queue(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
      return TRUE;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

void RecordReceiver::Queue(const COPYDATASTRUCT& data) {
  Arrival arrival{NowMs(), LogRecord(), {}};
  arrival.record.type = static_cast<uint32_t>(data.dwData);
  // A record above the largest payload a stream may carry is kept cut (and
  // shows as malformed), so that a recording of it replays.
  const DWORD size = std::min<DWORD>(data.cbData, kMaxLogPayload);
  if (data.lpData != nullptr) arrival.record.payload.assign(static_cast<const char*>(data.lpData), size);
  if (IsModuleLoadLine(arrival.record)) arrival.hosts = std::async(std::launch::async, FindModuleHosts);
  bool first = false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    first = queue_.empty();
    queue_.push_back(std::move(arrival));
  }
  if (first) PostMessageW(notify_, message_, 0, 0);
}

std::vector<Arrival> RecordReceiver::Take() {
  std::vector<Arrival> taken;
  std::lock_guard<std::mutex> lock(mutex_);
  taken.swap(queue_);
  return taken;
}

}  // namespace pf
