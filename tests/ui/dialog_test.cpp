// Headless dialogs: message-map dispatch, the platform's notification and
// selection rules of edits, combo boxes, list boxes and radio buttons,
// refused input, abandoned handlers, modal runs, pictures and controls
// created at run time.
#include <algorithm>
#include <stdexcept>

#include "TestPages.h"
#include "motion/MotionPicture.h"
#include "res/controls.h"
#include "res/styles.h"
#include "ui/ChildControl.h"
#include "ui/headless/HeadlessControl.h"

namespace pf::testing {
namespace {

using DialogTest = UiTest;

// The project template (2507): its combo box with an edit field.
class ProjectDialog : public CDialog {
 public:
  ProjectDialog() : CDialog(2507) {}
  std::vector<std::wstring> events;
  CComboBox combo{this, PF_IDC_PROJECT};

  const MessageMap* GetMessageMap() const override {
    static const MessageEntry kEntries[] = {
        MapCommand(PF_IDC_PROJECT, Notify::SelChange, &ProjectDialog::OnSelchange),
        MapCommand(PF_IDC_PROJECT, Notify::EditChange, &ProjectDialog::OnEditchange),
    };
    static const MessageMap kMap(CDialog::GetMessageMap(), kEntries);
    return &kMap;
  }

 private:
  void OnSelchange() { events.push_back(Format(L"sel %d shows '%s'", combo.GetCurSel(), combo.GetWindowText())); }
  void OnEditchange() { events.push_back(Format(L"edit %d '%s'", combo.GetCurSel(), combo.GetWindowText())); }
};

// The machine information template (2505): its Add button runs the axis
// name dialog (2504) modally; its choices are exchanged as the
// machine-information page does.
class MachineDialog : public CDialog {
 public:
  MachineDialog() : CDialog(2505) {}
  int machineType = 1;
  int gcodeNumber = 3;

  BOOL OnInitDialog() override {
    CComboBox types(this, PF_IDC_MACHINE_TYPE);
    types.AddString(L"Lathe");
    types.AddString(L"Machining centre");
    return CDialog::OnInitDialog();
  }
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_CBIndex(pDX, PF_IDC_MACHINE_TYPE, machineType);
    DDX_Radio(pDX, PF_IDC_GCODE_LIST2, gcodeNumber);
  }
  const MessageMap* GetMessageMap() const override {
    static const MessageEntry kEntries[] = {MapCommand(PF_IDC_ADD_AXIS, Notify::Clicked, &MachineDialog::OnAddAxis)};
    static const MessageMap kMap(CDialog::GetMessageMap(), kEntries);
    return &kMap;
  }

 private:
  void OnAddAxis() { CDialog(2504).DoModal(); }
};

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
    dialog.SetDlgItemText(PF_IDC_PROGRAM_TEXT, L"5");   // a multi-line edit reports no text set by code
    CListBox files(&dialog, PF_IDC_FILE_LIST);
    files.AddString(L"G0Pos.eia");
    files.AddString(L"G0a.eia");
    EXPECT_TRUE(row.input(ui));
    EXPECT_EQ(dialog.events, row.events);
    ui.CloseWindow();
    EXPECT_FALSE(dialog.HasWindow());
  }
}

TEST_F(DialogTest, ComboSelectionsByCodeAreSilentAndTheUsersAreNot) {
  ProjectDialog dialog;
  ASSERT_TRUE(ui.OpenDialog(dialog));
  dialog.combo.AddString(L"Alpha");
  dialog.combo.AddString(L"beta");
  EXPECT_EQ(dialog.combo.SetCurSel(1), 1);
  EXPECT_EQ(dialog.combo.GetWindowText(), L"beta");
  ui.PickItem(PF_IDC_PROJECT, 0);                    // the edit field still shows the old text to the handler
  EXPECT_EQ(dialog.combo.GetWindowText(), L"Alpha");
  ui.TypeText(PF_IDC_PROJECT, L"Line2");             // typing clears the list's selection
  EXPECT_EQ(dialog.events, (std::vector<std::wstring>{L"sel 0 shows 'beta'", L"edit -1 'Line2'"}));
  dialog.combo.SetCurSel(0);
  EXPECT_EQ(dialog.combo.SetCurSel(5), kLbErr);      // out of range: no entry is selected
  EXPECT_EQ(dialog.combo.GetWindowText(), L"");
}

TEST_F(DialogTest, ListBoxesKeepTheirSelectionAcrossDeletes) {
  ProgramDialog dialog;
  ASSERT_TRUE(ui.OpenDialog(dialog));
  CListBox list(&dialog, PF_IDC_FILE_LIST);
  for (const wchar_t* text : {L"a", L"b", L"c"}) list.AddString(text);
  list.SetCurSel(2);
  EXPECT_EQ(list.DeleteString(0), 2);
  EXPECT_EQ(list.GetCurSel(), 1);
  EXPECT_EQ(list.DeleteString(1), 1);
  EXPECT_EQ(list.GetCurSel(), kLbErr);
}

TEST_F(DialogTest, ComboIndexAndRadioIndexGoBothWaysAndAModalDialogGivesTheFocusBack) {
  MachineDialog dialog;
  ASSERT_TRUE(ui.OpenDialog(dialog));
  EXPECT_EQ(dialog.GetDlgItemText(PF_IDC_MACHINE_TYPE), L"Machining centre");   // a drop-down list shows its selection
  EXPECT_EQ(dialog.IsDlgButtonChecked(PF_IDC_GCODE_LIST5), kBstChecked);
  ui.PickItem(PF_IDC_MACHINE_TYPE, 0);
  ui.Click(PF_IDC_GCODE_LIST7);
  dialog.UpdateData(TRUE);
  EXPECT_EQ(dialog.machineType, 0);
  EXPECT_EQ(dialog.gcodeNumber, 5);
  dialog.SetDlgItemText(PF_IDC_MACHINE_TYPE, L"Machining centre");
  EXPECT_EQ(CComboBox(&dialog, PF_IDC_MACHINE_TYPE).GetCurSel(), 1);
  EXPECT_EQ(dialog.GetDlgItemText(PF_IDC_MACHINE_TYPE), L"Machining centre");
  dialog.gcodeNumber = -1;
  dialog.UpdateData(FALSE);
  dialog.gcodeNumber = 1;   // no button is checked: the read gives -1
  dialog.UpdateData(TRUE);
  EXPECT_EQ(dialog.gcodeNumber, -1);
  ui.queue().Add([](HeadlessUi& u) { u.Click(kIdOk); });
  ui.Click(PF_IDC_ADD_AXIS);
  EXPECT_EQ(dialog.GetFocusId(), PF_IDC_ADD_AXIS);
  EXPECT_EQ(ui.ForegroundDialog(), &dialog);
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

// The owner-drawn static keeps its motion picture and redraws when given
// one; a plain static refuses it.
TEST_F(DialogTest, TheOwnerDrawnStaticKeepsItsPictureAndRedraws) {
  MotionPicture line;
  line.horizontalAxis = L"X";
  line.path = {{10, 0}, {210, 0}};
  CDialog dialog(2506);
  ASSERT_TRUE(ui.OpenDialog(dialog));
  CPictureCtrl picture(&dialog, PF_IDC_MOTION_PICTURE);
  EXPECT_TRUE(picture.GetPicture().IsEmpty());
  const int redraws = ui.FindControl(dialog, PF_IDC_MOTION_PICTURE)->redraws();
  picture.SetPicture(line);
  EXPECT_EQ(picture.GetPicture().path.size(), 2u);
  EXPECT_EQ(ui.FindControl(dialog, PF_IDC_MOTION_PICTURE)->redraws(), redraws + 1);
  EXPECT_THROW(CPictureCtrl(&dialog, PF_IDC_MOTION_VERDICT).SetPicture(line), std::invalid_argument);
}

}  // namespace
}  // namespace pf::testing
