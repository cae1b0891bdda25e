// The log viewer as a window on Windows. Only Win32 code here.
#include <windows.h>
#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "LogWindow.h"
#include "ViewerOptions.h"
#include "nclink/LogEndpoint.h"

namespace {

std::vector<std::wstring> Arguments() {
  int count = 0;
  LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; i < count; ++i) args.emplace_back(list[i]);
  LocalFree(list);
  return args;
}

void Complain(const std::wstring& text) { MessageBoxW(nullptr, text.c_str(), pf::kLogViewerTitle, MB_OK | MB_ICONERROR); }

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int nShowCmd) {
  pf::ViewerOptions options;
  std::wstring usageError;
  if (!pf::ParseViewerOptions(Arguments(), options, usageError)) {
    Complain(usageError + L"\n" + pf::kViewerUsage);
    return 2;
  }
  std::ofstream recordFile;
  if (!options.recordPath.empty()) {
    recordFile.open(std::filesystem::path(options.recordPath), std::ios::binary | std::ios::trunc);
    if (!recordFile) {
      Complain(L"Cannot write " + options.recordPath);
      return 1;
    }
  }
  pf::LogWindow window(options.recordPath.empty() ? nullptr : &recordFile);
  if (!window.Create(hInstance, nShowCmd)) {
    Complain(L"Cannot create the window");
    return 1;
  }
  if (!options.replayPath.empty()) window.OpenRecording(options.replayPath);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.TakeMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
