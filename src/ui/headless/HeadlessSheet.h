// The headless wizard sheet: its five buttons, its pages (each page's window
// made on its first activation and kept), and the navigation of the
// platform's wizard.
#pragma once

#include <memory>
#include <vector>

#include "ui/headless/HeadlessDialog.h"
#include "ui/headless/HeadlessWindow.h"
#include "ui/headless/TopLevel.h"

namespace pf {

class CPropertyPage;
class CPropertySheet;

class HeadlessSheet : public HeadlessWindow<ISheetPeer>, public HeadlessTopLevel {
 public:
  HeadlessSheet(HeadlessUi& ui, CPropertySheet& sheet);

  // ISheetPeer
  BOOL InitDefault() override;
  BOOL SetActivePage(int index) override;
  int GetActiveIndex() const override { return active_; }
  void PostWizardButtons(unsigned flags) override;

  // ControlOwner: the buttons send nothing to a message map.
  LRESULT NotifyFrom(int, Notify, const NotifyInfo&) override { return 0; }

  // HeadlessTopLevel
  CWnd& Owner() const override;
  HeadlessDialog* InputDialog() override;
  void Detach() override;

  // True for the ids of the sheet's own buttons.
  bool IsSheetButton(int id) const { return Find(id) != nullptr; }
  // A press of a sheet button that is shown and enabled: Back, Next, Finish,
  // Cancel (Help does nothing).
  void Press(int id);

 protected:
  // A sheet whose object is gone closes as cancelled.
  void OnOwnerGone() override { Close(kIdCancel); }

 private:
  CPropertyPage* ActivePage() const;
  int PageCount() const { return static_cast<int>(pages_.size()); }
  void Activate(int index);
  void Navigate(int step, LRESULT (CPropertyPage::*handler)(), const wchar_t* name);
  void ApplyWizardButtons(unsigned flags);

  CPropertySheet& sheet_;
  std::vector<std::unique_ptr<HeadlessDialog>> pages_;
  int active_ = -1;
};

}  // namespace pf
