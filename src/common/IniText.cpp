// Reading INI-style text (see IniText.h).
#include "common/IniText.h"

#include <algorithm>

namespace pf {
namespace {

// The line up to a comment that starts with a blank and ';'.
std::string_view WithoutComment(std::string_view line) {
  for (std::size_t i = 1; i < line.size(); ++i) {
    if (line[i] == ';' && IsBlank(line[i - 1])) return line.substr(0, i);
  }
  return line;
}

bool IsComment(std::string_view line) { return line.empty() || line.front() == ';' || line.front() == '#'; }

std::string_view Unquote(std::string_view value) {
  const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
  return quoted ? value.substr(1, value.size() - 2) : value;
}

}  // namespace

bool ParseIniText(std::string_view text, std::vector<IniSection>& sections, IniError& error) {
  sections.clear();
  const std::vector<TextLine> lines = SplitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    const std::string_view line = Trim(WithoutComment(LineText(text, lines[i])));
    if (IsComment(line)) continue;
    if (line.front() == '[' && line.back() == ']') {
      sections.push_back({std::string(Trim(line.substr(1, line.size() - 2))), number, {}});
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      error = {number, "expected [section] or key=value, found \"" + std::string(line) + "\""};
      return false;
    }
    if (sections.empty()) {
      error = {number, "an entry must stand inside a [section]"};
      return false;
    }
    sections.back().entries.push_back(
        {std::string(Trim(line.substr(0, equals))), std::string(Unquote(Trim(line.substr(equals + 1)))), number});
  }
  return true;
}

const IniSection* FindIniSection(const std::vector<IniSection>& sections, std::string_view name) {
  const auto found = std::find_if(sections.begin(), sections.end(),
                                  [&](const IniSection& section) { return SameWithoutCase(section.name, name); });
  return found == sections.end() ? nullptr : &*found;
}

}  // namespace pf
