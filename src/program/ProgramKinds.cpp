// The kind and file tables.
#include "program/ProgramKinds.h"

#include <cstddef>

namespace pf {
namespace {

// Folder name of each kind, indexed by kind. The kinds of a pair share the
// folder and are told apart by their file names.
constexpr const wchar_t* kKindFolders[kProgramKindCount] = {
    L"POSITION",      // 0  rapid traverse (G00) positioning
    L"POSITION",      // 1  cutting feed (G01) positioning
    L"TimeConstant",  // 2  rapid traverse (G00) time constant
    L"TimeConstant",  // 3  cutting feed (G01) time constant
    L"LostMotion",    // 4  lost motion, one move each way
    L"VKS-FF",        // 5  feed-forward test
    L"InertiaRatio",  // 6  inertia ratio test
    L"LostMotion2",   // 7  circle test, radius 1 / feed 1
    L"LostMotion2",   // 8  circle test, radius 2 / feed 2
    L"LostMotion3",   // 9  circle test, radius 1 / feed 1
    L"LostMotion3",   // 10 circle test, radius 2 / feed 2
};

// File title string ids.
enum FileTitle : unsigned {
  kTitlePosition = 12599,       // every position file
  kTitleRapid = 12600,          // G00 forth and back
  kTitleHighAccuracy = 12601,   // forth and back in high-accuracy mode (G61.1 / G8P1)
  kTitleFeedDwell = 12602,      // G01 forth and back with dwell
  kTitleFeedTwice = 12603,      // G01 forth and back twice, no dwell
  kTitlePlus = 12604,           // G01 in plus direction
  kTitleMinus = 12605,          // G01 in minus direction
  kTitleNoDwell = 12606,        // G01 without dwell
  kTitleDwell = 12607,          // G01 with dwell
  kTitleCircle = 12608,         // G02/G03 circle, two turns
};

constexpr ProgramFileEntry kRapidLathe[] = {
    {L"G0Pos.eia", kTitlePosition},
    {L"G0a.eia", kTitleRapid},
};
constexpr ProgramFileEntry kRapidCentre[] = {
    {L"G0Pos.eia", kTitlePosition},
    {L"G0b.eia", kTitleHighAccuracy},
    {L"G0a.eia", kTitleRapid},
};
constexpr ProgramFileEntry kFeedLathe[] = {
    {L"G1Pos.eia", kTitlePosition},
    {L"G1aa.eia", kTitleFeedDwell},
    {L"G1ab.eia", kTitleFeedTwice},
};
constexpr ProgramFileEntry kFeedCentre[] = {
    {L"G1Pos.eia", kTitlePosition},
    {L"G1b.eia", kTitleHighAccuracy},
    {L"G1aa.eia", kTitleFeedDwell},
    {L"G1ab.eia", kTitleFeedTwice},
};
constexpr ProgramFileEntry kLostMotion[] = {
    {L"G1Pos.eia", kTitlePosition},
    {L"G1Pls.eia", kTitlePlus},
    {L"G1Min.eia", kTitleMinus},
};
constexpr ProgramFileEntry kFeedForward[] = {
    {L"G1Pos.eia", kTitlePosition},
    {L"G1a.eia", kTitleNoDwell},
    {L"G1b.eia", kTitleDwell},
};
constexpr ProgramFileEntry kCircle1[] = {
    {L"InitCircle1.eia", kTitlePosition},
    {L"Circle1.eia", kTitleCircle},
};
constexpr ProgramFileEntry kCircle2[] = {
    {L"InitCircle2.eia", kTitlePosition},
    {L"Circle2.eia", kTitleCircle},
};

struct FileListRow {
  unsigned kinds;
  int machineType;  // kAnyMachine: the list does not depend on it
  const ProgramFileEntry* files;
  int count;
};

template <std::size_t N>
constexpr FileListRow Row(unsigned kinds, int machineType, const ProgramFileEntry (&files)[N]) {
  return {kinds, machineType, files, static_cast<int>(N)};
}

constexpr FileListRow kFileLists[] = {
    Row(KindSet(0, 2), kMachineLathe, kRapidLathe),
    Row(KindSet(0, 2), kMachineCentre, kRapidCentre),
    Row(KindSet(1, 3), kMachineLathe, kFeedLathe),
    Row(KindSet(1, 3), kMachineCentre, kFeedCentre),
    Row(KindSet(4), kAnyMachine, kLostMotion),
    Row(KindSet(5, 6), kAnyMachine, kFeedForward),
    Row(KindSet(7, 9), kAnyMachine, kCircle1),
    Row(KindSet(8, 10), kAnyMachine, kCircle2),
};

}  // namespace

std::wstring GetProgramKindName(int kind) {
  if (kind < 0 || kind >= kProgramKindCount) return std::wstring();
  return kKindFolders[kind];
}

const ProgramFileEntry* GetProgramFileTable(int kind, int machineType, int& count) {
  for (const FileListRow& row : kFileLists) {
    if (!InKindSet(row.kinds, kind)) continue;
    if (row.machineType != kAnyMachine && row.machineType != machineType) continue;
    count = row.count;
    return row.files;
  }
  return nullptr;
}

}  // namespace pf
