// The fixed mode words that the generators put ahead of positioning, test
// moves and circles. A "\r\n" inside a string is a line break that becomes
// part of the program text.
//
// Lathe words depend on the G-code list number (2, 4, 6: feed per minute is
// G98; 3, 5, 7: G94; any other number: no words). Machining-centre words
// depend on the G08 form, which holds when the controller type is 0 and bit 0
// of the basic extended parameter 3 is set: high-accuracy control is then
// switched with "G8P1" / "G8P0" on a line of its own, otherwise with "G61.1"
// (high accuracy) and "G64" (cutting mode).
#pragma once

#include <string>

namespace pf {

// Machining-centre mode index: high-accuracy or cutting mode.
enum MoveMode : int {
  kModeHighAccuracy = 0,  // G61.1, or G8P1 in the G08 form
  kModeCutting = 1,       // G64, or G8P0 in the G08 form
};

bool IsG08Form(int ncType, int paraExt3);

std::wstring GetPositionHeaderLathe(int gCodeList);
std::wstring GetMoveModeWordsLathe(int gCodeList);

std::wstring GetPositionHeaderMC(int ncType, int paraExt3);
// Index 0 high accuracy, 1 cutting mode; any other index gives no words.
std::wstring GetMoveModeWordsMC(int modeIndex, int ncType, int paraExt3);

// Appends the circle mode words of the machine type and then "\r\n" to
// `text`. Any machine type other than 0 counts as machining centre.
void GetCircleModeWords(int machineType, int ncType, int paraExt3, std::wstring& text);

}  // namespace pf
