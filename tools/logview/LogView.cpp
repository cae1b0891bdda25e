#include "LogView.h"

#include <algorithm>

#include "LogText.h"

namespace pf {

bool LogView::Passes(const ShownLine& line) const {
  return line.kind != LineKind::Record || filter_.empty() || MatchesText(FormatShownLine(line), filter_);
}

void LogView::SetFilter(const std::wstring& text) {
  filter_ = text;
  rows_.clear();
  taken_ = book_.first();
  Update();
}

std::size_t LogView::Update() {
  std::size_t left = 0;
  for (; !rows_.empty() && rows_.front() < book_.first(); ++left) rows_.pop_front();
  const uint64_t end = book_.first() + book_.lines().size();
  for (uint64_t number = std::max(taken_, book_.first()); number < end; ++number) {
    if (Passes(book_.lines()[number - book_.first()])) rows_.push_back(number);
  }
  taken_ = end;
  return left;
}

bool LogView::Highlighted(std::size_t row) const {
  return !highlight_.empty() && MatchesText(FormatShownLine(Line(row)), highlight_);
}

std::size_t LogView::Find(const std::wstring& text, std::size_t from, bool down) const {
  const std::size_t count = rows_.size();
  if (count == 0) return std::wstring::npos;
  std::size_t at = from < count ? from : (down ? count - 1 : 0);
  for (std::size_t step = 0; step < count; ++step) {
    at = down ? (at + 1) % count : (at + count - 1) % count;
    if (MatchesText(FormatShownLine(Line(at)), text)) return at;
  }
  return std::wstring::npos;
}

std::wstring LogView::Text(const std::vector<std::size_t>& rows) const {
  std::wstring text;
  for (std::size_t row : rows) text += FormatShownLine(Line(row)) + L"\r\n";
  return text;
}

}  // namespace pf
