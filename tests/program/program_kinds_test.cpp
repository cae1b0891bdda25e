#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "program/ModeWords.h"
#include "program/ProgramKinds.h"

namespace {

// G-code list, position header and move mode words.
TEST(ModeWords, LatheWordsByGCodeList) {
  const std::tuple<int, const wchar_t*, const wchar_t*> cases[] = {
      {1, L"", L""},
      {2, L"G98G97G40G00", L"G98G97"},
      {3, L"G94G97G90G40G00", L"G94G97G91"},
      {6, L"G98G97G40G00", L"G98G97"},
      {7, L"G94G97G90G40G00", L"G94G97G91"},
      {8, L"", L""},
  };
  for (const auto& [list, header, modeWords] : cases) {
    SCOPED_TRACE(testing::Message() << "list " << list);
    EXPECT_EQ(pf::GetPositionHeaderLathe(list), header);
    EXPECT_EQ(pf::GetMoveModeWordsLathe(list), modeWords);
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
