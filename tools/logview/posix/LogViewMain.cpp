// The log viewer in a terminal: prints the lines of every module session as
// they come (sessions served at the same time interleave, each line naming
// its session), or replays a record file. Only POSIX code here.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "LogText.h"
#include "LogViewer.h"
#include "SessionServer.h"
#include "SocketListener.h"
#include "ViewerOptions.h"
#include "common/Path.h"
#include "common/Text.h"

namespace {

// Prints the lines the book gained (those the filter lets through) and
// appends all of them to the text file.
class LinePrinter {
 public:
  LinePrinter(const pf::ViewerOptions& options, std::ofstream* textFile) : filter_(options.filter), text_(textFile) {}

  void Print(pf::LogBook& book) {
    std::string all;
    std::string shown;
    for (const pf::ShownLine& line : book.TakeLines()) {
      const std::wstring text = pf::FormatShownLine(line);
      const std::string bytes = pf::ToUtf8(text) + '\n';
      all += bytes;
      if (line.kind != pf::LineKind::Record || pf::MatchesText(text, filter_)) shown += bytes;
    }
    if (text_ != nullptr) *text_ << all << std::flush;
    std::fwrite(shown.data(), 1, shown.size(), stdout);
    std::fflush(stdout);
  }

 private:
  std::wstring filter_;
  std::ofstream* text_;
};

bool OpenOutput(const std::wstring& path, std::ofstream& file) {
  if (path.empty()) return true;
  file.open(pf::ToNarrow(path), std::ios::binary | std::ios::trunc);
  if (!file) std::cerr << "logview: cannot write " << pf::ToNarrow(path) << '\n';
  return static_cast<bool>(file);
}

int Replay(const std::wstring& path, pf::LogViewer& viewer, LinePrinter& printer) {
  std::string bytes;
  if (!pf::ReadFileBytes(path, bytes)) {
    std::cerr << "logview: cannot read " << pf::ToNarrow(path) << '\n';
    return 1;
  }
  if (!pf::IsRecording(bytes)) {
    std::cerr << "logview: " << pf::ToNarrow(path) << " is not a log recording\n";
    return 1;
  }
  const bool whole = viewer.Replay(bytes);
  printer.Print(viewer.book());
  if (whole) return 0;
  std::cerr << "logview: " << pf::ToNarrow(path) << " ends in a damaged or unfinished frame\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::wstring> args;
  for (int i = 1; i < argc; ++i) args.push_back(pf::ToWide(argv[i]));
  pf::ViewerOptions options;
  std::wstring usageError;
  if (pf::ParseViewerOptions(args, options, usageError) && options.history != 0) {
    usageError = L"--history is for the window: the terminal viewer keeps no lines";
  }
  if (!usageError.empty()) {
    std::cerr << "logview: " << pf::ToNarrow(usageError) << '\n' << pf::ToNarrow(pf::kViewerUsage) << '\n';
    return 2;
  }
  std::ofstream recordFile;
  std::ofstream textFile;
  if (!OpenOutput(options.recordPath, recordFile) || !OpenOutput(options.savePath, textFile)) return 1;
  pf::LogViewer viewer(options.recordPath.empty() ? nullptr : &recordFile);
  LinePrinter printer(options, options.savePath.empty() ? nullptr : &textFile);
  if (!options.replayPath.empty()) return Replay(options.replayPath, viewer, printer);
  pf::SocketListener listener;
  std::string error;
  if (!listener.Open(error)) {
    std::cerr << "logview: " << error << '\n';
    return 1;
  }
  std::cerr << "logview: listening on " << listener.path() << '\n';
  pf::SessionServer server(listener, viewer);
  server.Run(options.once, [&] {
    printer.Print(viewer.book());
    viewer.FlushRecords();
  });
  return 0;
}
