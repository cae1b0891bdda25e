#include "LogWindow.h"

#include <string>

#include "FileChooser.h"
#include "LogText.h"
#include "ModuleProcess.h"
#include "common/Path.h"
#include "nclink/LogProtocol.h"

namespace pf {
namespace {

constexpr wchar_t kWindowClass[] = L"PathForgeLogViewer";
constexpr int kListId = 1;
constexpr UINT_PTR kDrainTimer = 1;
constexpr UINT kDrainMs = 200;

enum CommandId : int { kOpen = 100, kSave, kExit, kFind, kFindNext };

// The menu and its keys, one row per command.
struct CommandRow {
  int menu;  // 0 File, 1 Edit
  int id;
  const wchar_t* text;
  BYTE keyFlags;  // 0: no key
  WORD key;
};

constexpr CommandRow kCommands[] = {
    {0, kOpen, L"&Open recording...\tCtrl+O", FCONTROL | FVIRTKEY, 'O'},
    {0, kSave, L"&Save as text...\tCtrl+S", FCONTROL | FVIRTKEY, 'S'},
    {0, kExit, L"E&xit", 0, 0},
    {1, kFind, L"&Find...\tCtrl+F", FCONTROL | FVIRTKEY, 'F'},
    {1, kFindNext, L"Find &next\tF3", FVIRTKEY, VK_F3},
};

constexpr const wchar_t* kMenus[] = {L"&File", L"&Edit"};

HMENU MakeMenu() {
  HMENU bar = CreateMenu();
  for (int menu = 0; menu < 2; ++menu) {
    HMENU popup = CreatePopupMenu();
    for (const CommandRow& row : kCommands) {
      if (row.menu == menu) AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(row.id), row.text);
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), kMenus[menu]);
  }
  return bar;
}

HACCEL MakeKeys() {
  std::vector<ACCEL> keys;
  for (const CommandRow& row : kCommands) {
    if (row.keyFlags != 0) keys.push_back(ACCEL{row.keyFlags, row.key, static_cast<WORD>(row.id)});
  }
  return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

}  // namespace

bool LogWindow::Create(HINSTANCE instance, int show) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kWindowClass;
  if (RegisterClassExW(&windowClass) == 0) return false;
  findMessage_ = RegisterWindowMessageW(FINDMSGSTRINGW);
  keys_ = MakeKeys();
  window_ = CreateWindowExW(0, kWindowClass, kLogViewerTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 820,
                            560, nullptr, MakeMenu(), instance, this);
  if (window_ == nullptr) return false;
  ShowWindow(window_, show);
  UpdateWindow(window_);
  return true;
}

bool LogWindow::TakeMessage(MSG& message) {
  if (findDialog_ != nullptr && IsDialogMessageW(findDialog_, &message)) return true;
  return TranslateAcceleratorW(window_, keys_, &message) != 0;
}

LRESULT CALLBACK LogWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<LogWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<LogWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return self == nullptr ? DefWindowProcW(window, message, wParam, lParam) : self->Handle(message, wParam, lParam);
}

LRESULT LogWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == findMessage_ && findMessage_ != 0) {
    const auto& find = *reinterpret_cast<const FINDREPLACEW*>(lParam);
    if ((find.Flags & FR_DIALOGTERM) != 0) findDialog_ = nullptr;
    if ((find.Flags & FR_FINDNEXT) != 0) FindNext((find.Flags & FR_DOWN) != 0);
    return 0;
  }
  switch (message) {
    case WM_CREATE:
      return list_.Create(window_, reinterpret_cast<CREATESTRUCTW*>(lParam)->hInstance, kListId) ? 0 : -1;
    case WM_SIZE:
      list_.Resize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_SETFOCUS:
      SetFocus(list_.hwnd());
      return 0;
    case WM_COPYDATA:
      Receive(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
      return TRUE;
    case WM_TIMER:
      if (wParam == kDrainTimer) Drain();
      return 0;
    case WM_NOTIFY:
      return list_.Notify(*reinterpret_cast<NMHDR*>(lParam));
    case WM_COMMAND:
      Command(LOWORD(wParam));
      return 0;
    case WM_DESTROY:
      Drain();
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void LogWindow::Receive(const COPYDATASTRUCT& data) {
  Pending pending{NowMs(), LogRecord(), false, 0};
  pending.record.type = static_cast<uint32_t>(data.dwData);
  if (data.lpData != nullptr) pending.record.payload.assign(static_cast<const char*>(data.lpData), data.cbData);
  if (IsModuleLoadLine(pending.record)) {
    pending.startsSession = true;
    pending.process = FindModuleProcess(named_);
    named_.insert(pending.process);
  }
  queue_.push_back(std::move(pending));
  if (!draining_) draining_ = SetTimer(window_, kDrainTimer, kDrainMs, nullptr) != 0;
}

void LogWindow::Drain() {
  if (draining_) KillTimer(window_, kDrainTimer);
  draining_ = false;
  for (const Pending& pending : queue_) {
    if (pending.startsSession || session_ == 0) {
      ++session_;
      viewer_.StartSession(session_, pending.process, pending.timeMs);
    }
    viewer_.Receive(session_, pending.timeMs, pending.record);
  }
  queue_.clear();
  viewer_.FlushRecords();
  list_.Refresh();
}

void LogWindow::Command(int id) {
  switch (id) {
    case kOpen: {
      const std::wstring path = ChooseRecordingToOpen(window_);
      if (!path.empty()) OpenRecording(path);
      break;
    }
    case kSave:
      SaveText();
      break;
    case kExit:
      DestroyWindow(window_);
      break;
    case kFind:
      ShowFind();
      break;
    case kFindNext:
      if (findText_[0] == 0) {
        ShowFind();
      } else {
        FindNext(true);
      }
      break;
    default:
      break;
  }
}

bool LogWindow::OpenRecording(const std::wstring& path) {
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) {
    Complain(L"Cannot read " + path);
    return false;
  }
  Drain();
  viewer_.book().Clear();
  const bool whole = viewer_.Replay(bytes);
  list_.Refresh();
  if (!whole) Complain(path + L" ends in a damaged or unfinished record; the records before it are shown.");
  return whole;
}

void LogWindow::SaveText() {
  const std::wstring path = ChooseTextToSave(window_);
  if (path.empty()) return;
  Drain();
  if (!WriteFileBytes(path, LinesAsText(viewer_.book().lines(), "\r\n"))) Complain(L"Cannot write " + path);
}

void LogWindow::ShowFind() {
  if (findDialog_ != nullptr) {
    SetFocus(findDialog_);
    return;
  }
  find_ = FINDREPLACEW{};
  find_.lStructSize = sizeof find_;
  find_.hwndOwner = window_;
  find_.lpstrFindWhat = findText_;
  find_.wFindWhatLen = sizeof findText_ / sizeof findText_[0];
  find_.Flags = FR_DOWN | FR_HIDEMATCHCASE | FR_HIDEWHOLEWORD;
  findDialog_ = FindTextW(&find_);
}

void LogWindow::FindNext(bool down) {
  const std::size_t found = viewer_.book().Find(findText_, list_.Selected(), down);
  if (found == std::wstring::npos) {
    MessageBeep(MB_ICONINFORMATION);
    return;
  }
  list_.Select(found);
}

void LogWindow::Complain(const std::wstring& text) const {
  MessageBoxW(window_, text.c_str(), kLogViewerTitle, MB_OK | MB_ICONERROR);
}

}  // namespace pf
