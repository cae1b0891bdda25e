// Program kinds and the files that make up a program of each kind.
//
// A program kind is an integer 0..10; each kind has a folder name (the
// kind's sub-folder inside an axis or plane folder of a project) and, per
// machine type, an ordered list of files. Row 0 of every list is the
// position file. The lists are read-only tables built into the module.
#pragma once

#include <string>

namespace pf {

inline constexpr int kProgramKindCount = 11;

// Machine types: lathe G codes or machining-centre G codes.
inline constexpr int kMachineLathe = 0;
inline constexpr int kMachineCentre = 1;
// In the kind tables: a row that holds for every machine type.
inline constexpr int kAnyMachine = -1;

// True for the four circle kinds (7..10), whose programs belong to a plane
// rather than to an axis.
inline constexpr bool IsCircleKind(int kind) { return kind >= 7 && kind <= 10; }

// A set of kinds as a bit mask, for the tables that treat several kinds alike:
// KindSet(0, 2) holds kinds 0 and 2.
template <class... Kinds>
constexpr unsigned KindSet(Kinds... kinds) {
  return ((1U << kinds) | ...);
}

// True when `kind` is a valid kind that belongs to the set.
inline constexpr bool InKindSet(unsigned set, int kind) {
  return kind >= 0 && kind < kProgramKindCount && (set & (1U << kind)) != 0;
}

// One file of a program: its file name and the string id of its title.
struct ProgramFileEntry {
  const wchar_t* fileName;
  unsigned titleId;
};

// The folder name of the kind; empty for a kind outside 0..10.
std::wstring GetProgramKindName(int kind);

// The ordered file list of (kind, machine type), its row count stored in
// `count`. Null for a pair without a list (a kind outside 0..10, or kinds
// 0..3 with a machine type other than 0 and 1); `count` is then left as it
// was.
const ProgramFileEntry* GetProgramFileTable(int kind, int machineType, int& count);

}  // namespace pf
