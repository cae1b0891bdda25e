// A headless dialog window (a modal dialog or a property page), made from its
// dialog template: every control of the template and nothing else exists.
#pragma once

#include <functional>

#include "ui/Resources.h"
#include "ui/headless/HeadlessWindow.h"

namespace pf {

class CDialog;

class HeadlessDialog : public HeadlessWindow<IDialogPeer> {
 public:
  // `onEnd` ends the modal run of a dialog; a page has none.
  HeadlessDialog(HeadlessUi& ui, CDialog& owner, const DialogTemplate& dialogTemplate,
                 std::function<void(INT_PTR)> onEnd = nullptr);

  CDialog& owner() const { return owner_; }

  bool CreateChild(CChildControl& control, int id, const Rect& rect, unsigned style) override;
  void PlaceAfter(int id, int afterId) override;
  LRESULT SendNotify(int id, Notify code, const NotifyInfo& info) override { return NotifyFrom(id, code, info); }
  void EndDialog(INT_PTR result) override;

  LRESULT NotifyFrom(int id, Notify code, const NotifyInfo& info) override;

 protected:
  // A modal dialog whose object is gone ends as cancelled.
  void OnOwnerGone() override;

 private:
  CDialog& owner_;
  std::function<void(INT_PTR)> onEnd_;
};

}  // namespace pf
