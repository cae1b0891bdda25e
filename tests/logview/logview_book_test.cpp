// The lines the viewers show: sessions, times, failure marks, find, the
// record file and its replay.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "LogBook.h"
#include "LogText.h"
#include "LogView.h"
#include "LogViewer.h"
#include "SenderlessSessions.h"
#include "support/Records.h"

namespace pf {
namespace {

// 2026-12-06 21:13:27.120 UTC; the tests read local time as UTC.
constexpr int64_t kT0 = 1796591607120;

class LogBookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TZ", "UTC", 1);
    tzset();
  }
};

std::vector<std::wstring> Shown(const LogBook& book) {
  std::vector<std::wstring> lines;
  for (const ShownLine& line : book.lines()) lines.push_back(FormatShownLine(line));
  return lines;
}

// Two modules at the same time: session 1 loads and fails a check while
// session 2 loads inside it; session 2 ends first. The unload a minute later
// falls on a millisecond below 100 (shown with its leading zero).
void TwoSessions(LogViewer& viewer) {
  viewer.StartSession(1, 4242, kT0);
  viewer.Receive(1, kT0 + 1, Line(kMarkCall, u"COVXIF::Load()"));
  viewer.Receive(1, kT0 + 1, Open());
  viewer.StartSession(2, 4243, kT0 + 2);
  viewer.Receive(2, kT0 + 3, Line(kMarkCall, u"COVXIF::Load()"));
  viewer.Receive(1, kT0 + 4, Line(kMarkFailure, u"COVXIF::Load() was not succeeded(126)."));
  viewer.Receive(2, kT0 + 5, Open());
  viewer.Receive(2, kT0 + 5, Line(kMarkSuccess, u"COVXIF::Load() was succeeded."));
  viewer.Receive(2, kT0 + 5, Close());
  viewer.EndSession(2, kT0 + 6);
  viewer.Receive(1, kT0 + 60885, Close());
  viewer.Receive(1, kT0 + 60885, Line(kMarkCall, u"COVXIF::Unload( 2 )"));
}

const std::vector<std::wstring> kTwoSessionsShown = {
    L"== session 1: process 4242, started 2026-12-06 21:13:27.120",
    L"21:13:27.121 #1    call COVXIF::Load()",
    L"== session 2: process 4243, started 2026-12-06 21:13:27.122",
    L"21:13:27.123 #2    call COVXIF::Load()",
    L"21:13:27.124 #1 !!   failed COVXIF::Load() was not succeeded(126).",
    L"21:13:27.125 #2      ok COVXIF::Load() was succeeded.",
    L"== session 2 ended 21:13:27.126",
    L"21:14:28.005 #1    call COVXIF::Unload( 2 )",
};

struct FindRow {
  const wchar_t* text;
  std::size_t from;
  bool down;
  std::size_t found;
};

// The window's rows: find searches the shown text both ways and goes round;
// session lines always show, record lines through the filter; the oldest
// lines leave the book and the rows at the history's limit, and Clear
// empties both while the sessions go on.
TEST_F(LogBookTest, ViewFindsAndFollowsTheBookThroughFilterHistoryAndClear) {
  LogViewer viewer(nullptr);
  LogView view(viewer.book());
  TwoSessions(viewer);
  EXPECT_EQ(view.Update(), 0u);
  const std::size_t none = std::wstring::npos;
  const FindRow rows[] = {
      {L"load()", none, true, 1},   {L"load()", 1, true, 3},    {L"LOAD()", 3, false, 1},
      {L"load()", 1, false, 5},     {L"!!", 0, true, 4},        {L"#2", 4, true, 5},
      {L"session 2", 6, true, 2},   {L"ended", 6, true, 6},     {L"unload", none, false, 7},
      {L"nowhere", 0, true, none},
  };
  for (const FindRow& row : rows) {
    SCOPED_TRACE(testing::Message() << row.from << (row.down ? " down" : " up"));
    EXPECT_EQ(view.Find(row.text, row.from, row.down), row.found);
  }
  view.SetFilter(L"LOAD()");
  EXPECT_EQ(view.size(), 7u);  // all but the unload line
  EXPECT_EQ(view.Line(6).kind, LineKind::SessionEnd);
  view.SetHighlight(L"failed");
  EXPECT_TRUE(view.Highlighted(4));
  EXPECT_FALSE(view.Highlighted(3));
  viewer.book().SetHistory(3);
  EXPECT_EQ(view.Update(), 5u);
  EXPECT_EQ(viewer.book().dropped(), 5u);
  EXPECT_EQ(view.Text({0, 1}),
            L"21:13:27.125 #2      ok COVXIF::Load() was succeeded.\r\n== session 2 ended 21:13:27.126\r\n");
  view.SetFilter(L"");
  EXPECT_EQ(view.size(), 3u);
  viewer.book().Clear();
  viewer.Receive(1, kT0, Open());
  viewer.Receive(1, kT0, Line(kMarkSuccess, u"unloaded"));
  EXPECT_EQ(view.Update(), 3u);
  EXPECT_EQ(FormatShownLine(view.Line(0)), L"21:13:27.120 #1      ok unloaded");  // inside the unload's group
  EXPECT_EQ(viewer.book().dropped(), 5u);
}

// Sessions at the same time keep their own tree, live and replayed. A
// recording opened beside live sessions takes new numbers after theirs; a
// file that is not a recording is known before anything is shown.
TEST_F(LogBookTest, RecordFileKeepsTheRecordsAsReceivedAndReplaysAsShown) {
  std::ostringstream file;
  LogViewer recording(&file);
  TwoSessions(recording);
  EXPECT_EQ(Shown(recording.book()), kTwoSessionsShown);
  const std::string bytes = file.str();
  EXPECT_NE(bytes.find(EncodeStamp(1, kT0 + 4) + EncodeLogFrame(Line(kMarkFailure, u"COVXIF::Load() was not succeeded(126)."))),
            std::string::npos);
  LogViewer replaying(nullptr);
  EXPECT_TRUE(replaying.Replay(bytes));
  EXPECT_EQ(Shown(replaying.book()), kTwoSessionsShown);
  LogViewer cut(nullptr);
  EXPECT_FALSE(cut.Replay(bytes.substr(0, bytes.size() - 3)));
  EXPECT_EQ(Shown(cut.book()).size(), kTwoSessionsShown.size() - 1);
  // A recording of bare records is one session without times.
  LogViewer bare(nullptr);
  EXPECT_TRUE(bare.Replay(EncodeLogFrame(Line(kMarkCall, u"COVXIF::Load()")) + EncodeLogFrame(Open()) +
                          EncodeLogFrame(Line(kMarkFailure, u" was not succeeded(-1).")) + EncodeLogFrame(Close())));
  EXPECT_EQ(Shown(bare.book()), (std::vector<std::wstring>{
                                    L"== session 1: process unknown, started at an unknown time",
                                    L"--:--:--.--- #1    call COVXIF::Load()",
                                    L"--:--:--.--- #1 !!   failed  was not succeeded(-1).",
                                }));
  EXPECT_TRUE(IsRecording(bytes));
  EXPECT_TRUE(IsRecording(EncodeLogFrame(Open())));
  for (const std::string& other : {std::string(), std::string("== session 1: process 4242"), EncodeLogFrame({9, ""}),
                                   std::string("\x05\0\0\0\x04\0\0", 7)}) {
    EXPECT_FALSE(IsRecording(other)) << other;
  }
  LogViewer live(nullptr);
  live.StartSession(1, 7, kT0);
  live.StartSession(4, 8, kT0);
  EXPECT_TRUE(live.Replay(bytes));
  const std::vector<std::wstring> shown = Shown(live.book());
  EXPECT_EQ(shown[2], L"== session 5: process 4242, started 2026-12-06 21:13:27.120");
  EXPECT_EQ(shown[6], L"21:13:27.124 #5 !!   failed COVXIF::Load() was not succeeded(126).");
  EXPECT_EQ(shown[8], L"== session 6 ended 21:13:27.126");
}

// Records without their sender: a session from each load to the close of its
// unload; a load inside another session says that the two may mix; a process
// is named only when it is certain.
TEST_F(LogBookTest, SessionsWithoutSenderStartAtEachLoad) {
  LogViewer viewer(nullptr);
  std::vector<ModuleHosts> hosts = {{{30, 40, 50}, false}, {{30, 40}, true}, {{30}, true}};
  SenderlessSessions sessions(viewer);
  const auto nextHosts = [&] {
    const ModuleHosts next = hosts.back();
    hosts.pop_back();
    return next;
  };
  const LogRecord load = Line(kMarkCall, u"COVXIF::Load()");
  for (const LogRecord& record : {Line(kMarkSuccess, u"before"), Line(kMarkCall, u"COVXIF::Unload( 2 )"), Open(),
                                  Line(kMarkCall, u"COVXIF::OvxNcIfQuit()"), Open(), Close(), Close(), load, load,
                                  load}) {
    sessions.Receive(kT0, record, nextHosts);
  }
  const std::wstring mixed = L" was unloaded: if two modules are logging at once, their records cannot be told apart"
                             L" from here on";
  EXPECT_EQ(Shown(viewer.book()), (std::vector<std::wstring>{
      L"== session 1: process unknown, started 2026-12-06 21:13:27.120",
      L"21:13:27.120 #1    ok before",
      L"21:13:27.120 #1    call COVXIF::Unload( 2 )",
      L"21:13:27.120 #1      call COVXIF::OvxNcIfQuit()",
      L"== session 1 ended 21:13:27.120",
      L"== session 2: process 30, started 2026-12-06 21:13:27.120",
      L"21:13:27.120 #2    call COVXIF::Load()",
      L"== session 3: process 40, started 2026-12-06 21:13:27.120",
      L"== session 3 began before session 2" + mixed,
      L"21:13:27.120 #3    call COVXIF::Load()",
      L"== session 4: process unknown, started 2026-12-06 21:13:27.120",
      L"== session 4 began before session 3" + mixed,
      L"21:13:27.120 #4    call COVXIF::Load()",
  }));
}

}  // namespace
}  // namespace pf
