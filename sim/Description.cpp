#include "Description.h"

#include <algorithm>

namespace pf::sim {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
  return value;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    lines.push_back(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return lines;
}

}  // namespace

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

bool Description::Parse(const std::string& text, std::string& error) {
  sections_.clear();
  const std::vector<std::string_view> lines = SplitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string_view line = Trim(lines[i]);
    if (line.empty() || line.front() == ';' || line.front() == '#') continue;
    const std::size_t close = line.rfind(']');
    if (line.front() == '[' && close != std::string_view::npos) {
      sections_.push_back({std::string(Trim(line.substr(1, close - 1))), {}});
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || sections_.empty()) {
      error = "line " + std::to_string(i + 1) + (sections_.empty() ? ": before the first [section]: " : ": not key=value: ") +
              std::string(line);
      sections_.clear();
      return false;
    }
    sections_.back().entries.emplace_back(std::string(Trim(line.substr(0, equals))),
                                          std::string(Unquote(Trim(line.substr(equals + 1)))));
  }
  return true;
}

const Description::Section* Description::FindSection(std::string_view name) const {
  const auto found = std::find_if(sections_.begin(), sections_.end(),
                                  [&](const Section& section) { return SameName(section.name, name); });
  return found == sections_.end() ? nullptr : &*found;
}

const std::string* Description::Find(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return nullptr;
  for (const Entry& entry : found->entries) {
    if (SameName(entry.first, key)) return &entry.second;
  }
  return nullptr;
}

const std::vector<Description::Entry>& Description::Entries(std::string_view section) const {
  static const std::vector<Entry> kNone;
  const Section* found = FindSection(section);
  return found == nullptr ? kNone : found->entries;
}

bool Description::HasSection(std::string_view section) const { return FindSection(section) != nullptr; }

}  // namespace pf::sim
