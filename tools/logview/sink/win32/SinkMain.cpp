// A do-nothing log receiver, the yardstick of the viewer's speed: a window
// with the viewer's title that takes every copy-data message and returns
// TRUE at once. Only Win32 code here.
#include <windows.h>

#include "nclink/LogProtocol.h"

namespace {

LRESULT CALLBACK SinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COPYDATA:
      return TRUE;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nShowCmd) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = SinkProc;
  windowClass.hInstance = hInstance;
  windowClass.lpszClassName = L"PathForgeLogSink";
  if (RegisterClassW(&windowClass) == 0) return 1;
  const HWND window = CreateWindowW(windowClass.lpszClassName, pf::kLogViewerTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                    CW_USEDEFAULT, 320, 120, nullptr, nullptr, hInstance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, nShowCmd);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
