// Following a program file block by block (see ProgramFollower.h).
#include "motion/ProgramFollower.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

#include "motion/NcNumber.h"
#include "motion/ProgramBlock.h"

namespace pf {
namespace {

// How far an arc's end may lie off the circle through its start (length unit).
constexpr double kArcEndTolerance = 0.001;
constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

enum class Motion { None, Rapid, Feed, Clockwise, CounterClockwise };

// What a G code does, one row per code (the code in tenths: G61.1 is 611).
enum class GAction { SetMotion, Dwell, SetPlane, Absolute, Incremental, HighAccuracy, ModeOnly };
struct GCodeRow {
  int tenths;
  GAction action;
  Motion motion;
  int plane;
};
constexpr GCodeRow kGCodes[] = {
    {0, GAction::SetMotion, Motion::Rapid, 0},              // G00 rapid traverse
    {10, GAction::SetMotion, Motion::Feed, 0},              // G01 cutting feed
    {20, GAction::SetMotion, Motion::Clockwise, 0},         // G02 arc, clockwise
    {30, GAction::SetMotion, Motion::CounterClockwise, 0},  // G03 arc, counter-clockwise
    {40, GAction::Dwell, Motion::None, 0},                  // G04 dwell, X in seconds
    {80, GAction::HighAccuracy, Motion::None, 0},           // G8 P1 on / G8 P0 off
    {170, GAction::SetPlane, Motion::None, 0},              // G17 plane of base axes I, J
    {180, GAction::SetPlane, Motion::None, 1},              // G18 plane of base axes K, I
    {190, GAction::SetPlane, Motion::None, 2},              // G19 plane of base axes J, K
    {400, GAction::ModeOnly, Motion::None, 0},              // G40 no tool radius compensation
    {490, GAction::ModeOnly, Motion::None, 0},              // G49 no tool length compensation
    {611, GAction::ModeOnly, Motion::None, 0},              // G61.1 high-accuracy control
    {640, GAction::ModeOnly, Motion::None, 0},              // G64 cutting mode
    {900, GAction::Absolute, Motion::None, 0},              // G90 absolute values
    {910, GAction::Incremental, Motion::None, 0},           // G91 incremental values
    {940, GAction::ModeOnly, Motion::None, 0},              // G94 feed per minute
    {970, GAction::ModeOnly, Motion::None, 0},              // G97 constant spindle speed
    {980, GAction::ModeOnly, Motion::None, 0},              // G98 feed per minute (lathe lists 2, 4, 6)
};

// The centre words of each plane, first and second plane axis.
struct PlaneRow {
  const wchar_t* code;
  int first;
  int second;
};
constexpr PlaneRow kPlanes[] = {
    {L"G17", kCentreI, kCentreJ},
    {L"G18", kCentreK, kCentreI},
    {L"G19", kCentreJ, kCentreK},
};
constexpr const wchar_t* kCentreWords[] = {L"I", L"J", L"K"};

constexpr const wchar_t* kSamplingComment = L"smptime=";

const GCodeRow* FindGCode(double value) {
  const double tenths = value * 10.0;
  if (std::fabs(tenths - std::round(tenths)) > 1e-9) return nullptr;
  const int code = static_cast<int>(std::lround(tenths));
  const auto row = std::find_if(std::begin(kGCodes), std::end(kGCodes), [code](const GCodeRow& r) { return r.tenths == code; });
  return row == std::end(kGCodes) ? nullptr : row;
}

int CentreIndex(const std::wstring& address) {
  for (int i = 0; i < 3; ++i)
    if (address == kCentreWords[i]) return i;
  return -1;
}

bool IsWholeNumber(double value) { return value == std::floor(value); }

// A length or time written without a decimal point is in least input
// increments or in whole units, as an NC setting says: the follower cannot
// know which. An exact 0 is the same in both.
bool UnitUnknown(const ProgramWord& word) { return word.value != 0.0 && word.text.find(L'.') == std::wstring::npos; }

// The words of one block, sorted by what they do.
struct BlockWords {
  const ProgramWord* motionWord = nullptr;  // the block's G00..G03, if any
  std::vector<std::pair<const AxisAddress*, const ProgramWord*>> axisWords;
  const ProgramWord* centre[3] = {nullptr, nullptr, nullptr};
  const ProgramWord* turns = nullptr;       // P
  const ProgramWord* dwellTime = nullptr;   // X after G04
  const ProgramWord* dwellWord = nullptr;   // G04
  const ProgramWord* highAccuracy = nullptr;  // G8
  bool endOfProgram = false;                // M30
};

class Follower {
 public:
  Follower(const MotionSetup& setup, const std::vector<double>& start) : setup_(setup) {
    result_.end = start;
    result_.end.resize(setup.axes.size(), kUnknown);
  }

  FollowResult Run(const std::wstring& text) {
    int line = 0;
    std::size_t begin = 0;
    while (begin < text.size() && !ended_) {
      std::size_t end = text.find(L'\n', begin);
      if (end == std::wstring::npos) end = text.size();
      std::wstring content = text.substr(begin, end - begin);
      if (!content.empty() && content.back() == L'\r') content.pop_back();
      ++line;
      if (!FollowLine(content, line)) return result_;
      begin = end + 1;
    }
    return result_;
  }

 private:
  bool Stop(const std::wstring& word, int line) {
    result_.followed = false;
    result_.word = word;
    result_.line = line;
    return false;
  }

  bool FollowLine(const std::wstring& content, int line) {
    ProgramBlock block;
    std::wstring bad;
    if (!ReadBlock(content, block, bad)) return Stop(bad, line);
    // On a tape a "%" before the first block starts the program; after
    // blocks it ends it.
    if (block.endOfTape) {
      ended_ = begun_;
      return true;
    }
    begun_ = begun_ || !block.words.empty();
    for (const std::wstring& comment : block.comments) ReadSamplingTime(comment);
    BlockWords words;
    if (!SortWords(block, line, words)) return false;
    if (words.endOfProgram) ended_ = true;
    if (words.highAccuracy && (!words.turns || (words.turns->value != 0.0 && words.turns->value != 1.0)))
      return Stop(words.highAccuracy->text, line);
    if (words.dwellWord) return Dwell(words, line);
    if (words.axisWords.empty() && !HasCentre(words)) {
      return !words.turns || words.highAccuracy || Stop(words.turns->text, line);
    }
    return Move(words, line);
  }

  void ReadSamplingTime(const std::wstring& comment) {
    const std::wstring prefix = kSamplingComment;
    if (comment.compare(0, prefix.size(), prefix) != 0) return;
    double value = 0.0;
    if (!ParseNcNumber(comment.substr(prefix.size()), value)) return;
    result_.hasSamplingTime = true;
    result_.samplingTime = value;
  }

  static bool HasCentre(const BlockWords& words) {
    return words.centre[0] || words.centre[1] || words.centre[2];
  }

  const AxisAddress* FindAddress(const std::wstring& address) const {
    for (const AxisAddress& a : setup_.addresses)
      if (a.address == address) return &a;
    return nullptr;
  }

  bool SortWords(const ProgramBlock& block, int line, BlockWords& words) {
    for (const ProgramWord& word : block.words) {
      if (word.address == L"G") {
        if (!TakeGCode(word, line, words)) return false;
      } else if (word.address == L"F") {
        if (word.value <= 0.0) return Stop(word.text, line);
        state_.feed = word.value;
      } else if (word.address == L"M") {
        if (word.value != 30.0) return Stop(word.text, line);
        words.endOfProgram = true;
      } else if (word.address == L"P" && !words.turns) {
        words.turns = &word;
      } else if (UnitUnknown(word) && IsLength(word, words)) {
        return Stop(word.text + L" has no decimal point", line);
      } else if (word.address == L"X" && words.dwellWord && !words.dwellTime) {
        words.dwellTime = &word;
      } else if (const int c = CentreIndex(word.address); c >= 0 && !words.centre[c]) {
        words.centre[c] = &word;
      } else if (const AxisAddress* axis = FindAddress(word.address)) {
        for (const auto& taken : words.axisWords)
          if (taken.first->axis == axis->axis) return Stop(word.text, line);
        words.axisWords.push_back({axis, &word});
      } else {
        return Stop(word.text, line);
      }
    }
    return true;
  }

  // An axis, centre or dwell-time word: a length or a time.
  bool IsLength(const ProgramWord& word, const BlockWords& words) const {
    return CentreIndex(word.address) >= 0 || FindAddress(word.address) || (word.address == L"X" && words.dwellWord);
  }

  bool TakeGCode(const ProgramWord& word, int line, BlockWords& words) {
    const GCodeRow* row = FindGCode(word.value);
    if (!row) return Stop(word.text, line);
    switch (row->action) {
      case GAction::SetMotion:
        state_.motion = row->motion;
        words.motionWord = &word;
        return true;
      case GAction::Dwell:
        words.dwellWord = &word;
        return true;
      case GAction::SetPlane:
        state_.plane = row->plane;
        return true;
      case GAction::Absolute:
      case GAction::Incremental:
        if (!setup_.modalAddressing) return Stop(word.text, line);
        state_.incremental = row->action == GAction::Incremental;
        return true;
      case GAction::HighAccuracy:
        words.highAccuracy = &word;
        return true;
      case GAction::ModeOnly:
        return true;
    }
    return true;
  }

  bool Dwell(const BlockWords& words, int line) {
    if (!words.dwellTime || words.dwellTime->value < 0.0) return Stop(words.dwellWord->text, line);
    if (!words.axisWords.empty()) return Stop(words.axisWords.front().second->text, line);
    if (words.turns) return Stop(words.turns->text, line);
    result_.seconds += words.dwellTime->value;
    return true;
  }

  std::wstring MotionText(const BlockWords& words) const {
    if (words.motionWord) return words.motionWord->text;
    return state_.motion == Motion::Clockwise ? L"G02" : state_.motion == Motion::CounterClockwise ? L"G03" : L"G01";
  }

  bool Move(const BlockWords& words, int line) {
    if (state_.motion == Motion::None) {
      return Stop(words.axisWords.empty() ? MotionText(words) : words.axisWords.front().second->text, line);
    }
    MotionStep step;
    step.line = line;
    step.begins = result_.seconds;
    step.from = result_.end;
    step.to = result_.end;
    for (const auto& [address, word] : words.axisWords) {
      double& target = step.to[static_cast<std::size_t>(address->axis)];
      target = (address->incremental || state_.incremental) ? target + word->value : word->value;
      if (std::isnan(target)) return Stop(word->text, line);
    }
    const bool arc = state_.motion == Motion::Clockwise || state_.motion == Motion::CounterClockwise;
    if (state_.motion != Motion::Rapid && state_.feed <= 0.0) return Stop(MotionText(words) + L" without F", line);
    if (!arc) {
      for (const ProgramWord* centre : words.centre)
        if (centre) return Stop(centre->text, line);
      if (words.turns) return Stop(words.turns->text, line);
      result_.seconds += state_.motion == Motion::Rapid ? RapidSeconds(step) : FeedSeconds(step);
    } else if (!Arc(words, line, step)) {
      return false;
    }
    step.ends = result_.seconds;
    result_.end = step.to;
    result_.steps.push_back(std::move(step));
    return true;
  }

  double RapidSeconds(const MotionStep& step) const {
    double seconds = 0.0;
    for (std::size_t a = 0; a < step.to.size(); ++a) {
      const double distance = std::fabs(step.to[a] - step.from[a]);
      if (!(distance > 0.0)) continue;
      const double speed = setup_.axes[a].rapidSpeed > 0.0 ? setup_.axes[a].rapidSpeed : kUnreadSpeed;
      seconds = std::max(seconds, distance / speed * 60.0);
    }
    return seconds;
  }

  double FeedSeconds(const MotionStep& step) const {
    double squares = 0.0;
    for (std::size_t a = 0; a < step.to.size(); ++a) {
      const double distance = step.to[a] - step.from[a];
      if (std::isfinite(distance)) squares += distance * distance;
    }
    return std::sqrt(squares) / state_.feed * 60.0;
  }

  bool Arc(const BlockWords& words, int line, MotionStep& step) {
    const PlaneRow& plane = kPlanes[state_.plane];
    ArcSweep& arc = step.arc;
    arc.first = setup_.centreAxis[plane.first];
    arc.second = setup_.centreAxis[plane.second];
    if (arc.first < 0 || arc.second < 0) return Stop(plane.code, line);
    for (const auto& [address, word] : words.axisWords)
      if (address->axis != arc.first && address->axis != arc.second) return Stop(word->text, line);
    for (int c = 0; c < 3; ++c)
      if (words.centre[c] && c != plane.first && c != plane.second) return Stop(words.centre[c]->text, line);
    const double* from[2] = {&step.from[static_cast<std::size_t>(arc.first)], &step.from[static_cast<std::size_t>(arc.second)]};
    if (!HasCentre(words) || std::isnan(*from[0]) || std::isnan(*from[1])) return Stop(MotionText(words), line);

    const double offsetFirst = words.centre[plane.first] ? words.centre[plane.first]->value : 0.0;
    const double offsetSecond = words.centre[plane.second] ? words.centre[plane.second]->value : 0.0;
    arc.centreFirst = *from[0] + offsetFirst;
    arc.centreSecond = *from[1] + offsetSecond;
    arc.radius = std::hypot(offsetFirst, offsetSecond);
    const double endFirst = step.to[static_cast<std::size_t>(arc.first)] - arc.centreFirst;
    const double endSecond = step.to[static_cast<std::size_t>(arc.second)] - arc.centreSecond;
    if (arc.radius <= kArcEndTolerance || std::fabs(std::hypot(endFirst, endSecond) - arc.radius) > kArcEndTolerance)
      return Stop(MotionText(words), line);

    int turns = 1;
    if (words.turns) {
      if (words.turns->value < 1.0 || !IsWholeNumber(words.turns->value)) return Stop(words.turns->text, line);
      turns = static_cast<int>(words.turns->value);
    }
    arc.startAngle = std::atan2(-offsetSecond, -offsetFirst);
    const double endAngle = std::atan2(endSecond, endFirst);
    const bool clockwise = state_.motion == Motion::Clockwise;
    double sweep = clockwise ? arc.startAngle - endAngle : endAngle - arc.startAngle;
    sweep = std::fmod(sweep + 2 * kFullTurn, kFullTurn);
    if (sweep * arc.radius <= kArcEndTolerance) sweep = kFullTurn;  // ends where it starts: a full circle
    sweep += (turns - 1) * kFullTurn;
    arc.sweep = clockwise ? -sweep : sweep;
    step.isArc = true;
    result_.seconds += sweep * arc.radius / state_.feed * 60.0;
    return true;
  }

  struct ModalState {
    Motion motion = Motion::None;
    int plane = 0;
    bool incremental = false;
    double feed = 0.0;
  };

  const MotionSetup& setup_;
  ModalState state_;
  FollowResult result_;
  bool begun_ = false;  // a block with words was read
  bool ended_ = false;
};

}  // namespace

FollowResult FollowProgram(const MotionSetup& setup, const std::wstring& text, const std::vector<double>& start) {
  return Follower(setup, start).Run(text);
}

}  // namespace pf
