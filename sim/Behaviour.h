// How an entry point answers: normally, failing with a status, or
// misbehaving the way a faulty NC library might while still returning 0.
//
// A behaviour is written as text, in a description's [Fail] section and in
// SimSetBehaviour: a number is a status to fail with (0: normal), a word one
// of the misbehaviours below; either followed by "@k" applies to the k-th
// call of the entry point only.
#pragma once

#include <cstdint>
#include <string>

namespace pf::sim {

enum class Mode {
  Normal,
  Fail,          // return the status at once, outputs untouched
  Untouched,     // return 0, outputs untouched
  Unterminated,  // text outputs filled to their end without a terminator
  IntMin,        // every number output INT_MIN (doubles: the same value)
  IntMax,        // INT_MAX
  NaN,           // doubles NaN, integers INT_MIN (the x86 conversion of NaN)
  Huge,          // doubles +DBL_MAX, integers INT_MAX
  MinusHuge,     // doubles -DBL_MAX, integers INT_MIN
  FarCount,      // NcGetInformation's counts 1000 beyond the machine's
};

struct Behaviour {
  Mode mode = Mode::Normal;
  int32_t status = 0;   // the status of Mode::Fail
  int32_t onlyCall = 0;  // 0: every call; k: only the k-th since the machine was loaded
};

// A status as a behaviour: 0 normal, else Fail with it.
inline Behaviour FailingWith(int32_t status) { return {status == 0 ? Mode::Normal : Mode::Fail, status}; }

// Reads a behaviour's text: a number (0 normal, else Fail with it) or one of
// the words untouched, unterminated, int-min, int-max, nan, huge, -huge,
// far-count, optionally followed by "@" and a call number of 1 or more. An
// empty text is normal. False when the text is neither.
bool ParseBehaviour(const std::string& text, Behaviour& behaviour);

// The caller's outputs of one call, written as the behaviour wants them.
// Modes without a rule for a kind of output write it normally.
class Outputs {
 public:
  explicit Outputs(Mode mode) : mode_(mode) {}

  // Text into a buffer of `size` bytes: NUL-terminated and cut to size - 1
  // bytes; unterminated: the text padded with '9' to all `size` bytes; in
  // a number mode: the number's text instead.
  void Text(const std::string& text, char* buffer, int32_t size) const;
  // The same for a UTF-16 buffer of `length` units (ASCII text).
  void Text16(const std::string& text, char16_t* buffer, int32_t length) const;
  void Integer(int32_t value, int32_t* out) const;
  void Double(double value, double* out) const;

  Mode mode() const { return mode_; }

 private:
  std::string Shown(const std::string& text) const;

  Mode mode_;
};

// The distance beyond the machine's own count that Mode::FarCount reports.
inline constexpr int32_t kFarCountExcess = 1000;

}  // namespace pf::sim
