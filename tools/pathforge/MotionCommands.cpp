// The machine-aware pathforge commands (see MotionCommands.h).
#include "MotionCommands.h"

#include <algorithm>
#include <filesystem>
#include <map>

#include "BatchJob.h"
#include "CommandOptions.h"
#include "MachineReading.h"
#include "common/Format.h"
#include "common/Path.h"
#include "common/Text.h"
#include "pages/SamplingEstimate.h"
#include "program/ProgramKinds.h"
#include "tools/shared/FsPath.h"
#include "wizard/ProjectFile.h"

namespace pf {
namespace {

std::wstring Joined(const std::vector<std::wstring>& items) {
  std::wstring text;
  for (const std::wstring& item : items) text += (text.empty() ? L"" : L", ") + item;
  return text;
}

bool HasKey(const JobSection& section, const wchar_t* key) { return section.Find(key) != nullptr; }

// The run steps of a job on a machine read from its description.
class MachineSteps : public BatchRunSteps {
 public:
  MachineSteps(const MachineReading& machine, const BatchJob& job) : machine_(machine), job_(job) {}

  void PrepareRecords(int kind, CProgramInfoAry& records) const override { ApplyMachineValues(machine_, kind, records); }

  void PrepareProgram(const JobProgram& program, CProgramInfo& record) const override {
    SamplingFields fields{record.m_strDistance, record.m_strDwell, record.m_strFeed, record.m_strRadius, record.m_bDwell != 0};
    const std::size_t axis = static_cast<std::size_t>(program.index);
    const double rapidSpeed = axis < machine_.rapidSpeeds.size() ? machine_.rapidSpeeds[axis] : 0.0;
    const SamplingTimes times = EstimateFromFields(program.kind, fields, [rapidSpeed] { return rapidSpeed; });
    if (!HasKey(*program.section, L"SmpTime")) record.m_strSmpTime = FormatSamplingTime(times.first);
    if (!HasKey(*program.section, L"SmpTime2")) record.m_strSmpTime2 = FormatSamplingTime(times.second);
  }

  void Report(const JobProgram& program, const CProgramInfo& record, std::ostream& out) const override {
    ProgramMotionInput input = MotionInputFor(machine_, job_.machine.machineType, job_.machine.gCodeList);
    input.program = &record;
    input.kind = program.kind;
    input.index = program.index;
    PrintVerdict(out, L"  ", CheckProgramMotion(input));
  }

 private:
  const MachineReading& machine_;
  const BatchJob& job_;
};

int GenerateOnMachine(const std::wstring& jobPath, JobText& text, const std::wstring& machinePath, std::ostream& out,
                      std::ostream& err) {
  for (const JobSection& section : text.sections) {
    if (section.name.size() == 7 && ToNarrow(section.name) == "Machine") {
      Print(err, JobLocation(text, section.line) + L"the machine description names the axes: leave out [Machine]");
      return kExitBadArguments;
    }
  }
  MachineReading machine;
  std::wstring error;
  if (!ReadMachineFile(machinePath, machine, error)) {
    Print(err, error);
    return kExitBadArguments;
  }
  JobSection section;
  section.name = L"Machine";
  section.entries = {{L"Axes", Joined(machine.axisLabels), 0},
                     {L"IncrementalNames", Joined(machine.incrementalNames), 0},
                     {L"Planes", Joined(machine.planeNames), 0},
                     {L"PlaneAxes", Joined(machine.planeAxes), 0}};
  text.sections.push_back(section);
  BatchJob job;
  if (!ReadBatchJob(text, JobFolder(jobPath), job, error)) {
    Print(err, error);
    return kExitBadArguments;
  }
  const MachineSteps steps(machine, job);
  job.steps = &steps;
  return RunBatchJob(text, job, out, err);
}

// The machine named by the job's [Project] Machine=, relative to the job.
std::wstring MachineOfJob(const JobText& text, const std::wstring& jobPath) {
  for (const JobSection& section : text.sections) {
    const JobEntry* entry = ToNarrow(section.name) == "Project" ? section.Find(L"Machine") : nullptr;
    if (!entry) continue;
    std::filesystem::path path = ToFsPath(entry->value);
    if (path.is_relative()) path = ToFsPath(JobFolder(jobPath)) / path;
    return FromFsPath(path);
  }
  return L"";
}

std::vector<std::wstring> SubFolders(const MachineReading& machine, int kind) {
  return IsCircleKind(kind) ? machine.planeNames : machine.axisLabels;
}

}  // namespace

int RunGenerateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CommandOptions options;
  if (args.empty() || !ParseOptions(args, 1, options) || options.size() > options.count("--machine")) {
    err << "usage: pathforge generate JOB [--machine FILE]\n";
    return kExitBadArguments;
  }
  const std::wstring jobPath = ToWide(args[0]);
  JobText text;
  if (!ReadJobFile(jobPath, text, err)) return kExitBadArguments;
  const std::wstring machine = options.count("--machine") ? options["--machine"] : MachineOfJob(text, jobPath);
  if (machine.empty()) return GenerateFromJob(text, out, err);
  return GenerateOnMachine(jobPath, text, machine, out, err);
}

int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  CommandOptions options;
  if (args.empty() || !ParseOptions(args, 1, options) || options.size() != 1 || !options.count("--machine")) {
    err << "usage: pathforge check PROJECT_FOLDER --machine FILE\n";
    return kExitBadArguments;
  }
  const std::wstring folder = FromFsPath(std::filesystem::absolute(ToFsPath(ToWide(args[0]))));
  int machineType = -1;
  int gCodeNumber = -1;
  ReadProjectFile(folder, machineType, gCodeNumber);
  MachineReading machine;
  std::wstring error;
  if (machineType < 0 || gCodeNumber < 0) error = folder + L": no project file with a machine type and G-code list";
  if (!error.empty() || !ReadMachineFile(options["--machine"], machine, error)) {
    Print(err, error);
    return kExitBadArguments;
  }
  bool failed = false;
  int checked = 0;
  for (int kind = 0; kind < kProgramKindCount; ++kind) {
    CProgramInfoAry records;
    records.Init(kind, machineType, folder, machine.axisLabels, machine.planeNames);
    ApplyMachineValues(machine, kind, records);
    const std::vector<std::wstring> names = SubFolders(machine, kind);
    for (std::size_t i = 0; i < records.size(); ++i) {
      if (!records[i].m_bLoaded) continue;
      ProgramMotionInput input = MotionInputFor(machine, machineType, gCodeNumber + kFirstGCodeList);
      input.program = &records[i];
      input.kind = kind;
      input.index = static_cast<int>(i);
      const ProgramMotion motion = CheckProgramMotion(input);
      failed = failed || motion.Unchecked() || motion.status == MotionStatus::BeyondLimits;
      ++checked;
      PrintVerdict(out, Format(L"%s (kind %d): ", CProgramInfo::ProgramFolder(folder, names[i], kind), kind), motion);
    }
  }
  if (checked == 0) Print(err, folder + L": no program of the machine's axes or planes was found");
  return failed ? 1 : 0;
}

}  // namespace pf
