// The sheet's Next and Back walks over the program pages.
#include "wizard/PageWalk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <tuple>
#include <utility>
#include <vector>

#include "program/ProgramKinds.h"

namespace pf {
namespace {

using Record = std::pair<int, int>;  // kind, record index

constexpr int kSel = kWalkSelectionPage;
constexpr int kReq = kWalkRequestPage;

// The program pages as the walk sees them: NA records per axis kind, NP per
// plane kind and a set of selected records.
RecordSelected Pages(int axes, int planes, const std::set<Record>& selected) {
  return [=](int kind, int& index) {
    const int count = IsCircleKind(kind) ? planes : axes;
    index = std::max(0, std::min(index, count - 1));
    return selected.count({kind, index}) != 0;
  };
}

enum class Way { Next, Back };

// The walk from `from` in one direction.
WalkPosition Step(Way way, WalkPosition from, const WalkCounts& counts, const RecordSelected& selected) {
  return way == Way::Next ? WalkNext(from, counts, selected) : WalkBack(from, counts, selected);
}

TEST(PageWalk, EndsWhereTheSheetShowsTheNextPage) {
  const std::set<Record> firstGroup = {{0, 0}, {1, 0}, {4, 1}};
  const std::set<Record> bothGroups = {{0, 0}, {2, 0}, {1, 0}, {3, 0}};
  const std::set<Record> planes = {{9, 1}, {10, 0}};
  // What; NA, NP and the sheet's axis count; the selected records; the way, from, to.
  // (Back from one shown page to the one before is the random selections' test.)
  const std::tuple<const char*, int, int, int, std::set<Record>, Way, WalkPosition, WalkPosition> kRows[] = {
      {"empty machine: Next goes to the request page", 0, 0, 0, {}, Way::Next, {kSel, 0}, {kReq, 0}},
      {"empty machine: Back goes to the selection page", 0, 0, 0, {}, Way::Back, {kReq, 0}, {kSel, 0}},
      {"only kind 4 of axis 1 is shown", 2, 0, 0, {{4, 1}}, Way::Next, {kSel, 0}, {4, 1}},
      {"after it the request page", 2, 0, 2, {{4, 1}}, Way::Next, {4, 1}, {kReq, 0}},
      {"or the first selected plane page", 2, 2, 2, {{4, 1}, {10, 1}}, Way::Next, {4, 1}, {10, 1}},
      {"Back from it goes to the selection page", 2, 0, 2, {{4, 1}}, Way::Back, {4, 1}, {kSel, 0}},
      {"first group: kind 0 first", 2, 0, 2, firstGroup, Way::Next, {kSel, 0}, {0, 0}},
      {"first group: kind 2 is skipped", 2, 0, 2, firstGroup, Way::Next, {0, 0}, {1, 0}},
      {"first group: kind 3 is skipped, then the next axis", 2, 0, 2, firstGroup, Way::Next, {1, 0}, {4, 1}},
      {"both groups: kind 2 after kind 0", 2, 0, 2, bothGroups, Way::Next, {0, 0}, {2, 0}},
      {"both groups: kind 1 after kind 2", 2, 0, 2, bothGroups, Way::Next, {2, 0}, {1, 0}},
      {"both groups: kind 3 after kind 1", 2, 0, 2, bothGroups, Way::Next, {1, 0}, {3, 0}},
      {"both groups: back from kind 0 of axis 1 to kind 3 of axis 0", 2, 0, 2, bothGroups, Way::Back, {0, 1},
       {3, 0}},
      {"planes: kind 9 of plane 0 is skipped", 1, 2, 1, planes, Way::Next, {kSel, 0}, {10, 0}},
      {"planes: kind 9 of the next plane", 1, 2, 1, planes, Way::Next, {10, 0}, {9, 1}},
      {"planes: then the request page", 1, 2, 1, planes, Way::Next, {9, 1}, {kReq, 0}},
      {"kind 5 goes on over the later axes", 3, 1, 3, {{5, 2}, {6, 0}}, Way::Next, {5, 0}, {5, 2}},
      {"then over kind 6", 3, 1, 3, {{5, 2}, {6, 0}}, Way::Next, {5, 2}, {6, 0}},
      {"kind 6 goes on to kinds 7 and 8", 1, 2, 1, {{8, 0}}, Way::Next, {6, 0}, {8, 0}},
      {"kind 8 goes on to kind 9", 1, 2, 1, {{9, 0}}, Way::Next, {8, 1}, {9, 0}},
      {"kind 7 goes back to kind 6 of the last axis", 3, 1, 3, {{6, 2}}, Way::Back, {7, 0}, {6, 2}},
      {"kind 6 goes back to kind 5", 3, 1, 3, {{5, 2}}, Way::Back, {6, 0}, {5, 2}},
      {"kind 5 goes back to kind 4", 3, 1, 3, {{4, 2}}, Way::Back, {5, 0}, {4, 2}},
      {"kind 4 goes back to kind 3 of the last axis", 3, 1, 3, {{3, 2}}, Way::Back, {4, 0}, {3, 2}},
      {"a stale axis count is clamped by the page", 2, 0, 3, {{4, 1}}, Way::Back, {kReq, 0}, {4, 1}},
      {"without axes Next stops before the plane pages", 0, 1, 0, {{9, 0}}, Way::Next, {kSel, 0}, {kReq, 0}},
      {"Next on the request page stays", 1, 0, 1, {{0, 0}}, Way::Next, {kReq, 0}, {kReq, 0}},
      {"Back on the selection page stays", 1, 0, 1, {{0, 0}}, Way::Back, {kSel, 0}, {kSel, 0}},
  };
  for (const auto& [what, axes, planes, sheetAxisCount, selected, way, from, to] : kRows) {
    SCOPED_TRACE(what);
    const WalkPosition reached = Step(way, from, {axes, planes, sheetAxisCount}, Pages(axes, planes, selected));
    EXPECT_EQ(reached.page, to.page);
    EXPECT_EQ(reached.index, to.index);
  }
}

// Every page that Next (Back) shows from the selection (request) page up to
// the request (selection) page.
std::vector<WalkPosition> PagesShown(const RecordSelected& pages, const WalkCounts& counts, Way way) {
  std::vector<WalkPosition> shown;
  WalkPosition at = Step(way, {way == Way::Next ? kSel : kReq, 0}, counts, pages);
  for (; at.page != kSel && at.page != kReq; at = Step(way, at, counts, pages)) shown.push_back(at);
  return shown;
}

TEST(PageWalk, BackRetracesNextForRandomSelections) {
  constexpr int kOfferedKinds[] = {0, 1, 2, 3, 4, 9, 10};
  std::mt19937 random(20240611);
  for (int run = 0; run < 400; ++run) {
    // A plane is spanned by axes of the machine: no axes, no planes.
    const int axes = static_cast<int>(random() % 4);
    const int planes = axes == 0 ? 0 : static_cast<int>(random() % 3);
    std::set<Record> selected;
    for (int kind : kOfferedKinds) {
      for (int index = 0; index < (IsCircleKind(kind) ? planes : axes); ++index) {
        if (random() % 3 == 0) selected.insert({kind, index});
      }
    }
    SCOPED_TRACE(testing::Message() << "run " << run << ": " << axes << " axes, " << planes << " planes, "
                                    << selected.size() << " selected");
    const RecordSelected pages = Pages(axes, planes, selected);
    const WalkCounts counts{axes, planes, axes};
    std::vector<WalkPosition> forward = PagesShown(pages, counts, Way::Next);
    const std::vector<WalkPosition> backward = PagesShown(pages, counts, Way::Back);
    EXPECT_EQ(forward.size(), selected.size());
    std::reverse(forward.begin(), forward.end());
    EXPECT_EQ(forward, backward);
  }
}

}  // namespace
}  // namespace pf
