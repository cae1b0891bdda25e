// The check of one program (see MotionCheck.h).
#include "motion/MotionCheck.h"

#include <limits>
#include <optional>

#include "common/Format.h"
#include "motion/MotionRemarks.h"
#include "motion/PictureBuilder.h"
#include "motion/ProgramFollower.h"
#include "motion/SweptRange.h"

namespace pf {
namespace {

// Stroke ends are read to three or four decimals: a position on the end is
// inside.
constexpr double kLimitTolerance = 1e-6;

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

  void AddFile(const FollowResult& followed, const std::wstring& fileName) {
    if (!followed.followed && !notFollowed_) notFollowed_ = NotFollowed{fileName, followed.word, followed.line};
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
      result.verdict = L"Stroke limits unknown for " + names + L" (the NC gave no stroke range)";
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
};

}  // namespace

std::wstring MotionResult::Text() const {
  std::wstring text = verdict;
  for (const std::wstring& remark : remarks) text += L"\r\n" + remark;
  return text;
}

MotionResult CheckMotion(const MotionSetup& setup, const std::vector<MotionFile>& files, PictureAxes pictureAxes,
                         const std::vector<double>& origin) {
  MotionResult result;
  if (files.empty()) return result;
  Findings findings(setup);
  StartPositionRemark startRemark(setup, files.front().fileName);
  std::wstring samplingRemark;
  // The measurement programs start where the position program ends.
  std::vector<double> start = origin;
  start.resize(setup.axes.size(), std::numeric_limits<double>::quiet_NaN());
  for (std::size_t i = 0; i < files.size(); ++i) {
    const MotionFile& file = files[i];
    const bool measurement = i > 0;
    const FollowResult followed = FollowProgram(setup, file.text, start);
    for (const MotionStep& step : followed.steps) findings.AddStep(step, file.fileName, measurement);
    findings.AddFile(followed, file.fileName);
    if (measurement) {
      startRemark.AddFile(file.fileName, start, followed);
      if (samplingRemark.empty()) samplingRemark = SamplingRemark(followed, file.fileName);
    } else {
      start = followed.end;
    }
    result.pictures.push_back(BuildPicture(setup, pictureAxes, file.fileName, followed, start));
  }
  findings.Conclude(result);
  for (const std::wstring& remark : {startRemark.Text(), samplingRemark})
    if (!remark.empty()) result.remarks.push_back(remark);
  return result;
}

}  // namespace pf
