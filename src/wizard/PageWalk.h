// The sheet's walk over the program pages on Next and Back.
//
// The program pages are visited, for each axis in turn, in the kinds 0, 2,
// 1, 3; then kind 4 for each axis; then, for each plane in turn, kinds 9 and
// 10; then the request page. Kinds 5 to 8 are never reached from the
// selection page: their steps only continue a walk that began on one of
// their own pages. Back retraces the same order.
//
// A walk goes from page to page by a fixed step table and asks at each
// program page whether its record for the walk's counter is to be written;
// it ends at the first page that answers yes, at the request page (forward)
// or at the selection page (backward).
#pragma once

#include <functional>

namespace pf {

// A page of the walk: a program kind 0..10, or one of these two.
inline constexpr int kWalkSelectionPage = -1;
inline constexpr int kWalkRequestPage = -2;

// Where a walk starts or ends. `index` is the record index on a program
// page and means nothing on the other two.
struct WalkPosition {
  int page = kWalkSelectionPage;
  int index = 0;

  bool operator==(const WalkPosition& other) const { return page == other.page && index == other.index; }
};

// The counts a walk runs on.
struct WalkCounts {
  int axes = 0;            // entries of the axis label list (Next ends the axis kinds here)
  int planes = 0;          // entries of the plane label list
  int sheetAxisCount = 0;  // the sheet's m_nAxisCount (Back restarts the axis kinds from it)
};

// Asks the program page of `kind` whether its record `index` is selected.
// Like the page's program query it first clamps `index` in place into the
// page's record range; the walk goes on with the clamped value. The pages
// hold one record per axis (axis kinds) or per plane (plane kinds), as the
// sheet builds them; with fewer, a clamped counter would never reach its end.
using RecordSelected = std::function<bool(int kind, int& index)>;

// Next from `from` (the selection page or a program page): the program page
// to show with its record index, or the request page. Next from the request
// page stays there.
WalkPosition WalkNext(const WalkPosition& from, const WalkCounts& counts, const RecordSelected& selected);

// Back from `from` (a program page or the request page): the program page
// to show with its record index, or the selection page. Back from the
// selection page stays there.
WalkPosition WalkBack(const WalkPosition& from, const WalkCounts& counts, const RecordSelected& selected);

}  // namespace pf
