// The vocabulary of the toolkit seam: the platform's integer types, control
// ids, notification codes, wizard flags and tree constants, with the Windows
// values so that a Win32 backend passes them through unchanged.
//
// Names carry a k prefix (or are types) so that they never collide with the
// macros of the platform headers that a Win32 backend includes.
#pragma once

#include <cstdint>

// The platform's truth values, for handlers written in its idiom. Identical
// to the platform headers' definitions, so either may come first.
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

namespace pf {

using BOOL = int;
using INT_PTR = std::intptr_t;
#if defined(_WIN32) && !defined(_WIN64)
// 32-bit Windows declares its pointer-sized LONG_PTR and ULONG_PTR as long,
// where intptr_t is an int: the same size, but another type to the compiler.
using LRESULT = long;
using DWORD_PTR = unsigned long;
#else
using LRESULT = std::intptr_t;
using DWORD_PTR = std::uintptr_t;
#endif

// Control ids the platform gives meaning to.
constexpr int kIdStatic = -1;       // labels no code addresses
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdHelp = 9;
constexpr int kIdWizBack = 0x3023;    // 12323
constexpr int kIdWizNext = 0x3024;    // 12324
constexpr int kIdWizFinish = 0x3025;  // 12325; also DoModal's result of a finished wizard

// Wizard button flags of a set-wizard-buttons request.
constexpr unsigned kWizBack = 0x1;
constexpr unsigned kWizNext = 0x2;
constexpr unsigned kWizFinish = 0x4;
constexpr unsigned kWizDisabledFinish = 0x8;

// Property sheet header flags.
constexpr unsigned kPshPropSheetPage = 0x00000008;
constexpr unsigned kPshWizard = 0x00000020;
constexpr unsigned kPshWizardHasFinish = 0x00000010;
constexpr unsigned kPshHasHelp = 0x00000200;
constexpr unsigned kPshWatermark = 0x00008000;
constexpr unsigned kPshHeader = 0x00080000;
constexpr unsigned kPshWizard97 = 0x01000000;

// The dots per inch that pixel sizes written for the platform's standard
// screen assume; a window on a denser screen scales them by its own DPI.
constexpr unsigned kStandardDpi = 96;

// `pixels` at the standard DPI, scaled to `dpi` and rounded.
constexpr int ScaledToDpi(int pixels, unsigned dpi) {
  return static_cast<int>((static_cast<long long>(pixels) * dpi + kStandardDpi / 2) / kStandardDpi);
}

// System menu commands.
constexpr unsigned kScMinimize = 0xF020;
constexpr unsigned kScRestore = 0xF120;

// ShowWindow commands.
constexpr int kSwHide = 0;
constexpr int kSwShow = 5;

// Button check states.
constexpr int kBstUnchecked = 0;
constexpr int kBstChecked = 1;

// The error result of list-box and combo-box operations (LB_ERR, CB_ERR).
constexpr int kLbErr = -1;

// Virtual keys.
constexpr unsigned kVkSpace = 0x20;

// Notifications a message map can name. Command codes (WM_COMMAND) are small
// and non-negative, notify codes (WM_NOTIFY) negative, as on the platform.
enum class Notify : int {
  Clicked = 0,              // BN_CLICKED
  SelChange = 1,            // LBN_SELCHANGE, CBN_SELCHANGE
  EditChange = 5,           // CBN_EDITCHANGE: the user changed a combo box's edit field
  Change = 0x300,           // EN_CHANGE
  Click = -2,               // NM_CLICK
  DblClick = -3,            // NM_DBLCLK
  EndLabelEdit = -176,      // LVN_ENDLABELEDITW: a grid cell's edit has ended
  TreeKeyDown = -412,       // TVN_KEYDOWN
  TreeSelChanged = -451,    // TVN_SELCHANGEDW
};

struct Point {
  int x = 0;
  int y = 0;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

// A tree item: the platform's item handle, null for none.
struct TreeItemTag;
using HTreeItem = TreeItemTag*;

// The root as a parent item (TVI_ROOT).
inline HTreeItem TviRoot() { return reinterpret_cast<HTreeItem>(static_cast<std::uintptr_t>(-0x10000)); }

// Relations of TVM_GETNEXTITEM.
constexpr unsigned kTvgnRoot = 0x0;
constexpr unsigned kTvgnNext = 0x1;
constexpr unsigned kTvgnPrevious = 0x2;
constexpr unsigned kTvgnParent = 0x3;
constexpr unsigned kTvgnChild = 0x4;
constexpr unsigned kTvgnCaret = 0x9;

// TVM_EXPAND actions.
constexpr unsigned kTveCollapse = 0x1;
constexpr unsigned kTveExpand = 0x2;
constexpr unsigned kTveToggle = 0x3;

// Tree hit-test flags.
constexpr unsigned kTvhtNowhere = 0x01;
constexpr unsigned kTvhtOnItemIcon = 0x02;
constexpr unsigned kTvhtOnItemLabel = 0x04;
constexpr unsigned kTvhtOnItemIndent = 0x08;
constexpr unsigned kTvhtOnItemButton = 0x10;
constexpr unsigned kTvhtOnItemRight = 0x20;
constexpr unsigned kTvhtOnItemStateIcon = 0x40;

// Image list creation flags.
constexpr unsigned kIlcMask = 0x0001;
constexpr unsigned kIlcColor24 = 0x0018;

// What a notification carries besides its control id and code.
struct NotifyInfo {
  Point pt;                          // Click: the cursor in the control's client coordinates
  unsigned key = 0;                  // TreeKeyDown: the virtual key
  HTreeItem itemOld = nullptr;       // TreeSelChanged: the item that lost the selection
  HTreeItem itemNew = nullptr;       // TreeSelChanged: the item that has it now
  int row = -1;                      // grid notifications: the cell
  int column = -1;
};

}  // namespace pf
