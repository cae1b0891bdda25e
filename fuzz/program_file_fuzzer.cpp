// Program files as the wizard loads them from a project folder: any bytes
// on disk. A loaded text keeps only non-empty lines that do not start with
// "%", each ending in CR LF, and saving and loading it again gives the same
// text.
#include <cstddef>
#include <cstdint>

#include "FuzzScratch.h"
#include "program/ProgramData.h"

namespace {

bool EveryLineIsKept(const std::wstring& text) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find(L"\r\n", start);
    if (end == std::wstring::npos || end == start || text[start] == L'%') return false;
    start = end + 2;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  pf::CProgramData file;
  pf_fuzz::Require(file.Load(pf_fuzz::ScratchFile(L"G1aa.eia", data, size), L"G1aa.eia"), "an existing file loads");
  pf_fuzz::Require(EveryLineIsKept(file.GetText()), "every kept line is non-empty, ends in CR LF, starts without %");

  const std::wstring copy = pf_fuzz::ScratchFolder() + L"/copy.eia";
  pf_fuzz::Require(file.Save(copy), "the text saves");
  pf::CProgramData again;
  pf_fuzz::Require(again.Load(copy, L"copy.eia") && again.GetText() == file.GetText(),
                   "a saved text loads unchanged");
  return 0;
}
