#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program/MoveNames.h"

namespace {

using Names = std::vector<std::wstring>;

struct AxisCase {
  const char* name;
  Names labels;
  Names incremental;
  int machineType;
  int gCodeList;
  int currentIndex;
  Names moveNames;
  Names positionNames;
};

TEST(BuildAxisNames, MoveAndPositionNames) {
  const AxisCase cases[] = {
      {"lathe list 4 without incremental names", {L"$1-X", L"$1-Y", L"$1-Z", L"$1-C"},
       {L"999", L"999", L"999", L"999"}, 0, 4, 0, {L"U", L"V", L"W", L"C"}, {L"X", L"Y", L"Z", L"C"}},
      {"lathe list 2, empty incremental list", {L"$1-X", L"$1-Z"}, {}, 0, 2, 1, {L"U", L"W"}, {L"X", L"Z"}},
      {"lathe incremental names", {L"$1-X", L"$1-Y", L"$1-Z"}, {L"U1", L"999", L"H"}, 0, 6, 0,
       {L"U1", L"V", L"H"}, {L"X", L"Y", L"Z"}},
      {"machining centre: no mapping", {L"$1-X", L"$1-Y"}, {L"999", L"999"}, 1, 4, 0, {L"X", L"Y"},
       {L"X", L"Y"}},
      {"lathe list 3: no mapping", {L"$1-X", L"$1-Z"}, {L"999", L"999"}, 0, 3, 0, {L"X", L"Z"}, {L"X", L"Z"}},
      {"lathe list 7: no mapping", {L"$1-X"}, {L"U9"}, 0, 7, 0, {L"X"}, {L"X"}},
      {"other part system emptied", {L"$1-X", L"$1-Z", L"$2-X", L"$2-Z"}, {}, 1, 2, 2,
       {L"X", L"Z", L"X", L"Z"}, {L"", L"", L"X", L"Z"}},
      {"one-character label", {L"X", L"$1-Z"}, {}, 1, 2, 1, {L"X", L"Z"}, {L"", L"Z"}},
  };
  for (const AxisCase& c : cases) {
    SCOPED_TRACE(c.name);
    const pf::AxisNameSource source{c.labels, c.incremental, c.machineType, c.gCodeList};
    const pf::ProgramAxisNames names = pf::BuildAxisNames(source, c.currentIndex);
    EXPECT_EQ(names.moveNames, c.moveNames);
    EXPECT_EQ(names.positionNames, c.positionNames);
  }
}

struct CircleCase {
  const char* name;
  Names labels;
  Names incremental;
  int machineType;
  Names circleLabels;
  Names moveNames;
  Names positionNames;
};

TEST(BuildCircleAxisNames, MoveAndPositionNames) {
  const Names labels = {L"$1-X", L"$1-Y", L"$2-X", L"$2-Y"};
  const CircleCase cases[] = {
      {"circle labels replace the move names", labels, {}, 1, {L"$2-X", L"$2-Y"}, {L"$2-X", L"$2-Y"},
       {L"", L"", L"X", L"Y"}},
      {"incremental name of the labelled axis", labels, {L"A", L"B", L"U2", L"V2"}, 0, {L"$2-X", L"$2-Y"},
       {L"U2", L"V2"}, {L"", L"", L"X", L"Y"}},
      {"label not among the axes takes entry j", labels, {L"A", L"B", L"C", L"D"}, 0, {L"$2-X", L"$2-Q"},
       {L"C", L"B"}, {L"", L"", L"X", L"Y"}},
      {"999 at entry j: fixed pairs leave labels alone", labels, {L"999", L"999", L"U2", L"V2"}, 0,
       {L"$1-X", L"$1-Y"}, {L"$1-X", L"$1-Y"}, {L"X", L"Y", L"", L""}},
      {"no circle labels", labels, {}, 0, {}, {L"U", L"V", L"U", L"V"}, {L"", L"", L"", L""}},
      // A one-axis lathe takes fixed pairs beyond its names.
      {"a name for the one axis", {L"$1-X"}, {L"U"}, 0, {L"$1-X", L"$1-Y"}, {L"U", L"$1-Y"}, {L"X"}},
      {"no name set", {L"$1-X"}, {L"999"}, 0, {L"$1-X", L"$1-Y"}, {L"$1-X", L"$1-Y"}, {L"X"}},
      {"second circle label is the axis", {L"$1-X"}, {L"U"}, 0, {L"$1-Y", L"$1-X"}, {L"U", L"$1-X"}, {L"X"}},
  };
  for (const CircleCase& c : cases) {
    SCOPED_TRACE(c.name);
    const pf::AxisNameSource source{c.labels, c.incremental, c.machineType, c.labels.size() == 1 ? 4 : 2};
    const pf::ProgramAxisNames names = pf::BuildCircleAxisNames(source, c.circleLabels);
    EXPECT_EQ(names.moveNames, c.moveNames);
    EXPECT_EQ(names.positionNames, c.positionNames);
  }
}

}  // namespace
