#include "BatchJob.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <set>
#include <utility>

#include "BatchWrite.h"
#include "common/Format.h"
#include "common/MessageSink.h"
#include "common/Path.h"
#include "common/Text.h"
#include "pages/ProgramPageRules.h"
#include "program/ProgramErrors.h"
#include "program/ProgramKinds.h"
#include "res/controls.h"
#include "tools/shared/FsPath.h"
#include "wizard/ProjectCommit.h"
#include "wizard/ProjectFile.h"
#include "wizard/ProjectName.h"

namespace pf {
namespace {

// Text parameters of a program, with the error id that blames them and the
// program page's edit whose input limit holds for them. The page shows its
// sampling-time estimate uncut, so a job's sampling times, which stand in
// for it, are held to the page's widest number edit.
struct TextKey {
  const wchar_t* key;
  std::wstring CProgramInfo::*field;
  int errorId;
  int limitingEdit;
};
const TextKey kTextKeys[] = {
    {L"Distance", &CProgramInfo::m_strDistance, kErrDistanceInvalid, PF_IDC_DISTANCE},
    {L"Feed", &CProgramInfo::m_strFeed, kErrFeedInvalid, PF_IDC_FEED},
    {L"DwellTime", &CProgramInfo::m_strDwell, kErrDwellInvalid, PF_IDC_DWELL},
    {L"SmpTime", &CProgramInfo::m_strSmpTime, kProgramOk, PF_IDC_DISTANCE},
    {L"SmpTime2", &CProgramInfo::m_strSmpTime2, kProgramOk, PF_IDC_DISTANCE},
    {L"Radius", &CProgramInfo::m_strRadius, kErrRadiusInvalid, PF_IDC_RADIUS},
};

// The most characters a person can type into the program page's edit.
int PageInputLimit(int controlId) {
  return std::find_if(std::begin(kProgramPageInputLimits), std::end(kProgramPageInputLimits),
                      [controlId](const InputLimit& limit) { return limit.id == controlId; })
      ->maxChars;
}

// Integer parameters with their allowed range.
struct IntKey {
  const wchar_t* key;
  int CProgramInfo::*field;
  int min;
  int max;
};
const IntKey kIntKeys[] = {
    {L"Dwell", &CProgramInfo::m_bDwell, 0, 1},
    {L"Direction", &CProgramInfo::m_nCircleDir, 0, 1},
    {L"NcType", &CProgramInfo::m_nNcType, -1, 1},
    {L"ParaExt3", &CProgramInfo::m_nParaExt3, INT_MIN, INT_MAX},
};

const std::wstring kPositionPrefix = L"Position ";
const std::wstring kOrderPrefix = L"Order ";

std::vector<std::wstring> SplitList(const std::wstring& text) {
  std::vector<std::wstring> items;
  if (Trim(text).empty()) return items;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(L',', start);
    items.push_back(Trim(text.substr(start, comma - start)));
    if (comma == std::wstring::npos) return items;
    start = comma + 1;
  }
}

bool ParseInt(const std::wstring& text, int min, int max, int& value) {
  if (text.empty()) return false;
  std::size_t i = (text[0] == L'-' || text[0] == L'+') ? 1 : 0;
  if (i == text.size()) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < L'0' || text[i] > L'9') return false;
    v = v * 10 + (text[i] - L'0');
    if (v > 1LL << 32) return false;
  }
  if (text[0] == L'-') v = -v;
  if (v < min || v > max) return false;
  value = static_cast<int>(v);
  return true;
}

// A label names a folder inside the project folder, by the same rule as a
// project name: neither the project folder itself ("."), nor its parent
// (".."), nor a name that Windows folds into another ("X." is "X") or takes
// for a device ("CON").
bool IsFolderLabel(const std::wstring& label) { return JudgeFolderName(label).usable; }

bool IsAsciiLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// An incremental name stands in the program as an axis address: "999" (none)
// or an ASCII letter followed by letters and digits, such as U or U1.
bool IsIncrementalName(const std::wstring& name) {
  if (name == L"999") return true;
  return !name.empty() && IsAsciiLetter(name[0]) &&
         std::all_of(name.begin(), name.end(), [](wchar_t c) { return IsAsciiLetter(c) || (c >= L'0' && c <= L'9'); });
}

// Reading the job: each step reports the first fault with its line.
class JobReader {
 public:
  JobReader(const JobText& text, std::wstring& error) : text_(text), error_(error) {}

  bool Fail(int line, const std::wstring& message) {
    error_ = JobLocation(text_, line) + message;
    return false;
  }

  const JobSection* Single(const wchar_t* name) {
    const JobSection* found = nullptr;
    for (const JobSection& s : text_.sections) {
      if (!SameWithoutCase(s.name, name)) continue;
      if (found) {
        Fail(s.line, Format(L"a job holds one [%s] section", name));
        return nullptr;
      }
      found = &s;
    }
    if (!found) error_ = text_.fileName + Format(L": the job has no [%s] section", name);
    return found;
  }

  bool Required(const JobSection& s, const wchar_t* key, const JobEntry*& entry) {
    entry = s.Find(key);
    return entry ? true : Fail(s.line, Format(L"[%s] needs %s=", s.name, key));
  }

  bool Int(const JobEntry& e, int min, int max, int& value) {
    return ParseInt(e.value, min, max, value) ||
           Fail(e.line, Format(L"%s must be a whole number from %d to %d", e.key, min, max));
  }

  // A value no longer than a person can type into the page's edit.
  bool Typeable(const JobEntry& e, int maxChars) {
    return static_cast<int>(e.value.size()) <= maxChars ||
           Fail(e.line, Format(L"%s takes at most %d characters, as on the program page", e.key, maxChars));
  }

 private:
  const JobText& text_;
  std::wstring& error_;
};

bool ReadProject(JobReader& r, const JobSection& s, const std::wstring& jobFolder, BatchJob& job) {
  const JobEntry* folder = nullptr;
  const JobEntry* type = nullptr;
  if (!r.Required(s, L"Folder", folder) || !r.Required(s, L"MachineType", type)) return false;
  if (folder->value.empty()) return r.Fail(folder->line, L"Folder must name the project folder");
  job.folderLine = folder->line;
  std::filesystem::path path = ToFsPath(folder->value);
  if (path.is_relative()) path = ToFsPath(jobFolder) / path;
  std::error_code failed;
  const std::filesystem::path absolute = std::filesystem::absolute(path, failed);
  if (failed) return r.Fail(folder->line, L"the project folder cannot be made absolute");
  job.projectFolder = FromFsPath(absolute.lexically_normal());
  while (job.projectFolder.size() > 1 && job.projectFolder.back() == kPathSep) job.projectFolder.pop_back();
  // The folder's own name is a project name, as the project page takes it.
  const std::size_t separator = job.projectFolder.rfind(kPathSep);
  const ProjectNameVerdict verdict =
      JudgeProjectName(job.projectFolder.substr(separator + 1), job.projectFolder.substr(0, separator));
  if (!verdict.usable) return r.Fail(folder->line, L"the project folder's name cannot be used: " + ProjectNameReason(verdict));
  if (!r.Int(*type, kMachineLathe, kMachineCentre, job.machine.machineType)) return false;
  const JobEntry* list = s.Find(L"GCodeList");
  return !list || r.Int(*list, 2, 7, job.machine.gCodeList);
}

// The comma-separated folder labels of an entry, each distinct.
bool ReadLabels(JobReader& r, const JobEntry& e, const wchar_t* what, const wchar_t* example,
                std::vector<std::wstring>& labels) {
  labels = SplitList(e.value);
  std::set<std::wstring> seen;
  for (const std::wstring& label : labels) {
    if (!IsFolderLabel(label) || !seen.insert(label).second)
      return r.Fail(e.line, Format(L"%s labels must be distinct usable names, such as %s", what, example));
  }
  return true;
}

bool ReadMachine(JobReader& r, const JobSection& s, BatchJob& job) {
  const JobEntry* axes = nullptr;
  if (!r.Required(s, L"Axes", axes) || !ReadLabels(r, *axes, L"axis", L"$1-X", job.machine.axisLabels))
    return false;
  // The last character of a label is the axis's address in the programs.
  for (const std::wstring& label : job.machine.axisLabels)
    if (!IsAsciiLetter(label.back())) return r.Fail(axes->line, L"an axis label ends in its axis letter, such as $1-X");
  job.machine.incrementalNames.assign(job.machine.axisLabels.size(), L"999");
  if (const JobEntry* inc = s.Find(L"IncrementalNames")) {
    job.machine.incrementalNames = SplitList(inc->value);
    if (job.machine.incrementalNames.size() != job.machine.axisLabels.size() ||
        !std::all_of(job.machine.incrementalNames.begin(), job.machine.incrementalNames.end(), IsIncrementalName))
      return r.Fail(inc->line, L"IncrementalNames needs one address per axis, such as U, or 999 for none");
  }
  const JobEntry* planes = s.Find(L"Planes");
  if (planes && !ReadLabels(r, *planes, L"plane", L"$1-IJ", job.planes)) return false;
  if (job.planes.empty()) return true;
  const JobEntry* planeAxes = nullptr;
  if (!r.Required(s, L"PlaneAxes", planeAxes)) return false;
  job.planeAxes = SplitList(planeAxes->value);
  if (job.planeAxes.size() != 2 * job.planes.size())
    return r.Fail(planeAxes->line, L"PlaneAxes needs two axis labels per plane");
  return true;
}

bool ReadProgram(JobReader& r, const JobSection& s, BatchJob& job, std::set<std::pair<int, int>>& seen) {
  JobProgram program;
  program.section = &s;
  const JobEntry* kind = nullptr;
  if (!r.Required(s, L"Kind", kind) || !r.Int(*kind, 0, kProgramKindCount - 1, program.kind)) return false;
  const bool circle = IsCircleKind(program.kind);
  const wchar_t* targetKey = circle ? L"Plane" : L"Axis";
  const JobEntry* target = nullptr;
  if (!r.Required(s, targetKey, target)) return false;
  program.index = IndexOf(circle ? job.planes : job.machine.axisLabels, target->value);
  if (program.index < 0)
    return r.Fail(target->line, Format(L"\"%s\" is not listed in [Machine] %s", target->value,
                                       circle ? L"Planes" : L"Axes"));
  if (!seen.insert({program.kind, program.index}).second)
    return r.Fail(s.line, Format(L"kind %d for %s is already in the job", program.kind, target->value));
  job.programs.push_back(program);
  return true;
}

// Puts the section's parameters into the program record.
bool ApplyParameters(JobReader& r, const JobSection& s, const BatchJob& job, CProgramInfo& record) {
  for (const JobEntry& e : s.entries) {
    if (SameWithoutCase(e.key, L"Kind") || SameWithoutCase(e.key, L"Axis") || SameWithoutCase(e.key, L"Plane")) continue;
    auto text = std::find_if(std::begin(kTextKeys), std::end(kTextKeys),
                             [&](const TextKey& k) { return SameWithoutCase(e.key, k.key); });
    if (text != std::end(kTextKeys)) {
      if (!r.Typeable(e, PageInputLimit(text->limitingEdit))) return false;
      int dots = 0;
      // The generators write the sampling times into the "(smptime=...)"
      // comment as they are: only a number may stand there, or a ")" in the
      // text would end the comment and put the rest into the program.
      if (text->errorId == kProgramOk && !CProgramInfo::CheckNumber(e.value, dots))
        return r.Fail(e.line, Format(L"%s must be a number of zero or more, such as 7.2", e.key));
      record.*(text->field) = e.value;
      continue;
    }
    auto integer = std::find_if(std::begin(kIntKeys), std::end(kIntKeys),
                                [&](const IntKey& k) { return SameWithoutCase(e.key, k.key); });
    if (integer != std::end(kIntKeys)) {
      if (!r.Int(e, integer->min, integer->max, record.*(integer->field))) return false;
      continue;
    }
    const bool position = StartsWithoutCase(e.key, kPositionPrefix);
    if (!position && !StartsWithoutCase(e.key, kOrderPrefix)) return r.Fail(e.line, L"unknown key " + e.key);
    const std::wstring label = Trim(e.key.substr(position ? kPositionPrefix.size() : kOrderPrefix.size()));
    const int axis = IndexOf(job.machine.axisLabels, label);
    if (axis < 0) return r.Fail(e.line, Format(L"\"%s\" is not listed in [Machine] Axes", label));
    CProgramAxisInfo& info = record.m_aryAxis.at(axis);
    if (!r.Typeable(e, position ? kAxisPositionLimit : kAxisOrderLimit)) return false;
    if (position) {
      info.m_strPosition = e.value;
    } else if (!r.Int(e, 0, INT_MAX, info.m_nOrder)) {
      return false;
    }
  }
  return true;
}

// The line to blame for a generator's error id.
int BlamedLine(const JobSection& s, int errorId) {
  for (const JobEntry& e : s.entries) {
    if (errorId == kErrPositionInvalid && StartsWithoutCase(e.key, kPositionPrefix)) return e.line;
    for (const TextKey& k : kTextKeys)
      if (k.errorId == errorId && SameWithoutCase(e.key, k.key)) return e.line;
  }
  return s.line;
}

// Keeps the last message a generator showed, so the tool can print it with
// the job line it is about.
class LastMessageSink : public IMessageSink {
 public:
  int Show(const MessageRequest& request) override {
    last = request;
    return kAnswerOk;
  }
  MessageRequest last;
};

ProgramAxisNames NamesFor(const BatchJob& job, const JobProgram& program) {
  if (!IsCircleKind(program.kind)) return BuildAxisNames(job.machine, program.index);
  const auto first = job.planeAxes.begin() + 2 * std::ptrdiff_t{program.index};
  return BuildCircleAxisNames(job.machine, std::vector<std::wstring>(first, first + 2));
}

}  // namespace

bool ReadBatchJob(const JobText& text, const std::wstring& jobFolder, BatchJob& job, std::wstring& error) {
  JobReader r(text, error);
  const JobSection* project = r.Single(L"Project");
  if (!project || !ReadProject(r, *project, jobFolder, job)) return false;
  const JobSection* machine = r.Single(L"Machine");
  if (!machine || !ReadMachine(r, *machine, job)) return false;
  std::set<std::pair<int, int>> seen;
  for (const JobSection& s : text.sections) {
    if (SameWithoutCase(s.name, L"Program")) {
      if (!ReadProgram(r, s, job, seen)) return false;
    } else if (!SameWithoutCase(s.name, L"Project") && !SameWithoutCase(s.name, L"Machine")) {
      return r.Fail(s.line, L"unknown section [" + s.name + L"]");
    }
  }
  if (job.programs.empty()) error = text.fileName + L": the job has no [Program] section";
  return !job.programs.empty();
}

bool GenerateBatchPrograms(const JobText& text, const BatchJob& job, BatchKinds& kinds, std::wstring& error) {
  JobReader r(text, error);
  kinds.assign(kProgramKindCount, CProgramInfoAry());
  for (int kind = 0; kind < kProgramKindCount; ++kind) {
    kinds[kind].Init(kind, job.machine.machineType, job.projectFolder, job.machine.axisLabels, job.planes);
    if (job.steps) job.steps->PrepareRecords(kind, kinds[kind]);
  }

  LastMessageSink messages;
  ScopedMessageSink scope(messages);
  for (const JobProgram& program : job.programs) {
    CProgramInfo& record = kinds[program.kind].at(program.index);
    if (!ApplyParameters(r, *program.section, job, record)) return false;
    if (job.steps) job.steps->PrepareProgram(program, record);
    // The dwell mode as the wizard's program page leaves it.
    record.m_bDwell = DwellModeAfterActivation(program.kind, record.m_bDwell);
    record.m_bSaveFiles = 1;
    const ProgramAxisNames names = NamesFor(job, program);
    for (int file = 0; file < static_cast<int>(record.size()); ++file) {
      if (!record.MakeProgram(job.machine.machineType, names.moveNames, names.positionNames, program.index,
                              file, job.machine.gCodeList))
        return r.Fail(BlamedLine(*program.section, static_cast<int>(messages.last.stringId)), messages.last.text);
    }
  }
  return true;
}

int RunBatchJob(const JobText& text, const BatchJob& job, std::ostream& out, std::ostream& err) {
  // A write of the project that a dead process cut short is finished or
  // undone before the project is read.
  const ProjectRecovery recovery = RecoverProject(job.projectFolder);
  if (!recovery.sentence.empty()) Print(err, JobLocation(text, job.folderLine) + recovery.sentence);
  if (recovery.failed) return 1;
  std::wstring error;
  BatchKinds kinds;
  if (!GenerateBatchPrograms(text, job, kinds, error)) {
    Print(err, error);
    return 2;
  }
  const FileFault fault = WriteBatchPrograms(job, kinds);
  if (!fault.ok()) {
    Print(err, JobLocation(text, job.folderLine) + NotWrittenText(fault));
    return 1;
  }
  for (const JobProgram& program : job.programs) {
    const CProgramInfo& record = kinds[program.kind][program.index];
    for (const std::wstring& file : ProgramFilePaths(job, program, record)) Print(out, file);
    if (job.steps) job.steps->Report(program, record, out);
  }
  Print(out, ProjectFilePath(job.projectFolder));
  return 0;
}

void Print(std::ostream& stream, const std::wstring& line) { stream << ToNarrow(line) << '\n'; }

std::wstring JobFolder(const std::wstring& jobPath) { return FromFsPath(ToFsPath(jobPath).parent_path()); }

bool ReadJobFile(const std::wstring& path, JobText& text, std::ostream& err) {
  text = JobText();
  text.fileName = path;
  std::string bytes;
  std::wstring error;
  if (!ReadFileBytes(path, bytes)) {
    Print(err, path + L": cannot read the job file");
    return false;
  }
  if (!ParseJobText(bytes, text, error)) {
    Print(err, error);
    return false;
  }
  return true;
}

int GenerateFromJob(const JobText& text, std::ostream& out, std::ostream& err) {
  BatchJob job;
  std::wstring error;
  if (!ReadBatchJob(text, JobFolder(text.fileName), job, error)) {
    Print(err, error);
    return 2;
  }
  return RunBatchJob(text, job, out, err);
}

int GenerateFromJobFile(const std::wstring& path, std::ostream& out, std::ostream& err) {
  JobText text;
  return ReadJobFile(path, text, err) ? GenerateFromJob(text, out, err) : 2;
}

}  // namespace pf
