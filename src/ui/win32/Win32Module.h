// Only Win32 code here. Small window queries that the Win32 peers share, and
// the module whose resources the windows are made from.
#pragma once

#include <string>

#include <windows.h>

namespace pf {

// The module that holds the dialog templates, bitmaps and strings: the one
// this library is linked into (the plug-in DLL or a test executable), found
// through an address inside it, so it is right in a DLL and an .exe alike.
HINSTANCE ResourceModule();

// True when the module's resources hold dialog template `id`.
bool HasDialogResource(unsigned id);

// A window's text (WM_GETTEXT).
std::wstring WindowText(HWND hwnd);

// True when the window's class is `windowClass` (compared without case, as
// the platform compares class names).
bool HasWindowClass(HWND hwnd, const wchar_t* windowClass);

// A resource id as the platform's resource name argument.
inline const wchar_t* ResourceName(unsigned id) { return MAKEINTRESOURCEW(id); }

}  // namespace pf
