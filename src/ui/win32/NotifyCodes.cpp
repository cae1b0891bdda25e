// Only Win32 code here. Decoding tables for control notifications.
#include "ui/win32/NotifyCodes.h"

#include "res/styles.h"
#include "ui/win32/Win32Module.h"

#include <commctrl.h>

namespace pf {
namespace {

struct CommandCode {
  const wchar_t* windowClass;
  WORD code;
  Notify notify;
};

const CommandCode kCommandCodes[] = {
    {L"" PF_WC_BUTTON, BN_CLICKED, Notify::Clicked},
    {L"" PF_WC_EDIT, EN_CHANGE, Notify::Change},
    {L"" PF_WC_LISTBOX, LBN_SELCHANGE, Notify::SelChange},
    {L"" PF_WC_COMBOBOX, CBN_SELCHANGE, Notify::SelChange},
    {L"" PF_WC_COMBOBOX, CBN_EDITCHANGE, Notify::EditChange},
};

// NM_CLICK and NM_DBLCLK carry no point: the cursor where the click's message was sent,
// in the control's client coordinates.
void ReadClick(const NMHDR& header, NotifyInfo* info) {
  const DWORD pos = GetMessagePos();
  POINT pt{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
  ScreenToClient(header.hwndFrom, &pt);
  info->pt = {pt.x, pt.y};
}

void ReadTreeKey(const NMHDR& header, NotifyInfo* info) {
  info->key = reinterpret_cast<const NMTVKEYDOWN&>(header).wVKey;
}

void ReadTreeSelection(const NMHDR& header, NotifyInfo* info) {
  const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
  info->itemOld = reinterpret_cast<HTreeItem>(change.itemOld.hItem);
  info->itemNew = reinterpret_cast<HTreeItem>(change.itemNew.hItem);
}

void ReadCellEdit(const NMHDR& header, NotifyInfo* info) {
  const auto& edit = reinterpret_cast<const NMLVDISPINFOW&>(header);
  info->row = edit.item.iItem;
  info->column = edit.item.iSubItem;
}

struct NotifyCode {
  UINT code;
  Notify notify;
  void (*read)(const NMHDR&, NotifyInfo*);
};

const NotifyCode kNotifyCodes[] = {
    {NM_CLICK, Notify::Click, ReadClick},
    {NM_DBLCLK, Notify::DblClick, ReadClick},
    {TVN_KEYDOWN, Notify::TreeKeyDown, ReadTreeKey},
    {TVN_SELCHANGEDW, Notify::TreeSelChanged, ReadTreeSelection},
    {LVN_ENDLABELEDITW, Notify::EndLabelEdit, ReadCellEdit},
};

}  // namespace

bool DecodeCommand(HWND control, WORD code, Notify* notify) {
  if (control == nullptr) {
    *notify = Notify::Clicked;
    return code == 0;
  }
  for (const CommandCode& row : kCommandCodes) {
    if (row.code == code && HasWindowClass(control, row.windowClass)) {
      *notify = row.notify;
      return true;
    }
  }
  return false;
}

bool DecodeNotify(const NMHDR& header, Notify* notify, NotifyInfo* info) {
  for (const NotifyCode& row : kNotifyCodes) {
    if (row.code == header.code) {
      *notify = row.notify;
      row.read(header, info);
      return true;
    }
  }
  return false;
}

}  // namespace pf
