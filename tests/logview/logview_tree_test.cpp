// The viewer's platform-neutral part: records in, tree entries and record
// file bytes out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LogRecord.h"
#include "support/Records.h"
#include "LogTree.h"
#include "ViewerOptions.h"

namespace pf {
namespace {

std::vector<std::wstring> Render(const std::vector<LogRecord>& records) {
  LogTree tree;
  std::vector<std::wstring> lines;
  for (const LogRecord& record : records) {
    for (const LogEntry& entry : tree.Add(record)) lines.push_back(IndentLogEntry(entry));
  }
  return lines;
}

TEST(LogTree, GivesEveryGroupAParent) {
  EXPECT_EQ(Render({Open(), Open(), Line(kMarkCall, u"deep"), Close(), Close(), Close(), Line(kMarkCall, u"top")}),
            (std::vector<std::wstring>{L"(group)", L"  (group)", L"    call deep",
                                       L"(group close without an open group)", L"call top"}));
}

struct RecordRow {
  const char* what;
  LogRecord record;
  const wchar_t* shown;
};

TEST(LogTree, ShowsEachRecord) {
  const RecordRow rows[] = {
      {"call", Line(0, u"COVXIF::OvxNcIfInit()"), L"call COVXIF::OvxNcIfInit()"},
      {"success", Line(1, u" was succeeded."), L"ok  was succeeded."},
      {"failure", Line(3, u" was not succeeded(-1)."), L"failed  was not succeeded(-1)."},
      {"other mark", Line(7, u"x"), L"mark 7 x"},
      {"level", Line(1, u"x", 2), L"ok [level 2] x"},
      {"empty text", Line(0, u""), L"call "},
      {"text beyond ASCII", Line(0, u"\u00B5m \U0001F600"), L"call \u00B5m \U0001F600"},
      {"text stops at the first zero", {kLogLine, std::string("\0\0a\0\0\0b\0\0\0", 10)}, L"call a"},
      {"too short", {kLogLine, std::string("\0\0\0", 3)}, L"(malformed line record, 3 bytes)"},
      {"odd text", {kLogLine, std::string("\0\0a\0\0", 5)}, L"(malformed line record, 5 bytes)"},
      {"no terminator", {kLogLine, std::string("\0\0a\0b\0", 6)}, L"(malformed line record, 6 bytes)"},
      {"unknown type", {9, std::string(3, 'x')}, L"(record type 9, 3 bytes)"},
  };
  for (const RecordRow& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(Render({row.record}), std::vector<std::wstring>{row.shown});
  }
}

struct LoadLineRow {
  const char* what;
  LogRecord record;
  bool starts;
};

TEST(LogRecord, TheWrappersLoadCallStartsAModuleLog) {
  const LoadLineRow rows[] = {
      {"load call", Line(kMarkCall, u"COVXIF::Load()"), true},
      {"load outcome", Line(kMarkSuccess, u"COVXIF::Load()"), false},
      {"other call", Line(kMarkCall, u"COVXIF::Unload( 2 )"), false},
      {"longer text", Line(kMarkCall, u"COVXIF::Load() x"), false},
      {"group", Open(), false},
      {"malformed", {kLogLine, std::string("\0\0C\0", 4)}, false},
  };
  for (const LoadLineRow& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(IsModuleLoadLine(row.record), row.starts);
  }
}

// The reader takes a record of the limit and refuses a larger one.
TEST(LogFrame, EncodesTypeSizeAndPayloadAndTheReaderTakesThemFromAnyChunks) {
  const std::vector<LogRecord> sent = {Line(0, u"a"), Open(), Line(1, u"bc"), Close(), {kLogLine, ""}};
  std::string stream;
  for (const LogRecord& record : sent) stream += EncodeLogFrame(record);
  EXPECT_EQ(stream.substr(0, 12), std::string("\x05\0\0\0\x06\0\0\0\0\0a\0", 12));  // type, size, payload
  LogFrameReader reader;
  std::vector<LogRecord> received;
  for (char byte : stream) {
    reader.Feed(&byte, 1);
    for (LogRecord record; reader.Next(record);) received.push_back(record);
  }
  ASSERT_EQ(received.size(), sent.size());
  for (std::size_t i = 0; i < sent.size(); ++i) {
    EXPECT_EQ(received[i].type, sent[i].type);
    EXPECT_EQ(received[i].payload, sent[i].payload);
  }
  EXPECT_EQ(reader.Pending(), 0u);
  reader.Feed("\x05\0\0\0\x04", 5);
  EXPECT_EQ(reader.Pending(), 5u);
  LogFrameReader limited;
  const std::string largest = EncodeLogFrame({9, std::string(kMaxLogPayload, 'x')});
  limited.Feed(largest.data(), largest.size());
  LogRecord record;
  EXPECT_TRUE(limited.Next(record));
  limited.Feed("\x05\0\0\0\x01\x00\x01\x00", 8);  // 65537 bytes announced
  EXPECT_FALSE(limited.Next(record));
  EXPECT_TRUE(limited.Broken());
}

struct OptionRow {
  std::vector<std::wstring> args;
  bool ok;
  const wchar_t *record, *replay, *save, *filter;
  bool once;
  std::size_t history = 0;
};

TEST(ViewerOptions, ReadsTheCommandLine) {
  const OptionRow rows[] = {
      {{}, true, L"", L"", L"", L"", false},
      {{L"--record", L"/tmp/r.bin", L"--once"}, true, L"/tmp/r.bin", L"", L"", L"", true},
      {{L"--replay", L"a.bin", L"--save", L"a.txt", L"--filter", L"failed"}, true, L"", L"a.bin", L"a.txt", L"failed",
       false},
      {{L"--record"}, false, L"", L"", L"", L"", false},
      {{L"--history", L"150"}, true, L"", L"", L"", L"", false, 150},
      {{L"--history", L"-5"}, false, L"", L"", L"", L"", false},
  };
  for (const OptionRow& row : rows) {
    SCOPED_TRACE(row.args.empty() ? std::wstring() : row.args[0]);
    ViewerOptions options;
    std::wstring error;
    ASSERT_EQ(ParseViewerOptions(row.args, options, error), row.ok);
    if (!row.ok) {
      EXPECT_FALSE(error.empty());
      continue;
    }
    EXPECT_EQ(options.recordPath, row.record);
    EXPECT_EQ(options.replayPath, row.replay);
    EXPECT_EQ(options.savePath, row.save);
    EXPECT_EQ(options.filter, row.filter);
    EXPECT_EQ(options.once, row.once);
    EXPECT_EQ(options.history, row.history);
  }
}

}  // namespace
}  // namespace pf
