#include "LogList.h"

#include "LogText.h"
#include "common/Format.h"

namespace pf {
namespace {

struct Column {
  const wchar_t* title;
  int width;
};

constexpr Column kColumns[] = {
    {L"Time", 96},
    {L"Session", 60},
    {L"Record", 620},
};

struct LineColours {
  COLORREF text;
  COLORREF back;
};

constexpr LineColours kFailedColours = {RGB(176, 0, 0), RGB(255, 226, 226)};
constexpr LineColours kSessionColours = {RGB(0, 0, 150), RGB(226, 234, 255)};

}  // namespace

bool LogList::Create(HWND parent, HINSTANCE instance, int id) {
  list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                          WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0, 0,
                          0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (list_ == nullptr) return false;
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
               LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
  for (int i = 0; i < static_cast<int>(sizeof kColumns / sizeof kColumns[0]); ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(kColumns[i].title);
    column.cx = kColumns[i].width;
    SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
  }
  return true;
}

bool LogList::AtEnd() const {
  const auto top = static_cast<std::size_t>(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0));
  const auto perPage = static_cast<std::size_t>(SendMessageW(list_, LVM_GETCOUNTPERPAGE, 0, 0));
  return top + perPage >= shown_;
}

void LogList::Refresh() {
  const std::size_t count = book_.lines().size();
  if (count == shown_) return;
  const bool follow = AtEnd() || count < shown_;
  shown_ = count;
  SendMessageW(list_, LVM_SETITEMCOUNT, count, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
  if (follow) ShowNewest();
}

void LogList::Resize(int width, int height) {
  const bool follow = AtEnd();
  MoveWindow(list_, 0, 0, width, height, TRUE);
  if (follow) ShowNewest();
}

void LogList::ShowNewest() const {
  if (shown_ != 0) SendMessageW(list_, LVM_ENSUREVISIBLE, shown_ - 1, FALSE);
}

void LogList::FillCell(NMLVDISPINFOW& info) {
  LVITEMW& item = info.item;
  const auto row = static_cast<std::size_t>(item.iItem);
  if ((item.mask & LVIF_TEXT) == 0 || row >= book_.lines().size() || item.cchTextMax <= 0) return;
  const ShownLine& line = book_.lines()[row];
  switch (item.iSubItem) {
    case 0:
      cell_ = ClockText(line.timeMs);
      break;
    case 1:
      cell_ = Format(L"#%u", line.session);
      break;
    default:
      cell_ = DescribeShownLine(line);
      break;
  }
  lstrcpynW(item.pszText, cell_.c_str(), item.cchTextMax);
}

LRESULT LogList::Paint(NMLVCUSTOMDRAW& draw) const {
  if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  const auto row = static_cast<std::size_t>(draw.nmcd.dwItemSpec);
  if (row >= book_.lines().size()) return CDRF_DODEFAULT;
  const ShownLine& line = book_.lines()[row];
  const LineColours* colours = line.failed ? &kFailedColours : line.kind != LineKind::Record ? &kSessionColours : nullptr;
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

void LogList::Select(std::size_t index) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list_, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
  SendMessageW(list_, LVM_ENSUREVISIBLE, index, FALSE);
}

std::size_t LogList::Selected() const {
  const LRESULT index = SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
  return index < 0 ? std::wstring::npos : static_cast<std::size_t>(index);
}

}  // namespace pf
