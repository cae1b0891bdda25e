// A machine description as text: INI-style sections of key=value lines.
//
// Lines end at LF or CR and are trimmed. A blank line, or one whose first
// character is ';' or '#', says nothing. "[name]" opens a section (the name
// runs to the last ']' and is trimmed); every other line must be key=value,
// split at the first '=', both sides trimmed; a value written in double
// quotes loses them (so it can keep blanks at its ends). Sections and keys
// match without case; where a name repeats, the first one counts.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pf::sim {

class Description {
 public:
  using Entry = std::pair<std::string, std::string>;

  // Reads the text. False, with a message naming the line, when a line is
  // none of the kinds above or a key stands before the first section.
  bool Parse(const std::string& text, std::string& error);

  // The value of section/key, or nullptr.
  const std::string* Find(std::string_view section, std::string_view key) const;

  // The entries of a section in text order; empty when there is no section.
  const std::vector<Entry>& Entries(std::string_view section) const;

  // True when the section is present.
  bool HasSection(std::string_view section) const;

 private:
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  const Section* FindSection(std::string_view name) const;

  std::vector<Section> sections_;
};

// True when the two names are equal without regard to ASCII case.
bool SameName(std::string_view a, std::string_view b);

}  // namespace pf::sim
