// The log viewer's command line:
//   --record FILE   keep everything received in FILE (records as received,
//                   with their sessions and times), to be replayed later
//   --replay FILE   show a record file made by --record (the terminal viewer
//                   prints it and ends; the window shows it and goes on
//                   receiving)
//   --save FILE     also write the lines shown as readable UTF-8 text
//                   (terminal viewer; the window saves from its menu)
//   --filter TEXT   print only the record lines that hold TEXT, ignoring
//                   case; session lines are always printed (terminal viewer)
//   --once          end when the last connection closes, once one was
//                   served (POSIX; tests)
#pragma once

#include <string>
#include <vector>

namespace pf {

struct ViewerOptions {
  std::wstring recordPath;  // empty: no record file
  std::wstring replayPath;  // empty: nothing to replay
  std::wstring savePath;    // empty: no text file
  std::wstring filter;      // empty: every line
  bool once = false;
};

// Reads the arguments (without the program name). False, with a message,
// for an unknown argument or a missing value.
bool ParseViewerOptions(const std::vector<std::wstring>& args, ViewerOptions& options, std::wstring& error);

// The usage text.
extern const wchar_t kViewerUsage[];

}  // namespace pf
