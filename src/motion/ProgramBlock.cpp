// Splitting a program line into words and comments (see ProgramBlock.h).
#include "motion/ProgramBlock.h"

#include "common/Text.h"
#include "motion/NcNumber.h"

namespace pf {
namespace {

bool IsAddressChar(wchar_t c) { return c >= L'A' && c <= L'Z'; }
bool IsNumberChar(wchar_t c) { return (c >= L'0' && c <= L'9') || c == L'.' || c == L'+' || c == L'-'; }

// The run of characters from `pos` that satisfy `accept`.
template <class Accept>
std::wstring Run(const std::wstring& line, std::size_t& pos, Accept accept) {
  const std::size_t begin = pos;
  while (pos < line.size() && accept(line[pos])) ++pos;
  return line.substr(begin, pos - begin);
}

}  // namespace

bool ReadBlock(const std::wstring& line, ProgramBlock& block, std::wstring& bad) {
  block = ProgramBlock();
  if (line == L"%") {
    block.endOfTape = true;
    return true;
  }
  std::size_t pos = 0;
  while (pos < line.size()) {
    if (IsBlank(line[pos])) {
      ++pos;
      continue;
    }
    if (line[pos] == L'(') {
      const std::size_t close = line.find(L')', pos);
      if (close == std::wstring::npos) {
        bad = line.substr(pos);
        return false;
      }
      block.comments.push_back(line.substr(pos + 1, close - pos - 1));
      pos = close + 1;
      continue;
    }
    const std::size_t begin = pos;
    ProgramWord word;
    word.address = Run(line, pos, IsAddressChar);
    const std::wstring number = Run(line, pos, IsNumberChar);
    word.text = line.substr(begin, pos - begin);
    if (word.address.empty() || !ParseNcNumber(number, word.value)) {
      if (word.text.empty()) word.text = line.substr(begin, 1);
      bad = word.text;
      return false;
    }
    block.words.push_back(word);
  }
  return true;
}

}  // namespace pf
