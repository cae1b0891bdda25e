// The block generators: position block, test moves and circle.
//
// Each generator checks every number it uses first and then appends its
// whole text, so an invalid number leaves the output as it was. A number
// without a decimal point gets a trailing "." in the program (100 becomes
// 100.); a start position of exactly 0 stays 0.
#include <climits>

#include "common/Format.h"
#include "common/Text.h"
#include "program/ModeWords.h"
#include "program/ProgramErrors.h"
#include "program/ProgramInfo.h"
#include "program/ProgramKinds.h"

namespace pf {
namespace {

constexpr const wchar_t* kLineEnd = L"\r\n";

// Highest magnitude of the integer part of a start position, and the most
// digits after its point.
constexpr int kPositionIntegerLimit = 99999;
constexpr std::size_t kPositionDecimals = 6;

// The test move's G code and the words that follow it.
struct MoveFormat {
  const wchar_t* plus;
  const wchar_t* minus;
};
constexpr MoveFormat kRapidMove = {L"G00%s%s", L"G00%s-%s"};
constexpr MoveFormat kFeedMove = {L"G01%s%s", L"G01%s-%s"};
constexpr const wchar_t* kFeedWord = L"F%s";

// Dwell after a move: timed with the dwell time, or none ("G04X0").
constexpr const wchar_t* kTimedDwell = L"G04X%s";
constexpr const wchar_t* kNoDwell = L"G04X0";

// Plane selection by the centre-offset letters of the plane text: the first
// row holding both letters wins.
struct PlaneRow {
  const wchar_t* letters;
  const wchar_t* planeCode;
  const wchar_t* centreLetter;
};
constexpr PlaneRow kPlanes[] = {
    {L"IJ", L"G17", L"I"},  // X-Y plane
    {L"JK", L"G19", L"J"},  // Y-Z plane
    {L"KI", L"G18", L"K"},  // Z-X plane
};
constexpr PlaneRow kNoPlane = {L"", L"", L"K"};

// Circle direction by m_nCircleDir (0 clockwise). The machining centre makes
// both turns in one block (P2); the lathe writes the circle twice.
constexpr const wchar_t* kCircleCentre[] = {L"G02%s%sF%sP%d", L"G03%s%sF%sP%d"};
constexpr const wchar_t* kCircleLathe[] = {L"G02%s%sF%s", L"G03%s%sF%s"};
constexpr int kCircleTurns = 2;

// The number as written into the program: with a point appended when it has
// none.
std::wstring WithPoint(const std::wstring& text, int dotCount) {
  return dotCount == 0 ? text + L"." : text;
}

// Checks a start position: only "0123456789.+-", a sign only first, at most
// one point (and not the point alone), at most six decimals, and an integer
// part within +-99999. An empty text is 0.
bool IsValidPosition(const std::wstring& v) {
  if (v == L".") return false;
  if (v.find_first_not_of(L"0123456789.+-") != std::wstring::npos) return false;
  if (v.find_first_of(L"+-", 1) != std::wstring::npos) return false;
  const std::size_t point = v.find(L'.');
  if (point != std::wstring::npos) {
    if (v.find(L'.', point + 1) != std::wstring::npos) return false;
    if (v.size() - point - 1 > kPositionDecimals) return false;
  }
  const int integerPart = TextToInt(v.substr(0, point));
  return integerPart >= -kPositionIntegerLimit && integerPart <= kPositionIntegerLimit;
}

// A start position as written after its axis name.
std::wstring PositionWord(const std::wstring& v) {
  return Contains(v, L'.') || v == L"0" ? v : v + L".";
}

// The plane text's fourth and fifth characters, each empty when missing.
const PlaneRow& FindPlane(const std::wstring& plane) {
  const std::wstring first = plane.size() > 3 ? plane.substr(3, 1) : L"";
  const std::wstring second = plane.size() > 4 ? plane.substr(4, 1) : L"";
  for (const PlaneRow& row : kPlanes) {
    const std::wstring letters = row.letters;
    if (letters.find(first) != std::wstring::npos && letters.find(second) != std::wstring::npos) return row;
  }
  return kNoPlane;
}

}  // namespace

// The checked and formatted lines of a test move.
struct CProgramInfo::MoveTexts {
  std::wstring modeWords;
  std::wstring plus;
  std::wstring minus;
  std::wstring dwell;
};

bool CProgramInfo::CheckNumber(const std::wstring& text, int& dotCount) {
  if (TextToDouble(text) < 0.0) return false;
  if (text.empty() || text == L"." || text == L"-") return false;
  if (text.find_first_not_of(L"0123456789.-") != std::wstring::npos) return false;
  if (text.front() == L'.') return false;
  if (text.find(L'-', 1) != std::wstring::npos) return false;
  const std::size_t point = text.find(L'.');
  if (point != std::wstring::npos && text.find(L'.', point + 1) != std::wstring::npos) return false;
  dotCount = point == std::wstring::npos ? 0 : 1;
  return true;
}

int CProgramInfo::CheckAxisName(const std::vector<std::wstring>& names, int index) {
  if (index < 0 || index > static_cast<int>(names.size())) return -2;
  // cppcheck-suppress containerOutOfBounds ; an index equal to the count is the caller's fault, which at() reports
  return names.at(static_cast<std::size_t>(index)).empty() ? -1 : 0;
}

int CProgramInfo::MakePositionBlock(int machineType, std::wstring& output, int gCodeList,
                                    const std::vector<std::wstring>& positionNames) const {
  // The header starts the first order's line; each order's line goes into
  // the output once all of its axes passed, so a failure keeps the lines of
  // the orders before it.
  std::wstring line;
  if (machineType == kMachineLathe) {
    line = GetPositionHeaderLathe(gCodeList);
  } else if (machineType == kMachineCentre) {
    line = GetPositionHeaderMC(m_nNcType, m_nParaExt3);
  }
  line += kLineEnd;

  int index = 0;
  int order = m_aryAxis.GetMinOrder(index);
  do {
    for (int i = m_aryAxis.FindOrder(order, 0); i >= 0; i = m_aryAxis.FindOrder(order, i + 1)) {
      if (CheckAxisName(positionNames, i) != 0) continue;
      const std::wstring& v = m_aryAxis.at(static_cast<std::size_t>(i)).m_strPosition;
      if (!IsValidPosition(v)) return 0;
      line += positionNames.at(static_cast<std::size_t>(i)) + PositionWord(v);
    }
    output += line;
    line.clear();
    if (output.size() < 2 || output.compare(output.size() - 2, 2, kLineEnd) != 0) output += kLineEnd;
    order = m_aryAxis.GetNextOrder(order, index);
  } while (order != -1);
  return 1;
}

int CProgramInfo::PrepareMove(int machineType, int modeIndex, bool feedMove, int gCodeList,
                              const std::wstring& axisName, bool timedDwell, MoveTexts& texts) const {
  int distanceDots = 0;
  if (!CheckNumber(m_strDistance, distanceDots)) return kErrDistanceInvalid;
  const std::wstring distance = WithPoint(m_strDistance, distanceDots);

  std::wstring feedWord;
  if (feedMove) {
    int feedDots = 0;
    if (!CheckNumber(m_strFeed, feedDots)) return kErrFeedInvalid;
    feedWord = Format(kFeedWord, WithPoint(m_strFeed, feedDots));
  }

  texts.dwell = kNoDwell;
  if (timedDwell) {
    int dwellDots = 0;
    if (!CheckNumber(m_strDwell, dwellDots)) return kErrDwellInvalid;
    texts.dwell = Format(kTimedDwell, WithPoint(m_strDwell, dwellDots));
  }

  texts.modeWords = machineType == kMachineLathe ? GetMoveModeWordsLathe(gCodeList)
                                                 : GetMoveModeWordsMC(modeIndex, m_nNcType, m_nParaExt3);
  const MoveFormat& move = feedMove ? kFeedMove : kRapidMove;
  texts.plus = Format(move.plus, axisName, distance) + feedWord;
  texts.minus = Format(move.minus, axisName, distance) + feedWord;
  return kProgramOk;
}

int CProgramInfo::MakeOneWayMove(int machineType, int modeIndex, bool feedMove, int gCodeList,
                                 bool plusDirection, const std::wstring& axisName, std::wstring& output,
                                 bool withoutDwell) const {
  MoveTexts texts;
  const bool timedDwell = !withoutDwell && m_bDwell != 0;
  const int error = PrepareMove(machineType, modeIndex, feedMove, gCodeList, axisName, timedDwell, texts);
  if (error != kProgramOk) return error;

  output += texts.modeWords + kLineEnd;
  output += (plusDirection ? texts.plus : texts.minus) + kLineEnd;
  if (!withoutDwell) output += texts.dwell + kLineEnd;
  return kProgramOk;
}

int CProgramInfo::MakeReciprocMove(int machineType, int modeIndex, bool feedMove, int gCodeList,
                                   const std::wstring& axisName, std::wstring& output, bool doubled) const {
  MoveTexts texts;
  const bool timedDwell = !doubled && m_bDwell != 0;
  const int error = PrepareMove(machineType, modeIndex, feedMove, gCodeList, axisName, timedDwell, texts);
  if (error != kProgramOk) return error;

  output += texts.modeWords + kLineEnd;
  if (doubled) {
    output += texts.plus + kLineEnd + texts.minus + kLineEnd;
    output += texts.plus + kLineEnd + texts.minus + kLineEnd;
  } else {
    output += texts.plus + kLineEnd + texts.dwell + kLineEnd;
    output += texts.minus + kLineEnd + texts.dwell + kLineEnd;
  }
  return kProgramOk;
}

int CProgramInfo::MakeCircle(int machineType, std::wstring& output) const {
  int feedDots = 0;
  if (!CheckNumber(m_strFeed, feedDots)) return kErrFeedInvalid;
  int radiusDots = 0;
  if (!CheckNumber(m_strRadius, radiusDots)) return kErrRadiusInvalid;
  const std::wstring feed = WithPoint(m_strFeed, feedDots);
  const std::wstring radius = WithPoint(m_strRadius, radiusDots);

  std::wstring block = Format(L"(R=%s)", radius) + kLineEnd;
  block += Format(L"(F=%s)", feed) + kLineEnd;
  GetCircleModeWords(machineType, m_nNcType, m_nParaExt3, block);

  const PlaneRow& plane = FindPlane(m_strPlane);
  block += std::wstring(plane.planeCode) + kLineEnd;

  const int direction = m_nCircleDir == 0 ? 0 : 1;
  if (machineType == kMachineLathe) {
    const std::wstring turn = Format(kCircleLathe[direction], plane.centreLetter, radius, feed) + kLineEnd;
    block += turn + turn;
  } else {
    block += Format(kCircleCentre[direction], plane.centreLetter, radius, feed, kCircleTurns) + kLineEnd;
  }

  output += block;
  return kProgramOk;
}

}  // namespace pf
