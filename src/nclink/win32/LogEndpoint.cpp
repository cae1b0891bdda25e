// The log viewer's endpoint on Windows: its top-level window and the
// copy-data message. Only Win32 code here.
#include "nclink/LogEndpoint.h"

#include <windows.h>

namespace pf {
namespace {

// A frame's little-endian header field.
DWORD ReadU32(const uint8_t* bytes) {
  return static_cast<DWORD>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<DWORD>(bytes[3]) << 24);
}

}  // namespace

LogViewerHandle FindLogViewer() {
  const HWND window = FindWindowW(nullptr, kLogViewerTitle);
  return window != nullptr ? reinterpret_cast<LogViewerHandle>(window) : kNoLogViewer;
}

void SendLogFrames(LogViewerHandle viewer, const std::vector<uint8_t>& frames) {
  if (viewer == kNoLogViewer) {
    return;
  }
  // One copy-data message per frame, each sent before the next.
  for (std::size_t at = 0; frames.size() - at >= kLogFrameHeader;) {
    COPYDATASTRUCT data{};
    data.dwData = ReadU32(&frames[at]);
    data.cbData = ReadU32(&frames[at + 4]);
    data.lpData = const_cast<uint8_t*>(&frames[at + kLogFrameHeader]);
    SendMessageW(reinterpret_cast<HWND>(viewer), WM_COPYDATA, 1, reinterpret_cast<LPARAM>(&data));
    at += kLogFrameHeader + data.cbData;
  }
}

void ReleaseLogViewer(LogViewerHandle) {}

}  // namespace pf
