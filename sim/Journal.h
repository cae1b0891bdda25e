// The journal of calls: one line per entry-point call, kept in memory and,
// when a journal file is named, appended to that file as it is made.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace pf::sim {

// One argument of a journaled call: a number, or 8-bit text (nullptr allowed).
class JournalArg {
 public:
  JournalArg(int32_t number) : number_(number) {}
  JournalArg(const char* text) : isText_(true), text_(text) {}

  // Appends the argument as the journal shows it: a number in decimal, text
  // in double quotes exactly as received, a null text as null.
  void AppendTo(std::string& line) const;

 private:
  bool isText_ = false;
  int32_t number_ = 0;
  const char* text_ = nullptr;
};

// name(arg, arg, ...) -> status
std::string FormatCall(const char* name, std::initializer_list<JournalArg> args, int32_t status);

class Journal {
 public:
  // Names the file that lines are appended to; empty: memory only.
  void SetFile(const std::string& path) { file_ = path; }

  void Add(const std::string& line);
  void Clear() { lines_.clear(); }
  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  std::vector<std::string> lines_;
  std::string file_;
};

}  // namespace pf::sim
