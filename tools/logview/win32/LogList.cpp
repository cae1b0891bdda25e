#include "LogList.h"

#include <algorithm>

#include "LogText.h"
#include "common/Format.h"

namespace pf {
namespace {

struct Column {
  const wchar_t* title;
  int width;  // at 96 DPI
};

constexpr Column kColumns[] = {
    {L"Time", 96},
    {L"Session", 60},
    {L"Process", 64},
    {L"Record", 620},
};
constexpr int kColumnCount = static_cast<int>(sizeof kColumns / sizeof kColumns[0]);
constexpr int kNarrowest = 16;
constexpr int kWidest = 4000;

constexpr LineColours kFailedColours = {RGB(176, 0, 0), RGB(255, 226, 226)};
constexpr LineColours kSessionColours = {RGB(0, 0, 150), RGB(226, 234, 255)};
constexpr LineColours kHighlightColours = {RGB(0, 0, 0), RGB(255, 244, 150)};

std::wstring ProcessCell(const ShownLine& line) {
  if (line.kind == LineKind::Note) return L"";
  return line.process == 0 ? std::wstring(L"unknown") : Format(L"%u", line.process);
}

int Scaled(int width, int dpi) { return MulDiv(width, dpi, 96); }

}  // namespace

int WindowDpi(HWND window) {
  using DpiForWindow = UINT(WINAPI*)(HWND);
  const auto forWindow = reinterpret_cast<DpiForWindow>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  if (forWindow != nullptr && forWindow(window) != 0) return static_cast<int>(forWindow(window));
  const HDC dc = GetDC(window);
  const int dpi = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSX) : 96;
  if (dc != nullptr) ReleaseDC(window, dc);
  return dpi > 0 ? dpi : 96;
}

bool LogList::Create(HWND parent, HINSTANCE instance, int id, const std::vector<int>& widths) {
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, 0, 0, 0,
                          0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (list_ == nullptr) return false;
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
               LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  for (int i = 0; i < kColumnCount; ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = const_cast<wchar_t*>(kColumns[i].title);
    SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
  }
  ApplyDpi(widths);
  return true;
}

void LogList::ApplyDpi(const std::vector<int>& widths) {
  const int dpi = WindowDpi(list_);
  for (int i = 0; i < kColumnCount; ++i) {
    const std::size_t at = static_cast<std::size_t>(i);
    const bool usable = at < widths.size() && widths[at] >= kNarrowest && widths[at] <= kWidest;
    SendMessageW(list_, LVM_SETCOLUMNWIDTH, at, Scaled(usable ? widths[at] : kColumns[i].width, dpi));
  }
}

std::vector<int> LogList::Widths() const {
  const int dpi = WindowDpi(list_);
  std::vector<int> widths;
  widths.reserve(kColumnCount);
  for (int i = 0; i < kColumnCount; ++i) {
    widths.push_back(MulDiv(static_cast<int>(SendMessageW(list_, LVM_GETCOLUMNWIDTH, i, 0)), 96, dpi));
  }
  return widths;
}

void LogList::Refresh(std::size_t left, bool follow) {
  if (left != 0) {  // the same lines keep their selection, and the reader's place
    const std::vector<std::size_t> selected = Selected();
    const std::size_t focused = Focused();
    const auto top = static_cast<std::size_t>(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0));
    SendMessageW(list_, LVM_SETITEMCOUNT, view_.size(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
    SetState(static_cast<std::size_t>(-1), 0, LVIS_SELECTED | LVIS_FOCUSED);
    for (std::size_t row : selected) {
      if (row >= left) SetState(row - left, LVIS_SELECTED, LVIS_SELECTED);
    }
    if (focused != std::wstring::npos && focused >= left) SetState(focused - left, LVIS_FOCUSED, LVIS_FOCUSED);
    if (!follow && top >= left) SendMessageW(list_, LVM_ENSUREVISIBLE, top - left, FALSE);
    InvalidateRect(list_, nullptr, FALSE);
  } else if (view_.size() != shown_) {
    SendMessageW(list_, LVM_SETITEMCOUNT, view_.size(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  }
  shown_ = view_.size();
  if (follow && shown_ != 0) SendMessageW(list_, LVM_ENSUREVISIBLE, shown_ - 1, FALSE);
}

void LogList::Reset() {
  SetState(static_cast<std::size_t>(-1), 0, LVIS_SELECTED | LVIS_FOCUSED);
  shown_ = view_.size();
  SendMessageW(list_, LVM_SETITEMCOUNT, shown_, 0);
}

void LogList::FillCell(NMLVDISPINFOW& info) {
  LVITEMW& item = info.item;
  const auto row = static_cast<std::size_t>(item.iItem);
  if ((item.mask & LVIF_TEXT) == 0 || row >= view_.size() || item.cchTextMax <= 0) return;
  const ShownLine& line = view_.Line(row);
  switch (item.iSubItem) {
    case 0:
      cell_ = ClockText(line.timeMs);
      break;
    case 1:
      cell_ = line.kind == LineKind::Note ? std::wstring() : Format(L"#%u", line.session);
      break;
    case 2:
      cell_ = ProcessCell(line);
      break;
    default:
      cell_ = DescribeShownLine(line);
      break;
  }
  lstrcpynW(item.pszText, cell_.c_str(), item.cchTextMax);
}

const LineColours* LogList::Colours(std::size_t row) const {
  const ShownLine& line = view_.Line(row);
  if (view_.Highlighted(row)) return &kHighlightColours;
  if (line.failed) return &kFailedColours;
  return line.kind != LineKind::Record ? &kSessionColours : nullptr;
}

LRESULT LogList::Paint(NMLVCUSTOMDRAW& draw) const {
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  const auto row = static_cast<std::size_t>(draw.nmcd.dwItemSpec);
  if (row >= view_.size()) return CDRF_DODEFAULT;
  const LineColours* colours = Colours(row);
  if (colours == nullptr) return CDRF_DODEFAULT;
  draw.clrText = colours->text;
  draw.clrTextBk = colours->back;
  return CDRF_NEWFONT;
}

LRESULT LogList::Notify(NMHDR& header) {
  switch (header.code) {
    case LVN_GETDISPINFOW:
      FillCell(reinterpret_cast<NMLVDISPINFOW&>(header));
      return 0;
    case NM_CUSTOMDRAW:
      return Paint(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
    default:
      return 0;
  }
}

void LogList::SetState(std::size_t row, UINT state, UINT mask) const {
  LVITEMW item{};
  item.stateMask = mask;
  item.state = state;
  SendMessageW(list_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

void LogList::Select(std::size_t row) {
  SetState(static_cast<std::size_t>(-1), 0, LVIS_SELECTED | LVIS_FOCUSED);
  SetState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  SendMessageW(list_, LVM_ENSUREVISIBLE, row, FALSE);
}

void LogList::SelectAll() { SetState(static_cast<std::size_t>(-1), LVIS_SELECTED, LVIS_SELECTED); }

std::vector<std::size_t> LogList::Selected() const {
  std::vector<std::size_t> rows;
  for (LRESULT at = -1; (at = SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(at), LVNI_SELECTED)) >= 0;) {
    rows.push_back(static_cast<std::size_t>(at));
  }
  return rows;
}

std::size_t LogList::Focused() const {
  const LRESULT at = SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED);
  return at < 0 ? std::wstring::npos : static_cast<std::size_t>(at);
}

RECT LogList::RowOnScreen(std::size_t row) const {
  RECT rect{};
  rect.left = LVIR_BOUNDS;
  SendMessageW(list_, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
  MapWindowPoints(list_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

}  // namespace pf
