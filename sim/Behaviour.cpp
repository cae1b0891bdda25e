#include "Behaviour.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <iterator>

#include "Numbers.h"

namespace pf::sim {
namespace {

// The misbehaviours by their words, and the numbers of the number modes: an
// integer output takes `integer`, a double `real`, a text `text`.
struct ModeRow {
  const char* word;
  Mode mode;
  bool isNumber;
  int32_t integer;
  double real;
  const char* text;
};

const ModeRow kModes[] = {
    {"untouched", Mode::Untouched, false, 0, 0.0, ""},
    {"unterminated", Mode::Unterminated, false, 0, 0.0, ""},
    {"int-min", Mode::IntMin, true, INT_MIN, static_cast<double>(INT_MIN), "-2147483648"},
    {"int-max", Mode::IntMax, true, INT_MAX, static_cast<double>(INT_MAX), "2147483647"},
    {"nan", Mode::NaN, true, INT_MIN, NAN, "nan"},
    {"huge", Mode::Huge, true, INT_MAX, DBL_MAX, "1.7976931348623157e+308"},
    {"-huge", Mode::MinusHuge, true, INT_MIN, -DBL_MAX, "-1.7976931348623157e+308"},
    {"far-count", Mode::FarCount, false, 0, 0.0, ""},
};

const ModeRow* FindNumberMode(Mode mode) {
  const auto found = std::find_if(std::begin(kModes), std::end(kModes),
                                  [mode](const ModeRow& row) { return row.mode == mode && row.isNumber; });
  return found == std::end(kModes) ? nullptr : &*found;
}

constexpr char kPadding = '9';

}  // namespace

bool ParseBehaviour(const std::string& text, Behaviour& behaviour) {
  const std::size_t at = text.find('@');
  int32_t onlyCall = 0;
  if (at != std::string::npos && (!ParseNumber(text.substr(at + 1), onlyCall) || onlyCall < 1)) return false;
  const std::string what = text.substr(0, at);
  int32_t status = 0;
  if (what.empty() || ParseNumber(what, status)) {
    behaviour = FailingWith(status);
  } else {
    const auto found =
        std::find_if(std::begin(kModes), std::end(kModes), [&](const ModeRow& row) { return what == row.word; });
    if (found == std::end(kModes)) return false;
    behaviour = {found->mode, 0};
  }
  behaviour.onlyCall = onlyCall;
  return true;
}

std::string Outputs::Shown(const std::string& text) const {
  const ModeRow* number = FindNumberMode(mode_);
  return number != nullptr ? number->text : text;
}

void Outputs::Text(const std::string& text, char* buffer, int32_t size) const {
  if (size < 1) return;
  const std::string shown = Shown(text);
  const std::size_t room = static_cast<std::size_t>(size);
  if (mode_ == Mode::Unterminated) {
    const std::size_t length = std::min(shown.size(), room);
    std::memcpy(buffer, shown.data(), length);
    std::fill(buffer + length, buffer + room, kPadding);
    return;
  }
  const std::size_t length = std::min(shown.size(), room - 1);
  std::memcpy(buffer, shown.data(), length);
  buffer[length] = '\0';
}

void Outputs::Text16(const std::string& text, char16_t* buffer, int32_t length) const {
  std::string bytes(static_cast<std::size_t>(length), '\0');
  Text(text, bytes.data(), length);
  const std::size_t used = mode_ == Mode::Unterminated ? bytes.size() : std::strlen(bytes.c_str()) + 1;
  std::transform(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(used), buffer,
                 [](char c) { return static_cast<char16_t>(static_cast<unsigned char>(c)); });
}

void Outputs::Integer(int32_t value, int32_t* out) const {
  const ModeRow* number = FindNumberMode(mode_);
  *out = number != nullptr ? number->integer : value;
}

void Outputs::Double(double value, double* out) const {
  const ModeRow* number = FindNumberMode(mode_);
  *out = number != nullptr ? number->real : value;
}

}  // namespace pf::sim
