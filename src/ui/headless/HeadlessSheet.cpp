// The headless wizard sheet: buttons, page windows and navigation, in the
// order the platform's wizard sends its notifications.
#include "ui/headless/HeadlessSheet.h"

#include "res/styles.h"
#include "ui/PropertySheet.h"
#include "ui/headless/HeadlessUi.h"

namespace pf {
namespace {

struct SheetButton {
  int id;
  const wchar_t* text;
};

constexpr SheetButton kButtons[] = {
    {kIdWizBack, L"< &Back"}, {kIdWizNext, L"&Next >"}, {kIdWizFinish, L"Finish"},
    {kIdCancel, L"Cancel"},   {kIdHelp, L"Help"},
};

constexpr unsigned kSheetStyle = PF_WS_POPUP | PF_WS_CAPTION | PF_WS_SYSMENU | PF_DS_MODALFRAME;
constexpr unsigned kButtonStyle = PF_WS_CHILD | PF_WS_VISIBLE | PF_WS_TABSTOP | PF_BS_PUSHBUTTON;

}  // namespace

HeadlessSheet::HeadlessSheet(HeadlessUi& ui, CPropertySheet& sheet)
    : HeadlessWindow(ui, kSheetStyle), sheet_(sheet), pages_(static_cast<std::size_t>(sheet.GetPageCount())) {
  int left = 140;
  for (const SheetButton& button : kButtons) {
    const Rect rect{left, 320, left + 75, 343};
    controls_.push_back(std::make_unique<HeadlessButton>(*this, button.id, kButtonStyle, rect, button.text));
    left += 80;
  }
  Find(kIdWizFinish)->Show((sheet.m_psh.dwFlags & kPshWizardHasFinish) != 0);
  Find(kIdHelp)->Show((sheet.m_psh.dwFlags & kPshHasHelp) != 0);
}

CWnd& HeadlessSheet::Owner() const { return sheet_; }

CPropertyPage* HeadlessSheet::ActivePage() const { return sheet_.GetPage(active_); }

HeadlessDialog* HeadlessSheet::InputDialog() {
  return active_ < 0 ? nullptr : pages_[static_cast<std::size_t>(active_)].get();
}

void HeadlessSheet::Detach() {
  if (!ownerGone()) sheet_.AttachPeer(nullptr);
  for (const auto& page : pages_) {
    if (page && !page->ownerGone()) page->owner().AttachPeer(nullptr);
  }
}

BOOL HeadlessSheet::InitDefault() {
  const int start = static_cast<int>(sheet_.m_psh.nStartPage);
  Activate(start < PageCount() ? start : 0);
  return TRUE;
}

BOOL HeadlessSheet::SetActivePage(int index) {
  if (index < 0 || index >= PageCount()) return FALSE;
  if (CPropertyPage* page = ActivePage()) {
    BOOL leave = FALSE;
    Ui().Guard(L"OnKillActive", [&] { leave = page->OnKillActive(); });
    if (!leave) return FALSE;
  }
  Activate(index);
  return TRUE;
}

// The page becomes the active one before its set-active, as the platform's
// tab index does; its window is made on the first activation.
void HeadlessSheet::Activate(int index) {
  active_ = index;
  CPropertyPage& page = *sheet_.GetPage(index);
  std::unique_ptr<HeadlessDialog>& window = pages_[static_cast<std::size_t>(index)];
  if (!window) {
    window = std::make_unique<HeadlessDialog>(Ui(), page, *FindDialogTemplate(page.GetTemplateId()));
    page.AttachPeer(window.get());
    Ui().Guard(L"OnInitDialog", [&] { page.OnInitDialog(); });
  }
  Ui().Guard(L"OnSetActive", [&] { page.OnSetActive(); });
  if (Ui().FocusIdIn(window.get()) == 0) window->FocusFirstTabStop();
}

void HeadlessSheet::PostWizardButtons(unsigned flags) {
  Ui().Post(this, [this, flags] { ApplyWizardButtons(flags); });
}

// Back and Next follow their flags; Finish takes Next's place when asked for
// (unless the sheet shows both).
void HeadlessSheet::ApplyWizardButtons(unsigned flags) {
  const bool hasFinish = (sheet_.m_psh.dwFlags & kPshWizardHasFinish) != 0;
  const bool wantsFinish = (flags & (kWizFinish | kWizDisabledFinish)) != 0;
  Find(kIdWizBack)->Enable((flags & kWizBack) != 0);
  Find(kIdWizNext)->Enable((flags & kWizNext) != 0);
  Find(kIdWizFinish)->Enable(((flags & kWizFinish) != 0 || hasFinish) && (flags & kWizDisabledFinish) == 0);
  if (hasFinish) return;
  Find(kIdWizNext)->Show(!wantsFinish);
  Find(kIdWizFinish)->Show(wantsFinish);
}

void HeadlessSheet::Navigate(int step, LRESULT (CPropertyPage::*handler)(), const wchar_t* name) {
  CPropertyPage* page = ActivePage();
  LRESULT answer = -1;
  Ui().Guard(name, [&] { answer = (page->*handler)(); });
  if (answer == -1) return;
  int target = -1;
  if (answer == 0) {
    target = active_ + step;
  } else {
    for (int i = 0; i < PageCount() && target < 0; ++i) {
      if (sheet_.GetPage(i)->GetTemplateId() == static_cast<unsigned>(answer)) target = i;
    }
  }
  if (target >= 0 && target < PageCount()) SetActivePage(target);
}

void HeadlessSheet::Press(int id) {
  CPropertyPage* page = ActivePage();
  if (page == nullptr) return;
  BOOL close = FALSE;
  switch (id) {
    case kIdWizBack:
      Navigate(-1, &CPropertyPage::OnWizardBack, L"OnWizardBack");
      break;
    case kIdWizNext:
      Navigate(1, &CPropertyPage::OnWizardNext, L"OnWizardNext");
      break;
    case kIdWizFinish:
      Ui().Guard(L"OnWizardFinish", [&] { close = page->OnWizardFinish(); });
      if (close) Close(kIdWizFinish);
      break;
    case kIdCancel:
      Ui().Guard(L"OnQueryCancel", [&] { close = page->OnQueryCancel(); });
      if (close) Close(kIdCancel);
      break;
    default:
      break;
  }
}

}  // namespace pf
