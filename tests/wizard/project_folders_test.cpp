// Which folders below the data folder's "Program" count as projects, which
// one the project list selects, and the project file "Project.dat" read and
// written in a temporary data folder.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "common/Path.h"
#include "support/TempFolder.h"
#include "common/Text.h"
#include "wizard/ProjectFile.h"
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

// Listing the projects, and where they live, are the end-to-end runs' test.
TEST(ProjectFolders, AHiddenFolderAndAFileAreNoProjects) {
  test::TempFolder data;
  ASSERT_TRUE(MakeDirectory(GetProgramRoot() + L"/.backup"));
  ASSERT_TRUE(WriteFileBytes(GetProgramRoot() + L"/test.eia", "%\r\n"));
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

class ProjectFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(MakeDirectory(folder_)); }

  test::TempFolder data_;
  std::wstring folder_ = ProjectFolderPath(L"Line1");
};

TEST_F(ProjectFileTest, ReadGivesMinusOneForWhatIsMissingOrCannotBeShown) {
  // What, the file's text (nullptr: no file), the machine type and G-code number read.
  const std::tuple<const char*, const char*, int, int> kRows[] = {
      {"no file", nullptr, -1, -1},
      {"both entries", "[Machine]\r\nMachineInfo=1\r\n[GCode]\r\nNumber=3\r\n", 1, 3},
      {"lower-case section, no [GCode]", "[machine]\r\nMachineInfo=1\r\n", 1, -1},
      {"not a number", "[Machine]\r\nMachineInfo=lathe\r\n[GCode]\r\nNumber= 4x\r\n", 0, 4},
      {"empty value", "[Machine]\r\nMachineInfo=\r\n", 0, -1},
      {"key in another section", "[Other]\r\nMachineInfo=1\r\nNumber=2\r\n", -1, -1},
      // Pairs that would lock the machine page on a choice it cannot show.
      {"machine type 7", "[Machine]\r\nMachineInfo=7\r\n[GCode]\r\nNumber=0\r\n", -1, -1},
      {"G-code list 8", "[Machine]\r\nMachineInfo=0\r\n[GCode]\r\nNumber=6\r\n", -1, -1},
      {"last choices", "[Machine]\r\nMachineInfo=1\r\n[GCode]\r\nNumber=5\r\n", 1, 5},
      {"machine type 2, no G-code", "[Machine]\r\nMachineInfo=2\r\n", 2, -1},
  };
  for (const auto& [what, text, machineType, gCodeNumber] : kRows) {
    SCOPED_TRACE(what);
    DeleteFilePath(ProjectFilePath(folder_));
    ASSERT_TRUE(text == nullptr || WriteFileBytes(ProjectFilePath(folder_), text));
    int readType = 99, readGCode = 99;
    ReadProjectFile(folder_, readType, readGCode);
    EXPECT_EQ(readType, machineType);
    EXPECT_EQ(readGCode, gCodeNumber);
  }
}

// A new file is the end-to-end runs' (the Project.dat of every script).
TEST_F(ProjectFileTest, WriteUpdatesTheEntries) {
  ASSERT_TRUE(WriteFileBytes(ProjectFilePath(folder_), "[GCode]\r\nNumber=5\r\n[Other]\r\nKey=v\r\n"));
  CFileBatch batch(folder_);
  EXPECT_TRUE(StageProjectFile(batch, folder_, 0, -1).ok());
  EXPECT_TRUE(batch.Commit().ok());
  std::string bytes;
  ASSERT_TRUE(ReadFileBytes(ProjectFilePath(folder_), bytes));
  EXPECT_EQ(bytes, "[GCode]\r\nNumber=-1\r\n[Other]\r\nKey=v\r\n[Machine]\r\nMachineInfo=0\r\n");
}

}  // namespace
}  // namespace pf
