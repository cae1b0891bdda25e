// An image list as the pages describe it: image size, flags and the bitmap
// resources added with their mask colour. The tree's peer builds the
// platform's image list from this description when it is attached
// (CTreeCtrl::SetImageList), so the page keeps a plain value.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/UiTypes.h"

namespace pf {

class CImageList {
 public:
  struct Entry {
    unsigned bitmapId;
    std::uint32_t maskColor;   // 0x00BBGGRR; pixels of this colour are transparent
  };

  // Starts an empty list of cx x cy images (kIlcMask | kIlcColor24 ...).
  BOOL Create(int cx, int cy, unsigned flags, int initial, int grow);

  // Adds the images of a bitmap resource: one per cx pixels of its width.
  // Returns the index of the first, or -1 when the list was not created, the
  // bitmap is not a resource of the module, or its size does not fit.
  int Add(unsigned bitmapId, std::uint32_t maskColor);

  int GetImageCount() const { return count_; }
  int cx() const { return cx_; }
  int cy() const { return cy_; }
  unsigned flags() const { return flags_; }
  int initial() const { return initial_; }
  int grow() const { return grow_; }
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  int cx_ = 0;
  int cy_ = 0;
  unsigned flags_ = 0;
  int initial_ = 0;
  int grow_ = 0;
  int count_ = 0;
  std::vector<Entry> entries_;
};

}  // namespace pf
