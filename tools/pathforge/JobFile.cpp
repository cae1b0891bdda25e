#include "JobFile.h"

#include "common/Format.h"

namespace pf {
namespace {

// The number of the first line holding bytes that the 8-bit conversion does
// not keep (on POSIX: bytes that are not UTF-8), or 0 when there is none.
// Names made of such a line would silently differ from the job's.
int FirstLineNotText(const std::string& bytes) {
  const std::vector<TextLine> lines = SplitLines(bytes);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string line(LineText(bytes, lines[i]));
    if (ToNarrow(ToWide(line)) != line) return static_cast<int>(i) + 1;
  }
  return 0;
}

JobSection Widened(const IniSection& section) {
  JobSection wide{ToWide(section.name), section.line, {}};
  for (const IniEntry& entry : section.entries) wide.entries.push_back({ToWide(entry.key), ToWide(entry.value), entry.line});
  return wide;
}

}  // namespace

std::wstring JobLocation(const JobText& job, int line) { return Format(L"%s:%d: ", job.fileName, line); }

bool ParseJobText(const std::string& bytes, JobText& job, std::wstring& error) {
  if (const int line = FirstLineNotText(bytes)) {
    error = JobLocation(job, line) + L"the line is not valid 8-bit text (UTF-8 on Linux)";
    return false;
  }
  std::vector<IniSection> sections;
  IniError fault;
  if (!ParseIniText(bytes, sections, fault)) {
    error = JobLocation(job, fault.line) + ToWide(fault.message);
    return false;
  }
  for (const IniSection& section : sections) job.sections.push_back(Widened(section));
  return true;
}

}  // namespace pf
