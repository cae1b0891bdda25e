// The rows a window shows of a book: the lines the filter lets through
// (session lines and notes always, record lines that hold the filter's
// text), each marked when it holds the highlight's text; texts match as the
// lines read in FormatShownLine, ignoring case. The rows follow the book:
// Update takes its new lines and lets go of those that left it (history,
// clearing).
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "LogBook.h"

namespace pf {

class LogView {
 public:
  explicit LogView(const LogBook& book) : book_(book) {}

  // Shows only the lines that hold `text` (every line when it is empty).
  void SetFilter(const std::wstring& text);
  void SetHighlight(const std::wstring& text) { highlight_ = text; }
  const std::wstring& filter() const { return filter_; }

  // Takes the book's new lines; returns how many rows left the front.
  std::size_t Update();

  std::size_t size() const { return rows_.size(); }
  const ShownLine& Line(std::size_t row) const { return book_.lines()[rows_[row] - book_.first()]; }
  bool Highlighted(std::size_t row) const;

  // The first row after `from` (before it when `down` is false) that holds
  // `text`, going round the end; npos when no row holds it. `from` npos
  // starts at the very first (or last) row.
  std::size_t Find(const std::wstring& text, std::size_t from, bool down) const;

  // The rows' lines as FormatShownLine gives them, each ending in CR LF.
  std::wstring Text(const std::vector<std::size_t>& rows) const;

 private:
  bool Passes(const ShownLine& line) const;

  const LogBook& book_;
  std::wstring filter_;
  std::wstring highlight_;
  std::deque<uint64_t> rows_;  // the numbers of the lines shown
  uint64_t taken_ = 0;         // the number of the first line not looked at yet
};

}  // namespace pf
