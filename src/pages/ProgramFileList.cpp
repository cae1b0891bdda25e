// The program page's file list (see ProgramFileList.h).
#include "pages/ProgramFileList.h"

#include "program/ProgramKinds.h"

namespace pf {
namespace {

// "補間前" (before interpolation): the title mark of the files that lathe G
// codes leave out of the list.
const wchar_t kBeforeInterpolation[] = L"\u88DC\u9593\u524D";

}  // namespace

std::vector<int> ListedFileNumbers(const CProgramInfo& program, int machineType) {
  std::vector<int> numbers;
  for (std::size_t i = 0; i < program.size(); ++i) {
    if (machineType == kMachineLathe && program[i].m_strTitle.find(kBeforeInterpolation) != std::wstring::npos) {
      continue;
    }
    numbers.push_back(static_cast<int>(i));
  }
  return numbers;
}

}  // namespace pf
