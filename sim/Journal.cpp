#include "Journal.h"

#include <fstream>

namespace pf::sim {

void JournalArg::AppendTo(std::string& line) const {
  if (!isText_) {
    line += std::to_string(number_);
  } else if (text_ == nullptr) {
    line += "null";
  } else {
    line += '"';
    line += text_;
    line += '"';
  }
}

std::string FormatCall(const char* name, std::initializer_list<JournalArg> args, int32_t status) {
  std::string line = name;
  line += '(';
  for (const JournalArg& arg : args) {
    if (&arg != args.begin()) line += ", ";
    arg.AppendTo(line);
  }
  line += ") -> " + std::to_string(status);
  return line;
}

void Journal::Add(const std::string& line) {
  lines_.push_back(line);
  if (file_.empty()) return;
  // Opened for each line, so the file holds every call even if the process
  // dies in the next one.
  std::ofstream file(file_, std::ios::binary | std::ios::app);
  file << line << '\n';
}

}  // namespace pf::sim
