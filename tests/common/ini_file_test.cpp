// CIniFile on real files below a temporary data folder.
#include "common/IniFile.h"

#include <gtest/gtest.h>

#include "common/Path.h"
#include "support/TempFolder.h"

namespace pf {
namespace {

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(MakeDirectory(temp_.DataFolder())); }

  std::string Bytes(const CIniFile& ini) const {
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(ini.m_strPath, bytes));
    return bytes;
  }

  test::TempFolder temp_;
};

TEST_F(IniFileTest, PathRules) {
  EXPECT_EQ(CIniFile().m_strPath, temp_.DataFolder() + L"OVX.ini");
  EXPECT_EQ(CIniFile(L"Program/P1/Project.dat").m_strPath, temp_.DataFolder() + L"Program/P1/Project.dat");
  EXPECT_EQ(CIniFile(L"/elsewhere/a.ini").m_strPath, L"/elsewhere/a.ini");
  EXPECT_EQ(CIniFile(L"C:\\a.ini").m_strPath, temp_.DataFolder() + L"C:\\a.ini");  // not absolute here
  EXPECT_EQ(CIniFile(L"").m_strPath, temp_.DataFolder());
}

// A write into a missing folder still reports success, as the host's did.
TEST_F(IniFileTest, AMissingFileReadsAsNotFoundAndIsMadeByTheFirstWrite) {
  CIniFile ini;
  std::wstring text;
  EXPECT_EQ(ini.GetString(L"Circle", L"Radius", text), 0);
  EXPECT_EQ(text, L"NotFound");
  double number = -1.0;
  EXPECT_EQ(ini.GetDouble(L"Circle", L"Radius", number), 0);
  EXPECT_EQ(number, 0.0);
  EXPECT_FALSE(PathExists(ini.m_strPath));
  EXPECT_EQ(ini.WriteString(L"Circle", L"Radius", L"10"), 1);
  EXPECT_EQ(ini.WriteInt(L"Circle", L"Count", -3), 1);
  EXPECT_EQ(ini.WriteDouble(L"Circle", L"Feed", 100.0), 1);
  EXPECT_EQ(Bytes(ini), "[Circle]\r\nRadius=10\r\nCount=-3\r\nFeed=100.000000\r\n");
  CIniFile lost(L"Program/missing/Project.dat");
  EXPECT_EQ(lost.WriteInt(L"Machine", L"MachineInfo", 1), 1);
  EXPECT_FALSE(PathExists(lost.m_strPath));
}

// A value longer than the read buffer is cut to it.
TEST_F(IniFileTest, GetStringAndGetDouble) {
  CIniFile ini;
  ASSERT_TRUE(WriteFileBytes(ini.m_strPath,
                             "[Circle]\r\nRadius=12.5\r\nMode=fast\r\nEmpty=\r\n"
                             "Marker=NotFound\r\nLower=notfound\r\nLong=" + std::string(2000, 'a') + "\r\n"));
  const std::wstring cut(1023, L'a');
  const struct {
    const wchar_t* key;
    int result;
    const wchar_t* text;
    double number;
  } rows[] = {
      {L"Radius", 1, L"12.5", 12.5},
      {L"Mode", 1, L"fast", 0.0},           // present, but no number
      {L"Empty", 1, L"", 0.0},
      {L"Missing", 0, L"NotFound", 0.0},
      {L"Marker", 0, L"NotFound", 0.0},     // the default's text counts as missing
      {L"Lower", 1, L"notfound", 0.0},      // compared with case
      {L"Long", 1, cut.c_str(), 0.0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.key);
    std::wstring text;
    EXPECT_EQ(ini.GetString(L"Circle", row.key, text), row.result);
    EXPECT_EQ(text, row.text);
    double number = -1.0;
    EXPECT_EQ(ini.GetDouble(L"Circle", row.key, number), row.result);
    EXPECT_EQ(number, row.number);
  }
}

TEST(ProfileGetString, DefaultLosesTrailingBlanksAndIsCut) {
  const std::wstring missing = L"/nonexistent-folder/none.ini";
  EXPECT_EQ(ProfileGetString(L"S", L"k", L"-1  ", 128, missing), L"-1");
  EXPECT_EQ(ProfileGetString(L"S", L"k", L"abcdef", 4, missing), L"abc");
  EXPECT_EQ(ProfileGetString(L"S", L"k", L"abcdef", 0, missing), L"");
}

}  // namespace
}  // namespace pf
