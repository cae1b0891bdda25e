// The log viewer as a window on Windows. One runs at a time: a second start
// brings the running viewer to the front, hands it the recording of
// --replay, and ends. Only Win32 code here.
#include <windows.h>

#include <string>
#include <vector>

#include "LogWindow.h"
#include "RecordReceiver.h"
#include "ViewerOptions.h"
#include "nclink/LogProtocol.h"
#include "tools/shared/win32/CommandLine.h"

namespace {

constexpr wchar_t kRunningMutex[] = L"PathForgeLogViewer";
constexpr DWORD kWaitForRunningMs = 5000;

void Complain(const std::wstring& text) {
  MessageBoxW(nullptr, text.c_str(), pf::kViewerWindowTitle, MB_OK | MB_ICONERROR);
}

std::wstring FullPath(const std::wstring& path) {
  wchar_t full[MAX_PATH * 4] = L"";
  const DWORD length = GetFullPathNameW(path.c_str(), sizeof full / sizeof full[0], full, nullptr);
  return length != 0 && length < sizeof full / sizeof full[0] ? std::wstring(full) : path;
}

// Brings the running viewer to the front and hands it the recording to open.
int HandOver(const pf::ViewerOptions& options) {
  HWND running = nullptr;
  for (DWORD waited = 0;
       (running = FindWindowW(pf::kReceiverClass, pf::kLogViewerTitle)) == nullptr && waited < kWaitForRunningMs;
       waited += 100) {
    Sleep(100);
  }
  if (running == nullptr) {
    Complain(L"Another log viewer is starting. Try again in a moment.");
    return 1;
  }
  DWORD process = 0;
  GetWindowThreadProcessId(running, &process);
  AllowSetForegroundWindow(process);
  const std::wstring path = options.replayPath.empty() ? std::wstring() : FullPath(options.replayPath);
  COPYDATASTRUCT request{pf::kViewerRequest, static_cast<DWORD>(path.size() * sizeof(wchar_t)),
                         const_cast<wchar_t*>(path.data())};
  SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request), SMTO_ABORTIFHUNG, 5000, nullptr);
  if (!options.recordPath.empty() || !options.savePath.empty() || !options.filter.empty() || options.history != 0) {
    Complain(
        L"A log viewer is running already and was brought to the front. --record, --save, --filter and "
        L"--history take effect only when the viewer starts.");
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nShowCmd) {
  pf::ViewerOptions options;
  std::wstring usageError;
  if (pf::ParseViewerOptions(pf::CommandLineArguments(), options, usageError) && options.once) {
    usageError = L"--once is for the terminal viewer: the window runs until it is closed.";
  }
  if (!usageError.empty()) {
    Complain(usageError + L"\n" + pf::kViewerUsage);
    return 2;
  }
  CreateMutexW(nullptr, FALSE, kRunningMutex);
  if (GetLastError() == ERROR_ALREADY_EXISTS) return HandOver(options);
  pf::LogWindow window;
  if (!window.Create(hInstance, nShowCmd, options)) return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.TakeMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
