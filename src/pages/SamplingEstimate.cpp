// The sampling-time estimate (see SamplingEstimate.h).
#include "pages/SamplingEstimate.h"

#include <algorithm>
#include <iterator>

#include "common/Format.h"
#include "common/Text.h"
#include "motion/MotionSetup.h"
#include "nclink/OvxContract.h"
#include "program/ProgramKinds.h"

namespace pf {
namespace {

// The host samples 20 % longer than the motion takes.
constexpr double kMargin = 1.2;
constexpr double kMaxSamplingTime = 10000.0;

// T = (A + M) * first, S = M * second for the straight moves; the circles
// take two turns at the feed.
struct Formula {
  unsigned kinds;
  bool circle;
  double first;
  double second;
};
constexpr Formula kFormulas[] = {
    {KindSet(0, 2), false, 2 * kMargin, 0.0},              // forth and back
    {KindSet(1, 3), false, 2 * kMargin, 2 * 2 * kMargin},  // forth and back; twice without dwell
    {KindSet(4), false, kMargin, 0.0},                     // one way
    {KindSet(5, 6), false, kMargin, kMargin},              // one way; one way without dwell
    {KindSet(7, 8, 9, 10), true, 0.0, 0.0},                // two turns
};

// Where the estimate takes its dwell and speed from.
enum class DwellInput { None, Always, WhenChecked };
enum class SpeedInput { Feed, RapidSpeed };
struct Inputs {
  unsigned kinds;
  DwellInput dwell;
  SpeedInput speed;
};
constexpr Inputs kInputs[] = {
    {KindSet(0, 2), DwellInput::Always, SpeedInput::RapidSpeed},
    {KindSet(1, 3, 4), DwellInput::WhenChecked, SpeedInput::Feed},
    {KindSet(5, 6), DwellInput::Always, SpeedInput::Feed},
    {KindSet(7, 8, 9, 10), DwellInput::None, SpeedInput::Feed},
};

template <class Row, std::size_t N>
const Row* FindRow(const Row (&table)[N], int kind) {
  const auto found = std::find_if(std::begin(table), std::end(table),
                                  [kind](const Row& row) { return InKindSet(row.kinds, kind); });
  return found == std::end(table) ? nullptr : found;
}

}  // namespace

SamplingTimes EstimateSamplingTimes(int kind, double distance, double dwell, double feed, double radius) {
  SamplingTimes times;
  const Formula* formula = FindRow(kFormulas, kind);
  if (formula == nullptr) {
    return times;
  }
  if (feed == 0.0) {
    feed = kUnreadSpeed;
  }
  const double travel = distance / feed * 60.0;
  if (formula->circle) {
    times.first = (radius * kFullTurn + radius * kFullTurn) / (feed / 60.0);
  } else {
    times.first = (dwell + travel) * formula->first;
    times.second = travel * formula->second;
  }
  if (times.first > kMaxSamplingTime) {
    times = {kMaxSamplingTime, kMaxSamplingTime};
  } else if (times.first < 0.0) {
    times = {0.0, 0.0};
  }
  return times;
}

SamplingTimes EstimateFromFields(int kind, const SamplingFields& fields, const std::function<double()>& rapidSpeed) {
  const Inputs* inputs = FindRow(kInputs, kind);
  if (inputs == nullptr) {
    return {};
  }
  const bool dwells = inputs->dwell == DwellInput::Always ||
                      (inputs->dwell == DwellInput::WhenChecked && fields.dwellChecked);
  const double dwell = dwells ? TextToDouble(fields.dwell) : 0.0;
  const double speed = inputs->speed == SpeedInput::RapidSpeed ? rapidSpeed() : TextToDouble(fields.feed);
  const double radius = IsCircleKind(kind) ? TextToDouble(fields.radius) : 0.0;
  return EstimateSamplingTimes(kind, TextToDouble(fields.distance), dwell, speed, radius);
}

double ReadRapidSpeed(COVXIF& ovxIf, int32_t serial) {
  int32_t system = 0;
  int32_t axis = 0;
  ovxIf.ConvertSerialAxisToSystemAxis(serial, system, axis);
  int32_t speed = 0;
  if (ovxIf.NcGetParameter(system, axis, L"AFTER_INTERP_G0_MAX_SPEED", &speed, ovx::kValueInteger) != 0) {
    return 0.0;
  }
  return speed;
}

std::wstring FormatSamplingTime(double seconds) { return Format(L"%4.2f", seconds); }

}  // namespace pf
