// What the proofs' scripts share: a second thread of the process that finds
// the wizard sheet by its caption and drives its pages through their windows,
// checking as it goes.
//
// Screenshots are taken by the shell script that runs a proof: for each one
// the driver leaves "<name>.wanted" in the screenshot folder and waits until
// it is gone. Without a folder no screenshot is asked for.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>

#include "Report.h"
#include "WindowInput.h"

namespace pf::proof {

class SheetDriver {
 public:
  SheetDriver(Report& report, std::wstring shotFolder, DWORD uiThread);
  virtual ~SheetDriver() = default;
  SheetDriver(const SheetDriver&) = delete;
  SheetDriver& operator=(const SheetDriver&) = delete;

 protected:
  struct Step {
    const wchar_t* name;
    std::function<bool()> run;
  };
  // Runs the steps in order. When one cannot go on, the run of the sheet is
  // ended (WM_QUIT to the UI thread).
  void RunSteps(std::initializer_list<Step> steps);

  // Waits for the sheet with the wizard's caption and its first page.
  bool FindSheet();
  HWND Sheet() const { return sheet_; }
  HWND Page() const { return PropSheet_GetCurrentPageHwnd(sheet_); }
  HWND Item(int id) const { return GetDlgItem(Page(), id); }
  HWND SheetButton(int id) const { return GetDlgItem(sheet_, id); }
  bool OnPage(int controlId) const { return Page() != nullptr && Item(controlId) != nullptr; }
  const std::wstring& Caption() const { return caption_; }
  DWORD UiThread() const { return uiThread_; }

  // Waits until `condition` holds (posted requests take effect after the
  // handler), then records the check.
  bool Expect(const std::function<bool()>& condition, const std::wstring& what, int ms = kWaitMs);
  bool Check(bool passed, const std::wstring& what, const std::wstring& detail = L"") {
    return report_.Check(passed, what, detail);
  }
  // The WM_COMMAND that a control of the page sends.
  void Command(int id, WORD code);
  // Typing into a combo box's edit field, picking a list entry: each with
  // the notification that the platform sends for a person's input.
  void TypeIntoCombo(int id, const std::wstring& text);
  void Pick(int id, UINT setMessage, WORD code, int index);
  // The dialog manager moves the focus; the message posted after it makes
  // the loop run the page's PreTranslateMessage.
  void Focus(int id);
  void Press(int button) { Send(sheet_, PSM_PRESSBUTTON, static_cast<WPARAM>(button)); }
  // Asks the shell script for a screenshot and waits until it is taken.
  bool Snapshot(const std::wstring& name);

  static constexpr int kWaitMs = 5000;

 private:
  Report& report_;
  std::wstring shotFolder_;
  DWORD uiThread_;
  std::wstring caption_;
  HWND sheet_ = nullptr;
};

}  // namespace pf::proof
