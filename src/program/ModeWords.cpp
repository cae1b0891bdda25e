// The mode-word tables.
#include "program/ModeWords.h"

#include "program/ProgramKinds.h"

namespace pf {
namespace {

struct LatheWords {
  const wchar_t* positionHeader;
  const wchar_t* moveModeWords;
};

// Indexed by the parity of the G-code list number.
constexpr LatheWords kLatheWords[] = {
    {L"G98G97G40G00", L"G98G97"},        // lists 2, 4, 6: G98 feed per minute
    {L"G94G97G90G40G00", L"G94G97G91"},  // lists 3, 5, 7: G94 feed per minute
};

struct CentreWords {
  const wchar_t* positionHeader;
  const wchar_t* moveModeWords[2];  // by MoveMode
  const wchar_t* circleModeWords;
};

// Indexed by the G08 form (0: no, 1: yes).
constexpr CentreWords kCentreWords[] = {
    {L"G90G94G64G49G40G00", {L"G91G61.1", L"G91G64"}, L"G91G61.1"},
    {L"G90G94G49G40G00\r\nG8P0", {L"G91\r\nG8P1", L"G91\r\nG8P0"}, L"G91\r\nG8P1"},
};

constexpr const wchar_t* kLatheCircleModeWords = L"G98G64";

const LatheWords* FindLatheWords(int gCodeList) {
  if (gCodeList < 2 || gCodeList > 7) return nullptr;
  return &kLatheWords[gCodeList % 2];
}

const CentreWords& FindCentreWords(int ncType, int paraExt3) {
  return kCentreWords[IsG08Form(ncType, paraExt3) ? 1 : 0];
}

}  // namespace

bool IsG08Form(int ncType, int paraExt3) { return ncType == 0 && (paraExt3 & 1) != 0; }

std::wstring GetPositionHeaderLathe(int gCodeList) {
  const LatheWords* words = FindLatheWords(gCodeList);
  return words ? words->positionHeader : L"";
}

std::wstring GetMoveModeWordsLathe(int gCodeList) {
  const LatheWords* words = FindLatheWords(gCodeList);
  return words ? words->moveModeWords : L"";
}

std::wstring GetPositionHeaderMC(int ncType, int paraExt3) {
  return FindCentreWords(ncType, paraExt3).positionHeader;
}

std::wstring GetMoveModeWordsMC(int modeIndex, int ncType, int paraExt3) {
  if (modeIndex < kModeHighAccuracy || modeIndex > kModeCutting) return std::wstring();
  return FindCentreWords(ncType, paraExt3).moveModeWords[modeIndex];
}

void GetCircleModeWords(int machineType, int ncType, int paraExt3, std::wstring& text) {
  text += machineType == kMachineLathe ? kLatheCircleModeWords
                                       : FindCentreWords(ncType, paraExt3).circleModeWords;
  text += L"\r\n";
}

}  // namespace pf
