#include "LogWindow.h"

#include <algorithm>
#include <filesystem>
#include <string>

#include "FileChooser.h"
#include "LogText.h"
#include "ViewerCommands.h"
#include "ViewerMenus.h"
#include "common/Format.h"
#include "common/Path.h"
#include "common/Text.h"

namespace pf {

const wchar_t kViewerWindowTitle[] = L"Drive Composer log viewer " PATHFORGE_VERSION;

namespace {

constexpr int kListId = 1;
constexpr int kFilterId = 2;
constexpr int kHighlightId = 3;
constexpr UINT kRecordsWaiting = WM_APP + 1;
constexpr UINT_PTR kDrainTimer = 1;
// Records are shown soon after they begin to come, then at most twice a
// second while they keep coming: drawing costs the machine more than taking
// the records does, and the module shares it.
constexpr UINT kFirstDrainMs = 50;
constexpr UINT kDrainEveryMs = 500;
constexpr UINT_PTR kFilterTimer = 2;
constexpr UINT kFilterMs = 300;  // typing in a box redraws once it pauses
constexpr int kWidth = 860;      // the window's first size, at 96 DPI
constexpr int kHeight = 560;

std::wstring TextOf(HWND control) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring RequestedPath(const LogRecord& request) {
  return std::wstring(reinterpret_cast<const wchar_t*>(request.payload.data()), request.payload.size() / 2);
}

// The keys an edit box takes for itself (copy, cut, paste, undo, select all).
bool EditingKey(const MSG& message) {
  const bool control = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
  return message.message == WM_KEYDOWN && control &&
         std::wstring(L"ACVXZ").find(static_cast<wchar_t>(message.wParam)) != std::wstring::npos;
}

}  // namespace

LogWindow::LogWindow()
    : viewer_(nullptr),
      view_(viewer_.book()),
      list_(view_),
      sessions_(viewer_),
      findBox_(view_, list_) {}

bool LogWindow::Create(HINSTANCE instance, int show, const ViewerOptions& options) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kViewerWindowClass;
  if (RegisterClassExW(&windowClass) == 0) return false;
  keys_ = MakeViewerKeys();
  settings_ = LoadViewerSettings();
  viewer_.book().SetHistory(options.history != 0 ? options.history : kDefaultHistory);
  const int dpi = WindowDpi(nullptr);
  window_ = CreateWindowExW(0, kViewerWindowClass, kViewerWindowTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                            CW_USEDEFAULT, CW_USEDEFAULT, MulDiv(kWidth, dpi, 96), MulDiv(kHeight, dpi, 96), nullptr,
                            MakeViewerMenuBar(), instance, this);
  if (window_ == nullptr || !receiver_.Start(window_, kRecordsWaiting)) {
    Complain(L"Cannot create the window");
    return false;
  }
  if (!options.savePath.empty()) {
    textFile_.open(std::filesystem::path(options.savePath), std::ios::binary | std::ios::trunc);
    if (!textFile_) {
      Complain(L"Cannot write " + options.savePath);
      return false;
    }
  }
  if (!options.recordPath.empty() && !StartRecording(options.recordPath)) return false;
  SetWindowTextW(filterEdit_, options.filter.c_str());
  ApplyFilter();
  SetOnTop(settings_.onTop);
  ShowWindow(window_, show);
  UpdateWindow(window_);
  if (!options.replayPath.empty()) OpenRecording(options.replayPath);
  return true;
}

bool LogWindow::TakeMessage(MSG& message) {
  if (findBox_.TakeMessage(message)) return true;
  const HWND focus = GetFocus();
  if ((focus == filterEdit_ || focus == highlightEdit_) && EditingKey(message)) return false;
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
  if (findBox_.Handle(message, lParam)) return 0;
  switch (message) {
    case WM_CREATE:
      findBox_.Attach(window_);
      return CreateChildren(reinterpret_cast<CREATESTRUCTW*>(lParam)->hInstance) ? 0 : -1;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_SETFOCUS:
      SetFocus(list_.hwnd());
      return 0;
    case kRecordsWaiting:
      if (!draining_) {
        const bool streaming = NowMs() - drainedMs_ < kDrainEveryMs;
        draining_ = SetTimer(window_, kDrainTimer, streaming ? kDrainEveryMs : kFirstDrainMs, nullptr) != 0;
      }
      return 0;
    case WM_TIMER:
      KillTimer(window_, wParam);
      if (wParam == kDrainTimer) Drain();
      if (wParam == kFilterTimer) ApplyFilter();
      return 0;
    case WM_NOTIFY:
      return reinterpret_cast<NMHDR*>(lParam)->idFrom == kListId ? list_.Notify(*reinterpret_cast<NMHDR*>(lParam)) : 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == EN_CHANGE) {
        SetTimer(window_, kFilterTimer, kFilterMs, nullptr);
      } else if (lParam == 0) {
        Command(LOWORD(wParam));
      }
      return 0;
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wParam) == list_.hwnd()) ContextMenu(lParam);
      return 0;
    case WM_DPICHANGED: {
      const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
      const std::vector<int> widths = list_.Widths();
      SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
      list_.ApplyDpi(widths);
      return 0;
    }
    case WM_DESTROY:
      Drain();
      settings_.columnWidths = list_.Widths();
      SaveViewerSettings(settings_);
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

bool LogWindow::CreateChildren(HINSTANCE instance) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  font_ = CreateFontIndirectW(&metrics.lfMessageFont);
  const auto child = [&](const wchar_t* kind, const wchar_t* text, DWORD style, int id) {
    const DWORD edge = (style & ES_AUTOHSCROLL) != 0 ? WS_EX_CLIENTEDGE : 0;
    const HWND made = CreateWindowExW(edge, kind, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, window_,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    return made;
  };
  filterLabel_ = child(L"STATIC", L"Filter:", SS_RIGHT, 0);
  filterEdit_ = child(L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, kFilterId);
  highlightLabel_ = child(L"STATIC", L"Highlight:", SS_RIGHT, 0);
  highlightEdit_ = child(L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, kHighlightId);
  status_ = child(STATUSCLASSNAMEW, L"", SBARS_SIZEGRIP, 0);
  return filterEdit_ != nullptr && highlightEdit_ != nullptr && status_ != nullptr &&
         list_.Create(window_, instance, kListId, settings_.columnWidths);
}

void LogWindow::Layout() {
  RECT client{};
  GetClientRect(window_, &client);
  SendMessageW(status_, WM_SIZE, 0, 0);
  RECT status{};
  GetWindowRect(status_, &status);
  const int dpi = WindowDpi(window_);
  const int gap = MulDiv(6, dpi, 96);
  const int line = MulDiv(22, dpi, 96);
  const int label = MulDiv(64, dpi, 96);
  const int box = std::max(0, static_cast<int>(client.right - 2 * label - 4 * gap) / 2);
  MoveWindow(filterLabel_, 0, gap + line / 6, label, line, TRUE);
  MoveWindow(filterEdit_, label + gap, gap, box, line, TRUE);
  MoveWindow(highlightLabel_, label + box + 2 * gap, gap + line / 6, label, line, TRUE);
  MoveWindow(highlightEdit_, 2 * label + box + 3 * gap, gap, box, line, TRUE);
  const int top = line + 2 * gap;
  const int height = static_cast<int>(client.bottom - (status.bottom - status.top)) - top;
  MoveWindow(list_.hwnd(), 0, top, client.right, std::max(0, height), TRUE);
  if (settings_.autoScroll) list_.Refresh(0, true);
}

void LogWindow::Drain() {
  if (draining_) KillTimer(window_, kDrainTimer);
  draining_ = false;
  drainedMs_ = NowMs();
  std::vector<LogRecord> requests;
  for (Arrival& arrival : receiver_.Take()) {
    if (arrival.record.type == kViewerRequest) {
      requests.push_back(std::move(arrival.record));
    } else {
      sessions_.Receive(arrival.timeMs, arrival.record, [&] { return arrival.hosts.get(); });
    }
  }
  viewer_.FlushRecords();
  Show(view_.Update());
  for (const LogRecord& request : requests) Request(request);
}

void LogWindow::Show(std::size_t left) {
  SaveNewLines();
  list_.Refresh(left, settings_.autoScroll);
  ShowStatus();
}

void LogWindow::ShowStatus() {
  const LogBook& book = viewer_.book();
  std::wstring text =
      Format(L"%d lines, %d shown", static_cast<long long>(book.lines().size()), static_cast<long long>(view_.size()));
  text += book.dropped() == 0 ? Format(L"; history %d lines", static_cast<long long>(book.history()))
                              : Format(L"; %d oldest left the history of %d lines",
                                       static_cast<long long>(book.dropped()), static_cast<long long>(book.history()));
  text += settings_.autoScroll ? L"; auto scroll on" : L"; auto scroll off";
  if (viewer_.recording()) text += L"; recording to " + recordPath_;
  SetWindowTextW(status_, text.c_str());
}

void LogWindow::Command(int id) {
  switch (id) {
    case kCmdOpen: {
      const std::wstring path = ChooseRecordingToOpen(window_);
      if (!path.empty()) OpenRecording(path);
      break;
    }
    case kCmdRecord:
      ToggleRecording();
      break;
    case kCmdSave:
      SaveText();
      break;
    case kCmdExit:
      DestroyWindow(window_);
      break;
    case kCmdCopy:
      Copy();
      break;
    case kCmdSelectAll:
      list_.SelectAll();
      break;
    case kCmdClear:
      Clear();
      break;
    case kCmdFind:
      findBox_.Show();
      break;
    case kCmdFindNext:
      findBox_.Next();
      break;
    case kCmdFilter:
      SetFocus(filterEdit_);
      SendMessageW(filterEdit_, EM_SETSEL, 0, -1);
      break;
    case kCmdAutoScroll:
      settings_.autoScroll = !settings_.autoScroll;
      CheckMenus();
      Show(0);
      break;
    case kCmdOnTop:
      SetOnTop(!settings_.onTop);
      break;
    case kCmdAbout:
      MessageBoxW(
          window_,
          L"Drive Composer log "
          L"viewer\nPathForge"
          L" " PATHFORGE_VERSION L"\n\nShows every call that the PathForge plug-in makes to the NC-interface library.",
          L"About the log viewer", MB_OK | MB_ICONINFORMATION);
      break;
    default:
      break;
  }
}

void LogWindow::Request(const LogRecord& request) {
  if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
  SetForegroundWindow(window_);
  const std::wstring path = RequestedPath(request);
  if (!path.empty()) OpenRecording(path);
}

bool LogWindow::OpenRecording(const std::wstring& path) {
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) {
    Complain(L"Cannot read " + path);
    return false;
  }
  if (!IsRecording(bytes)) {
    Complain(path +
             L" is not a log recording (a file that File > Record to file or --record writes). Nothing was "
             L"changed.");
    return false;
  }
  Drain();
  viewer_.Note(NowMs(), Format(L"recording %s: its sessions follow as #%u on", path, viewer_.book().NextSession()));
  const bool whole = viewer_.Replay(bytes);
  viewer_.Note(NowMs(), L"end of recording " + path);
  Show(view_.Update());
  if (!whole) Complain(path + L" ends in a damaged or unfinished record; the records before it are shown.");
  return whole;
}

bool LogWindow::StartRecording(const std::wstring& path) {
  recordFile_.open(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  if (!recordFile_) {
    recordFile_.clear();
    Complain(L"Cannot write " + path);
    return false;
  }
  recordPath_ = path;
  viewer_.RecordTo(&recordFile_, NowMs());
  CheckMenus();
  ShowStatus();
  return true;
}

void LogWindow::ToggleRecording() {
  if (!viewer_.recording()) {
    const std::wstring path = ChooseRecordingToWrite(window_);
    if (!path.empty()) StartRecording(path);
    return;
  }
  Drain();
  viewer_.RecordTo(nullptr, NowMs());
  recordFile_.close();
  recordPath_.clear();
  CheckMenus();
  ShowStatus();
}

void LogWindow::SaveText() {
  const std::wstring path = ChooseTextToSave(window_);
  if (path.empty()) return;
  Drain();
  if (!WriteFileBytes(path, LinesAsText(viewer_.book().lines(), "\r\n"))) Complain(L"Cannot write " + path);
}

void LogWindow::SaveNewLines() {
  const LogBook& book = viewer_.book();
  if (!textFile_.is_open()) return;
  const uint64_t end = book.first() + book.lines().size();
  for (uint64_t number = std::max(saved_, book.first()); number < end; ++number) {
    textFile_ << ToUtf8(FormatShownLine(book.lines()[number - book.first()])) << "\r\n";
  }
  saved_ = end;
  textFile_.flush();
}

void LogWindow::Copy() {
  const std::wstring text = view_.Text(list_.Selected());
  if (text.empty() || !OpenClipboard(window_)) return;
  EmptyClipboard();
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  void* target = memory != nullptr ? GlobalLock(memory) : nullptr;
  if (target != nullptr) {
    std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<wchar_t*>(target));
    GlobalUnlock(memory);
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) GlobalFree(memory);
  }
  CloseClipboard();
}

void LogWindow::Clear() {
  Drain();
  viewer_.book().Clear();
  Show(view_.Update());
}

void LogWindow::ApplyFilter() {
  view_.SetHighlight(TextOf(highlightEdit_));
  view_.SetFilter(TextOf(filterEdit_));
  list_.Reset();
  Show(0);
}

void LogWindow::SetOnTop(bool onTop) {
  settings_.onTop = onTop;
  SetWindowPos(window_, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  CheckMenus();
}

void LogWindow::ContextMenu(LPARAM at) {
  POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
  if (at == -1) {  // from the keyboard: at the focused line
    const RECT line = list_.RowOnScreen(std::min(list_.Focused(), view_.size()));
    point = POINT{line.left, line.bottom};
  }
  const HMENU menu = MakeListContextMenu();
  SetForegroundWindow(window_);  // so that the menu closes when a click goes elsewhere
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, point.x, point.y, 0, window_, nullptr);
  DestroyMenu(menu);
}

void LogWindow::CheckMenus() {
  const HMENU menu = GetMenu(window_);
  const auto check = [&](WORD id, bool on) {
    CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
  };
  check(kCmdAutoScroll, settings_.autoScroll);
  check(kCmdOnTop, settings_.onTop);
  check(kCmdRecord, viewer_.recording());
}

void LogWindow::Complain(const std::wstring& text) const {
  MessageBoxW(window_, text.c_str(), kViewerWindowTitle, MB_OK | MB_ICONERROR);
}

}  // namespace pf
