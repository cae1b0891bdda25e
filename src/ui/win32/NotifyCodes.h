// Only Win32 code here. The platform's control notifications as the seam's
// Notify codes: WM_COMMAND codes by the window class of the control that
// sends them (LBN_KILLFOCUS and CBN_EDITCHANGE share a value), WM_NOTIFY
// codes with their details read from the platform's structures.
#pragma once

#include "ui/UiTypes.h"

#include <windows.h>

namespace pf {

// The notification of WM_COMMAND `code` from `control` (null for a menu or
// dialog-key command, whose code 0 is a click); false when the seam does not
// name it.
bool DecodeCommand(HWND control, WORD code, Notify* notify);

// The notification of a control's WM_NOTIFY and its details; false when the
// seam does not name the code.
bool DecodeNotify(const NMHDR& header, Notify* notify, NotifyInfo* info);

}  // namespace pf
