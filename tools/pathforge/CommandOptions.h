// What the machine-aware commands share: their "--name VALUE" options, the
// exit status of bad arguments, how a project stores its G-code list and how
// a motion verdict is printed.
#pragma once

#include <cstddef>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "motion/MotionCheck.h"

namespace pf {

inline constexpr int kExitBadArguments = 2;
// The G-code list number is the project's G-code choice + 2.
inline constexpr int kFirstGCodeList = 2;

using CommandOptions = std::map<std::string, std::wstring>;

// The "--name VALUE" options from `first` on; false for an option without a
// value, a value without an option or an option given twice.
bool ParseOptions(const std::vector<std::string>& args, std::size_t first, CommandOptions& options);

// `head` and the verdict on one line, each remark on a line of its own below.
void PrintVerdict(std::ostream& out, const std::wstring& head, const MotionResult& motion);

}  // namespace pf
