#include "LogWindow.h"

#include "nclink/LogEndpoint.h"

namespace pf {
namespace {

constexpr wchar_t kWindowClass[] = L"PathForgeLogViewer";
constexpr int kTreeId = 1;

}  // namespace

bool LogWindow::Create(HINSTANCE instance, int show) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kWindowClass;
  if (RegisterClassExW(&windowClass) == 0) return false;
  window_ = CreateWindowExW(0, kWindowClass, kLogViewerTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 720,
                            560, nullptr, nullptr, instance, this);
  if (window_ == nullptr) return false;
  ShowWindow(window_, show);
  UpdateWindow(window_);
  return true;
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
  switch (message) {
    case WM_CREATE:
      tree_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"",
                              WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT |
                                  TVS_SHOWSELALWAYS,
                              0, 0, 0, 0, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTreeId)),
                              reinterpret_cast<CREATESTRUCTW*>(lParam)->hInstance, nullptr);
      return tree_ == nullptr ? -1 : 0;
    case WM_SIZE:
      MoveWindow(tree_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return 0;
    case WM_COPYDATA:
      Receive(*reinterpret_cast<const COPYDATASTRUCT*>(lParam));
      return TRUE;
    case WM_DESTROY:
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void LogWindow::Receive(const COPYDATASTRUCT& data) {
  LogRecord record;
  record.type = static_cast<uint32_t>(data.dwData);
  if (data.lpData != nullptr) record.payload.assign(static_cast<const char*>(data.lpData), data.cbData);
  for (const LogEntry& entry : viewer_.Receive(record)) Insert(entry);
}

void LogWindow::Insert(const LogEntry& entry) {
  const auto depth = static_cast<std::size_t>(entry.depth);
  HTREEITEM parent = depth == 0 ? TVI_ROOT : lastAtDepth_.at(depth - 1);
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  std::wstring text = entry.text;
  insert.item.pszText = text.data();
  const auto item =
      reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  lastAtDepth_.resize(depth + 1);
  lastAtDepth_[depth] = item;
  if (parent != TVI_ROOT) SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
  SendMessageW(tree_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
}

}  // namespace pf
