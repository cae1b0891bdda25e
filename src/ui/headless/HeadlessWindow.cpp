// The shared part of headless dialogs and sheets.
#include "ui/headless/HeadlessWindow.h"

#include <stdexcept>

#include "common/Format.h"
#include "common/Text.h"
#include "res/styles.h"
#include "ui/headless/HeadlessUi.h"

namespace pf {

template <class Peer>
std::size_t HeadlessWindow<Peer>::Position(int id) const {
  std::size_t i = 0;
  while (i < controls_.size() && (id == kIdStatic || controls_[i]->id() != id)) ++i;
  return i;
}

template <class Peer>
std::size_t HeadlessWindow<Peer>::IndexOf(int id) const {
  const std::size_t i = Position(id);
  if (i == controls_.size()) throw std::out_of_range(ToNarrow(Format(L"the window has no control %d", id)));
  return i;
}

template <class Peer>
HeadlessControl* HeadlessWindow<Peer>::Find(int id) const {
  const std::size_t i = Position(id);
  return i == controls_.size() ? nullptr : controls_[i].get();
}

template <class Peer>
IControlPeer& HeadlessWindow<Peer>::Control(int id) {
  return *controls_[IndexOf(id)];
}

template <class Peer>
std::vector<HeadlessControl*> HeadlessWindow<Peer>::GroupOf(int id) const {
  std::size_t first = IndexOf(id);
  while (first > 0 && (controls_[first]->style() & PF_WS_GROUP) == 0) --first;
  std::vector<HeadlessControl*> group{controls_[first].get()};
  for (std::size_t i = first + 1; i < controls_.size() && (controls_[i]->style() & PF_WS_GROUP) == 0; ++i) {
    group.push_back(controls_[i].get());
  }
  return group;
}

template <class Peer>
std::vector<int> HeadlessWindow<Peer>::ControlIds() const {
  std::vector<int> ids;
  for (const auto& control : controls_) ids.push_back(control->id());
  return ids;
}

template <class Peer>
std::vector<int> HeadlessWindow<Peer>::RadioGroup(int firstId) const {
  std::vector<int> ids;
  const std::size_t first = IndexOf(firstId);
  for (std::size_t i = first; i < controls_.size(); ++i) {
    if (i > first && (controls_[i]->style() & PF_WS_GROUP) != 0) break;
    auto* button = dynamic_cast<const HeadlessButton*>(controls_[i].get());
    if (button != nullptr && button->IsRadio()) ids.push_back(button->id());
  }
  return ids;
}

template <class Peer>
int HeadlessWindow<Peer>::GetFocusId() const {
  return ui_.FocusIdIn(this);
}

template <class Peer>
void HeadlessWindow<Peer>::SetFocus(int id) {
  ui_.SetFocus(this, controls_[IndexOf(id)]->id());
}

template <class Peer>
void HeadlessWindow<Peer>::FocusFirstTabStop() {
  for (const auto& control : controls_) {
    if (control->IsTabStop() && control->IsVisible() && control->IsEnabled()) {
      ui_.SetFocus(this, control->id());
      return;
    }
  }
}

template class HeadlessWindow<IDialogPeer>;
template class HeadlessWindow<ISheetPeer>;

}  // namespace pf
