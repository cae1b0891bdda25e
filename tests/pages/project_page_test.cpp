// The project page: the list of existing projects, the name check that
// switches Next and says why it is off, and the name kept or replaced when the page comes back.
#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

#include "ShellFixture.h"
#include "common/Format.h"
#include "common/Path.h"
#include "common/Text.h"
#include "res/controls.h"
#include "wizard/ProjectFolders.h"

namespace pf::test {
namespace {

class ProjectPageTest : public ShellTest {
 protected:
  // Project folders Alpha and beta, with a hidden folder and a file beside
  // them that are no projects.
  void MakeTwoProjects() {
    const std::wstring root = GetProgramRoot();
    for (const wchar_t* folder : {L"Alpha", L"beta", L".backup"}) ASSERT_TRUE(MakeDirectory(root + PathSep() + folder));
    ASSERT_TRUE(WriteFileBytes(root + PathSep() + L"test.eia", "%\r\n"));
  }
};

TEST_F(ProjectPageTest, OnlyFolderNamesOfTheirOwnEnableNextAndTheLineSaysWhy) {
  struct Row {
    std::wstring name;
    bool next;
    unsigned reasonId;  // 0: the line under the list stays empty
  };
  std::vector<Row> rows = {
      {L"Line2", true, 0},      {L"", false, 0},          {L"COM10", true, 0},     {L"CONSOLE", true, 0},
      {L"COM0", true, 0},       {L"x.con", true, 0},      {L" Line", true, 0},     {L".hidden", true, 0},
      {L".", false, 14061},     {L"..", false, 14061},    {L"Trail.", false, 14062}, {L"Trail ", false, 14062},
      {L"   ", false, 14062},   {L"...", false, 14062},   {L"con", false, 14063},  {L"CON.txt", false, 14063},
      {L"Lpt9", false, 14063},  {L"com1 .eia", false, 14063}, {L"nul.tar.gz", false, 14063},
      {L"Aux", false, 14063},   {L"PRN.", false, 14062},  {L"COM\u00B9", false, 14063}, {L"lpt\u00B3.txt", false, 14063},
      {L"COM\u2074", true, 0}, {L"Li\tne", false, 14064}, {L"Line\x9B", false, 14064},
  };
  for (const wchar_t* c = kForbiddenNameChars; *c != L'\0'; ++c) {
    rows.push_back({std::wstring(L"Li") + *c + L"ne", false, 14060});
  }
  rows.push_back({L"../x", false, 14060});
  ShellSheet sheet(ovx_);
  ASSERT_TRUE(ui.OpenSheet(sheet));
  for (const Row& row : rows) {
    SCOPED_TRACE(ToNarrow(row.name));
    ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, row.name));
    EXPECT_EQ(sheet.project.m_strProject, row.name);
    EXPECT_EQ(Enabled(sheet, kIdWizNext), row.next);
    EXPECT_EQ(Text(sheet.project, PF_IDC_PROJECT_REASON), row.reasonId == 0 ? L"" : LoadResString(row.reasonId));
    // A usable name again enables Next and empties the line.
    ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, L"Line"));
    EXPECT_TRUE(Enabled(sheet, kIdWizNext));
    EXPECT_EQ(Text(sheet.project, PF_IDC_PROJECT_REASON), L"");
  }
  // The longest path Finish writes: <root>/<name>/$1-IJ/LostMotion2/InitCircle1.eia.pf-new, at most 259 characters.
  const int longest = 259 - static_cast<int>(GetProgramRoot().size() + std::wcslen(L"//$1-IJ/LostMotion2/InitCircle1.eia.pf-new"));
  for (int length : {longest, longest + 1}) {
    ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, std::wstring(length, L'n')));
    EXPECT_EQ(Enabled(sheet, kIdWizNext), length == longest);
    EXPECT_EQ(Text(sheet.project, PF_IDC_PROJECT_REASON),
              length == longest ? L"" : Format(LoadResString(14065), longest));
  }
}

TEST_F(ProjectPageTest, ExistingProjectsAreListedAndTheFirstIsSelected) {
  MakeTwoProjects();
  ShellSheet sheet(ovx_);
  ASSERT_TRUE(ui.OpenSheet(sheet));
  std::vector<std::wstring> listed;
  for (int i = 0; i < sheet.project.m_comboProject.GetCount(); ++i) listed.push_back(sheet.project.m_comboProject.GetLBText(i));
  ASSERT_EQ(listed.size(), 2u);
  const std::wstring first = listed[0];
  EXPECT_EQ(first, ListProjectFolders()[0]);   // in the order the file system gives them
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::wstring>{L"Alpha", L"beta"}));
  EXPECT_EQ(sheet.project.m_comboProject.GetCurSel(), 0);
  EXPECT_EQ(Text(sheet.project, PF_IDC_PROJECT), first);
  EXPECT_EQ(sheet.project.m_strProject, first);
  EXPECT_TRUE(Enabled(sheet, kIdWizNext));

  // Picking the other entry after a refused name makes it the project.
  ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, L"con"));
  ASSERT_FALSE(Enabled(sheet, kIdWizNext));
  ASSERT_TRUE(ui.PickItem(PF_IDC_PROJECT, 1));
  EXPECT_EQ(sheet.project.m_strProject, sheet.project.m_comboProject.GetLBText(1));
  EXPECT_TRUE(Enabled(sheet, kIdWizNext));
}

TEST_F(ProjectPageTest, ANewNameGivesWayToTheFirstProjectWhenThePageComesBack) {
  for (const bool projects : {false, true}) {   // without and with two project folders
    SCOPED_TRACE(projects);
    if (projects) MakeTwoProjects();
    ShellSheet sheet(ovx_);
    ASSERT_TRUE(ui.OpenSheet(sheet));
    ASSERT_TRUE(ui.TypeText(PF_IDC_PROJECT, L"Line2"));
    ASSERT_TRUE(ui.PressNext());
    ASSERT_EQ(sheet.GetActiveIndex(), kMachinePage);
    ASSERT_TRUE(ui.PressBack());
    ASSERT_EQ(sheet.GetActiveIndex(), kProjectPage);
    const std::wstring expected = projects ? ListProjectFolders()[0] : L"Line2";
    EXPECT_EQ(sheet.project.m_strProject, expected);
    EXPECT_EQ(Text(sheet.project, PF_IDC_PROJECT), expected);
    EXPECT_TRUE(Enabled(sheet, kIdWizNext));
    ui.PressCancel();
  }
}

}  // namespace
}  // namespace pf::test
