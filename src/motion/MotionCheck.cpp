// The check of one program (see MotionCheck.h).
#include "motion/MotionCheck.h"

#include <limits>
#include <optional>

#include "common/Format.h"
#include "motion/PictureBuilder.h"
#include "motion/ProgramFollower.h"
#include "motion/SweptRange.h"

namespace pf {
namespace {

// Stroke ends are read to three or four decimals: a position on the end is
// inside.
constexpr double kLimitTolerance = 1e-6;
// The page writes sampling times with two decimals: what that rounding
// takes off the motion does not count as too short.
constexpr double kSamplingTolerance = 0.005;

struct NotFollowed {
  std::wstring fileName;
  std::wstring word;
  int line = 0;
};

struct Beyond {
  std::wstring fileName;
  int line = 0;
  int axis = 0;
  double reached = 0.0;
  double limit = 0.0;
};

struct TooShort {
  std::wstring fileName;
  double samplingTime = 0.0;
  double seconds = 0.0;
};

// What the files of one program showed, the first finding of each sort.
class Findings {
 public:
  explicit Findings(const MotionSetup& setup)
      : setup_(setup), program_(setup.axes.size()), measured_(setup.axes.size()), unknown_(setup.axes.size()) {}

  void AddStep(const MotionStep& step, const std::wstring& fileName, bool measurement) {
    const std::vector<AxisRange> ranges = SweptRanges(step);
    for (std::size_t a = 0; a < ranges.size(); ++a) {
      const AxisRange& range = ranges[a];
      if (!range.touched) continue;
      program_[a].Add(range);
      if (measurement) measured_[a].Add(range);
      const MotionAxis& axis = setup_.axes[a];
      if (!axis.limitsKnown) {
        unknown_[a] = true;
        continue;
      }
      if (beyond_) continue;
      if (range.max > axis.limitPlus + kLimitTolerance) {
        beyond_ = Beyond{fileName, step.line, static_cast<int>(a), range.max, axis.limitPlus};
      } else if (range.min < axis.limitMinus - kLimitTolerance) {
        beyond_ = Beyond{fileName, step.line, static_cast<int>(a), range.min, axis.limitMinus};
      }
    }
  }

  void AddFile(const FollowResult& followed, const std::wstring& fileName, bool measurement) {
    if (!followed.followed && !notFollowed_) notFollowed_ = NotFollowed{fileName, followed.word, followed.line};
    if (measurement && followed.hasSamplingTime && !tooShort_ &&
        followed.samplingTime < followed.seconds - kSamplingTolerance) {
      tooShort_ = TooShort{fileName, followed.samplingTime, followed.seconds};
    }
  }

  void Conclude(MotionResult& result) const {
    if (notFollowed_) {
      result.status = MotionStatus::NotChecked;
      result.verdict = Format(L"%s not checked: %s, line %d", notFollowed_->fileName, notFollowed_->word, notFollowed_->line);
    } else if (beyond_) {
      result.status = MotionStatus::BeyondLimits;
      result.verdict = Format(L"%s reaches %.3f, beyond the stroke end %.3f (%s, line %d)", AxisName(beyond_->axis),
                              beyond_->reached, beyond_->limit, beyond_->fileName, beyond_->line);
    } else if (const std::wstring names = UnknownNames(); !names.empty()) {
      result.status = MotionStatus::LimitsUnknown;
      result.verdict = L"Stroke limits unknown (not read from the NC): " + names;
    } else if (tooShort_) {
      result.status = MotionStatus::SamplingShort;
      result.verdict = Format(L"Sampling time %.2f s is shorter than the motion (%.2f s) in %s", tooShort_->samplingTime,
                              tooShort_->seconds, tooShort_->fileName);
    } else if (const std::wstring ranges = Ranges(); !ranges.empty()) {
      result.status = MotionStatus::Within;
      result.verdict = L"Within the stroke limits: " + ranges;
    } else {
      result.status = MotionStatus::Empty;
      result.verdict = L"No motion to check yet";
    }
  }

 private:
  const std::wstring& AxisName(int axis) const { return setup_.axes[static_cast<std::size_t>(axis)].name; }

  std::wstring UnknownNames() const {
    std::wstring names;
    for (std::size_t a = 0; a < unknown_.size(); ++a)
      if (unknown_[a]) names += (names.empty() ? L"" : L", ") + setup_.axes[a].name;
    return names;
  }

  // The ranges of the axes the measurement files move, or, when they move
  // none, of the axes the position file sets.
  std::wstring Ranges() const {
    bool anyMeasured = false;
    for (const AxisRange& range : measured_) anyMeasured = anyMeasured || range.touched;
    std::wstring text;
    for (std::size_t a = 0; a < program_.size(); ++a) {
      if (!program_[a].touched || (anyMeasured && !measured_[a].touched)) continue;
      if (!text.empty()) text += L", ";
      text += Format(L"%s %.3f \u2026 %.3f", setup_.axes[a].name, program_[a].min, program_[a].max);
    }
    return text;
  }

  const MotionSetup& setup_;
  std::vector<AxisRange> program_;
  std::vector<AxisRange> measured_;
  std::vector<bool> unknown_;
  std::optional<NotFollowed> notFollowed_;
  std::optional<Beyond> beyond_;
  std::optional<TooShort> tooShort_;
};

}  // namespace

MotionResult CheckMotion(const MotionSetup& setup, const std::vector<MotionFile>& files, PictureAxes pictureAxes) {
  MotionResult result;
  Findings findings(setup);
  // The position program starts from unknown positions; the measurement
  // programs start where it ends.
  std::vector<double> start(setup.axes.size(), std::numeric_limits<double>::quiet_NaN());
  for (std::size_t i = 0; i < files.size(); ++i) {
    const MotionFile& file = files[i];
    const bool measurement = i > 0;
    const FollowResult followed = FollowProgram(setup, file.text, start);
    for (const MotionStep& step : followed.steps) findings.AddStep(step, file.fileName, measurement);
    findings.AddFile(followed, file.fileName, measurement);
    if (!measurement) start = followed.end;
    result.pictures.push_back(BuildPicture(setup, pictureAxes, file.fileName, followed, measurement ? start : followed.end));
  }
  findings.Conclude(result);
  return result;
}

}  // namespace pf
