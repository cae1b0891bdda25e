// The commit journal (see CommitJournal.h). Its text is UTF-16LE, so that
// any name a folder can hold survives on every build:
//
//   PathForge commit journal
//   <had old: 0|1> <size> <hash, 16 hex digits> <path below the folder>
//   ...
//   end
#include "common/CommitJournal.h"

#include <algorithm>
#include <cwchar>

#include "common/Path.h"
#include "common/Text.h"

namespace pf {
namespace {

const wchar_t kStagedSuffix[] = L".pf-new";
const wchar_t kBackupSuffix[] = L".pf-old";
const wchar_t kJournalName[] = L"Commit.journal";
const wchar_t kHeader[] = L"PathForge commit journal";
const wchar_t kClosing[] = L"end";

bool EndsWith(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::wstring Hex(std::uint64_t value) {
  std::wstring text(16, L'0');
  for (int i = 15; i >= 0; --i, value >>= 4) text[static_cast<std::size_t>(i)] = L"0123456789abcdef"[value & 0xF];
  return text;
}

// One entry line without its line end; false when it is not one.
bool ParseEntry(const std::wstring& folder, const std::wstring& line, JournalEntry& entry) {
  const std::size_t first = line.find(L' ');
  const std::size_t second = line.find(L' ', first + 1);
  const std::size_t third = second == std::wstring::npos ? second : line.find(L' ', second + 1);
  if (third == std::wstring::npos || third + 1 >= line.size() || first != 1) return false;
  wchar_t* end = nullptr;
  entry.hadOld = line[0] == L'1';
  entry.size = std::wcstoull(line.c_str() + first + 1, &end, 10);
  if (end != line.c_str() + second) return false;
  entry.hash = std::wcstoull(line.c_str() + second + 1, &end, 16);
  if (end != line.c_str() + third) return false;
  entry.path = folder + kPathSep + line.substr(third + 1);
  return true;
}

}  // namespace

std::wstring StagedPathOf(const std::wstring& path) { return path + kStagedSuffix; }
std::wstring BackupPathOf(const std::wstring& path) { return path + kBackupSuffix; }
std::wstring JournalPathIn(const std::wstring& folder) { return folder + kPathSep + kJournalName; }

std::size_t BatchSuffixLength() { return std::max(std::wcslen(kStagedSuffix), std::wcslen(kBackupSuffix)); }

bool IsBatchLeftover(const std::wstring& name) { return EndsWith(name, kStagedSuffix) || EndsWith(name, kBackupSuffix); }

std::uint64_t ContentHash(const std::string& bytes) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (const char byte : bytes) hash = (hash ^ static_cast<unsigned char>(byte)) * 1099511628211ULL;
  return hash;
}

std::string JournalBytes(const std::wstring& folder, const std::vector<JournalEntry>& entries) {
  std::wstring text = std::wstring(kHeader) + L"\n";
  for (const JournalEntry& entry : entries) {
    text += (entry.hadOld ? L"1 " : L"0 ") + std::to_wstring(entry.size) + L" " + Hex(entry.hash) + L" " +
            entry.path.substr(folder.size() + 1) + L"\n";
  }
  text += std::wstring(kClosing) + L"\n";
  const std::u16string units = ToUtf16(text);
  std::string bytes;
  for (const char16_t unit : units) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

bool ParseJournal(const std::wstring& folder, const std::string& bytes, std::vector<JournalEntry>& entries) {
  std::u16string units;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
  }
  const std::wstring text = FromUtf16(units);
  entries.clear();
  std::size_t start = text.find(L'\n');
  if (start == std::wstring::npos || text.compare(0, start, kHeader) != 0) return false;
  for (++start; start < text.size();) {
    const std::size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) return false;
    const std::wstring line = text.substr(start, end - start);
    if (line == kClosing) return end + 1 == text.size();
    JournalEntry entry;
    if (!ParseEntry(folder, line, entry)) return false;
    entries.push_back(entry);
    start = end + 1;
  }
  return false;
}

}  // namespace pf
