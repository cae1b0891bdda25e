// The wizard base: the buttons by the active page's place, the frame's
// start-up, the modal run, and pages that hand Back, Next and Finish to the
// sheet.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <utility>
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

// The start-up names the buttons and, when asked, adds the minimize box with
// its system menu. Activation sets the buttons by the page's place;
// SetNextEnable then switches Next and leaves the last page alone.
TEST_F(WizardBaseTest, TheButtonsFollowThePlaceOfThePageAndSetNextEnable) {
  // Name; the sheet's pages, the active one; SetNextEnable's argument (-1: not called); the buttons;
  // whether the sheet asks for the minimize box.
  const std::tuple<const char*, int, int, int, const char*, int> kRows[] = {
      {"first of three", 3, 0, -1, "-SES--", 1},
      {"middle of three", 3, 1, -1, "ESES--", 0},
      {"last of three: one button that closes", 3, 2, -1, "------", 1},
      // The start-up names the buttons after the first page's activation.
      {"one page: the first is the last", 1, 0, -1, "------", 0},
      {"first, enable", 3, 0, TRUE, "-SES--", 1},
      {"first, disable: no button", 3, 0, FALSE, "-S-S--", 0},
      {"middle, enable", 3, 1, TRUE, "ESES--", 1},
      {"middle, disable: Back stays", 3, 1, FALSE, "ES-S--", 0},
      {"last: nothing is posted", 3, 2, TRUE, "------", 1},
      {"one page: nothing is posted", 1, 0, TRUE, "------", 0},
  };
  const std::pair<unsigned, unsigned> kMenu[] = {{0xF020u, 12616}, {0xF120u, 12617}};
  const std::pair<int, unsigned> kTexts[] = {{12324, 12614}, {12325, 12615}, {12323, 12613}};
  for (const auto& [name, pages, active, enable, buttons, minimizeBox] : kRows) {
    SCOPED_TRACE(name);
    BaseSheet sheet(pages);
    sheet.m_bMinimizeBox = minimizeBox;
    OpenAt(sheet, active);
    EXPECT_EQ((sheet.GetStyle() & PF_WS_MINIMIZEBOX) != 0, minimizeBox == 1);
    const std::vector<SystemMenuEntry>& menu = ui.SheetWindow(sheet)->systemMenu();
    ASSERT_EQ(menu.size(), minimizeBox == 1 ? 2u : 0u);
    for (std::size_t i = 0; i < menu.size(); ++i) {
      EXPECT_EQ(menu[i].command, kMenu[i].first);
      EXPECT_EQ(menu[i].text, LoadResString(kMenu[i].second));
    }
    for (const auto& [id, stringId] : kTexts) EXPECT_EQ(sheet.GetDlgItemText(id), LoadResString(stringId));
    if (enable >= 0) {
      sheet.SetNextEnable(enable);
      EXPECT_TRUE(ui.Focus(kFocusIds[active]));   // lets the posted request run
    }
    EXPECT_EQ(Buttons(sheet), buttons);
    // On the last of several pages Cancel is the one button that closes.
    EXPECT_EQ(sheet.GetDlgItemText(kIdCancel), LoadResString(active == 2 ? 12615 : 12618));
    EXPECT_TRUE(ui.PressCancel());
    EXPECT_FALSE(ui.IsOpen(sheet));
  }
}

TEST_F(WizardBaseTest, PagesHandNavigationToTheSheet) {
  // Name; the page, the button pressed there, the sheet's answer; the page then (-1: the
  // sheet closed); what the sheet was asked, in order.
  const std::tuple<const char*, int, int, LRESULT, int, const wchar_t*> kRows[] = {
      {"Next 0: the next page", 0, kIdWizNext, 0, 1, L"next 0;activate 1;"},
      {"Next -1: the sheet decided", 0, kIdWizNext, -1, 0, L"next 0;"},
      {"Back 0: the previous page", 1, kIdWizBack, 0, 0, L"back 1;activate 0;"},
      {"Back -1: the sheet decided", 1, kIdWizBack, -1, 1, L"back 1;"},
      {"Finish 0: the sheet stays open", 2, kIdWizFinish, 0, 2, L"finish 2;"},
      {"Finish 1: the sheet closes", 2, kIdWizFinish, 1, -1, L"finish 2;"},
  };
  for (const auto& [name, start, button, answer, expectedPage, calls] : kRows) {
    SCOPED_TRACE(name);
    DecidingSheet sheet;
    OpenAt(sheet, start);
    sheet.calls.clear();
    sheet.backAnswer = sheet.nextAnswer = answer;
    sheet.finishAnswer = static_cast<BOOL>(answer);
    EXPECT_TRUE(ui.Click(button));
    std::wstring asked;   // every activation asks the sheet for the buttons
    for (const std::wstring& call : sheet.calls) asked += call + L";";
    EXPECT_EQ(asked, calls);
    EXPECT_EQ(ui.IsOpen(sheet), expectedPage >= 0);
    if (expectedPage < 0) continue;
    EXPECT_EQ(sheet.GetActiveIndex(), expectedPage);
    ui.PressCancel();
  }
}

}  // namespace
}  // namespace pf
