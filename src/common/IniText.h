// INI-style text read as a whole, as the batch jobs and the simulated NC's
// machine descriptions are written: sections in file order, each with its
// entries and the line numbers they stand on, so that every message about a
// value can name its line.
//
// Lines are those of SplitLines (CR LF, LF or CR; a UTF-8 byte-order mark is
// skipped) and are trimmed. A blank line, a line starting with ';' or '#',
// and the rest of a line from a blank followed by ';' are comments. "[name]"
// opens a section, its name trimmed. Every other line is key=value, split at
// the first '=', both sides trimmed; a value in double quotes loses them (so
// it can keep blanks at its ends). Names match without case
// (SameWithoutCase); a name may repeat, and Find gives the first.
//
// The private-profile emulation (PrivateProfile.h) does not read this way:
// it keeps the platform's own rules, which know no comments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/Text.h"

namespace pf {

template <class Char>
struct BasicIniEntry {
  std::basic_string<Char> key;
  std::basic_string<Char> value;
  int line = 0;
};

template <class Char>
struct BasicIniSection {
  std::basic_string<Char> name;
  int line = 0;
  std::vector<BasicIniEntry<Char>> entries;

  // The first entry of the key, or nullptr.
  const BasicIniEntry<Char>* Find(std::basic_string_view<Char> key) const {
    for (const BasicIniEntry<Char>& entry : entries) {
      if (SameWithoutCase(entry.key, key)) return &entry;
    }
    return nullptr;
  }
};

using IniEntry = BasicIniEntry<char>;
using IniSection = BasicIniSection<char>;

// A fault of the text: the line it stands on and what is wrong with it.
struct IniError {
  int line = 0;
  std::string message;
};

// Reads 8-bit text into its sections. False with the first faulty line: one
// that is neither a comment, a section nor key=value, or an entry before the
// first section.
bool ParseIniText(std::string_view text, std::vector<IniSection>& sections, IniError& error);

// The first section of the name, or nullptr.
const IniSection* FindIniSection(const std::vector<IniSection>& sections, std::string_view name);

}  // namespace pf
