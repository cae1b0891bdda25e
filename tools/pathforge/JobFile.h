// The text form of a batch job: INI-style text (common/IniText.h) read with
// its line numbers, so that every error can name the line it is about.
// Unlike a profile file, a job may hold several sections of one name (one per
// program), kept in file order.
#pragma once

#include <string>
#include <vector>

#include "common/IniText.h"

namespace pf {

using JobEntry = BasicIniEntry<wchar_t>;
using JobSection = BasicIniSection<wchar_t>;

struct JobText {
  std::wstring fileName;  // as given, for messages
  std::vector<JobSection> sections;
};

// Parses the 8-bit text of a job file. False with a message naming the line
// when a line is not valid 8-bit text or the text is not INI-style text.
bool ParseJobText(const std::string& bytes, JobText& job, std::wstring& error);

// "file:line: " — the prefix of every message about a line of the job.
std::wstring JobLocation(const JobText& job, int line);

}  // namespace pf
