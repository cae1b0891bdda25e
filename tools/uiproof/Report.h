// The proof's checks: one line per check on the standard output, "ok - what"
// or "not ok - what (detail)", and the counts for the summary.
#pragma once

#include <string>

namespace pf::proof {

class Report {
 public:
  // Records and prints one check; returns `passed`.
  bool Check(bool passed, const std::wstring& what, const std::wstring& detail = L"");
  // Prints a line that is no check.
  void Note(const std::wstring& text);

  int passed() const { return passed_; }
  int failed() const { return failed_; }

 private:
  int passed_ = 0;
  int failed_ = 0;
};

}  // namespace pf::proof
