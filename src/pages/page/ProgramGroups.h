// The program groups of the selection page: each group stands for one or two
// program kinds (a rapid and a cutting-feed variant, or the two radius and
// feed variants of a circle test) and lists its programs per axis or per
// plane. Only some groups are offered.
#pragma once

#include <array>

namespace pf {

// What a group's entries stand for.
enum class GroupChildren { Axes, Planes };

struct ProgramGroup {
  int group;               // group number 0..6
  unsigned labelId;        // string id of the group's label
  int kinds[2];            // the program kinds of the group
  int kindCount;           // 1 or 2
  GroupChildren children;
  bool offered;            // shown on the selection page
};

inline constexpr int kProgramGroupCount = 7;

// Every group, by group number (bounds-checked with at()).
inline constexpr std::array<ProgramGroup, kProgramGroupCount> kProgramGroups = {{
    {0, 14011, {0, 1}, 2, GroupChildren::Axes, true},     // positioning
    {1, 14002, {2, 3}, 2, GroupChildren::Axes, true},     // time constant
    {2, 14032, {4, 4}, 1, GroupChildren::Axes, true},     // lost motion
    {3, 14036, {5, 5}, 1, GroupChildren::Axes, false},    // feed-forward
    {4, 14027, {6, 6}, 1, GroupChildren::Axes, false},    // inertia ratio
    {5, 14033, {7, 8}, 2, GroupChildren::Planes, false},  // circular lost motion, method 2
    {6, 14034, {9, 10}, 2, GroupChildren::Planes, true},  // circular lost motion, method 3
}};

}  // namespace pf
