// The project page: the list of existing projects and the longest name the
// data folder allows.
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

class ProjectPageTest : public ShellTest {};

// Which names are refused and why the line says so are the end-to-end
// runs' (project-names); the longest name depends on the data folder.
TEST_F(ProjectPageTest, ANameAsLongAsTheDataFolderAllowsEnablesNext) {
  ShellSheet sheet(ovx_);
  ASSERT_TRUE(ui.OpenSheet(sheet));
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
  // Project folders Alpha and beta, with a hidden folder and a file beside
  // them that are no projects.
  const std::wstring root = GetProgramRoot();
  for (const wchar_t* folder : {L"Alpha", L"beta", L".backup"}) ASSERT_TRUE(MakeDirectory(root + PathSep() + folder));
  ASSERT_TRUE(WriteFileBytes(root + PathSep() + L"test.eia", "%\r\n"));
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

}  // namespace
}  // namespace pf::test
