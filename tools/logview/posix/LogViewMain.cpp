// The log viewer in a terminal: prints the records of each connection as an
// indented tree, one connection after another. Only POSIX code here.
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "LogViewer.h"
#include "SocketListener.h"
#include "ViewerOptions.h"
#include "common/Text.h"

namespace {

// Shows the records of one connection until it closes.
void RunSession(pf::SocketListener& listener, int connection, pf::LogViewer& viewer) {
  viewer.StartSession();
  pf::LogFrameReader reader;
  char chunk[4096];
  long received = 0;
  while (!reader.Broken() && (received = listener.Receive(connection, chunk, sizeof chunk)) > 0) {
    reader.Feed(chunk, static_cast<std::size_t>(received));
    for (pf::LogRecord record; reader.Next(record);) {
      for (const pf::LogEntry& entry : viewer.Receive(record)) {
        std::cout << pf::ToNarrow(pf::IndentLogEntry(entry)) << std::endl;
      }
    }
  }
  if (reader.Broken()) {
    std::cerr << "logview: a record announced more than " << pf::kMaxLogPayload << " bytes; connection dropped\n";
  } else if (received == 0 && reader.Pending() != 0) {
    std::cerr << "logview: the connection closed inside a record; " << reader.Pending() << " bytes dropped\n";
  }
  close(connection);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::wstring> args;
  for (int i = 1; i < argc; ++i) args.push_back(pf::ToWide(argv[i]));
  pf::ViewerOptions options;
  std::wstring usageError;
  if (!pf::ParseViewerOptions(args, options, usageError)) {
    std::cerr << "logview: " << pf::ToNarrow(usageError) << '\n' << pf::ToNarrow(pf::kViewerUsage) << '\n';
    return 2;
  }
  std::ofstream recordFile;
  if (!options.recordPath.empty()) {
    recordFile.open(pf::ToNarrow(options.recordPath), std::ios::binary | std::ios::trunc);
    if (!recordFile) {
      std::cerr << "logview: cannot write " << pf::ToNarrow(options.recordPath) << '\n';
      return 1;
    }
  }
  pf::SocketListener listener;
  std::string error;
  if (!listener.Open(error)) {
    std::cerr << "logview: " << error << '\n';
    return 1;
  }
  std::cerr << "logview: listening on " << listener.path() << '\n';
  pf::LogViewer viewer(options.recordPath.empty() ? nullptr : &recordFile);
  for (int session = 1;; ++session) {
    const int connection = listener.Accept();
    if (connection < 0) break;
    std::cerr << "logview: session " << session << " opened\n";
    RunSession(listener, connection, viewer);
    std::cerr << "logview: session " << session << " closed\n";
    if (options.once || listener.StopRequested()) break;
  }
  return 0;
}
