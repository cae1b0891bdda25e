// Remarks after the stroke verdict (see MotionRemarks.h).
#include "motion/MotionRemarks.h"

#include <algorithm>
#include <cmath>

#include "common/Format.h"

namespace pf {
namespace {

// The page writes sampling times with two decimals: what that rounding
// takes off the motion does not count as too short.
constexpr double kSamplingTolerance = 0.005;
// A file that ends this close to where it started has come back (length unit).
constexpr double kSamePosition = 1e-6;

bool SamePosition(const std::vector<double>& a, const std::vector<double>& b) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (std::isnan(a[i]) != std::isnan(b[i])) return false;
    if (!std::isnan(a[i]) && std::fabs(a[i] - b[i]) > kSamePosition) return false;
  }
  return true;
}

// "the return move" for a last move back to where the first one began,
// otherwise the move by its line.
std::wstring MoveName(const std::vector<MotionStep>& steps, std::size_t index) {
  const bool last = index + 1 == steps.size();
  if (last && index > 0 && SamePosition(steps[index].to, steps.front().from)) return L"the return move";
  return Format(L"the move on line %d", steps[index].line);
}

std::wstring AllMoves(std::size_t count) {
  if (count == 1) return L"the move";
  if (count == 2) return L"both moves";
  return Format(L"all %d moves", static_cast<int>(count));
}

}  // namespace

std::wstring SamplingRemark(const FollowResult& followed, const std::wstring& fileName) {
  if (!followed.followed || !followed.hasSamplingTime || followed.steps.empty()) return std::wstring();
  const std::vector<MotionStep>& steps = followed.steps;
  const double sampling = followed.samplingTime;
  const double motionEnds = steps.back().ends;
  if (sampling >= motionEnds - kSamplingTolerance) return std::wstring();
  std::size_t missed = 0;
  while (steps[missed].ends <= sampling + kSamplingTolerance) ++missed;
  const MotionStep& move = steps[missed];
  const wchar_t* when = sampling <= move.begins + kSamplingTolerance ? L"before" : L"during";
  // The sampling time is typed as whole seconds (two characters).
  const double covering = std::max(1.0, std::ceil(motionEnds - kSamplingTolerance));
  return Format(L"Sampling %.2f s ends %s %s of %s (%.2f-%.2f s); %.2f s covers %s", sampling, when,
                MoveName(steps, missed), fileName, move.begins, move.ends, covering, AllMoves(steps.size()));
}

StartPositionRemark::StartPositionRemark(const MotionSetup& setup, std::wstring positionFile)
    : setup_(setup), positionFile_(std::move(positionFile)) {}

void StartPositionRemark::AddFile(const std::wstring& fileName, const std::vector<double>& start,
                                  const FollowResult& followed) {
  if (!followed.followed || !text_.empty()) return;
  for (std::size_t a = 0; a < start.size() && a < followed.end.size(); ++a) {
    const double moved = followed.end[a] - start[a];
    if (std::isnan(moved) || std::fabs(moved) <= kSamePosition) continue;
    const Leaving leaving{fileName, a, moved > 0};
    const auto same = std::find_if(leaving_.begin(), leaving_.end(), [&](const Leaving& l) {
      return l.axis == leaving.axis && l.plus == leaving.plus;
    });
    if (same != leaving_.end()) {
      text_ = Format(L"%s and %s both leave the start position towards %s%s: run %s before each of them",
                     same->fileName, fileName, setup_.axes[a].name, leaving.plus ? L"+" : L"-", positionFile_);
      return;
    }
    leaving_.push_back(leaving);
  }
}

}  // namespace pf
