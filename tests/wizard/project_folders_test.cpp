// Which folders below the data folder's "Program" count as projects, and
// which one the project list selects.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/Path.h"
#include "support/TempFolder.h"
#include "common/Text.h"
#include "wizard/ProjectFolders.h"

namespace pf {
namespace {

using Names = std::vector<std::wstring>;

TEST(ProjectFolders, AttributesDecideWhatIsAProject) {
  struct Row {
    const wchar_t* name;
    unsigned attributes;
    bool project;
  };
  constexpr Row kRows[] = {
      {L"Line1", kAttrDirectory, true},
      {L"Line1", kAttrDirectory | kAttrReadOnly, true},
      {L"Line1", kAttrDirectory | kAttrHidden, false},
      {L"Line1", kAttrDirectory | kAttrSystem, false},
      {L"Line1", kAttrDirectory | kAttrTemporary, false},
      {L"test.eia", 0, false},
      {L".", kAttrDirectory, false},
      {L"..", kAttrDirectory, false},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(testing::Message() << ToNarrow(row.name) << " " << row.attributes);
    EXPECT_EQ(IsProjectFolder(FolderEntry{row.name, row.attributes}), row.project);
  }
}

TEST(ProjectFolders, ListingSkipsHiddenFoldersAndFiles) {
  test::TempFolder data;
  const std::wstring root = GetProgramRoot();
  EXPECT_EQ(root, data.DataFolder() + L"Program");
  ASSERT_TRUE(MakeDirectory(root + L"/.backup"));
  ASSERT_TRUE(WriteFileBytes(root + L"/test.eia", "%\r\n"));
  EXPECT_TRUE(ListProjectFolders().empty());
  EXPECT_EQ(ProjectFolderExists(), 0);

  ASSERT_TRUE(MakeDirectory(root + L"/Alpha"));
  ASSERT_TRUE(MakeDirectory(root + L"/beta"));
  Names names = ListProjectFolders();
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (Names{L"Alpha", L"beta"}));
  EXPECT_EQ(ProjectFolderExists(), 1);
}

TEST(ProjectFolders, SelectionMatchesIgnoringCase) {
  struct Row {
    Names names;
    const wchar_t* current;
    int selected;
  };
  const Row kRows[] = {
      {{L"Alpha", L"beta"}, L"BETA", 1},
      {{L"Alpha", L"beta"}, L"alpha", 0},
      {{L"Alpha", L"beta"}, L"gamma", 0},
      {{L"Alpha", L"beta"}, L"", 0},
      {{L"Beta", L"Alpha", L"BETA"}, L"beta", 2},
      {{}, L"Alpha", -1},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(ToNarrow(row.current));
    EXPECT_EQ(SelectProject(row.names, row.current), row.selected);
  }
}

}  // namespace
}  // namespace pf
