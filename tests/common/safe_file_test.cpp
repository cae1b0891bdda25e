// Replacing files through temporary files, on real files: a batch of three
// files in which the second cannot be written leaves all three as they were
// and no temporary file behind; a batch without a fault puts all three in
// place.
#include "common/SafeFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "common/Path.h"
#include "common/Text.h"
#include "support/FullDisk.h"
#include "support/TempFolder.h"

namespace pf {
namespace {

namespace fs = std::filesystem;

class SafeFileTest : public ::testing::Test {
 protected:
  fs::path Root() const { return fs::path(temp_.Path()) / "project"; }
  std::wstring In(const std::string& relative) const { return (Root() / relative).wstring(); }

  // The bytes of a file; "<none>" when it cannot be read.
  std::string Bytes(const std::string& relative) const {
    std::string bytes;
    return ReadFileBytes(In(relative), bytes) ? bytes : "<none>";
  }

  // Every temporary file left below the root.
  std::vector<std::string> Leftovers() const {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(Root())) {
      if (IsBatchLeftover(entry.path().wstring())) found.push_back(entry.path().string());
    }
    return found;
  }

  test::TempFolder temp_;
};

// The second file's fault, set up below `root` after the three old files
// were written, and what the batch says of it.
struct Fault {
  const char* name;
  std::function<void(const fs::path& root, test::FullDisk& disk)> arrange;
  const char* second;  // the second file's path, relative to the root
  FileError error;
  const char* named;   // the path the fault names, relative to the root
};

TEST_F(SafeFileTest, ABatchIsWrittenWholeOrNotAtAll) {
  const std::string big(8192, 'n');   // more than the room a full disk leaves
  const Fault kFaults[] = {
      {"no fault", [](const fs::path&, test::FullDisk&) {}, "b/two.eia", FileError::None, ""},
      {"the file is a folder",
       [](const fs::path& root, test::FullDisk&) {
         fs::remove(root / "b/two.eia");
         fs::create_directory(root / "b/two.eia");
       },
       "b/two.eia", FileError::InTheWay, "b/two.eia"},
      {"the file is read-only",
       [](const fs::path& root, test::FullDisk&) { chmod((root / "b/two.eia").c_str(), 0444); }, "b/two.eia",
       FileError::ReadOnly, "b/two.eia"},
      {"the folder is a file",
       [](const fs::path& root, test::FullDisk&) { ASSERT_TRUE(WriteFileBytes((root / "c").wstring(), "a file")); },
       "c/two.eia", FileError::InTheWay, "c/two.eia"},
      {"the disk is full", [](const fs::path&, test::FullDisk& disk) { disk.LeaveRoom(4096); }, "b/two.eia",
       FileError::DiskFull, "b/two.eia"},
  };
  for (const Fault& fault : kFaults) {
    SCOPED_TRACE(fault.name);
    const bool clean = fault.error == FileError::None;
    fs::remove_all(Root());
    test::FullDisk disk;
    ASSERT_TRUE(MakeDirectory(In("a")) && MakeDirectory(In("b")));
    for (const char* old : {"a/one.eia", "b/two.eia", "b/three.eia"}) ASSERT_TRUE(WriteFileBytes(In(old), old));
    fault.arrange(Root(), disk);
    const std::string secondBefore = Bytes(fault.second);
    {
      CFileBatch batch(Root().wstring());
      EXPECT_TRUE(batch.Stage(In("a/one.eia"), "new one").ok());
      const FileFault second = batch.Stage(In(fault.second), big);
      EXPECT_EQ(second.error, fault.error);
      EXPECT_EQ(second.path, clean ? L"" : In(fault.named));
      if (clean) {
        EXPECT_TRUE(batch.Stage(In("b/three.eia"), "new three").ok());
        EXPECT_TRUE(batch.Commit().ok());
        EXPECT_EQ(batch.size(), 0u);
      }
    }
    EXPECT_EQ(Bytes("a/one.eia"), clean ? "new one" : "a/one.eia");
    EXPECT_EQ(Bytes(fault.second), clean ? big : secondBefore);
    EXPECT_EQ(Bytes("b/three.eia"), clean ? "new three" : "b/three.eia");
    EXPECT_EQ(Leftovers(), std::vector<std::string>());
    EXPECT_FALSE(PathExists(JournalPathIn(Root().wstring())));
  }
}

TEST_F(SafeFileTest, OneFileIsReplacedOrKeepsItsBytes) {
  ASSERT_TRUE(MakeDirectory(In("p")));
  ASSERT_TRUE(WriteFileBytes(In("p/prog.eia"), "old"));
  const struct {
    const char* path;
    bool replaced;
    const char* after;
  } kRows[] = {
      {"p/prog.eia", true, "new"},         // an existing file
      {"p/fresh.eia", true, "new"},        // a new one
      {"missing/prog.eia", false, "<none>"},  // no folder to write into
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.path);
    EXPECT_EQ(ReplaceFileBytes(In(row.path), "new").ok(), row.replaced);
    EXPECT_EQ(Bytes(row.path), row.after);
  }
  EXPECT_EQ(Leftovers(), std::vector<std::string>());
}

}  // namespace
}  // namespace pf
