// Check lines on the standard output.
#include "Report.h"

#include <cstdio>

#include "common/Format.h"
#include "common/Text.h"

namespace pf::proof {
namespace {

void Print(const std::wstring& line) {
  std::fputs(ToNarrow(line + L"\n").c_str(), stdout);
  std::fflush(stdout);
}

}  // namespace

bool Report::Check(bool passed, const std::wstring& what, const std::wstring& detail) {
  if (passed) {
    ++passed_;
    Print(L"ok - " + what);
  } else {
    ++failed_;
    Print(detail.empty() ? L"not ok - " + what : Format(L"not ok - %s (%s)", what, detail));
  }
  return passed;
}

void Report::Note(const std::wstring& text) { Print(L"# " + text); }

}  // namespace pf::proof
