// Only Win32 code here. The grid's window (see GridWindow.h).
#include "graph/win32/GridWindow.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "res/controls.h"
#include "ui/win32/Win32Module.h"

#include <commctrl.h>
#include <windowsx.h>

namespace pf {
namespace {

// The cell formats are the platform's text-drawing flags.
static_assert(kDtCenter == DT_CENTER && kDtRight == DT_RIGHT && kDtVCenter == DT_VCENTER);
constexpr unsigned kFormatMask = kDtCenter | kDtRight | kDtVCenter;

constexpr UINT_PTR kEditorSubclass = 1;
constexpr int kTextMargin = 3;   // between a cell's lines and its text
constexpr int kRowPadding = 3;   // above and below the text of a row

struct ArrowKey {
  WPARAM key;
  int rowStep;
  int columnStep;
};
constexpr ArrowKey kArrowKeys[] = {
    {VK_LEFT, 0, -1}, {VK_RIGHT, 0, 1}, {VK_UP, -1, 0}, {VK_DOWN, 1, 0},
};

RECT ToRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

bool IsEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

void FillColor(HDC dc, const RECT& rect, int color) { FillRect(dc, &rect, GetSysColorBrush(color)); }

// A line through the points, one pixel wide, in a system colour.
void Lines(HDC dc, int color, std::initializer_list<POINT> points) {
  HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(color));
  HGDIOBJ before = SelectObject(dc, pen);
  Polyline(dc, points.begin(), static_cast<int>(points.size()));
  SelectObject(dc, before);
  DeleteObject(pen);
}

bool IsEndEditKey(WPARAM key) { return key == VK_RETURN || key == VK_ESCAPE; }

// The dialog manager keeps Enter (the default button) and Escape (Cancel)
// for itself unless the focused control asks for them.
bool AsksFor(const MSG* msg, bool (*wanted)(WPARAM)) {
  return msg != nullptr && msg->message == WM_KEYDOWN && wanted(msg->wParam);
}

}  // namespace

GridWindow::GridWindow(HWND hwnd, CGridCtrl& grid)
    : hwnd_(hwnd), grid_(&grid), gridEx_(dynamic_cast<CGridCtrlEx*>(&grid)) {
  grid.SetView(this);
  MeasureRows();
}

GridWindow* GridWindow::Create(HWND hwnd, const CREATESTRUCTW& create) {
  auto* grid = dynamic_cast<CGridCtrl*>(static_cast<CChildControl*>(create.lpCreateParams));
  return grid == nullptr ? nullptr : new GridWindow(hwnd, *grid);
}

LRESULT CALLBACK GridWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    if (message == WM_NCCREATE) {
      GridWindow* made = Create(hwnd, *reinterpret_cast<const CREATESTRUCTW*>(lParam));
      if (made == nullptr) return FALSE;
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(made));
    }
    auto* self = reinterpret_cast<GridWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      self->Destroyed();
      delete self;
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
  } catch (...) {
    OutputDebugStringW(L"PathForge: the grid window dropped a message that failed\n");
    return 0;
  }
}

LRESULT CALLBACK GridWindow::EditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self) {
  try {
    return reinterpret_cast<GridWindow*>(self)->HandleEditor(editor, message, wParam, lParam);
  } catch (...) {
    OutputDebugStringW(L"PathForge: the grid's editor dropped a message that failed\n");
    return 0;
  }
}

void GridWindow::Destroyed() {
  if (grid_ != nullptr) grid_->SetView(nullptr);
}

void GridWindow::OnGridChanged() {
  UpdateScrollBar();
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void GridWindow::OnGridGone() {
  grid_ = nullptr;
  gridEx_ = nullptr;
  EndEdit(false, GetFocus() == editor_);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

LRESULT GridWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd_, &ps);
      Paint(dc);
      EndPaint(hwnd_, &ps);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      MeasureRows();
      UpdateScrollBar();
      if (LOWORD(lParam) != 0) InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SIZE:
      UpdateScrollBar();
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_SETFOCUS:
      if (grid_ != nullptr && grid_->GetFocusRow() < 0) MoveFocus(0, 0);
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_KILLFOCUS:
    case WM_ENABLE:
      InvalidateRect(hwnd_, nullptr, FALSE);
      return 0;
    case WM_GETDLGCODE:
      return DialogCode(reinterpret_cast<const MSG*>(lParam));
    case WM_LBUTTONDOWN:
      OnLButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_KEYDOWN:
      if (OnKeyDown(wParam)) return 0;
      break;
    case WM_CHAR:
      OnChar(wParam, lParam);
      return 0;
    case WM_VSCROLL:
      OnVScroll(LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      ScrollTo(topRow_ - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
      return 0;
    case WM_COMMAND:
      // The editor lost the focus to another window: the edit ends there.
      if (editor_ != nullptr && reinterpret_cast<HWND>(lParam) == editor_ && HIWORD(wParam) == EN_KILLFOCUS) {
        EndEdit(true, false);
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT GridWindow::HandleEditor(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE: {
      LRESULT code = DefSubclassProc(editor, message, wParam, lParam);
      if (AsksFor(reinterpret_cast<const MSG*>(lParam), IsEndEditKey)) code |= DLGC_WANTMESSAGE;
      return code;
    }
    case WM_KEYDOWN:
      if (editor == editor_ && IsEndEditKey(wParam)) {
        EndEdit(wParam == VK_RETURN, true);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == L'\r' || wParam == 0x1B) return 0;   // already taken as keys
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(editor, EditorProc, kEditorSubclass);
      break;
    default:
      break;
  }
  return DefSubclassProc(editor, message, wParam, lParam);
}

// ---- rows and scrolling

void GridWindow::MeasureRows() {
  HDC dc = GetDC(hwnd_);
  HGDIOBJ before = SelectObject(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, before);
  ReleaseDC(hwnd_, dc);
  rowHeight_ = metrics.tmHeight + metrics.tmExternalLeading + 2 * kRowPadding + 1;
}

int GridWindow::PageRows() const {
  RECT client;
  GetClientRect(hwnd_, &client);
  return Layout().PageRows(client.bottom);
}

// The platform shows the scroll bar exactly while the rows overflow the page.
void GridWindow::UpdateScrollBar() {
  if (grid_ == nullptr) return;
  const int page = PageRows();
  topRow_ = std::min(Layout().TopRow(), Layout().LastTopRow(page));
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = grid_->GetFixedRowCount();
  info.nMax = grid_->GetRowCount() - 1;
  info.nPage = static_cast<UINT>(page);
  info.nPos = topRow_;
  SetScrollInfo(hwnd_, SB_VERT, &info, TRUE);
}

void GridWindow::ScrollTo(int topRow) {
  if (grid_ == nullptr) return;
  const int top = std::clamp(topRow, grid_->GetFixedRowCount(), Layout().LastTopRow(PageRows()));
  if (top == topRow_) return;
  EndEdit(true, GetFocus() == editor_);
  topRow_ = top;
  SetScrollPos(hwnd_, SB_VERT, top, TRUE);
  InvalidateRect(hwnd_, nullptr, FALSE);
}

void GridWindow::OnVScroll(int request) {
  const int page = grid_ == nullptr ? 1 : PageRows();
  switch (request) {
    case SB_LINEUP: ScrollTo(topRow_ - 1); break;
    case SB_LINEDOWN: ScrollTo(topRow_ + 1); break;
    case SB_PAGEUP: ScrollTo(topRow_ - page); break;
    case SB_PAGEDOWN: ScrollTo(topRow_ + page); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(grid_ == nullptr ? 0 : grid_->GetRowCount()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(hwnd_, SB_VERT, &info);
      ScrollTo(info.nTrackPos);
      break;
    }
    default:
      break;
  }
}

void GridWindow::ShowRow(int row) { ScrollTo(Layout().TopRowShowing(row, PageRows())); }

// ---- painting

void GridWindow::Paint(HDC dc) {
  RECT client;
  GetClientRect(hwnd_, &client);
  FillColor(dc, client, COLOR_WINDOW);
  FrameRect(dc, &client, GetSysColorBrush(COLOR_3DSHADOW));
  if (grid_ == nullptr) return;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, CGridLayout::kFrame, CGridLayout::kFrame, client.right - CGridLayout::kFrame,
                    client.bottom - CGridLayout::kFrame);
  SelectObject(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  const CGridLayout layout = Layout();
  for (int row = 0; row < grid_->GetRowCount(); ++row) {
    for (int column = 0; column < grid_->GetColumnCount(); ++column) {
      const Rect cell = layout.CellRect(row, column);
      if (IsEmpty(cell) || cell.top >= client.bottom || cell.left >= client.right) continue;
      PaintCell(dc, row, column, ToRect(cell));
    }
  }
  RestoreDC(dc, saved);
}

// Fixed cells look like header buttons; the focused cell is highlighted
// while the grid has the focus and framed otherwise; the cell being edited
// has a thick frame around its editor.
void GridWindow::PaintCell(HDC dc, int row, int column, const RECT& cell) {
  const bool fixed = row < grid_->GetFixedRowCount() || column < grid_->GetFixedColumnCount();
  const bool editing = editor_ != nullptr && row == editRow_ && column == editColumn_;
  const bool focused = !fixed && !editing && row == grid_->GetFocusRow() && column == grid_->GetFocusColumn();
  const bool highlighted = focused && GetFocus() == hwnd_;
  FillColor(dc, cell, fixed ? COLOR_3DFACE : highlighted ? COLOR_HIGHLIGHT : COLOR_WINDOW);
  if (fixed) Lines(dc, COLOR_3DHILIGHT, {{cell.left, cell.bottom - 2}, {cell.left, cell.top}, {cell.right - 1, cell.top}});
  Lines(dc, COLOR_3DSHADOW, {{cell.right - 1, cell.top}, {cell.right - 1, cell.bottom - 1}, {cell.left - 1, cell.bottom - 1}});
  const int frameWidth = editing ? 2 : focused && !highlighted ? 1 : 0;
  RECT frame{cell.left, cell.top, cell.right - 1, cell.bottom - 1};
  for (int width = 0; width < frameWidth; ++width) {
    FrameRect(dc, &frame, GetSysColorBrush(COLOR_HIGHLIGHT));
    InflateRect(&frame, -1, -1);
  }
  const int textColor = !IsWindowEnabled(hwnd_) ? COLOR_GRAYTEXT
                        : fixed                  ? COLOR_BTNTEXT
                        : highlighted            ? COLOR_HIGHLIGHTTEXT
                                                 : COLOR_WINDOWTEXT;
  SetTextColor(dc, GetSysColor(textColor));
  RECT text{cell.left + kTextMargin, cell.top, cell.right - 1 - kTextMargin, cell.bottom - 1};
  const std::wstring value = grid_->GetItemText(row, column);
  const unsigned format = gridEx_ != nullptr ? gridEx_->GetItemFormat(row, column) & kFormatMask : 0;
  DrawTextW(dc, value.c_str(), static_cast<int>(value.size()), &text,
            format | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// ---- input

void GridWindow::OnLButtonDown(POINT pt) {
  if (GetFocus() != hwnd_) SetFocus(hwnd_);
  int row = 0;
  int column = 0;
  if (grid_ == nullptr || !Layout().HitTest(Point{pt.x, pt.y}, row, column)) return;
  BeginEdit(row, column, nullptr);
}

UINT GridWindow::DialogCode(const MSG* msg) const {
  UINT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (AsksFor(msg, [](WPARAM key) { return key == VK_RETURN; })) code |= DLGC_WANTMESSAGE;
  return code;
}

bool GridWindow::OnKeyDown(WPARAM key) {
  if (grid_ == nullptr) return false;
  for (const ArrowKey& arrow : kArrowKeys) {
    if (arrow.key != key) continue;
    MoveFocus(arrow.rowStep, arrow.columnStep);
    return true;
  }
  if (key != VK_F2 && key != VK_RETURN) return false;
  BeginEdit(grid_->GetFocusRow(), grid_->GetFocusColumn(), nullptr);
  return true;
}

void GridWindow::OnChar(WPARAM ch, LPARAM lParam) {
  if (grid_ == nullptr || ch < L' ' || ch == 0x7F) return;
  const MSG typed{hwnd_, WM_CHAR, ch, lParam, 0, {0, 0}};
  BeginEdit(grid_->GetFocusRow(), grid_->GetFocusColumn(), &typed);
}

void GridWindow::MoveFocus(int rowStep, int columnStep) {
  int row = grid_->GetFocusRow();
  int column = grid_->GetFocusColumn();
  if (!StepFocusCell(*grid_, rowStep, columnStep, row, column)) return;
  ShowRow(row);
  grid_->SetFocusCell(row, column);
}

// ---- the in-place editor

void GridWindow::BeginEdit(int row, int column, const MSG* typed) {
  if (gridEx_ == nullptr || !gridEx_->CanEditCell(row, column)) return;
  EndEdit(true, false);
  ShowRow(row);
  gridEx_->SetFocusCell(row, column);
  const unsigned format = gridEx_->GetItemFormat(row, column);
  const DWORD align = (format & kDtRight) != 0 ? ES_RIGHT : (format & kDtCenter) != 0 ? ES_CENTER : ES_LEFT;
  const RECT cell = ToRect(Layout().CellRect(row, column));
  const int height = rowHeight_ - 2 * kRowPadding + 1;
  const int top = cell.top + (cell.bottom - 1 - cell.top - height) / 2;
  const std::wstring text = typed != nullptr ? std::wstring() : gridEx_->GetItemText(row, column);
  HWND editor = CreateWindowExW(0, WC_EDITW, text.c_str(), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | align,
                                cell.left + kTextMargin, top, cell.right - cell.left - 1 - 2 * kTextMargin, height,
                                hwnd_, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(PF_IDC_GRID_EDITOR)),
                                ResourceModule(), nullptr);
  if (editor == nullptr) return;
  SetWindowSubclass(editor, EditorProc, kEditorSubclass, reinterpret_cast<DWORD_PTR>(this));
  SendMessageW(editor, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  SendMessageW(editor, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
  const int limit = gridEx_->GetItemLimitText(row, column);
  if (limit > 0) SendMessageW(editor, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
  editor_ = editor;
  editRow_ = row;
  editColumn_ = column;
  SetFocus(editor);
  if (typed != nullptr) {
    SendMessageW(editor, WM_CHAR, typed->wParam, typed->lParam);
  } else {
    SendMessageW(editor, EM_SETSEL, 0, -1);
  }
  InvalidateRect(hwnd_, nullptr, FALSE);
}

// The editor is hidden at once and destroyed once the message that ended it
// is done (it may be the editor's own); then the grid's own edit step takes
// the text and tells the parent.
void GridWindow::EndEdit(bool commit, bool refocus) {
  if (editor_ == nullptr) return;
  HWND editor = std::exchange(editor_, nullptr);
  const std::wstring text = WindowText(editor);
  if (refocus) SetFocus(hwnd_);
  ShowWindow(editor, SW_HIDE);
  PostMessageW(editor, WM_CLOSE, 0, 0);
  InvalidateRect(hwnd_, nullptr, FALSE);
  if (commit && gridEx_ != nullptr) gridEx_->EditCell(editRow_, editColumn_, text);
}

}  // namespace pf
