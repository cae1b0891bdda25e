// Module text to standard-library paths and back, with names outside ASCII.
#include "tools/shared/FsPath.h"

#include <gtest/gtest.h>

#include "common/Path.h"
#include "support/TempFolder.h"

namespace pf {
namespace {

struct NameCase {
  const wchar_t* text;
  const char* bytes;  // the name as the file system holds it
};

constexpr NameCase kNames[] = {
    {L"Projekt-M\u00fcller", "Projekt-M\xc3\xbcller"},
    {L"\u52a0\u5de5", "\xe5\x8a\xa0\xe5\xb7\xa5"},
    {L"plain", "plain"},
};

TEST(FsPath, NamesAreUtf8OnDiskAndComeBackUnchanged) {
  test::TempFolder temp;
  for (const NameCase& c : kNames) {
    SCOPED_TRACE(c.bytes);
    const std::filesystem::path path = ToFsPath(temp.Path() + L"/" + c.text);
    EXPECT_EQ(path.filename().string(), c.bytes);
    EXPECT_EQ(FromFsPath(path.filename()), c.text);
    ASSERT_TRUE(std::filesystem::create_directory(path));
    EXPECT_TRUE(IsDirectory(temp.Path() + L"/" + c.text));
    EXPECT_EQ(FromFsPath(std::filesystem::absolute(path).parent_path()), temp.Path());
  }
}

}  // namespace
}  // namespace pf
