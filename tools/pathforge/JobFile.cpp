#include "JobFile.h"

#include <algorithm>
#include <cwctype>

#include "common/Format.h"
#include "common/Text.h"

namespace pf {
namespace {

std::wstring Trim(const std::wstring& text) {
  const auto notBlank = [](wchar_t c) { return !std::iswspace(c); };
  auto first = std::find_if(text.begin(), text.end(), notBlank);
  auto last = std::find_if(text.rbegin(), text.rend(), notBlank).base();
  return first < last ? std::wstring(first, last) : std::wstring();
}

bool SameWithoutCase(const std::wstring& a, const std::wstring& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

std::vector<std::wstring> SplitLines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::wstring line;
  for (wchar_t c : text) {
    if (c == L'\n') {
      lines.push_back(line);
      line.clear();
    } else if (c != L'\r') {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// The line up to a comment that starts with a blank and ';'.
std::wstring WithoutComment(const std::wstring& line) {
  for (std::size_t i = 1; i < line.size(); ++i)
    if (line[i] == L';' && std::iswspace(line[i - 1])) return line.substr(0, i);
  return line;
}

// The number of the first line holding bytes that the 8-bit conversion does
// not keep (on POSIX: bytes that are not UTF-8), or 0 when there is none.
// Names made of such a line would silently differ from the job's.
int FirstLineNotText(const std::string& bytes) {
  const std::string kept = ToNarrow(ToWide(bytes));
  const auto differs = std::mismatch(bytes.begin(), bytes.end(), kept.begin(), kept.end()).first;
  if (differs == bytes.end() && kept.size() == bytes.size()) return 0;
  return 1 + static_cast<int>(std::count(bytes.begin(), differs, '\n'));
}

}  // namespace

const JobEntry* JobSection::Find(const std::wstring& key) const {
  auto it = std::find_if(entries.begin(), entries.end(),
                         [&](const JobEntry& e) { return SameWithoutCase(e.key, key); });
  return it == entries.end() ? nullptr : &*it;
}

std::wstring JobLocation(const JobText& job, int line) { return Format(L"%s:%d: ", job.fileName, line); }

bool ParseJobText(const std::string& bytes, JobText& job, std::wstring& error) {
  if (const int line = FirstLineNotText(bytes)) {
    error = JobLocation(job, line) + L"the line is not valid 8-bit text (UTF-8 on Linux)";
    return false;
  }
  const std::vector<std::wstring> lines = SplitLines(ToWide(bytes));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    const std::wstring line = Trim(WithoutComment(lines[i]));
    if (line.empty() || line[0] == L';' || line[0] == L'#') continue;
    if (line.front() == L'[' && line.back() == L']') {
      job.sections.push_back({Trim(line.substr(1, line.size() - 2)), number, {}});
      continue;
    }
    const std::size_t eq = line.find(L'=');
    if (eq == std::wstring::npos) {
      error = JobLocation(job, number) + L"expected [section] or key=value, found \"" + line + L"\"";
      return false;
    }
    if (job.sections.empty()) {
      error = JobLocation(job, number) + L"an entry must stand inside a [section]";
      return false;
    }
    job.sections.back().entries.push_back({Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)), number});
  }
  return true;
}

}  // namespace pf
