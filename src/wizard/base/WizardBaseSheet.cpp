// The wizard frame's start-up and its button rules (see WizardBaseSheet.h).
#include "wizard/base/WizardBaseSheet.h"

#include "common/StringTable.h"
#include "res/styles.h"

namespace pf {
namespace {

// System menu entries that come with the minimise box: command, string id.
struct MenuEntry {
  unsigned command;
  unsigned stringId;
};

constexpr MenuEntry kMinimizeMenu[] = {
    {kScMinimize, 12616},
    {kScRestore, 12617},
};

// The wizard buttons' texts: control id, string id.
struct ButtonText {
  int id;
  unsigned stringId;
};

constexpr ButtonText kButtonTexts[] = {
    {kIdWizNext, 12614},
    {kIdWizFinish, 12615},
    {kIdWizBack, 12613},
    {kIdCancel, 12618},
};

// The buttons that the last page takes away, and the text its Cancel gets.
constexpr int kLastPageHidden[] = {kIdWizNext, kIdWizFinish, kIdWizBack};
constexpr unsigned kLastPageCancelText = 12615;

// Set-wizard-buttons flags of the first and middle pages.
struct ButtonRule {
  unsigned nextEnabled;   // SetNextEnable(TRUE)
  unsigned nextDisabled;  // SetNextEnable(FALSE)
  unsigned activated;     // OnPageActivate
};

constexpr ButtonRule kFirstPageButtons = {kWizNext, 0, kWizNext};
constexpr ButtonRule kMiddlePageButtons = {kWizBack | kWizNext, kWizBack, kWizBack | kWizNext};

}  // namespace

CWizardBaseSheet::CWizardBaseSheet(unsigned captionId, unsigned selectPage, unsigned watermarkBitmapId,
                                   unsigned headerBitmapId)
    : CPropertySheet(captionId, selectPage, watermarkBitmapId, headerBitmapId) {}

INT_PTR CWizardBaseSheet::DoModal() {
  m_psh.dwFlags |= kPshWizard97;
  return CPropertySheet::DoModal();
}

BOOL CWizardBaseSheet::OnInitDialog() {
  const BOOL result = CPropertySheet::OnInitDialog();
  if (m_bMinimizeBox == 1) {
    ModifyStyle(0, PF_WS_MINIMIZEBOX);
    for (const MenuEntry& entry : kMinimizeMenu) {
      AppendSystemMenu(entry.command, LoadResString(entry.stringId));
    }
  }
  for (const ButtonText& button : kButtonTexts) {
    SetDlgItemText(button.id, LoadResString(button.stringId));
  }
  return result;
}

CWizardBaseSheet::PagePlace CWizardBaseSheet::ActivePagePlace() const {
  const int index = GetActiveIndex();
  if (index == GetPageCount() - 1) return PagePlace::Last;
  return index == 0 ? PagePlace::First : PagePlace::Middle;
}

void CWizardBaseSheet::SetNextEnable(BOOL enable) {
  const PagePlace place = ActivePagePlace();
  if (place == PagePlace::Last) return;
  const ButtonRule& rule = place == PagePlace::First ? kFirstPageButtons : kMiddlePageButtons;
  PostWizardButtons(enable ? rule.nextEnabled : rule.nextDisabled);
}

LRESULT CWizardBaseSheet::OnPageBack() { return 0; }

LRESULT CWizardBaseSheet::OnPageNext() { return 0; }

BOOL CWizardBaseSheet::OnPageFinish() { return FALSE; }

void CWizardBaseSheet::OnPageActivate() {
  const PagePlace place = ActivePagePlace();
  if (place != PagePlace::Last) {
    PostWizardButtons((place == PagePlace::First ? kFirstPageButtons : kMiddlePageButtons).activated);
    return;
  }
  for (int id : kLastPageHidden) {
    CDlgItem button = GetDlgItem(id);
    button.EnableWindow(FALSE);
    button.ShowWindow(kSwHide);
  }
  SetDlgItemText(kIdCancel, LoadResString(kLastPageCancelText));
}

}  // namespace pf
