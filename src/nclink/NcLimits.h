// How far the module trusts the numbers that the NC library hands back.
//
// A library may answer with anything: an unterminated buffer read as a huge
// count, a conversion that returns INT_MAX. Every count, system and axis
// number is checked against these limits before the module loops over it or
// does arithmetic on it; a number outside them counts as unreadable.
#pragma once

#include <cstdint>

namespace pf {

// No real machine has more axes (or part systems) than this; a larger count
// is an unreadable count.
inline constexpr int kMaxNcCount = 512;

// Part systems 1 to 9: an axis or plane label holds the system as one digit.
inline constexpr int32_t kMaxNcSystems = 9;

// A count from the NC that the module may loop over.
constexpr bool IsUsableCount(int count) { return count <= kMaxNcCount; }

// A 0-based part system that a label can hold.
constexpr bool IsSystemIndex(int32_t system) { return system >= 0 && system < kMaxNcSystems; }

// A 0-based axis number (within a system, or serial).
constexpr bool IsAxisIndex(int32_t axis) { return axis >= 0 && axis < kMaxNcCount; }

}  // namespace pf
