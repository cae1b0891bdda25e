// Headless dialogs: message-map dispatch, refused input, abandoned handlers
// and controls created at run time.
#include <algorithm>
#include <stdexcept>

#include "TestPages.h"
#include "res/controls.h"
#include "res/styles.h"
#include "ui/ChildControl.h"
#include "ui/headless/HeadlessControl.h"

namespace pf::testing {
namespace {

using DialogTest = UiTest;

class GridStub : public CChildControl {
 public:
  const wchar_t* GetWindowClass() const override { return L"PathForgeGridStub"; }
};

TEST_F(DialogTest, TheMessageMapRunsTheHandlerOfTheControlAndNotification) {
  struct Row {
    const char* name;
    std::function<bool(HeadlessUi&)> input;
    std::vector<std::wstring> events;
  };
  const Row kRows[] = {
      {"button", [](HeadlessUi& u) { return u.Click(PF_IDC_CREATE); }, {L"create"}},
      {"edit", [](HeadlessUi& u) { return u.TypeText(PF_IDC_DISTANCE, L"100"); }, {L"distance 100"}},
      {"list box", [](HeadlessUi& u) { return u.PickItem(PF_IDC_FILE_LIST, 1); }, {L"file 1"}},
      {"check box", [](HeadlessUi& u) { return u.Click(PF_IDC_DWELL_CHECK); }, {L"dwell 1"}},
      {"unmapped button", [](HeadlessUi& u) { return u.Click(PF_IDC_TRIAL_RUN); }, {}},
      {"unmapped edit", [](HeadlessUi& u) { return u.TypeText(PF_IDC_FEED, L"7"); }, {}},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    ProgramDialog dialog;
    ASSERT_TRUE(ui.OpenDialog(dialog));
    CListBox files(&dialog, PF_IDC_FILE_LIST);
    files.AddString(L"G0Pos.eia");
    files.AddString(L"G0a.eia");
    EXPECT_TRUE(row.input(ui));
    EXPECT_EQ(dialog.events, row.events);
    ui.CloseWindow();
    EXPECT_FALSE(dialog.HasWindow());
  }
}

TEST_F(DialogTest, HiddenDisabledReadOnlyAndMissingControlsTakeNoInput) {
  struct Row {
    const char* name;
    std::function<void(CDialog&)> setup;
    std::function<bool(HeadlessUi&)> input;
    const wchar_t* reason;
  };
  const Row kRows[] = {
      {"disabled edit", [](CDialog& d) { d.GetDlgItem(PF_IDC_DISTANCE).EnableWindow(FALSE); },
       [](HeadlessUi& u) { return u.TypeText(PF_IDC_DISTANCE, L"1"); }, L"control 35045 is disabled"},
      {"hidden button", [](CDialog& d) { d.GetDlgItem(PF_IDC_CREATE).ShowWindow(kSwHide); },
       [](HeadlessUi& u) { return u.Click(PF_IDC_CREATE); }, L"control 35020 is hidden"},
      {"hidden in the template", [](CDialog&) {}, [](HeadlessUi& u) { return u.Click(PF_IDC_AXIS2); },
       L"control 35043 is hidden"},
      {"not in the template", [](CDialog&) {}, [](HeadlessUi& u) { return u.TypeText(PF_IDC_PROJECT, L"1"); },
       L"the window has no control 35027"},
      {"wrong kind", [](CDialog&) {}, [](HeadlessUi& u) { return u.PickItem(PF_IDC_DISTANCE, 0); },
       L"control 35045 does not take this input"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    ProgramDialog dialog;
    ASSERT_TRUE(ui.OpenDialog(dialog));
    row.setup(dialog);
    const std::size_t before = ui.rejected().size();
    EXPECT_FALSE(row.input(ui));
    ASSERT_EQ(ui.rejected().size(), before + 1);
    EXPECT_EQ(ui.rejected().back().reason, row.reason);
    EXPECT_TRUE(dialog.events.empty());
    ui.CloseWindow();
  }
  CDialog summary(2508);
  ASSERT_TRUE(ui.OpenDialog(summary));
  EXPECT_FALSE(ui.TypeText(PF_IDC_PROGRAM_TEXT, L"G01"));
  EXPECT_EQ(ui.rejected().back().reason, L"the edit is read-only");
}

TEST_F(DialogTest, AnExceptionAbandonsTheActionAndTheNextInputStillWorks) {
  ProgramDialog dialog;
  ASSERT_TRUE(ui.OpenDialog(dialog));
  dialog.onCreate = [] { (void)std::vector<int>(2).at(2); };
  EXPECT_TRUE(ui.Click(PF_IDC_CREATE));
  dialog.onCreate = [&dialog] { dialog.SetDlgItemText(PF_IDC_PROJECT, L"no such control"); };
  EXPECT_TRUE(ui.Click(PF_IDC_CREATE));
  ASSERT_EQ(ui.abandoned().size(), 2u);
  EXPECT_EQ(ui.abandoned()[0].where, L"35020 clicked");
  EXPECT_NE(ui.abandoned()[1].what.find("35027"), std::string::npos);
  EXPECT_TRUE(ui.TypeText(PF_IDC_DISTANCE, L"1"));
  EXPECT_EQ(dialog.events, (std::vector<std::wstring>{L"create", L"create", L"distance 1"}));
  EXPECT_TRUE(dialog.HasWindow());
}

TEST_F(DialogTest, AChildControlTakesThePlaceholdersPlaceAndNotifiesTheDialog) {
  ProgramDialog dialog;
  GridStub grid;
  ASSERT_TRUE(ui.OpenDialog(dialog));
  const Rect placeholder = dialog.GetDlgItem(PF_IDC_GRID_PLACE).GetRectInParent();
  EXPECT_EQ(placeholder, (Rect{10, 216, 255, 310}));   // 7, 133, 163 x 58 dialog units
  ASSERT_TRUE(grid.CreateChild(&dialog, PF_IDC_AXIS_GRID, placeholder, PF_WS_CHILD | PF_WS_VISIBLE | PF_WS_TABSTOP));
  EXPECT_FALSE(GridStub().CreateChild(&dialog, PF_IDC_DISTANCE, placeholder, PF_WS_CHILD));   // the id is taken
  dialog.PlaceDlgItemAfter(PF_IDC_AXIS_GRID, PF_IDC_GRID_PLACE);
  const std::vector<int> order = ui.ControlIds(dialog);
  auto at = std::find(order.begin(), order.end(), PF_IDC_GRID_PLACE);
  ASSERT_NE(at, order.end());
  EXPECT_EQ(*(at + 1), PF_IDC_AXIS_GRID);
  EXPECT_EQ(dialog.GetDlgItem(PF_IDC_AXIS_GRID).GetRectInParent(), placeholder);

  NotifyInfo cell;
  cell.row = 2;
  cell.column = 1;
  EXPECT_EQ(grid.NotifyParent(Notify::EndLabelEdit, cell), 7);
  EXPECT_EQ(dialog.events, (std::vector<std::wstring>{L"cell 2,1"}));
  ui.Focus(PF_IDC_AXIS_GRID);
  EXPECT_EQ(dialog.focusSeen, PF_IDC_AXIS_GRID);
  auto* peer = dynamic_cast<HeadlessCustom*>(ui.FindControl(dialog, PF_IDC_AXIS_GRID));
  ASSERT_NE(peer, nullptr);
  EXPECT_EQ(&peer->control(), &grid);
}

}  // namespace
}  // namespace pf::testing
