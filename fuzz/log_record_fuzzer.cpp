// The log viewer's record decoding: any bytes as a socket stream or a record
// file. Read whole or in two pieces, a stream gives the same records, and
// those records framed again are the bytes taken; replayed as a recording
// after a live session, its sessions keep apart from the live one, and
// shown with a filter every line formats.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzScratch.h"
#include "LogText.h"
#include "LogView.h"
#include "LogViewer.h"
#include "common/Text.h"

namespace {

struct Read {
  std::vector<pf::LogRecord> records;
  std::size_t taken = 0;
  bool broken = false;
};

Read ReadStream(const std::string& bytes, std::size_t split) {
  pf::LogFrameReader reader;
  Read read;
  for (const std::string& piece : {bytes.substr(0, split), bytes.substr(split)}) {
    reader.Feed(piece.data(), piece.size());
    for (pf::LogRecord record; reader.Next(record);) {
      read.taken += pf::kLogFrameHeader + record.payload.size();
      read.records.push_back(record);
    }
  }
  read.broken = reader.Broken();
  return read;
}

bool Same(const Read& a, const Read& b) {
  if (a.records.size() != b.records.size() || a.taken != b.taken || a.broken != b.broken) return false;
  for (std::size_t i = 0; i < a.records.size(); ++i) {
    if (a.records[i].type != b.records[i].type || a.records[i].payload != b.records[i].payload) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const Read whole = ReadStream(bytes, 0);
  pf_fuzz::Require(Same(whole, ReadStream(bytes, size == 0 ? 0 : data[0] % (size + 1))),
                   "a stream read in two pieces gives the records it gives whole");
  std::string framed;
  for (const pf::LogRecord& record : whole.records) framed += pf::EncodeLogFrame(record);
  pf_fuzz::Require(framed == bytes.substr(0, whole.taken), "the records framed again are the bytes taken");

  pf::LogViewer viewer(nullptr);
  viewer.book().SetHistory(64);
  viewer.StartSession(1, 7, 0);
  viewer.Replay(bytes);
  viewer.Receive(1, 0, pf::LogRecord{pf::kLogLine, std::string("\0\0x\0\0\0", 6)});
  std::size_t live = 0;
  for (const pf::ShownLine& line : viewer.book().lines()) live += line.kind != pf::LineKind::Note && line.session == 1;
  pf_fuzz::Require(live <= 2 && viewer.book().lines().back().depth == 0,
                   "the recording's sessions take numbers and depths of their own");
  pf::LogView view(viewer.book());
  view.SetFilter(size > 2 ? std::wstring(1, static_cast<wchar_t>(data[1])) : L"");
  for (std::size_t row = 0; row < view.size(); ++row) pf::ToUtf8(pf::FormatShownLine(view.Line(row)));
  return 0;
}
