// Only Win32 code here. Real mouse and keyboard input, as a person gives it:
// the platform queues it for the window under the cursor or with the focus,
// and the wizard's thread takes it in its own loop. For the controls whose
// code looks at the click's position or at the key itself (a tree's check
// boxes, the grid's cells, the space bar in a tree).
#pragma once

#include <windows.h>

namespace pf {

// A left click at a point of the window's client area: the cursor moves
// there, the button goes down and up.
void ClickAt(HWND window, POINT pt);

// One key stroke to the window with the focus.
void StrikeKey(WORD virtualKey);

}  // namespace pf
