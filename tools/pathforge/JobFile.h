// The text form of a batch job: INI-style sections of key=value lines, read
// with their line numbers so that every error can name the line it is about.
//
// Lines are trimmed; empty lines and lines starting with ';' or '#' are
// comments, and so is the rest of a line from a blank followed by ';'; "[name]" opens a section; keys are matched without case. Unlike
// a profile file, a job may hold several sections of one name (one per
// program), kept in file order.
#pragma once

#include <string>
#include <vector>

namespace pf {

struct JobEntry {
  std::wstring key;
  std::wstring value;
  int line = 0;
};

struct JobSection {
  std::wstring name;
  int line = 0;
  std::vector<JobEntry> entries;

  // The entry of the key (matched without case), or nullptr.
  const JobEntry* Find(const std::wstring& key) const;
};

struct JobText {
  std::wstring fileName;  // as given, for messages
  std::vector<JobSection> sections;
};

// Parses the 8-bit text of a job file. False with a message naming the line
// when a line is not valid 8-bit text, is neither a comment, a section nor a
// key=value entry, or when an entry stands before the first section.
bool ParseJobText(const std::string& bytes, JobText& job, std::wstring& error);

// "file:line: " — the prefix of every message about a line of the job.
std::wstring JobLocation(const JobText& job, int line);

}  // namespace pf
