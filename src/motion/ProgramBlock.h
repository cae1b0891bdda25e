// One line of a program file split into its words ("G01", "X100.", "F3000.")
// and its comments, the way the NC reads a block.
#pragma once

#include <string>
#include <vector>

namespace pf {

struct ProgramWord {
  std::wstring address;  // the letters: "G", "X", or an incremental axis name
  double value = 0.0;
  std::wstring text;     // the word as written, for messages
};

struct ProgramBlock {
  std::vector<ProgramWord> words;
  std::vector<std::wstring> comments;  // the texts between "(" and ")"
  bool endOfTape = false;              // the line is "%"
};

// Splits `line` (without its line end). Blanks between words are skipped.
// False when a part of the line is no word (an address without a number, a
// number without an address, a character that is neither, a comment left
// open); `bad` then holds that part as written.
bool ReadBlock(const std::wstring& line, ProgramBlock& block, std::wstring& bad);

}  // namespace pf
