// IScriptDriver: what a wizard script needs of the user interface that runs
// the wizard. The headless toolkit implements it natively
// (headless/HeadlessScriptDriver.h); the Windows host implements it
// over real windows. The script runner (ScriptRunner.h) turns lines into
// these calls and compares what they report, so every backend runs a script
// the same way.
//
// Every input goes to the window in front: a modal dialog when one is open,
// else the wizard's active page; the wizard's own buttons are reached
// through Press. Inputs and reads return an empty text when they were
// carried out and otherwise why not (a missing, hidden or disabled control,
// no such entry, a handler that failed, no window open).
#pragma once

#include <string>
#include <vector>

#include "tools/script/Script.h"

namespace pf {

// What a control shows. Controls that have no check state read unchecked.
struct ControlState {
  std::wstring text;
  bool enabled = false;
  bool visible = false;
  bool checked = false;
};

// A message box as it was shown: its string id (0 for a text of its own)
// and its text.
struct ShownMessage {
  unsigned stringId = 0;
  std::wstring text;
};

enum class WizardButton { Back, Next, Finish, Cancel };

class IScriptDriver {
 public:
  virtual ~IScriptDriver() = default;

  // Steps, as a person takes them.
  // Replaces the text of an edit or of a combo box's edit field by typing.
  virtual std::wstring Type(int id, const std::wstring& text) = 0;
  // Clicks a push button, check box or radio button.
  virtual std::wstring Click(int id) = 0;
  // Picks entry `index` of a list box or combo box.
  virtual std::wstring Pick(int id, int index) = 0;
  // Clicks the check box, or the text, of a tree item named by its path
  // (item texts from the root down), opening its parents first as a person
  // would; moves the tree's caret to such an item.
  virtual std::wstring Tick(int id, const std::vector<std::wstring>& itemPath) = 0;
  // Two quick clicks on the check box of such an item: the platform makes a
  // click and a double-click of them.
  virtual std::wstring DoubleTick(int id, const std::vector<std::wstring>& itemPath) = 0;
  virtual std::wstring ClickItemText(int id, const std::vector<std::wstring>& itemPath) = 0;
  virtual std::wstring SelectItem(int id, const std::vector<std::wstring>& itemPath) = 0;
  // Presses a key while the tree has the focus.
  virtual std::wstring PressKey(int id, ScriptKey key) = 0;
  // Edits a cell of a grid in place.
  virtual std::wstring EditCell(int id, int row, int column, const std::wstring& text) = 0;
  // Moves the keyboard focus to a control.
  virtual std::wstring Focus(int id) = 0;
  // Presses one of the wizard's buttons.
  virtual std::wstring Press(WizardButton button) = 0;

  // The answer to the next message box; a box without one takes its default
  // button.
  virtual void QueueAnswer(ScriptAnswer answer) = 0;
  // Keeps a picture of the screen under `name` where the backend can.
  virtual void Screenshot(const std::wstring& name) = 0;

  // What a person sees.
  // The entries of a list box or combo box, in order.
  virtual std::wstring ReadEntries(int id, std::vector<std::wstring>& entries) = 0;
  // A control of the window in front, or one of the wizard's buttons.
  virtual std::wstring ReadControl(int id, ControlState& state) = 0;
  // The wizard's active page (its index in the sheet).
  virtual std::wstring ReadPage(int& index) = 0;
  // The wizard buttons that are shown and enabled (ScriptButtons bits).
  virtual std::wstring ReadButtons(unsigned& buttons) = 0;
  // The message boxes shown so far: how many, and the last one.
  virtual int MessageCount() = 0;
  virtual std::wstring ReadLastMessage(ShownMessage& message) = 0;
  // How the wizard closed; a reason while a window is still open.
  virtual std::wstring ReadClosed(ScriptClose& how) = 0;
};

}  // namespace pf
