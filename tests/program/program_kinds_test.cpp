#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program/ModeWords.h"
#include "program/ProgramKinds.h"

namespace {

using pf::GetProgramFileTable;

struct FileListCase {
  int kind;
  int machineType;
  std::vector<std::wstring> names;
  std::vector<unsigned> titles;
};

TEST(ProgramKinds, FileListsByKindAndMachineType) {
  const FileListCase cases[] = {
      {0, 0, {L"G0Pos.eia", L"G0a.eia"}, {12599, 12600}},
      {2, 1, {L"G0Pos.eia", L"G0b.eia", L"G0a.eia"}, {12599, 12601, 12600}},
      {3, 0, {L"G1Pos.eia", L"G1aa.eia", L"G1ab.eia"}, {12599, 12602, 12603}},
      {3, 1, {L"G1Pos.eia", L"G1b.eia", L"G1aa.eia", L"G1ab.eia"}, {12599, 12601, 12602, 12603}},
      {4, 1, {L"G1Pos.eia", L"G1Pls.eia", L"G1Min.eia"}, {12599, 12604, 12605}},
      {6, 0, {L"G1Pos.eia", L"G1a.eia", L"G1b.eia"}, {12599, 12606, 12607}},
      {7, 0, {L"InitCircle1.eia", L"Circle1.eia"}, {12599, 12608}},
      {9, 1, {L"InitCircle1.eia", L"Circle1.eia"}, {12599, 12608}},
      {10, 0, {L"InitCircle2.eia", L"Circle2.eia"}, {12599, 12608}},
  };
  for (const FileListCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << " machine " << c.machineType);
    int count = -1;
    const pf::ProgramFileEntry* files = GetProgramFileTable(c.kind, c.machineType, count);
    ASSERT_NE(files, nullptr);
    ASSERT_EQ(count, static_cast<int>(c.names.size()));
    for (int i = 0; i < count; ++i) {
      EXPECT_EQ(files[i].fileName, c.names[i]);
      EXPECT_EQ(files[i].titleId, c.titles[i]);
    }
  }
}

TEST(ProgramKinds, InvalidPairsGiveNoListAndKeepTheCount) {
  const int pairs[][2] = {{-1, 0}, {11, 1}, {0, 2}, {3, -1}};
  for (const auto& pair : pairs) {
    SCOPED_TRACE(testing::Message() << "kind " << pair[0] << " machine " << pair[1]);
    int count = 42;
    EXPECT_EQ(GetProgramFileTable(pair[0], pair[1], count), nullptr);
    EXPECT_EQ(count, 42);
  }
}

TEST(ProgramKinds, FolderNames) {
  const wchar_t* expected[] = {L"POSITION",    L"POSITION",     L"TimeConstant", L"TimeConstant",
                               L"LostMotion",  L"VKS-FF",       L"InertiaRatio", L"LostMotion2",
                               L"LostMotion2", L"LostMotion3",  L"LostMotion3"};
  for (int kind = 0; kind < pf::kProgramKindCount; ++kind) {
    EXPECT_EQ(pf::GetProgramKindName(kind), expected[kind]) << "kind " << kind;
  }
  EXPECT_EQ(pf::GetProgramKindName(-1), L"");
  EXPECT_EQ(pf::GetProgramKindName(11), L"");
}

struct LatheCase {
  int list;
  const wchar_t* header;
  const wchar_t* modeWords;
};

TEST(ModeWords, LatheWordsByGCodeList) {
  const LatheCase cases[] = {
      {1, L"", L""},
      {2, L"G98G97G40G00", L"G98G97"},
      {3, L"G94G97G90G40G00", L"G94G97G91"},
      {6, L"G98G97G40G00", L"G98G97"},
      {7, L"G94G97G90G40G00", L"G94G97G91"},
      {8, L"", L""},
  };
  for (const LatheCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "list " << c.list);
    EXPECT_EQ(pf::GetPositionHeaderLathe(c.list), c.header);
    EXPECT_EQ(pf::GetMoveModeWordsLathe(c.list), c.modeWords);
  }
}

struct CentreCase {
  int ncType;
  int paraExt3;
  const wchar_t* header;
  const wchar_t* highAccuracy;
  const wchar_t* cutting;
  const wchar_t* circle;
};

TEST(ModeWords, MachiningCentreWordsByG08Form) {
  const CentreCase cases[] = {
      {0, 3, L"G90G94G49G40G00\r\nG8P0", L"G91\r\nG8P1", L"G91\r\nG8P0", L"G91\r\nG8P1\r\n"},
      {0, 1, L"G90G94G49G40G00\r\nG8P0", L"G91\r\nG8P1", L"G91\r\nG8P0", L"G91\r\nG8P1\r\n"},
      {0, 2, L"G90G94G64G49G40G00", L"G91G61.1", L"G91G64", L"G91G61.1\r\n"},
      {1, 3, L"G90G94G64G49G40G00", L"G91G61.1", L"G91G64", L"G91G61.1\r\n"},
      {-1, 1, L"G90G94G64G49G40G00", L"G91G61.1", L"G91G64", L"G91G61.1\r\n"},
  };
  for (const CentreCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "ncType " << c.ncType << " paraExt3 " << c.paraExt3);
    EXPECT_EQ(pf::GetPositionHeaderMC(c.ncType, c.paraExt3), c.header);
    EXPECT_EQ(pf::GetMoveModeWordsMC(0, c.ncType, c.paraExt3), c.highAccuracy);
    EXPECT_EQ(pf::GetMoveModeWordsMC(1, c.ncType, c.paraExt3), c.cutting);
    EXPECT_EQ(pf::GetMoveModeWordsMC(2, c.ncType, c.paraExt3), L"");
    std::wstring circle = L"x";
    pf::GetCircleModeWords(1, c.ncType, c.paraExt3, circle);
    EXPECT_EQ(circle, std::wstring(L"x") + c.circle);
  }
}

TEST(ModeWords, LatheCircleWordsIgnoreTheG08Form) {
  std::wstring text;
  pf::GetCircleModeWords(0, 0, 1, text);
  EXPECT_EQ(text, L"G98G64\r\n");
}

}  // namespace
