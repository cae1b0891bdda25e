// Only Win32 code here. The toolkit's constants (ui/UiTypes.h) and the
// template styles (res/styles.h) are the platform's values, so the Win32
// backend passes them through unchanged; the compiler checks that here.
#include <windows.h>
#include <commctrl.h>

#include "res/styles.h"
#include "ui/UiTypes.h"

namespace pf {
namespace {

constexpr bool Same(long long ours, long long platform) { return ours == platform; }

// The wizard buttons' control ids are the platform's fixed ones (12323..12325).
static_assert(Same(kIdOk, IDOK) && Same(kIdCancel, IDCANCEL) && Same(kIdHelp, IDHELP));
static_assert(Same(kWizBack, PSWIZB_BACK) && Same(kWizNext, PSWIZB_NEXT) && Same(kWizFinish, PSWIZB_FINISH) &&
              Same(kWizDisabledFinish, PSWIZB_DISABLEDFINISH));
static_assert(Same(kPshPropSheetPage, PSH_PROPSHEETPAGE) && Same(kPshWizard, PSH_WIZARD) &&
              Same(kPshWizardHasFinish, PSH_WIZARDHASFINISH) && Same(kPshHasHelp, PSH_HASHELP) &&
              Same(kPshWatermark, PSH_WATERMARK) && Same(kPshHeader, PSH_HEADER) && Same(kPshWizard97, PSH_WIZARD97));
static_assert(Same(kScMinimize, SC_MINIMIZE) && Same(kScRestore, SC_RESTORE) && Same(kSwHide, SW_HIDE) &&
              Same(kSwShow, SW_SHOW) && Same(kBstChecked, BST_CHECKED) && Same(kLbErr, LB_ERR) &&
              Same(kLbErr, CB_ERR) && Same(kVkSpace, VK_SPACE));
static_assert(Same(static_cast<int>(Notify::Clicked), BN_CLICKED) &&
              Same(static_cast<int>(Notify::SelChange), LBN_SELCHANGE) &&
              Same(static_cast<int>(Notify::SelChange), CBN_SELCHANGE) &&
              Same(static_cast<int>(Notify::EditChange), CBN_EDITCHANGE) &&
              Same(static_cast<int>(Notify::Change), EN_CHANGE));
static_assert(Same(static_cast<int>(Notify::Click), static_cast<int>(NM_CLICK)) &&
              Same(static_cast<int>(Notify::EndLabelEdit), static_cast<int>(LVN_ENDLABELEDITW)) &&
              Same(static_cast<int>(Notify::TreeKeyDown), static_cast<int>(TVN_KEYDOWN)) &&
              Same(static_cast<int>(Notify::TreeSelChanged), static_cast<int>(TVN_SELCHANGEDW)));
static_assert(Same(kTvgnRoot, TVGN_ROOT) && Same(kTvgnNext, TVGN_NEXT) && Same(kTvgnPrevious, TVGN_PREVIOUS) &&
              Same(kTvgnParent, TVGN_PARENT) && Same(kTvgnChild, TVGN_CHILD) && Same(kTvgnCaret, TVGN_CARET));
static_assert(Same(kTveCollapse, TVE_COLLAPSE) && Same(kTveExpand, TVE_EXPAND) && Same(kTveToggle, TVE_TOGGLE));
static_assert(Same(kTvhtNowhere, TVHT_NOWHERE) && Same(kTvhtOnItemIcon, TVHT_ONITEMICON) &&
              Same(kTvhtOnItemLabel, TVHT_ONITEMLABEL) && Same(kTvhtOnItemIndent, TVHT_ONITEMINDENT) &&
              Same(kTvhtOnItemButton, TVHT_ONITEMBUTTON) && Same(kTvhtOnItemRight, TVHT_ONITEMRIGHT) &&
              Same(kTvhtOnItemStateIcon, TVHT_ONITEMSTATEICON));
static_assert(Same(kIlcMask, ILC_MASK) && Same(kIlcColor24, ILC_COLOR24));

static_assert(Same(PF_WS_POPUP, static_cast<unsigned long>(WS_POPUP)) && Same(PF_WS_CHILD, WS_CHILD) &&
              Same(PF_WS_VISIBLE, WS_VISIBLE) && Same(PF_WS_DISABLED, WS_DISABLED) && Same(PF_WS_CAPTION, WS_CAPTION) &&
              Same(PF_WS_BORDER, WS_BORDER) && Same(PF_WS_VSCROLL, WS_VSCROLL) && Same(PF_WS_HSCROLL, WS_HSCROLL) &&
              Same(PF_WS_SYSMENU, WS_SYSMENU) && Same(PF_WS_GROUP, WS_GROUP) &&
              Same(PF_WS_MINIMIZEBOX, WS_MINIMIZEBOX) && Same(PF_WS_TABSTOP, WS_TABSTOP) &&
              Same(PF_WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE));
static_assert(Same(PF_DS_SETFONT, DS_SETFONT) && Same(PF_DS_MODALFRAME, DS_MODALFRAME) &&
              Same(PF_DS_FIXEDSYS, DS_FIXEDSYS) && Same(PF_DS_CENTER, DS_CENTER));
static_assert(Same(PF_BS_TYPEMASK, BS_TYPEMASK) && Same(PF_BS_PUSHBUTTON, BS_PUSHBUTTON) &&
              Same(PF_BS_DEFPUSHBUTTON, BS_DEFPUSHBUTTON) && Same(PF_BS_CHECKBOX, BS_CHECKBOX) &&
              Same(PF_BS_AUTOCHECKBOX, BS_AUTOCHECKBOX) && Same(PF_BS_RADIOBUTTON, BS_RADIOBUTTON) &&
              Same(PF_BS_GROUPBOX, BS_GROUPBOX) && Same(PF_BS_AUTORADIOBUTTON, BS_AUTORADIOBUTTON));
static_assert(Same(PF_ES_LEFT, ES_LEFT) && Same(PF_ES_MULTILINE, ES_MULTILINE) &&
              Same(PF_ES_AUTOVSCROLL, ES_AUTOVSCROLL) && Same(PF_ES_AUTOHSCROLL, ES_AUTOHSCROLL) &&
              Same(PF_ES_READONLY, ES_READONLY) && Same(PF_ES_WANTRETURN, ES_WANTRETURN));
static_assert(Same(PF_SS_LEFT, SS_LEFT) && Same(PF_SS_NOPREFIX, SS_NOPREFIX) && Same(PF_LBS_NOTIFY, LBS_NOTIFY) &&
              Same(PF_LBS_NOINTEGRALHEIGHT, LBS_NOINTEGRALHEIGHT) && Same(PF_CBS_DROPDOWN, CBS_DROPDOWN) &&
              Same(PF_CBS_DROPDOWNLIST, CBS_DROPDOWNLIST) && Same(PF_CBS_AUTOHSCROLL, CBS_AUTOHSCROLL));
static_assert(Same(PF_TVS_HASBUTTONS, TVS_HASBUTTONS) && Same(PF_TVS_HASLINES, TVS_HASLINES) &&
              Same(PF_TVS_LINESATROOT, TVS_LINESATROOT) && Same(PF_TVS_DISABLEDRAGDROP, TVS_DISABLEDRAGDROP) &&
              Same(PF_TVS_SHOWSELALWAYS, TVS_SHOWSELALWAYS) && Same(PF_TVS_CHECKBOXES, TVS_CHECKBOXES));

}  // namespace
}  // namespace pf
