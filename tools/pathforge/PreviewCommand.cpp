// pathforge preview (see MotionCommands.h): the picture of one program file.
#include <algorithm>
#include <filesystem>

#include "BatchJob.h"
#include "CommandOptions.h"
#include "MachineReading.h"
#include "MotionCommands.h"
#include "PictureSvg.h"
#include "common/Path.h"
#include "common/Text.h"
#include "motion/ProgramFollower.h"
#include "program/ProgramKinds.h"
#include "tools/shared/FsPath.h"
#include "wizard/ProjectFile.h"

namespace pf {
namespace {

// Where a file lies in a project: <project>/<axis or plane label>/<kind folder>/<file>.
struct FilePlace {
  std::filesystem::path folder;  // the kind folder
  std::wstring label;
  std::wstring project;
  std::wstring fileName;
};

FilePlace PlaceOf(const std::wstring& file) {
  const std::filesystem::path path = std::filesystem::absolute(ToFsPath(file));
  const std::filesystem::path labelFolder = path.parent_path().parent_path();
  return {path.parent_path(), FromFsPath(labelFolder.filename()), FromFsPath(labelFolder.parent_path()),
          FromFsPath(path.filename())};
}

// An option's whole number within `low`..`high`.
bool NumberOption(const CommandOptions& options, const char* name, int low, int high, int& value) {
  const auto option = options.find(name);
  if (option == options.end()) return true;
  const std::string text = ToNarrow(option->second);
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos || text.size() > 2) return false;
  value = std::stoi(text);
  return value >= low && value <= high;
}

// The machine type and G-code list number: the options', else the project
// file's, else those of a machining centre.
bool GCodesOf(const CommandOptions& options, const FilePlace& place, int& machineType, int& gCodeList) {
  int type = -1;
  int number = -1;
  ReadProjectFile(place.project, type, number);
  const bool stored = type >= 0 && number >= 0;
  machineType = stored ? type : kMachineCentre;
  gCodeList = stored ? number + kFirstGCodeList : kFirstGCodeList;
  return NumberOption(options, "--machine-type", kMachineLathe, kMachineCentre, machineType) &&
         NumberOption(options, "--gcode-list", kFirstGCodeList, kFirstGCodeList + 5, gCodeList);
}

// The machine without a description: X, Y and Z of one part system, the
// planes of I, J and K on them, no stroke limits.
MachineReading NominalMachine() {
  MachineReading machine;
  machine.axisLabels = {L"$1-X", L"$1-Y", L"$1-Z"};
  machine.incrementalNames.assign(machine.axisLabels.size(), L"999");
  machine.planeNames = {L"$1-IJ", L"$1-JK", L"$1-KI"};
  machine.planeAxes = {L"$1-X", L"$1-Y", L"$1-Y", L"$1-Z", L"$1-Z", L"$1-X"};
  machine.values.assign(kProgramKindCount, CProgramInfoAry());
  return machine;
}

// The axis or plane the picture is of: the option's, else the file's label
// folder when the machine has it; -1 when neither names one.
bool FindTarget(const CommandOptions& options, const MachineReading& machine, const FilePlace& place, bool& plane,
                int& index, std::wstring& error) {
  const auto planeOption = options.find("--plane");
  const auto axisOption = options.find("--axis");
  const bool named = planeOption != options.end() || axisOption != options.end();
  const auto& planes = machine.planeNames;
  plane = planeOption != options.end() || (!named && std::count(planes.begin(), planes.end(), place.label) > 0);
  const std::vector<std::wstring>& list = plane ? planes : machine.axisLabels;
  const std::wstring wanted = planeOption != options.end() ? planeOption->second
                              : axisOption != options.end() ? axisOption->second
                                                            : place.label;
  const auto found = std::find(list.begin(), list.end(), wanted);
  index = found == list.end() ? -1 : static_cast<int>(found - list.begin());
  if (named && index < 0) error = wanted + L" is not among the machine's " + (plane ? L"planes" : L"axes");
  return error.empty();
}

// The kind whose folder holds the file and whose file list names it, and
// the file's number in that list.
bool FindProgramFile(const FilePlace& place, int machineType, bool plane, int& kind, int& file) {
  for (kind = 0; kind < kProgramKindCount; ++kind) {
    if (IsCircleKind(kind) != plane || GetProgramKindName(kind) != FromFsPath(place.folder.filename())) continue;
    int count = 0;
    const ProgramFileEntry* table = GetProgramFileTable(kind, machineType, count);
    for (file = 0; file < count; ++file)
      if (table[file].fileName == place.fileName) return true;
  }
  return false;
}

// The program of the file as far as the picture needs it: its position
// file from beside it, and the file.
CProgramInfo ProgramOf(const FilePlace& place, int kind, int machineType, int file, const std::wstring& text) {
  int count = 0;
  const ProgramFileEntry* table = GetProgramFileTable(kind, machineType, count);
  CProgramInfo program;
  program.resize(static_cast<std::size_t>(count));
  std::string position;
  if (ReadFileBytes(FromFsPath(place.folder / ToFsPath(table[0].fileName)), position))
    program[0].m_strText = ToWide(position);
  program[static_cast<std::size_t>(file)].m_strText = text;
  return program;
}

// Without a chosen axis or plane the picture shows the plane of the file's
// first arc, else the first two axes it moves (one: a single-axis picture).
PictureAxes MovedAxes(const FollowResult& followed, std::size_t axisCount) {
  for (const MotionStep& step : followed.steps)
    if (step.isArc) return {step.arc.first, step.arc.second};
  PictureAxes axes;
  for (std::size_t a = 0; a < axisCount; ++a) {
    const bool moved = std::any_of(followed.steps.begin(), followed.steps.end(), [a](const MotionStep& s) { return s.to[a] != s.from[a]; });
    if (!moved) continue;
    if (axes.horizontal < 0) {
      axes.horizontal = static_cast<int>(a);
    } else if (axes.vertical < 0) {
      axes.vertical = static_cast<int>(a);
    }
  }
  if (axes.horizontal < 0) axes.horizontal = 0;
  return axes;
}

// A file of no program the machine has: checked as a measurement file that
// starts at 0 on every axis, without a position file.
MotionResult CheckAlone(const ProgramMotionInput& input, bool plane, int index, const FilePlace& place,
                        const std::wstring& text) {
  ProgramMotionInput chosen = input;
  chosen.kind = plane ? 7 : 0;
  chosen.index = std::max(index, 0);
  MotionSetup setup;
  PictureAxes axes;
  MotionResult result;
  if (!BuildMotionSetup(chosen, setup, axes, result.verdict)) {
    result.status = MotionStatus::NotChecked;
    return result;
  }
  const std::vector<double> origin(setup.axes.size(), 0.0);
  if (index < 0) axes = MovedAxes(FollowProgram(setup, text, origin), setup.axes.size());
  return CheckMotion(setup, {{L"", L""}, {place.fileName, text}}, axes, origin);
}

}  // namespace

int RunPreviewCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CommandOptions options;
  const FilePlace place = PlaceOf(args.empty() ? std::wstring() : ToWide(args[0]));
  int machineType = kMachineCentre;
  int gCodeList = kFirstGCodeList;
  if (args.empty() || !ParseOptions(args, 1, options) || !options.count("-o") ||
      (options.count("--axis") && options.count("--plane")) || !GCodesOf(options, place, machineType, gCodeList)) {
    err << "usage: pathforge preview FILE.eia [--machine FILE] [--axis LABEL | --plane LABEL]\n"
           "                         [--machine-type 0|1] [--gcode-list 2..7] -o OUT.svg\n";
    return kExitBadArguments;
  }
  std::string bytes;
  MachineReading machine = NominalMachine();
  bool plane = false;
  int index = -1;
  std::wstring error;
  if (!ReadFileBytes(ToWide(args[0]), bytes)) error = ToWide(args[0]) + L": cannot read the program";
  if (!error.empty() || (options.count("--machine") && !ReadMachineFile(options["--machine"], machine, error)) ||
      !FindTarget(options, machine, place, plane, index, error)) {
    Print(err, error);
    return kExitBadArguments;
  }
  ProgramMotionInput input = MotionInputFor(machine, machineType, gCodeList);
  int kind = 0;
  int file = 0;
  MotionResult motion;
  CProgramInfo program;
  if (index >= 0 && FindProgramFile(place, machineType, plane, kind, file)) {
    program = ProgramOf(place, kind, machineType, file, ToWide(bytes));
    input.program = &program;
    input.kind = kind;
    input.index = index;
    motion = CheckProgramMotion(input);
  } else {
    motion = CheckAlone(input, plane, index, place, ToWide(bytes));
    file = 1;
  }
  const MotionPicture picture =
      file < static_cast<int>(motion.pictures.size()) ? motion.pictures[static_cast<std::size_t>(file)] : MotionPicture();
  const std::wstring caption = motion.verdict.empty() ? place.fileName : place.fileName + L": " + motion.verdict;
  if (!WriteFileBytes(options["-o"], PictureToSvg(picture, caption))) {
    Print(err, options["-o"] + L": cannot write the picture");
    return 1;
  }
  if (!motion.verdict.empty()) PrintVerdict(out, L"", motion);
  Print(out, options["-o"]);
  return motion.status == MotionStatus::NotChecked ? 1 : 0;
}

}  // namespace pf
