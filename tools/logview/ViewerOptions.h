// The log viewer's command line:
//   --record FILE   keep everything received in FILE (records as received,
//                   with their sessions and times), to be replayed later
//   --replay FILE   show a record file made by --record (the terminal viewer
//                   prints it and ends; the window shows it and goes on
//                   receiving)
//   --save FILE     also write every line as readable UTF-8 text as it
//                   comes
//   --filter TEXT   show only the record lines that hold TEXT, ignoring
//                   case; session lines are always shown (the window's
//                   filter box starts with TEXT)
//   --history LINES the window keeps at most LINES lines (the oldest leave)
//   --once          end when the last connection closes, once one was
//                   served (terminal viewer; tests)
// Each viewer refuses, with a message, the one option it has no use for.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace pf {

struct ViewerOptions {
  std::wstring recordPath;  // empty: no record file
  std::wstring replayPath;  // empty: nothing to replay
  std::wstring savePath;    // empty: no text file
  std::wstring filter;      // empty: every line
  std::size_t history = 0;  // 0: not given
  bool once = false;
};

// The window's history when none is given: about 100 MB of lines.
inline constexpr std::size_t kDefaultHistory = 500000;

// Reads the arguments (without the program name). False, with a message,
// for an unknown argument or a missing value.
bool ParseViewerOptions(const std::vector<std::wstring>& args, ViewerOptions& options, std::wstring& error);

// The usage text.
extern const wchar_t kViewerUsage[];

}  // namespace pf
