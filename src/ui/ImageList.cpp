// Image list descriptions, checked against the module's bitmap resources.
#include "ui/ImageList.h"

#include "ui/Resources.h"

namespace pf {

BOOL CImageList::Create(int cx, int cy, unsigned flags, int initial, int grow) {
  if (cx <= 0 || cy <= 0) return FALSE;
  *this = CImageList();
  cx_ = cx;
  cy_ = cy;
  flags_ = flags;
  initial_ = initial;
  grow_ = grow;
  return TRUE;
}

int CImageList::Add(unsigned bitmapId, std::uint32_t maskColor) {
  const BitmapResource* bitmap = FindBitmapResource(bitmapId);
  if (cx_ == 0 || bitmap == nullptr || bitmap->cy != cy_ || bitmap->cx % cx_ != 0) return -1;
  entries_.push_back({bitmapId, maskColor});
  const int first = count_;
  count_ += bitmap->cx / cx_;
  return first;
}

}  // namespace pf
