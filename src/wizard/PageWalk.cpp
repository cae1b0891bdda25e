// The sheet's page walks (see PageWalk.h): one step table per direction and
// one walk that follows either.
#include "wizard/PageWalk.h"

#include <algorithm>
#include <iterator>

#include "program/ProgramKinds.h"

namespace pf {
namespace {

// The walk's two counters: a runs over the axes, p over the planes.
enum class Counter { None, Axis, Plane };

// The step from `page`: the counter `change` moves one on (Next: up, Back:
// down); when the counter `test` then stands at its end, the walk goes to
// `atEnd` and restarts the counter `restart`, otherwise it goes to `next`.
struct WalkStep {
  int page;
  Counter change;
  Counter test;
  int atEnd;
  Counter restart;
  int next;
};

constexpr Counter kNone = Counter::None;
constexpr Counter kA = Counter::Axis;
constexpr Counter kP = Counter::Plane;
constexpr int kSelection = kWalkSelectionPage;
constexpr int kRequest = kWalkRequestPage;

// Next. Ends: a = NA, p = NP; restart value 0.
constexpr WalkStep kNextSteps[] = {
    // page,    moved, tested, at end,  restarted, otherwise
    {kSelection, kNone, kNone, 0,        kNone,     0},
    {0,          kNone, kNone, 2,        kNone,     2},
    {2,          kNone, kNone, 1,        kNone,     1},
    {1,          kNone, kNone, 3,        kNone,     3},
    {3,          kA,    kA,    4,        kA,        0},
    {4,          kA,    kA,    9,        kP,        4},
    {5,          kA,    kA,    6,        kA,        5},
    {6,          kA,    kA,    7,        kP,        6},
    {7,          kNone, kNone, 8,        kNone,     8},
    {8,          kP,    kP,    9,        kP,        7},
    {9,          kNone, kNone, 10,       kNone,     10},
    {10,         kP,    kP,    kRequest, kNone,     9},
};

// Back. Ends: a = -1, p = -1; a restarts at m_nAxisCount - 1.
constexpr WalkStep kBackSteps[] = {
    // page,  moved, tested, at end, restarted, otherwise
    {kRequest, kNone, kP,    4,      kA,        10},
    {10,       kNone, kNone, 9,      kNone,     9},
    {9,        kP,    kP,    4,      kA,        10},
    {8,        kNone, kNone, 7,      kNone,     7},
    {7,        kP,    kP,    6,      kA,        8},
    {6,        kA,    kA,    5,      kA,        6},
    {5,        kA,    kA,    4,      kA,        5},
    {4,        kA,    kA,    3,      kA,        4},
    {3,        kNone, kNone, 1,      kNone,     1},
    {1,        kNone, kNone, 2,      kNone,     2},
    {2,        kNone, kNone, 0,      kNone,     0},
    {0,        kA,    kNone, 3,      kNone,     3},
};

// One direction: its steps, how a counter moves, where each counter ends
// and restarts.
struct Direction {
  const WalkStep* first;
  const WalkStep* last;
  int delta;
  int axisEnd;
  int planeEnd;
  int axisRestart;
  int planeRestart;
};

class Walker {
 public:
  Walker(const Direction& direction, int a, int p) : direction_(direction), a_(a), p_(p) {}

  WalkPosition Run(int page, const RecordSelected& selected) {
    for (;;) {
      const WalkStep* step = std::find_if(direction_.first, direction_.last,
                                          [page](const WalkStep& s) { return s.page == page; });
      if (step == direction_.last) {
        return {page, 0};  // no step leaves this page: the walk stays
      }
      if (step->change != kNone) {
        Value(step->change) += direction_.delta;
      }
      if (step->test != kNone && Value(step->test) == End(step->test)) {
        page = step->atEnd;
        if (step->restart != kNone) {
          Value(step->restart) = Restart(step->restart);
        }
      } else {
        page = step->next;
      }
      if (page < 0) {
        return {page, 0};
      }
      // The counter of the page's records; at its end the walk leaves the
      // program pages before asking.
      const Counter counter = IsCircleKind(page) ? kP : kA;
      if (Value(counter) == End(counter)) {
        return {direction_.delta > 0 ? kRequest : kSelection, 0};
      }
      if (selected(page, Value(counter))) {
        return {page, Value(counter)};
      }
    }
  }

 private:
  int& Value(Counter c) { return c == kP ? p_ : a_; }
  int End(Counter c) const { return c == kP ? direction_.planeEnd : direction_.axisEnd; }
  int Restart(Counter c) const { return c == kP ? direction_.planeRestart : direction_.axisRestart; }

  const Direction& direction_;
  int a_;
  int p_;
};

}  // namespace

WalkPosition WalkNext(const WalkPosition& from, const WalkCounts& counts, const RecordSelected& selected) {
  const Direction next{std::begin(kNextSteps), std::end(kNextSteps), 1, counts.axes, counts.planes, 0, 0};
  const int start = from.page == kSelection ? 0 : from.index;
  return Walker(next, start, start).Run(from.page, selected);
}

WalkPosition WalkBack(const WalkPosition& from, const WalkCounts& counts, const RecordSelected& selected) {
  const Direction back{std::begin(kBackSteps), std::end(kBackSteps), -1, -1, -1, counts.sheetAxisCount - 1,
                       counts.planes - 1};
  if (from.page == kRequest) {
    return Walker(back, counts.sheetAxisCount - 1, counts.planes - 1).Run(from.page, selected);
  }
  return Walker(back, from.index, from.index).Run(from.page, selected);
}

}  // namespace pf
