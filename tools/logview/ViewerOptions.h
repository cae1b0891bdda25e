// The log viewer's command line:
//   --record FILE   write every record received to FILE, framed as received
//   --once          end when the first connection closes (POSIX; tests)
#pragma once

#include <string>
#include <vector>

namespace pf {

struct ViewerOptions {
  std::wstring recordPath;  // empty: no record file
  bool once = false;
};

// Reads the arguments (without the program name). False, with a message,
// for an unknown argument or a missing file name.
bool ParseViewerOptions(const std::vector<std::wstring>& args, ViewerOptions& options, std::wstring& error);

// The usage text.
extern const wchar_t kViewerUsage[];

}  // namespace pf
