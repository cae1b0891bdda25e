// The script driver of the headless toolkit: every step is an input of
// HeadlessUi (so it is refused where the platform would refuse it), every
// read looks at the headless windows and the toolkit's records. A step
// also fails when a handler was abandoned by an exception since the step
// before (while it ran, or while the window opened).
//
//   HeadlessUi ui;
//   ScopedUiBackend backend(ui);
//   HeadlessScriptDriver driver(ui);
//   ScriptRunner runner(script, driver, dataFolder, scriptFolder, report);
//   ScriptInput input(runner);          // the modal loops' input
//   ui.SetInputSource(&input);
//   StartIF();                          // or any sheet's DoModal
//   runner.RunRest();
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "tools/script/ScriptDriver.h"
#include "ui/headless/HeadlessUi.h"

namespace pf {

class CPropertySheet;
class HeadlessTree;

class HeadlessScriptDriver : public IScriptDriver {
 public:
  explicit HeadlessScriptDriver(HeadlessUi& ui) : ui_(ui) {}

  std::wstring Type(int id, const std::wstring& text) override;
  std::wstring Click(int id) override;
  std::wstring Pick(int id, int index) override;
  std::wstring Tick(int id, const std::vector<std::wstring>& itemPath) override;
  std::wstring DoubleTick(int id, const std::vector<std::wstring>& itemPath) override;
  std::wstring ClickItemText(int id, const std::vector<std::wstring>& itemPath) override;
  std::wstring SelectItem(int id, const std::vector<std::wstring>& itemPath) override;
  std::wstring PressKey(int id, ScriptKey key) override;
  std::wstring EditCell(int id, int row, int column, const std::wstring& text) override;
  std::wstring Focus(int id) override;
  std::wstring Press(WizardButton button) override;
  void QueueAnswer(ScriptAnswer answer) override;
  // Headless runs have no screen.
  void Screenshot(const std::wstring&) override {}

  std::wstring ReadEntries(int id, std::vector<std::wstring>& entries) override;
  std::wstring ReadControl(int id, ControlState& state) override;
  std::wstring ReadPage(int& index) override;
  std::wstring ReadButtons(unsigned& buttons) override;
  int MessageCount() override;
  std::wstring ReadLastMessage(ShownMessage& message) override;
  std::wstring ReadClosed(ScriptClose& how) override;

 private:
  // Runs inputs; the reason of the first one refused, or of a handler that
  // was abandoned meanwhile.
  std::wstring Input(const std::function<bool()>& inputs);
  // A control of the window in front; null when there is none.
  HeadlessControl* FrontControl(int id) const;
  // The wizard whose page is in front; null when none is.
  CPropertySheet* FrontSheet() const;
  // The tree item of a path: its tree and item, or the reason it is missing.
  std::wstring FindItem(int id, const std::vector<std::wstring>& itemPath, HeadlessTree*& tree, HTreeItem& item) const;
  // Opens the item's closed parents by their buttons, as a person would;
  // false when a click was refused.
  bool OpenParents(int id, const HeadlessTree& tree, HTreeItem item);
  // Opens the item's parents, then clicks `part` of it.
  using TreeClick = bool (HeadlessUi::*)(int, HTreeItem, TreePart);
  std::wstring ClickItem(int id, const std::vector<std::wstring>& itemPath, TreePart part, TreeClick click);

  HeadlessUi& ui_;
  std::size_t reportedAbandoned_ = 0;
};

}  // namespace pf
