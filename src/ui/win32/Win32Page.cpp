// Only Win32 code here. Wizard notifications of a page.
#include "ui/win32/Win32Page.h"

#include "ui/win32/Win32Sheet.h"
#include "ui/win32/Win32Ui.h"

#include <prsht.h>

namespace pf {
namespace {

struct WizardNotification {
  UINT code;
  const wchar_t* where;
  LRESULT (*run)(CPropertyPage&);
  LRESULT abandoned;   // the answer when the handler threw
};

const WizardNotification kWizardNotifications[] = {
    {PSN_SETACTIVE, L"OnSetActive", [](CPropertyPage& p) -> LRESULT { return p.OnSetActive() ? 0 : -1; }, 0},
    {PSN_KILLACTIVE, L"OnKillActive", [](CPropertyPage& p) -> LRESULT { return p.OnKillActive() ? FALSE : TRUE; },
     TRUE},
    {PSN_WIZBACK, L"OnWizardBack", [](CPropertyPage& p) { return p.OnWizardBack(); }, -1},
    {PSN_WIZNEXT, L"OnWizardNext", [](CPropertyPage& p) { return p.OnWizardNext(); }, -1},
    {PSN_WIZFINISH, L"OnWizardFinish", [](CPropertyPage& p) -> LRESULT { return p.OnWizardFinish() ? FALSE : TRUE; },
     TRUE},
    {PSN_QUERYCANCEL, L"OnQueryCancel", [](CPropertyPage& p) -> LRESULT { return p.OnQueryCancel() ? FALSE : TRUE; },
     TRUE},
};

}  // namespace

// The sheet learns its window from its first page, before any page code runs.
void Win32Page::OnCreated() { sheet_.PageCreated(GetParent(hwnd())); }

bool Win32Page::OnOtherNotify(const NMHDR& header, LRESULT* result) {
  if (header.hwndFrom != GetParent(hwnd())) return false;
  if (header.code == PSN_RESET) {
    sheet_.WakeLoop();
    return false;
  }
  for (const WizardNotification& row : kWizardNotifications) {
    if (row.code != header.code) continue;
    *result = row.abandoned;
    if (!ownerGone()) Ui().Guard(row.where, [&] { *result = row.run(page_); });
    if (row.code == PSN_WIZFINISH && *result == FALSE) {
      sheet_.Finish();
      sheet_.WakeLoop();
    }
    return true;
  }
  return false;
}

}  // namespace pf
