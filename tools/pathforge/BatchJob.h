// A batch job: everything the wizard would gather on its pages, read from a
// job file, and the run that generates and writes the programs as the
// wizard's Finish does.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "JobFile.h"
#include "program/MoveNames.h"

namespace pf {

// One [Program] section: which kind for which axis or plane.
struct JobProgram {
  const JobSection* section = nullptr;
  int kind = 0;
  int index = 0;  // axis index (kinds 0..6) or plane index (kinds 7..10)
};

struct BatchJob {
  std::wstring projectFolder;  // absolute
  AxisNameSource machine;      // axis labels, incremental names, machine type, G-code list
  std::vector<std::wstring> planes;
  std::vector<std::wstring> planeAxes;  // two axis labels per plane
  std::vector<JobProgram> programs;
};

// Reads the [Project], [Machine] and [Program] sections into a job. Relative
// folders are taken from the job file's folder. False with a message that
// names the offending line.
bool ReadBatchJob(const JobText& text, const std::wstring& jobFolder, BatchJob& job, std::wstring& error);

// Generates every program of the job and, when all succeeded, writes them
// and the project file. Lists each file written on `out`; errors go to
// `err`, naming the job line. Text goes out as 8-bit text (UTF-8 on POSIX). Returns the process exit status: 0 success,
// 1 a program could not be written, 2 the job is invalid.
int RunBatchJob(const JobText& text, const BatchJob& job, std::ostream& out, std::ostream& err);

// The whole command: reads the job file at `path`, then RunBatchJob.
int GenerateFromJobFile(const std::wstring& path, std::ostream& out, std::ostream& err);

}  // namespace pf
