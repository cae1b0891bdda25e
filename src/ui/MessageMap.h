// Message maps: each dialog class declares one static table of (control id,
// notification, handler) entries, chained to its base class's table. Both
// backends turn a control's notification into a lookup in these tables, so a
// page's handlers run the same way on Windows and headless.
//
//   const MessageMap* CMakeInfoPage::GetMessageMap() const {
//     static const MessageEntry kEntries[] = {
//         MapCommand(PF_IDC_MACHINE_TYPE, Notify::SelChange, &CMakeInfoPage::OnSelchangeMachineType),
//         MapCommand(PF_IDC_ADD_AXIS, Notify::Clicked, &CMakeInfoPage::OnAddAxis),
//     };
//     static const MessageMap kMap(CWizardBasePage::GetMessageMap(), kEntries);
//     return &kMap;
//   }
//
// Command handlers take nothing (`void OnAddAxis()`); notify handlers take the
// notification's details and return its result
// (`LRESULT OnClickProgramTree(const NotifyInfo& info)`). Either kind can be
// named for any code.
#pragma once

#include <cstddef>
#include <type_traits>

#include "ui/UiTypes.h"

namespace pf {

class CDialog;

using CommandHandler = void (CDialog::*)();
using NotifyHandler = LRESULT (CDialog::*)(const NotifyInfo&);

struct MessageEntry {
  int id;
  Notify code;
  CommandHandler command;   // set for a command entry
  NotifyHandler notify;     // set for a notify entry
};

template <class T>
MessageEntry MapCommand(int id, Notify code, void (T::*handler)()) {
  static_assert(std::is_base_of_v<CDialog, T>, "handlers belong to a dialog class");
  return {id, code, static_cast<CommandHandler>(handler), nullptr};
}

template <class T>
MessageEntry MapNotify(int id, Notify code, LRESULT (T::*handler)(const NotifyInfo&)) {
  static_assert(std::is_base_of_v<CDialog, T>, "handlers belong to a dialog class");
  return {id, code, nullptr, static_cast<NotifyHandler>(handler)};
}

class MessageMap {
 public:
  template <std::size_t N>
  MessageMap(const MessageMap* base, const MessageEntry (&entries)[N]) : base_(base), entries_(entries), count_(N) {}

  // The entry for (id, code) in this table or the tables it is chained to;
  // null when none handles it.
  const MessageEntry* Find(int id, Notify code) const;

 private:
  const MessageMap* base_;
  const MessageEntry* entries_;
  std::size_t count_;
};

}  // namespace pf
