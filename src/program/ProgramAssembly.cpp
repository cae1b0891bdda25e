// Program assembly: which comment and which block make up each file.
#include "common/Format.h"
#include "common/MessageSink.h"
#include "program/ModeWords.h"
#include "program/ProgramErrors.h"
#include "program/ProgramInfo.h"
#include "program/ProgramKinds.h"

namespace pf {
namespace {

enum class Block { Position, Reciproc, OneWay, Circle };

// The sampling-time comment: "(smptime=0)" on position files, else the
// named sampling-time text.
using SmpTimeField = std::wstring CProgramInfo::*;
constexpr SmpTimeField kSmpZero = nullptr;
constexpr SmpTimeField kSmp = &CProgramInfo::m_strSmpTime;
constexpr SmpTimeField kSmp2 = &CProgramInfo::m_strSmpTime2;

// The test move: rapid traverse or cutting feed.
enum Motion : bool { kG00 = false, kG01 = true };

// How the move is run: forth and back with dwell (Plain) or twice without
// dwell (Doubled); a one-way move in plus direction with dwell (Plain), in
// minus direction with dwell (Minus) or in plus direction without dwell.
enum class Pass { Plain, Doubled, Minus, NoDwell };

// Rows whose block takes no mode index: position files, circles, and lathe
// moves, which use the lathe words of the G-code list instead.
constexpr int kNoMode = 0;

constexpr unsigned kAllKinds = KindSet(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10);

struct FileRecipe {
  unsigned kinds;
  int machineType;
  int fileIndex;
  SmpTimeField smpTime;
  Block block;
  Motion motion;
  int modeIndex;
  Pass pass;
};

// Lathe moves of kinds 4..6 take the lathe words of the G-code list too; the
// mode index of their rows counts on the machining centre only.
constexpr FileRecipe kRecipes[] = {
    // kinds, machine type, file index, comment, block, motion, mode index, pass
    {kAllKinds,            kAnyMachine,    0, kSmpZero, Block::Position, kG00, kNoMode,           Pass::Plain},    // position file
    {KindSet(0, 2),        kMachineLathe,  1, kSmp,     Block::Reciproc, kG00, kNoMode,           Pass::Plain},    // G0a
    {KindSet(0, 2),        kMachineCentre, 1, kSmp,     Block::Reciproc, kG00, kModeHighAccuracy, Pass::Plain},    // G0b
    {KindSet(0, 2),        kMachineCentre, 2, kSmp,     Block::Reciproc, kG00, kModeCutting,      Pass::Plain},    // G0a
    {KindSet(1, 3),        kMachineLathe,  1, kSmp,     Block::Reciproc, kG01, kNoMode,           Pass::Plain},    // G1aa
    {KindSet(1, 3),        kMachineLathe,  2, kSmp2,    Block::Reciproc, kG01, kNoMode,           Pass::Doubled},  // G1ab
    {KindSet(1, 3),        kMachineCentre, 1, kSmp,     Block::Reciproc, kG01, kModeHighAccuracy, Pass::Plain},    // G1b
    {KindSet(1, 3),        kMachineCentre, 2, kSmp,     Block::Reciproc, kG01, kModeCutting,      Pass::Plain},    // G1aa
    {KindSet(1, 3),        kMachineCentre, 3, kSmp2,    Block::Reciproc, kG01, kModeCutting,      Pass::Doubled},  // G1ab
    {KindSet(4),           kAnyMachine,    1, kSmp,     Block::OneWay,   kG01, kModeCutting,      Pass::Plain},    // G1Pls
    {KindSet(4),           kAnyMachine,    2, kSmp,     Block::OneWay,   kG01, kModeCutting,      Pass::Minus},    // G1Min
    {KindSet(5, 6),        kAnyMachine,    1, kSmp2,    Block::OneWay,   kG01, kModeCutting,      Pass::NoDwell},  // G1a
    {KindSet(5, 6),        kAnyMachine,    2, kSmp,     Block::OneWay,   kG01, kModeCutting,      Pass::Plain},    // G1b
    {KindSet(7, 8, 9, 10), kAnyMachine,    1, kSmp,     Block::Circle,   kG00, kNoMode,           Pass::Plain},    // Circle1, Circle2
};

const FileRecipe* FindRecipe(int kind, int machineType, int fileIndex) {
  for (const FileRecipe& recipe : kRecipes) {
    if (!InKindSet(recipe.kinds, kind) || recipe.fileIndex != fileIndex) continue;
    if (recipe.machineType == kAnyMachine || recipe.machineType == machineType) return &recipe;
  }
  return nullptr;
}

}  // namespace

int CProgramInfo::MakeProgram(int machineType, const std::vector<std::wstring>& moveNames,
                              const std::vector<std::wstring>& positionNames, int axisIndex, int fileIndex,
                              int gCodeList) {
  CProgramData& file = at(static_cast<std::size_t>(fileIndex));
  std::wstring text;

  if (const FileRecipe* recipe = FindRecipe(m_nKind, machineType, fileIndex)) {
    text = Format(L"(smptime=%s)\r\n", recipe->smpTime ? this->*(recipe->smpTime) : std::wstring(L"0"));
    int error = kProgramOk;
    switch (recipe->block) {
      case Block::Position:
        if (!MakePositionBlock(machineType, text, gCodeList, positionNames)) error = kErrPositionInvalid;
        break;
      case Block::Reciproc:
        error = MakeReciprocMove(machineType, recipe->modeIndex, recipe->motion, gCodeList,
                                 moveNames.at(static_cast<std::size_t>(axisIndex)), text,
                                 recipe->pass == Pass::Doubled);
        break;
      case Block::OneWay:
        error = MakeOneWayMove(machineType, recipe->modeIndex, recipe->motion, gCodeList,
                               recipe->pass != Pass::Minus, moveNames.at(static_cast<std::size_t>(axisIndex)),
                               text, recipe->pass == Pass::NoDwell);
        break;
      case Block::Circle:
        error = MakeCircle(machineType, text);
        break;
    }
    if (error != kProgramOk) {
      ShowMessage(static_cast<unsigned>(error), MsgIcon::Error);
      return 0;
    }
  }

  text += L"M30\r\n";
  file.m_strText = text;
  file.m_bModified = 0;
  return 1;
}

}  // namespace pf
