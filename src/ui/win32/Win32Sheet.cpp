// Only Win32 code here. The wizard sheet's window, navigation requests and
// end.
#include "ui/win32/Win32Sheet.h"

#include "common/Format.h"
#include "ui/win32/Win32Module.h"
#include "ui/win32/Win32Ui.h"

#include <commctrl.h>

namespace pf {
namespace {

// The window property that leads the subclassed frame to its peer.
constexpr wchar_t kSheetProperty[] = L"PathForge.Win32Sheet";

PROPSHEETPAGEW PageHeader(const CPropertyPage& page, Win32Page& peer, bool hasHelp) {
  PROPSHEETPAGEW psp{};
  psp.dwSize = sizeof(psp);
  psp.hInstance = ResourceModule();
  psp.pszTemplate = ResourceName(page.GetTemplateId());
  psp.pfnDlgProc = &Win32Dialog::PageProc;
  psp.lParam = reinterpret_cast<LPARAM>(static_cast<Win32Dialog*>(&peer));
  if (hasHelp) psp.dwFlags |= PSP_HASHELP;
  if (page.GetCaptionId() != 0) {
    psp.dwFlags |= PSP_USETITLE;
    psp.pszTitle = ResourceName(page.GetCaptionId());
  }
  if (page.GetHeaderTitleId() != 0) {
    psp.dwFlags |= PSP_USEHEADERTITLE;
    psp.pszHeaderTitle = ResourceName(page.GetHeaderTitleId());
  }
  if (page.GetHeaderSubtitleId() != 0) {
    psp.dwFlags |= PSP_USEHEADERSUBTITLE;
    psp.pszHeaderSubTitle = ResourceName(page.GetHeaderSubtitleId());
  }
  return psp;
}

void DestroyPages(const std::vector<HPROPSHEETPAGE>& handles) {
  for (HPROPSHEETPAGE handle : handles) DestroyPropertySheetPage(handle);
}

HBITMAP LoadBitmapResource(unsigned id) {
  return static_cast<HBITMAP>(LoadImageW(ResourceModule(), ResourceName(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

}  // namespace

// The window is gone by now (Close): the bitmaps it showed can go.
Win32Sheet::~Win32Sheet() {
  if (header_ != nullptr) DeleteObject(header_);
  if (watermark_ != nullptr) DeleteObject(watermark_);
}

void Win32Sheet::LoadBitmaps(PROPSHEETHEADERW& psh) {
  if ((psh.dwFlags & PSH_HEADER) != 0 && (header_ = LoadBitmapResource(sheet_.m_psh.headerBitmapId)) != nullptr) {
    psh.dwFlags |= PSH_USEHBMHEADER;
    psh.hbmHeader = header_;
  }
  if ((psh.dwFlags & PSH_WATERMARK) != 0 &&
      (watermark_ = LoadBitmapResource(sheet_.m_psh.watermarkBitmapId)) != nullptr) {
    psh.dwFlags |= PSH_USEHBMWATERMARK;
    psh.hbmWatermark = watermark_;
  }
}

std::wstring Win32Sheet::MakePages(std::vector<HPROPSHEETPAGE>& handles) {
  const bool hasHelp = (sheet_.m_psh.dwFlags & kPshHasHelp) != 0;
  for (int i = 0; i < sheet_.GetPageCount(); ++i) {
    CPropertyPage& page = *sheet_.GetPage(i);
    if (!HasDialogResource(page.GetTemplateId())) return Format(L"there is no dialog template %u", page.GetTemplateId());
    pages_.push_back(std::make_unique<Win32Page>(Ui(), page, *this));
    const PROPSHEETPAGEW psp = PageHeader(page, *pages_.back(), hasHelp);
    HPROPSHEETPAGE handle = CreatePropertySheetPageW(&psp);
    if (handle == nullptr) return Format(L"page %d could not be made", i);
    handles.push_back(handle);
  }
  return L"";
}

std::wstring Win32Sheet::Create(HWND owner) {
  const SheetHeader& header = sheet_.m_psh;
  if ((header.dwFlags & (kPshWizard | kPshWizard97)) == 0) return L"the sheet is not a wizard";
  if (sheet_.GetPageCount() == 0) return L"the sheet has no page";
  std::vector<HPROPSHEETPAGE> handles;
  std::wstring refused = MakePages(handles);
  if (!refused.empty()) {
    DestroyPages(handles);
    return refused;
  }

  PROPSHEETHEADERW psh{};
  psh.dwSize = sizeof(psh);
  psh.dwFlags = (header.dwFlags & ~kPshPropSheetPage) | PSH_MODELESS;
  psh.hwndParent = owner;
  psh.hInstance = ResourceModule();
  psh.pszCaption = ResourceName(header.captionId);
  psh.nPages = static_cast<UINT>(handles.size());
  psh.nStartPage = header.nStartPage;
  psh.phpage = handles.data();
  LoadBitmaps(psh);

  sheet_.AttachPeer(this);
  const INT_PTR made = PropertySheetW(&psh);
  if (made == 0 || made == -1) {
    sheet_.AttachPeer(nullptr);
    UnbindWindow();
    return L"the sheet's window could not be made";
  }
  BindWindow(reinterpret_cast<HWND>(made));
  SubclassFrame();
  Ui().Guard(L"OnInitDialog", [this] { sheet_.OnInitDialog(); });
  ShowWindow(hwnd(), SW_SHOW);
  return L"";
}

void Win32Sheet::SubclassFrame() {
  SetPropW(hwnd(), kSheetProperty, this);
  platformProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32Sheet::FrameProc)));
}

// A disabled Cancel makes the close box do nothing, as the dialog manager has it.
LRESULT CALLBACK Win32Sheet::FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* self = static_cast<const Win32Sheet*>(GetPropW(hwnd, kSheetProperty));
  const WNDPROC platform = self->platformProc_;
  if (message == WM_CLOSE) {
    if (IsWindowEnabled(GetDlgItem(hwnd, IDCANCEL))) SendMessageW(hwnd, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    return 0;
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(platform));
    RemovePropW(hwnd, kSheetProperty);
  }
  return CallWindowProcW(platform, hwnd, message, wParam, lParam);
}

void Win32Sheet::PageCreated(HWND sheetWindow) {
  if (hwnd() == nullptr) BindWindow(sheetWindow);
}

BOOL Win32Sheet::SetActivePage(int index) {
  if (index < 0 || index >= sheet_.GetPageCount() || hwnd() == nullptr) return FALSE;
  return PropSheet_SetCurSel(hwnd(), nullptr, index) ? TRUE : FALSE;
}

int Win32Sheet::GetActiveIndex() const {
  HWND tab = hwnd() == nullptr ? nullptr : PropSheet_GetTabControl(hwnd());
  return tab == nullptr ? -1 : TabCtrl_GetCurSel(tab);
}

void Win32Sheet::PostWizardButtons(unsigned flags) { PropSheet_SetWizButtons(hwnd(), flags); }

// The objects of the pages go first (they are members of the sheet's
// object), so no page is called either.
void Win32Sheet::OwnerDestroyed() {
  ownerGone_ = true;
  if (hwnd() != nullptr) DestroyWindow(hwnd());
  UnbindWindow();
}

bool Win32Sheet::IsDone() const {
  return ownerGone_ || hwnd() == nullptr || !IsWindow(hwnd()) || PropSheet_GetCurrentPageHwnd(hwnd()) == nullptr;
}

bool Win32Sheet::TranslateDialogMessage(MSG& msg) { return PropSheet_IsDialogMessage(hwnd(), &msg) != FALSE; }

CDialog* Win32Sheet::InputDialog() const { return ownerGone_ ? nullptr : sheet_.GetActivePage(); }

void Win32Sheet::Close() {
  if (hwnd() != nullptr && IsWindow(hwnd())) DestroyWindow(hwnd());
  if (!ownerGone_) sheet_.AttachPeer(nullptr);
  UnbindWindow();
}

}  // namespace pf
