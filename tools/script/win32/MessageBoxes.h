// Only Win32 code here. The platform's message boxes as the script thread
// sees them: which top-level window is one, what it says, which string of
// the module's string table that is, and pressing one of its buttons.
#pragma once

#include <string>

#include <windows.h>

namespace pf {

// True for a shown dialog of this process titled `caption` that is not the
// wizard's sheet (a sheet holds a tab control): the module's message boxes
// carry the wizard's caption as their title.
bool IsMessageBoxWindow(HWND window, const std::wstring& caption);

// The box's text: its first static text that is not the icon.
std::wstring MessageBoxText(HWND box);

// The string id whose text is `text`, or whose format (with %s, %d) was
// filled in to make it; 0 for a text that is not in the string table.
unsigned StringIdOfText(const std::wstring& text);

// Presses button `id` of the box as a click on it does (the box's own
// WM_COMMAND); when the box has no such button, its default button. False
// when the box had neither.
bool PressMessageBoxButton(HWND box, int id);

}  // namespace pf
