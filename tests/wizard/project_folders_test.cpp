// Which folders below the data folder's "Program" count as projects, and
// which one the project list selects.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "common/Path.h"
#include "support/TempFolder.h"
#include "common/Text.h"
#include "wizard/ProjectFolders.h"

namespace pf {
namespace {

using Names = std::vector<std::wstring>;

TEST(ProjectFolders, AttributesDecideWhatIsAProject) {
  // Name, attributes, whether it is a project.
  const std::tuple<const wchar_t*, unsigned, bool> kRows[] = {
      {L"Line1", kAttrDirectory, true},
      {L"Line1", kAttrDirectory | kAttrReadOnly, true},
      {L"Line1", kAttrDirectory | kAttrHidden, false},
      {L"Line1", kAttrDirectory | kAttrSystem, false},
      {L"Line1", kAttrDirectory | kAttrTemporary, false},
      {L"test.eia", 0, false},
      {L".", kAttrDirectory, false},
      {L"..", kAttrDirectory, false},
  };
  for (const auto& [name, attributes, project] : kRows) {
    SCOPED_TRACE(testing::Message() << ToNarrow(name) << " " << attributes);
    EXPECT_EQ(IsProjectFolder(FolderEntry{name, attributes}), project);
  }
}

// Listing the projects beside them is the project page's test.
TEST(ProjectFolders, AHiddenFolderAndAFileAreNoProjects) {
  test::TempFolder data;
  const std::wstring root = GetProgramRoot();
  EXPECT_EQ(root, data.DataFolder() + L"Program");
  ASSERT_TRUE(MakeDirectory(root + L"/.backup"));
  ASSERT_TRUE(WriteFileBytes(root + L"/test.eia", "%\r\n"));
  EXPECT_TRUE(ListProjectFolders().empty());
  EXPECT_EQ(ProjectFolderExists(), 0);
}

TEST(ProjectFolders, SelectionMatchesIgnoringCase) {
  // The listed names, the current name, the index selected.
  const std::tuple<Names, const wchar_t*, int> kRows[] = {
      {{L"Alpha", L"beta"}, L"BETA", 1},
      {{L"Alpha", L"beta"}, L"alpha", 0},
      {{L"Alpha", L"beta"}, L"gamma", 0},
      {{L"Alpha", L"beta"}, L"", 0},
      {{L"Beta", L"Alpha", L"BETA"}, L"beta", 2},
      {{}, L"Alpha", -1},
  };
  for (const auto& [names, current, selected] : kRows) {
    SCOPED_TRACE(ToNarrow(current));
    EXPECT_EQ(SelectProject(names, current), selected);
  }
}

}  // namespace
}  // namespace pf
