// The log viewer's endpoint on Windows: its top-level window and the
// copy-data message. Only Win32 code here.
#include "nclink/LogEndpoint.h"

#include <windows.h>

namespace pf {

LogViewerHandle FindLogViewer() {
  const HWND window = FindWindowW(nullptr, kLogViewerTitle);
  return window != nullptr ? reinterpret_cast<LogViewerHandle>(window) : kNoLogViewer;
}

void SendLogRecord(LogViewerHandle viewer, uint32_t type, const std::vector<uint8_t>& payload) {
  if (viewer == kNoLogViewer) {
    return;
  }
  COPYDATASTRUCT data{};
  data.dwData = type;
  data.cbData = static_cast<DWORD>(payload.size());
  data.lpData = const_cast<uint8_t*>(payload.data());
  SendMessageW(reinterpret_cast<HWND>(viewer), WM_COPYDATA, 1, reinterpret_cast<LPARAM>(&data));
}

void ReleaseLogViewer(LogViewerHandle) {}

}  // namespace pf
