// The machine-information page: the lock of an existing project's choices,
// the G-code list that only the lathe type uses, deleting axes with their
// planes, and adding axes through the axis dialog.
#include <algorithm>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "ShellFixture.h"
#include "common/Text.h"
#include "res/controls.h"

namespace pf::test {
namespace {

using Names = std::vector<std::wstring>;

// The G-code list controls: the group box and the six radio buttons.
constexpr int kGCodeControls[] = {PF_IDC_GCODE_GROUP, PF_IDC_GCODE_LIST2, PF_IDC_GCODE_LIST3, PF_IDC_GCODE_LIST4,
                                  PF_IDC_GCODE_LIST5, PF_IDC_GCODE_LIST6, PF_IDC_GCODE_LIST7};

class MakeInfoPageTest : public ShellTest {
 protected:
  // Opens the sheet on the machine page with the machine read and the
  // project's fixed choices given.
  void Open(ShellSheet& sheet, int fixedType = -1, int fixedGCode = -1) {
    sheet.machine.MakeAxisInfo();
    sheet.machine.MakePlaneInfo();
    sheet.machine.m_nFixedMachineType = fixedType;
    sheet.machine.m_nFixedGCodeNumber = fixedGCode;
    ASSERT_TRUE(ui.OpenSheet(sheet));
  }

  Names ListedAxes(ShellSheet& sheet) {
    Names names;
    for (int i = 0; i < sheet.machine.m_listAxis.GetCount(); ++i) names.push_back(sheet.machine.m_listAxis.GetText(i));
    return names;
  }

  bool GCodeControlsEnabled(ShellSheet& sheet, bool enabled) {
    return std::all_of(std::begin(kGCodeControls), std::end(kGCodeControls),
                       [&](int id) { return Enabled(sheet.machine, id) == enabled; });
  }

  // The index of the checked G-code radio button, -1 for none.
  int CheckedGCode(ShellSheet& sheet) {
    for (int i = 1; i < 7; ++i) {
      if (Control(sheet.machine, kGCodeControls[i]).GetCheck() == kBstChecked) return i - 1;
    }
    return -1;
  }
};

// A stored type and G-code list lock their controls, also through adding
// or deleting an axis; unlocked, the G-code list serves only the lathe type,
// and every visit starts again from the first choices.
TEST_F(MakeInfoPageTest, FixedChoicesLockTheTypeAndGCodeControls) {
  enum Action { kNone, kDelete, kAdd, kPickCentre, kPickCentreThenLathe, kPickThenComeBack };
  // What; the stored type and G-code list; the action; whether locked; the type and list shown.
  const std::tuple<const char*, int, int, Action, bool, int, int> kRows[] = {
      {"new project", -1, -1, kNone, false, 0, 0},
      {"machining centre, list 5", 1, 3, kNone, true, 1, 3},
      {"lathe, list 2", 0, 0, kNone, true, 0, 0},
      {"only the type stored", 1, -1, kNone, false, 0, 0},
      {"lathe, list 4, delete", 0, 2, kDelete, true, 0, 2},
      {"lathe, list 4, add", 0, 2, kAdd, true, 0, 2},
      {"machining centre, delete", 1, 0, kDelete, true, 1, 0},
      {"unlocked, machining centre picked", -1, -1, kPickCentre, false, 1, 0},
      {"unlocked, lathe picked again", -1, -1, kPickCentreThenLathe, false, 0, 0},
      {"unlocked, list 5 and centre picked, Back, Next", -1, -1, kPickThenComeBack, false, 0, 0},
  };
  for (const auto& [name, fixedType, fixedGCode, action, locked, shownType, shownGCode] : kRows) {
    SCOPED_TRACE(name);
    ShellSheet sheet(ovx_, kMachinePage);
    Open(sheet, fixedType, fixedGCode);
    if (action == kAdd) ui.queue().Add([](HeadlessUi& u) { u.Click(kIdOk); });
    if (action == kAdd || action == kDelete) {
      ASSERT_TRUE(ui.Click(action == kAdd ? PF_IDC_ADD_AXIS : PF_IDC_DELETE_AXIS));
    }
    if (action == kPickThenComeBack) {
      ASSERT_TRUE(ui.Click(kGCodeControls[4]));
    }
    if (action >= kPickCentre) ui.PickItem(PF_IDC_MACHINE_TYPE, 1);
    if (action == kPickCentreThenLathe) ui.PickItem(PF_IDC_MACHINE_TYPE, 0);
    if (action == kPickThenComeBack) {
      ASSERT_TRUE(ui.PressBack());
      ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, L"Line1"));
      ASSERT_TRUE(ui.PressNext());
      ASSERT_EQ(sheet.GetActiveIndex(), kMachinePage);
    }
    EXPECT_EQ(Enabled(sheet.machine, PF_IDC_MACHINE_TYPE_LABEL), !locked);
    EXPECT_EQ(Enabled(sheet.machine, PF_IDC_MACHINE_TYPE), !locked);
    EXPECT_TRUE(GCodeControlsEnabled(sheet, !locked && shownType == 0));
    EXPECT_EQ(CComboBox(&sheet.machine, PF_IDC_MACHINE_TYPE).GetCurSel(), shownType);
    EXPECT_EQ(CheckedGCode(sheet), shownGCode);
    EXPECT_EQ(sheet.machine.m_nMachineType, shownType);
    EXPECT_EQ(sheet.machine.m_nGCodeNumber, shownGCode);
    ui.PressCancel();
  }
}

// Deleting an axis takes its planes along; without axes Next is off, and
// with nothing selected Delete changes nothing.
TEST_F(MakeInfoPageTest, DeletingAnAxisTakesItsPlanesAlong) {
  // What, the machine (nullptr: the built-in one), the axis picked; the axes left, the one selected; the
  // planes left and their axes.
  const std::tuple<const char*, const char*, int, Names, int, Names, Names> kRows[] = {
      {"$1-Y: two planes go", nullptr, 1, {L"$1-X", L"$1-Z", L"$2-X", L"$2-Z", L"$2-C"}, 0, {L"$1-KI", L"$2-KI"},
       {L"$1-Z", L"$1-X", L"$2-Z", L"$2-X"}},
      {"$1-X, the first: the new first is selected", nullptr, 0, {L"$1-Y", L"$1-Z", L"$2-X", L"$2-Z", L"$2-C"}, 0,
       {L"$1-JK", L"$2-KI"}, {L"$1-Y", L"$1-Z", L"$2-Z", L"$2-X"}},
      {"$2-C: no plane uses it", nullptr, 5, {L"$1-X", L"$1-Y", L"$1-Z", L"$2-X", L"$2-Z"}, 4,
       {L"$1-IJ", L"$1-JK", L"$1-KI", L"$2-KI"},
       {L"$1-X", L"$1-Y", L"$1-Y", L"$1-Z", L"$1-Z", L"$1-X", L"$2-Z", L"$2-X"}},
      {"the last axis, then Delete again", "[System1]\nAxes=X\n", 0, {}, -1, {}, {}},
  };
  for (const auto& [name, machine, pick, axes, selected, planes, planeAxes] : kRows) {
    SCOPED_TRACE(name);
    UseMachine(machine);
    ShellSheet sheet(ovx_, kMachinePage);
    Open(sheet);
    ASSERT_TRUE(ui.PickItem(PF_IDC_AXIS_LIST, pick));
    ASSERT_TRUE(ui.Click(PF_IDC_DELETE_AXIS));
    if (axes.empty()) {
      ASSERT_TRUE(ui.Click(PF_IDC_DELETE_AXIS));   // nothing selected: nothing changes
    }
    EXPECT_EQ(ListedAxes(sheet), axes);
    EXPECT_EQ(sheet.machine.m_aryAxisName, axes);
    EXPECT_EQ(sheet.machine.m_aryIncAxis.size(), axes.size());
    EXPECT_EQ(sheet.machine.m_aryTandemMaster.size(), axes.size());
    EXPECT_EQ(sheet.machine.m_listAxis.GetCurSel(), selected);
    EXPECT_EQ(sheet.machine.m_aryPlaneName, planes);
    EXPECT_EQ(sheet.machine.m_aryPlaneAxis, planeAxes);
    EXPECT_EQ(Enabled(sheet, kIdWizNext), !axes.empty());
    ui.PressCancel();
  }
}

TEST_F(MakeInfoPageTest, TheAxisDialogConfirmsOnlyUsableNewNames) {
  struct Row {
    std::wstring typed;
    std::wstring shown;   // what the edit holds: six characters at most
    bool ok;
  };
  std::vector<Row> rows = {{L"U", L"U", true},   {L"", L"", false},      {L"$1-X", L"$1-X", false},
                           {L"x", L"x", true},   {L"   ", L"   ", true}, {L"Spindle2", L"Spindl", true}};
  for (const wchar_t* c = kForbiddenNameChars; *c != L'\0'; ++c) {
    rows.push_back({std::wstring(L"U") + *c, std::wstring(L"U") + *c, false});
  }
  ShellSheet sheet(ovx_, kMachinePage);
  Open(sheet);
  ui.queue().Add([&](HeadlessUi& u) {
    CDialog& dialog = *u.ForegroundDialog();
    for (const Row& row : rows) {
      SCOPED_TRACE(ToNarrow(row.typed));
      EXPECT_TRUE(u.TypeText(PF_IDC_AXIS_NAME, row.typed));
      EXPECT_EQ(u.FindControl(dialog, PF_IDC_AXIS_NAME)->GetText(), row.shown);
      EXPECT_EQ(u.FindControl(dialog, kIdOk)->IsEnabled(), row.ok);
    }
    EXPECT_FALSE(u.Click(kIdOk));   // the last name holds a forbidden character
    u.TypeText(PF_IDC_AXIS_NAME, L"U2");
    u.Click(kIdOk);
  });
  ASSERT_TRUE(ui.Click(PF_IDC_ADD_AXIS));
  EXPECT_EQ(sheet.machine.m_aryAxisName.back(), L"U2");
  EXPECT_EQ(ListedAxes(sheet).back(), L"U2");
  EXPECT_EQ(sheet.machine.m_aryIncAxis.back(), L"999");
  EXPECT_EQ(sheet.machine.m_aryTandemMaster.back(), 0);

  // Cancel adds nothing.
  ui.queue().Add([](HeadlessUi& u) { u.Click(kIdCancel); });
  ASSERT_TRUE(ui.Click(PF_IDC_ADD_AXIS));
  EXPECT_EQ(sheet.machine.m_aryAxisName.size(), 7u);
}

}  // namespace
}  // namespace pf::test
