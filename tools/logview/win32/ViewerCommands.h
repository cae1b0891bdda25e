// The log viewer window's commands: one row each with its menu, its text and
// its key. The window builds its menus and keys from this table, and a test
// program that drives the window finds a command here by its text. Only
// Win32 code here.
#pragma once

#include <windows.h>

namespace pf {

// The class of the window a person sees.
inline constexpr wchar_t kViewerWindowClass[] = L"PathForgeLogViewer";

enum ViewerCommand : WORD {
  kCmdOpen = 100,
  kCmdRecord,
  kCmdSave,
  kCmdExit,
  kCmdCopy,
  kCmdSelectAll,
  kCmdClear,
  kCmdFind,
  kCmdFindNext,
  kCmdFilter,
  kCmdAutoScroll,
  kCmdOnTop,
  kCmdAbout,
};

enum ViewerMenu { kMenuFile, kMenuEdit, kMenuView, kMenuHelp, kMenuCount };

inline constexpr const wchar_t* kViewerMenus[kMenuCount] = {L"&File", L"&Edit", L"&View", L"&Help"};

struct CommandRow {
  ViewerMenu menu;
  ViewerCommand id;
  const wchar_t* text;  // the menu text, its key after a tab
  BYTE keyFlags;        // 0: no key
  WORD key;
  bool inContextMenu;  // also in the list's context menu
};

// DebugView's keys where it has one: Ctrl+X clears, Ctrl+A scrolls along,
// Ctrl+L filters, Ctrl+R records.
inline constexpr CommandRow kViewerCommands[] = {
    {kMenuFile, kCmdOpen, L"&Open recording...\tCtrl+O", FCONTROL | FVIRTKEY, 'O', false},
    {kMenuFile, kCmdRecord, L"&Record to file...\tCtrl+R", FCONTROL | FVIRTKEY, 'R', false},
    {kMenuFile, kCmdSave, L"&Save as text...\tCtrl+S", FCONTROL | FVIRTKEY, 'S', false},
    {kMenuFile, kCmdExit, L"E&xit", 0, 0, false},
    {kMenuEdit, kCmdCopy, L"&Copy\tCtrl+C", FCONTROL | FVIRTKEY, 'C', true},
    {kMenuEdit, kCmdSelectAll, L"Select &all", 0, 0, true},
    {kMenuEdit, kCmdClear, L"C&lear\tCtrl+X", FCONTROL | FVIRTKEY, 'X', true},
    {kMenuEdit, kCmdFind, L"&Find...\tCtrl+F", FCONTROL | FVIRTKEY, 'F', true},
    {kMenuEdit, kCmdFindNext, L"Find &next\tF3", FVIRTKEY, VK_F3, false},
    {kMenuEdit, kCmdFilter, L"Filter / &highlight\tCtrl+L", FCONTROL | FVIRTKEY, 'L', false},
    {kMenuView, kCmdAutoScroll, L"&Auto scroll\tCtrl+A", FCONTROL | FVIRTKEY, 'A', false},
    {kMenuView, kCmdOnTop, L"Always on &top", 0, 0, false},
    {kMenuHelp, kCmdAbout, L"&About", 0, 0, false},
};

}  // namespace pf
