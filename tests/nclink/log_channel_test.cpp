// The log channel's records as a viewer receives them, byte for byte.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "support/Records.h"
#include "support/TestViewer.h"
#include "nclink/LogChannel.h"

namespace pf {
namespace {

using test::TestViewer;

// A line record carries its level; the text of a call line is cut, trimmed
// and terminated.
TEST(LogChannel, LineRecordsAreCutTrimmedAndTerminated) {
  struct Row {
    std::wstring text;
    size_t size;
    std::wstring sent;
    uint8_t level = 0;
  };
  const Row rows[] = {
      {L"COVXIF::Load()", 32, L"COVXIF::Load()", 2},
      {L"COVXIF::Load() \n", 32, L"COVXIF::Load()"},
      {L" was succeeded.", 34, L" was succeeded."},
      {L"     ", 4, L""},
      {L" \t\r\n", 4, L""},
      {L"", 4, L""},
      {std::wstring(2000, L'A'), 2 + 2 * 1024, std::wstring(1023, L'A')},
      // Cut first, then trimmed: the blank at unit 1023 goes, the rest was cut.
      {std::wstring(1022, L'A') + std::wstring(10, L' ') + L"B", 2 + 2 * 1023, std::wstring(1022, L'A')},
  };
  TestViewer viewer;
  CLogChannel channel;
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "text of " << row.text.size() << " units");
    channel.BeginLog(row.level, row.text.c_str());
    const std::vector<LogRecord> records = viewer.TakeRecords();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].payload.size(), row.size);
    EXPECT_EQ(records[0], Line(0, row.sent, row.level));
    EXPECT_EQ(records[1], Open());
  }
}

// An outcome line waits for the group's close; whatever is sent next, the
// line arrives first, and it is not lost when the channel ends before.
TEST(LogChannel, AnOutcomeLineLeavesBeforeTheNextRecord) {
  struct Row {
    const char* next;
    std::function<void(std::unique_ptr<CLogChannel>&)> send;
    std::vector<LogRecord> expected;
  };
  const LogRecord outcome = Line(kMarkSuccess, L" was succeeded.");
  const Row rows[] = {
      {"group close", [](auto& channel) { channel->EndLog(); }, {outcome, Close()}},
      {"call line", [](auto& channel) { channel->BeginLog(0, L"COVXIF::OvxNcIfQuit()"); },
       {outcome, Line(kMarkCall, L"COVXIF::OvxNcIfQuit()"), Open()}},
      {"built line", [](auto& channel) { channel->SendLine({0, kMarkCall, u"line"}); },
       {outcome, Line(kMarkCall, L"line")}},
      {"the channel's end", [](auto& channel) { channel.reset(); }, {outcome}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.next);
    TestViewer viewer;
    auto channel = std::make_unique<CLogChannel>();
    channel->AddLog(0, kMarkSuccess, L" was succeeded.");
    row.send(channel);
    EXPECT_EQ(viewer.TakeRecords(), row.expected);
  }
}

TEST(LogChannel, WithoutViewerAtStartNothingIsEverSent) {
  TestViewer viewer(false);
  CLogChannel channel;
  EXPECT_FALSE(channel.IsOn());
  viewer.Listen();
  channel.BeginLog(0, L"COVXIF::Load()");
  channel.AddLog(0, kMarkSuccess, L"COVXIF::Load() was succeeded.");
  channel.EndLog();
  channel.SendLine({0, kMarkCall, u"line"});
  EXPECT_FALSE(viewer.Connected());
}

TEST(LogChannel, ViewerThatQuitsMidSessionIsIgnored) {
  TestViewer viewer;
  CLogChannel channel;
  channel.BeginLog(0, L"COVXIF::Load()");
  ASSERT_EQ(viewer.TakeRecords().size(), 2u);
  viewer.Close();
  // A send to the closed socket would raise SIGPIPE and end the process.
  for (int i = 0; i < 3; ++i) {
    channel.AddLog(0, kMarkSuccess, L"COVXIF::Load() was succeeded.");
    channel.EndLog();
  }
  EXPECT_TRUE(channel.IsOn());
}

}  // namespace
}  // namespace pf
