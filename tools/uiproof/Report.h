// The proof's checks: one line per check on the standard output, "ok - what"
// or "not ok - what (detail)", counted for the summary.
#pragma once

#include <cstdio>
#include <string>

#include "common/Text.h"

namespace pf::proof {

class Report {
 public:
  // Records and prints one check; returns `passed`.
  bool Check(bool passed, const std::wstring& what, const std::wstring& detail = L"") {
    failed_ += passed ? 0 : 1;
    Print((passed ? L"ok - " : L"not ok - ") + what + (passed || detail.empty() ? L"" : L" (" + detail + L")"));
    return passed;
  }
  int failed() const { return failed_; }

 private:
  static void Print(const std::wstring& line) {
    std::fputs(ToNarrow(line + L"\n").c_str(), stdout);
    std::fflush(stdout);
  }

  int failed_ = 0;
};

}  // namespace pf::proof
