// The axes of a circle plane: circle axis labels from the systems' base
// axes.
#include "pages/CircleAxes.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "support/MachineFixture.h"

namespace pf {
namespace {

using Names = std::vector<std::wstring>;

class CircleAxesTest : public test::MachineTest {};

TEST_F(CircleAxesTest, LabelsArePrefixAndBaseAxis) {
  // The plane, its axis labels, the journal line of the first base axis read.
  const std::tuple<const wchar_t*, Names, const char*> kRows[] = {
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
