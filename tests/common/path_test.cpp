// The data folder, folder creation and whole-file access on real folders.
#include "common/Path.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>

#include "support/TempFolder.h"
#include "common/Text.h"

namespace pf {
namespace {

class PathTest : public ::testing::Test {
 protected:
  std::wstring In(const std::wstring& relative) const { return temp_.Path() + L"/" + relative; }

  test::TempFolder temp_;
};

// The base of the data folder takes at most 260 characters.
TEST_F(PathTest, DataFolderFollowsTheEnvironmentOnEveryCall) {
  const char* home = getenv("HOME");
  const std::string savedHome = home ? home : "";
  const std::string longest = "/" + std::string(259, 'd');
  const std::string tooLong = longest + "d";
  const struct {
    const char* dataHome;  // nullptr: unset
    const char* home;
    std::wstring expected;
  } rows[] = {
      {"/data/me", "/home/me", L"/data/me/KORVANTEL/Servo Bench/"},
      {"/d\xC3\xA4ten", "/home/me", L"/d\u00E4ten/KORVANTEL/Servo Bench/"},
      {"", "/home/me", L"/home/me/.local/share/KORVANTEL/Servo Bench/"},
      {nullptr, "/home/you", L"/home/you/.local/share/KORVANTEL/Servo Bench/"},
      {nullptr, nullptr, L""},
      {longest.c_str(), "/home/me", ToWide(longest) + L"/KORVANTEL/Servo Bench/"},
      {tooLong.c_str(), "/home/me", L""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(ToNarrow(row.expected));
    row.dataHome ? setenv("XDG_DATA_HOME", row.dataHome, 1) : unsetenv("XDG_DATA_HOME");
    row.home ? setenv("HOME", row.home, 1) : unsetenv("HOME");
    EXPECT_EQ(GetAppDataFolder(), row.expected);
  }
  setenv("HOME", savedHome.c_str(), 1);
}

// A path of up to 259 characters can be made, not one character more, also
// with a trailing separator.
TEST_F(PathTest, MakeDirectory) {
  ASSERT_TRUE(WriteFileBytes(In(L"file.txt"), "x"));
  ASSERT_TRUE(MakeDirectory(In(L"existing")));
  const std::wstring limit(259 - In(L"").size(), L'p');
  const struct {
    std::wstring relative;
    bool result;
    bool folderAfter;
  } rows[] = {
      {L"a/b/c", true, true},
      {L"d/e/", true, true},
      {L"existing", true, true},
      {L"existing/", true, true},
      {L"file.txt", true, false},   // any existing entry counts
      {L"file.txt/sub", false, false},
      {L"f//g", true, true},
      {limit + L"q", false, false},
      {limit, true, true},
      {limit + L"/", false, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(ToNarrow(row.relative));
    EXPECT_EQ(MakeDirectory(In(row.relative)), row.result);
    EXPECT_EQ(IsDirectory(In(row.relative)), row.folderAfter);
  }
  EXPECT_TRUE(PathExists(In(L"file.txt")));
}

// Files keep their bytes; deleting takes files, not folders.
TEST_F(PathTest, FilesKeepTheirBytesAndOnlyFilesAreDeleted) {
  const std::string bytes("G01 X1.\r\nM30\r\n\x1A\0\xFF end", 20);
  EXPECT_TRUE(WriteFileBytes(In(L"prog.eia"), bytes));
  std::string read = "stale";
  EXPECT_TRUE(ReadFileBytes(In(L"prog.eia"), read));
  EXPECT_EQ(read, bytes);
  EXPECT_TRUE(WriteFileBytes(In(L"prog.eia"), "short"));
  EXPECT_TRUE(ReadFileBytes(In(L"prog.eia"), read));
  EXPECT_EQ(read, "short");

  read = "kept";
  EXPECT_FALSE(ReadFileBytes(In(L"missing.eia"), read));
  EXPECT_EQ(read, "kept");
  EXPECT_FALSE(WriteFileBytes(In(L"no/such/folder.eia"), "x"));

  ASSERT_TRUE(MakeDirectory(In(L"folder")));
  EXPECT_TRUE(DeleteFilePath(In(L"prog.eia")));
  EXPECT_FALSE(PathExists(In(L"prog.eia")));
  EXPECT_FALSE(DeleteFilePath(In(L"prog.eia")));
  EXPECT_FALSE(DeleteFilePath(In(L"folder")));
  EXPECT_TRUE(IsDirectory(In(L"folder")));
}

TEST_F(PathTest, ListFolderReportsEntriesWithAttributes) {
  ASSERT_TRUE(MakeDirectory(In(L"list/$1-X")));
  ASSERT_TRUE(WriteFileBytes(In(L"list/G0Pos.eia"), "x"));
  ASSERT_TRUE(WriteFileBytes(In(L"list/.hidden"), "x"));
  std::vector<FolderEntry> entries;
  ASSERT_TRUE(ListFolder(In(L"list"), entries));
  std::sort(entries.begin(), entries.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
  const struct {
    const wchar_t* name;
    unsigned attributes;
  } expected[] = {
      {L"$1-X", kAttrDirectory},
      {L".", kAttrDirectory | kAttrHidden},
      {L"..", kAttrDirectory | kAttrHidden},
      {L".hidden", kAttrHidden},
      {L"G0Pos.eia", 0},
  };
  ASSERT_EQ(entries.size(), std::size(expected));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE(ToNarrow(expected[i].name));
    EXPECT_EQ(entries[i].name, expected[i].name);
    EXPECT_EQ(entries[i].attributes, expected[i].attributes);
  }
  EXPECT_FALSE(ListFolder(In(L"missing"), entries));
}

}  // namespace
}  // namespace pf
