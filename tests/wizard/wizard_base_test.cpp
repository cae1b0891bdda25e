// The wizard base: the buttons by the active page's place, the frame's
// start-up, the modal run, and pages that hand Back, Next and Finish to the
// sheet.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "common/StringTable.h"
#include "res/controls.h"
#include "res/styles.h"
#include "ui/UiBackend.h"
#include "ui/headless/HeadlessSheet.h"
#include "ui/headless/HeadlessUi.h"
#include "wizard/base/WizardBasePage.h"
#include "wizard/base/WizardBaseSheet.h"

namespace pf {
namespace {

// A control of each page that input can focus, by page index.
constexpr int kFocusIds[] = {PF_IDC_PROJECT, PF_IDC_AXIS_LIST, PF_IDC_SELECTION_TREE};

// Up to three base pages (project, machine and selection templates).
class BaseSheet : public CWizardBaseSheet {
 public:
  explicit BaseSheet(int pageCount, bool wizard97 = true) : CWizardBaseSheet(14001) {
    if (wizard97) m_psh.dwFlags |= kPshWizard97;
    for (int i = 0; i < pageCount; ++i) AddPage(&pages[i]);
  }

  CWizardBasePage pages[3] = {{2507, 0, 14029, 14030}, {2505, 0, 14006, 14028}, {2509, 0, 14045, 14046}};
};

// A sheet that decides as a test tells it and logs what the pages asked.
class DecidingSheet : public BaseSheet {
 public:
  DecidingSheet() : BaseSheet(3) {}

  LRESULT backAnswer = 0;
  LRESULT nextAnswer = 0;
  BOOL finishAnswer = FALSE;
  std::vector<std::wstring> calls;

  LRESULT OnPageBack() override { return Log(L"back", backAnswer); }
  LRESULT OnPageNext() override { return Log(L"next", nextAnswer); }
  BOOL OnPageFinish() override { return static_cast<BOOL>(Log(L"finish", finishAnswer)); }
  // Finish on the last page, as the program sheet has it.
  void OnPageActivate() override {
    calls.push_back(L"activate " + std::to_wstring(GetActiveIndex()));
    if (ActivePagePlace() == PagePlace::Last) {
      PostWizardButtons(kWizBack | kWizFinish);
    } else {
      CWizardBaseSheet::OnPageActivate();
    }
  }

 private:
  LRESULT Log(const wchar_t* what, LRESULT answer) {
    calls.push_back(std::wstring(what) + L" " + std::to_wstring(GetActiveIndex()));
    return answer;
  }
};

class WizardBaseTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(ui.abandoned().empty()); }

  // Opens the sheet and moves forward to page `index` with Next.
  void OpenAt(CPropertySheet& sheet, int index) {
    ASSERT_TRUE(ui.OpenSheet(sheet));
    for (int i = 0; i < index; ++i) ASSERT_TRUE(ui.PressNext());
    ASSERT_EQ(sheet.GetActiveIndex(), index);
  }
  // Back, Next and Finish as "ES": enabled and shown, '-' where not.
  std::string Buttons(CPropertySheet& sheet) {
    std::string states;
    for (int id : {kIdWizBack, kIdWizNext, kIdWizFinish}) {
      states += sheet.GetDlgItem(id).IsWindowEnabled() ? 'E' : '-';
      states += sheet.GetDlgItem(id).IsWindowVisible() ? 'S' : '-';
    }
    return states;
  }

  HeadlessUi ui;
  ScopedUiBackend backend{ui};
};

TEST_F(WizardBaseTest, ActivationSetsTheButtonsByThePlaceOfThePage) {
  struct Row {
    const char* name;
    int pages;
    int active;
    const char* buttons;
    unsigned cancelText;
  };
  static constexpr Row kRows[] = {
      {"first of three", 3, 0, "-SES--", 12618},
      {"middle of three", 3, 1, "ESES--", 12618},
      {"last of three: one button that closes", 3, 2, "------", 12615},
      // The start-up names the buttons after the first page's activation.
      {"one page: the first is the last", 1, 0, "------", 12618},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    BaseSheet sheet(row.pages);
    OpenAt(sheet, row.active);
    EXPECT_EQ(Buttons(sheet), row.buttons);
    EXPECT_EQ(sheet.GetDlgItemText(kIdCancel), LoadResString(row.cancelText));
    EXPECT_TRUE(ui.PressCancel());
    EXPECT_FALSE(ui.IsOpen(sheet));
  }
}

TEST_F(WizardBaseTest, SetNextEnableSwitchesNextAndLeavesTheLastPageAlone) {
  struct Row {
    const char* name;
    int pages;
    int active;
    BOOL enable;
    const char* buttons;
  };
  static constexpr Row kRows[] = {
      {"first, enable", 3, 0, TRUE, "-SES--"},
      {"first, disable: no button", 3, 0, FALSE, "-S-S--"},
      {"middle, enable", 3, 1, TRUE, "ESES--"},
      {"middle, disable: Back stays", 3, 1, FALSE, "ES-S--"},
      {"last: nothing is posted", 3, 2, TRUE, "------"},
      {"one page: nothing is posted", 1, 0, TRUE, "------"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    BaseSheet sheet(row.pages);
    OpenAt(sheet, row.active);
    sheet.SetNextEnable(row.enable);
    EXPECT_TRUE(ui.Focus(kFocusIds[row.active]));   // lets the posted request run
    EXPECT_EQ(Buttons(sheet), row.buttons);
    ui.PressCancel();
  }
}

TEST_F(WizardBaseTest, StartUpNamesTheButtonsAndAddsTheMinimizeBox) {
  for (int minimizeBox : {1, 0}) {
    SCOPED_TRACE(minimizeBox);
    BaseSheet sheet(2);
    sheet.m_bMinimizeBox = minimizeBox;
    ASSERT_TRUE(ui.OpenSheet(sheet));
    EXPECT_EQ((sheet.GetStyle() & PF_WS_MINIMIZEBOX) != 0, minimizeBox == 1);
    const std::vector<SystemMenuEntry>& menu = ui.SheetWindow(sheet)->systemMenu();
    ASSERT_EQ(menu.size(), minimizeBox == 1 ? 2u : 0u);
    if (minimizeBox == 1) {
      EXPECT_EQ(menu[0].command, 0xF020u);
      EXPECT_EQ(menu[0].text, LoadResString(12616));
      EXPECT_EQ(menu[1].command, 0xF120u);
      EXPECT_EQ(menu[1].text, LoadResString(12617));
    }
    const std::pair<int, unsigned> kTexts[] = {{12324, 12614}, {12325, 12615}, {12323, 12613}, {2, 12618}};
    for (const auto& [id, stringId] : kTexts) {
      EXPECT_EQ(sheet.GetDlgItemText(id), LoadResString(stringId));
    }
    ui.PressCancel();
  }
}

TEST_F(WizardBaseTest, PagesHandNavigationToTheSheet) {
  struct Row {
    const char* name;
    int start;
    int button;
    LRESULT answer;
    int expectedPage;   // -1: the sheet closed
    const wchar_t* calls;   // what the sheet was asked, in order
  };
  static constexpr Row kRows[] = {
      {"Next 0: the next page", 0, kIdWizNext, 0, 1, L"next 0;activate 1;"},
      {"Next -1: the sheet decided", 0, kIdWizNext, -1, 0, L"next 0;"},
      {"Back 0: the previous page", 1, kIdWizBack, 0, 0, L"back 1;activate 0;"},
      {"Back -1: the sheet decided", 1, kIdWizBack, -1, 1, L"back 1;"},
      {"Finish 0: the sheet stays open", 2, kIdWizFinish, 0, 2, L"finish 2;"},
      {"Finish 1: the sheet closes", 2, kIdWizFinish, 1, -1, L"finish 2;"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    DecidingSheet sheet;
    OpenAt(sheet, row.start);
    sheet.calls.clear();
    sheet.backAnswer = sheet.nextAnswer = row.answer;
    sheet.finishAnswer = static_cast<BOOL>(row.answer);
    EXPECT_TRUE(ui.Click(row.button));
    std::wstring calls;   // every activation asks the sheet for the buttons
    for (const std::wstring& call : sheet.calls) calls += call + L";";
    EXPECT_EQ(calls, row.calls);
    EXPECT_EQ(ui.IsOpen(sheet), row.expectedPage >= 0);
    if (row.expectedPage < 0) continue;
    EXPECT_EQ(sheet.GetActiveIndex(), row.expectedPage);
    ui.PressCancel();
  }
}

}  // namespace
}  // namespace pf
