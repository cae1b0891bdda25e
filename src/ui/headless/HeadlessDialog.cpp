// Headless dialogs: controls from the template, run-time children, and
// notifications into the owner's message map.
#include "ui/headless/HeadlessDialog.h"

#include "ui/Dialog.h"
#include "ui/headless/HeadlessUi.h"

namespace pf {

HeadlessDialog::HeadlessDialog(HeadlessUi& ui, CDialog& owner, const DialogTemplate& dialogTemplate,
                               std::function<void(INT_PTR)> onEnd)
    : HeadlessWindow(ui, dialogTemplate.style), owner_(owner), onEnd_(std::move(onEnd)) {
  for (const ControlTemplate& row : dialogTemplate) controls_.push_back(MakeHeadlessControl(*this, row));
}

bool HeadlessDialog::CreateChild(CChildControl& control, int id, const Rect& rect, unsigned style) {
  if (id == kIdStatic || Find(id) != nullptr) return false;
  controls_.push_back(std::make_unique<HeadlessCustom>(*this, control, id, style, rect));
  return true;
}

void HeadlessDialog::PlaceAfter(int id, int afterId) {
  const std::size_t from = IndexOf(id);
  if (IndexOf(afterId) == from) return;
  std::unique_ptr<HeadlessControl> control = std::move(controls_[from]);
  controls_.erase(controls_.begin() + static_cast<std::ptrdiff_t>(from));
  controls_.insert(controls_.begin() + static_cast<std::ptrdiff_t>(IndexOf(afterId) + 1), std::move(control));
}

void HeadlessDialog::EndDialog(INT_PTR result) {
  if (onEnd_) onEnd_(result);
}

void HeadlessDialog::OnOwnerGone() { EndDialog(kIdCancel); }

LRESULT HeadlessDialog::NotifyFrom(int id, Notify code, const NotifyInfo& info) {
  return Ui().Dispatch(owner_, id, code, info);
}

}  // namespace pf
