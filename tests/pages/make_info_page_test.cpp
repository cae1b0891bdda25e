// The machine-information page: deleting axes with their planes. The lock of
// an existing project's choices and the axis dialog are the end-to-end runs'
// (machine-choices, axis-names).
#include <string>
#include <tuple>
#include <vector>

#include "ShellFixture.h"
#include "res/controls.h"

namespace pf::test {
namespace {

using Names = std::vector<std::wstring>;

class MakeInfoPageTest : public ShellTest {};

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
    sheet.machine.MakeAxisInfo();
    sheet.machine.MakePlaneInfo();
    ASSERT_TRUE(ui.OpenSheet(sheet));
    ASSERT_TRUE(ui.PickItem(PF_IDC_AXIS_LIST, pick));
    ASSERT_TRUE(ui.Click(PF_IDC_DELETE_AXIS));
    if (axes.empty()) {
      ASSERT_TRUE(ui.Click(PF_IDC_DELETE_AXIS));   // nothing selected: nothing changes
    }
    Names listed;
    for (int i = 0; i < sheet.machine.m_listAxis.GetCount(); ++i) listed.push_back(sheet.machine.m_listAxis.GetText(i));
    EXPECT_EQ(listed, axes);
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

}  // namespace
}  // namespace pf::test
