// The sampling-time estimate of the program page: how long the host should
// sample for the program's test motion (T), and for the second test file of
// the kinds that have one (S), in seconds.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "nclink/OVXIF.h"

namespace pf {

struct SamplingTimes {
  double first = 0.0;   // T, shown in PF_IDC_SMP_TIME and stored as m_strSmpTime
  double second = 0.0;  // S, stored as m_strSmpTime2
};

// The estimate from the travel distance D, the dwell A (seconds), the speed
// F (units per minute; 0 counts as 1000) and the circle radius R. With the
// travel time M = D / F * 60:
//   kinds 0, 2:  T = (A + M) * 2 * 1.2              S = 0
//   kinds 1, 3:  T = (A + M) * 2 * 1.2              S = M * 2 * 2 * 1.2
//   kind 4:      T = (M + A) * 1.2                  S = 0
//   kinds 5, 6:  T = (A + M) * 1.2                  S = M * 1.2
//   kinds 7..10: T = two full circles, 2 * 2 pi R / (F / 60), S = 0
// T above 10000 makes both 10000; T below 0 makes both 0. Which A and F a
// kind takes is the caller's (see EstimateFromFields); a kind outside 0..10
// gives 0 for both.
SamplingTimes EstimateSamplingTimes(int kind, double distance, double dwell, double feed, double radius);

// The texts of the page's inputs that the estimate reads.
struct SamplingFields {
  std::wstring distance;      // PF_IDC_DISTANCE
  std::wstring dwell;         // PF_IDC_DWELL
  std::wstring feed;          // PF_IDC_FEED
  std::wstring radius;        // PF_IDC_RADIUS
  bool dwellChecked = false;  // PF_IDC_DWELL_CHECK
};

// The estimate with the inputs of the kind (texts read with the standard
// text-to-double conversion, 0 for no number):
//   kinds 0, 2:  A = dwell, F = rapidSpeed() (the axis's G0 speed; called
//                only for these kinds, as it reads the NC)
//   kinds 1, 3, 4: A = dwell when the check box is checked, else 0; F = feed
//   kinds 5, 6:  A = dwell, F = feed
//   kinds 7..10: F = feed, R = radius (no dwell)
SamplingTimes EstimateFromFields(int kind, const SamplingFields& fields, const std::function<double()>& rapidSpeed);

// The axis's rapid traverse speed: the NC parameter
// "AFTER_INTERP_G0_MAX_SPEED" as an integer of the system and axis that
// serial axis `serial` converts to; 0 when the NC is not usable or the read
// fails.
double ReadRapidSpeed(COVXIF& ovxIf, int32_t serial);

// A sampling time as the page shows and stores it: "%4.2f".
std::wstring FormatSamplingTime(double seconds);

}  // namespace pf
