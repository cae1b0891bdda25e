#include <gtest/gtest.h>

#include <string>

#include "ProgramTestSupport.h"
#include "program/ProgramData.h"
#include "program/ProgramInfo.h"

namespace {

using pf_test::ReadBytes;
using pf_test::Wide;
using pf_test::WriteBytes;

class ProgramFiles : public pf_test::TempDataHome {};

struct LoadCase {
  const char* name;
  const char* bytes;  // nullptr: no file, which fails
  const wchar_t* text;
};

TEST_F(ProgramFiles, LoadSkipsEmptyAndPercentLines) {
  const LoadCase cases[] = {
      {"missing file", nullptr, L""},
      {"empty and percent lines", "G91\r\n\r\n%\r\nM30", L"G91\r\nM30\r\n"},
      {"lone LF line ends", "G91\nG00X1.\n%", L"G91\r\nG00X1.\r\n"},
      {"any line starting with %", "%O100\r\nG91\r\n%%\r\n", L"G91\r\n"},
      {"empty file", "", L""},
  };
  for (const LoadCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto path = root_ / "in.eia";
    if (c.bytes != nullptr) WriteBytes(path, c.bytes);
    pf::CProgramData data;
    data.m_strText = L"old";
    data.m_bModified = 1;
    EXPECT_EQ(data.Load(Wide(path), L"Title"), c.bytes != nullptr);
    EXPECT_EQ(data.m_strText, c.text);
    EXPECT_EQ(data.m_strTitle, L"Title");
    EXPECT_EQ(data.m_bModified, 0);
  }
}

TEST_F(ProgramFiles, SaveWritesCrLfAndTheEndLine) {
  const struct {
    const char* name;
    const wchar_t* text;
    const char* bytes;  // nullptr: into a missing folder, which fails
    int modified;       // the flag afterwards
  } cases[] = {
      {"no final line end", L"G00X1.\r\nM30", "G00X1.\r\nM30\r\n%", 0},
      {"lone LF", L"G91\nM30\n", "G91\r\nM30\r\n%", 0},
      {"empty line kept", L"G91\r\n\r\nM30\r\n", "G91\r\n\r\nM30\r\n%", 0},
      {"empty text: an empty file, the flag stays", L"", "", 1},
      {"missing folder", L"M30\r\n", nullptr, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto path = c.bytes ? root_ / "out.eia" : root_ / "no" / "such.eia";
    WriteBytes(root_ / "out.eia", "old content");
    pf::CProgramData data;
    data.m_strText = c.text;
    data.m_bModified = 1;
    EXPECT_EQ(data.Save(Wide(path)), c.bytes != nullptr);
    EXPECT_EQ(ReadBytes(path), c.bytes ? c.bytes : "");
    EXPECT_EQ(data.m_bModified, c.modified);
  }
}

// A missing file leaves the other files read; that it leaves the program
// unloaded the page tests see.
TEST_F(ProgramFiles, MissingSecondFileLeavesTheOthersRead) {
  const auto folder = root_ / "P" / "$1-X" / "LostMotion";
  WriteBytes(folder / "G1Pos.eia", "G90\r\n%");
  WriteBytes(folder / "G1Min.eia", "G91\r\n%");

  pf::CProgramInfo info;
  EXPECT_TRUE(info.LoadFiles(Wide(root_ / "P"), 4, 0, L"$1-X"));
  ASSERT_EQ(info.size(), 3u);
  EXPECT_EQ(info[0].m_strText + L"|" + info[1].m_strText + L"|" + info[2].m_strText, L"G90\r\n||G91\r\n");
}

TEST_F(ProgramFiles, StagedFilesAreTheFilesTheProgramHolds) {
  pf::CProgramInfo info;
  info.m_nKind = 3;
  info.resize(2);  // fewer elements than the four rows of kind 3, machine type 1
  info[0].m_strText = L"G90\r\n";
  info[1].m_strText = L"G91\r\n";

  pf::CFileBatch batch(Wide(root_ / "P"));
  EXPECT_TRUE(info.StageFiles(batch, 1, Wide(root_ / "P"), L"$1-X").ok());
  EXPECT_TRUE(batch.Commit().ok());
  const auto folder = root_ / "P" / "$1-X" / "TimeConstant";
  EXPECT_EQ(ReadBytes(folder / "G1Pos.eia"), "G90\r\n%");
  EXPECT_EQ(ReadBytes(folder / "G1b.eia"), "G91\r\n%");
  for (const char* name : {"G1aa.eia", "G1ab.eia"}) EXPECT_FALSE(pf_test::fs::exists(folder / name));
}

}  // namespace
