// A batch job: everything the wizard would gather on its pages, read from a
// job file, and the run that generates and writes the programs as the
// wizard's Finish does.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "JobFile.h"
#include "program/MoveNames.h"
#include "program/ProgramInfoAry.h"

namespace pf {

// One [Program] section: which kind for which axis or plane.
struct JobProgram {
  const JobSection* section = nullptr;
  int kind = 0;
  int index = 0;  // axis index (kinds 0..6) or plane index (kinds 7..10)
};

// Steps that a run with a machine description adds (MachineJob.h): the
// machine's values in the records, the page's estimate where the job sets no
// sampling time, and each program's motion verdict.
class BatchRunSteps {
 public:
  virtual ~BatchRunSteps() = default;
  // After the records of `kind` were built.
  virtual void PrepareRecords(int kind, CProgramInfoAry& records) const = 0;
  // After the job's parameters went into the record, before the page's
  // activation rules change its dwell mode.
  virtual void PrepareProgram(const JobProgram& program, CProgramInfo& record) const = 0;
  // After the program's files were listed as written.
  virtual void Report(const JobProgram& program, const CProgramInfo& record, std::ostream& out) const = 0;
};

struct BatchJob {
  std::wstring projectFolder;  // absolute
  int folderLine = 0;          // the job line that names it
  AxisNameSource machine;      // axis labels, incremental names, machine type, G-code list
  std::vector<std::wstring> planes;
  std::vector<std::wstring> planeAxes;  // two axis labels per plane
  std::vector<JobProgram> programs;
  const BatchRunSteps* steps = nullptr;  // not owned; null: the job alone
};

// The generated programs, one array per program kind (index = kind).
using BatchKinds = std::vector<CProgramInfoAry>;

// Reads the [Project], [Machine] and [Program] sections into a job. Relative
// folders are taken from the job file's folder. Axis and plane labels name
// folders inside the project folder, so each must be a usable name of its
// own ("." and ".." are not). False with a message that names the offending
// line.
bool ReadBatchJob(const JobText& text, const std::wstring& jobFolder, BatchJob& job, std::wstring& error);

// Generates every program of the job in memory, as the wizard's program
// pages do; writes nothing. False with a message naming the job line (the
// generator's own message for an invalid number).
bool GenerateBatchPrograms(const JobText& text, const BatchJob& job, BatchKinds& kinds, std::wstring& error);

// Recovers the project folder from a write that was cut short (saying so
// on `err`), generates every program of the job and, when all succeeded,
// writes them and the project file. Lists each file written on `out`;
// errors go to `err`, naming the job line. Text goes out as 8-bit text
// (UTF-8 on POSIX). Returns the process exit status: 0 success, 1 the
// project could not be recovered or a program could not be written, 2 the
// job is invalid.
int RunBatchJob(const JobText& text, const BatchJob& job, std::ostream& out, std::ostream& err);

// Writes a line of module text to the stream as 8-bit text.
void Print(std::ostream& stream, const std::wstring& line);

// The folder of the job file: relative paths of the job start there.
std::wstring JobFolder(const std::wstring& jobPath);

// Reads and parses the job file at `path` into `text` (its fileName set);
// false with the message on `err`.
bool ReadJobFile(const std::wstring& path, JobText& text, std::ostream& err);

// ReadBatchJob on the parsed job (relative to its file's folder), then
// RunBatchJob; 2 with the message on `err` for an invalid job.
int GenerateFromJob(const JobText& text, std::ostream& out, std::ostream& err);

// The whole command: ReadJobFile, then GenerateFromJob.
int GenerateFromJobFile(const std::wstring& path, std::ostream& out, std::ostream& err);

}  // namespace pf
