// The program selection page: the tree built from the machine's axes and
// planes and the project's programs, ticks by check box and space bar, the
// selection written into the program records, the warning about existing
// programs, and the fresh start each time the page comes back.
#include <string>
#include <tuple>
#include <vector>

#include "ShellFixture.h"
#include "common/Path.h"
#include "res/controls.h"
#include "wizard/ProjectFolders.h"

namespace pf::test {
namespace {

using Names = std::vector<std::wstring>;

// The kinds whose records the page selects.
constexpr int kSelectedKinds[] = {0, 1, 2, 3, 4, 9, 10};

class SelProgPageTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    UseMachine(kTandemMachine);
  }

  // Writes every file of a program into the project, as a finished wizard
  // run would have left it.
  void WriteProgram(const std::wstring& subFolder, int kind) {
    int count = 0;
    const ProgramFileEntry* files = GetProgramFileTable(kind, kMachineLathe, count);
    const std::wstring folder = CProgramInfo::ProgramFolder(ProjectFolderPath(L"Line1"), subFolder, kind);
    ASSERT_TRUE(MakeDirectory(folder));
    for (int i = 0; i < count; ++i) {
      ASSERT_TRUE(WriteFileBytes(folder + PathSep() + files[i].fileName, "%\r\nG04X1.\r\n%\r\n"));
    }
  }

  // Reads the machine and the project's records, marks every record as
  // selected (so that the page visibly clears them) and opens the sheet on
  // the selection page.
  void Open(ShellSheet& sheet) {
    sheet.project.m_strProject = L"Line1";
    sheet.ReadMachine(ProjectFolderPath(L"Line1"));
    for (CProgramInfoAry& records : sheet.programs) {
      for (CProgramInfo& record : records) record.m_bSaveFiles = 1;
    }
    ASSERT_TRUE(ui.OpenSheet(sheet));
    ASSERT_EQ(sheet.GetActiveIndex(), kSelectionPage);
  }

  static std::vector<int> SaveFlags(ShellSheet& sheet, int kind) {
    std::vector<int> flags;
    for (const CProgramInfo& record : sheet.Programs(kind)) flags.push_back(record.m_bSaveFiles);
    return flags;
  }

  // The user opens a group and clicks an entry's check box.
  void ClickCheckBox(ShellSheet& sheet, int group, int index) {
    const HTreeItem groupItem = sheet.selection.m_hGroup[group];
    OpenGroup(sheet.selection, PF_IDC_SELECTION_TREE, groupItem);
    const HTreeItem entry = Children(sheet.selection.m_treeProgram, groupItem).at(index);
    ASSERT_TRUE(ui.ClickTreeItem(PF_IDC_SELECTION_TREE, entry, TreePart::StateIcon));
  }
};

// Three part systems; $2-Z leads a tandem pair with $2-W in the middle of
// the axis list, so the entries after it belong to the axes after the lead.
constexpr const char kMiddleLeadMachine[] =
    "[System1]\nAxes=X Y\n[System2]\nAxes=Z W\n[System3]\nAxes=X\n[$2-Z]\nTANDEM_AXISNUM_SPC=4\n";

TEST_F(SelProgPageTest, EntriesAfterATandemLeadSelectTheirOwnAxes) {
  UseMachine(kMiddleLeadMachine);
  ShellSheet sheet(ovx_, kSelectionPage);
  Open(sheet);
  ASSERT_EQ(sheet.machine.m_aryAxisName, (Names{L"$1-X", L"$1-Y", L"$2-Z", L"$3-X"}));
  ASSERT_EQ(sheet.machine.m_aryTandemMaster, (std::vector<int>{0, 0, 1, 0}));
  // Group, entry, the kind it selects and the records' flags.
  const std::tuple<int, int, int, std::vector<int>> kRows[] = {
      {0, 2, 0, {0, 0, 0, 1}}, {1, 1, 2, {0, 1, 0, 0}}, {2, 2, 4, {0, 0, 0, 1}}};
  for (const auto& [group, entry, kind, flags] : kRows) {
    SCOPED_TRACE(group);
    ASSERT_EQ(Children(sheet.selection.m_treeProgram, sheet.selection.m_hGroup[group]).size(), 3u);
    ClickCheckBox(sheet, group, entry);
    EXPECT_EQ(SaveFlags(sheet, kind), flags);
    ClickCheckBox(sheet, group, entry);
    EXPECT_EQ(SaveFlags(sheet, kind), std::vector<int>(4, 0));
  }
}

TEST_F(SelProgPageTest, ATickedProgramThatExistsRaisesTheWarning) {
  WriteProgram(L"$1-X", 2);
  WriteProgram(L"$1-X", 3);
  WriteProgram(L"$1-Y", 0);
  WriteProgram(L"$1-JK", 9);
  WriteProgram(L"$1-JK", 10);
  // What, the group and entry ticked, whether the warning shows.
  const std::tuple<const char*, int, int, bool> kRows[] = {
      {"time constant of X exists", 1, 0, true},
      {"positioning of Y lacks a kind", 0, 1, false},
      {"method 3 on $1-JK exists", 6, 1, true},
      {"lost motion of X is new", 2, 0, false},
  };
  ShellSheet sheet(ovx_, kSelectionPage);
  Open(sheet);
  for (const auto& [name, group, index, warning] : kRows) {
    SCOPED_TRACE(name);
    ClickCheckBox(sheet, group, index);
    EXPECT_EQ(Text(sheet.selection, PF_IDC_SELECTION_WARNING), warning ? LoadResString(14003) : L"");
    ClickCheckBox(sheet, group, index);
    EXPECT_EQ(Text(sheet.selection, PF_IDC_SELECTION_WARNING), L"");
  }
  // A new program ticked beside an existing one keeps the warning, and the
  // group its tick.
  ClickCheckBox(sheet, 1, 1);
  ClickCheckBox(sheet, 1, 0);
  ClickCheckBox(sheet, 1, 1);
  EXPECT_EQ(Text(sheet.selection, PF_IDC_SELECTION_WARNING), LoadResString(14003));
  EXPECT_TRUE(sheet.selection.m_treeProgram.GetCheck(sheet.selection.m_hGroup[1]));
}

TEST_F(SelProgPageTest, ComingBackStartsAgainWithNothingTicked) {
  ShellSheet sheet(ovx_, kSelectionPage);
  Open(sheet);
  ASSERT_TRUE(ui.ClickTreeItem(PF_IDC_SELECTION_TREE, sheet.selection.m_hGroup[6], TreePart::StateIcon));
  ASSERT_TRUE(ui.ClickTreeItem(PF_IDC_SELECTION_TREE, sheet.selection.m_hGroup[2], TreePart::StateIcon));
  EXPECT_EQ(SaveFlags(sheet, 9), (std::vector<int>{1, 1, 1}));
  const CTreeCtrl& tree = sheet.selection.m_treeProgram;
  for (HTreeItem entry : Children(tree, sheet.selection.m_hGroup[6])) EXPECT_TRUE(tree.GetCheck(entry));
  ASSERT_TRUE(ui.PressNext());
  ASSERT_EQ(sheet.GetActiveIndex(), kProgramPage);
  // What was ticked stays in the records while the program pages run.
  EXPECT_EQ(SaveFlags(sheet, 4), (std::vector<int>{1, 1, 0}));
  ASSERT_TRUE(ui.PressBack());
  ASSERT_EQ(sheet.GetActiveIndex(), kSelectionPage);
  for (int kind : kSelectedKinds) EXPECT_EQ(SaveFlags(sheet, kind), std::vector<int>(sheet.Programs(kind).size(), 0));
  for (int group : {0, 1, 2, 6}) EXPECT_FALSE(sheet.selection.m_treeProgram.GetCheck(sheet.selection.m_hGroup[group]));
  EXPECT_FALSE(Enabled(sheet, kIdWizNext));
  EXPECT_EQ(Text(sheet.selection, PF_IDC_SELECTION_WARNING), L"");
}

}  // namespace
}  // namespace pf::test
