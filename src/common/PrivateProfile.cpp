// The private-profile rules as text operations (see PrivateProfile.h).
//
// The text is cut into lines that remember where they stand in it, so that a
// write changes only the bytes of the entry it sets and leaves every other
// byte of the file as it was.
#include "common/PrivateProfile.h"

#include <algorithm>
#include <vector>

#include "common/Text.h"

namespace pf {
namespace {

constexpr const char* kLineEnd = "\r\n";

// The bytes a line is trimmed of: the blanks and the end-of-file mark 0x1A.
bool IsTrimmed(char c) { return IsBlank(c) || c == '\x1A'; }

// Narrows first..last to the bytes between the trimmed ones.
void TrimRange(const std::string& text, std::size_t& first, std::size_t& last) {
  const std::string_view kept = Trim(std::string_view(text).substr(first, last - first), IsTrimmed);
  first = static_cast<std::size_t>(kept.data() - text.data());
  last = first + kept.size();
}

std::string Trimmed(const std::string& name) { return std::string(Trim(name, IsTrimmed)); }

struct Line : TextLine {
  enum class Kind { Blank, Section, Key };

  Kind kind = Kind::Blank;
  std::string name;           // section or key name, trimmed
  bool hasValue = false;      // a key line with '='
  std::size_t valueBegin = 0; // a key's value (left-trimmed) ...
  std::size_t valueEnd = 0;   // ... up to the trimmed end of the line
};

// Fills in what a line is. `first`..`last` are its bytes without the
// surrounding blanks.
void Classify(const std::string& text, std::size_t first, std::size_t last, Line& line) {
  if (first == last) return;
  if (text[first] == '[') {
    const std::size_t close = text.rfind(']', last - 1);
    if (close != std::string::npos && close > first) {
      std::size_t nameBegin = first + 1;
      std::size_t nameEnd = close;
      TrimRange(text, nameBegin, nameEnd);
      line.kind = Line::Kind::Section;
      line.name = text.substr(nameBegin, nameEnd - nameBegin);
      return;
    }
  }
  line.kind = Line::Kind::Key;
  const std::size_t equals = std::min(text.find('=', first), last);
  std::size_t nameEnd = equals;
  TrimRange(text, first, nameEnd);
  line.name = text.substr(first, nameEnd - first);
  if (equals == last) {
    line.valueBegin = line.valueEnd = last;
    return;
  }
  line.hasValue = true;
  line.valueBegin = equals + 1;
  while (line.valueBegin < last && IsTrimmed(text[line.valueBegin])) ++line.valueBegin;
  line.valueEnd = last;
}

// The lines as Windows cuts them: a UTF-8 byte-order mark is text of the
// first line.
std::vector<Line> ProfileLines(const std::string& text) {
  std::vector<Line> lines;
  for (const TextLine& cut : SplitLines(text, ByteOrderMark::IsText)) {
    Line line;
    static_cast<TextLine&>(line) = cut;
    std::size_t first = line.begin;
    std::size_t last = line.end;
    TrimRange(text, first, last);
    Classify(text, first, last, line);
    lines.push_back(line);
  }
  return lines;
}

// The lines of the first section of that name: its header and the lines up to
// the next header.
struct SectionSpan {
  std::size_t header = 0;
  std::size_t end = 0;
};

bool FindSection(const std::vector<Line>& lines, const std::string& section, SectionSpan& span) {
  const std::string wanted = Trimmed(section);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind != Line::Kind::Section || !SameWithoutCase(lines[i].name, wanted)) continue;
    span.header = i;
    span.end = i + 1;
    while (span.end < lines.size() && lines[span.end].kind != Line::Kind::Section) ++span.end;
    return true;
  }
  return false;
}

// The first line of the section that names the key; lines.size() when none does.
std::size_t FindKey(const std::vector<Line>& lines, const SectionSpan& span, const std::string& key) {
  const std::string wanted = Trimmed(key);
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    if (lines[i].kind == Line::Kind::Key && SameWithoutCase(lines[i].name, wanted)) return i;
  }
  return lines.size();
}

std::string WithoutQuotes(const std::string& value) {
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  return quoted ? value.substr(1, value.size() - 2) : value;
}

// Where a new key of the section goes: after its last line that is not blank.
std::size_t EndOfSection(const std::vector<Line>& lines, const SectionSpan& span) {
  std::size_t last = span.header;
  for (std::size_t i = span.header + 1; i < span.end; ++i) {
    if (lines[i].kind != Line::Kind::Blank) last = i;
  }
  return last;
}

// Inserts whole lines after `line`, giving it a line end first if it has none.
std::string InsertAfter(std::string text, const Line& line, const std::string& newLines) {
  const std::string lineEnd = line.next == line.end ? kLineEnd : "";
  return text.insert(line.next, lineEnd + newLines);
}

std::string AppendSection(std::string text, const std::string& section, const std::string& entry) {
  if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += kLineEnd;
  return text + "[" + section + "]" + kLineEnd + entry;
}

}  // namespace

bool ProfileLookup(const std::string& fileText, const std::string& section, const std::string& key,
                   std::string& value) {
  const std::vector<Line> lines = ProfileLines(fileText);
  SectionSpan span;
  if (!FindSection(lines, section, span)) return false;
  const std::size_t found = FindKey(lines, span, key);
  if (found == lines.size() || !lines[found].hasValue) return false;
  const Line& line = lines[found];
  value = WithoutQuotes(fileText.substr(line.valueBegin, line.valueEnd - line.valueBegin));
  return true;
}

std::string ProfileUpdate(const std::string& fileText, const std::string& section, const std::string& key,
                          const std::string& value) {
  const std::vector<Line> lines = ProfileLines(fileText);
  const std::string entry = key + "=" + value + kLineEnd;
  SectionSpan span;
  if (!FindSection(lines, section, span)) return AppendSection(fileText, section, entry);
  const std::size_t found = FindKey(lines, span, key);
  if (found == lines.size()) return InsertAfter(fileText, lines[EndOfSection(lines, span)], entry);
  // The key's old value (up to the end of its line) makes way for the new one.
  const Line& line = lines[found];
  std::string text = fileText;
  return text.replace(line.valueBegin, line.end - line.valueBegin, line.hasValue ? value : "=" + value);
}

}  // namespace pf
