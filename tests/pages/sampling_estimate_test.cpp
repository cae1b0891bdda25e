// The sampling-time estimate: the inputs each kind reads, the G0 speed from
// the CNC and the shown text; and the circle axis labels from the systems'
// base axes.
#include "pages/SamplingEstimate.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "pages/CircleAxes.h"
#include "support/MachineFixture.h"

namespace pf {
namespace {

TEST(SamplingEstimate, EachKindReadsItsInputs) {
  // Kind, dwell checked, whether the G0 speed is asked, the two times.
  // Distance 100, dwell 0.5, feed 2000, radius 10; the G0 speed is 6000.
  const std::tuple<int, bool, bool, const wchar_t*, const wchar_t*> kRows[] = {
      {0, false, true, L"3.60", L"0.00"},    // dwell always, F = G0 speed
      {2, true, true, L"3.60", L"0.00"},
      {1, false, false, L"7.20", L"14.40"},  // unchecked: no dwell
      {1, true, false, L"8.40", L"14.40"},
      {4, true, false, L"4.20", L"0.00"},
      {4, false, false, L"3.60", L"0.00"},
      {5, false, false, L"4.20", L"3.60"},   // dwell always
      {6, false, false, L"4.20", L"3.60"},
      {8, true, false, L"3.77", L"0.00"},    // radius and feed only
  };
  const SamplingFields fields{L"100", L"0.5", L"2000", L"10", false};
  for (const auto& [kind, checked, asksRapidSpeed, first, second] : kRows) {
    SCOPED_TRACE(testing::Message() << "kind " << kind << (checked ? " checked" : ""));
    SamplingFields input = fields;
    input.dwellChecked = checked;
    bool asked = false;
    const SamplingTimes times = EstimateFromFields(kind, input, [&asked] {
      asked = true;
      return 6000.0;
    });
    EXPECT_EQ(asked, asksRapidSpeed);
    EXPECT_EQ(FormatSamplingTime(times.first), first);
    EXPECT_EQ(FormatSamplingTime(times.second), second);
  }
}

TEST(SamplingEstimate, AnUnreadFeedIsReadAs1000AndTheTimeStaysWithin0To10000Seconds) {
  // Distance, feed and the lost-motion time (one way, no dwell).
  const std::tuple<double, double, const wchar_t*> kRows[] = {
      {100, 0, L"7.20"}, {100000, 1, L"10000.00"}, {-10, 1000, L"0.00"}};
  for (const auto& [distance, feed, first] : kRows) {
    SCOPED_TRACE(distance);
    EXPECT_EQ(FormatSamplingTime(EstimateSamplingTimes(4, distance, 0.0, feed, 0.0).first), first);
  }
}

class NcReadTest : public test::MachineTest {};

TEST_F(NcReadTest, ReadsTheG0SpeedOfTheSerialAxis) {
  UseMachine(nullptr);
  EXPECT_EQ(ReadRapidSpeed(ovx_, 2), 32000.0);  // $1-Z
  EXPECT_EQ(ReadRapidSpeed(ovx_, 4), 40000.0);  // $2-Z, from [Axes]
  EXPECT_EQ(CountCalls("NcGetParameter(0, 2, \"AFTER_INTERP_G0_MAX_SPEED\", 3) -> 0"), 1);
  EXPECT_EQ(CountCalls("NcGetParameter(1, 1, \"AFTER_INTERP_G0_MAX_SPEED\", 3) -> 0"), 1);

  sim_.SetFailure("NcGetParameter", -3);
  EXPECT_EQ(ReadRapidSpeed(ovx_, 2), 0.0);

  CLogChannel idleLog;
  COVXIF idle(idleLog);
  sim_.ClearJournal();
  EXPECT_EQ(ReadRapidSpeed(idle, 2), 0.0);
  EXPECT_TRUE(sim_.Journal().empty());
}

TEST_F(NcReadTest, CircleAxisLabelsArePrefixAndBaseAxis) {
  // The plane, its axis labels, the journal line of the first base axis read.
  const std::tuple<const wchar_t*, std::vector<std::wstring>, const char*> kRows[] = {
      {L"$1-IJ", {L"$1-X", L"$1-Y"}, "NcGetParameter(0, 0, \"BASE_I\", 16) -> 0"},
      {L"$1-JK", {L"$1-Y", L"$1-Z"}, "NcGetParameter(0, 0, \"BASE_J\", 16) -> 0"},
      {L"$2-KI", {L"$2-Z", L"$2-X"}, "NcGetParameter(1, 0, \"BASE_K\", 16) -> 0"},
      {L"$2-IJ", {L"$2-X", L"$2-"}, "NcGetParameter(1, 0, \"BASE_I\", 16) -> 0"},  // BASE_J is empty
      {L"$3-IJ", {L"$3-", L"$3-"}, "NcGetParameter(2, 0, \"BASE_I\", 16) -> -100"},  // no such system
      {L"$1-XY", {}, ""},
  };
  UseMachine(nullptr);
  for (const auto& [plane, labels, firstRead] : kRows) {
    SCOPED_TRACE(testing::Message() << plane);
    sim_.ClearJournal();
    EXPECT_EQ(GetCircleAxisLabels(ovx_, plane), labels);
    const std::vector<std::string> journal = sim_.Journal();
    EXPECT_EQ(journal.size(), labels.size());
    if (!journal.empty()) {
      EXPECT_EQ(journal.front(), firstRead);
    }
  }
}

}  // namespace
}  // namespace pf
